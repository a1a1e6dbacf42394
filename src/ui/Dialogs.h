#pragma once

// The one seam through which the program asks the user anything: message boxes, the open and
// save file dialogs and the print preview. Windows never create a QMessageBox or QFileDialog
// themselves; they call the Dialogs they were given, so tests can install a scripted one that
// records each question and answers it without ever showing a modal window.

#include <QString>
#include <functional>

class QPrinter;

namespace ui {

// The icon and the default caption of a message box.
enum class BoxKind {
  Information,  // a plain message
  Error,        // the standard error box of a failed command
  Question,     // a confirmation
  Warning,      // a message after which the program ends or refuses to go on
};

// The buttons a message box offers.
enum class Buttons { Ok, OkCancel, YesNo, Yes };

// The button the user pressed. Closing a box without pressing a button gives Cancel for an
// OK/Cancel box and No for a Yes/No or Yes-only box.
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
  BoxKind kind = BoxKind::Information;
  QString text;
  QString caption;  // empty: the application's title
  Buttons buttons = Buttons::Ok;
};

// An open or save file dialog. The filter uses the "description|pattern|description|pattern"
// notation; the default extension is appended to a typed name that has none.
struct FileRequest {
  QString caption;
  QString defaultExtension = QStringLiteral("xml");
  QString filter = QStringLiteral("XML|*.xml");
  QString directory;  // empty: the current working directory
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box and returns the button pressed.
  virtual Answer Show(const MessageRequest& request) = 0;
  // The chosen file's full path, or an empty string when the user cancelled.
  virtual QString OpenFileName(const FileRequest& request) = 0;
  virtual QString SaveFileName(const FileRequest& request) = 0;
  // Shows the print preview; `render` draws the pages onto the printer it is given, as often as
  // the preview needs them (once more when the user prints from the preview).
  virtual void PrintPreview(const std::function<void(QPrinter&)>& render) = 0;

  // Conveniences over Show.
  void Message(const QString& text, const QString& caption = {});
  void Error(const QString& text);
  // True only when the user answers Yes.
  bool AskYesNo(const QString& text, const QString& caption = {});
  // A confirmation with the single button Yes; true when it was pressed.
  bool AskYes(const QString& text, const QString& caption = {});
  // True only when the user answers OK.
  bool AskOkCancel(const QString& text, const QString& caption = {},
                   BoxKind kind = BoxKind::Question);
};

// "XML|*.xml|All|*.*" -> "XML (*.xml);;All (*.*)", the notation of Qt's file dialogs.
QString ToQtFilter(const QString& filter);

}  // namespace ui
