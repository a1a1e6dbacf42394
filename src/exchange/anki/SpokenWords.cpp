#include "exchange/anki/SpokenWords.h"

#include <sndfile.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "exchange/ExchangeError.h"

namespace exchange::anki {

double SpokenWords::WriteOgg(text::Language language, std::string_view spoken,
                             const std::filesystem::path& file) {
  const std::vector<std::int16_t> samples = speech_.Render(language, spoken);
  if (samples.empty()) return 0.0;
  const int rate = speech_.SampleRate();
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
  // The system's reason when a file operation failed (a full disk, say), else the library's: its
  // own texts for failed writes say nothing useful.
  const auto fail = [&](const char* libraryReason) {
    const int error = errno;
    throw ExchangeError("Cannot write the sound " + file.string() + ": " +
                        (error != 0 ? std::strerror(error) : libraryReason));
  };
  errno = 0;
  SNDFILE* opened = sf_open(file.c_str(), SFM_WRITE, &info);
  if (opened == nullptr) fail(sf_strerror(nullptr));
  std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> sound(opened, sf_close);
  const auto count = static_cast<sf_count_t>(samples.size());
  if (sf_writef_short(sound.get(), samples.data(), count) != count) fail(sf_strerror(sound.get()));
  // The last pages of the stream are written on closing.
  if (const int closed = sf_close(sound.release()); closed != 0) fail(sf_error_number(closed));
  return static_cast<double>(count) / rate;
}

}  // namespace exchange::anki
