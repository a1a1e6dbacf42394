#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StringSink.h"
#include "exchange/DocumentScanner.h"
#include "exchange/DocumentWriter.h"
#include "exchange/ExchangeError.h"

namespace exchange {
namespace {

// Every unit of a document, in order.
std::vector<ExchangeUnit> ScanAll(std::string_view document) {
  DocumentScanner scanner(document);
  std::vector<ExchangeUnit> units;
  while (const ExchangeUnit* unit = scanner.NextUnit()) units.push_back(*unit);
  return units;
}

// The only unit of a document; fails the test when there is not exactly one.
ExchangeUnit ScanOne(std::string_view document) {
  std::vector<ExchangeUnit> units = ScanAll(document);
  EXPECT_EQ(units.size(), 1u);
  return units.empty() ? ExchangeUnit{} : units.front();
}

ExchangeUnit FullVerb() {
  ExchangeUnit unit;
  unit.Part = 1;
  unit.Topic = 11;
  unit.Words[text::Language::Russian] = {"\xCF\xC8\xD1\xC0\xD2\xDC", "\xEF\xE8\xF1\xE0<\xF2\xFC",
                                         0};
  unit.Words[text::Language::Hebrew] = {"\xE1\xFA\xEB", "\xEA\xE0\xF2\xE0<\xE2", 1};
  unit.Words[text::Language::English] = {"WRITE & READ", "rait", 2};
  unit.Root = "\xE1\xFA\xEB";
  unit.Binyan = 1;
  for (int i = 0; i < kFormCount; ++i) {
    unit.Spelling[i] = "\xE1\xFA\xEB" + std::to_string(i + 1);
    unit.Pronunciation[i] = "\xEA\xE0<" + std::to_string(i + 1);
  }
  return unit;
}

std::string Written(const std::vector<ExchangeUnit>& units) {
  StringSink sink;
  DocumentWriter writer(sink);
  writer.WriteHeader("09.12.2026");
  for (const ExchangeUnit& unit : units) writer.WriteUnit(unit);
  writer.WriteFooter();
  return sink.Bytes;
}

TEST(DocumentScanner, ReadsBackWhatTheWriterWrote) {
  ExchangeUnit noun;
  noun.Part = 2;
  noun.Topic = -3;
  noun.Words[text::Language::Russian] = {"\xC4\xCE\xCC", "\xE4\xEE<\xEC", 3};
  noun.Words[text::Language::Hebrew] = {"\xFA\xE9\xE1", "", 2};
  noun.Words[text::Language::English] = {"HOUSE", "hau<s", 0};
  const std::vector<ExchangeUnit> units = {FullVerb(), noun, FullVerb()};
  EXPECT_EQ(ScanAll(Written(units)), units);
}

TEST(DocumentScanner, StressMarksBecomeLessThanInHintsAndPronunciationsOnly) {
  const ExchangeUnit unit = ScanOne(
      "<WordRU><Item>a_b</Item><Speech>do_m</Speech></WordRU>"
      "<Spelling><Present><Zahar>x_y</Zahar></Present></Spelling>"
      "<Pronunciation><Present><Zahar>ka_tav</Zahar></Present></Pronunciation>"
      "<WordHE><Shoresh>r_t</Shoresh></WordHE></Unit>");
  EXPECT_EQ(unit.Words[text::Language::Russian].Item, "a_b");
  EXPECT_EQ(unit.Words[text::Language::Russian].Speech, "do<m");
  EXPECT_EQ(unit.Spelling[0], "x_y");
  EXPECT_EQ(unit.Pronunciation[0], "ka<tav");
  EXPECT_EQ(unit.Root, "r_t");
}

struct IgnoredTagCase {
  const char* name;
  const char* document;
};

class IgnoredTag : public testing::TestWithParam<IgnoredTagCase> {};

TEST_P(IgnoredTag, LosesItsContent) {
  const ExchangeUnit unit = ScanOne(GetParam().document);
  EXPECT_EQ(unit.Words[text::Language::Russian].Item, "");
  EXPECT_EQ(unit.Part, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, IgnoredTag,
    testing::Values(
        IgnoredTagCase{"SmallInitial", "<WordRU><item>x</item><part>3</part></Unit>"},
        IgnoredTagCase{"Attribute", "<WordRU><Item lang='ru'>x</Item><Part n='1'>3</Part></Unit>"},
        IgnoredTagCase{"Blank", "<WordRU><Item >x</Item><Part >3</Part></Unit>"},
        IgnoredTagCase{"EmptyElement", "<WordRU><Item/>x<Part/>3</Unit>"},
        IgnoredTagCase{"CapitalTail", "<WordRU><ITEM>x</ITEM><PART>3</PART></Unit>"},
        IgnoredTagCase{"LessThanInsideTag", "<WordRU><Ite<Item>x</Item><Par<Part>3</Part></Unit>"},
        IgnoredTagCase{"OpensAComment", "<WordRU><!-- <Item>x</Item> --></Unit>"},
        IgnoredTagCase{"NoLanguageYet", "<Item>x</Item></Unit>"}),
    [](const testing::TestParamInfo<IgnoredTagCase>& info) { return info.param.name; });

TEST(DocumentScanner, ItemSpeechAndSexFollowTheCurrentLanguage) {
  const ExchangeUnit unit = ScanOne(
      "<WordEN><Item>en</Item><WordRU><Item>ru</Item><Sex>3</Sex>"
      "<WordHE><Speech>he</Speech><Sex>2</Sex></Unit>");
  EXPECT_EQ(unit.Words[text::Language::English].Item, "en");
  EXPECT_EQ(unit.Words[text::Language::Russian].Item, "ru");
  EXPECT_EQ(unit.Words[text::Language::Russian].Sex, 3);
  EXPECT_EQ(unit.Words[text::Language::Hebrew].Speech, "he");
  EXPECT_EQ(unit.Words[text::Language::Hebrew].Sex, 2);
  EXPECT_EQ(unit.Words[text::Language::English].Sex, 0);
}

struct FormCase {
  const char* tense;
  const char* name;
  int position;  // 0: ignored
};

class FormPosition : public testing::TestWithParam<FormCase> {};

TEST_P(FormPosition, LandsWhereTheTenseAndNameSay) {
  const FormCase& c = GetParam();
  const std::string document = std::string("<Spelling><") + c.tense + "><" + c.name + ">w</" +
                               c.name + "><Pronunciation><" + c.name + ">p_</" + c.name +
                               "></Unit>";
  const ExchangeUnit unit = ScanOne(document);
  for (int position = 1; position <= kFormCount; ++position) {
    const bool here = position == c.position;
    EXPECT_EQ(unit.Spelling[position - 1], here ? "w" : "") << "position " << position;
    EXPECT_EQ(unit.Pronunciation[position - 1], here ? "p<" : "") << "position " << position;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormPosition,
    testing::Values(FormCase{"Present", "Zahar", 1}, FormCase{"Present", "Rabot", 4},
                    FormCase{"Past", "Ani", 5}, FormCase{"Past", "Atem", 11},
                    FormCase{"Past", "Hen", 14}, FormCase{"Future", "Ani", 15},
                    FormCase{"Future", "Aten", 22}, FormCase{"Future", "Hen", 24},
                    FormCase{"Command", "Zahar", 25}, FormCase{"Command", "Nekiva", 26},
                    FormCase{"Command", "Rabim", 27}, FormCase{"Command", "Process", 28},
                    FormCase{"Present", "Process", 28}, FormCase{"Command", "Rabot", 0},
                    FormCase{"Past", "Rabot", 0}, FormCase{"Present", "Ani", 0},
                    FormCase{"Future", "Zahar", 0}, FormCase{"Command", "Hu", 0}));

TEST(DocumentScanner, FormsOutsideASectionOrTenseAreIgnored) {
  const ExchangeUnit unit =
      ScanOne("<Present><Zahar>a</Zahar><Spelling><Ani>b</Ani><Process>c</Process></Unit>");
  EXPECT_EQ(unit.Spelling[0], "");
  EXPECT_EQ(unit.Spelling[4], "");
  EXPECT_EQ(unit.Spelling[14], "");
  EXPECT_EQ(unit.Spelling[27], "c");
}

TEST(DocumentScanner, EveryUnitStartsFromEmptyValuesButKeepsTheContext) {
  const std::vector<ExchangeUnit> units = ScanAll(
      "<Common><Part>1</Part><Topic>4</Topic></Common>"
      "<WordHE><Item>h</Item><Sex>2</Sex><Binyan>3</Binyan><Shoresh>r</Shoresh>"
      "<Verb><Spelling><Past><Hu>s</Hu></Past></Spelling></Verb>"
      "<WordEN><Item>first</Item></Unit>"
      "<Item>second</Item><Hi>t</Hi></Unit>");
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0].Binyan, 3);
  EXPECT_EQ(units[0].Spelling[7], "s");
  const ExchangeUnit& second = units[1];
  EXPECT_EQ(second.Part, 0);
  EXPECT_EQ(second.Topic, 0);
  EXPECT_EQ(second.Binyan, 0);
  EXPECT_EQ(second.Root, "");
  EXPECT_EQ(second.Words[text::Language::Hebrew], ExchangeWord{});
  EXPECT_EQ(second.Spelling[7], "");
  // Still English, still the spelling of the past tense.
  EXPECT_EQ(second.Words[text::Language::English].Item, "second");
  EXPECT_EQ(second.Spelling[8], "t");
}

TEST(DocumentScanner, ContentIsTakenByteForByte) {
  const ExchangeUnit unit =
      ScanOne("<WordRU>\r\n  <Item> a &amp; b\r\n\x01\xFF</Item>\r\n</WordRU></Unit>");
  EXPECT_EQ(unit.Words[text::Language::Russian].Item, " a &amp; b\r\n\x01\xFF");
}

TEST(DocumentScanner, OtherTagsAndEndTagsHaveNoEffect) {
  const ExchangeUnit unit = ScanOne(
      "<?xml version='1.0'?><Root><Day>1.1.2000</Day><Unit><Num>7</Num><Common><Part>2</Part>"
      "</Common></Part><Part>3</Part></WordRU><Item>x</Item></Unit>");
  EXPECT_EQ(unit.Part, 3);
  EXPECT_EQ(unit.Words[text::Language::Russian].Item, "");
}

TEST(DocumentScanner, AnyNumberOfUnits) {
  EXPECT_TRUE(ScanAll("").empty());
  EXPECT_TRUE(ScanAll("<Root></Root>").empty());
  EXPECT_EQ(ScanAll("</Unit></Unit></Unit>").size(), 3u);
  EXPECT_EQ(ScanAll("</Unit></Unit></Unit>")[2], ExchangeUnit{});
}

struct CodeCase {
  const char* content;
  int value;  // when valid
  bool valid;
};

class CodeContent : public testing::TestWithParam<CodeCase> {};

TEST_P(CodeContent, IsADecimalNumberFromMinus128To127) {
  const CodeCase& c = GetParam();
  for (const char* tag : {"Part", "Topic", "Binyan", "Sex"}) {
    const std::string document =
        std::string("<WordEN></Unit><") + tag + ">" + c.content + "</" + tag + "></Unit>";
    DocumentScanner scanner(document);
    ASSERT_NE(scanner.NextUnit(), nullptr);
    if (c.valid) {
      const ExchangeUnit* unit = scanner.NextUnit();
      ASSERT_NE(unit, nullptr);
      const int read = std::string_view(tag) == "Part"    ? unit->Part
                       : std::string_view(tag) == "Topic" ? unit->Topic
                       : std::string_view(tag) == "Binyan"
                           ? unit->Binyan
                           : unit->Words[text::Language::English].Sex;
      EXPECT_EQ(read, c.value) << tag;
    } else {
      EXPECT_THROW(scanner.NextUnit(), ExchangeError) << tag << " '" << c.content << "'";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeContent,
                         testing::Values(CodeCase{"0", 0, true}, CodeCase{"7", 7, true},
                                         CodeCase{"-1", -1, true}, CodeCase{"127", 127, true},
                                         CodeCase{"-128", -128, true}, CodeCase{"007", 7, true},
                                         CodeCase{"", 0, false}, CodeCase{"abc", 0, false},
                                         CodeCase{"1x", 0, false}, CodeCase{" 1", 0, false},
                                         CodeCase{"1\r\n", 0, false}, CodeCase{"128", 0, false},
                                         CodeCase{"-129", 0, false},
                                         CodeCase{"99999999999999999999", 0, false},
                                         CodeCase{"-", 0, false}, CodeCase{"0x1", 0, false}));

TEST(DocumentScanner, TheCodeErrorNamesTheElementAndItsContent) {
  DocumentScanner scanner("<Topic>two</Topic></Unit>");
  try {
    scanner.NextUnit();
    FAIL() << "no error";
  } catch (const ExchangeError& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("Topic"), std::string::npos) << text;
    EXPECT_NE(text.find("'two'"), std::string::npos) << text;
  }
}

TEST(DocumentScanner, AnUnlanguagedSexIsNotRead) {
  EXPECT_EQ(ScanAll("<Sex>not a number</Sex></Unit>").size(), 1u);
}

struct CutCase {
  const char* name;
  const char* document;
};

class CutOff : public testing::TestWithParam<CutCase> {};

TEST_P(CutOff, DropsTheUnfinishedElementAndEnds) {
  DocumentScanner scanner(GetParam().document);
  const ExchangeUnit* first = scanner.NextUnit();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Words[text::Language::Russian].Item, "kept");
  EXPECT_EQ(scanner.NextUnit(), nullptr);
  EXPECT_EQ(scanner.NextUnit(), nullptr);
  EXPECT_EQ(scanner.Position(), std::string_view(GetParam().document).size());
}

INSTANTIATE_TEST_SUITE_P(
    Ends, CutOff,
    testing::Values(CutCase{"InTagName", "<WordRU><Item>kept</Item></Unit><Ite"},
                    CutCase{"AfterLessThan", "<WordRU><Item>kept</Item></Unit><"},
                    CutCase{"InContent", "<WordRU><Item>kept</Item></Unit><Item>lost"},
                    CutCase{"InCodeContent", "<WordRU><Item>kept</Item></Unit><Part>12"},
                    CutCase{"InUnitEnd", "<WordRU><Item>kept</Item></Unit></Unit"},
                    CutCase{"AfterStartTag", "<WordRU><Item>kept</Item></Unit><Item>"}),
    [](const testing::TestParamInfo<CutCase>& info) { return info.param.name; });

TEST(DocumentScanner, PositionAdvancesToTheEnd) {
  const std::string document = Written({FullVerb(), FullVerb()});
  DocumentScanner scanner(document);
  ASSERT_NE(scanner.NextUnit(), nullptr);
  const std::size_t half = scanner.Position();
  EXPECT_GT(half, 0u);
  EXPECT_LT(half, document.size());
  ASSERT_NE(scanner.NextUnit(), nullptr);
  EXPECT_EQ(scanner.NextUnit(), nullptr);
  EXPECT_EQ(scanner.Position(), document.size());
}

}  // namespace
}  // namespace exchange
