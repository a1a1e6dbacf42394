#pragma once

// A prepared SQL statement on a data folder's database, for the tables other components keep
// beside the six (which are not store::Tables and are never read at start-up). It runs on the
// same connection as the tables, so inside a write unit or a bulk transaction its writes join it.
//
//   store::SqlStatement count(database, "SELECT count(*) FROM CARDS WHERE Due <= ?1");
//   count.Bind(1, today);
//   if (count.Step()) n = count.Integer(0);
//
// Every failure throws store::Error with SQLite's reason and the file.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace store {

class SqlitePersistence;

class SqlStatement {
 public:
  SqlStatement(SqlitePersistence& database, const std::string& sql);
  ~SqlStatement();
  SqlStatement(const SqlStatement&) = delete;
  SqlStatement& operator=(const SqlStatement&) = delete;

  // Binds parameter `index` (1-based); a statement that stepped is reset first.
  SqlStatement& Bind(int index, std::int64_t value);
  SqlStatement& Bind(int index, double value);
  SqlStatement& Bind(int index, std::string_view utf8);

  // Runs the statement on to its next row: true while there is one, false when it is done. A
  // statement that writes throws ReadOnlyError first while the database refuses writes.
  bool Step();
  // Runs a statement that returns no rows, and resets it for another run.
  void Run();

  // Columns of the current row (0-based).
  std::int64_t Integer(int column) const;
  double Real(int column) const;
  std::string Text(int column) const;

 private:
  void ResetIfStepped();
  void Fail(const char* what) const;

  SqlitePersistence& database_;
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
  bool stepped_ = false;
};

}  // namespace store
