#include "exchange/kvtml/KvtmlWriter.h"

#include <QIODevice>
#include <QXmlStreamWriter>
#include <map>

#include "dictionary/Codes.h"
#include "exchange/ExchangeError.h"
#include "exchange/FieldEncoder.h"
#include "exchange/kvtml/KvtmlLayout.h"
#include "text/KeyMap.h"

namespace exchange::kvtml {
namespace {

using namespace Qt::Literals::StringLiterals;
using text::Language;

// Hands what the XML writer produces straight to the sink.
class SinkDevice final : public QIODevice {
 public:
  explicit SinkDevice(ByteSink& sink) : sink_(sink) { open(QIODevice::WriteOnly); }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    sink_.WriteText({data, static_cast<std::size_t>(size)});
    return size;
  }

 private:
  ByteSink& sink_;
};

bool InPartRange(int part) { return part >= 0 && part <= PartTypes().back().Part; }
bool InThemeRange(int topic) {
  return topic >= 0 && topic < static_cast<int>(dictionary::kThemeCaptions.size());
}

// Whether the word-type containers carry a word's gender: a noun's gender sub-container, or no
// gender at all.
std::optional<int> GenderContainer(const ExchangeUnit& meaning, const ExchangeWord& word) {
  if (meaning.Part != dictionary::kPartNoun) return std::nullopt;
  for (const GenderType& gender : GenderTypes()) {
    if (gender.Sex == word.Sex) return gender.Sex;
  }
  return std::nullopt;
}
bool SexExpressed(const ExchangeUnit& meaning, const ExchangeWord& word) {
  return word.Sex == dictionary::kSexNone || GenderContainer(meaning, word).has_value();
}

// Whether the Hebrew translation stands in a verb-pattern sub-container of the verb container.
bool BinyanContainer(const ExchangeUnit& meaning) {
  return meaning.Part == dictionary::kPartVerb && meaning.Binyan >= kFirstBinyan &&
         meaning.Binyan <= kLastBinyan;
}
bool BinyanExpressed(const ExchangeUnit& meaning) {
  return meaning.Binyan == 0 || BinyanContainer(meaning);
}

class Writer {
 public:
  Writer(ByteSink& sink, const std::vector<ExchangeUnit>& meanings)
      : device_(sink), xml_(&device_), meanings_(meanings) {
    // KDE's library tells a KVTML file from other formats by its first lines: one line per
    // element.
    xml_.setAutoFormatting(true);
    xml_.setAutoFormattingIndent(1);
  }

  void Write(const QString& title) {
    xml_.writeStartDocument();
    xml_.writeDTD(
        uR"(<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">)"_s);
    xml_.writeStartElement("kvtml"_L1);
    xml_.writeNamespace(kVocamirNamespace, kVocamirPrefix);
    xml_.writeAttribute("version"_L1, "2.0"_L1);
    xml_.writeStartElement("information"_L1);
    xml_.writeTextElement("generator"_L1, "Vocamir"_L1);
    Text("title"_L1, title);
    xml_.writeEndElement();
    WriteIdentifiers();
    xml_.writeStartElement("entries"_L1);
    // From here on an entry a line, without indentation, which makes the file a sixth smaller
    // and quicker to read back.
    xml_.setAutoFormatting(false);
    for (std::size_t entry = 0; entry < meanings_.size(); ++entry) {
      NewLine();
      WriteEntry(entry);
    }
    NewLine();
    xml_.writeEndElement();
    WriteLessons();
    WriteWordTypes();
    NewLine();
    xml_.writeEndElement();
    NewLine();
    xml_.writeEndDocument();
  }

 private:
  void WriteIdentifiers() {
    xml_.writeStartElement("identifiers"_L1);
    for (const LanguageIdentifier& identifier : LanguageIdentifiers()) {
      xml_.writeStartElement("identifier"_L1);
      xml_.writeAttribute("id"_L1, QString::number(identifier.Id));
      xml_.writeTextElement("name"_L1, identifier.Name);
      xml_.writeTextElement("locale"_L1, identifier.Locale);
      if (identifier.Language == Language::Hebrew) {
        xml_.writeStartElement("personalpronouns"_L1);
        xml_.writeEmptyElement("malefemaledifferent"_L1);
        xml_.writeEndElement();
        for (const QLatin1StringView tense : FormTenses()) xml_.writeTextElement("tense"_L1, tense);
      }
      xml_.writeEndElement();
    }
    xml_.writeEndElement();
  }

  void WriteEntry(std::size_t entry) {
    const ExchangeUnit& meaning = meanings_[entry];
    entry_ = entry;
    xml_.writeStartElement("entry"_L1);
    xml_.writeAttribute("id"_L1, QString::number(entry));
    for (const LanguageIdentifier& identifier : LanguageIdentifiers()) {
      const Language language = identifier.Language;
      const ExchangeWord& word = meaning.Words[language];
      xml_.writeStartElement("translation"_L1);
      xml_.writeAttribute("id"_L1, QString::number(identifier.Id));
      Text("text"_L1, language == Language::Hebrew
                          ? HebrewReadingOrder(word.Item)
                          : text::ToUnicode(word.Item, text::LetterCodepage(language)));
      if (language == Language::Hebrew) WriteConjugations(meaning);
      OptionalText("pronunciation"_L1, word.Speech, HintCodepage(language));
      if (!SexExpressed(meaning, word)) Code("sex"_L1, word.Sex);
      if (language == Language::Hebrew) {
        if (!meaning.Root.empty()) VocamirText("root"_L1, HebrewReadingOrder(meaning.Root));
        if (!BinyanExpressed(meaning)) Code("binyan"_L1, meaning.Binyan);
      }
      xml_.writeEndElement();
    }
    if (!InPartRange(meaning.Part)) Code("part"_L1, meaning.Part);
    if (!InThemeRange(meaning.Topic)) Code("topic"_L1, meaning.Topic);
    xml_.writeEndElement();
  }

  // The verb forms, tense by tense; a form stands in its person element with its spelling as the
  // text and its hint beside it.
  void WriteConjugations(const ExchangeUnit& meaning) {
    const auto& places = FormPlaces();
    for (const QLatin1StringView tense : FormTenses()) {
      bool tenseOpen = false;
      for (const QLatin1StringView number : {"singular"_L1, "plural"_L1}) {
        bool numberOpen = false;
        for (std::size_t form = 0; form < places.size(); ++form) {
          const FormPlace& place = places[form];
          if (place.Tense != tense || place.Number != number) continue;
          if (meaning.Spelling[form].empty() && meaning.Pronunciation[form].empty()) continue;
          if (!tenseOpen) {
            xml_.writeStartElement("conjugation"_L1);
            xml_.writeTextElement("tense"_L1, tense);
            tenseOpen = true;
          }
          if (!numberOpen) {
            xml_.writeStartElement(number);
            numberOpen = true;
          }
          xml_.writeStartElement(place.Person);
          Text("text"_L1, HebrewReadingOrder(meaning.Spelling[form]));
          if (!meaning.Pronunciation[form].empty()) {
            VocamirText("pronunciation"_L1, text::ToUnicode(meaning.Pronunciation[form],
                                                            HintCodepage(Language::Hebrew)));
          }
          xml_.writeEndElement();
        }
        if (numberOpen) xml_.writeEndElement();
      }
      if (tenseOpen) xml_.writeEndElement();
    }
  }

  // One lesson per theme, named by its caption, in the order of the codes.
  void WriteLessons() {
    std::map<int, std::vector<std::size_t>> themes;
    for (std::size_t entry = 0; entry < meanings_.size(); ++entry) {
      if (InThemeRange(meanings_[entry].Topic)) themes[meanings_[entry].Topic].push_back(entry);
    }
    if (themes.empty()) return;
    NewLine();
    xml_.writeStartElement("lessons"_L1);
    for (const auto& [theme, entries] : themes) {
      const std::string_view caption = dictionary::kThemeCaptions[theme];
      NewLine();
      xml_.writeStartElement("container"_L1);
      xml_.writeTextElement("name"_L1, QLatin1StringView(caption.data(), caption.size()));
      xml_.writeTextElement("inpractice"_L1, "true"_L1);
      for (const std::size_t entry : entries) {
        NewLine();
        xml_.writeEmptyElement("entry"_L1);
        xml_.writeAttribute("id"_L1, QString::number(entry));
      }
      NewLine();
      xml_.writeEndElement();
    }
    NewLine();
    xml_.writeEndElement();
  }

  // The translations of one container: per entry the translation ids it holds.
  using Members = std::map<std::size_t, std::vector<int>>;

  void WriteWordTypes() {
    bool open = false;
    for (const PartType& type : PartTypes()) {
      Members members;
      std::map<int, Members> subtypes;  // gender or verb pattern
      for (std::size_t entry = 0; entry < meanings_.size(); ++entry) {
        const ExchangeUnit& meaning = meanings_[entry];
        if (meaning.Part != type.Part) continue;
        for (const LanguageIdentifier& identifier : LanguageIdentifiers()) {
          const Language language = identifier.Language;
          std::optional<int> subtype = GenderContainer(meaning, meaning.Words[language]);
          if (language == Language::Hebrew && BinyanContainer(meaning)) subtype = meaning.Binyan;
          (subtype ? subtypes[*subtype] : members)[entry].push_back(identifier.Id);
        }
      }
      if (members.empty() && subtypes.empty()) continue;
      if (!open) {
        NewLine();
        xml_.writeStartElement("wordtypes"_L1);
      }
      open = true;
      NewLine();
      xml_.writeStartElement("container"_L1);
      xml_.writeTextElement("name"_L1, type.Name);
      if (!type.Special.isEmpty()) xml_.writeTextElement("specialwordtype"_L1, type.Special);
      WriteMembers(members);
      for (const auto& [subtype, subMembers] : subtypes) {
        NewLine();
        xml_.writeStartElement("container"_L1);
        if (type.Part == dictionary::kPartNoun) {
          const GenderType& gender = GenderTypes()[subtype - 1];
          xml_.writeTextElement("name"_L1, gender.Name);
          xml_.writeTextElement("specialwordtype"_L1, gender.Special);
        } else {
          xml_.writeTextElement("name"_L1, BinyanName(subtype));
          xml_.writeTextElement("specialwordtype"_L1, type.Special);
        }
        WriteMembers(subMembers);
        NewLine();
        xml_.writeEndElement();
      }
      NewLine();
      xml_.writeEndElement();
    }
    if (!open) return;
    NewLine();
    xml_.writeEndElement();
  }

  void WriteMembers(const Members& members) {
    for (const auto& [entry, translations] : members) {
      NewLine();
      xml_.writeStartElement("entry"_L1);
      xml_.writeAttribute("id"_L1, QString::number(entry));
      for (const int translation : translations) {
        xml_.writeEmptyElement("translation"_L1);
        xml_.writeAttribute("id"_L1, QString::number(translation));
      }
      xml_.writeEndElement();
    }
  }

  void NewLine() { xml_.writeCharacters("\n"_L1); }

  void OptionalText(QLatin1StringView name, const std::string& bytes, text::Codepage codepage) {
    if (!bytes.empty()) Text(name, text::ToUnicode(bytes, codepage));
  }

  void VocamirText(QLatin1StringView name, const QString& value) {
    xml_.writeStartElement(kVocamirNamespace, name);
    Characters(value);
    xml_.writeEndElement();
  }

  void Code(QLatin1StringView name, int code) {
    xml_.writeTextElement(kVocamirNamespace, name, QString::number(code));
  }

  void Text(QLatin1StringView name, const QString& value) {
    xml_.writeStartElement(name);
    Characters(value);
    xml_.writeEndElement();
  }

  // A carriage return is written as a character reference, which a reader keeps as it is (a bare
  // one would be read as a line end). Other control characters have no form in XML.
  void Characters(const QString& value) {
    qsizetype start = 0;
    for (qsizetype at = 0; at < value.size(); ++at) {
      const char16_t character = value[at].unicode();
      if (character >= 0x20 || character == u'\t' || character == u'\n') continue;
      if (character != u'\r') {
        const std::string meaning =
            entry_ ? " of meaning " + std::to_string(*entry_ + 1) : std::string();
        throw ExchangeError("The text \"" + value.toStdString() + "\"" + meaning +
                            " holds the control character " + std::to_string(character) +
                            ", which a KVTML file cannot hold.");
      }
      xml_.writeCharacters(value.mid(start, at - start));
      xml_.writeEntityReference("#13"_L1);
      start = at + 1;
    }
    xml_.writeCharacters(start == 0 ? value : value.mid(start));
  }

  SinkDevice device_;
  QXmlStreamWriter xml_;
  const std::vector<ExchangeUnit>& meanings_;
  std::optional<std::size_t> entry_;  // the meaning being written
};

}  // namespace

void WriteKvtml(ByteSink& sink, const std::vector<ExchangeUnit>& meanings, const QString& title) {
  Writer(sink, meanings).Write(title);
}

}  // namespace exchange::kvtml
