#pragma once

// The three languages of the dictionary, numbered as everywhere in the program (the settings file,
// the pages of the main window, the speech engine instances), and a value held per language.

#include <array>
#include <cstddef>

namespace text {

enum class Language {
  Russian = 1,
  Hebrew = 2,
  English = 3,
};

// The languages in their order.
inline constexpr Language kLanguages[] = {Language::Russian, Language::Hebrew, Language::English};

// One value per language, indexed by the language.
template <typename T>
struct PerLanguage {
  std::array<T, 3> Values{};

  T& operator[](Language language) { return Values[Slot(language)]; }
  const T& operator[](Language language) const { return Values[Slot(language)]; }
  bool operator==(const PerLanguage&) const = default;

  static constexpr std::size_t Slot(Language language) {
    return static_cast<std::size_t>(language) - 1;
  }
};

}  // namespace text
