#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/Error.h"
#include "store/Field.h"
#include "store/Record.h"
#include "store/TableDef.h"

namespace store {

class SqlitePersistence;

enum class TableState {
  Inactive,  // closed: every operation but Open and the read-only queries below throws Error
  Browse,    // open, the current record is as stored
  Edit,      // the current record is being changed in an edit buffer
  Insert,    // a new record is being filled in an edit buffer; it has no key yet
};

// Remembers one record so that the cursor can go back to it. A bookmark stays valid while its
// record exists; it survives changes of index and filter.
struct Bookmark {
  std::int64_t RecordKey = 0;
  bool operator==(const Bookmark&) const = default;
};

// Told of every change a grid bound to the table has to show. Rows are the table's display rows
// (see Table::RowCount). Each "AboutTo" call comes before the change with the table still in its
// old shape, and its partner call comes after it, as Qt's item models require. A listener must
// not change the table from inside a call.
class TableListener {
 public:
  virtual ~TableListener() = default;
  virtual void RowsAboutToBeInserted(int /*first*/, int /*last*/) {}
  virtual void RowsInserted() {}
  virtual void RowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
  virtual void RowsRemoved() {}
  // The values shown in a row changed (a field written, a record posted in place).
  virtual void RowChanged(int /*row*/) {}
  // Everything may change: order, filter, open or close.
  virtual void AboutToReset() {}
  virtual void ResetDone() {}
  // The cursor went to another record, or the state (browse/edit/insert) changed.
  virtual void CurrentChanged() {}
  // The table is being destroyed; the listener must forget it.
  virtual void TableDestroyed() {}
};

// One keyed table: its records in memory, its named indexes, a filter and a cursor with the
// edit/insert/post cycle. Every post and delete is written through to the database at once.
//
// The view is the set of records that pass the filter (all records when the filter is off), in
// the order of the active index; ties are broken by record key. The cursor stands on one record
// of the view, or on none when the view is empty. Eof() and Bof() follow the cursor as described
// at each operation.
//
// "Stores a pending edit" means: in edit or insert state, the record is posted if any field was
// written since Edit/Insert (see Post), otherwise its editing is dropped (an untouched inserted
// record vanishes); in browse state nothing happens. Operations that move the cursor do this first.
//
// Operations on a closed table throw Error, except those marked "any state".
class Table {
 public:
  explicit Table(TableDef definition);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  // --- Lifecycle ---

  // Creates the table in the database if it is not there, reads all its records and goes to the
  // first record of the default order (TableDef::DefaultIndexFieldNames, else record-key order).
  // The filter is off. REQUIRES: inactive. Throws Error with the text for the user when the
  // table cannot be read (a damaged database, a stored table lacking a declared field); the
  // table then stays closed.
  void Open(SqlitePersistence& database);

  // Open in steps, for reading several tables at once. PrepareStored creates the table in the
  // database when it is missing and checks a stored one; ReadStored then reads its records. Both
  // touch nothing but the definition and the connection given, so tables may be read at the same
  // time on several threads, each over its own connection to the file (a read-only one will do).
  // Each throws Error with Open's text ("Cannot open table <name>: ...").
  static void PrepareStored(const TableDef& definition, SqlitePersistence& database);
  static std::vector<RecordPtr> ReadStored(const TableDef& definition, SqlitePersistence& database);
  // Opens the table on `database` with records ReadStored read from the same file, as Open does.
  // REQUIRES: inactive.
  void Open(SqlitePersistence& database, std::vector<RecordPtr> records);
  // Stores a pending edit, then closes the table and forgets its records. No effect when closed.
  // Throws Error when the pending edit cannot be posted; the table then stays open in edit state.
  void Close();
  // Any state.
  bool Active() const;
  const std::string& TableName() const;
  const TableDef& Definition() const;
  TableState State() const;
  // True in edit or insert state when a field was written since Edit/Insert.
  bool Modified() const;

  // --- Index ---

  // Stores a pending edit, then orders the view by the named index ("" = record-key order).
  // The current record stays current; when the view is not empty and the record had no place
  // in it, the cursor goes to the first record. Eof() and Bof() turn false (true on an empty view).
  // IndexFieldNames() becomes the index's field ("" for record-key order).
  // Throws Error when no index has that name (matched without regard to case).
  void SetIndexName(std::string_view name);
  // Stores a pending edit, then orders the view by one field, like SetIndexName. A named index
  // over that field is used when there is one (case rules included); otherwise an ordering by the
  // field's plain value. IndexName() becomes "". "" orders by record key.
  // Throws Error when the table has no such field.
  void SetIndexFieldNames(std::string_view fieldName);
  // Any state. The name given to SetIndexName, spelled as the index is declared; "" after
  // SetIndexFieldNames or in record-key order.
  const std::string& IndexName() const;
  // Any state. The field of the active order, spelled as declared; "" for record-key order.
  const std::string& IndexFieldNames() const;

  // --- Key lookup (on the active order) ---

  // Stores a pending edit, then goes to the first record of the view whose key equals `key` by
  // the active index's comparison (case-insensitive indexes ignore case; the Hebrew indexes
  // ignore vowel points and read final forms as their letters). Returns whether one was
  // found; when not, the cursor stays where it was. Eof() and Bof() turn false when found.
  // An integer key field compares numerically: text that is no integer throws ConversionError.
  // In record-key order the key is the record key (an integer).
  bool FindKey(std::string_view key);
  bool FindKey(int key);
  // Stores a pending edit, then goes to the first record of the view whose key is equal to or
  // greater than `key` by the active index's comparison. When every key is smaller, goes to the
  // last record and Eof() turns true; otherwise Eof() and Bof() are false. On an empty view
  // nothing moves. Returns whether the record gone to equals `key` (as FindKey would find it).
  bool FindNearest(std::string_view key);
  bool FindNearest(int key);

  // Stores a pending edit, then goes to the first record of the view (in active order) whose
  // field `fieldName` equals `value` exactly (bytes of a text field; number of an integer field).
  // Returns whether one was found; when not, the cursor stays. A null field equals nothing.
  // Throws Error for an unknown field, ConversionError for non-numeric text on an integer field.
  bool Locate(std::string_view fieldName, std::string_view value);
  bool Locate(std::string_view fieldName, int value);

  // --- Fields ---

  // The field of that name, matched without regard to case. Any state but it must exist.
  // Throws Error ("Table <name>: field '<name>' not found.") for an unknown name.
  Field FieldByName(std::string_view name);
  // The field at a position, 0 .. FieldCount()-1. Throws Error outside that range.
  Field Fields(int position);
  // Any state.
  int FieldCount() const;
  // Any state. The position of the named field, or -1.
  int FieldPosition(std::string_view name) const;

  // --- Editing ---

  // Stores a pending edit, then starts a new empty record (all fields null) at the cursor: it
  // becomes the current record and takes the display row of the record that was current (row 0
  // on an empty view). State becomes insert; the record has no key until Post.
  void Insert();
  // Puts the current record into edit state. No effect in edit or insert state. On an empty view
  // it does Insert instead.
  void Edit();
  // In edit or insert state: writes the record to the database in one transaction (a new record
  // gets its autoincrement key, given once and never reused), updates every index and returns to
  // browse. The cursor stays on the record at its place in the active order; when the record
  // no longer passes the filter it leaves the view and the cursor goes to the record that now
  // holds its row (the last record when it was last). No effect in browse state.
  // Throws Error when the database refuses the write; the table then stays in its state with
  // the edit buffer intact and nothing changed in memory or on disk.
  void Post();
  // Drops the editing: in edit state the record keeps its stored values; an inserted record
  // vanishes and the cursor returns to the record that was current before Insert. No effect in
  // browse state.
  void Cancel();
  // Removes the current record from the table and the database (one transaction). In insert
  // state it is Cancel; in edit state the edit is dropped with the record. The cursor goes to the
  // record that followed it in the view, else to the new last record. Eof() and Bof() turn false
  // (true when the view became empty). Throws Error on an empty view or when the database
  // refuses; then nothing changed.
  void Delete();
  // Stores a pending edit (see above). Any open state.
  void StorePendingEdit();

  // --- Cursor ---

  // Each stores a pending edit first.
  // First: the first record of the view; Bof() true, Eof() true only on an empty view.
  void First();
  // Next: the following record; at the last record the cursor stays and Eof() turns true.
  // Bof() turns false when the cursor moved.
  void Next();
  // Prior: the preceding record; at the first record the cursor stays and Bof() turns true.
  // Eof() turns false when the cursor moved.
  void Prior();
  // Last: the last record; Eof() true, Bof() true only on an empty view.
  void Last();
  bool Eof() const;
  bool Bof() const;
  // The number of records in the view (those that pass the filter); a record being inserted is
  // not counted.
  int RecordCount() const;
  // True when the view holds no record and none is being inserted. Any state (closed: true).
  bool IsEmpty() const;

  // --- Filter ---

  // Sets the filter expression: comparisons `Field = 'value'` or `Field <> 'value'` joined by
  // `and`, blanks around the parts tolerated, '' inside a value for a quote; "" passes every
  // record. Field names ignore case; a value compared with an integer field must be an integer.
  // A null field passes no comparison. The text is parsed here, once; an expression that does
  // not parse throws Error and leaves the old filter in place. When the table is open and the
  // filter is on, this stores a pending edit, applies the new expression and goes to the first
  // record. Any state.
  void SetFilter(std::string_view expression);
  const std::string& Filter() const;
  // Stores a pending edit, turns the filter on or off and goes to the first record (as First),
  // also when the switch already stood that way.
  void SetFiltered(bool on);
  bool Filtered() const;
  // Stores a pending edit and rebuilds the view from the records in memory with the current
  // filter and order. The current record stays current when it still passes the filter;
  // otherwise the cursor goes to the first record.
  void Refresh();

  // --- Bookmarks ---

  // A bookmark of the current record. Throws Error on an empty view or in insert state.
  Bookmark GetBookmark() const;
  // Stores a pending edit, then goes to the bookmarked record. Eof() and Bof() turn false.
  // Throws Error ("Record not found.") when the record was deleted or does not pass the filter;
  // the cursor then stays.
  void GotoBookmark(const Bookmark& bookmark);
  // True while the bookmarked record exists and passes the filter.
  bool BookmarkValid(const Bookmark& bookmark) const;
  // A bookmark of the record shown in a display row (for the rows selected in a grid); the cursor
  // does not move. Throws Error for a row out of range or the row of a record being inserted.
  Bookmark BookmarkAtRow(int row) const;

  // --- Display rows, for grids (see DataSource) ---

  // The rows a grid shows: the view, plus the record being inserted at CurrentRow() in insert
  // state. Any state (closed: 0).
  int RowCount() const;
  // The display row of the current record; -1 when there is none (closed or empty view).
  int CurrentRow() const;
  // The value of the field at `position` in display row `row` as AsString would give it, or
  // nullopt for null. The current row in edit/insert state shows the edit buffer.
  // Throws Error for a row or position out of range.
  std::optional<std::string> RowText(int row, int position) const;
  // Makes display row `row` current: stores a pending edit (which may move rows), then goes to
  // the record that stood in that row. No effect when the row is the current one.
  // Throws Error for a row out of range.
  void MoveToRow(int row);

  // --- Listeners ---

  // Registers a listener (not owned). Any state.
  void AddListener(TableListener* listener);
  void RemoveListener(TableListener* listener);

  // Builds the named index when it is not built yet, so that its first use (a search, say) costs
  // nothing more than later ones. The view, the cursor and the listeners see no change. No effect
  // on a closed table. Throws Error when no index has that name.
  void BuildIndex(std::string_view name);

  // Forgets the indexes other than the active one (and the record-key order, which holds the
  // records); each is sorted again when it is next used. For a long run of inserts, which would
  // otherwise search and move every built index once per record. No effect on a closed table.
  void ReleaseIdleIndexes();

  // --- Bulk writing ---

  // The database the table is open on. Throws Error when closed.
  SqlitePersistence& Database() const;

 private:
  friend class Field;
  friend class WriteUnit;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Runs every post and delete of every table of one database, made while it lives, in a single
// transaction (for imports). Each post and delete still succeeds or fails on its own. Guards
// nest: only the outermost one commits. When that commit fails, every write of the transaction
// is undone and every open table of the database is read again (see WriteUnit::RereadAll), so
// the tables show what the database holds.
class BulkTransaction {
 public:
  // REQUIRES: the table is open. Throws Error when the transaction cannot begin.
  explicit BulkTransaction(Table& anyTableOfTheDatabase);
  // Commits when Commit was not called; a failure there is written to standard error, since a
  // destructor cannot report it. Call Commit to see it as an exception.
  ~BulkTransaction();
  BulkTransaction(const BulkTransaction&) = delete;
  BulkTransaction& operator=(const BulkTransaction&) = delete;
  // Commits the transaction. Throws Error when the database refuses.
  void Commit();

 private:
  SqlitePersistence* database_;
  bool done_ = false;
};

}  // namespace store
