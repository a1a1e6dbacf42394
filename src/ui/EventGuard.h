#pragma once

// The boundary between Qt's event loop and the program's handlers. Qt must never see an
// exception: every handler connected to a signal runs inside RunGuarded, which catches whatever
// the handler throws (store::Error and every other std::exception), shows its text in the
// standard error box through the dialog seam, and returns so the program goes on.
//
//   connect(NNew, &QAction::triggered, this, Guarded(dialogs, [this] { NNewClick(); }));
//   connect(grid, &QAbstractItemView::clicked, this,
//           Guarded(dialogs, [this](const QModelIndex& index) { CellClick(index); }));
//
// A guarded handler takes the leading signal arguments its callable accepts, as a plain lambda
// would.

#include <concepts>
#include <functional>
#include <utility>

#include "ui/Dialogs.h"

namespace ui {

// Runs `action`; an escaping exception is reported through `dialogs` and swallowed.
void RunGuarded(Dialogs& dialogs, const std::function<void()>& action) noexcept;

template <class Handler>
class GuardedHandler {
 public:
  GuardedHandler(Dialogs& dialogs, Handler handler)
      : dialogs_(&dialogs), handler_(std::move(handler)) {}

  template <class... Args>
  requires std::invocable<Handler&, Args...>
  void operator()(Args&&... args) const {
    RunGuarded(*dialogs_, [&] { std::invoke(handler_, std::forward<Args>(args)...); });
  }

 private:
  Dialogs* dialogs_;
  mutable Handler handler_;
};

// Wraps a handler for connecting to a signal. `dialogs` must outlive the connection.
template <class Handler>
GuardedHandler<Handler> Guarded(Dialogs& dialogs, Handler handler) {
  return GuardedHandler<Handler>(dialogs, std::move(handler));
}

}  // namespace ui
