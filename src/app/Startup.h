#pragma once

// Start-up: creates the program's single instances in their order, shows the main window and
// runs the event loop until it closes.

#include <memory>

#include "ui/Instances.h"

class QApplication;

namespace ui {
class Dialogs;
}

namespace app {

class Startup {
 public:
  // `dialogs` must outlive the object.
  explicit Startup(ui::Dialogs& dialogs);
  ~Startup();
  Startup(const Startup&) = delete;
  Startup& operator=(const Startup&) = delete;

  // Creates, in this order, FormSelect, DataModul (opening its tables; an error there is shown
  // and start-up goes on), Share, FormGame, FormSel, FormAdd and FormHelp. Returns false when the
  // program must end at once: another running program owns the data folder (the user has been
  // told). Other errors escape to the caller.
  bool Create();
  // Shows the main window maximised and the About window above it.
  void Show();
  // Runs the event loop until the main window closes. SIGTERM, SIGINT, SIGHUP and the end of the
  // desktop session close the main window the way "Exit" does and end the loop; the pending
  // edits are stored when the data module goes with this object.
  int Run(QApplication& application);

  Instances& Created() { return instances_; }

 private:
  Instances instances_;
  std::unique_ptr<TFormSelect> formSelect_;
  std::unique_ptr<TDataModul> dataModul_;
  std::unique_ptr<lesson::TQuickReport1> quickReport1_;
};

// The whole program: application title and icon, Startup, the event loop. Any error that escapes
// start-up ends the program after the message "Should be installed MS SPEECH API!!!".
int RunVocamir(QApplication& application, ui::Dialogs& dialogs);

}  // namespace app
