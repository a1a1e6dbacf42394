#pragma once

// The part-of-speech and theme filters. The same filter text is always set on all three word
// tables, so the three pages show corresponding subsets. Theme positions are those of the theme
// list: 0 "All", p >= 1 the theme with Topic p - 1, -1 typed text that names no theme.

#include <optional>
#include <string>
#include <string_view>

#include "browser/WordTables.h"

namespace browser {

// "Part  = 'P'" for a position below 1, else "Part  = 'P' and Topic = 'T'" with T = p - 1.
std::string PartFilter(std::string_view partCode, int themePosition);
// "Topic  = 'T'" with T = p - 1.
std::string ThemeFilter(int themePosition);
// Every part of speech outside the codes 0 to 5.
inline constexpr char kOthersFilter[] =
    "Part <> '0' and Part <> '1' and Part <> '2' and Part <> '3' and Part <> '4' and Part <> '5'";

using dictionary::SwitchFilters;

// Filters off, the part filter set on the three tables, filters on.
void ApplyPartFilter(const WordTables& tables, std::string_view partCode, int themePosition);

// Filters off; the theme filter on for a position other than 0, otherwise the filters stay off
// and each table goes to its first record; then the part filter of `pressedPart` (the code of the
// part button that is down, if any) with the same position.
void ApplyFilters(const WordTables& tables, int themePosition,
                  std::optional<std::string_view> pressedPart);

// Filters off, the "Others" filter set, filters on.
void ApplyOthersFilter(const WordTables& tables);

// Filters off and each table on its first record.
void RemoveFilters(const WordTables& tables);

}  // namespace browser
