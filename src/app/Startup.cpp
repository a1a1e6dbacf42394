#include "app/Startup.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTableView>
#include <exception>
#include <filesystem>

#include "Version.h"
#include "app/Abaut.h"
#include "app/EndSignals.h"
#include "app/Find.h"
#include "app/StartupProbe.h"
#include "editor/Add.h"
#include "game/Game.h"
#include "lesson/Formsele.h"
#include "lesson/print/QuickReport1.h"
#include "speech/EspeakEngine.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "store/Error.h"
#include "ui/AfterFirstPaint.h"
#include "ui/Dialogs.h"
#include "ui/EventGuard.h"
#include "ui/Icons.h"

namespace app {
namespace {

const QString kTitle = QString::fromLatin1(vocamir::kTitle);
const QString kStartFailure = QStringLiteral("Should be installed MS SPEECH API!!!");

}  // namespace

Startup::Startup(ui::Dialogs& dialogs) { instances_.Dialogs = &dialogs; }

// The windows go before the data module whose sources their grids show.
Startup::~Startup() {
  formSelect_.reset();
  dataModul_.reset();
}

bool Startup::Create() {
  ui::Dialogs& dialogs = *instances_.Dialogs;

  formSelect_ = std::make_unique<TFormSelect>(instances_);
  instances_.FormSelect = formSelect_.get();

  // The folder the program was started in may have been removed since.
  std::error_code folderError;
  const std::filesystem::path folder = std::filesystem::current_path(folderError);
  if (folderError) {
    dialogs.Error(QStringLiteral("The folder Vocamir was started in cannot be read: %1")
                      .arg(QString::fromStdString(folderError.message())));
    return false;
  }
  dataModul_ = std::make_unique<TDataModul>(folder);
  instances_.DataModul = dataModul_.get();
  try {
    dataModul_->DataModuleCreate();
  } catch (const store::FolderInUseError& error) {
    dialogs.Show({ui::BoxKind::Warning, QString::fromUtf8(error.what()), kTitle, ui::Buttons::Ok});
    return false;
  } catch (const std::exception& error) {
    dialogs.Error(QString::fromUtf8(error.what()));
  }
  formSelect_->AttachData();

  // The settings window reads vocamir.ini, counts the Hebrew words and sets up speech.
  instances_.Share = new TShare(instances_, speech::CreateEspeakEngines(), formSelect_.get());
  // The game window, in the client area under the pages until "Begin" shows it.
  instances_.FormGame = new TFormGame(instances_, formSelect_->ClientArea);
  // The lesson list window, inside the client area under the pages.
  instances_.FormSel = new TFormSel(instances_, formSelect_->ClientArea);
  // The word editor, hidden until "Add word" or "Edit word" opens it.
  instances_.FormAdd = new TFormAdd(instances_, formSelect_.get());
  // The printed lesson list; its table opens on the first print.
  quickReport1_ = std::make_unique<lesson::TQuickReport1>();
  instances_.QuickReport1 = quickReport1_.get();

  instances_.FormHelp = new TFormHelp(instances_, formSelect_.get());
  return true;
}

// Maximised: the window takes the screen's available area also where no window manager would
// maximise it.
void Startup::Show() {
  if (const QScreen* screen = QApplication::primaryScreen()) {
    formSelect_->setGeometry(screen->availableGeometry());
  }
  formSelect_->showMaximized();
  // The word indexes are built once the dictionary is on screen, so that the first search is as
  // quick as every later one and the window does not wait for them.
  TDataModul* data = instances_.DataModul;
  ui::AfterFirstPaint(*formSelect_->DBGrid3->viewport(),
                      ui::Guarded(*instances_.Dialogs, [data] { data->BuildWordIndexes(); }));
  instances_.FormHelp->show();
  instances_.FormHelp->raise();
}

int Startup::Run(QApplication& application) {
  TFormSelect* window = formSelect_.get();
  const auto closeMain = [window] {
    if (window->isVisible()) window->NExitClick();
  };
  QObject::connect(&application, &QCoreApplication::aboutToQuit, window, closeMain);
  const EndSignals endSignals([closeMain] {
    closeMain();
    QCoreApplication::exit(0);
  });
  return application.exec();
}

int RunVocamir(QApplication& application, ui::Dialogs& dialogs) {
  QApplication::setApplicationName(kTitle);
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  QApplication::setWindowIcon(ui::ApplicationIcon(QDir::currentPath()));
  try {
    Startup startup(dialogs);
    if (!startup.Create()) return 1;
    ArmStartupProbe(*startup.Created().FormSelect);
    startup.Show();
    return startup.Run(application);
  } catch (const std::exception&) {
  } catch (...) {
  }
  dialogs.Show({ui::BoxKind::Error, kStartFailure, kTitle, ui::Buttons::OkCancel});
  return 1;
}

}  // namespace app
