#include "text/SpeechText.h"

namespace text {
namespace {

bool HoldsText(const std::optional<std::string>& value) { return value && !value->empty(); }

}  // namespace

std::string SpeechText(Language language, const std::optional<std::string>& hint,
                       const std::optional<std::string>& written) {
  if (HoldsText(hint)) return *hint;
  if (language != Language::Hebrew && HoldsText(written)) return *written;
  return " ";
}

}  // namespace text
