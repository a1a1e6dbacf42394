#include "exchange/kvtml/KvtmlLayout.h"

#include <QString>

#include "dictionary/Codes.h"

namespace exchange::kvtml {
namespace {

using namespace Qt::Literals::StringLiterals;
using text::Language;

constexpr LanguageIdentifier kIdentifiers[] = {
    {Language::Russian, 0, "Russian"_L1, "ru"_L1},
    {Language::Hebrew, 1, "Hebrew"_L1, "he"_L1},
    {Language::English, 2, "English"_L1, "en"_L1},
};

constexpr PartType kPartTypes[] = {
    {1, "Verb"_L1, "verb"_L1},  {2, "Noun"_L1, "noun"_L1},      {3, "Adjective"_L1, "adjective"_L1},
    {4, "Service word"_L1, {}}, {5, "Word collocation"_L1, {}},
};

// Names other programs give their word types, for files whose containers carry no special type.
struct NamedPart {
  QLatin1StringView Name;
  int Part;
};
constexpr NamedPart kOtherPartNames[] = {
    {"Article"_L1, 4}, {"Conjunction"_L1, 4}, {"Preposition"_L1, 4},
    {"Pronoun"_L1, 4}, {"Phrase"_L1, 5},      {"Collocation"_L1, 5},
};

constexpr GenderType kGenderTypes[] = {
    {1, "Masculine"_L1, "noun/male"_L1},
    {2, "Feminine"_L1, "noun/female"_L1},
    {3, "Neuter"_L1, "noun/neutral"_L1},
};

constexpr QLatin1StringView kBinyanNames[] = {"Paal"_L1, "Piel"_L1,  "Hifil"_L1,  "Nifal"_L1,
                                              "Pual"_L1, "Hufal"_L1, "Hitpael"_L1};

constexpr QLatin1StringView kPresent = "Present"_L1;
constexpr QLatin1StringView kPast = "Past"_L1;
constexpr QLatin1StringView kPastFeminine = "Past (you, feminine)"_L1;
constexpr QLatin1StringView kFuture = "Future"_L1;
constexpr QLatin1StringView kFutureFeminine = "Future (you, feminine)"_L1;
constexpr QLatin1StringView kImperative = "Imperative"_L1;
constexpr QLatin1StringView kImperativeFeminine = "Imperative (feminine)"_L1;
constexpr QLatin1StringView kVerbalNoun = "Verbal noun"_L1;

constexpr QLatin1StringView kTenses[] = {
    kPresent,        kPast,       kPastFeminine,       kFuture,
    kFutureFeminine, kImperative, kImperativeFeminine, kVerbalNoun};

constexpr QLatin1StringView kSingular = "singular"_L1;
constexpr QLatin1StringView kPlural = "plural"_L1;
constexpr QLatin1StringView kFirst = "firstperson"_L1;
constexpr QLatin1StringView kSecond = "secondperson"_L1;
constexpr QLatin1StringView kThirdMale = "thirdpersonmale"_L1;
constexpr QLatin1StringView kThirdFemale = "thirdpersonfemale"_L1;
constexpr QLatin1StringView kThirdCommon = "thirdpersonneutralcommon"_L1;

// Past and future share one pattern: ten persons, of which the feminine "you" forms have no place
// of their own in KVTML's persons and stand in a tense of their own.
constexpr std::array<FormPlace, 10> PersonForms(QLatin1StringView tense,
                                                QLatin1StringView feminine) {
  return {{{tense, kSingular, kFirst},
           {tense, kSingular, kSecond},
           {feminine, kSingular, kSecond},
           {tense, kSingular, kThirdMale},
           {tense, kSingular, kThirdFemale},
           {tense, kPlural, kFirst},
           {tense, kPlural, kSecond},
           {feminine, kPlural, kSecond},
           {tense, kPlural, kThirdMale},
           {tense, kPlural, kThirdFemale}}};
}

constexpr std::array<FormPlace, dictionary::kFormCount> MakeFormPlaces() {
  std::array<FormPlace, dictionary::kFormCount> places{};
  places[0] = {kPresent, kSingular, kThirdMale};
  places[1] = {kPresent, kSingular, kThirdFemale};
  places[2] = {kPresent, kPlural, kThirdMale};
  places[3] = {kPresent, kPlural, kThirdFemale};
  const auto past = PersonForms(kPast, kPastFeminine);
  const auto future = PersonForms(kFuture, kFutureFeminine);
  for (std::size_t person = 0; person < past.size(); ++person) {
    places[4 + person] = past[person];
    places[14 + person] = future[person];
  }
  places[24] = {kImperative, kSingular, kSecond};
  places[25] = {kImperativeFeminine, kSingular, kSecond};
  places[26] = {kImperative, kPlural, kSecond};
  places[27] = {kVerbalNoun, kSingular, kThirdCommon};
  return places;
}

constexpr std::array<FormPlace, dictionary::kFormCount> kFormPlaces = MakeFormPlaces();

// Whether a name of a file is one of ours, in any case and with blanks around it.
bool SameName(QStringView name, QLatin1StringView ours) {
  return name.trimmed().compare(ours, Qt::CaseInsensitive) == 0;
}

}  // namespace

std::span<const LanguageIdentifier> LanguageIdentifiers() { return kIdentifiers; }

text::Codepage HintCodepage(Language language) {
  return language == Language::English ? text::Codepage::Ascii : text::Codepage::Win1251;
}

std::optional<Language> LanguageOfLocale(QStringView locale) {
  qsizetype end = 0;
  while (end < locale.size() && locale[end].isLetter()) ++end;
  const QStringView language = locale.left(end);
  if (SameName(language, "ru"_L1)) return Language::Russian;
  if (SameName(language, "he"_L1) || SameName(language, "iw"_L1)) return Language::Hebrew;
  if (SameName(language, "en"_L1)) return Language::English;
  return std::nullopt;
}

std::span<const PartType> PartTypes() { return kPartTypes; }

std::optional<int> PartOfType(QStringView special, QStringView name) {
  if (SexOfType(special) || SameName(special, "noun"_L1)) return dictionary::kPartNoun;
  for (const PartType& type : kPartTypes) {
    if (!type.Special.isEmpty() && SameName(special, type.Special)) return type.Part;
  }
  for (const PartType& type : kPartTypes) {
    if (SameName(name, type.Name)) return type.Part;
  }
  for (const NamedPart& other : kOtherPartNames) {
    if (SameName(name, other.Name)) return other.Part;
  }
  return std::nullopt;
}

std::span<const GenderType> GenderTypes() { return kGenderTypes; }

std::optional<int> SexOfType(QStringView special) {
  // KVTML files spell the separator "/" or ":".
  if (special.size() < 5 || !SameName(special.left(4), "noun"_L1) ||
      (special[4] != u'/' && special[4] != u':')) {
    return std::nullopt;
  }
  const QStringView gender = special.mid(5);
  for (const GenderType& type : kGenderTypes) {
    if (SameName(gender, type.Special.mid(5))) return type.Sex;
  }
  return std::nullopt;
}

std::optional<int> ThemeOfName(QStringView name) {
  for (std::size_t theme = 0; theme < dictionary::kThemeCaptions.size(); ++theme) {
    const std::string_view caption = dictionary::kThemeCaptions[theme];
    if (SameName(name, QLatin1StringView(caption.data(), caption.size()))) {
      return static_cast<int>(theme);
    }
  }
  return std::nullopt;
}

QLatin1StringView BinyanName(int binyan) { return kBinyanNames[binyan - kFirstBinyan]; }

std::optional<int> BinyanOfName(QStringView name) {
  for (int binyan = kFirstBinyan; binyan <= kLastBinyan; ++binyan) {
    if (SameName(name, BinyanName(binyan))) return binyan;
  }
  return std::nullopt;
}

const std::array<FormPlace, dictionary::kFormCount>& FormPlaces() { return kFormPlaces; }

std::span<const QLatin1StringView> FormTenses() { return kTenses; }

std::optional<int> FormAt(QStringView tense, QStringView number, QStringView person) {
  for (std::size_t form = 0; form < kFormPlaces.size(); ++form) {
    const FormPlace& place = kFormPlaces[form];
    if (SameName(tense, place.Tense) && number == place.Number && person == place.Person) {
      return static_cast<int>(form);
    }
  }
  return std::nullopt;
}

}  // namespace exchange::kvtml
