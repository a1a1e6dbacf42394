#include "game/HiddenAnswer.h"

#include <algorithm>
#include <utility>

#include "text/HebrewLetters.h"

namespace game {
namespace {

constexpr char kCovered = '-';
constexpr char kDone = '\0';

bool UncoveredAtLoad(char character, Layout layout) {
  switch (character) {
    case ' ':
    case '(':
    case ')':
    case '-':
      return true;
    default:
      return !LayoutTypes(layout, character);
  }
}

// The last covered position of `letter` in Hebrew text, where a final form and its ordinary
// form are one letter; npos when there is none.
std::size_t LastSameLetter(const std::string& covered, char letter) {
  const auto same = [letter](char character) {
    return character != kDone && text::SameHebrewLetter(static_cast<unsigned char>(character),
                                                        static_cast<unsigned char>(letter));
  };
  const auto found = std::find_if(covered.rbegin(), covered.rend(), same);
  if (found == covered.rend()) return std::string::npos;
  return static_cast<std::size_t>(covered.rend() - found) - 1;
}

}  // namespace

HiddenAnswer::HiddenAnswer(std::string answer, Layout layout)
    : covered_(std::move(answer)), mask_(covered_.size(), kCovered), layout_(layout) {
  for (std::size_t i = 0; i < covered_.size(); ++i) {
    if (UncoveredAtLoad(covered_[i], layout_)) Show(i, covered_[i]);
  }
}

bool HiddenAnswer::Uncover(char letter) {
  if (letter == kDone) return false;
  const std::size_t position =
      layout_ == Layout::Hebrew ? LastSameLetter(covered_, letter) : covered_.find(letter);
  if (position == std::string::npos) return false;
  Show(position, covered_[position]);
  return true;
}

void HiddenAnswer::Show(std::size_t position, char character) {
  mask_[position] = character;
  covered_[position] = kDone;
  ++revealed_;
}

}  // namespace game
