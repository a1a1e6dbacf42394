// Vocamir: a speaking dictionary and word drill for Russian, Hebrew and English.

#include <QApplication>

#include "app/QtDialogs.h"
#include "app/Startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::QtDialogs dialogs;
  return app::RunVocamir(application, dialogs);
}
