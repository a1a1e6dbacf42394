#include "conjugation/Conjugate.h"

#include "conjugation/FormText.h"
#include "conjugation/Root.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace conjugation {
namespace {

// Verbs whose forms follow no paradigm of the engine.
constexpr std::u16string_view kIrregularPaal[] = {u"הלכ", u"אכל", u"אמר", u"אבד", u"אפה",
                                                  u"אבה", u"נתנ", u"לקח", u"בוא", u"היה",
                                                  u"חיה", u"יכל", u"נשא", u"ירא", u"נטה"};
// PAAL verbs of regular roots whose future has "a" instead of "o" (ילמד).
constexpr std::u16string_view kPaalFutureA[] = {u"למד", u"לבש", u"שכב", u"גדל", u"רכב", u"קרב"};
// PAAL verbs with first letter yod that lose it in the future (ישב -> אשב).
constexpr std::u16string_view kPaalYodDrops[] = {u"ישב", u"ירד", u"ילד", u"ידע", u"יצא"};
// PAAL verbs with first letter nun that lose it in the future (נפל -> אפול).
constexpr std::u16string_view kPaalNunDrops[] = {u"נפל", u"נשכ", u"נדר"};

// Verbal nouns that are not the pattern's own noun of the root.
struct OwnNoun {
  Pattern pattern;
  std::u16string_view root;
  const char* spelling;  // reading order, UTF-8
  const char* hint;      // UTF-8
};
constexpr OwnNoun kOwnNouns[] = {
    {Pattern::Paal, u"עבד", "עבודה", "авода<"},
    {Pattern::Piel, u"שלמ", "תשלום", "ташлу<м"},
    {Pattern::Piel, u"קבל", "קבלה", "кабала<"},
};

template <std::size_t N>
bool Listed(const std::u16string_view (&list)[N], const QString& letters) {
  for (const std::u16string_view item : list) {
    if (QStringView(item) == letters) return true;
  }
  return false;
}

bool IsVavYod(QChar c) { return c == u'ו' || c == u'י'; }

[[noreturn]] void Refuse(const Root& root, Pattern pattern, const QString& why) {
  QString letters = root.Letters;
  letters.back() = FinalForm(letters.back());
  const QString text = QStringLiteral("The root %1 is not covered in %2: %3.")
                           .arg(letters, QString::fromLatin1(PatternName(pattern)), why);
  throw NotCovered(text.toStdString());
}

Paradigms ClassifyPaal(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (Listed(kIrregularPaal, root.Letters)) Refuse(root, Pattern::Paal, "the verb is irregular");
  if (third == u'ה') {
    if (IsVavYod(first) || first == u'נ' || first == u'ח') {
      Refuse(root, Pattern::Paal, "a final he after a first yod, nun or het");
    }
    if (first == u'א' || first == u'ע' || first == u'ה') return Paradigms::PaalFinalHeFirstGuttural;
    if (second == u'א' || second == u'ע') return Paradigms::PaalFinalHeSecondGuttural;
    if (IsGuttural(second) || IsVavYod(second)) {
      Refuse(root, Pattern::Paal, "a final he after a middle he, het, vav or yod");
    }
    return Paradigms::PaalFinalHe;
  }
  if (IsVavYod(second)) {
    if (IsGuttural(third) || IsVavYod(first) || first == u'נ') {
      Refuse(root, Pattern::Paal,
             "a middle vav or yod with a first yod or nun or a final guttural");
    }
    return Paradigms::PaalHollow;
  }
  if (first == u'י') {
    if (!Listed(kPaalYodDrops, root.Letters)) {
      Refuse(root, Pattern::Paal,
             "a first yod; only ישב, ירד, ילד, ידע and יצא, which drop it, are covered");
    }
    if (third == u'ע' || third == u'ח') return Paradigms::PaalFirstYodThirdGuttural;
    if (third == u'א') return Paradigms::PaalFirstYodThirdAleph;
    return Paradigms::PaalFirstYod;
  }
  if (first == u'נ') {
    if (!Listed(kPaalNunDrops, root.Letters)) {
      Refuse(root, Pattern::Paal,
             "a first nun is kept or dropped verb by verb; only נפל, נשך and נדר are covered");
    }
    return Paradigms::PaalFirstNun;
  }
  if (IsVavYod(first) || IsVavYod(third)) {
    Refuse(root, Pattern::Paal, "a first vav or a final vav or yod");
  }
  const bool firstGuttural = IsGuttural(first);
  const bool secondGuttural = IsGuttural(second);
  const bool thirdGuttural = third == u'ח' || third == u'ע';
  if (firstGuttural + secondGuttural + thirdGuttural + (third == u'א') > 1) {
    Refuse(root, Pattern::Paal, "more than one guttural letter");
  }
  if (first == u'ח') return Paradigms::PaalFirstHet;
  if (firstGuttural) return Paradigms::PaalFirstAyin;
  if (secondGuttural) return Paradigms::PaalSecondGuttural;
  if (thirdGuttural) return Paradigms::PaalThirdGuttural;
  if (third == u'א') return Paradigms::PaalThirdAleph;
  if (Listed(kPaalFutureA, root.Letters)) return Paradigms::PaalFutureA;
  return Paradigms::PaalRegular;
}

Paradigms ClassifyPiel(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (second == u'א' || second == u'ר') {
    Refuse(root, Pattern::Piel, "a middle alef or resh, which is not doubled");
  }
  if (second == u'ו' && third != u'ה') Refuse(root, Pattern::Piel, "a middle vav");
  if (third == u'א') Refuse(root, Pattern::Piel, "a final alef");
  if (first == u'ו' || third == u'ו' || third == u'י') {
    Refuse(root, Pattern::Piel, "a first vav or a final vav or yod");
  }
  if (third == u'ה') return Paradigms::PielFinalHe;
  if (third == u'ח' || third == u'ע') return Paradigms::PielThirdGuttural;
  return Paradigms::PielRegular;
}

Paradigms ClassifyHifil(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (third == u'ה' || third == u'א') Refuse(root, Pattern::Hifil, "a final he or alef");
  if (IsVavYod(third) || first == u'ו')
    Refuse(root, Pattern::Hifil, "a first vav or a final vav or yod");
  const bool thirdGuttural = third == u'ח' || third == u'ע';
  if (IsVavYod(second)) {
    if (IsGuttural(first) || first == u'נ' || first == u'י' || thirdGuttural) {
      Refuse(root, Pattern::Hifil,
             "a middle vav or yod with a first guttural, nun or yod or a final guttural");
    }
    return Paradigms::HifilHollow;
  }
  if ((first == u'נ' || first == u'י' || IsGuttural(first)) && thirdGuttural) {
    Refuse(root, Pattern::Hifil, "a weak first letter together with a final guttural");
  }
  if (first == u'נ') {
    if (IsGuttural(second)) return Paradigms::HifilRegular;
    return Paradigms::HifilFirstNun;
  }
  if (first == u'י') {
    if (IsGuttural(second)) Refuse(root, Pattern::Hifil, "a first yod before a guttural");
    return Paradigms::HifilFirstYod;
  }
  if (first == u'ח') return Paradigms::HifilFirstHet;
  if (IsGuttural(first)) return Paradigms::HifilFirstAyin;
  if (thirdGuttural) return Paradigms::HifilThirdGuttural;
  return Paradigms::HifilRegular;
}

Paradigms ClassifyNifal(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (first == u'נ' || IsVavYod(first)) Refuse(root, Pattern::Nifal, "a first nun, vav or yod");
  if (IsGuttural(first)) Refuse(root, Pattern::Nifal, "a first guttural, which is not doubled");
  if (IsVavYod(second)) Refuse(root, Pattern::Nifal, "a middle vav or yod");
  if (third == u'ה' || third == u'א' || IsVavYod(third)) {
    Refuse(root, Pattern::Nifal, "a final he, alef, vav or yod");
  }
  const bool thirdGuttural = third == u'ח' || third == u'ע';
  if (IsGuttural(second) && thirdGuttural) Refuse(root, Pattern::Nifal, "two guttural letters");
  if (IsGuttural(second)) return Paradigms::NifalSecondGuttural;
  if (thirdGuttural) return Paradigms::NifalThirdGuttural;
  return Paradigms::NifalRegular;
}

Paradigms ClassifyHitpael(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (first == u'ד' || first == u'ט' || first == u'ת') {
    Refuse(root, Pattern::Hitpael, "a first dalet, tet or tav, which merges with the ת");
  }
  if (second == u'ו') Refuse(root, Pattern::Hitpael, "a middle vav");
  if (third == u'ה' || third == u'א' || IsVavYod(third) || first == u'ו') {
    Refuse(root, Pattern::Hitpael, "a final he, alef, vav or yod, or a first vav");
  }
  if (third == u'ח' || third == u'ע') {
    if (QStringView(u"סשצז").contains(first)) {
      Refuse(root, Pattern::Hitpael, "a first sibilant together with a final guttural");
    }
    return Paradigms::HitpaelThirdGuttural;
  }
  if (QStringView(u"סשצז").contains(first)) return Paradigms::HitpaelSibilant;
  return Paradigms::HitpaelRegular;
}

// PUAL and HUFAL: regular roots only.
Paradigms ClassifyPassive(const Root& root, Pattern pattern) {
  for (int position = 0; position < 3; ++position) {
    const QChar letter = root.At(position);
    if (IsGuttural(letter) || IsVavYod(letter) || (position == 0 && letter == u'נ') ||
        (position == 1 && letter == u'ר')) {
      Refuse(root, pattern,
             "only roots without weak or guttural letters are covered in this pattern");
    }
  }
  return pattern == Pattern::Pual ? Paradigms::PualRegular : Paradigms::HufalRegular;
}

// Four-letter roots: PIEL, PUAL and HITPAEL, with no vav, yod or final guttural.
Paradigms ClassifyFourLetters(const Root& root, Pattern pattern) {
  if (pattern != Pattern::Piel && pattern != Pattern::Pual && pattern != Pattern::Hitpael) {
    Refuse(root, pattern, "four-letter roots are conjugated only in PIEL, PUAL and HITPAEL");
  }
  for (int position = 0; position < 4; ++position) {
    if (IsVavYod(root.At(position)) || (position == 3 && IsGuttural(root.At(position)))) {
      Refuse(root, pattern, "a four-letter root with a vav or yod, or with a final guttural");
    }
  }
  const QChar first = root.At(0);
  if (pattern == Pattern::Piel) return Paradigms::PielRegular;
  if (pattern == Pattern::Pual) return Paradigms::PualRegular;
  if (first == u'ד' || first == u'ט' || first == u'ת') {
    Refuse(root, pattern, "a first dalet, tet or tav, which merges with the ת");
  }
  return QStringView(u"סשצז").contains(first) ? Paradigms::HitpaelSibilant
                                              : Paradigms::HitpaelRegular;
}

Paradigms Classify(const Root& root, Pattern pattern) {
  if (root.Size() == 4) return ClassifyFourLetters(root, pattern);
  switch (pattern) {
    case Pattern::Paal:
      return ClassifyPaal(root);
    case Pattern::Piel:
      return ClassifyPiel(root);
    case Pattern::Hifil:
      return ClassifyHifil(root);
    case Pattern::Nifal:
      return ClassifyNifal(root);
    case Pattern::Pual:
    case Pattern::Hufal:
      return ClassifyPassive(root, pattern);
    case Pattern::Hitpael:
      return ClassifyHitpael(root);
  }
  return Paradigms::PaalRegular;
}

}  // namespace

VerbForms Conjugate(std::string_view storedRoot, Pattern pattern) {
  const Root root = ParseStoredRoot(storedRoot);
  const Paradigm paradigm = ParadigmOf(Classify(root, pattern), root.At(0), root.Size() == 4);
  VerbForms forms;
  for (int form = 0; form < kFormCount; ++form) {
    if (paradigm.Spelling[form].isEmpty()) continue;
    forms.Spelling[form] = SpellForm(root, paradigm.Spelling[form]);
    forms.Pronunciation[form] = PronounceForm(root, paradigm.Hint[form]);
  }
  for (const OwnNoun& noun : kOwnNouns) {
    if (noun.pattern == pattern && QStringView(noun.root) == root.Letters) {
      forms.Spelling[kFormCount - 1] =
          text::InvertText(text::FromUtf8(noun.spelling, text::Codepage::Win1255));
      forms.Pronunciation[kFormCount - 1] = text::FromUtf8(noun.hint, text::Codepage::Win1251);
    }
  }
  return forms;
}

}  // namespace conjugation
