#pragma once

// The state of the verb page of the word editor, kept apart from its widgets: the forms of the
// verb being edited, the grid as built from the verb-form mask, and the column selected last.
//
// The window shows `Columns` in its grid and the texts these operations return in its two memos;
// every change of a memo reaches the forms only through LeaveSpelling / LeavePronunciation.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/VerbForms.h"

namespace editor {

class VerbTable {
 public:
  // A cell of the spelling row that changed: its column and its new text.
  using CellChange = std::pair<int, std::string>;

  // The grid labels; refilled by RefillLabels every time the editor becomes active.
  VerbTexts VerbLabels = VerbFormLabels();
  // Spelling (Windows-1255, display order) and pronunciation (Windows-1251) of each form.
  VerbTexts VerbSpelling;
  VerbTexts VerbPronunciation;
  // The form each grid column stands for; all 0 until the first build.
  std::array<int, kVerbFormCount> VerbColumnForm{};
  // The grid column selected last.
  int VerbColumn = 0;
  // The grid as last built (at least one column once built; empty before).
  std::vector<VerbGridColumn> Columns;

  void RefillLabels() { VerbLabels = VerbFormLabels(); }

  // Empties all 28 spellings and pronunciations (a new word).
  void Clear();

  // Builds the grid for `mask` (see BuildVerbGrid) and brings the selection into step with the
  // memos: afterwards the memos show form 0 and the selected column is the first, which stands
  // for form 0.
  void Build(std::string_view mask);

  // Selects column `column` of the spelling row: returns the texts for the spelling and the
  // pronunciation memo. A column the built grid does not have (any column before the first
  // build) selects nothing: nothing is returned and nothing changes.
  std::optional<std::pair<std::string, std::string>> Select(int column);

  // The spelling memo was left with `text`: it becomes the spelling of the selected column's form
  // and that column's cell. A non-empty masculine singular present also replaces the three other
  // present forms by their derived texts, and the cells of those shown in the grid. Returns the
  // cells that changed. Before the first build the memos show no form: nothing changes.
  std::vector<CellChange> LeaveSpelling(const std::string& text);

  // The pronunciation memo was left with `text`: it becomes the pronunciation of the selected
  // column's form. Before the first build nothing changes.
  void LeavePronunciation(const std::string& text);

  // The form the selected column stands for.
  int SelectedForm() const { return VerbColumnForm[VerbColumn]; }
};

}  // namespace editor
