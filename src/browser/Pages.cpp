// The three language pages of the main window: building them, binding their grids to the word
// tables, and routing the keys of the search boxes and grids to their handlers.

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <initializer_list>

#include "app/Find.h"
#include "browser/GridBinding.h"
#include "browser/GridDelegate.h"
#include "browser/RowIndicator.h"
#include "dictionary/MeaningFields.h"
#include "store/DataModul.h"
#include "store/FieldCodec.h"
#include "ui/CodepageValidator.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Fonts.h"
#include "ui/Instances.h"
#include "ui/PanelStatusBar.h"

namespace {

// Tabs drawn as buttons.
const QString kButtonTabs = QStringLiteral(
    "QTabBar::tab { border: 1px solid palette(mid); border-radius: 3px; padding: 3px 14px;"
    " margin: 2px 2px 4px 2px; background: palette(button); }"
    "QTabBar::tab:selected { background: palette(midlight); border: 1px solid palette(dark);"
    " font-weight: bold; }");

QTableView* MakeGrid(QWidget* page, const char* name, Qt::Alignment wordAlignment) {
  auto* grid = new QTableView(page);
  grid->setObjectName(QLatin1String(name));
  grid->setFont(ui::WordFont());
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setShowGrid(true);
  grid->setWordWrap(false);
  grid->setLayoutDirection(Qt::LeftToRight);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid->horizontalHeader()->setMinimumSectionSize(24);
  // The word column leaves the rest of the grid to the mark column (see FormPaint), so nothing
  // scrolls sideways.
  grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setVerticalHeader(new browser::RowIndicator(grid));
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  grid->setItemDelegate(new browser::GridDelegate(wordAlignment, grid));
  return grid;
}

// A plain square frame: the search boxes repaint on every keystroke, and a page-wide rounded
// frame costs more to draw than the search itself.
const QString kSearchBoxStyle = QStringLiteral(
    "QLineEdit { border: 1px solid palette(mid); padding: 1px 3px; background: palette(base); }"
    "QLineEdit:focus { border: 1px solid palette(highlight); }");

QLineEdit* MakeSearchBox(QLineEdit* box, const char* name) {
  box->setObjectName(QLatin1String(name));
  box->setFont(ui::WordFont());
  box->setStyleSheet(kSearchBoxStyle);
  return box;
}

}  // namespace

void TFormSelect::BuildPages() {
  QWidget* central = centralWidget();
  ClientArea = new QWidget(central);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));

  PageControl1 = new QTabWidget(central);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->tabBar()->setStyleSheet(kButtonTabs);
  PageControl1->setDocumentMode(true);

  SheetRU = new QWidget;
  SheetRU->setObjectName(QStringLiteral("SheetRU"));
  Edit3 = MakeSearchBox(new QLineEdit(SheetRU), "Edit3");
  DBGrid3 = MakeGrid(SheetRU, "DBGrid3", Qt::AlignLeft);
  PageControl1->addTab(SheetRU, QStringLiteral("Russian"));

  SheetHE = new QWidget;
  SheetHE->setObjectName(QStringLiteral("SheetHE"));
  Memo1 = new ui::DisplayOrderEdit(SheetHE);
  Memo2 = new ui::DisplayOrderEdit(SheetHE);
  for (ui::DisplayOrderEdit* box : {Memo1, Memo2}) box->setAlignment(Qt::AlignRight);
  MakeSearchBox(Memo1, "Memo1")->setToolTip(QStringLiteral("Search of Word"));
  MakeSearchBox(Memo2, "Memo2")->setToolTip(QStringLiteral("Search of Root"));
  DBGrid2 = MakeGrid(SheetHE, "DBGrid2", Qt::AlignRight);
  PageControl1->addTab(SheetHE, QStringLiteral("Hebrew"));

  SheetEN = new QWidget;
  SheetEN->setObjectName(QStringLiteral("SheetEN"));
  Edit1 = MakeSearchBox(new QLineEdit(SheetEN), "Edit1");
  DBGrid1 = MakeGrid(SheetEN, "DBGrid1", Qt::AlignLeft);
  PageControl1->addTab(SheetEN, QStringLiteral("English"));

  StatusBar->setFont(ui::WordFont());

  connect(PageControl1, &QTabWidget::currentChanged, this, ui::Guarded(dialogs_, [this](int index) {
            QWidget* page = PageControl1->widget(index);
            if (page == SheetRU) SheetRUShow();
            if (page == SheetHE) SheetHEShow();
            if (page == SheetEN) SheetENShow();
          }));
  connect(Edit3, &QLineEdit::textChanged, this, ui::Guarded(dialogs_, [this] { Edit3Change(); }));
  connect(Memo1, &ui::DisplayOrderEdit::TextChanged, this,
          ui::Guarded(dialogs_, [this] { Memo1Change(); }));
  connect(Memo2, &ui::DisplayOrderEdit::TextChanged, this,
          ui::Guarded(dialogs_, [this] { Memo2Change(); }));
  connect(Edit1, &QLineEdit::textChanged, this, ui::Guarded(dialogs_, [this] { Edit1Change(); }));
  for (QObject* watched :
       std::initializer_list<QObject*>{Edit3, Memo1, Memo2, Edit1, DBGrid3, DBGrid2, DBGrid1}) {
    watched->installEventFilter(this);
  }

  const auto connectGrid = [this](QTableView* grid, void (TFormSelect::*cellClick)(int),
                                  void (TFormSelect::*dblClick)()) {
    connect(grid, &QAbstractItemView::clicked, this,
            ui::Guarded(dialogs_, [this, cellClick](const QModelIndex& index) {
              (this->*cellClick)(index.column());
            }));
    connect(grid, &QAbstractItemView::doubleClicked, this,
            ui::Guarded(dialogs_, [this, dblClick] { (this->*dblClick)(); }));
  };
  connectGrid(DBGrid3, &TFormSelect::DBGrid3CellClick, &TFormSelect::DBGrid3DblClick);
  connectGrid(DBGrid2, &TFormSelect::DBGrid2CellClick, &TFormSelect::DBGrid2DblClick);
  connectGrid(DBGrid1, &TFormSelect::DBGrid1CellClick, &TFormSelect::DBGrid1DblClick);
}

void TFormSelect::AttachData() {
  TDataModul& data = *instances_.DataModul;
  const auto bind = [this](QTableView* grid, store::DataSource& source,
                           void (TFormSelect::*columnEntered)()) {
    // The word, then the mark at kMarkColumn.
    source.SetColumns({{"Item", QStringLiteral("Words")}, {dictionary::kMarkField, {}}});
    std::function<void()> entered;
    if (columnEntered != nullptr) entered = [this, columnEntered] { (this->*columnEntered)(); };
    new browser::GridBinding(grid, source, dialogs_, std::move(entered));
  };
  bind(DBGrid3, data.DSRU(), nullptr);
  bind(DBGrid2, data.DSHE(), &TFormSelect::DBGrid2ColEnter);
  bind(DBGrid1, data.DSEN(), &TFormSelect::DBGrid1ColEnter);
  // A search box takes only what the words it searches can hold.
  const auto takeOnly = [this](QLineEdit* box, store::Table& table, ui::BoxText text) {
    ui::TakeOnly(store::CodepageOf(table.FieldByName("Item").Encoding()), text, box, dialogs_);
  };
  takeOnly(Edit3, data.RUTable(), ui::BoxText::Russian);
  takeOnly(Memo1, data.HETable(), ui::BoxText::Hebrew);
  takeOnly(Memo2, data.HETable(), ui::BoxText::Hebrew);
  takeOnly(Edit1, data.ENTable(), ui::BoxText::English);
  FormPaint();
}

void TFormSelect::SheetRUShow() { InputLanguage = text::Language::Russian; }
void TFormSelect::SheetHEShow() { InputLanguage = text::Language::Hebrew; }
void TFormSelect::SheetENShow() { InputLanguage = text::Language::English; }

// Search boxes: typed characters go through the keyboard mapping of the box; key releases reach
// the caret step-back of the Hebrew boxes. Grids: key releases reach their handlers. Menu
// shortcuts take precedence over the editing keys of the search boxes.
bool TFormSelect::eventFilter(QObject* watched, QEvent* event) {
  if (replacingKey_) return false;
  const auto* key = dynamic_cast<QKeyEvent*>(event);
  if (key == nullptr) return QMainWindow::eventFilter(watched, event);

  const auto keyUp = [this, watched](int code) {
    ui::RunGuarded(dialogs_, [&] {
      if (watched == Memo1) Memo1KeyUp(code);
      if (watched == Memo2) Memo2KeyUp(code);
      if (watched == DBGrid3) DBGrid3KeyUp(code);
      if (watched == DBGrid2) DBGrid2KeyUp(code);
      if (watched == DBGrid1) DBGrid1KeyUp(code);
    });
  };

  using KeyPress = void (TFormSelect::*)(QChar&);
  KeyPress press = nullptr;
  if (watched == Edit3) press = &TFormSelect::Edit3KeyPress;
  if (watched == Memo1) press = &TFormSelect::Memo1KeyPress;
  if (watched == Memo2) press = &TFormSelect::Memo2KeyPress;
  if (watched == Edit1) press = &TFormSelect::Edit1KeyPress;

  if (event->type() == QEvent::ShortcutOverride && press != nullptr) {
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : Menu->findChildren<QAction*>()) {
      if (action->isEnabled() && action->shortcut() == pressed) {
        event->ignore();
        return true;
      }
    }
    return false;
  }

  if (event->type() == QEvent::KeyPress && press != nullptr && key->text().size() == 1 &&
      !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    const QChar typed = key->text().front();
    if (!typed.isPrint() && typed != QLatin1Char('\b')) return false;
    QChar letter = typed;
    (this->*press)(letter);
    // A held key types its letter again: in a Hebrew box the repeat first steps back past the
    // letter before it, as that keystroke's release would, so each goes in to its left.
    if (key->isAutoRepeat() && !letter.isNull()) keyUp(key->key());
    if (letter == typed) return false;
    if (!letter.isNull()) {
      QKeyEvent replacement(QEvent::KeyPress, key->key(), key->modifiers(), QString(letter),
                            key->isAutoRepeat(), key->count());
      replacingKey_ = true;
      QCoreApplication::sendEvent(watched, &replacement);
      replacingKey_ = false;
    }
    return true;
  }

  // The releases a held key repeats are not releases.
  if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) keyUp(key->key());
  return QMainWindow::eventFilter(watched, event);
}
