// crash_driver OPERATION [TIMES]: starts the program on the working folder as app::Startup does,
// with scripted dialogs answering, runs one named operation through its window's real handler
// (TIMES times, for preparing dictionaries) and ends the program as "Exit" does. Its standard
// output tells the crash campaign how far it came:
//   "begin"  the operation's command starts (start-up and preparation are over);
//   "done"   the command has returned;
//   "end"    the program has closed its windows and its dictionary.
// Exit status 0; 2 for a wrong command line or a dictionary another program owns; 3 when a
// message box reported an error; 4 when the preparation failed.

#include <QApplication>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "Operations.h"
#include "ScriptedDialogs.h"
#include "app/Find.h"
#include "app/Startup.h"

namespace {

// One line, out at once: the campaign reads it after a kill.
void Say(const char* line) {
  std::fputs(line, stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

int Usage() {
  std::cerr << "usage: crash_driver OPERATION [TIMES]\noperations:\n";
  for (const crash::Operation& operation : crash::Operations()) {
    std::cerr << "  " << operation.Name << ": " << operation.Handler << '\n';
  }
  return 2;
}

// Writes the recorded message boxes to standard error; true when one of them was an error.
bool ReportMessages(const test::ScriptedDialogs& dialogs) {
  bool error = false;
  for (const ui::MessageRequest& message : dialogs.messages) {
    std::cerr << "message: " << message.text.toStdString() << '\n';
    error = error || message.kind == ui::BoxKind::Error;
  }
  return error;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2 || argc > 3) return Usage();
  const crash::Operation* operation = crash::FindOperation(argv[1]);
  const int times = argc == 3 ? std::atoi(argv[2]) : 1;
  if (operation == nullptr || times < 1) return Usage();

  QApplication application(argc, argv);
  test::ScriptedDialogs dialogs;
  {
    app::Startup startup(dialogs);
    if (!startup.Create()) {
      ReportMessages(dialogs);
      return 2;
    }
    startup.Show();
    QApplication::processEvents();
    Instances& instances = startup.Created();
    try {
      operation->Prepare(instances, dialogs);
    } catch (const std::exception& error) {
      ReportMessages(dialogs);
      std::cerr << operation->Name << ": " << error.what() << '\n';
      return 4;
    }
    QApplication::processEvents();
    Say("begin");
    for (int i = 0; i < times; ++i) operation->Run(instances, dialogs);
    QApplication::processEvents();
    Say("done");
    instances.FormSelect->NExitClick();
    QApplication::processEvents();
  }
  Say("end");
  return ReportMessages(dialogs) ? 3 : 0;
}
