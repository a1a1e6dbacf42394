#pragma once

// The incremental search of the language pages. Each search moves the searched table to the
// nearest word, moves the two partner tables to the linked records and returns the partners'
// words for the status bar. Each table is left on the index the search set last, and its grid
// lists it in that order.
//
// A found record whose link field is empty throws store::ConversionError at that partner: the
// partners after it are not moved and nothing is returned. An empty searched table finds
// nothing: no partner moves and both words are "-----".

#include <QStringView>
#include <optional>

#include "browser/WordTables.h"

namespace browser {

// RUWORDS by item_index (case-insensitive) with the whole text, then Hewords and ENWORDS by exact
// key on id_index. Panels: Hebrew word, English word. Also for an empty text.
StatusTexts SearchRussian(const WordTables& tables, QStringView text);

// ENWORDS by item_index, then RUWORDS and Hewords by exact key. Panels: Russian, Hebrew.
StatusTexts SearchEnglish(const WordTables& tables, QStringView text);

// Hewords by invert_index with the box's text (display order) reversed into reading order, then
// RUWORDS and ENWORDS by nearest key on id_index. The index reads the text without vowel points
// and final forms as their letters: "שלום" finds "שָׁלוֹם", and "שלומ" finds "שלום". Panels: Russian,
// English. Nothing for an empty text: no table moves.
std::optional<StatusTexts> SearchHebrewWord(const WordTables& tables, QStringView text);

// The same on the roots: Hewords by Root_index.
std::optional<StatusTexts> SearchHebrewRoot(const WordTables& tables, QStringView text);

// The four search boxes, for a caller that picks one at run time (the data tool's `find`).
enum class SearchBox { Russian, English, HebrewWord, HebrewRoot };

// The language whose table a box searches.
Language SearchedLanguage(SearchBox box);

// What a search found: the partners' words, and whether the searched table stands on a word that
// equals the text by its index's comparison rather than on the nearest one after it.
struct SearchResult {
  StatusTexts status;
  bool exact = false;
};

// The search of `box` on the box's text (display order in a Hebrew box), exactly as the function
// of that box above runs it; nothing for an empty Hebrew text.
std::optional<SearchResult> RunSearch(const WordTables& tables, SearchBox box, QStringView text);

}  // namespace browser
