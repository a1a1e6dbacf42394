#pragma once

// The settings window TShare (single instance Share) with the program's speech.
//
// The window chooses each language's voice and speed and the Hebrew verb forms the verb table
// shows, and shows how many Hebrew words of each part of speech the dictionary held at start.
// The same object carries the three engine instances, the speech queue and the speak routines
// every other window uses. It is created hidden at start-up, after the data module, and lives
// until the program ends; the menu only shows and hides it.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QString>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "speech/Engine.h"
#include "speech/SettingsFile.h"
#include "speech/SpeechQueue.h"
#include "speech/SpeechService.h"
#include "text/Language.h"
#include "ui/Instances.h"

class TShare : public QWidget {
  Q_OBJECT

 public:
  // Builds the window hidden and runs FormCreate: reads the settings file of the current working
  // directory, counts the Hebrew words of the data module by part of speech (leaving its table on
  // the last record), checks the verb forms and sets up `engines`. An engine error during the
  // set-up is shown through the dialog seam and switches speech off for the run; the window is
  // usable either way. `instances` must hold the dialog seam and the open data module; "Ok"
  // rebuilds the word editor's verb grid when Instances::FormAdd is set by then.
  TShare(Instances& instances, speech::EngineSet engines, QWidget* parent = nullptr);
  ~TShare() override;

  // --- speech, used by every window ---

  // The program's speech: the engine instances, the queue, the speak routines. The members below
  // are its names in the program's windows.
  speech::SpeechService& Speech() { return speech_; }

  // True when at start the Russian instance reported at least one mode and no engine query
  // failed. Never changes afterwards.
  bool SpeechAvailable() const { return speech_.SpeechAvailable(); }

  speech::Engine& DSpeechRU() const { return speech_.RU(); }
  speech::Engine& DSpeechHE() const { return speech_.HE(); }
  speech::Engine& DSpeechEN() const { return speech_.EN(); }

  // Speak a single-byte text at once on the language's instance (see speech/Speak.h), without
  // checking SpeechAvailable and without waiting for another instance.
  void SpeakRU(std::string_view text);
  void SpeakHE(std::string_view text);
  void SpeakEN(std::string_view text);

  // The text to speak for a word (see speech/SpeechText.h).
  static std::string SpeechText(text::Language language, const std::optional<std::string>& hint,
                                const std::optional<std::string>& written);

  // Asks for speech through the queue: the text waits until the other two languages are silent;
  // a later request for the same language replaces it. Switches TimerSpeech on.
  void QueueSpeech(text::Language language, std::string text);

  // Leaves `text` as the language's queue text without asking the queue for speech.
  void SetPendingText(text::Language language, std::string text);

  // The queue with its pending flags and texts (PendingRU(), PendingTextRU(), ...).
  const speech::SpeechQueue& Queue() const { return speech_.Queue(); }

  // The queue's timer, 500 ms, off at start; runs only while something may wait or speak.
  QTimer* TimerSpeech;
  // One tick of the queue (see speech/SpeechQueue.h).
  void TimerSpeechTimer();

  // --- settings ---

  // The folder of the settings file: the working directory when the window was created.
  // Which verb forms the verb table shows: at least 28 characters, character i "1" when form i is
  // shown. Changed only by "Ok".
  const std::string& VerbFormMask() const { return settings_.VerbFormMask; }
  // The learner's review settings of the settings file, read at creation (defaults where the
  // file has none or an unusable one, which is then reported); changed by "Ok".
  const speech::ReviewSettings& Review() const { return review_; }

  // Select a page and show the window (the menu items Speech1, Verbs1, Information1).
  void ShowPage(QWidget* page);

  // --- the window's components ---

  QTabWidget* PageControl1;
  QWidget* TabSheetSpeech;
  QWidget* TabSheetGlagol;
  QWidget* TabSheet1;
  QWidget* TabSheetReview;
  QPushButton* BtOk;
  QPushButton* BtCancel;

  QGroupBox* GroupBox1;
  QPushButton* Button1;  // "Russion"
  QPushButton* Button3;  // "Hebrew"
  QPushButton* Button2;  // "English"
  QLabel* Label9;
  QSlider* TrBarRU;
  QSlider* TrBarHE;
  QSlider* TrBarEN;
  QComboBox* CBSpeakerRU;
  QComboBox* CBSpeakerHE;
  QComboBox* CBSpeakerEN;
  // Hidden, parallel to the voice lists: the engine mode number of the voice at the same position.
  QComboBox* CBoxRUNumb;
  QComboBox* CBoxHENumb;
  QComboBox* CBoxENNumb;
  QGroupBox* GroupBox2;

  QLabel* Label1;
  QListWidget* CheckListBoxHE;

  QLineEdit* EditGlagol;
  QLineEdit* EditSus;
  QLineEdit* EditPril;
  QLineEdit* EditMest;
  QLineEdit* EditWords;
  QLineEdit* EditOzer;
  QLineEdit* EditCount;

  // The review settings: the desired retention and the new words "Mark Due Words" takes a day.
  QDoubleSpinBox* SpinRetention;
  QSpinBox* SpinNewWords;

  // --- handlers ---

  void CBSpeakerRUChange();
  void CBSpeakerHEChange();
  void CBSpeakerENChange();
  void TrBarRUChange();
  void TrBarHEChange();
  void TrBarENChange();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void BtOkClick();
  void BtCancelClick();

 private:
  void FormCreate();
  void BuildWindow();
  void ConnectHandlers();
  // The saved voices and speeds selected by the service, shown in the lists and sliders; throws
  // on any engine error.
  void SetUpEngines();
  // A voice was chosen in `voices`: select its mode and set the slider from the engine.
  void VoiceChosen(QComboBox* voices, QComboBox* numbers, QSlider* slider, speech::Engine& engine);
  QString SettingsPath() const;

  Instances& instances_;

  speech::SpeechService speech_;
  QString settingsFolder_;
  speech::Settings settings_;
  speech::ReviewSettings review_;
  // The review settings as the page showed them at creation or last "Ok" (a retention with more
  // decimals than the page shows is rounded there): "Ok" writes them only when they differ.
  speech::ReviewSettings reviewShown_;
};
