#include "lesson/print/ReportTable.h"

#include "store/Error.h"
#include "store/FieldCodec.h"
#include "store/FieldNames.h"
#include "store/Schema.h"
#include "store/SqlitePersistence.h"

namespace lesson {
namespace {

constexpr const char* kDatabaseFileName = "vocamir.db";

// Reads one text field of the records that ReadTable hands over.
class TextColumn {
 public:
  TextColumn(const store::TableDef& table, std::string_view name)
      : position_(store::FindFieldPosition(table, name)),
        codepage_(store::CodepageOf(table.Fields.at(position_).Encoding)) {}

  QString Of(const std::vector<store::StoredValue>& values) const {
    const store::StoredValue& value = values[position_];
    return value.IsNull ? QString() : text::ToUnicode(value.Text, codepage_);
  }

 private:
  int position_;
  text::Codepage codepage_;
};

}  // namespace

ReportTable::ReportTable() = default;
ReportTable::~ReportTable() = default;

void ReportTable::Open(const std::filesystem::path& dataFolder) {
  if (Active()) return;
  const std::string name(store::schema::kSeleWords);
  try {
    auto database = std::make_unique<store::SqlitePersistence>(
        dataFolder / kDatabaseFileName, store::SqlitePersistence::Access::ReadOnly);
    // Reading once proves the table is there and whole before the handle counts as open.
    database->ReadTable(store::schema::SeleWords(), [](std::int64_t, auto&) {});
    database_ = std::move(database);
  } catch (const store::Error& failure) {
    throw store::Error("Cannot open table " + name + ": " + failure.what());
  }
}

std::vector<ReportRow> ReportTable::Rows() {
  const store::TableDef table = store::schema::SeleWords();
  const TextColumn ru(table, "ItemRU");
  const TextColumn he(table, "ItemHE");
  const TextColumn en(table, "ItemEN");
  std::vector<ReportRow> rows;
  database_->ReadTable(table, [&](std::int64_t, std::vector<store::StoredValue>& values) {
    rows.push_back({ru.Of(values), he.Of(values), en.Of(values)});
  });
  return rows;
}

}  // namespace lesson
