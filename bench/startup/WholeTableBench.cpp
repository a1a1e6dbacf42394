// The commands that walk the whole dictionary, timed as a user meets them: the main window shown
// offscreen over a dictionary of 100,000 meanings, every meaning marked. Per run, on a fresh copy
// of the dictionary for each: export of the marked words, a part-of-speech filter switched on
// and off again, and "Deselect". Each time includes the event loop's turn after the command (the
// grids follow and repaint). Prints the median of the runs.
//
// Usage: bench_whole_table [meanings] [runs]

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "DictionaryGenerator.h"
#include "app/Find.h"
#include "store/DataModul.h"
#include "ui/Dialogs.h"
#include "ui/Instances.h"

namespace {

namespace fs = std::filesystem;

// Answers "No" to every question and gives `exportPath` as the file to save to.
class SilentDialogs final : public ui::Dialogs {
 public:
  explicit SilentDialogs(QString exportPath) : exportPath_(std::move(exportPath)) {}
  ui::Answer Show(const ui::MessageRequest& request) override {
    ++shown;
    std::fprintf(stderr, "message: %s\n", request.text.toUtf8().constData());
    return request.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No;
  }
  QString OpenFileName(const ui::FileRequest&) override { return {}; }
  QString SaveFileName(const ui::FileRequest&) override { return exportPath_; }
  void PrintPreview(const std::function<void(QPrinter&)>&) override {}
  int shown = 0;

 private:
  QString exportPath_;
};

double Seconds(const std::function<void()>& command) {
  const auto start = std::chrono::steady_clock::now();
  command();
  QApplication::processEvents();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Times {
  double Export = 0;
  double Filter = 0;
  double Deselect = 0;
};

// The main window over a fresh copy of the dictionary; `command` is timed.
double TimeOnFreshCopy(const fs::path& dictionary,
                       const std::function<void(TFormSelect&)>& command) {
  QTemporaryDir work;
  const fs::path folder = work.path().toStdString();
  fs::copy(dictionary / "data", folder / "data", fs::copy_options::recursive);
  SilentDialogs dialogs(work.filePath("marked.xml"));
  auto data = std::make_unique<TDataModul>(folder);
  data->DataModuleCreate();
  Instances instances;
  instances.Dialogs = &dialogs;
  instances.DataModul = data.get();
  auto window = std::make_unique<TFormSelect>(instances);
  instances.FormSelect = window.get();
  window->AttachData();
  window->resize(1280, 800);
  window->show();
  QApplication::processEvents();
  const double seconds = Seconds([&] { command(*window); });
  window.reset();
  data.reset();
  return seconds;
}

// Each command on its own copy: export clears the marks it exported, so "Deselect" would find
// none after it.
Times RunOnce(const fs::path& dictionary) {
  Times times;
  times.Export =
      TimeOnFreshCopy(dictionary, [](TFormSelect& window) { window.Exportdata1Click(); });
  times.Filter = TimeOnFreshCopy(dictionary, [](TFormSelect& window) {
    window.SpBNoun->setChecked(true);
    window.SpBNounClick();
    QApplication::processEvents();
    window.SpeedButton23Click();
  });
  times.Deselect = TimeOnFreshCopy(dictionary, [](TFormSelect& window) { window.BitBtn1Click(); });
  return times;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  bench::DictionaryOptions options;
  options.Meanings = argc > 1 ? std::atoi(argv[1]) : 100000;
  options.MarkedShare = 1.0;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  QTemporaryDir generated;
  bench::GenerateDictionaryFolder(generated.path().toStdString(), options);

  std::vector<double> exports, filters, deselects;
  for (int run = 0; run < runs; ++run) {
    const Times times = RunOnce(generated.path().toStdString());
    exports.push_back(times.Export);
    filters.push_back(times.Filter);
    deselects.push_back(times.Deselect);
  }
  std::printf("| command (%d meanings, all marked) | median s |\n|---|---|\n", options.Meanings);
  std::printf("| export of the marked words | %.3f |\n", Median(exports));
  std::printf("| part-of-speech filter on and off | %.3f |\n", Median(filters));
  std::printf("| Deselect | %.3f |\n", Median(deselects));
  return 0;
}
