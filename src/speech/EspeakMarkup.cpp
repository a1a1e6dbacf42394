#include "speech/EspeakMarkup.h"

#include <QString>
#include <string_view>

namespace speech {

namespace {

constexpr char16_t kStressMark = u'<';
constexpr char16_t kHyphen = u'-';

bool IsCyrillic(char16_t c) { return c >= 0x0400 && c <= 0x04FF; }

struct Vowel {
  char16_t letter;
  std::string_view phoneme;
  bool iotated;  // е, ё, ю, я: soften the consonant before, or sound "j" after a vowel
};

constexpr Vowel kVowels[] = {
    {u'а', "a", false}, {u'о', "o", false}, {u'у', "u", false}, {u'ы', "y", false},
    {u'э', "E", false}, {u'и', "i", false}, {u'е', "e", true},  {u'ё', "o", true},
    {u'ю', "u", true},  {u'я', "a", true},
};

struct Consonant {
  char16_t letter;
  std::string_view phoneme;
  bool softens;  // has a soft variant "<phoneme>;"
};

constexpr Consonant kConsonants[] = {
    {u'б', "b", true},   {u'в', "v", true},   {u'г', "g", true},    {u'д', "d", true},
    {u'ж', "Z", false},  {u'з', "z", true},   {u'й', "j", false},   {u'к', "k", true},
    {u'л', "l", true},   {u'м', "m", true},   {u'н', "n", true},    {u'п', "p", true},
    {u'р', "r", true},   {u'с', "s", true},   {u'т', "t", true},    {u'ф', "f", true},
    {u'х', "x", true},   {u'ц', "ts", false}, {u'ч', "tS;", false}, {u'ш', "S", false},
    {u'щ', "S;", false},
};

const Vowel* FindVowel(char16_t c) {
  for (const Vowel& v : kVowels) {
    if (v.letter == c) return &v;
  }
  return nullptr;
}

const Consonant* FindConsonant(char16_t c) {
  for (const Consonant& k : kConsonants) {
    if (k.letter == c) return &k;
  }
  return nullptr;
}

char16_t Lower(char16_t c) { return QChar(c).toLower().unicode(); }

// A hyphen at `i` that stands between a Cyrillic word and the next Cyrillic letter: "кто<-то"
// is one word, read with one stress, not two words each stressed.
bool JoinsCyrillic(QStringView text, qsizetype i) {
  return text[i] == kHyphen && i + 1 < text.size() && IsCyrillic(text[i + 1].unicode());
}

bool HasStressAfterVowel(QStringView word) {
  for (qsizetype i = 1; i < word.size(); ++i) {
    if (word[i] == kStressMark && FindVowel(Lower(word[i - 1].unicode()))) return true;
  }
  return false;
}

// The phonemes of one Cyrillic word (letters, "<" and hyphens between letters). A hyphen joins
// the parts into one word with the stress where it is marked; after it the sounds start afresh,
// as at the start of a word.
std::string WordPhonemes(QStringView word, Reading reading) {
  std::string out;
  bool afterSoftenable = false;  // the last sound was a consonant with a soft variant
  bool afterConsonant = false;
  const auto soften = [&] {
    if (afterSoftenable) out += ';';
    afterSoftenable = false;
  };
  for (qsizetype i = 0; i < word.size(); ++i) {
    const char16_t c = Lower(word[i].unicode());
    if (c == kStressMark) continue;
    const bool stressed = i + 1 < word.size() && word[i + 1] == kStressMark;
    if (const Vowel* vowel = FindVowel(c)) {
      const bool soft = vowel->iotated || c == u'и';
      if (vowel->iotated && !afterConsonant) out += 'j';
      if (soft) soften();
      std::string_view phoneme = vowel->phoneme;
      if (reading == Reading::Natural && !stressed) {
        if (soft && (c == u'е' || c == u'я') && afterConsonant) {
          phoneme = "I";
        } else if (c == u'о' || c == u'а') {
          phoneme = "V";
        }
      }
      if (stressed) out += '\'';
      out += phoneme;
      afterSoftenable = afterConsonant = false;
    } else if (c == u'ь') {
      soften();
      afterConsonant = false;
    } else if (c == u'ъ' || c == kHyphen) {
      afterSoftenable = afterConsonant = false;
    } else if (const Consonant* consonant = FindConsonant(c)) {
      out += consonant->phoneme;
      afterSoftenable = consonant->softens;
      afterConsonant = true;
    }
  }
  return out;
}

void AppendPlain(std::string& out, QStringView text) {
  QString plain;
  plain.reserve(text.size());
  for (QChar c : text) {
    if (c == kStressMark) continue;
    if (c == u'[') c = u'(';
    if (c == u']') c = u')';
    if (c == QChar::Null) c = u' ';  // espeak-ng would stop reading at a zero character
    plain += c;
  }
  out += plain.toStdString();
}

}  // namespace

std::string EspeakMarkup(QStringView text, Reading reading) {
  std::string out;
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype start = i;
    if (IsCyrillic(text[i].unicode())) {
      while (i < text.size() &&
             (IsCyrillic(text[i].unicode()) || text[i] == kStressMark || JoinsCyrillic(text, i))) {
        ++i;
      }
      const QStringView word = text.sliced(start, i - start);
      if (reading == Reading::Transliteration || HasStressAfterVowel(word)) {
        out += "[[" + WordPhonemes(word, reading) + "]]";
      } else {
        AppendPlain(out, word);
      }
    } else {
      while (i < text.size() && !IsCyrillic(text[i].unicode())) ++i;
      AppendPlain(out, text.sliced(start, i - start));
    }
  }
  return out;
}

}  // namespace speech
