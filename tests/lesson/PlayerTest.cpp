// Lesson playback tick by tick: the speaking lesson over the scripted engines, the Verbs mode,
// the silent lesson, and the lesson's answers to bad counts and a shrinking list.

#include <gtest/gtest.h>

#include "LessonFixture.h"

namespace {

using namespace lessontest;

constexpr char kDefaultMask[] = "0001001000000110000000010001";

class PlayerTest : public ::testing::Test {
 protected:
  lesson::LessonTables Tables() {
    TDataModul& data = workspace.Data();
    return {data.SelWordTable(), data.HETable(), data.GLTABLE(), data.NekudotTable()};
  }
  void AddTwo() {
    AddEntry(workspace.Data(), {"ru1", "he1", "en1", {}, "hh1"});
    AddEntry(workspace.Data(), {"ru2", "he2", "en2", {}, "hh2"});
  }
  // Records 1 to `count`: "ru<n>", "he<n>" spoken as "hh<n>", "en<n>".
  void AddNumbered(int count) {
    for (int n = 1; n <= count; ++n) {
      const std::string i = std::to_string(n);
      AddEntry(workspace.Data(), {"ru" + i, "he" + i, "en" + i, {}, "hh" + i});
    }
  }
  // A noun, then the verb "he-go" with its 28 forms.
  void AddNounAndVerb() {
    AddEntry(workspace.Data(), {"ru1", "he1", "en1", {}, "hh1", {}, 2});
    AddEntry(workspace.Data(), {"ru-go", "he-go", "en-go", {}, "hh-go", {}, 1, 77});
    AddVerbForms(workspace.Data(), 77);
  }
  int Play(int mode, const std::string& mask = kDefaultMask) {
    lesson::LessonPlayer player(Tables(), display, speech);
    player.ChooseMode(mode);
    player.Start(mask);
    return PlaySpeaking(player, display, speech);
  }
  const std::vector<QString>& Spoken() { return *speech.journal; }

  test::TestWorkspace workspace;
  RecordingDisplay display;
  ScriptedSpeech speech;
};

// Names a parameterised case by its lesson mode and its place in the list.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return "Mode" + std::to_string(info.param.mode) + "_" + std::to_string(info.index);
}

struct ModeCase {
  int mode;
  std::array<bool, 3> on;
  std::vector<QString> spoken;
};

class ModeTest : public PlayerTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, SpeaksTheLanguagesInTheModesOrder) {
  AddTwo();
  display.on = GetParam().on;
  Play(GetParam().mode);
  EXPECT_EQ(Spoken(), GetParam().spoken);
  EXPECT_TRUE(display.finished);
  EXPECT_FALSE(display.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ModeTest,
    ::testing::Values(
        ModeCase{0,
                 {true, true, true},
                 Words({"RU: ru1", "HE: hh1", "EN: en1", "RU: ru2", "HE: hh2", "EN: en2"})},
        ModeCase{1, {true, false, true}, Words({"RU: ru1", "EN: en1", "RU: ru2", "EN: en2"})},
        ModeCase{2,
                 {true, true, true},
                 Words({"HE: hh1", "EN: en1", "RU: ru1", "HE: hh2", "EN: en2", "RU: ru2"})},
        ModeCase{3,
                 {true, true, true},
                 Words({"EN: en1", "HE: hh1", "RU: ru1", "EN: en2", "HE: hh2", "RU: ru2"})},
        ModeCase{4, {true, true, true}, Words({"EN: en1", "HE: hh1", "EN: en2", "HE: hh2"})},
        ModeCase{4, {false, true, true}, Words({"EN: en1", "HE: hh1", "EN: en2", "HE: hh2"})},
        ModeCase{5, {true, true, true}, Words({"EN: en1", "RU: ru1", "EN: en2", "RU: ru2"})},
        ModeCase{6, {true, true, true}, Words({"HE: hh1", "RU: ru1", "HE: hh2", "RU: ru2"})},
        ModeCase{0, {false, false, false}, Words({})}),
    CaseName<ModeCase>);

TEST_F(PlayerTest, HebrewOffInModeOneIsNeverShown) {
  AddTwo();
  display.on = {true, false, true};
  lesson::LessonPlayer player(Tables(), display, speech);
  player.ChooseMode(1);
  player.Start(kDefaultMask);
  for (int tick = 0; tick < 10 && !display.finished; ++tick) {
    player.SpeakingTick();
    EXPECT_TRUE(display.text.find("he") == std::string::npos) << display.text;
    speech.EndWords();
  }
}

TEST_F(PlayerTest, InversionKeepsTheShownWordWhileTheOthersAreSpoken) {
  AddTwo();
  lesson::LessonPlayer player(Tables(), display, speech);
  player.ChooseMode(4);
  player.Start(kDefaultMask);
  std::vector<std::string> shown;
  for (int tick = 0; tick < 5; ++tick) {
    player.SpeakingTick();
    shown.push_back(display.visible ? display.text : "");
    speech.EndWords();
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"ru1", "ru1", "ru1", "ru2", "ru2"}));
}

TEST_F(PlayerTest, InversionWithTheShownLanguageOffShowsNothing) {
  AddTwo();
  display.on = {false, true, true};
  Play(4);
  EXPECT_EQ(display.text, "");
}

TEST_F(PlayerTest, RepetitionsSpeakAWordSeveralTimesInARow) {
  AddTwo();
  display.counts = {"2", "1", "1", "1"};
  Play(0);
  EXPECT_EQ(Spoken(), Words({"RU: ru1", "RU: ru1", "HE: hh1", "EN: en1", "RU: ru2", "RU: ru2",
                             "HE: hh2", "EN: en2"}));
}

TEST_F(PlayerTest, ThreePassesPlayTheListThreeTimes) {
  AddTwo();
  display.counts = {"1", "1", "1", "3"};
  Play(0);
  ASSERT_EQ(Spoken().size(), 18u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(Spoken()[i], Spoken()[i + 6]);
    EXPECT_EQ(Spoken()[i], Spoken()[i + 12]);
  }
}

TEST_F(PlayerTest, CountsAreReadAnewForEveryRecord) {
  AddTwo();
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  for (int tick = 0; tick < 3; ++tick) {
    player.SpeakingTick();
    speech.EndWords();
  }
  display.counts[0] = "x";  // edited during play: counts as 1
  display.counts[2] = "2";
  PlaySpeaking(player, display, speech);
  EXPECT_EQ(Spoken(),
            Words({"RU: ru1", "HE: hh1", "EN: en1", "RU: ru2", "HE: hh2", "EN: en2", "EN: en2"}));
  EXPECT_EQ(display.counts[0], "x");
}

TEST_F(PlayerTest, ABadNumberAtStartMakesEveryCountOne) {
  AddTwo();
  display.counts = {"a", "3", "3", "2"};
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  EXPECT_EQ(display.counts, (std::array<std::string, 4>{"1", "1", "1", "1"}));
  EXPECT_EQ(player.RepeatAll(), 1);
  PlaySpeaking(player, display, speech);
  EXPECT_EQ(Spoken().size(), 6u);
}

TEST_F(PlayerTest, HebrewWithoutHintSpeaksABlank) {
  AddEntry(workspace.Data(), {"ru1", "he1", "en1"});
  Play(0);
  EXPECT_EQ(Spoken(), Words({"RU: ru1", "HE:  ", "EN: en1"}));
}

TEST_F(PlayerTest, NothingIsSpokenWhileAWordIsStillBeingSpoken) {
  AddTwo();
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  player.SpeakingTick();
  for (int tick = 0; tick < 5; ++tick) player.SpeakingTick();
  EXPECT_EQ(Spoken(), Words({"RU: ru1"}));
  speech.EndWords();
  player.SpeakingTick();
  EXPECT_EQ(display.text, "he1");
  EXPECT_EQ(Spoken().back(), "HE: hh1");
}

TEST_F(PlayerTest, AnEmptyListEndsAtOnce) {
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  player.SpeakingTick();
  EXPECT_TRUE(display.finished);
  EXPECT_TRUE(Spoken().empty());
}

TEST_F(PlayerTest, RecordsDeletedDuringPlayShortenThePass) {
  AddTwo();
  AddEntry(workspace.Data(), {"ru3", "he3", "en3"});
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  player.SpeakingTick();
  speech.EndWords();
  store::Table& lessons = workspace.Data().SelWordTable();
  lessons.Last();
  lessons.Delete();
  lessons.First();
  PlaySpeaking(player, display, speech);
  EXPECT_EQ(Spoken(), Words({"RU: ru1", "HE: hh1", "EN: en1", "RU: ru2", "HE: hh2", "EN: en2"}));
  EXPECT_TRUE(display.finished);
}

struct DeleteCase {
  int records;
  std::string passes;
  std::vector<QString> spoken;
};

std::string DeleteName(const ::testing::TestParamInfo<DeleteCase>& info) {
  return std::to_string(info.param.records) + "Records" + info.param.passes + "Passes";
}

class DeletePlayingTest : public PlayerTest, public ::testing::WithParamInterface<DeleteCase> {};

// Record 2 is deleted while its Russian word is being spoken: the lesson goes on with the record
// that then stands at the cursor from its first language, or ends the pass when that record was
// played already.
TEST_P(DeletePlayingTest, GoesOnWithTheRecordNowAtTheCursor) {
  AddNumbered(GetParam().records);
  display.counts[3] = GetParam().passes;
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  for (int tick = 0; tick < 10 && Spoken().size() < 4; ++tick) {
    speech.EndWords();
    player.SpeakingTick();
  }
  ASSERT_FALSE(Spoken().empty());
  ASSERT_EQ(Spoken().back(), "RU: ru2");
  workspace.Data().SelWordTable().Delete();
  PlaySpeaking(player, display, speech, 100);
  EXPECT_EQ(Spoken(), GetParam().spoken);
  EXPECT_TRUE(display.finished);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DeletePlayingTest,
    ::testing::Values(DeleteCase{2, "1", Words({"RU: ru1", "HE: hh1", "EN: en1", "RU: ru2"})},
                      DeleteCase{3, "1",
                                 Words({"RU: ru1", "HE: hh1", "EN: en1", "RU: ru2", "RU: ru3",
                                        "HE: hh3", "EN: en3"})},
                      DeleteCase{2, "2",
                                 Words({"RU: ru1", "HE: hh1", "EN: en1", "RU: ru2", "RU: ru1",
                                        "HE: hh1", "EN: en1"})}),
    DeleteName);

// ---- Verbs ----

// The forms spoken of the verb, in order, from the journal.
std::vector<QString> FormsSpoken(const std::vector<QString>& journal) {
  std::vector<QString> forms;
  for (const QString& entry : journal) {
    if (entry.startsWith("HE: p")) forms.push_back(entry.mid(4));
  }
  return forms;
}

TEST_F(PlayerTest, VerbsModePassesOverNounsAndPlaysTheChosenForms) {
  AddNounAndVerb();
  display.counts = {"1", "2", "1", "1"};
  const int ticks = Play(lesson::kVerbsMode);
  EXPECT_EQ(Spoken().front(), "HE: hh-go");
  EXPECT_EQ(FormsSpoken(Spoken()), Words({"p4", "p4", "p7", "p7", "p14", "p14", "p15", "p15", "p24",
                                          "p24", "p28", "p28"}));
  EXPECT_EQ(Spoken().size(), 13u);
  // Infinitive, 12 spoken forms, 22 unchosen forms one tick each, the noun and the end.
  EXPECT_EQ(ticks, 1 + 1 + 12 + 22 + 1);
  EXPECT_TRUE(display.finished);
}

TEST_F(PlayerTest, VerbsModeWithHebrewOffShowsTheFormsWithoutSpeaking) {
  AddNounAndVerb();
  display.on = {true, false, true};
  lesson::LessonPlayer player(Tables(), display, speech);
  player.ChooseMode(lesson::kVerbsMode);
  player.Start(kDefaultMask);
  std::vector<std::string> shown;
  for (int tick = 0; tick < 100 && !display.finished; ++tick) {
    player.SpeakingTick();
    if (display.visible && (shown.empty() || shown.back() != display.text)) {
      shown.push_back(display.text);
    }
  }
  EXPECT_TRUE(display.finished);
  EXPECT_TRUE(Spoken().empty());
  EXPECT_EQ(shown, (std::vector<std::string>{"he-go", "f4", "f7", "f14", "f15", "f24", "f28"}));
}

TEST_F(PlayerTest, VerbsModeWithAHebrewCountBelowOneSpeaksEachFormOnce) {
  AddNounAndVerb();
  display.counts = {"1", "0", "1", "1"};
  Play(lesson::kVerbsMode);
  EXPECT_EQ(FormsSpoken(Spoken()), Words({"p4", "p7", "p14", "p15", "p24", "p28"}));
}

TEST_F(PlayerTest, AVerbWithoutFormsPlaysOnlyItsInfinitive) {
  AddEntry(workspace.Data(), {"ru-go", "he-go", "en-go", {}, "hh-go", {}, 1, 77});
  AddEntry(workspace.Data(), {"ru-do", "he-do", "en-do", {}, "hh-do", {}, 1, 78});
  AddVerbForms(workspace.Data(), 78);
  Play(lesson::kVerbsMode, "1000000000000000000000000000");
  EXPECT_EQ(Spoken(), Words({"HE: hh-go", "HE: hh-do", "HE: p1"}));
}

// The ways of leaving a verb while its forms are being spoken.
enum class Leave { CursorToTheNoun, DeleteTheVerb, ModeZero };

struct LeaveCase {
  Leave leave;
  std::vector<QString> spokenAfter;
};

std::string LeaveName(const ::testing::TestParamInfo<LeaveCase>& info) {
  constexpr const char* kNames[] = {"CursorToTheNoun", "DeleteTheVerb", "ModeZero"};
  return kNames[static_cast<int>(info.param.leave)];
}

class LeaveVerbTest : public PlayerTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveVerbTest, TheLessonEndsAfterTheVerbIsLeft) {
  AddNounAndVerb();
  lesson::LessonPlayer player(Tables(), display, speech);
  player.ChooseMode(lesson::kVerbsMode);
  player.Start(kDefaultMask);
  for (int tick = 0; tick < 20 && (Spoken().empty() || Spoken().back() != "HE: p4"); ++tick) {
    player.SpeakingTick();
    speech.EndWords();
  }
  ASSERT_FALSE(Spoken().empty());
  ASSERT_EQ(Spoken().back(), "HE: p4");
  ASSERT_NE(player.VerbStep(), 0);
  store::Table& lessons = workspace.Data().SelWordTable();
  switch (GetParam().leave) {
    case Leave::CursorToTheNoun:
      lessons.First();
      break;
    case Leave::DeleteTheVerb:
      lessons.Delete();
      break;
    case Leave::ModeZero:
      player.ChooseMode(0);
      break;
  }
  speech.journal->clear();
  PlaySpeaking(player, display, speech, 20);
  EXPECT_TRUE(display.finished);
  EXPECT_EQ(player.VerbStep(), 0);
  EXPECT_EQ(Spoken(), GetParam().spokenAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, LeaveVerbTest,
    ::testing::Values(LeaveCase{Leave::CursorToTheNoun, {}}, LeaveCase{Leave::DeleteTheVerb, {}},
                      LeaveCase{Leave::ModeZero, Words({"RU: ru-go", "HE: hh-go", "EN: en-go"})}),
    LeaveName);

// ---- the silent lesson ----

std::vector<std::string> SilentRun(lesson::LessonPlayer& player, RecordingDisplay& display) {
  std::vector<std::string> perTick;
  for (int tick = 0; tick < 100 && !display.finished; ++tick) {
    player.SilentTick();
    perTick.push_back(display.visible ? display.text : "-");
  }
  return perTick;
}

struct SilentCase {
  int mode;
  std::vector<std::string> perTick;
};

class SilentTest : public PlayerTest, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentTest, ShowsOneWordPerTickAndHoldsTheLast) {
  AddNounAndVerb();
  display.counts = {"3", "3", "3", "3"};  // the silent lesson plays each word once
  lesson::LessonPlayer player(Tables(), display, speech);
  player.ChooseMode(GetParam().mode);
  player.Start(kDefaultMask);
  EXPECT_EQ(SilentRun(player, display), GetParam().perTick);
  EXPECT_TRUE(display.finished);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SilentTest,
    ::testing::Values(SilentCase{0, {"ru1", "he1", "en1", "ru-go", "he-go", "en-go", "-"}},
                      SilentCase{2, {"he1", "en1", "ru1", "he-go", "en-go", "ru-go", "-"}},
                      SilentCase{5, {"he1", "he-go", "-"}},
                      SilentCase{7, {"he-go", "f4", "f7", "f14", "f15", "f24", "f28", "-"}}),
    CaseName<SilentCase>);

struct SilentDeleteCase {
  int records;
  std::vector<std::string> perTick;
};

class SilentDeleteTest : public PlayerTest,
                         public ::testing::WithParamInterface<SilentDeleteCase> {};

// Record 2 is deleted after its Russian word was shown.
TEST_P(SilentDeleteTest, GoesOnWithTheRecordNowAtTheCursor) {
  AddNumbered(GetParam().records);
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  for (int tick = 0; tick < 4; ++tick) player.SilentTick();
  ASSERT_EQ(display.text, "ru2");
  workspace.Data().SelWordTable().Delete();
  EXPECT_EQ(SilentRun(player, display), GetParam().perTick);
}

INSTANTIATE_TEST_SUITE_P(Lists, SilentDeleteTest,
                         ::testing::Values(SilentDeleteCase{2, {"-"}},
                                           SilentDeleteCase{3, {"ru3", "he3", "en3", "-"}}));

TEST_F(PlayerTest, SilentLessonPassesOverLanguagesThatAreOff) {
  AddTwo();
  display.on = {false, true, false};
  lesson::LessonPlayer player(Tables(), display, speech);
  player.Start(kDefaultMask);
  EXPECT_EQ(SilentRun(player, display), (std::vector<std::string>{"he1", "he2", "-"}));
}

TEST_F(PlayerTest, ParseCountTakesWholeNumbersOnly) {
  EXPECT_EQ(lesson::ParseCount("12"), 12);
  EXPECT_EQ(lesson::ParseCount(" 3 "), 3);
  EXPECT_EQ(lesson::ParseCount("-1"), -1);
  EXPECT_EQ(lesson::ParseCount("+2"), 2);
  for (const char* bad : {"", " ", "1.5", "x", "2a", "+"}) {
    EXPECT_FALSE(lesson::ParseCount(bad).has_value()) << bad;
  }
}

}  // namespace
