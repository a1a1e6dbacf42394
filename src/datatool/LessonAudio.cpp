#include "datatool/LessonAudio.h"

#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "datatool/Arguments.h"
#include "lesson/LessonPlayer.h"
#include "speech/OfflineSpeech.h"
#include "speech/SettingsFile.h"
#include "store/DataModul.h"

namespace datatool {
namespace {

namespace fs = std::filesystem;
using lesson::CountBox;
using lesson::Language;

constexpr int kMaxCount = 99;
constexpr double kMaxPause = 10.0;

std::optional<std::array<bool, 3>> LanguageSet(const std::string& text) {
  std::array<bool, 3> on{false, false, false};
  if (text.empty()) return std::nullopt;
  for (char letter : text) {
    const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const std::size_t slot = std::string_view("RHE").find(upper);
    if (slot == std::string_view::npos) return std::nullopt;
    on[slot] = true;
  }
  return on;
}

std::optional<std::array<int, 3>> RepeatCounts(const std::string& text) {
  std::array<int, 3> counts{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t comma = i < 2 ? text.find(',', start) : text.size();
    if (comma == std::string::npos) return std::nullopt;
    const auto count = WholeNumber(text.substr(start, comma - start), 1, kMaxCount);
    if (!count) return std::nullopt;
    counts[i] = *count;
    start = comma + 1;
  }
  return counts;
}

// The audio file, written under a temporary name beside its final name and renamed by Commit.
class SoundFile {
 public:
  SoundFile(const fs::path& file, int format, int sampleRate) : file_(file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    // Appends, not operator+: GCC 12 warns of a false overlap in Release.
    std::string name(".");
    name += file.filename().string();
    name += ".XXXXXX";
    std::string pattern = (folder / name).string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) Fail(std::strerror(errno));
    temporary_ = pattern;
    // A temporary file is private; the finished one gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = format;
    sound_ = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);
    if (sound_ == nullptr) {
      ::close(descriptor);
      Fail(sf_strerror(nullptr));
    }
  }
  ~SoundFile() {
    if (sound_ != nullptr) sf_close(sound_);
    if (!temporary_.empty()) {
      std::error_code ignored;
      fs::remove(temporary_, ignored);
    }
  }
  SoundFile(const SoundFile&) = delete;
  SoundFile& operator=(const SoundFile&) = delete;

  void Write(const std::vector<std::int16_t>& samples) {
    if (samples.empty()) return;
    const auto count = static_cast<sf_count_t>(samples.size());
    if (sf_writef_short(sound_, samples.data(), count) != count) Fail(sf_strerror(sound_));
    frames_ += count;
  }
  void WriteSilence(sf_count_t frames) { Write(std::vector<std::int16_t>(frames, 0)); }
  sf_count_t Frames() const { return frames_; }

  void Commit() {
    const int closed = sf_close(sound_);
    sound_ = nullptr;
    if (closed != 0) Fail(sf_error_number(closed));
    std::error_code error;
    fs::rename(temporary_, file_, error);
    if (error) Fail(error.message().c_str());
    temporary_.clear();
  }

 private:
  [[noreturn]] void Fail(const char* reason) const {
    throw std::runtime_error("cannot write " + file_.string() + ": " + reason);
  }

  fs::path file_;
  fs::path temporary_;
  SNDFILE* sound_ = nullptr;
  sf_count_t frames_ = 0;
};

// The lesson's options as the command line gave them; the display itself is not drawn.
class OptionsDisplay : public lesson::LessonDisplay {
 public:
  explicit OptionsDisplay(const LessonAudioOptions& options) : options_(options) {}
  bool LanguageOn(Language language) const override {
    return options_.Languages[static_cast<std::size_t>(language) - 1];
  }
  std::string CountText(CountBox box) const override {
    if (box == CountBox::ALL) return std::to_string(options_.Passes);
    return std::to_string(options_.Repeat[static_cast<std::size_t>(box)]);
  }
  void ResetCountTexts() override {}
  void SetWordText(Language, const std::string&) override {}
  void SetWordVisible(bool) override {}
  void LessonFinished() override { Finished = true; }

  bool Finished = false;

 private:
  const LessonAudioOptions& options_;
};

// Speech into the file: each text is synthesised at once and written, after a pause when a word
// came before it. A text counts as being spoken until the end of the tick that spoke it, as a
// real word outlasts a tick.
class FileSpeech : public lesson::LessonSpeech {
 public:
  FileSpeech(speech::OfflineSpeech& voices, SoundFile& sound, sf_count_t pauseFrames)
      : voices_(voices), sound_(sound), pauseFrames_(pauseFrames) {}

  bool Speaking() const override { return spokeThisTick_; }

  void Speak(Language language, const std::string& text) override {
    const std::vector<std::int16_t> samples = voices_.Render(language, text);
    if (Words > 0) sound_.WriteSilence(pauseFrames_);
    sound_.Write(samples);
    ++Words;
    spokeThisTick_ = true;
  }

  void EndTick() { spokeThisTick_ = false; }

  int Words = 0;

 private:
  speech::OfflineSpeech& voices_;
  SoundFile& sound_;
  sf_count_t pauseFrames_;
  bool spokeThisTick_ = false;
};

}  // namespace

std::optional<LessonAudioOptions> ParseLessonAudioOptions(const std::vector<std::string>& arguments,
                                                          std::string& error) {
  const auto values =
      ReadOptions(arguments, {"--mode", "--languages", "--repeat", "--passes", "--pause"}, error);
  if (!values) return std::nullopt;
  LessonAudioOptions options;
  for (const auto& [name, value] : *values) {
    bool understood = false;
    if (name == "--mode") {
      const auto mode = WholeNumber(value, 0, lesson::kModeCount - 1);
      if ((understood = mode.has_value())) options.Mode = *mode;
    } else if (name == "--languages") {
      const auto languages = LanguageSet(value);
      if ((understood = languages.has_value())) options.Languages = *languages;
    } else if (name == "--repeat") {
      const auto repeat = RepeatCounts(value);
      if ((understood = repeat.has_value())) options.Repeat = *repeat;
    } else if (name == "--passes") {
      const auto passes = WholeNumber(value, 1, kMaxCount);
      if ((understood = passes.has_value())) options.Passes = *passes;
    } else {
      const auto pause = DecimalNumber(value, 0, kMaxPause);
      if ((understood = pause.has_value())) options.PauseSeconds = *pause;
    }
    if (!understood) {
      error = "bad value for " + name + ": " + value;
      return std::nullopt;
    }
  }
  return options;
}

int SoundFormatOf(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".wav") return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  if (extension == ".flac") return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
  if (extension == ".ogg") return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
  return 0;
}

LessonAudioResult RenderLessonAudio(TDataModul& data, const fs::path& settingsFolder,
                                    const fs::path& file, const LessonAudioOptions& options,
                                    const LessonAudioProgress& progress) {
  const speech::Settings settings = speech::ReadSettings(
      QString::fromStdString((settingsFolder / speech::kSettingsFileName).string()));
  speech::OfflineSpeech voices(settings);
  const int rate = voices.SampleRate();
  SoundFile sound(file, SoundFormatOf(file), rate);
  OptionsDisplay display(options);
  FileSpeech speech(voices, sound, static_cast<sf_count_t>(options.PauseSeconds * rate + 0.5));
  lesson::LessonPlayer player(
      {data.SelWordTable(), data.HETable(), data.GLTABLE(), data.NekudotTable()}, display, speech);
  player.ChooseMode(options.Mode);
  player.Start(settings.VerbFormMask);
  const int records = data.SelWordTable().RecordCount();
  while (!display.Finished) {
    player.SpeakingTick();
    speech.EndTick();
    if (progress && !display.Finished) {
      progress(records - player.RecordsLeft() + 1, records, options.Passes - player.RepeatAll() + 1,
               options.Passes);
    }
  }
  sound.Commit();
  return {speech.Words, static_cast<double>(sound.Frames()) / rate};
}

}  // namespace datatool
