#pragma once

// The settings file: an initialisation file of sections and keys, and the program's seven
// settings kept in it.

#include <QString>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace speech {

// Raised when the settings file cannot be read or written; the text names the file and the cause.
class SettingsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The lines of one initialisation file, held in memory as bytes.
//
// A line "[name]" (blanks around it allowed) opens a section; a line "key=value" inside a section
// holds a value (blanks around key and value are not part of them). Section and key names are
// compared without regard to ASCII case. Every other line (comments, blank lines, lines before the
// first section) is kept as it is. Line ends of an existing file (LF or CR LF) are kept.
class IniFile {
 public:
  // An empty file.
  IniFile() = default;

  // Reads `path`. A missing file gives an empty IniFile; a file that exists but cannot be read
  // throws SettingsFileError.
  static IniFile Load(const QString& path);
  // The file whose bytes are `bytes` (a leading UTF-8 byte order mark is kept aside).
  static IniFile FromBytes(std::string_view bytes);

  // The value of `key` in `section`, or nullopt when the section or key is missing. With several
  // matching lines the first one counts.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Value(section, key), or `fallback` when it is missing.
  std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;

  // Sets `key` in `section` to `value`: replaces the value of the first matching line, or appends
  // "key=value" at the end of the section, or appends the section "[section]" with that line at
  // the end of the file. Every other line stays as it was.
  void Write(std::string_view section, std::string_view key, std::string_view value);

  // The whole file as bytes.
  std::string Text() const;

  // Writes the file to `path` atomically: either the complete new file replaces the old one, or
  // (on failure, which throws SettingsFileError) the old file is left untouched.
  void Save(const QString& path) const;

 private:
  std::vector<std::string> lines_;  // without their line ends
  std::string newline_ = "\n";
  bool endsWithNewline_ = true;
  bool byteOrderMark_ = false;
};

// The name of the settings file in a folder.
inline constexpr char kSettingsFileName[] = "vocamir.ini";

// The seven settings, as texts, with the defaults used when the file, section or key is missing.
struct Settings {
  // Which of the 28 Hebrew verb forms are shown: character i is "1" when form i is shown. After
  // ReadSettings it holds at least 28 characters: missing ones are added as "0" (not shown), extra
  // ones are kept.
  std::string VerbFormMask = "0001001000000110000000010001";
  std::string VoiceRU = "Nicolai";
  std::string VoiceHE = "Nicolai";
  std::string VoiceEN = "Carol";
  std::string SpeedRU = "100";
  std::string SpeedEN = "100";
  std::string SpeedHE = "100";
};

// Number of Hebrew verb forms a mask describes.
inline constexpr int kVerbFormCount = 28;

// Reads the settings from `path` (section Glagols_HEBREW key VALUE; section Speech keys RUSSIAN,
// HEBREW, ENGLISH, SPEEDRU, SPEEDEN, SPEEDHE), taking the default for every missing value.
// Throws SettingsFileError when the file exists but cannot be read.
Settings ReadSettings(const QString& path);

// The learner's review settings, in section Review of the same file: RETENTION, the desired
// retention of the memory model (0.70 to 0.99), and NEWWORDS, how many meanings without a card
// "Mark Due Words" takes a day (0 to 1000). The settings window's "Reviews" page shows them; its
// "Ok" writes them only when they were changed there, and keeps them otherwise.
struct ReviewSettings {
  static constexpr double kLowestRetention = 0.70;
  static constexpr double kHighestRetention = 0.99;
  static constexpr int kMostNewWords = 1000;

  double Retention = 0.90;
  int NewWords = 20;
};

// Reads the review settings from `path`, taking the default for every missing value. Throws
// SettingsFileError naming the key when a value is no number or outside its range, or when the
// file exists but cannot be read.
ReviewSettings ReadReviewSettings(const QString& path);

// Writes the seven settings to `path` in the order above, keeping every other line of an existing
// file, atomically. Throws SettingsFileError on failure (then the old file is untouched).
void WriteSettings(const QString& path, const Settings& settings);

// Writes the seven settings and then the two review settings (RETENTION with two decimals) in one
// file write, as above.
void WriteSettings(const QString& path, const Settings& settings, const ReviewSettings& review);

}  // namespace speech
