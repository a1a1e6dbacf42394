// `vocamir-data lesson-audio`: its options, its refusal of unwritable paths, and a real run
// through espeak-ng into a WAV file.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <sstream>

#include "TestDictionary.h"
#include "datatool/Commands.h"
#include "datatool/LessonAudio.h"
#include "store/DataModul.h"

namespace {

namespace fs = std::filesystem;

class LessonAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    folder_ = fs::path(temp_.path().toStdString());
    std::ostringstream out, err;
    ASSERT_EQ(datatool::RunCommand({"create", "."}, folder_, out, err), datatool::kOk);
    TDataModul data(folder_);
    data.DataModuleCreate();
    store::Table& lessons = data.SelWordTable();
    lessons.Insert();
    lessons.FieldByName("ItemRU").SetAsString("\xc4\xce\xcc");  // ДОМ
    lessons.FieldByName("ItemEN").SetAsString("HOUSE");
    lessons.FieldByName("HebrSpeech").SetAsString("\xe1\xe0\xe9\xf2");  // байт
    lessons.Post();
  }

  int Run(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    arguments.insert(arguments.begin(), "lesson-audio");
    const int status = datatool::RunCommand(arguments, folder_, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  // The files of the working folder other than the dictionary.
  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      if (entry.path().filename() != "data") names.push_back(entry.path().filename().string());
    }
    return names;
  }

  QTemporaryDir temp_;
  fs::path folder_;
  std::string out_;
  std::string err_;
};

TEST_F(LessonAudioTest, BadOptionsAreAUsageError) {
  const std::vector<std::vector<std::string>> cases = {{"a.wav", "--mode", "8"},
                                                       {"a.wav", "--mode", "x"},
                                                       {"a.wav", "--languages", "RX"},
                                                       {"a.wav", "--languages", ""},
                                                       {"a.wav", "--repeat", "1,2"},
                                                       {"a.wav", "--repeat", "1,0,1"},
                                                       {"a.wav", "--passes", "0"},
                                                       {"a.wav", "--pause", "-1"},
                                                       {"a.wav", "--pause", "1s"},
                                                       {"a.wav", "--mode"},
                                                       {"a.wav", "--mode", "1", "--mode", "2"},
                                                       {"a.wav", "--speed", "3"},
                                                       {"a.mp3"},
                                                       {"a"}};
  for (const auto& arguments : cases) {
    EXPECT_EQ(Run(arguments), datatool::kUsage) << arguments.back();
    EXPECT_NE(err_.find("Usage: vocamir-data lesson-audio FILE"), std::string::npos);
  }
  EXPECT_EQ(Run({}), datatool::kUsage);
  EXPECT_TRUE(Files().empty());
}

TEST_F(LessonAudioTest, OptionsAreRead) {
  std::string error;
  const auto options = datatool::ParseLessonAudioOptions(
      {"--repeat", "2,3,1", "--languages", "he", "--mode", "7", "--passes", "4", "--pause", "0.25"},
      error);
  ASSERT_TRUE(options.has_value()) << error;
  EXPECT_EQ(options->Mode, 7);
  EXPECT_EQ(options->Languages, (std::array<bool, 3>{false, true, true}));
  EXPECT_EQ(options->Repeat, (std::array<int, 3>{2, 3, 1}));
  EXPECT_EQ(options->Passes, 4);
  EXPECT_DOUBLE_EQ(options->PauseSeconds, 0.25);
  for (const char* name : {"x.WAV", "x.flac", "x.Ogg"}) {
    EXPECT_NE(datatool::SoundFormatOf(name), 0) << name;
  }
}

TEST_F(LessonAudioTest, AnUnwritablePathLeavesNoFile) {
  EXPECT_EQ(Run({"missing/lesson.wav"}), datatool::kFailed);
  EXPECT_NE(err_.find("cannot write"), std::string::npos) << err_;
  EXPECT_TRUE(Files().empty());
}

TEST_F(LessonAudioTest, WritesTheSpokenLessonToAWavFile) {
  ASSERT_EQ(Run({"lesson.wav", "--pause", "0.5"}), datatool::kOk) << err_;
  EXPECT_NE(out_.find("Wrote 3 spoken words"), std::string::npos) << out_;
  EXPECT_EQ(Files(), std::vector<std::string>{"lesson.wav"});
  // Three words with two half-second pauses between them, at 16 bits a sample.
  EXPECT_GT(fs::file_size(folder_ / "lesson.wav"), 44u + 2u * 22050u);
}

}  // namespace
