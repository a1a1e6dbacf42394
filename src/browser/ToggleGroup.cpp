#include "browser/ToggleGroup.h"

#include <QAbstractButton>

namespace browser {

void ToggleGroup::Add(QAbstractButton* button) {
  button->setCheckable(true);
  buttons_.append(button);
  connect(button, &QAbstractButton::toggled, this,
          [this, button](bool down) { Pressed(button, down); });
}

void ToggleGroup::Pressed(QAbstractButton* button, bool down) {
  if (!down) return;
  for (QAbstractButton* other : buttons_) {
    if (other != button) other->setChecked(false);
  }
}

}  // namespace browser
