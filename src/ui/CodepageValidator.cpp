#include "ui/CodepageValidator.h"

#include <utility>

namespace ui {

CodepageValidator::CodepageValidator(text::Codepage codepage, QString kept, QObject* parent)
    : QValidator(parent), codepage_(codepage), kept_(std::move(kept)) {}

QValidator::State CodepageValidator::validate(QString& input, int& pos) const {
  QString storable;
  int caret = 0;
  for (int i = 0; i < input.size(); ++i) {
    const QChar character = input[i];
    if (!kept_.contains(character) && !text::UnicodeToByte(character.unicode(), codepage_)) {
      continue;
    }
    if (i < pos) ++caret;
    storable += character;
  }
  if (storable != input) {
    input = storable;
    pos = caret;
  }
  return Acceptable;
}

}  // namespace ui
