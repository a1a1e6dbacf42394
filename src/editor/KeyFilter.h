#pragma once

// The key handling of one text box of the word editor, installed as an event filter:
// - entering the box runs `entered` (the editor sets its input language or keyboard layout),
//   leaving it runs `left`;
// - each typed character goes through `map`: what it returns goes in instead, nothing drops the
//   key; keys that type no character and shortcuts with Ctrl or Alt pass untouched;
// - with `stepBack`, every real key release steps the caret one place left (the Hebrew boxes, see
//   text/CaretStepBack.h), so Hebrew is typed in display order. The releases a held key repeats
//   do not count; each letter a held key types again goes in to the left of the one before.

#include <QChar>
#include <QObject>
#include <functional>
#include <optional>

class QLineEdit;

namespace ui {
class Dialogs;
}

namespace editor {

class KeyFilter : public QObject {
 public:
  using Map = std::function<std::optional<QChar>(QChar typed)>;

  // Installs itself on `edit`, which must outlive it; destroying the filter uninstalls it.
  // `dialogs` reports an exception of a callback.
  KeyFilter(ui::Dialogs& dialogs, QLineEdit* edit, Map map, bool stepBack,
            std::function<void()> entered, std::function<void()> left = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StepBack(int key);

  ui::Dialogs& dialogs_;
  QLineEdit* edit_;
  Map map_;
  bool stepBack_;
  std::function<void()> entered_;
  std::function<void()> left_;
};

}  // namespace editor
