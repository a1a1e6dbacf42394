#include "Unprivileged.h"

#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace test {

std::optional<::testing::AssertionResult> RunUnprivileged() {
  if (::geteuid() != 0) return std::nullopt;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const QString filter =
      QString::fromUtf8(test->test_suite_name()) + '.' + QString::fromUtf8(test->name());

  QTemporaryDir folder;
  const QString copy = folder.filePath(QStringLiteral("test"));
  if (!QFile::copy(QStringLiteral("/proc/self/exe"), copy)) {
    return ::testing::AssertionFailure() << "cannot copy the test binary to " << copy.toStdString();
  }
  const QFile::Permissions everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                      QFile::ExeOther;
  QFile::setPermissions(folder.path(), everyone);
  QFile::setPermissions(copy, everyone);

  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), folder.path());
  environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  child.setProcessEnvironment(environment);
  child.setWorkingDirectory(folder.path());
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QStringLiteral("setpriv"),
              {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
               QStringLiteral("--clear-groups"), copy, QStringLiteral("--gtest_filter=") + filter});
  if (!child.waitForFinished(300000)) {
    return ::testing::AssertionFailure()
           << "the test as nobody did not end: " << child.errorString().toStdString();
  }
  const std::string output = child.readAll().toStdString();
  if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
      output.find("[  PASSED  ] 1 test") == std::string::npos) {
    return ::testing::AssertionFailure() << "the test as nobody failed:\n" << output;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace test
