#include "store/Table.h"

#include <algorithm>
#include <climits>
#include <iostream>
#include <optional>

#include "store/Convert.h"
#include "store/FieldNames.h"
#include "store/Filter.h"
#include "store/Index.h"
#include "store/Record.h"
#include "store/SqlitePersistence.h"

namespace store {

namespace {

StoredValue IntegerValue(std::int64_t number) {
  StoredValue value;
  value.IsNull = false;
  value.IsInteger = true;
  value.Integer = number;
  return value;
}

StoredValue TextValue(std::string_view text) {
  StoredValue value;
  value.IsNull = false;
  value.Text = std::string(text);
  return value;
}

// True when a record's field holds exactly this value (a null field equals nothing).
bool ValueEquals(const Record& record, int position, const StoredValue& value) {
  if (record.IsNull(position)) return false;
  if (value.IsInteger)
    return record.IsInteger(position) && record.Integer(position) == value.Integer;
  return !record.IsInteger(position) && record.Text(position) == value.Text;
}

}  // namespace

struct Table::Impl {
  Impl(Table& owner, TableDef definition);
  ~Impl() { FreeRecords(); }

  // --- State checks and plumbing ---
  void CheckActive() const;
  void CheckEditing() const;
  template <typename Call>
  void Notify(const Call& call) {
    const std::vector<TableListener*> listeners = Listeners;
    for (TableListener* listener : listeners) call(*listener);
  }
  int RequireField(std::string_view name) const;
  int KeyPosition() const;
  StoredValue KeyFor(const StoredValue& given, bool integerKey) const;
  bool Editing() const { return State == TableState::Edit || State == TableState::Insert; }

  // --- Orderings and view ---
  int OrderingSlot(int position, bool caseInsensitive, bool create);
  SortedRecords& Built(int slot);
  const SortedRecords& View() const { return FilteredView ? *FilteredView : *Orderings[Active]; }
  bool Passes(const Record& record) const { return !Filtered || Filter.Passes(record); }
  void RebuildFilteredView();
  void ApplyOrdering(int slot, std::string indexName, std::string fieldNames);
  const Record* InsertEverywhere(RecordPtr record);
  void EraseEverywhere(const Record* record);
  void FreeRecords();
  const Record* FindByKey(std::int64_t key) const;

  // --- Cursor ---
  void GoTo(const Record* record, bool bof, bool eof);
  void GoToRowOrLast(int row);
  int CurrentRow() const;
  const Record* RecordAtRow(int row) const;
  StoredValue CurrentValue(int position) const;
  void WriteField(int position, StoredValue value);

  // --- Lookups shared by the overloads ---
  bool LookUp(const StoredValue& given, bool nearest);
  bool LocateValue(std::string_view fieldName, const StoredValue& given);

  // --- Editing ---
  void PostInsert();
  void PostEdit();

  Table& Owner;
  TableDef Def;
  SqlitePersistence* Db = nullptr;
  TableState State = TableState::Inactive;

  // Orderings[0] orders by record key, is always built and owns the records. The others are
  // built when first used and kept up to date from then on.
  std::vector<std::unique_ptr<SortedRecords>> Orderings;
  std::vector<bool> IsBuilt;
  std::vector<int> IndexSlots;  // per declared index
  int Active = 0;
  std::string IndexName;
  std::string IndexFieldNames;

  std::string FilterText;
  FilterExpression Filter;
  bool Filtered = false;
  std::optional<SortedRecords> FilteredView;  // the view while the filter is on

  // The current record; in insert state the record that was current before Insert.
  const Record* Current = nullptr;
  bool Eof = true;
  bool Bof = true;
  std::vector<StoredValue> Buffer;  // the edit buffer in edit and insert state
  bool Modified = false;
  int InsertRow = 0;  // the display row of the record being inserted

  std::vector<TableListener*> Listeners;
};

Table::Impl::Impl(Table& owner, TableDef definition) : Owner(owner), Def(std::move(definition)) {
  Orderings.push_back(std::make_unique<SortedRecords>(Ordering{}));
  IsBuilt.push_back(true);
  for (const IndexDef& index : Def.Indexes) {
    const int position = FindFieldPosition(Def, index.FieldName);
    if (position < 0) {
      throw Error("Table " + Def.Name + ": index '" + index.Name + "' names no field.");
    }
    IndexSlots.push_back(OrderingSlot(position, index.CaseInsensitive, true));
  }
}

void Table::Impl::CheckActive() const {
  if (State == TableState::Inactive) {
    throw Error("Cannot perform this operation on a closed table (" + Def.Name + ").");
  }
}

void Table::Impl::CheckEditing() const {
  CheckActive();
  if (!Editing()) throw Error("Table " + Def.Name + " is not in edit or insert mode.");
}

int Table::Impl::RequireField(std::string_view name) const {
  const int position = FindFieldPosition(Def, name);
  if (position < 0) {
    throw Error("Table " + Def.Name + ": field '" + std::string(name) + "' not found.");
  }
  return position;
}

int Table::Impl::KeyPosition() const {
  for (std::size_t i = 0; i < Def.Fields.size(); ++i) {
    if (Def.Fields[i].Type == FieldType::AutoInc) return static_cast<int>(i);
  }
  return -1;
}

// Converts a lookup value to the kind of the field it is compared with.
StoredValue Table::Impl::KeyFor(const StoredValue& given, bool integerKey) const {
  if (integerKey == given.IsInteger) return given;
  if (!integerKey) return TextValue(std::to_string(given.Integer));
  const std::optional<std::int64_t> number = ParseInteger(given.Text);
  if (!number) throw ConversionError(NotAnIntegerMessage(given.Text));
  return IntegerValue(*number);
}

// The ordering over a field: an autoincrement field orders as the record key; equal orderings
// are shared.
int Table::Impl::OrderingSlot(int position, bool caseInsensitive, bool create) {
  if (position < 0 || Def.Fields[position].Type == FieldType::AutoInc) return 0;
  const bool folds = caseInsensitive && Def.Fields[position].Type == FieldType::String;
  for (std::size_t slot = 1; slot < Orderings.size(); ++slot) {
    const Ordering& order = Orderings[slot]->Order();
    if (order.Position == position && order.CaseInsensitive == folds) return static_cast<int>(slot);
  }
  if (!create) return -1;
  Orderings.push_back(std::make_unique<SortedRecords>(Ordering{position, folds}));
  IsBuilt.push_back(false);
  return static_cast<int>(Orderings.size()) - 1;
}

SortedRecords& Table::Impl::Built(int slot) {
  if (!IsBuilt[slot]) {
    Orderings[slot]->Assign(Orderings[0]->Items());
    IsBuilt[slot] = true;
  }
  return *Orderings[slot];
}

void Table::Impl::RebuildFilteredView() {
  FilteredView.reset();
  if (!Filtered) return;
  const SortedRecords& source = Built(Active);
  std::vector<const Record*> passing;
  for (const Record* record : source.Items()) {
    if (Filter.Passes(*record)) passing.push_back(record);
  }
  FilteredView.emplace(source.Order());
  FilteredView->AssignSorted(std::move(passing));
}

void Table::Impl::ApplyOrdering(int slot, std::string indexName, std::string fieldNames) {
  Built(slot);
  Notify([](TableListener& l) { l.AboutToReset(); });
  Active = slot;
  IndexName = std::move(indexName);
  IndexFieldNames = std::move(fieldNames);
  RebuildFilteredView();
  Notify([](TableListener& l) { l.ResetDone(); });
  const bool empty = View().Size() == 0;
  if (Current == nullptr && !empty) Current = View().At(0);
  Eof = Bof = empty;
  Notify([](TableListener& l) { l.CurrentChanged(); });
}

const Record* Table::Impl::InsertEverywhere(RecordPtr record) {
  const Record* raw = record.get();
  Orderings[0]->Insert(raw);
  record.release();  // owned by the record-key ordering from here on
  for (std::size_t slot = 1; slot < Orderings.size(); ++slot) {
    if (IsBuilt[slot]) Orderings[slot]->Insert(raw);
  }
  if (FilteredView && Filter.Passes(*raw)) FilteredView->Insert(raw);
  return raw;
}

void Table::Impl::EraseEverywhere(const Record* record) {
  for (std::size_t slot = 0; slot < Orderings.size(); ++slot) {
    if (IsBuilt[slot]) Orderings[slot]->Erase(record);
  }
  if (FilteredView) FilteredView->Erase(record);
}

void Table::Impl::FreeRecords() {
  std::vector<const Record*> owned = Orderings[0]->Items();
  for (auto& ordering : Orderings) ordering->Clear();
  FilteredView.reset();
  for (const Record* record : owned) RecordDeleter()(record);
}

const Record* Table::Impl::FindByKey(std::int64_t key) const {
  const SortedRecords& byKey = *Orderings[0];
  const int position = byKey.LowerBound(IntegerValue(key));
  if (position < byKey.Size() && byKey.At(position)->Key() == key) return byKey.At(position);
  return nullptr;
}

void Table::Impl::GoTo(const Record* record, bool bof, bool eof) {
  Current = record;
  Bof = bof;
  Eof = eof;
  Notify([](TableListener& l) { l.CurrentChanged(); });
}

// After the record at `row` left the view: the record that now holds the row, else the last.
void Table::Impl::GoToRowOrLast(int row) {
  const SortedRecords& view = View();
  if (view.Size() == 0) {
    GoTo(nullptr, true, true);
  } else {
    GoTo(view.At(std::min(row, view.Size() - 1)), false, false);
  }
}

int Table::Impl::CurrentRow() const {
  if (State == TableState::Inactive) return -1;
  if (State == TableState::Insert) return InsertRow;
  return Current ? View().Find(Current) : -1;
}

// The record shown in a display row; nullptr for the record being inserted.
const Record* Table::Impl::RecordAtRow(int row) const {
  if (State == TableState::Insert) {
    if (row == InsertRow) return nullptr;
    if (row > InsertRow) return View().At(row - 1);
  }
  return View().At(row);
}

StoredValue Table::Impl::CurrentValue(int position) const {
  CheckActive();
  if (Editing()) return Buffer[position];
  return Current ? Current->Value(position) : StoredValue();
}

void Table::Impl::WriteField(int position, StoredValue value) {
  CheckEditing();
  if (Def.Fields[position].Type == FieldType::AutoInc) {
    throw Error("Field '" + Def.Fields[position].Name + "' cannot be modified.");
  }
  Buffer[position] = std::move(value);
  Modified = true;
  const int row = CurrentRow();
  Notify([row](TableListener& l) { l.RowChanged(row); });
}

void Table::Impl::PostInsert() {
  const std::int64_t key = Db->InsertRecord(Def, Buffer);
  const int keyPosition = KeyPosition();
  if (keyPosition >= 0) Buffer[keyPosition] = IntegerValue(key);
  RecordPtr record = Record::Create(key, Buffer);
  const bool passes = Passes(*record);
  const int row = InsertRow;
  const int target = passes ? View().InsertPosition(record.get()) : -1;
  const Record* posted = nullptr;
  if (target == row) {
    posted = InsertEverywhere(std::move(record));
    State = TableState::Browse;
    Notify([row](TableListener& l) { l.RowChanged(row); });
  } else {
    Notify([row](TableListener& l) { l.RowsAboutToBeRemoved(row, row); });
    State = TableState::Browse;
    Notify([](TableListener& l) { l.RowsRemoved(); });
    if (passes) Notify([target](TableListener& l) { l.RowsAboutToBeInserted(target, target); });
    posted = InsertEverywhere(std::move(record));
    if (passes) Notify([](TableListener& l) { l.RowsInserted(); });
  }
  Buffer.clear();
  Modified = false;
  if (passes) {
    GoTo(posted, false, false);
  } else {
    GoToRowOrLast(row);
  }
}

void Table::Impl::PostEdit() {
  const Record* old = Current;
  Db->UpdateRecord(Def, old->Key(), Buffer);
  RecordPtr record = Record::Create(old->Key(), Buffer);
  const bool passes = Passes(*record);
  const int row = View().Find(old);
  const int position = View().InsertPosition(record.get());
  const int target = position > row ? position - 1 : position;
  const Record* posted = nullptr;
  if (passes && target == row) {
    EraseEverywhere(old);
    posted = InsertEverywhere(std::move(record));
    State = TableState::Browse;
    Notify([row](TableListener& l) { l.RowChanged(row); });
  } else {
    Notify([row](TableListener& l) { l.RowsAboutToBeRemoved(row, row); });
    EraseEverywhere(old);
    State = TableState::Browse;
    Notify([](TableListener& l) { l.RowsRemoved(); });
    if (passes) Notify([target](TableListener& l) { l.RowsAboutToBeInserted(target, target); });
    posted = InsertEverywhere(std::move(record));
    if (passes) Notify([](TableListener& l) { l.RowsInserted(); });
  }
  RecordDeleter()(old);
  Current = nullptr;
  Buffer.clear();
  Modified = false;
  if (passes) {
    GoTo(posted, false, false);
  } else {
    GoToRowOrLast(row);
  }
}

// --- Table ---

Table::Table(TableDef definition) : impl_(std::make_unique<Impl>(*this, std::move(definition))) {}

Table::~Table() {
  if (impl_->Editing() && impl_->Modified) {
    try {
      impl_->Owner.Post();
    } catch (const std::exception& error) {
      std::cerr << error.what() << '\n';
    }
  }
  impl_->Notify([](TableListener& l) { l.TableDestroyed(); });
}

void Table::Open(SqlitePersistence& database) {
  if (impl_->State != TableState::Inactive)
    throw Error("Table " + TableName() + " is already open.");
  Impl& t = *impl_;
  std::vector<RecordPtr> records;
  const int keyPosition = t.KeyPosition();
  try {
    database.PrepareTable(t.Def);
    database.ReadTable(t.Def, [&](std::int64_t key, std::vector<StoredValue>& values) {
      if (keyPosition >= 0) values[keyPosition] = IntegerValue(key);
      records.push_back(Record::Create(key, values));
    });
  } catch (const Error& error) {
    throw Error("Cannot open table " + TableName() + ": " + error.what());
  }
  t.Notify([](TableListener& l) { l.AboutToReset(); });
  std::vector<const Record*> byKey;
  byKey.reserve(records.size());
  for (RecordPtr& record : records) byKey.push_back(record.release());
  t.Orderings[0]->AssignSorted(std::move(byKey));
  std::fill(t.IsBuilt.begin() + 1, t.IsBuilt.end(), false);
  t.Db = &database;
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
  t.Db = nullptr;
  t.Current = nullptr;
  t.Eof = t.Bof = true;
  t.Notify([](TableListener& l) { l.ResetDone(); });
  t.Notify([](TableListener& l) { l.CurrentChanged(); });
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
  for (std::size_t i = 0; i < t.Def.Indexes.size(); ++i) {
    const IndexDef& index = t.Def.Indexes[i];
    if (!SameName(index.Name, name)) continue;
    StorePendingEdit();
    const int position = FindFieldPosition(t.Def, index.FieldName);
    t.ApplyOrdering(t.IndexSlots[i], index.Name, t.Def.Fields[position].Name);
    return;
  }
  throw Error("Table " + TableName() + ": index '" + std::string(name) + "' not found.");
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
  if (slot < 0) slot = t.OrderingSlot(position, false, true);
  StorePendingEdit();
  t.ApplyOrdering(slot, "", t.Def.Fields[position].Name);
}

const std::string& Table::IndexName() const { return impl_->IndexName; }
const std::string& Table::IndexFieldNames() const { return impl_->IndexFieldNames; }

bool Table::Impl::LookUp(const StoredValue& given, bool nearest) {
  CheckActive();
  const Ordering& order = Orderings[Active]->Order();
  const bool integerKey =
      order.ByRecordKey() || Def.Fields[order.Position].Type != FieldType::String;
  const StoredValue key = KeyFor(given, integerKey);
  Owner.StorePendingEdit();
  const SortedRecords& view = View();
  const int position = view.LowerBound(key);
  if (position < view.Size()) {
    const bool equal = order.CompareToKey(*view.At(position), key) == 0;
    if (!nearest && !equal) return false;
    GoTo(view.At(position), false, false);
    return true;
  }
  if (nearest && view.Size() > 0) GoTo(view.At(view.Size() - 1), false, true);
  return false;
}

bool Table::Impl::LocateValue(std::string_view fieldName, const StoredValue& given) {
  CheckActive();
  const int field = RequireField(fieldName);
  const StoredValue value = KeyFor(given, Def.Fields[field].Type != FieldType::String);
  Owner.StorePendingEdit();
  const SortedRecords& view = View();
  const Record* found = nullptr;
  // An ordering over the field narrows the search to the records with an equal key; among them
  // the first in the view wins.
  int slot = OrderingSlot(field, false, false);
  if (slot < 0) slot = OrderingSlot(field, true, false);
  if (slot >= 0) {
    const SortedRecords& index = Built(slot);
    const StoredValue key = slot == 0 ? IntegerValue(value.Integer) : value;
    int bestRow = INT_MAX;
    for (int i = index.LowerBound(key), end = index.UpperBound(key); i < end; ++i) {
      const Record* record = index.At(i);
      if (!ValueEquals(*record, field, value)) continue;
      const int row = view.Find(record);
      if (row >= 0 && row < bestRow) {
        bestRow = row;
        found = record;
      }
    }
  } else {
    for (const Record* record : view.Items()) {
      if (ValueEquals(*record, field, value)) {
        found = record;
        break;
      }
    }
  }
  if (found == nullptr) return false;
  GoTo(found, false, false);
  return true;
}

bool Table::FindKey(std::string_view key) { return impl_->LookUp(TextValue(key), false); }
bool Table::FindKey(int key) { return impl_->LookUp(IntegerValue(key), false); }
void Table::FindNearest(std::string_view key) { impl_->LookUp(TextValue(key), true); }
void Table::FindNearest(int key) { impl_->LookUp(IntegerValue(key), true); }

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
  StorePendingEdit();
  const int row = t.Current ? t.View().Find(t.Current) : 0;
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
  if (t.State == TableState::Insert) {
    Cancel();
    return;
  }
  if (t.Current == nullptr) {
    throw Error("Cannot delete a record from an empty table (" + TableName() + ").");
  }
  const Record* old = t.Current;
  t.Db->DeleteRecord(t.Def, old->Key());
  const int row = t.View().Find(old);
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
  t.GoTo(view.Size() ? view.At(0) : nullptr, true, view.Size() == 0);
}

void Table::Next() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  const int row = t.Current ? view.Find(t.Current) : -1;
  if (row >= 0 && row + 1 < view.Size()) {
    t.GoTo(view.At(row + 1), false, false);
  } else {
    t.Eof = true;
  }
}

void Table::Prior() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  const int row = t.Current ? view.Find(t.Current) : -1;
  if (row > 0) {
    t.GoTo(view.At(row - 1), false, false);
  } else {
    t.Bof = true;
  }
}

void Table::Last() {
  Impl& t = *impl_;
  t.CheckActive();
  StorePendingEdit();
  const SortedRecords& view = t.View();
  t.GoTo(view.Size() ? view.At(view.Size() - 1) : nullptr, view.Size() == 0, true);
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
  if (t.Current && t.View().Find(t.Current) >= 0) {
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

// --- Field ---

const std::string& Field::FieldName() const { return table_->Definition().Fields[position_].Name; }
FieldType Field::DataType() const { return table_->Definition().Fields[position_].Type; }
TextEncoding Field::Encoding() const { return table_->Definition().Fields[position_].Encoding; }

bool Field::IsNull() const { return table_->impl_->CurrentValue(position_).IsNull; }

std::string Field::AsString() const {
  const StoredValue value = table_->impl_->CurrentValue(position_);
  if (value.IsNull) return {};
  return value.IsInteger ? std::to_string(value.Integer) : value.Text;
}

int Field::AsInteger() const {
  const StoredValue value = table_->impl_->CurrentValue(position_);
  std::optional<std::int64_t> number;
  if (!value.IsNull) number = value.IsInteger ? value.Integer : ParseInteger(value.Text);
  const std::string text = value.IsInteger ? std::to_string(value.Integer) : value.Text;
  if (!number || *number < INT_MIN || *number > INT_MAX) {
    throw ConversionError(NotAnIntegerMessage(text));
  }
  return static_cast<int>(*number);
}

void Field::SetAsString(std::string_view value) {
  if (DataType() == FieldType::String) {
    table_->impl_->WriteField(position_, TextValue(value));
    return;
  }
  if (value.empty()) {
    table_->impl_->WriteField(position_, StoredValue());
    return;
  }
  table_->impl_->CheckEditing();
  const std::optional<std::int64_t> number = ParseInteger(value);
  if (!number) throw ConversionError(NotAnIntegerMessage(value));
  table_->impl_->WriteField(position_, IntegerValue(*number));
}

void Field::SetAsInteger(int value) {
  table_->impl_->WriteField(position_, DataType() == FieldType::String
                                           ? TextValue(std::to_string(value))
                                           : IntegerValue(value));
}

void Field::Clear() { table_->impl_->WriteField(position_, StoredValue()); }

// --- BulkTransaction ---

BulkTransaction::BulkTransaction(Table& anyTableOfTheDatabase)
    : database_(&anyTableOfTheDatabase.Database()) {
  database_->BeginBulk();
}

BulkTransaction::~BulkTransaction() {
  if (done_) return;
  try {
    Commit();
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
  }
}

void BulkTransaction::Commit() {
  if (done_) return;
  done_ = true;
  database_->CommitBulk();
}

}  // namespace store
