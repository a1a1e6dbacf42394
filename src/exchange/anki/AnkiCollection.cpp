#include "exchange/anki/AnkiCollection.h"

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <memory>
#include <string>

#include "exchange/ExchangeError.h"

namespace exchange::anki {
namespace {

constexpr int kSchemaVersion = 11;
// The note type keeps its id from export to export, so a package imported again updates the
// notes of the first instead of adding a second note type.
constexpr std::int64_t kNoteTypeId = 1765000000000;
constexpr std::int64_t kDefaultDeckId = 1;
constexpr char kFieldSeparator = '\x1f';

constexpr char kSchema[] = R"sql(
CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null,
  scm integer not null, ver integer not null, dty integer not null, usn integer not null,
  ls integer not null, conf text not null, models text not null, decks text not null,
  dconf text not null, tags text not null);
CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null,
  mod integer not null, usn integer not null, tags text not null, flds text not null,
  sfld integer not null, csum integer not null, flags integer not null, data text not null);
CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null,
  ord integer not null, mod integer not null, usn integer not null, type integer not null,
  queue integer not null, due integer not null, ivl integer not null, factor integer not null,
  reps integer not null, lapses integer not null, left integer not null, odue integer not null,
  odid integer not null, flags integer not null, data text not null);
CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null,
  ease integer not null, ivl integer not null, lastIvl integer not null, factor integer not null,
  time integer not null, type integer not null);
CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
CREATE INDEX ix_notes_usn on notes (usn);
CREATE INDEX ix_cards_usn on cards (usn);
CREATE INDEX ix_revlog_usn on revlog (usn);
CREATE INDEX ix_cards_nid on cards (nid);
CREATE INDEX ix_cards_sched on cards (did, queue, due);
CREATE INDEX ix_revlog_cid on revlog (cid);
CREATE INDEX ix_notes_csum on notes (csum);
)sql";

struct Template {
  const char* Name;
  const char* Question;
  const char* Answer;
};

constexpr std::array<Template, 2> kTemplates = {{
    {"Russian → Hebrew", "<div class=ru>{{Russian}}</div>{{RussianAudio}}",
     "{{FrontSide}}<hr id=answer><div class=he>{{Hebrew}}</div><div>{{English}}</div>"
     "{{HebrewAudio}}{{EnglishAudio}}"},
    {"Hebrew → Russian", "<div class=he>{{Hebrew}}</div>{{HebrewAudio}}",
     "{{FrontSide}}<hr id=answer><div class=ru>{{Russian}}</div><div>{{English}}</div>"
     "{{RussianAudio}}{{EnglishAudio}}"},
}};

constexpr char kStyle[] =
    ".card { font-family: sans-serif; font-size: 28px; text-align: center; }\n"
    ".he { direction: rtl; }\n";

class Database {
 public:
  explicit Database(const std::filesystem::path& file) : file_(file) {
    sqlite3* handle = nullptr;
    const int opened =
        sqlite3_open_v2(file.c_str(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    handle_.reset(handle);
    if (opened != SQLITE_OK) Fail();
  }

  void Execute(const char* sql) {
    if (sqlite3_exec(handle_.get(), sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
  }

  // A prepared statement whose values are bound in order by Row and which runs once per Row.
  class Insert {
   public:
    Insert(Database& database, const char* sql) : database_(database) {
      sqlite3_stmt* statement = nullptr;
      if (sqlite3_prepare_v2(database.handle_.get(), sql, -1, &statement, nullptr) != SQLITE_OK)
        database.Fail();
      statement_.reset(statement);
    }
    Insert& Bind(std::int64_t value) {
      sqlite3_bind_int64(statement_.get(), ++column_, value);
      return *this;
    }
    Insert& Bind(const QString& value) {
      const QByteArray bytes = value.toUtf8();
      sqlite3_bind_text(statement_.get(), ++column_, bytes.constData(),
                        static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
      return *this;
    }
    void Run() {
      if (sqlite3_step(statement_.get()) != SQLITE_DONE) database_.Fail();
      sqlite3_reset(statement_.get());
      column_ = 0;
    }

   private:
    struct Finalize {
      void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    Database& database_;
    std::unique_ptr<sqlite3_stmt, Finalize> statement_;
    int column_ = 0;
  };

 private:
  [[noreturn]] void Fail() const {
    throw ExchangeError("Cannot write the package's collection " + file_.string() + ": " +
                        (handle_ ? sqlite3_errmsg(handle_.get()) : "out of memory"));
  }

  struct Close {
    void operator()(sqlite3* handle) const { sqlite3_close(handle); }
  };
  std::filesystem::path file_;
  std::unique_ptr<sqlite3, Close> handle_;
};

QString Json(const QJsonObject& object) {
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The text of a field without its markup and sounds, as the program sorts and checks notes.
QString Plain(const QString& field) {
  static const QRegularExpression markup(QStringLiteral("<[^>]*>|\\[sound:[^\\]]*\\]"));
  return QString(field).remove(markup).trimmed();
}

// The first eight hex digits of the SHA-1 of the first field's plain text, as a number: the
// program's check for duplicate notes.
std::int64_t Checksum(const QString& first) {
  const QByteArray digest =
      QCryptographicHash::hash(Plain(first).toUtf8(), QCryptographicHash::Sha1).toHex();
  return digest.left(8).toLongLong(nullptr, 16);
}

// A note's identity across exports: the same three words give the same id, so a package imported
// again updates its notes.
QString Guid(const NoteFields& fields) {
  const QString words = fields[0] + kFieldSeparator + fields[1] + kFieldSeparator + fields[2];
  return QString::fromLatin1(
      QCryptographicHash::hash(words.toUtf8(), QCryptographicHash::Sha1).toBase64().left(10));
}

QJsonObject NoteType(std::int64_t deckId, std::int64_t nowSeconds) {
  QJsonArray fields;
  for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
    fields.append(QJsonObject{{"name", kFieldNames[i]},
                              {"ord", static_cast<int>(i)},
                              {"sticky", false},
                              {"rtl", i == 1},
                              {"font", "Arial"},
                              {"size", 20},
                              {"media", QJsonArray()}});
  }
  QJsonArray templates;
  for (std::size_t i = 0; i < kTemplates.size(); ++i) {
    templates.append(QJsonObject{{"name", kTemplates[i].Name},
                                 {"ord", static_cast<int>(i)},
                                 {"qfmt", kTemplates[i].Question},
                                 {"afmt", kTemplates[i].Answer},
                                 {"did", QJsonValue::Null},
                                 {"bqfmt", ""},
                                 {"bafmt", ""}});
  }
  return QJsonObject{
      {"id", static_cast<qint64>(kNoteTypeId)},
      {"name", "Vocamir"},
      {"type", 0},
      {"mod", static_cast<qint64>(nowSeconds)},
      {"usn", -1},
      {"sortf", 0},
      {"did", static_cast<qint64>(deckId)},
      {"tmpls", templates},
      {"flds", fields},
      {"css", kStyle},
      {"latexPre", "\\documentclass[12pt]{article}\n\\pagestyle{empty}\n\\begin{document}\n"},
      {"latexPost", "\\end{document}"},
      {"tags", QJsonArray()},
      {"vers", QJsonArray()},
      {"req",
       QJsonArray{QJsonArray{0, "any", QJsonArray{0, 3}}, QJsonArray{1, "any", QJsonArray{1, 4}}}},
  };
}

QJsonObject Deck(std::int64_t id, const QString& name, std::int64_t nowSeconds) {
  const QJsonArray none{0, 0};
  return QJsonObject{{"id", static_cast<qint64>(id)},
                     {"name", name},
                     {"mod", static_cast<qint64>(nowSeconds)},
                     {"usn", -1},
                     {"desc", ""},
                     {"dyn", 0},
                     {"conf", 1},
                     {"collapsed", false},
                     {"browserCollapsed", false},
                     {"extendNew", 10},
                     {"extendRev", 50},
                     {"newToday", none},
                     {"revToday", none},
                     {"lrnToday", none},
                     {"timeToday", none}};
}

QJsonObject DeckOptions(std::int64_t nowSeconds) {
  return QJsonObject{
      {"id", 1},
      {"name", "Default"},
      {"mod", static_cast<qint64>(nowSeconds)},
      {"usn", -1},
      {"maxTaken", 60},
      {"autoplay", true},
      {"timer", 0},
      {"replayq", true},
      {"dyn", false},
      {"new", QJsonObject{{"delays", QJsonArray{1, 10}},
                          {"ints", QJsonArray{1, 4, 0}},
                          {"initialFactor", 2500},
                          {"order", 1},
                          {"perDay", 20},
                          {"bury", false}}},
      {"rev", QJsonObject{{"perDay", 200},
                          {"ease4", 1.3},
                          {"ivlFct", 1},
                          {"maxIvl", 36500},
                          {"hardFactor", 1.2},
                          {"bury", false}}},
      {"lapse", QJsonObject{{"delays", QJsonArray{10}},
                            {"mult", 0},
                            {"minInt", 1},
                            {"leechFails", 8},
                            {"leechAction", 1}}},
  };
}

}  // namespace

void WriteCollection(const std::filesystem::path& file, const CollectionContent& content) {
  const std::int64_t now = content.NowMs / 1000;
  const std::int64_t deckId = content.NowMs;
  Database database(file);
  database.Execute(kSchema);
  database.Execute("BEGIN");

  const QJsonObject conf{{"nextPos", static_cast<qint64>(content.Notes.size() + 1)},
                         {"estTimes", true},
                         {"activeDecks", QJsonArray{static_cast<qint64>(deckId)}},
                         {"sortType", "noteFld"},
                         {"timeLim", 0},
                         {"sortBackwards", false},
                         {"addToCur", true},
                         {"curDeck", static_cast<qint64>(deckId)},
                         {"newSpread", 0},
                         {"dueCounts", true},
                         {"curModel", QString::number(kNoteTypeId)},
                         {"collapseTime", 1200}};
  const QJsonObject decks{
      {QString::number(kDefaultDeckId), Deck(kDefaultDeckId, QStringLiteral("Default"), now)},
      {QString::number(deckId), Deck(deckId, content.DeckName, now)}};
  Database::Insert(database, "INSERT INTO col VALUES (1, ?, ?, ?, ?, 0, 0, 0, ?, ?, ?, ?, '{}')")
      .Bind(now)
      .Bind(content.NowMs)
      .Bind(content.NowMs)
      .Bind(kSchemaVersion)
      .Bind(Json(conf))
      .Bind(Json(QJsonObject{{QString::number(kNoteTypeId), NoteType(deckId, now)}}))
      .Bind(Json(decks))
      .Bind(Json(QJsonObject{{"1", DeckOptions(now)}}))
      .Run();

  Database::Insert note(database, "INSERT INTO notes VALUES (?, ?, ?, ?, -1, '', ?, ?, ?, 0, '')");
  Database::Insert card(database,
                        "INSERT INTO cards VALUES (?, ?, ?, ?, ?, -1, 0, 0, ?, 0, 0, 0, 0, 0, 0, "
                        "0, 0, '')");
  std::int64_t position = 0;
  for (const NoteFields& fields : content.Notes) {
    const std::int64_t noteId = content.NowMs + position;
    QString joined = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) joined += kFieldSeparator + fields[i];
    note.Bind(noteId)
        .Bind(Guid(fields))
        .Bind(kNoteTypeId)
        .Bind(now)
        .Bind(joined)
        .Bind(Plain(fields[0]))
        .Bind(Checksum(fields[0]))
        .Run();
    for (std::int64_t ord = 0; ord < static_cast<std::int64_t>(kTemplates.size()); ++ord) {
      card.Bind(content.NowMs + position * 2 + ord)
          .Bind(noteId)
          .Bind(deckId)
          .Bind(ord)
          .Bind(now)
          .Bind(position + 1)
          .Run();
    }
    ++position;
  }
  database.Execute("COMMIT");
}

}  // namespace exchange::anki
