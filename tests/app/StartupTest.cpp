// Start-up in a temporary working folder: the order of the instances, a data folder that cannot
// be opened or is owned by another program, and the application icon.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <filesystem>

#include "ScriptedDialogs.h"
#include "WorkingFolder.h"
#include "app/Abaut.h"
#include "app/Find.h"
#include "app/Startup.h"
#include "game/Game.h"
#include "lesson/Formsele.h"
#include "store/DataModul.h"
#include "ui/Icons.h"

namespace {

using test::WorkingFolder;

TEST(StartupTest, CreatesTheInstancesInOrderOverTheWorkingFolder) {
  WorkingFolder folder;
  QDir(folder.Path()).mkdir(QStringLiteral("data"));
  test::ScriptedDialogs dialogs;
  app::Startup startup(dialogs);
  ASSERT_TRUE(startup.Create());
  Instances& instances = startup.Created();
  ASSERT_NE(instances.FormSelect, nullptr);
  ASSERT_NE(instances.DataModul, nullptr);
  ASSERT_NE(instances.FormHelp, nullptr);
  EXPECT_TRUE(instances.DataModul->RUTable().Active());
  EXPECT_EQ(instances.FormHelp->parent(), instances.FormSelect);
  EXPECT_EQ(instances.FormHelp->EditCount->text(), "0");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(instances.FormSelect->windowTitle(), "Vocamir ");

  // The dictionary alone shows: the lesson list and the game wait for their commands.
  startup.Show();
  EXPECT_TRUE(instances.FormSelect->isVisible());
  EXPECT_FALSE(instances.FormSel->isVisible());
  EXPECT_FALSE(instances.FormGame->isVisible());
}

TEST(StartupTest, ATableErrorIsShownAndStartUpGoesOn) {
  WorkingFolder folder;  // no data folder
  test::ScriptedDialogs dialogs;
  app::Startup startup(dialogs);
  ASSERT_TRUE(startup.Create());
  // The data module's error comes first; windows created after it may report the closed tables.
  ASSERT_FALSE(dialogs.Texts(ui::BoxKind::Error).empty());
  EXPECT_TRUE(dialogs.Texts(ui::BoxKind::Error).front().contains("RUWORDS"))
      << dialogs.Texts(ui::BoxKind::Error).front().toStdString();
  EXPECT_NE(startup.Created().FormHelp, nullptr);
  EXPECT_FALSE(startup.Created().DataModul->RUTable().Active());
}

TEST(StartupTest, AFolderOwnedByAnotherProgramEndsStartUpWithAClearMessage) {
  WorkingFolder folder;
  QDir(folder.Path()).mkdir(QStringLiteral("data"));
  TDataModul owner(folder.Path().toStdString());
  owner.DataModuleCreate();
  test::ScriptedDialogs dialogs;
  app::Startup startup(dialogs);
  EXPECT_FALSE(startup.Create());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, ui::BoxKind::Warning);
  EXPECT_TRUE(dialogs.messages[0].text.contains("already in use"))
      << dialogs.messages[0].text.toStdString();
}

TEST(IconTest, MineIcoFromTheWorkingFolderElseTheBuiltInIcon) {
  QTemporaryDir folder;
  const QIcon missing = ui::ApplicationIcon(folder.path());
  EXPECT_FALSE(missing.isNull());
  EXPECT_EQ(missing.pixmap(32).toImage(), ui::BuiltInIcon().pixmap(32).toImage());

  QImage red(32, 32, QImage::Format_ARGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QDir(folder.path()).filePath("mine.ico"), "ICO"));
  const QImage loaded = ui::ApplicationIcon(folder.path()).pixmap(32).toImage();
  EXPECT_EQ(loaded.pixelColor(16, 16), QColor(Qt::red));

  QFile broken(QDir(folder.path()).filePath("mine.ico"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not an icon");
  broken.close();
  EXPECT_FALSE(ui::ApplicationIcon(folder.path()).pixmap(32).isNull());
}

}  // namespace
