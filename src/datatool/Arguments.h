#pragma once

// What the tool's commands read from their command line and from the files they read: options
// given as "--name value", and numbers, whose whole text must be the number (C locale) within the
// bounds given.

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace datatool {

// The values of the options in `arguments`, "--name value" pairs in any order, each at most once,
// by name. Returns nothing and sets `error` for a name not in `known`, a name given twice or a
// name without a value.
std::optional<std::map<std::string, std::string>> ReadOptions(
    const std::vector<std::string>& arguments, std::initializer_list<std::string_view> known,
    std::string& error);

// A whole number from `low` to `high`; nothing for any other text.
std::optional<int> WholeNumber(const std::string& text, int low, int high);

// A decimal number such as "0.5" from `low` to `high`; nothing for any other text.
std::optional<double> DecimalNumber(const std::string& text, double low, double high);

}  // namespace datatool
