// Throughput of the exchange document on 100,000 meanings: the export of a synthetic dictionary
// (10% verbs with all their forms) and the import of that export into an empty dictionary. As in
// the menu commands, the word tables' data sources are unbound while a run goes on.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "DictionaryGenerator.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "store/DataModul.h"
#include "store/DetachedSources.h"

namespace {

constexpr int kMeanings = 100000;

// The large dictionary, generated once per run and opened once.
TDataModul& LargeDictionary() {
  static QTemporaryDir dir;
  static const std::unique_ptr<TDataModul> module = [] {
    const std::filesystem::path workingDirectory = dir.path().toStdString();
    bench::DictionaryOptions options;
    options.Meanings = kMeanings;
    bench::GenerateDictionaryFolder(workingDirectory, options);
    auto opened = std::make_unique<TDataModul>(workingDirectory);
    opened->DataModuleCreate();
    return opened;
  }();
  return *module;
}

// A document of every meaning of the large dictionary, written once per run.
const QString& LargeDocument() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.filePath("dictionary.xml");
    TDataModul& data = LargeDictionary();
    exchange::ExportDocument(data, file, exchange::SelectAllWords(data), "01.01.2026");
    return file;
  }();
  return path;
}

void BM_ExportAllMeanings(benchmark::State& state) {
  TDataModul& data = LargeDictionary();
  QTemporaryDir dir;
  const QString path = dir.filePath("export.xml");
  for (auto _ : state) {
    const store::DetachedSources detached(data);
    const int count = exchange::SelectAllWords(data);
    exchange::ExportDocument(data, path, count, "01.01.2026");
    exchange::ReleaseWordFilters(data);
  }
  state.SetItemsProcessed(state.iterations() * kMeanings);
  state.counters["MiB"] = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ExportAllMeanings)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportIntoEmptyDictionary(benchmark::State& state) {
  const QString& document = LargeDocument();
  int added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto dir = std::make_unique<QTemporaryDir>();
    QDir(dir->path()).mkdir("data");
    auto data = std::make_unique<TDataModul>(dir->path().toStdString());
    data->DataModuleCreate();
    state.ResumeTiming();

    {
      const store::DetachedSources detached(*data);
      added = exchange::ImportDocument(*data, document).Added;
    }

    state.PauseTiming();
    data.reset();
    dir.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * added);
  state.counters["added"] = added;
}
BENCHMARK(BM_ImportIntoEmptyDictionary)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
