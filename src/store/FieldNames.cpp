#include "store/FieldNames.h"

#include <algorithm>
#include <cctype>

namespace store {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

int FindFieldPosition(const TableDef& table, std::string_view name) {
  for (std::size_t i = 0; i < table.Fields.size(); ++i) {
    if (SameName(table.Fields[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace store
