#pragma once

// One meaning as the exchange document carries it: the dictionary's parsed meaning, which the
// scanner fills and the export writes.

#include "dictionary/ParsedMeaning.h"

namespace exchange {

using dictionary::kFormCount;
using ExchangeWord = dictionary::ParsedWord;
using ExchangeUnit = dictionary::ParsedMeaning;

}  // namespace exchange
