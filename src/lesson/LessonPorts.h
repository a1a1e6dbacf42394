#pragma once

// What lesson playback needs of the world around it: the lesson's options and its large display
// (the lesson list window, or the options of a command line), and speech (the three engine
// instances, or an audio file being written).

#include <string>

#include "text/Language.h"

namespace lesson {

using text::Language;

// The repetition boxes and the passes box.
enum class CountBox { RU, HE, EN, ALL };

class LessonDisplay {
 public:
  virtual ~LessonDisplay() = default;

  // Whether the language takes part (its check box is on).
  virtual bool LanguageOn(Language language) const = 0;
  // The text of a repetition box or of the passes box.
  virtual std::string CountText(CountBox box) const = 0;
  // Sets the texts of all four boxes to "1" (a bad number at start).
  virtual void ResetCountTexts() = 0;

  // The large display: its text, the written word (single-byte) of `language`, and whether it is
  // visible.
  virtual void SetWordText(Language language, const std::string& word) = 0;
  virtual void SetWordVisible(bool visible) = 0;

  // The lesson is over: its timer goes off and the tool-bar toggle is released.
  virtual void LessonFinished() = 0;
};

class LessonSpeech {
 public:
  virtual ~LessonSpeech() = default;

  // True while any of the three languages is still speaking.
  virtual bool Speaking() const = 0;
  // Speaks a single-byte text at once in `language`.
  virtual void Speak(Language language, const std::string& text) = 0;
};

}  // namespace lesson
