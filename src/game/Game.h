#pragma once

// TFormGame (single instance FormGame): the translation typing game's window, a child window in
// the main window's client area. It shows the word to translate, the answer as uncovered so far,
// two gauges and an on-screen keyboard of 33 letter keys and a space bar whose captions follow
// the active layout. The game itself is game::TypingGame; this window draws its state after each
// command and forwards the presses of its keys and of the computer's keyboard to it.
//
// The computer's keys press the on-screen key in the same place whatever layout the system has
// active; a key counts when it is released. Delete, End and Page Down speak the current entry in
// Russian, Hebrew and English.

#include <QWidget>
#include <array>
#include <string>

#include "game/Direction.h"
#include "game/TypingGame.h"
#include "ui/Instances.h"

class QFrame;
class QKeyEvent;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace ui {
class DisplayOrderEdit;
}

class TFormGame : public QWidget, private game::GameSink {
  Q_OBJECT

 public:
  // Builds the window hidden and runs FormCreate (an error there is shown through the dialog
  // seam). `instances` must hold the dialog seam and the data module, and the settings object
  // before anything is spoken.
  TFormGame(Instances& instances, QWidget* parent = nullptr);
  ~TFormGame() override;

  // The start routine: counts the lesson list anew, clears the last result and the texts, selects
  // the layout of the current direction and starts a new pass. Run again by "Begin".
  void FormCreate();
  // Starts a new pass in the other order of the list.
  void NewPass();
  // A click on a key, or its PC key released: 1 to 33, or 35 for the space bar.
  void PressKey(int key);
  // Makes `direction` current and starts a new pass.
  void ChooseDirection(game::Direction direction);
  // Queues the speech of the current entry in `language`.
  void SpeakEntry(text::Language language);
  // A key of the computer's keyboard was released while the window had the focus.
  void BT1KeyUp(const QKeyEvent& event);

  // Select the keyboard layout of the keys.
  void SpButtonRUClick();
  void SpButtonHEClick();
  void SpButtonENClick();

  const game::TypingGame& Game() const { return game_; }

  // ---- Components ----
  QProgressBar* Indi;              // result of the last finished pass, percent
  QProgressBar* IndiErr;           // entries finished in the current pass
  ui::DisplayOrderEdit* MemoTest;  // the word to translate
  ui::DisplayOrderEdit* MemoKey;   // the answer as uncovered so far
  QFrame* Panel1;
  std::array<QPushButton*, game::kLetterKeys> BT;  // BT1 to BT33
  QPushButton* Button1;                            // the space bar
  QFrame* Panel2;                                  // never visible
  QToolButton* SpButtonRU;
  QToolButton* SpButtonHE;
  QToolButton* SpButtonEN;

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildWindow();
  void ShowLayout(game::Layout layout);
  // Draws the texts and gauges from the game's state.
  void Redraw();

  // game::GameSink
  void Speak(text::Language language, std::string text) override;
  void PassFinished(int result) override;
  void EntryUnreadable() override;

  Instances& instances_;
  game::TypingGame game_;
};
