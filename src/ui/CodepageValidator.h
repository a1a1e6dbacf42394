#pragma once

// The validator of a text box whose text is stored in a single-byte code page: the box takes only
// the characters the code page can hold. Whatever else a paste, a drop or a key would put in is
// left out, so the box never shows text that its field cannot store, and the user is told once,
// through the dialog seam, which characters were left out.

#include <QString>
#include <QValidator>

#include "text/Codepage.h"

class QLineEdit;

namespace ui {

class Dialogs;

class CodepageValidator : public QValidator {
 public:
  // `textName`: what the user calls the box's text ("Russian text"). `kept`: characters that
  // always pass, such as the marks a display-order box keeps in front of its text. `dialogs` must
  // outlive the validator.
  CodepageValidator(text::Codepage codepage, QString textName, QString kept, Dialogs& dialogs,
                    QObject* parent);

  // Leaves out every character the code page cannot hold (the caret keeps its place among the
  // characters that stay); the rest is always acceptable. When something was left out, one
  // message names each such character once, in order of appearance: "Characters that Russian
  // text cannot hold were left out: é 日". The message is shown from the event loop, after the box
  // has taken the text that stays.
  State validate(QString& input, int& pos) const override;

 private:
  text::Codepage codepage_;
  QString textName_;
  QString kept_;
  Dialogs& dialogs_;
};

// The language of a box's text, as the message names it.
enum class BoxText { Russian, Hebrew, English };

// Lets `box` take only what `codepage` can hold; a display-order box keeps the marks in front of
// its text. The validator belongs to the box.
void TakeOnly(text::Codepage codepage, BoxText text, QLineEdit* box, Dialogs& dialogs);

}  // namespace ui
