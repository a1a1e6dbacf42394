#pragma once

// A data-aware one-line text box: binds a QLineEdit (or a display-order edit) to one field of the
// current record of a data source. The box shows the field of whatever record is current; text
// typed into it is written into the field at once, and a table in browse state is put into edit
// state first, as typing into any data-aware box does. The box takes only characters the field's
// code page can store, and after a write that fails it shows the stored value again. After each
// write `edited` runs, so the editor can keep dependent fields in step.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QLineEdit;

namespace ui {
class Dialogs;
class DisplayOrderEdit;
}  // namespace ui

namespace store {
class DataSource;
}

namespace editor {

class FieldBinding : public QObject {
 public:
  // `source`, `edit` and `dialogs` must outlive the binding. A failed write is reported through
  // `dialogs` (the event boundary). `maxLength` limits typing: a longer stored value is shown and
  // kept whole, and typing never makes the text longer than the limit or the value loaded.
  FieldBinding(ui::Dialogs& dialogs, store::DataSource& source, std::string fieldName,
               QLineEdit* edit, int maxLength, std::function<void()> edited = {});

  // Shows the field of the current record again (keeping the caret where it was when it fits).
  void Reload();

  // The box's text, without any display mark.
  QString Text() const;

 private:
  void SetBoxText(const QString& text);
  // Lets the box hold `textLength` characters, or the limit when that is more (on loading).
  void AllowLength(int textLength);
  void Written(const QString& text);
  // Puts the table into edit state when it browses, keeping the typed text in the box.
  void StartEdit();

  ui::Dialogs& dialogs_;
  store::DataSource& source_;
  std::string fieldName_;
  QLineEdit* edit_;
  ui::DisplayOrderEdit* ordered_;  // edit_ when it is a display-order edit, else null
  int maxLength_;
  int allowedLength_ = -1;  // the box's current limit
  std::function<void()> edited_;
  bool loading_ = false;
  bool starting_ = false;  // StartEdit is running: the box keeps what was typed
};

}  // namespace editor
