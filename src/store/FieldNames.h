#pragma once

#include <string_view>

#include "store/TableDef.h"

namespace store {

// True when two field or index names are the same without regard to (ASCII) case.
bool SameName(std::string_view a, std::string_view b);

// The position of the field of that name (matched without regard to case), or -1.
int FindFieldPosition(const TableDef& table, std::string_view name);

}  // namespace store
