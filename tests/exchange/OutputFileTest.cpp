#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "GoldenFile.h"
#include "exchange/ExchangeError.h"
#include "exchange/OutputFile.h"

namespace exchange {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(OutputFile, CommitPutsEveryByteInPlace) {
  QTemporaryDir folder;
  const QString path = folder.filePath("out.xml");
  std::string expected;
  {
    OutputFile file(path);
    // More than one block, with bytes a text file would change.
    for (int i = 0; i < 20000; ++i) {
      const std::string piece = "line \r\n\x00\xFF" + std::to_string(i);
      file.WriteText(piece);
      expected += piece;
    }
    file.WriteText("");
    file.Commit();
  }
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(OutputFile, WithoutCommitNothingIsWrittenAndTheOldFileStays) {
  QTemporaryDir folder;
  const QString path = folder.filePath("out.xml");
  WriteFile(path, "the previous document");
  {
    OutputFile file(path);
    file.WriteText(std::string(200000, 'x'));
  }
  EXPECT_EQ(ReadBytes(path), "the previous document");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.xml"});
}

TEST(OutputFile, UncreatableFileIsAnErrorNamingIt) {
  QTemporaryDir folder;
  const QString path = folder.filePath("missing/out.xml");
  try {
    OutputFile file(path);
    FAIL() << "no error";
  } catch (const ExchangeError& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("missing/out.xml"), std::string::npos) << text;
    EXPECT_NE(text.find("cannot be created"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace exchange
