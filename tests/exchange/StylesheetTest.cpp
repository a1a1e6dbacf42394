#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "GoldenFile.h"
#include "StringSink.h"
#include "exchange/ExchangeError.h"
#include "exchange/Stylesheet.h"

namespace exchange {
namespace {

TEST(Stylesheet, WritesTheExpectedBytes) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  WriteStylesheet(folder.path());
  EXPECT_EQ(ReadBytes(folder.filePath("TStyle.xsl")), Golden("TStyle.xsl"));
}

TEST(Stylesheet, HasTwentyEightLinesEachEndingWithCrLf) {
  StringSink sink;
  WriteStylesheetText(sink);
  const QList<QByteArray> lines = QByteArray::fromStdString(sink.Bytes).split('\n');
  ASSERT_EQ(lines.size(), 29);  // the last "line" is what follows the final line end
  EXPECT_TRUE(lines.last().isEmpty());
  for (int i = 0; i < 28; ++i) EXPECT_TRUE(lines[i].endsWith('\r')) << "line " << i + 1;
}

TEST(Stylesheet, FirstCommentLineHasItsFixedFrame) {
  StringSink sink;
  WriteStylesheetText(sink);
  const std::string first = sink.Bytes.substr(0, sink.Bytes.find("\r\n"));
  EXPECT_EQ(first.substr(0, 15), "<!-- //////////");
  EXPECT_NE(first[15], '/');
  const std::string tail = "//////////// -->  ";
  ASSERT_GE(first.size(), tail.size() + 15);
  EXPECT_EQ(first.substr(first.size() - tail.size()), tail);
  EXPECT_NE(first[first.size() - tail.size() - 1], '/');
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
