#pragma once

// TFormProgress, the "Progress" window of "Learn words": the figures of review::ComputeProgress
// as three charts (reviews per day, the due forecast, the measured retention per week against
// the desired one) and a line of text (cards due today, the streak, the cards by state). It is
// made on its first opening, never at start-up, and counts afresh each time it is opened.
//
// Every component is a named member whose objectName is the member's name.

#include <QWidget>

#include "review/GameReviews.h"
#include "review/Progress.h"

class QChart;
class QChartView;
class QLabel;

namespace store {
class SqlitePersistence;
}

namespace ui {
class Dialogs;
}

class TFormProgress : public QWidget {
  Q_OBJECT

 public:
  // `database` and `dialogs` must outlive the window; `clock` tells the day counted as today.
  TFormProgress(ui::Dialogs& dialogs, store::SqlitePersistence& database,
                review::Clock clock = review::SystemTime, QWidget* parent = nullptr);

  // Counts the figures of today at the desired `retention` and shows them in the window, brought
  // to the front. When the database refuses a query the reason is shown through the dialogs and
  // the window is left as it was.
  void ShowProgress(double retention = review::kDefaultRetention);

  QLabel* LabelDueToday;
  QLabel* LabelStreak;
  QLabel* LabelCards;
  QLabel* LabelRetention;      // the desired retention
  QChartView* ChartReviews;    // a bar a day, the last 90 days
  QChartView* ChartForecast;   // a bar a day, the next 30 days
  QChartView* ChartRetention;  // the measured retention of each week and the desired one

 private:
  void Fill(const review::Progress& progress);

  ui::Dialogs& dialogs_;
  store::SqlitePersistence& database_;
  review::Clock clock_;
};
