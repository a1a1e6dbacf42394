#include "store/WriteUnit.h"

#include <iostream>
#include <optional>
#include <string>

#include "store/Error.h"
#include "store/TableImpl.h"

namespace store {
// What a table showed before the unit began.
struct WriteUnit::TableView {
  TableState State = TableState::Browse;
  std::optional<std::int64_t> CurrentKey;
  std::vector<StoredValue> Buffer;
  bool Modified = false;
  std::string IndexName;
  std::string IndexFieldNames;
  std::string Filter;
  bool Filtered = false;
};

WriteUnit::WriteUnit(std::initializer_list<Table*> tables) : tables_(tables) {
  if (tables_.empty()) throw Error("A write unit needs a table.");
}

void WriteUnit::Run(const std::function<void()>& writes) {
  SqlitePersistence& database = tables_.front()->Database();
  std::vector<TableView> views;
  views.reserve(tables_.size());
  for (Table* table : tables_) {
    table->impl_->CheckActive();
    views.push_back(ViewOf(*table));
  }
  database.BeginUnit();
  try {
    writes();
    database.CommitUnit();
    return;
  } catch (...) {
    database.RollbackUnit();
    for (std::size_t i = 0; i < tables_.size(); ++i) {
      try {
        Restore(*tables_[i], database, views[i]);
      } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
      }
    }
    throw;
  }
}

void WriteUnit::RereadAll(SqlitePersistence& database) {
  // Restoring closes and opens each table, which changes the database's list.
  const std::vector<Table*> tables = database.OpenTables();
  std::vector<TableView> views;
  views.reserve(tables.size());
  for (const Table* table : tables) views.push_back(ViewOf(*table));
  for (std::size_t i = 0; i < tables.size(); ++i) {
    try {
      Restore(*tables[i], database, views[i]);
    } catch (const std::exception& error) {
      std::cerr << error.what() << '\n';
    }
  }
}

WriteUnit::TableView WriteUnit::ViewOf(const Table& table) {
  const Table::Impl& t = *table.impl_;
  // Only a pending edit or insertion is put back from the buffer.
  const bool pending = t.State != TableState::Browse;
  return {t.State,
          t.Current ? std::optional(t.Current->Key()) : std::nullopt,
          pending ? t.Buffer : std::vector<StoredValue>(),
          t.Modified,
          t.IndexName,
          t.IndexFieldNames,
          t.FilterText,
          t.Filtered};
}

void WriteUnit::Restore(Table& table, SqlitePersistence& database, const TableView& view) {
  Table::Impl& t = *table.impl_;
  table.Cancel();
  table.Close();
  table.Open(database);
  if (!view.IndexName.empty()) {
    table.SetIndexName(view.IndexName);
  } else if (!view.IndexFieldNames.empty()) {
    table.SetIndexFieldNames(view.IndexFieldNames);
  }
  table.SetFilter(view.Filter);
  table.SetFiltered(view.Filtered);
  if (view.CurrentKey) {
    if (const Record* record = t.FindByKey(*view.CurrentKey)) t.GoTo(record, false, false);
  }
  if (view.State == TableState::Browse) return;
  if (view.State == TableState::Insert) {
    table.Insert();
  } else if (t.Current != nullptr && t.Current->Key() == view.CurrentKey) {
    table.Edit();
  } else {
    return;
  }
  t.Buffer = view.Buffer;
  t.Modified = view.Modified;
  const int row = t.CurrentRow();
  t.Notify([row](TableListener& l) { l.RowChanged(row); });
  t.Notify([](TableListener& l) { l.CurrentChanged(); });
}

}  // namespace store
