// Review scheduling on a dictionary of 100,000 meanings with a card in each of the six game
// directions (600,000 cards): the due count of a day, and "Mark Due Words" with 10,000 meanings
// due. The marks are cleared between iterations, outside the timing.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "DictionaryGenerator.h"
#include "dictionary/Marks.h"
#include "dictionary/WordTables.h"
#include "review/CardStore.h"
#include "review/DueWords.h"
#include "store/DataModul.h"
#include "store/SqlStatement.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"

namespace {

constexpr int kMeanings = 100000;
constexpr int kDirections = 6;
constexpr int kDue = 10000;  // meanings with a card due on kToday
constexpr std::int64_t kToday = 2461000;

struct Fixture {
  Fixture() {
    bench::DictionaryOptions options;
    options.Meanings = kMeanings;
    options.MarkedShare = 0.0;
    bench::GenerateDictionaryFolder(folder.path().toStdString(), options);
    data = std::make_unique<TDataModul>(folder.path().toStdString());
    data->DataModuleCreate();
    store::SqlitePersistence& database = data->RUTable().Database();
    cards = std::make_unique<review::CardStore>(database);
    // Every kMeanings / kDue-th meaning has one card due today; the others are due later.
    store::BulkTransaction transaction(data->RUTable());
    store::SqlStatement insert(
        database,
        "INSERT INTO CARDS (Meaning, Direction, Stability, Difficulty, "
        "LastReview, Due, Reviews, Lapses) VALUES (?1, ?2, 3, 5, ?3, ?4, 1, 0)");
    store::Table& russian = data->RUTable();
    int n = 0;
    for (russian.First(); !russian.Eof(); russian.Next(), ++n) {
      const std::int64_t meaning = russian.FieldByName("Id").AsInteger();
      for (std::int64_t direction = 0; direction < kDirections; ++direction) {
        const bool due = n % (kMeanings / kDue) == 0 && direction == n % kDirections;
        insert.Bind(1, meaning).Bind(2, direction).Bind(3, kToday - 3);
        insert.Bind(4, due ? kToday : kToday + 1 + (n + direction) % 30).Run();
      }
    }
    transaction.Commit();
  }

  dictionary::WordTables Tables() { return {data->RUTable(), data->HETable(), data->ENTable()}; }

  QTemporaryDir folder;
  std::unique_ptr<TDataModul> data;
  std::unique_ptr<review::CardStore> cards;
};

Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

void BM_DueCount(benchmark::State& state) {
  Fixture& fixture = TheFixture();
  for (auto _ : state) {
    if (fixture.cards->DueCount(kToday) != kDue) state.SkipWithError("wrong due count");
  }
  state.counters["cards"] = kMeanings * kDirections;
}
BENCHMARK(BM_DueCount)->Unit(benchmark::kMillisecond);

void BM_MarkDueWords(benchmark::State& state) {
  Fixture& fixture = TheFixture();
  for (auto _ : state) {
    state.PauseTiming();
    dictionary::ClearAllMarks(fixture.Tables());
    state.ResumeTiming();
    const int marked = review::MarkDueWords(fixture.Tables(), *fixture.cards, kToday, 0);
    if (marked != kDue) state.SkipWithError("not every due meaning was marked");
  }
  state.counters["meanings"] = kDue;
}
BENCHMARK(BM_MarkDueWords)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
