// The lesson through the main window, offscreen: "Begin Lesson", the lesson list window, starting,
// pausing and ending a lesson with the timers driven by calling their handlers.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "LessonFixture.h"
#include "MainWindowFixture.h"
#include "RefusedWrites.h"
#include "lesson/Formsele.h"
#include "review/CardStore.h"
#include "review/GameReviews.h"
#include "speech/Formshare.h"
#include "ui/PanelStatusBar.h"

namespace {

using lessontest::Words;

class LessonWindowTest : public test::MainWindowFixture {
 protected:
  LessonWindowTest() : previousFolder(QDir::currentPath()) { QDir::setCurrent(workspace.Path()); }
  ~LessonWindowTest() override {
    window.reset();
    share.reset();
    QDir::setCurrent(previousFolder);
  }

  // The main window, the settings object with scripted engines (no modes: no speech) and the
  // lesson list window, as start-up creates them.
  TFormSelect& Windows(bool speech = true) {
    TFormSelect& main = Window();
    auto modes = speech ? speechtest::ScriptedEngine::StandardModes()
                        : std::vector<speechtest::ScriptedEngine::Mode>{};
    journal = std::make_shared<speechtest::ScriptedEngine::Journal>();
    speech::EngineSet engines;
    const auto make = [&](const char* name) {
      auto engine =
          std::make_unique<speechtest::ScriptedEngine>(modes, QString::fromLatin1(name), journal);
      engineList.push_back(engine.get());
      return engine;
    };
    engines.RU = make("RU");
    engines.HE = make("HE");
    engines.EN = make("EN");
    share = std::make_unique<TShare>(instances, std::move(engines));
    instances.Share = share.get();
    formSel = new TFormSel(instances, main.ClientArea);
    instances.FormSel = formSel;
    main.FormPaint();
    return main;
  }
  void AddWords(std::initializer_list<const char*> words, bool marked = true) {
    for (const char* word : words) {
      test::AddMeaning(workspace.Data(), {.ru = QString::fromLatin1(word) + "-ru",
                                          .he = QString::fromLatin1(word) + "-he",
                                          .en = QString::fromLatin1(word) + "-en",
                                          .part = 2,
                                          .marked = marked,
                                          .heHint = QString::fromLatin1(word) + "-hh"});
    }
  }
  // One tick of the speaking lesson, after which every word has been said.
  void Tick() {
    window->TimerSelSpeechTimer();
    for (speechtest::ScriptedEngine* engine : engineList) engine->SetSpeaking(false);
  }
  QString Shown() { return formSel->MShow->isVisible() ? formSel->MShow->text() : QString(); }

  QString previousFolder;
  std::shared_ptr<speechtest::ScriptedEngine::Journal> journal;
  std::vector<speechtest::ScriptedEngine*> engineList;
  std::unique_ptr<TShare> share;
  TFormSel* formSel = nullptr;
};

TEST_F(LessonWindowTest, BeginLessonAddsTheMarkedWordsAndEntersTheLessonMode) {
  AddWords({"cat", "dog"});
  AddWords({"sun"}, false);
  TFormSelect& main = Windows();
  EXPECT_FALSE(formSel->isVisible());  // the dictionary alone is shown before
  QTest::keyClick(&main, Qt::Key_F3);

  EXPECT_EQ(workspace.Data().SelWordTable().RecordCount(), 2);
  EXPECT_EQ(formSel->DBGrid1->model()->rowCount(), 2);
  EXPECT_TRUE(formSel->isVisible());
  EXPECT_FALSE(main.PageControl1->isVisible());
  EXPECT_TRUE(main.Menu3->isVisible());
  for (QAction* item : {main.NTalk, main.NPausa, main.NVocamirClose, main.NVocamirDel}) {
    EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
  }
  EXPECT_FALSE(main.NTeachBegin->isEnabled());
  EXPECT_FALSE(formSel->MShow->isVisible());
  EXPECT_EQ(formSel->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), "Hebrew");
  RU().SetFiltered(false);
  for (RU().First(); !RU().Eof(); RU().Next()) EXPECT_EQ(test::FieldText(RU(), "Select"), "");
}

// Shift+F3 marks the meanings with a card due and the day's new words, and says how many are due;
// F3 then takes them into the lesson as any marked words.
TEST_F(LessonWindowTest, MarkDueWordsMarksWhatIsDueAndTheNewWords) {
  AddWords({"cat", "dog", "sun"}, false);
  QFile ini(workspace.FilePath("vocamir.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[Review]\nNEWWORDS=1\n");  // the settings file's number of new words
  ini.close();
  TFormSelect& main = Windows();
  RU().SetFiltered(false);
  ASSERT_TRUE(RU().Locate("Item", "cat-ru"));
  const int cat = RU().FieldByName("id").AsInteger();
  const std::int64_t today = review::DayOf(review::SystemTime());
  review::CardStore(RU().Database())
      .Store({cat, 0, 1.0, 5.0, today - 1, today, 1, 0}, {cat, 0, 0, 3, 0, 1.0, 5.0});

  QTest::keyClick(&main, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(main.StatusBar->PanelText(0), "Due today: 1");
  QTest::keyClick(&main, Qt::Key_F3);
  EXPECT_EQ(workspace.Data().SelWordTable().RecordCount(), 2) << "cat is due, dog the one new";
  EXPECT_FALSE(main.NMarkDue->isEnabled()) << "not in a lesson";
}

// A write refused in the second meaning is reported in an error box; the lesson window opens on
// the meaning added before it.
TEST_F(LessonWindowTest, ARefusedWriteIsReportedAndTheLessonOpensOnWhatWasAdded) {
  AddWords({"cat", "dog"});
  TFormSelect& main = Windows();
  const auto database = workspace.Data().DataFolder() / "vocamir.db";
  test::RefuseWrite(database, 5);  // the second meaning's lesson record
  main.NTeachBeginClick();
  test::RefuseWrite(database, 0);
  const std::vector<QString> errors = dialogs.Texts(ui::BoxKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].startsWith("The lesson list is incomplete")) << errors[0].toStdString();
  EXPECT_EQ(formSel->DBGrid1->model()->rowCount(), 1);
  EXPECT_TRUE(formSel->isVisible());
  EXPECT_FALSE(main.NTeachBegin->isEnabled());
}

TEST_F(LessonWindowTest, TwoSelectedRowsOfTheShownPageAreTheLesson) {
  AddWords({"cat", "dog", "sun"});
  TFormSelect& main = Windows();
  main.PageControl1->setCurrentWidget(main.SheetEN);
  main.DBGrid1->selectRow(0);
  main.DBGrid1->selectionModel()->select(main.DBGrid1->model()->index(2, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
  main.NTeachBeginClick();
  EXPECT_EQ(workspace.Data().SelWordTable().RecordCount(), 2);
  EXPECT_TRUE(main.DBGrid1->selectionModel()->selectedRows().isEmpty());
  RU().SetFiltered(false);
  RU().First();
  EXPECT_EQ(test::FieldText(RU(), "Select"), "*");
}

TEST_F(LessonWindowTest, StartPauseAndContinueOnTheSameRecord) {
  AddWords({"cat", "dog"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  QTest::keyClick(&main, Qt::Key_F5);
  EXPECT_TRUE(main.TimerSelSpeech->isActive());
  EXPECT_FALSE(main.TimerWithautSpeech->isActive());

  main.TimerSelSpeechTimer();  // "cat-ru" is being spoken
  EXPECT_TRUE(Shown().endsWith("cat-ru"));
  main.NPausaClick();
  EXPECT_EQ(main.NPausa->text(), "Continue");
  EXPECT_FALSE(formSel->MShow->isVisible());
  EXPECT_FALSE(main.TimerSelSpeech->isActive());
  EXPECT_TRUE(engineList[0]->Speaking());  // not cut off

  main.NPausaClick();
  EXPECT_EQ(main.NPausa->text(), "Pause");
  EXPECT_TRUE(main.TimerSelSpeech->isActive());
  for (int tick = 0; tick < 20 && main.TimerSelSpeech->isActive(); ++tick) Tick();
  EXPECT_EQ(*journal, Words({"RU: cat-ru", "HE: cat-hh", "EN: cat-en", "RU: dog-ru", "HE: dog-hh",
                             "EN: dog-en"}));
}

TEST_F(LessonWindowTest, TheToolBarToggleStartsAndIsReleasedAtTheEnd) {
  AddWords({"cat"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  main.SPSpeak1->click();
  EXPECT_TRUE(main.SPSpeak1->isChecked());
  EXPECT_TRUE(main.TimerSelSpeech->isActive());
  Tick();
  EXPECT_EQ(formSel->MShow->text(), "cat-ru");
  for (int tick = 0; tick < 20 && main.TimerSelSpeech->isActive(); ++tick) Tick();
  EXPECT_FALSE(main.TimerSelSpeech->isActive());
  EXPECT_FALSE(main.SPSpeak1->isChecked());
  EXPECT_FALSE(formSel->MShow->isVisible());
}

TEST_F(LessonWindowTest, HebrewIsShownInStoredOrder) {
  AddWords({"cat"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  formSel->CBReg->setCurrentIndex(1);  // Hebrew first
  main.NTalkClick();
  main.TimerSelSpeechTimer();
  EXPECT_EQ(formSel->MShow->text(), QStringLiteral("\u200E\u202Dcat-he"));
}

TEST_F(LessonWindowTest, ActivationResetsTheModeAndItsBox) {
  AddWords({"cat"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  formSel->CBReg->setCurrentIndex(5);
  EXPECT_EQ(formSel->Player().LessonMode(), 5);
  formSel->FormActivate();
  EXPECT_EQ(formSel->Player().LessonMode(), 0);
  EXPECT_EQ(formSel->CBReg->currentText(), "Russian - Hebrew - English");
  EXPECT_TRUE(formSel->Player().StartPending());
}

TEST_F(LessonWindowTest, ABadNumberAtStartShowsOneInEveryBox) {
  AddWords({"cat"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  formSel->EdRU->setText("x");
  formSel->EdALL->setText("3");
  main.NTalkClick();
  for (QLineEdit* box : {formSel->EdRU, formSel->EdHE, formSel->EdEN, formSel->EdALL}) {
    EXPECT_EQ(box->text(), "1");
  }
}

TEST_F(LessonWindowTest, WithoutSpeechTheSilentLessonRuns) {
  AddWords({"cat", "dog"});
  TFormSelect& main = Windows(false);
  main.NTeachBeginClick();
  main.NTalkClick();
  EXPECT_TRUE(main.TimerWithautSpeech->isActive());
  EXPECT_FALSE(main.TimerSelSpeech->isActive());
  QStringList shown;
  for (int tick = 0; tick < 20 && main.TimerWithautSpeech->isActive(); ++tick) {
    main.TimerWithautSpeechTimer();
    shown << Shown();
  }
  EXPECT_EQ(shown, QStringList({"cat-ru", QStringLiteral("\u200E\u202Dcat-he"), "cat-en", "dog-ru",
                                QStringLiteral("\u200E\u202Ddog-he"), "dog-en", ""}));
  EXPECT_TRUE(journal->empty());
}

TEST_F(LessonWindowTest, TheWindowFillsTheClientAreaAndSharesTheGridWidth) {
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  const int width = formSel->width();
  EXPECT_EQ(width, main.width() - 10);
  EXPECT_EQ(formSel->DBGrid1->width(), width - 20);
  EXPECT_EQ(formSel->DBGrid1->columnWidth(0), (width - 20) / 3 - 14);
  EXPECT_EQ(formSel->MShow->width(), width - 20);
  EXPECT_EQ(formSel->CBReg->x(), width - 405);
}

// Assembly and "Delete All" run with the grids unbound; bound anew, every grid must get back the
// column widths of the layout.
TEST_F(LessonWindowTest, GridsKeepTheirColumnWidthsOverAssemblyAndDeleteAll) {
  AddWords({"cat", "dog"});
  TFormSelect& main = Windows();
  const int wordColumn = main.DBGrid3->columnWidth(0);
  main.NTeachBeginClick();
  const int lessonColumn = formSel->DBGrid1->columnWidth(0);
  main.NVocamirDelAllClick();
  EXPECT_EQ(formSel->DBGrid1->columnWidth(0), lessonColumn);
  main.NVocamirCloseClick();
  EXPECT_EQ(main.DBGrid3->columnWidth(0), wordColumn);
}

}  // namespace

namespace {

TEST_F(LessonWindowTest, DeleteWordOnAnEmptyListDoesNothing) {
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  main.NVocamirDelClick();
  EXPECT_TRUE(workspace.Data().SelWordTable().IsEmpty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LessonWindowTest, DeleteWordRemovesTheHighlightedRecord) {
  AddWords({"cat", "dog", "sun"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  formSel->DBGrid1->selectRow(1);
  QTest::keyClick(&main, Qt::Key_Delete, Qt::ControlModifier);
  store::Table& lessons = workspace.Data().SelWordTable();
  EXPECT_EQ(lessons.RecordCount(), 2);
  lessons.First();
  lessons.Next();
  EXPECT_EQ(test::FieldText(lessons, "ItemRU"), "sun-ru");
}

TEST_F(LessonWindowTest, DeleteAllEmptiesTheListAndItsGrid) {
  AddWords({"a", "b", "c", "d", "e"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  main.SpeedButton12->click();
  EXPECT_TRUE(workspace.Data().SelWordTable().IsEmpty());
  EXPECT_EQ(formSel->DBGrid1->model()->rowCount(), 0);
}

TEST_F(LessonWindowTest, EmptyingTheListDuringPlayStopsTheLesson) {
  AddWords({"cat", "dog"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  main.SPSpeak1->click();
  Tick();
  main.NVocamirDelAllClick();
  EXPECT_FALSE(main.TimerSelSpeech->isActive());
  EXPECT_FALSE(formSel->MShow->isVisible());
  EXPECT_FALSE(main.SPSpeak1->isChecked());
}

TEST_F(LessonWindowTest, EndLessonIsIgnoredWhileTheToggleIsDown) {
  AddWords({"cat"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  main.SPSpeak1->click();
  QTest::keyClick(&main, Qt::Key_Escape);
  EXPECT_TRUE(main.Menu3->isVisible());
  main.SPSpeak1->click();  // released: "Pause"
  EXPECT_EQ(main.NPausa->text(), "Continue");
  main.NVocamirCloseClick();
  EXPECT_FALSE(main.Menu3->isVisible());
  EXPECT_TRUE(main.PageControl1->isVisible());
  EXPECT_FALSE(formSel->isVisible());
}

TEST_F(LessonWindowTest, EndLessonStopsAMenuStartedLessonAndKeepsTheList) {
  AddWords({"cat", "dog"});
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  main.NTalkClick();
  Tick();
  main.NVocamirCloseClick();
  EXPECT_FALSE(main.TimerSelSpeech->isActive());
  EXPECT_FALSE(formSel->MShow->isVisible());
  EXPECT_EQ(main.windowTitle(), "Vocamir 3.1");

  AddWords({"sun"});
  main.NTeachBeginClick();
  EXPECT_EQ(workspace.Data().SelWordTable().RecordCount(), 3);
}

}  // namespace

namespace {

// The ways of leaving a verb from the window while its forms are being spoken.
enum class LeaveBy { ClickingTheNoun, DeletingTheVerb, ChangingTheModeToZero };

std::string LeaveName(const ::testing::TestParamInfo<LeaveBy>& info) {
  constexpr const char* kNames[] = {"ClickingTheNoun", "DeletingTheVerb", "ChangingTheModeToZero"};
  return kNames[static_cast<int>(info.param)];
}

class LeaveVerbWindowTest : public LessonWindowTest,
                            public ::testing::WithParamInterface<LeaveBy> {};

TEST_P(LeaveVerbWindowTest, ALessonStartedFromTheToggleEndsAndReleasesIt) {
  AddWords({"cat"});
  const test::MeaningIds go = test::AddMeaning(
      workspace.Data(),
      {.ru = "go-ru", .he = "go-he", .en = "go-en", .part = 1, .marked = true, .heHint = "go-hh"});
  lessontest::AddVerbForms(workspace.Data(), go.he);
  TFormSelect& main = Windows();
  main.NTeachBeginClick();
  QTableView* grid = formSel->DBGrid1;
  ASSERT_EQ(grid->model()->index(0, 0).data().toString(), "cat-ru");
  formSel->CBReg->setCurrentIndex(lesson::kVerbsMode);
  main.SPSpeak1->click();
  for (int tick = 0; tick < 20 && (journal->empty() || journal->back() != "HE: p4"); ++tick) {
    Tick();
  }
  ASSERT_FALSE(journal->empty());
  ASSERT_EQ(journal->back(), "HE: p4");
  QApplication::processEvents();  // the grid follows the lesson to the verb's row

  switch (GetParam()) {
    case LeaveBy::ClickingTheNoun:
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                        grid->visualRect(grid->model()->index(0, 0)).center());
      break;
    case LeaveBy::DeletingTheVerb:
      QTest::keyClick(&main, Qt::Key_Delete, Qt::ControlModifier);
      break;
    case LeaveBy::ChangingTheModeToZero:
      QTest::keyClick(&main, Qt::Key_F5, Qt::ShiftModifier);
      formSel->CBReg->setCurrentIndex(0);
      QTest::keyClick(&main, Qt::Key_F5, Qt::ShiftModifier);
      break;
  }
  for (int tick = 0; tick < 20 && main.TimerSelSpeech->isActive(); ++tick) Tick();
  EXPECT_FALSE(main.TimerSelSpeech->isActive());
  EXPECT_EQ(formSel->Player().VerbStep(), 0);
  EXPECT_FALSE(formSel->MShow->isVisible());
  EXPECT_FALSE(main.SPSpeak1->isChecked());
  QTest::keyClick(&main, Qt::Key_Escape);  // "End Lesson" is accepted again
  EXPECT_FALSE(main.Menu3->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Routes, LeaveVerbWindowTest,
                         ::testing::Values(LeaveBy::ClickingTheNoun, LeaveBy::DeletingTheVerb,
                                           LeaveBy::ChangingTheModeToZero),
                         LeaveName);

}  // namespace
