// The game window and the main window's game commands, offscreen.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "GameTestData.h"
#include "RefusedWrites.h"
#include "ScriptedDialogs.h"
#include "ScriptedEngine.h"
#include "TestDictionary.h"
#include "app/Find.h"
#include "game/Game.h"
#include "speech/Formshare.h"
#include "ui/DisplayOrder.h"
#include "ui/Instances.h"

namespace {

using gametest::Entry;

const QString kRussianKeys = QStringLiteral("ЙЦУКЕНГШЩЗХФЫВАПРОЛДЖЭЯЧСМИТЬБЮЪ-");
const QString kEnglishKeys = QStringLiteral("QWERTYUIOP_ASDFGHJKL__ZXCVBNM___-");
const QString kHebrewKeys = QStringLiteral("_'קראטוןםפ_שדגכעיחלךף_זסבהנמצתץ_-");

class GameWindowTest : public ::testing::Test {
 protected:
  GameWindowTest() {
    QDir::setCurrent(workspace.Path());
    instances.Dialogs = &dialogs;
    instances.DataModul = &workspace.Data();
  }

  ~GameWindowTest() override {
    window.reset();
    QDir::setCurrent(oldCurrent);
  }

  // The main window with the settings object and the game window, as start-up builds them.
  TFormSelect& Window() {
    window = std::make_unique<TFormSelect>(instances);
    instances.FormSelect = window.get();
    window->AttachData();
    speech::EngineSet engines{std::make_unique<speechtest::ScriptedEngine>(),
                              std::make_unique<speechtest::ScriptedEngine>(),
                              std::make_unique<speechtest::ScriptedEngine>()};
    instances.Share = new TShare(instances, std::move(engines), window.get());
    instances.FormGame = new TFormGame(instances, window->ClientArea);
    window->resize(1000, 760);
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
  }

  TFormGame& Game() { return *instances.FormGame; }

  void Begin(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) gametest::AddEntry(workspace.Data().SelWordTable(), entry);
    Window().NGameBegin->trigger();
  }

  void Release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               bool autoRepeat = false) {
    QKeyEvent event(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(&Game(), &event);
  }

  static QString Captions(const TFormGame& game) {
    QString captions;
    for (const QPushButton* key : game.BT) {
      captions += key->text().isEmpty() ? QStringLiteral("_") : key->text();
    }
    return captions;
  }

  QString oldCurrent = QDir::currentPath();
  test::TestWorkspace workspace;
  test::ScriptedDialogs dialogs;
  Instances instances;
  std::unique_ptr<TFormSelect> window;
};

TEST_F(GameWindowTest, KeyCaptionsFollowTheLayout) {
  Window();
  EXPECT_EQ(Captions(Game()), kHebrewKeys);  // Russian-Hebrew at start
  Game().SpButtonRU->click();
  EXPECT_EQ(Captions(Game()), kRussianKeys);
  EXPECT_TRUE(Game().SpButtonRU->isChecked());
  Game().SpButtonEN->click();
  EXPECT_EQ(Captions(Game()), kEnglishKeys);
  EXPECT_FALSE(Game().SpButtonRU->isChecked());
  Game().SpButtonHE->click();
  EXPECT_EQ(Captions(Game()), kHebrewKeys);
  EXPECT_TRUE(Game().Button1->text().isEmpty());
  EXPECT_EQ(Game().findChild<QPushButton*>(QStringLiteral("BT33"))->geometry(),
            QRect(700, 176, 60, 70));
}

TEST_F(GameWindowTest, ClickedKeysAndReleasedComputerKeysTypeTheSameLetters) {
  const QString answer = QStringLiteral("ХЖЭБЮЪЙ");
  Begin({{.ru = answer, .en = QStringLiteral("ONE")}, {.ru = answer, .en = QStringLiteral("TWO")}});
  window->NENRU->trigger();
  for (const Qt::Key key : {Qt::Key_BracketLeft, Qt::Key_Semicolon, Qt::Key_Apostrophe,
                            Qt::Key_Comma, Qt::Key_Period, Qt::Key_BracketRight, Qt::Key_Q}) {
    Release(key);
  }
  EXPECT_EQ(Game().MemoKey->Text(), answer);
  Release(Qt::Key_Minus);  // the next press moves on
  EXPECT_EQ(Game().MemoTest->Text(), QStringLiteral("TWO"));
  for (const int key : {11, 21, 22, 30, 31, 32, 1}) Game().BT[key - 1]->click();
  EXPECT_EQ(Game().MemoKey->Text(), answer);
  EXPECT_EQ(Game().Game().RightPresses(), 14);
  EXPECT_EQ(Game().Game().WrongPresses(), 0);
}

TEST_F(GameWindowTest, ARefusedCounterIsReportedAndTheGameGoesOn) {
  Begin({{.ru = QStringLiteral("Й"), .en = QStringLiteral("ONE")},
         {.ru = QStringLiteral("Й"), .en = QStringLiteral("TWO")}});
  window->NENRU->trigger();
  const auto database = workspace.Data().DataFolder() / "vocamir.db";
  test::RefuseWrite(database, 1);
  Release(Qt::Key_Q);
  Release(Qt::Key_Minus);  // moves on, counting the miss-free entry
  test::RefuseWrite(database, 0);
  const std::vector<QString> errors = dialogs.Texts(ui::BoxKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].startsWith("The game's count of this word was not stored"))
      << errors[0].toStdString();
  EXPECT_EQ(Game().MemoTest->Text(), QStringLiteral("TWO"));
  Release(Qt::Key_Q);
  EXPECT_EQ(Game().MemoKey->Text(), QStringLiteral("Й"));
}

TEST_F(GameWindowTest, HyphenAndSpaceKeysMissAnUncoveredHyphen) {
  Begin({{.ru = QStringLiteral("А-Б"), .en = QStringLiteral("A")}});
  window->NENRU->trigger();
  Release(Qt::Key_Minus);
  Game().BT[32]->click();
  Release(Qt::Key_Space);
  Game().Button1->click();
  EXPECT_EQ(Game().Game().WrongPresses(), 4);
  EXPECT_EQ(Game().MemoKey->Text(), QStringLiteral("---"));
}

TEST_F(GameWindowTest, AutoRepeatAndShortcutReleasesAreNoPresses) {
  Begin({{.ru = QStringLiteral("ДА"), .en = QStringLiteral("YES")}});
  window->NRUEN->trigger();
  Release(Qt::Key_Y, Qt::NoModifier, true);
  Release(Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(Game().MemoKey->Text(), QStringLiteral("---"));
  Release(Qt::Key_Y);
  EXPECT_EQ(Game().MemoKey->Text(), QStringLiteral("Y--"));
}

TEST_F(GameWindowTest, DirectionItemChangesFieldAnswerLayoutAndCheckMark) {
  Begin({{.ru = QStringLiteral("КОТ"), .he = QStringLiteral("לותח"), .en = QStringLiteral("CAT")}});
  EXPECT_EQ(Game().MemoTest->Text(), QStringLiteral("КОТ"));
  EXPECT_EQ(Game().MemoKey->Text(), QStringLiteral("----"));
  window->NENRU->trigger();
  EXPECT_TRUE(window->NENRU->isChecked());
  EXPECT_FALSE(window->NRUHE->isChecked());
  EXPECT_EQ(Game().MemoTest->Text(), QStringLiteral("CAT"));
  EXPECT_EQ(Game().MemoKey->Text(), QStringLiteral("---"));
  EXPECT_EQ(Captions(Game()), kRussianKeys);
  EXPECT_TRUE(Game().SpButtonRU->isChecked());
}

TEST_F(GameWindowTest, BeginKeepsTheDirectionLastChosen) {
  Begin({{.ru = QStringLiteral("КОТ"), .he = QStringLiteral("לותח"), .en = QStringLiteral("CAT")}});
  window->NHEEN->trigger();
  window->NGameClose->trigger();
  window->NGameBegin->trigger();
  EXPECT_TRUE(window->NHEEN->isChecked());
  EXPECT_EQ(Game().MemoTest->Text(), QStringLiteral("לותח"));
  EXPECT_EQ(Captions(Game()), kEnglishKeys);
}

TEST_F(GameWindowTest, BeginWithAnEmptyListLeavesTheModeUnchanged) {
  Window().NGameBegin->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Choose words for game!!!"));
  EXPECT_EQ(dialogs.messages[0].buttons, ui::Buttons::Yes);
  EXPECT_TRUE(window->PageControl1->isVisible());
  EXPECT_FALSE(window->NGameClose->isEnabled());
  EXPECT_FALSE(Game().isVisible());
}

TEST_F(GameWindowTest, BeginShowsTheGameAndEndReturnsToTheDictionary) {
  Begin({{.ru = QStringLiteral("КОТ"), .he = QStringLiteral("לותח")}});
  EXPECT_TRUE(Game().isVisible());
  EXPECT_FALSE(window->PageControl1->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("To study - play the game!"));
  EXPECT_EQ(Game().width(), window->width() - 10);
  EXPECT_EQ(Game().MemoKey->width(), window->width() - 35);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(Game().isVisible());
  EXPECT_TRUE(window->PageControl1->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Vocamir"));
  EXPECT_TRUE(window->NGameBegin->isEnabled());
}

TEST_F(GameWindowTest, ClosingTheMainWindowDuringTheGameClosesTheGame) {
  Begin({{.ru = QStringLiteral("КОТ"), .he = QStringLiteral("לותח")}});
  window->close();
  EXPECT_TRUE(Game().isHidden());
}

TEST_F(GameWindowTest, FinishedAnswerIsQueuedForSpeechAndThePassReportsItsResult) {
  Begin(
      {{.ru = QStringLiteral("ДА"), .he = QStringLiteral("ןכ"), .heHint = QStringLiteral("кэн")}});
  Release(Qt::Key_F);  // "כ"
  EXPECT_FALSE(instances.Share->Queue().PendingHE());
  Release(Qt::Key_I);  // "ן"
  EXPECT_TRUE(instances.Share->Queue().PendingHE());
  EXPECT_EQ(instances.Share->Queue().PendingTextHE(),
            gametest::Bytes(QStringLiteral("кэн"), text::Codepage::Win1251));
  Release(Qt::Key_Space);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Ваш результат -100(%) из 100(%)."));
  EXPECT_EQ(dialogs.messages[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(Game().Indi->value(), 100);
}

TEST_F(GameWindowTest, SpeakItemsAndKeysQueueTheEntryInTheirLanguage) {
  Begin({{.ru = QStringLiteral("ДА"), .he = QStringLiteral("ןכ"), .en = QStringLiteral("YES")}});
  window->NSoundEN->trigger();
  EXPECT_EQ(instances.Share->Queue().PendingTextEN(), "YES");
  Release(Qt::Key_Delete);
  EXPECT_EQ(instances.Share->Queue().PendingTextRU(),
            gametest::Bytes(QStringLiteral("ДА"), text::Codepage::Win1251));
  EXPECT_EQ(Game().Game().RightPresses() + Game().Game().WrongPresses(), 0);
}

}  // namespace
