// The progress figures on a review log of about 1,000,000 reviews over the 100,002 cards of a
// dictionary of 16,667 meanings, taken up steadily over nine years by a learner who reviews every
// card when it is due (about 340 reviews a day). One iteration is one whole ComputeProgress, as
// the progress window runs it when shown, and one whole first opening of the window: made,
// counted, drawn. The time grows with the reviews of the last 12 weeks, which are scanned once on
// the log's time index. Run offscreen: QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "DictionaryGenerator.h"
#include "review/CardStore.h"
#include "review/FormProgress.h"
#include "review/GameReviews.h"
#include "review/Progress.h"
#include "store/DataModul.h"
#include "store/SqlStatement.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"
#include "ui/Dialogs.h"

namespace {

constexpr int kMeanings = 16667;
constexpr int kSpanDays = 3300;  // the first cards were first reviewed this many days ago

// The days from a card's first review to each later one: gaps growing about 2.2 times a review,
// as a card's intervals grow while it is recalled.
std::vector<int> ScheduleDays() {
  std::vector<int> days{0};
  for (double gap = 1; days.back() + gap < kSpanDays; gap *= 2.2) {
    days.push_back(days.back() + static_cast<int>(gap + 0.5));
  }
  return days;
}

struct Fixture {
  Fixture() : today(review::DayOf(review::SystemTime())) {
    bench::DictionaryOptions options;
    options.Meanings = kMeanings;
    bench::GenerateDictionaryFolder(folder.path().toStdString(), options);
    data = std::make_unique<TDataModul>(folder.path().toStdString());
    data->DataModuleCreate();
    FillLog();
  }

  store::SqlitePersistence& Database() { return data->SelWordTable().Database(); }

  // Card c (of n) had its first review c * kSpanDays / n days ago and every later one due by
  // the schedule up to today. Each review leaves a stability that makes the next one come on its
  // due day, a day late or a day early, in turn; one review in ten is graded Again. The log rows
  // go in in time order, as the game appends them.
  void FillLog() {
    struct Row {
      std::int64_t Time;
      int Meaning, Direction, Grade, Elapsed;
      double Stability;
      int Scheduled;  // the interval the previous review gave
    };
    const std::vector<int> schedule = ScheduleDays();
    const int cardCount = kMeanings * review::kDirections;
    std::vector<Row> rows;
    review::CardStore cards(Database());  // the tables and their indexes
    store::SqlStatement card(
        Database(),
        "INSERT INTO CARDS (Meaning, Direction, Stability, Difficulty, "
        "LastReview, Due, Reviews, Lapses) VALUES (?1, ?2, ?3, 5, ?4, ?5, ?6, 0)");
    Database().BeginBulk();
    for (int c = 0; c < cardCount; ++c) {
      const int meaning = 1 + c / review::kDirections;
      const int direction = c % review::kDirections;
      const std::int64_t first = today - static_cast<std::int64_t>(c) * kSpanDays / cardCount;
      std::size_t k = 0;
      double stability = 0;
      for (; k < schedule.size() && first + schedule[k] <= today; ++k) {
        const int scheduled = k == 0 ? 0 : static_cast<int>(stability);
        const std::int64_t day = first + schedule[k];
        const int next = k + 1 < schedule.size() ? schedule[k + 1] - schedule[k] : 1000;
        stability = std::max(1, next + static_cast<int>((c + k) % 3) - 1);
        rows.push_back(
            {QDate::fromJulianDay(day).startOfDay().toSecsSinceEpoch() + (c * 13) % 80000, meaning,
             direction, (c + k) % 10 == 0 ? 1 : 3, k == 0 ? 0 : schedule[k] - schedule[k - 1],
             stability, scheduled});
      }
      const std::int64_t last = first + schedule[k - 1];
      card.Bind(1, std::int64_t{meaning})
          .Bind(2, std::int64_t{direction})
          .Bind(3, stability)
          .Bind(4, last)
          .Bind(5, last + static_cast<std::int64_t>(stability))
          .Bind(6, static_cast<std::int64_t>(k));
      card.Run();
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.Time < b.Time; });
    store::SqlStatement log(
        Database(),
        "INSERT INTO REVIEWLOG (Meaning, Direction, Time, Grade, ElapsedDays, "
        "Stability, Difficulty, Scheduled) VALUES (?1, ?2, ?3, ?4, ?5, ?6, 5, ?7)");
    for (const Row& row : rows) {
      log.Bind(1, std::int64_t{row.Meaning})
          .Bind(2, std::int64_t{row.Direction})
          .Bind(3, row.Time)
          .Bind(4, std::int64_t{row.Grade})
          .Bind(5, std::int64_t{row.Elapsed})
          .Bind(6, row.Stability)
          .Bind(7, std::int64_t{row.Scheduled});
      log.Run();
    }
    Database().CommitBulk();
    reviews = static_cast<std::int64_t>(rows.size());
  }

  QTemporaryDir folder;
  std::unique_ptr<TDataModul> data;
  std::int64_t today;
  std::int64_t reviews = 0;
};

void BM_ComputeProgress(benchmark::State& state) {
  static Fixture fixture;
  const review::MemoryModel model;
  double recent = 0;  // the reviews of the last 90 days
  for (auto _ : state) {
    const review::Progress progress =
        review::ComputeProgress(fixture.Database(), model, fixture.today);
    benchmark::DoNotOptimize(progress);
    recent = 0;
    for (const int count : progress.ReviewsPerDay) recent += count;
    if (progress.ReviewsPerDay.back() == 0) state.SkipWithError("no reviews today");
  }
  state.counters["reviews"] = static_cast<double>(fixture.reviews);
  state.counters["last90days"] = recent;
}
BENCHMARK(BM_ComputeProgress)->Unit(benchmark::kMillisecond)->Iterations(5);

// Any message is an error of the benchmark.
class NoDialogs final : public ui::Dialogs {
 public:
  ui::Answer Show(const ui::MessageRequest& request) override {
    std::fprintf(stderr, "message: %s\n", request.text.toUtf8().constData());
    ++shown;
    return ui::Answer::Ok;
  }
  QString OpenFileName(const ui::FileRequest&) override { return {}; }
  QString SaveFileName(const ui::FileRequest&) override { return {}; }
  void PrintPreview(const std::function<void(QPrinter&)>&) override {}
  int shown = 0;
};

void BM_OpenProgressWindow(benchmark::State& state) {
  static Fixture fixture;
  NoDialogs dialogs;
  for (auto _ : state) {
    TFormProgress window(dialogs, fixture.Database());
    window.ShowProgress();
    window.repaint();
    QApplication::processEvents();
    state.PauseTiming();
    window.hide();
    state.ResumeTiming();
  }
  if (dialogs.shown > 0) state.SkipWithError("the window showed a message");
}
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
