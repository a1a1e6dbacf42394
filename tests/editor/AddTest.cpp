// The word editor window: its components, typing in its fields, the part-of-speech rule, the
// paint rule and the speak buttons.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "EditorFixture.h"
#include "ScriptedDialogs.h"
#include "speech/Formshare.h"
#include "ui/DisplayOrder.h"

namespace editortest {
namespace {

class AddTest : public EditorFixture {
 protected:
  void SetUp() override {
    SetUpWindows(false);
    editor::WordTables tables = Tables();
    editor::CreateMeaning(tables, editor::Page::English, "");
  }

  // Types `keys` one by one into `edit`, each key pressed and released.
  static void Type(QWidget* edit, const char* keys) {
    for (const char* key = keys; *key; ++key) QTest::keyClick(edit, *key);
  }
};

TEST_F(AddTest, WindowIsHiddenOnTopWithoutTitleButtonsAndIgnoresClose) {
  EXPECT_FALSE(form_->isVisible());
  EXPECT_EQ(form_->windowTitle(), "Add/Edit (F2 - Save)");
  const Qt::WindowFlags flags = form_->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  ShowEditor();
  EXPECT_FALSE(form_->close());
  EXPECT_TRUE(form_->isVisible());
}

struct ListCase {
  const char* name;
  QStringList items;
};

TEST_F(AddTest, ChoiceListsHoldTheirItemsInCodeOrder) {
  const ListCase cases[] = {
      {"CBSexRU", {"NO", "MAN'S", "FEMALE", "AVERAGE"}},
      {"CBSexHE", {"NO", "MAN'S", "FEMALE"}},
      {"CBSexEN", {"NO", "MAN'S", "FEMALE"}},
      {"CBDopHE", {"EXCEPTION", "PAAL", "PIEL", "HIFIL", "NIFAL", "PUAL", "HUFAL", "HITPAEL"}},
      {"CBTypeHE", {"UNKNOWN", "VERB", "NOUN", "ADJECTIVE", "SERVICE WORD", "WORD COLLOCATION"}},
  };
  for (const ListCase& c : cases) {
    auto* list = form_->findChild<QComboBox*>(c.name);
    ASSERT_NE(list, nullptr) << c.name;
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    EXPECT_EQ(items, c.items) << c.name;
  }
  auto* theme = form_->findChild<QComboBox*>("CBTheme");
  ASSERT_EQ(theme->count(), 15);
  EXPECT_EQ(theme->itemText(0), "Colloquial");
  EXPECT_EQ(theme->itemText(7), "Science/Engineering ");
  EXPECT_EQ(theme->itemText(14), "Slang");
  EXPECT_FALSE(form_->CBDopHE->isEnabled());
  EXPECT_TRUE(form_->CBSexHE->isEnabled());
}

TEST_F(AddTest, PagesFieldsAndButtonsCarryTheirCaptionsAndHints) {
  EXPECT_EQ(form_->PConAdd->tabText(0), "Word info");
  EXPECT_EQ(form_->PConAdd->tabText(1), "Sentence");
  EXPECT_EQ(form_->PConVerb->tabText(0), "Cammon");
  EXPECT_EQ(form_->PConVerb->tabText(1), "Verb");
  EXPECT_EQ(form_->PConVerb->tabPosition(), QTabWidget::South);
  const std::pair<const char*, const char*> hints[] = {
      {"DBEdit1", "Input Word on Russian"},
      {"DBMemo3", "Rules for correct speech"},
      {"DBMemo1", "Input Word on Hebrew"},
      {"DBMemo5", "Input Root of Hebrew Verb"},
      {"DBMemo2", "Rules for correct speech, click on  \"\\\" for \"<\""},
      {"DBEdit3", "Input Word on English"},
      {"DBMemo4", "Rules for correct speech"},
      {"MemoShov", "Select Cel in Grid"},
      {"MemoShovRU", "Select Cel in Grid"},
  };
  for (const auto& [name, hint] : hints) {
    auto* edit = form_->findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    EXPECT_EQ(edit->toolTip(), hint) << name;
  }
  for (const char* name : {"BtnSpeackRU", "BtnSpeackHE", "BtnSpeackEN"}) {
    auto* button = form_->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->text(), "Speack");
    EXPECT_EQ(button->toolTip(), "Click For Speech");
  }
  EXPECT_FALSE(form_->DBEditInvert->isVisibleTo(form_.get()));
  EXPECT_FALSE(form_->DBEditRInvert->isVisibleTo(form_.get()));
}

TEST_F(AddTest, HebrewLettersAreStoredInDisplayOrderWithTheirReversedCopy) {
  ShowEditor();
  Focus(form_->DBMemo1);
  EXPECT_EQ(form_->InputLanguage, text::Language::Hebrew);
  store::Table& he = data_->HETable();
  const struct {
    char key;
    const char* item;
    const char* invert;
  } steps[] = {
      {'t', "\xE0", "\xE0"}, {'c', "\xE1\xE0", "\xE0\xE1"}, {'v', "\xE4\xE1\xE0", "\xE0\xE1\xE4"}};
  for (const auto& step : steps) {
    QTest::keyClick(form_->DBMemo1, step.key);
    EXPECT_EQ(Text(he, "Item"), step.item) << step.key;
    EXPECT_EQ(Text(he, "Item_Invert"), step.invert) << step.key;
    EXPECT_EQ(form_->DBMemo1->CursorPos(), 0);
  }
}

TEST_F(AddTest, ArrowsAndDeleteWorkAsUsualBackspaceRemovesTheLetterTypedLast) {
  ShowEditor();
  Focus(form_->DBMemo1);
  Type(form_->DBMemo1, "tcv");  // stored "\xE4\xE1\xE0", caret at 0
  auto* memo = form_->DBMemo1;
  QTest::keyClick(memo, Qt::Key_Backspace);  // the letter just typed, right of the caret
  EXPECT_EQ(Text(data_->HETable(), "Item"), "\xE1\xE0");
  EXPECT_EQ(Text(data_->HETable(), "Item_Invert"), "\xE0\xE1");
  EXPECT_EQ(memo->CursorPos(), 0);
  Type(form_->DBMemo1, "v");
  QTest::keyClick(memo, Qt::Key_Right);
  EXPECT_EQ(memo->CursorPos(), 1);
  QTest::keyClick(memo, Qt::Key_Right);
  EXPECT_EQ(memo->CursorPos(), 2);
  QTest::keyClick(memo, Qt::Key_Left);
  EXPECT_EQ(memo->CursorPos(), 1);
  QTest::keyClick(memo, Qt::Key_Delete);  // removes the character right of the caret
  EXPECT_EQ(Text(data_->HETable(), "Item"), "\xE4\xE0");
  EXPECT_EQ(memo->CursorPos(), 1);
  QTest::keyClick(memo, Qt::Key_Backspace);
  EXPECT_EQ(Text(data_->HETable(), "Item"), "\xE4");
  EXPECT_EQ(Text(data_->HETable(), "Item_Invert"), "\xE4");
  EXPECT_EQ(memo->CursorPos(), 1);
}

// A held key: its press, `repeats` repeated release and press pairs, and the real release.
void Hold(QWidget* edit, char key, int repeats) {
  const auto send = [&](QEvent::Type type, bool repeated) {
    QKeyEvent event(type, QChar(key).toUpper().unicode(), Qt::NoModifier, QString(QChar(key)),
                    repeated);
    QApplication::sendEvent(edit, &event);
  };
  send(QEvent::KeyPress, false);
  for (int i = 0; i < repeats; ++i) {
    send(QEvent::KeyRelease, true);
    send(QEvent::KeyPress, true);
  }
  send(QEvent::KeyRelease, false);
}

TEST_F(AddTest, HeldKeysStepTheCaretBackOncePerLetterNotPerRepeat) {
  ShowEditor();
  Focus(form_->DBMemo1);
  Type(form_->DBMemo1, "tc");  // "\xE1\xE0", caret at 0
  Hold(form_->DBMemo1, 'v', 2);
  EXPECT_EQ(Text(data_->HETable(), "Item"), "\xE4\xE4\xE4\xE1\xE0");
  EXPECT_EQ(form_->DBMemo1->CursorPos(), 0);
  form_->DBMemo1->SetCursorPos(5);
  Hold(form_->DBMemo1, '1', 3);  // types nothing in Hebrew: one step back for the one release
  EXPECT_EQ(form_->DBMemo1->CursorPos(), 4);
  EXPECT_EQ(Text(data_->HETable(), "Item"), "\xE4\xE4\xE4\xE1\xE0");
}

// A grid click of the main window can store and leave the record while the editor stays open:
// typing into a bound box then starts an edit of the table's current record.
TEST_F(AddTest, TypingIntoABoxOfABrowsingTableStartsAnEdit) {
  ShowEditor();
  for (store::Table* table : {&data_->RUTable(), &data_->HETable()}) table->Post();
  Focus(form_->DBMemo1);
  Type(form_->DBMemo1, "tc");
  Focus(form_->DBEdit1);
  Type(form_->DBEdit1, "rjn");
  EXPECT_EQ(dialogs_->Texts(), std::vector<QString>{});
  EXPECT_EQ(data_->HETable().State(), store::TableState::Edit);
  EXPECT_EQ(Text(data_->HETable(), "Item"), "\xE1\xE0");
  EXPECT_EQ(Text(data_->HETable(), "Item_Invert"), "\xE0\xE1");
  EXPECT_EQ(Text(data_->RUTable(), "Item"), "\xCA\xCE\xD2");
  EXPECT_EQ(form_->DBMemo1->CursorPos(), 0);
}

struct PasteCase {
  const char* box;
  const char* pasted;  // UTF-8
  const char* shown;   // UTF-8
  store::Table& (*table)(TDataModul&);
  const char* field;
  const char* stored;   // bytes of the field's code page
  const char* message;  // UTF-8
};

store::Table& RussianTable(TDataModul& data) { return data.RUTable(); }
store::Table& HebrewTable(TDataModul& data) { return data.HETable(); }
store::Table& EnglishTable(TDataModul& data) { return data.ENTable(); }

// One message per paste names what was left out; the key typed after it adds none.
TEST_F(AddTest, PastedCharactersTheFieldCannotHoldAreLeftOutAndNamedOnce) {
  const PasteCase cases[] = {
      {"DBMemo1", "\xD7\x90\xD0\x96\xD7\x91", "\xD7\x90\xD7\x91", HebrewTable, "Item", "\xE0\xE1",
       "Characters that Hebrew text cannot hold were left out: \xD0\x96"},  // אЖב
      {"DBMemo5", "\xD0\x96\xD0\x96", "", HebrewTable, "Root", "",
       "Characters that Hebrew text cannot hold were left out: \xD0\x96"},
      {"DBEdit1",
       "\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0 caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC "
       "\xF0\x9F\x98\x80",
       "\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0 caf  ", RussianTable, "Item", "\xB8\xEB\xEA\xE0 caf  ",
       "Characters that Russian text cannot hold were left out: \xC3\xA9 \xE6\x97\xA5 "
       "\xE6\x9C\xAC \xF0\x9F\x98\x80"},  // ёлка café 日本 😀
      {"DBEdit3", "C\xD7\x90T", "CT", EnglishTable, "Item", "CT",
       "Characters that English text cannot hold were left out: \xD7\x90"},
      {"DBMemo4", "\xD7\x90go", "go", EnglishTable, "EnglishSpeech", "go",
       "Characters that English text cannot hold were left out: \xD7\x90"},
  };
  ShowEditor();
  for (const PasteCase& c : cases) {
    auto* box = form_->findChild<QLineEdit*>(c.box);
    ASSERT_NE(box, nullptr) << c.box;
    Focus(box);
    dialogs_->messages.clear();
    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    box->paste();
    const auto* ordered = qobject_cast<ui::DisplayOrderEdit*>(box);
    EXPECT_EQ(ordered ? ordered->Text() : box->text(), QString::fromUtf8(c.shown)) << c.box;
    EXPECT_EQ(Text(c.table(*data_), c.field), c.stored) << c.box;
    Type(box, "f");
    QApplication::processEvents();
    EXPECT_EQ(dialogs_->Texts(), std::vector<QString>{QString::fromUtf8(c.message)}) << c.box;
  }
}

TEST_F(AddTest, RootIsTypedInDisplayOrderWithItsReversedCopy) {
  ShowEditor();
  Focus(form_->DBMemo5);
  Type(form_->DBMemo5, "tc.");
  EXPECT_EQ(Text(data_->HETable(), "Root"), ".\xE1\xE0");
  EXPECT_EQ(Text(data_->HETable(), "Root_Invert"), "\xE0\xE1.");
}

TEST_F(AddTest, BackslashInEveryHintFieldEntersTheStressMark) {
  ShowEditor();
  const struct {
    QLineEdit* edit;
    store::Table* table;
    const char* field;
  } hints[] = {{form_->DBMemo3, &data_->RUTable(), "RussianSpeech"},
               {form_->DBMemo2, &data_->HETable(), "HebrSpeech"},
               {form_->DBMemo4, &data_->ENTable(), "EnglishSpeech"}};
  for (const auto& hint : hints) {
    Focus(hint.edit);
    QTest::keyClick(hint.edit, '\\');
    EXPECT_EQ(Text(*hint.table, hint.field), "<") << hint.field;
  }
}

TEST_F(AddTest, HintFieldsSwitchTheKeyboardLayout) {
  ShowEditor();
  Focus(form_->DBMemo2);
  EXPECT_EQ(form_->Layout.Active(), editor::KeyboardLayout::Script::Russian);
  Type(form_->DBMemo2, "Ghbdtn");  // Latin keys of the Russian layout, case kept
  EXPECT_EQ(Text(data_->HETable(), "HebrSpeech"), "\xCF\xF0\xE8\xE2\xE5\xF2");
  Focus(form_->DBMemo4);
  EXPECT_EQ(form_->Layout.Active(), editor::KeyboardLayout::Script::UsEnglish);
  TypeText(form_->DBMemo4, QString::fromUtf8("Ыщ"));
  EXPECT_EQ(Text(data_->ENTable(), "EnglishSpeech"), "So");
}

TEST_F(AddTest, WordFieldsMapKeysWithTheirOwnPassThroughSets) {
  ShowEditor();
  Focus(form_->DBEdit3);
  EXPECT_EQ(form_->InputLanguage, text::Language::English);
  Type(form_->DBEdit3, "a.b'");
  EXPECT_EQ(Text(data_->ENTable(), "Item"), "A.B'");
  Focus(form_->DBEdit1);
  EXPECT_EQ(form_->InputLanguage, text::Language::Russian);
  Type(form_->DBEdit1, "d.'\\");  // "." and "'" are mapped, "\" types nothing
  EXPECT_EQ(Text(data_->RUTable(), "Item"), "\xC2\xDE\xDD");
}

TEST_F(AddTest, WordsAndHintsTakeAtMostFortyCharacters) {
  ShowEditor();
  const struct {
    QLineEdit* edit;
    store::Table* table;
    const char* field;
  } boxes[] = {{form_->DBEdit1, &data_->RUTable(), "Item"},
               {form_->DBMemo1, &data_->HETable(), "Item"},
               {form_->DBMemo4, &data_->ENTable(), "EnglishSpeech"}};
  for (const auto& box : boxes) {
    Focus(box.edit);
    Type(box.edit, "ffffffffffffffffffffffffffffffffffffffffffff");
    EXPECT_EQ(Text(*box.table, box.field).size(), 40u) << box.field;
  }
}

TEST_F(AddTest, StoredValueOverTheLimitIsShownAndKeptWhole) {
  ShowEditor();
  const struct {
    QLineEdit* edit;
    store::Table* table;
    const char* field;
    std::string value;
  } boxes[] = {{form_->DBEdit1, &data_->RUTable(), "Item", std::string(45, '\xC0')},
               {form_->DBMemo1, &data_->HETable(), "Item", std::string(45, '\xE0')},
               {form_->DBMemo4, &data_->ENTable(), "EnglishSpeech", std::string(45, 'a')}};
  for (const auto& box : boxes) {
    box.table->FieldByName(box.field).SetAsString(box.value);
    const auto* ordered = qobject_cast<ui::DisplayOrderEdit*>(box.edit);
    EXPECT_EQ((ordered ? ordered->Text() : box.edit->text()).size(), 45) << box.field;
    Focus(box.edit);
    Type(box.edit, "f");  // typing cannot make it longer
    EXPECT_EQ(Text(*box.table, box.field), box.value) << box.field;
  }
}

TEST_F(AddTest, VerbThenAdjectiveKeepsVerbPatternEnabledAndHidesVerbTab) {
  const auto pick = [&](int part) {
    form_->CBTypeHE->setCurrentIndex(part);
    form_->CBTypeHEChange();
  };
  pick(editor::kPartVerb);
  EXPECT_TRUE(form_->PConVerb->isTabVisible(1));
  EXPECT_TRUE(form_->CBDopHE->isEnabled());
  EXPECT_FALSE(form_->CBSexHE->isEnabled());
  pick(3);
  EXPECT_FALSE(form_->PConVerb->isTabVisible(1));
  EXPECT_TRUE(form_->CBDopHE->isEnabled());
  EXPECT_FALSE(form_->CBSexHE->isEnabled());
  pick(editor::kPartNoun);
  EXPECT_TRUE(form_->CBSexHE->isEnabled());
  EXPECT_FALSE(form_->CBDopHE->isEnabled());
}

TEST_F(AddTest, ShowingGoesBackToCammonAndShowsVerbTabForAVerbOnly) {
  editor::WordCodes codes;
  codes.part = editor::kPartVerb;
  form_->SetCodes(codes);
  ShowEditor();
  EXPECT_TRUE(form_->PConVerb->isTabVisible(1));
  EXPECT_FALSE(form_->CBDopHE->isEnabled());  // setting the list runs no rule
  form_->PConVerb->setCurrentIndex(1);
  form_->repaint();  // painting while in use keeps the page
  EXPECT_EQ(form_->PConVerb->currentIndex(), 1);
  form_->setWindowState(Qt::WindowMinimized);
  form_->setWindowState(Qt::WindowNoState);  // uncovered again
  EXPECT_EQ(form_->PConVerb->currentIndex(), 0);
  form_->PConVerb->setCurrentIndex(1);
  form_->hide();
  form_->SetCodes({});
  ShowEditor();
  EXPECT_EQ(form_->PConVerb->currentIndex(), 0);
  EXPECT_FALSE(form_->PConVerb->isTabVisible(1));
}

TEST_F(AddTest, LoadCodesReadsNullCodesAsZero) {
  store::Table& he = data_->HETable();
  he.FieldByName("Part").SetAsInteger(1);
  he.FieldByName("Binyan").SetAsInteger(4);
  form_->PConVerb->setTabVisible(1, false);
  form_->CBSexHE->setCurrentIndex(2);
  form_->LoadCodes(data_->RUTable(), he, data_->ENTable());  // Sex and Topic are null
  EXPECT_EQ(form_->CBTypeHE->currentIndex(), 1);
  EXPECT_EQ(form_->CBDopHE->currentIndex(), 4);
  EXPECT_EQ(form_->Codes().sexHE, 0);
  EXPECT_TRUE(form_->PConVerb->isTabVisible(1));
  he.FieldByName("Sex").SetAsInteger(2);
  he.FieldByName("Topic").SetAsInteger(7);
  data_->RUTable().FieldByName("Sex").SetAsInteger(3);
  data_->ENTable().FieldByName("Sex").SetAsInteger(1);
  form_->LoadCodes(data_->RUTable(), he, data_->ENTable());
  EXPECT_EQ(form_->Codes().sexHE, 2);
  EXPECT_EQ(form_->Codes().sexRU, 3);
  EXPECT_EQ(form_->Codes().sexEN, 1);
  EXPECT_EQ(form_->CBTheme->currentText(), "Science/Engineering ");
}

TEST_F(AddTest, SpeakButtonsQueueHintWordOrBlank) {
  const speech::SpeechQueue& queue = share_->Queue();
  form_->BtnSpeackRU->click();
  EXPECT_EQ(queue.PendingTextRU(), " ");  // neither hint nor word
  data_->RUTable().FieldByName("Item").SetAsString("\xC4\xCE\xCC");
  form_->BtnSpeackRU->click();
  EXPECT_EQ(queue.PendingTextRU(), "\xC4\xCE\xCC");
  data_->RUTable().FieldByName("RussianSpeech").SetAsString("\xE4\xEE<\xEC");
  form_->BtnSpeackRU->click();
  EXPECT_EQ(queue.PendingTextRU(), "\xE4\xEE<\xEC");

  data_->HETable().FieldByName("Item").SetAsString("\xFA\xE9\xE1");
  form_->BtnSpeackHE->click();
  EXPECT_EQ(queue.PendingTextHE(), " ");  // the written Hebrew word is never spoken
  data_->HETable().FieldByName("HebrSpeech").SetAsString("\xE1\xE0<\xE9\xF2");
  form_->BtnSpeackHE->click();
  EXPECT_EQ(queue.PendingTextHE(), "\xE1\xE0<\xE9\xF2");

  data_->ENTable().FieldByName("Item").SetAsString("HOUSE");
  form_->BtnSpeackEN->click();
  EXPECT_EQ(queue.PendingTextEN(), "HOUSE");
  EXPECT_TRUE(queue.PendingRU() && queue.PendingHE() && queue.PendingEN());
}

}  // namespace
}  // namespace editortest
