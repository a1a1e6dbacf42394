// Start-up over damaged files of the working folder: each gives a clear message or a working
// start, and none is written over.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "ScriptedDialogs.h"
#include "TestDictionary.h"
#include "WorkingFolder.h"
#include "app/Startup.h"
#include "store/DataModul.h"
#include "store/Table.h"
#include "ui/Icons.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

// A dictionary of 300 meanings written by the program into `folder`/data.
void MakeDictionary(const QString& folder) {
  QDir(folder).mkdir(QStringLiteral("data"));
  TDataModul data(folder.toStdString());
  data.DataModuleCreate();
  store::BulkTransaction bulk(data.RUTable());
  for (int i = 0; i < 300; ++i) {
    test::AddMeaning(data, {.ru = QString::number(i), .en = QStringLiteral("WORD%1").arg(i)});
  }
  bulk.Commit();
}

constexpr char kGarbageStart[] = "\x00\xff\xfe garbage \x01\x02\r\n[Speech\n=";
const QByteArray kGarbage =
    QByteArray(kGarbageStart, sizeof kGarbageStart - 1) + QByteArray(5000, '\xA7');

struct DamageCase {
  const char* name;
  // Damages the working folder; returns the damaged file, relative to it ("" for none).
  std::function<QString(const QString& folder)> damage;
  // A part of the error message, or "" for a start without any message.
  const char* message;
};

class DamagedFilesTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFilesTest, ClearMessageOrWorkingStartAndTheFileKept) {
  const DamageCase& c = GetParam();
  test::WorkingFolder folder;
  const QString damaged = c.damage(folder.Path());
  const QByteArray before = damaged.isEmpty() ? QByteArray() : Bytes(folder.FilePath(damaged));
  {
    test::ScriptedDialogs dialogs;
    app::Startup startup(dialogs);
    ASSERT_TRUE(startup.Create());
    const QIcon icon = ui::ApplicationIcon(folder.Path());
    EXPECT_FALSE(icon.pixmap(32).isNull());
    const auto errors = dialogs.Texts();
    if (*c.message == '\0') {
      EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
    } else {
      ASSERT_FALSE(errors.empty());
      EXPECT_TRUE(errors.front().contains(QString::fromUtf8(c.message)))
          << errors.front().toStdString();
    }
  }
  if (!damaged.isEmpty()) {
    EXPECT_EQ(Bytes(folder.FilePath(damaged)), before) << "written over";
  }
}

const QString kDatabase = QStringLiteral("data/vocamir.db");

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFilesTest,
    ::testing::Values(DamageCase{"GarbageDatabase",
                                 [](const QString& folder) {
                                   QDir(folder).mkdir(QStringLiteral("data"));
                                   Write(folder + "/" + kDatabase, kGarbage);
                                   return kDatabase;
                                 },
                                 "not a database"},
                      DamageCase{"TruncatedDatabase",
                                 [](const QString& folder) {
                                   MakeDictionary(folder);
                                   const QString path = folder + "/" + kDatabase;
                                   Write(path, Bytes(path).left(3 * 4096));
                                   return kDatabase;
                                 },
                                 "Cannot open table"},
                      DamageCase{"DatabaseOfAnotherProgram",
                                 [](const QString& folder) {
                                   QDir(folder).mkdir(QStringLiteral("data"));
                                   sqlite3* db = nullptr;
                                   sqlite3_open((folder + "/" + kDatabase).toUtf8().constData(),
                                                &db);
                                   sqlite3_exec(db, "CREATE TABLE photos (name TEXT)", nullptr,
                                                nullptr, nullptr);
                                   sqlite3_close(db);
                                   return kDatabase;
                                 },
                                 "another program"},
                      DamageCase{"DataFolderIsAFile",
                                 [](const QString& folder) {
                                   Write(folder + "/data", kGarbage);
                                   return QStringLiteral("data");
                                 },
                                 "RUWORDS"},
                      DamageCase{"GarbageSettingsFile",
                                 [](const QString& folder) {
                                   QDir(folder).mkdir(QStringLiteral("data"));
                                   Write(folder + "/vocamir.ini", kGarbage);
                                   return QStringLiteral("vocamir.ini");
                                 },
                                 ""},
                      DamageCase{"DamagedIcon",
                                 [](const QString& folder) {
                                   QDir(folder).mkdir(QStringLiteral("data"));
                                   Write(folder + "/mine.ico", kGarbage);
                                   return QStringLiteral("mine.ico");
                                 },
                                 ""},
                      DamageCase{"MissingIcon",
                                 [](const QString& folder) {
                                   QDir(folder).mkdir(QStringLiteral("data"));
                                   return QString();
                                 },
                                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A crash leaves the last posts in vocamir.db-wal: the next start finds them.
TEST(DamagedFilesTest, PostsLeftInTheJournalByACrashAreFound) {
  test::WorkingFolder folder;
  test::TestWorkspace crashed;
  test::AddMeaning(crashed.Data(), {.ru = QStringLiteral("LAST"), .en = QStringLiteral("LAST")});
  const QString from = crashed.Path() + "/" + kDatabase;
  ASSERT_TRUE(QFile::exists(from + "-wal"));
  QDir(folder.Path()).mkdir(QStringLiteral("data"));
  for (const QString& suffix : {QString(), QStringLiteral("-wal")}) {
    ASSERT_TRUE(QFile::copy(from + suffix, folder.FilePath(kDatabase + suffix)));
  }
  test::ScriptedDialogs dialogs;
  app::Startup startup(dialogs);
  ASSERT_TRUE(startup.Create());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(startup.Created().DataModul->ENTable().Locate("Item", "LAST"));
}

}  // namespace
