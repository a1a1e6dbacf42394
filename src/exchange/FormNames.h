#pragma once

// The element names under which the document carries the verb forms: four tenses with their
// person names, and "Process". Writer and scanner share this one table, so a form is read back at
// the position it was written from.

#include <span>
#include <string_view>

namespace exchange {

struct FormName {
  std::string_view Name;
  int Position;  // 1 to 28, the form's position in the verb tables
};

struct Tense {
  std::string_view Name;
  std::span<const FormName> Forms;
};

// "Present", "Past", "Future", "Command", in the order the document writes them.
std::span<const Tense> Tenses();

// The verbal noun, written after the tenses and read under any tense.
inline constexpr FormName kProcessForm = {"Process", 28};

}  // namespace exchange
