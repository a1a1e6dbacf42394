#pragma once

// The XML side of reading a KVTML 2 vocabulary: the parts Vocamir can use, as the file holds
// them (Unicode, in the file's order), before any of it becomes a meaning. Parley and KWordQuiz
// files and Vocamir's own (with its extra elements, see docs/kvtml.md) alike.

#include <QString>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace exchange::kvtml {

struct RawIdentifier {
  int Id = 0;
  QString Name;
  QString Locale;
};

// One verb form found in a conjugation: where it stands, its text and the hint beside it.
struct RawForm {
  QString Tense;
  QString Number;
  QString Person;
  QString Text;
  QString Pronunciation;
};

struct RawTranslation {
  int Id = 0;  // the identifier it belongs to
  QString Text;
  QString Pronunciation;
  bool HasNotes = false;  // a comment, example or paraphrase, which Vocamir has no place for
  std::vector<RawForm> Forms;
  // Vocamir's own elements.
  QString Root;
  std::optional<int> Sex;
  std::optional<int> Binyan;
};

struct RawEntry {
  QString Id;
  qint64 Line = 0;
  std::vector<RawTranslation> Translations;
  std::optional<int> Part;   // Vocamir's own element
  std::optional<int> Topic;  // Vocamir's own element
};

// A lesson or word type; containers nest, a parent always stands before its children.
struct RawContainer {
  int Parent = -1;
  QString Name;
  QString Special;  // the special word type
  // Entry ids with the translation ids listed under each (none in lessons).
  std::vector<std::pair<QString, std::vector<int>>> Members;
};

struct RawVocabulary {
  std::vector<RawIdentifier> Identifiers;
  std::vector<RawEntry> Entries;
  std::vector<RawContainer> Lessons;
  std::vector<RawContainer> WordTypes;
};

// Parses the bytes of a KVTML 2 file. Throws ExchangeError naming the line and the reason when
// they are not XML, the XML is broken, the document is not KVTML of version 2 or later, or a
// number the format requires is not one.
RawVocabulary ParseKvtml(std::string_view bytes);

}  // namespace exchange::kvtml
