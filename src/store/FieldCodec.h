#pragma once

#include <string>
#include <string_view>

#include "store/TableDef.h"
#include "text/Codepage.h"

namespace store {

// The code page that converts a field's bytes to and from Unicode. ASCII fields convert as
// Windows-1251, its superset, so that no byte is ever lost.
text::Codepage CodepageOf(TextEncoding encoding);

// A field's bytes as UTF-8, into `utf8` (its storage is reused). Pure ASCII passes through
// unchanged.
void BytesToUtf8(std::string_view bytes, TextEncoding encoding, std::string& utf8);
// UTF-8 back to a field's bytes, into `bytes` (its storage is reused). False when the text is
// malformed or holds a character the code page cannot store; `bytes` is then unspecified.
bool Utf8ToBytes(std::string_view utf8, TextEncoding encoding, std::string& bytes);

}  // namespace store
