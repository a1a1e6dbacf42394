#include "datatool/ScheduleReplay.h"

#include <iomanip>
#include <istream>
#include <limits>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "datatool/Arguments.h"
#include "datatool/Commands.h"
#include "review/Fsrs.h"

namespace datatool {
namespace {

struct LogLine {
  std::string Item;
  int Days;
  review::Grade Given;
};

// The review of one line of the log, or what is wrong with it in `problem`.
std::optional<LogLine> ReadLine(const std::string& line, std::string& problem) {
  std::istringstream fields(line);
  std::vector<std::string> words;
  for (std::string word; fields >> word;) words.push_back(word);
  if (words.size() != 3) {
    problem = "expected ITEM DAYS GRADE, found " + std::to_string(words.size()) + " fields";
    return std::nullopt;
  }
  const auto days =
      WholeNumber(words[1], std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  const auto grade = WholeNumber(words[2], 1, 4);
  if (!days) {
    problem = "DAYS is not a whole number: " + words[1];
  } else if (*days < 0) {
    problem = "DAYS is negative: " + words[1];
  } else if (!grade) {
    problem = "GRADE must be 1, 2, 3 or 4: " + words[2];
  } else {
    return LogLine{words[0], *days, static_cast<review::Grade>(*grade)};
  }
  return std::nullopt;
}

bool Skipped(const std::string& line) {
  return line.starts_with('#') || line.find_first_not_of(" \t\r") == std::string::npos;
}

}  // namespace

std::optional<ScheduleOptions> ParseScheduleOptions(const std::vector<std::string>& arguments,
                                                    std::string& error) {
  const auto values = ReadOptions(arguments, {"--replay", "--retention"}, error);
  if (!values) return std::nullopt;
  ScheduleOptions options;
  if (const auto file = values->find("--replay"); file != values->end()) {
    options.ReplayFile = file->second;
  } else {
    error = "--replay FILE is missing";
    return std::nullopt;
  }
  if (const auto retention = values->find("--retention"); retention != values->end()) {
    const auto value =
        DecimalNumber(retention->second, review::kMinRetention, review::kMaxRetention);
    if (!value) {
      error = "bad value for --retention: " + retention->second;
      return std::nullopt;
    }
    options.Retention = *value;
  }
  return options;
}

int ReplaySchedule(std::istream& in, double retention, std::ostream& out, std::ostream& err) {
  std::vector<LogLine> log;
  bool bad = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (Skipped(line)) continue;
    std::string problem;
    if (const auto review = ReadLine(line, problem)) {
      log.push_back(*review);
    } else {
      err << "vocamir-data: line " << number << ": " << problem << "\n";
      bad = true;
    }
  }
  if (bad) return kUsage;

  const review::MemoryModel model(retention);
  std::map<std::string, review::MemoryState> memories;
  std::ostringstream lines;
  lines << std::fixed << std::setprecision(6);
  for (const LogLine& review : log) {
    const auto known = memories.find(review.Item);
    const review::MemoryState memory = known == memories.end()
                                           ? model.First(review.Given)
                                           : model.Next(known->second, review.Days, review.Given);
    memories.insert_or_assign(review.Item, memory);
    lines << review.Item << " " << memory.Stability << " " << memory.Difficulty << " "
          << model.IntervalDays(memory.Stability) << "\n";
  }
  out << lines.str();
  return kOk;
}

}  // namespace datatool
