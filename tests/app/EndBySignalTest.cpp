// Ending the real program by SIGTERM, SIGINT or SIGHUP while a word is being edited: the typed
// text is stored, the settings are not written, and the folder can be opened again. Killed with
// SIGKILL while a new meaning is being edited, or after it was cancelled: the meaning on disk is
// whole.

#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>

#include "TestDictionary.h"
#include "datatool/DictionaryCheck.h"
#include "editor/WordRecords.h"
#include "review/Fsrs.h"
#include "store/DataModul.h"

namespace {

class EndBySignalTest : public ::testing::TestWithParam<int> {};

// The child program, started in `workspace` with `scenario`. Ready() waits until it says "ready"
// and keeps the word it typed in `typed`.
struct Child {
  Child(const test::TestWorkspace& workspace, const QString& scenario) {
    process.setWorkingDirectory(workspace.Path());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromUtf8(END_BY_SIGNAL_CHILD), {scenario});
  }
  ~Child() {
    process.kill();
    process.waitForFinished();
  }

  ::testing::AssertionResult Ready() {
    if (!process.waitForStarted()) return ::testing::AssertionFailure() << "not started";
    QByteArray said;
    while (!said.endsWith('\n') && process.waitForReadyRead(120000)) said += process.readAll();
    if (!said.startsWith("ready ")) return ::testing::AssertionFailure() << said.toStdString();
    typed = said.mid(6).trimmed();
    return ::testing::AssertionSuccess();
  }
  ::testing::AssertionResult EndBy(int signal) {
    if (kill(static_cast<pid_t>(process.processId()), signal) != 0 ||
        !process.waitForFinished(120000)) {
      return ::testing::AssertionFailure() << "did not end by signal " << signal;
    }
    return ::testing::AssertionSuccess();
  }

  QProcess process;
  QByteArray typed;
};

TEST_P(EndBySignalTest, StoresTheEditAndReleasesTheFolder) {
  test::TestWorkspace workspace(false);
  Child child(workspace, QStringLiteral("edit"));
  ASSERT_TRUE(child.Ready());
  ASSERT_EQ(child.typed.toUpper(), "HOUSE");
  ASSERT_TRUE(child.EndBy(GetParam()));
  EXPECT_EQ(child.process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.process.exitCode(), 0);

  EXPECT_FALSE(QFile::exists(workspace.Path() + QStringLiteral("/vocamir.ini")));
  workspace.Data().DataModuleCreate();
  EXPECT_TRUE(workspace.Data().ENTable().Locate("Item", child.typed.toStdString()));
}

INSTANTIATE_TEST_SUITE_P(Signals, EndBySignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

// A kill leaves "Add word"'s meaning whole on disk: three records, linked, marked; at most its
// typed text is lost, which leaves a blank meaning that "vocamir-data clean" removes.
class AddWordKilledTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AddWordKilledTest, LeavesTheNewMeaningWhole) {
  test::TestWorkspace workspace(false);
  Child child(workspace, QString::fromLatin1(GetParam()));
  ASSERT_TRUE(child.Ready());
  ASSERT_TRUE(child.EndBy(SIGKILL));

  TDataModul& data = workspace.Data();
  data.DataModuleCreate();
  for (const std::string& problem : datatool::CheckDictionary(data, review::kDefaultRetention)) {
    EXPECT_NE(problem.find("are a blank meaning"), std::string::npos) << problem;
  }
  for (store::Table* table : {&data.RUTable(), &data.HETable(), &data.ENTable()}) {
    ASSERT_EQ(table->RecordCount(), 1) << table->TableName();
    EXPECT_EQ(table->FieldByName("Select").AsString(), "*") << table->TableName();
  }
  editor::WordTables tables{data.RUTable(), data.HETable(), data.ENTable(), data.GLTABLE(),
                            data.NekudotTable()};
  EXPECT_TRUE(editor::MoveToPartners(tables, editor::Page::English));
}

INSTANTIATE_TEST_SUITE_P(EditorOpenOrCancelled, AddWordKilledTest,
                         ::testing::Values("edit", "cancel"));

}  // namespace
