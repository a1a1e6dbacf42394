#pragma once

// The real dialog seam: QMessageBox, QFileDialog and QPrintPreviewDialog, modal over the active
// window.

#include "app/Dialogs.h"

namespace app {

class QtDialogs final : public Dialogs {
 public:
  Answer Show(const MessageRequest& request) override;
  QString OpenFileName(const FileRequest& request) override;
  QString SaveFileName(const FileRequest& request) override;
  void PrintPreview(const std::function<void(QPrinter&)>& render) override;
};

}  // namespace app
