// The flashcard package with its sounds for 1,000 meanings of made-up words of two to four
// syllables (each word distinct, so every word gets its own sound): the wall time of the whole
// export against the playing time of the sounds it rendered. Target: under a tenth.
//   bench_anki [MEANINGS]

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "exchange/anki/AnkiPackage.h"
#include "exchange/anki/SpokenWords.h"
#include "text/Codepage.h"
#include "text/InvertText.h"

namespace {

using text::Codepage;
using text::Language;

// The word of `number` made of syllables of `syllables`, two to four of them.
std::string Word(int number, const std::vector<const char*>& syllables) {
  std::string word;
  int rest = number;
  const int count = 2 + number % 3;
  for (int i = 0; i < count; ++i) {
    word += syllables[static_cast<std::size_t>(rest) % syllables.size()];
    rest = rest / static_cast<int>(syllables.size()) + i * 7 + 1;
  }
  return word;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  const std::vector<const char*> russian = {"ка", "ло", "ми", "ну", "ре", "са", "то", "ви", "да"};
  const std::vector<const char*> hebrew = {"ש", "ל", "ו", "מ", "ב", "י", "ת", "ר", "ד"};
  const std::vector<const char*> english = {"ba", "lo", "mi", "nu", "re", "sa", "to", "vi", "da"};
  std::vector<dictionary::ParsedMeaning> meanings(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    dictionary::ParsedMeaning& meaning = meanings[static_cast<std::size_t>(i)];
    meaning.Words[Language::Russian].Item = text::FromUtf8(Word(i, russian), Codepage::Win1251);
    meaning.Words[Language::Hebrew].Item =
        text::InvertText(text::FromUtf8(Word(i, hebrew), Codepage::Win1255));
    meaning.Words[Language::Hebrew].Speech =
        text::FromUtf8(Word(i + 1, russian), Codepage::Win1251);
    meaning.Words[Language::English].Item = Word(i, english);
  }

  QTemporaryDir folder;
  exchange::anki::SpokenWords audio{speech::Settings{}};
  const auto start = std::chrono::steady_clock::now();
  const auto result = exchange::anki::WritePackage(QDir(folder.path()).filePath("bench.apkg"),
                                                   "bench", meanings, audio, 0);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d meanings: %d sound files, %.1f s of sound, written in %.2f s (%.1f %%)\n",
              result->Notes, result->SoundFiles, result->SoundSeconds, seconds,
              100.0 * seconds / result->SoundSeconds);
  return 0;
}
