#include "store/TableImpl.h"

#include <algorithm>
#include <climits>

#include "store/Convert.h"
#include "store/FieldNames.h"

namespace store {

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

bool ValueEquals(const Record& record, int position, const StoredValue& value) {
  if (record.IsNull(position)) return false;
  if (value.IsInteger)
    return record.IsInteger(position) && record.Integer(position) == value.Integer;
  return !record.IsInteger(position) && record.Text(position) == value.Text;
}

Table::Impl::Impl(Table& owner, TableDef definition) : Owner(owner), Def(std::move(definition)) {
  Orderings.push_back(std::make_unique<SortedRecords>(Ordering{}));
  IsBuilt.push_back(true);
  for (const IndexDef& index : Def.Indexes) {
    const int position = FindFieldPosition(Def, index.FieldName);
    if (position < 0) {
      throw Error("Table " + Def.Name + ": index '" + index.Name + "' names no field.");
    }
    IndexSlots.push_back(OrderingSlot(position, index.TextOrder, true));
  }
}

void Table::Impl::CheckActive() const {
  if (State == TableState::Inactive) {
    throw Error("Cannot perform this operation on a closed table (" + Def.Name + ").");
  }
}

void Table::Impl::CheckInactive() const {
  if (State != TableState::Inactive) throw Error("Table " + Def.Name + " is already open.");
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
int Table::Impl::OrderingSlot(int position, Collation collation, bool create) {
  if (position < 0 || Def.Fields[position].Type == FieldType::AutoInc) return 0;
  const bool text = Def.Fields[position].Type == FieldType::String;
  const Collation textOrder = text ? collation : Collation::Bytes;
  for (std::size_t slot = 1; slot < Orderings.size(); ++slot) {
    const Ordering& order = Orderings[slot]->Order();
    if (order.Position == position && order.TextOrder == textOrder) return static_cast<int>(slot);
  }
  if (!create) return -1;
  Orderings.push_back(std::make_unique<SortedRecords>(Ordering{position, textOrder, text}));
  IsBuilt.push_back(false);
  return static_cast<int>(Orderings.size()) - 1;
}

int Table::Impl::AnyOrderingSlot(int position) const {
  if (Def.Fields[position].Type == FieldType::AutoInc) return 0;
  for (std::size_t slot = 1; slot < Orderings.size(); ++slot) {
    if (Orderings[slot]->Order().Position == position) return static_cast<int>(slot);
  }
  return -1;
}

int Table::Impl::DeclaredIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Def.Indexes.size(); ++i) {
    if (SameName(Def.Indexes[i].Name, name)) return static_cast<int>(i);
  }
  throw Error("Table " + Def.Name + ": index '" + std::string(name) + "' not found.");
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
  source.ForEach([&](const Record* record) {
    if (Filter.Passes(*record)) passing.push_back(record);
  });
  FilteredView.emplace(source.Order());
  FilteredView->AssignSorted(passing);
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

const Record* Table::Impl::InsertEverywhere(RecordPtr record, int viewPosition) {
  const Record* raw = record.get();
  const SortedRecords* view = &View();
  const auto insert = [&](SortedRecords& list) {
    if (&list == view && viewPosition >= 0) {
      list.InsertAt(viewPosition, raw);
    } else {
      list.Insert(raw);
    }
  };
  insert(*Orderings[0]);
  record.release();  // owned by the record-key ordering from here on
  for (std::size_t slot = 1; slot < Orderings.size(); ++slot) {
    if (IsBuilt[slot]) insert(*Orderings[slot]);
  }
  if (FilteredView && Filter.Passes(*raw)) insert(*FilteredView);
  return raw;
}

const Record* Table::Impl::ReplaceEverywhere(const Record* old, RecordPtr record, int viewRow) {
  const Record* raw = record.get();
  const SortedRecords* view = &View();
  const auto replace = [&](SortedRecords& list) {
    if (list.Order().Compare(*old, *raw) == 0) {
      list.ReplaceAt(&list == view ? viewRow : list.Find(old), raw);
    } else {
      list.Erase(old);
      list.Insert(raw);
    }
  };
  replace(*Orderings[0]);
  record.release();  // owned by the record-key ordering from here on
  for (std::size_t slot = 1; slot < Orderings.size(); ++slot) {
    if (IsBuilt[slot]) replace(*Orderings[slot]);
  }
  if (FilteredView) replace(*FilteredView);
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

void Table::Impl::GoTo(const Record* record, bool bof, bool eof, int row) {
  Current = record;
  CurrentRowHint = row;
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
    const int last = std::min(row, view.Size() - 1);
    GoTo(view.At(last), false, false, last);
  }
}

int Table::Impl::CurrentRow() const {
  if (State == TableState::Inactive) return -1;
  if (State == TableState::Insert) return InsertRow;
  return ViewRowOfCurrent();
}

int Table::Impl::ViewRowOfCurrent() const {
  if (Current == nullptr) return -1;
  const SortedRecords& view = View();
  if (CurrentRowHint < 0 || CurrentRowHint >= view.Size() || view.At(CurrentRowHint) != Current) {
    CurrentRowHint = view.Find(Current);
  }
  return CurrentRowHint;
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

void Table::Impl::PlacePosted(const Record* posted, bool passes, int target, int row) {
  Buffer.clear();
  Modified = false;
  if (passes) {
    GoTo(posted, false, false, target);
  } else {
    GoToRowOrLast(row);
  }
}

void Table::Impl::PostInsert() {
  Record::CheckFits(Buffer);
  const std::int64_t key = Db->InsertRecord(Def, Buffer);
  const int keyPosition = Def.KeyPosition();
  if (keyPosition >= 0) Buffer[keyPosition] = IntegerValue(key);
  RecordPtr record = Record::Create(key, Buffer);
  const bool passes = Passes(*record);
  const int row = InsertRow;
  const int target = passes ? View().InsertPosition(record.get()) : -1;
  const Record* posted = nullptr;
  if (target == row) {
    posted = InsertEverywhere(std::move(record), target);
    State = TableState::Browse;
    Notify([row](TableListener& l) { l.RowChanged(row); });
  } else {
    Notify([row](TableListener& l) { l.RowsAboutToBeRemoved(row, row); });
    State = TableState::Browse;
    Notify([](TableListener& l) { l.RowsRemoved(); });
    if (passes) Notify([target](TableListener& l) { l.RowsAboutToBeInserted(target, target); });
    posted = InsertEverywhere(std::move(record), target);
    if (passes) Notify([](TableListener& l) { l.RowsInserted(); });
  }
  PlacePosted(posted, passes, target, row);
}

void Table::Impl::PostEdit() {
  const Record* old = Current;
  Record::CheckFits(Buffer);
  Db->UpdateRecord(Def, old->Key(), Buffer);
  RecordPtr record = Record::Create(old->Key(), Buffer);
  const bool passes = Passes(*record);
  const int row = ViewRowOfCurrent();
  // The row the record takes in the view; a record whose value under the active ordering did
  // not change keeps its row with no search.
  int target = -1;
  if (passes && row >= 0 && View().Order().Compare(*old, *record) == 0) {
    target = row;
  } else if (passes) {
    const int position = View().InsertPosition(record.get());
    target = position > row ? position - 1 : position;
  }
  const Record* posted = nullptr;
  if (passes && target == row) {
    posted = ReplaceEverywhere(old, std::move(record), row);
    State = TableState::Browse;
    Notify([row](TableListener& l) { l.RowChanged(row); });
  } else {
    Notify([row](TableListener& l) { l.RowsAboutToBeRemoved(row, row); });
    EraseEverywhere(old);
    State = TableState::Browse;
    Notify([](TableListener& l) { l.RowsRemoved(); });
    if (passes) Notify([target](TableListener& l) { l.RowsAboutToBeInserted(target, target); });
    posted = InsertEverywhere(std::move(record), passes ? target : -1);
    if (passes) Notify([](TableListener& l) { l.RowsInserted(); });
  }
  RecordDeleter()(old);
  Current = nullptr;
  PlacePosted(posted, passes, target, row);
}

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
    GoTo(view.At(position), false, false, position);
    return equal;
  }
  if (nearest && view.Size() > 0) GoTo(view.At(view.Size() - 1), false, true, view.Size() - 1);
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
  const int slot = AnyOrderingSlot(field);
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
    found =
        view.FirstWhere([&](const Record& record) { return ValueEquals(record, field, value); });
  }
  if (found == nullptr) return false;
  GoTo(found, false, false);
  return true;
}

}  // namespace store
