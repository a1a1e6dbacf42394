// The main window's "Print" command: a print preview of the lesson list through the dialog seam.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "MainWindowFixture.h"
#include "PrintTestSupport.h"
#include "lesson/print/QuickReport1.h"

namespace {

class PrintWindowTest : public test::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    instances.QuickReport1 = &report;
  }

  lesson::TQuickReport1 report;
};

TEST_F(PrintWindowTest, CtrlPShowsThePreviewOfTheLessonList) {
  test::AddLesson(workspace.Data().SelWordTable(),
                  {QStringLiteral("ДОМ"), QString::fromUtf8("תיב"), QStringLiteral("HOUSE")});
  TFormSelect& window = Window();
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(dialogs.previews, 1);
  EXPECT_TRUE(report.Table1.Active());
  EXPECT_TRUE(dialogs.Texts().empty());
  // The table stays open; the next print runs on it again.
  Find<QAction>("Print1")->trigger();
  EXPECT_EQ(dialogs.previews, 2);
  EXPECT_TRUE(dialogs.Texts().empty());
}

TEST_F(PrintWindowTest, AListThatCannotBeReadIsReportedWithoutAPreview) {
  workspace.Data().DataModuleDestroy();
  std::filesystem::remove(workspace.Data().DataFolder() / "vocamir.db");
  Find<QAction>("Print1")->trigger();
  EXPECT_EQ(dialogs.previews, 0);
  ASSERT_EQ(dialogs.Texts(ui::BoxKind::Error).size(), 1u);
  EXPECT_TRUE(dialogs.Texts(ui::BoxKind::Error)[0].startsWith(
      QStringLiteral("Cannot open table SELEWORDS: ")));
}

}  // namespace
