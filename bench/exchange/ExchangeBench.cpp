// Throughput of the exchange document and of other programs' files on 100,000 meanings: the export
// of a synthetic dictionary (10% verbs with all their forms) and the import of that export into an
// empty dictionary. As in the menu commands, the word tables' data sources are unbound while a run
// goes on.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>

#include "DictionaryGenerator.h"
#include "exchange/Export.h"
#include "exchange/ForeignFiles.h"
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

// Exports every meaning of the large dictionary to a file named `name` with `write(data, count,
// path)` per iteration.
template <typename Write>
void ExportAllMeanings(benchmark::State& state, const char* name, const Write& write) {
  TDataModul& data = LargeDictionary();
  QTemporaryDir dir;
  const QString path = dir.filePath(QString::fromLatin1(name));
  for (auto _ : state) {
    const store::DetachedSources detached(data);
    write(data, exchange::SelectAllWords(data), path);
    exchange::ReleaseWordFilters(data);
  }
  state.SetItemsProcessed(state.iterations() * kMeanings);
  state.counters["MiB"] = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
}

void BM_ExportAllMeanings(benchmark::State& state) {
  ExportAllMeanings(state, "export.xml", [](TDataModul& data, int count, const QString& path) {
    exchange::ExportDocument(data, path, count, "01.01.2026");
  });
}
BENCHMARK(BM_ExportAllMeanings)->Unit(benchmark::kMillisecond)->Iterations(3);

// Imports `file` into a new empty dictionary per iteration with `import`, which returns the
// meanings added.
template <typename Import>
void ImportIntoEmptyDictionary(benchmark::State& state, const Import& import) {
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
      added = import(*data);
    }

    state.PauseTiming();
    data.reset();
    dir.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * added);
  state.counters["added"] = added;
}

void BM_ImportIntoEmptyDictionary(benchmark::State& state) {
  const QString& document = LargeDocument();
  ImportIntoEmptyDictionary(
      state, [&](TDataModul& data) { return exchange::ImportDocument(data, document).Added; });
}
BENCHMARK(BM_ImportIntoEmptyDictionary)->Unit(benchmark::kMillisecond)->Iterations(2);

// Other programs' files: the export of every meaning, and the import of that export.
void BM_ExportForeign(benchmark::State& state, const char* name) {
  ExportAllMeanings(state, name, [](TDataModul& data, int count, const QString& path) {
    exchange::ExportForeignFile(data, count, path);
  });
}

// The file `name` of every meaning, written once per run.
const QString& ForeignFile(const char* name) {
  static QTemporaryDir dir;
  static std::map<std::string, QString> paths;
  QString& path = paths[name];
  if (path.isEmpty()) {
    path = dir.filePath(QString::fromLatin1(name));
    TDataModul& data = LargeDictionary();
    exchange::ExportForeignFile(data, exchange::SelectAllWords(data), path);
    exchange::ReleaseWordFilters(data);
  }
  return path;
}

void BM_ImportForeign(benchmark::State& state, const char* name) {
  const QString& path = ForeignFile(name);
  ImportIntoEmptyDictionary(
      state, [&](TDataModul& data) { return exchange::ImportForeignFile(data, path).Taken; });
}

// The file types other programs read, by the name a file of each takes.
constexpr const char* kForeignFiles[] = {"words.csv", "words.kvtml"};

[[maybe_unused]] const bool kRegistered = [] {
  for (const char* name : kForeignFiles) {
    benchmark::RegisterBenchmark((std::string("BM_Export/") + name).c_str(), BM_ExportForeign, name)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark((std::string("BM_Import/") + name).c_str(), BM_ImportForeign, name)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
