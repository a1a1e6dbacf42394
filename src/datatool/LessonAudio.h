#pragma once

// `vocamir-data lesson-audio`: the speaking lesson of the lesson list written to an audio file,
// for listening away from the computer. The same playback as the lesson list window plays, with
// the voices, speeds and verb forms of the settings file; a pause of silence between words.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TDataModul;

namespace datatool {

struct LessonAudioOptions {
  int Mode = 0;                                     // lesson mode 0 to 7
  std::array<bool, 3> Languages{true, true, true};  // Russian, Hebrew, English take part
  std::array<int, 3> Repeat{1, 1, 1};               // times each word is spoken, per language
  int Passes = 1;                                   // times the whole list is played
  double PauseSeconds = 0.5;                        // silence between two words
};

// Reads "[--mode N] [--languages RHE] [--repeat R,H,E] [--passes P] [--pause SECONDS]" (any
// order, each at most once). Returns nothing and sets `error` for options it does not understand.
std::optional<LessonAudioOptions> ParseLessonAudioOptions(const std::vector<std::string>& arguments,
                                                          std::string& error);

// The audio file formats, chosen by the file name's extension (".wav", ".flac", ".ogg", any
// case); 0 for any other name.
int SoundFormatOf(const std::filesystem::path& file);

struct LessonAudioResult {
  int Words = 0;         // texts spoken
  double Seconds = 0.0;  // length of the audio written
};

// Called after each tick with the record being played (1-based), the list's length, the pass
// (1-based) and the number of passes.
using LessonAudioProgress = std::function<void(int record, int records, int pass, int passes)>;

// Plays the lesson list of `data` with the settings file of `settingsFolder` into `file`. The file
// appears complete or not at all: it is written under a temporary name in the same folder and
// renamed at the end. Throws std::runtime_error with the text for the user when speech is not
// usable or the file cannot be written.
LessonAudioResult RenderLessonAudio(TDataModul& data, const std::filesystem::path& settingsFolder,
                                    const std::filesystem::path& file,
                                    const LessonAudioOptions& options,
                                    const LessonAudioProgress& progress);

}  // namespace datatool
