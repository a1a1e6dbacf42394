#pragma once

// The codes of a meaning as the editor's choice lists hold them: each code is the position of the
// chosen item in its list.

#include "dictionary/Codes.h"

namespace editor {

using dictionary::kPartNoun;
using dictionary::kPartVerb;
using dictionary::kSexNone;

struct WordCodes {
  int part = 0;    // part of speech, all three records
  int binyan = 0;  // verb pattern, Hebrew record
  int sexHE = 0;
  int sexRU = 0;
  int sexEN = 0;
  int topic = 0;  // theme, all three records
};

// The gender stored for a Russian or English word: its own choice, unless that is "NO", in which
// case the Hebrew word's gender.
inline int StoredSex(int ownSex, int hebrewSex) { return ownSex == kSexNone ? hebrewSex : ownSex; }

}  // namespace editor
