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
  PaalSecondGuttural,         // שאל
  PaalThirdGuttural,          // פתח, שמע
  PaalThirdAleph,             // מצא
  PaalFirstYod,               // ישב: the yod drops in the future
  PaalFirstYodThirdGuttural,  // ידע
  PaalFirstYodThirdAleph,     // יצא
  PaalFirstNun,               // נפל: the nun drops in the future
  PaalHollow,                 // קום, שים
  PaalFinalHe,                // קנה
  PaalFinalHeFirstGuttural,   // עשה
  PaalFinalHeSecondGuttural,  // ראה
  PielRegular,                // דבר
  PielThirdGuttural,          // שלח
  PielFinalHe,                // נקה
  HifilRegular,               // הזמין
  HifilFirstNun,              // הפיל
  HifilFirstYod,              // הוריד
  HifilFirstHet,              // החליט
  HifilFirstAyin,             // העמיד
  HifilThirdGuttural,         // הבטיח
  HifilHollow,                // הבין
  NifalRegular,               // נכנס
  NifalSecondGuttural,        // נשאר
  NifalThirdGuttural,         // נפתח
  PualRegular,                // דובר
  HufalRegular,               // הוזמן
  HitpaelRegular,             // התלבש
  HitpaelSibilant,            // הסתכל: ס ש צ ז change places with the ת
  HitpaelThirdGuttural,       // התפתח
};

// The paradigm of a kind of root. `first` is the first root letter, which HitpaelSibilant needs.
// With `fourLetters` the paradigm of PIEL, PUAL or HITPAEL is made for a four-letter root
// (תרגם, תורגם, התפלסף): the second and third letters stand where the doubled middle letter
// stood, and the "i" of an open syllable is no longer written.
Paradigm ParadigmOf(Paradigms kind, QChar first, bool fourLetters = false);

}  // namespace conjugation
