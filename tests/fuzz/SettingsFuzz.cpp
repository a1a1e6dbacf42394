// libFuzzer target for the settings file reader. Whatever the bytes, reading ends; a value written
// is read back after a trip through the file's bytes, and every other setting keeps its value.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "speech/SettingsFile.h"

namespace {

using Key = std::pair<std::string_view, std::string_view>;
constexpr std::array<Key, 7> kKeys = {{{"Glagols_HEBREW", "VALUE"},
                                       {"Speech", "RUSSIAN"},
                                       {"Speech", "HEBREW"},
                                       {"Speech", "ENGLISH"},
                                       {"Speech", "SPEEDRU"},
                                       {"Speech", "SPEEDEN"},
                                       {"Speech", "SPEEDHE"}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the setting to write; the rest is the file.
  const Key& written = kKeys[data[0] % kKeys.size()];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const speech::IniFile file = speech::IniFile::FromBytes(bytes);
  std::array<std::optional<std::string>, kKeys.size()> before;
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    before[i] = file.Value(kKeys[i].first, kKeys[i].second);
  }

  speech::IniFile changed = file;
  const std::string value = "v " + std::to_string(size);
  changed.Write(written.first, written.second, value);
  const speech::IniFile again = speech::IniFile::FromBytes(changed.Text());
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    const std::optional<std::string> expected = kKeys[i] == written ? value : before[i];
    if (again.Value(kKeys[i].first, kKeys[i].second) != expected) std::abort();
  }
  return 0;
}
