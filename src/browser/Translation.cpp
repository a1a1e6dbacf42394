#include "browser/Translation.h"

#include <optional>

#include "text/SpeechText.h"

namespace browser {
namespace {

std::optional<std::string> ValueOf(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsString();
}

std::string SpeechTextOf(store::Table& table, Language language, const char* hintField) {
  return text::SpeechText(language, ValueOf(table, hintField), ValueOf(table, "Item"));
}

}  // namespace

StatusTexts MovePartners(const WordTables& tables, Language language) {
  const Roles roles = RolesOf(tables, language);
  const int firstKey = roles.self.FieldByName(roles.firstLink).AsInteger();
  const int secondKey = roles.self.FieldByName(roles.secondLink).AsInteger();
  UseIndex(roles.first, kIdIndex);
  roles.first.FindNearest(firstKey);
  UseIndex(roles.second, kIdIndex);
  roles.second.FindNearest(secondKey);
  return PartnerWords(roles);
}

std::vector<SpeechRequest> TranslationSpeech(const WordTables& tables, bool russianOn,
                                             bool hebrewOn, bool englishOn) {
  std::vector<SpeechRequest> requests;
  if (russianOn) {
    requests.push_back(
        {Language::Russian, SpeechTextOf(tables.ru, Language::Russian, "RussianSpeech")});
  }
  if (englishOn) {
    requests.push_back(
        {Language::English, SpeechTextOf(tables.en, Language::English, "EnglishSpeech")});
  }
  if (hebrewOn) {
    requests.push_back({Language::Hebrew, SpeechTextOf(tables.he, Language::Hebrew, "HebrSpeech")});
  }
  return requests;
}

}  // namespace browser
