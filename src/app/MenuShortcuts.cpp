#include "app/MenuShortcuts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace app {

MenuShortcuts::MenuShortcuts(QMenuBar* bar) : QObject(bar), bar_(bar) {
  Record(bar->actions());
  Apply();
}

void MenuShortcuts::Record(const QList<QAction*>& actions) {
  for (QAction* action : actions) {
    if (QMenu* menu = action->menu()) {
      connect(action, &QAction::changed, this, [this] { Apply(); });
      Record(menu->actions());
    } else if (!action->shortcut().isEmpty()) {
      keys_.insert(action, action->shortcut());
    }
  }
}

void MenuShortcuts::Apply() { Apply(bar_->actions(), true); }

void MenuShortcuts::Apply(const QList<QAction*>& actions, bool offered) {
  for (QAction* action : actions) {
    if (QMenu* menu = action->menu()) {
      Apply(menu->actions(), offered && action->isVisible() && action->isEnabled());
    } else if (const auto key = keys_.constFind(action); key != keys_.constEnd()) {
      const QKeySequence live = offered ? *key : QKeySequence();
      if (action->shortcut() != live) action->setShortcut(live);
    }
  }
}

}  // namespace app
