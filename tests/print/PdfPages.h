#pragma once

// What poppler's tools read from a PDF file: the page count and size (pdfinfo) and every word
// with its box (pdftotext -bbox). Measures are millimetres from the page's top left corner.

#include <QString>
#include <vector>

namespace test {

struct PdfWord {
  QString Text;
  double Left;
  double Top;
  double Right;
  double Bottom;
};

struct PdfPages {
  int Count = 0;
  double Width = 0.0;
  double Height = 0.0;
  std::vector<std::vector<PdfWord>> Words;  // per page, in the order poppler reads them
};

// Reads `file` with pdfinfo and pdftotext; fails the current test when a tool fails.
PdfPages ReadPdf(const QString& file);

}  // namespace test
