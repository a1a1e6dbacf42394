// libFuzzer target for the exchange document scanner. Whatever the bytes, the scanner must stay
// inside them, end, and report a bad code only as ExchangeError. Every unit it reads must also
// survive a trip through the writer: written and scanned again, it comes back equal (the verb
// forms only count when Binyan is greater than 0, as the writer leaves them out otherwise).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "StringSink.h"
#include "exchange/DocumentScanner.h"
#include "exchange/DocumentWriter.h"
#include "exchange/ExchangeError.h"

namespace {

std::vector<exchange::ExchangeUnit> ScanAll(std::string_view bytes) {
  std::vector<exchange::ExchangeUnit> units;
  exchange::DocumentScanner scanner(bytes);
  try {
    while (const exchange::ExchangeUnit* unit = scanner.NextUnit()) {
      if (scanner.Position() > bytes.size()) std::abort();
      units.push_back(*unit);
    }
    if (scanner.Position() != bytes.size()) std::abort();
  } catch (const exchange::ExchangeError&) {
  }
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<exchange::ExchangeUnit> units = ScanAll(bytes);

  exchange::StringSink sink;
  exchange::DocumentWriter writer(sink);
  writer.WriteHeader("01.01.2000");
  for (exchange::ExchangeUnit& unit : units) {
    writer.WriteUnit(unit);
    if (unit.Binyan <= 0) {
      unit.Spelling = {};
      unit.Pronunciation = {};
    }
  }
  writer.WriteFooter();
  if (ScanAll(sink.Bytes) != units) std::abort();
  return 0;
}
