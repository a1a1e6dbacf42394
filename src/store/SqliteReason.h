#pragma once

// The words for a failure of the database engine, as the user reads them.

#include <string>

struct sqlite3;

namespace store {

// The reason the engine gives for the last failure on `db`; a disk (or quota) that is full is
// said plainly, with what to do about it.
std::string SqliteReason(sqlite3* db);

}  // namespace store
