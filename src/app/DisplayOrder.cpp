#include "app/DisplayOrder.h"

#include <QSignalBlocker>
#include <algorithm>

namespace app {

QString InStoredOrder(const QString& text) { return kLeftToRightOverride + text; }

DisplayOrderEdit::DisplayOrderEdit(QWidget* parent) : QLineEdit(parent) {
  setLayoutDirection(Qt::LeftToRight);
  QLineEdit::setText(QString(kLeftToRightOverride));
  QLineEdit::setCursorPosition(1);
  connect(this, &QLineEdit::textChanged, this, &DisplayOrderEdit::Repair);
  connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
    if (position < 1) QLineEdit::setCursorPosition(1);
  });
}

QString DisplayOrderEdit::Text() const { return QLineEdit::text().mid(1); }

void DisplayOrderEdit::SetText(const QString& text) {
  QLineEdit::setText(kLeftToRightOverride + text);
}

int DisplayOrderEdit::CursorPos() const { return std::max(0, cursorPosition() - 1); }

void DisplayOrderEdit::SetCursorPos(int position) {
  setCursorPosition(std::clamp(position, 0, static_cast<int>(Text().size())) + 1);
}

// Puts the mark back in front (an edit or a paste may have removed or repeated it) and reports
// the text without it.
void DisplayOrderEdit::Repair(const QString& raw) {
  QString logical = raw;
  logical.remove(kLeftToRightOverride);
  const QString wanted = kLeftToRightOverride + logical;
  if (raw != wanted) {
    const int marksBefore =
        static_cast<int>(raw.left(cursorPosition()).count(kLeftToRightOverride));
    const int position = cursorPosition() - marksBefore + 1;
    const QSignalBlocker blocker(this);
    QLineEdit::setText(wanted);
    QLineEdit::setCursorPosition(std::clamp(position, 1, static_cast<int>(wanted.size())));
  }
  if (logical != last_) {
    last_ = logical;
    emit TextChanged(logical);
  }
}

}  // namespace app
