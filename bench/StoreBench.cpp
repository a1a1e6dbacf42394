// Benchmarks of the table store on a synthetic dictionary of 100,000 meanings (300,000 word
// records): opening the data module, the store's heap, building the Hebrew word and root
// indexes, nearest-key lookup and filter switching.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QTemporaryDir>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "DictionaryGenerator.h"
#include "store/Collation.h"
#include "store/DataModul.h"

namespace {

constexpr int kMeanings = 100000;
constexpr double kMiB = 1024.0 * 1024.0;

// The working directory of the large dictionary, generated once per run.
const std::filesystem::path& LargeDictionary() {
  static QTemporaryDir dir;
  static const std::filesystem::path path = [] {
    const std::filesystem::path workingDirectory = dir.path().toStdString();
    bench::DictionaryOptions options;
    options.Meanings = kMeanings;
    bench::GenerateDictionaryFolder(workingDirectory, options);
    return workingDirectory;
  }();
  return path;
}

// The data module opened once on the large dictionary, shared by the lookup benchmarks.
TDataModul& OpenModule() {
  static const std::unique_ptr<TDataModul> module = [] {
    auto opened = std::make_unique<TDataModul>(LargeDictionary());
    opened->DataModuleCreate();
    return opened;
  }();
  return *module;
}

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void BM_OpenDataModule(benchmark::State& state) {
  const std::filesystem::path& workingDirectory = LargeDictionary();
  for (auto _ : state) {
    auto module = std::make_unique<TDataModul>(workingDirectory);
    module->DataModuleCreate();
    benchmark::DoNotOptimize(module->RUTable().RecordCount());
    state.PauseTiming();
    module.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDataModule)->Unit(benchmark::kMillisecond)->Iterations(5);

// The heap the six open tables hold, for 300,000 word records and the verb tables: right after
// opening, and once every named index of the word tables has been built.
void BM_StoreMemory(benchmark::State& state) {
  const std::filesystem::path& workingDirectory = LargeDictionary();
  double opened = 0;
  double indexed = 0;
  int records = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    TDataModul module(workingDirectory);
    module.DataModuleCreate();
    opened = static_cast<double>(HeapInUse() - before) / kMiB;
    records = 0;
    for (store::Table* table : {&module.RUTable(), &module.HETable(), &module.ENTable()}) {
      for (const store::IndexDef& index : table->Definition().Indexes) {
        table->SetIndexName(index.Name);
      }
      records += table->RecordCount();
    }
    indexed = static_cast<double>(HeapInUse() - before) / kMiB;
  }
  state.counters["heap_MiB_open"] = opened;
  state.counters["heap_MiB_all_indexes"] = indexed;
  state.counters["word_records"] = records;
}
BENCHMARK(BM_StoreMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// Lower-case prefixes of existing Russian words, as a user types them into the search box.
std::vector<std::string> SearchPrefixes(store::Table& table, int count) {
  std::vector<std::string> prefixes;
  std::mt19937 random(7);
  for (int i = 0; i < count; ++i) {
    table.Locate("Id", 1 + static_cast<int>(random() % kMeanings));
    std::string word = table.FieldByName("Item").AsString();
    word.resize(std::min<std::size_t>(word.size(), 1 + random() % 4));
    for (char& c : word) c = static_cast<char>(store::FoldCase1251(static_cast<unsigned char>(c)));
    prefixes.push_back(word);
  }
  return prefixes;
}

void BM_FindNearestRussian(benchmark::State& state) {
  store::Table& table = OpenModule().RUTable();
  table.SetFiltered(false);
  table.SetIndexName("item_index");
  const std::vector<std::string> prefixes = SearchPrefixes(table, 1024);
  std::size_t i = 0;
  for (auto _ : state) {
    table.FindNearest(prefixes[i++ % prefixes.size()]);
    benchmark::DoNotOptimize(table.CurrentRow());
  }
}
BENCHMARK(BM_FindNearestRussian)->Unit(benchmark::kMicrosecond);

// Building the Hebrew word and root indexes of a freshly opened dictionary, as the program does
// right after its window is first painted.
void BM_BuildHebrewIndexes(benchmark::State& state) {
  const std::filesystem::path& workingDirectory = LargeDictionary();
  for (auto _ : state) {
    state.PauseTiming();
    auto module = std::make_unique<TDataModul>(workingDirectory);
    module->DataModuleCreate();
    state.ResumeTiming();
    module->HETable().BuildIndex("invert_index");
    module->HETable().BuildIndex("Root_index");
    state.PauseTiming();
    module.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BuildHebrewIndexes)->Unit(benchmark::kMillisecond)->Iterations(5);

// Prefixes of 1 to 4 letters of existing Hebrew words in reading order, as the word search box
// gives them.
void BM_FindNearestHebrew(benchmark::State& state) {
  store::Table& table = OpenModule().HETable();
  table.SetFiltered(false);
  std::vector<std::string> prefixes;
  std::mt19937 random(7);
  for (int i = 0; i < 1024; ++i) {
    table.Locate("id", 1 + static_cast<int>(random() % kMeanings));
    std::string word = table.FieldByName("Item_Invert").AsString();
    word.resize(std::min<std::size_t>(word.size(), 1 + random() % 4));
    prefixes.push_back(word);
  }
  table.SetIndexName("invert_index");
  std::size_t i = 0;
  for (auto _ : state) {
    table.FindNearest(prefixes[i++ % prefixes.size()]);
    benchmark::DoNotOptimize(table.CurrentRow());
  }
}
BENCHMARK(BM_FindNearestHebrew)->Unit(benchmark::kMicrosecond);

// Turning a filter on over RUWORDS (the time to turn it off again is not counted).
void BM_FilterSwitch(benchmark::State& state, const char* expression) {
  store::Table& table = OpenModule().RUTable();
  table.SetFiltered(false);
  table.SetIndexName("item_index");
  table.SetFilter(expression);
  for (auto _ : state) {
    table.SetFiltered(true);
    benchmark::DoNotOptimize(table.RecordCount());
    state.PauseTiming();
    table.SetFiltered(false);
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(BM_FilterSwitch, marked, "Select = '*'")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FilterSwitch, part_double_blanks,
                  "Part <> '0'  and  Part <> '1'  and  Part <> '3'  and  Topic = '4'")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
