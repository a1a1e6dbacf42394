#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStringList>

#include "StoreTestSupport.h"
#include "store/DataSource.h"

namespace store {
namespace {

using testing::AddWord;
using testing::TempDatabase;
using testing::WordsDef;

class DataSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.Open(db.Db());
    source.SetDataSet(&table);
  }

  TempDatabase db;
  Table table{WordsDef()};
  DataSource source;
  QAbstractItemModelTester tester{&source, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(DataSourceTest, ShowsTheViewWithConfiguredColumns) {
  AddWord(table, "b", 2);
  AddWord(table, "a", 1);
  source.SetColumns({{"item", "Word"}, {"Num", ""}});
  EXPECT_EQ(source.columnCount(), 2);
  EXPECT_EQ(source.headerData(0, Qt::Horizontal).toString(), "Word");
  EXPECT_EQ(source.headerData(1, Qt::Horizontal).toString(), "Num");
  EXPECT_EQ(source.rowCount(), 2);
  EXPECT_EQ(source.data(source.index(0, 0)).toString(), "b");
  EXPECT_EQ(source.data(source.index(0, 1)).toInt(), 2);
  table.SetIndexName("item_index");
  EXPECT_EQ(source.data(source.index(0, 0)).toString(), "a");
  EXPECT_THROW(source.SetColumns({{"Nope", ""}}), Error);
}

TEST_F(DataSourceTest, ConvertsTextByTheFieldCodePage) {
  table.Insert();
  table.FieldByName("Item").SetAsString("\xCA\xCE\xD2");  // КОТ
  table.FieldByName("Heb").SetAsString("\xE1\xE0");       // בא in display order
  table.Post();
  source.SetColumns({{"Item", ""}, {"Heb", ""}});
  EXPECT_EQ(source.data(source.index(0, 0)).toString(), QString::fromUtf8("КОТ"));
  EXPECT_EQ(source.data(source.index(0, 1), Qt::EditRole).toString(), QString::fromUtf8("בא"));
  EXPECT_EQ(source.data(source.index(0, 1)).toString(),
            QString::fromUtf8("\u202D") + QString::fromUtf8("בא") + QString::fromUtf8("\u202C"));
  EXPECT_EQ(source.data(source.index(0, 0), Qt::UserRole).toByteArray(),
            QByteArray("\xCA\xCE\xD2"));
  EXPECT_EQ(source.FieldText("item"), QString::fromUtf8("КОТ"));
}

TEST_F(DataSourceTest, CurrentRowFollowsTheCursorBothWays) {
  AddWord(table, "a");
  AddWord(table, "b");
  AddWord(table, "c");
  QSignalSpy rowSpy(&source, &DataSource::CurrentRowChanged);
  table.First();
  EXPECT_EQ(source.CurrentRow(), 0);
  ASSERT_FALSE(rowSpy.isEmpty());
  EXPECT_EQ(rowSpy.last().at(0).toInt(), 0);
  source.SetCurrentRow(2);
  EXPECT_EQ(table.FieldByName("Item").AsString(), "c");
  EXPECT_EQ(rowSpy.last().at(0).toInt(), 2);
}

TEST_F(DataSourceTest, EditsOnlyTheCurrentRowInEditState) {
  AddWord(table, "a");
  AddWord(table, "b");
  source.SetColumns({{"Item", ""}, {"Num", ""}, {"Id", ""}});
  table.First();
  EXPECT_FALSE(source.flags(source.index(0, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(source.setData(source.index(0, 0), "x"));
  table.Edit();
  EXPECT_TRUE(source.flags(source.index(0, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(source.flags(source.index(1, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(source.flags(source.index(0, 2)) & Qt::ItemIsEditable);  // the key
  QSignalSpy changed(&source, &QAbstractItemModel::dataChanged);
  QSignalSpy current(&source, &DataSource::CurrentRecordChanged);
  EXPECT_TRUE(source.setData(source.index(0, 0), QString::fromUtf8("ЖУК")));
  EXPECT_FALSE(changed.isEmpty());  // a bound view shows the new text at once
  EXPECT_FALSE(current.isEmpty());
  EXPECT_EQ(source.data(source.index(0, 0)).toString(), QString::fromUtf8("ЖУК"));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "\xC6\xD3\xCA");
  EXPECT_FALSE(source.setData(source.index(0, 1), "seven"));                  // no integer
  EXPECT_FALSE(source.setData(source.index(0, 0), QString::fromUtf8("中")));  // not in 1251
  table.Post();
  EXPECT_EQ(source.data(source.index(0, 0)).toString(), QString::fromUtf8("ЖУК"));
}

TEST_F(DataSourceTest, SetFieldTextNeedsEditState) {
  AddWord(table, "a");
  EXPECT_THROW(source.SetFieldText("Item", "b"), Error);
  table.Edit();
  source.SetFieldText("Item", QString::fromUtf8("ё"));
  EXPECT_EQ(table.FieldByName("Item").AsString(), "\xB8");
  EXPECT_THROW(source.SetFieldText("Item", QString::fromUtf8("א")), ConversionError);
  source.SetFieldText("Item", "");
  EXPECT_TRUE(table.FieldByName("Item").IsNull());
}

// The rows a view shows follow an insert, a post that moves the record and a delete (the model
// tester in the fixture checks that the signals agree with the rows).
TEST_F(DataSourceTest, RowsFollowInsertPostAndDelete) {
  AddWord(table, "b");
  AddWord(table, "d");
  table.SetIndexName("item_index");
  table.First();
  const auto items = [this] {
    QStringList shown;
    for (int row = 0; row < source.rowCount(); ++row) {
      shown << source.data(source.index(row, 1)).toString();
    }
    return shown;
  };
  table.Insert();
  EXPECT_EQ(items(), (QStringList{"", "b", "d"}));
  table.FieldByName("Item").SetAsString("c");  // moves from row 0 to row 1 on post
  table.Post();
  EXPECT_EQ(items(), (QStringList{"b", "c", "d"}));
  EXPECT_EQ(source.CurrentRow(), 1);
  table.Delete();
  EXPECT_EQ(items(), (QStringList{"b", "d"}));
}

TEST_F(DataSourceTest, FilterAndOrderChangesResetTheModel) {
  AddWord(table, "a", 0, "*");
  AddWord(table, "b", 0, "");
  QSignalSpy reset(&source, &QAbstractItemModel::modelReset);
  table.SetFilter("Select = '*'");
  table.SetFiltered(true);
  EXPECT_FALSE(reset.isEmpty());
  EXPECT_EQ(source.rowCount(), 1);
  reset.clear();
  table.SetIndexName("item_index");
  EXPECT_FALSE(reset.isEmpty());  // a view lays its rows out anew
}

TEST_F(DataSourceTest, ForgetsATableThatIsDestroyed) {
  auto other = std::make_unique<Table>(WordsDef());
  DataSource bound;
  bound.SetDataSet(other.get());
  other.reset();
  EXPECT_EQ(bound.DataSet(), nullptr);
  EXPECT_EQ(bound.rowCount(), 0);
}

}  // namespace
}  // namespace store
