// libFuzzer target for the KVTML reader. Whatever the bytes, reading ends and reports a broken
// file only as ExchangeError. Every meaning it reads must survive a trip through the writer:
// written and read again, the meanings come back equal (a text with a control character XML
// cannot carry is refused by the writer, also as ExchangeError).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "StringSink.h"
#include "exchange/ExchangeError.h"
#include "exchange/kvtml/KvtmlReader.h"
#include "exchange/kvtml/KvtmlWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  exchange::ForeignDocument document;
  try {
    document = exchange::kvtml::ReadKvtml(bytes);
  } catch (const exchange::ExchangeError&) {
    return 0;
  }
  exchange::StringSink sink;
  try {
    exchange::kvtml::WriteKvtml(sink, document.Meanings, QStringLiteral("fuzz"));
  } catch (const exchange::ExchangeError&) {
    return 0;
  }
  if (exchange::kvtml::ReadKvtml(sink.Bytes).Meanings != document.Meanings) std::abort();
  return 0;
}
