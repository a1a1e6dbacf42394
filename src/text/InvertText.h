#pragma once

// The Hebrew inversion: Hebrew words are stored and typed in display order (last letter first);
// their reversal is the reading order on which the Hebrew alphabetical indexes are built.

#include <string>
#include <string_view>

namespace text {

// The text with its bytes in reverse order; a text of fewer than two bytes comes back unchanged.
// Inverting twice gives the original text.
std::string InvertText(std::string_view text);

}  // namespace text
