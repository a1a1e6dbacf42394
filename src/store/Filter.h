#pragma once

#include <string_view>
#include <vector>

#include "store/Record.h"
#include "store/SqlitePersistence.h"
#include "store/TableDef.h"

namespace store {

// A parsed filter expression: comparisons of a field with a quoted value by "=" or "<>", joined
// by "and". Parsing happens once; testing a record reads its packed values directly.
class FilterExpression {
 public:
  // The expression that passes every record.
  FilterExpression() = default;

  // Parses `Field = 'value'` / `Field <> 'value'` joined by `and` (any case), with blanks
  // tolerated around every part; '' inside a value stands for one quote. An empty or blank text
  // passes every record. Field names are matched without regard to case; a value compared with an
  // integer field must be an integer.
  // Throws Error naming the expression and what is wrong with it.
  static FilterExpression Parse(std::string_view text, const TableDef& table);

  // True when every comparison holds. A null field passes no comparison ("=" and "<>" alike);
  // text compares byte for byte.
  bool Passes(const Record& record) const;

 private:
  struct Comparison {
    int Position = 0;
    bool Equal = true;
    StoredValue Value;
  };
  std::vector<Comparison> comparisons_;
};

}  // namespace store
