// Ending the real program by SIGTERM, SIGINT or SIGHUP while a word is being edited: the typed
// text is stored, the settings are not written, and the folder can be opened again.

#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QScopeGuard>

#include "TestDictionary.h"

namespace {

class EndBySignalTest : public ::testing::TestWithParam<int> {};

TEST_P(EndBySignalTest, StoresTheEditAndReleasesTheFolder) {
  test::TestWorkspace workspace(false);
  QProcess child;
  child.setWorkingDirectory(workspace.Path());
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QString::fromUtf8(END_BY_SIGNAL_CHILD), {});
  const auto stop = qScopeGuard([&child] {
    child.kill();
    child.waitForFinished();
  });
  ASSERT_TRUE(child.waitForStarted());
  QByteArray said;
  while (!said.endsWith('\n') && child.waitForReadyRead(120000)) said += child.readAll();
  ASSERT_TRUE(said.startsWith("ready ")) << said.toStdString();
  const QByteArray typed = said.mid(6).trimmed();
  ASSERT_EQ(typed.toUpper(), "HOUSE");

  ASSERT_EQ(kill(static_cast<pid_t>(child.processId()), GetParam()), 0);
  ASSERT_TRUE(child.waitForFinished(120000));
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0);

  EXPECT_FALSE(QFile::exists(workspace.Path() + QStringLiteral("/vocamir.ini")));
  workspace.Data().DataModuleCreate();
  EXPECT_TRUE(workspace.Data().ENTable.Locate("Item", typed.toStdString()));
}

INSTANTIATE_TEST_SUITE_P(Signals, EndBySignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
