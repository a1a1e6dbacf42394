#include "exchange/ProgressWindow.h"

#include <QProgressDialog>

namespace exchange {

ProgressWindow::ProgressWindow(QWidget* parent, QString label)
    : Parent(parent), Label(std::move(label)) {}

ProgressWindow::~ProgressWindow() = default;

Progress ProgressWindow::Callback() {
  return [this](int done, int total) { return Step(done, total); };
}

bool ProgressWindow::Step(int done, int total) {
  if (total <= kShownFrom) return true;
  if (!Dialog) {
    Dialog = std::make_unique<QProgressDialog>(Label, QStringLiteral("Cancel"), 0, total, Parent);
    Dialog->setObjectName(QStringLiteral("ExchangeProgress"));
    Dialog->setWindowModality(Qt::WindowModal);
    Dialog->setMinimumDuration(0);
    Dialog->setAutoClose(false);
    Dialog->setAutoReset(false);
  }
  // A window-modal progress dialog lets the event loop run here, so the windows stay painted
  // and the Cancel button answers.
  Dialog->setValue(done);
  return !Dialog->wasCanceled();
}

}  // namespace exchange
