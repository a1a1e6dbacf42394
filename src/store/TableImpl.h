#pragma once

// The inner state of store::Table, shared by the files that implement it. Not for other users.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/Filter.h"
#include "store/Index.h"
#include "store/Record.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"

namespace store {

StoredValue IntegerValue(std::int64_t number);
StoredValue TextValue(std::string_view text);
// True when a record's field holds exactly this value (a null field equals nothing).
bool ValueEquals(const Record& record, int position, const StoredValue& value);

struct Table::Impl {
  Impl(Table& owner, TableDef definition);
  ~Impl() { FreeRecords(); }

  // --- State checks and plumbing ---
  void CheckActive() const;
  // Throws Error unless the table is closed (before it is opened).
  void CheckInactive() const;
  void CheckEditing() const;
  template <typename Call>
  void Notify(const Call& call) {
    const std::vector<TableListener*> listeners = Listeners;
    for (TableListener* listener : listeners) call(*listener);
  }
  int RequireField(std::string_view name) const;
  StoredValue KeyFor(const StoredValue& given, bool integerKey) const;
  bool Editing() const { return State == TableState::Edit || State == TableState::Insert; }

  // --- Orderings and view ---
  int OrderingSlot(int position, Collation collation, bool create);
  // An ordering over the field by whichever collation, built or not; -1 when there is none.
  int AnyOrderingSlot(int position) const;
  // The declared index of that name (matched without regard to case); throws Error when none.
  int DeclaredIndex(std::string_view name) const;
  SortedRecords& Built(int slot);
  const SortedRecords& View() const { return FilteredView ? *FilteredView : *Orderings[Active]; }
  bool Passes(const Record& record) const { return !Filtered || Filter.Passes(record); }
  void RebuildFilteredView();
  void ApplyOrdering(int slot, std::string indexName, std::string fieldNames);
  // Adds a new record to every built ordering and, when it passes the filter, to the filtered
  // view. `viewPosition` is its InsertPosition in the view when known, else -1.
  const Record* InsertEverywhere(RecordPtr record, int viewPosition = -1);
  void EraseEverywhere(const Record* record);
  // Puts the posted version of a record in the place of its old version (same record key): in
  // place in every ordering whose value for it did not change, by erase and insert elsewhere.
  // REQUIRES: the new version keeps the old one's row `viewRow` in the view.
  const Record* ReplaceEverywhere(const Record* old, RecordPtr record, int viewRow);
  void FreeRecords();
  const Record* FindByKey(std::int64_t key) const;

  // --- Cursor ---
  // `row`, when known, is the record's row in the view; it saves the search for it later.
  void GoTo(const Record* record, bool bof, bool eof, int row = -1);
  void GoToRowOrLast(int row);
  int CurrentRow() const;
  // The row of the current record in the view, or -1 when there is none.
  int ViewRowOfCurrent() const;
  const Record* RecordAtRow(int row) const;
  StoredValue CurrentValue(int position) const;
  void WriteField(int position, StoredValue value);

  // --- Lookups shared by the overloads ---
  bool LookUp(const StoredValue& given, bool nearest);
  bool LocateValue(std::string_view fieldName, const StoredValue& given);

  // --- Editing ---
  void PostInsert();
  void PostEdit();
  // Ends a post: empties the edit buffer and puts the cursor on the posted record, at view row
  // `target`, when it passes the filter; otherwise on the record that now holds the row it left
  // (`row`), else on the last.
  void PlacePosted(const Record* posted, bool passes, int target, int row);

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
  // Where the current record last stood in the view; used only after checking that it still
  // stands there.
  mutable int CurrentRowHint = -1;
  bool Eof = true;
  bool Bof = true;
  std::vector<StoredValue> Buffer;  // the edit buffer in edit and insert state
  bool Modified = false;
  int InsertRow = 0;  // the display row of the record being inserted

  std::vector<TableListener*> Listeners;
};

}  // namespace store
