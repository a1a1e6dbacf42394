#include "text/InvertText.h"

namespace text {

std::string InvertText(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

}  // namespace text
