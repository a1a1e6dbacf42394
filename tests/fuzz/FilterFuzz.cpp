// libFuzzer target for the filter-expression parser. Whatever the text, parsing ends with an
// expression or with store::Error, and a parsed expression tests records of every kind of value.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "store/Error.h"
#include "store/Filter.h"
#include "store/Record.h"
#include "store/Schema.h"

namespace {

// A Hebrew word record with every field null, empty, or set, by the record's number.
store::RecordPtr Sample(const store::TableDef& table, int number) {
  std::vector<store::StoredValue> values(table.Fields.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    store::StoredValue& value = values[i];
    if (number == 0) continue;
    value.IsNull = false;
    if (table.Fields[i].Type == store::FieldType::String) {
      value.Text = number == 1 ? "" : "*";
    } else {
      value.IsInteger = true;
      value.Integer = number;
    }
  }
  return store::Record::Create(number + 1, values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const store::TableDef table = store::schema::HeWords();
  static const std::vector<store::RecordPtr> records = [] {
    std::vector<store::RecordPtr> made;
    for (int number = 0; number < 3; ++number) made.push_back(Sample(table, number));
    return made;
  }();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const store::FilterExpression filter = store::FilterExpression::Parse(text, table);
    for (const store::RecordPtr& record : records) filter.Passes(*record);
  } catch (const store::Error&) {
  }
  return 0;
}
