#pragma once

// Consistency checks of a dictionary: the three records of each meaning must name each other,
// every Hebrew verb must carry its conjugation forms, and no meaning may be blank (three empty
// words) or incomplete (one or two empty words); and the review cards must agree with their log
// and belong to meanings that exist.

#include <string>
#include <vector>

class TDataModul;

namespace datatool {

// Reads the three word tables and the two verb-form tables (each unfiltered; the cursors move)
// and returns one line per problem found, by language and key; an empty list means the dictionary
// is sound. Throws store::Error when a table cannot be read.
// The cards are rebuilt at the desired `retention`.
std::vector<std::string> CheckDictionary(TDataModul& data, double retention);

}  // namespace datatool
