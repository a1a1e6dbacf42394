#pragma once

namespace speech {

// How an engine instance reads Cyrillic text.
enum class Reading {
  // As a Russian text: the voice's own rules; a word with a "<" mark is read with that vowel
  // stressed and the other vowels reduced the Russian way.
  Natural,
  // Letter by letter as written, every vowel unreduced, with "<" marking the stressed vowel: the
  // Cyrillic transliterations of Hebrew words.
  Transliteration,
};

}  // namespace speech
