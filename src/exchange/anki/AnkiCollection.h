#pragma once

// The collection file of a flashcard package: a SQLite database of the flashcard program's
// schema 11 holding one note type (the three words and their three sounds, two card templates:
// Russian to Hebrew and Hebrew to Russian), one deck, and one note with its two new cards per
// meaning.

#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace exchange::anki {

// The note type's fields in their order.
inline constexpr std::array<const char*, 6> kFieldNames = {
    "Russian", "Hebrew", "English", "RussianAudio", "HebrewAudio", "EnglishAudio"};

// One note: its fields' texts (HTML; a sound field holds "[sound:NAME]" or nothing).
using NoteFields = std::array<QString, kFieldNames.size()>;

struct CollectionContent {
  QString DeckName;
  std::vector<NoteFields> Notes;
  // Milliseconds since 1970 of the export: the ids of the deck, the notes and the cards count up
  // from it, as the flashcard program makes its ids.
  std::int64_t NowMs = 0;
};

// Writes `content` into a new database `file` (which must not exist). Throws ExchangeError naming
// the file when the database refuses a step.
void WriteCollection(const std::filesystem::path& file, const CollectionContent& content);

}  // namespace exchange::anki
