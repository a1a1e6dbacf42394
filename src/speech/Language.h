#pragma once

// The three languages of the dictionary, numbered as everywhere in the program.

namespace speech {

enum class Language {
  Russian = 1,
  Hebrew = 2,
  English = 3,
};

}  // namespace speech
