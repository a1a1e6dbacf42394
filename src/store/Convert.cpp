#include "store/Convert.h"

#include <charconv>

namespace store {

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string NotAnIntegerMessage(std::string_view text) {
  std::string message(1, '\'');
  message.append(text);
  message.append("' is not a valid integer value");
  return message;
}

}  // namespace store
