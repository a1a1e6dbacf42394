// The engine against the verbs of the starter dictionary, imported the way the build makes the
// starter data folder: every verb of a kind the engine covers comes out with all 28 spellings
// equal and all hints equal apart from the named differences of transliteration below.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <sstream>

#include "conjugation/Conjugate.h"
#include "datatool/Commands.h"
#include "editor/WordRecords.h"
#include "store/DataModul.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace {

namespace fs = std::filesystem;
using conjugation::Pattern;

struct StarterVerb {
  std::string root;  // as stored
  int binyan = 0;
  editor::VerbTexts spelling, pronunciation;
};

std::vector<StarterVerb> ReadStarterVerbs() {
  QTemporaryDir temp;
  const fs::path folder(temp.path().toStdString());
  std::ostringstream out, err;
  EXPECT_EQ(datatool::RunCommand({"create", "."}, folder, out, err), datatool::kOk);
  EXPECT_EQ(datatool::RunCommand({"import", VOCAMIR_STARTER_XML}, folder, out, err), datatool::kOk);
  TDataModul data(folder);
  data.DataModuleCreate();
  editor::WordTables tables{data.RUTable(), data.HETable(), data.ENTable(), data.GLTABLE(),
                            data.NekudotTable()};
  std::vector<int> ids;
  for (data.HETable().First(); !data.HETable().Eof(); data.HETable().Next()) {
    if (data.HETable().FieldByName("Part").AsInteger() == 1) {
      ids.push_back(data.HETable().FieldByName("id").AsInteger());
    }
  }
  std::vector<StarterVerb> verbs;
  for (const int id : ids) {
    data.HETable().Locate("id", id);
    StarterVerb verb;
    verb.root = data.HETable().FieldByName("Root").AsString();
    verb.binyan = data.HETable().FieldByName("Binyan").AsInteger();
    editor::LoadVerbForms(tables, id, verb.spelling, verb.pronunciation);
    verbs.push_back(verb);
  }
  data.DataModuleDestroy();
  return verbs;
}

std::string Reading(const std::string& stored) {
  return text::ToUtf8(text::InvertText(stored), text::Codepage::Win1255);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// A difference of transliteration between the starter dictionary and the engine: the starter's
// hint, turned into the engine's convention, equals the engine's hint.
struct Convention {
  const char* name;
  std::string (*toEngine)(const std::string&);
};

// The starter opens the initial cluster лм with "э" in three forms of למד (лэмадтэ<м) but not in
// the imperative (льма<д); the engine writes every initial cluster closed (ктавтэ<м, льма<д).
const Convention kOpenedCluster = {"initial cluster opened by э", [](const std::string& hint) {
                                     return Replaced(hint, "лэм", "льм");
                                   }};
// The starter gives הבין "ха" in the plural "you" of the past (хавантэ<м) and "хэ" in the rest of
// the past (хэва<нти); the engine writes "хэ" throughout.
const Convention kHollowHifilPrefix = {
    "ха for хэ in a hollow HIFIL past",
    [](const std::string& hint) { return Replaced(hint, "хав", "хэв"); }};

struct Expectation {
  const char* root;  // reading order, as the starter stores it
  bool covered;
  // The sin point, which the stored roots do not carry, for roots whose ש is read "с".
  bool sin = false;
  // The forms whose hints differ, each with its convention.
  std::map<int, const Convention*> differences = {};
};

std::map<int, const Convention*> Forms(std::initializer_list<int> forms,
                                       const Convention& convention) {
  std::map<int, const Convention*> differences;
  for (const int form : forms) differences[form] = &convention;
  return differences;
}

std::map<int, const Convention*> LamadDifferences() { return Forms({10, 11, 27}, kOpenedCluster); }

// Every starter verb: covered or refused, and the forms whose hints differ by a named convention.
const std::map<std::string, Expectation> kExpected = [] {
  const std::vector<Expectation> list = {
      {"כתב", true},
      {"למד", true, false, LamadDifferences()},
      {"סגר", true},
      {"זכר", true},
      {"פגש", true},
      {"פתח", true},
      {"שמע", true},
      {"עבד", true},
      {"חשב", true},
      {"שלח", true},
      {"שמר", true},
      {"קנה", true},
      {"שתה", true},
      {"ראה", true},
      {"בנה", true},
      {"עשה", true, true},
      {"קום", true},
      {"רוץ", true},
      {"שים", true, true},
      {"ישב", true},
      {"ידע", true},
      {"יצא", true},
      {"הלך", true},
      {"אכל", true},
      {"דבר", true},
      {"ספר", true},
      {"שלם", true},
      {"חפש", true, true},
      {"טיל", true},
      {"בשל", true},
      {"קבל", true},
      {"נקה", true},
      {"זמן", true},
      {"תחל", true},
      {"סבר", true},
      {"רגש", true},
      {"בין", true, false, Forms({10, 11}, kHollowHifilPrefix)},
      {"פסק", true},
      {"לבש", true},
      {"קשר", true},
      {"סכל", true},
      {"כנס", true},
      {"שאר", true},
  };
  std::map<std::string, Expectation> byRoot;
  for (const Expectation& expectation : list) byRoot.emplace(expectation.root, expectation);
  return byRoot;
}();

// The root as the engine is given it: the stored root, with the sin point where it is read "с".
std::string EngineRoot(const StarterVerb& verb, const Expectation& expectation) {
  if (!expectation.sin) return verb.root;
  const std::string shin = text::FromUtf8("ש", text::Codepage::Win1255);
  const std::string sinPoint = text::FromUtf8("\u05C2", text::Codepage::Win1255);
  // Display order: the point stands before its letter.
  return Replaced(verb.root, shin, sinPoint + shin);
}

TEST(StarterVerbsTest, CoveredVerbsComeOutAsTheStarterHasThemAndTheRestAreRefused) {
  const std::vector<StarterVerb> verbs = ReadStarterVerbs();
  ASSERT_EQ(verbs.size(), kExpected.size());
  int covered = 0;
  for (const StarterVerb& verb : verbs) {
    const std::string root = Reading(verb.root);
    SCOPED_TRACE(root);
    const auto expected = kExpected.find(root);
    ASSERT_NE(expected, kExpected.end());
    const Expectation& expectation = expected->second;
    const Pattern pattern = *conjugation::PatternFromCode(verb.binyan);
    if (!expectation.covered) {
      EXPECT_THROW(conjugation::Conjugate(verb.root, pattern), conjugation::NotCovered);
      continue;
    }
    ++covered;
    const auto forms = conjugation::Conjugate(EngineRoot(verb, expectation), pattern);
    for (int form = 0; form < conjugation::kFormCount; ++form) {
      EXPECT_EQ(Reading(forms.Spelling[form]), Reading(verb.spelling[form])) << "form " << form;
      const std::string engine = text::ToUtf8(forms.Pronunciation[form], text::Codepage::Win1251);
      const std::string starter = text::ToUtf8(verb.pronunciation[form], text::Codepage::Win1251);
      const auto difference = expectation.differences.find(form);
      if (difference == expectation.differences.end()) {
        EXPECT_EQ(engine, starter) << "form " << form;
      } else {
        EXPECT_NE(engine, starter) << "form " << form << " differs no more";
        EXPECT_EQ(engine, difference->second->toEngine(starter))
            << "form " << form << ", " << difference->second->name;
      }
    }
  }
  EXPECT_EQ(covered, 43);
}

}  // namespace
