#include "store/Table.h"

#include <algorithm>
#include <iostream>

#include "store/FieldNames.h"
#include "store/TableImpl.h"

namespace store {

Table::Table(TableDef definition) : impl_(std::make_unique<Impl>(*this, std::move(definition))) {}

Table::~Table() {
  if (impl_->Editing() && impl_->Modified) {
    try {
      impl_->Owner.Post();
    } catch (const std::exception& error) {
      std::cerr << error.what() << '\n';
    }
  }
  if (impl_->Db != nullptr) impl_->Db->Detach(this);
  impl_->Notify([](TableListener& l) { l.TableDestroyed(); });
}

void Table::PrepareStored(const TableDef& definition, SqlitePersistence& database) {
  try {
    database.PrepareTable(definition);
  } catch (const Error& error) {
    throw Error("Cannot open table " + definition.Name + ": " + error.what());
  }
}

std::vector<RecordPtr> Table::ReadStored(const TableDef& definition, SqlitePersistence& database) {
  std::vector<RecordPtr> records;
  const int keyPosition = definition.KeyPosition();
  try {
    database.ReadTable(definition, [&](std::int64_t key, std::vector<StoredValue>& values) {
      if (keyPosition >= 0) values[keyPosition] = IntegerValue(key);
      records.push_back(Record::Create(key, values));
    });
  } catch (const Error& error) {
    throw Error("Cannot open table " + definition.Name + ": " + error.what());
  }
  return records;
}

void Table::Open(SqlitePersistence& database) {
  impl_->CheckInactive();
  PrepareStored(impl_->Def, database);
  Open(database, ReadStored(impl_->Def, database));
}

void Table::Open(SqlitePersistence& database, std::vector<RecordPtr> records) {
  impl_->CheckInactive();
  Impl& t = *impl_;
  t.Notify([](TableListener& l) { l.AboutToReset(); });
  std::vector<const Record*> byKey;
  byKey.reserve(records.size());
  for (RecordPtr& record : records) byKey.push_back(record.release());
  t.Orderings[0]->AssignSorted(byKey);
  std::fill(t.IsBuilt.begin() + 1, t.IsBuilt.end(), false);
  t.Db = &database;
  database.Attach(this);
  t.State = TableState::Browse;
  t.Filtered = false;
  t.FilteredView.reset();
  t.Active = 0;
  t.IndexName.clear();
  t.IndexFieldNames.clear();
  t.Current = nullptr;
  t.Notify([](TableListener& l) { l.ResetDone(); });
  SetIndexFieldNames(t.Def.DefaultIndexFieldNames);
  First();
}

void Table::Close() {
  Impl& t = *impl_;
  if (t.State == TableState::Inactive) return;
  StorePendingEdit();
  t.Notify([](TableListener& l) { l.AboutToReset(); });
  t.FreeRecords();
  std::fill(t.IsBuilt.begin() + 1, t.IsBuilt.end(), false);
  t.State = TableState::Inactive;
  t.Db->Detach(this);
  t.Db = nullptr;
  t.Current = nullptr;
  t.Eof = t.Bof = true;
  t.Notify([](TableListener& l) { l.ResetDone(); });
  t.Notify([](TableListener& l) { l.CurrentChanged(); });
}

void Table::BuildIndex(std::string_view name) {
  Impl& t = *impl_;
  const int index = t.DeclaredIndex(name);
  if (t.State != TableState::Inactive) t.Built(t.IndexSlots[index]);
}

void Table::ReleaseIdleIndexes() {
  Impl& t = *impl_;
  for (std::size_t slot = 1; slot < t.Orderings.size(); ++slot) {
    if (static_cast<int>(slot) == t.Active || !t.IsBuilt[slot]) continue;
    t.Orderings[slot]->Clear();
    t.IsBuilt[slot] = false;
  }
}

bool Table::Active() const { return impl_->State != TableState::Inactive; }
const std::string& Table::TableName() const { return impl_->Def.Name; }
const TableDef& Table::Definition() const { return impl_->Def; }
TableState Table::State() const { return impl_->State; }
bool Table::Modified() const { return impl_->Editing() && impl_->Modified; }

void Table::SetIndexName(std::string_view name) {
  Impl& t = *impl_;
  t.CheckActive();
  if (name.empty()) {
    StorePendingEdit();
    t.ApplyOrdering(0, "", "");
    return;
  }
  const int i = t.DeclaredIndex(name);
  const IndexDef& index = t.Def.Indexes[i];
  StorePendingEdit();
  const int position = FindFieldPosition(t.Def, index.FieldName);
  t.ApplyOrdering(t.IndexSlots[i], index.Name, t.Def.Fields[position].Name);
}

void Table::SetIndexFieldNames(std::string_view fieldName) {
  Impl& t = *impl_;
  t.CheckActive();
  if (fieldName.empty()) {
    StorePendingEdit();
    t.ApplyOrdering(0, "", "");
    return;
  }
  const int position = t.RequireField(fieldName);
  int slot = -1;
  for (std::size_t i = 0; i < t.Def.Indexes.size() && slot < 0; ++i) {
    if (FindFieldPosition(t.Def, t.Def.Indexes[i].FieldName) == position) slot = t.IndexSlots[i];
  }
  if (slot < 0) slot = t.OrderingSlot(position, Collation::Bytes, true);
  StorePendingEdit();
  t.ApplyOrdering(slot, "", t.Def.Fields[position].Name);
}

const std::string& Table::IndexName() const { return impl_->IndexName; }
const std::string& Table::IndexFieldNames() const { return impl_->IndexFieldNames; }

bool Table::FindKey(std::string_view key) { return impl_->LookUp(TextValue(key), false); }
bool Table::FindKey(int key) { return impl_->LookUp(IntegerValue(key), false); }
bool Table::FindNearest(std::string_view key) { return impl_->LookUp(TextValue(key), true); }
bool Table::FindNearest(int key) { return impl_->LookUp(IntegerValue(key), true); }

bool Table::Locate(std::string_view fieldName, std::string_view value) {
  return impl_->LocateValue(fieldName, TextValue(value));
}
bool Table::Locate(std::string_view fieldName, int value) {
  return impl_->LocateValue(fieldName, IntegerValue(value));
}

Field Table::FieldByName(std::string_view name) { return Field(*this, impl_->RequireField(name)); }

Field Table::Fields(int position) {
  if (position < 0 || position >= FieldCount()) {
    throw Error("Table " + TableName() + ": there is no field at position " +
                std::to_string(position) + ".");
  }
  return Field(*this, position);
}

int Table::FieldCount() const { return static_cast<int>(impl_->Def.Fields.size()); }

int Table::FieldPosition(std::string_view name) const {
  return FindFieldPosition(impl_->Def, name);
}

void Table::Insert() {
  Impl& t = *impl_;
  t.CheckActive();
  t.Db->CheckWritable();
  StorePendingEdit();
  const int row = t.Current ? t.ViewRowOfCurrent() : 0;
  t.Notify([row](TableListener& l) { l.RowsAboutToBeInserted(row, row); });
  t.InsertRow = row;
  t.State = TableState::Insert;
  t.Buffer.assign(t.Def.Fields.size(), StoredValue());
  t.Modified = false;
  t.Notify([](TableListener& l) { l.RowsInserted(); });
  t.Notify([](TableListener& l) { l.CurrentChanged(); });
}

void Table::Edit() {
  Impl& t = *impl_;
  t.CheckActive();
  if (t.Editing()) return;
  t.Db->CheckWritable();
  if (t.Current == nullptr) {
    Insert();
    return;
  }
  t.State = TableState::Edit;
  t.Buffer = t.Current->Values();
  t.Modified = false;
  t.Notify([](TableListener& l) { l.CurrentChanged(); });
}

void Table::Post() {
  Impl& t = *impl_;
  t.CheckActive();
  if (t.State == TableState::Insert) {
    t.PostInsert();
  } else if (t.State == TableState::Edit) {
    t.PostEdit();
  }
}

void Table::Cancel() {
  Impl& t = *impl_;
  t.CheckActive();
  if (t.State == TableState::Insert) {
    const int row = t.InsertRow;
    t.Notify([row](TableListener& l) { l.RowsAboutToBeRemoved(row, row); });
    t.State = TableState::Browse;
    t.Buffer.clear();
    t.Modified = false;
    t.Notify([](TableListener& l) { l.RowsRemoved(); });
  } else if (t.State == TableState::Edit) {
    t.State = TableState::Browse;
    t.Buffer.clear();
    t.Modified = false;
    const int row = t.CurrentRow();
    t.Notify([row](TableListener& l) { l.RowChanged(row); });
  } else {
    return;
  }
  t.Notify([](TableListener& l) { l.CurrentChanged(); });
}

void Table::Delete() {
  Impl& t = *impl_;
  t.CheckActive();
  t.Db->CheckWritable();
  if (t.State == TableState::Insert) {
    Cancel();
    return;
  }
  if (t.Current == nullptr) {
    throw Error("Cannot delete a record from an empty table (" + TableName() + ").");
  }
  const Record* old = t.Current;
  t.Db->DeleteRecord(t.Def, old->Key());
  const int row = t.ViewRowOfCurrent();
  t.Notify([row](TableListener& l) { l.RowsAboutToBeRemoved(row, row); });
  t.EraseEverywhere(old);
  t.State = TableState::Browse;
  t.Buffer.clear();
  t.Modified = false;
  t.Current = nullptr;
  t.Notify([](TableListener& l) { l.RowsRemoved(); });
  RecordDeleter()(old);
  t.GoToRowOrLast(row);
}

void Table::StorePendingEdit() {
  Impl& t = *impl_;
  t.CheckActive();
  if (!t.Editing()) return;
  if (t.Modified) {
    Post();
  } else {
    Cancel();
  }
}

void Table::First() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  t.GoTo(view.Size() ? view.At(0) : nullptr, true, view.Size() == 0, 0);
}

void Table::Next() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  const int row = t.ViewRowOfCurrent();
  if (row >= 0 && row + 1 < view.Size()) {
    t.GoTo(view.At(row + 1), false, false, row + 1);
  } else {
    t.Eof = true;
  }
}

void Table::Prior() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  const int row = t.ViewRowOfCurrent();
  if (row > 0) {
    t.GoTo(view.At(row - 1), false, false, row - 1);
  } else {
    t.Bof = true;
  }
}

void Table::Last() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  t.GoTo(view.Size() ? view.At(view.Size() - 1) : nullptr, view.Size() == 0, true, view.Size() - 1);
}

bool Table::Eof() const { return impl_->Eof; }
bool Table::Bof() const { return impl_->Bof; }

int Table::RecordCount() const {
  impl_->CheckActive();
  return impl_->View().Size();
}

bool Table::IsEmpty() const {
  const Impl& t = *impl_;
  return !Active() || (t.View().Size() == 0 && t.State != TableState::Insert);
}

void Table::SetFilter(std::string_view expression) {
  Impl& t = *impl_;
  FilterExpression parsed = FilterExpression::Parse(expression, t.Def);
  if (Active() && t.Filtered) StorePendingEdit();
  t.FilterText = std::string(expression);
  t.Filter = std::move(parsed);
  if (Active() && t.Filtered) SetFiltered(true);
}

const std::string& Table::Filter() const { return impl_->FilterText; }

void Table::SetFiltered(bool on) {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  t.Notify([](TableListener& l) { l.AboutToReset(); });
  t.Filtered = on;
  t.RebuildFilteredView();
  t.Notify([](TableListener& l) { l.ResetDone(); });
  First();
}

bool Table::Filtered() const { return impl_->Filtered; }

void Table::Refresh() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  t.Notify([](TableListener& l) { l.AboutToReset(); });
  t.RebuildFilteredView();
  t.Notify([](TableListener& l) { l.ResetDone(); });
  if (t.ViewRowOfCurrent() >= 0) {
    t.GoTo(t.Current, false, false);
  } else {
    First();
  }
}

Bookmark Table::GetBookmark() const {
  const Impl& t = *impl_;
  t.CheckActive();
  if (t.State == TableState::Insert || t.Current == nullptr) {
    throw Error("Table " + TableName() + " has no current record to remember.");
  }
  return Bookmark{t.Current->Key()};
}

void Table::GotoBookmark(const Bookmark& bookmark) {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const Record* record = t.FindByKey(bookmark.RecordKey);
  if (record == nullptr || t.View().Find(record) < 0) throw Error("Record not found.");
  t.GoTo(record, false, false);
}

bool Table::BookmarkValid(const Bookmark& bookmark) const {
  const Impl& t = *impl_;
  if (!Active()) return false;
  const Record* record = t.FindByKey(bookmark.RecordKey);
  return record != nullptr && t.View().Find(record) >= 0;
}

Bookmark Table::BookmarkAtRow(int row) const {
  const Impl& t = *impl_;
  t.CheckActive();
  const Record* record = row >= 0 && row < RowCount() ? t.RecordAtRow(row) : nullptr;
  if (record == nullptr) {
    throw Error("Table " + TableName() + ": there is no record in row " + std::to_string(row) +
                ".");
  }
  return Bookmark{record->Key()};
}

int Table::RowCount() const {
  const Impl& t = *impl_;
  if (!Active()) return 0;
  return t.View().Size() + (t.State == TableState::Insert ? 1 : 0);
}

int Table::CurrentRow() const { return impl_->CurrentRow(); }

std::optional<std::string> Table::RowText(int row, int position) const {
  const Impl& t = *impl_;
  if (row < 0 || row >= RowCount() || position < 0 || position >= FieldCount()) {
    throw Error("Table " + TableName() + ": there is no cell at row " + std::to_string(row) +
                ", field " + std::to_string(position) + ".");
  }
  const StoredValue value = row == t.CurrentRow() && t.Editing()
                                ? t.Buffer[position]
                                : t.RecordAtRow(row)->Value(position);
  if (value.IsNull) return std::nullopt;
  return value.IsInteger ? std::to_string(value.Integer) : value.Text;
}

void Table::MoveToRow(int row) {
  Impl& t = *impl_;
  t.CheckActive();
  if (row < 0 || row >= RowCount()) {
    throw Error("Table " + TableName() + ": there is no row " + std::to_string(row) + ".");
  }
  if (row == t.CurrentRow()) return;
  const Record* target = t.RecordAtRow(row);
  StorePendingEdit();
  t.GoTo(target, false, false);
}

void Table::AddListener(TableListener* listener) {
  auto& listeners = impl_->Listeners;
  if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) {
    listeners.push_back(listener);
  }
}

void Table::RemoveListener(TableListener* listener) {
  auto& listeners = impl_->Listeners;
  listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

SqlitePersistence& Table::Database() const {
  impl_->CheckActive();
  return *impl_->Db;
}

}  // namespace store
