#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "speech/EspeakMarkup.h"

namespace {

using speech::EspeakMarkup;
using speech::Reading;

struct Case {
  const char* name;
  Reading reading;
  const char* text;  // UTF-8
  const char* expected;
};

class EspeakMarkupCases : public testing::TestWithParam<Case> {};

TEST(EspeakMarkupTest, AZeroCharacterNeverEndsTheText) {
  const QString text = QString::fromUtf8("one\0two", 7);
  EXPECT_EQ(EspeakMarkup(text, Reading::Natural), "one two");
}

TEST_P(EspeakMarkupCases, Converts) {
  const Case& c = GetParam();
  EXPECT_EQ(EspeakMarkup(QString::fromUtf8(c.text), c.reading), c.expected);
}

constexpr Reading N = Reading::Natural;
constexpr Reading T = Reading::Transliteration;

INSTANTIATE_TEST_SUITE_P(
    Readings, EspeakMarkupCases,
    testing::Values(
        // Natural reading: plain Russian stays text, a marked word becomes phonemes.
        Case{"PlainRussianStaysText", N, "проба речи", "проба речи"},
        Case{"MarkedWordIsStressedThere", N, "молоко<", "[[mVlVk'o]]"},
        Case{"MarkOnFirstVowel", N, "мо<локо", "[[m'olVkV]]"},
        Case{"SoftVowelsReduceToI", N, "пя<тера", "[[p;'at;IrV]]"},
        Case{"MarkedAndPlainWordsMix", N, "дом мо<ре", "дом [[m'or;I]]"},
        Case{"MarkAfterConsonantIsDroppedOnly", N, "дом< да", "дом да"},
        Case{"LatinTextKeepsItsLettersWithoutMarks", N, "ho<use", "house"},
        Case{"BracketsCannotOpenPhonemeInput", N, "[[a]] x", "((a)) x"},
        Case{"UppercaseIsReadLikeLowercase", N, "МОЛОКО<", "[[mVlVk'o]]"},
        Case{"LoneMarkIsDropped", N, "а < б", "а  б"},
        Case{"HyphenatedWordIsOneWordStressedOnce", N, "кто<-то", "[[kt'otV]]"},
        Case{"UnmarkedHyphenatedWordStaysText", N, "из-за", "из-за"},
        Case{"HyphenWithoutLetterAfterItStaysText", N, "до<м- да", "[[d'om]]- да"},
        // Transliteration: every Cyrillic word letter by letter, no reduction.
        Case{"TestPhrase", T, "Бдика< шэль си<нтэ<за дибу<р ба< иври<т",
             "[[bd;ik'a]] [[SEl;]] [[s;'int'Eza]] [[d;ib'ur]] [[b'a]] [[ivr;'it]]"},
        Case{"UnstressedVowelsStayAsWritten", T, "молоко", "[[moloko]]"},
        Case{"IotatedVowelsAfterVowelOrAtStart", T, "яе<ю", "[[jaj'eju]]"},
        Case{"IotatedVowelsSoftenAConsonant", T, "пять", "[[p;at;]]"},
        Case{"HardSignKeepsIotation", T, "объём", "[[objom]]"},
        Case{"SoftSignThenVowelIsIotated", T, "пьё<т", "[[p;j'ot]]"},
        Case{"HushingConsonantsHaveNoSoftVariant", T, "чаща", "[[tS;aS;a]]"},
        Case{"VowelAfterHyphenIsIotatedAsAtWordStart", T, "по-я<сно", "[[poj'asno]]"},
        Case{"DigitsAndPunctuationStayText", T, "ша<лом, 2", "[[S'alom]], 2"},
        Case{"EmptyText", T, "", ""}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
