#pragma once

#include <string>
#include <vector>

#include "store/Collation.h"

namespace store {

enum class FieldType {
  AutoInc,   // integer record key, given by post to a new record; cannot be written
  Integer,   // integer
  SmallInt,  // integer holding a small code
  String,    // single-byte text of any length (never cut to a size)
};

// The code page of a text field's bytes. The database keeps text as UTF-8 converted by it.
enum class TextEncoding {
  Cp1251,  // Russian, and the Cyrillic pronunciation hints
  Cp1255,  // Hebrew, display order or reading order as the field says
  Ascii,   // English; converted as Windows-1251 so that no byte is ever lost
};

struct FieldDef {
  std::string Name;
  FieldType Type = FieldType::String;
  TextEncoding Encoding = TextEncoding::Cp1251;
};

// A named ordering over one field, comparing its text by a collation (see Collation.h).
struct IndexDef {
  std::string Name;
  std::string FieldName;
  Collation TextOrder = Collation::Bytes;
};

// The declared shape of a table: its name, its fields in position order and its named indexes.
// DefaultIndexFieldNames, when not empty, is the field whose order the table takes when it opens;
// otherwise it opens in record-key order.
struct TableDef {
  std::string Name;
  std::vector<FieldDef> Fields;
  std::vector<IndexDef> Indexes;
  std::string DefaultIndexFieldNames;

  // The position of the autoincrement field, which holds the record key; -1 when the table has
  // none (the key is then kept out of the fields).
  int KeyPosition() const {
    for (std::size_t i = 0; i < Fields.size(); ++i) {
      if (Fields[i].Type == FieldType::AutoInc) return static_cast<int>(i);
    }
    return -1;
  }
};

}  // namespace store
