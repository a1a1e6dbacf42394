// The real program's start-up in the current folder, for the test of ending by signal: once the
// event loop runs it opens the word editor, types a word into the English box, moves a slider of
// the settings window without "Ok", prints "ready <typed word>" and waits for its end.

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
  test::ScriptedDialogs dialogs;
  app::Startup startup(dialogs);
  if (!startup.Create()) return 2;
  startup.Show();
  Instances& instances = startup.Created();
  QTimer::singleShot(0, [&instances] {
    instances.FormSelect->NNewClick();
    instances.FormAdd->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(instances.FormAdd));
    auto* english = instances.FormAdd->findChild<QLineEdit*>(QStringLiteral("DBEdit3"));
    english->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    for (const QChar key : QStringLiteral("house")) {
      QTest::sendKeyEvent(QTest::Click, english, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
    instances.Share->show();
    auto* speed = instances.Share->findChild<QSlider*>(QStringLiteral("TrBarRU"));
    speed->setValue(speed->minimum() + 1);
    std::cout << "ready " << english->text().toStdString() << std::endl;
  });
  return startup.Run(application);
}
