#pragma once

// One meaning as an importer hands it over: three words with their codes and hints and, for a
// Hebrew verb, its 28 forms. Texts hold the bytes of the tables (Windows-1251/1255/ASCII),
// hints and pronunciations with "<" as the stress mark; an empty text stands for an empty field.

#include <array>
#include <string>

#include "text/Language.h"

namespace dictionary {

// The verb forms in their fixed order: index 0 holds form position 1 (Nast1), index 27 position
// 28 (Process).
inline constexpr int kFormCount = 28;

struct ParsedWord {
  std::string Item;
  std::string Speech;
  int Sex = 0;

  bool operator==(const ParsedWord&) const = default;
};

struct ParsedMeaning {
  int Part = 0;
  int Topic = 0;
  text::PerLanguage<ParsedWord> Words;
  std::string Root;  // the Hebrew word's root, display order
  int Binyan = 0;    // the verb pattern; the forms count only when it is greater than 0
  std::array<std::string, kFormCount> Spelling;       // written forms (Windows-1255)
  std::array<std::string, kFormCount> Pronunciation;  // their hints (Windows-1251)

  bool operator==(const ParsedMeaning&) const = default;
};

}  // namespace dictionary
