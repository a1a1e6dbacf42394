#pragma once

// Creating a meaning: three empty word records, linked to each other and marked; and the links of
// a Hebrew verb's forms.

#include "dictionary/WordTables.h"

namespace dictionary {

// The keys of a meaning's three records.
struct MeaningKeys {
  int ru = 0;
  int he = 0;
  int en = 0;
};

// Switches the filters of the three word tables off and stores an empty record in RUWORDS,
// Hewords and ENWORDS, linked to each other and marked, as one write unit: on disk the meaning is
// whole from the moment this returns, or absent when it throws. The three tables stand on the new
// records, in browse state.
MeaningKeys CreateMeaning(const WordTables& tables);

// Points the current record of GLTABLE `spelling` (in insert or edit state) at the Hebrew word
// `hebrewId` and at its NEKUDOT record `pronunciationId`. Does not post.
void LinkVerbForms(store::Table& spelling, int hebrewId, int pronunciationId);

}  // namespace dictionary
