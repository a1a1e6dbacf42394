// Vocamir: a speaking dictionary and word drill for Russian, Hebrew and English.

#include <QApplication>
#include <iostream>

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "ui/QtDialogs.h"

int main(int argc, char* argv[]) {
  if (const auto status = app::AnswerCommandLine({argv + 1, argv + argc}, std::cout)) {
    return *status;
  }
  QApplication application(argc, argv);
  // The toolkit has taken its own options out of argv; whatever is left is not understood.
  if (const int status = app::RejectLeftovers({argv + 1, argv + argc}, std::cerr)) return status;
  ui::QtDialogs dialogs;
  return app::RunVocamir(application, dialogs);
}
