// The main window's menus, tool bars, modes, layout and About window, offscreen.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <map>
#include <memory>

#include "MainWindowFixture.h"
#include "app/Abaut.h"
#include "ui/DisplayOrder.h"
#include "ui/PanelStatusBar.h"

namespace {

class MainWindowTest : public test::MainWindowFixture {
 protected:
  QAction* Item(const char* name) { return Find<QAction>(name); }
  bool Shown(QWidget* widget) { return widget->isVisibleTo(window.get()); }

  // The state of everything a mode may change: visibility and enabled state of every menu item,
  // tool bar, tool button and page control.
  using State = std::map<std::string, std::pair<bool, bool>>;
  State Snapshot() {
    State state;
    for (QAction* action : window->Menu->findChildren<QAction*>()) {
      if (!action->objectName().isEmpty() && !action->objectName().startsWith("qt_")) {
        state[action->objectName().toStdString()] = {action->isVisible(), action->isEnabled()};
      }
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_") &&
          !qobject_cast<QMenu*>(widget)) {
        state[widget->objectName().toStdString()] = {Shown(widget), widget->isEnabled()};
      }
    }
    return state;
  }
  // The names whose state differs between two snapshots.
  static std::vector<std::string> Changed(const State& a, const State& b) {
    std::vector<std::string> names;
    for (const auto& [name, state] : a) {
      const auto other = b.find(name);
      if (other == b.end() || other->second != state) names.push_back(name);
    }
    return names;
  }
};

TEST_F(MainWindowTest, StartState) {
  Window();
  EXPECT_EQ(window->windowTitle(), "Vocamir ");
  EXPECT_TRUE(Shown(window->Menu1));
  EXPECT_TRUE(Shown(window->MenuSound));
  for (QToolBar* bar : {window->Menu2, window->Menu3, window->Menu5}) EXPECT_FALSE(Shown(bar));
  for (const char* off : {"NInfo", "NVocamirClose", "NTalk", "NPausa", "NVocamirDel",
                          "NVocamirDelAll", "NGameClose", "NGameType", "NGameSpeak"}) {
    EXPECT_FALSE(Item(off)->isEnabled()) << off;
  }
  for (const char* on : {"NNew", "NEdit", "NSelect", "NDel", "NTeachBegin", "NGameBegin", "Print1",
                         "NProgress", "Speech1", "N3", "NExit", "Exportdata1", "Importdata1"}) {
    EXPECT_TRUE(Item(on)->isEnabled()) << on;
  }
  EXPECT_TRUE(window->NRUHE->isChecked());
  for (QAction* other : {window->NHERU, window->NRUEN, window->NENRU, window->NENHE, window->NHEEN,
                         window->N8, window->N10, window->N11}) {
    EXPECT_FALSE(other->isChecked()) << other->objectName().toStdString();
  }
  EXPECT_EQ(window->PageControl1->currentWidget(), window->SheetRU);
  EXPECT_EQ(window->InputLanguage, text::Language::Russian);
  EXPECT_EQ(window->CBTheme->currentIndex(), 0);
  EXPECT_EQ(window->CBTheme->count(), 16);
  EXPECT_EQ(window->CBTheme->itemText(15), "Slang");
  EXPECT_FALSE(window->TimerSelSpeech->isActive());
  EXPECT_EQ(window->TimerSelSpeech->interval(), 100);
  EXPECT_EQ(window->TimerWithautSpeech->interval(), 1300);
  EXPECT_EQ(window->ExportData.filter,
            "XML|*.xml|KVTML (Parley, KWordQuiz)|*.kvtml|Comma-separated text|*.csv|"
            "Tab-separated text|*.tsv *.txt|Flashcard package with sounds|*.apkg");
  EXPECT_EQ(window->ImportData.filter,
            "XML|*.xml|KVTML (Parley, KWordQuiz)|*.kvtml|Comma-separated text|*.csv|"
            "Tab-separated text|*.tsv *.txt");
  EXPECT_EQ(window->ImportData.defaultExtension, "xml");
}

struct MenuRow {
  const char* name;
  const char* caption;
  QKeySequence shortcut;
};

TEST_F(MainWindowTest, MenuItemsCarryTheirCaptionsAndShortcuts) {
  const MenuRow rows[] = {
      {"NTransl", "Dictionary", {}},
      {"NNew", "Add word", QKeySequence(Qt::CTRL | Qt::Key_A)},
      {"NEdit", "Edit word", QKeySequence(Qt::CTRL | Qt::Key_Space)},
      {"NSelect", "Select", QKeySequence(Qt::Key_Insert)},
      {"NDel", "Delete word", {}},
      {"N7", "Sound", {}},
      {"N8", "Russian", {}},
      {"N10", "Hebrew", {}},
      {"N11", "English", {}},
      {"NInfo", "Data", {}},
      {"N4", "Save", QKeySequence(Qt::Key_F2)},
      {"N5", "Cancel", QKeySequence(Qt::Key_Escape)},
      {"Exportdata1", "Export data", {}},
      {"Importdata1", "Import data", {}},
      {"NTich", "Learn words", {}},
      {"NTeachBegin", "Begin Lesson", QKeySequence(Qt::Key_F3)},
      {"NVocamirClose", "End Lesson", QKeySequence(Qt::Key_Escape)},
      {"NTalk", "Speack/Start", QKeySequence(Qt::Key_F5)},
      {"NPausa", "Pause", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
      {"Print1", "Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"NProgress", "Progress", {}},
      {"NVocamirDel", "Delete word", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
      {"NVocamirDelAll", "Delete All", {}},
      {"NGame", "Game", {}},
      {"NGameBegin", "Begin", QKeySequence(Qt::Key_F4)},
      {"NGameClose", "End", QKeySequence(Qt::Key_Escape)},
      {"NGameType", "Mode", {}},
      {"NRUHE", "Russian-Hebrew", {}},
      {"NHERU", "Hebrew-Russian", {}},
      {"NRUEN", "Russian-English", {}},
      {"NENRU", "English-Russian", {}},
      {"NENHE", "English-Hebrew", {}},
      {"NHEEN", "Hebrew-English", {}},
      {"NGameSpeak", "Speack", {}},
      {"NSoundHE", "Hebrew", QKeySequence(Qt::CTRL | Qt::Key_H)},
      {"NSoundRU", "Russian", QKeySequence(Qt::CTRL | Qt::Key_R)},
      {"NSoundEN", "English", QKeySequence(Qt::CTRL | Qt::Key_E)},
      {"Settings1", "Settings", {}},  // F10 belongs to "Speech" alone
      {"Speech1", "Speech", QKeySequence(Qt::Key_F10)},
      {"Verbs1", "Verbs", QKeySequence(Qt::Key_F11)},
      {"Information1", "Information", QKeySequence(Qt::Key_F12)},
      {"N9", "Help", {}},
      {"N3", "Abaut", QKeySequence(Qt::Key_F1)},
      {"NExit", "Exit", QKeySequence(Qt::CTRL | Qt::Key_X)},
  };
  for (const MenuRow& row : rows) {
    QAction* action = Item(row.name);
    ASSERT_NE(action, nullptr) << row.name;
    EXPECT_EQ(action->text(), row.caption) << row.name;
    EXPECT_EQ(action->shortcut(), row.shortcut) << row.name;
  }
  for (const char* separator : {"N2", "N6", "N13", "N19", "N22", "N20"}) {
    EXPECT_TRUE(Item(separator)->isSeparator()) << separator;
  }
  // The top-level menus in their order.
  QStringList titles;
  for (QAction* top : window->Menu->actions()) titles << top->objectName();
  EXPECT_EQ(titles, (QStringList{"NTransl", "NTich", "NGame", "Settings1", "N9"}));
}

struct ButtonRow {
  const char* bar;
  const char* name;
  const char* caption;
  const char* hint;
};

TEST_F(MainWindowTest, ToolButtonsSitOnTheirBarsWithCaptionsAndHints) {
  const ButtonRow rows[] = {
      {"Menu1", "SpeedButton11", "", "Add Word"},
      {"Menu1", "SpeedButton10", "", "Remove Word"},
      {"Menu1", "SpeedButton9", "", "Edit Word"},
      {"Menu1", "SpeedButton8", "", "Select Word"},
      {"MenuSound", "SpeedButton1", "Rus", "Speech on Russian"},
      {"MenuSound", "SpeedButton4", "Heb", "Speech on Hebrew"},
      {"MenuSound", "SpeedButton5", "Eng", "Speech on English"},
      {"MenuSound", "SpBVerb", "V", "Set filter Only Verbs"},
      {"MenuSound", "SpBNoun", "N", "Set filter Only Nouns"},
      {"MenuSound", "SpBAdjective", "A", "Set filter Only Adjective"},
      {"MenuSound", "SpBServ", "S", "Set filter Only Service Words"},
      {"MenuSound", "SpBSent", "C", "Set filter Only Sentence"},
      {"MenuSound", "SpBOther", "O", "Set filter Only Others"},
      {"MenuSound", "SpeedButton23", "F", "Without filter"},
      {"Menu2", "SpeedButton3", "", "Save and Exit"},
      {"Menu2", "SpeedButton19", "", "Cancel"},
      {"Menu3", "SpeedButton6", "", "Remove Current Word"},
      {"Menu3", "SpeedButton12", "", "Remove All Records"},
      {"Menu3", "SPSpeak1", "", "Speech/Pause"},
      {"Menu3", "SpeedButton16", "", "Exit"},
      {"Menu5", "SPSoundRU", "Rus", "Speech on Russian"},
      {"Menu5", "SPSoundHE", "Heb", "Speech on Hebrew"},
      {"Menu5", "SPSoundEN", "Eng", "Speech on English"},
      {"Menu5", "SpeedButton2", "", "Exit"},
  };
  for (const ButtonRow& row : rows) {
    auto* button = Find<QToolButton>(row.name);
    ASSERT_NE(button, nullptr) << row.name;
    EXPECT_EQ(button->parent()->objectName(), row.bar) << row.name;
    EXPECT_EQ(button->text(), row.caption) << row.name;
    EXPECT_EQ(button->toolTip(), row.hint) << row.name;
    if (*row.caption == '\0') {
      EXPECT_FALSE(button->icon().isNull()) << row.name;
    }
  }
  for (const char* off : {"SPSoundRU", "SPSoundHE", "SPSoundEN"}) {
    EXPECT_FALSE(Find<QToolButton>(off)->isEnabled()) << off;
  }
  EXPECT_EQ(Find<QPushButton>("BitBtn1")->text(), "Deselect");
  EXPECT_EQ(window->PageControl1->tabText(0), "Russian");
  EXPECT_EQ(window->PageControl1->tabText(1), "Hebrew");
  EXPECT_EQ(window->PageControl1->tabText(2), "English");
  EXPECT_EQ(window->Memo1->toolTip(), "Search of Word");
  EXPECT_EQ(window->Memo2->toolTip(), "Search of Root");
}

// What entering a mode must show: the caption and the items it switches.
struct ModeCase {
  int mode;
  const char* caption;
  const char* leftCaption;
  std::vector<const char*> enabledItems;
  std::vector<const char*> disabledItems;
  std::vector<const char*> hiddenItems;
  std::vector<const char*> shownBars;
  std::vector<const char*> hiddenWidgets;
};

TEST_F(MainWindowTest, EveryModeChangesItsItemsAndLeavingRestoresThem) {
  const ModeCase cases[] = {
      {1,
       "Add/edit a word",
       "Vocamir 3.1",
       {"NInfo"},
       {"NExit", "NNew", "NSelect", "NDel", "NEdit", "NTich", "NGame"},
       {"NExit", "NTich", "NGame"},
       {"Menu2"},
       {"Menu1", "MenuSound", "ToolBarFilter", "CBTheme", "BitBtn1"}},
      {2,
       "To study, to study, to study!  V. I. Lenin",
       "Vocamir 3.1",
       {"NVocamirClose", "NVocamirDel", "NVocamirDelAll", "NTalk", "NPausa"},
       {"NExit", "NGame", "NTransl", "NTeachBegin"},
       {"NExit", "NGame", "NTransl"},
       {"Menu3"},
       {"Menu1", "MenuSound", "PageControl1", "ToolBarFilter", "CBTheme", "BitBtn1"}},
      {4,
       "To study - play the game!",
       "Vocamir",
       {"NGameClose", "NGameType", "NGameSpeak", "NSoundHE", "NSoundRU", "NSoundEN"},
       {"NExit", "NGameBegin", "NTransl", "NTich"},
       {"NExit", "NTransl", "NTich"},
       {"Menu5"},
       {"Menu1", "MenuSound", "PageControl1", "ToolBarFilter", "CBTheme", "BitBtn1"}},
  };
  Window();
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.mode);
    const auto before = Snapshot();
    window->SetWorkMode(c.mode, false);
    EXPECT_EQ(window->windowTitle(), c.caption);
    for (const char* name : c.enabledItems) EXPECT_TRUE(Item(name)->isEnabled()) << name;
    for (const char* name : c.disabledItems) EXPECT_FALSE(Item(name)->isEnabled()) << name;
    for (const char* name : c.hiddenItems) EXPECT_FALSE(Item(name)->isVisible()) << name;
    for (const char* name : c.shownBars) EXPECT_TRUE(Shown(Find<QWidget>(name))) << name;
    for (const char* name : c.hiddenWidgets) EXPECT_FALSE(Shown(Find<QWidget>(name))) << name;
    window->SetWorkMode(c.mode, true);
    EXPECT_EQ(window->windowTitle(), c.leftCaption);
    EXPECT_EQ(Changed(before, Snapshot()), std::vector<std::string>{});
  }
}

// A grid click while the editor is open would move the tables under it, and "Save" would store
// the edited meaning's codes and verb forms over another one.
// Neither a click in a page nor an export or import (which unbind the grids and walk the tables)
// may move the tables away from the meaning the editor holds.
TEST_F(MainWindowTest, WordEditingLocksThePagesAndTheExchange) {
  Window();
  window->SetWorkMode(1, false);
  EXPECT_FALSE(window->PageControl1->isEnabled());
  EXPECT_FALSE(window->DBGrid3->isEnabled());
  EXPECT_FALSE(window->Exportdata1->isEnabled());
  EXPECT_FALSE(window->Importdata1->isEnabled());
  window->SetWorkMode(1, true);
  EXPECT_TRUE(window->DBGrid3->isEnabled());
  EXPECT_TRUE(window->Exportdata1->isEnabled());
  EXPECT_TRUE(window->Importdata1->isEnabled());
}

TEST_F(MainWindowTest, GameModeEnablesItsSoundButtons) {
  Window();
  window->SetWorkMode(4, false);
  for (QToolButton* button : {window->SPSoundRU, window->SPSoundHE, window->SPSoundEN}) {
    EXPECT_TRUE(button->isEnabled());
  }
  window->SetWorkMode(4, true);
  EXPECT_FALSE(window->SPSoundRU->isEnabled());
}

TEST_F(MainWindowTest, LeavingLessonAndGameReappliesTheFilterLeavingEditingDoesNot) {
  Window();
  QTest::mouseClick(window->SpBNoun, Qt::LeftButton);
  for (int mode : {1, 2, 4}) {
    SCOPED_TRACE(mode);
    RU().SetFiltered(false);
    window->SetWorkMode(mode, false);
    window->SetWorkMode(mode, true);
    EXPECT_EQ(RU().Filtered(), mode != 1);
    if (mode != 1) {
      EXPECT_EQ(RU().Filter(), "Part  = '2'");
    }
  }
}

TEST_F(MainWindowTest, EscapeReachesTheOneEnabledEscapeItem) {
  Window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const std::pair<int, QAction*> modes[] = {
      {1, window->N5}, {2, window->NVocamirClose}, {4, window->NGameClose}};
  // Only which item the key reaches matters here; "Cancel" itself needs the word editor.
  QObject::disconnect(window->N5, &QAction::triggered, nullptr, nullptr);
  for (const auto& [mode, expected] : modes) {
    SCOPED_TRACE(mode);
    std::map<QAction*, std::unique_ptr<QSignalSpy>> spies;
    for (QAction* escape : {window->N5, window->NVocamirClose, window->NGameClose}) {
      spies[escape] = std::make_unique<QSignalSpy>(escape, &QAction::triggered);
    }
    window->SetWorkMode(mode, false);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    for (auto& [escape, spy] : spies) {
      EXPECT_EQ(spy->count(), escape == expected ? 1 : 0) << escape->objectName().toStdString();
    }
    window->SetWorkMode(mode, true);
  }
  // In the dictionary no Escape item is enabled.
  QSignalSpy cancel(window->N5, &QAction::triggered);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(cancel.count(), 0);
}

// The item each shortcut reaches in the dictionary, word editing, lesson and game; null: none.
struct ShortcutRow {
  QKeySequence key;
  std::array<const char*, 4> reached;
};

TEST_F(MainWindowTest, EveryModeReachesExactlyTheShortcutsItsMenusOffer) {
  const ShortcutRow rows[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_A), {"NNew", nullptr, nullptr, nullptr}},
      {QKeySequence(Qt::CTRL | Qt::Key_Space), {"NEdit", nullptr, nullptr, nullptr}},
      {QKeySequence(Qt::Key_Insert), {"NSelect", nullptr, nullptr, nullptr}},
      {QKeySequence(Qt::Key_F2), {nullptr, "N4", nullptr, nullptr}},
      {QKeySequence(Qt::Key_Escape), {nullptr, "N5", "NVocamirClose", "NGameClose"}},
      {QKeySequence(Qt::Key_F3), {"NTeachBegin", nullptr, nullptr, nullptr}},
      {QKeySequence(Qt::Key_F5), {nullptr, nullptr, "NTalk", nullptr}},
      {QKeySequence(Qt::SHIFT | Qt::Key_F5), {nullptr, nullptr, "NPausa", nullptr}},
      {QKeySequence(Qt::CTRL | Qt::Key_P), {"Print1", nullptr, "Print1", nullptr}},
      {QKeySequence(Qt::CTRL | Qt::Key_Delete), {nullptr, nullptr, "NVocamirDel", nullptr}},
      {QKeySequence(Qt::Key_F4), {"NGameBegin", nullptr, nullptr, nullptr}},
      {QKeySequence(Qt::CTRL | Qt::Key_H), {nullptr, nullptr, nullptr, "NSoundHE"}},
      {QKeySequence(Qt::CTRL | Qt::Key_R), {nullptr, nullptr, nullptr, "NSoundRU"}},
      {QKeySequence(Qt::CTRL | Qt::Key_E), {nullptr, nullptr, nullptr, "NSoundEN"}},
      {QKeySequence(Qt::Key_F10), {"Speech1", "Speech1", "Speech1", "Speech1"}},
      {QKeySequence(Qt::Key_F11), {"Verbs1", "Verbs1", "Verbs1", "Verbs1"}},
      {QKeySequence(Qt::Key_F12), {"Information1", "Information1", "Information1", "Information1"}},
      {QKeySequence(Qt::Key_F1), {"N3", "N3", "N3", "N3"}},
      {QKeySequence(Qt::CTRL | Qt::Key_X), {"NExit", nullptr, nullptr, nullptr}},
  };
  Window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  // Only which item a key reaches matters here, not what the item does.
  const QList<QAction*> items = window->Menu->findChildren<QAction*>();
  for (QAction* item : items) QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
  const int modes[] = {0, 1, 2, 4};
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE(modes[column]);
    if (modes[column] != 0) window->SetWorkMode(modes[column], false);
    for (const ShortcutRow& row : rows) {
      std::vector<std::unique_ptr<QSignalSpy>> spies;
      for (QAction* item : items) {
        spies.push_back(std::make_unique<QSignalSpy>(item, &QAction::triggered));
      }
      QTest::keySequence(window.get(), row.key);
      QStringList triggered;
      for (size_t i = 0; i < spies.size(); ++i) {
        if (spies[i]->count() > 0) triggered << items[i]->objectName();
      }
      const QStringList expected =
          row.reached[column] ? QStringList{row.reached[column]} : QStringList{};
      EXPECT_EQ(triggered, expected) << row.key.toString().toStdString();
    }
    if (modes[column] != 0) window->SetWorkMode(modes[column], true);
  }
}

TEST_F(MainWindowTest, F10OpensTheSpeechPageAlsoAfterTheSettingsMenuWasClosedWithEscape) {
  Window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QObject::disconnect(window->Speech1, &QAction::triggered, nullptr, nullptr);
  QSignalSpy speech(window->Speech1, &QAction::triggered);
  window->Menu->setActiveAction(window->Settings1->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Settings1));
  QTest::keyClick(window->Settings1, Qt::Key_Escape);
  ASSERT_FALSE(window->Settings1->isVisible());
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : window.get(), Qt::Key_F10);
  EXPECT_EQ(speech.count(), 1);
}

TEST_F(MainWindowTest, MenuShortcutsWinOverTheSearchBoxesEditingKeys) {
  Window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->Edit3->setFocus();
  TypeKeys(window->Edit3, QStringLiteral("rjn"));
  window->Edit3->selectAll();
  // Ctrl+X is "Exit", not "cut", also while a search box has the focus.
  QSignalSpy exit(window->NExit, &QAction::triggered);
  QTest::keyClick(window->Edit3, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(exit.count(), 1);
  EXPECT_EQ(window->Edit3->text(), QString::fromUtf8("КОТ"));
}

TEST_F(MainWindowTest, LayoutFollowsTheWindowSize) {
  Window();
  for (const auto& [w, h] : {std::pair{1000, 700}, std::pair{820, 620}}) {
    SCOPED_TRACE(w);
    window->resize(w, h);
    QApplication::processEvents();
    ASSERT_EQ(window->width(), w);
    EXPECT_EQ(window->PageControl1->width(), w - 4);
    EXPECT_EQ(window->PageControl1->height(), h - 91);
    EXPECT_EQ(window->CBTheme->x(), w - 318);
    EXPECT_EQ(window->BitBtn1->x(), w - 97);
    for (QTableView* grid : {window->DBGrid3, window->DBGrid2, window->DBGrid1}) {
      EXPECT_EQ(grid->width(), w - 23);
      EXPECT_EQ(grid->height(), h - 192);
      EXPECT_EQ(grid->columnWidth(0), w - 116);
    }
    EXPECT_EQ(window->Edit3->width(), w - 23);
    EXPECT_EQ(window->Edit1->width(), w - 23);
    EXPECT_EQ(window->Memo1->width(), w - 228);
    EXPECT_EQ(window->MenuSound->width(), w - 105);
    for (QToolBar* bar : {window->Menu2, window->Menu3, window->Menu5}) {
      EXPECT_EQ(bar->width(), w - 5);
    }
    EXPECT_EQ(window->StatusBar->Panel(0)->width(), window->StatusBar->width() / 2);
    EXPECT_EQ(window->StatusBar->Panel(1)->width(), window->StatusBar->width() / 2);
    // Nothing overlaps: the pages end above the status bar, the boxes sit inside their page.
    EXPECT_LE(window->PageControl1->geometry().bottom(), window->StatusBar->geometry().top());
    EXPECT_LE(window->Memo2->geometry().right(), window->Memo1->geometry().left());
    EXPECT_LE(window->DBGrid3->geometry().bottom(), window->SheetRU->height());
    EXPECT_LE(window->CBTheme->geometry().right(), window->BitBtn1->geometry().left());
  }
}

TEST_F(MainWindowTest, ChildWindowsShareTheClientAreaUnderThePages) {
  Window();
  auto* child = new QWidget(window->ClientArea);
  window->resize(900, 640);
  QApplication::processEvents();
  EXPECT_EQ(child->geometry(), QRect(0, 0, 890, 560));
  window->SetWorkMode(2, false);
  EXPECT_FALSE(window->PageControl1->isVisible());
  EXPECT_TRUE(window->ClientArea->isVisible());
}

TEST_F(MainWindowTest, EveryF1OpensANewAboutWindowWithTheCurrentWordCount) {
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("A")});
  Window();
  window->N3->trigger();
  test::AddMeaning(workspace.Data(), {.ru = QStringLiteral("B")});
  window->N3->trigger();
  const QList<TFormHelp*> abouts = window->findChildren<TFormHelp*>();
  ASSERT_EQ(abouts.size(), 2);
  QStringList counts;
  for (TFormHelp* about : abouts) {
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "Read My");
    counts << about->EditCount->text();
  }
  counts.sort();
  EXPECT_EQ(counts, (QStringList{"1", "2"}));
  EXPECT_EQ(abouts[0]->CountBefore->text(), "The dictionary contains");
  EXPECT_EQ(abouts[0]->CountAfter->text(), ", frequently used words.");
  EXPECT_EQ(abouts[0]->Purpose->text(), "Russian - Hebrew - English speaking dictionary");
  EXPECT_EQ(abouts[0]->Systems->text(), "For windows 95/98/NT/2000/XP");
  QTest::mouseClick(abouts[0]->OKButton, Qt::LeftButton);
  EXPECT_FALSE(abouts[0]->isVisible());
}

TEST_F(MainWindowTest, ExitClosesTheMainWindow) {
  Window();
  window->NExit->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ErrorsOfHandlersAreShownAndTheWindowGoesOn) {
  Window();
  RU().Insert();
  RU().FieldByName("Item").SetAsString("A");
  RU().Post();
  QTest::mouseClick(window->DBGrid3->viewport(), Qt::LeftButton, {},
                    window->DBGrid3->visualRect(window->DBGrid3->model()->index(0, 0)).center());
  ASSERT_EQ(dialogs.Texts(ui::BoxKind::Error).size(), 1u);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
