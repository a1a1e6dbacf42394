#pragma once

// TFormSel, the lesson list window (single instance FormSel): the lesson's options (passes, mode,
// languages and repetitions), the lesson list in a grid, and the large display MShow that shows
// the word being presented over the option band. It lives inside the main window's client area
// from start-up on and is shown by "Begin Lesson".
//
// The window is the lesson's display: the player (see lesson/LessonPlayer.h) reads the options
// from its boxes and shows words in MShow. The main window owns the two lesson timers and the
// commands that start and pause a lesson; each tick reaches Player here.

#include <QFrame>
#include <memory>

#include "lesson/LessonPlayer.h"
#include "ui/Instances.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

class TFormSel : public QFrame, public lesson::LessonDisplay {
  Q_OBJECT

 public:
  // Needs the open data module and the settings object (for speech) in `instances`.
  TFormSel(Instances& instances, QWidget* parent);
  ~TFormSel() override;

  QLabel* Label5;  // "To repeat a lesson:"
  QLineEdit* EdALL;
  QLabel* Label6;  // "Mode"
  QComboBox* CBReg;
  QCheckBox* CBSoundRU;
  QCheckBox* CBSoundHE;
  QCheckBox* CBSoundEN;
  QLineEdit* EdRU;
  QLineEdit* EdHE;
  QLineEdit* EdEN;
  QTableView* DBGrid1;  // SELEWORDS
  QLabel* MShow;        // the word being presented

  // The lesson's state and steps.
  lesson::LessonPlayer& Player() { return *player_; }

  // The window came to the front: the next tick starts from the first record, in mode 0.
  void FormActivate();
  void CBRegChange();

  // --- lesson::LessonDisplay ---
  bool LanguageOn(lesson::Language language) const override;
  std::string CountText(lesson::CountBox box) const override;
  void ResetCountTexts() override;
  void SetWordText(lesson::Language language, const std::string& word) override;
  void SetWordVisible(bool visible) override;
  void LessonFinished() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  class ShareSpeech;
  void LayOut();
  QLineEdit* CountBox(lesson::CountBox box) const;

  Instances& instances_;
  std::unique_ptr<ShareSpeech> speech_;
  std::unique_ptr<lesson::LessonPlayer> player_;
};
