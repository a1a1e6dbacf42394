#pragma once

// The caret step-back of the Hebrew text boxes. Hebrew is typed in display order: after every key
// release the caret moves one character to the left, so the next letter goes in to the left of
// the one just typed and the box holds the word last letter first, as the tables store it.
//
// Positions count UTF-16 code units of the box's text, as Qt's text widgets report them; lines
// are separated by "\n".

#include <QString>
#include <QStringView>

namespace text {

// The caret after a key release in a Hebrew box. `key` is the released key as a Qt::Key value.
// Backspace, Delete and the four arrow keys leave the caret where it is; every other key, a
// modifier such as Shift included, moves it one character left, unless it stands at the start
// of its line. A caret outside the text is first clamped into it.
qsizetype StepBackCaret(QStringView text, qsizetype caret, int key);

// The text and caret of a box.
struct BoxText {
  QString text;
  qsizetype caret = 0;
  friend bool operator==(const BoxText&, const BoxText&) = default;
};

// Backspace in a Hebrew box removes the letter typed last, which stands right of the caret (the
// caret stays where it is); at the end of the text or of its line it removes nothing. Delete
// removes the same character, as in any box.
BoxText EraseTypedLast(QStringView text, qsizetype caret);

}  // namespace text
