#include "browser/Filters.h"

namespace browser {
namespace {

// The pieces the filter texts are made of.
constexpr char kPart[] = "Part ";
constexpr char kTopicCombined[] = "Topic";
constexpr char kTopicAlone[] = "Topic ";
constexpr char kEquals[] = " = ";
constexpr char kQuote[] = "'";
constexpr char kAnd[] = " and ";

std::string Comparison(const char* field, std::string_view value) {
  return std::string(field) + kEquals + kQuote + std::string(value) + kQuote;
}

void SetFilters(const WordTables& tables, const std::string& filter) {
  for (store::Table* table : {&tables.ru, &tables.he, &tables.en}) table->SetFilter(filter);
}

void FirstRecords(const WordTables& tables) {
  for (store::Table* table : {&tables.ru, &tables.he, &tables.en}) table->First();
}

}  // namespace

std::string PartFilter(std::string_view partCode, int themePosition) {
  std::string filter = Comparison(kPart, partCode);
  if (themePosition >= 1) {
    filter += kAnd + Comparison(kTopicCombined, std::to_string(themePosition - 1));
  }
  return filter;
}

std::string ThemeFilter(int themePosition) {
  return Comparison(kTopicAlone, std::to_string(themePosition - 1));
}

void ApplyPartFilter(const WordTables& tables, std::string_view partCode, int themePosition) {
  SwitchFilters(tables, false);
  SetFilters(tables, PartFilter(partCode, themePosition));
  SwitchFilters(tables, true);
}

void ApplyFilters(const WordTables& tables, int themePosition,
                  std::optional<std::string_view> pressedPart) {
  SwitchFilters(tables, false);
  if (themePosition != 0) {
    SetFilters(tables, ThemeFilter(themePosition));
    SwitchFilters(tables, true);
  } else {
    SwitchFilters(tables, false);
    FirstRecords(tables);
  }
  if (pressedPart) ApplyPartFilter(tables, *pressedPart, themePosition);
}

void ApplyOthersFilter(const WordTables& tables) {
  SwitchFilters(tables, false);
  SetFilters(tables, kOthersFilter);
  SwitchFilters(tables, true);
}

void RemoveFilters(const WordTables& tables) {
  SwitchFilters(tables, false);
  FirstRecords(tables);
}

}  // namespace browser
