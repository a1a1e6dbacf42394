#pragma once

// The printed lesson list's own handle on the lesson list table SELEWORDS: a read-only connection
// to the data folder's database, separate from the data module's tables, so printing never
// moves, filters or edits the lesson list the windows work on.

#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

namespace store {
class SqlitePersistence;
}

namespace lesson {

// One lesson record as printed. ItemHE is in stored order (display order, last letter first).
// A null field reads as an empty text.
struct ReportRow {
  QString ItemRU;
  QString ItemHE;
  QString ItemEN;
};

class ReportTable {
 public:
  ReportTable();
  ~ReportTable();
  ReportTable(const ReportTable&) = delete;
  ReportTable& operator=(const ReportTable&) = delete;

  // Opens the table of the data folder `dataFolder` for reading. No effect while it is open.
  // Throws store::Error ("Cannot open table SELEWORDS: ...") when the folder holds no readable
  // lesson list; the table then stays closed.
  void Open(const std::filesystem::path& dataFolder);
  bool Active() const { return database_ != nullptr; }

  // The records as they are stored at this moment (everything posted so far, by any program),
  // in the table's own stored order: the order in which they were added. Requires Active().
  // Throws store::Error when the table cannot be read.
  std::vector<ReportRow> Rows();

 private:
  std::unique_ptr<store::SqlitePersistence> database_;
};

}  // namespace lesson
