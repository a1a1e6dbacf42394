#include "store/SqliteReason.h"

#include <sqlite3.h>

#include <cerrno>

namespace store {

std::string SqliteReason(sqlite3* db) {
  const int system = sqlite3_system_errno(db);
  if ((sqlite3_errcode(db) & 0xff) == SQLITE_FULL || system == ENOSPC || system == EDQUOT) {
    return "the disk is full; free some space and try again";
  }
  return sqlite3_errmsg(db);
}

}  // namespace store
