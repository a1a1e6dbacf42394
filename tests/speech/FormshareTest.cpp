// The settings window TShare, offscreen, with scripted engines and the scripted dialog seam.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "ScriptedDialogs.h"
#include "ScriptedEngine.h"
#include "WorkingFolder.h"
#include "app/Find.h"
#include "speech/EngineSetup.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "text/Codepage.h"
#include "ui/DisplayOrder.h"

namespace {

using speechtest::ScriptedEngine;

const QString kDefaultMask = QStringLiteral("0001001000000110000000010001");

// A working folder with an open data module, three scripted engines and the dialog seam; the
// window is built by Create() so a test can prepare the settings file and the engines first.
class FormshareTest : public testing::Test {
 protected:
  FormshareTest() {
    std::filesystem::create_directory(Folder() / "data");
    module.DataModuleCreate();
    instances.Dialogs = &dialogs;
    instances.DataModul = &module;
  }

  ~FormshareTest() override { share.reset(); }

  std::filesystem::path Folder() const { return work.Path().toStdString(); }
  QString IniPath() const { return work.FilePath("vocamir.ini"); }

  void PutIni(const std::string& text) {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.c_str());
  }

  std::string Ini() const {
    QFile file(IniPath());
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
  }

  void AddHebrewWord(std::optional<int> part) {
    store::Table& he = module.HETable();
    he.Insert();
    if (part) he.FieldByName("Part").SetAsInteger(*part);
    he.Post();
  }

  void Create(QWidget* parent = nullptr) {
    speech::EngineSet engines;
    engines.RU = std::make_unique<ScriptedEngine>(ruModes);
    engines.HE = std::make_unique<ScriptedEngine>(ruModes);
    engines.EN = std::make_unique<ScriptedEngine>(ruModes);
    ru = static_cast<ScriptedEngine*>(engines.RU.get());
    he = static_cast<ScriptedEngine*>(engines.HE.get());
    en = static_cast<ScriptedEngine*>(engines.EN.get());
    if (failure) en->FailWith(*failure);
    share = std::make_unique<TShare>(instances, std::move(engines), parent);
  }

  QString Mask() const {
    QString mask;
    for (int i = 0; i < share->CheckListBoxHE->count(); ++i) {
      mask += share->CheckListBoxHE->item(i)->checkState() == Qt::Checked ? u'1' : u'0';
    }
    return mask;
  }

  test::WorkingFolder work;
  TDataModul module{Folder()};
  test::ScriptedDialogs dialogs;
  Instances instances;
  std::vector<ScriptedEngine::Mode> ruModes = ScriptedEngine::StandardModes();
  std::optional<std::string> failure;
  ScriptedEngine* ru = nullptr;
  ScriptedEngine* he = nullptr;
  ScriptedEngine* en = nullptr;
  std::unique_ptr<TShare> share;
};

TEST_F(FormshareTest, WithoutASettingsFileTheDefaultsAreChosen) {
  Create();
  EXPECT_TRUE(share->SpeechAvailable());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(QString::fromStdString(share->VerbFormMask()), kDefaultMask);
  EXPECT_EQ(Mask(), kDefaultMask);
  EXPECT_EQ(share->CBSpeakerRU->currentText(), "Nicolai");
  EXPECT_EQ(share->CBSpeakerHE->currentText(), "Nicolai");
  EXPECT_EQ(share->CBSpeakerEN->currentText(), "Carol");
  EXPECT_EQ(share->CBoxENNumb->currentText(), "2");
  EXPECT_EQ(ru->SelectedMode(), 1);
  EXPECT_EQ(he->SelectedMode(), 1);
  EXPECT_EQ(en->SelectedMode(), 2);
  for (auto [slider, engine] : {std::pair{share->TrBarRU, ru}, std::pair{share->TrBarHE, he},
                                std::pair{share->TrBarEN, en}}) {
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(engine->Speed(), 100);
    EXPECT_EQ(slider->minimum(), engine->MinSpeed());
    EXPECT_EQ(slider->maximum(), engine->MaxSpeed());
  }
  EXPECT_EQ(Ini(), "<missing>") << "the file is written only by Ok";
  EXPECT_FALSE(share->isVisible());
}

TEST_F(FormshareTest, VoiceListsHoldTheOfferedModesWithTheirNumbers) {
  Create();
  ASSERT_EQ(share->CBSpeakerRU->count(), 2);
  EXPECT_EQ(share->CBSpeakerRU->itemText(1), "Olga");
  EXPECT_EQ(share->CBoxRUNumb->itemText(1), "4");
  ASSERT_EQ(share->CBSpeakerEN->count(), 2);
  EXPECT_EQ(share->CBSpeakerEN->itemText(1), "Peter");
  EXPECT_EQ(share->CBoxENNumb->itemText(1), "5");
  EXPECT_FALSE(share->CBoxRUNumb->isVisibleTo(share.get()));
}

TEST_F(FormshareTest, InformationCountsTheHebrewWordsOnceAtStart) {
  for (int i = 0; i < 4; ++i) AddHebrewWord(1);
  for (int i = 0; i < 3; ++i) AddHebrewWord(2);
  for (int i = 0; i < 3; ++i) AddHebrewWord(0);
  Create();
  EXPECT_EQ(share->EditGlagol->text(), "4");
  EXPECT_EQ(share->EditSus->text(), "3");
  EXPECT_EQ(share->EditPril->text(), "0");
  EXPECT_EQ(share->EditMest->text(), "0");
  EXPECT_EQ(share->EditWords->text(), "0");
  EXPECT_EQ(share->EditOzer->text(), "3");
  EXPECT_EQ(share->EditCount->text(), "10");
  EXPECT_TRUE(module.HETable().Eof()) << "the table is left on its last record";

  AddHebrewWord(3);
  EXPECT_EQ(share->EditPril->text(), "0") << "counts never change during a run";
  EXPECT_EQ(share->EditCount->text(), "10");
}

TEST_F(FormshareTest, AWordWithoutPartCountsOnlyInAll) {
  AddHebrewWord(std::nullopt);
  AddHebrewWord(5);
  AddHebrewWord(9);
  Create();
  EXPECT_EQ(share->EditWords->text(), "1");
  EXPECT_EQ(share->EditOzer->text(), "0");
  EXPECT_EQ(share->EditCount->text(), "3");
}

TEST_F(FormshareTest, OkCreatesTheFileWithTheSevenKeysInTwoSections) {
  Create();
  share->ShowPage(share->TabSheetSpeech);
  share->TrBarRU->setValue(150);
  share->BtOk->click();
  EXPECT_EQ(Ini(),
            "[Glagols_HEBREW]\nVALUE=0001001000000110000000010001\n\n"
            "[Speech]\nRUSSIAN=Nicolai\nHEBREW=Nicolai\nENGLISH=Carol\n"
            "SPEEDRU=150\nSPEEDEN=100\nSPEEDHE=100\n");
  EXPECT_FALSE(share->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormshareTest, OkKeepsTheOtherLinesOfAnExistingFile) {
  PutIni("; kept\n[Speech]\nVolume=3\nSPEEDEN=120\n[Mine]\nA=b\n");
  Create();
  EXPECT_EQ(share->TrBarEN->value(), 120);
  share->BtOkClick();
  EXPECT_EQ(Ini(),
            "; kept\n[Speech]\nVolume=3\nSPEEDEN=120\nRUSSIAN=Nicolai\nHEBREW=Nicolai\n"
            "ENGLISH=Carol\nSPEEDRU=100\nSPEEDHE=100\n[Mine]\nA=b\n\n"
            "[Glagols_HEBREW]\nVALUE=0001001000000110000000010001\n");
}

// The review settings show what the file holds; Ok writes them only once they were changed on
// the page, and the changed values are in force at once.
TEST_F(FormshareTest, ReviewSettingsAreWrittenOnlyWhenChangedOnThePage) {
  PutIni("[Review]\nNEWWORDS=35\nRETENTION=0.905\n");
  Create();
  EXPECT_DOUBLE_EQ(share->SpinRetention->value(), 0.91) << "shown to two decimals";
  EXPECT_EQ(share->SpinNewWords->value(), 35);
  share->BtOkClick();
  EXPECT_NE(Ini().find("RETENTION=0.905\n"), std::string::npos) << "untouched: not rewritten";
  EXPECT_DOUBLE_EQ(share->Review().Retention, 0.905);

  share->SpinRetention->setValue(0.85);
  share->SpinNewWords->setValue(5000);  // beyond the range: the most a day
  share->BtOkClick();
  EXPECT_NE(Ini().find("[Review]\nNEWWORDS=1000\nRETENTION=0.85\n"), std::string::npos) << Ini();
  EXPECT_DOUBLE_EQ(share->Review().Retention, 0.85);
  EXPECT_EQ(share->Review().NewWords, 1000);
  EXPECT_EQ(speech::ReadReviewSettings(IniPath()).NewWords, 1000);
}

TEST_F(FormshareTest, UncheckingEveryFormStoresTwentyEightZeros) {
  Create();
  for (int i = 0; i < share->CheckListBoxHE->count(); ++i) {
    share->CheckListBoxHE->item(i)->setCheckState(Qt::Unchecked);
  }
  share->BtOkClick();
  EXPECT_EQ(share->VerbFormMask(), std::string(28, '0'));
  EXPECT_NE(Ini().find("VALUE=0000000000000000000000000000\n"), std::string::npos);
}

TEST_F(FormshareTest, AShortMaskShowsTheMissingFormsUncheckedAndOkWritesAllOfThem) {
  PutIni("[glagols_hebrew]\nvalue=101\n");
  Create();
  EXPECT_EQ(Mask(), "101" + QString(25, u'0'));
  share->CheckListBoxHE->item(27)->setCheckState(Qt::Checked);
  share->BtOkClick();
  EXPECT_EQ(share->VerbFormMask(), "101" + std::string(24, '0') + "1");
  EXPECT_NE(Ini().find("VALUE=1010000000000000000000000001\n"), std::string::npos);
}

TEST_F(FormshareTest, ALongMaskKeepsItsExtraCharactersThroughOk) {
  PutIni("[Glagols_HEBREW]\nVALUE=" + std::string(28, '1') + "XY\n");
  Create();
  share->CheckListBoxHE->item(0)->setCheckState(Qt::Unchecked);
  share->BtOkClick();
  EXPECT_EQ(share->VerbFormMask(), "0" + std::string(27, '1') + "XY");
}

TEST_F(FormshareTest, CancelWritesNothingButVoiceChoicesStayInEffect) {
  Create();
  share->CheckListBoxHE->item(0)->setCheckState(Qt::Checked);
  share->CBSpeakerRU->setCurrentIndex(1);
  share->CBSpeakerRUChange();
  share->ShowPage(share->TabSheetGlagol);
  share->BtCancel->click();
  EXPECT_FALSE(share->isVisible());
  EXPECT_EQ(Ini(), "<missing>");
  EXPECT_EQ(QString::fromStdString(share->VerbFormMask()), kDefaultMask);
  EXPECT_EQ(ru->SelectedMode(), 4) << "Olga stays selected";
  EXPECT_EQ(share->CheckListBoxHE->item(0)->checkState(), Qt::Checked)
      << "the check marks stay for a later Ok";
}

TEST_F(FormshareTest, ChoosingAVoiceSelectsItsModeAndSetsTheSliderFromTheEngine) {
  Create();
  share->CBSpeakerRU->setCurrentIndex(1);  // Olga: 90 to 400, own speed 150
  share->CBSpeakerRUChange();
  EXPECT_EQ(ru->SelectedMode(), 4);
  EXPECT_EQ(share->CBoxRUNumb->currentIndex(), 1);
  EXPECT_EQ(share->TrBarRU->minimum(), 90);
  EXPECT_EQ(share->TrBarRU->maximum(), 400);
  EXPECT_EQ(share->TrBarRU->value(), 150);
  EXPECT_EQ(ru->Speed(), 150);
}

TEST_F(FormshareTest, EverySliderChangeSetsTheEngineSpeedAtOnce) {
  Create();
  share->TrBarHE->setValue(222);
  EXPECT_EQ(he->Speed(), 222);
  share->TrBarEN->setValue(81);
  EXPECT_EQ(en->Speed(), 81);
  share->TrBarEN->setMinimum(95);  // narrowing the range moves the slider
  EXPECT_EQ(en->Speed(), 95);
  EXPECT_EQ(ru->Speed(), 100) << "other languages untouched";
}

TEST_F(FormshareTest, OkWithoutAnEnglishVoiceWritesAnEmptyNameAndNoVoiceIsChosenNextTime) {
  Create();
  share->CBSpeakerEN->setCurrentIndex(-1);
  share->BtOkClick();
  EXPECT_NE(Ini().find("ENGLISH=\n"), std::string::npos);
  share.reset();
  Create();
  EXPECT_EQ(share->CBSpeakerEN->currentIndex(), -1);
  EXPECT_EQ(share->CBoxENNumb->currentIndex(), -1);
  EXPECT_EQ(en->SelectedMode(), 0) << "the instance stays in its own default mode";
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormshareTest, AnUnknownVoiceLeavesTheListWithoutChoiceAndNoMessage) {
  PutIni("[Speech]\nRUSSIAN=Nobody\nSPEEDRU=oops\n");
  Create();
  EXPECT_EQ(share->CBSpeakerRU->currentIndex(), -1);
  EXPECT_EQ(ru->SelectedMode(), 0);
  EXPECT_EQ(share->TrBarRU->value(), ru->Speed()) << "the slider shows the engine's speed";
  EXPECT_TRUE(share->SpeechAvailable()) << "the bad speed of an unknown voice is never read";
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FormshareTest, ASpeedThatIsNoNumberSwitchesSpeechOffWithTheMessage) {
  PutIni("[Speech]\nSPEEDHE=fast\n");
  Create();
  EXPECT_FALSE(share->SpeechAvailable());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QString::fromLatin1(speech::kNoSpeechMessage));
  EXPECT_TRUE(dialogs.messages[0].text.startsWith(
      "For synthesis of speech, close the program and  install SAPI and Speech Engines ("));
  EXPECT_EQ(dialogs.messages[0].buttons, ui::Buttons::Ok);
  EXPECT_EQ(dialogs.messages[0].caption, "");
  share->BtOkClick();  // the window stays usable
  EXPECT_NE(Ini().find("SPEEDRU=100"), std::string::npos);
}

TEST_F(FormshareTest, AFailingEngineSwitchesSpeechOffWithTheMessage) {
  failure = "no engine";
  Create();
  EXPECT_FALSE(share->SpeechAvailable());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QString::fromLatin1(speech::kNoSpeechMessage));
}

TEST_F(FormshareTest, NoEngineModesMeansNoSpeechAndNoMessage) {
  ruModes.clear();
  Create();
  EXPECT_FALSE(share->SpeechAvailable());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(share->CBSpeakerRU->count(), 0);
  EXPECT_EQ(share->TrBarRU->value(), 5) << "sliders keep their start position";
}

TEST_F(FormshareTest, TestButtonsSpeakTheirPhrasesAtOnce) {
  Create();
  share->Button1->click();
  share->Button3->click();
  share->Button2->click();
  ASSERT_EQ(ru->Spoken().size(), 1u);
  EXPECT_EQ(ru->Spoken()[0], QStringLiteral(u"проба русского синтезатора речи"));
  ASSERT_EQ(he->Spoken().size(), 1u);
  EXPECT_EQ(he->Spoken()[0], QStringLiteral(u"Бдика< шэль си<нтэ<за дибу<р ба< иври<т"));
  ASSERT_EQ(en->Spoken().size(), 1u);
  EXPECT_EQ(en->Spoken()[0], "Test English Synthesis of speech");
}

TEST_F(FormshareTest, QueueSpeechRunsTheTimerUntilEverythingIsSaid) {
  Create();
  EXPECT_FALSE(share->TimerSpeech->isActive());
  EXPECT_EQ(share->TimerSpeech->interval(), 500);
  share->QueueSpeech(text::Language::Russian, "\xE4\xEE\xEC");
  share->QueueSpeech(text::Language::English, "house");
  EXPECT_TRUE(share->TimerSpeech->isActive());
  EXPECT_TRUE(share->Queue().PendingEN());
  share->TimerSpeechTimer();
  EXPECT_EQ(ru->Spoken(), std::vector<QString>({QStringLiteral(u"дом")}));
  EXPECT_TRUE(en->Spoken().empty());
  ru->SetSpeaking(false);
  share->TimerSpeechTimer();
  EXPECT_EQ(en->Spoken(), std::vector<QString>({"house"}));
  en->SetSpeaking(false);
  share->TimerSpeechTimer();
  EXPECT_FALSE(share->TimerSpeech->isActive());
}

TEST_F(FormshareTest, SpeakRoutinesConvertTheWholeText) {
  Create();
  share->SpeakHE(std::string(20000, '\xE0'));
  ASSERT_EQ(he->Spoken().size(), 1u);
  EXPECT_EQ(he->Spoken()[0].size(), 20000);
  share->SpeakEN(std::string("a\0b", 3));
  EXPECT_EQ(en->Spoken()[0].size(), 3) << "the full length, even past a zero byte";
}

TEST_F(FormshareTest, MenuPagesShowTheWindowOnTheirPage) {
  Create();
  for (QWidget* page : {share->TabSheetGlagol, share->TabSheet1, share->TabSheetSpeech}) {
    share->ShowPage(page);
    EXPECT_TRUE(share->isVisible());
    EXPECT_EQ(share->PageControl1->currentWidget(), page);
  }
  EXPECT_TRUE(share->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(share->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(share->windowTitle(), "Settings");
}

TEST_F(FormshareTest, OpensCentredOverTheMainWindowTheFirstTime) {
  QWidget main;
  main.setGeometry(60, 40, 1100, 760);
  main.show();
  Create(&main);
  share->ShowPage(share->TabSheetSpeech);
  QApplication::processEvents();
  const QPoint offset = share->geometry().center() - main.geometry().center();
  EXPECT_LE(std::abs(offset.x()), 2);  // rounding of the two centres
  EXPECT_LE(std::abs(offset.y()), 2);
  EXPECT_EQ(share->minimumSize(), share->maximumSize());
  share.reset();
}

TEST_F(FormshareTest, VerbFormsAreShownInStoredOrderInTwoColumns) {
  Create();
  share->ShowPage(share->TabSheetGlagol);
  QListWidget* list = share->CheckListBoxHE;
  ASSERT_EQ(list->count(), 28);
  EXPECT_EQ(list->item(0)->text(), ui::InStoredOrder(QStringLiteral(u"רכז(הווה)")));
  EXPECT_EQ(list->item(27)->text(), ui::InStoredOrder(QStringLiteral(u"םצע םש")));
  const QRect first = list->visualItemRect(list->item(0));
  const QRect fifteenth = list->visualItemRect(list->item(14));
  EXPECT_GT(fifteenth.left(), first.left()) << "the second half stands in a second column";
  EXPECT_EQ(fifteenth.top(), first.top());
  EXPECT_EQ(list->visualItemRect(list->item(27)).left(), fifteenth.left()) << "two columns only";
}

// A program that teaches Hebrew spells its own Hebrew right: every word of the verb form items, in
// reading order, is one that Debian's Hebrew speller knows.
TEST_F(FormshareTest, VerbFormItemsAreSpeltRight) {
  if (QStandardPaths::findExecutable(QStringLiteral("hspell")).isEmpty()) {
    GTEST_SKIP() << "hspell is not installed (scripts/install-deps.sh installs it)";
  }
  Create();
  QStringList words;
  const QRegularExpression hebrewWord(QStringLiteral(u"[\u05D0-\u05EA]+"));
  for (int i = 0; i < share->CheckListBoxHE->count(); ++i) {
    QString item = share->CheckListBoxHE->item(i)->text();
    std::reverse(item.begin(), item.end());
    for (const QRegularExpressionMatch& word : hebrewWord.globalMatch(item)) {
      words << word.captured();
    }
  }
  ASSERT_EQ(words.size(), 57);
  QProcess hspell;
  hspell.start(QStringLiteral("hspell"), {});
  // The speller reads ISO-8859-8, whose letters are the bytes of Windows-1255.
  hspell.write(QByteArray::fromStdString(
      text::FromUnicode(words.join(u'\n') + u'\n', text::Codepage::Win1255)));
  hspell.closeWriteChannel();
  ASSERT_TRUE(hspell.waitForFinished(60000));
  const QString misspelt = text::ToUnicode(hspell.readAllStandardOutput().trimmed().toStdString(),
                                           text::Codepage::Win1255);
  EXPECT_TRUE(misspelt.isEmpty()) << misspelt.toStdString();
}

}  // namespace

namespace {

// The main window's Sound switches and Settings items, over the settings window above.
class FindSoundTest : public FormshareTest {
 protected:
  void CreateWindows() {
    Create();
    instances.Share = share.get();
    formSelect = std::make_unique<TFormSelect>(instances);
    instances.FormSelect = formSelect.get();
  }

  ~FindSoundTest() override { formSelect.reset(); }

  std::unique_ptr<TFormSelect> formSelect;
};

TEST_F(FindSoundTest, SwitchesToggleTheirCheckMarkWhenSpeechIsAvailable) {
  CreateWindows();
  ASSERT_TRUE(share->SpeechAvailable());
  for (auto [item, button] : {std::pair{formSelect->N8, formSelect->SpeedButton1},
                              std::pair{formSelect->N10, formSelect->SpeedButton4},
                              std::pair{formSelect->N11, formSelect->SpeedButton5}}) {
    EXPECT_FALSE(item->isChecked()) << "all switches start off";
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    button->click();
    EXPECT_FALSE(item->isChecked()) << "the button calls the same handler";
    item->trigger();
    EXPECT_TRUE(item->isChecked());
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FindSoundTest, WithoutSpeechTheButtonIsReleasedAndTheCheckMarkStaysOff) {
  ruModes.clear();
  CreateWindows();
  for (auto [item, button] : {std::pair{formSelect->N8, formSelect->SpeedButton1},
                              std::pair{formSelect->N10, formSelect->SpeedButton4},
                              std::pair{formSelect->N11, formSelect->SpeedButton5}}) {
    button->click();  // a toggle button goes down on click; the handler releases it
    EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
  }
}

TEST_F(FindSoundTest, SettingsItemsOpenTheWindowOnTheirPage) {
  CreateWindows();
  const std::pair<QAction*, QWidget*> items[] = {{formSelect->Verbs1, share->TabSheetGlagol},
                                                 {formSelect->Information1, share->TabSheet1},
                                                 {formSelect->Speech1, share->TabSheetSpeech}};
  for (auto [item, page] : items) {
    share->hide();
    item->trigger();
    EXPECT_TRUE(share->isVisible()) << item->objectName().toStdString();
    EXPECT_EQ(share->PageControl1->currentWidget(), page);
  }
}

}  // namespace
