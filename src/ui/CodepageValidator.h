#pragma once

// The validator of a text box whose text is stored in a single-byte code page: the box takes only
// the characters the code page can hold. Whatever else a paste, a drop or a key would put in is
// left out, so the box never shows text that its field cannot store.

#include <QString>
#include <QValidator>

#include "text/Codepage.h"

namespace ui {

class CodepageValidator : public QValidator {
 public:
  // `kept`: characters that always pass, such as the marks a display-order box keeps in front of
  // its text.
  CodepageValidator(text::Codepage codepage, QString kept, QObject* parent);

  // Leaves out every character the code page cannot hold (the caret keeps its place among the
  // characters that stay); the rest is always acceptable.
  State validate(QString& input, int& pos) const override;

 private:
  text::Codepage codepage_;
  QString kept_;
};

}  // namespace ui
