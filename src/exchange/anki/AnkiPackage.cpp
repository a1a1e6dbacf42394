#include "exchange/anki/AnkiPackage.h"

#include <zip.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>
#include <system_error>

#include "exchange/ExchangeError.h"
#include "exchange/anki/AnkiCollection.h"
#include "text/Codepage.h"
#include "text/InvertText.h"
#include "text/SpeechText.h"

namespace exchange::anki {
namespace {

using text::Codepage;
using text::Language;

constexpr char kCollectionName[] = "collection.anki2";
constexpr char kMediaMapName[] = "media";

std::optional<std::string> NonEmpty(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return text;
}

// The sounds of the package: one file per distinct spoken text of a language, numbered as the
// package stores them, each named in the media map.
class Sounds {
 public:
  Sounds(const QDir& folder, WordAudio& audio) : folder_(folder), audio_(audio) {}

  // The sound field of a word: "[sound:NAME]", or nothing when the engine says nothing for it.
  QString FieldOf(Language language, const dictionary::ParsedWord& word) {
    const std::string spoken =
        text::SpeechText(language, NonEmpty(word.Speech), NonEmpty(word.Item));
    if (QString::fromLatin1(spoken).trimmed().isEmpty()) return {};
    const Key key{language, spoken};
    auto known = names_.find(key);
    if (known == names_.end()) {
      const QString name = NameOf(language, spoken);
      const int number = Count();
      const double seconds = audio_.WriteOgg(
          language, spoken, folder_.filePath(QString::number(number)).toStdString());
      known = names_.emplace(key, seconds > 0 ? name : QString()).first;
      if (seconds > 0) {
        map_.insert(QString::number(number), name);
        Seconds += seconds;
      }
    }
    return known->second.isEmpty() ? QString() : QStringLiteral("[sound:%1]").arg(known->second);
  }

  int Count() const { return static_cast<int>(map_.size()); }
  const QJsonObject& Map() const { return map_; }
  double Seconds = 0.0;

 private:
  using Key = std::pair<Language, std::string>;

  static QString NameOf(Language language, const std::string& spoken) {
    static constexpr std::array<const char*, 3> kPrefix = {"ru", "he", "en"};
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(spoken), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("vocamir-%1-%2.ogg")
        .arg(QLatin1String(kPrefix[static_cast<std::size_t>(language) - 1]),
             QString::fromLatin1(digest));
  }

  QDir folder_;
  WordAudio& audio_;
  std::map<Key, QString> names_;
  QJsonObject map_;
};

QString Html(const std::string& bytes, Codepage codepage) {
  return text::ToUnicode(bytes, codepage).toHtmlEscaped();
}

NoteFields NoteOf(const dictionary::ParsedMeaning& meaning, Sounds& sounds) {
  const dictionary::ParsedWord& ru = meaning.Words[Language::Russian];
  const dictionary::ParsedWord& he = meaning.Words[Language::Hebrew];
  const dictionary::ParsedWord& en = meaning.Words[Language::English];
  return {Html(ru.Item, Codepage::Win1251),     Html(text::InvertText(he.Item), Codepage::Win1255),
          Html(en.Item, Codepage::Ascii),       sounds.FieldOf(Language::Russian, ru),
          sounds.FieldOf(Language::Hebrew, he), sounds.FieldOf(Language::English, en)};
}

// The zip being written; discarded unless Close succeeds.
class Archive {
 public:
  explicit Archive(const QString& file) : file_(file) {
    int error = 0;
    archive_ = zip_open(file.toLocal8Bit().constData(), ZIP_CREATE | ZIP_EXCL, &error);
    if (archive_ == nullptr) {
      zip_error_t reason;
      zip_error_init_with_code(&reason, error);
      const std::string text = zip_error_strerror(&reason);
      zip_error_fini(&reason);
      Fail(text);
    }
  }
  ~Archive() {
    if (archive_ != nullptr) zip_discard(archive_);
  }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  void AddFile(const char* name, const QString& source, bool compress) {
    Add(name, zip_source_file(archive_, source.toLocal8Bit().constData(), 0, -1), compress);
  }
  void AddBytes(const char* name, QByteArray bytes) {
    buffers_.push_back(std::move(bytes));
    const QByteArray& kept = buffers_.back();
    Add(name,
        zip_source_buffer(archive_, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0),
        true);
  }
  void Close() {
    if (zip_close(archive_) != 0) Fail(zip_strerror(archive_));
    archive_ = nullptr;
  }

 private:
  void Add(const char* name, zip_source_t* source, bool compress) {
    if (source == nullptr) Fail(zip_strerror(archive_));
    const zip_int64_t index = zip_file_add(archive_, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      Fail(zip_strerror(archive_));
    }
    if (!compress)
      zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  [[noreturn]] void Fail(const std::string& reason) const {
    throw ExchangeError("Cannot write " + file_.toStdString() + ": " + reason);
  }

  QString file_;
  zip_t* archive_ = nullptr;
  std::vector<QByteArray> buffers_;  // kept until the archive is written
};

}  // namespace

std::optional<PackageResult> WritePackage(const QString& path, const QString& deckName,
                                          const std::vector<dictionary::ParsedMeaning>& meanings,
                                          WordAudio& audio, std::int64_t nowMs,
                                          const Progress& progress) {
  // The work folder sits beside the target, so the finished package is renamed into place.
  const QString target = QFileInfo(path).absoluteFilePath();
  QTemporaryDir work(QFileInfo(target).dir().filePath(QStringLiteral(".vocamir-package-XXXXXX")));
  if (!work.isValid()) {
    throw ExchangeError("Cannot write " + path.toStdString() + ": " +
                        work.errorString().toStdString());
  }
  const QDir folder(work.path());
  Sounds sounds(folder, audio);
  CollectionContent content{.DeckName = deckName, .Notes = {}, .NowMs = nowMs};
  const int total = static_cast<int>(meanings.size());
  for (int done = 0; done < total; ++done) {
    if (progress && !progress(done, total)) return std::nullopt;
    content.Notes.push_back(NoteOf(meanings[static_cast<std::size_t>(done)], sounds));
  }
  const QString collection = folder.filePath(QString::fromLatin1(kCollectionName));
  WriteCollection(collection.toStdString(), content);

  const QString package = folder.filePath(QStringLiteral("package.apkg"));
  Archive archive(package);
  archive.AddFile(kCollectionName, collection, true);
  archive.AddBytes(kMediaMapName, QJsonDocument(sounds.Map()).toJson(QJsonDocument::Compact));
  for (int number = 0; number < sounds.Count(); ++number) {
    const std::string name = std::to_string(number);
    archive.AddFile(name.c_str(), folder.filePath(QString::number(number)), false);
  }
  archive.Close();

  std::error_code error;
  std::filesystem::rename(package.toStdString(), target.toStdString(), error);
  if (error) throw ExchangeError("Cannot write " + path.toStdString() + ": " + error.message());
  if (progress) progress(total, total);
  return PackageResult{total, sounds.Count(), sounds.Seconds};
}

}  // namespace exchange::anki
