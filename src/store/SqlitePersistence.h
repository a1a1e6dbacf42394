#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/TableDef.h"

namespace store {

class Table;

// One field value on its way to or from the database: null, an integer, or text bytes in the
// field's code page.
struct StoredValue {
  bool IsNull = true;
  bool IsInteger = false;
  std::int64_t Integer = 0;
  std::string Text;  // bytes in the field's code page
};

// The SQLite database file that holds every table of a data folder. Each table is one SQL table
// with a column per field; text is stored as UTF-8 converted by the field's code page, integers
// as INTEGER, null as NULL. The journal is WAL with full synchronous commits, so a committed
// post survives a crash of the process or the machine.
//
// Every write runs in its own transaction unless a bulk transaction or a write unit is open, in
// which case it joins it; a write the database refuses undoes only itself.
class SqlitePersistence {
 public:
  enum class Access {
    ReadWrite,  // creates the file when it is missing
    ReadOnly,   // the file must exist; every write fails; reads see what is committed at the time
    // As ReadOnly, for a file in a folder that cannot be written, where SQLite can make none of
    // the files it reads a journal with: the file is read as it stands.
    ReadOnlyFolder,
  };

  // Opens the database file. The folder must exist.
  // Throws Error with the text for the user when the file cannot be opened as a database, or when
  // `ownTables` is not empty and the file holds tables but none of those (a database of another
  // program); such a file is left exactly as it was.
  explicit SqlitePersistence(const std::filesystem::path& file, Access access = Access::ReadWrite,
                             const std::vector<std::string>& ownTables = {});
  ~SqlitePersistence();
  SqlitePersistence(const SqlitePersistence&) = delete;
  SqlitePersistence& operator=(const SqlitePersistence&) = delete;

  const std::filesystem::path& File() const { return file_; }
  Access Mode() const { return access_; }

  // From now on every write, bulk transaction and write unit throws ReadOnlyError(`message`)
  // before it touches the database. For a database opened read-only, so that a refusal reads as
  // the user should see it.
  void RefuseWrites(std::string message);
  bool RefusesWrites() const { return writeRefusal_.has_value(); }
  // Throws ReadOnlyError when writes are refused.
  void CheckWritable() const;

  // Creates the table when it is missing; checks that a stored table has a column for every
  // declared field. Throws Error ("Table <name> is damaged: ...") otherwise.
  void PrepareTable(const TableDef& table);
  // Calls `row` for every stored record of the table in record-key order with the record key and
  // the values in field position order. Throws Error when the table cannot be read.
  void ReadTable(
      const TableDef& table,
      const std::function<void(std::int64_t key, std::vector<StoredValue>& values)>& row);
  // Writes a new record and returns its key (given once, never reused). The value of an
  // autoincrement field is ignored. Throws Error when the database refuses.
  std::int64_t InsertRecord(const TableDef& table, const std::vector<StoredValue>& values);
  // Replaces the stored values of the record with that key. Throws Error when the database
  // refuses.
  void UpdateRecord(const TableDef& table, std::int64_t key,
                    const std::vector<StoredValue>& values);
  // Removes the record with that key. Throws Error when the database refuses.
  void DeleteRecord(const TableDef& table, std::int64_t key);

  // Bulk transactions (see BulkTransaction). Nested calls count; the outermost commits.
  void BeginBulk();
  void CommitBulk();

  // The tables open on this database, in the order they were opened: Table::Open adds a table,
  // Table::Close and its destruction take it away.
  void Attach(Table* table);
  void Detach(Table* table);
  const std::vector<Table*>& OpenTables() const { return openTables_; }

  // Write units (see WriteUnit): the writes between BeginUnit and CommitUnit are kept together or
  // not at all. Units nest, also inside a bulk transaction. CommitUnit throws Error when the
  // database refuses (the unit is then undone); RollbackUnit undoes every write of the innermost
  // unit and never throws (a failure there is written to standard error).
  void BeginUnit();
  void CommitUnit();
  void RollbackUnit() noexcept;

 private:
  std::vector<Table*> openTables_;
  friend class SqlStatement;  // the side tables' queries run on this connection

  struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;
  // The prepared writes of one table.
  struct TableStatements {
    Statement Insert;
    Statement Update;
    Statement Delete;
  };

  void Execute(const std::string& sql);
  // Runs the statement `sql`, prepared into `slot` the first time, as Execute runs it: for the
  // statements run once per write unit, whose parsing would cost more than the run.
  void ExecutePrepared(Statement& slot, const char* sql);
  // Throws Error when the file holds tables and none of `ownTables`; reads only.
  void RefuseForeign(const std::vector<std::string>& ownTables);
  Statement Prepare(const std::string& sql);
  TableStatements& StatementsOf(const TableDef& table);
  void BindValues(sqlite3_stmt* statement, const TableDef& table,
                  const std::vector<StoredValue>& values);
  // Runs one write: on its own (SQLite commits it) or as part of the open bulk transaction or
  // write unit.
  template <typename Write>
  void RunWrite(const TableDef& table, const Write& write);
  [[noreturn]] void Fail(const std::string& what);

  std::filesystem::path file_;
  Access access_;
  std::optional<std::string> writeRefusal_;
  sqlite3* db_ = nullptr;
  int bulkDepth_ = 0;
  std::map<std::string, TableStatements> statements_;
  Statement beginUnit_;
  Statement commitUnit_;
  // The texts bound to the last write, one per field position; they must outlive its step.
  std::vector<std::string> utf8_;
};

}  // namespace store
