// The engine's input and refusals: what counts as a root, and the roots it refuses and why.

#include <gtest/gtest.h>

#include "conjugation/Conjugate.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace {

using conjugation::Conjugate;
using conjugation::NotCovered;
using conjugation::Pattern;

// A root typed in reading order, stored as the root box stores it.
std::string Stored(const char* reading) {
  return text::InvertText(text::FromUtf8(reading, text::Codepage::Win1255));
}

std::string Hint(const conjugation::VerbForms& forms, int form) {
  return text::ToUtf8(forms.Pronunciation[form], text::Codepage::Win1251);
}

std::string Spelling(const conjugation::VerbForms& forms, int form) {
  return text::ToUtf8(text::InvertText(forms.Spelling[form]), text::Codepage::Win1255);
}

struct Refusal {
  const char* root;
  Pattern pattern;
  const char* because;  // a part of the reason
};

class RefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, SaysWhy) {
  const Refusal& refusal = GetParam();
  try {
    Conjugate(Stored(refusal.root), refusal.pattern);
    FAIL() << refusal.root << " was conjugated";
  } catch (const NotCovered& error) {
    EXPECT_NE(std::string(error.what()).find(refusal.because), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Roots, RefusalTest,
    ::testing::Values(Refusal{"", Pattern::Paal, "three or four letters"},
                      Refusal{"אב", Pattern::Paal, "three or four letters"},
                      Refusal{"כתבבב", Pattern::Paal, "three or four letters"},
                      Refusal{"כתב1", Pattern::Paal, "only Hebrew letters"},
                      Refusal{"תרגם", Pattern::Hifil, "only in PIEL, PUAL and HITPAEL"},
                      Refusal{"תרגע", Pattern::Piel, "final guttural"},
                      Refusal{"חיה", Pattern::Paal, "The root חיה is not covered in PAAL"},
                      Refusal{"נשא", Pattern::Paal, "irregular"},
                      Refusal{"ירש", Pattern::Paal, "first yod"},
                      Refusal{"נשם", Pattern::Paal, "first nun"},
                      Refusal{"ברא", Pattern::Piel, "middle alef or resh together"},
                      Refusal{"נצל", Pattern::Nifal, "first nun"},
                      Refusal{"עור", Pattern::Nifal,
                              "middle vav or yod with a first yod or guttural"},
                      Refusal{"ידה", Pattern::Nifal, "first yod with"},
                      Refusal{"סוב", Pattern::Hitpael, "middle vav with a first sibilant"},
                      Refusal{"נוח", Pattern::Hifil, "middle vav or yod with a first guttural"},
                      Refusal{"עמד", Pattern::Hufal, "weak or guttural"}));

TEST(ConjugateTest, ReadsFinalLettersBlanksAndTheSinPoint) {
  // A final letter inside the typed root, blanks, and a sin point before or after its letter.
  const auto plain = Conjugate(Stored("ש ם ר"), Pattern::Paal);
  EXPECT_EQ(Spelling(plain, 7), "שמר");
  EXPECT_EQ(Hint(plain, 7), "шама<р");
  EXPECT_EQ(Spelling(plain, 4), "שמרתי");
  for (const char* root : {"ש\u05C2מח", "\u05C2שמח"}) {
    const auto sin = Conjugate(Stored(root), Pattern::Paal);
    EXPECT_EQ(Hint(sin, 7), "сама<х") << root;
    EXPECT_EQ(Spelling(sin, 7), "שמח") << root;
  }
  EXPECT_EQ(Hint(Conjugate(Stored("ש\u05C1מר"), Pattern::Paal), 7), "шама<р");
}

TEST(ConjugateTest, SpellingsAreStoredInDisplayOrderWithFinalLetters) {
  const auto forms = Conjugate(Stored("זמן"), Pattern::Hifil);
  EXPECT_EQ(forms.Spelling[7], Stored("הזמין"));
  EXPECT_EQ(Spelling(forms, 9), "הזמנו");  // the root's nun and the ending's meet once
}

TEST(ConjugateTest, PassivePatternsHaveNoImperativeAndNoVerbalNoun) {
  for (const Pattern pattern : {Pattern::Pual, Pattern::Hufal}) {
    const auto forms = Conjugate(Stored("סדר"), pattern);
    for (int form = 0; form < 24; ++form) EXPECT_FALSE(forms.Spelling[form].empty()) << form;
    for (int form = 24; form < conjugation::kFormCount; ++form) {
      EXPECT_TRUE(forms.Spelling[form].empty()) << form;
      EXPECT_TRUE(forms.Pronunciation[form].empty()) << form;
    }
  }
}

TEST(ConjugateTest, PatternsByCodeAndName) {
  EXPECT_FALSE(conjugation::PatternFromCode(0));
  EXPECT_FALSE(conjugation::PatternFromCode(8));
  EXPECT_EQ(conjugation::PatternFromCode(7), Pattern::Hitpael);
  EXPECT_EQ(conjugation::PatternFromName("hifil"), Pattern::Hifil);
  EXPECT_FALSE(conjugation::PatternFromName("EXCEPTION"));
  EXPECT_EQ(conjugation::PatternName(Pattern::Pual), "PUAL");
}

}  // namespace
