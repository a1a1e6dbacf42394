#include "exchange/delimited/Columns.h"
#include "exchange/delimited/Delimited.h"
#include "text/InvertText.h"

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

// Appends the field as the reader takes it back: quoted when it holds the separator, a quote or a
// line break, or when a line would begin with "#". The separator is ASCII, so the test runs on the
// UTF-8 bytes.
void AppendField(std::string& record, const std::string& value, char separator, bool first) {
  const bool quote =
      value.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string::npos ||
      (first && value.starts_with('#'));
  if (!quote) {
    record += value;
    return;
  }
  record += '"';
  for (const char c : value) {
    if (c == '"') record += '"';
    record += c;
  }
  record += '"';
}

// The field's text in UTF-8, Hebrew in reading order.
std::string FieldText(const ExchangeUnit& meaning, const Column& column) {
  if (IsCode(column)) return std::to_string(CodeOf(meaning, column));
  const std::string& bytes = TextOf(meaning, column);
  if (bytes.empty()) return {};
  return IsHebrewText(column) ? text::ToUtf8(text::InvertText(bytes), text::Codepage::Win1255)
                              : text::ToUtf8(bytes, CodepageOf(column));
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
  const char byte = static_cast<char>(separator.unicode());
  std::string record;
  for (const ExchangeUnit& meaning : meanings) {
    record.clear();
    for (const Column* column : columns) {
      if (column != columns.front()) record += byte;
      AppendField(record, FieldText(meaning, *column), byte, column == columns.front());
    }
    record += '\n';
    sink.WriteText(record);
  }
}

}  // namespace exchange::delimited
