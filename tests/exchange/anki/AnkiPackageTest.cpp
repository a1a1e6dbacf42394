#include <gtest/gtest.h>
#include <sndfile.h>
#include <sqlite3.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <string>
#include <vector>

#include "exchange/ExchangeError.h"
#include "exchange/anki/AnkiPackage.h"
#include "exchange/anki/SpokenWords.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace {

using dictionary::ParsedMeaning;
using text::Codepage;
using text::Language;

ParsedMeaning Meaning(const char* ru, const char* he, const char* heSpeech, const char* en) {
  ParsedMeaning meaning;
  meaning.Words[Language::Russian].Item = text::FromUtf8(ru, Codepage::Win1251);
  meaning.Words[Language::Hebrew].Item = text::InvertText(text::FromUtf8(he, Codepage::Win1255));
  meaning.Words[Language::Hebrew].Speech = text::FromUtf8(heSpeech, Codepage::Win1251);
  meaning.Words[Language::English].Item = en;
  return meaning;
}

// The entries of a zip by name.
std::map<std::string, QByteArray> Unzip(const QString& path) {
  int error = 0;
  zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
  EXPECT_NE(archive, nullptr) << "libzip error " << error;
  std::map<std::string, QByteArray> entries;
  if (archive == nullptr) return entries;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
    QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
    EXPECT_EQ(zip_fread(file, bytes.data(), stat.size), static_cast<zip_int64_t>(stat.size));
    zip_fclose(file);
    entries[stat.name] = bytes;
  }
  zip_close(archive);
  return entries;
}

// The rows of a query over the collection, each row's columns as texts.
std::vector<QStringList> Query(const QString& database, const char* sql) {
  sqlite3* handle = nullptr;
  sqlite3_open_v2(database.toLocal8Bit().constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr), SQLITE_OK) << sql;
  std::vector<QStringList> rows;
  while (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
    QStringList row;
    for (int column = 0; column < sqlite3_column_count(statement); ++column) {
      row << QString::fromUtf8(
          reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
    }
    rows.push_back(row);
  }
  sqlite3_finalize(statement);
  sqlite3_close(handle);
  return rows;
}

// Seconds of sound in an audio file's bytes; 0 when it does not decode.
double DecodedSeconds(const QString& folder, const std::string& name, const QByteArray& bytes) {
  const QString path = QDir(folder).filePath(QString::fromStdString(name) + ".ogg");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 0;
  file.close();
  SF_INFO info{};
  SNDFILE* sound = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
  if (sound == nullptr) return 0;
  std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
  const sf_count_t read = sf_readf_short(sound, samples.data(), info.frames);
  sf_close(sound);
  return read == info.frames ? static_cast<double>(info.frames) / info.samplerate : 0;
}

class AnkiPackageTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString package = QDir(folder.path()).filePath("words.apkg");
  exchange::anki::SpokenWords audio{speech::Settings{}};
  // 2026-12-10 12:00 UTC
  static constexpr std::int64_t kNow = 1797076800000;
};

// Three meanings: the notes carry the words (Hebrew in reading order) and their sounds; a word
// spoken alike in two meanings has one sound; every sound decodes and lasts.
TEST_F(AnkiPackageTest, NotesCardsMediaAndSoundsAreThereAsTheFlashcardProgramReadsThem) {
  const std::vector<ParsedMeaning> meanings = {Meaning("КОТ", "חתול", "хат<ул", "CAT"),
                                               Meaning("ДОМ", "בית", "б<ает", "HOUSE"),
                                               Meaning("ЖИЛИЩЕ", "בית", "б<ает", "HOME")};
  std::vector<int> told;
  const auto result =
      exchange::anki::WritePackage(package, "starter", meanings, audio, kNow, [&](int done, int) {
        told.push_back(done);
        return true;
      });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->Notes, 3);
  EXPECT_EQ(result->SoundFiles, 8) << "the Hebrew word of two meanings shares its sound";
  EXPECT_EQ(told, (std::vector<int>{0, 1, 2, 3}));

  std::map<std::string, QByteArray> entries = Unzip(package);
  ASSERT_EQ(entries.count("collection.anki2"), 1u);
  const QString collection = QDir(folder.path()).filePath("collection.anki2");
  QFile out(collection);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(entries["collection.anki2"]);
  out.close();

  EXPECT_EQ(Query(collection, "SELECT ver FROM col"), std::vector<QStringList>{{"11"}});
  EXPECT_EQ(Query(collection, "PRAGMA integrity_check"), std::vector<QStringList>{{"ok"}});
  const QJsonObject models =
      QJsonDocument::fromJson(Query(collection, "SELECT models FROM col")[0][0].toUtf8()).object();
  ASSERT_EQ(models.size(), 1);
  const QJsonObject model = models.begin()->toObject();
  QStringList fieldNames;
  for (const QJsonValue& field : model["flds"].toArray()) fieldNames << field["name"].toString();
  EXPECT_EQ(fieldNames, (QStringList{"Russian", "Hebrew", "English", "RussianAudio", "HebrewAudio",
                                     "EnglishAudio"}));
  EXPECT_EQ(model["tmpls"].toArray().size(), 2);
  EXPECT_TRUE(Query(collection, "SELECT decks FROM col")[0][0].contains("\"name\":\"starter\""));
  const std::vector<QStringList> cards{{"6", "0", "1"}};
  EXPECT_EQ(Query(collection, "SELECT count(*), min(ord), max(ord) FROM cards"), cards);

  const QJsonObject media = QJsonDocument::fromJson(entries["media"]).object();
  ASSERT_EQ(media.size(), 8);
  std::map<QString, double> seconds;  // by the name the notes use
  for (auto it = media.begin(); it != media.end(); ++it) {
    const std::string number = it.key().toStdString();
    ASSERT_EQ(entries.count(number), 1u) << number;
    seconds[it.value().toString()] = DecodedSeconds(folder.path(), number, entries[number]);
  }
  const std::vector<QStringList> notes = Query(collection, "SELECT flds FROM notes ORDER BY id");
  ASSERT_EQ(notes.size(), 3u);
  const QStringList words[] = {
      {"КОТ", "חתול", "CAT"}, {"ДОМ", "בית", "HOUSE"}, {"ЖИЛИЩЕ", "בית", "HOME"}};
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const QStringList fields = notes[i][0].split(QChar(0x1f));
    ASSERT_EQ(fields.size(), 6);
    EXPECT_EQ(fields.mid(0, 3), words[i]);
    for (const QString& sound : fields.mid(3)) {
      ASSERT_TRUE(sound.startsWith("[sound:") && sound.endsWith("]")) << sound.toStdString();
      const QString name = sound.mid(7, sound.size() - 8);
      ASSERT_EQ(seconds.count(name), 1u) << name.toStdString();
      EXPECT_GT(seconds[name], 0.2) << name.toStdString();
    }
  }
  EXPECT_EQ(notes[1][0].split(QChar(0x1f))[4], notes[2][0].split(QChar(0x1f))[4]);
}

// A cancelled package leaves the file that was there, and no work folder behind.
TEST_F(AnkiPackageTest, ACancelLeavesTheOldFileAndNothingElse) {
  QFile old(package);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  const auto result =
      exchange::anki::WritePackage(package, "starter", {Meaning("КОТ", "חתול", "хат<ул", "CAT")},
                                   audio, kNow, [](int, int) { return false; });
  EXPECT_FALSE(result.has_value());
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"words.apkg"});
}

}  // namespace
