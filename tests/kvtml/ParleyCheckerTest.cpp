// Vocamir's KVTML files as KDE's own library reads them, and KDE's files as Vocamir reads them.
// Run by parley_check.sh, which builds the checker (Qt 5, its own process) and names it in
// PARLEY_CHECKER.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "TestDictionary.h"
#include "exchange/Export.h"
#include "exchange/FieldEncoder.h"
#include "exchange/Import.h"
#include "exchange/OutputFile.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "exchange/kvtml/KvtmlWriter.h"
#include "text/Codepage.h"

namespace exchange::kvtml {
namespace {

using text::Codepage;
using text::Language;

// Runs the checker; its standard output.
std::string Checker(const QString& command, const QString& file, const QTemporaryDir& dir) {
  const char* checker = std::getenv("PARLEY_CHECKER");
  if (checker == nullptr) ADD_FAILURE() << "PARLEY_CHECKER is not set: run parley_check.sh";
  const QString output = dir.filePath("checker.out");
  const QString line =
      QStringLiteral("'%1' %2 '%3' > '%4'")
          .arg(QString::fromLocal8Bit(checker ? checker : "false"), command, file, output);
  EXPECT_EQ(std::system(line.toLocal8Bit().constData()), 0) << line.toStdString();
  QFile result(output);
  EXPECT_TRUE(result.open(QIODevice::ReadOnly));
  return result.readAll().toStdString();
}

TEST(ParleyChecker, KdeOpensTheExportedStarterDictionaryWithEveryWord) {
  test::TestWorkspace dictionary;
  ASSERT_GT(ImportDocument(dictionary.Data(), QStringLiteral(VOCAMIR_STARTER_DICTIONARY)).Added, 0);
  const std::vector<ExchangeUnit> meanings =
      ReadMeanings(dictionary.Data(), SelectAllWords(dictionary.Data()));
  const QString path = dictionary.FilePath("starter.kvtml");
  OutputFile file(path);
  WriteKvtml(file, meanings, QStringLiteral("Starter"));
  file.Commit();

  QStringList expected;
  for (const ExchangeUnit& meaning : meanings) {
    expected << QString::fromStdString(
        text::ToUtf8(meaning.Words[Language::Russian].Item, Codepage::Win1251) + "\t" +
        HebrewReadingOrder(meaning.Words[Language::Hebrew].Item).toStdString() + "\t" +
        meaning.Words[Language::English].Item);
  }
  // KDE lists the entries lesson by lesson (theme by theme).
  QTemporaryDir dir;
  QStringList listed = QString::fromStdString(Checker(QStringLiteral("list"), path, dir))
                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  listed.sort();
  expected.sort();
  EXPECT_EQ(listed, expected);
}

TEST(ParleyChecker, VocamirReadsWhatKdeWrites) {
  QTemporaryDir dir;
  const QString path = dir.filePath("parley.kvtml");
  Checker(QStringLiteral("write"), path, dir);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const ForeignDocument document = ReadKvtml(file.readAll().toStdString());
  EXPECT_TRUE(document.Refused.empty());
  EXPECT_TRUE(document.Shortened.empty());
  EXPECT_TRUE(document.Notes.empty());
  ASSERT_EQ(document.Meanings.size(), 2u);

  ExchangeUnit mother;
  mother.Part = 2;
  mother.Topic = 2;
  mother.Words[Language::Russian] = {text::FromUtf8("мать", Codepage::Win1251),
                                     text::FromUtf8("ма<ть", Codepage::Win1251), 2};
  mother.Words[Language::Hebrew] = {text::FromUtf8("אמא", Codepage::Win1255), "", 2};
  mother.Words[Language::English] = {"mother", "", 2};
  EXPECT_EQ(document.Meanings[0], mother);

  ExchangeUnit write;
  write.Part = 1;
  write.Topic = 2;
  write.Words[Language::Russian].Item = text::FromUtf8("писать", Codepage::Win1251);
  write.Words[Language::Hebrew].Item = text::FromUtf8("בתכ", Codepage::Win1255);
  write.Words[Language::English].Item = "to write";
  EXPECT_EQ(document.Meanings[1], write);
}

}  // namespace
}  // namespace exchange::kvtml
