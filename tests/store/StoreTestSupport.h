#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

#include "store/SqlitePersistence.h"
#include "store/Table.h"
#include "store/TableDef.h"

namespace store::testing {

// A small table that covers every kind of field and index: an autoincrement key, text in both
// code pages, an integer, a case-insensitive and a case-sensitive index.
inline TableDef WordsDef() {
  return {"WORDS",
          {{"Id", FieldType::AutoInc, TextEncoding::Ascii},
           {"Item", FieldType::String, TextEncoding::Cp1251},
           {"Num", FieldType::Integer, TextEncoding::Ascii},
           {"Select", FieldType::String, TextEncoding::Cp1251},
           {"Heb", FieldType::String, TextEncoding::Cp1255}},
          {{"id_index", "Id"},
           {"item_index", "Item", Collation::CaseInsensitive},
           {"item_exact", "Item"},
           {"num_index", "Num"}},
          ""};
}

// A database file in a temporary folder, reopened on demand.
class TempDatabase {
 public:
  TempDatabase() { Reopen(); }
  std::filesystem::path Folder() const { return dir_.path().toStdString(); }
  std::filesystem::path File() const { return Folder() / "test.db"; }
  SqlitePersistence& Db() { return *db_; }
  void Reopen() {
    db_.reset();
    db_ = std::make_unique<SqlitePersistence>(File());
  }
  void Close() { db_.reset(); }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<SqlitePersistence> db_;
};

// Two tables of the words' shape, WORDS and OTHER, open on one temporary database: the writes of
// one are refused or undone while the other's stay.
struct TwoTables {
  static TableDef OtherDef() {
    TableDef other = WordsDef();
    other.Name = "OTHER";
    return other;
  }
  TwoTables() {
    words.Open(db.Db());
    other.Open(db.Db());
  }

  TempDatabase db;
  Table words{WordsDef()};
  Table other{OtherDef()};
};

// Appends one posted record to the words table and returns its key.
inline int AddWord(Table& table, const std::string& item, int num = 0,
                   const std::string& select = "") {
  table.Insert();
  table.FieldByName("Item").SetAsString(item);
  table.FieldByName("Num").SetAsInteger(num);
  table.FieldByName("Select").SetAsString(select);
  table.Post();
  return table.FieldByName("Id").AsInteger();
}

// The values of one field over the view, in view order (moves the cursor).
inline std::vector<std::string> Column(Table& table, const std::string& field) {
  std::vector<std::string> values;
  for (table.First(); !table.Eof(); table.Next()) {
    values.push_back(table.FieldByName(field).AsString());
  }
  return values;
}

}  // namespace store::testing
