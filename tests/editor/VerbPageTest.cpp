// The verb page of the word editor: the grid built from the verb-form mask, selecting a form,
// typing its spelling and pronunciation, and speaking it.

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "EditorFixture.h"
#include "ScriptedDialogs.h"
#include "text/Codepage.h"
#include "ui/DisplayOrder.h"

namespace editortest {
namespace {

constexpr char kDefaultMask[] = "0001001000000110000000010001";

std::string MaskOf(std::initializer_list<int> forms) {
  std::string mask(editor::kVerbFormCount, '0');
  for (int form : forms) mask[form] = '1';
  return mask;
}

QString Shown(const std::string& hebrew) {
  return ui::InStoredOrder(text::ToUnicode(hebrew, text::Codepage::Win1255));
}

class VerbPageTest : public EditorFixture {
 protected:
  void SetUp() override {
    SetUpNewVerb();
    ShowEditor();
  }

  void OpenVerbPage() {
    form_->PConVerb->setCurrentWidget(form_->TabSheet2);
    ASSERT_TRUE(form_->VerbPageShowing());
  }

  // The forms of the grid's columns, read from its header.
  std::vector<int> GridForms() {
    std::vector<int> forms;
    QTableWidget* grid = form_->StrGridVerb;
    for (int column = 0; column < grid->columnCount(); ++column) {
      const QString header = grid->horizontalHeaderItem(column)->text();
      int form = 0;
      while (form < editor::kVerbFormCount && Shown(editor::VerbFormLabels()[form]) != header) {
        ++form;
      }
      forms.push_back(form);
      EXPECT_EQ(form_->VerbForms.VerbColumnForm[column], form) << column;
    }
    return forms;
  }

  QString Cell(int column) { return form_->StrGridVerb->item(0, column)->text(); }
};

TEST_F(VerbPageTest, DefaultMaskShowsSevenColumnsBeginningWithForm0) {
  OpenVerbPage();
  EXPECT_EQ(GridForms(), (std::vector<int>{0, 3, 6, 13, 14, 23, 27}));
  EXPECT_EQ(form_->StrGridVerb->horizontalHeader()->defaultSectionSize(), 104);
}

TEST_F(VerbPageTest, OkOfTheSettingsRebuildsTheShowingGrid) {
  OpenVerbPage();
  SetMask(std::string(editor::kVerbFormCount, '1'));
  std::vector<int> all;
  for (int form = 0; form < editor::kVerbFormCount; ++form) all.push_back(form);
  EXPECT_EQ(GridForms(), all);
  SetMask(MaskOf({0, 3}));
  EXPECT_EQ(GridForms(), (std::vector<int>{0, 3}));
}

TEST_F(VerbPageTest, GridIsNotBuiltWhileTheCommonPageShows) {
  SetMask(std::string(editor::kVerbFormCount, '1'));
  EXPECT_EQ(form_->StrGridVerb->columnCount(), 1);
  OpenVerbPage();
  EXPECT_EQ(form_->StrGridVerb->columnCount(), 28);
}

TEST_F(VerbPageTest, MemosAreReadOnlyUntilACellIsSelected) {
  form_->VerbForms.VerbSpelling[0] = "\xE1\xFA\xEB";
  OpenVerbPage();
  EXPECT_TRUE(form_->MemoShov->isReadOnly());
  EXPECT_TRUE(form_->MemoShovRU->isReadOnly());
  EXPECT_EQ(form_->MemoShov->Text(), text::ToUnicode("\xE1\xFA\xEB", text::Codepage::Win1255));
  Focus(form_->MemoShov);
  QTest::keyClick(form_->MemoShov, 't');
  EXPECT_EQ(form_->MemoShov->Text(), text::ToUnicode("\xE1\xFA\xEB", text::Codepage::Win1255));
  form_->StrGridVerb->setCurrentCell(0, 1);
  EXPECT_FALSE(form_->MemoShov->isReadOnly());
  EXPECT_FALSE(form_->MemoShovRU->isReadOnly());
}

TEST_F(VerbPageTest, TypedMasculinePresentDerivesTheOtherPresentForms) {
  SetMask(MaskOf({0, 1, 2, 3}));
  OpenVerbPage();
  form_->StrGridVerb->setCurrentCell(0, 2);
  form_->StrGridVerb->setCurrentCell(0, 0);
  Focus(form_->MemoShov);
  QTest::keyClick(form_->MemoShov, 'c');  // bet
  QTest::keyClick(form_->MemoShov, 'v');  // he
  Focus(form_->MemoShovRU);               // leaves the spelling memo
  const std::string masculine = "\xE4\xE1";
  EXPECT_EQ(form_->VerbForms.VerbSpelling[0], masculine);
  EXPECT_EQ(Cell(0), Shown(masculine));
  EXPECT_EQ(Cell(1), Shown("\xFA" + masculine));
  EXPECT_EQ(Cell(2), Shown("\xED\xE9" + masculine));
  EXPECT_EQ(Cell(3), Shown("\xFA\xE5" + masculine));
}

TEST_F(VerbPageTest, Forms0And3ChangeOnlyTheirColumnsButAllDerivedSpellings) {
  SetMask(MaskOf({0, 3}));
  OpenVerbPage();
  form_->StrGridVerb->setCurrentCell(0, 1);
  form_->StrGridVerb->setCurrentCell(0, 0);
  Focus(form_->MemoShov);
  QTest::keyClick(form_->MemoShov, 'c');
  Focus(form_->MemoShovRU);
  ASSERT_EQ(form_->StrGridVerb->columnCount(), 2);
  EXPECT_EQ(Cell(1), Shown("\xFA\xE5\xE1"));
  EXPECT_EQ(form_->VerbForms.VerbSpelling[1], "\xFA\xE1");
  EXPECT_EQ(form_->VerbForms.VerbSpelling[2], "\xED\xE9\xE1");
}

TEST_F(VerbPageTest, FirstColumnShowsForm0WhenItIsNotChosen) {
  SetMask(std::string(editor::kVerbFormCount, '1'));
  for (int form = 0; form < editor::kVerbFormCount; ++form) {
    form_->VerbForms.VerbSpelling[form] = "\xE0";
  }
  OpenVerbPage();
  form_->PConVerb->setCurrentWidget(form_->TabSheet1);
  // Another word is opened: its own spellings, and a mask without form 0.
  form_->VerbForms.Clear();
  form_->VerbForms.VerbSpelling[5] = "\xE1";
  SetMask(MaskOf({5}));
  OpenVerbPage();
  EXPECT_EQ(GridForms(), (std::vector<int>{0, 5}));
  EXPECT_EQ(Cell(0), Shown(""));
  EXPECT_EQ(Cell(1), Shown("\xE1"));
}

TEST_F(VerbPageTest, EachSelectedColumnShowsItsOwnPronunciation) {
  OpenVerbPage();
  for (int form = 0; form < editor::kVerbFormCount; ++form) {
    form_->VerbForms.VerbPronunciation[form] = "p" + std::to_string(form);
  }
  form_->StrGridVerb->setCurrentCell(0, 2);  // form 6
  EXPECT_EQ(form_->MemoShovRU->text(), "p6");
  form_->StrGridVerb->setCurrentCell(0, 6);  // form 27
  EXPECT_EQ(form_->MemoShovRU->text(), "p27");
  Focus(form_->MemoShovRU);
  QTest::keyClick(form_->MemoShovRU, '\\');
  Focus(form_->MemoShov);
  EXPECT_EQ(form_->VerbForms.VerbPronunciation[27], "p27<");
  EXPECT_EQ(form_->VerbForms.VerbPronunciation[6], "p6");
}

TEST_F(VerbPageTest, PronunciationIsTypedWithTheRussianLayout) {
  OpenVerbPage();
  form_->StrGridVerb->setCurrentCell(0, 1);
  Focus(form_->MemoShovRU);
  EXPECT_EQ(form_->Layout.Active(), editor::KeyboardLayout::Script::Russian);
  QTest::keyClick(form_->MemoShovRU, 'f');
  EXPECT_EQ(form_->MemoShovRU->text(), QString::fromUtf8("а"));
}

TEST_F(VerbPageTest, SpeackQueuesThePronunciationOfTheSelectedForm) {
  OpenVerbPage();
  form_->VerbForms.VerbPronunciation[3] = "\xEB\xE0\xF2\xE1";
  form_->StrGridVerb->setCurrentCell(0, 1);
  form_->Button1->click();
  EXPECT_TRUE(share_->Queue().PendingHE());
  EXPECT_EQ(share_->Queue().PendingTextHE(), "\xEB\xE0\xF2\xE1");
  form_->StrGridVerb->setCurrentCell(0, 2);
  form_->Button1->click();
  EXPECT_EQ(share_->Queue().PendingTextHE(), "");  // an empty text is queued too
}

TEST_F(VerbPageTest, MemosShowTheToolTipColourUnlessFocused) {
  OpenVerbPage();
  const QColor tip = QPalette().color(QPalette::ToolTipBase);
  const QColor window = QPalette().color(QPalette::Base);
  EXPECT_EQ(form_->MemoShov->palette().color(QPalette::Base), tip);
  Focus(form_->MemoShov);
  EXPECT_EQ(form_->MemoShov->palette().color(QPalette::Base), window);
  Focus(form_->MemoShovRU);
  EXPECT_EQ(form_->MemoShov->palette().color(QPalette::Base), tip);
  EXPECT_EQ(form_->MemoShovRU->palette().color(QPalette::Base), window);
}

// Switching pages moves the focus from the Hebrew "Speack" button into the grid before the grid of
// this opening is built: the selection this makes must stay harmless.
TEST_F(VerbPageTest, FirstVisitWithTheFocusOnCammonBuildsTheGridWithoutError) {
  form_->VerbForms.VerbSpelling[0] = "\xE1\xFA\xEB";
  QTest::mouseClick(form_->BtnSpeackHE, Qt::LeftButton);
  ASSERT_TRUE(form_->BtnSpeackHE->hasFocus());
  QTabBar* tabs = form_->PConVerb->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  ASSERT_TRUE(form_->VerbPageShowing());
  EXPECT_EQ(dialogs_->Texts(ui::BoxKind::Error), std::vector<QString>{});
  EXPECT_EQ(GridForms(), (std::vector<int>{0, 3, 6, 13, 14, 23, 27}));
  EXPECT_EQ(form_->MemoShov->Text(), text::ToUnicode("\xE1\xFA\xEB", text::Codepage::Win1255));
}

TEST_F(VerbPageTest, ShowingTheEditorAgainReturnsToCammon) {
  OpenVerbPage();
  form_->hide();
  ShowEditor();
  EXPECT_EQ(form_->PConVerb->currentWidget(), form_->TabSheet1);
  EXPECT_TRUE(form_->PConVerb->isTabVisible(1));
}

}  // namespace
}  // namespace editortest
