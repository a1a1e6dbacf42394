// The hidden answer of one entry and the keyboard it is typed on.

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <string>
#include <vector>

#include "GameTestData.h"
#include "game/HiddenAnswer.h"
#include "game/Keyboard.h"

namespace {

using game::HiddenAnswer;
using game::Layout;
using text::Codepage;

QString MaskText(const HiddenAnswer& answer, Layout layout) {
  return text::ToUnicode(answer.Mask(), game::LayoutCodepage(layout));
}

struct LoadCase {
  const char* name;
  Layout layout;
  QString answer;
  QString mask;  // right after load
  int revealed;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, UncoversWhatIsNotToBeTyped) {
  const LoadCase& c = GetParam();
  const HiddenAnswer answer(gametest::Bytes(c.answer, game::LayoutCodepage(c.layout)), c.layout);
  EXPECT_EQ(MaskText(answer, c.layout), c.mask);
  EXPECT_EQ(answer.Revealed(), c.revealed);
  EXPECT_EQ(answer.Length(), c.answer.size());
  EXPECT_EQ(answer.Finished(), c.revealed == c.answer.size());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LoadTest,
    ::testing::Values(LoadCase{"BlanksHyphensParentheses", Layout::Russian,
                               QStringLiteral("ЧАЙ-ДОМ (Я)"), QStringLiteral("------- (-)"), 4},
                      LoadCase{"NothingToUncover", Layout::English, QStringLiteral("CAT"),
                               QStringLiteral("---"), 0},
                      LoadCase{"Empty", Layout::Russian, QString(), QString(), 0},
                      LoadCase{"SmallLettersDigitsYoComma", Layout::Russian, QStringLiteral("Ёж,1"),
                               QStringLiteral("Ёж,1"), 4},
                      LoadCase{"YoAmongCapitals", Layout::Russian, QStringLiteral("ЁЛКА"),
                               QStringLiteral("Ё---"), 1},
                      LoadCase{"EnglishSmallLettersAndApostrophe", Layout::English,
                               QStringLiteral("Don't"), QStringLiteral("-on't"), 4},
                      LoadCase{"HebrewApostropheIsTyped", Layout::Hebrew, QStringLiteral("'ג"),
                               QStringLiteral("--"), 0},
                      LoadCase{"HebrewVowelPoint", Layout::Hebrew, QStringLiteral("ב\u05B7ת"),
                               QStringLiteral("-\u05B7-"), 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct UncoverCase {
  const char* name;
  Layout layout;
  QString answer;
  QString letters;  // pressed in order
  QString mask;     // afterwards
  int right;        // presses that uncovered a letter
};

void PrintTo(const UncoverCase& c, std::ostream* out) { *out << c.name; }

class UncoverTest : public ::testing::TestWithParam<UncoverCase> {};

TEST_P(UncoverTest, UncoversOneOccurrencePerPress) {
  const UncoverCase& c = GetParam();
  const Codepage codepage = game::LayoutCodepage(c.layout);
  HiddenAnswer answer(gametest::Bytes(c.answer, codepage), c.layout);
  int right = 0;
  for (const char letter : gametest::Bytes(c.letters, codepage)) right += answer.Uncover(letter);
  EXPECT_EQ(MaskText(answer, c.layout), c.mask);
  EXPECT_EQ(right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, UncoverTest,
    ::testing::Values(
        UncoverCase{"RussianFromTheLeft", Layout::Russian, QStringLiteral("МАМА"),
                    QStringLiteral("А"), QStringLiteral("-А--"), 1},
        UncoverCase{"RussianEachOccurrence", Layout::Russian, QStringLiteral("МАМА"),
                    QStringLiteral("ААА"), QStringLiteral("-А-А"), 2},
        UncoverCase{"EnglishFromTheLeft", Layout::English, QStringLiteral("ABBA"),
                    QStringLiteral("AB"), QStringLiteral("AB--"), 2},
        UncoverCase{"HebrewFromTheEndOfTheStoredText", Layout::Hebrew, QStringLiteral("אבא"),
                    QStringLiteral("א"), QStringLiteral("--א"), 1},
        UncoverCase{"HebrewSecondOccurrence", Layout::Hebrew, QStringLiteral("אבא"),
                    QStringLiteral("אא"), QStringLiteral("א-א"), 2},
        // Stored in display order: ךכ is כך, a pointed ם\u05B9ול\u05B8\u05C1ש is שָׁלוֹם.
        UncoverCase{"HebrewFinalFormTypesItsLetter", Layout::Hebrew, QStringLiteral("ךכ"),
                    QStringLiteral("ך"), QStringLiteral("-כ"), 1},
        UncoverCase{"HebrewLetterTypesItsFinalForm", Layout::Hebrew, QStringLiteral("ךכ"),
                    QStringLiteral("ךכ"), QStringLiteral("ךכ"), 2},
        UncoverCase{"HebrewPointedAnswerTypedPlain", Layout::Hebrew,
                    QStringLiteral("ם\u05B9ול\u05B8\u05C1ש"), QStringLiteral("שלומ"),
                    QStringLiteral("ם\u05B9ול\u05B8\u05C1ש"), 4},
        UncoverCase{"HebrewOtherLettersStayApart", Layout::Hebrew, QStringLiteral("ם"),
                    QStringLiteral("ןנ"), QStringLiteral("-"), 0},
        UncoverCase{"NoCaseFolding", Layout::English, QStringLiteral("Cat"), QStringLiteral("C"),
                    QStringLiteral("Cat"), 1},
        UncoverCase{"SpaceAndHyphenAfterLoadMiss", Layout::Russian, QStringLiteral("А Б-В"),
                    QStringLiteral(" -"), QStringLiteral("- ---"), 0},
        UncoverCase{"LongAnswer", Layout::English, QString(60, QLatin1Char('Z')),
                    QString(60, QLatin1Char('Z')), QString(60, QLatin1Char('Z')), 60}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardTest, ComputerKeysPressTheKeysOfTheSamePlace) {
  struct Case {
    char legend;
    unsigned keycode;
    int key;
  };
  for (const Case c : {Case{'Q', 24, 1}, Case{'[', 34, 11}, Case{'A', 38, 12}, Case{';', 47, 21},
                       Case{'\'', 48, 22}, Case{'Z', 52, 23}, Case{',', 59, 30}, Case{'.', 60, 31},
                       Case{']', 35, 32}, Case{'-', 20, 33}, Case{' ', 65, 35}}) {
    EXPECT_EQ(game::KeyOfLegend(c.legend), c.key) << c.legend;
    EXPECT_EQ(game::KeyOfKeycode(c.keycode), c.key) << c.legend;
  }
  EXPECT_EQ(game::KeyOfLegend('1'), std::nullopt);
  EXPECT_EQ(game::KeyOfKeycode(10), std::nullopt);
}

TEST(KeyboardTest, ReleasedKeyIsFoundByPlaceBeforeLegend) {
  constexpr int kCyrillicHa = 0x0425;  // the legend a Russian system layout reports for "["
  EXPECT_EQ(game::KeyOfRelease(34, kCyrillicHa), 11);
  EXPECT_EQ(game::KeyOfRelease(0, kCyrillicHa), std::nullopt);
  EXPECT_EQ(game::KeyOfRelease(0, '['), 11);
  EXPECT_EQ(game::KeyOfRelease(9, 'Q'), 1);  // a key code of no key: the legend decides
}

}  // namespace
