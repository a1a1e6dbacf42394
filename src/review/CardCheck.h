#pragma once

// The cards checked against their log: every card must be what replaying its meaning's reviews in
// its direction gives, and cards and log rows must belong to meanings that exist.

#include <string>
#include <unordered_set>
#include <vector>

#include "review/CardStore.h"
#include "review/Fsrs.h"

namespace review {

// One line per problem: a card whose stability, difficulty, review count, lapses, last review or
// due day disagrees with the rebuild from the log (by `model`), or whose log rows' intervals are
// not those their previous reviews gave; a card without log rows; log rows
// without a card; cards or log rows of a meaning not in `meanings` (keys of Russian records).
std::vector<std::string> CheckCards(const CardStore& cards, const MemoryModel& model,
                                    const std::unordered_set<int>& meanings);

}  // namespace review
