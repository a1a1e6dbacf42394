#pragma once

// Showing text exactly in stored order. Hebrew words are stored in display order (last letter
// first), so the screen must draw every character left to right as stored: the toolkit's
// bidirectional reordering must never reverse or mirror them. A LEFT-TO-RIGHT OVERRIDE in front of
// the text makes every character a left-to-right one for the text engine.

#include <QLineEdit>
#include <QString>

namespace app {

inline constexpr QChar kLeftToRightOverride = QChar(0x202D);

// `text` with a LEFT-TO-RIGHT OVERRIDE in front, ready for a label or a painted cell.
QString InStoredOrder(const QString& text);

// A one-line text box that shows its text in stored order. It keeps an override mark as the first
// character of QLineEdit::text() and never lets the caret stand before it; Text(), SetText(),
// CursorPos() and SetCursorPos() work on the text without the mark, and TextChanged reports it.
class DisplayOrderEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit DisplayOrderEdit(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);
  int CursorPos() const;
  void SetCursorPos(int position);

 signals:
  void TextChanged(const QString& text);

 private:
  void Repair(const QString& raw);

  QString last_;
};

}  // namespace app
