#pragma once

// Where espeak-ng put the stress of a spoken text, against where the text's "<" marks ask for it.
//
// A written word's marked vowel is the vowel directly before a "<"; positions count the word's
// vowels from 0. In espeak-ng's phoneme trace of the same text the words stand in the same order,
// separated by blanks, and "'" stands before each vowel with primary stress.

#include <QString>
#include <QStringView>
#include <set>
#include <string>
#include <vector>

namespace speechtest {

// The positions, among its vowels, of the vowels directly followed by "<" in a written Cyrillic
// word.
std::set<int> MarkedVowels(QStringView word);

// The positions, among its vowels, of the vowels with primary stress in one word of espeak-ng's
// Russian phoneme trace. "@-", the onset espeak-ng gives a trilled r, is not a vowel.
std::set<int> StressedVowels(QStringView phonemes);

// A marked word whose spoken stress is not exactly on its marked vowels. When the trace does not
// have one word per written word, `word` is empty and `spoken` is the whole trace.
struct StressMismatch {
  QString text;
  QString word;
  QString spoken;

  std::string Describe() const;
};

// What CompareStress looked at.
struct StressCount {
  int words = 0;   // every written word
  int marked = 0;  // the words carrying a "<"
};

// Compares every word of `text` that carries a "<" with the word at the same place in `trace`,
// espeak-ng's phoneme trace of `text`: they agree when the stressed vowels are exactly the marked
// ones, and a "<" after no vowel never agrees. Words without "<" are counted, not compared.
std::vector<StressMismatch> CompareStress(const QString& text, const QString& trace,
                                          StressCount& count);

}  // namespace speechtest
