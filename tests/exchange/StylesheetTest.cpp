#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ExchangeDictionary.h"
#include "GoldenFile.h"
#include "exchange/ExchangeError.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/Stylesheet.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace exchange {
namespace {

TEST(Stylesheet, WritesTheExpectedBytes) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  WriteStylesheet(folder.path());
  EXPECT_EQ(ReadBytes(folder.filePath("TStyle.xsl")), Golden("TStyle.xsl"));
}

// What a browser shows: the starter dictionary exported and transformed by xsltproc holds every
// word in its own letters, Hebrew in reading order.
TEST(Stylesheet, TransformShowsEveryWordInItsOwnLetters) {
  const QString xsltproc = QStandardPaths::findExecutable(QStringLiteral("xsltproc"));
  if (xsltproc.isEmpty()) GTEST_SKIP() << "xsltproc is not installed";
  test::TestWorkspace dictionary;
  TDataModul& data = dictionary.Data();
  ImportDocument(data, QStringLiteral(VOCAMIR_STARTER_DICTIONARY));
  ASSERT_TRUE(ExportDocument(data, dictionary.FilePath("words.xml"), SelectAllWords(data), "9"));
  ReleaseWordFilters(data);
  WriteStylesheet(dictionary.Path());
  QProcess process;
  process.start(xsltproc, {dictionary.FilePath("TStyle.xsl"), dictionary.FilePath("words.xml")});
  ASSERT_TRUE(process.waitForFinished(-1));
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  const struct {
    store::Table* table;
    text::Codepage codepage;
    bool reversed;
  } languages[] = {{&data.RUTable(), text::Codepage::Win1251, false},
                   {&data.HETable(), text::Codepage::Win1255, true},
                   {&data.ENTable(), text::Codepage::Ascii, false}};
  int words = 0;
  for (const auto& language : languages) {
    for (const std::string& item : test::FieldColumn(*language.table, "Item")) {
      const QString word =
          text::ToUnicode(language.reversed ? text::InvertText(item) : item, language.codepage);
      EXPECT_TRUE(html.contains(QLatin1Char('>') + word + QLatin1Char('<'))) << word.toStdString();
      ++words;
    }
  }
  EXPECT_GT(words, 3 * 600);
}

TEST(Stylesheet, ReplacesAnExistingStylesheet) {
  QTemporaryDir folder;
  QFile old(folder.filePath("TStyle.xsl"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an older and much longer stylesheet than the one written now, " +
            QByteArray(5000, 'x'));
  old.close();
  WriteStylesheet(folder.path());
  EXPECT_EQ(ReadBytes(folder.filePath("TStyle.xsl")), Golden("TStyle.xsl"));
}

TEST(Stylesheet, MissingFolderIsAnErrorNamingTheFile) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("no-such-folder");
  try {
    WriteStylesheet(missing);
    FAIL() << "no error";
  } catch (const ExchangeError& error) {
    EXPECT_NE(std::string(error.what()).find("no-such-folder/TStyle.xsl"), std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace exchange
