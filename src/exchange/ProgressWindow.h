#pragma once

// The progress bar of a long export or import: a window-modal dialog with a Cancel button that
// appears once a run is known to hold more than kShownFrom units, and keeps the main window
// painted while it runs. Shorter runs show nothing.

#include <QPointer>
#include <QString>
#include <memory>

#include "exchange/Progress.h"

class QProgressDialog;
class QWidget;

namespace exchange {

class ProgressWindow {
 public:
  static constexpr int kShownFrom = 2000;

  ProgressWindow(QWidget* parent, QString label);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // The callback to hand to the export or import; it lives as long as this window.
  Progress Callback();

 private:
  bool Step(int done, int total);

  QPointer<QWidget> Parent;
  QString Label;
  std::unique_ptr<QProgressDialog> Dialog;
};

}  // namespace exchange
