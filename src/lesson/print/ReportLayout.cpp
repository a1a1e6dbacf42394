#include "lesson/print/ReportLayout.h"

namespace lesson {

std::vector<RowPlace> FlowRows(const std::vector<double>& rowHeights, double pageHeight) {
  // Rounding in the sums must not push the last row that fits onto the next page.
  constexpr double kTolerance = 1e-9;
  std::vector<RowPlace> places;
  places.reserve(rowHeights.size());
  RowPlace next{0, 0.0};
  for (const double height : rowHeights) {
    if (next.Top > 0.0 && next.Top + height > pageHeight + kTolerance) next = {next.Page + 1, 0.0};
    places.push_back(next);
    next.Top += height;
  }
  return places;
}

}  // namespace lesson
