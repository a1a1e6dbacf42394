#pragma once

// The export of the dictionary, or of its marked words, to an exchange document with its
// stylesheet beside it. The steps are separate so that the menu command can ask its questions
// between them:
//
//   int count = SelectMarkedWords(data);
//   if (count == 0 && <the user wants all words>) count = SelectAllWords(data);
//   if (<a file was chosen>) ExportDocument(data, path, count, date, progress);
//   ReleaseWordFilters(data);

#include <QString>
#include <string_view>
#include <vector>

#include "exchange/ExchangeUnit.h"
#include "exchange/Progress.h"

class TDataModul;

namespace exchange {

// Filters the Russian table on the marked words, goes to its first record and returns the number
// of marked Russian words (dictionary::FilterMarked).
int SelectMarkedWords(TDataModul& data);

// Switches the Russian table's filter off (keeping its expression) and returns the number of all
// Russian words.
int SelectAllWords(TDataModul& data);

// Writes the document with `count` units, one per Russian record of the table's view from its
// first record in the order of its active index, then "TStyle.xsl" in the document's folder. The
// Hebrew and English tables' filters are switched off first. A linked record that cannot be found
// gives empty values (codes 0) for its part of the unit; an empty code is written as 0.
//
// When the Russian table is filtered (the marked words), the exported words lose their marks
// (Russian, Hebrew and English record) once the document is in place; the Russian filter is then
// off.
//
// The document is written beside its target and takes the target's place only when it is
// complete: on failure or cancel no document is written, an existing file is left as it was and
// no mark changes. Returns false when `progress` cancelled. Throws ExchangeError naming the file
// that cannot be created or written, store::Error when a table operation fails.
bool ExportDocument(TDataModul& data, const QString& path, int count, std::string_view date,
                    const Progress& progress = {});

// The `count` meanings of the Russian table's view from its first record, in the order of its
// active index, read as ExportDocument reads them (the Hebrew and English filters are switched
// off first). Marks are not touched. Throws store::Error when a table operation fails.
std::vector<ExchangeUnit> ReadMeanings(TDataModul& data, int count);

// Switches filtering off on the three word tables; the Russian table keeps its expression.
void ReleaseWordFilters(TDataModul& data);

}  // namespace exchange
