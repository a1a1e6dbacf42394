#pragma once

// The measures of the printed lesson list and the flow of its rows over the pages. All measures
// are millimetres; x counts from the left margin, and the y of a row's pieces from the row's top.

#include <vector>

namespace lesson {

inline constexpr double kPageMargin = 10.0;  // on every side of an A4 portrait page
inline constexpr double kRowHeight = 6.35;   // a row of one-line texts; rows follow without gaps
inline constexpr double kRowWidth = 190.0;
inline constexpr double kLineWidth = 0.25;  // of the frames and rules

// A rectangle; it grows downwards with its row.
struct ReportBox {
  double Left;
  double Top;
  double Width;
  double Height;
};

// A vertical rule; it grows downwards with its row.
struct ReportRule {
  double X;
  double Top;
  double Height;
};

// Where one of the three texts of a row stands, left-aligned, and how wide it may grow before
// it wraps.
struct ReportText {
  double Left;
  double Top;
  double Width;
  int PointSize;
};

// The frame around a row, and the rules between the Russian, Hebrew and English columns. The
// frames and rules of neighbouring rows overlap, so the list prints as a ruled table.
inline constexpr ReportBox kRowFrame{0.0, -0.8, 190.2, 6.9};
inline constexpr ReportRule kFirstRule{64.8, -1.1, 7.1};
inline constexpr ReportRule kSecondRule{128.6, -1.3, 7.4};

// Each text wraps half a millimetre before the rule (or the row's end) to its right.
inline constexpr double kTextGap = 0.5;
inline constexpr ReportText kTextRU{1.85, 0.53, kFirstRule.X - 1.85 - kTextGap, 12};
inline constexpr ReportText kTextHE{86.0, -0.26, kSecondRule.X - 86.0 - kTextGap, 15};
inline constexpr ReportText kTextEN{129.65, 0.53, kRowWidth - 129.65 - kTextGap, 12};

// Where a row is printed: the page (0 is the first) and its top within the page's printable area.
struct RowPlace {
  int Page;
  double Top;
};

// Places rows of the given heights one under the other from the top of the printable area, which
// is `pageHeight` high. A row that would end below the area starts the next page; a row taller
// than the area stands alone at the top of its page.
std::vector<RowPlace> FlowRows(const std::vector<double>& rowHeights, double pageHeight);

}  // namespace lesson
