#pragma once

// A group of toggle buttons of which at most one is down: pressing a button releases the others,
// and pressing the button that is down releases it, leaving none down. The group changes only the
// buttons' look; the buttons' own click handlers run as usual.

#include <QList>
#include <QObject>

class QAbstractButton;

namespace browser {

class ToggleGroup : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Makes `button` checkable and a member of the group.
  void Add(QAbstractButton* button);

 private:
  void Pressed(QAbstractButton* button, bool down);

  QList<QAbstractButton*> buttons_;
};

}  // namespace browser
