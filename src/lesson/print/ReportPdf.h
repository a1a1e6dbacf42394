#pragma once

// The printed lesson list written to a PDF file, without a printer or a display.

#include <QString>
#include <vector>

#include "lesson/print/QuickReport1.h"

namespace lesson {

// Prints the report of `records` into the PDF file `path`, as a whole or not at all: the pages go
// to a temporary file beside it, which replaces `path` only when everything is written. Returns
// what was printed. Throws std::runtime_error naming the file when it cannot be created or written;
// in every failure `path` is left as it was.
ReportSummary WriteReportPdf(const std::vector<ReportRow>& records, const QString& path);

}  // namespace lesson
