// The language pages of the main window, driven through its widgets offscreen.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "BrowserTestData.h"
#include "MainWindowFixture.h"
#include "browser/Filters.h"
#include "ui/DisplayOrder.h"
#include "ui/PanelStatusBar.h"

namespace {

using test::FieldText;
using test::He;

class BrowserWindowTest : public test::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    test::AddBrowserDictionary(workspace.Data());
    Window();
  }

  QString Panel(int panel) { return window->StatusBar->PanelText(panel); }
  QString Word(store::Table& table) { return FieldText(table, "Item"); }
  void ShowPage(QWidget* page) { window->PageControl1->setCurrentWidget(page); }
  void ClickCell(QTableView* grid, int row, int column) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // The filter text and switch of the three tables, when they agree.
  std::string CommonFilter() {
    EXPECT_EQ(RU().Filter(), HE().Filter());
    EXPECT_EQ(RU().Filter(), EN().Filter());
    EXPECT_EQ(RU().Filtered(), HE().Filtered());
    EXPECT_EQ(RU().Filtered(), EN().Filtered());
    return RU().Filtered() ? RU().Filter() : std::string("(off)");
  }
};

TEST_F(BrowserWindowTest, RussianBoxTurnsEveryKeyOfOnePhysicalKeyIntoTheSameLetter) {
  for (const char* key : {"r", "R", "к", "К"}) {
    window->Edit3->clear();
    TypeKeys(window->Edit3, QString::fromUtf8(key));
    EXPECT_EQ(window->Edit3->text(), QString::fromUtf8("К")) << key;
    EXPECT_EQ(Word(RU()), QString::fromUtf8("КНИГА"));
  }
}

TEST_F(BrowserWindowTest, RussianSearchMovesGridAndShowsPartners) {
  TypeKeys(window->Edit3, QStringLiteral("rjn"));  // К О Т
  EXPECT_EQ(window->Edit3->text(), QString::fromUtf8("КОТ"));
  EXPECT_EQ(Word(RU()), QString::fromUtf8("КОТ"));
  EXPECT_EQ(window->DBGrid3->currentIndex().row(), RU().CurrentRow());
  EXPECT_EQ(Panel(0), He(QString::fromUtf8("חתול")));
  EXPECT_EQ(Panel(1), "CAT");
  // The status bar shows the Hebrew word in stored order, never reordered.
  EXPECT_TRUE(window->StatusBar->Panel(0)->text().startsWith(ui::kStoredOrderPrefix));

  window->Edit3->clear();  // emptying the box goes to the first word
  QApplication::processEvents();
  EXPECT_EQ(Word(RU()), QString::fromUtf8("БОЛЬШОЙ"));
  EXPECT_EQ(window->DBGrid3->currentIndex().row(), 0);
}

TEST_F(BrowserWindowTest, PassThroughKeysAndDroppedKeys) {
  TypeKeys(window->Edit3, QStringLiteral("%'1"));
  // "%" passes, the apostrophe key is Э in Russian, "1" has no letter and types nothing.
  EXPECT_EQ(window->Edit3->text(), QString::fromUtf8("%Э"));
  ShowPage(window->SheetEN);
  TypeKeys(window->Edit1, QString::fromUtf8("сat's."));
  EXPECT_EQ(window->Edit1->text(), "CAT'S.");
  QTest::keyClick(window->Edit1, Qt::Key_Backspace);
  EXPECT_EQ(window->Edit1->text(), "CAT'S");
}

TEST_F(BrowserWindowTest, EnglishSearchFromLatinAndCyrillicKeys) {
  ShowPage(window->SheetEN);
  EXPECT_EQ(window->InputLanguage, text::Language::English);
  TypeKeys(window->Edit1, QString::fromUtf8("ишп"));  // the keys B, I, G
  EXPECT_EQ(window->Edit1->text(), "BIG");
  EXPECT_EQ(Word(EN()), "BIG");
  EXPECT_EQ(Panel(0), QString::fromUtf8("БОЛЬШОЙ"));
  EXPECT_EQ(Panel(1), He(QString::fromUtf8("גדול")));
}

TEST_F(BrowserWindowTest, HebrewBoxBuildsDisplayOrderAndSearchesReadingOrder) {
  ShowPage(window->SheetHE);
  EXPECT_EQ(window->InputLanguage, text::Language::Hebrew);
  TypeKeys(window->Memo1, QStringLiteral("tcv"));
  // א, ב, ה typed one after another stand as ה ב א from left to right.
  EXPECT_EQ(window->Memo1->Text(), QString::fromUtf8("הבא"));
  EXPECT_TRUE(window->Memo1->text().startsWith(ui::kStoredOrderPrefix));
  window->Memo1->SetText(QString());
  TypeKeys(window->Memo1, QString::fromUtf8("kf"));  // ל then כ: reading "לכ"
  EXPECT_EQ(window->Memo1->Text(), He(QString::fromUtf8("לכ")));
  EXPECT_EQ(Word(HE()), He(QString::fromUtf8("לכתוב")));
  EXPECT_EQ(Panel(0), QString::fromUtf8("ПИСАТЬ"));
  EXPECT_EQ(Panel(1), "WRITE");
  EXPECT_EQ(window->DBGrid2->currentIndex().row(), HE().CurrentRow());
  // The Russian grid now lists by id until the next Russian search.
  EXPECT_EQ(RU().IndexName(), "id_index");
}

// A paste into a search box keeps what the searched words can hold and names the rest once; the
// search runs on the kept text, and the keys typed after it raise nothing.
TEST_F(BrowserWindowTest, PasteIntoASearchBoxLeavesOutWhatTheWordsCannotHold) {
  const struct {
    QWidget* page;
    QLineEdit* box;
    QString pasted;
    QString kept;
    store::Table& table;
    QString found;
    const char* message;  // UTF-8
  } cases[] = {
      {window->SheetRU, window->Edit3, QString::fromUtf8("ко😀日"), QString::fromUtf8("ко"), RU(),
       QString::fromUtf8("КОТ"),
       "Characters that Russian text cannot hold were left out: \xF0\x9F\x98\x80 "
       "\xE6\x97\xA5"},
      {window->SheetHE, window->Memo1, QString::fromUtf8("é") + He(QString::fromUtf8("לכ")),
       He(QString::fromUtf8("לכ")), HE(), He(QString::fromUtf8("לכתוב")),
       "Characters that Hebrew text cannot hold were left out: \xC3\xA9"},
      {window->SheetEN, window->Edit1, QString::fromUtf8("BI日äG"), QStringLiteral("BIG"), EN(),
       QStringLiteral("BIG"),
       "Characters that English text cannot hold were left out: \xE6\x97\xA5 \xC3\xA4"},
  };
  for (const auto& c : cases) {
    ShowPage(c.page);
    dialogs.messages.clear();
    QApplication::clipboard()->setText(c.pasted);
    c.box->paste();
    const auto* ordered = qobject_cast<ui::DisplayOrderEdit*>(c.box);
    EXPECT_EQ(ordered ? ordered->Text() : c.box->text(), c.kept) << c.message;
    EXPECT_EQ(Word(c.table), c.found) << c.message;
    QTest::keyClick(c.box, Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.Texts(), std::vector<QString>{QString::fromUtf8(c.message)});
  }
  EXPECT_TRUE(window->Memo1->text().startsWith(ui::kStoredOrderPrefix));
}

TEST_F(BrowserWindowTest, HebrewRootSearch) {
  ShowPage(window->SheetHE);
  TypeKeys(window->Memo2, QString::fromUtf8("а"));  // the Cyrillic twin of "f": כ
  EXPECT_EQ(Word(HE()), He(QString::fromUtf8("לכתוב")));
  EXPECT_EQ(Panel(0), QString::fromUtf8("ПИСАТЬ"));
}

TEST_F(BrowserWindowTest, EmptyingAHebrewBoxChangesNothing) {
  ShowPage(window->SheetHE);
  TypeKeys(window->Memo1, QStringLiteral("k"));
  const int row = HE().CurrentRow();
  const QString panel = Panel(0);
  QTest::keyClick(window->Memo1, Qt::Key_Delete);
  QTest::keyClick(window->Memo1, Qt::Key_Backspace);
  window->Memo1->SetText(QString());
  EXPECT_EQ(window->Memo1->Text(), QString());
  EXPECT_EQ(HE().CurrentRow(), row);
  EXPECT_EQ(Panel(0), panel);
}

TEST_F(BrowserWindowTest, WordWithoutPartnerWordsShowsDashes) {
  test::AddMeaning(workspace.Data(), {.ru = QString::fromUtf8("ЯЯ")});
  TypeKeys(window->Edit3, QStringLiteral("zz"));
  EXPECT_EQ(Panel(0), "-----");
  EXPECT_EQ(Panel(1), "-----");
}

TEST_F(BrowserWindowTest, EmptyLinkIsReportedAndTheProgramGoesOn) {
  RU().Insert();
  RU().FieldByName("Item").SetAsString("\xDF\xDF\xDF");
  RU().Post();
  TypeKeys(window->Edit3, QStringLiteral("zzz"));
  ASSERT_FALSE(dialogs.Texts(ui::BoxKind::Error).empty());
  EXPECT_EQ(dialogs.Texts(ui::BoxKind::Error).front(), "'' is not a valid integer value");
  window->Edit3->clear();
  EXPECT_EQ(Word(RU()), QString::fromUtf8("БОЛЬШОЙ"));
}

TEST_F(BrowserWindowTest, ArrowReleaseInGridShowsTranslationPageDownDoesNot) {
  window->DBGrid3->setFocus();
  window->DBGrid3->setCurrentIndex(window->DBGrid3->model()->index(0, 0));
  QTest::keyClick(window->DBGrid3, Qt::Key_Down);
  EXPECT_EQ(RU().CurrentRow(), 1);
  // Before any search the Russian grid lists in id order: the second word is КНИГА.
  EXPECT_EQ(Panel(0), He(QString::fromUtf8("ספר")));
  QTest::keyClick(window->DBGrid3, Qt::Key_PageDown);
  EXPECT_NE(RU().CurrentRow(), 1);
  EXPECT_EQ(Panel(0), He(QString::fromUtf8("ספר")));
}

TEST_F(BrowserWindowTest, HeldArrowShowsTheTranslationOnlyWhenReleased) {
  window->DBGrid3->setFocus();
  window->DBGrid3->setCurrentIndex(window->DBGrid3->model()->index(0, 0));
  const QString before = Panel(0);
  const auto send = [this](QEvent::Type type, bool repeated) {
    QKeyEvent event(type, Qt::Key_Down, Qt::NoModifier, QString(), repeated);
    QApplication::sendEvent(window->DBGrid3, &event);
  };
  send(QEvent::KeyPress, false);
  send(QEvent::KeyRelease, true);
  send(QEvent::KeyPress, true);
  EXPECT_EQ(RU().CurrentRow(), 2);
  EXPECT_EQ(Panel(0), before);
  send(QEvent::KeyRelease, false);
  EXPECT_EQ(Panel(0), He(QString::fromUtf8("ללכת")));  // the third word in id order: ИДТИ
}

TEST_F(BrowserWindowTest, ClickOnWordShowsTranslationClickOnMarkTogglesMeaning) {
  ShowPage(window->SheetHE);
  ClickCell(window->DBGrid2, 2, 0);
  EXPECT_EQ(HE().CurrentRow(), 2);
  const QString russian = Word(RU());
  EXPECT_EQ(Panel(0), russian);

  ClickCell(window->DBGrid2, 2, 1);
  EXPECT_EQ(FieldText(HE(), "Select"), "*");
  EXPECT_EQ(FieldText(RU(), "Select"), "*");
  EXPECT_EQ(FieldText(EN(), "Select"), "*");
  EXPECT_EQ(Word(RU()), russian);
  ClickCell(window->DBGrid2, 2, 1);
  EXPECT_EQ(FieldText(HE(), "Select"), "");
  EXPECT_EQ(FieldText(RU(), "Select"), "");
  EXPECT_EQ(FieldText(EN(), "Select"), "");
}

TEST_F(BrowserWindowTest, SelectMarksOnlyTheActivePagesWord) {
  ShowPage(window->SheetEN);
  window->NSelect->trigger();
  EXPECT_EQ(FieldText(EN(), "Select"), "*");
  EXPECT_EQ(FieldText(RU(), "Select"), "");
  Click(window->SpeedButton8);
  EXPECT_EQ(FieldText(EN(), "Select"), "");
}

TEST_F(BrowserWindowTest, DeselectClearsEveryMarkedMeaningAndTheGridSelection) {
  for (int row : {0, 2, 4, 6}) ClickCell(window->DBGrid3, row, 1);
  window->DBGrid1->selectAll();
  Click(window->BitBtn1);
  for (store::Table* table : {&RU(), &HE(), &EN()}) {
    for (table->First(); !table->Eof(); table->Next()) {
      EXPECT_EQ(FieldText(*table, "Select"), "") << FieldText(*table, "Item").toStdString();
    }
  }
  EXPECT_FALSE(window->DBGrid1->selectionModel()->hasSelection());
  EXPECT_EQ(Panel(0), " ");
  EXPECT_EQ(Panel(1), " ");
  EXPECT_EQ(RU().RecordCount(), 8);
}

TEST_F(BrowserWindowTest, DeleteAnsweredNoChangesNothing) {
  TypeKeys(window->Edit3, QStringLiteral("rjn"));
  window->NDel->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "You really want to remove this word ?");
  EXPECT_EQ(dialogs.messages[0].buttons, ui::Buttons::YesNo);
  for (store::Table* table : {&RU(), &HE(), &EN()}) EXPECT_EQ(table->RecordCount(), 8);
  EXPECT_EQ(Word(RU()), QString::fromUtf8("КОТ"));
}

TEST_F(BrowserWindowTest, DeleteAnsweredYesRemovesTheMeaning) {
  TypeKeys(window->Edit3, QStringLiteral("rjn"));
  dialogs.answers.push_back(ui::Answer::Yes);
  Click(window->SpeedButton10);
  for (store::Table* table : {&RU(), &HE(), &EN()}) EXPECT_EQ(table->RecordCount(), 7);
  EXPECT_FALSE(HE().Locate("Item", "\xEC\xE5\xFA\xE7"));  // חתול in display order
  EXPECT_EQ(Panel(0), " ");
}

TEST_F(BrowserWindowTest, PartButtonsAndThemeListSetTheFilterTexts) {
  Click(window->SpBVerb);
  EXPECT_EQ(CommonFilter(), "Part  = '1'");
  window->CBTheme->setCurrentIndex(3);  // "Family"
  EXPECT_EQ(CommonFilter(), "Part  = '1' and Topic = '2'");
  Click(window->SpBVerb);  // released, the verb filter stays
  EXPECT_FALSE(window->SpBVerb->isChecked());
  EXPECT_EQ(CommonFilter(), "Part  = '1' and Topic = '2'");

  Click(window->SpBNoun);
  window->CBTheme->setCurrentIndex(5);  // "Time"
  EXPECT_EQ(CommonFilter(), "Part  = '2' and Topic = '4'");
  Click(window->SpBAdjective);
  EXPECT_EQ(CommonFilter(), "Part  = '3' and Topic = '4'");
  EXPECT_FALSE(window->SpBNoun->isChecked());
  Click(window->SpBServ);
  EXPECT_EQ(CommonFilter(), "Part  = '4' and Topic = '4'");
  Click(window->SpBSent);
  EXPECT_EQ(CommonFilter(), "Part  = '5' and Topic = '4'");
}

TEST_F(BrowserWindowTest, OthersThenThemeKeepsOnlyTheThemeFilter) {
  window->CBTheme->setCurrentIndex(2);
  Click(window->SpBOther);
  EXPECT_EQ(CommonFilter(), browser::kOthersFilter);
  EXPECT_EQ(window->CBTheme->currentIndex(), 0);
  EXPECT_EQ(RU().RecordCount(), 1);
  window->CBTheme->setCurrentIndex(5);
  EXPECT_EQ(CommonFilter(), "Topic  = '4'");
  EXPECT_TRUE(window->SpBOther->isChecked());
}

TEST_F(BrowserWindowTest, WithoutFilterShowsEverythingAndResetsTheControls) {
  Click(window->SpBVerb);
  window->CBTheme->setCurrentIndex(5);
  Click(window->SpeedButton23);
  EXPECT_EQ(CommonFilter(), "(off)");
  EXPECT_EQ(window->CBTheme->currentIndex(), 0);
  EXPECT_FALSE(window->SpBVerb->isChecked());
  EXPECT_EQ(RU().RecordCount(), 8);
  EXPECT_EQ(window->DBGrid3->model()->rowCount(), 8);
}

TEST_F(BrowserWindowTest, TypedThemeSelectsNoPositionAndNoWordPasses) {
  window->CBTheme->setFocus();
  window->CBTheme->lineEdit()->selectAll();
  TypeKeys(window->CBTheme->lineEdit(), QStringLiteral("Zoo"));
  EXPECT_EQ(CommonFilter(), "Topic  = '-2'");
  EXPECT_EQ(window->DBGrid3->model()->rowCount(), 0);
}

TEST_F(BrowserWindowTest, EnglishSpeechButtonSharesTheFilterGroupLookOnly) {
  Click(window->SpBVerb);
  window->SpeedButton5->toggle();  // pressed; its speech handler needs the settings window
  EXPECT_FALSE(window->SpBVerb->isChecked());
  EXPECT_EQ(CommonFilter(), "Part  = '1'");
  Click(window->SpBNoun);
  EXPECT_FALSE(window->SpeedButton5->isChecked());
}

TEST_F(BrowserWindowTest, GridsShowWordsAndMarksAndAllowSeveralSelectedRows) {
  for (QTableView* grid : {window->DBGrid3, window->DBGrid2, window->DBGrid1}) {
    EXPECT_EQ(grid->model()->columnCount(), 2);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Words");
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->model()->rowCount(), 8);
  }
}

}  // namespace
