// The progress window offscreen: the figures of the small log in its labels and charts, its
// making on the first "Progress" of the main window only, and a database that refuses a query.

#include <gtest/gtest.h>

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QLineSeries>

#include "MainWindowFixture.h"
#include "ProgressLog.h"
#include "review/FormProgress.h"
#include "store/SqlStatement.h"
#include "store/Table.h"

namespace {

class ProgressWindowTest : public test::MainWindowFixture {
 protected:
  store::SqlitePersistence& Database() { return workspace.Data().RUTable().Database(); }

  // The window on kToday at noon.
  TFormProgress& Form() {
    if (!form) {
      form = std::make_unique<TFormProgress>(dialogs, Database(), [] {
        return QDate::fromJulianDay(reviewtest::kToday).startOfDay().toSecsSinceEpoch() + 12 * 3600;
      });
    }
    return *form;
  }

  QString Text(const char* label) {
    return Form().findChild<QLabel*>(QLatin1String(label))->text();
  }

  std::vector<int> Bars(const char* chart) {
    auto* series = qobject_cast<QBarSeries*>(
        Form().findChild<QChartView*>(QLatin1String(chart))->chart()->series().front());
    std::vector<int> values;
    for (int i = 0; i < series->barSets().front()->count(); ++i) {
      values.push_back(static_cast<int>(series->barSets().front()->at(i)));
    }
    return values;
  }

  std::unique_ptr<TFormProgress> form;
};

TEST_F(ProgressWindowTest, ShowsTheFiguresOfTheLog) {
  reviewtest::ProgressLog log(workspace.Data());
  Form().ShowProgress();
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
  EXPECT_TRUE(Form().isVisible());
  EXPECT_EQ(Text("LabelDueToday"), "Due today: 2");
  EXPECT_EQ(Text("LabelStreak"), "Streak: 2 days");
  EXPECT_EQ(Text("LabelCards"), "Cards: 13 new, 3 learning, 2 review");
  EXPECT_EQ(Text("LabelRetention"), "Desired retention: 90%");
  const review::Progress expected = reviewtest::ExpectedProgress();
  EXPECT_EQ(Bars("ChartReviews"), expected.ReviewsPerDay);
  EXPECT_EQ(Bars("ChartForecast"), expected.DuePerDay);

  QLineSeries* measured = nullptr;
  QLineSeries* desired = nullptr;
  for (QAbstractSeries* series : Form().ChartRetention->chart()->series()) {
    if (series->name() == "measured") measured = qobject_cast<QLineSeries*>(series);
    if (series->name() == "desired") desired = qobject_cast<QLineSeries*>(series);
  }
  ASSERT_TRUE(measured && desired);
  EXPECT_EQ(measured->points(), (QList<QPointF>{{9, 0}, {11, 200.0 / 3}}))
      << "weeks without due reviews have no point";
  EXPECT_EQ(desired->at(0).y(), 90);
}

TEST_F(ProgressWindowTest, MadeOnTheFirstProgressOfTheMainWindowOnly) {
  TFormSelect& main = Window();
  EXPECT_EQ(main.findChild<TFormProgress*>(), nullptr)
      << "no progress window before it is asked for";
  Find<QAction>("NProgress")->trigger();
  Find<QAction>("NProgress")->trigger();
  const QList<TFormProgress*> windows = main.findChildren<TFormProgress*>();
  ASSERT_EQ(windows.size(), 1);
  EXPECT_TRUE(windows.front()->isVisible());
  EXPECT_EQ(windows.front()->LabelDueToday->text(), "Due today: 0");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProgressWindowTest, ADatabaseThatRefusesAQueryIsReported) {
  reviewtest::ProgressLog log(workspace.Data());
  store::SqlStatement(Database(), "ALTER TABLE REVIEWLOG RENAME COLUMN Grade TO Mark").Run();
  Form().ShowProgress();
  ASSERT_EQ(dialogs.Texts(ui::BoxKind::Error).size(), 1u);
  const QString text = dialogs.Texts(ui::BoxKind::Error).front();
  EXPECT_TRUE(
      text.startsWith("The progress cannot be shown: Cannot prepare a query: no such column"))
      << text.toStdString();
  EXPECT_FALSE(Form().isVisible());
}

}  // namespace
