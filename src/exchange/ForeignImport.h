#pragma once

// The import of a file another program wrote, once its reader has parsed it whole: each meaning
// goes to the dictionary's commit seam (whole meanings only, each its own write unit, all of its
// words marked), and the report says what became of every entry.

#include <string>
#include <vector>

#include "exchange/ForeignDocument.h"
#include "exchange/Progress.h"

class TDataModul;

namespace exchange {

struct ImportReport {
  int Taken = 0;         // meanings added
  int AlreadyThere = 0;  // meanings whose three words were in the dictionary already
  bool Cancelled = false;
  std::vector<RefusedEntry> Refused;
  std::vector<ShortenedWord> Shortened;
  std::vector<std::string> Notes;
};

// Offers the document's meanings in their order inside one bulk transaction, and ends as every
// import ends (EndImport). `progress` may cancel between meanings; what was taken before stays.
// A failing table operation stops the import with an ExchangeError saying how many meanings were
// added before it; those stay.
ImportReport ImportForeign(TDataModul& data, const ForeignDocument& document,
                           const Progress& progress = {});

// The report as the user reads it: the counts on the first line, then every refused entry,
// every shortened word and every note, one line each.
std::string ReportText(const ImportReport& report);

}  // namespace exchange
