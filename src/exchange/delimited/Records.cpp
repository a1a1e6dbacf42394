#include "exchange/delimited/Records.h"

#include <string>

#include "exchange/ExchangeError.h"

namespace exchange::delimited {

namespace {
constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kLineFeed = QLatin1Char('\n');
constexpr QChar kReturn = QLatin1Char('\r');
}  // namespace

Records::Records(QStringView text, QChar separator, int firstLine)
    : text_(text), separator_(separator), line_(firstLine) {}

bool Records::LineEndsAt(qsizetype at) const {
  return text_[at] == kLineFeed ||
         (text_[at] == kReturn && at + 1 < text_.size() && text_[at + 1] == kLineFeed);
}

QString Records::PlainField() {
  const qsizetype start = at_;
  while (at_ < text_.size() && text_[at_] != separator_ && !LineEndsAt(at_)) ++at_;
  return text_.sliced(start, at_ - start).toString();
}

// The quotes go, a doubled quote stands for one, and whatever follows the closing quote up to the
// separator belongs to the field as it stands.
QString Records::QuotedField() {
  QString field;
  ++at_;
  while (true) {
    if (at_ >= text_.size()) {
      throw ExchangeError("Line " + std::to_string(recordLine_) +
                          ": a quoted field begins there and is never closed.");
    }
    const QChar c = text_[at_++];
    if (c == kQuote) {
      if (at_ >= text_.size() || text_[at_] != kQuote) break;
      ++at_;
    } else if (c == kLineFeed) {
      ++line_;
    }
    field += c;
  }
  return field + PlainField();
}

bool Records::Next(std::vector<QString>& fields) {
  fields.clear();
  if (at_ >= text_.size()) return false;
  recordLine_ = line_;
  while (true) {
    fields.push_back(at_ < text_.size() && text_[at_] == kQuote ? QuotedField() : PlainField());
    if (at_ >= text_.size()) return true;
    if (text_[at_] != separator_) break;
    ++at_;
  }
  at_ += text_[at_] == kReturn ? 2 : 1;
  ++line_;
  return true;
}

}  // namespace exchange::delimited
