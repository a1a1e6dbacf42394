#include <gtest/gtest.h>

#include <string>

#include "editor/VerbTable.h"
#include "editor/WordCodes.h"

namespace editor {
namespace {

constexpr char kDefaultMask[] = "0001001000000110000000010001";

std::string MaskOf(std::initializer_list<int> forms) {
  std::string mask(kVerbFormCount, '0');
  for (int form : forms) mask[form] = '1';
  return mask;
}

std::vector<int> FormsOf(const std::vector<VerbGridColumn>& columns) {
  std::vector<int> forms;
  for (const auto& column : columns) forms.push_back(column.form);
  return forms;
}

// A table whose form i is spelt "s<i>" and pronounced "p<i>".
VerbTable Filled() {
  VerbTable table;
  for (int form = 0; form < kVerbFormCount; ++form) {
    table.VerbSpelling[form] = "s" + std::to_string(form);
    table.VerbPronunciation[form] = "p" + std::to_string(form);
  }
  return table;
}

TEST(VerbFormsTest, LabelOfMasculinePresentIsStoredInDisplayOrder) {
  // "(hoveh)" at the left, then zayin-kaf-resh read from the right end: bytes as stored.
  EXPECT_EQ(VerbFormLabels()[0], "(\xE4\xE5\xE5\xE4)\xF8\xEB\xE6");
  EXPECT_EQ(VerbFormLabels()[27], "\xE4\xEC\xE5\xF2\xF4");
  for (const std::string& label : VerbFormLabels()) EXPECT_FALSE(label.empty());
}

TEST(VerbFormsTest, FieldNamesFollowTheFormOrder) {
  EXPECT_STREQ(kVerbFormFields[0], "Nast1");
  EXPECT_STREQ(kVerbFormFields[4], "Prosh1");
  EXPECT_STREQ(kVerbFormFields[13], "Prosh10");
  EXPECT_STREQ(kVerbFormFields[14], "Bud1");
  EXPECT_STREQ(kVerbFormFields[24], "Pov1");
  EXPECT_STREQ(kVerbFormFields[27], "Process");
}

TEST(VerbFormsTest, ShortOrOddMaskShowsOnlyItsOnes) {
  EXPECT_FALSE(FormShown("", 0));
  EXPECT_TRUE(FormShown("01", 1));
  EXPECT_FALSE(FormShown("01", 2));                   // missing position: not shown
  EXPECT_FALSE(FormShown("0x", 1));                   // anything but "1": not shown
  EXPECT_FALSE(FormShown(std::string(40, '1'), 28));  // beyond the 28 forms
}

struct GridCase {
  const char* name;
  std::string mask;
  std::vector<int> forms;
};

class GridBuildTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridBuildTest, ColumnsStandForTheChosenFormsAfterForm0) {
  VerbTable table = Filled();
  table.Build(GetParam().mask);
  EXPECT_EQ(FormsOf(table.Columns), GetParam().forms);
  for (size_t column = 0; column < table.Columns.size(); ++column) {
    const int form = table.Columns[column].form;
    EXPECT_EQ(table.VerbColumnForm[column], form);
    EXPECT_EQ(table.Columns[column].spelling, "s" + std::to_string(form));
    EXPECT_EQ(table.Columns[column].label, VerbFormLabels()[form]);
  }
}

std::vector<int> AllForms() {
  std::vector<int> forms;
  for (int form = 0; form < kVerbFormCount; ++form) forms.push_back(form);
  return forms;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, GridBuildTest,
    ::testing::Values(GridCase{"DefaultMask", kDefaultMask, {0, 3, 6, 13, 14, 23, 27}},
                      GridCase{"AllForms", std::string(kVerbFormCount, '1'), AllForms()},
                      GridCase{"Forms0And3", MaskOf({0, 3}), {0, 3}},
                      GridCase{"NoForms", std::string(kVerbFormCount, '0'), {0}},
                      GridCase{"ShortMask", "0101", {0, 1, 3}},
                      GridCase{"LastOnly", MaskOf({27}), {0, 27}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VerbTableTest, FirstColumnShowsForm0EvenWhenNotChosenAndNeverAnOldWord) {
  VerbTable table = Filled();
  table.Build(std::string(kVerbFormCount, '1'));
  table.VerbSpelling.fill("");
  table.VerbSpelling[0] = "new";
  table.Build(MaskOf({5}));
  ASSERT_EQ(table.Columns.size(), 2u);
  EXPECT_EQ(table.Columns[0].label, VerbFormLabels()[0]);
  EXPECT_EQ(table.Columns[0].spelling, "new");
  EXPECT_EQ(table.Columns[1].spelling, "");
}

TEST(VerbTableTest, BuildBringsSelectionBackToForm0) {
  VerbTable table = Filled();
  table.Build(std::string(kVerbFormCount, '1'));
  table.Select(9);
  table.Build(kDefaultMask);
  EXPECT_EQ(table.VerbColumn, 0);
  EXPECT_EQ(table.SelectedForm(), 0);
  // Leaving the memos now writes form 0 only, not the form of the column selected before.
  table.LeavePronunciation("p0-new");
  EXPECT_EQ(table.VerbPronunciation[0], "p0-new");
  EXPECT_EQ(table.VerbPronunciation[9], "p9");
}

TEST(VerbTableTest, BeforeTheFirstBuildNothingCanBeSelectedOrOverwritten) {
  VerbTable table = Filled();
  EXPECT_EQ(table.Select(0), std::nullopt);
  EXPECT_TRUE(table.LeaveSpelling("").empty());
  table.LeavePronunciation("");
  EXPECT_EQ(table.VerbSpelling, Filled().VerbSpelling);
  EXPECT_EQ(table.VerbPronunciation, Filled().VerbPronunciation);
  table.Build(kDefaultMask);
  EXPECT_EQ(table.Select(7), std::nullopt);  // the default grid has seven columns, 0 to 6
  EXPECT_NE(table.Select(6), std::nullopt);
}

TEST(VerbTableTest, SelectingColumnsShowsEachColumnsOwnForm) {
  VerbTable table = Filled();
  table.Build(kDefaultMask);
  EXPECT_EQ(table.Select(2), std::make_pair(std::string("s6"), std::string("p6")));
  EXPECT_EQ(table.Select(4), std::make_pair(std::string("s14"), std::string("p14")));
  EXPECT_EQ(table.VerbColumn, 4);
  table.LeavePronunciation("future I");
  EXPECT_EQ(table.VerbPronunciation[14], "future I");
}

TEST(VerbTableTest, LeavingForm0DerivesPresentFormsIntoShownColumns) {
  VerbTable table;
  table.Build(MaskOf({0, 1, 2, 3}));
  table.Select(0);
  const auto changes = table.LeaveSpelling("\xE1\xFA\xEB");
  EXPECT_EQ(table.VerbSpelling[1], "\xFA\xE1\xFA\xEB");
  EXPECT_EQ(table.VerbSpelling[2], "\xED\xE9\xE1\xFA\xEB");
  EXPECT_EQ(table.VerbSpelling[3], "\xFA\xE5\xE1\xFA\xEB");
  ASSERT_EQ(changes.size(), 4u);
  for (int column = 0; column < 4; ++column) {
    EXPECT_EQ(table.Columns[column].spelling, table.VerbSpelling[column]);
  }
}

TEST(VerbTableTest, Forms0And3ChangeOnlyTheirColumnsButAllDerivedForms) {
  VerbTable table = Filled();
  table.Build(MaskOf({0, 3}));
  table.Select(0);
  const auto changes = table.LeaveSpelling("X");
  EXPECT_EQ(changes, (std::vector<VerbTable::CellChange>{{0, "X"}, {1, "\xFA\xE5X"}}));
  EXPECT_EQ(table.VerbSpelling[1], "\xFAX");
  EXPECT_EQ(table.VerbSpelling[2], "\xED\xE9X");
  EXPECT_EQ(table.VerbSpelling[3], "\xFA\xE5X");
  EXPECT_EQ(table.VerbSpelling[4], "s4");
}

TEST(VerbTableTest, EmptySpellingEmptiesFormAndLeavesDerivedFormsAlone) {
  VerbTable table = Filled();
  table.Build(MaskOf({0, 1}));
  table.Select(0);
  table.LeaveSpelling("");
  EXPECT_EQ(table.VerbSpelling[0], "");
  EXPECT_EQ(table.VerbSpelling[1], "s1");
  EXPECT_EQ(table.Columns[1].spelling, "s1");
}

TEST(VerbTableTest, OtherFormsDeriveNothing) {
  VerbTable table = Filled();
  table.Build(MaskOf({0, 1, 4}));
  table.Select(2);
  EXPECT_EQ(table.LeaveSpelling("Y").size(), 1u);
  EXPECT_EQ(table.VerbSpelling[4], "Y");
  EXPECT_EQ(table.VerbSpelling[1], "s1");
}

TEST(VerbTableTest, ClearEmptiesAllFormsButKeepsLabels) {
  VerbTable table = Filled();
  table.Clear();
  for (int form = 0; form < kVerbFormCount; ++form) {
    EXPECT_EQ(table.VerbSpelling[form], "");
    EXPECT_EQ(table.VerbPronunciation[form], "");
  }
  EXPECT_EQ(table.VerbLabels, VerbFormLabels());
}

TEST(WordCodesTest, RussianOrEnglishGenderNoTakesTheHebrewOne) {
  EXPECT_EQ(StoredSex(0, 2), 2);
  EXPECT_EQ(StoredSex(0, 0), 0);
  EXPECT_EQ(StoredSex(3, 2), 3);
  EXPECT_EQ(StoredSex(1, 2), 1);
}

}  // namespace
}  // namespace editor
