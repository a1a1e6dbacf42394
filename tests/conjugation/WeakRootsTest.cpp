// The irregular verbs and the combinations of weak letters, form by form where they differ from
// the regular paradigm of their pattern: spelling (hspell's word list) and hint.

#include <gtest/gtest.h>

#include "conjugation/Conjugate.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace {

using conjugation::Pattern;

struct Form {
  const char* root;  // reading order
  Pattern pattern;
  int form;
  const char* spelling;  // reading order; empty for a form the verb does not have
  const char* hint;
};

class WeakRootsTest : public ::testing::TestWithParam<Form> {};

TEST_P(WeakRootsTest, FormAsTheGrammarHasIt) {
  const Form& expected = GetParam();
  const auto forms = conjugation::Conjugate(
      text::InvertText(text::FromUtf8(expected.root, text::Codepage::Win1255)), expected.pattern);
  EXPECT_EQ(text::ToUtf8(text::InvertText(forms.Spelling[expected.form]), text::Codepage::Win1255),
            expected.spelling);
  EXPECT_EQ(text::ToUtf8(forms.Pronunciation[expected.form], text::Codepage::Win1251),
            expected.hint);
}

INSTANTIATE_TEST_SUITE_P(Irregular, WeakRootsTest,
                         ::testing::Values(Form{"נתן", Pattern::Paal, 4, "נתתי", "ната<ти"},
                                           Form{"נתן", Pattern::Paal, 9, "נתנו", "ната<ну"},
                                           Form{"נתן", Pattern::Paal, 15, "תיתן", "титэ<н"},
                                           Form{"נתן", Pattern::Paal, 24, "תן", "тэ<н"},
                                           Form{"לקח", Pattern::Paal, 14, "אקח", "эка<х"},
                                           Form{"לקח", Pattern::Paal, 25, "קחי", "кхи<"},
                                           Form{"אמר", Pattern::Paal, 14, "אומר", "ома<р"},
                                           Form{"אמר", Pattern::Paal, 24, "אמור", "эмо<р"},
                                           Form{"אהב", Pattern::Paal, 16, "תאהבי", "тохави<"},
                                           Form{"אהב", Pattern::Paal, 24, "אהב", "эха<в"},
                                           Form{"אהב", Pattern::Paal, 27, "אהבה", "ахава<"},
                                           Form{"בוא", Pattern::Paal, 14, "אבוא", "аво<"},
                                           Form{"בוא", Pattern::Paal, 26, "בואו", "бо<у"},
                                           Form{"היה", Pattern::Paal, 0, "", ""},
                                           Form{"היה", Pattern::Paal, 7, "היה", "хая<"},
                                           Form{"היה", Pattern::Paal, 8, "הייתה", "хайта<"},
                                           Form{"היה", Pattern::Paal, 17, "יהיה", "ихйэ<"},
                                           Form{"יכל", Pattern::Paal, 1, "יכולה", "ехола<"},
                                           Form{"יכל", Pattern::Paal, 17, "יוכל", "юха<ль"},
                                           Form{"יכל", Pattern::Paal, 24, "", ""},
                                           Form{"יכל", Pattern::Paal, 27, "", ""}));

INSTANTIATE_TEST_SUITE_P(PaalAndPiel, WeakRootsTest,
                         ::testing::Values(Form{"נסע", Pattern::Paal, 16, "תיסעי", "тисъи<"},
                                           Form{"נסע", Pattern::Paal, 24, "סע", "са<"},
                                           Form{"נהג", Pattern::Paal, 17, "ינהג", "инха<г"},
                                           Form{"ברך", Pattern::Piel, 7, "בירך", "бэрэ<х"},
                                           Form{"ברך", Pattern::Piel, 27, "ברכה", "браха<"},
                                           Form{"תאר", Pattern::Piel, 4, "תיארתי", "тэа<рти"},
                                           Form{"תאר", Pattern::Piel, 27, "תיאור", "тэу<р"},
                                           Form{"תאר", Pattern::Piel, 8, "תיארה", "тэара<"},
                                           Form{"מלא", Pattern::Piel, 1, "ממלאת", "мэмалэ<т"},
                                           Form{"מלא", Pattern::Piel, 4, "מילאתי", "милэ<ти"},
                                           Form{"מלא", Pattern::Piel, 8, "מילאה", "милъа<"},
                                           Form{"מלא", Pattern::Piel, 27, "מילוי", "милу<й"}));

INSTANTIATE_TEST_SUITE_P(Hifil, WeakRootsTest,
                         ::testing::Values(Form{"נגע", Pattern::Hifil, 7, "הגיע", "хиги<а"},
                                           Form{"נגע", Pattern::Hifil, 27, "הגעה", "хагаа<"},
                                           Form{"ידע", Pattern::Hifil, 4, "הודעתי", "хода<ти"},
                                           Form{"ידע", Pattern::Hifil, 24, "הודע", "хода<"},
                                           Form{"יצא", Pattern::Hifil, 4, "הוצאתי", "хоцэ<ти"},
                                           Form{"יצא", Pattern::Hifil, 0, "מוציא", "моци<"},
                                           Form{"בוא", Pattern::Hifil, 4, "הבאתי", "хэвэ<ти"},
                                           Form{"בוא", Pattern::Hifil, 7, "הביא", "хэви<"},
                                           Form{"ראה", Pattern::Hifil, 8, "הראתה", "хэръата<"},
                                           Form{"ראה", Pattern::Hifil, 27, "הראיה", "харъая<"},
                                           Form{"ידה", Pattern::Hifil, 4, "הודיתי", "ходэ<ти"},
                                           Form{"נכה", Pattern::Hifil, 7, "הכה", "хика<"},
                                           Form{"עלה", Pattern::Hifil, 0, "מעלה", "маалэ<"},
                                           Form{"עלה", Pattern::Hifil, 27, "העלאה", "хаалаа<"},
                                           Form{"יצע", Pattern::Hifil, 7, "הציע", "хици<а"}));

INSTANTIATE_TEST_SUITE_P(Nifal, WeakRootsTest,
                         ::testing::Values(Form{"עלם", Pattern::Nifal, 8, "נעלמה", "нээльма<"},
                                           Form{"עלם", Pattern::Nifal, 14, "איעלם", "эалэ<м"},
                                           Form{"עלם", Pattern::Nifal, 17, "ייעלם", "еалэ<м"},
                                           Form{"חשב", Pattern::Nifal, 7, "נחשב", "нэхша<в"},
                                           Form{"חשב", Pattern::Nifal, 24, "היחשב", "хэхашэ<в"},
                                           Form{"רשם", Pattern::Nifal, 17, "יירשם", "ерашэ<м"},
                                           Form{"עש\u05C2ה", Pattern::Nifal, 8, "נעשתה", "нээста<"},
                                           Form{"ראה", Pattern::Nifal, 1, "נראית", "ниръэ<йт"},
                                           Form{"ראה", Pattern::Nifal, 8, "נראתה", "ниръата<"},
                                           Form{"בנה", Pattern::Nifal, 19, "ניבנה", "нибанэ<"},
                                           Form{"ילד", Pattern::Nifal, 7, "נולד", "нола<д"},
                                           Form{"ילד", Pattern::Nifal, 14, "איוולד", "ивалэ<д"},
                                           Form{"ידע", Pattern::Nifal, 1, "נודעת", "нода<ат"},
                                           Form{"מצא", Pattern::Nifal, 1, "נמצאת", "нимцэ<т"},
                                           Form{"מצא", Pattern::Nifal, 4, "נמצאתי", "нимцэ<ти"},
                                           Form{"סוג", Pattern::Nifal, 4, "נסוגתי", "насо<гти"},
                                           Form{"סוג", Pattern::Nifal, 17, "ייסוג", "исо<г"}));

INSTANTIATE_TEST_SUITE_P(
    Hitpael, WeakRootsTest,
    ::testing::Values(Form{"טהר", Pattern::Hitpael, 0, "מיטהר", "митахэ<р"},
                      Form{"טהר", Pattern::Hitpael, 14, "אטהר", "этахэ<р"},
                      Form{"דרדר", Pattern::Hitpael, 7, "הידרדר", "хидардэ<р"},
                      Form{"עור", Pattern::Hitpael, 7, "התעורר", "хитъорэ<р"},
                      Form{"עור", Pattern::Hitpael, 9, "התעוררנו", "хитъора<рну"},
                      Form{"כון", Pattern::Hitpael, 7, "התכוון", "хиткавэ<н"},
                      Form{"כון", Pattern::Hitpael, 9, "התכוונו", "хиткава<ну"},
                      Form{"שנה", Pattern::Hitpael, 4, "השתניתי", "хиштани<ти"},
                      Form{"שנה", Pattern::Hitpael, 8, "השתנתה", "хиштанта<"},
                      Form{"פלא", Pattern::Hitpael, 4, "התפלאתי", "хитпалэ<ти"}));

}  // namespace
