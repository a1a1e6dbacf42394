#pragma once

// A KVTML 2 vocabulary (Parley, KWordQuiz, or Vocamir's own export) as meanings for the import.

#include <string_view>

#include "exchange/ForeignDocument.h"

namespace exchange::kvtml {

// The meanings of the file's entries in their order. Languages are found by their identifiers'
// locales ("ru"; "he" or "iw"; "en", "en_US", …); any other language is named in the notes and
// passed over, and a language the file lacks stays empty. Words, their pronunciations (as hints)
// and Vocamir's verb forms are converted into the code pages of their fields; what a code page
// cannot hold is left out and listed. Word types give the part of speech (and a noun's gender, a
// Hebrew verb's pattern), a lesson named by a theme caption gives the theme.
//
// An entry with no word in any of the three languages is refused ("entry <id>"). Throws
// ExchangeError naming the line and the reason when the bytes are not a well-formed KVTML 2
// document; nothing is taken from it then.
ForeignDocument ReadKvtml(std::string_view bytes);

}  // namespace exchange::kvtml
