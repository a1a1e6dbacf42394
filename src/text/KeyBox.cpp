#include "text/KeyBox.h"

#include <iterator>

#include "text/Codepage.h"
#include "text/KeyMap.h"

namespace text {
namespace {

struct BoxRow {
  KeyBox box;
  std::string_view passThrough;
  int fixedLanguage;  // 0: the input language decides
};

constexpr std::string_view kRussianBox = "\b%&(";
constexpr std::string_view kHebrewWordBox = "\b%&'(";
constexpr std::string_view kFullStopBox = "\b.%&'(";

constexpr BoxRow kBoxRows[] = {
    {KeyBox::Edit3, kRussianBox, 0},           {KeyBox::Memo1, kHebrewWordBox, 0},
    {KeyBox::Memo2, kHebrewWordBox, 0},        {KeyBox::Edit1, kFullStopBox, 0},
    {KeyBox::DBEdit1, kRussianBox, 0},         {KeyBox::DBMemo1, kHebrewWordBox, 0},
    {KeyBox::DBEdit3, kFullStopBox, 0},        {KeyBox::DBMemo5, kFullStopBox, 0},
    {KeyBox::MemoShov, kFullStopBox, kHebrew},
};

constexpr bool RowsFollowEnum() {
  for (int i = 0; i < static_cast<int>(std::size(kBoxRows)); ++i) {
    if (static_cast<int>(kBoxRows[i].box) != i) return false;
  }
  return std::size(kBoxRows) == static_cast<size_t>(KeyBox::MemoShov) + 1;
}
static_assert(RowsFollowEnum(), "one row per box, in the order of the enum");

const BoxRow& RowOf(KeyBox box) { return kBoxRows[static_cast<int>(box)]; }

int LanguageOf(const BoxRow& row, int inputLanguage) {
  return row.fixedLanguage != 0 ? row.fixedLanguage : inputLanguage;
}

}  // namespace

std::string_view PassThroughKeys(KeyBox box) { return RowOf(box).passThrough; }

std::optional<char> TypeKey(KeyBox box, int inputLanguage, char key) {
  const BoxRow& row = RowOf(box);
  if (row.passThrough.find(key) != std::string_view::npos) return key;
  return KeyToLetter(key, LanguageOf(row, inputLanguage));
}

std::optional<QChar> TypeKey(KeyBox box, int inputLanguage, QChar typed) {
  const std::optional<unsigned char> key = UnicodeToByte(typed.unicode(), Codepage::Win1251);
  if (!key) return std::nullopt;
  const std::optional<char> result = TypeKey(box, inputLanguage, static_cast<char>(*key));
  if (!result) return std::nullopt;
  const Codepage codepage = LetterCodepage(LanguageOf(RowOf(box), inputLanguage));
  return QChar(ByteToUnicode(static_cast<unsigned char>(*result), codepage));
}

}  // namespace text
