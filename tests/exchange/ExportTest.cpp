#include <gtest/gtest.h>

#include <QFile>

#include "ExchangeDictionary.h"
#include "GoldenFile.h"
#include "exchange/ExchangeError.h"
#include "exchange/Export.h"

namespace exchange {
namespace {

constexpr char kDate[] = "09.12.2026";

class ExportTest : public testing::Test {
 protected:
  TDataModul& Data() { return Dictionary.Data(); }

  // Marks the whole meaning of the Russian record with that key.
  void Mark(int russianKey) {
    test::SetRecord(Data().RUTable(), russianKey, {{"Select", "*"}});
    const int he = std::stoi(*test::RecordText(Data().RUTable(), russianKey, "IdHE"));
    const int en = std::stoi(*test::RecordText(Data().RUTable(), russianKey, "IdEN"));
    test::SetRecord(Data().HETable(), he, {{"Select", "*"}});
    test::SetRecord(Data().ENTable(), en, {{"Select", "*"}});
  }

  std::vector<std::string> Marks(store::Table& table) { return test::FieldColumn(table, "Select"); }

  std::array<int, 3> AddWord(const std::string& russian) {
    return test::AddMeaningRecords(Data(),
                                   {{"Item", russian}, {"Part", 2}, {"Topic", 0}, {"Sex", 0}},
                                   {{"Item", "\xE0"}, {"Part", 2}, {"Binyan", 0}, {"Sex", 0}},
                                   {{"Item", russian}, {"Part", 2}, {"Sex", 0}});
  }

  test::TestWorkspace Dictionary;
};

TEST_F(ExportTest, SmallDictionaryGivesTheExpectedBytesAndStylesheet) {
  FillSmallDictionary(Dictionary.Data());
  ASSERT_EQ(SelectMarkedWords(Data()), 0);
  const int count = SelectAllWords(Data());
  ASSERT_EQ(count, 5);
  const QString path = Dictionary.FilePath("small.xml");
  EXPECT_TRUE(ExportDocument(Data(), path, count, kDate));
  ReleaseWordFilters(Data());
  EXPECT_EQ(ReadBytes(path), Golden("small-dictionary.xml"));
  EXPECT_EQ(ReadBytes(Dictionary.FilePath("TStyle.xsl")), Golden("TStyle.xsl"));
}

TEST_F(ExportTest, MarkedWordsAreExportedInOrderAndLoseTheirMarks) {
  const auto a = AddWord("A");
  AddWord("B");
  const auto c = AddWord("C");
  const auto d = AddWord("D");
  const auto e = AddWord("E");
  for (int key : {a[0], c[0], d[0]}) Mark(key);
  test::SetRecord(Data().ENTable(), e[2], {{"Select", "*"}});  // marked alone, in English only

  const int count = SelectMarkedWords(Data());
  ASSERT_EQ(count, 3);
  const QString path = Dictionary.FilePath("marked.xml");
  ASSERT_TRUE(ExportDocument(Data(), path, count, kDate));
  ReleaseWordFilters(Data());

  const std::string document = ReadBytes(path);
  for (const char* expected : {"<Num>0</Num>\r\n", "<Num>1</Num>\r\n", "<Num>2</Num>\r\n"}) {
    EXPECT_NE(document.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(document.find("<Num>3</Num>"), std::string::npos);
  const std::size_t first = document.find("<Item>A</Item>");
  const std::size_t second = document.find("<Item>C</Item>");
  const std::size_t third = document.find("<Item>D</Item>");
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_NE(third, std::string::npos);
  EXPECT_EQ(document.find("<Item>B</Item>"), std::string::npos);

  EXPECT_EQ(Marks(Data().RUTable()), std::vector<std::string>(5, ""));
  EXPECT_EQ(Marks(Data().HETable()), std::vector<std::string>(5, ""));
  EXPECT_EQ(Marks(Data().ENTable()), (std::vector<std::string>{"", "", "", "", "*"}));
  EXPECT_FALSE(Data().RUTable().Filtered());
  EXPECT_EQ(Data().RUTable().Filter(), "Select = '*'");
}

TEST_F(ExportTest, AllWordsLeaveTheMarksAlone) {
  AddWord("A");
  const auto b = AddWord("B");
  test::SetRecord(Data().HETable(), b[1], {{"Select", "*"}});
  ASSERT_EQ(SelectMarkedWords(Data()), 0);
  const int count = SelectAllWords(Data());
  ASSERT_EQ(count, 2);
  ASSERT_TRUE(ExportDocument(Data(), Dictionary.FilePath("all.xml"), count, kDate));
  EXPECT_EQ(Marks(Data().HETable()), (std::vector<std::string>{"", "*"}));
  EXPECT_NE(ReadBytes(Dictionary.FilePath("all.xml")).find("<Num>1</Num>"), std::string::npos);
}

TEST_F(ExportTest, NoUnitsGivesTheFrameOnly) {
  AddWord("A");
  ASSERT_EQ(SelectMarkedWords(Data()), 0);
  ASSERT_TRUE(ExportDocument(Data(), Dictionary.FilePath("empty.xml"), 0, kDate));
  EXPECT_EQ(ReadBytes(Dictionary.FilePath("empty.xml")),
            "<?xml version='1.0' encoding='Windows-1252'?>\r\n"
            "<?xml-stylesheet type='text/xsl' href='TStyle.xsl'?>\r\n"
            " <!-- XML Data From Vocamir -->\r\n"
            " <Root>\r\n"
            "   <Day>09.12.2026</Day>\r\n"
            " </Root>");
}

TEST_F(ExportTest, AFileThatCannotBeCreatedIsNamedAndChangesNothing) {
  const auto a = AddWord("A");
  Mark(a[0]);
  const int count = SelectMarkedWords(Data());
  const QString path = Dictionary.FilePath("missing/out.xml");
  try {
    ExportDocument(Data(), path, count, kDate);
    FAIL() << "no error";
  } catch (const ExchangeError& error) {
    EXPECT_NE(std::string(error.what()).find("missing/out.xml"), std::string::npos);
  }
  ReleaseWordFilters(Data());
  EXPECT_EQ(Marks(Data().RUTable()), std::vector<std::string>{"*"});
  EXPECT_FALSE(QFile::exists(Dictionary.FilePath("TStyle.xsl")));
}

TEST_F(ExportTest, CancelKeepsTheOldFileAndTheMarks) {
  for (int i = 0; i < 600; ++i) Mark(AddWord("W" + std::to_string(i))[0]);
  const QString path = Dictionary.FilePath("old.xml");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the previous export");
  }
  const int count = SelectMarkedWords(Data());
  ASSERT_EQ(count, 600);
  std::vector<int> reported;
  const bool done = ExportDocument(Data(), path, count, kDate, [&](int units, int total) {
    EXPECT_EQ(total, 600);
    reported.push_back(units);
    return units < 300;
  });
  EXPECT_FALSE(done);
  EXPECT_EQ(reported, (std::vector<int>{0, 256, 512}));
  EXPECT_EQ(ReadBytes(path), "the previous export");
  EXPECT_FALSE(QFile::exists(Dictionary.FilePath("TStyle.xsl")));
  ReleaseWordFilters(Data());
  EXPECT_EQ(Marks(Data().RUTable()), std::vector<std::string>(600, "*"));
}

TEST_F(ExportTest, ProgressReachesTheTotal) {
  for (int i = 0; i < 3; ++i) AddWord("W" + std::to_string(i));
  const int count = SelectAllWords(Data());
  std::vector<std::pair<int, int>> reported;
  ASSERT_TRUE(
      ExportDocument(Data(), Dictionary.FilePath("p.xml"), count, kDate, [&](int units, int total) {
        reported.emplace_back(units, total);
        return true;
      }));
  EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{0, 3}, {3, 3}}));
}

}  // namespace
}  // namespace exchange
