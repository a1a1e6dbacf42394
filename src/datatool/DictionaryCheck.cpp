#include "datatool/DictionaryCheck.h"

#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "datatool/BlankMeanings.h"
#include "dictionary/Codes.h"
#include "dictionary/MeaningFields.h"
#include "review/CardCheck.h"
#include "review/CardStore.h"
#include "store/DataModul.h"
#include "store/Schema.h"
#include "store/SqlitePersistence.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace datatool {
namespace {

std::optional<int> IntegerOf(store::Table& table, std::string_view field) {
  store::Field f = table.FieldByName(field);
  if (f.IsNull()) return std::nullopt;
  return f.AsInteger();
}

// The two links of one word record, by the language they point to.
struct Links {
  std::optional<int> First;
  std::optional<int> Second;
};

// Every record of `table` by its key, with its two link fields.
std::map<int, Links> ReadLinks(store::Table& table, std::string_view key, std::string_view first,
                               std::string_view second) {
  std::map<int, Links> links;
  table.SetFiltered(false);
  for (table.First(); !table.Eof(); table.Next()) {
    links[table.FieldByName(key).AsInteger()] = {IntegerOf(table, first), IntegerOf(table, second)};
  }
  return links;
}

struct Language {
  std::string_view Name;
  const std::map<int, Links>* Records;
};

// Checks that each record of `from` links to a record of `to` (through the link chosen by
// `viaFirst`) that links back to it (through `backFirst`).
void CheckLinks(const Language& from, const Language& to, bool viaFirst, bool backFirst,
                std::vector<std::string>& problems) {
  for (const auto& [id, links] : *from.Records) {
    const std::optional<int>& target = viaFirst ? links.First : links.Second;
    std::string word = std::string(from.Name) + " word " + std::to_string(id);
    if (!target) {
      problems.push_back(word + " has no " + std::string(to.Name) + " partner.");
      continue;
    }
    auto partner = to.Records->find(*target);
    if (partner == to.Records->end()) {
      problems.push_back(word + " names " + std::string(to.Name) + " word " +
                         std::to_string(*target) + ", which does not exist.");
      continue;
    }
    const std::optional<int>& back = backFirst ? partner->second.First : partner->second.Second;
    if (back != id) {
      problems.push_back(word + " names " + std::string(to.Name) + " word " +
                         std::to_string(*target) + ", which does not name it back.");
    }
  }
}

// Verb problems: a Hebrew verb without a GLTABLE record, or whose forms or pronunciations are
// missing.
void CheckVerbs(TDataModul& data, std::vector<std::string>& problems) {
  std::unordered_map<int, std::optional<int>> pronunciationsByVerb;
  std::unordered_map<int, bool> formsPresentByVerb;
  data.GLTABLE().SetFiltered(false);
  for (data.GLTABLE().First(); !data.GLTABLE().Eof(); data.GLTABLE().Next()) {
    std::optional<int> verb = IntegerOf(data.GLTABLE(), dictionary::kFormsToHebrew);
    if (!verb) continue;
    bool anyForm = false;
    for (int position = 1; position <= store::schema::kVerbFormCount; ++position) {
      if (!data.GLTABLE().Fields(position).AsString().empty()) anyForm = true;
    }
    pronunciationsByVerb[*verb] = IntegerOf(data.GLTABLE(), dictionary::kFormsToPronunciation);
    formsPresentByVerb[*verb] = anyForm;
  }
  std::unordered_set<int> nekudot;
  data.NekudotTable().SetFiltered(false);
  for (data.NekudotTable().First(); !data.NekudotTable().Eof(); data.NekudotTable().Next()) {
    nekudot.insert(data.NekudotTable().FieldByName(dictionary::kPronunciationKey).AsInteger());
  }

  store::Table& hebrew = data.HETable();
  hebrew.SetFiltered(false);
  for (hebrew.First(); !hebrew.Eof(); hebrew.Next()) {
    if (IntegerOf(hebrew, "Part") != dictionary::kPartVerb) continue;
    int id = hebrew.FieldByName(dictionary::kKeyField).AsInteger();
    std::string verb = "Hebrew verb " + std::to_string(id);
    auto forms = formsPresentByVerb.find(id);
    if (forms == formsPresentByVerb.end()) {
      problems.push_back(verb + " has no conjugation forms.");
      continue;
    }
    if (!forms->second) problems.push_back(verb + " has an empty conjugation table.");
    const std::optional<int>& pronunciations = pronunciationsByVerb[id];
    if (!pronunciations || !nekudot.count(*pronunciations)) {
      problems.push_back(verb + " has no pronunciations of its forms.");
    }
  }
}

std::string MeaningKeys(const BlankMeaning& keys) {
  return "Russian word " + std::to_string(keys.Russian) + ", Hebrew word " +
         std::to_string(keys.Hebrew) + " and English word " + std::to_string(keys.English);
}

// A word for the terminal (UTF-8, Hebrew in reading order), or "empty".
std::string WordOrEmpty(std::string_view word, text::Codepage codepage) {
  return word.empty() ? std::string("empty") : text::ToUtf8(word, codepage);
}

}  // namespace

std::vector<std::string> CheckDictionary(TDataModul& data, double retention) {
  using dictionary::kEnglishLinks, dictionary::kHebrewLinks, dictionary::kKeyField,
      dictionary::kRussianLinks;
  auto russian =
      ReadLinks(data.RUTable(), kKeyField, kRussianLinks.toHebrew, kRussianLinks.toEnglish);
  auto hebrew =
      ReadLinks(data.HETable(), kKeyField, kHebrewLinks.toRussian, kHebrewLinks.toEnglish);
  auto english =
      ReadLinks(data.ENTable(), kKeyField, kEnglishLinks.toRussian, kEnglishLinks.toHebrew);
  const Language ru{"Russian", &russian}, he{"Hebrew", &hebrew}, en{"English", &english};

  std::vector<std::string> problems;
  CheckLinks(ru, he, true, true, problems);
  CheckLinks(ru, en, false, true, problems);
  CheckLinks(he, ru, true, true, problems);
  CheckLinks(he, en, false, false, problems);
  CheckLinks(en, ru, true, false, problems);
  CheckLinks(en, he, false, false, problems);
  CheckVerbs(data, problems);
  for (const BlankMeaning& blank : FindBlankMeanings(data)) {
    problems.push_back(MeaningKeys(blank) + " are a blank meaning: all three words are empty.");
  }
  for (const IncompleteMeaning& meaning : FindIncompleteMeanings(data)) {
    problems.push_back(MeaningKeys(meaning.Keys) + " are an incomplete meaning: Russian " +
                       WordOrEmpty(meaning.Russian, text::Codepage::Win1251) + ", Hebrew " +
                       WordOrEmpty(text::InvertText(meaning.Hebrew), text::Codepage::Win1255) +
                       ", English " + WordOrEmpty(meaning.English, text::Codepage::Ascii) + ".");
  }
  store::SqlitePersistence& database = data.RUTable().Database();
  if (review::CardStore::Exists(database)) {
    std::unordered_set<int> meanings;
    for (const auto& [id, links] : russian) meanings.insert(id);
    for (std::string& problem : review::CheckCards(review::CardStore(database),
                                                   review::MemoryModel(retention), meanings)) {
      problems.push_back(std::move(problem));
    }
  }
  return problems;
}

}  // namespace datatool
