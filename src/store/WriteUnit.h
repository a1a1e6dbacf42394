#pragma once

// A write unit: the posts and deletes that together make one meaning (its three word records, its
// verb forms, a counter beside them) are stored all together or not at all.
//
//   store::WriteUnit({&data.RUTable(), &data.HETable(), &data.ENTable()}).Run([&] { ...posts... });
//
// When the database refuses any write of the unit, or its commit, every write of the unit is
// undone, in the database and in the tables, and the error goes on to the caller.

#include <functional>
#include <initializer_list>
#include <vector>

namespace store {

class SqlitePersistence;
class Table;

class WriteUnit {
 public:
  // Every table the writes may change; all open on one database, which must outlive the unit.
  explicit WriteUnit(std::initializer_list<Table*> tables);

  // Runs `writes` as one unit. When an exception leaves `writes` or the commit fails, each table
  // is read again from the database, with its index, filter and current record as they were
  // before the unit and its pending edit or insertion as it was then (so the user's typing is
  // kept); then the exception is rethrown.
  void Run(const std::function<void()>& writes);

  // Reads every open table of `database` again, each keeping its index, filter, current record
  // (where it still exists) and pending edit or insertion: for when writes the tables show were
  // undone in the database (a bulk transaction whose commit failed). A table that cannot be read
  // again is written to standard error and left closed.
  static void RereadAll(SqlitePersistence& database);

 private:
  struct TableView;
  static TableView ViewOf(const Table& table);
  static void Restore(Table& table, SqlitePersistence& database, const TableView& view);

  std::vector<Table*> tables_;
};

}  // namespace store
