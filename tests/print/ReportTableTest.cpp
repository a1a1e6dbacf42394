// The report's own handle on the lesson list, and the flow of rows over pages.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "PrintTestSupport.h"
#include "TestDictionary.h"
#include "lesson/print/ReportLayout.h"
#include "lesson/print/ReportTable.h"
#include "store/Error.h"

namespace {

TEST(ReportTableTest, ReadsTheRecordsOfTheMomentInStoredOrderBesideTheOpenDataModule) {
  test::TestWorkspace workspace;
  store::Table& lessons = workspace.Data().SelWordTable();
  test::AddLesson(lessons,
                  {QStringLiteral("ДВА"), QString::fromUtf8("םיינש"), QStringLiteral("TWO")});
  test::AddLesson(lessons, {QStringLiteral("ОДИН"), QString(), QStringLiteral("ONE")});
  // The data module's order (by a game counter) is not the report's.
  lessons.First();
  lessons.Edit();
  lessons.FieldByName("AndestandTwo").SetAsInteger(5);
  lessons.Post();

  lesson::ReportTable table;
  table.Open(workspace.Data().DataFolder());
  std::vector<lesson::ReportRow> rows = table.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].ItemRU, QStringLiteral("ДВА"));
  EXPECT_EQ(rows[0].ItemHE, QString::fromUtf8("םיינש"));
  EXPECT_EQ(rows[1].ItemEN, QStringLiteral("ONE"));
  EXPECT_EQ(rows[1].ItemHE, QString());

  // Posted later by the program: the next print sees it; opening again changes nothing.
  test::AddLesson(lessons, {QStringLiteral("ТРИ"), QString(), QStringLiteral("THREE")});
  lessons.Last();  // ДВА, by its counter
  lessons.Delete();
  table.Open(workspace.Data().DataFolder());
  rows = table.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].ItemRU, QStringLiteral("ОДИН"));
  EXPECT_EQ(rows[1].ItemRU, QStringLiteral("ТРИ"));
}

TEST(ReportTableTest, AFolderWithoutDictionaryIsReportedAndLeftUntouched) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("data")));
  const std::filesystem::path data = folder.filePath(QStringLiteral("data")).toStdString();
  for (const std::filesystem::path& dataFolder : {data, data / "missing"}) {
    lesson::ReportTable table;
    try {
      table.Open(dataFolder);
      ADD_FAILURE() << "opened " << dataFolder;
    } catch (const store::Error& error) {
      EXPECT_EQ(std::string(error.what()).rfind("Cannot open table SELEWORDS: ", 0), 0u)
          << error.what();
    }
    EXPECT_FALSE(table.Active());
  }
  EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("data"))).isEmpty());
}

TEST(ReportLayoutTest, RowsFlowOntoTheNextPageWhenTheyDoNotFit) {
  struct Case {
    const char* Name;
    std::vector<double> Heights;
    std::vector<lesson::RowPlace> Places;
  };
  const Case cases[] = {
      {"none", {}, {}},
      {"exactly full", {4, 6}, {{0, 0}, {0, 4}}},
      {"one too many", {4, 4, 4}, {{0, 0}, {0, 4}, {1, 0}}},
      {"a grown row moves whole", {3, 8, 1}, {{0, 0}, {1, 0}, {1, 8}}},
      {"taller than a page", {2, 25, 2}, {{0, 0}, {1, 0}, {2, 0}}},
  };
  for (const Case& c : cases) {
    const std::vector<lesson::RowPlace> places = lesson::FlowRows(c.Heights, 10.0);
    ASSERT_EQ(places.size(), c.Places.size()) << c.Name;
    for (std::size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(places[i].Page, c.Places[i].Page) << c.Name << " row " << i;
      EXPECT_DOUBLE_EQ(places[i].Top, c.Places[i].Top) << c.Name << " row " << i;
    }
  }
  // Forty-three rows of 6.35 mm fit in the 277 mm of an A4 page between its margins.
  const std::vector<lesson::RowPlace> full = lesson::FlowRows(std::vector<double>(44, 6.35), 277.0);
  EXPECT_EQ(full[42].Page, 0);
  EXPECT_EQ(full[43].Page, 1);
}

}  // namespace
