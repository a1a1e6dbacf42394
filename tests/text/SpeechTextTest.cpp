#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/SpeechText.h"

namespace {

using text::Language;
using text::SpeechText;

struct Case {
  const char* name;
  Language language;
  std::optional<std::string> hint;
  std::optional<std::string> written;
  std::string expected;
};

class SpeechTextCases : public testing::TestWithParam<Case> {};

TEST_P(SpeechTextCases, ChoosesHintWordOrBlank) {
  const Case& c = GetParam();
  EXPECT_EQ(SpeechText(c.language, c.hint, c.written), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllLanguages, SpeechTextCases,
    testing::Values(
        Case{"RussianHintWins", Language::Russian, "\xEC\xE0<\xEC\xE0", "\xEC\xE0\xEC\xE0",
             "\xEC\xE0<\xEC\xE0"},
        Case{"RussianWrittenWithoutHint", Language::Russian, std::nullopt, "\xE4\xEE\xEC",
             "\xE4\xEE\xEC"},
        Case{"RussianNothingIsBlank", Language::Russian, std::nullopt, std::nullopt, " "},
        Case{"RussianEmptyHintFallsToWritten", Language::Russian, "", "\xE4\xEE\xEC",
             "\xE4\xEE\xEC"},
        Case{"RussianAllEmptyIsBlank", Language::Russian, "", "", " "},
        Case{"EnglishHintWins", Language::English, "hau<s", "house", "hau<s"},
        Case{"EnglishWrittenWithoutHint", Language::English, std::nullopt, "house", "house"},
        Case{"EnglishEmptyWrittenIsBlank", Language::English, std::nullopt, "", " "},
        Case{"EnglishNothingIsBlank", Language::English, std::nullopt, std::nullopt, " "},
        Case{"HebrewHintWins", Language::Hebrew, "\xF8\xE0<\xF8", "\xF9\xE5\xF8", "\xF8\xE0<\xF8"},
        Case{"HebrewWrittenIsNeverSpoken", Language::Hebrew, std::nullopt, "\xF9\xE5\xF8", " "},
        Case{"HebrewEmptyHintIsBlank", Language::Hebrew, "", "\xF9\xE5\xF8", " "},
        Case{"HebrewNothingIsBlank", Language::Hebrew, std::nullopt, std::nullopt, " "}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
