// The main window's lesson commands: "Begin Lesson", "Mark Due Words", "Speack/Start",
// "Pause"/"Continue", the tool-bar toggle, and the two lesson timers.

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "app/Find.h"
#include "lesson/Formsele.h"
#include "lesson/LessonAssembly.h"
#include "review/DueWords.h"
#include "review/GameReviews.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "store/DetachedSources.h"
#include "store/Error.h"
#include "ui/DetachedWork.h"
#include "ui/EventGuard.h"
#include "ui/PanelStatusBar.h"

namespace {

const QString kPause = QStringLiteral("Pause");
const QString kContinue = QStringLiteral("Continue");

// The rows selected in `grid`, in the grid's row order, as bookmarks of its table.
std::vector<store::Bookmark> SelectedRows(const QTableView* grid, const store::Table& table) {
  std::vector<int> rows;
  if (grid->selectionModel() != nullptr) {
    for (const QModelIndex& index : grid->selectionModel()->selectedRows()) {
      rows.push_back(index.row());
    }
  }
  std::sort(rows.begin(), rows.end());
  std::vector<store::Bookmark> bookmarks;
  for (int row : rows) bookmarks.push_back(table.BookmarkAtRow(row));
  return bookmarks;
}

}  // namespace

void TFormSelect::ConnectLessonHandlers() {
  const auto on = [this](auto* sender, auto signal, void (TFormSelect::*handler)()) {
    connect(sender, signal, this, ui::Guarded(dialogs_, [this, handler] { (this->*handler)(); }));
  };
  on(NTeachBegin, &QAction::triggered, &TFormSelect::NTeachBeginClick);
  on(NMarkDue, &QAction::triggered, &TFormSelect::NMarkDueClick);
  on(NTalk, &QAction::triggered, &TFormSelect::NTalkClick);
  on(NPausa, &QAction::triggered, &TFormSelect::NPausaClick);
  on(SPSpeak1, &QToolButton::clicked, &TFormSelect::SPSpeak1Click);
  on(TimerSelSpeech, &QTimer::timeout, &TFormSelect::TimerSelSpeechTimer);
  on(TimerWithautSpeech, &QTimer::timeout, &TFormSelect::TimerWithautSpeechTimer);
  on(NVocamirDel, &QAction::triggered, &TFormSelect::NVocamirDelClick);
  on(NVocamirDelAll, &QAction::triggered, &TFormSelect::NVocamirDelAllClick);
  on(NVocamirClose, &QAction::triggered, &TFormSelect::NVocamirCloseClick);
  on(SpeedButton6, &QToolButton::clicked, &TFormSelect::NVocamirDelClick);
  on(SpeedButton12, &QToolButton::clicked, &TFormSelect::NVocamirDelAllClick);
  on(SpeedButton16, &QToolButton::clicked, &TFormSelect::NVocamirCloseClick);
}

QTimer* TFormSelect::LessonTimer() const {
  const bool speech = instances_.Share != nullptr && instances_.Share->SpeechAvailable();
  return speech ? TimerSelSpeech : TimerWithautSpeech;
}

void TFormSelect::NTeachBeginClick() {
  BlankStatus();
  SetWorkMode(2, false);
  TDataModul& data = *instances_.DataModul;
  const text::Language language = ActiveLanguage();
  const QTableView* grid = language == text::Language::Russian  ? DBGrid3
                           : language == text::Language::Hebrew ? DBGrid2
                                                                : DBGrid1;
  // Bookmarks outlive the filters, which the assembly turns off before it reads them.
  const std::vector<store::Bookmark> rows =
      SelectedRows(grid, dictionary::TableOf(Tables(), language));
  std::optional<QString> failure;
  try {
    ui::RunDetached(
        *this,
        [&data] {
          return store::DetachedSources({{&data.DSRU(), &data.RUTable()},
                                         {&data.DSHE(), &data.HETable()},
                                         {&data.DSEN(), &data.ENTable()},
                                         {&data.DSSel(), &data.SelWordTable()}});
        },
        [&] { lesson::AssembleLesson(Tables(), language, rows, data.SelWordTable()); });
  } catch (const store::Error& error) {
    // The meanings added before the failure make a lesson all the same.
    failure = QString::fromUtf8(error.what());
  }
  ClearGridSelections();
  TFormSel& lessonWindow = *instances_.FormSel;
  lessonWindow.show();
  lessonWindow.raise();
  lessonWindow.FormActivate();
  if (failure) dialogs_.Error(*failure);
}

void TFormSelect::NMarkDueClick() {
  if (RefusedReadOnly()) return;
  BlankStatus();
  TDataModul& data = *instances_.DataModul;
  const review::CardStore cards(data.RUTable().Database());
  const std::int64_t today = review::DayOf(review::SystemTime());
  const int newWords =
      instances_.Share != nullptr ? instances_.Share->Review().NewWords : review::kDefaultNewWords;
  // The walk over the due meanings runs with the grids unbound.
  ui::RunDetached(
      *this, [&data] { return store::DetachedSources(data); },
      [&] { review::MarkDueWords(Tables(), cards, today, newWords); });
  ClearGridSelections();
  ApplyFilters();
  StatusBar->SetPanelText(0, QStringLiteral("Due today: %1").arg(cards.DueCount(today)));
}

void TFormSelect::NTalkClick() {
  instances_.FormSel->Player().Start(instances_.Share->VerbFormMask());
  LessonTimer()->start();
  NPausa->setText(kPause);
}

void TFormSelect::NPausaClick() {
  QLabel* display = instances_.FormSel->MShow;
  if (NPausa->text() == kPause) {
    NPausa->setText(kContinue);
    display->hide();
    LessonTimer()->stop();
  } else {
    NPausa->setText(kPause);
    display->show();
    LessonTimer()->start();
  }
}

void TFormSelect::SPSpeak1Click() {
  if (SPSpeak1->isChecked()) {
    NTalkClick();
  } else {
    NPausaClick();
  }
}

void TFormSelect::TimerSelSpeechTimer() { instances_.FormSel->Player().SpeakingTick(); }

void TFormSelect::TimerWithautSpeechTimer() { instances_.FormSel->Player().SilentTick(); }

void TFormSelect::LessonOver() {
  LessonTimer()->stop();
  SPSpeak1->setChecked(false);
}
