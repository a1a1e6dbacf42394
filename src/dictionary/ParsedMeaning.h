#pragma once

// One meaning as an importer hands it over: three words with their codes and hints and, for a
// Hebrew verb, its 28 forms. Texts hold the bytes of the tables (Windows-1251/1255/ASCII),
// hints and pronunciations with "<" as the stress mark; an empty text stands for an empty field.

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "text/Language.h"

namespace dictionary {

// The verb forms in their fixed order: index 0 holds form position 1 (Nast1), index 27 position
// 28 (Process).
inline constexpr int kFormCount = 28;

// The 28 texts of a verb's forms, by index. Most meanings are not verbs: the texts take memory
// only once one is written to, and read as empty until then.
class FormTexts {
 public:
  using Texts = std::array<std::string, kFormCount>;

  FormTexts() = default;
  FormTexts(const FormTexts& other) : texts_(Copy(other)) {}
  FormTexts& operator=(const FormTexts& other) {
    if (this != &other) texts_ = Copy(other);
    return *this;
  }
  FormTexts(FormTexts&&) noexcept = default;
  FormTexts& operator=(FormTexts&&) noexcept = default;

  std::string& operator[](std::size_t index) { return Written()[index]; }
  const std::string& operator[](std::size_t index) const { return Read()[index]; }
  Texts::iterator begin() { return Written().begin(); }
  Texts::iterator end() { return Written().end(); }
  Texts::const_iterator begin() const { return Read().begin(); }
  Texts::const_iterator end() const { return Read().end(); }
  static constexpr std::size_t size() { return kFormCount; }

  bool operator==(const FormTexts& other) const { return Read() == other.Read(); }

 private:
  static std::unique_ptr<Texts> Copy(const FormTexts& other) {
    return other.texts_ ? std::make_unique<Texts>(*other.texts_) : nullptr;
  }
  Texts& Written() {
    if (!texts_) texts_ = std::make_unique<Texts>();
    return *texts_;
  }
  const Texts& Read() const {
    static const Texts kNone;
    return texts_ ? *texts_ : kNone;
  }

  std::unique_ptr<Texts> texts_;
};

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
  std::string Root;         // the Hebrew word's root, display order
  int Binyan = 0;           // the verb pattern; the forms count only when it is greater than 0
  FormTexts Spelling;       // written forms (Windows-1255)
  FormTexts Pronunciation;  // their hints (Windows-1251)

  bool operator==(const ParsedMeaning&) const = default;
};

}  // namespace dictionary
