#pragma once

// The answer of one game entry as the player uncovers it letter by letter.
//
// At load every character that is not to be typed is uncovered at once: blanks, "(", ")", "-",
// and every character that no key of the answer's layout types (small letters, digits, vowel
// points, punctuation), so that every answer can be finished. Each right letter then uncovers one
// more position. Texts are single bytes; any length works.

#include <string>

#include "game/Keyboard.h"

namespace game {

class HiddenAnswer {
 public:
  // An empty answer: finished from the start.
  HiddenAnswer() = default;
  HiddenAnswer(std::string answer, Layout layout);

  // Uncovers the first covered occurrence of `letter` in reading order: from the start in the
  // Russian and English layouts, from the end of the stored text in the Hebrew layout (Hebrew is
  // stored last letter first). Russian and English bytes are compared exactly; in the Hebrew
  // layout a final form and its ordinary form are the same letter (the key of either uncovers
  // both), and the position shows the answer's own form. Returns false, changing nothing, when
  // no covered position holds the letter.
  bool Uncover(char letter);

  // What the player sees: each uncovered position shows its character, every other one "-".
  const std::string& Mask() const { return mask_; }
  int Length() const { return static_cast<int>(mask_.size()); }
  // Positions uncovered so far, those uncovered at load included.
  int Revealed() const { return revealed_; }
  bool Finished() const { return revealed_ >= Length(); }

 private:
  void Show(std::size_t position, char character);

  std::string covered_;  // the answer with every uncovered position replaced by '\0'
  std::string mask_;
  Layout layout_ = Layout::Russian;
  int revealed_ = 0;
};

}  // namespace game
