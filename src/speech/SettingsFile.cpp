#include "speech/SettingsFile.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cctype>
#include <utility>

namespace speech {

namespace {

constexpr char kVerbSection[] = "Glagols_HEBREW";
constexpr char kSpeechSection[] = "Speech";
constexpr char kReviewSection[] = "Review";
// A UTF-8 byte order mark that an editor may have put at the start of the file; kept on writing.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// A carriage return counts as a blank: one left over from a line end of another system must not
// become part of a name or value, which would change when a line is appended after it.
std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The section name of a line "[name]", or nullopt for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const auto close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// The key and value of a line "key=value", or nullopt for a comment or any other line.
std::optional<KeyLine> KeyOf(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
  const auto equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

void RequireSingleLine(std::string_view what, std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) {
    throw SettingsFileError("A settings " + std::string(what) +
                            " cannot hold a line break: " + std::string(text));
  }
}

}  // namespace

IniFile IniFile::Load(const QString& path) {
  QFile source(path);
  if (!source.exists()) return IniFile();
  if (!source.open(QIODevice::ReadOnly)) {
    throw SettingsFileError("Cannot read the settings file " + path.toStdString() + ": " +
                            source.errorString().toStdString());
  }
  const QByteArray bytes = source.readAll();
  return FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

IniFile IniFile::FromBytes(std::string_view text) {
  IniFile file;
  if (text.starts_with(kByteOrderMark)) {
    file.byteOrderMark_ = true;
    text.remove_prefix(std::string_view(kByteOrderMark).size());
  }
  if (text.empty()) return file;
  file.newline_ = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  file.endsWithNewline_ = text.back() == '\n';
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    file.lines_.emplace_back(line);
    start = end + 1;
  }
  return file;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (const auto name = SectionOf(line)) {
      inSection = SameName(*name, section);
    } else if (inSection) {
      if (const auto entry = KeyOf(line); entry && SameName(entry->key, key)) {
        return std::string(entry->value);
      }
    }
  }
  return std::nullopt;
}

std::string IniFile::Read(std::string_view section, std::string_view key,
                          std::string_view fallback) const {
  return Value(section, key).value_or(std::string(fallback));
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  RequireSingleLine("section name", section);
  RequireSingleLine("key", key);
  RequireSingleLine("value", value);
  std::string newLine(key);
  newLine += '=';
  newLine += value;

  // Where the first matching section's last non-blank line is: a new key goes after it.
  std::optional<std::size_t> insertAt;
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionOf(lines_[i])) {
      if (insertAt) break;
      inSection = SameName(*name, section);
      if (inSection) insertAt = i + 1;
    } else if (inSection) {
      if (const auto entry = KeyOf(lines_[i]); entry && SameName(entry->key, key)) {
        lines_[i] = newLine;
        return;
      }
      if (!Trim(lines_[i]).empty()) insertAt = i + 1;
    }
  }
  if (insertAt) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), newLine);
    return;
  }
  if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
  std::string header = "[";
  header += section;
  header += ']';
  lines_.push_back(std::move(header));
  lines_.push_back(newLine);
}

std::string IniFile::Text() const {
  std::string text = byteOrderMark_ ? kByteOrderMark : "";
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    text += lines_[i];
    if (i + 1 < lines_.size() || endsWithNewline_) text += newline_;
  }
  return text;
}

void IniFile::Save(const QString& path) const {
  const std::string text = Text();
  QSaveFile target(path);
  const auto fail = [&](const QString& cause) {
    throw SettingsFileError("Cannot write the settings file " + path.toStdString() + ": " +
                            cause.toStdString());
  };
  // Unbuffered: a disk that takes only part of the text must show here, as a short write, and not
  // be lost inside the buffer's flush on commit.
  if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(target.errorString());
  if (target.write(text.data(), static_cast<qint64>(text.size())) !=
      static_cast<qint64>(text.size())) {
    const QString cause = target.errorString();
    target.cancelWriting();
    fail(cause);
  }
  if (!target.commit()) fail(target.errorString());
}

Settings ReadSettings(const QString& path) {
  const IniFile file = IniFile::Load(path);
  const Settings defaults;
  Settings settings;
  settings.VerbFormMask = file.Read(kVerbSection, "VALUE", defaults.VerbFormMask);
  if (settings.VerbFormMask.size() < kVerbFormCount)
    settings.VerbFormMask.resize(kVerbFormCount, '0');
  settings.VoiceRU = file.Read(kSpeechSection, "RUSSIAN", defaults.VoiceRU);
  settings.VoiceHE = file.Read(kSpeechSection, "HEBREW", defaults.VoiceHE);
  settings.VoiceEN = file.Read(kSpeechSection, "ENGLISH", defaults.VoiceEN);
  settings.SpeedRU = file.Read(kSpeechSection, "SPEEDRU", defaults.SpeedRU);
  settings.SpeedEN = file.Read(kSpeechSection, "SPEEDEN", defaults.SpeedEN);
  settings.SpeedHE = file.Read(kSpeechSection, "SPEEDHE", defaults.SpeedHE);
  return settings;
}

ReviewSettings ReadReviewSettings(const QString& path) {
  const IniFile file = IniFile::Load(path);
  ReviewSettings settings;
  const auto number = [&](const char* key, double low, double high, double fallback) {
    const std::optional<std::string> text = file.Value(kReviewSection, key);
    if (!text) return fallback;
    bool ok = false;
    const double value = QString::fromStdString(*text).trimmed().toDouble(&ok);
    if (!ok || value < low || value > high) {
      throw SettingsFileError("The setting " + std::string(key) + "=" + *text + " in " +
                              path.toStdString() + " is not a number from " +
                              QString::number(low).toStdString() + " to " +
                              QString::number(high).toStdString() + ".");
    }
    return value;
  };
  settings.Retention = number("RETENTION", ReviewSettings::kLowestRetention,
                              ReviewSettings::kHighestRetention, settings.Retention);
  settings.NewWords =
      static_cast<int>(number("NEWWORDS", 0, ReviewSettings::kMostNewWords, settings.NewWords));
  return settings;
}

namespace {

void Put(IniFile& file, const Settings& settings) {
  file.Write(kVerbSection, "VALUE", settings.VerbFormMask);
  file.Write(kSpeechSection, "RUSSIAN", settings.VoiceRU);
  file.Write(kSpeechSection, "HEBREW", settings.VoiceHE);
  file.Write(kSpeechSection, "ENGLISH", settings.VoiceEN);
  file.Write(kSpeechSection, "SPEEDRU", settings.SpeedRU);
  file.Write(kSpeechSection, "SPEEDEN", settings.SpeedEN);
  file.Write(kSpeechSection, "SPEEDHE", settings.SpeedHE);
}

}  // namespace

void WriteSettings(const QString& path, const Settings& settings) {
  IniFile file = IniFile::Load(path);
  Put(file, settings);
  file.Save(path);
}

void WriteSettings(const QString& path, const Settings& settings, const ReviewSettings& review) {
  IniFile file = IniFile::Load(path);
  Put(file, settings);
  file.Write(kReviewSection, "RETENTION", QString::number(review.Retention, 'f', 2).toStdString());
  file.Write(kReviewSection, "NEWWORDS", std::to_string(review.NewWords));
  file.Save(path);
}

}  // namespace speech
