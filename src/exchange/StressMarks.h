#pragma once

// The stress mark of a pronunciation hint ("<" after the stressed vowel) cannot stand inside an
// XML element, so the exchange document writes it as "_".

#include <string>
#include <string_view>

namespace exchange {

enum class StressDirection {
  ToFile,    // every "<" becomes "_"
  ToTables,  // every "_" becomes "<"
};

// A copy of `text` with the stress marks converted in the given direction; every other byte is
// kept as it is.
std::string ConvertStressMarks(std::string_view text, StressDirection direction);

}  // namespace exchange
