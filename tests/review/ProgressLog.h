#pragma once

// A small review log on fixed days for the progress figures, written through CardStore into a
// test dictionary of three meanings. The figures it must give were counted by hand; see
// ProgressLog.cpp for the log itself.

#include <cstdint>

#include "TestDictionary.h"
#include "review/Progress.h"

namespace reviewtest {

inline constexpr std::int64_t kToday = 2460390;  // 2024-03-20

struct ProgressLog {
  // Adds the three meanings and writes the log and cards.
  explicit ProgressLog(TDataModul& data);
};

// The figures the log gives on kToday at the default retention.
review::Progress ExpectedProgress();

}  // namespace reviewtest
