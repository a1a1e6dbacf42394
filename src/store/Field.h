#pragma once

#include <string>
#include <string_view>

#include "store/TableDef.h"

namespace store {

class Table;

// A handle on one field of a table's current record, obtained from Table::FieldByName or
// Table::Fields. It names the field, not a value: reading it always reads the record that is
// current at the time of the read (the edit buffer while the table is in edit or insert state).
// The handle stays usable while its table lives.
class Field {
 public:
  Field(Table& table, int position) : table_(&table), position_(position) {}

  const std::string& FieldName() const;
  int Position() const { return position_; }
  FieldType DataType() const;
  TextEncoding Encoding() const;

  // True when the field holds no value. An empty text is a value, not null. On an empty table
  // every field reads as null.
  // Throws Error when the table is closed.
  bool IsNull() const;

  // The value as text: the stored bytes of a text field, the decimal digits of an integer field,
  // "" for null.
  // Throws Error when the table is closed.
  std::string AsString() const;

  // The value as an integer: an integer field's value, or a text field's decimal digits.
  // Throws ConversionError when the field is null or empty or holds no integer
  // ("'<text>' is not a valid integer value"); Error when the table is closed.
  int AsInteger() const;

  // Writing. REQUIRES: the table is in edit or insert state; otherwise throws Error. Writing an
  // autoincrement field throws Error. Every write marks the record modified, even when the value
  // is the same, so that storing a pending edit posts it.
  //
  // SetAsString on an integer field stores the parsed number; "" stores null; other text that is
  // no integer throws ConversionError and leaves the field as it was.
  void SetAsString(std::string_view value);
  // SetAsInteger on a text field stores the decimal digits.
  void SetAsInteger(int value);
  // Makes the field null.
  void Clear();

 private:
  Table* table_;
  int position_;
};

}  // namespace store
