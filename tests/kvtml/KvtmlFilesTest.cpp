// Whole files: KDE's own Russian vocabularies (package kdeedu-kvtml-data), and the starter
// dictionary exported to KVTML, imported into an empty dictionary and exported again.
#include <gtest/gtest.h>

#include <QFile>

#include "StringSink.h"
#include "TestDictionary.h"
#include "exchange/Export.h"
#include "exchange/ForeignImport.h"
#include "exchange/Import.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "exchange/kvtml/KvtmlWriter.h"
#include "text/Codepage.h"

namespace exchange::kvtml {
namespace {

using text::Language;

std::string ReadBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

// The counts were established with Python's ElementTree over each file: the <entry> elements
// under <entries>, those whose translation 0 (the only identifier, locale "ru") has an empty
// <text>, and whether any translation has a non-empty <comment> (one note then). The first and
// last words are the <text> of the first and last entry. No text holds a character outside
// Windows-1251.
struct KdeFile {
  const char* name;
  std::size_t meanings;
  std::size_t refused;
  std::size_t notes;
  const char* first;
  const char* last;
};
constexpr KdeFile kKdeFiles[] = {
    {"animals", 39, 0, 0, "медведь", "антилоп"},
    {"astronomy", 35, 0, 1, "альбедо", "нептун"},
    {"computers", 14, 0, 1, "монитор", "микрофон"},
    {"currencies", 21, 0, 1, "динар", "злотый"},
    {"easy", 99, 0, 0, "стол", "комеди"},
    {"hard", 36, 0, 0, "пандус", "энциклопеди"},
    {"medium", 37, 0, 0, "делегация", "зрачо"},
    {"numbers", 35, 0, 1, "ноль", "третий"},
    {"objects", 29, 0, 1, "телевизор", "шкаф"},
    {"people", 17, 0, 1, "аристотель", "вашингтон"},
    {"space", 29, 0, 1, "аполлон", "вояджер"},
    {"transportation", 20, 0, 1, "автомобиль", "дирижабль"},
    {"worldcapitals", 52, 0, 1, "лондон", "копенгаген"},
};

TEST(KdeVocabularies, RussianFilesImportWithTheirCounts) {
  for (const KdeFile& file : kKdeFiles) {
    SCOPED_TRACE(file.name);
    const QString path = QStringLiteral(KDE_KVTML_DIR "/ru/%1.kvtml").arg(file.name);
    ASSERT_TRUE(QFile::exists(path)) << "kdeedu-kvtml-data is not installed";
    const ForeignDocument document = ReadKvtml(ReadBytes(path));
    ASSERT_EQ(document.Meanings.size(), file.meanings);
    EXPECT_EQ(document.Refused.size(), file.refused);
    EXPECT_EQ(document.Notes.size(), file.notes);
    EXPECT_TRUE(document.Shortened.empty());
    const auto russian = [](const dictionary::ParsedMeaning& meaning) {
      return text::ToUtf8(meaning.Words[Language::Russian].Item, text::Codepage::Win1251);
    };
    EXPECT_EQ(russian(document.Meanings.front()), file.first);
    EXPECT_EQ(russian(document.Meanings.back()), file.last);
  }
}

std::string WithoutDate(std::string document) {
  const std::size_t day = document.find("<Day>");
  const std::size_t end = document.find("</Day>");
  return day == std::string::npos || end == std::string::npos ? document
                                                              : document.erase(day, end - day);
}

// Every meaning of a dictionary in the order it was added.
int SelectAllInKeyOrder(TDataModul& data) {
  data.RUTable().SetIndexName("RUTableIndex1");
  return SelectAllWords(data);
}

// The exchange document of every meaning of a dictionary, in the order they were added.
std::string ExportAll(test::TestWorkspace& dictionary) {
  TDataModul& data = dictionary.Data();
  const int count = SelectAllInKeyOrder(data);
  const QString path = dictionary.FilePath("all.xml");
  EXPECT_TRUE(ExportDocument(data, path, count, "any date"));
  return WithoutDate(ReadBytes(path));
}

TEST(StarterDictionary, GoesThroughKvtmlAndComesBackTheSame) {
  test::TestWorkspace source;
  const ImportResult imported =
      ImportDocument(source.Data(), QStringLiteral(VOCAMIR_STARTER_DICTIONARY));
  ASSERT_GT(imported.Added, 0);
  const std::vector<ExchangeUnit> meanings =
      ReadMeanings(source.Data(), SelectAllInKeyOrder(source.Data()));
  ASSERT_EQ(meanings.size(), static_cast<std::size_t>(imported.Added));

  StringSink kvtml;
  WriteKvtml(kvtml, meanings, QStringLiteral("Starter"));
  const ForeignDocument document = ReadKvtml(kvtml.Bytes);
  EXPECT_TRUE(document.Refused.empty());
  EXPECT_TRUE(document.Shortened.empty());
  EXPECT_TRUE(document.Notes.empty());

  test::TestWorkspace target;
  const ImportReport report = ImportForeign(target.Data(), document);
  EXPECT_EQ(report.Taken, imported.Added);
  EXPECT_EQ(report.AlreadyThere, 0);
  EXPECT_EQ(ExportAll(target), ExportAll(source));
}

}  // namespace
}  // namespace exchange::kvtml
