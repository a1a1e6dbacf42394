#pragma once

// The 28 conjugation forms of a Hebrew verb and the rules of the verb page that need no window:
// which forms a mask shows, how the grid's columns are laid out, and the present forms derived
// from the masculine singular present.
//
// All Hebrew texts here are Windows-1255 bytes in display order (the last letter of a word comes
// first), as the word tables store them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

inline constexpr int kVerbFormCount = 28;

// One text per verb form, indexed by form number 0..27.
using VerbTexts = std::array<std::string, kVerbFormCount>;

// Form numbers with a meaning of their own for the derivation rule.
inline constexpr int kPresentMasculine = 0;
inline constexpr int kPresentFeminine = 1;
inline constexpr int kPresentMasculinePlural = 2;
inline constexpr int kPresentFemininePlural = 3;

// Field names of the forms in GLTABLE and NEKUDOT; form i sits at field position i + 1.
extern const std::array<const char*, kVerbFormCount> kVerbFormFields;

// The grid labels of the 28 forms (header row of the verb grid).
const VerbTexts& VerbFormLabels();

// True when character `form` of the mask is "1". Missing characters (a short mask) mean "not
// shown"; characters after the 28th are ignored.
bool FormShown(std::string_view mask, int form);

// One column of the verb grid.
struct VerbGridColumn {
  int form = 0;          // the form the column stands for
  std::string label;     // header text
  std::string spelling;  // text of the spelling row
};

// The columns of the verb grid for a mask: one per shown form in form order. The first column
// always stands for form 0; when form 0 is not shown it still carries form 0's own label and
// spelling (never text of another word), and the shown forms follow from the second column on.
// The result is never empty.
std::vector<VerbGridColumn> BuildVerbGrid(std::string_view mask, const VerbTexts& labels,
                                          const VerbTexts& spelling);

// A form derived from the masculine singular present.
struct DerivedForm {
  int form;
  std::string spelling;
};

// The feminine singular, masculine plural and feminine plural present derived from the masculine
// singular present: in display order the ending stands at the left, so each is a fixed ending put
// in front of the masculine form. Forms 1, 2, 3 in this order.
std::array<DerivedForm, 3> DerivePresentForms(std::string_view masculine);

}  // namespace editor
