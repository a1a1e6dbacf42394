#pragma once

// TFormHelp, the About window (unit Abaut): product name, purpose, a picture, the number of Hebrew
// words in the dictionary when the window was created, and the maker's contact. It stays on top
// of the main window; "Ok" closes it.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
struct Instances;

class TFormHelp : public QDialog {
  Q_OBJECT

 public:
  // Takes the word count from Hewords now; it does not change afterwards.
  explicit TFormHelp(Instances& instances, QWidget* parent = nullptr);

  QLabel* ProductName;
  QLabel* Purpose;
  QLabel* Systems;
  QLabel* Picture;
  QLabel* CountBefore;
  QLineEdit* EditCount;
  QLabel* CountAfter;
  QLabel* Contact;
  QPushButton* OKButton;
};
