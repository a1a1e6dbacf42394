// The real program's start-up in the current folder, for the tests of ending by signal. Once the
// event loop runs it opens the word editor for a new meaning and types a word into the English
// box; then, as the first argument says:
//   edit     moves a slider of the settings window without "Ok" (the editor stays open);
//   cancel   cancels the editor.
// It prints "ready <typed word>" and waits for its end.

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "ScriptedDialogs.h"
#include "app/Find.h"
#include "app/Startup.h"
#include "editor/Add.h"
#include "speech/Formshare.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("edit");
  test::ScriptedDialogs dialogs;
  app::Startup startup(dialogs);
  if (!startup.Create()) return 2;
  startup.Show();
  Instances& instances = startup.Created();
  QTimer::singleShot(0, [&instances, scenario] {
    instances.FormSelect->NNewClick();
    instances.FormAdd->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(instances.FormAdd));
    auto* english = instances.FormAdd->findChild<QLineEdit*>(QStringLiteral("DBEdit3"));
    english->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    for (const QChar key : QStringLiteral("house")) {
      QTest::sendKeyEvent(QTest::Click, english, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
    if (scenario == QStringLiteral("cancel")) {
      instances.FormSelect->N5Click();
    } else {
      instances.Share->show();
      auto* speed = instances.Share->findChild<QSlider*>(QStringLiteral("TrBarRU"));
      speed->setValue(speed->minimum() + 1);
    }
    std::cout << "ready " << english->text().toStdString() << std::endl;
  });
  return startup.Run(application);
}
