#include "exchange/FieldEncoder.h"

#include "text/InvertText.h"

namespace exchange {

std::string FieldEncoder::Encode(QStringView text, text::Codepage codepage, const Where& where) {
  std::string bytes;
  bytes.reserve(text.size());
  QString leftOut;
  for (qsizetype at = 0; at < text.size(); ++at) {
    const QChar character = text[at];
    if (character.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
      leftOut += text.mid(at, 2);
      ++at;
      continue;
    }
    if (const auto byte = text::UnicodeToByte(character.unicode(), codepage)) {
      bytes.push_back(static_cast<char>(*byte));
    } else {
      leftOut += character;
    }
  }
  if (!leftOut.isEmpty()) {
    shortened_.push_back({where(), text::ToUtf8(bytes, codepage), leftOut.toStdString()});
  }
  return bytes;
}

std::string FieldEncoder::EncodeHebrew(QStringView text, const Where& where) {
  return text::InvertText(Encode(text, text::Codepage::Win1255, where));
}

QString HebrewReadingOrder(const std::string& stored) {
  return text::ToUnicode(text::InvertText(stored), text::Codepage::Win1255);
}

}  // namespace exchange
