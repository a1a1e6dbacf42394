#include "exchange/StressMarks.h"

#include <algorithm>

namespace exchange {

std::string ConvertStressMarks(std::string_view text, StressDirection direction) {
  const char from = direction == StressDirection::ToFile ? '<' : '_';
  const char to = direction == StressDirection::ToFile ? '_' : '<';
  std::string result(text);
  std::replace(result.begin(), result.end(), from, to);
  return result;
}

}  // namespace exchange
