// The verb page of the word editor: the grid of the forms chosen by the verb-form mask, and the
// spelling and pronunciation memos of the selected form.

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/Add.h"
#include "editor/KeyFilter.h"
#include "speech/Formshare.h"
#include "text/Codepage.h"
#include "text/KeyBox.h"
#include "ui/CodepageValidator.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Instances.h"

namespace {

constexpr int kSpellingRow = 0;
constexpr int kColumnWidth = 104;
constexpr int kRowHeight = 30;
const QString kSelectCellHint = QStringLiteral("Select Cel in Grid");

QString Hebrew(const std::string& bytes) { return text::ToUnicode(bytes, text::Codepage::Win1255); }
QString Cyrillic(const std::string& bytes) {
  return text::ToUnicode(bytes, text::Codepage::Win1251);
}

// A cell of the spelling row, drawn in stored order.
QTableWidgetItem* SpellingCell(const std::string& spelling) {
  auto* cell = new QTableWidgetItem(ui::InStoredOrder(Hebrew(spelling)));
  cell->setTextAlignment(Qt::AlignCenter);
  return cell;
}

}  // namespace

QWidget* TFormAdd::BuildVerbPage() {
  TabSheet2 = new QWidget(PConVerb);
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));

  StrGridVerb = new QTableWidget(1, 1, TabSheet2);
  StrGridVerb->setObjectName(QStringLiteral("StrGridVerb"));
  StrGridVerb->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StrGridVerb->setSelectionMode(QAbstractItemView::SingleSelection);
  StrGridVerb->setSelectionBehavior(QAbstractItemView::SelectItems);
  StrGridVerb->verticalHeader()->hide();
  StrGridVerb->verticalHeader()->setDefaultSectionSize(kRowHeight);
  StrGridVerb->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  StrGridVerb->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  StrGridVerb->horizontalHeader()->setMinimumHeight(kRowHeight);
  StrGridVerb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StrGridVerb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StrGridVerb->setFixedHeight(2 * kRowHeight +
                              StrGridVerb->horizontalScrollBar()->sizeHint().height() +
                              2 * StrGridVerb->frameWidth());

  Label7 = new QLabel(QStringLiteral("Spelling"), TabSheet2);
  Label7->setObjectName(QStringLiteral("Label7"));
  MemoShov = new ui::DisplayOrderEdit(TabSheet2);
  MemoShov->setObjectName(QStringLiteral("MemoShov"));
  Label8 = new QLabel(QStringLiteral("Pronunciation"), TabSheet2);
  Label8->setObjectName(QStringLiteral("Label8"));
  MemoShovRU = new QLineEdit(TabSheet2);
  MemoShovRU->setObjectName(QStringLiteral("MemoShovRU"));
  for (QLineEdit* memo : {static_cast<QLineEdit*>(MemoShov), MemoShovRU}) {
    memo->setToolTip(kSelectCellHint);
    memo->setAlignment(Qt::AlignCenter);
    memo->setReadOnly(true);
    SetVerbMemoColour(memo, false);
  }
  MemoShov->SetMaxTextLength(40);
  MemoShovRU->setMaxLength(40);
  ui::TakeOnly(text::Codepage::Win1255, ui::BoxText::Hebrew, MemoShov, *instances_.Dialogs);
  ui::TakeOnly(text::Codepage::Win1251, ui::BoxText::Russian, MemoShovRU, *instances_.Dialogs);
  Button1 = new QPushButton(QStringLiteral("Speack"), TabSheet2);
  Button1->setObjectName(QStringLiteral("Button1"));

  auto* memos = new QHBoxLayout;
  auto* spelling = new QVBoxLayout;
  spelling->addWidget(Label7);
  spelling->addWidget(MemoShov);
  auto* pronunciation = new QVBoxLayout;
  pronunciation->addWidget(Label8);
  pronunciation->addWidget(MemoShovRU);
  memos->addLayout(spelling, 1);
  memos->addLayout(pronunciation, 1);
  memos->addWidget(Button1, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(TabSheet2);
  layout->addWidget(StrGridVerb);
  layout->addLayout(memos);
  layout->addStretch();
  return TabSheet2;
}

void TFormAdd::ConnectVerbPage() {
  ui::Dialogs& dialogs = *instances_.Dialogs;
  const auto select = ui::Guarded(dialogs, [this](int row, int column) {
    if (row == kSpellingRow && column >= 0) StrGridVerbSelectCell(column);
  });
  connect(StrGridVerb, &QTableWidget::currentCellChanged, this, select);
  connect(StrGridVerb, &QTableWidget::cellClicked, this, select);
  connect(Button1, &QPushButton::clicked, this, ui::Guarded(dialogs, [this] { Button1Click(); }));
  HandleKeys(
      MemoShov,
      [](QChar typed) {
        return text::TypeKey(text::KeyBox::MemoShov, text::Language::Hebrew, typed);
      },
      true, [this] { MemoShovEnter(); }, [this] { MemoShovExit(); });
  HandleKeys(
      MemoShovRU,
      [this](QChar typed) -> std::optional<QChar> {
        const auto letter = editor::HintKey(Layout, typed.unicode(), text::Codepage::Win1251);
        if (letter) return *letter;
        return std::nullopt;
      },
      false, [this] { MemoShovRUEnter(); }, [this] { MemoShovRUExit(); });
  BuildConjugateCommand();
}

bool TFormAdd::VerbPageShowing() const { return PConVerb->currentWidget() == TabSheet2; }

void TFormAdd::PConVerbChange() {
  if (VerbPageShowing()) BuildVerbGrid();
}

void TFormAdd::BuildVerbGrid() {
  if (!VerbPageShowing()) return;
  VerbForms.Build(instances_.Share->VerbFormMask());
  ShowVerbGrid();
  MemoShov->SetText(Hebrew(VerbForms.VerbSpelling[editor::kPresentMasculine]));
  MemoShovRU->setText(Cyrillic(VerbForms.VerbPronunciation[editor::kPresentMasculine]));
}

void TFormAdd::ShowVerbGrid() {
  const QSignalBlocker blocker(StrGridVerb);
  const auto& columns = VerbForms.Columns;
  StrGridVerb->setColumnCount(static_cast<int>(columns.size()));
  for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
    StrGridVerb->setHorizontalHeaderItem(
        column, new QTableWidgetItem(ui::InStoredOrder(Hebrew(columns[column].label))));
    StrGridVerb->setItem(kSpellingRow, column, SpellingCell(columns[column].spelling));
  }
  // The selected column stands for the form the memos show.
  StrGridVerb->setCurrentCell(kSpellingRow, VerbForms.VerbColumn);
}

void TFormAdd::StrGridVerbSelectCell(int column) {
  const auto selected = VerbForms.Select(column);
  if (!selected) return;
  const auto& [spelling, pronunciation] = *selected;
  MemoShov->SetText(Hebrew(spelling));
  MemoShovRU->setText(Cyrillic(pronunciation));
  MemoShov->setReadOnly(false);
  MemoShovRU->setReadOnly(false);
}

void TFormAdd::SetVerbMemoColour(QLineEdit* memo, bool focused) {
  QPalette palette = memo->palette();
  palette.setColor(QPalette::Base, focused ? QPalette().color(QPalette::Base)
                                           : QPalette().color(QPalette::ToolTipBase));
  memo->setPalette(palette);
}

void TFormAdd::MemoShovEnter() { SetVerbMemoColour(MemoShov, true); }

void TFormAdd::MemoShovExit() {
  SetVerbMemoColour(MemoShov, false);
  const std::string spelling = text::FromUnicode(MemoShov->Text(), text::Codepage::Win1255);
  for (const auto& [column, cell] : VerbForms.LeaveSpelling(spelling)) {
    StrGridVerb->setItem(kSpellingRow, column, SpellingCell(cell));
  }
}

void TFormAdd::MemoShovRUEnter() {
  SetVerbMemoColour(MemoShovRU, true);
  Layout.Activate(editor::kLayoutRussian);
}

void TFormAdd::MemoShovRUExit() {
  SetVerbMemoColour(MemoShovRU, false);
  VerbForms.LeavePronunciation(text::FromUnicode(MemoShovRU->text(), text::Codepage::Win1251));
}

void TFormAdd::TakeVerbMemos() {
  if (MemoShov->hasFocus()) MemoShovExit();
  if (MemoShovRU->hasFocus()) MemoShovRUExit();
}

void TFormAdd::Button1Click() {
  instances_.Share->QueueSpeech(text::Language::Hebrew,
                                text::FromUnicode(MemoShovRU->text(), text::Codepage::Win1251));
}
