// `vocamir-data find`: the meaning the search of a language page stands on, and its exit status.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "TestDictionary.h"
#include "datatool/Commands.h"
#include "store/DataModul.h"
#include "store/Table.h"

namespace {

namespace fs = std::filesystem;

// A Hebrew word given in reading order, as the tables store it (display order).
QString Stored(const char* readingOrder) {
  QString stored = QString::fromUtf8(readingOrder);
  std::reverse(stored.begin(), stored.end());
  return stored;
}

class FindCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    folder_ = temp_.path().toStdString();
    std::ostringstream ignored;
    ASSERT_EQ(datatool::RunCommand({"create", "."}, folder_, ignored, ignored), datatool::kOk);
  }

  void AddWords() {
    TDataModul data(folder_);
    data.DataModuleCreate();
    test::AddMeaning(data, {.ru = QStringLiteral("ПРИВЕТ"),
                            .he = Stored("שָׁלוֹם"),
                            .en = QStringLiteral("HELLO"),
                            .heRoot = Stored("שלם"),
                            .part = 4,
                            .topic = 0,
                            .heHint = QStringLiteral("ШАЛ<ОМ")});
    test::AddMeaning(data, {.ru = QStringLiteral("МИР"),
                            .he = Stored("שלום"),
                            .en = QStringLiteral("PEACE"),
                            .heRoot = Stored("שלם"),
                            .part = 2});
    test::AddMeaning(data, {.ru = QStringLiteral("КНИГА"),
                            .he = Stored("ספר"),
                            .en = QStringLiteral("BOOK"),
                            .part = 2,
                            .topic = 1,
                            .marked = true});
  }

  struct Outcome {
    int status;
    std::string out;
    std::string err;
  };
  Outcome Find(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "find");
    std::ostringstream out, err;
    const int status = datatool::RunCommand(arguments, folder_, out, err);
    return {status, out.str(), err.str()};
  }

  QTemporaryDir temp_;
  fs::path folder_;
};

TEST_F(FindCommandTest, PrintsTheMeaningOfTheWordFound) {
  AddWords();
  const Outcome found = Find({"--en", "book"});
  EXPECT_EQ(found.status, datatool::kOk) << found.err;
  EXPECT_EQ(found.out,
            "Russian: КНИГА\nHebrew: ספר\nEnglish: BOOK\nRussian hint:\nHebrew hint:\n"
            "English hint:\nRoot:\nPart of speech: 2 NOUN\nTheme: 1 Literary\nVerb pattern: -\n"
            "Gender: Russian -, Hebrew -, English -\nMarked: yes\n");
  EXPECT_EQ(found.err, "");
}

TEST_F(FindCommandTest, SearchesThePageOfTheOptionOrOfTheTextsLetters) {
  AddWords();
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* line;  // a line of the meaning printed
  } cases[] = {
      {{"שלום"}, datatool::kOk, "Hebrew: שָׁלוֹם\n"},  // the pointed spelling sorts first
      {{"--he", "שלומ"}, datatool::kOk, "Russian: ПРИВЕТ\n"},
      {{"--he", "שָׁלוֹם"}, datatool::kOk, "Hebrew hint: ШАЛ<ОМ\n"},
      {{"--root", "שלמ"}, datatool::kOk, "Root: שלם\n"},
      {{"мир"}, datatool::kOk, "Hebrew: שלום\n"},
      {{"--ru", "КН"}, datatool::kFailed, "Russian: КНИГА\n"},  // not in it: the nearest word
      {{"ZEBRA"}, datatool::kFailed, "English: PEACE\n"},       // after every word: the last
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    const Outcome found = Find(c.arguments);
    EXPECT_EQ(found.status, c.status);
    EXPECT_NE(found.out.find(c.line), std::string::npos) << found.out;
    EXPECT_EQ(found.err.find("is not in the dictionary") != std::string::npos,
              c.status != datatool::kOk)
        << found.err;
  }
}

TEST_F(FindCommandTest, RefusesWhatItCannotSearch) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* error;
  } cases[] = {
      {{"--ru"}, datatool::kUsage, "one TEXT"},
      {{"--fr", "CHAT"}, datatool::kUsage, "one TEXT"},
      {{"--en", "A", "B"}, datatool::kUsage, "one TEXT"},
      {{""}, datatool::kUsage, "TEXT is empty"},
      {{"--ru", "שלום"}, datatool::kFailed, "cannot be stored in the Windows-1251"},
      {{"CAT"}, datatool::kFailed, "holds no English words"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.front());
    const Outcome found = Find(c.arguments);
    EXPECT_EQ(found.status, c.status);
    EXPECT_NE(found.err.find(c.error), std::string::npos) << found.err;
    EXPECT_EQ(found.out, "");
  }
}

TEST_F(FindCommandTest, NamesAPartnerTheLinkDoesNotReach) {
  AddWords();
  {
    TDataModul data(folder_);
    data.DataModuleCreate();
    ASSERT_TRUE(data.ENTable().Locate("Item", "BOOK"));
    data.ENTable().Delete();
  }
  const Outcome found = Find({"КНИГА"});
  EXPECT_EQ(found.status, datatool::kOk);
  EXPECT_NE(found.out.find("English: (missing: no record 3)\n"), std::string::npos) << found.out;
  EXPECT_NE(found.out.find("English hint: -\n"), std::string::npos) << found.out;
}

}  // namespace
