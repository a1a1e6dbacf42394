#include "text/KeyBox.h"

#include <iterator>

#include "text/Codepage.h"
#include "text/KeyMap.h"

namespace text {
namespace {

struct BoxRow {
  KeyBox box;
  std::string_view passThrough;
  std::optional<Language> fixedLanguage;  // nothing: the input language decides
};

constexpr std::string_view kRussianBox = "\b%&(";
constexpr std::string_view kHebrewWordBox = "\b%&'(";
constexpr std::string_view kFullStopBox = "\b.%&'(";

constexpr BoxRow kBoxRows[] = {
    {KeyBox::Edit3, kRussianBox, std::nullopt},
    {KeyBox::Memo1, kHebrewWordBox, std::nullopt},
    {KeyBox::Memo2, kHebrewWordBox, std::nullopt},
    {KeyBox::Edit1, kFullStopBox, std::nullopt},
    {KeyBox::DBEdit1, kRussianBox, std::nullopt},
    {KeyBox::DBMemo1, kHebrewWordBox, std::nullopt},
    {KeyBox::DBEdit3, kFullStopBox, std::nullopt},
    {KeyBox::DBMemo5, kFullStopBox, std::nullopt},
    {KeyBox::MemoShov, kFullStopBox, Language::Hebrew},
};

constexpr bool RowsFollowEnum() {
  for (int i = 0; i < static_cast<int>(std::size(kBoxRows)); ++i) {
    if (static_cast<int>(kBoxRows[i].box) != i) return false;
  }
  return std::size(kBoxRows) == static_cast<size_t>(KeyBox::MemoShov) + 1;
}
static_assert(RowsFollowEnum(), "one row per box, in the order of the enum");

const BoxRow& RowOf(KeyBox box) { return kBoxRows[static_cast<int>(box)]; }

std::optional<Language> LanguageOf(const BoxRow& row, std::optional<Language> inputLanguage) {
  return row.fixedLanguage ? row.fixedLanguage : inputLanguage;
}

}  // namespace

std::string_view PassThroughKeys(KeyBox box) { return RowOf(box).passThrough; }

std::optional<char> TypeKey(KeyBox box, std::optional<Language> inputLanguage, char key) {
  const BoxRow& row = RowOf(box);
  if (row.passThrough.find(key) != std::string_view::npos) return key;
  const std::optional<Language> language = LanguageOf(row, inputLanguage);
  if (!language) return std::nullopt;
  return KeyToLetter(key, *language);
}

std::optional<QChar> TypeKey(KeyBox box, std::optional<Language> inputLanguage, QChar typed) {
  const std::optional<unsigned char> key = UnicodeToByte(typed.unicode(), Codepage::Win1251);
  if (!key) return std::nullopt;
  const std::optional<char> result = TypeKey(box, inputLanguage, static_cast<char>(*key));
  if (!result) return std::nullopt;
  const std::optional<Language> language = LanguageOf(RowOf(box), inputLanguage);
  const Codepage codepage = language ? LetterCodepage(*language) : Codepage::Ascii;
  return QChar(ByteToUnicode(static_cast<unsigned char>(*result), codepage));
}

}  // namespace text
