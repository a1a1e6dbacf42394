#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "StringSink.h"
#include "TestDictionary.h"
#include "exchange/ExchangeError.h"
#include "exchange/Export.h"
#include "exchange/ForeignFiles.h"
#include "exchange/Import.h"
#include "exchange/delimited/Delimited.h"
#include "text/Codepage.h"

namespace exchange::delimited {
namespace {

using text::Language;

const QChar kTab = QLatin1Char('\t');

std::string Win1251(const char* utf8) { return text::FromUtf8(utf8, text::Codepage::Win1251); }
// A Hebrew word as the tables store it (display order) from its reading order.
std::string StoredHebrew(const char* utf8) {
  std::string bytes = text::FromUtf8(utf8, text::Codepage::Win1255);
  return {bytes.rbegin(), bytes.rend()};
}

struct ReadCase {
  const char* name;
  std::string file;
  QChar separator;
  // The first meaning's Russian, stored Hebrew and English word, and hints.
  std::string russian, hebrew, english, russianHint;
  int meanings, refused, shortened, notes;
};

TEST(ReadDelimited, TakesEachLayoutFlashcardProgramsAndSpreadsheetsWrite) {
  const ReadCase cases[] = {
      {"header row, default comma", "Russian,Hebrew,English\nдом,בית,house\n", QLatin1Char(','),
       Win1251("дом"), StoredHebrew("בית"), "house", "", 1, 0, 0, 0},
      {"#columns with #separator, CR LF",
       "#separator:tab\r\n#columns:English\tRussian\r\nhouse\tдом\r\n", QLatin1Char(','),
       Win1251("дом"), "", "house", "", 1, 0, 0, 0},
      {"quotes hold separators, line breaks and quotes",
       "Russian;English;RussianSpeech\n\"до;м\";\"a \"\"b\"\"\nc\";до<м\n", QLatin1Char(';'),
       Win1251("до;м"), "", "a \"b\"\nc", Win1251("до<м"), 1, 0, 0, 0},
      {"text after a closing quote and a lone CR stay in the field",
       "Russian,English\n\"до\"м,a\rb\r\n", QLatin1Char(','), Win1251("дом"), "", "a\rb", "", 1, 0,
       0, 0},
      {"byte order mark and blank lines", "\xEF\xBB\xBFRussian|English\n\n\nдом|house\n\n",
       QLatin1Char('|'), Win1251("дом"), "", "house", "", 1, 0, 0, 0},
      {"html tags, sound references and entities",
       "#html:true\n#columns:Russian\tEnglish\n<b>дом</b>[sound:dom.ogg]\tR&amp;D<br>x\n", kTab,
       Win1251("дом"), "", "R&D x", "", 1, 0, 0, 0},
      {"pointed Hebrew keeps its points", "Hebrew\nשָׁלוֹם\n", kTab, "", StoredHebrew("שָׁלוֹם"), "", "",
       1, 0, 0, 0},
      {"unknown columns and header lines are named", "#deck:Words\nRussian\tTags\nдом\tx\n", kTab,
       Win1251("дом"), "", "", "", 1, 0, 0, 2},
      {"characters a code page cannot hold are noted", "Russian\tEnglish\nдом€\tcafé\n", kTab,
       Win1251("дом€"), "", "caf", "", 1, 0, 1, 0},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ForeignDocument document = ReadDelimited(c.file, c.separator);
    ASSERT_EQ(static_cast<int>(document.Meanings.size()), c.meanings);
    EXPECT_EQ(static_cast<int>(document.Refused.size()), c.refused);
    EXPECT_EQ(static_cast<int>(document.Shortened.size()), c.shortened);
    EXPECT_EQ(static_cast<int>(document.Notes.size()), c.notes);
    const dictionary::ParsedMeaning& meaning = document.Meanings.front();
    EXPECT_EQ(meaning.Words[Language::Russian].Item, c.russian);
    EXPECT_EQ(meaning.Words[Language::Hebrew].Item, c.hebrew);
    EXPECT_EQ(meaning.Words[Language::English].Item, c.english);
    EXPECT_EQ(meaning.Words[Language::Russian].Speech, c.russianHint);
  }
}

TEST(ReadDelimited, RefusesEntriesThatCannotBeMeaningsAndSaysWhere) {
  const ForeignDocument document =
      ReadDelimited("English\tPart\nhouse\t2\n\t1\nx\t6\ny\t1\textra\nz\tnoun\ncafé\t\n", kTab);
  ASSERT_EQ(document.Meanings.size(), 2u);
  EXPECT_EQ(document.Meanings[0].Part, 2);
  EXPECT_EQ(document.Meanings[1].Words[Language::English].Item, "caf");
  const std::vector<RefusedEntry> refused = {
      {"line 3", "no Russian, Hebrew or English word."},
      {"line 4", "the Part \"6\" is not a number from 0 to 5."},
      {"line 5", "3 fields, but the columns name 2."},
      {"line 6", "the Part \"noun\" is not a number from 0 to 5."},
  };
  EXPECT_EQ(document.Refused, refused);
  EXPECT_EQ(document.Shortened, (std::vector<ShortenedWord>{{"line 7, English", "caf", "é"}}));
}

TEST(ReadDelimited, RefusesAMalformedFileWholeWithItsLine) {
  const struct {
    std::string file;
    const char* message;
  } cases[] = {
      {"Russian\n\xD0\xB4\n\xFF\n", "Line 3: the file is not UTF-8 text"},
      {"Russian\tEnglish\nдом\t\"house\nhome\n", "Line 2: a quoted field begins there"},
      {"#separator:space\nRussian\n", "Line 1: the separator \"space\" is not one of"},
      {"#html:yes\nRussian\n", "Line 1: \"#html:\" must be true or false"},
      {"word\tother\nдом\tx\n", "Line 1: no column is named"},
      {"", "Line 1: no column is named"},
      {"Russian\tRUSSIAN\n", "Line 1: the column \"Russian\" is named twice."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      ReadDelimited(c.file, kTab);
      ADD_FAILURE() << "not refused";
    } catch (const ExchangeError& error) {
      EXPECT_TRUE(std::string_view(error.what()).starts_with(c.message)) << error.what();
    }
  }
}

TEST(WriteDelimited, QuotesWhatTheReaderWouldSplitAndWritesTheHeaderLines) {
  dictionary::ParsedMeaning meaning;
  meaning.Words[Language::Russian].Item = "#a,b";
  meaning.Words[Language::English].Item = "say \"hi\"";
  meaning.Words[Language::Hebrew].Item = StoredHebrew("בית");
  meaning.Part = 2;
  StringSink sink;
  WriteDelimited(sink, {meaning}, QLatin1Char(','));
  const std::string expected =
      "#separator:comma\n#html:false\n"
      "#columns:Russian,Hebrew,English,RussianSpeech,HebrSpeech,EnglishSpeech,Part,Topic,Sex,"
      "RussianSex,EnglishSex,Root,Binyan\n"
      "\"#a,b\",בית,\"say \"\"hi\"\"\",,,,2,0,0,0,0,,0\n";
  EXPECT_EQ(sink.Bytes, expected);
  EXPECT_EQ(ReadDelimited(sink.Bytes, kTab).Meanings, std::vector{meaning});
}

// The starter dictionary written to delimited text and imported into an empty dictionary exports
// the same exchange document, every field kept.
TEST(DelimitedRoundTrip, KeepsEveryFieldOfTheStarterDictionary) {
  for (const char* name : {"words.csv", "words.tsv"}) {
    SCOPED_TRACE(name);
    test::TestWorkspace first;
    ImportDocument(first.Data(), QStringLiteral(VOCAMIR_STARTER_DICTIONARY));
    first.Data().RUTable().SetIndexName("RUTableIndex1");
    const int count = SelectAllWords(first.Data());
    ASSERT_TRUE(ExportForeignFile(first.Data(), count, first.FilePath(QString::fromLatin1(name))));
    ASSERT_TRUE(ExportDocument(first.Data(), first.FilePath("first.xml"), count, "day"));

    test::TestWorkspace second;
    const ImportReport report =
        ImportForeignFile(second.Data(), first.FilePath(QString::fromLatin1(name)));
    EXPECT_EQ(report.Taken, count);
    EXPECT_TRUE(report.Refused.empty() && report.Shortened.empty() && report.Notes.empty());
    second.Data().RUTable().SetIndexName("RUTableIndex1");
    ASSERT_TRUE(ExportDocument(second.Data(), second.FilePath("second.xml"),
                               SelectAllWords(second.Data()), "day"));
    EXPECT_EQ(ReadBytes(second.FilePath("second.xml")), ReadBytes(first.FilePath("first.xml")));
  }
}

}  // namespace
}  // namespace exchange::delimited
