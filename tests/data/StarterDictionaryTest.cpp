// The starter dictionary shipped with the program, imported into an empty dictionary the way the
// build makes the starter data folder.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <sstream>

#include "datatool/Commands.h"
#include "datatool/DictionaryCheck.h"
#include "review/Fsrs.h"
#include "store/DataModul.h"
#include "store/PartCounts.h"
#include "store/Schema.h"
#include "text/Codepage.h"

namespace {

namespace fs = std::filesystem;

class StarterDictionaryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    temp_ = new QTemporaryDir;
    folder_ = fs::path(temp_->path().toStdString());
    std::ostringstream out, err;
    ASSERT_EQ(datatool::RunCommand({"create", "."}, folder_, out, err), datatool::kOk) << err.str();
    ASSERT_EQ(datatool::RunCommand({"import", VOCAMIR_STARTER_XML}, folder_, out, err),
              datatool::kOk)
        << err.str();
  }
  static void TearDownTestSuite() { delete temp_; }

  void SetUp() override {
    data_ = std::make_unique<TDataModul>(folder_);
    data_->DataModuleCreate();
  }

  static QTemporaryDir* temp_;
  static fs::path folder_;
  std::unique_ptr<TDataModul> data_;
};

QTemporaryDir* StarterDictionaryTest::temp_ = nullptr;
fs::path StarterDictionaryTest::folder_;

TEST_F(StarterDictionaryTest, HoldsEnoughMeaningsAndVerbs) {
  std::map<int, int> byPart;
  for (data_->HETable().First(); !data_->HETable().Eof(); data_->HETable().Next()) {
    ++byPart[data_->HETable().FieldByName("Part").AsInteger()];
  }
  EXPECT_GE(data_->HETable().RecordCount(), 400);
  EXPECT_GE(byPart[1], 30) << "verbs";
  for (int part : {2, 3, 4, 5}) EXPECT_GT(byPart[part], 0) << "part " << part;
  EXPECT_EQ(data_->RUTable().RecordCount(), data_->HETable().RecordCount());
  EXPECT_EQ(data_->ENTable().RecordCount(), data_->HETable().RecordCount());
}

TEST_F(StarterDictionaryTest, EveryMeaningIsCompleteAndLinkedBothWays) {
  for (store::Table* table : {&data_->RUTable(), &data_->HETable(), &data_->ENTable()}) {
    for (table->First(); !table->Eof(); table->Next()) {
      EXPECT_FALSE(table->FieldByName("Item").AsString().empty())
          << table->TableName() << " " << table->FieldByName("id").AsInteger();
    }
  }
  std::vector<std::string> problems = datatool::CheckDictionary(*data_, review::kDefaultRetention);
  EXPECT_TRUE(problems.empty()) << problems.size() << " problems, first: " << problems.front();
}

TEST_F(StarterDictionaryTest, EveryHebrewWordHasAHintWithAStressMark) {
  for (data_->HETable().First(); !data_->HETable().Eof(); data_->HETable().Next()) {
    const std::string hint = data_->HETable().FieldByName("HebrSpeech").AsString();
    EXPECT_NE(hint.find('<'), std::string::npos)
        << "Hebrew word " << data_->HETable().FieldByName("id").AsInteger() << " hint '" << hint
        << "'";
  }
}

TEST_F(StarterDictionaryTest, EveryVerbHasAllItsFormsSpelledAndPronounced) {
  int verbs = 0;
  for (data_->HETable().First(); !data_->HETable().Eof(); data_->HETable().Next()) {
    if (data_->HETable().FieldByName("Part").AsInteger() != 1) continue;
    ++verbs;
    const int id = data_->HETable().FieldByName("id").AsInteger();
    EXPECT_FALSE(data_->HETable().FieldByName("Root").AsString().empty()) << "verb " << id;
    ASSERT_TRUE(data_->GLTABLE().Locate("IdHE", id)) << "verb " << id;
    ASSERT_TRUE(
        data_->NekudotTable().Locate("Id", data_->GLTABLE().FieldByName("IdNekudot").AsInteger()));
    for (int position = 1; position <= store::schema::kVerbFormCount; ++position) {
      EXPECT_FALSE(data_->GLTABLE().Fields(position).AsString().empty())
          << "verb " << id << " form " << position;
      EXPECT_FALSE(data_->NekudotTable().Fields(position).AsString().empty())
          << "verb " << id << " pronunciation " << position;
    }
  }
  EXPECT_GE(verbs, 30);
}

// Hebrew "l" is written soft wherever no vowel follows it: "ль" at the end of a word and before a
// consonant, in the hints of the words and of every verb form.
TEST_F(StarterDictionaryTest, HebrewHintsWriteOneLetterLConvention) {
  const QRegularExpression hardL(QString::fromUtf8("л(?![аеёиоуыэюяь])"));
  const auto check = [&](store::Table& table, int first, int last) {
    for (table.First(); !table.Eof(); table.Next()) {
      for (int position = first; position <= last; ++position) {
        const QString hint =
            text::ToUnicode(table.Fields(position).AsString(), text::Codepage::Win1251);
        EXPECT_FALSE(hint.contains(hardL)) << hint.toStdString();
      }
    }
  };
  const int hint = data_->HETable().FieldByName("HebrSpeech").Position();
  check(data_->HETable(), hint, hint);
  check(data_->NekudotTable(), 1, store::schema::kVerbFormCount);
}

TEST_F(StarterDictionaryTest, CorrectedWordsCarryTheirCorrections) {
  const struct {
    const char* hebrew;  // in reading order
    int position;        // of the NEKUDOT form; 0 for the word's own hint
    const char* hint;
  } cases[] = {{"ילדים", 0, "елади<м"},   {"להישאר", 17, "тишаари<"}, {"להישאר", 21, "тишаару<"},
               {"להישאר", 24, "ишаару<"}, {"להישאר", 26, "хишаари<"}, {"להישאר", 28, "хишаару<т"}};
  store::Table& he = data_->HETable();
  const auto locate = [&](const char* hebrew) {
    return he.Locate("Item_Invert",
                     text::FromUnicode(QString::fromUtf8(hebrew), text::Codepage::Win1255));
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(locate(c.hebrew)) << c.hebrew;
    std::string hint = he.FieldByName("HebrSpeech").AsString();
    if (c.position > 0) {
      ASSERT_TRUE(data_->GLTABLE().Locate("IdHE", he.FieldByName("id").AsInteger()));
      ASSERT_TRUE(data_->NekudotTable().Locate(
          "Id", data_->GLTABLE().FieldByName("IdNekudot").AsInteger()));
      hint = data_->NekudotTable().Fields(c.position).AsString();
    }
    EXPECT_EQ(text::ToUnicode(hint, text::Codepage::Win1251), QString::fromUtf8(c.hint))
        << c.hebrew << " " << c.position;
  }
  ASSERT_TRUE(locate("סבבה"));
  EXPECT_EQ(he.FieldByName("Part").AsInteger(), 4);  // a service word, like its neighbours
}

}  // namespace

// The "Information" counts read without the cursor equal a walk from the first record to the
// last, on the whole table and under a filter.
TEST_F(StarterDictionaryTest, PartCountsEqualACursorWalk) {
  store::Table& he = data_->HETable();
  for (const char* filter : {"", "Part = '2'"}) {
    he.SetFilter(filter);
    he.SetFiltered(*filter != '\0');
    store::PartCounts walked;
    for (he.First(); !he.Eof(); he.Next()) {
      ++walked.All;
      const store::Field part = he.FieldByName("Part");
      if (part.IsNull() || part.AsInteger() < 0 || part.AsInteger() >= 6) continue;
      ++walked.ByPart[static_cast<std::size_t>(part.AsInteger())];
    }
    he.First();
    const store::PartCounts counted = store::CountParts(he);
    EXPECT_EQ(counted.ByPart, walked.ByPart) << filter;
    EXPECT_EQ(counted.All, walked.All) << filter;
    EXPECT_GT(counted.All, 0) << filter;
    EXPECT_TRUE(he.Bof()) << "the count leaves the cursor where it stood";
  }
}
