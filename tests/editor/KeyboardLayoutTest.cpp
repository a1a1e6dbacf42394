#include <gtest/gtest.h>

#include "editor/KeyboardLayout.h"

namespace editor {
namespace {

TEST(KeyboardLayoutTest, NothingIsTranslatedBeforeASwitch) {
  KeyboardLayout layout;
  EXPECT_EQ(layout.Active(), KeyboardLayout::Script::None);
  EXPECT_EQ(layout.Translate(u'q'), u'q');
  EXPECT_EQ(layout.Translate(u'й'), u'й');
}

TEST(KeyboardLayoutTest, RussianTurnsLatinKeysIntoCyrillicInTheTypedCase) {
  KeyboardLayout layout;
  ASSERT_TRUE(layout.Activate(kLayoutRussian));
  const struct {
    char16_t typed, expected;
  } cases[] = {{u'q', u'й'}, {u'Q', u'Й'},   {u'f', u'а'}, {u'F', u'А'}, {u'\'', u'э'},
               {u'"', u'Э'}, {u',', u'б'},   {u'<', u'Б'}, {u'`', u'ё'}, {u'ж', u'ж'},
               {u'1', u'1'}, {u'\\', u'\\'}, {u' ', u' '}};
  for (const auto& c : cases) EXPECT_EQ(layout.Translate(c.typed), c.expected) << char(c.typed);
}

TEST(KeyboardLayoutTest, UsEnglishTurnsCyrillicKeysIntoLatin) {
  KeyboardLayout layout;
  ASSERT_TRUE(layout.Activate(kLayoutUsEnglish));
  EXPECT_EQ(layout.Translate(u'я'), u'z');
  EXPECT_EQ(layout.Translate(u'Я'), u'Z');
  EXPECT_EQ(layout.Translate(u'ю'), u'.');
  EXPECT_EQ(layout.Translate(u'z'), u'z');
}

TEST(KeyboardLayoutTest, UnknownLayoutKeepsTheActiveOne) {
  KeyboardLayout layout;
  layout.Activate(kLayoutRussian);
  EXPECT_FALSE(layout.Activate("0000040D"));
  EXPECT_EQ(layout.Active(), KeyboardLayout::Script::Russian);
}

TEST(KeyboardLayoutTest, BackslashBecomesStressMarkInHints) {
  EXPECT_EQ(HintCharacter(u'\\'), u'<');
  EXPECT_EQ(HintCharacter(u'a'), u'a');
  EXPECT_EQ(HintCharacter(u'<'), u'<');
}

TEST(KeyboardLayoutTest, HintKeyDropsWhatTheFieldsCodePageCannotHold) {
  KeyboardLayout layout;
  layout.Activate(kLayoutRussian);
  EXPECT_EQ(HintKey(layout, u'\\', text::Codepage::Win1251), u'<');
  EXPECT_EQ(HintKey(layout, u'f', text::Codepage::Win1251), u'а');
  EXPECT_EQ(HintKey(layout, u'f', text::Codepage::Ascii), std::nullopt);  // Cyrillic in English
  EXPECT_EQ(HintKey(layout, u'\u05D0', text::Codepage::Win1251), std::nullopt);  // Hebrew letter
  layout.Activate(kLayoutUsEnglish);
  EXPECT_EQ(HintKey(layout, u'ф', text::Codepage::Ascii), u'a');
}

}  // namespace
}  // namespace editor
