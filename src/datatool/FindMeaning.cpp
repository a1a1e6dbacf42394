#include "datatool/FindMeaning.h"

#include <QString>
#include <ostream>

#include "datatool/Commands.h"
#include "dictionary/Codes.h"
#include "dictionary/MeaningFields.h"
#include "store/DataModul.h"
#include "store/FieldCodec.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace datatool {
namespace {

using browser::SearchBox;
using dictionary::Language;

constexpr Language kLanguages[] = {Language::Russian, Language::Hebrew, Language::English};
constexpr const char* kLanguageNames[] = {"Russian", "Hebrew", "English"};

const char* NameOf(Language language) { return kLanguageNames[static_cast<int>(language) - 1]; }

std::optional<SearchBox> BoxOfOption(const std::string& option) {
  if (option == "--ru") return SearchBox::Russian;
  if (option == "--he") return SearchBox::HebrewWord;
  if (option == "--root") return SearchBox::HebrewRoot;
  if (option == "--en") return SearchBox::English;
  return std::nullopt;
}

// The box whose language the text's letters belong to.
SearchBox BoxOfText(const QString& text) {
  bool cyrillic = false;
  for (const QChar character : text) {
    if (character.script() == QChar::Script_Hebrew) return SearchBox::HebrewWord;
    cyrillic = cyrillic || character.script() == QChar::Script_Cyrillic;
  }
  return cyrillic ? SearchBox::Russian : SearchBox::English;
}

// A text field as UTF-8; a Hebrew word or root turned from display order into reading order.
std::string Utf8(const store::Field& field) {
  const text::Codepage codepage = store::CodepageOf(field.Encoding());
  const std::string bytes = field.AsString();
  return text::ToUtf8(codepage == text::Codepage::Win1255 ? text::InvertText(bytes) : bytes,
                      codepage);
}

// A code with its caption: "2 NOUN"; "-" when empty or missing, the bare number when it has no
// caption.
template <std::size_t N>
std::string Code(const std::optional<store::Field>& field,
                 const std::array<std::string_view, N>& captions) {
  if (!field || field->IsNull()) return "-";
  const int code = field->AsInteger();
  std::string text = std::to_string(code);
  if (code >= 0 && static_cast<std::size_t>(code) < N) text += " " + std::string(captions[code]);
  return text;
}

// The records of a meaning as the search left the three tables: the searched word's record, and
// each partner's when its table stands on the record the link names.
class FoundMeaning {
 public:
  FoundMeaning(const dictionary::WordTables& tables, Language searched) : tables_(tables) {
    // The partners come in the order of kLanguages.
    const dictionary::Roles roles = dictionary::RolesOf(tables, searched);
    const char* const links[] = {roles.firstLink, roles.secondLink};
    int partner = 0;
    for (const Language language : kLanguages) {
      if (language == searched) continue;
      const int key = roles.self.FieldByName(links[partner++]).AsInteger();
      store::Table& table = dictionary::TableOf(tables, language);
      if (table.IsEmpty() || table.FieldByName(dictionary::kKeyField).AsInteger() != key) {
        missing_[Slot(language)] = key;
      }
    }
  }

  // The record's field, or nothing when the language's record is missing.
  std::optional<store::Field> Field(Language language, const char* name) const {
    if (missing_[Slot(language)]) return std::nullopt;
    return dictionary::TableOf(tables_, language).FieldByName(name);
  }
  // The word: the text, or the key of the missing record.
  std::string Word(Language language) const {
    if (const auto item = Field(language, "Item")) return Utf8(*item);
    return "(missing: no record " + std::to_string(*missing_[Slot(language)]) + ")";
  }

 private:
  static int Slot(Language language) { return static_cast<int>(language) - 1; }

  dictionary::WordTables tables_;
  std::optional<int> missing_[3];  // by language: the key a link names that no record has
};

// "label: value", or "label:" for an empty value.
void Line(std::ostream& out, std::string_view label, const std::string& value) {
  out << label << ':' << (value.empty() ? "" : " ") << value << '\n';
}

void PrintMeaning(const FoundMeaning& meaning, Language searched, std::ostream& out) {
  const auto text = [&](Language language, const char* name) {
    const auto field = meaning.Field(language, name);
    return field ? Utf8(*field) : std::string("-");
  };
  for (const Language language : kLanguages) Line(out, NameOf(language), meaning.Word(language));
  Line(out, "Russian hint", text(Language::Russian, "RussianSpeech"));
  Line(out, "Hebrew hint", text(Language::Hebrew, "HebrSpeech"));
  Line(out, "English hint", text(Language::English, "EnglishSpeech"));
  Line(out, "Root", text(Language::Hebrew, "Root"));
  // Part of speech and theme are the same in the three records; the pattern is the Hebrew word's.
  Line(out, "Part of speech", Code(meaning.Field(searched, "Part"), dictionary::kPartCaptions));
  Line(out, "Theme", Code(meaning.Field(searched, "Topic"), dictionary::kThemeCaptions));
  Line(out, "Verb pattern",
       Code(meaning.Field(Language::Hebrew, "Binyan"), dictionary::kBinyanCaptions));
  std::string genders;
  for (const Language language : kLanguages) {
    if (!genders.empty()) genders += ", ";
    genders += std::string(NameOf(language)) + " " +
               Code(meaning.Field(language, "Sex"), dictionary::kSexCaptions);
  }
  Line(out, "Gender", genders);
  const bool marked =
      meaning.Field(searched, dictionary::kMarkField)->AsString() == dictionary::kMark;
  Line(out, "Marked", marked ? "yes" : "no");
}

}  // namespace

std::optional<FindRequest> ParseFindArguments(const std::vector<std::string>& arguments,
                                              std::string& problem) {
  FindRequest request;
  const std::optional<SearchBox> box =
      arguments.empty() ? std::nullopt : BoxOfOption(arguments.front());
  // One argument is the text, unless it is an option; two are an option and the text.
  if (arguments.size() != (box ? 2U : 1U)) {
    problem = "find takes an optional --ru, --he, --root or --en and one TEXT";
    return std::nullopt;
  }
  request.Text = arguments.back();
  if (request.Text.empty()) {
    problem = "TEXT is empty";
    return std::nullopt;
  }
  request.Box = box.value_or(BoxOfText(QString::fromStdString(request.Text)));
  return request;
}

int PrintFoundMeaning(TDataModul& data, const FindRequest& request, std::ostream& out,
                      std::ostream& err) {
  const dictionary::WordTables tables{data.RUTable(), data.HETable(), data.ENTable()};
  const Language language = browser::SearchedLanguage(request.Box);
  QString text = QString::fromStdString(request.Text);
  if (language == Language::Hebrew) {
    // A terminal gives reading order; the Hebrew boxes hold display order.
    text = text::ToUnicode(text::InvertText(text::FromUnicode(text, text::Codepage::Win1255)),
                           text::Codepage::Win1255);
  }
  const std::optional<browser::SearchResult> found = browser::RunSearch(tables, request.Box, text);
  if (!found || dictionary::TableOf(tables, language).IsEmpty()) {
    err << "vocamir-data: the dictionary holds no " << NameOf(language) << " words.\n";
    return kFailed;
  }
  if (!found->exact) {
    err << "vocamir-data: \"" << request.Text << "\" is not in the dictionary; the search stands "
        << "on the nearest word:\n";
  }
  PrintMeaning(FoundMeaning(tables, language), language, out);
  return found->exact ? kOk : kFailed;
}

}  // namespace datatool
