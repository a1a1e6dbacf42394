#pragma once

// The loop every import shares: parsed meanings offered to the dictionary's commit seam one by
// one, inside one bulk transaction, ending as every import ends (EndImport).

#include <functional>

#include "dictionary/ParsedMeaning.h"
#include "exchange/Progress.h"

class TDataModul;

namespace exchange {

struct OfferCounts {
  int Added = 0;    // meanings committed as new
  int Skipped = 0;  // meanings whose three words were all there
  bool Cancelled = false;
};

// Offers what `next` returns until it returns null; `total` is what progress is told. `progress`
// may cancel between meanings. Every committed meaning stays, whatever happens later: an exception
// from `next` or from a table operation is thrown on as an ExchangeError with its text and how
// many new meanings were added before it.
OfferCounts OfferMeanings(TDataModul& data,
                          const std::function<const dictionary::ParsedMeaning*()>& next, int total,
                          const Progress& progress);

}  // namespace exchange
