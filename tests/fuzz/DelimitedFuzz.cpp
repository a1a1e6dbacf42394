// libFuzzer target for the delimited-text reader. Whatever the bytes, the reader either refuses the
// file with an ExchangeError or hands over meanings; every meaning it hands over must survive a
// trip through the writer: written and read again, the same meanings come back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "StringSink.h"
#include "exchange/ExchangeError.h"
#include "exchange/delimited/Delimited.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  exchange::ForeignDocument document;
  try {
    document = exchange::delimited::ReadDelimited(bytes, QLatin1Char(','));
  } catch (const exchange::ExchangeError&) {
    return 0;
  }
  for (const QChar separator : {QLatin1Char('\t'), QLatin1Char(';')}) {
    exchange::StringSink sink;
    exchange::delimited::WriteDelimited(sink, document.Meanings, separator);
    const exchange::ForeignDocument again =
        exchange::delimited::ReadDelimited(sink.Bytes, QLatin1Char(','));
    if (again.Meanings != document.Meanings || !again.Refused.empty() || !again.Shortened.empty()) {
      std::abort();
    }
  }
  return 0;
}
