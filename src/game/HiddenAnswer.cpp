#include "game/HiddenAnswer.h"

#include <utility>

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
      layout_ == Layout::Hebrew ? covered_.rfind(letter) : covered_.find(letter);
  if (position == std::string::npos) return false;
  Show(position, letter);
  return true;
}

void HiddenAnswer::Show(std::size_t position, char character) {
  mask_[position] = character;
  covered_[position] = kDone;
  ++revealed_;
}

}  // namespace game
