#pragma once

// Showing text exactly in stored order. Hebrew words are stored in display order (last letter
// first), so the screen must draw every character left to right as stored: the toolkit's
// bidirectional reordering must never reverse or mirror them. The prefix put in front of such a
// text is a LEFT-TO-RIGHT MARK, which makes the paragraph a left-to-right one (alignment and
// caret follow it), and a LEFT-TO-RIGHT OVERRIDE, which makes every character after it a
// left-to-right one for the text engine.

#include <QLineEdit>
#include <QString>

namespace ui {

inline const QString kStoredOrderPrefix = QStringLiteral("\u200E\u202D");

// `text` with the prefix in front, ready for a label or a painted cell.
QString InStoredOrder(const QString& text);

// A one-line text box that shows its text in stored order. It keeps the prefix at the start of
// QLineEdit::text() and never lets the caret stand inside it; Text(), SetText(), CursorPos() and
// SetCursorPos() work on the text without the prefix, and TextChanged reports it. Hebrew is typed
// into it last letter first, so Backspace removes the letter right of the caret (the one typed
// last) unless text is selected.
class DisplayOrderEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit DisplayOrderEdit(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);
  int CursorPos() const;
  void SetCursorPos(int position);
  // Limits Text() to `length` characters; the prefix does not count.
  void SetMaxTextLength(int length);

 signals:
  void TextChanged(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Repair(const QString& raw);

  QString last_;
};

}  // namespace ui
