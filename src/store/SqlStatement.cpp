#include "store/SqlStatement.h"

#include "store/Error.h"
#include "store/SqlitePersistence.h"
#include "store/SqliteReason.h"

namespace store {

SqlStatement::SqlStatement(SqlitePersistence& database, const std::string& sql)
    : database_(database), db_(database.db_) {
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
    Fail("Cannot prepare a query");
  }
}

SqlStatement::~SqlStatement() { sqlite3_finalize(statement_); }

SqlStatement& SqlStatement::Bind(int index, std::int64_t value) {
  ResetIfStepped();
  if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK) Fail("Cannot bind a value");
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, double value) {
  ResetIfStepped();
  if (sqlite3_bind_double(statement_, index, value) != SQLITE_OK) Fail("Cannot bind a value");
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, std::string_view utf8) {
  ResetIfStepped();
  if (sqlite3_bind_text(statement_, index, utf8.data(), static_cast<int>(utf8.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK) {
    Fail("Cannot bind a value");
  }
  return *this;
}

void SqlStatement::ResetIfStepped() {
  if (!stepped_) return;
  sqlite3_reset(statement_);
  stepped_ = false;
}

bool SqlStatement::Step() {
  if (!stepped_ && !sqlite3_stmt_readonly(statement_)) database_.CheckWritable();
  stepped_ = true;
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  const std::string reason = SqliteReason(db_);
  sqlite3_reset(statement_);
  throw Error("The database refused a query: " + reason + " (" + database_.File().string() + ").");
}

void SqlStatement::Run() {
  Step();
  ResetIfStepped();
}

std::int64_t SqlStatement::Integer(int column) const {
  return sqlite3_column_int64(statement_, column);
}

double SqlStatement::Real(int column) const { return sqlite3_column_double(statement_, column); }

std::string SqlStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text
             ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
             : std::string();
}

void SqlStatement::Fail(const char* what) const {
  throw Error(std::string(what) + ": " + SqliteReason(db_) + " (" + database_.File().string() +
              ").");
}

}  // namespace store
