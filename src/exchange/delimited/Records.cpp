#include "exchange/delimited/Records.h"

#include <string>

#include "exchange/ExchangeError.h"

namespace exchange::delimited {

Records::Records(QStringView text, QChar separator, int firstLine)
    : text_(text), separator_(separator), line_(firstLine) {}

bool Records::Next(std::vector<QString>& fields) {
  fields.clear();
  if (at_ >= text_.size()) return false;
  recordLine_ = line_;
  const QChar quote = QLatin1Char('"');
  QString field;
  bool quoted = false;
  bool fieldStart = true;
  while (at_ < text_.size()) {
    const QChar c = text_[at_++];
    if (quoted) {
      if (c == quote) {
        if (at_ < text_.size() && text_[at_] == quote) {
          field += quote;
          ++at_;
        } else {
          quoted = false;
        }
      } else {
        if (c == QLatin1Char('\n')) ++line_;
        field += c;
      }
      continue;
    }
    if (c == quote && fieldStart) {
      quoted = true;
      fieldStart = false;
    } else if (c == separator_) {
      fields.push_back(std::move(field));
      field.clear();
      fieldStart = true;
    } else if (c == QLatin1Char('\n')) {
      ++line_;
      break;
    } else if (c == QLatin1Char('\r') && at_ < text_.size() && text_[at_] == QLatin1Char('\n')) {
      continue;
    } else {
      field += c;
      fieldStart = false;
    }
  }
  if (quoted) {
    throw ExchangeError("Line " + std::to_string(recordLine_) +
                        ": a quoted field begins there and is never closed.");
  }
  fields.push_back(std::move(field));
  return true;
}

}  // namespace exchange::delimited
