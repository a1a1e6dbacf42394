#include "game/Direction.h"

#include <array>

namespace game {
namespace {

using text::Codepage;
using text::Language;

constexpr const char* kRU = "ItemRU";
constexpr const char* kHE = "ItemHE";
constexpr const char* kEN = "ItemEN";

const std::array<DirectionInfo, 6> kDirections{{
    {kRU, Codepage::Win1251, kHE, Layout::Hebrew, Language::Hebrew, false},
    {kHE, Codepage::Win1255, kRU, Layout::Russian, Language::Russian, true},
    {kRU, Codepage::Win1251, kEN, Layout::English, Language::English, false},
    {kEN, Codepage::Ascii, kRU, Layout::Russian, Language::Russian, false},
    {kEN, Codepage::Ascii, kHE, Layout::Hebrew, Language::Hebrew, false},
    {kHE, Codepage::Win1255, kEN, Layout::English, Language::English, false},
}};

}  // namespace

const DirectionInfo& Describe(Direction direction) {
  return kDirections[static_cast<std::size_t>(direction)];
}

}  // namespace game
