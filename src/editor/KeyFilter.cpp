#include "editor/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "text/CaretStepBack.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"

namespace editor {
namespace {

// The single printable character a key press types, if it types one.
std::optional<QChar> TypedCharacter(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return std::nullopt;
  }
  const QString text = event.text();
  if (text.size() != 1 || !text[0].isPrint()) return std::nullopt;
  return text[0];
}

}  // namespace

KeyFilter::KeyFilter(ui::Dialogs& dialogs, QLineEdit* edit, Map map, bool stepBack,
                     std::function<void()> entered, std::function<void()> left)
    : dialogs_(dialogs),
      edit_(edit),
      map_(std::move(map)),
      stepBack_(stepBack),
      entered_(std::move(entered)),
      left_(std::move(left)) {
  edit_->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return false;
  bool consumed = false;
  ui::RunGuarded(dialogs_, [&] {
    switch (event->type()) {
      case QEvent::FocusIn:
        if (entered_) entered_();
        break;
      case QEvent::FocusOut:
        if (left_) left_();
        break;
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<QChar> typed = TypedCharacter(*key);
        if (!typed || !map_) break;
        consumed = true;
        if (edit_->isReadOnly()) break;
        if (const std::optional<QChar> letter = map_(*typed)) {
          // A held key types its letter again: the repeat first steps back past the letter
          // before it, as that keystroke's release would, so each goes in to its left.
          if (stepBack_ && key->isAutoRepeat()) StepBack(key->key());
          edit_->insert(QString(*letter));
        }
        break;
      }
      case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (stepBack_ && !key->isAutoRepeat()) StepBack(key->key());
        break;
      }
      default:
        break;
    }
  });
  return consumed;
}

void KeyFilter::StepBack(int key) {
  if (auto* ordered = qobject_cast<ui::DisplayOrderEdit*>(edit_)) {
    ordered->SetCursorPos(
        static_cast<int>(text::StepBackCaret(ordered->Text(), ordered->CursorPos(), key)));
  } else {
    edit_->setCursorPosition(
        static_cast<int>(text::StepBackCaret(edit_->text(), edit_->cursorPosition(), key)));
  }
}

}  // namespace editor
