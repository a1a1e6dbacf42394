#include "exchange/kvtml/KvtmlReader.h"

#include <QHash>
#include <map>
#include <set>

#include "dictionary/Codes.h"
#include "exchange/FieldEncoder.h"
#include "exchange/kvtml/KvtmlLayout.h"
#include "exchange/kvtml/KvtmlParser.h"
#include "text/KeyMap.h"

namespace exchange::kvtml {
namespace {

using namespace Qt::Literals::StringLiterals;
using text::Language;
using text::PerLanguage;

const char* LanguageName(Language language) {
  switch (language) {
    case Language::Russian:
      return "Russian";
    case Language::Hebrew:
      return "Hebrew";
    case Language::English:
      return "English";
  }
  return "";
}

// What the lessons and word types say about one entry.
struct Containers {
  std::optional<int> Topic;
  PerLanguage<int> Part{};
  PerLanguage<int> Sex{};
  int Binyan = 0;
};

// A container's meaning once its ancestors are known: what it says itself, else what its parent
// says.
struct TypeMeaning {
  std::optional<int> Part;
  std::optional<int> Sex;
  std::optional<int> Binyan;
};

class Builder {
 public:
  explicit Builder(RawVocabulary raw) : raw_(std::move(raw)) {}

  ForeignDocument Build() {
    MapLanguages();
    for (std::size_t entry = 0; entry < raw_.Entries.size(); ++entry) {
      if (!raw_.Entries[entry].Id.isEmpty()) {
        entryIndex_.insert(raw_.Entries[entry].Id, static_cast<int>(entry));
      }
    }
    containers_.resize(raw_.Entries.size());
    ApplyLessons();
    ApplyWordTypes();
    document_.Meanings.reserve(raw_.Entries.size());
    for (std::size_t entry = 0; entry < raw_.Entries.size(); ++entry) {
      BuildEntry(entry);
      // What is built from is let go at once, and its memory serves the meanings that follow.
      raw_.Entries[entry].Translations = {};
    }
    AddNotes();
    return std::move(document_);
  }

 private:
  // Identifier id to language; the first identifier of a language holds it, every other one is
  // passed over with a note.
  void MapLanguages() {
    PerLanguage<bool> taken{};
    for (const RawIdentifier& identifier : raw_.Identifiers) {
      const std::optional<Language> language = LanguageOfLocale(identifier.Locale);
      const QString locale =
          identifier.Locale.isEmpty() ? QStringLiteral("no locale") : identifier.Locale;
      const QString named = identifier.Name.isEmpty()
                                ? u"identifier %1 (%2)"_s.arg(identifier.Id).arg(locale)
                                : identifier.Name + " (" + locale + ")";
      if (!language) {
        document_.Notes.push_back("The words in " + named.toStdString() +
                                  " were passed over: Vocamir holds Russian, Hebrew and English.");
      } else if (taken[*language]) {
        document_.Notes.push_back("The words in " + named.toStdString() +
                                  " were passed over: the file's first " + LanguageName(*language) +
                                  " column was taken.");
      } else if (!languages_.contains(identifier.Id)) {
        taken[*language] = true;
        languages_.emplace(identifier.Id, *language);
      }
    }
  }

  int EntryOf(const QString& id) const { return entryIndex_.value(id, -1); }

  void ApplyLessons() {
    std::vector<std::optional<int>> topics(raw_.Lessons.size());
    for (std::size_t lesson = 0; lesson < raw_.Lessons.size(); ++lesson) {
      const RawContainer& container = raw_.Lessons[lesson];
      topics[lesson] = ThemeOfName(container.Name);
      if (!topics[lesson] && container.Parent >= 0) topics[lesson] = topics[container.Parent];
      if (!topics[lesson]) continue;
      for (const auto& [id, translations] : container.Members) {
        const int entry = EntryOf(id);
        if (entry >= 0 && !containers_[entry].Topic) containers_[entry].Topic = topics[lesson];
      }
    }
  }

  void ApplyWordTypes() {
    std::vector<TypeMeaning> meanings(raw_.WordTypes.size());
    for (std::size_t type = 0; type < raw_.WordTypes.size(); ++type) {
      const RawContainer& container = raw_.WordTypes[type];
      const TypeMeaning parent = container.Parent >= 0 ? meanings[container.Parent] : TypeMeaning{};
      TypeMeaning& meaning = meanings[type];
      meaning.Part = PartOfType(container.Special, container.Name);
      if (!meaning.Part) meaning.Part = parent.Part;
      meaning.Sex = SexOfType(container.Special);
      if (!meaning.Sex) meaning.Sex = parent.Sex;
      if (meaning.Part == dictionary::kPartVerb) meaning.Binyan = BinyanOfName(container.Name);
      if (!meaning.Binyan) meaning.Binyan = parent.Binyan;
      for (const auto& [id, translations] : container.Members) {
        const int entry = EntryOf(id);
        if (entry < 0) continue;
        for (const int translation : translations) {
          const auto language = languages_.find(translation);
          if (language == languages_.end()) continue;
          Containers& codes = containers_[entry];
          codes.Part[language->second] = meaning.Part.value_or(0);
          codes.Sex[language->second] = meaning.Sex.value_or(0);
          if (language->second == Language::Hebrew) codes.Binyan = meaning.Binyan.value_or(0);
        }
      }
    }
  }

  void BuildEntry(std::size_t index) {
    const RawEntry& entry = raw_.Entries[index];
    const Containers& codes = containers_[index];
    const std::string where = entry.Id.isEmpty() ? "line " + std::to_string(entry.Line)
                                                 : "entry " + entry.Id.toStdString();
    std::vector<ShortenedWord> shortened;
    FieldEncoder encoder(shortened);
    dictionary::ParsedMeaning meaning;
    PerLanguage<bool> read{};
    std::optional<int> binyan;
    for (const RawTranslation& translation : entry.Translations) {
      const auto found = languages_.find(translation.Id);
      if (found == languages_.end()) continue;
      const Language language = found->second;
      if (read[language]) continue;
      read[language] = true;
      notes_ += translation.HasNotes;
      // The place of one of the translation's texts, for the note of a shortened word.
      const auto place = [&where, language](const char* what) -> FieldEncoder::Where {
        return
            [&where, language, what] { return where + ", " + LanguageName(language) + " " + what; };
      };
      dictionary::ParsedWord& word = meaning.Words[language];
      word.Item =
          language == Language::Hebrew
              ? encoder.EncodeHebrew(translation.Text, place("word"))
              : encoder.Encode(translation.Text, text::LetterCodepage(language), place("word"));
      word.Speech =
          encoder.Encode(translation.Pronunciation, HintCodepage(language), place("pronunciation"));
      word.Sex = translation.Sex.value_or(codes.Sex[language]);
      if (language == Language::Hebrew) {
        meaning.Root = encoder.EncodeHebrew(translation.Root, place("root"));
        binyan = translation.Binyan;
        ReadForms(translation, encoder, where + ", " + LanguageName(language), meaning);
      } else if (!translation.Forms.empty()) {
        ++foreignConjugations_;
      }
    }
    if (meaning.Words[Language::Russian].Item.empty() &&
        meaning.Words[Language::Hebrew].Item.empty() &&
        meaning.Words[Language::English].Item.empty()) {
      document_.Refused.push_back({where, "no Russian, Hebrew or English word"});
      return;
    }
    meaning.Part = entry.Part.value_or(0);
    for (const Language language : text::kLanguages) {
      if (!entry.Part && meaning.Part == 0) meaning.Part = codes.Part[language];
    }
    meaning.Topic = entry.Topic.value_or(codes.Topic.value_or(0));
    meaning.Binyan = binyan.value_or(codes.Binyan);
    document_.Meanings.push_back(std::move(meaning));
    document_.Shortened.insert(document_.Shortened.end(), shortened.begin(), shortened.end());
  }

  void ReadForms(const RawTranslation& translation, FieldEncoder& encoder, const std::string& place,
                 dictionary::ParsedMeaning& meaning) {
    for (const RawForm& form : translation.Forms) {
      const std::optional<int> at = FormAt(form.Tense, form.Number, form.Person);
      if (!at) {
        unknownTenses_.insert(form.Tense.toStdString());
        continue;
      }
      const auto name = [&place, at] { return place + " verb form " + std::to_string(*at + 1); };
      meaning.Spelling[*at] = encoder.EncodeHebrew(form.Text, name);
      meaning.Pronunciation[*at] = encoder.Encode(
          form.Pronunciation, HintCodepage(Language::Hebrew), [&name] { return name() + " hint"; });
    }
  }

  void AddNotes() {
    for (const std::string& tense : unknownTenses_) {
      document_.Notes.push_back("The Hebrew verb forms of the tense \"" + tense +
                                "\" were passed over: Vocamir has no place for them.");
    }
    if (foreignConjugations_ > 0) {
      document_.Notes.push_back("The verb forms of " + std::to_string(foreignConjugations_) +
                                " Russian or English words were passed over: Vocamir holds "
                                "the forms of Hebrew verbs only.");
    }
    if (notes_ > 0) {
      document_.Notes.push_back("The comments, examples or paraphrases of " +
                                std::to_string(notes_) +
                                " words were passed over: Vocamir has no place for them.");
    }
  }

  RawVocabulary raw_;
  ForeignDocument document_;
  std::map<int, Language> languages_;
  QHash<QString, int> entryIndex_;
  std::vector<Containers> containers_;
  std::set<std::string> unknownTenses_;
  int foreignConjugations_ = 0;
  int notes_ = 0;
};

}  // namespace

ForeignDocument ReadKvtml(std::string_view bytes) { return Builder(ParseKvtml(bytes)).Build(); }

}  // namespace exchange::kvtml
