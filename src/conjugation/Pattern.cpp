#include "conjugation/Pattern.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace conjugation {
namespace {

constexpr std::string_view kNames[] = {"PAAL", "PIEL",  "HIFIL",  "NIFAL",
                                       "PUAL", "HUFAL", "HITPAEL"};

}  // namespace

std::string_view PatternName(Pattern pattern) { return kNames[static_cast<int>(pattern) - 1]; }

std::optional<Pattern> PatternFromCode(int code) {
  if (code < 1 || code > 7) return std::nullopt;
  return static_cast<Pattern>(code);
}

std::optional<Pattern> PatternFromName(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (int code = 1; code <= 7; ++code) {
    if (kNames[code - 1] == upper) return static_cast<Pattern>(code);
  }
  return std::nullopt;
}

}  // namespace conjugation
