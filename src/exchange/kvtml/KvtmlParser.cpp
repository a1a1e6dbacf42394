#include "exchange/kvtml/KvtmlParser.h"

#include <QBuffer>
#include <QByteArray>
#include <QXmlStreamReader>

#include "exchange/ExchangeError.h"
#include "exchange/kvtml/KvtmlLayout.h"

namespace exchange::kvtml {
namespace {

using namespace Qt::Literals::StringLiterals;

// Deeper nesting of lessons or word types than any program writes is taken for a broken file.
constexpr int kMaxContainerDepth = 64;

class Parser {
 public:
  // The reader takes the bytes through a device, a piece at a time: given them whole, it would
  // decode the whole file into one text of twice its size first.
  explicit Parser(std::string_view bytes)
      : data_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))),
        device_(&data_) {
    device_.open(QIODevice::ReadOnly);
    xml_.setDevice(&device_);
  }

  RawVocabulary Parse() {
    if (xml_.readNextStartElement()) ReadRoot();
    while (!xml_.atEnd() && !xml_.hasError()) xml_.readNext();
    if (xml_.hasError()) {
      throw ExchangeError("Not a KVTML 2 vocabulary: line " + std::to_string(xml_.lineNumber()) +
                          ": " + xml_.errorString().toStdString() + ". Nothing was imported.");
    }
    return std::move(vocabulary_);
  }

 private:
  bool Is(QLatin1StringView name) const {
    return xml_.namespaceUri().isEmpty() && xml_.name() == name;
  }
  bool IsVocamir(QLatin1StringView name) const {
    return xml_.namespaceUri() == kVocamirNamespace && xml_.name() == name;
  }

  QString Text() { return xml_.readElementText(QXmlStreamReader::IncludeChildElements); }

  // The element's name; the names of grammatical numbers and persons, which every verb form
  // repeats, share one copy each.
  QString Name() const {
    static const QString kShared[] = {u"singular"_s,
                                      u"dual"_s,
                                      u"plural"_s,
                                      u"firstperson"_s,
                                      u"secondperson"_s,
                                      u"thirdpersonmale"_s,
                                      u"thirdpersonfemale"_s,
                                      u"thirdpersonneutralcommon"_s};
    for (const QString& shared : kShared) {
      if (xml_.name() == shared) return shared;
    }
    return xml_.name().toString();
  }

  std::optional<int> Number(const QString& text, const char* what) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok) return number;
    xml_.raiseError(u"%1 \"%2\" is not a whole number"_s.arg(QLatin1StringView(what), text));
    return std::nullopt;
  }

  void ReadRoot() {
    if (!Is("kvtml"_L1)) {
      xml_.raiseError(u"the document is <%1>, not a KVTML vocabulary"_s.arg(xml_.qualifiedName()));
      return;
    }
    const QString version = xml_.attributes().value("version"_L1).toString();
    bool ok = false;
    if (version.toDouble(&ok) < 2.0 || !ok) {
      xml_.raiseError(u"KVTML version \"%1\" is not read, only version 2"_s.arg(version));
      return;
    }
    while (xml_.readNextStartElement()) {
      if (Is("identifiers"_L1)) {
        ReadIdentifiers();
      } else if (Is("entries"_L1)) {
        ReadEntries();
      } else if (Is("lessons"_L1)) {
        ReadContainers(vocabulary_.Lessons);
      } else if (Is("wordtypes"_L1)) {
        ReadContainers(vocabulary_.WordTypes);
      } else {
        xml_.skipCurrentElement();
      }
    }
  }

  void ReadIdentifiers() {
    while (xml_.readNextStartElement()) {
      if (!Is("identifier"_L1)) {
        xml_.skipCurrentElement();
        continue;
      }
      RawIdentifier identifier;
      const auto id = Number(xml_.attributes().value("id"_L1).toString(), "the identifier id");
      if (!id) return;
      identifier.Id = *id;
      while (xml_.readNextStartElement()) {
        if (Is("name"_L1)) {
          identifier.Name = Text();
        } else if (Is("locale"_L1)) {
          identifier.Locale = Text();
        } else {
          xml_.skipCurrentElement();
        }
      }
      vocabulary_.Identifiers.push_back(std::move(identifier));
    }
  }

  void ReadEntries() {
    while (xml_.readNextStartElement()) {
      if (!Is("entry"_L1)) {
        xml_.skipCurrentElement();
        continue;
      }
      RawEntry& entry = vocabulary_.Entries.emplace_back();
      entry.Id = xml_.attributes().value("id"_L1).toString();
      entry.Line = xml_.lineNumber();
      while (xml_.readNextStartElement()) {
        if (Is("translation"_L1)) {
          ReadTranslation(entry);
        } else if (IsVocamir("part"_L1)) {
          entry.Part = Number(Text(), "the part of speech");
        } else if (IsVocamir("topic"_L1)) {
          entry.Topic = Number(Text(), "the theme");
        } else {
          xml_.skipCurrentElement();
        }
      }
    }
  }

  void ReadTranslation(RawEntry& entry) {
    RawTranslation& translation = entry.Translations.emplace_back();
    // Early files number translations by their position only.
    bool ok = false;
    const int id = xml_.attributes().value("id"_L1).toInt(&ok);
    translation.Id = ok ? id : static_cast<int>(entry.Translations.size()) - 1;
    while (xml_.readNextStartElement()) {
      if (Is("text"_L1)) {
        translation.Text = Text();
      } else if (Is("pronunciation"_L1)) {
        translation.Pronunciation = Text();
      } else if (Is("comment"_L1) || Is("example"_L1) || Is("paraphrase"_L1)) {
        translation.HasNotes = !Text().isEmpty() || translation.HasNotes;
      } else if (Is("conjugation"_L1)) {
        ReadConjugation(translation);
      } else if (IsVocamir("root"_L1)) {
        translation.Root = Text();
      } else if (IsVocamir("sex"_L1)) {
        translation.Sex = Number(Text(), "the gender");
      } else if (IsVocamir("binyan"_L1)) {
        translation.Binyan = Number(Text(), "the verb pattern");
      } else {
        xml_.skipCurrentElement();
      }
    }
  }

  void ReadConjugation(RawTranslation& translation) {
    const std::size_t first = translation.Forms.size();
    QString tense;
    while (xml_.readNextStartElement()) {
      if (Is("tense"_L1)) {
        tense = Text();
      } else if (Is("singular"_L1) || Is("dual"_L1) || Is("plural"_L1)) {
        const QString number = Name();
        while (xml_.readNextStartElement()) ReadPerson(translation, number);
      } else {
        xml_.skipCurrentElement();
      }
    }
    for (std::size_t form = first; form < translation.Forms.size(); ++form) {
      translation.Forms[form].Tense = tense;
    }
  }

  // A person element holds its form in <text> (or, in early files, as its own text).
  void ReadPerson(RawTranslation& translation, const QString& number) {
    RawForm form{{}, number, Name(), {}, {}};
    QString ownText;
    bool hasText = false;
    while (!xml_.atEnd()) {
      const QXmlStreamReader::TokenType token = xml_.readNext();
      if (token == QXmlStreamReader::EndElement || token == QXmlStreamReader::Invalid) break;
      if (token == QXmlStreamReader::Characters) {
        ownText += xml_.text();
      } else if (token == QXmlStreamReader::StartElement) {
        if (Is("text"_L1)) {
          form.Text = Text();
          hasText = true;
        } else if (IsVocamir("pronunciation"_L1)) {
          form.Pronunciation = Text();
        } else {
          xml_.skipCurrentElement();
        }
      }
    }
    if (!hasText) form.Text = ownText.trimmed();
    translation.Forms.push_back(std::move(form));
  }

  void ReadContainers(std::vector<RawContainer>& containers) {
    while (xml_.readNextStartElement()) {
      if (Is("container"_L1)) {
        ReadContainer(containers, -1, 0);
      } else {
        xml_.skipCurrentElement();
      }
    }
  }

  void ReadContainer(std::vector<RawContainer>& containers, int parent, int depth) {
    if (depth > kMaxContainerDepth) {
      xml_.raiseError(u"lessons or word types nested deeper than %1"_s.arg(kMaxContainerDepth));
      return;
    }
    const int index = static_cast<int>(containers.size());
    containers.push_back({parent, {}, {}, {}});
    while (xml_.readNextStartElement()) {
      if (Is("name"_L1)) {
        containers[index].Name = Text();
      } else if (Is("specialwordtype"_L1)) {
        containers[index].Special = Text();
      } else if (Is("entry"_L1)) {
        ReadMember(containers[index]);
      } else if (Is("container"_L1)) {
        ReadContainer(containers, index, depth + 1);
      } else {
        xml_.skipCurrentElement();
      }
    }
  }

  void ReadMember(RawContainer& container) {
    auto& member = container.Members.emplace_back(xml_.attributes().value("id"_L1).toString(),
                                                  std::vector<int>{});
    while (xml_.readNextStartElement()) {
      bool ok = false;
      const int id = xml_.attributes().value("id"_L1).toInt(&ok);
      if (Is("translation"_L1) && ok) member.second.push_back(id);
      xml_.skipCurrentElement();
    }
  }

  RawVocabulary vocabulary_;
  QByteArray data_;
  QBuffer device_;
  QXmlStreamReader xml_;
};

}  // namespace

RawVocabulary ParseKvtml(std::string_view bytes) { return Parser(bytes).Parse(); }

}  // namespace exchange::kvtml
