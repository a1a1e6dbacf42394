#pragma once

// The six translation directions of the game. A direction decides which field of a lesson-list
// entry is shown, which field is the answer, the keyboard layout the keys carry and the language
// in which the finished answer is spoken.

#include "game/Keyboard.h"
#include "text/Codepage.h"
#include "text/Language.h"

namespace game {

// In the order of the "Mode" menu.
enum class Direction {
  RussianHebrew,
  HebrewRussian,
  RussianEnglish,
  EnglishRussian,
  EnglishHebrew,
  HebrewEnglish
};

struct DirectionInfo {
  const char* shownField;  // field of SELEWORDS shown as the word to translate
  text::Codepage shownCodepage;
  const char* answerField;        // field of SELEWORDS typed as the answer
  Layout layout;                  // the keyboard layout of the answer, and its code page
  text::Language answerLanguage;  // the language in which the finished answer is spoken
  bool fixedPitchAnswer;  // the answer is shown in a fixed-pitch font instead of the word font
};

const DirectionInfo& Describe(Direction direction);

}  // namespace game
