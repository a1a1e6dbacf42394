#include "exchange/DocumentScanner.h"

#include <algorithm>
#include <charconv>

#include "exchange/ExchangeError.h"
#include "exchange/FormNames.h"
#include "exchange/StressMarks.h"

namespace exchange {

enum class DocumentTag : unsigned char {
  // Context: no value of their own.
  WordRU,
  WordHE,
  WordEN,
  Spelling,
  Pronunciation,
  Present,
  Past,
  Future,
  Command,
  // Elements with a value.
  Item,
  Speech,
  Sex,
  Part,
  Topic,
  Shoresh,
  Binyan,
  Form,  // a person name of the current tense
  Process,
  // The end of a unit.
  UnitEnd,
};

namespace {

struct KnownTag {
  std::string_view Name;
  DocumentTag Tag;
};

// Sorted by name, for a binary search.
constexpr KnownTag kKnownTags[] = {
    {"/Unit", DocumentTag::UnitEnd},
    {"Anahnu", DocumentTag::Form},
    {"Ani", DocumentTag::Form},
    {"At", DocumentTag::Form},
    {"Ata", DocumentTag::Form},
    {"Atem", DocumentTag::Form},
    {"Aten", DocumentTag::Form},
    {"Binyan", DocumentTag::Binyan},
    {"Command", DocumentTag::Command},
    {"Future", DocumentTag::Future},
    {"Hem", DocumentTag::Form},
    {"Hen", DocumentTag::Form},
    {"Hi", DocumentTag::Form},
    {"Hu", DocumentTag::Form},
    {"Item", DocumentTag::Item},
    {"Nekiva", DocumentTag::Form},
    {"Part", DocumentTag::Part},
    {"Past", DocumentTag::Past},
    {"Present", DocumentTag::Present},
    {"Process", DocumentTag::Process},
    {"Pronunciation", DocumentTag::Pronunciation},
    {"Rabim", DocumentTag::Form},
    {"Rabot", DocumentTag::Form},
    {"Sex", DocumentTag::Sex},
    {"Shoresh", DocumentTag::Shoresh},
    {"Speech", DocumentTag::Speech},
    {"Spelling", DocumentTag::Spelling},
    {"Topic", DocumentTag::Topic},
    {"WordEN", DocumentTag::WordEN},
    {"WordHE", DocumentTag::WordHE},
    {"WordRU", DocumentTag::WordRU},
    {"Zahar", DocumentTag::Form},
};

constexpr bool ByName(const KnownTag& a, const KnownTag& b) { return a.Name < b.Name; }
static_assert(std::is_sorted(std::begin(kKnownTags), std::end(kKnownTags), ByName));

const KnownTag* Recognise(std::string_view text) {
  const auto found = std::lower_bound(
      std::begin(kKnownTags), std::end(kKnownTags), text,
      [](const KnownTag& known, std::string_view name) { return known.Name < name; });
  return found != std::end(kKnownTags) && found->Name == text ? found : nullptr;
}

bool HasValue(DocumentTag tag) { return tag >= DocumentTag::Item && tag < DocumentTag::UnitEnd; }

// What the user reads of a content that is not a code: printable ASCII, cut short.
std::string Printable(std::string_view content) {
  constexpr std::size_t kShown = 20;
  std::string shown;
  for (const char c : content.substr(0, kShown)) shown += c >= ' ' && c <= '~' ? c : '?';
  if (content.size() > kShown) shown += "...";
  return shown;
}

// A code element's content as a number; the codes are signed 8-bit values.
int Code(std::string_view name, std::string_view content) {
  int value = 0;
  const char* const end = content.data() + content.size();
  const auto [stop, error] = std::from_chars(content.data(), end, value);
  if (content.empty() || error != std::errc() || stop != end || value < -128 || value > 127) {
    throw ExchangeError("The element " + std::string(name) + " holds '" + Printable(content) +
                        "', which is not a whole number from -128 to 127.");
  }
  return value;
}

}  // namespace

const ExchangeUnit* DocumentScanner::NextUnit() {
  if (UnitReturned) {
    Unit = ExchangeUnit{};
    UnitReturned = false;
  }
  while (true) {
    const std::size_t open = Bytes.find('<', Pos);
    const std::size_t close = open == std::string_view::npos ? open : Bytes.find('>', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view text = Bytes.substr(open + 1, close - open - 1);
    Pos = close + 1;
    const KnownTag* known = Recognise(text);
    if (known == nullptr) continue;
    if (known->Tag == DocumentTag::UnitEnd) {
      UnitReturned = true;
      return &Unit;
    }
    if (!HasValue(known->Tag)) {
      SetContext(known->Tag);
      continue;
    }
    const std::size_t end = Bytes.find('<', Pos);
    if (end == std::string_view::npos) break;
    const std::string_view content = Bytes.substr(Pos, end - Pos);
    Pos = end;
    Store(known->Tag, known->Name, content);
  }
  Pos = Bytes.size();
  return nullptr;
}

void DocumentScanner::SetContext(DocumentTag tag) {
  switch (tag) {
    case DocumentTag::WordRU:
      CurrentLanguage = text::Language::Russian;
      break;
    case DocumentTag::WordHE:
      CurrentLanguage = text::Language::Hebrew;
      break;
    case DocumentTag::WordEN:
      CurrentLanguage = text::Language::English;
      break;
    case DocumentTag::Spelling:
      CurrentSection = Section::Spelling;
      break;
    case DocumentTag::Pronunciation:
      CurrentSection = Section::Pronunciation;
      break;
    case DocumentTag::Present:
      CurrentTense = 0;
      break;
    case DocumentTag::Past:
      CurrentTense = 1;
      break;
    case DocumentTag::Future:
      CurrentTense = 2;
      break;
    case DocumentTag::Command:
      CurrentTense = 3;
      break;
    default:
      break;
  }
}

void DocumentScanner::Store(DocumentTag tag, std::string_view name, std::string_view content) {
  ExchangeWord* word = CurrentLanguage ? &Unit.Words[*CurrentLanguage] : nullptr;
  switch (tag) {
    case DocumentTag::Item:
      if (word != nullptr) word->Item = content;
      break;
    case DocumentTag::Speech:
      if (word != nullptr) word->Speech = ConvertStressMarks(content, StressDirection::ToTables);
      break;
    case DocumentTag::Sex:
      if (word != nullptr) word->Sex = Code(name, content);
      break;
    case DocumentTag::Part:
      Unit.Part = Code(name, content);
      break;
    case DocumentTag::Topic:
      Unit.Topic = Code(name, content);
      break;
    case DocumentTag::Shoresh:
      Unit.Root = content;
      break;
    case DocumentTag::Binyan:
      Unit.Binyan = Code(name, content);
      break;
    case DocumentTag::Form:
      if (CurrentTense >= 0) {
        const auto forms = Tenses()[CurrentTense].Forms;
        const auto form = std::find_if(forms.begin(), forms.end(),
                                       [&](const FormName& f) { return f.Name == name; });
        if (form != forms.end()) SetForm(form->Position, content);
      }
      break;
    case DocumentTag::Process:
      SetForm(kProcessForm.Position, content);
      break;
    default:
      break;
  }
}

void DocumentScanner::SetForm(int position, std::string_view content) {
  switch (CurrentSection) {
    case Section::Spelling:
      Unit.Spelling[position - 1] = content;
      break;
    case Section::Pronunciation:
      Unit.Pronunciation[position - 1] = ConvertStressMarks(content, StressDirection::ToTables);
      break;
    case Section::None:
      break;
  }
}

}  // namespace exchange
