#include "datatool/DueWords.h"

#include <vector>

#include "dictionary/MeaningFields.h"
#include "dictionary/WordTables.h"
#include "review/DueWords.h"
#include "store/DataModul.h"
#include "text/Codepage.h"

namespace datatool {

void ReportDueWords(TDataModul& data, std::int64_t today, int newWords, bool mark,
                    std::ostream& out) {
  const dictionary::WordTables tables{data.RUTable(), data.HETable(), data.ENTable()};
  const review::CardStore cards(data.RUTable().Database());
  const std::int64_t dueCards = cards.DueCount(today);
  const review::DueWords words = review::FindDueWords(tables, cards, today, newWords);
  if (mark) {
    const int marked = review::MarkDueWords(tables, words);
    out << "Marked " << marked << " meanings: " << words.Due.size() << " due, " << words.New.size()
        << " new.\n";
    return;
  }
  store::Table& russian = tables.ru;
  dictionary::UseIndex(russian, dictionary::kIdIndex);
  for (const auto& [label, keys] :
       {std::pair{"due: ", &words.Due}, std::pair{"new: ", &words.New}}) {
    for (const int key : *keys) {
      if (!russian.FindKey(key)) continue;
      out << label << text::ToUtf8(russian.FieldByName("Item").AsString(), text::Codepage::Win1251)
          << "\n";
    }
  }
  out << "Due today: " << dueCards << " cards of " << words.Due.size() << " meanings; "
      << words.New.size() << " new words.\n";
}

}  // namespace datatool
