#pragma once

// A dictionary for tests: a temporary working folder with a data folder and an open data module,
// and meanings added to it from Unicode texts, or records written field by field as they are
// stored (links that lead nowhere included).
//
//   test::TestWorkspace workspace;
//   test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("КОТ"), .en = QStringLiteral("CAT")});

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "store/DataModul.h"

namespace test {

class TestWorkspace {
 public:
  // Creates the folder "data" in a new temporary folder and opens the data module on it (with
  // `open` false the module stays closed).
  explicit TestWorkspace(bool open = true);
  ~TestWorkspace();

  TDataModul& Data() { return *data_; }
  QString Path() const { return folder_.path(); }
  QString FilePath(const QString& name) const { return folder_.filePath(name); }
  // Closes the data module and opens it again on the same folder, to see what reached the disk.
  void Reopen();
  // Closes the data module, takes the write permission off the data folder and its files (with
  // `folder` false, off the database file only) and opens the module again: read-only for a user
  // whom permissions bind (see Unprivileged.h). Reopen() and the end of the workspace give the
  // permissions back.
  void ReopenReadOnly(bool folder = true);

 private:
  void SetWritable(bool writable, bool folder);

  QTemporaryDir folder_;
  std::unique_ptr<TDataModul> data_;
};

// One meaning. Hebrew texts are given in display order (as stored); the reading-order copies
// are derived. A code left empty stays null.
struct MeaningSpec {
  QString ru{};
  QString he{};
  QString en{};
  QString heRoot{};
  std::optional<int> part{};
  std::optional<int> topic{};
  bool marked = false;
  QString ruHint{};
  QString heHint{};
  QString enHint{};
};

struct MeaningIds {
  int ru = 0;
  int he = 0;
  int en = 0;
};

// Inserts the three linked records of a meaning and posts them. The tables' cursors end on the
// new records.
MeaningIds AddMeaning(TDataModul& data, const MeaningSpec& meaning);

// Whether the current records of the three word tables make one meaning: each holds the keys of
// the other two.
::testing::AssertionResult CurrentRecordsLinked(TDataModul& data);

// The current record's field of a table as Unicode ("" for null).
QString FieldText(store::Table& table, const char* field);

// A field value written as stored: text (in the field's code page) or a number.
using TestValue = std::variant<std::string, int>;
using TestRecord = std::vector<std::pair<std::string, TestValue>>;

// Inserts a record with the given fields (the others stay empty) and returns its key.
int AddRecord(store::Table& table, const TestRecord& fields);
// Writes fields into the record whose key field ("Id"/"id") holds `key`.
void SetRecord(store::Table& table, int key, const TestRecord& fields);
// Adds a meaning from stored field values: three records linked both ways. Returns the Russian,
// Hebrew, English keys.
std::array<int, 3> AddMeaningRecords(TDataModul& data, const TestRecord& russian,
                                     const TestRecord& hebrew, const TestRecord& english);
// The value of a field of the record with that key, or nullopt when the field is empty or the
// record is missing.
std::optional<std::string> RecordText(store::Table& table, int key, std::string_view field);
// Every record's value of a field, in record-key order ("" for empty).
std::vector<std::string> FieldColumn(store::Table& table, std::string_view field);

}  // namespace test
