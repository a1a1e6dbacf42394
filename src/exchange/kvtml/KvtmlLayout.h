#pragma once

// Where a meaning's parts stand in a KVTML 2 file, shared by the writer and the reader so that
// whatever is written is read back from the same place: the languages and their locales, the
// word-type containers of the part-of-speech codes, noun genders and verb patterns, and the
// places of the 28 verb forms among KVTML's conjugation tenses, numbers and persons. The full
// mapping is described in docs/kvtml.md.

#include <QLatin1StringView>
#include <QStringView>
#include <array>
#include <optional>
#include <span>

#include "dictionary/ParsedMeaning.h"
#include "text/Codepage.h"
#include "text/Language.h"

namespace exchange::kvtml {

// Vocamir's own elements, for what KVTML has no place for (a verb form's hint, the root, a code
// no container expresses). KDE's reader passes over elements it does not know.
inline constexpr QLatin1StringView kVocamirNamespace{"urn:x-vocamir:kvtml"};
inline constexpr QLatin1StringView kVocamirPrefix{"vocamir"};

// The identifier of each language: its translation id in every entry, name and locale.
struct LanguageIdentifier {
  text::Language Language;
  int Id;
  QLatin1StringView Name;
  QLatin1StringView Locale;
};
std::span<const LanguageIdentifier> LanguageIdentifiers();

// The code page of a language's pronunciation hints (and a Hebrew verb form's): Cyrillic for
// Russian and Hebrew, ASCII for English.
text::Codepage HintCodepage(text::Language language);

// The language of a locale: "ru…" Russian, "he…" or "iw…" Hebrew, "en…" English (the language
// part before "_", "-" or "@", in any case); nothing for every other locale.
std::optional<text::Language> LanguageOfLocale(QStringView locale);

// The word-type container of a part-of-speech code (1 to 5), with KVTML's special word type
// where it has one. Code 0 ("unknown") has no container.
struct PartType {
  int Part;
  QLatin1StringView Name;
  QLatin1StringView Special;  // empty when KVTML has no special type for it
};
std::span<const PartType> PartTypes();

// The part-of-speech code of a word-type container of any file, from its special word type
// ("noun", "noun/male", "verb", "adjective", …) or else its name (Vocamir's names and Parley's
// usual ones, in any case); nothing when neither says.
std::optional<int> PartOfType(QStringView special, QStringView name);

// Noun genders: the sub-containers of the noun container for the gender codes 1 to 3.
struct GenderType {
  int Sex;
  QLatin1StringView Name;
  QLatin1StringView Special;
};
std::span<const GenderType> GenderTypes();
// The gender code of a special word type ("noun/male", "noun:female", …); nothing for others.
std::optional<int> SexOfType(QStringView special);

// Themes: lessons named by the theme captions (dictionary/Codes.h). The theme of a lesson name,
// compared without regard to case or surrounding blanks; nothing for any other name.
std::optional<int> ThemeOfName(QStringView name);

// Verb patterns 1 to 7: the sub-containers of the verb container holding Hebrew translations.
QLatin1StringView BinyanName(int binyan);
std::optional<int> BinyanOfName(QStringView name);

inline constexpr int kFirstBinyan = 1;
inline constexpr int kLastBinyan = 7;

// The place of a verb form: a conjugation tense of the Hebrew translation, a grammatical number
// ("singular", "plural") and a person element.
struct FormPlace {
  QLatin1StringView Tense;
  QLatin1StringView Number;
  QLatin1StringView Person;
};
// Index 0 holds form position 1.
const std::array<FormPlace, dictionary::kFormCount>& FormPlaces();
// The tenses in the order they are written.
std::span<const QLatin1StringView> FormTenses();
// The form index (0 to 27) of a place, nothing when no form stands there. The tense is compared
// without regard to case.
std::optional<int> FormAt(QStringView tense, QStringView number, QStringView person);

}  // namespace exchange::kvtml
