#include "editor/VerbTable.h"

namespace editor {

void VerbTable::Clear() {
  VerbSpelling.fill(std::string());
  VerbPronunciation.fill(std::string());
}

void VerbTable::Build(std::string_view mask) {
  Columns = BuildVerbGrid(mask, VerbLabels, VerbSpelling);
  for (size_t column = 0; column < Columns.size(); ++column) {
    VerbColumnForm[column] = Columns[column].form;
  }
  VerbColumn = 0;
}

std::optional<std::pair<std::string, std::string>> VerbTable::Select(int column) {
  if (column < 0 || static_cast<size_t>(column) >= Columns.size()) return std::nullopt;
  VerbColumn = column;
  return std::make_pair(Columns[column].spelling, VerbPronunciation[SelectedForm()]);
}

std::vector<VerbTable::CellChange> VerbTable::LeaveSpelling(const std::string& text) {
  std::vector<CellChange> changes;
  if (Columns.empty()) return changes;
  const int form = SelectedForm();
  VerbSpelling[form] = text;
  if (static_cast<size_t>(VerbColumn) < Columns.size()) {
    Columns[VerbColumn].spelling = text;
    changes.emplace_back(VerbColumn, text);
  }
  if (text.empty() || form != kPresentMasculine) return changes;
  for (const DerivedForm& derived : DerivePresentForms(text)) {
    VerbSpelling[derived.form] = derived.spelling;
    for (size_t column = 0; column < Columns.size(); ++column) {
      if (Columns[column].form == derived.form) {
        Columns[column].spelling = derived.spelling;
        changes.emplace_back(static_cast<int>(column), derived.spelling);
      }
    }
  }
  return changes;
}

void VerbTable::LeavePronunciation(const std::string& text) {
  if (Columns.empty()) return;
  VerbPronunciation[SelectedForm()] = text;
}

}  // namespace editor
