#include "conjugation/FormText.h"

#include <vector>

#include "text/Codepage.h"
#include "text/InvertText.h"

namespace conjugation {
namespace {

enum class Kind { Literal, RootLetter, HireqYod };

struct Letter {
  QChar Char;
  Kind Type;
  int Position = -1;  // of a root letter
};

// Whether `letter` is a vowel letter that keeps a neighbouring consonantal `consonant` single: a
// vav for either, a yod for a yod.
bool KeepsSingle(const Letter& letter, QChar consonant) {
  if (letter.Type == Kind::RootLetter) return false;
  return letter.Char == u'ו' || (consonant == u'י' && letter.Char == u'י');
}

// Full spelling of a vav or yod of the root standing between two letters.
void WriteConsonantalVavYod(std::vector<Letter>& letters) {
  for (std::size_t i = 1; i + 1 < letters.size(); ++i) {
    const Letter current = letters[i];
    if (current.Type != Kind::RootLetter || (current.Char != u'ו' && current.Char != u'י')) {
      continue;
    }
    if (current.Char == u'י' && letters[i - 1].Type == Kind::HireqYod) {
      letters.erase(letters.begin() + static_cast<std::ptrdiff_t>(i - 1));
      --i;
      if (i == 0) continue;
    }
    if (KeepsSingle(letters[i - 1], current.Char) || KeepsSingle(letters[i + 1], current.Char)) {
      continue;
    }
    letters.insert(letters.begin() + static_cast<std::ptrdiff_t>(i), {current.Char, Kind::Literal});
    ++i;
  }
}

bool IsCyrillicVowel(QChar c) { return QStringView(u"аэиоуяеюы<").contains(c); }

QString RootSound(QChar letter, bool sin, bool hard, bool afterConsonant) {
  switch (letter.unicode()) {
    case u'א':
    case u'ע':
      return afterConsonant ? QStringLiteral("ъ") : QString();
    case u'ב':
      return hard ? QStringLiteral("б") : QStringLiteral("в");
    case u'כ':
      return hard ? QStringLiteral("к") : QStringLiteral("х");
    case u'פ':
      return hard ? QStringLiteral("п") : QStringLiteral("ф");
    case u'ש':
      return sin ? QStringLiteral("с") : QStringLiteral("ш");
    default:
      break;
  }
  constexpr std::u16string_view kLetters = u"גדהוזחטילמנסצקרת";
  constexpr std::u16string_view kSounds = u"гдхвзхтйлмнсцкрт";
  const auto at = kLetters.find(letter.unicode());
  return at == std::u16string_view::npos ? QString() : QString(QChar(kSounds[at]));
}

// Whether `letter` is the root's last letter and one that merges with the same letter of an
// ending.
bool IsMergingLast(const Root& root, QChar letter) {
  const QChar last = root.At(root.Size() - 1);
  return letter == last && (last == u'נ' || last == u'ת');
}

// A yod sound and the vowel after it are written as one letter: я, ю; and at the start of the
// word е.
QString JoinYod(QString hint) {
  hint.replace(QStringLiteral("йа"), QStringLiteral("я"));
  hint.replace(QStringLiteral("йу"), QStringLiteral("ю"));
  if (hint.startsWith(QStringLiteral("йэ"))) hint.replace(0, 2, QStringLiteral("е"));
  return hint;
}

// A л at the end of the word or before a consonant is written soft (ль), as every hint of the
// dictionary writes it; before the ъ of an alef or ayin it stays as it is (милъа<).
QString SoftenL(QString hint) {
  for (qsizetype i = 0; i < hint.size(); ++i) {
    if (hint[i] != u'л') continue;
    const bool beforeConsonant = i + 1 < hint.size() && hint[i + 1] != u'ь' &&
                                 hint[i + 1] != u'ъ' && hint[i + 1] != u'<' &&
                                 !IsCyrillicVowel(hint[i + 1]);
    if (i + 1 == hint.size() || beforeConsonant) hint.insert(i + 1, u'ь');
  }
  return hint;
}

}  // namespace

std::string SpellForm(const Root& root, const QString& spellingTemplate) {
  std::vector<Letter> letters;
  for (const QChar c : spellingTemplate) {
    if (c >= u'1' && c <= u'4') {
      const int position = c.unicode() - u'1';
      letters.push_back({root.At(position), Kind::RootLetter, position});
    } else if (c == u'Y') {
      letters.push_back({u'י', Kind::HireqYod});
    } else if (c == u'V') {
      letters.push_back({root.At(1), Kind::Literal});
    } else {
      letters.push_back({c, Kind::Literal});
    }
  }
  WriteConsonantalVavYod(letters);
  QString word;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    // A last root letter נ or ת meeting the same letter of an ending is written once (נתנו,
    // שבתי).
    if (i > 0 && letters[i].Type == Kind::Literal && letters[i - 1].Position == root.Size() - 1 &&
        letters[i].Char == letters[i - 1].Char && IsMergingLast(root, letters[i].Char)) {
      continue;
    }
    word += letters[i].Char;
  }
  if (!word.isEmpty()) word.back() = FinalForm(word.back());
  return text::InvertText(text::FromUnicode(word, text::Codepage::Win1255));
}

std::string PronounceForm(const Root& root, const QString& hintTemplate) {
  QString hint;
  enum class Hardness { Context, Hard, Soft } hardness = Hardness::Context;
  for (qsizetype i = 0; i < hintTemplate.size(); ++i) {
    const QChar c = hintTemplate[i];
    if (c == u'*') {
      hardness = Hardness::Hard;
    } else if (c == u'~') {
      hardness = Hardness::Soft;
    } else if (c == u'V') {
      hint += root.At(1) == u'ו' ? u'у' : u'и';
    } else if (c >= u'1' && c <= u'4') {
      const int position = c.unicode() - u'1';
      const bool afterConsonant = !hint.isEmpty() && !IsCyrillicVowel(hint.back());
      const bool hard = hardness == Hardness::Context ? hint.isEmpty() || afterConsonant
                                                      : hardness == Hardness::Hard;
      const QString sound = RootSound(root.At(position), root.Sin[position], hard, afterConsonant);
      hint += sound;
      hardness = Hardness::Context;
      if (position == root.Size() - 1 && IsMergingLast(root, root.At(position)) &&
          i + 1 < hintTemplate.size() && QString(hintTemplate[i + 1]) == sound) {
        ++i;
      }
    } else {
      hint += c;
    }
  }
  return text::FromUnicode(SoftenL(JoinYod(hint)), text::Codepage::Win1251);
}

}  // namespace conjugation
