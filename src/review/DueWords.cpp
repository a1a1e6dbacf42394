#include "review/DueWords.h"

#include <string>
#include <unordered_set>

#include "dictionary/Marks.h"
#include "dictionary/MeaningFields.h"
#include "store/Table.h"

namespace review {

namespace {

constexpr char kItemOrder[] = "item_index";

}  // namespace

DueWords FindDueWords(const dictionary::WordTables& tables, const CardStore& cards,
                      std::int64_t day, int newWords) {
  DueWords words{cards.DueMeanings(day), {}};
  if (newWords <= 0) return words;
  const std::vector<int> carded = cards.MeaningsWithCards();
  const std::unordered_set<int> known(carded.begin(), carded.end());
  store::Table& russian = tables.ru;
  russian.SetFiltered(false);
  const std::string order = russian.IndexName();
  dictionary::UseIndex(russian, kItemOrder);
  for (russian.First(); !russian.Eof(); russian.Next()) {
    const int key = russian.FieldByName(dictionary::kKeyField).AsInteger();
    if (known.count(key) != 0) continue;
    words.New.push_back(key);
    if (static_cast<int>(words.New.size()) == newWords) break;
  }
  dictionary::UseIndex(russian, order.c_str());
  return words;
}

int MarkDueWords(const dictionary::WordTables& tables, const DueWords& words) {
  std::vector<int> keys = words.Due;
  keys.insert(keys.end(), words.New.begin(), words.New.end());
  return dictionary::MarkMeanings(tables, keys);
}

int MarkDueWords(const dictionary::WordTables& tables, const CardStore& cards, std::int64_t day,
                 int newWords) {
  return MarkDueWords(tables, FindDueWords(tables, cards, day, newWords));
}

}  // namespace review
