#include "RefusedWrites.h"

#include <sqlite3.h>

#include <stdexcept>
#include <vector>

namespace test {
namespace {

class Connection {
 public:
  explicit Connection(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      throw std::runtime_error("cannot open " + file.string());
    }
    sqlite3_busy_timeout(db_, 5000);
  }
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  void Execute(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      const std::string text = message ? message : "";
      sqlite3_free(message);
      throw std::runtime_error(sql + ": " + text);
    }
  }

  std::vector<std::string> Column(const std::string& sql) {
    std::vector<std::string> values;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      throw std::runtime_error(sql + ": " + sqlite3_errmsg(db_));
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
      values.emplace_back(text ? text : "0");
    }
    sqlite3_finalize(statement);
    return values;
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace

void RefuseWrite(const std::filesystem::path& database, int n, const std::string& table) {
  Connection db(database);
  db.Execute("CREATE TABLE IF NOT EXISTS refusal (countdown INTEGER)");
  db.Execute("DELETE FROM refusal");
  db.Execute("INSERT INTO refusal VALUES (" + std::to_string(n) + ")");
  for (const std::string& trigger : db.Column(
           "SELECT name FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'refuse_%'")) {
    db.Execute("DROP TRIGGER \"" + trigger + "\"");
  }
  const auto tables = table.empty()
                          ? db.Column(
                                "SELECT name FROM sqlite_master WHERE type = 'table' AND name <> "
                                "'refusal' AND name NOT LIKE 'sqlite_%'")
                          : std::vector<std::string>{table};
  for (const std::string& name : tables) {
    for (const char* kind : {"INSERT", "UPDATE", "DELETE"}) {
      db.Execute("CREATE TRIGGER \"refuse_" + std::string(kind) + "_" + name + "\" BEFORE " + kind +
                 " ON \"" + name +
                 "\" BEGIN SELECT RAISE(ABORT, 'database or disk is full') FROM refusal WHERE "
                 "countdown = 1; UPDATE refusal SET countdown = countdown - 1 WHERE countdown > "
                 "1; END");
    }
  }
}

long long QueryInteger(const std::filesystem::path& database, const std::string& sql) {
  Connection db(database);
  const auto values = db.Column(sql);
  return values.empty() ? 0 : std::stoll(values.front());
}

}  // namespace test
