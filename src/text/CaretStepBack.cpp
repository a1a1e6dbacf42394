#include "text/CaretStepBack.h"

#include <Qt>
#include <algorithm>

namespace text {
namespace {

bool KeepsCaret(int key) {
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

// One character left, unless the caret stands at the start of its line. `caret` is in the text.
qsizetype StepLeft(QStringView text, qsizetype caret) {
  if (caret == 0 || text[caret - 1] == u'\n') return caret;
  return caret - 1;
}

}  // namespace

qsizetype StepBackCaret(QStringView text, qsizetype caret, int key) {
  caret = std::clamp<qsizetype>(caret, 0, text.size());
  return KeepsCaret(key) ? caret : StepLeft(text, caret);
}

BoxText EraseTypedLast(QStringView text, qsizetype caret) {
  BoxText box{text.toString(), std::clamp<qsizetype>(caret, 0, text.size())};
  if (box.caret < box.text.size() && box.text[box.caret] != u'\n') box.text.remove(box.caret, 1);
  return box;
}

}  // namespace text
