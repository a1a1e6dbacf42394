#include "exchange/FieldEncoder.h"
#include "exchange/delimited/Columns.h"
#include "exchange/delimited/Delimited.h"

namespace exchange::delimited {
namespace {

bool HasVerbForms(const std::vector<ExchangeUnit>& meanings) {
  for (const ExchangeUnit& meaning : meanings) {
    for (int form = 0; form < kFormCount; ++form) {
      if (!meaning.Spelling[form].empty() || !meaning.Pronunciation[form].empty()) return true;
    }
  }
  return false;
}

const char* SeparatorName(QChar separator) {
  switch (separator.unicode()) {
    case u',':
      return "comma";
    case u';':
      return "semicolon";
    case u'|':
      return "pipe";
    default:
      return "tab";
  }
}

// The field as the reader takes it back: quoted when it holds the separator, a quote or a line
// break, or when a line would begin with "#".
QString Quoted(const QString& value, QChar separator, bool first) {
  const bool quote = value.contains(separator) || value.contains(QLatin1Char('"')) ||
                     value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) ||
                     (first && value.startsWith(QLatin1Char('#')));
  if (!quote) return value;
  QString doubled = value;
  doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString FieldText(const ExchangeUnit& meaning, const Column& column) {
  if (IsCode(column)) return QString::number(CodeOf(meaning, column));
  const std::string& bytes = TextOf(meaning, column);
  return IsHebrewText(column) ? HebrewReadingOrder(bytes)
                              : text::ToUnicode(bytes, CodepageOf(column));
}

}  // namespace

void WriteDelimited(ByteSink& sink, const std::vector<ExchangeUnit>& meanings, QChar separator) {
  std::vector<const Column*> columns;
  const bool forms = HasVerbForms(meanings);
  for (const Column& column : Columns()) {
    if (forms || (column.Holds != Field::Spelling && column.Holds != Field::Pronunciation)) {
      columns.push_back(&column);
    }
  }
  QString names;
  for (const Column* column : columns) {
    if (!names.isEmpty()) names += separator;
    names += column->Name;
  }
  sink.WriteText(std::string("#separator:") + SeparatorName(separator) + "\n#html:false\n");
  sink.WriteText("#columns:" + names.toStdString() + "\n");
  for (const ExchangeUnit& meaning : meanings) {
    QString record;
    for (const Column* column : columns) {
      if (column != columns.front()) record += separator;
      record += Quoted(FieldText(meaning, *column), separator, column == columns.front());
    }
    record += QLatin1Char('\n');
    sink.WriteText(record.toStdString());
  }
}

}  // namespace exchange::delimited
