#include "datatool/ReviewStats.h"

#include <QDate>
#include <cmath>
#include <ostream>
#include <string>

namespace datatool {
namespace {

std::string DateOf(std::int64_t day) {
  return QDate::fromJulianDay(day).toString(Qt::ISODate).toStdString();
}

long Percent(double share) { return std::lround(share * 100); }

}  // namespace

void PrintProgress(const review::Progress& progress, std::ostream& out) {
  out << "due today: " << progress.DueToday() << "\n"
      << "streak: " << progress.Streak << (progress.Streak == 1 ? " day" : " days") << "\n"
      << "new cards: " << progress.NewCards << "\n"
      << "learning cards: " << progress.LearningCards << "\n"
      << "review cards: " << progress.ReviewCards << "\n"
      << "desired retention: " << Percent(progress.DesiredRetention) << "%\n";
  out << "measured retention by week (due reviews recalled):\n";
  for (const review::WeekRetention& week : progress.Weeks) {
    out << "  " << DateOf(week.FirstDay) << "  ";
    if (const std::optional<double> measured = week.Measured()) {
      out << Percent(*measured) << "% of " << week.DueReviews << "\n";
    } else {
      out << "-\n";
    }
  }
  out << "reviews per day:\n";
  const std::int64_t firstDay = progress.Today - (progress.ReviewsPerDay.size() - 1);
  for (std::size_t i = 0; i < progress.ReviewsPerDay.size(); ++i) {
    out << "  " << DateOf(firstDay + i) << "  " << progress.ReviewsPerDay[i] << "\n";
  }
  out << "cards due per day:\n";
  for (std::size_t i = 0; i < progress.DuePerDay.size(); ++i) {
    out << "  " << DateOf(progress.Today + i) << "  " << progress.DuePerDay[i] << "\n";
  }
}

}  // namespace datatool
