#pragma once

// Reads the units of an exchange document. This is a byte scanner, not an XML parser: every "<"
// starts a tag that runs to the next ">", and a tag counts only when its text is one of the
// document's element names exactly (case-sensitive, no attributes, no blanks). The content of a
// recognised element runs from its ">" to the next "<", blanks and line ends included; no entity
// is decoded. Every other tag is skipped, and nesting plays no part: the current language
// (WordRU, WordHE, WordEN), section (Spelling, Pronunciation) and tense (Present, Past, Future,
// Command) say where a value belongs, and each stays until a tag sets it again, also from one
// unit to the next. "</Unit>" ends a unit.
//
// The scanner never reads outside the bytes it was given: a tag or an element cut off by the end
// of the data is dropped.

#include <cstddef>
#include <optional>
#include <string_view>

#include "exchange/ExchangeUnit.h"

namespace exchange {

// The element names the scanner recognises.
enum class DocumentTag : unsigned char;

class DocumentScanner {
 public:
  // `bytes` must outlive the scanner.
  explicit DocumentScanner(std::string_view bytes) : Bytes(bytes) {}

  // Scans on to the next "</Unit>" and returns the values read since the previous one, or nullptr
  // when the data ends first. Each unit starts from empty texts, codes 0 and empty forms, so a
  // value missing from a unit is empty, never another unit's. The returned unit stays valid
  // until the next call. Hints and pronunciations come back with "_" turned into "<".
  //
  // Throws ExchangeError when Part, Topic, Sex or Binyan holds anything but a decimal number from
  // -128 to 127 (an empty element included); the units returned before are unaffected.
  const ExchangeUnit* NextUnit();

  // How many bytes have been scanned so far.
  std::size_t Position() const { return Pos; }

 private:
  enum class Section { None, Spelling, Pronunciation };

  // Sets the context from a tag that carries no value.
  void SetContext(DocumentTag tag);
  // Stores the content of an element that carries a value, named `name`.
  void Store(DocumentTag tag, std::string_view name, std::string_view content);
  // Sets the form at `position` (1 to 28) of the current section; nothing while no section is
  // current.
  void SetForm(int position, std::string_view content);

  std::string_view Bytes;
  std::size_t Pos = 0;
  ExchangeUnit Unit;
  bool UnitReturned = false;
  std::optional<text::Language> CurrentLanguage;  // nothing before the first word tag
  Section CurrentSection = Section::None;
  int CurrentTense = -1;  // an index into Tenses(), or -1 before the first tense tag
};

}  // namespace exchange
