#include "store/Field.h"

#include <climits>

#include "store/Convert.h"
#include "store/TableImpl.h"

namespace store {

const std::string& Field::FieldName() const { return table_->Definition().Fields[position_].Name; }
FieldType Field::DataType() const { return table_->Definition().Fields[position_].Type; }
TextEncoding Field::Encoding() const { return table_->Definition().Fields[position_].Encoding; }

bool Field::IsNull() const { return table_->impl_->CurrentValue(position_).IsNull; }

std::string Field::AsString() const {
  const StoredValue value = table_->impl_->CurrentValue(position_);
  if (value.IsNull) return {};
  return value.IsInteger ? std::to_string(value.Integer) : value.Text;
}

int Field::AsInteger() const {
  const StoredValue value = table_->impl_->CurrentValue(position_);
  std::optional<std::int64_t> number;
  if (!value.IsNull) number = value.IsInteger ? value.Integer : ParseInteger(value.Text);
  const std::string text = value.IsInteger ? std::to_string(value.Integer) : value.Text;
  if (!number || *number < INT_MIN || *number > INT_MAX) {
    throw ConversionError(NotAnIntegerMessage(text));
  }
  return static_cast<int>(*number);
}

void Field::SetAsString(std::string_view value) {
  if (DataType() == FieldType::String) {
    table_->impl_->WriteField(position_, TextValue(value));
    return;
  }
  if (value.empty()) {
    table_->impl_->WriteField(position_, StoredValue());
    return;
  }
  table_->impl_->CheckEditing();
  const std::optional<std::int64_t> number = ParseInteger(value);
  if (!number) throw ConversionError(NotAnIntegerMessage(value));
  table_->impl_->WriteField(position_, IntegerValue(*number));
}

void Field::SetAsInteger(int value) {
  table_->impl_->WriteField(position_, DataType() == FieldType::String
                                           ? TextValue(std::to_string(value))
                                           : IntegerValue(value));
}

void Field::Clear() { table_->impl_->WriteField(position_, StoredValue()); }

}  // namespace store
