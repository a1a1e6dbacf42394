#pragma once

#include <filesystem>

class TDataModul;

namespace bench {

struct DictionaryOptions {
  int Meanings = 1000;
  // Share of meanings that are Hebrew verbs (Part 1) with a root and 28 forms in GLTABLE and
  // NEKUDOT.
  double VerbShare = 0.1;
  // Share of meanings whose three words carry the lesson mark "*".
  double MarkedShare = 0.05;
  unsigned Seed = 1;
};

// Adds a synthetic dictionary to the open tables of a data module: per meaning one linked record
// in each of RUWORDS (Windows-1251 capitals with a stressed hint), Hewords (Windows-1255 in
// display order with its reading-order copy) and ENWORDS, with Part, Topic and Sex codes; each
// verb also gets its GLTABLE and NEKUDOT records. The same options always give the same words.
// Everything is written in one bulk transaction. Throws store::Error when a table refuses.
void GenerateDictionary(TDataModul& module, const DictionaryOptions& options);

// Creates <workingDirectory>/data (which must not hold a dictionary yet) and fills it.
void GenerateDictionaryFolder(const std::filesystem::path& workingDirectory,
                              const DictionaryOptions& options);

}  // namespace bench
