#include "store/SqlitePersistence.h"

#include <filesystem>
#include <iostream>
#include <set>

#include "store/Convert.h"
#include "store/Error.h"
#include "store/FieldCodec.h"
#include "store/FieldNames.h"
#include "store/SqliteReason.h"

namespace store {

namespace {

// The page cache of a connection (SQLite's default, 2 MiB), its size during a bulk transaction,
// and that of a read-only connection.
constexpr const char* kUsualCacheSize = "PRAGMA cache_size=-2000";
constexpr const char* kBulkCacheSize = "PRAGMA cache_size=-65536";
constexpr const char* kReaderCacheSize = "PRAGMA cache_size=-256";

// The column that holds the record key of a table without an autoincrement field.
constexpr const char* kHiddenKeyColumn = "RecordKey";

std::string Quote(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string KeyColumn(const TableDef& table) {
  const int position = table.KeyPosition();
  return Quote(position < 0 ? std::string(kHiddenKeyColumn) : table.Fields[position].Name);
}

// The URI that opens `file` for reading as it stands. Where the journal of the last run is still
// beside it (the program ended without closing the file), it has to be read through that journal,
// which SQLite can do as long as it finds the journal's index file as well.
std::string ImmutableUri(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::path journal = file.string() + "-wal";
  const bool journalLeft = std::filesystem::file_size(journal, error) > 0 && !error;
  std::string uri = "file:";
  for (const char c : file.string()) {
    if (c == '%' || c == '?' || c == '#') {
      constexpr char kHex[] = "0123456789ABCDEF";
      uri += {'%', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
    } else {
      uri += c;
    }
  }
  return uri + (journalLeft ? "?mode=ro" : "?immutable=1");
}

}  // namespace

SqlitePersistence::SqlitePersistence(const std::filesystem::path& file, Access access,
                                     const std::vector<std::string>& ownTables)
    : file_(file), access_(access) {
  const bool uri = access == Access::ReadOnlyFolder;
  const int mode = (access == Access::ReadWrite ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                : SQLITE_OPEN_READONLY) |
                   (uri ? SQLITE_OPEN_URI : 0);
  const std::string name = uri ? ImmutableUri(file) : file.string();
  const int result = sqlite3_open_v2(name.c_str(), &db_, mode | SQLITE_OPEN_NOMUTEX, nullptr);
  if (result != SQLITE_OK) {
    const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(result);
    sqlite3_close(db_);
    db_ = nullptr;
    throw Error("Cannot open the database " + file.string() + ": " + message + ".");
  }
  try {
    sqlite3_busy_timeout(db_, 2000);
    // Before the first change of the file: the journal mode is written into it.
    if (!ownTables.empty()) RefuseForeign(ownTables);
    if (access == Access::ReadWrite) {
      Execute("PRAGMA journal_mode=WAL");
      Execute("PRAGMA synchronous=FULL");
    } else {
      // A reader goes through its tables once: a few pages of cache will do.
      Execute(kReaderCacheSize);
    }
  } catch (const Error&) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw;
  }
}

void SqlitePersistence::RefuseForeign(const std::vector<std::string>& ownTables) {
  const Statement names =
      Prepare("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
  std::string found;
  int result;
  while ((result = sqlite3_step(names.get())) == SQLITE_ROW) {
    const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(names.get(), 0));
    for (const std::string& own : ownTables) {
      if (sqlite3_stricmp(name.c_str(), own.c_str()) == 0) return;
    }
    found += (found.empty() ? "" : ", ") + name;
  }
  if (result != SQLITE_DONE) Fail("Cannot read the tables of the database");
  if (found.empty()) return;
  throw Error("The database " + file_.string() + " belongs to another program (it holds " + found +
              "); it was left as it is.");
}

SqlitePersistence::~SqlitePersistence() {
  statements_.clear();
  beginUnit_.reset();
  commitUnit_.reset();
  if (db_) sqlite3_close(db_);
}

void SqlitePersistence::RefuseWrites(std::string message) { writeRefusal_ = std::move(message); }

void SqlitePersistence::CheckWritable() const {
  if (writeRefusal_) throw ReadOnlyError(*writeRefusal_);
}

void SqlitePersistence::Fail(const std::string& what) {
  throw Error(what + ": " + SqliteReason(db_) + " (" + file_.string() + ").");
}

void SqlitePersistence::Execute(const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    sqlite3_free(message);
    const std::string text = SqliteReason(db_);
    throw Error("The database " + file_.string() + " refused a change: " + text + ".");
  }
}

void SqlitePersistence::ExecutePrepared(Statement& slot, const char* sql) {
  if (!slot) slot = Prepare(sql);
  const int result = sqlite3_step(slot.get());
  if (result != SQLITE_DONE && result != SQLITE_ROW) {
    const std::string text = SqliteReason(db_);
    sqlite3_reset(slot.get());
    throw Error("The database " + file_.string() + " refused a change: " + text + ".");
  }
  sqlite3_reset(slot.get());
}

SqlitePersistence::Statement SqlitePersistence::Prepare(const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    Fail("Cannot prepare a database statement");
  }
  return Statement(statement);
}

void SqlitePersistence::PrepareTable(const TableDef& table) {
  std::string create = "CREATE TABLE IF NOT EXISTS " + Quote(table.Name) + " (";
  if (table.KeyPosition() < 0) {
    create += Quote(kHiddenKeyColumn) + " INTEGER PRIMARY KEY AUTOINCREMENT, ";
  }
  for (std::size_t i = 0; i < table.Fields.size(); ++i) {
    const FieldDef& field = table.Fields[i];
    if (i > 0) create += ", ";
    create += Quote(field.Name);
    switch (field.Type) {
      case FieldType::AutoInc:
        create += " INTEGER PRIMARY KEY AUTOINCREMENT";
        break;
      case FieldType::Integer:
      case FieldType::SmallInt:
        create += " INTEGER";
        break;
      case FieldType::String:
        create += " TEXT";
        break;
    }
  }
  Execute(create + ")");

  // A stored table must have a column for every declared field.
  Statement info = Prepare("PRAGMA table_info(" + Quote(table.Name) + ")");
  std::vector<std::string> columns;
  while (sqlite3_step(info.get()) == SQLITE_ROW) {
    columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1)));
  }
  for (const FieldDef& field : table.Fields) {
    bool found = false;
    for (const std::string& column : columns) found = found || SameName(column, field.Name);
    if (!found) {
      throw Error("Table " + table.Name + " is damaged: it has no field '" + field.Name + "'.");
    }
  }
}

void SqlitePersistence::ReadTable(
    const TableDef& table,
    const std::function<void(std::int64_t key, std::vector<StoredValue>& values)>& row) {
  std::string select = "SELECT " + KeyColumn(table);
  for (const FieldDef& field : table.Fields) select += ", " + Quote(field.Name);
  select += " FROM " + Quote(table.Name) + " ORDER BY " + KeyColumn(table);
  Statement statement = Prepare(select);
  sqlite3_stmt* s = statement.get();
  std::vector<StoredValue> values(table.Fields.size());
  int result;
  while ((result = sqlite3_step(s)) == SQLITE_ROW) {
    const std::int64_t key = sqlite3_column_int64(s, 0);
    for (std::size_t i = 0; i < table.Fields.size(); ++i) {
      const FieldDef& field = table.Fields[i];
      const int column = static_cast<int>(i) + 1;
      StoredValue& value = values[i];
      value.IsInteger = false;
      value.Integer = 0;
      value.Text.clear();
      const int type = sqlite3_column_type(s, column);
      value.IsNull = type == SQLITE_NULL;
      if (value.IsNull) continue;
      if (type == SQLITE_INTEGER && field.Type != FieldType::String) {
        value.IsInteger = true;
        value.Integer = sqlite3_column_int64(s, column);
        continue;
      }
      const auto* raw = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
      const std::string_view utf8(raw, sqlite3_column_bytes(s, column));
      const auto damaged = [&](const std::string& what) {
        return Error("Table " + table.Name + " is damaged: field '" + field.Name + "' of record " +
                     std::to_string(key) + " " + what + ".");
      };
      if (field.Type == FieldType::String) {
        if (!Utf8ToBytes(utf8, field.Encoding, value.Text)) {
          throw damaged("holds a character its code page cannot store");
        }
      } else {
        const std::optional<std::int64_t> number = ParseInteger(utf8);
        if (!number) throw damaged("holds no integer");
        value.IsInteger = true;
        value.Integer = *number;
      }
    }
    row(key, values);
  }
  if (result != SQLITE_DONE) Fail("Cannot read table " + table.Name);
}

SqlitePersistence::TableStatements& SqlitePersistence::StatementsOf(const TableDef& table) {
  auto found = statements_.find(table.Name);
  if (found != statements_.end()) return found->second;
  std::string columns;
  std::string parameters;
  std::string assignments;
  for (const FieldDef& field : table.Fields) {
    if (field.Type == FieldType::AutoInc) continue;
    if (!columns.empty()) {
      columns += ", ";
      parameters += ", ";
      assignments += ", ";
    }
    columns += Quote(field.Name);
    parameters += "?";
    assignments += Quote(field.Name) + " = ?";
  }
  TableStatements statements;
  statements.Insert = Prepare("INSERT INTO " + Quote(table.Name) + " (" + columns + ") VALUES (" +
                              parameters + ")");
  statements.Update = Prepare("UPDATE " + Quote(table.Name) + " SET " + assignments + " WHERE " +
                              KeyColumn(table) + " = ?");
  statements.Delete =
      Prepare("DELETE FROM " + Quote(table.Name) + " WHERE " + KeyColumn(table) + " = ?");
  return statements_.emplace(table.Name, std::move(statements)).first->second;
}

void SqlitePersistence::BindValues(sqlite3_stmt* statement, const TableDef& table,
                                   const std::vector<StoredValue>& values) {
  sqlite3_reset(statement);
  // Every parameter is bound anew; a text stays in its buffer until the next write binds again.
  if (utf8_.size() < table.Fields.size()) utf8_.resize(table.Fields.size());
  int parameter = 1;
  for (std::size_t i = 0; i < table.Fields.size(); ++i) {
    const FieldDef& field = table.Fields[i];
    if (field.Type == FieldType::AutoInc) continue;
    const StoredValue& value = values[i];
    if (value.IsNull) {
      sqlite3_bind_null(statement, parameter);
    } else if (value.IsInteger) {
      sqlite3_bind_int64(statement, parameter, value.Integer);
    } else {
      std::string& utf8 = utf8_[i];
      BytesToUtf8(value.Text, field.Encoding, utf8);
      sqlite3_bind_text(statement, parameter, utf8.data(), static_cast<int>(utf8.size()),
                        SQLITE_STATIC);
    }
    ++parameter;
  }
}

// A write is one statement: SQLite either makes the whole of it or undoes what it began, so a
// refused write inside a bulk transaction or a write unit leaves the writes before it in place.
// (A failure that makes SQLite end the whole transaction, a full disk say, would end a savepoint
// around the write just the same.)
template <typename Write>
void SqlitePersistence::RunWrite(const TableDef& table, const Write& write) {
  CheckWritable();
  if (!write()) Fail("Cannot write table " + table.Name);
}

std::int64_t SqlitePersistence::InsertRecord(const TableDef& table,
                                             const std::vector<StoredValue>& values) {
  sqlite3_stmt* statement = StatementsOf(table).Insert.get();
  BindValues(statement, table, values);
  RunWrite(table, [&] { return sqlite3_step(statement) == SQLITE_DONE; });
  sqlite3_reset(statement);
  return sqlite3_last_insert_rowid(db_);
}

void SqlitePersistence::UpdateRecord(const TableDef& table, std::int64_t key,
                                     const std::vector<StoredValue>& values) {
  sqlite3_stmt* statement = StatementsOf(table).Update.get();
  BindValues(statement, table, values);
  sqlite3_bind_int64(statement, sqlite3_bind_parameter_count(statement), key);
  RunWrite(table, [&] { return sqlite3_step(statement) == SQLITE_DONE; });
  sqlite3_reset(statement);
  if (sqlite3_changes(db_) != 1) {
    throw Error("Table " + table.Name + ": record " + std::to_string(key) +
                " is no longer in the database " + file_.string() + ".");
  }
}

void SqlitePersistence::DeleteRecord(const TableDef& table, std::int64_t key) {
  sqlite3_stmt* statement = StatementsOf(table).Delete.get();
  sqlite3_reset(statement);
  sqlite3_bind_int64(statement, 1, key);
  RunWrite(table, [&] { return sqlite3_step(statement) == SQLITE_DONE; });
  sqlite3_reset(statement);
}

void SqlitePersistence::Attach(Table* table) { openTables_.push_back(table); }

void SqlitePersistence::Detach(Table* table) { std::erase(openTables_, table); }

void SqlitePersistence::BeginBulk() {
  CheckWritable();
  if (bulkDepth_ == 0) {
    // A long run of writes keeps the pages it changes in memory instead of spilling them to the
    // journal again and again.
    Execute(kBulkCacheSize);
    Execute("BEGIN IMMEDIATE");
  }
  ++bulkDepth_;
}

void SqlitePersistence::CommitBulk() {
  if (bulkDepth_ == 0) return;
  if (--bulkDepth_ > 0) return;
  const auto restoreCache = [this] {
    sqlite3_exec(db_, kUsualCacheSize, nullptr, nullptr, nullptr);
  };
  try {
    Execute("COMMIT");
  } catch (const Error&) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    restoreCache();
    throw;
  }
  restoreCache();
}

// Outside a transaction the savepoint begins one, and releasing it commits.
void SqlitePersistence::BeginUnit() {
  CheckWritable();
  ExecutePrepared(beginUnit_, "SAVEPOINT write_unit");
}

void SqlitePersistence::CommitUnit() {
  try {
    ExecutePrepared(commitUnit_, "RELEASE write_unit");
  } catch (const Error&) {
    RollbackUnit();
    throw;
  }
}

void SqlitePersistence::RollbackUnit() noexcept {
  // A failed commit may have ended the transaction already, and with it the unit's writes.
  if (sqlite3_get_autocommit(db_) != 0) return;
  for (const char* sql : {"ROLLBACK TO write_unit", "RELEASE write_unit"}) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
      std::cerr << "Cannot undo a change of " << file_.string() << ": " << SqliteReason(db_)
                << '\n';
    }
  }
}

}  // namespace store
