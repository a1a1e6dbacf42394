// Preloaded (LD_PRELOAD) into the program and the data tool by the crash campaign, so that a kill
// can fall between any two writes of an operation, however quick. It counts, in every SQLite
// connection of the process, the statements that write and the ends of transactions:
//   CRASH_KILL_AT=N     the process kills itself with SIGKILL as the N-th of them is about to run;
//   CRASH_COUNT_FILE=F  F holds their count so far, kept up to date at each (so it tells how far
//                       a killed process came).

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <strings.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<long> counted{0};
long killAt = 0;
int countFile = -1;

bool Writes(sqlite3_stmt* statement) {
  if (sqlite3_stmt_readonly(statement) == 0) return true;
  const char* sql = sqlite3_sql(statement);
  if (sql == nullptr) return false;
  for (const char* end : {"COMMIT", "RELEASE", "END"}) {
    if (strncasecmp(sql, end, __builtin_strlen(end)) == 0) return true;
  }
  return false;
}

// The count as a fixed-width line, so that each writing replaces the whole of the last one.
void WriteCount(long count) {
  if (countFile < 0) return;
  char line[24];
  const int length = std::snprintf(line, sizeof line, "%20ld\n", count);
  if (::pwrite(countFile, line, static_cast<size_t>(length), 0) != length) countFile = -1;
}

int Trace(unsigned /*event*/, void* /*context*/, void* statement, void* /*sql*/) {
  if (!Writes(static_cast<sqlite3_stmt*>(statement))) return 0;
  const long count = ++counted;
  WriteCount(count);
  if (count == killAt) raise(SIGKILL);
  return 0;
}

int Watch(sqlite3* connection, char** /*error*/, const sqlite3_api_routines* /*api*/) {
  sqlite3_trace_v2(connection, SQLITE_TRACE_STMT, Trace, nullptr);
  return SQLITE_OK;
}

__attribute__((constructor)) void Install() {
  if (const char* at = std::getenv("CRASH_KILL_AT")) killAt = std::atol(at);
  if (const char* file = std::getenv("CRASH_COUNT_FILE")) {
    countFile = ::open(file, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    WriteCount(0);
  }
  sqlite3_auto_extension(reinterpret_cast<void (*)()>(Watch));
}

}  // namespace
