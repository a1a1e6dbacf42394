#pragma once

// The templates of the 28 verb forms of one pattern and one kind of root, in the order of the
// verb-form list: present (4), past (10), future (10), imperative (3), verbal noun, in the
// template language of FormText.h.

#include <QString>
#include <array>

namespace conjugation {

inline constexpr int kFormCount = 28;

struct Paradigm {
  std::array<QString, kFormCount> Spelling;
  std::array<QString, kFormCount> Hint;
};

// The kinds of root with a paradigm of their own.
enum class Paradigms {
  PaalRegular,                // כתב: future with o
  PaalFutureA,                // למד: future with a
  PaalFirstHet,               // חשב
  PaalFirstAyin,              // עבד, and first א or ה
  PaalSecondGuttural,         // שאל, and נהג, whose nun stays before the guttural
  PaalThirdGuttural,          // פתח, שמע
  PaalThirdAleph,             // מצא
  PaalFirstYod,               // ישב: the yod drops in the future
  PaalFirstYodThirdGuttural,  // ידע
  PaalFirstYodThirdAleph,     // יצא
  PaalFirstNun,               // נפל: the nun drops in the future
  PaalFirstNunThirdGuttural,  // נסע, לקח: the first letter drops in the future
  PaalHollow,                 // קום, שים
  PaalFinalHe,                // קנה
  PaalFinalHeFirstGuttural,   // עשה
  PaalFinalHeSecondGuttural,  // ראה
  PaalWalk,                   // הלך: the he drops in the future
  PaalEat,                    // אכל, אמר: one alef in "I" (אוכל)
  PaalLove,                   // אהב: like אכל, with a vowel after the ה
  PaalGive,                   // נתן: the nun drops, and assimilates in the past (נתתי)
  PaalCome,                   // בוא: hollow with o in the future
  PaalBe,                     // היה: no present
  PaalCan,                    // יכל: future with u, no imperative and no verbal noun
  PielRegular,                // דבר
  PielFinalHe,                // נקה
  HifilRegular,               // הזמין
  HifilFinalHe,               // הפנה
  HifilHollow,                // הבין
  NifalRegular,               // נכנס
  NifalFinalHe,               // נבנה
  NifalFirstYod,              // נולד
  NifalHollow,                // נסוג
  PualRegular,                // דובר
  HufalRegular,               // הוזמן
  HitpaelRegular,             // התלבש
  HitpaelFinalHe,             // השתנה
  HitpaelHollow,              // התעורר: the last letter doubled after an o
};

// What weak letters change in the paradigm of their kind of root; any combination.
enum Change : unsigned {
  kNoChange = 0,
  kPielMiddleResh = 1u << 0,        // בירך, תיאר: no doubling, "e" after the first letter
  kPielThirdAleph = 1u << 1,        // מילא: "e" before the alef, verbal noun מילוי
  kGutturalGlide = 1u << 2,         // PIEL, HITPAEL final ח ע: a glide "a" before it (שילח)
  kThirdAleph = 1u << 3,            // a silent final alef after "e" (מצאת, הוצאתי)
  kHifilFirstNun = 1u << 4,         // הפיל: the nun drops and the next letter is doubled
  kHifilFirstYod = 1u << 5,         // הוריד: the yod becomes "o"
  kHifilFirstHet = 1u << 6,         // החליט
  kHifilFirstGuttural = 1u << 7,    // העמיד, and first א or ה
  kHifilSecondGuttural = 1u << 8,   // הראה: "e" after the he, "a" after the guttural
  kHifilThirdGuttural = 1u << 9,    // הבטיח
  kNifalFirstUndoubled = 1u << 10,  // first ר or a guttural: not doubled, "e" in the future
  kNifalFirstHet = 1u << 11,        // נחשב: "e" after the nun
  kNifalFirstGuttural = 1u << 12,   // נעלם, and first א ה: "e" after both
  kNifalSecondGuttural = 1u << 13,  // נשאר
  kNifalThirdGuttural = 1u << 14,   // נפתח
  kHitpaelSibilant = 1u << 15,      // הסתכל: ס ש צ ז change places with the ת
  kHitpaelAssimilated = 1u << 16,   // היטהר: ד ט ת take the place of the ת
  kPielMiddleAleph = 1u << 17,      // תיאר: the alef keeps an "a" (тэара<)
};

// The paradigm of a kind of root with the changes its weak letters make. `first` is the first
// root letter, which kHitpaelSibilant needs. With `fourLetters` the paradigm of PIEL, PUAL or
// HITPAEL is made for a four-letter root (תרגם, תורגם, התפלסף): the second and third letters
// stand where the doubled middle letter stood, and the "i" of an open syllable is no longer
// written.
Paradigm ParadigmOf(Paradigms kind, unsigned changes, QChar first, bool fourLetters = false);

}  // namespace conjugation
