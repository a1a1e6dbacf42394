#include "speech/SpeechText.h"

namespace speech {

std::string SpeechText(Language language, const std::optional<std::string>& hint,
                       const std::optional<std::string>& written) {
  if (hint) return *hint;
  if (language != Language::Hebrew && written) return *written;
  return " ";
}

}  // namespace speech
