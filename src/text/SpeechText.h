#pragma once

// Which text is handed to the speech engine for one word.

#include <optional>
#include <string>

#include "text/Language.h"

namespace text {

// The text to speak for a word of `language`, given its pronunciation hint and its written form
// (single-byte texts; nullopt stands for a null field):
// - Russian and English: the hint if it holds text, else the written word if it holds text, else a
//   single blank " ".
// - Hebrew: the hint if it holds text, else a single blank " "; the written Hebrew word is never
//   handed to the engine.
// An empty text counts as null.
std::string SpeechText(Language language, const std::optional<std::string>& hint,
                       const std::optional<std::string>& written);

}  // namespace text
