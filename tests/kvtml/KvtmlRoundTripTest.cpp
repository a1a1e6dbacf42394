// Meanings written as KVTML and read back come back exactly: every code in every combination the
// containers can or cannot express, hints, roots, the 28 verb forms, and texts XML treats
// specially.
#include <gtest/gtest.h>

#include "StringSink.h"
#include "exchange/ExchangeError.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "exchange/kvtml/KvtmlWriter.h"
#include "text/Codepage.h"

namespace exchange::kvtml {
namespace {

using text::Codepage;
using text::Language;

std::string Bytes(const char16_t* unicode, Codepage codepage) {
  return text::FromUnicode(QString::fromUtf16(unicode), codepage);
}

ExchangeUnit Meaning(int part, int topic, std::array<int, 3> sex, int binyan) {
  ExchangeUnit meaning;
  meaning.Part = part;
  meaning.Topic = topic;
  meaning.Binyan = binyan;
  meaning.Words[Language::Russian] = {Bytes(u"КОТ", Codepage::Win1251),
                                      Bytes(u"ко<т", Codepage::Win1251), sex[0]};
  // Display order, as stored: the reading order is "חתול".
  meaning.Words[Language::Hebrew] = {Bytes(u"לותח", Codepage::Win1255),
                                     Bytes(u"хату<ль", Codepage::Win1251), sex[1]};
  meaning.Words[Language::English] = {"CAT", "", sex[2]};
  return meaning;
}

ExchangeUnit Verb(int part, int binyan) {
  ExchangeUnit meaning = Meaning(part, 4, {0, 0, 0}, binyan);
  meaning.Root = Bytes(u"בתכ", Codepage::Win1255);
  for (int form = 0; form < kFormCount; ++form) {
    meaning.Spelling[form] = Bytes(u"בתוכ", Codepage::Win1255) + std::to_string(form);
    meaning.Pronunciation[form] = Bytes(u"котэ<в", Codepage::Win1251) + std::to_string(form);
  }
  meaning.Spelling[3].clear();        // a hint without its spelling
  meaning.Pronunciation[26].clear();  // a spelling without its hint
  meaning.Spelling[27].clear();
  meaning.Pronunciation[27].clear();  // neither
  return meaning;
}

std::vector<ExchangeUnit> RoundTrip(const std::vector<ExchangeUnit>& meanings) {
  StringSink sink;
  WriteKvtml(sink, meanings, QStringLiteral("Test & <title>"));
  const ForeignDocument document = ReadKvtml(sink.Bytes);
  EXPECT_TRUE(document.Refused.empty());
  EXPECT_TRUE(document.Shortened.empty());
  EXPECT_TRUE(document.Notes.empty());
  return document.Meanings;
}

TEST(KvtmlRoundTrip, KeepsEveryCodeWhetherAContainerHoldsItOrNot) {
  const std::vector<ExchangeUnit> meanings = {
      Meaning(0, 0, {0, 0, 0}, 0),      // nothing in a container
      Meaning(2, 14, {1, 2, 3}, 0),     // noun genders as sub-containers
      Meaning(2, 3, {0, 3, 0}, 0),      // a noun without gender beside one with
      Meaning(3, 5, {1, 2, 3}, 0),      // genders of a word that is no noun
      Meaning(1, 1, {0, 0, 0}, 0),      // a verb without pattern
      Meaning(4, 2, {0, 0, 0}, 3),      // a pattern on a word that is no verb
      Meaning(5, 7, {2, 0, 1}, 0),      // the theme with the trailing blank in the editor
      Meaning(9, 15, {4, -1, 0}, -2),   // codes outside every list
      Meaning(-1, -3, {0, 0, 127}, 8),  // more of them
      Verb(1, 1),
      Verb(1, 7),
      Verb(0, 5),  // forms of a pattern on an "unknown" part of speech
  };
  const std::vector<ExchangeUnit> back = RoundTrip(meanings);
  ASSERT_EQ(back.size(), meanings.size());
  for (std::size_t at = 0; at < meanings.size(); ++at) EXPECT_EQ(back[at], meanings[at]) << at;
}

TEST(KvtmlRoundTrip, KeepsTextsThatXmlTreatsSpecially) {
  const std::vector<std::string> texts = {"  blanks around  ",
                                          "a & b < c > d \"e\" 'f'",
                                          "line\nend",
                                          "carriage\rreturn\r\n",
                                          "tab\there",
                                          "]]>",
                                          "&amp;"};
  std::vector<ExchangeUnit> meanings;
  for (const std::string& english : texts) {
    ExchangeUnit meaning;
    meaning.Words[Language::English] = {english, english, 0};
    meaning.Words[Language::Russian].Speech = english;
    meanings.push_back(meaning);
  }
  const std::vector<ExchangeUnit> back = RoundTrip(meanings);
  ASSERT_EQ(back.size(), meanings.size());
  for (std::size_t at = 0; at < meanings.size(); ++at) EXPECT_EQ(back[at], meanings[at]) << at;
}

TEST(KvtmlRoundTrip, KeepsEveryByteOfTheCodePages) {
  ExchangeUnit meaning;
  std::string high;
  for (int byte = 0x80; byte <= 0xFF; ++byte) high.push_back(static_cast<char>(byte));
  meaning.Words[Language::Russian] = {high, high, 0};
  meaning.Words[Language::Hebrew] = {high, high, 0};
  meaning.Root = high;
  meaning.Binyan = 1;
  meaning.Spelling[0] = high;
  meaning.Pronunciation[0] = high;
  EXPECT_EQ(RoundTrip({meaning}), std::vector<ExchangeUnit>{meaning});
}

TEST(KvtmlWriter, RefusesAControlCharacterXmlCannotCarry) {
  ExchangeUnit meaning;
  meaning.Words[Language::English].Item = std::string("BELL\x07", 5);
  StringSink sink;
  try {
    WriteKvtml(sink, {ExchangeUnit{}, meaning}, QStringLiteral("t"));
    FAIL() << "written";
  } catch (const ExchangeError& error) {
    EXPECT_NE(std::string(error.what()).find("meaning 2"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace exchange::kvtml
