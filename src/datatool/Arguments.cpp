#include "datatool/Arguments.h"

#include <algorithm>
#include <charconv>

namespace datatool {
namespace {

template <typename Number>
std::optional<Number> Parse(const std::string& text, Number low, Number high) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !(value >= low) ||
      !(value <= high)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::map<std::string, std::string>> ReadOptions(
    const std::vector<std::string>& arguments, std::initializer_list<std::string_view> known,
    std::string& error) {
  std::map<std::string, std::string> values;
  for (std::size_t i = 0; i < arguments.size(); i += 2) {
    const std::string& name = arguments[i];
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      error = "unknown option " + name;
    } else if (i + 1 >= arguments.size()) {
      error = "missing value after " + name;
    } else if (!values.emplace(name, arguments[i + 1]).second) {
      error = name + " given twice";
    } else {
      continue;
    }
    return std::nullopt;
  }
  return values;
}

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
  return Parse(text, low, high);
}

std::optional<double> DecimalNumber(const std::string& text, double low, double high) {
  return Parse(text, low, high);
}

}  // namespace datatool
