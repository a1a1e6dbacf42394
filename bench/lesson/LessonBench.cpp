// "Begin Lesson" on the marked path without a window: 10,000 marked meanings of a dictionary of
// 100,000 copied into the lesson list and unmarked. One iteration is one whole assembly; the
// marks are put back between iterations, outside the timing.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "DictionaryGenerator.h"
#include "dictionary/MeaningFields.h"
#include "dictionary/MeaningRecords.h"
#include "dictionary/WordTables.h"
#include "lesson/LessonAssembly.h"
#include "store/DataModul.h"

namespace {

constexpr int kMeanings = 100000;
constexpr int kMarked = 10000;

struct Fixture {
  Fixture() {
    bench::DictionaryOptions options;
    options.Meanings = kMeanings;
    options.MarkedShare = 0.0;
    bench::GenerateDictionaryFolder(folder.path().toStdString(), options);
    data = std::make_unique<TDataModul>(folder.path().toStdString());
    data->DataModuleCreate();
  }

  dictionary::WordTables Tables() { return {data->RUTable(), data->HETable(), data->ENTable()}; }

  // Marks the first kMarked meanings in Russian key order, in one transaction.
  void MarkMeanings() {
    const dictionary::WordTables tables = Tables();
    dictionary::SwitchFilters(tables, false);
    store::BulkTransaction transaction(tables.ru);
    tables.ru.SetIndexName("");
    tables.ru.First();
    for (int i = 0; i < kMarked && !tables.ru.Eof(); ++i, tables.ru.Next()) {
      dictionary::MeaningRecords meaning(tables, dictionary::Language::Russian);
      meaning.LocatePartners();
      meaning.SetMark(dictionary::kMark);
    }
    transaction.Commit();
  }

  QTemporaryDir folder;
  std::unique_ptr<TDataModul> data;
};

void BM_AssembleMarkedLesson(benchmark::State& state) {
  static Fixture fixture;
  for (auto _ : state) {
    state.PauseTiming();
    fixture.MarkMeanings();
    state.ResumeTiming();
    const int added = lesson::AssembleLesson(fixture.Tables(), dictionary::Language::Russian, {},
                                             fixture.data->SelWordTable());
    if (added != kMarked) state.SkipWithError("not every marked meaning was added");
  }
  state.counters["meanings"] = kMarked;
}
BENCHMARK(BM_AssembleMarkedLesson)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
