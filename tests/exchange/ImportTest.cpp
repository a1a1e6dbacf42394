#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ExchangeDictionary.h"
#include "GoldenFile.h"
#include "RefusedWrites.h"
#include "exchange/ExchangeError.h"
#include "exchange/Export.h"
#include "exchange/Import.h"

namespace exchange {
namespace {

constexpr char kDate[] = "09.12.2026";

// A document of one unit per line of `units`, each line the unit's inner elements.
std::string Document(std::initializer_list<std::string_view> units) {
  std::string document = "<?xml version='1.0' encoding='Windows-1252'?>\r\n <Root>\r\n";
  for (std::string_view unit : units) {
    document += "<Unit>";
    document += unit;
    document += "</Unit>\r\n";
  }
  return document + " </Root>";
}

constexpr std::string_view kNoun =
    "<Common><Part>2</Part><Topic>3</Topic></Common>"
    "<WordRU><Item>\xC4\xCE\xCC</Item><Speech>\xE4\xEE_\xEC</Speech><Sex>1</Sex></WordRU>"
    "<WordHE><Item>\xFA\xE9\xE1</Item><Speech>\xE1\xE0_\xE8\xF2</Speech><Sex>2</Sex>"
    "<Shoresh></Shoresh><Binyan>0</Binyan></WordHE>"
    "<WordEN><Item>HOUSE</Item><Speech>hau_s</Speech><Sex>0</Sex></WordEN>";

class ImportTest : public testing::Test {
 protected:
  TDataModul& Data() { return Dictionary.Data(); }

  // Exports every word of the dictionary, in record-key order, and returns the document.
  std::string ExportAll(const QString& name) {
    Data().RUTable().SetIndexName("RUTableIndex1");
    SelectMarkedWords(Data());
    const int count = SelectAllWords(Data());
    EXPECT_TRUE(ExportDocument(Data(), Dictionary.FilePath(name), count, kDate));
    ReleaseWordFilters(Data());
    return ReadBytes(Dictionary.FilePath(name));
  }

  int Count(store::Table& table) {
    if (table.Filtered()) table.SetFiltered(false);
    return table.RecordCount();
  }

  std::array<int, 3> Counts() {
    return {Count(Data().RUTable()), Count(Data().HETable()), Count(Data().ENTable())};
  }

  // The last record's value of a field ("" when empty).
  std::string Last(store::Table& table, std::string_view field) {
    table.SetIndexName("");
    table.Last();
    return table.FieldByName(field).AsString();
  }

  test::TestWorkspace Dictionary;
};

TEST_F(ImportTest, AFullExportImportedIntoTheSameDictionaryAddsNothing) {
  FillSmallDictionary(Dictionary.Data(), SmallDictionary::Consistent);
  ExportAll("full.xml");
  const auto before = Counts();
  const ImportResult result = ImportDocument(Data(), Dictionary.FilePath("full.xml"));
  EXPECT_EQ(result.Added, 0);
  EXPECT_EQ(result.Skipped, 5);
  EXPECT_EQ(Counts(), before);
}

TEST_F(ImportTest, RoundTripThroughAnEmptyDictionaryGivesTheSameDocument) {
  FillSmallDictionary(Dictionary.Data(), SmallDictionary::Consistent);
  const std::string first = ExportAll("first.xml");

  test::TestWorkspace empty;
  const ImportResult result = ImportDocument(empty.Data(), Dictionary.FilePath("first.xml"));
  EXPECT_EQ(result.Added, 5);
  empty.Data().RUTable().SetIndexName("RUTableIndex1");
  const int count = SelectMarkedWords(empty.Data());  // every imported word is marked
  ASSERT_EQ(count, 5);
  ASSERT_TRUE(ExportDocument(empty.Data(), empty.FilePath("second.xml"), count, kDate));
  EXPECT_EQ(ReadBytes(empty.FilePath("second.xml")), first);
}

TEST_F(ImportTest, AUnitWithOneNewWordAddsAWholeMeaning) {
  FillSmallDictionary(Dictionary.Data(), SmallDictionary::Consistent);
  const auto before = Counts();
  std::string unit(kNoun);
  unit.replace(unit.find("\xC4\xCE\xCC"), 3, "\xC4\xCE\xCC\xC8\xCA");  // a new Russian word
  const ImportResult result = ImportBytes(Data(), Document({unit}));
  EXPECT_EQ(result.Added, 1);
  EXPECT_EQ(Counts(), (std::array<int, 3>{before[0] + 1, before[1] + 1, before[2] + 1}));

  const int ru = std::stoi(Last(Data().RUTable(), "Id"));
  const int he = std::stoi(Last(Data().HETable(), "id"));
  const int en = std::stoi(Last(Data().ENTable(), "id"));
  EXPECT_EQ(Last(Data().RUTable(), "Item"), "\xC4\xCE\xCC\xC8\xCA");
  EXPECT_EQ(Last(Data().RUTable(), "IdHE"), std::to_string(he));
  EXPECT_EQ(Last(Data().RUTable(), "IdEN"), std::to_string(en));
  EXPECT_EQ(Last(Data().HETable(), "idRU"), std::to_string(ru));
  EXPECT_EQ(Last(Data().HETable(), "idEN"), std::to_string(en));
  EXPECT_EQ(Last(Data().ENTable(), "idRU"), std::to_string(ru));
  EXPECT_EQ(Last(Data().ENTable(), "idHE"), std::to_string(he));
  EXPECT_EQ(Last(Data().HETable(), "Item"), "\xFA\xE9\xE1");
  EXPECT_EQ(Last(Data().ENTable(), "Item"), "HOUSE");
}

TEST_F(ImportTest, ValuesLandInTheirFieldsWithStressMarksRestored) {
  const ImportResult result = ImportBytes(Data(), Document({kNoun}));
  ASSERT_EQ(result.Added, 1);
  store::Table& ru = Data().RUTable();
  store::Table& he = Data().HETable();
  store::Table& en = Data().ENTable();
  EXPECT_EQ(Last(ru, "RussianSpeech"), "\xE4\xEE<\xEC");
  EXPECT_EQ(Last(he, "HebrSpeech"), "\xE1\xE0<\xE8\xF2");
  EXPECT_EQ(Last(en, "EnglishSpeech"), "hau<s");
  EXPECT_EQ(Last(he, "Item_Invert"), "\xE1\xE9\xFA");
  for (store::Table* table : {&ru, &he, &en}) {
    EXPECT_EQ(Last(*table, "Part"), "2");
    EXPECT_EQ(Last(*table, "Topic"), "3");
    EXPECT_EQ(Last(*table, "Select"), "*");
  }
  EXPECT_EQ(Last(ru, "Sex"), "1");
  EXPECT_EQ(Last(he, "Sex"), "2");
  EXPECT_EQ(Last(en, "Sex"), "0");
  EXPECT_EQ(Last(he, "Binyan"), "0");
  EXPECT_TRUE(he.FieldByName("Root").IsNull());
  EXPECT_EQ(Count(Data().GLTABLE()), 0);
  EXPECT_EQ(Count(Data().NekudotTable()), 0);
}

TEST_F(ImportTest, AVerbGetsItsFormsAtTheirPositions) {
  const std::string verb =
      "<WordHE><Item>\xE1\xFA\xEB</Item><Shoresh>\xE1\xFA\xEB\xE4</Shoresh><Binyan>1</Binyan>"
      "<Verb><Spelling><Present><Zahar>s1</Zahar><Rabot>s4</Rabot></Present>"
      "<Past><Hen>s14</Hen></Past>"
      "<Command><Zahar>s25</Zahar><Nekiva>s26</Nekiva><Rabim>s27</Rabim><Rabot>no</Rabot>"
      "</Command><Process>s28</Process></Spelling>"
      "<Pronunciation><Future><Ani>p_15</Ani></Future><Command><Rabim>p_27</Rabim>"
      "<Rabot>no</Rabot></Command></Pronunciation></Verb></WordHE>";
  ASSERT_EQ(ImportBytes(Data(), Document({verb})).Added, 1);
  store::Table& gl = Data().GLTABLE();
  store::Table& nk = Data().NekudotTable();
  ASSERT_EQ(Count(gl), 1);
  ASSERT_EQ(Count(nk), 1);
  gl.First();
  nk.First();
  for (int position = 1; position <= 28; ++position) {
    std::string spelling;
    if (position == 1 || position == 4 || position == 14 || position >= 25) {
      spelling = "s" + std::to_string(position);
    }
    std::string pronunciation;
    if (position == 15 || position == 27) pronunciation = "p<" + std::to_string(position);
    EXPECT_EQ(gl.Fields(position).AsString(), spelling) << position;
    EXPECT_EQ(nk.Fields(position).AsString(), pronunciation) << position;
  }
  EXPECT_EQ(gl.FieldByName("IdHE").AsString(), Last(Data().HETable(), "id"));
  EXPECT_EQ(gl.FieldByName("IdNekudot").AsString(), nk.FieldByName("Id").AsString());
  EXPECT_EQ(Last(Data().HETable(), "Root_Invert"), "\xE4\xEB\xFA\xE1");
  EXPECT_EQ(Last(Data().HETable(), "Binyan"), "1");
}

TEST_F(ImportTest, AVerbUnitWithoutFormsDoesNotInheritTheFormsBeforeIt) {
  const std::string first =
      "<WordRU><Item>A</Item><WordHE><Binyan>1</Binyan>"
      "<Spelling><Present><Zahar>old</Zahar></Present></Spelling>";
  const std::string second = "<WordRU><Item>B</Item><WordHE><Binyan>2</Binyan>";
  ASSERT_EQ(ImportBytes(Data(), Document({first, second})).Added, 2);
  store::Table& gl = Data().GLTABLE();
  ASSERT_EQ(Count(gl), 2);
  gl.SetIndexName("");
  gl.Last();
  EXPECT_TRUE(gl.Fields(1).IsNull());
}

TEST_F(ImportTest, UnrecognisedTagsLoseTheirContent) {
  ASSERT_EQ(ImportBytes(Data(), Document({"<WordRU><item>lost</item><Item lang='ru'>lost</Item>"
                                          "<Sex>1</Sex><WordEN><Item>kept</Item>"}))
                .Added,
            1);
  EXPECT_TRUE(Data().RUTable().FieldByName("Item").IsNull());
  EXPECT_EQ(Last(Data().RUTable(), "Sex"), "1");
  EXPECT_EQ(Last(Data().ENTable(), "Item"), "kept");
}

TEST_F(ImportTest, ARepeatedUnitIsSkipped) {
  const ImportResult result = ImportBytes(Data(), Document({kNoun, kNoun, kNoun}));
  EXPECT_EQ(result.Added, 1);
  EXPECT_EQ(result.Skipped, 2);
  EXPECT_EQ(Counts(), (std::array<int, 3>{1, 1, 1}));
}

TEST_F(ImportTest, AFilterOfTheWindowDoesNotHideDuplicates) {
  ASSERT_EQ(ImportBytes(Data(), Document({kNoun})).Added, 1);
  Data().RUTable().SetFilter("Part = '4'");
  Data().RUTable().SetFiltered(true);
  Data().HETable().SetFilter("Part = '4'");
  Data().HETable().SetFiltered(true);
  EXPECT_EQ(ImportBytes(Data(), Document({kNoun})).Added, 0);
}

TEST_F(ImportTest, ABadCodeStopsTheImportAndKeepsTheUnitsBefore) {
  const std::string bad = "<WordRU><Item>B</Item></WordRU><Common><Part>x</Part></Common>";
  try {
    ImportBytes(Data(), Document({kNoun, bad, "<WordRU><Item>C</Item>"}));
    FAIL() << "no error";
  } catch (const ExchangeError& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("Part"), std::string::npos) << text;
    EXPECT_NE(text.find("1 new meaning"), std::string::npos) << text;
  }
  Dictionary.Reopen();
  EXPECT_EQ(Counts(), (std::array<int, 3>{1, 1, 1}));
  EXPECT_EQ(Last(Data().RUTable(), "Item"), "\xC4\xCE\xCC");
}

TEST_F(ImportTest, ADocumentThatEndsEarlyKeepsItsCompleteUnitsAndSaysSo) {
  const std::string whole = Document({kNoun, "<WordRU><Item>B</Item>"});
  const struct {
    std::string document;
    bool endedEarly;
    int taken;
  } cases[] = {{"", true, 0},
               {whole.substr(0, whole.find("</Unit>") + 7), true, 1},
               {whole.substr(0, whole.rfind("<Item>B")), true, 1},
               {whole.substr(0, whole.size() - 2), true, 2},
               {whole, false, 2}};
  for (const auto& c : cases) {
    const ImportResult result = ImportBytes(Data(), c.document);
    EXPECT_EQ(result.EndedEarly, c.endedEarly) << c.document;
    EXPECT_EQ(result.Added + result.Skipped, c.taken) << c.document;
  }
  ImportResult cut;
  cut.Added = 1;
  cut.Skipped = 1;
  EXPECT_NE(EndedEarlyText(cut).find("ended early"), std::string::npos);
  EXPECT_NE(EndedEarlyText(cut).find("2 complete units were taken"), std::string::npos);
}

// A write the database refuses anywhere in a unit leaves that unit out whole (its three word
// records and its verb forms) and keeps the units before it, for every write of both units.
TEST(ImportRefusedWrite, LeavesTheUnitOutWholeAndKeepsTheOnesBefore) {
  const std::string verb =
      "<Common><Part>1</Part></Common><WordRU><Item>A</Item></WordRU>"
      "<WordHE><Item>\xE1</Item><Shoresh>\xE1\xE2</Shoresh><Binyan>1</Binyan>"
      "<Verb><Spelling><Present><Zahar>s1</Zahar></Present></Spelling></Verb></WordHE>"
      "<WordEN><Item>GO</Item></WordEN>";
  const std::string document = Document({kNoun, verb});
  int refused = 0;
  for (int n = 1; n < 100; ++n) {
    test::TestWorkspace dictionary;
    TDataModul& data = dictionary.Data();
    test::RefuseWrite(data.DataFolder() / "vocamir.db", n);
    try {
      EXPECT_EQ(ImportBytes(data, document).Added, 2);
      break;
    } catch (const ExchangeError& error) {
      ++refused;
      dictionary.Reopen();
      const int meanings = dictionary.Data().RUTable().RecordCount();
      const std::string text = error.what();
      EXPECT_NE(text.find("disk is full"), std::string::npos) << text;
      EXPECT_NE(text.find(std::to_string(meanings) + " new meaning"), std::string::npos) << text;
      EXPECT_EQ(dictionary.Data().HETable().RecordCount(), meanings) << n;
      EXPECT_EQ(dictionary.Data().ENTable().RecordCount(), meanings) << n;
      EXPECT_EQ(dictionary.Data().GLTABLE().RecordCount(), 0) << n;
      EXPECT_EQ(dictionary.Data().NekudotTable().RecordCount(), 0) << n;
    }
  }
  // Each unit takes at least one write per word record.
  EXPECT_GE(refused, 6);
}

TEST_F(ImportTest, LeavesTheWordTablesUnfilteredOnTheirLastRecords) {
  FillSmallDictionary(Dictionary.Data(), SmallDictionary::Consistent);
  Data().RUTable().SetFilter("Select = '*'");
  Data().RUTable().SetFiltered(true);
  ImportBytes(Data(), Document({kNoun, "<WordRU><Item>\xDF</Item>"}));
  EXPECT_EQ(Data().RUTable().IndexName(), "item_index");
  EXPECT_EQ(Data().ENTable().IndexName(), "item_index");
  EXPECT_EQ(Data().HETable().IndexName(), "invert_index");
  for (store::Table* table : {&Data().RUTable(), &Data().HETable(), &Data().ENTable()}) {
    EXPECT_FALSE(table->Filtered()) << table->TableName();
    EXPECT_TRUE(table->Eof()) << table->TableName();
  }
  EXPECT_EQ(Data().RUTable().FieldByName("Item").AsString(), "\xDF");
}

// Cancelled at its first progress report, the import keeps exactly the units it reported done.
TEST_F(ImportTest, ProgressCanCancelBetweenUnits) {
  std::string document;
  for (int i = 0; i < 600; ++i)
    document += "<WordRU><Item>W" + std::to_string(i) + "</Item></Unit>";
  int cancelledAt = 0;
  const ImportResult result = ImportBytes(Data(), document, [&](int done, int total) {
    EXPECT_EQ(total, 600);
    cancelledAt = done;
    return false;
  });
  EXPECT_TRUE(result.Cancelled);
  EXPECT_GT(cancelledAt, 0);
  EXPECT_LT(cancelledAt, 600);
  EXPECT_EQ(result.Added, cancelledAt);
  EXPECT_EQ(Counts(), (std::array<int, 3>{cancelledAt, cancelledAt, cancelledAt}));
}

TEST_F(ImportTest, AFileThatCannotBeReadIsNamed) {
  for (const QString& path : {Dictionary.FilePath("missing.xml"), Dictionary.Path()}) {
    try {
      ImportDocument(Data(), path);
      ADD_FAILURE() << "no error for " << path.toStdString();
    } catch (const ExchangeError& error) {
      EXPECT_NE(std::string(error.what()).find(QDir::toNativeSeparators(path).toStdString()),
                std::string::npos)
          << error.what();
    }
  }
  EXPECT_EQ(Counts(), (std::array<int, 3>{0, 0, 0}));
}

// A file is told from a document by its beginning: anything but "<Root>" after the prolog is
// refused whole, units and all; a document cut off anywhere is still taken up to its end.
TEST_F(ImportTest, AFileThatDoesNotBeginAsADocumentIsRefusedByName) {
  const std::string document = Document({kNoun});
  const std::string_view unit = "<Unit><WordRU><Item>A</Item></WordRU></Unit>";
  const struct {
    std::string bytes;
    bool refused;
  } cases[] = {
      {"Words to learn:\r\n" + std::string(unit), true},
      {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + std::string(unit), true},
      {"<?xml version='1.0'?>\r\n<svg>" + std::string(unit), true},
      {"<!DOCTYPE html><html><Root>" + std::string(unit), true},
      {"", false},
      {document.substr(0, 20), false},
      {document.substr(0, document.find("<Root>") + 3), false},
      {document.substr(0, document.find("</Unit>")), false},
      {"<!-- XML Data From Vocamir -->\r\n <Root>" + std::string(unit), false},
  };
  const QString path = Dictionary.FilePath("chosen.xml");
  for (const auto& c : cases) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
    file.close();
    try {
      const ImportResult result = ImportDocument(Data(), path);
      EXPECT_FALSE(c.refused) << c.bytes;
      EXPECT_TRUE(result.EndedEarly) << c.bytes;
    } catch (const ExchangeError& error) {
      EXPECT_TRUE(c.refused) << c.bytes << ": " << error.what();
      EXPECT_EQ(error.what(), "The file \"" + QDir::toNativeSeparators(path).toStdString() +
                                  "\" is not a Vocamir exchange document: nothing was imported.");
    }
    if (c.refused) {
      EXPECT_EQ(Counts(), (std::array<int, 3>{0, 0, 0})) << c.bytes;
    }
  }
}

}  // namespace
}  // namespace exchange

namespace exchange {
namespace {

TEST(StarterDictionary, ImportsWholeAndExportsBackTheSameUnits) {
  const QString starter = QStringLiteral(VOCAMIR_STARTER_DICTIONARY);
  test::TestWorkspace dictionary;
  const ImportResult result = ImportDocument(dictionary.Data(), starter);
  EXPECT_GT(result.Added, 0);
  EXPECT_EQ(result.Skipped, 0);
  TDataModul& data = dictionary.Data();
  data.RUTable().SetIndexName("RUTableIndex1");
  const int count = SelectMarkedWords(data);
  EXPECT_EQ(count, result.Added);
  ASSERT_TRUE(ExportDocument(data, dictionary.FilePath("again.xml"), count, "any date"));
  // The same document but for the date line.
  const auto withoutDate = [](std::string document) {
    const std::size_t day = document.find("<Day>");
    const std::size_t end = document.find("</Day>");
    return day == std::string::npos || end == std::string::npos ? document
                                                                : document.erase(day, end - day);
  };
  EXPECT_EQ(withoutDate(ReadBytes(dictionary.FilePath("again.xml"))),
            withoutDate(ReadBytes(starter)));
}

}  // namespace
}  // namespace exchange
