#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "exchange/ExchangeError.h"
#include "exchange/FieldEncoder.h"
#include "exchange/delimited/Columns.h"
#include "exchange/delimited/Delimited.h"
#include "exchange/delimited/Records.h"

namespace exchange::delimited {
namespace {

[[noreturn]] void Malformed(int line, const QString& reason) {
  throw ExchangeError(QStringLiteral("Line %1: %2").arg(line).arg(reason).toStdString());
}

// Where the first byte sequence that is not UTF-8 begins, or npos.
std::size_t FirstNonUtf8(std::string_view bytes) {
  const auto at = [&bytes](std::size_t index) {
    return index < bytes.size() ? static_cast<unsigned char>(bytes[index]) : 0u;
  };
  for (std::size_t index = 0; index < bytes.size();) {
    const unsigned lead = at(index);
    std::size_t length = 1;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) {
      ++index;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return index;
    }
    if (at(index + 1) < low || at(index + 1) > high) return index;
    for (std::size_t next = 2; next < length; ++next) {
      if (at(index + next) < 0x80 || at(index + next) > 0xBF) return index;
    }
    index += length;
  }
  return std::string_view::npos;
}

// The text of UTF-8 bytes (a byte order mark left out); bytes that are not UTF-8 are refused with
// their line.
QString DecodeUtf8(std::string_view bytes) {
  const std::size_t bad = FirstNonUtf8(bytes);
  if (bad != std::string_view::npos) {
    const auto line =
        std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bad), '\n');
    Malformed(static_cast<int>(line) + 1,
              QStringLiteral("the file is not UTF-8 text; save it as UTF-8 and import it again."));
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<QChar> SeparatorNamed(QStringView name) {
  const QString lower = name.toString().toLower();
  if (lower == u"tab" || lower == u"\t") return QLatin1Char('\t');
  if (lower == u"comma" || lower == u",") return QLatin1Char(',');
  if (lower == u"semicolon" || lower == u";") return QLatin1Char(';');
  if (lower == u"pipe" || lower == u"|") return QLatin1Char('|');
  return std::nullopt;
}

// Tags and sound references out, the common character references read.
QString PlainText(const QString& html) {
  static const QRegularExpression sound(QStringLiteral(R"(\[sound:[^\]]*\])"));
  static const QRegularExpression lineBreak(QStringLiteral(R"(<br\s*/?>)"),
                                            QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression tag(QStringLiteral(R"(<[A-Za-z/!][^>]*>)"));
  static const QRegularExpression reference(
      QStringLiteral(R"(&(#[0-9]+|#[xX][0-9A-Fa-f]+|[a-z]+);)"));
  QString text = html;
  text.replace(sound, QString()).replace(lineBreak, QStringLiteral(" ")).replace(tag, QString());
  QString plain;
  qsizetype copied = 0;
  for (auto match = reference.globalMatch(text); match.hasNext();) {
    const QRegularExpressionMatch found = match.next();
    const QString name = found.captured(1);
    QString character;
    if (name.startsWith(u"#x", Qt::CaseInsensitive)) {
      character = QChar(name.mid(2).toUShort(nullptr, 16));
    } else if (name.startsWith(u'#')) {
      character = QChar(name.mid(1).toUShort());
    } else if (name == u"amp") {
      character = QStringLiteral("&");
    } else if (name == u"lt") {
      character = QStringLiteral("<");
    } else if (name == u"gt") {
      character = QStringLiteral(">");
    } else if (name == u"quot") {
      character = QStringLiteral("\"");
    } else if (name == u"apos") {
      character = QStringLiteral("'");
    } else if (name == u"nbsp") {
      character = QStringLiteral(" ");
    } else {
      continue;
    }
    plain += QStringView(text).mid(copied, found.capturedStart() - copied);
    plain += character;
    copied = found.capturedEnd();
  }
  plain += QStringView(text).mid(copied);
  return plain.trimmed();
}

struct Header {
  QChar Separator;
  bool Html = false;
  std::optional<QString> ColumnNames;
  int Lines = 0;  // header lines at the top of the file
};

Header ReadHeader(const QString& text, QChar defaultSeparator, std::vector<std::string>& notes) {
  Header header{defaultSeparator, false, std::nullopt, 0};
  qsizetype at = 0;
  while (at < text.size() && text[at] == QLatin1Char('#')) {
    qsizetype end = text.indexOf(QLatin1Char('\n'), at);
    if (end < 0) end = text.size();
    QString line = text.mid(at, end - at);
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    ++header.Lines;
    at = end + 1;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString key = line.mid(1, colon < 0 ? -1 : colon - 1).trimmed().toLower();
    const QString value = colon < 0 ? QString() : line.mid(colon + 1);
    if (key == u"separator") {
      const std::optional<QChar> separator =
          SeparatorNamed(value.trimmed().isEmpty() ? value : value.trimmed());
      if (!separator) {
        Malformed(header.Lines, QStringLiteral("the separator \"%1\" is not one of tab, comma, "
                                               "semicolon and pipe.")
                                    .arg(value));
      }
      header.Separator = *separator;
    } else if (key == u"html") {
      const QString flag = value.trimmed().toLower();
      if (flag != u"true" && flag != u"false") {
        Malformed(header.Lines,
                  QStringLiteral("\"#html:\" must be true or false, not \"%1\".").arg(value));
      }
      header.Html = flag == u"true";
    } else if (key == u"columns") {
      header.ColumnNames = value;
    } else {
      notes.push_back(
          QStringLiteral("The header line \"%1\" was not used.").arg(line).toStdString());
    }
  }
  return header;
}

// The column of each field position; null where the name is not one Vocamir holds.
std::vector<const Column*> ReadColumns(const std::vector<QString>& names, int line,
                                       std::vector<std::string>& notes) {
  std::vector<const Column*> columns;
  bool any = false;
  for (const QString& name : names) {
    const Column* column = FindColumn(name);
    if (column != nullptr) {
      for (const Column* before : columns) {
        if (before == column) {
          Malformed(line, QStringLiteral("the column \"%1\" is named twice.").arg(column->Name));
        }
      }
      any = true;
    } else if (!name.trimmed().isEmpty()) {
      notes.push_back(QStringLiteral("The column \"%1\" is not one Vocamir holds; it was not read.")
                          .arg(name.trimmed())
                          .toStdString());
    }
    columns.push_back(column);
  }
  if (!any) {
    Malformed(line, QStringLiteral("no column is named: the first line (or a \"#columns:\" line) "
                                   "must name them, among Russian, Hebrew, English, "
                                   "RussianSpeech, HebrSpeech, EnglishSpeech, Part, Topic, Sex, "
                                   "Root and Binyan."));
  }
  return columns;
}

bool IsBlank(const std::vector<QString>& fields) {
  return fields.size() == 1 && fields.front().trimmed().isEmpty();
}

class MeaningReader {
 public:
  MeaningReader(std::vector<const Column*> columns, bool html, ForeignDocument& document)
      : columns_(std::move(columns)), html_(html), document_(document) {}

  void Read(const std::vector<QString>& fields, int line) {
    const std::string where = "line " + std::to_string(line);
    if (fields.size() > columns_.size()) {
      Refuse(where, std::to_string(fields.size()) + " fields, but the columns name " +
                        std::to_string(columns_.size()) + ".");
      return;
    }
    dictionary::ParsedMeaning meaning;
    std::vector<ShortenedWord> shortened;
    FieldEncoder encoder(shortened);
    for (std::size_t index = 0; index < fields.size(); ++index) {
      const Column* column = columns_[index];
      // An empty field leaves its text empty and its code 0, as the meaning begins.
      if (column == nullptr || fields[index].isEmpty()) continue;
      const QString value = html_ ? PlainText(fields[index]) : fields[index];
      if (IsCode(*column)) {
        if (!ReadCode(value, *column, CodeOf(meaning, *column))) {
          Refuse(where, "the " + column->Name.toStdString() + " \"" + value.toStdString() +
                            "\" is not a number from 0 to " + std::to_string(LargestCode(*column)) +
                            ".");
          return;
        }
      } else {
        const auto place = [&where, column] { return where + ", " + column->Name.toStdString(); };
        TextOf(meaning, *column) = IsHebrewText(*column)
                                       ? encoder.EncodeHebrew(value, place)
                                       : encoder.Encode(value, CodepageOf(*column), place);
      }
    }
    if (meaning.Words[text::Language::Russian].Item.empty() &&
        meaning.Words[text::Language::Hebrew].Item.empty() &&
        meaning.Words[text::Language::English].Item.empty()) {
      Refuse(where, "no Russian, Hebrew or English word.");
      return;
    }
    document_.Shortened.insert(document_.Shortened.end(), shortened.begin(), shortened.end());
    document_.Meanings.push_back(std::move(meaning));
  }

 private:
  static bool ReadCode(const QString& value, const Column& column, int& code) {
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty()) {
      code = 0;
      return true;
    }
    bool number = false;
    const int read = trimmed.toInt(&number);
    if (!number || read < 0 || read > LargestCode(column)) return false;
    code = read;
    return true;
  }

  void Refuse(const std::string& where, const std::string& reason) {
    document_.Refused.push_back({where, reason});
  }

  std::vector<const Column*> columns_;
  bool html_;
  ForeignDocument& document_;
};

}  // namespace

QChar DefaultSeparator(const QString& path) {
  return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? QLatin1Char(',')
                                                                    : QLatin1Char('\t');
}

ForeignDocument ReadDelimited(std::string_view bytes, QChar defaultSeparator) {
  ForeignDocument document;
  const QString text = DecodeUtf8(bytes);
  const Header header = ReadHeader(text, defaultSeparator, document.Notes);
  qsizetype body = 0;
  for (int line = 0; line < header.Lines; ++line) {
    const qsizetype end = text.indexOf(QLatin1Char('\n'), body);
    body = end < 0 ? text.size() : end + 1;
  }
  Records records(QStringView(text).mid(body), header.Separator, header.Lines + 1);
  std::vector<QString> fields;
  std::vector<const Column*> columns;
  if (header.ColumnNames) {
    const QStringList names = header.ColumnNames->split(header.Separator);
    columns = ReadColumns({names.begin(), names.end()}, header.Lines, document.Notes);
  } else {
    while (records.Next(fields) && IsBlank(fields)) {
    }
    columns =
        ReadColumns(fields, fields.empty() ? header.Lines + 1 : records.Line(), document.Notes);
  }
  // One meaning a line, but for lines within quotes: the meanings are not moved as they grow.
  document.Meanings.reserve(static_cast<std::size_t>(text.count(QLatin1Char('\n'))) + 1);
  MeaningReader reader(std::move(columns), header.Html, document);
  while (records.Next(fields)) {
    if (!IsBlank(fields)) reader.Read(fields, records.Line());
  }
  return document;
}

}  // namespace exchange::delimited
