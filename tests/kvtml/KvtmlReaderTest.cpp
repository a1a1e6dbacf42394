// Reading KVTML files other programs wrote: languages by locale, word types, lessons, what is
// passed over and said so, and broken files refused whole with the line and the reason.
#include <gtest/gtest.h>

#include "exchange/ExchangeError.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace exchange::kvtml {
namespace {

using text::Codepage;
using text::Language;

std::string Utf8ToBytes(const char* utf8, Codepage codepage) {
  return text::FromUtf8(utf8, codepage);
}

// A file as Parley writes it: German first, American English, Russian, Hebrew as "iw", the types
// and lessons after the entries.
constexpr const char* kParleyFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
 <information><generator>Parley 1.0</generator><title>Tiere</title></information>
 <identifiers>
  <identifier id="0"><name>Deutsch</name><locale>de</locale></identifier>
  <identifier id="1"><name>English</name><locale>en_US</locale></identifier>
  <identifier id="2"><name>Русский</name><locale>ru</locale></identifier>
  <identifier id="3"><name>Hebrew</name><locale>iw</locale></identifier>
  <identifier id="4"><name>British</name><locale>en_GB</locale></identifier>
 </identifiers>
 <entries>
  <entry id="0">
   <translation id="0"><text>Hund</text></translation>
   <translation id="1"><text>dog</text><pronunciation>dɔg</pronunciation>
     <comment>a pet</comment></translation>
   <translation id="2"><text>собака</text><pronunciation>саба&lt;ка</pronunciation></translation>
   <translation id="3"><text>כֶּלֶב</text></translation>
  </entry>
  <entry id="1">
   <translation id="0"><text>Katze</text></translation>
   <translation id="4"><text>cat</text></translation>
  </entry>
  <entry id="2">
   <translation id="1"><text>run</text></translation>
   <translation id="2"><text>бежать</text>
    <conjugation><tense>Present</tense><singular><firstperson><text>бегу</text></firstperson>
    </singular></conjugation></translation>
   <translation id="3"><text>רץ</text></translation>
  </entry>
  <entry id="7">
   <translation id="2"><text>晴れ</text></translation>
  </entry>
 </entries>
 <lessons>
  <container><name>Nature/Travels</name><entry id="0"/>
   <container><name>Unterlektion</name><entry id="2"/></container>
  </container>
  <container><name>Lektion 2</name><entry id="1"/></container>
 </lessons>
 <wordtypes>
  <container><name>Substantiv</name><specialwordtype>noun</specialwordtype>
   <container><name>Weiblich</name><specialwordtype>noun:female</specialwordtype>
    <entry id="0"><translation id="2"/></entry>
   </container>
   <container><name>Männlich</name><specialwordtype>noun/male</specialwordtype>
    <entry id="0"><translation id="3"/></entry>
   </container>
  </container>
  <container><name>Verb</name><specialwordtype>verb</specialwordtype>
   <entry id="2"><translation id="1"/><translation id="2"/></entry>
   <container><name>Piel</name><entry id="2"><translation id="3"/></entry></container>
  </container>
  <container><name>Unbekannt</name><entry id="99"><translation id="1"/></entry></container>
 </wordtypes>
</kvtml>
)";

TEST(KvtmlReader, TakesTheThreeLanguagesByLocaleAndNamesTheOthers) {
  const ForeignDocument document = ReadKvtml(kParleyFile);
  ASSERT_EQ(document.Meanings.size(), 2u);
  const auto& dog = document.Meanings[0];
  EXPECT_EQ(dog.Words[Language::Russian].Item, Utf8ToBytes("собака", Codepage::Win1251));
  EXPECT_EQ(dog.Words[Language::Russian].Speech, Utf8ToBytes("саба<ка", Codepage::Win1251));
  EXPECT_EQ(dog.Words[Language::English].Item, "dog");
  // Stored in display order: the last letter first.
  EXPECT_EQ(dog.Words[Language::Hebrew].Item,
            text::InvertText(Utf8ToBytes("כֶּלֶב", Codepage::Win1255)));
  EXPECT_EQ(dog.Words[Language::Russian].Sex, 2);
  EXPECT_EQ(dog.Words[Language::Hebrew].Sex, 1);
  EXPECT_EQ(dog.Part, 2);
  EXPECT_EQ(dog.Topic, 6);
  const auto& run = document.Meanings[1];
  EXPECT_EQ(run.Part, 1);
  EXPECT_EQ(run.Binyan, 2);
  EXPECT_EQ(run.Topic, 6);  // from the enclosing lesson
  EXPECT_EQ(run.Spelling, decltype(run.Spelling){});

  const std::vector<std::string> notes = {
      "The words in Deutsch (de) were passed over: Vocamir holds Russian, Hebrew and English.",
      "The words in British (en_GB) were passed over: the file's first English column was taken.",
      "The verb forms of 1 Russian or English words were passed over: Vocamir holds the forms "
      "of Hebrew verbs only.",
      "The comments, examples or paraphrases of 1 words were passed over: Vocamir has no place "
      "for them."};
  EXPECT_EQ(document.Notes, notes);
}

TEST(KvtmlReader, NotesWhatACodePageCannotHoldAndRefusesEntriesWithoutWords) {
  const ForeignDocument document = ReadKvtml(kParleyFile);
  const std::vector<ShortenedWord> shortened = {{"entry 0, English pronunciation", "dg", "ɔ"}};
  EXPECT_EQ(document.Shortened, shortened);
  // The cat stands only in German and in the second English column, which is passed over; the
  // last entry's Japanese has no Russian letter, and a refused entry's words are not listed.
  const std::vector<RefusedEntry> refused = {{"entry 1", "no Russian, Hebrew or English word"},
                                             {"entry 7", "no Russian, Hebrew or English word"}};
  EXPECT_EQ(document.Refused, refused);
}

TEST(KvtmlReader, NamesALanguageWithoutNameOrLocaleByItsIdentifier) {
  const ForeignDocument document = ReadKvtml(
      "<kvtml version=\"2.0\"><identifiers><identifier id=\"3\"/></identifiers>"
      "<entries><entry id=\"0\"><translation id=\"3\"><text>x</text></translation></entry>"
      "</entries></kvtml>");
  EXPECT_EQ(document.Notes, std::vector<std::string>{
                                "The words in identifier 3 (no locale) were passed over: Vocamir "
                                "holds Russian, Hebrew and English."});
  EXPECT_EQ(document.Refused.size(), 1u);
}

TEST(KvtmlReader, RefusesBrokenFilesWithTheLineAndTheReason) {
  struct Case {
    const char* bytes;
    const char* expected;  // a part of the message
  };
  const Case cases[] = {
      {"", "line 1"},
      {"plain text", "line 1"},
      {"<?xml version=\"1.0\"?>\n<html><body/></html>", "line 2: the document is <html>"},
      {"<kvtml version=\"1.0\"><lesson/></kvtml>", "version \"1.0\" is not read"},
      {"<kvtml><entries/></kvtml>", "version \"\" is not read"},
      {"<kvtml version=\"2.0\">\n<entries>\n<entry id=\"0\">\n</entries></kvtml>", "line 4"},
      {"<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\"><text>a</text>",
       "line 1"},
      {"<kvtml version=\"2.0\"></kvtml><kvtml/>", "line 1"},
      {"<kvtml version=\"2.0\" xmlns:vocamir=\"urn:x-vocamir:kvtml\"><entries>\n<entry id=\"0\">"
       "<vocamir:part>two</vocamir:part></entry></entries></kvtml>",
       "line 2: the part of speech \"two\" is not a whole number"},
      {"<kvtml version=\"2.0\"><identifiers><identifier id=\"x\"/></identifiers></kvtml>",
       "the identifier id \"x\""},
  };
  for (const Case& c : cases) {
    try {
      ReadKvtml(c.bytes);
      ADD_FAILURE() << "read: " << c.bytes;
    } catch (const ExchangeError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(c.expected), std::string::npos) << message;
      EXPECT_EQ(message.rfind("Not a KVTML 2 vocabulary: line ", 0), 0u) << message;
    }
  }
}

TEST(KvtmlReader, RefusesContainersNestedBeyondReason) {
  std::string bytes = "<kvtml version=\"2.0\"><lessons>";
  for (int depth = 0; depth < 100; ++depth) bytes += "<container>";
  EXPECT_THROW(ReadKvtml(bytes), ExchangeError);
}

}  // namespace
}  // namespace exchange::kvtml
