#include "ui/DisplayOrder.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "text/CaretStepBack.h"

namespace ui {
namespace {

const int kPrefixLength = static_cast<int>(kStoredOrderPrefix.size());

bool IsPrefixCharacter(QChar c) { return kStoredOrderPrefix.contains(c); }

}  // namespace

QString InStoredOrder(const QString& text) { return kStoredOrderPrefix + text; }

DisplayOrderEdit::DisplayOrderEdit(QWidget* parent) : QLineEdit(parent) {
  setLayoutDirection(Qt::LeftToRight);
  // The text is drawn left to right as stored, so the arrow keys move the caret the way they point.
  setCursorMoveStyle(Qt::VisualMoveStyle);
  QLineEdit::setText(kStoredOrderPrefix);
  QLineEdit::setCursorPosition(kPrefixLength);
  connect(this, &QLineEdit::textChanged, this, &DisplayOrderEdit::Repair);
  connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
    if (position < kPrefixLength) QLineEdit::setCursorPosition(kPrefixLength);
  });
}

QString DisplayOrderEdit::Text() const { return QLineEdit::text().mid(kPrefixLength); }

void DisplayOrderEdit::SetText(const QString& text) { QLineEdit::setText(InStoredOrder(text)); }

int DisplayOrderEdit::CursorPos() const { return std::max(0, cursorPosition() - kPrefixLength); }

void DisplayOrderEdit::SetCursorPos(int position) {
  setCursorPosition(std::clamp(position, 0, static_cast<int>(Text().size())) + kPrefixLength);
}

void DisplayOrderEdit::SetMaxTextLength(int length) { setMaxLength(length + kPrefixLength); }

void DisplayOrderEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Backspace || event->modifiers() != Qt::NoModifier || isReadOnly() ||
      hasSelectedText()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const text::BoxText erased = text::EraseTypedLast(Text(), CursorPos());
  if (erased.text != Text()) {
    SetText(erased.text);
    SetCursorPos(static_cast<int>(erased.caret));
  }
  event->accept();
}

// Puts the prefix back in front (an edit or a paste may have removed or repeated its
// characters) and reports the text without it.
void DisplayOrderEdit::Repair(const QString& raw) {
  QString logical;
  int caret = 0;
  for (int i = 0; i < raw.size(); ++i) {
    if (IsPrefixCharacter(raw[i])) continue;
    if (i < cursorPosition()) ++caret;
    logical += raw[i];
  }
  const QString wanted = InStoredOrder(logical);
  if (raw != wanted) {
    const QSignalBlocker blocker(this);
    QLineEdit::setText(wanted);
    QLineEdit::setCursorPosition(caret + kPrefixLength);
  }
  if (logical != last_) {
    last_ = logical;
    emit TextChanged(logical);
  }
}

}  // namespace ui
