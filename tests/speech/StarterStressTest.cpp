// Every stress mark of the starter dictionary is honoured: for each hint, handed over the way the
// program speaks it (single-byte text to the language's engine instance, with the voices a first
// run selects), espeak-ng's phoneme trace stresses each marked word on its marked vowel and on no
// other. Covered: the hints of the three languages, the stored pronunciations of the verb forms,
// and the pronunciations the conjugation engine makes for the starter verbs.

#include <gtest/gtest.h>

#include <QFile>
#include <array>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "StressCheck.h"
#include "conjugation/Conjugate.h"
#include "exchange/DocumentScanner.h"
#include "speech/EspeakEngine.h"
#include "speech/Speak.h"
#include "speech/SpeechService.h"

namespace {

using exchange::ExchangeUnit;
using text::Language;

std::vector<ExchangeUnit> ReadStarterUnits() {
  QFile file(QStringLiteral(VOCAMIR_STARTER_XML));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  exchange::DocumentScanner scanner(std::string_view(bytes.constData(), bytes.size()));
  std::vector<ExchangeUnit> units;
  while (const ExchangeUnit* unit = scanner.NextUnit()) units.push_back(*unit);
  return units;
}

const std::vector<ExchangeUnit>& StarterUnits() {
  static const std::vector<ExchangeUnit> units = ReadStarterUnits();
  return units;
}

struct Source {
  const char* name;
  Language language;
  // The hints of one unit: its word's hint, or the pronunciations of its verb forms. Throws
  // conjugation::NotCovered for a verb the conjugation engine does not cover.
  std::function<std::vector<std::string>(const ExchangeUnit&)> hints;
};

std::vector<std::string> WordHint(const ExchangeUnit& unit, Language language) {
  return {unit.Words[language].Speech};
}

template <typename Forms>
std::vector<std::string> NonEmpty(const Forms& forms) {
  std::vector<std::string> hints;
  for (const std::string& form : forms) {
    if (!form.empty()) hints.push_back(form);
  }
  return hints;
}

std::vector<std::string> StoredForms(const ExchangeUnit& unit) {
  return unit.Binyan > 0 ? NonEmpty(unit.Pronunciation) : std::vector<std::string>{};
}

std::vector<std::string> ConjugatedForms(const ExchangeUnit& unit) {
  const std::optional<conjugation::Pattern> pattern = conjugation::PatternFromCode(unit.Binyan);
  if (!pattern) return {};
  return NonEmpty(conjugation::Conjugate(unit.Root, *pattern).Pronunciation);
}

class StarterStressTest : public testing::TestWithParam<Source> {
 protected:
  static void SetUpTestSuite() {
    service = new speech::SpeechService(speech::CreateEspeakEngines(), [](bool) {});
    service->SelectSavedVoices(speech::Settings{});
  }
  static void TearDownTestSuite() {
    delete service;
    service = nullptr;
  }

  static speech::SpeechService* service;
};

speech::SpeechService* StarterStressTest::service = nullptr;

TEST_P(StarterStressTest, EveryMarkedWordIsStressedOnItsMarkedVowel) {
  if (!service->SpeechAvailable()) GTEST_SKIP() << "espeak-ng is not usable here";
  const Source& source = GetParam();
  ASSERT_FALSE(StarterUnits().empty()) << "cannot read " << VOCAMIR_STARTER_XML;
  auto& engine = dynamic_cast<speech::EspeakEngine&>(service->Of(source.language));
  int hints = 0;
  int notCovered = 0;
  speechtest::StressCount count;
  std::vector<speechtest::StressMismatch> mismatches;
  for (const ExchangeUnit& unit : StarterUnits()) {
    std::vector<std::string> unitHints;
    try {
      unitHints = source.hints(unit);
    } catch (const conjugation::NotCovered& e) {
      ++notCovered;
      continue;
    }
    for (const std::string& hint : unitHints) {
      ++hints;
      const QString text = speech::WideText(source.language, hint);
      const QString trace = QString::fromStdString(engine.SpokenPhonemes(text));
      for (speechtest::StressMismatch& mismatch : speechtest::CompareStress(text, trace, count)) {
        mismatches.push_back(std::move(mismatch));
      }
    }
  }
  std::cout << source.name << ": " << hints << " hints, " << count.words << " words, "
            << count.marked << " marked, " << mismatches.size() << " not stressed as marked";
  if (notCovered > 0) std::cout << ", " << notCovered << " verbs not covered";
  std::cout << '\n';
  EXPECT_GT(hints, 0);
  for (const speechtest::StressMismatch& mismatch : mismatches) {
    ADD_FAILURE() << mismatch.Describe();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Hints, StarterStressTest,
    testing::Values(
        Source{"RussianHints", Language::Russian,
               [](const ExchangeUnit& unit) { return WordHint(unit, Language::Russian); }},
        Source{"HebrewHints", Language::Hebrew,
               [](const ExchangeUnit& unit) { return WordHint(unit, Language::Hebrew); }},
        Source{"EnglishHints", Language::English,
               [](const ExchangeUnit& unit) { return WordHint(unit, Language::English); }},
        Source{"StoredVerbForms", Language::Hebrew, StoredForms},
        Source{"ConjugatedVerbForms", Language::Hebrew, ConjugatedForms}),
    [](const testing::TestParamInfo<Source>& info) { return std::string(info.param.name); });

}  // namespace
