// Preloaded (LD_PRELOAD) into the program and the data tool by the crash campaign, so that a kill
// can fall between any two writes of an operation, however quick. It counts, in every SQLite
// connection of the process, the statements that write and the ends of transactions:
//   CRASH_KILL_AT=N     the process kills itself with SIGKILL as the N-th of them is about to run;
//   CRASH_COUNT_FILE=F  their count is written to F when the process ends normally.

#include <signal.h>
#include <sqlite3.h>
#include <strings.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<long> counted{0};
long killAt = 0;

bool Writes(sqlite3_stmt* statement) {
  if (sqlite3_stmt_readonly(statement) == 0) return true;
  const char* sql = sqlite3_sql(statement);
  if (sql == nullptr) return false;
  for (const char* end : {"COMMIT", "RELEASE", "END"}) {
    if (strncasecmp(sql, end, __builtin_strlen(end)) == 0) return true;
  }
  return false;
}

int Trace(unsigned /*event*/, void* /*context*/, void* statement, void* /*sql*/) {
  if (Writes(static_cast<sqlite3_stmt*>(statement)) && ++counted == killAt) raise(SIGKILL);
  return 0;
}

int Watch(sqlite3* connection, char** /*error*/, const sqlite3_api_routines* /*api*/) {
  sqlite3_trace_v2(connection, SQLITE_TRACE_STMT, Trace, nullptr);
  return SQLITE_OK;
}

void WriteCount() {
  const char* file = std::getenv("CRASH_COUNT_FILE");
  if (file == nullptr) return;
  if (std::FILE* out = std::fopen(file, "w")) {
    std::fprintf(out, "%ld\n", counted.load());
    std::fclose(out);
  }
}

__attribute__((constructor)) void Install() {
  if (const char* at = std::getenv("CRASH_KILL_AT")) killAt = std::atol(at);
  sqlite3_auto_extension(reinterpret_cast<void (*)()>(Watch));
  std::atexit(WriteCount);
}

}  // namespace
