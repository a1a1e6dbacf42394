// The printed lesson list, written by `vocamir-data print-lessons` and measured with poppler:
// pages, rows, the columns' positions, wrapping, and the command's failure paths.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "PdfPages.h"
#include "PrintTestSupport.h"
#include "TestDictionary.h"
#include "datatool/Commands.h"

namespace {

namespace fs = std::filesystem;

constexpr double kTolerance = 0.5;  // millimetres
constexpr double kMargin = 10.0;
constexpr double kPitch = 6.35;
// Where the texts of a row start, from the page's left edge.
constexpr double kRussianLeft = kMargin + 1.85;
constexpr double kHebrewLeft = kMargin + 86.0;
constexpr double kEnglishLeft = kMargin + 129.65;
// Rows of one-line texts that fit on a page: 277 mm / 6.35 mm.
constexpr int kRowsPerPage = 43;

const QString kHebrew = QString::fromUtf8("תיב");  // "house", display order

struct Outcome {
  int Status;
  std::string Out;
  std::string Err;
};

class PrintLessonsTest : public ::testing::Test {
 protected:
  // Adds the lessons to the list and closes the dictionary, as a program that ended leaves it.
  void AddLessons(const std::vector<test::LessonSpec>& lessons) {
    for (const test::LessonSpec& lesson : lessons) {
      test::AddLesson(workspace_.Data().SelWordTable(), lesson);
    }
    workspace_.Data().DataModuleDestroy();
  }

  // Numbered one-word records: ДОМ1 / תיב / HOUSE1, ...
  void AddNumberedLessons(int count) {
    std::vector<test::LessonSpec> lessons;
    for (int i = 1; i <= count; ++i) {
      lessons.push_back(
          {QStringLiteral("ДОМ%1").arg(i), kHebrew, QStringLiteral("HOUSE%1").arg(i)});
    }
    AddLessons(lessons);
  }

  Outcome Print(const std::string& file) {
    std::ostringstream out, err;
    const int status =
        datatool::RunCommand({"print-lessons", file}, workspace_.Path().toStdString(), out, err);
    return {status, out.str(), err.str()};
  }

  test::PdfPages PrintAndRead() {
    const Outcome printed = Print("lessons.pdf");
    EXPECT_EQ(printed.Status, datatool::kOk) << printed.Err;
    return test::ReadPdf(QDir(workspace_.Path()).filePath(QStringLiteral("lessons.pdf")));
  }

  test::TestWorkspace workspace_;
};

// The words of a page whose text starts with `prefix`, top to bottom.
std::vector<test::PdfWord> WordsStarting(const std::vector<test::PdfWord>& page,
                                         const QString& prefix) {
  std::vector<test::PdfWord> found;
  std::copy_if(page.begin(), page.end(), std::back_inserter(found),
               [&](const test::PdfWord& word) { return word.Text.startsWith(prefix); });
  std::sort(found.begin(), found.end(),
            [](const test::PdfWord& a, const test::PdfWord& b) { return a.Top < b.Top; });
  return found;
}

QString Reversed(QString text) {
  std::reverse(text.begin(), text.end());
  return text;
}

TEST_F(PrintLessonsTest, ThreeRecordsGiveOneA4PageWithThreeRowsInTheirColumns) {
  AddNumberedLessons(3);
  const test::PdfPages pdf = PrintAndRead();
  ASSERT_EQ(pdf.Count, 1);
  EXPECT_NEAR(pdf.Width, 210.0, kTolerance);
  EXPECT_NEAR(pdf.Height, 297.0, kTolerance);

  const std::vector<test::PdfWord> russian = WordsStarting(pdf.Words[0], QStringLiteral("ДОМ"));
  const std::vector<test::PdfWord> hebrew = WordsStarting(pdf.Words[0], kHebrew.left(1));
  const std::vector<test::PdfWord> english = WordsStarting(pdf.Words[0], QStringLiteral("HOUSE"));
  ASSERT_EQ(russian.size(), 3u);
  ASSERT_EQ(hebrew.size(), 3u);
  ASSERT_EQ(english.size(), 3u);
  for (std::size_t row = 0; row < 3; ++row) {
    // Stored order: the records in the order they were added, the Hebrew as stored.
    EXPECT_EQ(russian[row].Text, QStringLiteral("ДОМ%1").arg(row + 1));
    EXPECT_EQ(english[row].Text, QStringLiteral("HOUSE%1").arg(row + 1));
    EXPECT_EQ(hebrew[row].Text, kHebrew);
    EXPECT_NEAR(russian[row].Left, kRussianLeft, kTolerance);
    EXPECT_NEAR(hebrew[row].Left, kHebrewLeft, kTolerance);
    EXPECT_NEAR(english[row].Left, kEnglishLeft, kTolerance);
    EXPECT_NEAR(russian[row].Top, kMargin + 0.53 + row * kPitch, kTolerance);
    EXPECT_NEAR(english[row].Top, russian[row].Top, kTolerance);
  }
  EXPECT_NEAR(russian[1].Top - russian[0].Top, kPitch, kTolerance);
  EXPECT_NEAR(russian[2].Top - russian[1].Top, kPitch, kTolerance);
}

TEST_F(PrintLessonsTest, EmptyListGivesOneEmptyPage) {
  AddLessons({});
  const test::PdfPages pdf = PrintAndRead();
  EXPECT_EQ(pdf.Count, 1);
  ASSERT_EQ(pdf.Words.size(), 1u);
  EXPECT_TRUE(pdf.Words[0].empty());
}

TEST_F(PrintLessonsTest, RowsFlowOntoFurtherPages) {
  AddNumberedLessons(60);
  const test::PdfPages pdf = PrintAndRead();
  ASSERT_EQ(pdf.Count, 2);
  const auto first = WordsStarting(pdf.Words[0], QStringLiteral("HOUSE"));
  const auto second = WordsStarting(pdf.Words[1], QStringLiteral("HOUSE"));
  ASSERT_EQ(first.size(), static_cast<std::size_t>(kRowsPerPage));
  ASSERT_EQ(second.size(), static_cast<std::size_t>(60 - kRowsPerPage));
  EXPECT_EQ(first.back().Text, QStringLiteral("HOUSE%1").arg(kRowsPerPage));
  EXPECT_EQ(second.front().Text, QStringLiteral("HOUSE%1").arg(kRowsPerPage + 1));
  // The next page starts again at its top margin, and no row ends below the bottom margin.
  EXPECT_NEAR(second.front().Top, first.front().Top, kTolerance);
  EXPECT_LT(first.back().Bottom, pdf.Height - kMargin);
}

TEST_F(PrintLessonsTest, LongTextWrapsAtWordBoundariesAndItsRowGrows) {
  const QString sentence = QStringLiteral(
      "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG AND THEN RUNS ALL THE WAY BACK HOME AGAIN");
  AddLessons({{QStringLiteral("ЛИСА"), kHebrew, sentence},
              {QStringLiteral("ДОМ"), kHebrew, QStringLiteral("HOUSE")}});
  const test::PdfPages pdf = PrintAndRead();
  ASSERT_EQ(pdf.Count, 1);
  const std::vector<test::PdfWord>& page = pdf.Words[0];

  // Every word of the sentence is printed whole, inside the English column, on several lines
  // that all start at the column's left.
  std::vector<double> lineTops;
  QStringList printed;
  for (const test::PdfWord& word : page) {
    if (word.Left < kEnglishLeft - kTolerance || word.Text == QStringLiteral("HOUSE")) continue;
    printed << word.Text;
    EXPECT_LT(word.Right, kMargin + 190.0) << word.Text.toStdString();
    if (lineTops.empty() || word.Top > lineTops.back() + kTolerance) {
      lineTops.push_back(word.Top);
      EXPECT_NEAR(word.Left, kEnglishLeft, kTolerance) << word.Text.toStdString();
    }
  }
  EXPECT_EQ(printed.join(QLatin1Char(' ')), sentence);
  ASSERT_GE(lineTops.size(), 2u);

  // The next row starts below the last line of the wrapped text, by as much as the text grew.
  const auto fox = WordsStarting(page, QStringLiteral("ЛИСА"));
  const auto house = WordsStarting(page, QStringLiteral("ДОМ"));
  ASSERT_EQ(fox.size(), 1u);
  ASSERT_EQ(house.size(), 1u);
  const double growth = lineTops.back() - lineTops.front();
  EXPECT_NEAR(house[0].Top - fox[0].Top, kPitch + growth, kTolerance);
}

// A long Hebrew text is stored in display order, its last word first; wrapped, its lines still
// read top to bottom: the first line holds the first words, each line as stored.
TEST_F(PrintLessonsTest, WrappedHebrewReadsFromTheFirstLineDown) {
  const QString reading = QString::fromUtf8("תחנת הרכבת המרכזית של העיר הגדולה");
  AddLessons({{QStringLiteral("ВОКЗАЛ"), Reversed(reading), QStringLiteral("STATION")}});
  const test::PdfPages pdf = PrintAndRead();
  ASSERT_EQ(pdf.Count, 1);

  // The Hebrew column's words, line by line, each line left to right as drawn.
  std::vector<test::PdfWord> hebrew;
  std::copy_if(pdf.Words[0].begin(), pdf.Words[0].end(), std::back_inserter(hebrew),
               [](const test::PdfWord& word) {
                 return word.Left > kHebrewLeft - kTolerance && word.Left < kEnglishLeft - 1.0;
               });
  std::sort(hebrew.begin(), hebrew.end(), [](const test::PdfWord& a, const test::PdfWord& b) {
    return a.Top + kTolerance < b.Top || (std::abs(a.Top - b.Top) <= kTolerance && a.Left < b.Left);
  });
  // Read as a reader of Hebrew does: lines top to bottom, the words of a line right to left.
  QStringList read;
  int lineCount = 0;
  qsizetype lineStart = 0;
  for (std::size_t i = 0; i < hebrew.size(); ++i) {
    if (i == 0 || hebrew[i].Top > hebrew[i - 1].Top + kTolerance) {
      EXPECT_NEAR(hebrew[i].Left, kHebrewLeft, kTolerance) << hebrew[i].Text.toStdString();
      ++lineCount;
      lineStart = read.size();
    }
    read.insert(lineStart, Reversed(hebrew[i].Text));
  }
  EXPECT_GE(lineCount, 2);
  EXPECT_EQ(read.join(QLatin1Char(' ')), reading);
}

TEST_F(PrintLessonsTest, FolderInUseIsRefusedAndNothingIsWritten) {
  const Outcome outcome = Print("lessons.pdf");  // the workspace's data module holds the folder
  EXPECT_EQ(outcome.Status, datatool::kFailed);
  EXPECT_NE(outcome.Err.find("already in use"), std::string::npos) << outcome.Err;
  EXPECT_FALSE(QFile::exists(QDir(workspace_.Path()).filePath(QStringLiteral("lessons.pdf"))));
}

TEST_F(PrintLessonsTest, UnwritableOutputIsReportedAndLeavesNoFile) {
  AddNumberedLessons(2);
  const QDir folder(workspace_.Path());
  ASSERT_TRUE(folder.mkdir(QStringLiteral("taken.pdf")));
  for (const std::string& file :
       {std::string("no-such-folder/lessons.pdf"), std::string("taken.pdf")}) {
    const Outcome outcome = Print(file);
    EXPECT_EQ(outcome.Status, datatool::kFailed) << file;
    EXPECT_NE(outcome.Err.find("cannot be created"), std::string::npos) << outcome.Err;
    EXPECT_NE(outcome.Err.find(fs::path(file).filename().string()), std::string::npos)
        << outcome.Err;
  }
  EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("taken.pdf"))).isDir());
  // Only what was there before: the data folder and the folder in the way.
  EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({QStringLiteral("data"), QStringLiteral("taken.pdf")}));
}

TEST_F(PrintLessonsTest, PrintingAgainReplacesTheFileWithTheListOfTheMoment) {
  AddNumberedLessons(1);
  ASSERT_EQ(Print("lessons.pdf").Status, datatool::kOk);
  {
    TDataModul data(workspace_.Path().toStdString());
    data.DataModuleCreate();
    test::AddLesson(data.SelWordTable(), {QStringLiteral("КОТ"), kHebrew, QStringLiteral("CAT")});
  }
  const Outcome outcome = Print("lessons.pdf");
  ASSERT_EQ(outcome.Status, datatool::kOk) << outcome.Err;
  EXPECT_NE(outcome.Out.find("Printed 2 lesson records on 1 page to lessons.pdf."),
            std::string::npos)
      << outcome.Out;
  const test::PdfPages pdf =
      test::ReadPdf(QDir(workspace_.Path()).filePath(QStringLiteral("lessons.pdf")));
  EXPECT_EQ(WordsStarting(pdf.Words.at(0), QStringLiteral("CAT")).size(), 1u);
}

}  // namespace
