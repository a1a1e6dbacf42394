#include "browser/ToggleGroup.h"

#include <QAbstractButton>

namespace browser {

void ToggleGroup::Add(QAbstractButton* button) {
  button->setCheckable(true);
  buttons_.append(button);
  connect(button, &QAbstractButton::toggled, this,
          [this, button](bool down) { Pressed(button, down); });
}

void ToggleGroup::ReleaseAll() {
  for (QAbstractButton* button : buttons_) button->setChecked(false);
}

QAbstractButton* ToggleGroup::Down() const {
  for (QAbstractButton* button : buttons_) {
    if (button->isChecked()) return button;
  }
  return nullptr;
}

void ToggleGroup::Pressed(QAbstractButton* button, bool down) {
  if (!down) return;
  for (QAbstractButton* other : buttons_) {
    if (other != button) other->setChecked(false);
  }
}

}  // namespace browser
