// The incremental search as the user meets it: a six-letter word typed key by key into the
// Russian search box of the main window over a dictionary of 100,000 meanings. Each keystroke
// runs the keyboard mapping, the nearest-key search, both partner lookups, the status bar and the
// grid's repaint. One iteration is one keystroke.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "DictionaryGenerator.h"
#include "app/Find.h"
#include "browser/DictionarySearch.h"
#include "store/DataModul.h"
#include "store/FieldCodec.h"
#include "text/Codepage.h"
#include "ui/Dialogs.h"
#include "ui/Instances.h"

namespace {

constexpr int kMeanings = 100000;
constexpr int kWordLength = 6;

// Answers every question as if the user closed the box; a benchmark asks nobody.
class SilentDialogs final : public ui::Dialogs {
 public:
  ui::Answer Show(const ui::MessageRequest& request) override {
    ++shown;
    return request.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No;
  }
  QString OpenFileName(const ui::FileRequest&) override { return {}; }
  QString SaveFileName(const ui::FileRequest&) override { return {}; }
  void PrintPreview(const std::function<void(QPrinter&)>&) override {}
  int shown = 0;
};

// The main window over the large dictionary, shown offscreen, built once per run.
struct Fixture {
  Fixture() {
    bench::DictionaryOptions options;
    options.Meanings = kMeanings;
    bench::GenerateDictionaryFolder(folder.path().toStdString(), options);
    data = std::make_unique<TDataModul>(folder.path().toStdString());
    data->DataModuleCreate();
    instances.Dialogs = &dialogs;
    instances.DataModul = data.get();
    window = std::make_unique<TFormSelect>(instances);
    instances.FormSelect = window.get();
    window->AttachData();
    window->resize(1280, 800);
    window->show();
    QApplication::processEvents();
  }

  // A word of at least six letters from the middle of the Russian alphabetical order.
  QString WordToType() {
    store::Table& ru = data->RUTable();
    ru.SetIndexName("item_index");
    ru.First();
    for (int i = 0; i < kMeanings / 2; ++i) ru.Next();
    for (; !ru.Eof(); ru.Next()) {
      const store::Field item = ru.FieldByName("Item");
      const QString word = text::ToUnicode(item.AsString(), store::CodepageOf(item.Encoding()));
      if (word.size() >= kWordLength) return word.left(kWordLength);
    }
    return {};
  }

  QTemporaryDir folder;
  SilentDialogs dialogs;
  std::unique_ptr<TDataModul> data;
  Instances instances;
  std::unique_ptr<TFormSelect> window;
};

// Built on first use and destroyed before the application object.
std::unique_ptr<Fixture> shared;

Fixture& Shared() {
  if (!shared) shared = std::make_unique<Fixture>();
  return *shared;
}

// One keystroke as the keyboard delivers it: press and release with the character as text.
void Type(QWidget* box, QChar key) {
  const auto code = static_cast<Qt::Key>(key.toUpper().unicode());
  QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(key));
  QApplication::sendEvent(box, &press);
  QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(key));
  QApplication::sendEvent(box, &release);
  QApplication::processEvents();  // the grid and the status bar repaint
}

void BM_TypeRussianWord(benchmark::State& state) {
  Fixture& fixture = Shared();
  QLineEdit* box = fixture.window->Edit3;
  // The keys are typed in lower case, as a Russian keyboard layout gives them.
  const QString word = fixture.WordToType().toLower();
  if (word.size() != kWordLength) {
    state.SkipWithError("no six-letter word in the dictionary");
    return;
  }
  box->setFocus();
  // One iteration is one keystroke; after the sixth letter the box is emptied, untimed.
  int next = 0;
  for (auto _ : state) {
    Type(box, word[next]);
    if (++next == kWordLength) {
      state.PauseTiming();
      box->clear();
      QApplication::processEvents();
      next = 0;
      state.ResumeTiming();
    }
  }
  if (fixture.dialogs.shown != 0) state.SkipWithError("the search reported an error");
}
BENCHMARK(BM_TypeRussianWord)->Unit(benchmark::kMicrosecond);

// The same keystrokes without the window: the search and the partner lookups alone.
void BM_SearchRussianPrefixes(benchmark::State& state) {
  Fixture& fixture = Shared();
  const QString word = fixture.WordToType();
  TDataModul& data = *fixture.data;
  const browser::WordTables tables{data.RUTable(), data.HETable(), data.ENTable()};
  int length = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(browser::SearchRussian(tables, word.left(length)));
    length = length % kWordLength + 1;
  }
}
BENCHMARK(BM_SearchRussianPrefixes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  shared.reset();
  return 0;
}
