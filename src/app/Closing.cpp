// Closing the main window, "Exit", "Abaut" and the hand-over to the notification-area icon.

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QTimer>

#include "app/Abaut.h"
#include "app/Find.h"
#include "app/TrayIcon.h"
#include "editor/Add.h"
#include "game/Game.h"
#include "lesson/Formsele.h"
#include "speech/Formshare.h"
#include "ui/Instances.h"

void TFormSelect::NExitClick() { close(); }

void TFormSelect::N3Click() {
  auto* about = new TFormHelp(instances_, this);
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->show();
}

// The mode is judged by the menus: "Learn words" and "Game" are both hidden only while a word
// is being edited; "Learn words" alone is hidden in the game.
void TFormSelect::FormClose() {
  const bool lessonsHidden = !NTich->menuAction()->isVisible();
  const bool editing = lessonsHidden && !NGame->menuAction()->isVisible();
  const bool playing = lessonsHidden && NGame->menuAction()->isVisible();
  if (lessonsHidden && instances_.FormSel != nullptr) instances_.FormSel->hide();
  if (editing && instances_.FormAdd != nullptr) instances_.FormAdd->hide();
  if (playing && instances_.FormGame != nullptr) instances_.FormGame->hide();
  if (instances_.Share != nullptr) instances_.Share->hide();
}

void TFormSelect::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TFormSelect::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    // Hiding the window from inside its own state change confuses some window managers.
    QTimer::singleShot(0, DCMinTray1, &app::TrayIcon::WindowMinimised);
  }
}
