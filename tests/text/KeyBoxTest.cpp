#include <gtest/gtest.h>

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
    const int language = c.box == KeyBox::MemoShov ? kHebrew : kRussian;
    for (int b = 0; b < 256; ++b) {
      const char key = static_cast<char>(b);
      const auto typed = TypeKey(c.box, kRussian, key);
      if (c.passes.find(key) != std::string::npos) {
        EXPECT_EQ(typed, key) << "byte " << b;
      } else {
        EXPECT_EQ(typed, KeyToLetter(key, language)) << "byte " << b;
      }
    }
  }
}

TEST(KeyBox, ApostropheAndFullStopDependOnTheBox) {
  EXPECT_EQ(TypeKey(KeyBox::Edit3, kRussian, '\''), '\xDD');  // Э
  EXPECT_EQ(TypeKey(KeyBox::DBEdit1, kRussian, '\''), '\xDD');
  EXPECT_EQ(TypeKey(KeyBox::Memo1, kHebrew, '\''), '\'');
  EXPECT_EQ(TypeKey(KeyBox::Edit1, kEnglish, '\''), '\'');
  EXPECT_EQ(TypeKey(KeyBox::DBEdit3, kEnglish, '.'), '.');
  EXPECT_EQ(TypeKey(KeyBox::DBEdit1, kRussian, '.'), '\xDE');  // Ю
  EXPECT_EQ(TypeKey(KeyBox::DBMemo1, kHebrew, '.'), '\xF5');   // final tsadi
  EXPECT_EQ(TypeKey(KeyBox::DBMemo5, kHebrew, '.'), '.');
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, kEnglish, ';').has_value());
}

TEST(KeyBox, VerbFormBoxIsHebrewWhateverTheInputLanguage) {
  for (int language : {kRussian, kHebrew, kEnglish}) {
    EXPECT_EQ(TypeKey(KeyBox::MemoShov, language, 't'), '\xE0');
    EXPECT_EQ(TypeKey(KeyBox::MemoShov, language, QChar(u'е')), QChar(u'א'));
  }
}

TEST(KeyBox, KeyEventCharactersBecomeLettersOfTheLanguage) {
  // A Latin and a Cyrillic layout give the same letter on the same key.
  EXPECT_EQ(TypeKey(KeyBox::Edit3, kRussian, QChar(u'f')), QChar(u'А'));
  EXPECT_EQ(TypeKey(KeyBox::Edit3, kRussian, QChar(u'а')), QChar(u'А'));
  EXPECT_EQ(TypeKey(KeyBox::Memo1, kHebrew, QChar(u'c')), QChar(u'ב'));
  EXPECT_EQ(TypeKey(KeyBox::Memo1, kHebrew, QChar(u'С')), QChar(u'ב'));
  EXPECT_EQ(TypeKey(KeyBox::Memo1, kHebrew, QChar(u'В')), QChar(u'\u05B2'));  // hataf patah
  EXPECT_EQ(TypeKey(KeyBox::Edit1, kEnglish, QChar(u'я')), QChar(u'Z'));
  EXPECT_EQ(TypeKey(KeyBox::Edit1, kEnglish, QChar(u'\b')), QChar(u'\b'));
  EXPECT_EQ(TypeKey(KeyBox::Edit1, kEnglish, QChar(u'9')), QChar(u'('));
}

TEST(KeyBox, CharactersWithoutLetterTypeNothing) {
  EXPECT_FALSE(TypeKey(KeyBox::Edit3, kRussian, QChar(u'1')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit3, kRussian, QChar(u'Q')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit3, kRussian, QChar(u'ё')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Memo1, kHebrew, QChar(u'א')).has_value());  // not a key character
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, kEnglish, QChar(u'é')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, kEnglish, QChar(u'\r')).has_value());
  EXPECT_FALSE(TypeKey(KeyBox::Edit1, kEnglish, QChar(0xF798)).has_value());
}

}  // namespace
}  // namespace text
