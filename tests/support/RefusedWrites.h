#pragma once

// A database that refuses a write, as a full disk would: triggers in the file make the n-th
// insert, update or delete (counted over every table, from the call on) fail with "database or
// disk is full", and every write after it too, until RefuseWrite(file, 0) lifts the refusal.
// Writes undone by a rollback are not counted. With `table` named, only that table's writes are
// counted and refused; the other tables take writes as usual.

#include <filesystem>
#include <string>

namespace test {

void RefuseWrite(const std::filesystem::path& database, int n, const std::string& table = {});

// The first column of the first row of `sql` run on the file, as an integer (0 when no row).
long long QueryInteger(const std::filesystem::path& database, const std::string& sql);

}  // namespace test
