// "Conjugate" on the verb page: the forms filled from the root and the pattern, the question
// before typed forms are replaced, and the messages when something is missing.

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "EditorFixture.h"
#include "ScriptedDialogs.h"
#include "conjugation/Conjugate.h"
#include "text/Codepage.h"
#include "text/InvertText.h"
#include "ui/DisplayOrder.h"

namespace editortest {
namespace {

constexpr int kPaal = 1;

std::string Stored(const char* reading) {
  return text::InvertText(text::FromUtf8(reading, text::Codepage::Win1255));
}

class ConjugateCommandTest : public EditorFixture {
 protected:
  void SetUp() override {
    SetUpNewVerb();
    SetMask(std::string(editor::kVerbFormCount, '1'));
    ShowEditor();
    form_->ShowVerbTabForPart();
  }

  // The root box and the pattern list as the user leaves them on the "Cammon" page.
  void Enter(const char* root, int pattern) {
    form_->DBMemo5->SetText(text::ToUnicode(Stored(root), text::Codepage::Win1255));
    form_->CBDopHE->setCurrentIndex(pattern);
  }

  void Conjugate() {
    form_->PConVerb->setCurrentWidget(form_->TabSheet2);
    QTest::mouseClick(form_->findChild<QPushButton*>(QStringLiteral("BtnConjugate")),
                      Qt::LeftButton);
  }

  const conjugation::VerbForms kWrite =
      conjugation::Conjugate(Stored("כתב"), conjugation::Pattern::Paal);
};

TEST_F(ConjugateCommandTest, FillsTheFormsTheGridAndTheMemosOfANewVerbWithoutStoringThem) {
  Enter("כתב", kPaal);
  Conjugate();
  EXPECT_TRUE(dialogs_->messages.empty());
  for (int form = 0; form < editor::kVerbFormCount; ++form) {
    EXPECT_EQ(form_->VerbForms.VerbSpelling[form], kWrite.Spelling[form]) << form;
    EXPECT_EQ(form_->VerbForms.VerbPronunciation[form], kWrite.Pronunciation[form]) << form;
  }
  EXPECT_EQ(form_->StrGridVerb->columnCount(), editor::kVerbFormCount);
  EXPECT_EQ(form_->StrGridVerb->item(0, 27)->text(),
            ui::InStoredOrder(text::ToUnicode(kWrite.Spelling[27], text::Codepage::Win1255)));
  EXPECT_EQ(form_->MemoShovRU->text(), QString::fromUtf8("котэ<в"));
  EXPECT_EQ(data_->GLTABLE().RecordCount(), 0);
}

// Typed forms: "No" keeps them and fills only the empty ones; "Yes" replaces them.
TEST_F(ConjugateCommandTest, AsksBeforeReplacingTypedForms) {
  for (const ui::Answer answer : {ui::Answer::No, ui::Answer::Yes}) {
    form_->VerbForms.Clear();
    form_->VerbForms.VerbSpelling[5] = Stored("בתכ");
    form_->VerbForms.VerbPronunciation[6] = "x";
    dialogs_->messages.clear();
    dialogs_->answers = {answer};
    Enter("כתב", kPaal);
    Conjugate();
    ASSERT_EQ(dialogs_->messages.size(), 1u);
    EXPECT_EQ(dialogs_->messages[0].buttons, ui::Buttons::YesNo);
    const bool replaced = answer == ui::Answer::Yes;
    EXPECT_EQ(form_->VerbForms.VerbSpelling[5] == kWrite.Spelling[5], replaced);
    EXPECT_EQ(form_->VerbForms.VerbPronunciation[6] == kWrite.Pronunciation[6], replaced);
    EXPECT_EQ(form_->VerbForms.VerbPronunciation[5], kWrite.Pronunciation[5]);
    EXPECT_EQ(form_->VerbForms.VerbSpelling[0], kWrite.Spelling[0]);
  }
}

TEST_F(ConjugateCommandTest, FormsEqualToTheConjugatedOnesAreNotAskedAbout) {
  form_->VerbForms.VerbSpelling[0] = kWrite.Spelling[0];
  Enter("כתב", kPaal);
  Conjugate();
  EXPECT_TRUE(dialogs_->messages.empty());
}

// A missing root or pattern, or a root the engine refuses: a message, and no form changes.
TEST_F(ConjugateCommandTest, SaysWhatIsMissingOrWhyTheRootIsRefused) {
  struct Case {
    const char* root;
    int pattern;
    std::vector<const char*> said;
  };
  const Case cases[] = {{"", kPaal, {"Enter the root"}},
                        {"כתב", 0, {"\"EXCEPTION\" has no rule"}},
                        {"  ", 0, {"Enter the root", "\"EXCEPTION\" has no rule"}},
                        {"נשא", kPaal, {"The root נשא is not covered in PAAL"}}};
  for (const Case& c : cases) {
    form_->VerbForms.Clear();
    dialogs_->messages.clear();
    Enter(c.root, c.pattern);
    Conjugate();
    ASSERT_EQ(dialogs_->messages.size(), 1u) << c.root;
    for (const char* text : c.said) {
      EXPECT_TRUE(dialogs_->messages[0].text.contains(QString::fromUtf8(text)))
          << dialogs_->messages[0].text.toStdString();
    }
    for (const std::string& spelling : form_->VerbForms.VerbSpelling) EXPECT_EQ(spelling, "");
  }
}

TEST_F(ConjugateCommandTest, CtrlJOpensTheVerbPageAndConjugates) {
  Enter("כתב", kPaal);
  form_->PConVerb->setCurrentWidget(form_->TabSheet1);
  QTest::keyClick(form_.get(), Qt::Key_J, Qt::ControlModifier);
  EXPECT_TRUE(form_->VerbPageShowing());
  EXPECT_EQ(form_->VerbForms.VerbSpelling[0], kWrite.Spelling[0]);
}

}  // namespace
}  // namespace editortest
