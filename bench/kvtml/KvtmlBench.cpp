// Throughput of KVTML on 100,000 meanings (10% verbs with all their forms): the export of a
// synthetic dictionary into a file, and the import of that file into an empty dictionary (reading
// it and offering its meanings). As in the menu commands, the word tables' data sources are
// unbound while a run goes on.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "DictionaryGenerator.h"
#include "exchange/Export.h"
#include "exchange/ForeignImport.h"
#include "exchange/OutputFile.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "exchange/kvtml/KvtmlWriter.h"
#include "store/DataModul.h"
#include "store/DetachedSources.h"

namespace {

constexpr int kMeanings = 100000;

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

void Export(TDataModul& data, const QString& path) {
  const store::DetachedSources detached(data);
  const int count = exchange::SelectAllWords(data);
  exchange::OutputFile file(path);
  exchange::kvtml::WriteKvtml(file, exchange::ReadMeanings(data, count), QStringLiteral("Bench"));
  file.Commit();
  exchange::ReleaseWordFilters(data);
}

const QString& LargeFile() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.filePath("dictionary.kvtml");
    Export(LargeDictionary(), file);
    return file;
  }();
  return path;
}

void BM_KvtmlExportAllMeanings(benchmark::State& state) {
  TDataModul& data = LargeDictionary();
  QTemporaryDir dir;
  const QString path = dir.filePath("export.kvtml");
  for (auto _ : state) Export(data, path);
  state.SetItemsProcessed(state.iterations() * kMeanings);
  state.counters["MiB"] = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_KvtmlExportAllMeanings)->Unit(benchmark::kMillisecond)->Iterations(3);

// The parts on their own: reading the file into meanings, and writing meanings already read.
void BM_KvtmlReadOnly(benchmark::State& state) {
  QFile file(LargeFile());
  file.open(QIODevice::ReadOnly);
  const QByteArray bytes = file.readAll();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        exchange::kvtml::ReadKvtml({bytes.constData(), static_cast<std::size_t>(bytes.size())}));
  }
}
BENCHMARK(BM_KvtmlReadOnly)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_KvtmlWriteOnly(benchmark::State& state) {
  TDataModul& data = LargeDictionary();
  std::vector<exchange::ExchangeUnit> meanings;
  {
    const store::DetachedSources detached(data);
    meanings = exchange::ReadMeanings(data, exchange::SelectAllWords(data));
    exchange::ReleaseWordFilters(data);
  }
  QTemporaryDir dir;
  for (auto _ : state) {
    exchange::OutputFile file(dir.filePath("write.kvtml"));
    exchange::kvtml::WriteKvtml(file, meanings, QStringLiteral("Bench"));
    file.Commit();
  }
}
BENCHMARK(BM_KvtmlWriteOnly)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_KvtmlImportIntoEmptyDictionary(benchmark::State& state) {
  const QString& path = LargeFile();
  int taken = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto dir = std::make_unique<QTemporaryDir>();
    QDir(dir->path()).mkdir("data");
    auto data = std::make_unique<TDataModul>(dir->path().toStdString());
    data->DataModuleCreate();
    state.ResumeTiming();

    {
      QFile file(path);
      file.open(QIODevice::ReadOnly);
      const QByteArray bytes = file.readAll();
      const store::DetachedSources detached(*data);
      taken = exchange::ImportForeign(
                  *data, exchange::kvtml::ReadKvtml(
                             {bytes.constData(), static_cast<std::size_t>(bytes.size())}))
                  .Taken;
    }

    state.PauseTiming();
    data.reset();
    dir.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * taken);
  state.counters["taken"] = taken;
}
BENCHMARK(BM_KvtmlImportIntoEmptyDictionary)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
