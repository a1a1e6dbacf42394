// The data tool's commands and their failure paths, run in temporary working folders.

#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestDictionary.h"
#include "Unprivileged.h"
#include "datatool/Commands.h"
#include "review/CardStore.h"
#include "review/GameReviews.h"
#include "store/DataModul.h"
#include "store/Table.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int Status;
  std::string Out;
  std::string Err;
};

class DataToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    root_ = temp_.path().toStdString();
  }

  Outcome Run(std::vector<std::string> arguments, const fs::path& folder) {
    std::ostringstream out, err;
    int status = datatool::RunCommand(arguments, folder, out, err);
    return {status, out.str(), err.str()};
  }

  // A working folder with an empty dictionary.
  fs::path MakeDictionary(const std::string& name = "w") {
    Outcome created = Run({"create", name}, root_);
    EXPECT_EQ(created.Status, datatool::kOk) << created.Err;
    return root_ / name;
  }

  QTemporaryDir temp_;
  fs::path root_;
};

// Adds one meaning to the dictionary of `folder`, which no program may be using.
void AddMeaning(const fs::path& folder, const test::MeaningSpec& meaning) {
  TDataModul data(folder);
  data.DataModuleCreate();
  test::AddMeaning(data, meaning);
}

const test::MeaningSpec kHouse{.ru = QStringLiteral("ДОМ"),
                               .he = QString::fromUtf8("תיב"),
                               .en = QStringLiteral("HOUSE"),
                               .part = 2};
const test::MeaningSpec kBig{.ru = QStringLiteral("БОЛЬШОЙ"),
                             .he = QString::fromUtf8("לודג"),
                             .en = QStringLiteral("BIG"),
                             .part = 3};
const test::MeaningSpec kGo{.ru = QStringLiteral("ИДТИ"),
                            .he = QString::fromUtf8("תכלל"),
                            .en = QStringLiteral("TO GO"),
                            .part = 1};

TEST_F(DataToolTest, CreateMakesAnEmptyDictionaryAndNeverOverwritesOne) {
  fs::path folder = MakeDictionary();
  EXPECT_TRUE(fs::exists(folder / "data" / "vocamir.db"));
  AddMeaning(folder, kHouse);
  Outcome again = Run({"create", "w"}, root_);
  EXPECT_EQ(again.Status, datatool::kFailed);
  EXPECT_NE(again.Err.find("already exists"), std::string::npos);
  Outcome stats = Run({"stats"}, folder);
  EXPECT_NE(stats.Out.find("NOUN: 1"), std::string::npos) << stats.Out;
}

TEST_F(DataToolTest, CommandsInAFolderWithoutDictionaryFailWithTheTableError) {
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"stats"}, {"check"}, {"export", "out.xml"}}) {
    Outcome outcome = Run(command, root_);
    EXPECT_EQ(outcome.Status, datatool::kFailed) << command[0];
    EXPECT_NE(outcome.Err.find("RUWORDS"), std::string::npos) << outcome.Err;
  }
  EXPECT_FALSE(fs::exists(root_ / "out.xml"));
}

TEST_F(DataToolTest, UnreadableImportFileIsReportedAndChangesNothing) {
  fs::path folder = MakeDictionary();
  Outcome missing = Run({"import", "no-such.xml"}, folder);
  EXPECT_EQ(missing.Status, datatool::kFailed);
  EXPECT_NE(missing.Err.find("no-such.xml"), std::string::npos) << missing.Err;
  fs::create_directory(folder / "a-folder.xml");
  EXPECT_EQ(Run({"import", "a-folder.xml"}, folder).Status, datatool::kFailed);
  EXPECT_NE(Run({"stats"}, folder).Out.find("meanings: 0"), std::string::npos);
}

TEST_F(DataToolTest, FolderInUseByARunningProgramIsRefused) {
  fs::path folder = MakeDictionary();
  TDataModul running(folder);
  running.DataModuleCreate();
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"stats"}, {"check"}, {"import", "x.xml"}}) {
    Outcome outcome = Run(command, folder);
    EXPECT_EQ(outcome.Status, datatool::kFailed) << command[0];
    EXPECT_NE(outcome.Err.find("already in use"), std::string::npos) << outcome.Err;
  }
}

TEST_F(DataToolTest, UsageErrorsPrintTheUsage) {
  for (const std::vector<std::string>& command : {std::vector<std::string>{},
                                                  {"frobnicate"},
                                                  {"create"},
                                                  {"export", "a", "--all"},
                                                  {"stats", "extra"}}) {
    Outcome outcome = Run(command, root_);
    EXPECT_EQ(outcome.Status, datatool::kUsage);
    EXPECT_NE(outcome.Err.find("Usage: vocamir-data"), std::string::npos);
  }
}

// Help and version go to standard output with success; every command has its own help, which
// runs nothing.
TEST_F(DataToolTest, HelpAndVersionPrintToStandardOutput) {
  struct Case {
    std::vector<std::string> Command;
    std::string Expected;
  };
  const Case cases[] = {{{"--help"}, "Usage: vocamir-data COMMAND"},
                        {{"-h"}, "Usage: vocamir-data COMMAND"},
                        {{"--version"}, "vocamir-data 3."},
                        {{"create", "--help"}, "Usage: vocamir-data create DIR\n"},
                        {{"export", "x.xml", "-h"}, "Usage: vocamir-data export FILE [--marked]"},
                        {{"check", "--help"}, "Usage: vocamir-data check\n"}};
  for (const Case& c : cases) {
    Outcome outcome = Run(c.Command, root_);
    EXPECT_EQ(outcome.Status, datatool::kOk) << c.Command[0];
    EXPECT_EQ(outcome.Out.find(c.Expected), 0u) << outcome.Out;
    EXPECT_EQ(outcome.Err, "");
  }
  EXPECT_FALSE(fs::exists(root_ / "x.xml"));
  // Every command of the usage has a help of its own.
  const std::string usage = Run({"--help"}, root_).Out;
  for (const char* command : {"create", "import", "export", "check", "clean", "stats", "deselect",
                              "conjugate", "print-lessons", "schedule", "due"}) {
    EXPECT_NE(usage.find(std::string("  ") + command + " "), std::string::npos) << command;
    EXPECT_EQ(Run({command, "--help"}, root_).Status, datatool::kOk) << command;
  }
  // It reads on a terminal: no line wider than 100 columns, every summary in its column.
  std::istringstream lines(usage);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 100u) << line;
    if (line.starts_with("          ")) {  // a continued summary
      EXPECT_EQ(line.find_first_not_of(' '), 26u) << line;
    }
  }
}

// "due" lists today's words (a due card's meaning, then new ones in page order); "--mark" marks
// them as "Mark Due Words" does.
TEST_F(DataToolTest, DueListsAndMarksTheWordsOfTheDay) {
  const fs::path folder = MakeDictionary();
  AddMeaning(folder, kHouse);
  AddMeaning(folder, kBig);
  {
    TDataModul data(folder);
    data.DataModuleCreate();
    ASSERT_TRUE(data.RUTable().Locate("Item", "\xC4\xCE\xCC"));  // ДОМ
    const int house = data.RUTable().FieldByName("Id").AsInteger();
    const std::int64_t today = review::DayOf(review::SystemTime());
    review::CardStore(data.RUTable().Database())
        .Store({house, 1, 3.0, 5.0, today - 3, today, 1, 0}, {house, 1, 0, 3, 0, 3.0, 5.0});
  }
  const Outcome listed = Run({"due"}, folder);
  EXPECT_EQ(listed.Status, datatool::kOk) << listed.Err;
  EXPECT_EQ(listed.Out, "due: ДОМ\nnew: БОЛЬШОЙ\nDue today: 1 cards of 1 meanings; 1 new words.\n");
  const Outcome marked = Run({"due", "--mark"}, folder);
  EXPECT_EQ(marked.Out, "Marked 2 meanings: 1 due, 1 new.\n");
  EXPECT_EQ(Run({"export", "x.xml", "--marked"}, folder).Out,
            "Exported 2 marked meanings to x.xml.\n");
}

// "conjugate" needs no dictionary: it prints the forms, or refuses with the reason.
TEST_F(DataToolTest, ConjugatePrintsTheFormsOrTheReason) {
  const Outcome forms = Run({"conjugate", "כתב", "paal"}, root_);
  ASSERT_EQ(forms.Status, datatool::kOk) << forms.Err;
  EXPECT_EQ(std::count(forms.Out.begin(), forms.Out.end(), '\n'), 28);
  EXPECT_EQ(forms.Out.find("Nast1\tכותב\tкотэ<в\n"), 0u) << forms.Out;
  EXPECT_NE(forms.Out.find("\nProcess\tכתיבה\tктива<\n"), std::string::npos) << forms.Out;
  EXPECT_NE(Run({"conjugate", "סדר", "PUAL"}, root_).Out.find("\nPov1\t\t\n"), std::string::npos);

  struct Case {
    std::vector<std::string> Command;
    std::string Reason;
  };
  const Case refusals[] = {{{"conjugate", "כתב", "EXCEPTION"}, "unknown pattern EXCEPTION"},
                           {{"conjugate", "ktb", "PAAL"}, "only Hebrew letters"},
                           {{"conjugate", "€€€", "PAAL"}, "only Hebrew letters"},
                           {{"conjugate", "נשא", "PAAL"}, "irregular"}};
  for (const Case& c : refusals) {
    const Outcome outcome = Run(c.Command, root_);
    EXPECT_EQ(outcome.Status, datatool::kFailed) << c.Command[1];
    EXPECT_NE(outcome.Err.find(c.Reason), std::string::npos) << outcome.Err;
    EXPECT_EQ(outcome.Out, "");
  }
}

// A file ending in .apkg is a flashcard package of the meanings (the package itself is read back
// by the package's own tests): a Hebrew word without a hint has no sound; --marked takes the
// marked ones and leaves their marks.
TEST_F(DataToolTest, ExportToAnApkgWritesAFlashcardPackage) {
  const fs::path folder = MakeDictionary("deck");
  AddMeaning(folder, kHouse);
  AddMeaning(folder,
             {.ru = QStringLiteral("БОЛЬШОЙ"), .en = QStringLiteral("BIG"), .marked = true});
  const Outcome all = Run({"export", "all.apkg"}, folder);
  ASSERT_EQ(all.Status, datatool::kOk) << all.Err;
  EXPECT_NE(all.Out.find("Exported 2 meanings with 4 sounds"), std::string::npos) << all.Out;
  const Outcome marked = Run({"export", "marked.APKG", "--marked"}, folder);
  EXPECT_NE(marked.Out.find("Exported 1 marked meanings with 2 sounds"), std::string::npos)
      << marked.Out;
  EXPECT_GT(fs::file_size(folder / "marked.APKG"), 0u);
  EXPECT_NE(Run({"export", "again.apkg", "--marked"}, folder).Out.find("Exported 1 marked"),
            std::string::npos)
      << "the marks stay";
}

TEST_F(DataToolTest, ExportThenImportIntoAnotherDictionaryKeepsEveryMeaning) {
  fs::path source = MakeDictionary("source");
  AddMeaning(source, kHouse);
  AddMeaning(source, kBig);
  fs::path target;
  for (const std::string name : {"all.kvtml", "all.csv", "all.tsv", "all.xml"}) {
    SCOPED_TRACE(name);
    Outcome exported = Run({"export", name}, source);
    ASSERT_EQ(exported.Status, datatool::kOk) << exported.Err;
    EXPECT_NE(exported.Out.find("Exported 2 meanings"), std::string::npos) << exported.Out;

    target = MakeDictionary("target-" + name);
    Outcome imported = Run({"import", (source / name).string()}, target);
    ASSERT_EQ(imported.Status, datatool::kOk) << imported.Err;
    EXPECT_NE(imported.Out.find("Imported 2 meanings"), std::string::npos) << imported.Out;
    Outcome again = Run({"import", (source / name).string()}, target);
    EXPECT_NE(again.Out.find("Imported 0 meanings; 2 were"), std::string::npos) << again.Out;
    EXPECT_EQ(Run({"check"}, target).Status, datatool::kOk);
  }

  // A malformed list imports nothing and exits with 1, naming the file and the line.
  std::ofstream(source / "bad.csv") << "Russian,English\nA,B\n\"C,D\n";
  const fs::path empty = MakeDictionary("empty");
  const Outcome refused = Run({"import", (source / "bad.csv").string()}, empty);
  EXPECT_EQ(refused.Status, datatool::kFailed);
  EXPECT_NE(refused.Err.find("was not imported. Line 3: a quoted field"), std::string::npos)
      << refused.Err;
  EXPECT_NE(Run({"stats"}, empty).Out.find("meanings: 0"), std::string::npos);

  // Imported words are marked; "deselect" clears the marks of every meaning.
  Outcome deselected = Run({"deselect"}, target);
  EXPECT_NE(deselected.Out.find("Cleared the marks of 2 meanings"), std::string::npos)
      << deselected.Out;
  TDataModul data(target);
  data.DataModuleCreate();
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    for (table->First(); !table->Eof(); table->Next()) {
      EXPECT_EQ(table->FieldByName("Select").AsString(), "") << table->TableName();
    }
  }
}

TEST_F(DataToolTest, CheckReportsBrokenLinksAndVerbsWithoutForms) {
  fs::path folder = MakeDictionary();
  AddMeaning(folder, kHouse);
  AddMeaning(folder, kGo);  // a verb without forms
  {
    TDataModul data(folder);
    data.DataModuleCreate();
    // The house's English record now names a Russian word that does not exist.
    data.ENTable().SetIndexName("id_index");
    ASSERT_TRUE(data.ENTable().Locate("Item", std::string_view("HOUSE")));
    data.ENTable().Edit();
    data.ENTable().FieldByName("idRU").SetAsInteger(999);
    data.ENTable().Post();
  }
  Outcome check = Run({"check"}, folder);
  EXPECT_EQ(check.Status, datatool::kFailed);
  EXPECT_NE(check.Out.find("names Russian word 999, which does not exist"), std::string::npos)
      << check.Out;
  EXPECT_NE(check.Out.find("has no conjugation forms"), std::string::npos) << check.Out;
  EXPECT_NE(check.Out.find("Russian word 1 names English word 1, which does not name it back"),
            std::string::npos)
      << check.Out;
  EXPECT_NE(check.Out.find("3 problems found"), std::string::npos) << check.Out;
}

TEST_F(DataToolTest, CheckListsBlankAndIncompleteMeaningsAndCleanRemovesTheBlankOnly) {
  fs::path folder = MakeDictionary();
  AddMeaning(folder, kHouse);
  AddMeaning(folder, {});  // blank
  AddMeaning(folder, {});  // blank
  AddMeaning(folder, {.ru = QStringLiteral("ДОМ")});
  AddMeaning(folder, {.he = QStringLiteral("תיב"), .en = QStringLiteral("HOME")});
  Outcome check = Run({"check"}, folder);
  EXPECT_EQ(check.Status, datatool::kFailed);
  for (const char* line :
       {"Russian word 2, Hebrew word 2 and English word 2 are a blank meaning",
        "Russian word 4, Hebrew word 4 and English word 4 are an incomplete meaning: Russian ДОМ, "
        "Hebrew empty, English empty.",
        // Hebrew is stored in display order and printed in reading order.
        "Russian word 5, Hebrew word 5 and English word 5 are an incomplete meaning: Russian "
        "empty, Hebrew בית, English HOME.",
        "4 problems found"}) {
    EXPECT_NE(check.Out.find(line), std::string::npos) << line << "\n" << check.Out;
  }
  Outcome clean = Run({"clean"}, folder);
  EXPECT_EQ(clean.Status, datatool::kOk) << clean.Err;
  EXPECT_NE(clean.Out.find("Removed 2 blank meanings"), std::string::npos) << clean.Out;
  check = Run({"check"}, folder);
  EXPECT_NE(check.Out.find("2 problems found"), std::string::npos) << check.Out;
  EXPECT_NE(Run({"stats"}, folder).Out.find("meanings: 3"), std::string::npos);
}

TEST_F(DataToolTest, ImportOfADocumentThatEndsEarlyKeepsItsUnitsAndFails) {
  fs::path folder = MakeDictionary();
  std::ofstream(folder / "cut.xml", std::ios::binary)
      << "<Root><Unit><WordRU><Item>A</Item></WordRU></Unit><Unit><WordRU><Item>B";
  Outcome imported = Run({"import", "cut.xml"}, folder);
  EXPECT_EQ(imported.Status, datatool::kFailed);
  EXPECT_NE(imported.Err.find("ended early"), std::string::npos) << imported.Err;
  EXPECT_NE(imported.Err.find("1 complete unit was taken"), std::string::npos) << imported.Err;
  EXPECT_NE(Run({"stats"}, folder).Out.find("meanings: 1"), std::string::npos);
}

TEST_F(DataToolTest, ImportOfAFileThatIsNotADocumentFailsAndImportsNothing) {
  fs::path folder = MakeDictionary();
  std::ofstream(folder / "notes.doc", std::ios::binary)
      << "Words to learn: <Unit><WordRU><Item>A</Item></WordRU></Unit></Root>";
  Outcome imported = Run({"import", "notes.doc"}, folder);
  EXPECT_EQ(imported.Status, datatool::kFailed);
  EXPECT_EQ(imported.Out, "");
  EXPECT_EQ(imported.Err, "vocamir-data: The file \"" + (folder / "notes.doc").string() +
                              "\" is not a Vocamir exchange document: nothing was imported.\n");
  EXPECT_NE(Run({"stats"}, folder).Out.find("meanings: 0"), std::string::npos);
}

// "schedule --replay" checks the whole log before it prints anything; it needs no dictionary.
TEST_F(DataToolTest, ScheduleReplayRefusesABadLogAndPrintsNothing) {
  struct Case {
    std::string Log;
    std::string Problem;
  };
  const Case cases[] = {
      {"a 0 3\nb 0\n", "line 2: expected ITEM DAYS GRADE, found 2 fields"},
      {"a 0 3 4\n", "line 1: expected ITEM DAYS GRADE, found 4 fields"},
      {"a 0 x\n", "line 1: GRADE must be 1, 2, 3 or 4: x"},
      {"a 1.5 3\n", "line 1: DAYS is not a whole number: 1.5"},
      {"a 0 5\n", "line 1: GRADE must be 1, 2, 3 or 4: 5"},
      {"a 0 0\n", "line 1: GRADE must be 1, 2, 3 or 4: 0"},
      {"# a comment\n\na -1 3\n", "line 3: DAYS is negative: -1"},
      {"a x 3\nb 0 9\n", "line 2: GRADE"},  // every bad line is named
  };
  for (const Case& c : cases) {
    std::ofstream(root_ / "log.txt", std::ios::binary) << c.Log;
    const Outcome outcome = Run({"schedule", "--replay", "log.txt"}, root_);
    EXPECT_EQ(outcome.Status, datatool::kUsage) << c.Log;
    EXPECT_NE(outcome.Err.find(c.Problem), std::string::npos) << c.Log << outcome.Err;
    EXPECT_EQ(outcome.Out, "") << c.Log;
  }
  const Outcome missing = Run({"schedule", "--replay", "no-such.txt"}, root_);
  EXPECT_EQ(missing.Status, datatool::kFailed);
  EXPECT_NE(missing.Err.find("no-such.txt"), std::string::npos) << missing.Err;
  EXPECT_EQ(Run({"schedule", "--replay", "log.txt", "--retention", "0.5"}, root_).Status,
            datatool::kUsage);
}

TEST_F(DataToolTest, ScheduleReplayPrintsEachItemsMemoryAfterEachReview) {
  std::ofstream(root_ / "log.txt", std::ios::binary) << "# a published log, and another word\n"
                                                        "w 0 1\n"
                                                        "other 0 4\n"
                                                        "w 0 3\n"
                                                        "w 1 3\n"
                                                        "\n"
                                                        "w 3 3\n"
                                                        "w 8 3\n"
                                                        "w 21 3\n";
  const Outcome replay = Run({"schedule", "--replay", "log.txt"}, root_);
  ASSERT_EQ(replay.Status, datatool::kOk) << replay.Err;
  EXPECT_EQ(std::count(replay.Out.begin(), replay.Out.end(), '\n'), 7) << replay.Out;
  EXPECT_EQ(replay.Out.find("w 0.212000 6.413300 1\nother 8.295600 1.000000 8\n"), 0u)
      << replay.Out;
  const std::string last = "\nw 53.626903 6.357487 54\n";
  EXPECT_EQ(replay.Out.rfind(last), replay.Out.size() - last.size()) << replay.Out;
  const Outcome lower = Run({"schedule", "--retention", "0.8", "--replay", "log.txt"}, root_);
  EXPECT_NE(lower.Out.find("\nw 53.626903 6.357487 178\n"), std::string::npos) << lower.Out;
}

}  // namespace

// The progress figures of a log of one review, made today.
TEST_F(DataToolTest, StatsReviewsPrintsTheProgressOfTheReviewLog) {
  const fs::path folder = MakeDictionary();
  AddMeaning(folder, kHouse);
  const std::int64_t now = review::SystemTime();
  const std::int64_t today = review::DayOf(now);
  {
    TDataModul data(folder);
    data.DataModuleCreate();
    review::CardStore(data.RUTable().Database())
        .Store({1, 2, 0.2, 7, today, today + 1, 1, 0}, {1, 2, now, 1, 0, 0.2, 7});
  }
  const Outcome stats = Run({"stats", "--reviews"}, folder);
  ASSERT_EQ(stats.Status, datatool::kOk) << stats.Err;
  const std::string date = QDate::fromJulianDay(today).toString(Qt::ISODate).toStdString();
  const std::string tomorrow = QDate::fromJulianDay(today + 1).toString(Qt::ISODate).toStdString();
  const std::vector<std::string> lines = {
      "due today: 0\n",
      "streak: 1 day\n",
      "new cards: 5\n",
      "learning cards: 1\n",
      "review cards: 0\n",
      "desired retention: 90%\n",
      "reviews per day:\n",
      "  " + date + "  1\n",
      "cards due per day:\n  " + date + "  0\n  " + tomorrow + "  1\n"};
  for (const std::string& line : lines) {
    EXPECT_NE(stats.Out.find(line), std::string::npos) << line << stats.Out;
  }
}

// A dictionary this user may not write: reading commands work, writing ones exit with 1 and the
// read-only message, and the database file is left as it was.
TEST_F(DataToolTest, ReadOnlyDictionaryIsReadAndNeverWritten) {
  if (const auto child = test::RunUnprivileged()) {
    EXPECT_TRUE(*child);
    return;
  }
  fs::path folder = MakeDictionary();
  AddMeaning(folder, {.ru = QStringLiteral("ДОМ"),
                      .he = QString::fromUtf8("תיב"),
                      .en = QStringLiteral("HOUSE"),
                      .marked = true});
  ASSERT_EQ(Run({"export", "before.xml"}, folder).Status, datatool::kOk);
  const fs::path data = folder / "data";
  const auto bytes = [](const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string stored = bytes(data / "vocamir.db");
  fs::permissions(data / "vocamir.db", fs::perms::owner_write, fs::perm_options::remove);
  fs::permissions(data, fs::perms::owner_write, fs::perm_options::remove);

  for (const std::vector<std::string>& reading :
       {std::vector<std::string>{"check"}, {"stats"}, {"export", "all.xml"}}) {
    const Outcome outcome = Run(reading, folder);
    EXPECT_EQ(outcome.Status, datatool::kOk) << reading[0] << ": " << outcome.Err;
  }
  // Export of the marked words writes the document, and the marks stay.
  EXPECT_EQ(Run({"export", "marked.xml", "--marked"}, folder).Status, datatool::kOk);
  EXPECT_EQ(bytes(folder / "marked.xml"), bytes(folder / "all.xml"));
  for (const std::vector<std::string>& writing :
       {std::vector<std::string>{"import", "before.xml"}, {"clean"}, {"deselect"}}) {
    const Outcome outcome = Run(writing, folder);
    EXPECT_EQ(outcome.Status, datatool::kFailed) << writing[0];
    EXPECT_NE(outcome.Err.find("The dictionary in " + data.string() + " is read-only"),
              std::string::npos)
        << writing[0] << ": " << outcome.Err;
  }
  EXPECT_EQ(bytes(data / "vocamir.db"), stored);
  fs::permissions(data, fs::perms::owner_write, fs::perm_options::add);
}
