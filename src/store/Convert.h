#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace store {

// The integer written in decimal digits, with an optional sign; nothing for any other text
// (an empty text included) or a number outside the 64-bit range.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// The message of a failed integer conversion: "'<text>' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

}  // namespace store
