#include "review/FormProgress.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

#include "store/Error.h"
#include "ui/Dialogs.h"

namespace {

template <class T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

QChartView* NewChartView(QWidget* parent, const char* name) {
  auto* view = Named(new QChartView(parent), name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(380, 260);
  view->chart()->legend()->hide();
  return view;
}

QString DayText(std::int64_t day) {
  return QDate::fromJulianDay(day).toString(QStringLiteral("d MMM"));
}

QString PercentText(double share) { return QString::number(std::lround(share * 100)) + '%'; }

// A date axis over positions 0 to `count` - 1 (day or week `first` + position * `step`), labelled
// every `every` positions.
QCategoryAxis* DateAxis(std::size_t count, std::int64_t first, int step, int every) {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setRange(-0.5, count - 0.5);
  for (std::size_t i = 0; i < count; i += every) {
    axis->append(DayText(first + static_cast<std::int64_t>(i) * step), i);
  }
  axis->setGridLineVisible(false);
  return axis;
}

QValueAxis* CountAxis(int largest) {
  auto* axis = new QValueAxis;
  axis->setRange(0, std::max(largest, 4));
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->applyNiceNumbers();
  return axis;
}

void Clear(QChart* chart) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
}

// Replaces the series and axes of `chart` by the bars of `counts`.
void ShowBars(QChart* chart, const std::vector<int>& counts, std::int64_t firstDay, int every,
              const QColor& color) {
  Clear(chart);
  auto* bars = new QBarSet(chart->title());
  bars->setColor(color);
  bars->setBorderColor(color);
  for (int count : counts) bars->append(count);
  auto* series = new QBarSeries;
  series->append(bars);
  series->setBarWidth(0.8);
  chart->addSeries(series);
  QCategoryAxis* x = DateAxis(counts.size(), firstDay, 1, every);
  QValueAxis* y = CountAxis(counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end()));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
}

void ShowRetention(QChart* chart, const review::Progress& progress) {
  Clear(chart);
  auto* measured = new QLineSeries;
  measured->setName(QStringLiteral("measured"));
  auto* points = new QScatterSeries;
  points->setMarkerSize(8);
  for (std::size_t week = 0; week < progress.Weeks.size(); ++week) {
    if (const std::optional<double> share = progress.Weeks[week].Measured()) {
      measured->append(week, *share * 100);
      points->append(week, *share * 100);
    }
  }
  auto* desired = new QLineSeries;
  desired->setName(QStringLiteral("desired"));
  QPen dashed(QColor(0xc0, 0x39, 0x2b), 2, Qt::DashLine);
  desired->setPen(dashed);
  desired->append(-0.5, progress.DesiredRetention * 100);
  desired->append(progress.Weeks.size() - 0.5, progress.DesiredRetention * 100);
  QPen line(QColor(0x27, 0x60, 0xa8), 2);
  measured->setPen(line);
  points->setColor(line.color());
  points->setBorderColor(line.color());
  const std::int64_t firstDay =
      progress.Weeks.empty() ? progress.Today : progress.Weeks.front().FirstDay;
  QCategoryAxis* x = DateAxis(progress.Weeks.size(), firstDay, 7, 2);
  // From 10 points below the lowest share shown, in tens, so that the weeks can be told apart.
  double lowest = progress.DesiredRetention;
  for (const QPointF& point : measured->points()) lowest = std::min(lowest, point.y() / 100);
  const int bottom = std::max(0, static_cast<int>(std::floor(lowest * 10)) - 1) * 10;
  auto* y = new QValueAxis;
  y->setRange(bottom, 100);
  y->setTickCount((100 - bottom) / 10 + 1);
  y->setLabelFormat(QStringLiteral("%d%%"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QXYSeries* series : std::initializer_list<QXYSeries*>{desired, measured, points}) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
  }
  chart->legend()->setVisible(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->markers(points).front()->setVisible(false);
}

}  // namespace

TFormProgress::TFormProgress(ui::Dialogs& dialogs, store::SqlitePersistence& database,
                             review::Clock clock, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      database_(database),
      clock_(std::move(clock)) {
  setObjectName(QStringLiteral("FormProgress"));
  setWindowTitle(QStringLiteral("Progress"));
  LabelDueToday = Named(new QLabel(this), "LabelDueToday");
  QFont bold = LabelDueToday->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  LabelDueToday->setFont(bold);
  LabelStreak = Named(new QLabel(this), "LabelStreak");
  LabelCards = Named(new QLabel(this), "LabelCards");
  LabelRetention = Named(new QLabel(this), "LabelRetention");
  ChartReviews = NewChartView(this, "ChartReviews");
  ChartReviews->chart()->setTitle(QStringLiteral("Reviews per day, last 90 days"));
  ChartForecast = NewChartView(this, "ChartForecast");
  ChartForecast->chart()->setTitle(QStringLiteral("Cards due, next 30 days"));
  ChartRetention = NewChartView(this, "ChartRetention");
  ChartRetention->chart()->setTitle(QStringLiteral("Measured retention per week"));

  auto* figures = new QHBoxLayout;
  for (QLabel* label : {LabelDueToday, LabelStreak, LabelCards, LabelRetention}) {
    figures->addWidget(label);
    figures->addSpacing(24);
  }
  figures->addStretch();
  auto* layout = new QGridLayout(this);
  layout->addLayout(figures, 0, 0, 1, 2);
  layout->addWidget(ChartReviews, 1, 0, 1, 2);
  layout->addWidget(ChartForecast, 2, 0);
  layout->addWidget(ChartRetention, 2, 1);
  resize(1000, 680);
}

void TFormProgress::ShowProgress(double retention) {
  try {
    Fill(review::ComputeProgress(database_, review::MemoryModel(retention),
                                 review::DayOf(clock_())));
  } catch (const store::Error& error) {
    dialogs_.Error(QStringLiteral("The progress cannot be shown: ") +
                   QString::fromUtf8(error.what()));
    return;
  }
  show();
  raise();
  activateWindow();
}

void TFormProgress::Fill(const review::Progress& progress) {
  LabelDueToday->setText(QStringLiteral("Due today: %1").arg(progress.DueToday()));
  LabelStreak->setText(progress.Streak == 1
                           ? QStringLiteral("Streak: 1 day")
                           : QStringLiteral("Streak: %1 days").arg(progress.Streak));
  LabelCards->setText(QStringLiteral("Cards: %1 new, %2 learning, %3 review")
                          .arg(progress.NewCards)
                          .arg(progress.LearningCards)
                          .arg(progress.ReviewCards));
  LabelRetention->setText(QStringLiteral("Desired retention: ") +
                          PercentText(progress.DesiredRetention));
  ShowBars(ChartReviews->chart(), progress.ReviewsPerDay,
           progress.Today - review::kActivityDays + 1, 14, QColor(0x27, 0x60, 0xa8));
  ShowBars(ChartForecast->chart(), progress.DuePerDay, progress.Today, 7, QColor(0xe6, 0x7e, 0x22));
  ShowRetention(ChartRetention->chart(), progress);
}
