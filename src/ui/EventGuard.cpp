#include "ui/EventGuard.h"

#include <QCoreApplication>
#include <exception>

namespace ui {

void RunGuarded(Dialogs& dialogs, const std::function<void()>& action) noexcept {
  QString failure;
  try {
    action();
    return;
  } catch (const std::exception& error) {
    failure = QString::fromUtf8(error.what());
  } catch (...) {
    failure = QCoreApplication::translate("EventGuard", "An unexpected error occurred.");
  }
  try {
    dialogs.Error(failure);
  } catch (...) {
    // The error box itself failed; there is nobody left to tell.
  }
}

}  // namespace ui
