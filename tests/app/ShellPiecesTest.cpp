// The event guard, the dialog seam's helpers, the display-order text box, the status bar and the
// notification-area icon.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>

#include "ScriptedDialogs.h"
#include "app/TrayIcon.h"
#include "store/Error.h"
#include "ui/AfterFirstPaint.h"
#include "ui/CodepageValidator.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Icons.h"
#include "ui/PanelStatusBar.h"
#include "ui/QtDialogs.h"

namespace {

TEST(EventGuardTest, ShowsTheTextOfAnEscapingErrorAndGoesOn) {
  test::ScriptedDialogs dialogs;
  ui::RunGuarded(dialogs, [] { throw store::Error("Table RUWORDS: field 'X' not found."); });
  ui::RunGuarded(dialogs, [] { throw std::runtime_error("plain"); });
  ui::RunGuarded(dialogs, [] { throw 42; });
  ui::RunGuarded(dialogs, [] {});
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0].kind, ui::BoxKind::Error);
  EXPECT_EQ(dialogs.messages[0].text, "Table RUWORDS: field 'X' not found.");
  EXPECT_EQ(dialogs.messages[1].text, "plain");
  EXPECT_FALSE(dialogs.messages[2].text.isEmpty());
}

TEST(EventGuardTest, GuardedHandlersTakeTheSignalArgumentsTheyAccept) {
  test::ScriptedDialogs dialogs;
  QObject sender;
  QSignalSpy unused(&sender, &QObject::objectNameChanged);
  int calls = 0;
  QString seen;
  QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                   ui::Guarded(dialogs, [&] { ++calls; }));
  QObject::connect(&sender, &QObject::objectNameChanged, &sender,
                   ui::Guarded(dialogs, [&](const QString& name) {
                     seen = name;
                     throw std::runtime_error("failed on " + name.toStdString());
                   }));
  sender.setObjectName(QStringLiteral("N8"));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, "N8");
  EXPECT_EQ(dialogs.Texts(ui::BoxKind::Error), (std::vector<QString>{"failed on N8"}));
}

TEST(DialogsTest, FilterNotationBecomesQtNotation) {
  EXPECT_EQ(ui::ToQtFilter("XML|*.xml"), "XML (*.xml)");
  EXPECT_EQ(ui::ToQtFilter("XML|*.xml|All|*.*"), "XML (*.xml);;All (*.*)");
  EXPECT_EQ(ui::ToQtFilter("Text|*.txt;*.ini"), "Text (*.txt *.ini)");
}

TEST(DialogsTest, ConveniencesAskTheRightBoxesAndReadTheAnswers) {
  test::ScriptedDialogs dialogs;
  dialogs.answers = {ui::Answer::Yes, ui::Answer::Ok, ui::Answer::No};
  EXPECT_TRUE(dialogs.AskYesNo("delete?"));
  EXPECT_TRUE(dialogs.AskOkCancel("go on?"));
  EXPECT_FALSE(dialogs.AskYes("sure?"));
  EXPECT_FALSE(dialogs.AskYesNo("unanswered"));     // closed: No
  EXPECT_FALSE(dialogs.AskOkCancel("unanswered"));  // closed: Cancel
  dialogs.Message("done", "Caption");
  ASSERT_EQ(dialogs.messages.size(), 6u);
  EXPECT_EQ(dialogs.messages[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(dialogs.messages[1].buttons, ui::Buttons::OkCancel);
  EXPECT_EQ(dialogs.messages[2].buttons, ui::Buttons::Yes);
  EXPECT_EQ(dialogs.messages[5].caption, "Caption");
  EXPECT_EQ(dialogs.messages[5].kind, ui::BoxKind::Information);
}

// A box of the main window must open over the always-on-top editor, not beneath it.
TEST(DialogOwnerTest, IsTheWindowOnTopWhileOneShowsElseTheActiveWindow) {
  QWidget main;
  QWidget editor(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
  const auto activate = [](QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  };
  main.show();
  ASSERT_TRUE(activate(main));
  EXPECT_EQ(ui::DialogOwner(), &main);
  editor.show();
  ASSERT_TRUE(activate(main));
  EXPECT_EQ(ui::DialogOwner(), &editor);
  ASSERT_TRUE(activate(editor));
  EXPECT_EQ(ui::DialogOwner(), &editor);
  editor.hide();
  ASSERT_TRUE(activate(main));
  EXPECT_EQ(ui::DialogOwner(), &main);
}

struct ValidatorCase {
  text::Codepage codepage;
  const char* input;  // UTF-8
  int pos;
  const char* output;
  int outputPos;
  const char* leftOut;  // UTF-8: what the message lists, "" for no message
};

TEST(CodepageValidatorTest, LeavesOutWhatTheCodepageCannotHoldAndNamesItOnce) {
  const ValidatorCase cases[] = {
      {text::Codepage::Win1255, "\xD7\x90\xD0\x96\xD7\x91", 3, "\xD7\x90\xD7\x91", 2,
       "\xD0\x96"},  // אЖב
      {text::Codepage::Win1251, "\xD0\x9A\xD7\x90\xD0\xA2", 1, "\xD0\x9A\xD0\xA2", 1,
       "\xD7\x90"},                                                             // Кא|Т
      {text::Codepage::Ascii, "C\xD0\xAFT\xD0\xAF.", 4, "CT.", 2, "\xD0\xAF"},  // CЯTЯ|.
      {text::Codepage::Win1251,
       "\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0 caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC "
       "\xF0\x9F\x98\x80",
       15, "\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0 caf  ", 10,
       "\xC3\xA9 \xE6\x97\xA5 \xE6\x9C\xAC \xF0\x9F\x98\x80"},  // ёлка café 日本 😀
      {text::Codepage::Win1255, "\xE2\x80\x8E\xE2\x80\xAD\xD7\x90", 3,
       "\xE2\x80\x8E\xE2\x80\xAD\xD7\x90", 3, ""},
  };
  for (const ValidatorCase& c : cases) {
    test::ScriptedDialogs dialogs;
    ui::CodepageValidator validator(c.codepage, QStringLiteral("Some text"), ui::kStoredOrderPrefix,
                                    dialogs, nullptr);
    QString input = QString::fromUtf8(c.input);
    int pos = c.pos;
    EXPECT_EQ(validator.validate(input, pos), QValidator::Acceptable) << c.input;
    EXPECT_EQ(input, QString::fromUtf8(c.output)) << c.input;
    EXPECT_EQ(pos, c.outputPos) << c.input;
    QApplication::processEvents();
    std::vector<QString> messages;
    if (*c.leftOut) {
      messages.push_back("Characters that Some text cannot hold were left out: " +
                         QString::fromUtf8(c.leftOut));
    }
    EXPECT_EQ(dialogs.Texts(ui::BoxKind::Information), messages) << c.input;
    EXPECT_EQ(dialogs.Texts().size(), messages.size()) << c.input;
  }
}

TEST(DisplayOrderEditTest, KeepsTheOverrideInFrontAndTheCaretBehindIt) {
  ui::DisplayOrderEdit edit;
  QSignalSpy changes(&edit, &ui::DisplayOrderEdit::TextChanged);
  edit.SetText(QString::fromUtf8("אב"));
  EXPECT_EQ(edit.Text(), QString::fromUtf8("אב"));
  EXPECT_EQ(edit.text(), ui::kStoredOrderPrefix + QString::fromUtf8("אב"));
  edit.SetCursorPos(2);
  QTest::keyClick(&edit, Qt::Key_Backspace);  // nothing right of the caret: the mark stays
  EXPECT_EQ(edit.Text(), QString::fromUtf8("אב"));
  QTest::keyClick(&edit, Qt::Key_Home);
  EXPECT_EQ(edit.CursorPos(), 0);
  EXPECT_EQ(edit.cursorPosition(), ui::kStoredOrderPrefix.size());
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_Delete);  // deleting everything keeps the mark
  EXPECT_EQ(edit.Text(), QString());
  EXPECT_EQ(edit.text(), ui::kStoredOrderPrefix);
  edit.insert(ui::kStoredOrderPrefix + "x");  // a pasted mark is dropped
  EXPECT_EQ(edit.Text(), "x");
  EXPECT_EQ(changes.count(), 3);  // "אב", "", "x"
  EXPECT_EQ(changes.last().at(0).toString(), "x");
}

TEST(DisplayOrderEditTest, ArrowKeysMoveTheCaretTheWayTheyPoint) {
  ui::DisplayOrderEdit edit;
  edit.resize(200, 24);
  edit.show();
  edit.SetText(QString::fromUtf8("הבא"));  // stored order: ה is drawn leftmost
  edit.SetCursorPos(3);
  QTest::keyClick(&edit, Qt::Key_Left);
  EXPECT_EQ(edit.CursorPos(), 2);
  QTest::keyClick(&edit, Qt::Key_Left);
  QTest::keyClick(&edit, Qt::Key_Left);
  QTest::keyClick(&edit, Qt::Key_Left);  // never into the prefix
  EXPECT_EQ(edit.CursorPos(), 0);
  QTest::keyClick(&edit, Qt::Key_Right);
  EXPECT_EQ(edit.CursorPos(), 1);
}

TEST(PanelStatusBarTest, TwoHalvesShowingStoredOrder) {
  ui::PanelStatusBar bar;
  bar.resize(301, 20);
  bar.show();
  bar.SetPanelText(1, QString::fromUtf8("לותח"));
  EXPECT_EQ(bar.PanelText(1), QString::fromUtf8("לותח"));
  EXPECT_EQ(bar.Panel(1)->text(), ui::kStoredOrderPrefix + QString::fromUtf8("לותח"));
  EXPECT_EQ(bar.Panel(0)->width(), 150);
  EXPECT_EQ(bar.Panel(1)->x(), 150);
  EXPECT_EQ(bar.Panel(0)->alignment(), Qt::AlignCenter);
}

// A notification area the test controls.
class FakeArea : public app::NotificationArea {
 public:
  explicit FakeArea(bool available) : available_(available) {}
  bool Available() const override { return available_; }
  void Show(const QIcon& icon, const QString& tip, std::function<void()> doubleClicked) override {
    shown = true;
    this->icon = icon;
    this->tip = tip;
    this->doubleClicked = std::move(doubleClicked);
  }
  void Hide() override { shown = false; }
  bool Shown() const override { return shown; }

  bool available_;
  bool shown = false;
  QIcon icon;
  QString tip;
  std::function<void()> doubleClicked;
};

TEST(AfterFirstPaintTest, RunsOnceAfterTheFirstPaintAndNeverForAWidgetGoneBefore) {
  int runs = 0;
  QWidget window;
  ui::AfterFirstPaint(window, [&runs] { ++runs; });
  QApplication::processEvents();
  EXPECT_EQ(runs, 0);  // not shown, not painted
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }));
  EXPECT_EQ(runs, 1);
  window.repaint();
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(runs, 1);

  auto gone = std::make_unique<QWidget>();
  ui::AfterFirstPaint(*gone, [&runs] { ++runs; });
  gone.reset();
  QApplication::processEvents();
  EXPECT_EQ(runs, 1);
}

TEST(TrayIconTest, MinimisedWindowHidesBehindTheIconUntilItsDoubleClick) {
  QWidget window;
  window.setWindowIcon(ui::BuiltInIcon());
  auto owned = std::make_unique<FakeArea>(true);
  FakeArea& area = *owned;
  app::TrayIcon tray(&window, std::move(owned));
  tray.SetTip(QString(80, QLatin1Char('x')));
  window.show();
  tray.WindowMinimised();
  EXPECT_TRUE(tray.IsShown());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(area.tip, QString(app::TrayIcon::kMaxTipLength, QLatin1Char('x')));
  EXPECT_FALSE(area.icon.isNull());
  area.doubleClicked();
  EXPECT_FALSE(tray.IsShown());
  EXPECT_TRUE(window.isVisible());
}

TEST(TrayIconTest, WithoutNotificationAreaTheWindowStays) {
  QWidget window;
  app::TrayIcon tray(&window, std::make_unique<FakeArea>(false));
  window.show();
  tray.WindowMinimised();
  EXPECT_FALSE(tray.IsShown());
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
