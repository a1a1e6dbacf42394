#pragma once

// The table work of the word commands, without any window: creating a meaning, finding the
// partners of a word, reading and writing the codes, loading and storing the verb forms.
//
// A meaning is one record in each of RUWORDS, Hewords and ENWORDS, each holding the keys of the
// other two. The Hebrew verb's forms live in GLTABLE (spellings, found by IdHE) and NEKUDOT
// (pronunciations, found by Id = GLTABLE IdNekudot), fields 1 to 28 in form order.

#include <optional>
#include <string>

#include "editor/VerbForms.h"
#include "editor/WordCodes.h"

namespace store {
class Table;
}

namespace editor {

// The five tables the word commands work on. The tables must be open.
struct WordTables {
  store::Table& ru;
  store::Table& he;
  store::Table& en;
  store::Table& gl;
  store::Table& nekudot;
};

// The language page a command starts from.
enum class Page { Russian, Hebrew, English };

// Creates a new meaning (dictionary::CreateMeaning: three empty records, linked and marked, in one
// write unit; the filters of the word tables off). Then puts the three records in edit state and
// prefills the word of `page`'s language with `searchText` (a Hebrew word with its reversed copy),
// which stays a pending edit. `searchText` is in the code page of the page's language.
void CreateMeaning(WordTables& tables, Page page, const std::string& searchText);

// Moves the other two word tables to the partners of the current record of `page`'s table
// (dictionary::MoveToPartners: a partner hidden by its table's filter is looked for with the
// filter off). Returns whether the page's table has a current record and both partners were
// found, which editing the meaning needs.
bool MoveToPartners(WordTables& tables, Page page);

// Puts the three word records in edit state (no change for one already in edit or insert state).
void EditWords(WordTables& tables);

// The codes of the current records, as the editor's lists show them: part, verb pattern, Hebrew
// gender and theme from the Hebrew record, the other genders from their own records. A null code
// reads as 0.
WordCodes ReadCodes(store::Table& ru, store::Table& he, store::Table& en);

// Fills `spelling` and `pronunciation` from the GLTABLE record of the Hebrew word `hebrewId` and
// the NEKUDOT record it names; all 28 empty when there is no GLTABLE record. Returns whether a
// GLTABLE record was found.
bool LoadVerbForms(WordTables& tables, int hebrewId, VerbTexts& spelling, VerbTexts& pronunciation);

// Sets the Hebrew record's reversed copies from what it holds: Item_Invert from Item and
// Root_Invert from Root (a null or empty text gives a null copy). REQUIRES: the record is in edit
// or insert state.
void KeepReversedCopies(store::Table& he);

// Writes the codes into the three current records, with the Hebrew record's reversed copies, and
// posts them (Hebrew, Russian, English): Part and Topic into all three, Binyan and Sex into the
// Hebrew record, the Russian and English Sex by StoredSex. The records are put in edit state
// first. Returns the key of the Hebrew record just stored, read before the posts (a post may move
// the cursor off a record that leaves the filter); nothing when it has no key.
std::optional<int> WriteCodesAndPost(WordTables& tables, const WordCodes& codes);

// Stores the forms of the Hebrew verb `hebrewId`: into its GLTABLE record and the NEKUDOT
// record that names, creating both (linked by IdNekudot) when it has none. A GLTABLE record whose
// IdNekudot names no NEKUDOT record gets a new NEKUDOT record linked to it, so forms are never
// written into another verb's pronunciations. On an error the unposted edits of GLTABLE and
// NEKUDOT are dropped and the error is rethrown.
void StoreVerbForms(WordTables& tables, int hebrewId, const VerbTexts& spelling,
                    const VerbTexts& pronunciation);

}  // namespace editor
