#pragma once

// The import of an exchange document: each of its units becomes a new meaning (three linked word
// records and, for a verb, its two verb-form records), all of its words marked for the next
// lesson. A unit whose Russian, English and Hebrew words are each already in the dictionary is
// skipped.

#include <QString>
#include <string>
#include <string_view>

#include "exchange/Progress.h"

class TDataModul;

namespace exchange {

struct ImportResult {
  int Added = 0;    // units committed as new meanings
  int Skipped = 0;  // units whose three words were all there
  bool Cancelled = false;
  // The document stopped before its closing "</Root>" (cut off, or empty): the complete units
  // before the end were still taken.
  bool EndedEarly = false;
};

// What the user is told about a document that ended early: that it did, and how many units were
// taken from it.
std::string EndedEarlyText(const ImportResult& result);

// Reads the file whole and imports it (ImportBytes). Throws ExchangeError naming the file when it
// cannot be opened or read, or when it does not begin as an exchange document (see
// BeginsAsExchangeDocument: a document cut short is still imported up to its end); no record is
// added then, and the tables end as after EndImport.
ImportResult ImportDocument(TDataModul& data, const QString& path, const Progress& progress = {});

// Imports the units of `document` in their order, inside one bulk transaction. The word tables'
// filters are switched off before the first duplicate check; a unit repeated later in the
// document finds the words committed before it and is skipped. Ends with EndImport, also when a
// bad code stops it; the Russian and English tables are then on `item_index` and the Hebrew table
// on `invert_index` (once a unit was checked).
//
// A document whose last unit is not followed by "</Root>" is taken up to its last complete unit
// and comes back with EndedEarly set. Each committed unit stays, whatever happens later: when a
// code in the document is not a number the import stops with an ExchangeError saying how many units
// were added before; a failing table operation stops it with its store::Error. `progress` may
// cancel between units.
ImportResult ImportBytes(TDataModul& data, std::string_view document,
                         const Progress& progress = {});

// The end of every import, also of one whose file was not chosen: switches filtering off on the
// three word tables and moves each to its last record.
void EndImport(TDataModul& data);

}  // namespace exchange
