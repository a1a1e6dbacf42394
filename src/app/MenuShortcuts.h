#pragma once

// The reach of the main menu's shortcuts. A command answers its key exactly when the menu offers
// it: the item itself is enabled and visible, and so is every menu above it. The toolkit looks at
// the item alone, so the items of a hidden or disabled menu would still answer their keys; this
// takes the key off every item whose menus do not offer it and gives it back as soon as they do.

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMenuBar;

namespace app {

class MenuShortcuts : public QObject {
 public:
  // Takes over the shortcuts the items under `bar` carry now and from then on follows every change
  // of the visibility or enabled state of the menus. The object is a child of `bar`.
  explicit MenuShortcuts(QMenuBar* bar);

 private:
  void Record(const QList<QAction*>& actions);
  void Apply();
  void Apply(const QList<QAction*>& actions, bool offered);

  QMenuBar* bar_;
  QHash<QAction*, QKeySequence> keys_;
};

}  // namespace app
