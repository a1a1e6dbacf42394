#pragma once

// A Hebrew verb root as the conjugation engine reads it.

#include <QString>
#include <string_view>

namespace conjugation {

struct Root {
  // The root letters in reading order, final letters written as ordinary ones; three or four.
  QString Letters;
  // For each letter: a shin that is read "s" (marked in the input by the sin dot).
  bool Sin[4] = {false, false, false, false};

  QChar At(int position) const { return Letters.at(position); }
  int Size() const { return static_cast<int>(Letters.size()); }
};

// Reads a root as the word tables store it: Windows-1255, display order (last letter first).
// Blanks are ignored; a shin point is ignored; a sin point marks the shin it belongs to as sin.
// Throws NotCovered when the text is not three or four Hebrew letters.
Root ParseStoredRoot(std::string_view storedRoot);

// Whether `letter` is one of א ה ח ע.
bool IsGuttural(QChar letter);

// The ordinary form of a final letter (ך ם ן ף ץ); any other letter unchanged.
QChar OrdinaryForm(QChar letter);

// The final form of כ מ נ פ צ; any other letter unchanged.
QChar FinalForm(QChar letter);

}  // namespace conjugation
