#include "conjugation/Conjugate.h"

#include "conjugation/FormText.h"
#include "conjugation/Root.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace conjugation {
namespace {

// Irregular PAAL verbs with a paradigm of their own.
struct IrregularVerb {
  std::u16string_view root;
  Paradigms paradigm;
};
constexpr IrregularVerb kIrregularPaal[] = {
    {u"הלכ", Paradigms::PaalWalk}, {u"אכל", Paradigms::PaalEat},
    {u"אמר", Paradigms::PaalEat},  {u"אהב", Paradigms::PaalLove},
    {u"נתנ", Paradigms::PaalGive}, {u"לקח", Paradigms::PaalFirstNunThirdGuttural},
    {u"בוא", Paradigms::PaalCome}, {u"היה", Paradigms::PaalBe},
    {u"יכל", Paradigms::PaalCan},
};
// Irregular PAAL verbs the engine does not cover.
constexpr std::u16string_view kRefusedIrregularPaal[] = {u"אבד", u"אפה", u"אבה", u"חיה",
                                                         u"נשא", u"ירא", u"נטה"};
// PAAL verbs of regular roots whose future has "a" instead of "o" (ילמד).
constexpr std::u16string_view kPaalFutureA[] = {u"למד", u"לבש", u"שכב", u"גדל", u"רכב", u"קרב"};
// PAAL verbs with first letter yod that lose it in the future (ישב -> אשב).
constexpr std::u16string_view kPaalYodDrops[] = {u"ישב", u"ירד", u"ילד", u"ידע", u"יצא"};
// PAAL verbs with first letter nun before a letter that is not a guttural, which lose it in the
// future (נפל -> אפול).
constexpr std::u16string_view kPaalNunDrops[] = {u"נפל", u"נשכ", u"נדר"};
// HIFIL roots whose first yod is doubled into the next letter like a nun (הציע, הציג).
constexpr std::u16string_view kHifilYodAssimilates[] = {u"יצע", u"יצג", u"יצב", u"יצק", u"יצת"};
// HITPAEL roots whose middle vav is a consonant (התכוון) instead of the doubled last letter of
// a hollow root (התעורר).
constexpr std::u16string_view kHitpaelConsonantVav[] = {u"כונ"};

// Verbal nouns that are not the pattern's own noun of the root.
struct OwnNoun {
  Pattern pattern;
  std::u16string_view root;
  const char* spelling;  // reading order, UTF-8
  const char* hint;      // UTF-8
};
constexpr OwnNoun kOwnNouns[] = {
    {Pattern::Paal, u"עבד", "עבודה", "авода<"},   {Pattern::Paal, u"אהב", "אהבה", "ахава<"},
    {Pattern::Paal, u"עזר", "עזרה", "эзра<"},     {Pattern::Paal, u"צחק", "צחוק", "цхо<к"},
    {Pattern::Paal, u"פחד", "פחד", "па<хад"},     {Pattern::Paal, u"שנא", "שנאה", "синъа<"},
    {Pattern::Piel, u"שלמ", "תשלום", "ташлу<м"},  {Pattern::Piel, u"קבל", "קבלה", "кабала<"},
    {Pattern::Piel, u"ברכ", "ברכה", "браха<"},    {Pattern::Nifal, u"הנה", "הנאה", "ханаа<"},
    {Pattern::Hifil, u"עלה", "העלאה", "хаалаа<"}, {Pattern::Hifil, u"נכה", "הכאה", "хакаа<"},
    {Pattern::Hifil, u"רשה", "הרשאה", "харшаа<"},
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

// A kind of root and the changes its weak letters make.
struct Kind {
  Paradigms base;
  unsigned changes = kNoChange;
};

bool IsThirdGuttural(QChar c) { return c == u'ח' || c == u'ע'; }
bool IsSibilant(QChar c) { return QStringView(u"סשצז").contains(c); }
bool IsDentalStop(QChar c) { return c == u'ד' || c == u'ט' || c == u'ת'; }

Kind ClassifyPaal(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  for (const IrregularVerb& verb : kIrregularPaal) {
    if (QStringView(verb.root) == root.Letters) return {verb.paradigm};
  }
  if (Listed(kRefusedIrregularPaal, root.Letters)) {
    Refuse(root, Pattern::Paal, "the verb is irregular");
  }
  if (third == u'ה') {
    if (IsVavYod(first) || first == u'נ' || first == u'ח') {
      Refuse(root, Pattern::Paal, "a final he after a first yod, nun or het");
    }
    if (first == u'א' || first == u'ע' || first == u'ה')
      return {Paradigms::PaalFinalHeFirstGuttural};
    if (second == u'א' || second == u'ע') return {Paradigms::PaalFinalHeSecondGuttural};
    if (IsGuttural(second) || IsVavYod(second)) {
      Refuse(root, Pattern::Paal, "a final he after a middle he, het, vav or yod");
    }
    return {Paradigms::PaalFinalHe};
  }
  if (IsVavYod(second)) {
    if (IsGuttural(third) || IsVavYod(first) || first == u'נ') {
      Refuse(root, Pattern::Paal,
             "a middle vav or yod with a first yod or nun or a final guttural");
    }
    return {Paradigms::PaalHollow};
  }
  if (first == u'י') {
    if (!Listed(kPaalYodDrops, root.Letters)) {
      Refuse(root, Pattern::Paal,
             "a first yod; only ישב, ירד, ילד, ידע and יצא, which drop it, are covered");
    }
    if (IsThirdGuttural(third)) return {Paradigms::PaalFirstYodThirdGuttural};
    if (third == u'א') return {Paradigms::PaalFirstYodThirdAleph};
    return {Paradigms::PaalFirstYod};
  }
  // A first nun stays before a guttural (ינהג) and drops before a final ח or ע (יסע).
  if (first == u'נ' && !IsGuttural(second)) {
    if (IsThirdGuttural(third)) return {Paradigms::PaalFirstNunThirdGuttural};
    if (!Listed(kPaalNunDrops, root.Letters)) {
      Refuse(root, Pattern::Paal,
             "a first nun is kept or dropped verb by verb; only נפל, נשך and נדר are covered");
    }
    return {Paradigms::PaalFirstNun};
  }
  if (IsVavYod(first) || IsVavYod(third)) {
    Refuse(root, Pattern::Paal, "a first vav or a final vav or yod");
  }
  const bool firstGuttural = IsGuttural(first);
  const bool secondGuttural = IsGuttural(second);
  const bool thirdGuttural = IsThirdGuttural(third);
  if (firstGuttural + secondGuttural + thirdGuttural + (third == u'א') > 1) {
    Refuse(root, Pattern::Paal, "more than one guttural letter");
  }
  if (first == u'ח') return {Paradigms::PaalFirstHet};
  if (firstGuttural) return {Paradigms::PaalFirstAyin};
  if (secondGuttural) return {Paradigms::PaalSecondGuttural};
  if (thirdGuttural) return {Paradigms::PaalThirdGuttural};
  if (third == u'א') return {Paradigms::PaalThirdAleph};
  if (Listed(kPaalFutureA, root.Letters)) return {Paradigms::PaalFutureA};
  return {Paradigms::PaalRegular};
}

Kind ClassifyPiel(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  const bool middleResh = second == u'א' || second == u'ר';
  if (middleResh && IsGuttural(third)) {
    Refuse(root, Pattern::Piel, "a middle alef or resh together with a final guttural or he");
  }
  if (second == u'ו' && third != u'ה') Refuse(root, Pattern::Piel, "a middle vav");
  if (first == u'ו' || third == u'ו' || third == u'י') {
    Refuse(root, Pattern::Piel, "a first vav or a final vav or yod");
  }
  const unsigned changes = second == u'א'   ? kPielMiddleResh | kPielMiddleAleph
                           : second == u'ר' ? kPielMiddleResh
                                            : kNoChange;
  if (third == u'א') return {Paradigms::PielRegular, changes | kPielThirdAleph};
  if (third == u'ה') return {Paradigms::PielFinalHe, changes};
  if (IsThirdGuttural(third)) return {Paradigms::PielRegular, changes | kGutturalGlide};
  return {Paradigms::PielRegular, changes};
}

Kind ClassifyHifil(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (IsVavYod(third) || first == u'ו') {
    Refuse(root, Pattern::Hifil, "a first vav or a final vav or yod");
  }
  const unsigned thirdChange = third == u'א'            ? kThirdAleph
                               : IsThirdGuttural(third) ? kHifilThirdGuttural
                                                        : kNoChange;
  if (IsVavYod(second)) {
    if (IsGuttural(first) || first == u'נ' || first == u'י' || thirdChange == kHifilThirdGuttural ||
        third == u'ה') {
      Refuse(root, Pattern::Hifil,
             "a middle vav or yod with a first guttural, nun or yod or a final guttural or he");
    }
    return {Paradigms::HifilHollow, thirdChange};
  }
  Kind kind{third == u'ה' ? Paradigms::HifilFinalHe : Paradigms::HifilRegular, thirdChange};
  if (third == u'ה' && (second == u'א' || second == u'ע')) {
    if (IsGuttural(first)) Refuse(root, Pattern::Hifil, "three guttural letters");
    kind.changes |= kHifilSecondGuttural;
  }
  if (first == u'נ') {
    // Before a guttural the nun stays (הנהיג).
    if (!IsGuttural(second)) kind.changes |= kHifilFirstNun;
  } else if (first == u'י') {
    if (IsGuttural(second)) Refuse(root, Pattern::Hifil, "a first yod before a guttural");
    kind.changes |= Listed(kHifilYodAssimilates, root.Letters) ? kHifilFirstNun : kHifilFirstYod;
  } else if (first == u'ח') {
    kind.changes |= kHifilFirstHet;
  } else if (IsGuttural(first)) {
    kind.changes |= kHifilFirstGuttural;
  }
  return kind;
}

Kind ClassifyNifal(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (first == u'נ' || first == u'ו') Refuse(root, Pattern::Nifal, "a first nun or vav");
  if (IsVavYod(third)) Refuse(root, Pattern::Nifal, "a final vav or yod");
  const bool thirdGuttural = IsThirdGuttural(third);
  if (IsVavYod(second)) {
    if (first == u'י' || IsGuttural(first) || IsGuttural(third)) {
      Refuse(root, Pattern::Nifal,
             "a middle vav or yod with a first yod or guttural or a final guttural or he");
    }
    return {Paradigms::NifalHollow};
  }
  if (first == u'י') {
    if (IsGuttural(second) || third == u'ה' || third == u'א') {
      Refuse(root, Pattern::Nifal, "a first yod with a middle guttural or a final he or alef");
    }
    return {Paradigms::NifalFirstYod, thirdGuttural ? kNifalThirdGuttural : kNoChange};
  }
  if (IsGuttural(second) && (IsGuttural(first) || thirdGuttural || third == u'א')) {
    Refuse(root, Pattern::Nifal, "two guttural letters");
  }
  Kind kind{third == u'ה' ? Paradigms::NifalFinalHe : Paradigms::NifalRegular};
  if (third == u'א') kind.changes |= kThirdAleph;
  if (thirdGuttural) kind.changes |= kNifalThirdGuttural;
  if (IsGuttural(second)) kind.changes |= kNifalSecondGuttural;
  if (first == u'ר' || IsGuttural(first)) kind.changes |= kNifalFirstUndoubled;
  if (first == u'ח') {
    kind.changes |= kNifalFirstHet;
  } else if (IsGuttural(first)) {
    kind.changes |= kNifalFirstGuttural;
  }
  return kind;
}

Kind ClassifyHitpael(const Root& root) {
  const QChar first = root.At(0), second = root.At(1), third = root.At(2);
  if (IsVavYod(third) || first == u'ו') {
    Refuse(root, Pattern::Hitpael, "a first vav or a final vav or yod");
  }
  if (second == u'ו') {
    if (IsSibilant(first) || IsDentalStop(first) || IsGuttural(third)) {
      Refuse(root, Pattern::Hitpael,
             "a middle vav with a first sibilant, dalet, tet or tav or a final guttural or he");
    }
    if (Listed(kHitpaelConsonantVav, root.Letters)) return {Paradigms::HitpaelRegular};
    return {Paradigms::HitpaelHollow};
  }
  Kind kind{third == u'ה' ? Paradigms::HitpaelFinalHe : Paradigms::HitpaelRegular};
  if (third == u'א') kind.changes |= kThirdAleph;
  if (IsThirdGuttural(third)) {
    if (IsSibilant(first)) {
      Refuse(root, Pattern::Hitpael, "a first sibilant together with a final guttural");
    }
    kind.changes |= kGutturalGlide;
  }
  if (IsSibilant(first)) kind.changes |= kHitpaelSibilant;
  if (IsDentalStop(first)) kind.changes |= kHitpaelAssimilated;
  return kind;
}

// PUAL and HUFAL: regular roots only.
Kind ClassifyPassive(const Root& root, Pattern pattern) {
  for (int position = 0; position < 3; ++position) {
    const QChar letter = root.At(position);
    if (IsGuttural(letter) || IsVavYod(letter) || (position == 0 && letter == u'נ') ||
        (position == 1 && letter == u'ר')) {
      Refuse(root, pattern,
             "only roots without weak or guttural letters are covered in this pattern");
    }
  }
  return {pattern == Pattern::Pual ? Paradigms::PualRegular : Paradigms::HufalRegular};
}

// Four-letter roots: PIEL, PUAL and HITPAEL, with no vav, yod or final guttural.
Kind ClassifyFourLetters(const Root& root, Pattern pattern) {
  if (pattern != Pattern::Piel && pattern != Pattern::Pual && pattern != Pattern::Hitpael) {
    Refuse(root, pattern, "four-letter roots are conjugated only in PIEL, PUAL and HITPAEL");
  }
  for (int position = 0; position < 4; ++position) {
    if (IsVavYod(root.At(position)) || (position == 3 && IsGuttural(root.At(position)))) {
      Refuse(root, pattern, "a four-letter root with a vav or yod, or with a final guttural");
    }
  }
  const QChar first = root.At(0);
  if (pattern == Pattern::Piel) return {Paradigms::PielRegular};
  if (pattern == Pattern::Pual) return {Paradigms::PualRegular};
  return {Paradigms::HitpaelRegular, IsSibilant(first)     ? kHitpaelSibilant
                                     : IsDentalStop(first) ? kHitpaelAssimilated
                                                           : kNoChange};
}

Kind Classify(const Root& root, Pattern pattern) {
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
  return {Paradigms::PaalRegular};
}

}  // namespace

VerbForms Conjugate(std::string_view storedRoot, Pattern pattern) {
  const Root root = ParseStoredRoot(storedRoot);
  const Kind kind = Classify(root, pattern);
  const Paradigm paradigm = ParadigmOf(kind.base, kind.changes, root.At(0), root.Size() == 4);
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
