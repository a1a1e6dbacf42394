#pragma once

#include <array>
#include <string_view>

#include "store/TableDef.h"

namespace store::schema {

// The table names, used exactly as written.
inline constexpr std::string_view kRuWords = "RUWORDS";
inline constexpr std::string_view kHeWords = "Hewords";
inline constexpr std::string_view kEnWords = "ENWORDS";
inline constexpr std::string_view kSeleWords = "SELEWORDS";
inline constexpr std::string_view kGlTable = "GLTABLE";
inline constexpr std::string_view kNekudot = "NEKUDOT";

// Number of verb forms; they sit at positions 1 .. kVerbFormCount of GLTABLE and NEKUDOT.
inline constexpr int kVerbFormCount = 28;
// The field names of the 28 verb forms, in position order (index 0 is position 1).
extern const std::array<std::string_view, kVerbFormCount> kVerbFormFields;

// The declared shape of each table: fields in position order, indexes, default order.
TableDef RuWords();
TableDef HeWords();
TableDef EnWords();
TableDef SeleWords();
TableDef GlTable();
TableDef Nekudot();

}  // namespace store::schema
