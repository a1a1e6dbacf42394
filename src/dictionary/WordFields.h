#pragma once

// Handles on the fields of a meaning's records, looked up by name once per run (an export reads
// them, committing meanings writes them). A handle reads and writes whichever record of its table
// is current.

#include <string_view>

#include "store/Field.h"

class TDataModul;

namespace dictionary {

struct RussianFields {
  store::Field Id, Item, IdHE, IdEN, RussianSpeech, Sex, Part, Topic, Select;
};

struct HebrewFields {
  store::Field Id, Item, ItemInvert, Root, RootInvert, IdRU, IdEN, HebrSpeech, Sex, Part, Binyan,
      Topic, Select;
};

struct EnglishFields {
  store::Field Id, Item, IdRU, IdHE, EnglishSpeech, Sex, Part, Topic, Select;
};

// The pronunciation link of a GLTABLE record and the key of a NEKUDOT record; the forms are
// reached by position (1 to 28). The links are written by LinkVerbForms (CreateMeaning.h).
struct VerbFields {
  store::Field SpellingIdNekudot, PronunciationId;
};

struct WordFields {
  explicit WordFields(TDataModul& data);

  RussianFields Russian;
  HebrewFields Hebrew;
  EnglishFields English;
  VerbFields Verb;
};

// A code field's value; an empty (null) code counts as 0.
int CodeOf(const store::Field& field);

// Writes a text; an empty text leaves the field empty (null).
void SetText(store::Field field, std::string_view value);

}  // namespace dictionary
