#pragma once

// TFormSelect, the main window (single instance FormSelect): the dictionary browser with its three
// language pages, and the frame of everything else. It owns the main menu, the tool bars, the
// theme list, the status bar and the notification-area icon, and switches between the four modes
// (dictionary, word editing, lesson, game) with SetWorkMode.
//
// Every component is a named member whose objectName is the member's name. The member functions
// are defined in the folder of the subsystem that owns them (see the sections below); each
// handler connected to a signal runs inside the event guard (ui/EventGuard.h).
//
// Other folders add member declarations only inside the section marked for their folder.

#include <QChar>
#include <QMainWindow>
#include <QString>

#include "text/Language.h"
#include "ui/Dialogs.h"

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QLineEdit;
class QMenu;
class QMenuBar;
class QModelIndex;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class QToolBar;
class QToolButton;
class TFormProgress;
struct Instances;

namespace app {
class TrayIcon;
}  // namespace app

namespace ui {
class DisplayOrderEdit;
class PanelStatusBar;
}  // namespace ui

namespace browser {
class ToggleGroup;
struct StatusTexts;
}  // namespace browser

namespace dictionary {
struct WordTables;
}  // namespace dictionary

namespace game {
enum class Direction;
}

namespace text {
enum class KeyBox;
}

class TFormSelect : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window with every component in its start state (FormCreate included). The data
  // module does not exist yet: AttachData binds the grids once start-up has created it.
  explicit TFormSelect(Instances& instances, QWidget* parent = nullptr);
  ~TFormSelect() override;

  // Binds the three grids to RUWORDS, Hewords and ENWORDS through the data module's sources.
  void AttachData();

  // ---- Main menu ----
  QMenuBar* Menu;
  QMenu* NTransl;  // "Dictionary"
  QAction* NNew;
  QAction* NEdit;
  QAction* NSelect;
  QAction* NDel;
  QAction* N2;
  QMenu* N7;  // "Sound"
  QAction* N8;
  QAction* N10;
  QAction* N11;
  QAction* N6;
  QMenu* NInfo;  // "Data"
  QAction* N4;
  QAction* N5;
  QAction* N13;
  QAction* Exportdata1;
  QAction* Importdata1;
  QMenu* NTich;  // "Learn words"
  QAction* NTeachBegin;
  QAction* NMarkDue;  // "Mark Due Words"
  QAction* NVocamirClose;
  QAction* N19;
  QAction* NTalk;
  QAction* NPausa;
  QAction* Print1;
  QAction* NProgress;
  QAction* N22;
  QAction* NVocamirDel;
  QAction* NVocamirDelAll;
  QMenu* NGame;  // "Game"
  QAction* NGameBegin;
  QAction* NGameClose;
  QAction* N20;
  QMenu* NGameType;  // "Mode"
  QAction* NRUHE;
  QAction* NHERU;
  QAction* NRUEN;
  QAction* NENRU;
  QAction* NENHE;
  QAction* NHEEN;
  QMenu* NGameSpeak;  // "Speack"
  QAction* NSoundHE;
  QAction* NSoundRU;
  QAction* NSoundEN;
  QMenu* Settings1;  // "Settings"
  QAction* Speech1;
  QAction* Verbs1;
  QAction* Information1;
  QMenu* N9;  // "Help"
  QAction* N3;
  QAction* NExit;

  // ---- Tool bars ----
  QToolBar* Menu1;  // dictionary
  QToolButton* SpeedButton11;
  QToolButton* SpeedButton10;
  QToolButton* SpeedButton9;
  QToolButton* SpeedButton8;
  QToolBar* MenuSound;  // speech switches and part-of-speech filters
  QToolButton* SpeedButton1;
  QToolButton* SpeedButton4;
  QToolButton* SpeedButton5;
  QToolButton* SpBVerb;
  QToolButton* SpBNoun;
  QToolButton* SpBAdjective;
  QToolButton* SpBServ;
  QToolButton* SpBSent;
  QToolButton* SpBOther;
  QToolButton* SpeedButton23;
  QToolBar* Menu2;  // word editing
  QToolButton* SpeedButton3;
  QToolButton* SpeedButton19;
  QToolBar* Menu3;  // lesson
  QToolButton* SpeedButton6;
  QToolButton* SpeedButton12;
  QToolButton* SPSpeak1;
  QToolButton* SpeedButton16;
  QToolBar* Menu5;  // game
  QToolButton* SPSoundRU;
  QToolButton* SPSoundHE;
  QToolButton* SPSoundEN;
  QToolButton* SpeedButton2;
  QFrame* ToolBarFilter;  // empty strip shown and hidden with the theme list
  QComboBox* CBTheme;     // "All" and the 15 themes
  QPushButton* BitBtn1;   // "Deselect"

  // ---- Language pages ----
  QTabWidget* PageControl1;
  QWidget* SheetRU;
  QWidget* SheetHE;
  QWidget* SheetEN;
  QLineEdit* Edit3;               // Russian search
  ui::DisplayOrderEdit* Memo1;    // Hebrew word search
  ui::DisplayOrderEdit* Memo2;    // Hebrew root search
  QLineEdit* Edit1;               // English search
  QTableView* DBGrid3;            // RUWORDS
  QTableView* DBGrid2;            // Hewords
  QTableView* DBGrid1;            // ENWORDS
  ui::PanelStatusBar* StatusBar;  // two panels

  // The area under the pages that holds the lesson list and game windows; the pages cover it.
  QWidget* ClientArea;

  // ---- Timers, file dialogs, notification-area icon ----
  QTimer* TimerSelSpeech;      // 100 ms, off at start
  QTimer* TimerWithautSpeech;  // 1300 ms, off at start
  ui::FileRequest ExportData;
  ui::FileRequest ImportData;
  app::TrayIcon* DCMinTray1;

  // The language whose keyboard mapping the search boxes use: the page shown last.
  text::Language InputLanguage = text::Language::Russian;

  // ==== src/app: start-up, modes, layout, closing, About ====

  // Switches to mode 1 (word editing), 2 (lesson) or 4 (game), or back to the dictionary when
  // `leave` is true. Changes exactly the menu items, tool bars and pages of that mode.
  void SetWorkMode(int mode, bool leave);
  // Lays out the pages, grids, boxes, tool bars, theme list, status bar panels and child windows
  // from the window's current width and height. Runs on every resize and before the first show.
  void FormPaint();
  void NExitClick();
  void N3Click();  // "Abaut": a new About window each time

  // ==== src/browser: pages, search, translation display, filters, word commands ====

  void SheetRUShow();
  void SheetHEShow();
  void SheetENShow();
  // Search boxes: the text changed.
  void Edit3Change();
  void Memo1Change();
  void Memo2Change();
  void Edit1Change();
  // Search boxes: a character was typed; `key` is replaced by the letter of the current input
  // language unless the box lets it pass. A null character drops the key.
  void Edit3KeyPress(QChar& key);
  void Memo1KeyPress(QChar& key);
  void Memo2KeyPress(QChar& key);
  void Edit1KeyPress(QChar& key);
  // Hebrew search boxes: a key was released (caret step-back).
  void Memo1KeyUp(int key);
  void Memo2KeyUp(int key);
  // Grids: a key was released (Up and Down show the translation).
  void DBGrid3KeyUp(int key);
  void DBGrid2KeyUp(int key);
  void DBGrid1KeyUp(int key);
  // Translation display of the current record of RUWORDS, Hewords or ENWORDS.
  void ShowTranslationRU();
  void ShowTranslationHE();
  void ShowTranslationEN();
  // The grids' column of the lesson mark (column 0 is the word).
  static constexpr int kMarkColumn = 1;
  // Grids: a cell of `column` was clicked; in the mark column it toggles the meaning's marks.
  void DBGrid3CellClick(int column);
  void DBGrid2CellClick(int column);
  void DBGrid1CellClick(int column);
  void DBGrid3DblClick();
  void DBGrid2DblClick();
  void DBGrid1DblClick();
  void DBGrid2ColEnter();
  void DBGrid1ColEnter();
  // Filters.
  void ApplyPartFilter(const QString& partCode, int themePosition);
  void ApplyFilters();
  void CBThemeChange();
  void SpBVerbClick();
  void SpBNounClick();
  void SpBAdjectiveClick();
  void SpBServClick();
  void SpBSentClick();
  void SpBOtherClick();
  void SpeedButton23Click();
  // Word commands.
  void NSelectClick();
  void NDelClick();
  void BitBtn1Click();

  // ==== src/browser/EditCommands.cpp (word editor): add, edit, save, cancel ====

  void NNewClick();
  void NEditClick();
  void N4Click();  // "Save"
  void N5Click();  // "Cancel"

  // ==== src/speech/FindSound.cpp: auto-speak switches and the settings window ====

  // N8, N10 and N11 are checkable; their check marks change only inside these handlers (the
  // menu's own toggle is undone before the handler runs).
  void N8Click();
  void N10Click();
  void N11Click();
  void Speech1Click();
  void Verbs1Click();
  void Information1Click();

  // ==== src/exchange/FindExchange.cpp: XML export and import ====

  void Exportdata1Click();
  void Importdata1Click();

  // ==== src/game/FindGame.cpp: the game ====

  // "Begin": an empty lesson list is refused with a message; otherwise the game mode, a fresh
  // start of the game window in the direction last chosen, and a second new pass.
  void NGameBeginClick();
  void NGameCloseClick();  // "End"
  // The six directions of "Mode": check mark, direction and a new pass.
  void NRUHEClick();
  void NHERUClick();
  void NRUENClick();
  void NENRUClick();
  void NENHEClick();
  void NHEENClick();
  // Speak the current game entry in one language (menu, tool bar, Delete/End/Page Down).
  void NSoundHEClick();
  void NSoundRUClick();
  void NSoundENClick();
  // ==== src/lesson/print/FindPrint.cpp: the printed lesson list ====

  // Opens the report's table on the data folder (once) and shows the report of the lesson
  // records of the moment in a modal print preview, from which it can be printed.
  void Print1Click();

  // ==== src/review/FindProgress.cpp: the progress window ====

  // "Progress": the progress window, made on its first opening, counted afresh and shown.
  void NProgressClick();

  // ==== src/lesson/FindLesson.cpp: lesson assembly and playback ====

  // "Begin Lesson": lesson mode, the chosen meanings added to the lesson list, the list shown.
  void NTeachBeginClick();
  // "Mark Due Words": marks every meaning with a card due today and up to the day's new words;
  // the status bar then shows "Due today: N".
  void NMarkDueClick();
  // "Speack/Start": the lesson from its first record.
  void NTalkClick();
  // "Pause" / "Continue".
  void NPausaClick();
  // The tool-bar toggle: down starts, up pauses.
  void SPSpeak1Click();
  // One tick of the speaking lesson (100 ms) and of the silent lesson (1300 ms).
  void TimerSelSpeechTimer();
  void TimerWithautSpeechTimer();
  // The lesson is over: its timer off, SPSpeak1 released.
  void LessonOver();
  // "Delete word" (the current lesson record), "Delete All", "End Lesson".
  void NVocamirDelClick();
  void NVocamirDelAllClick();
  void NVocamirCloseClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // ==== src/app ====
  void BuildMenu();
  void BuildToolBars();
  void BuildPages();
  void ConnectHandlers();
  void FormCreate();
  void EnableData(bool on);
  // Closes the windows of the current mode before the main window closes.
  void FormClose();
  // For a command that would change a dictionary opened read-only: shows why it cannot, once,
  // and returns true. Returns false, showing nothing, when the dictionary can be changed.
  bool RefusedReadOnly();

  Instances& instances_;
  ui::Dialogs& dialogs_;
  QActionGroup* gameTypeGroup_;
  browser::ToggleGroup* filterGroup_;  // group 3: the seven filter buttons and SpeedButton5

  // ==== src/browser ====
  dictionary::WordTables Tables() const;
  // The language of the page shown: its table is the current one for the word commands.
  text::Language ActiveLanguage() const;
  void ShowStatus(const browser::StatusTexts& texts);
  void BlankStatus();
  // The position chosen in CBTheme; -1 while it holds typed text that selects no position.
  int ThemePosition() const;
  // Puts CBTheme on "All" without running its change handler.
  void ThemeToAll();
  void MapKey(text::KeyBox box, QChar& key) const;
  void ShowTranslation(text::Language language);
  // Hands the speech texts of the three current records to the speech queue, for the languages
  // whose auto-speak switch is on.
  void SpeakTranslation();
  void CellClick(text::Language language, int column);
  void ClearGridSelections();

  // ==== src/lesson ====
  void ConnectLessonHandlers();
  // TimerSelSpeech when speech is available, else TimerWithautSpeech.
  QTimer* LessonTimer() const;
  void StopLessonOnEmptyList();

  bool replacingKey_ = false;  // a mapped key event is on its way to a search box

  // ==== src/review ====
  TFormProgress* formProgress_ = nullptr;  // owned as a child window; made on its first opening

  // ==== src/game ====
  void ConnectGameHandlers();
  void ChooseGameDirection(QAction* item, game::Direction direction);
};
