#include "exchange/DocumentStart.h"

namespace exchange {
namespace {

constexpr std::string_view kRootTag = "Root";

bool IsBlank(char byte) { return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n'; }

}  // namespace

bool BeginsAsExchangeDocument(std::string_view bytes) {
  std::size_t pos = 0;
  while (true) {
    while (pos < bytes.size() && IsBlank(bytes[pos])) ++pos;
    if (pos == bytes.size()) return true;
    if (bytes[pos] != '<') return false;
    const std::size_t end = bytes.find('>', pos + 1);
    const std::string_view tag = bytes.substr(
        pos + 1, end == std::string_view::npos ? std::string_view::npos : end - pos - 1);
    const bool prolog = !tag.empty() && (tag.front() == '?' || tag.front() == '!');
    if (end == std::string_view::npos) return prolog || kRootTag.starts_with(tag);
    if (!prolog) return tag == kRootTag;
    pos = end + 1;
  }
}

}  // namespace exchange
