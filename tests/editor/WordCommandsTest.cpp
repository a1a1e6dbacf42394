// The word commands of the main window that open and close the word editor: "Add word",
// "Edit word", "Save" and "Cancel".

#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "EditorFixture.h"
#include "RefusedWrites.h"
#include "ScriptedDialogs.h"
#include "TestDictionary.h"
#include "app/Find.h"
#include "store/Error.h"
#include "text/Codepage.h"
#include "ui/DisplayOrder.h"
#include "ui/PanelStatusBar.h"

namespace editortest {
namespace {

const QString kRootMessage = QStringLiteral(
    "Enter the data on a root for formation of the table of conjugation of verbs!!! "
    "?(vocamir@example.org)");
const QString kFailureMessage =
    QStringLiteral("There was a failure at recording the data!!! (vocamir@example.org)");

class WordCommandsTest : public EditorFixture {
 protected:
  void SetUp() override { SetUpWindows(true); }

  TFormSelect& Main() { return *formSelect_; }
  void OnPage(QWidget* sheet) { Main().PageControl1->setCurrentWidget(sheet); }
  bool Editing() const {
    return form_->isVisible() && formSelect_->NInfo->menuAction()->isEnabled();
  }

  // A new word on the Hebrew page, typed as a verb with a root and forms, then saved.
  void SaveVerb(const std::string& formPrefix) {
    data_->HETable().FieldByName("Root").SetAsString("\xE1\xFA\xEB");
    form_->CBTypeHE->setCurrentIndex(editor::kPartVerb);
    for (int form = 0; form < editor::kVerbFormCount; ++form) {
      form_->VerbForms.VerbSpelling[form] = formPrefix + "s" + std::to_string(form);
      form_->VerbForms.VerbPronunciation[form] = formPrefix + "p" + std::to_string(form);
    }
    Main().N4Click();
    ASSERT_FALSE(form_->isVisible());
  }

  std::string Form(store::Table& table, int form) { return table.Fields(form + 1).AsString(); }
};

struct AddCase {
  const char* name;
  int page;  // 0 Russian, 1 Hebrew, 2 English
  QString search;
  std::string stored;
};

class AddWordTest : public WordCommandsTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddWordTest, NewMeaningStartsWithTheSearchTextLinkedAndMarked) {
  const AddCase& c = GetParam();
  QWidget* sheets[] = {Main().SheetRU, Main().SheetHE, Main().SheetEN};
  store::Table* tables[] = {&data_->RUTable(), &data_->HETable(), &data_->ENTable()};
  OnPage(sheets[c.page]);
  if (c.page == 0) Main().Edit3->setText(c.search);
  if (c.page == 1) Main().Memo1->SetText(c.search);
  if (c.page == 2) Main().Edit1->setText(c.search);
  form_->CBSexRU->setCurrentIndex(3);
  form_->VerbForms.VerbSpelling[4] = "old";

  Main().NNewClick();

  EXPECT_TRUE(Editing());
  EXPECT_EQ(Main().StatusBar->PanelText(0), " ");
  EXPECT_EQ(Main().StatusBar->PanelText(1), " ");
  for (int page = 0; page < 3; ++page) {
    store::Table& table = *tables[page];
    EXPECT_EQ(table.State(), store::TableState::Edit);
    EXPECT_EQ(Text(table, "Select"), "*");
    if (page == c.page) {
      EXPECT_EQ(Text(table, "Item"), c.stored);
    } else {
      EXPECT_TRUE(table.FieldByName("Item").IsNull());
    }
  }
  EXPECT_TRUE(test::CurrentRecordsLinked(*data_));
  EXPECT_EQ(form_->Codes().sexRU, 0);
  EXPECT_EQ(form_->VerbForms.VerbSpelling[4], "");
  if (c.page == 1) {
    EXPECT_EQ(Text(data_->HETable(), "Item_Invert"),
              std::string(c.stored.rbegin(), c.stored.rend()));
    EXPECT_EQ(form_->DBMemo1->Text(), c.search);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AddWordTest,
    ::testing::Values(AddCase{"Russian", 0, QString::fromUtf8("ДОМ"), "\xC4\xCE\xCC"},
                      AddCase{"Hebrew", 1, QString::fromUtf8("הבא"), "\xE4\xE1\xE0"},
                      AddCase{"English", 2, QStringLiteral("HOUSE"), "HOUSE"}),
    [](const auto& info) { return std::string(info.param.name); });

// "Save" on a disk that refuses its first, second or third write changes nothing of the meaning
// on disk and keeps the editor open with what was typed; once the disk takes writes again,
// "Save" stores it.
class SaveRefusedTest : public WordCommandsTest, public ::testing::WithParamInterface<int> {};

TEST_P(SaveRefusedTest, ChangesNothingAndKeepsTheTyping) {
  const std::filesystem::path database = data_->DataFolder() / "vocamir.db";
  const auto stored = [&database](const char* table) {
    return test::QueryInteger(database, std::string("SELECT count(*) FROM ") + table +
                                            " WHERE Part = " + std::to_string(editor::kPartNoun));
  };
  OnPage(Main().SheetEN);
  Main().Edit1->setText("CAT");
  Main().NNewClick();
  form_->CBTypeHE->setCurrentIndex(editor::kPartNoun);
  test::RefuseWrite(database, GetParam());

  EXPECT_THROW(Main().N4Click(), store::Error);
  EXPECT_TRUE(Editing());
  EXPECT_EQ(stored("RUWORDS") + stored("Hewords") + stored("ENWORDS"), 0);
  EXPECT_EQ(Text(data_->ENTable(), "Item"), "CAT");
  EXPECT_EQ(data_->ENTable().FieldByName("Part").AsInteger(), editor::kPartNoun);

  test::RefuseWrite(database, 0);
  Main().N4Click();
  EXPECT_FALSE(Editing());
  EXPECT_EQ(stored("RUWORDS") + stored("Hewords") + stored("ENWORDS"), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, SaveRefusedTest, ::testing::Values(1, 2, 3));

TEST_F(WordCommandsTest, AddThenCancelLeavesThreeLinkedMarkedRecords) {
  OnPage(Main().SheetEN);
  Main().Edit1->setText("CAT");
  Main().NNewClick();
  const int ru = data_->RUTable().FieldByName("Id").AsInteger();
  const int he = data_->HETable().FieldByName("id").AsInteger();
  Main().N5Click();
  EXPECT_FALSE(form_->isVisible());
  EXPECT_FALSE(Main().NInfo->menuAction()->isEnabled());
  // Moving the tables stores what was pending.
  data_->RUTable().First();
  data_->HETable().First();
  data_->ENTable().First();
  ASSERT_TRUE(data_->ENTable().Locate("Item", "CAT"));
  EXPECT_EQ(data_->ENTable().FieldByName("idRU").AsInteger(), ru);
  ASSERT_TRUE(data_->RUTable().Locate("Id", ru));
  EXPECT_EQ(data_->RUTable().FieldByName("IdHE").AsInteger(), he);
  ASSERT_TRUE(data_->HETable().Locate("id", he));
  EXPECT_EQ(Text(data_->HETable(), "Select"), "*");
}

TEST_F(WordCommandsTest, EditWordOnNullCodesOpensWithTheListsAtZero) {
  Main().NNewClick();
  Main().N5Click();
  form_->SetCodes({4, 3, 2, 3, 1, 9});
  OnPage(Main().SheetRU);
  Main().NEditClick();
  EXPECT_TRUE(Editing());
  const editor::WordCodes codes = form_->Codes();
  EXPECT_EQ(codes.part, 0);
  EXPECT_EQ(codes.binyan, 0);
  EXPECT_EQ(codes.sexHE, 0);
  EXPECT_EQ(codes.sexRU, 0);
  EXPECT_EQ(codes.sexEN, 0);
  EXPECT_EQ(codes.topic, 0);
}

// "Edit word" opens only a whole meaning: on an empty page nothing happens, and a word whose
// partners are gone is refused with a message instead of editing whatever the other pages show.
TEST_F(WordCommandsTest, EditWordNeedsAWordAndBothItsPartners) {
  OnPage(Main().SheetEN);
  Main().NEditClick();
  EXPECT_FALSE(Editing());
  EXPECT_TRUE(data_->ENTable().IsEmpty());
  EXPECT_TRUE(dialogs_->Texts().empty());

  Main().NNewClick();
  Main().N4Click();
  data_->ENTable().Edit();
  data_->ENTable().FieldByName("idHE").Clear();
  data_->ENTable().Post();
  Main().NEditClick();
  EXPECT_FALSE(Editing());
  ASSERT_EQ(dialogs_->Texts().size(), 1u);
  EXPECT_TRUE(dialogs_->Texts()[0].startsWith("This word cannot be edited"));
  EXPECT_EQ(data_->HETable().RecordCount(), 1);
}

TEST_F(WordCommandsTest, VerbWithoutRootIsRefusedAndTheEditorStaysOpen) {
  OnPage(Main().SheetHE);
  Main().NNewClick();
  form_->CBTypeHE->setCurrentIndex(editor::kPartVerb);
  Main().N4Click();
  ASSERT_EQ(dialogs_->Texts().size(), 1u);
  EXPECT_EQ(dialogs_->Texts()[0], kRootMessage);
  EXPECT_TRUE(Editing());
  EXPECT_TRUE(data_->HETable().FieldByName("Part").IsNull());
  EXPECT_EQ(data_->GLTABLE().RecordCount(), 0);

  form_->CBTypeHE->setCurrentIndex(editor::kPartNoun);
  Main().N4Click();
  EXPECT_FALSE(form_->isVisible());
  EXPECT_FALSE(Main().NInfo->menuAction()->isEnabled());
  EXPECT_EQ(data_->HETable().FieldByName("Part").AsInteger(), editor::kPartNoun);
  EXPECT_EQ(data_->RUTable().FieldByName("Part").AsInteger(), editor::kPartNoun);
  EXPECT_EQ(data_->HETable().State(), store::TableState::Browse);
}

TEST_F(WordCommandsTest, RussianAndEnglishGenderNoTakesTheHebrewGender) {
  Main().NNewClick();
  form_->CBSexHE->setCurrentIndex(2);
  form_->CBTheme->setCurrentIndex(5);
  Main().N4Click();
  EXPECT_EQ(data_->RUTable().FieldByName("Sex").AsInteger(), 2);
  EXPECT_EQ(data_->ENTable().FieldByName("Sex").AsInteger(), 2);
  EXPECT_EQ(data_->ENTable().FieldByName("Topic").AsInteger(), 5);

  OnPage(Main().SheetRU);
  Main().NEditClick();
  EXPECT_EQ(form_->Codes().sexRU, 2);
  form_->CBSexRU->setCurrentIndex(3);
  form_->CBSexEN->setCurrentIndex(1);
  Main().N4Click();
  EXPECT_EQ(data_->RUTable().FieldByName("Sex").AsInteger(), 3);
  EXPECT_EQ(data_->ENTable().FieldByName("Sex").AsInteger(), 1);
  EXPECT_EQ(data_->HETable().FieldByName("Sex").AsInteger(), 2);
}

TEST_F(WordCommandsTest, VerbSavedTwiceUpdatesTheSameTwoRecords) {
  OnPage(Main().SheetHE);
  Main().NNewClick();
  SaveVerb("a");
  ASSERT_EQ(data_->GLTABLE().RecordCount(), 1);
  ASSERT_EQ(data_->NekudotTable().RecordCount(), 1);
  const int he = data_->HETable().FieldByName("id").AsInteger();
  EXPECT_EQ(data_->GLTABLE().FieldByName("IdHE").AsInteger(), he);
  EXPECT_EQ(data_->GLTABLE().FieldByName("IdNekudot").AsInteger(),
            data_->NekudotTable().FieldByName("Id").AsInteger());

  Main().NEditClick();
  EXPECT_EQ(form_->VerbForms.VerbSpelling[27], "as27");
  EXPECT_EQ(form_->VerbForms.VerbPronunciation[0], "ap0");
  SaveVerb("b");
  EXPECT_EQ(data_->GLTABLE().RecordCount(), 1);
  EXPECT_EQ(data_->NekudotTable().RecordCount(), 1);
  EXPECT_EQ(Form(data_->GLTABLE(), 13), "bs13");
  EXPECT_EQ(Form(data_->NekudotTable(), 13), "bp13");
}

TEST_F(WordCommandsTest, NounThatOnceWasAVerbKeepsItsOldForms) {
  OnPage(Main().SheetHE);
  Main().NNewClick();
  SaveVerb("a");
  Main().NEditClick();
  form_->CBTypeHE->setCurrentIndex(editor::kPartNoun);
  form_->VerbForms.VerbSpelling[0] = "changed";
  Main().N4Click();
  EXPECT_EQ(Form(data_->GLTABLE(), 0), "as0");
  Main().NEditClick();
  EXPECT_EQ(form_->Codes().part, editor::kPartNoun);
  EXPECT_EQ(form_->VerbForms.VerbSpelling[0], "as0");
  EXPECT_EQ(form_->VerbForms.VerbPronunciation[5], "ap5");
}

TEST_F(WordCommandsTest, FailedVerbStoreIsReportedAndTheWordIsStillSaved) {
  OnPage(Main().SheetHE);
  Main().NNewClick();
  data_->NekudotTable().Close();
  SaveVerb("a");
  ASSERT_EQ(dialogs_->Texts().size(), 1u);
  EXPECT_EQ(dialogs_->Texts()[0], kFailureMessage);
  EXPECT_FALSE(Main().NInfo->menuAction()->isEnabled());
  EXPECT_EQ(data_->HETable().State(), store::TableState::Browse);
  EXPECT_EQ(data_->HETable().FieldByName("Part").AsInteger(), editor::kPartVerb);
  EXPECT_EQ(data_->GLTABLE().RecordCount(), 0);
}

TEST_F(WordCommandsTest, SpellingStillBeingTypedIsSaved) {
  OnPage(Main().SheetHE);
  Main().NNewClick();
  data_->HETable().FieldByName("Root").SetAsString("\xE1");
  form_->CBTypeHE->setCurrentIndex(editor::kPartVerb);
  form_->CBTypeHEChange();
  ShowEditor();
  form_->PConVerb->setCurrentWidget(form_->TabSheet2);
  form_->StrGridVerb->setCurrentCell(0, 1);  // form 3 with the default mask
  Focus(form_->MemoShov);
  QTest::keyClick(form_->MemoShov, 'c');
  Main().N4Click();  // F2 while the memo still has the focus
  EXPECT_EQ(Form(data_->GLTABLE(), 3), "\xE1");
}

TEST_F(WordCommandsTest, F2AndEscAnswerWhileTheEditorIsActive) {
  Main().NNewClick();
  ShowEditor();
  QTest::keyClick(form_.get(), Qt::Key_F2);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_EQ(data_->RUTable().State(), store::TableState::Browse);
  Main().NNewClick();
  ShowEditor();
  QTest::keyClick(form_.get(), Qt::Key_Escape);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_EQ(data_->RUTable().State(), store::TableState::Edit);
}

TEST_F(WordCommandsTest, DoubleClickInAGridOpensTheEditorOnThatWord) {
  OnPage(Main().SheetEN);
  Main().Edit1->setText("DOG");
  Main().NNewClick();
  Main().N4Click();
  OnPage(Main().SheetEN);
  Main().DBGrid1DblClick();
  EXPECT_TRUE(Editing());
  EXPECT_EQ(form_->DBEdit3->text(), "DOG");
}

}  // namespace
}  // namespace editortest
