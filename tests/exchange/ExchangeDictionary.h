#pragma once

// The small dictionary the export and import tests describe, written record by record into a
// test workspace.

#include "TestDictionary.h"
#include "store/DataModul.h"

namespace exchange {

enum class SmallDictionary {
  // As the export's expected document describes it: items holding "&" and "<", and a Russian
  // word whose links find nothing.
  Golden,
  // The same meanings as a document can carry them back: no "<" in the items, and the lone
  // Russian word linked to an empty Hebrew and an empty English record.
  Consistent,
};

// A small dictionary: a noun, a verb with all its forms, a meaning of empty fields whose items
// hold "&", a Russian word without translations, and a verb pattern without verb-form records.
void FillSmallDictionary(TDataModul& data, SmallDictionary variant = SmallDictionary::Golden);

}  // namespace exchange
