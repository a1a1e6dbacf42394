#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/KeyBox.h"
#include "text/KeyMap.h"

namespace text {
namespace {

struct BoxCase {
  KeyBox box;
  std::string passes;  // the characters that go in unchanged
};

const BoxCase kBoxes[] = {
    {KeyBox::Edit3, "\b%&("},     {KeyBox::Memo1, "\b%&'("},    {KeyBox::Memo2, "\b%&'("},
    {KeyBox::Edit1, "\b.%&'("},   {KeyBox::DBEdit1, "\b%&("},   {KeyBox::DBMemo1, "\b%&'("},
    {KeyBox::DBEdit3, "\b.%&'("}, {KeyBox::DBMemo5, "\b.%&'("}, {KeyBox::MemoShov, "\b.%&'("},
};

TEST(KeyBox, PassThroughCharactersGoInUnchangedOthersAreMapped) {
  for (const BoxCase& c : kBoxes) {
    SCOPED_TRACE("box " + std::to_string(static_cast<int>(c.box)));
    EXPECT_EQ(std::string(PassThroughKeys(c.box)), c.passes);
    const Language language = c.box == KeyBox::MemoShov ? Language::Hebrew : Language::Russian;
    for (int b = 0; b < 256; ++b) {
      const char key = static_cast<char>(b);
      const auto typed = TypeKey(c.box, Language::Russian, key);
      if (c.passes.find(key) != std::string::npos) {
        EXPECT_EQ(typed, key) << "byte " << b;
      } else {
        EXPECT_EQ(typed, KeyToLetter(key, language)) << "byte " << b;
      }
    }
  }
}

TEST(KeyBox, ApostropheAndFullStopDependOnTheBox) {
  EXPECT_EQ(TypeKey(KeyBox::Edit3, Language::Russian, '\''), '\xDD');  // Э
  EXPECT_EQ(TypeKey(KeyBox::DBEdit1, Language::Russian, '\''), '\xDD');
  EXPECT_EQ(TypeKey(KeyBox::Memo1, Language::Hebrew, '\''), '\'');
  EXPECT_EQ(TypeKey(KeyBox::Edit1, Language::English, '\''), '\'');
  EXPECT_EQ(TypeKey(KeyBox::DBEdit3, Language::English, '.'), '.');
  EXPECT_EQ(TypeKey(KeyBox::DBEdit1, Language::Russian, '.'), '\xDE');  // Ю
  EXPECT_EQ(TypeKey(KeyBox::DBMemo1, Language::Hebrew, '.'), '\xF5');   // final tsadi
  EXPECT_EQ(TypeKey(KeyBox::DBMemo5, Language::Hebrew, '.'), '.');
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, Language::English, ';').has_value());
}

TEST(KeyBox, VerbFormBoxIsHebrewWhateverTheInputLanguage) {
  for (std::optional<Language> language :
       {std::optional(Language::Russian), std::optional(Language::Hebrew),
        std::optional(Language::English), std::optional<Language>()}) {
    EXPECT_EQ(TypeKey(KeyBox::MemoShov, language, 't'), '\xE0');
    EXPECT_EQ(TypeKey(KeyBox::MemoShov, language, QChar(u'е')), QChar(u'א'));
  }
}

// Before the editor's first word field sets a language, a letter key types nothing and the
// pass-through keys still go in.
TEST(KeyBox, WithoutAnInputLanguageOnlyPassThroughKeysType) {
  EXPECT_FALSE(TypeKey(KeyBox::DBEdit1, std::nullopt, 'q').has_value());
  EXPECT_FALSE(TypeKey(KeyBox::DBEdit1, std::nullopt, QChar(u'q')).has_value());
  EXPECT_EQ(TypeKey(KeyBox::DBEdit1, std::nullopt, '%'), '%');
  EXPECT_EQ(TypeKey(KeyBox::DBEdit1, std::nullopt, QChar(u'%')), QChar(u'%'));
}

TEST(KeyBox, KeyEventCharactersBecomeLettersOfTheLanguage) {
  // A Latin and a Cyrillic layout give the same letter on the same key.
  EXPECT_EQ(TypeKey(KeyBox::Edit3, Language::Russian, QChar(u'f')), QChar(u'А'));
  EXPECT_EQ(TypeKey(KeyBox::Edit3, Language::Russian, QChar(u'а')), QChar(u'А'));
  EXPECT_EQ(TypeKey(KeyBox::Memo1, Language::Hebrew, QChar(u'c')), QChar(u'ב'));
  EXPECT_EQ(TypeKey(KeyBox::Memo1, Language::Hebrew, QChar(u'С')), QChar(u'ב'));
  EXPECT_EQ(TypeKey(KeyBox::Memo1, Language::Hebrew, QChar(u'В')),
            QChar(u'\u05B2'));  // hataf patah
  EXPECT_EQ(TypeKey(KeyBox::Edit1, Language::English, QChar(u'я')), QChar(u'Z'));
  EXPECT_EQ(TypeKey(KeyBox::Edit1, Language::English, QChar(u'\b')), QChar(u'\b'));
  EXPECT_EQ(TypeKey(KeyBox::Edit1, Language::English, QChar(u'9')), QChar(u'('));
}

TEST(KeyBox, CharactersWithoutLetterTypeNothing) {
  EXPECT_FALSE(TypeKey(KeyBox::Edit3, Language::Russian, QChar(u'1')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit3, Language::Russian, QChar(u'Q')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit3, Language::Russian, QChar(u'ё')).has_value());
  EXPECT_FALSE(
      TypeKey(KeyBox::Memo1, Language::Hebrew, QChar(u'א')).has_value());  // not a key character
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, Language::English, QChar(u'é')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, Language::English, QChar(u'\r')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, Language::English, QChar(0xF798)).has_value());
}

}  // namespace
}  // namespace text
