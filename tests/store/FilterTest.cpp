#include <gtest/gtest.h>

#include <climits>

#include "StoreTestSupport.h"
#include "store/Error.h"
#include "store/Filter.h"
#include "store/Record.h"

namespace store {
namespace {

// Item, Num, Select of one record (nullptr / INT_MIN for null).
RecordPtr MakeRecord(const char* item, int num, const char* select) {
  std::vector<StoredValue> values(5);
  values[0] = {false, true, 1, ""};
  if (item) values[1] = {false, false, 0, item};
  if (num != INT_MIN) values[2] = {false, true, num, ""};
  if (select) values[3] = {false, false, 0, select};
  return Record::Create(1, values);
}

TEST(FilterExpression, AcceptsTheExpressionsTheProgramWrites) {
  const TableDef def = testing::WordsDef();
  const struct {
    const char* expression;
    const char* item;
    int num;
    const char* select;
    bool passes;
  } cases[] = {
      {"", "a", 1, "", true},
      {"   ", nullptr, INT_MIN, nullptr, true},
      {"Select = '*'", "a", 1, "*", true},
      {"Select = '*'", "a", 1, "", false},
      {"Select = '*'", "a", 1, nullptr, false},
      {"Select <> '*'", "a", 1, "", true},
      {"Select <> '*'", "a", 1, nullptr, false},  // null passes no comparison
      {"select='*'", "a", 1, "*", true},          // names ignore case, no blanks needed
      {"Num <> '0' and Num <> '1'", "a", 2, "", true},
      {"Num <> '0' and Num <> '1'", "a", 1, "", false},
      {"Num <> '0'  and  Num <> '1'", "a", 2, "", true},  // double blanks
      {"Num <> '0' AND Num = '2'", "a", 2, "", true},
      {"Num = '2'", "a", INT_MIN, "", false},
      {"Num <> '2'", "a", INT_MIN, "", false},
      {"Item = 'it''s'", "it's", 0, "", true},
      {"  Item  =  'a b'  ", "a b", 0, "", true},
      {"Item = 'A'", "a", 0, "", false},  // byte for byte
  };
  for (const auto& c : cases) {
    const FilterExpression filter = FilterExpression::Parse(c.expression, def);
    EXPECT_EQ(filter.Passes(*MakeRecord(c.item, c.num, c.select)), c.passes) << c.expression;
  }
}

TEST(FilterExpression, RejectsMalformedExpressionsWithAMessage) {
  const TableDef def = testing::WordsDef();
  for (const char* expression :
       {"Select", "Select = *", "Select = '*", "Nope = '1'", "Num = 'x'", "Select == '1'",
        "Select = '1' or Num = '2'", "Select = '1' and", "= '1'", "Select < '1'"}) {
    try {
      FilterExpression::Parse(expression, def);
      ADD_FAILURE() << "accepted: " << expression;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(expression), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace store
