#pragma once

// The real dialog seam: QMessageBox, QFileDialog and QPrintPreviewDialog, modal over the window
// the user works in.

#include "ui/Dialogs.h"

class QWidget;

namespace ui {

// The window a message box or file dialog opens over: the active window, unless one of the
// program's always-on-top windows (the word editor, the settings window) is showing in front of
// it; a box owned by the window behind would open beneath that one, holding the keyboard unseen.
// Null when no window of the program is active or on top.
QWidget* DialogOwner();

class QtDialogs final : public Dialogs {
 public:
  Answer Show(const MessageRequest& request) override;
  QString OpenFileName(const FileRequest& request) override;
  QString SaveFileName(const FileRequest& request) override;
  void PrintPreview(const std::function<void(QPrinter&)>& render) override;
};

}  // namespace ui
