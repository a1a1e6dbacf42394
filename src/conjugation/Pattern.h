#pragma once

// The verb patterns the conjugation engine knows, numbered as the word editor's pattern list
// ("EXCEPTION" is 0 and has no pattern).

#include <optional>
#include <string_view>

namespace conjugation {

enum class Pattern { Paal = 1, Piel, Hifil, Nifal, Pual, Hufal, Hitpael };

// "PAAL", "PIEL", ... as the pattern list shows them.
std::string_view PatternName(Pattern pattern);

// The pattern of a list position (1 to 7); nothing for 0 ("EXCEPTION") and any other number.
std::optional<Pattern> PatternFromCode(int code);

// The pattern whose name is `name` (as PatternName gives it, in any case); nothing otherwise.
std::optional<Pattern> PatternFromName(std::string_view name);

}  // namespace conjugation
