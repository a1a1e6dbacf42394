#include "conjugation/Paradigm.h"

#include <QRegularExpression>
#include <QStringList>
#include <utility>

namespace conjugation {
namespace {

// Templates are written as 28 blank-separated items; "-" is a form the pattern does not have.
Paradigm Table(const char* spellings, const char* hints) {
  const QStringList spelling = QString::fromUtf8(spellings).split(u' ', Qt::SkipEmptyParts);
  const QStringList hint = QString::fromUtf8(hints).split(u' ', Qt::SkipEmptyParts);
  Q_ASSERT(spelling.size() == kFormCount && hint.size() == kFormCount);
  Paradigm paradigm;
  for (int form = 0; form < kFormCount; ++form) {
    paradigm.Spelling[form] = spelling[form] == u"-" ? QString() : spelling[form];
    paradigm.Hint[form] = hint[form] == u"-" ? QString() : hint[form];
  }
  return paradigm;
}

// Applies `pattern` -> `replacement` to every spelling (or hint) template.
void ReplaceAll(std::array<QString, kFormCount>& templates, const char* pattern,
                const char* replacement) {
  const QRegularExpression expression(QString::fromUtf8(pattern));
  for (QString& item : templates) item.replace(expression, QString::fromUtf8(replacement));
}

// The number of the first imperative form.
constexpr int kImperative = 24;

// A final guttural: the vowel before it becomes "a", or a glide "a" comes before it after "e",
// "i" or "u" at the end of the word.
Paradigm WithFinalGutturalGlide(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "([эиу])<3$", "\\1<а3");
  ReplaceAll(paradigm.Hint, "э<3эт$", "а<3ат");
  ReplaceAll(paradigm.Hint, "а<3т$", "а<3ат");
  return paradigm;
}

Paradigm PaalRegular() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
      "א12ו3 ת12ו3 ת123י י12ו3 ת12ו3 נ12ו3 ת123ו ת123ו י123ו י123ו 12ו3 123י 123ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1~2а3тэ<м 1~2а3тэ<н 1а2~3у< 1а2~3у< э12о<3 ти12о<3 ти12э3и< и12о<3 ти12о<3 ни12о<3 "
      "ти12э3у< ти12э3у< и12э3у< и12э3у< 1~2о<3 1и2~3и< 1и2~3у< 1~2и3а<");
}

// The future and imperative without the o vowel (אלמד, למד).
constexpr const char* kPaalSpellingFutureA =
    "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
    "א123 ת123 ת123י י123 ת123 נ123 ת123ו ת123ו י123ו י123ו 123 123י 123ו 12י3ה";

Paradigm PaalFutureA() {
  return Table(kPaalSpellingFutureA,
               "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< "
               "1а2а<3ну 1~2а3тэ<м 1~2а3тэ<н 1а2~3у< 1а2~3у< э12а<3 ти12а<3 ти12э3и< и12а<3 "
               "ти12а<3 ни12а<3 ти12э3у< ти12э3у< и12э3у< и12э3у< 1~2а<3 1и2~3и< 1и2~3у< "
               "1~2и3а<");
}

Paradigm PaalFirstHet() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
      "א12ו3 ת12ו3 ת123י י12ו3 ת12ו3 נ12ו3 ת123ו ת123ו י123ו י123ו 12ו3 123י 123ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1а2а3тэ<м 1а2а3тэ<н 1а2~3у< 1а2~3у< э12о<3 та12о<3 та12э3и< я12о<3 та12о<3 на12о<3 "
      "та12э3у< та12э3у< я12э3у< я12э3у< 1а2о<3 1и2~3и< 1и2~3у< 1а2и3а<");
}

Paradigm PaalFirstAyin() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
      "א12ו3 ת12ו3 ת123י י12ו3 ת12ו3 נ12ו3 ת123ו ת123ו י123ו י123ו 12ו3 123י 123ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1а2а3тэ<м 1а2а3тэ<н 1а2~3у< 1а2~3у< э1э2о<3 та1а2о<3 та1а2~3и< я1а2о<3 та1а2о<3 "
      "на1а2о<3 та1а2~3у< та1а2~3у< я1а2~3у< я1а2~3у< 1а2о<3 1и2~3и< 1и2~3у< 1а2и3а<");
}

Paradigm PaalSecondGuttural() {
  return Table(kPaalSpellingFutureA,
               "1о2э<3 1о2э<3эт 1о2а3и<м 1о2а3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2а3а< "
               "1а2а<3ну 1э2а3тэ<м 1э2а3тэ<н 1а2а3у< 1а2а3у< э12а<3 ти12а<3 ти12а3и< и12а<3 "
               "ти12а<3 ни12а<3 ти12а3у< ти12а3у< и12а3у< и12а3у< 1э2а<3 1а2а3и< 1а2а3у< "
               "1э2и3а<");
}

Paradigm PaalThirdGuttural() {
  return Table(kPaalSpellingFutureA,
               "1о2э<а3 1о2а<3ат 1о23и<м 1о23о<т 1а2а<3ти 1а2а<3та 1а2а<3ат 1а2а<3 1а23а< "
               "1а2а<3ну 1~2а3тэ<м 1~2а3тэ<н 1а23у< 1а23у< э12а<3 ти12а<3 ти12э3и< и12а<3 "
               "ти12а<3 ни12а<3 ти12э3у< ти12э3у< и12э3у< и12э3у< 1~2а<3 1и23и< 1и23у< "
               "1~2и3а<");
}

Paradigm PaalThirdAleph() {
  return Table(kPaalSpellingFutureA,
               "1о2э<3 1о2э<3т 1о23и<м 1о23о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а23а< "
               "1а2а<3ну 1~2а3тэ<м 1~2а3тэ<н 1а23у< 1а23у< э12а<3 ти12а<3 ти12э3и< и12а<3 "
               "ти12а<3 ни12а<3 ти12э3у< ти12э3у< и12э3у< и12э3у< 1~2а<3 1и23и< 1и23у< "
               "1~2и3а<");
}

// The yod of the root drops in the future and the imperative (אשב, שב).
constexpr const char* kPaalSpellingFirstYod =
    "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
    "א23 ת23 ת23י י23 ת23 נ23 ת23ו ת23ו י23ו י23ו 23 23י 23ו 12י3ה";

Paradigm PaalFirstYod() {
  return Table(kPaalSpellingFirstYod,
               "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< "
               "1а2а<3ну 1э2а3тэ<м 1э2а3тэ<н 1а2~3у< 1а2~3у< э2э<3 тэ2э<3 тэ2~3и< йэ2э<3 "
               "тэ2э<3 нэ2э<3 тэ2~3у< тэ2~3у< йэ2~3у< йэ2~3у< 2э<3 2~3и< 2~3у< 1э2и3а<");
}

Paradigm PaalFirstYodThirdGuttural() {
  return Table(kPaalSpellingFirstYod,
               "1о2э<а3 1о2а<3ат 1о23и<м 1о23о<т 1а2а<3ти 1а2а<3та 1а2а<3ат 1а2а<3 1а23а< "
               "1а2а<3ну 1э2а3тэ<м 1э2а3тэ<н 1а23у< 1а23у< э2а<3 тэ2а<3 тэ23и< йэ2а<3 тэ2а<3 "
               "нэ2а<3 тэ23у< тэ23у< йэ23у< йэ23у< 2а<3 23и< 23у< 1э2и3а<");
}

Paradigm PaalFirstYodThirdAleph() {
  return Table(kPaalSpellingFirstYod,
               "1о2э<3 1о2э<3т 1о23и<м 1о23о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а23а< "
               "1а2а<3ну 1э2а3тэ<м 1э2а3тэ<н 1а23у< 1а23у< э2э<3 тэ2э<3 тэ23и< йэ2э<3 тэ2э<3 "
               "нэ2э<3 тэ23у< тэ23у< йэ23у< йэ23у< 2э<3 23и< 23у< 1э2и3а<");
}

// The nun of the root drops in the future and the second letter is doubled (ייפול); the
// imperative keeps it (נפול).
Paradigm PaalFirstNun() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
      "א2ו3 תי2ו3 תי23י יי2ו3 תי2ו3 ני2ו3 תי23ו תי23ו יי23ו יי23ו 12ו3 123י 123ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1~2а3тэ<м 1~2а3тэ<н 1а2~3у< 1а2~3у< э*2о<3 ти*2о<3 ти*2э3и< и*2о<3 ти*2о<3 ни*2о<3 "
      "ти*2э3у< ти*2э3у< и*2э3у< и*2э3у< 1~2о<3 1и2~3и< 1и2~3у< 1~2и3а<");
}

Paradigm PaalHollow() {
  return Table(
      "13 13ה 13ים 13ות 13תי 13ת 13ת 13 13ה 13נו 13תם 13תן 13ו 13ו "
      "א1V3 ת1V3 ת1V3י י1V3 ת1V3 נ1V3 ת1V3ו ת1V3ו י1V3ו י1V3ו 1V3 1V3י 1V3ו 1י3ה",
      "1а<3 1а3а< 1а3и<м 1а3о<т 1а<3ти 1а<3та 1а<3т 1а<3 1а<3а 1а<3ну 1а3тэ<м 1а3тэ<н 1а<3у "
      "1а<3у а1V<3 та1V<3 та1V<3и я1V<3 та1V<3 на1V<3 та1V<3у та1V<3у я1V<3у я1V<3у 1V<3 "
      "1V<3и 1V<3у 1и3а<");
}

constexpr const char* kPaalSpellingFinalHe =
    "1ו2ה 1ו2ה 1ו2ים 1ו2ות 12יתי 12ית 12ית 12ה 12תה 12ינו 12יתם 12יתן 12ו 12ו "
    "א12ה ת12ה ת12י י12ה ת12ה נ12ה ת12ו ת12ו י12ו י12ו 12ה 12י 12ו 12ייה";

Paradigm PaalFinalHe() {
  return Table(kPaalSpellingFinalHe,
               "1о2э< 1о2а< 1о2и<м 1о2о<т 1а2и<ти 1а2и<та 1а2и<т 1а2а< 1а2та< 1а2и<ну 1~2итэ<м "
               "1~2итэ<н 1а2у< 1а2у< э12э< ти12э< ти12и< и12э< ти12э< ни12э< ти12у< ти12у< и12у< "
               "и12у< 1~2э< 1~2и< 1~2у< 1~2ия<");
}

Paradigm PaalFinalHeFirstGuttural() {
  return Table(kPaalSpellingFinalHe,
               "1о2э< 1о2а< 1о2и<м 1о2о<т 1а2и<ти 1а2и<та 1а2и<т 1а2а< 1а2та< 1а2и<ну 1а2итэ<м "
               "1а2итэ<н 1а2у< 1а2у< э1э2э< та1а2э< та1а2и< я1а2э< та1а2э< на1а2э< та1а2у< "
               "та1а2у< я1а2у< я1а2у< 1а2э< 1а2и< 1а2у< 1а2ия<");
}

Paradigm PaalFinalHeSecondGuttural() {
  return Table(kPaalSpellingFinalHe,
               "1о2э< 1о2а< 1о2и<м 1о2о<т 1а2и<ти 1а2и<та 1а2и<т 1а2а< 1а2ата< 1а2и<ну 1э2итэ<м "
               "1э2итэ<н 1а2у< 1а2у< э12э< ти12э< ти12и< и12э< ти12э< ни12э< ти12у< ти12у< и12у< "
               "и12у< 1э2э< 1э2и< 1э2у< 1э2ия<");
}

// The first letter drops in the future and in the imperative, and the last is a guttural
// (אסע, סע; also לקח: אקח, קח).
constexpr const char* kPaalSpellingFirstDrops =
    "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
    "א23 תי23 תי23י יי23 תי23 ני23 תי23ו תי23ו יי23ו יי23ו 23 23י 23ו 12י3ה";

Paradigm PaalFirstNunThirdGuttural() {
  return Table(kPaalSpellingFirstDrops,
               "1о2э<а3 1о2а<3ат 1о23и<м 1о23о<т 1а2а<3ти 1а2а<3та 1а2а<3ат 1а2а<3 1а23а< "
               "1а2а<3ну 1~2а3тэ<м 1~2а3тэ<н 1а23у< 1а23у< э*2а<3 ти*2а<3 ти*23и< и*2а<3 "
               "ти*2а<3 ни*2а<3 ти*23у< ти*23у< и*23у< и*23у< *2а<3 *23и< *23у< 1~2и3а<");
}

// הלך: present and past of a first he, future and imperative of a dropped first yod (אלך, לך).
Paradigm PaalWalk() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
      "א23 ת23 ת23י י23 ת23 נ23 ת23ו ת23ו י23ו י23ו 23 23י 23ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1а2а3тэ<м 1а2а3тэ<н 1а2~3у< 1а2~3у< э2э<3 тэ2э<3 тэ2~3и< йэ2э<3 тэ2э<3 нэ2э<3 тэ2~3у< "
      "тэ2~3у< йэ2~3у< йэ2~3у< 2э<3 2э3и< 2э3у< 1а2и3а<");
}

// אכל, אמר: the future has "o" after a silent alef, and "I" writes one alef (אוכל).
Paradigm PaalEat() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 123תי 123ת 123ת 123 123ה 123נו 123תם 123תן 123ו 123ו "
      "או23 ת123 ת123י י123 ת123 נ123 ת123ו ת123ו י123ו י123ו 12ו3 123י 123ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<3ти 1а2а<3та 1а2а<3т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1а2а3тэ<м 1а2а3тэ<н 1а2~3у< 1а2~3у< о2а<3 то2а<3 то2~3и< йо2а<3 то2а<3 но2а<3 "
      "то2~3у< то2~3у< йо2~3у< йо2~3у< э2о<3 и2~3и< и2~3у< 1а2и3а<");
}

// אהב: like אכל, with a vowel after the ה where אכל has none, and the imperative אהב.
Paradigm PaalLove() {
  Paradigm paradigm = PaalEat();
  ReplaceAll(paradigm.Hint, "2~3", "2а3");
  const char* const imperative[3][2] = {{"123", "э2а<3"}, {"123י", "э2э3и<"}, {"123ו", "э2э3у<"}};
  for (int person = 0; person < 3; ++person) {
    paradigm.Spelling[kImperative + person] = QString::fromUtf8(imperative[person][0]);
    paradigm.Hint[kImperative + person] = QString::fromUtf8(imperative[person][1]);
  }
  return paradigm;
}

// נתן: the first nun drops in the future and imperative, the last one merges with the ת of the
// past (נתתי).
Paradigm PaalGive() {
  return Table(
      "1ו23 1ו23ת 1ו23ים 1ו23ות 12תי 12ת 12ת 123 123ה 123נו 12תם 12תן 123ו 123ו "
      "א23 תי23 תי23י יי23 תי23 ני23 תי23ו תי23ו יי23ו יי23ו 23 23י 23ו 12י3ה",
      "1о2э<3 1о2э<3эт 1о2~3и<м 1о2~3о<т 1а2а<ти 1а2а<та 1а2а<т 1а2а<3 1а2~3а< 1а2а<3ну "
      "1~2атэ<м 1~2атэ<н 1а2~3у< 1а2~3у< э2э<3 ти2э<3 ти2~3и< и2э<3 ти2э<3 ни2э<3 ти2~3у< "
      "ти2~3у< и2~3у< и2~3у< 2э<3 2~3и< 2~3у< 1~2и3а<");
}

// היה: Modern Hebrew has no present; the four present forms stay empty. Its yod is never written
// double (היה, יהיה).
Paradigm PaalBe() {
  return Table(
      "- - - - 1ייתי 1יית 1יית 1יה 1ייתה 1יינו 1ייתם 1ייתן 1יו 1יו "
      "א1יה ת1יה ת1יי י1יה ת1יה נ1יה ת1יו ת1יו י1יו י1יו 1יה 1יי 1יו 1וויה",
      "- - - - 1аи<ти 1аи<та 1аи<т 1ая< 1айта< 1аи<ну 1эитэ<м 1эитэ<н 1аю< 1аю< э12э< ти12э< "
      "ти12и< и12э< ти12э< ни12э< ти12у< ти12у< и12у< и12у< 1э2э< 1а2и< 1а2у< 1ава2а<");
}

// יכל: "o" after the middle letter in the present and past, "u" in the future; no imperative
// and no verbal noun.
Paradigm PaalCan() {
  return Table(
      "12ו3 12ו3ה 12ו3ים 12ו3ות 12ו3תי 12ו3ת 12ו3ת 12ו3 123ה 12ו3נו 12ו3תם 12ו3תן 123ו 123ו "
      "או23 תו23 תו23י יו23 תו23 נו23 תו23ו תו23ו יו23ו יו23ו - - - -",
      "1а2о<3 1э2о3а< 1э2о3и<м 1э2о3о<т 1а2о<3ти 1а2о<3та 1а2о<3т 1а2о<3 1а2~3а< 1а2о<3ну "
      "1э2о3тэ<м 1э2о3тэ<н 1а2~3у< 1а2~3у< у2а<3 ту2а<3 ту2~3и< ю2а<3 ту2а<3 ну2а<3 ту2~3у< "
      "ту2~3у< ю2~3у< ю2~3у< - - - -");
}

Paradigm PielRegular() {
  return Table(
      "מ123 מ123ת מ123ים מ123ות 1Y23תי 1Y23ת 1Y23ת 1Y23 1Y23ה 1Y23נו 1Y23תם 1Y23תן 1Y23ו "
      "1Y23ו א123 ת123 ת123י י123 ת123 נ123 ת123ו ת123ו י123ו י123ו 123 123י 123ו 1Y2ו3",
      "мэ1а*2э<3 мэ1а*2э<3эт мэ1а*2~3и<м мэ1а*2~3о<т 1и*2а<3ти 1и*2а<3та 1и*2а<3т 1и*2э<3 "
      "1и*2~3а< 1и*2а<3ну 1и*2а3тэ<м 1и*2а3тэ<н 1и*2~3у< 1и*2~3у< а1а*2э<3 тэ1а*2э<3 "
      "тэ1а*2~3и< йэ1а*2э<3 тэ1а*2э<3 нэ1а*2э<3 тэ1а*2~3у< тэ1а*2~3у< йэ1а*2~3у< "
      "йэ1а*2~3у< 1а*2э<3 1а*2~3и< 1а*2~3у< 1и*2у<3");
}

Paradigm PielFinalHe() {
  return Table(
      "מ12ה מ12ה מ12ים מ12ות 1Y2יתי 1Y2ית 1Y2ית 1Y2ה 1Y2תה 1Y2ינו 1Y2יתם 1Y2יתן 1Y2ו 1Y2ו "
      "א12ה ת12ה ת12י י12ה ת12ה נ12ה ת12ו ת12ו י12ו י12ו 12ה 12י 12ו 1Y2וי",
      "мэ1а*2э< мэ1а*2а< мэ1а*2и<м мэ1а*2о<т 1и*2и<ти 1и*2и<та 1и*2и<т 1и*2а< 1и*2та< "
      "1и*2и<ну 1и*2итэ<м 1и*2итэ<н 1и*2у< 1и*2у< а1а*2э< тэ1а*2э< тэ1а*2и< йэ1а*2э< "
      "тэ1а*2э< нэ1а*2э< тэ1а*2у< тэ1а*2у< йэ1а*2у< йэ1а*2у< 1а*2э< 1а*2и< 1а*2у< 1и*2у<й");
}

Paradigm HifilRegular() {
  return Table(
      "מ12י3 מ12י3ה מ12י3ים מ12י3ות ה123תי ה123ת ה123ת ה12י3 ה12י3ה ה123נו ה123תם ה123תן "
      "ה12י3ו ה12י3ו א12י3 ת12י3 ת12י3י י12י3 ת12י3 נ12י3 ת12י3ו ת12י3ו י12י3ו י12י3ו ה123 "
      "ה12י3י ה12י3ו ה123ה",
      "ма12и<3 ма12и3а< ма12и3и<м ма12и3о<т хи12а<3ти хи12а<3та хи12а<3т хи12и<3 хи12и<3а "
      "хи12а<3ну хи12а3тэ<м хи12а3тэ<н хи12и<3у хи12и<3у а12и<3 та12и<3 та12и<3и я12и<3 "
      "та12и<3 на12и<3 та12и<3у та12и<3у я12и<3у я12и<3у ха12э<3 ха12и<3и ха12и<3у "
      "ха12а3а<");
}

Paradigm HifilFinalHe() {
  return Table(
      "מ12ה מ12ה מ12ים מ12ות ה12יתי ה12ית ה12ית ה12ה ה12תה ה12ינו ה12יתם ה12יתן ה12ו ה12ו "
      "א12ה ת12ה ת12י י12ה ת12ה נ12ה ת12ו ת12ו י12ו י12ו ה12ה ה12י ה12ו ה12יה",
      "ма12э< ма12а< ма12и<м ма12о<т хи12э<ти хи12э<та хи12э<т хи12а< хи12эта< хи12э<ну "
      "хи12этэ<м хи12этэ<н хи12у< хи12у< а12э< та12э< та12и< я12э< та12э< на12э< та12у< "
      "та12у< я12у< я12у< ха12э< ха12и< ха12у< ха12ая<");
}

Paradigm HifilHollow() {
  return Table(
      "מ1י3 מ1י3ה מ1י3ים מ1י3ות ה13תי ה13ת ה13ת ה1י3 ה1י3ה ה13נו ה13תם ה13תן ה1י3ו ה1י3ו "
      "א1י3 ת1י3 ת1י3י י1י3 ת1י3 נ1י3 ת1י3ו ת1י3ו י1י3ו י1י3ו ה13 ה1י3י ה1י3ו ה13ה",
      "мэ1и<3 мэ1и3а< мэ1и3и<м мэ1и3о<т хэ1а<3ти хэ1а<3та хэ1а<3т хэ1и<3 хэ1и<3а хэ1а<3ну "
      "хэ1а3тэ<м хэ1а3тэ<н хэ1и<3у хэ1и<3у а1и<3 та1и<3 та1и<3и я1и<3 та1и<3 на1и<3 "
      "та1и<3у та1и<3у я1и<3у я1и<3у ха1э<3 ха1и<3и ха1и<3у ха1а3а<");
}

Paradigm NifalRegular() {
  return Table(
      "נ123 נ123ת נ123ים נ123ות נ123תי נ123ת נ123ת נ123 נ123ה נ123נו נ123תם נ123תן נ123ו "
      "נ123ו א123 תי123 תי123י יי123 תי123 ני123 תי123ו תי123ו יי123ו יי123ו הי123 הי123י "
      "הי123ו הי123ות",
      "ни12а<3 ни12э<3эт ни12а3и<м ни12а3о<т ни12а<3ти ни12а<3та ни12а<3т ни12а<3 ни12э3а< "
      "ни12а<3ну ни12а3тэ<м ни12а3тэ<н ни12э3у< ни12э3у< э*1а2э<3 ти*1а2э<3 ти*1а2~3и< "
      "и*1а2э<3 ти*1а2э<3 ни*1а2э<3 ти*1а2~3у< ти*1а2~3у< и*1а2~3у< и*1а2~3у< хи*1а2э<3 "
      "хи*1а2~3и< хи*1а2~3у< хи*1а2~3у<т");
}

Paradigm NifalFinalHe() {
  return Table(
      "נ12ה נ12ית נ12ים נ12ות נ12יתי נ12ית נ12ית נ12ה נ12תה נ12ינו נ12יתם נ12יתן נ12ו נ12ו "
      "א12ה תי12ה תי12י יי12ה תי12ה ני12ה תי12ו תי12ו יי12ו יי12ו הי12ה הי12י הי12ו הי12ות",
      "ни12э< ни12э<йт ни12и<м ни12о<т ни12э<ти ни12э<та ни12э<т ни12а< ни12эта< ни12э<ну "
      "ни12этэ<м ни12этэ<н ни12у< ни12у< э*1а2э< ти*1а2э< ти*1а2и< и*1а2э< ти*1а2э< "
      "ни*1а2э< ти*1а2у< ти*1а2у< и*1а2у< и*1а2у< хи*1а2э< хи*1а2и< хи*1а2у< хи*1а2у<т");
}

// The yod of the root is "o" after the nun, and a doubled vav in the future (נולד, ייוולד).
Paradigm NifalFirstYod() {
  return Table(
      "נו23 נו23ת נו23ים נו23ות נו23תי נו23ת נו23ת נו23 נו23ה נו23נו נו23תם נו23תן נו23ו "
      "נו23ו איוו23 תיוו23 תיוו23י ייוו23 תיוו23 ניוו23 תיוו23ו תיוו23ו ייוו23ו ייוו23ו היוו23 "
      "היוו23י היוו23ו היוו23ות",
      "но2а<3 но2э<3эт но2а3и<м но2а3о<т но2а<3ти но2а<3та но2а<3т но2а<3 но2~3а< но2а<3ну "
      "но2а3тэ<м но2а3тэ<н но2~3у< но2~3у< ива2э<3 тива2э<3 тива2~3и< ива2э<3 тива2э<3 "
      "нива2э<3 тива2~3у< тива2~3у< ива2~3у< ива2~3у< хива2э<3 хива2~3и< хива2~3у< "
      "хива2~3у<т");
}

// A middle vav or yod: "o" throughout (נסוג, ייסוג).
Paradigm NifalHollow() {
  return Table(
      "נ1ו3 נ1ו3ה נ1ו3ים נ1ו3ות נ1ו3תי נ1ו3ת נ1ו3ת נ1ו3 נ1ו3ה נ1ו3נו נ1ו3תם נ1ו3תן נ1ו3ו "
      "נ1ו3ו א1ו3 תי1ו3 תי1ו3י יי1ו3 תי1ו3 ני1ו3 תי1ו3ו תי1ו3ו יי1ו3ו יי1ו3ו הי1ו3 הי1ו3י "
      "הי1ו3ו הי1ו3ות",
      "на1о<3 н1о3а< н1о3и<м н1о3о<т на1о<3ти на1о<3та на1о<3т на1о<3 на1о<3а на1о<3ну "
      "на1о3тэ<м на1о3тэ<н на1о<3у на1о<3у э*1о<3 ти*1о<3 ти*1о<3и и*1о<3 ти*1о<3 ни*1о<3 "
      "ти*1о<3у ти*1о<3у и*1о<3у и*1о<3у хи*1о<3 хи*1о<3и хи*1о<3у хи*1о3у<т");
}

Paradigm PualRegular() {
  return Table(
      "מ1ו23 מ1ו23ת מ1ו23ים מ1ו23ות 1ו23תי 1ו23ת 1ו23ת 1ו23 1ו23ה 1ו23נו 1ו23תם 1ו23תן "
      "1ו23ו 1ו23ו א1ו23 ת1ו23 ת1ו23י י1ו23 ת1ו23 נ1ו23 ת1ו23ו ת1ו23ו י1ו23ו י1ו23ו - - - -",
      "мэ1у*2а<3 мэ1у*2э<3эт мэ1у*2а3и<м мэ1у*2а3о<т 1у*2а<3ти 1у*2а<3та 1у*2а<3т 1у*2а<3 "
      "1у*2~3а< 1у*2а<3ну 1у*2а3тэ<м 1у*2а3тэ<н 1у*2~3у< 1у*2~3у< а1у*2а<3 тэ1у*2а<3 "
      "тэ1у*2~3и< йэ1у*2а<3 тэ1у*2а<3 нэ1у*2а<3 тэ1у*2~3у< тэ1у*2~3у< йэ1у*2~3у< "
      "йэ1у*2~3у< - - - -");
}

Paradigm HufalRegular() {
  return Table(
      "מו123 מו123ת מו123ים מו123ות הו123תי הו123ת הו123ת הו123 הו123ה הו123נו הו123תם "
      "הו123תן הו123ו הו123ו או123 תו123 תו123י יו123 תו123 נו123 תו123ו תו123ו יו123ו "
      "יו123ו - - - -",
      "му12а<3 му12э<3эт му12а3и<м му12а3о<т ху12а<3ти ху12а<3та ху12а<3т ху12а<3 ху12э3а< "
      "ху12а<3ну ху12а3тэ<м ху12а3тэ<н ху12э3у< ху12э3у< у12а<3 ту12а<3 ту12э3и< ю12а<3 "
      "ту12а<3 ну12а<3 ту12э3у< ту12э3у< ю12э3у< ю12э3у< - - - -");
}

Paradigm HitpaelRegular() {
  return Table(
      "מת123 מת123ת מת123ים מת123ות הת123תי הת123ת הת123ת הת123 הת123ה הת123נו הת123תם "
      "הת123תן הת123ו הת123ו את123 תת123 תת123י ית123 תת123 נת123 תת123ו תת123ו ית123ו "
      "ית123ו הת123 הת123י הת123ו הת123ות",
      "мит1а*2э<3 мит1а*2э<3эт мит1а*2~3и<м мит1а*2~3о<т хит1а*2а<3ти хит1а*2а<3та "
      "хит1а*2а<3т хит1а*2э<3 хит1а*2~3а< хит1а*2а<3ну хит1а*2а3тэ<м хит1а*2а3тэ<н "
      "хит1а*2~3у< хит1а*2~3у< эт1а*2э<3 тит1а*2э<3 тит1а*2~3и< ит1а*2э<3 тит1а*2э<3 "
      "нит1а*2э<3 тит1а*2~3у< тит1а*2~3у< ит1а*2~3у< ит1а*2~3у< хит1а*2э<3 хит1а*2~3и< "
      "хит1а*2~3у< хит1а*2~3у<т");
}

Paradigm HitpaelFinalHe() {
  return Table(
      "מת12ה מת12ה מת12ים מת12ות הת12יתי הת12ית הת12ית הת12ה הת12תה הת12ינו הת12יתם הת12יתן "
      "הת12ו הת12ו את12ה תת12ה תת12י ית12ה תת12ה נת12ה תת12ו תת12ו ית12ו ית12ו הת12ה הת12י "
      "הת12ו הת12ות",
      "мит1а*2э< мит1а*2а< мит1а*2и<м мит1а*2о<т хит1а*2и<ти хит1а*2и<та хит1а*2и<т "
      "хит1а*2а< хит1а*2та< хит1а*2и<ну хит1а*2итэ<м хит1а*2итэ<н хит1а*2у< хит1а*2у< "
      "эт1а*2э< тит1а*2э< тит1а*2и< ит1а*2э< тит1а*2э< нит1а*2э< тит1а*2у< тит1а*2у< ит1а*2у< "
      "ит1а*2у< хит1а*2э< хит1а*2и< хит1а*2у< хит1а*2у<т");
}

// A hollow root: "o" after the first letter, the last letter doubled (התעורר).
Paradigm HitpaelHollow() {
  Paradigm paradigm = HitpaelRegular();
  ReplaceAll(paradigm.Spelling, "23", "ו33");
  ReplaceAll(paradigm.Hint, "1а\\*2~3", "1о3э3");
  ReplaceAll(paradigm.Hint, "1а\\*2", "1о3");
  return paradigm;
}

// PIEL with a middle resh or alef, which is not doubled: "e" after the first letter (бэрэ<х).
Paradigm WithPielMiddleResh(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "1и\\*2", "1э2");
  return paradigm;
}

// A final alef after "e" is silent: "e" stays before it in the past of "I", "you" and "we"
// (הוצאתי) and the present feminine ends in -эт without a vowel of its own (מוצאת).
Paradigm WithThirdAleph(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "э<3эт$", "э<3т");
  ReplaceAll(paradigm.Hint, "а(<?)3([тн])", "э\\13\\2");
  return paradigm;
}

// PIEL with a final alef: the verbal noun ends in -וי (מילוי).
Paradigm WithPielThirdAleph(Paradigm paradigm) {
  paradigm = WithThirdAleph(std::move(paradigm));
  paradigm.Spelling[kFormCount - 1] = QString::fromUtf8("1Y2וי");
  paradigm.Hint[kFormCount - 1] = QString::fromUtf8("1и*2у<й");
  return paradigm;
}

Paradigm WithHifilFirstNun(Paradigm paradigm) {
  ReplaceAll(paradigm.Spelling, "1", "");
  ReplaceAll(paradigm.Hint, "1", "");
  ReplaceAll(paradigm.Hint, "2", "*2");
  return paradigm;
}

Paradigm WithHifilFirstYod(Paradigm paradigm) {
  ReplaceAll(paradigm.Spelling, "1", "ו");
  ReplaceAll(paradigm.Hint, "я1", "йо");
  ReplaceAll(paradigm.Hint, "[аи]1", "о");
  return paradigm;
}

Paradigm WithHifilFirstGuttural(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "хи1", "хэ1э");
  ReplaceAll(paradigm.Hint, "([ая])1", "\\11а");
  return paradigm;
}

Paradigm WithHifilSecondGuttural(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "хи1", "хэ1");
  ReplaceAll(paradigm.Hint, "2эта<", "2ата<");
  return paradigm;
}

Paradigm WithHifilThirdGuttural(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "и<3$", "и<а3");
  ReplaceAll(paradigm.Hint, "э<3$", "а<3");
  ReplaceAll(paradigm.Hint, "а<3т$", "а<3ат");
  return paradigm;
}

// A first ר or guttural is not doubled in the future, imperative and verbal noun: the vowel
// before it is "e", written with a yod after the alef of "I" (איעלם, эалэ<м).
Paradigm WithNifalFirstUndoubled(Paradigm paradigm) {
  ReplaceAll(paradigm.Spelling, "^א1", "אי1");
  ReplaceAll(paradigm.Hint, "^и\\*1", "йэ1");
  ReplaceAll(paradigm.Hint, "([тнх])и\\*1", "\\1э1");
  ReplaceAll(paradigm.Hint, "э\\*1", "э1");
  return paradigm;
}

// The guttural keeps an "a" where another letter loses its vowel (тишаари<).
Paradigm WithNifalSecondGuttural(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "2э(3|та)", "2а\\1");
  ReplaceAll(paradigm.Hint, "2~", "2а");
  return paradigm;
}

Paradigm WithNifalThirdGuttural(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "э<3$", "а<3");
  ReplaceAll(paradigm.Hint, "э<3эт$", "а<3ат");
  ReplaceAll(paradigm.Hint, "а<3т$", "а<3ат");
  return paradigm;
}

// א ע ה after the nun: "e" on both, and the next letter closes the syllable (нээльма<).
Paradigm WithNifalFirstGuttural(Paradigm paradigm) {
  ReplaceAll(paradigm.Hint, "ни12э3", "нэ1э2~3");
  ReplaceAll(paradigm.Hint, "ни12эта", "нэ1э2та");
  ReplaceAll(paradigm.Hint, "ни1", "нэ1э");
  return paradigm;
}

// ס ש צ ז change places with the ת of the pattern; after צ it becomes ט, after ז ד.
Paradigm WithHitpaelSibilant(Paradigm paradigm, QChar first) {
  ReplaceAll(paradigm.Spelling, "ת1", first == u'צ' ? "1ט" : first == u'ז' ? "1ד" : "1ת");
  ReplaceAll(paradigm.Hint, "т1", first == u'ז' ? "1д" : "1т");
  return paradigm;
}

// ד ט ת take the place of the ת of the pattern, written with the "i" yod after the he, mem,
// tav, yod or nun before it (היטהר, אטהר).
Paradigm WithHitpaelAssimilated(Paradigm paradigm) {
  ReplaceAll(paradigm.Spelling, "את1", "א1");
  ReplaceAll(paradigm.Spelling, "ת1", "י1");
  ReplaceAll(paradigm.Hint, "т1", "1");
  return paradigm;
}

// The doubled middle letter of PIEL, PUAL and HITPAEL becomes the second and third letters of a
// four-letter root.
Paradigm ForFourLetters(Paradigm paradigm) {
  ReplaceAll(paradigm.Spelling, "3", "4");
  ReplaceAll(paradigm.Spelling, "2", "23");
  ReplaceAll(paradigm.Spelling, "Y", "");
  ReplaceAll(paradigm.Hint, "3", "4");
  ReplaceAll(paradigm.Hint, "\\*2", "23");
  // Where the doubled letter had a vowelless schwa before the last one, the third letter takes
  // "e" (тиргэма<, like дибра<).
  ReplaceAll(paradigm.Hint, "23(~?)4", "23э\\14");
  return paradigm;
}

Paradigm BaseParadigm(Paradigms kind) {
  switch (kind) {
    case Paradigms::PaalRegular:
      return PaalRegular();
    case Paradigms::PaalFutureA:
      return PaalFutureA();
    case Paradigms::PaalFirstHet:
      return PaalFirstHet();
    case Paradigms::PaalFirstAyin:
      return PaalFirstAyin();
    case Paradigms::PaalSecondGuttural:
      return PaalSecondGuttural();
    case Paradigms::PaalThirdGuttural:
      return PaalThirdGuttural();
    case Paradigms::PaalThirdAleph:
      return PaalThirdAleph();
    case Paradigms::PaalFirstYod:
      return PaalFirstYod();
    case Paradigms::PaalFirstYodThirdGuttural:
      return PaalFirstYodThirdGuttural();
    case Paradigms::PaalFirstYodThirdAleph:
      return PaalFirstYodThirdAleph();
    case Paradigms::PaalFirstNun:
      return PaalFirstNun();
    case Paradigms::PaalFirstNunThirdGuttural:
      return PaalFirstNunThirdGuttural();
    case Paradigms::PaalHollow:
      return PaalHollow();
    case Paradigms::PaalFinalHe:
      return PaalFinalHe();
    case Paradigms::PaalFinalHeFirstGuttural:
      return PaalFinalHeFirstGuttural();
    case Paradigms::PaalFinalHeSecondGuttural:
      return PaalFinalHeSecondGuttural();
    case Paradigms::PaalWalk:
      return PaalWalk();
    case Paradigms::PaalEat:
      return PaalEat();
    case Paradigms::PaalLove:
      return PaalLove();
    case Paradigms::PaalGive:
      return PaalGive();
    case Paradigms::PaalCome: {
      Paradigm paradigm = PaalHollow();
      ReplaceAll(paradigm.Hint, "V", "о");
      return paradigm;
    }
    case Paradigms::PaalBe:
      return PaalBe();
    case Paradigms::PaalCan:
      return PaalCan();
    case Paradigms::PielRegular:
      return PielRegular();
    case Paradigms::PielFinalHe:
      return PielFinalHe();
    case Paradigms::HifilRegular:
      return HifilRegular();
    case Paradigms::HifilFinalHe:
      return HifilFinalHe();
    case Paradigms::HifilHollow:
      return HifilHollow();
    case Paradigms::NifalRegular:
      return NifalRegular();
    case Paradigms::NifalFinalHe:
      return NifalFinalHe();
    case Paradigms::NifalFirstYod:
      return NifalFirstYod();
    case Paradigms::NifalHollow:
      return NifalHollow();
    case Paradigms::PualRegular:
      return PualRegular();
    case Paradigms::HufalRegular:
      return HufalRegular();
    case Paradigms::HitpaelRegular:
      return HitpaelRegular();
    case Paradigms::HitpaelFinalHe:
      return HitpaelFinalHe();
    case Paradigms::HitpaelHollow:
      return HitpaelHollow();
  }
  return PaalRegular();
}

}  // namespace

Paradigm ParadigmOf(Paradigms kind, unsigned changes, QChar first, bool fourLetters) {
  Paradigm paradigm = BaseParadigm(kind);
  // Each change with its patch, in the order in which they are applied: the patches of the last
  // letter before those of the first, the first letter's NIFAL patches after the middle letter's.
  const std::pair<Change, Paradigm (*)(Paradigm)> patches[] = {
      {kPielMiddleResh, WithPielMiddleResh},
      {kPielMiddleAleph,
       [](Paradigm p) {
         ReplaceAll(p.Hint, "2~", "2а");
         return p;
       }},
      {kPielThirdAleph, WithPielThirdAleph},
      {kGutturalGlide, WithFinalGutturalGlide},
      {kThirdAleph, WithThirdAleph},
      {kHifilThirdGuttural, WithHifilThirdGuttural},
      {kHifilSecondGuttural, WithHifilSecondGuttural},
      {kHifilFirstNun, WithHifilFirstNun},
      {kHifilFirstYod, WithHifilFirstYod},
      {kHifilFirstHet,
       [](Paradigm p) {
         ReplaceAll(p.Hint, "хи1", "хэ1");
         return p;
       }},
      {kHifilFirstGuttural, WithHifilFirstGuttural},
      {kNifalFirstUndoubled, WithNifalFirstUndoubled},
      {kNifalSecondGuttural, WithNifalSecondGuttural},
      {kNifalThirdGuttural, WithNifalThirdGuttural},
      {kNifalFirstHet,
       [](Paradigm p) {
         ReplaceAll(p.Hint, "ни1", "нэ1");
         return p;
       }},
      {kNifalFirstGuttural, WithNifalFirstGuttural},
      {kHitpaelAssimilated, WithHitpaelAssimilated},
  };
  for (const auto& [change, patch] : patches) {
    if (changes & change) paradigm = patch(std::move(paradigm));
  }
  if (changes & kHitpaelSibilant) paradigm = WithHitpaelSibilant(std::move(paradigm), first);
  return fourLetters ? ForFourLetters(std::move(paradigm)) : paradigm;
}

}  // namespace conjugation
