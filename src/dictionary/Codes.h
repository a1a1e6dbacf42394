#pragma once

// The codes of a meaning and their captions. A code is the position of its caption in the list.

#include <array>
#include <string_view>

namespace dictionary {

// Part of speech (`Part`).
inline constexpr std::array<std::string_view, 6> kPartCaptions = {
    "UNKNOWN", "VERB", "NOUN", "ADJECTIVE", "SERVICE WORD", "WORD COLLOCATION"};

// Part-of-speech codes with a rule of their own.
inline constexpr int kPartVerb = 1;
inline constexpr int kPartNoun = 2;

// Theme (`Topic`).
inline constexpr std::array<std::string_view, 15> kThemeCaptions = {"Colloquial",
                                                                    "Literary",
                                                                    "Family",
                                                                    "Purchases",
                                                                    "Time",
                                                                    "Health/Man",
                                                                    "Nature/Travels",
                                                                    "Science/Engineering",
                                                                    "Culture/Art",
                                                                    "Profession",
                                                                    "Politics/Jurisprudence",
                                                                    "Grammar",
                                                                    "Religion",
                                                                    "Shortenings/Abbr.",
                                                                    "Slang"};

// The word editor's theme list shows the caption of this code with a trailing blank; the theme is
// the same.
inline constexpr int kThemeWithTrailingBlank = 7;

// Gender (`Sex`). Russian words have all four; Hebrew and English words the first three.
inline constexpr std::array<std::string_view, 4> kSexCaptions = {"NO", "MAN'S", "FEMALE",
                                                                 "AVERAGE"};

// Gender code "NO".
inline constexpr int kSexNone = 0;

// Verb pattern (`Binyan`) of a Hebrew verb.
inline constexpr std::array<std::string_view, 8> kBinyanCaptions = {
    "EXCEPTION", "PAAL", "PIEL", "HIFIL", "NIFAL", "PUAL", "HUFAL", "HITPAEL"};

}  // namespace dictionary
