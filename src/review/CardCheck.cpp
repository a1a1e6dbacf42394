#include "review/CardCheck.h"

#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "review/GameReviews.h"

namespace review {

namespace {

using CardKey = std::pair<int, int>;  // meaning, direction

std::string Name(const CardKey& key) {
  return "The card of meaning " + std::to_string(key.first) + " in direction " +
         std::to_string(key.second);
}

bool Near(double a, double b) { return std::abs(a - b) <= 1e-6 * std::max(1.0, std::abs(b)); }

// The card its log leads to; `scheduled` turns false when a row's interval is not the one the
// review before it gave.
Card Rebuild(const CardKey& key, const std::vector<LogRow>& rows, const MemoryModel& model,
             bool& scheduled) {
  Card card{key.first, key.second};
  MemoryState state{};
  scheduled = true;
  for (const LogRow& row : rows) {
    const auto grade = static_cast<Grade>(row.Grade);
    if (card.Reviews == 0) {
      scheduled &= row.Scheduled == 0;
      state = model.First(grade);
    } else {
      scheduled &= row.Scheduled == model.IntervalDays(state.Stability);
      state = model.Next(state, row.ElapsedDays, grade);
      if (grade == Grade::Again) ++card.Lapses;
    }
    ++card.Reviews;
    card.LastReview = DayOf(row.Time);
  }
  card.Stability = state.Stability;
  card.Difficulty = state.Difficulty;
  card.Due = card.LastReview + model.IntervalDays(state.Stability);
  return card;
}

}  // namespace

std::vector<std::string> CheckCards(const CardStore& cards, const MemoryModel& model,
                                    const std::unordered_set<int>& meanings) {
  std::map<CardKey, std::vector<LogRow>> logs;
  cards.EachReview([&](const LogRow& row) { logs[{row.Meaning, row.Direction}].push_back(row); });
  std::vector<std::string> problems;
  std::set<int> gone;  // in key order
  cards.EachCard([&](const Card& card) {
    const CardKey key{card.Meaning, card.Direction};
    if (meanings.count(card.Meaning) == 0) gone.insert(card.Meaning);
    const auto log = logs.find(key);
    if (log == logs.end()) {
      problems.push_back(Name(key) + " has no reviews in the log.");
      return;
    }
    bool scheduled = true;
    const Card rebuilt = Rebuild(key, log->second, model, scheduled);
    logs.erase(log);
    if (!scheduled || !Near(card.Stability, rebuilt.Stability) ||
        !Near(card.Difficulty, rebuilt.Difficulty) || card.Reviews != rebuilt.Reviews ||
        card.Lapses != rebuilt.Lapses || card.LastReview != rebuilt.LastReview ||
        card.Due != rebuilt.Due) {
      problems.push_back(Name(key) + " disagrees with its log (stability " +
                         std::to_string(card.Stability) + ", rebuilt " +
                         std::to_string(rebuilt.Stability) + ").");
    }
  });
  for (const auto& [key, rows] : logs) {
    if (meanings.count(key.first) == 0) gone.insert(key.first);
    problems.push_back("The log holds " + std::to_string(rows.size()) + " reviews of meaning " +
                       std::to_string(key.first) + " in direction " + std::to_string(key.second) +
                       " without a card.");
  }
  for (const int meaning : gone) {
    problems.push_back("Cards or reviews of meaning " + std::to_string(meaning) +
                       ", which no longer exists.");
  }
  return problems;
}

}  // namespace review
