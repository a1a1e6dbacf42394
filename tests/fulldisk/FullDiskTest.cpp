// The writing operations on a disk that is really full: a small memory file system is mounted
// for each test (which needs the right to mount: the test skips, saying so, without it), the
// starter dictionary is put on it, the rest of the disk is filled, and each operation must fail
// with a message that says the disk is full, leave nothing half-written, and work once space is
// freed.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

#include "dictionary/CreateMeaning.h"
#include "dictionary/Marks.h"
#include "dictionary/WordTables.h"
#include "exchange/Export.h"
#include "exchange/ForeignFiles.h"
#include "exchange/Import.h"
#include "exchange/anki/PackageExport.h"
#include "lesson/LessonAssembly.h"
#include "review/CardStore.h"
#include "review/DueWords.h"
#include "speech/SettingsFile.h"
#include "store/DataModul.h"
#include "store/SqlitePersistence.h"

namespace {

constexpr char kDiskFull[] = "the disk is full";
constexpr char kNoSpace[] = "No space left on device";

// A file system of `megabytes` in memory, mounted on a new temporary folder while the object
// lives.
class SmallDisk {
 public:
  explicit SmallDisk(int megabytes) {
    const std::string options = "size=" + std::to_string(megabytes) + "m";
    mounted_ = folder_.isValid() && ::mount("tmpfs", folder_.path().toLocal8Bit().constData(),
                                            "tmpfs", 0, options.c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(folder_.path().toLocal8Bit().constData(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  QString Path(const QString& name = {}) const { return QDir(folder_.path()).filePath(name); }

  // Writes a filler file until the disk refuses more.
  void Fill() {
    QFile filler(Path(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    struct statvfs disk {};
    ASSERT_EQ(::statvfs(folder_.path().toLocal8Bit().constData(), &disk), 0);
    ASSERT_LT(disk.f_bavail * disk.f_frsize, 4096u) << "the disk is not full";
  }
  void Free() { QFile::remove(Path(QStringLiteral("filler"))); }

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
};

class FullDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!disk.Mounted()) GTEST_SKIP() << "a file system cannot be mounted here (needs root)";
    ASSERT_TRUE(QDir(disk.Path()).mkdir(QStringLiteral("data")));
    Open();
    exchange::ImportDocument(*data, VOCAMIR_STARTER_DICTIONARY);
    exchange::EndImport(*data);
    speech::WriteSettings(Settings(), speech::Settings{});
    // Closed and opened again: the database's log is empty, so every change needs new space.
    Open();
    meanings = Meanings();
  }

  void Open() {
    data.reset();
    data = std::make_unique<TDataModul>(disk.Path().toStdString());
    data->DataModuleCreate();
  }
  dictionary::WordTables Tables() { return {data->RUTable(), data->HETable(), data->ENTable()}; }
  QString Settings() const { return disk.Path(QStringLiteral("vocamir.ini")); }
  int Meanings() {
    data->RUTable().SetFiltered(false);
    return data->RUTable().RecordCount();
  }
  int Marked() { return dictionary::FilterMarked(data->RUTable()); }

  // Runs `operation` on the full disk: it must fail saying the disk is full, and the tables and,
  // opened again, the database show nothing of it; then, with space freed, it must work.
  void OnAFullDisk(const std::function<void()>& operation) {
    disk.Fill();
    try {
      operation();
      ADD_FAILURE() << "the operation did not fail on a full disk";
    } catch (const std::exception& error) {
      const std::string text = error.what();
      // The database says so in its words, a file write in the system's.
      EXPECT_TRUE(text.find(kDiskFull) != std::string::npos ||
                  text.find(kNoSpace) != std::string::npos)
          << text;
      std::cerr << text << "\n";
    }
    Check(false);
    disk.Free();
    Open();
    Check(false);
    operation();
    Check(true);
  }

  // What is on the disk after the operation failed (`done` false) or worked.
  std::function<void(bool done)> Check;

  SmallDisk disk{2};
  std::unique_ptr<TDataModul> data;
  int meanings = 0;
};

TEST_F(FullDiskTest, ImportTakesNothingThenEverything) {
  // The starter as an exchange document and as a word list on the disk, each imported into an
  // empty dictionary.
  const QString files[] = {disk.Path("all.xml"), disk.Path("all.csv"), disk.Path("all.kvtml")};
  const int count = exchange::SelectAllWords(*data);
  ASSERT_TRUE(exchange::ExportDocument(*data, files[0], count, "2026-12-10"));
  ASSERT_TRUE(exchange::ExportForeignFile(*data, count, files[1]));
  ASSERT_TRUE(exchange::ExportForeignFile(*data, count, files[2]));
  exchange::ReleaseWordFilters(*data);
  for (const QString& path : files) {
    SCOPED_TRACE(path.toStdString());
    data.reset();
    QFile::remove(disk.Path("data/vocamir.db"));
    Open();
    Check = [&](bool done) { EXPECT_EQ(Meanings(), done ? meanings : 0); };
    OnAFullDisk([&] {
      if (exchange::IsForeignFile(path)) {
        exchange::ImportForeignFile(*data, path);
      } else {
        exchange::ImportDocument(*data, path);
      }
      exchange::EndImport(*data);
    });
  }
}

TEST_F(FullDiskTest, ExportLeavesNoFileThenWritesIt) {
  for (const char* name : {"out.xml", "out.csv", "out.kvtml", "out.apkg"}) {
    SCOPED_TRACE(name);
    const QString path = disk.Path(QString::fromLatin1(name));
    Check = [&](bool done) {
      EXPECT_EQ(QFile::exists(path), done);
      EXPECT_EQ(QDir(disk.Path())
                    .entryList({QStringLiteral("*") + QString::fromLatin1(name) + "*"},
                               QDir::Files | QDir::Hidden)
                    .size(),
                done ? 1 : 0)
          << "no temporary file is left";
    };
    OnAFullDisk([&] {
      const int count = exchange::SelectAllWords(*data);
      if (exchange::anki::IsPackageFile(path)) {
        // A few meanings: the whole starter's sounds would not fit the small disk even empty.
        exchange::anki::ExportPackage(*data, 5, path, disk.Path().toStdString());
      } else if (exchange::IsForeignFile(path)) {
        exchange::ExportForeignFile(*data, count, path);
      } else {
        exchange::ExportDocument(*data, path, count, "2026-12-10");
      }
      exchange::ReleaseWordFilters(*data);
    });
  }
}

TEST_F(FullDiskTest, SettingsStayTheOldFileThenTheNew) {
  speech::Settings changed;
  changed.SpeedRU = "150";
  Check = [&](bool done) {
    EXPECT_EQ(speech::ReadSettings(Settings()).SpeedRU, done ? "150" : "100");
  };
  OnAFullDisk([&] { speech::WriteSettings(Settings(), changed); });
}

TEST_F(FullDiskTest, LessonAssemblyTakesWholeMeaningsOnly) {
  ASSERT_EQ(Marked(), meanings) << "the import marked every word";
  Check = [&](bool done) {
    const int lessons = data->SelWordTable().RecordCount();
    EXPECT_EQ(lessons + Marked(), meanings) << "each meaning is in the lesson or still marked";
    if (done) {
      EXPECT_EQ(lessons, meanings);
    }
    data->RUTable().SetFiltered(false);
  };
  OnAFullDisk([&] {
    lesson::AssembleLesson(Tables(), dictionary::Language::Russian, {}, data->SelWordTable());
  });
}

TEST_F(FullDiskTest, MarkingDueWordsMarksAllOrNone) {
  dictionary::ClearAllMarks(Tables());
  Check = [&](bool done) {
    EXPECT_EQ(Marked(), done ? 500 : 0);
    data->RUTable().SetFiltered(false);
  };
  OnAFullDisk([&] {
    review::CardStore cards(data->RUTable().Database());
    review::MarkDueWords(Tables(), cards, 0, 500);
  });
}

TEST_F(FullDiskTest, ANewMeaningIsWholeOrAbsent) {
  Check = [&](bool done) {
    EXPECT_EQ(Meanings(), meanings + (done ? 1 : 0));
    EXPECT_EQ(data->HETable().RecordCount(), Meanings());
    EXPECT_EQ(data->ENTable().RecordCount(), Meanings());
  };
  OnAFullDisk([&] { dictionary::CreateMeaning(Tables()); });
}

}  // namespace
