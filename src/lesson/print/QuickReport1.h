#pragma once

// The printed lesson list (single instance QuickReport1): a ruled table of the lesson records in
// three columns, Russian, Hebrew and English, one row per record of SELEWORDS in the table's
// stored order, on A4 portrait pages with 10 mm margins and no header or footer. Texts wrap at
// word boundaries (inside a word only when the word alone is wider than its column) and their row
// grows with them; rows flow onto further pages; an empty list gives one empty page.

#include "lesson/print/ReportTable.h"

class QPagedPaintDevice;

namespace lesson {

// What one print produced.
struct ReportSummary {
  int Records = 0;
  int Pages = 0;
};

// The report object: it lives from start-up to the end of the program.
class TQuickReport1 {
 public:
  // The report's own read-only handle on the lesson list. Opened by the first print and left
  // open; each print reads the records of its moment from it.
  ReportTable Table1;
};

// Sets `device` to A4 portrait with 10 mm margins and draws the report of `records` on it, in
// their order. Throws std::runtime_error when the device cannot be painted on; nothing is drawn
// then.
ReportSummary PrintReport(const std::vector<ReportRow>& records, QPagedPaintDevice& device);

}  // namespace lesson
