#pragma once

// TFormAdd, the word editor (single instance FormAdd): one meaning in all three languages at
// once. The words and pronunciation hints are edited directly in the current records of RUWORDS,
// Hewords and ENWORDS through bound fields; the choice lists (gender, part of speech, verb
// pattern, theme) and the verb forms are loaded and stored by the main window's word commands.
//
// The window is created hidden at start-up and lives until the program ends; opening and closing
// only show and hide it, so every control keeps its state between openings. It has no title-bar
// buttons and ignores close requests of the window manager: the main window's "Save" (F2) and
// "Cancel" (Esc) are the only ways out.
//
// Every component is a named member whose objectName is the member's name. The verb page
// (TabSheet2 and everything on it) is built and handled in AddVerb.cpp.

#include <QChar>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/KeyboardLayout.h"
#include "editor/VerbTable.h"
#include "editor/WordCodes.h"
#include "text/Language.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
class QTabWidget;
class QTableWidget;
struct Instances;

namespace store {
class Table;
}

namespace ui {
class DisplayOrderEdit;
}

namespace editor {
class FieldBinding;
class KeyFilter;
}  // namespace editor

class TFormAdd : public QWidget {
  Q_OBJECT

 public:
  // Builds the window hidden with every component in its start state. `instances` must hold the
  // dialog seam, the data module (the bound fields attach to its RUWORDS, Hewords and ENWORDS
  // sources) and the settings object Share (speech queue, verb-form mask).
  explicit TFormAdd(Instances& instances, QWidget* parent = nullptr);
  ~TFormAdd() override;

  // ---- Codes: the choice lists as the word commands and the translation display use them ----

  // Loads the six choice lists from the current records, in this order: CBTypeHE from Hebrew
  // Part, CBDopHE from Hebrew Binyan, CBSexHE from Hebrew Sex, CBSexRU from Russian Sex, CBSexEN
  // from English Sex, CBTheme from Hebrew Topic. Then shows the "Verb" tab of PConVerb exactly
  // when CBTypeHE stands on "VERB". Used by the translation display. A null code loads as 0.
  void LoadCodes(store::Table& ru, store::Table& he, store::Table& en);
  // The same lists loaded from codes already read (a list is set to position 0 for a code out of
  // its range). Does not touch the verb tab.
  void SetCodes(const editor::WordCodes& codes);
  // The positions chosen in the six lists.
  editor::WordCodes Codes() const;

  // Shows the "Verb" tab of PConVerb exactly when CBTypeHE stands on "VERB".
  void ShowVerbTabForPart();

  // ---- Handlers ----

  // The user picked a part of speech: the "Verb" tab shown for "VERB" only; "VERB" enables
  // CBDopHE and disables CBSexHE, "NOUN" the other way round, any other choice leaves both.
  void CBTypeHEChange();
  // The paint rule, run when the window is shown or restored from the minimised state:
  // PConVerb back to "Cammon", and the "Verb" tab shown exactly when CBTypeHE stands on "VERB".
  // It never runs while the window is in use, so it never takes the user off the "Verb" page
  // while they work on it.
  void FormPaint();
  // Every activation refills the verb labels.
  void FormActivate();
  // The speak buttons: queue the text of the current record's hint or word for its language.
  void BtnSpeackRUClick();
  void BtnSpeackHEClick();
  void BtnSpeackENClick();

  // Verb page (AddVerb.cpp).
  // The user switched PConVerb; builds the grid when the "Verb" page became active.
  void PConVerbChange();
  // Builds the verb grid from Share's VerbFormMask when the "Verb" page is showing; nothing
  // otherwise. Run by PConVerbChange and by "Ok" of the settings window.
  void BuildVerbGrid();
  void StrGridVerbSelectCell(int column);
  void MemoShovEnter();
  void MemoShovExit();
  void MemoShovRUEnter();
  void MemoShovRUExit();
  void Button1Click();  // "Speack" of the selected form
  // "Conjugate" (AddConjugate.cpp): fills the forms from the root box and the pattern list. Empty
  // forms are filled; forms already there are replaced only when the user says yes. A missing
  // root or pattern, or a root the engine refuses, is told to the user and changes nothing.
  // Nothing is stored: the forms are edited like typed ones until "Save".
  void BtnConjugateClick();

  // Runs the leave handler of a verb memo that still has the focus, so that what was typed there
  // reaches VerbSpelling / VerbPronunciation before "Save" reads them.
  void TakeVerbMemos();

  // True while PConVerb shows the "Verb" page.
  bool VerbPageShowing() const;

  // ---- State ----

  // The language of the word field that received the focus last; nothing before any.
  std::optional<text::Language> InputLanguage;
  // The verb forms being edited (VerbLabels, VerbSpelling, VerbPronunciation, VerbColumnForm,
  // VerbColumn) with the grid as last built.
  editor::VerbTable VerbForms;
  // The keyboard layout the hint fields honour.
  editor::KeyboardLayout Layout;

  // ---- Components ----

  QTabWidget* PConAdd;
  QWidget* TabShRU;        // "Word info"
  QWidget* TabShSentence;  // "Sentence"
  QFrame* Panel3;
  QFrame* Panel7;
  QFrame* Panel8;

  // Russian panel.
  QFrame* Panel2;
  QLineEdit* DBEdit1;  // RUWORDS Item
  QLineEdit* DBMemo3;  // RUWORDS RussianSpeech
  QComboBox* CBSexRU;
  QPushButton* BtnSpeackRU;

  // Hebrew panel.
  QFrame* Panel5;
  QTabWidget* PConVerb;
  QWidget* TabSheet1;             // "Cammon"
  QWidget* TabSheet2;             // "Verb"
  ui::DisplayOrderEdit* DBMemo1;  // Hewords Item, display order
  ui::DisplayOrderEdit* DBMemo5;  // Hewords Root, display order
  QLineEdit* DBMemo2;             // Hewords HebrSpeech
  QLineEdit* DBEditInvert;        // Hewords Item_Invert, never visible
  QLineEdit* DBEditRInvert;       // Hewords Root_Invert, never visible
  QComboBox* CBSexHE;
  QComboBox* CBDopHE;
  QPushButton* BtnSpeackHE;

  // Verb page.
  QTableWidget* StrGridVerb;
  QLabel* Label7;  // "Spelling"
  ui::DisplayOrderEdit* MemoShov;
  QLabel* Label8;  // "Pronunciation"
  QLineEdit* MemoShovRU;
  QPushButton* Button1;          // "Speack"
  QPushButton* BtnConjugate;     // "Conjugate"
  QShortcut* ConjugateShortcut;  // Ctrl+J: "Conjugate" while the "Verb" tab is offered

  // English panel.
  QFrame* Panel6;
  QLineEdit* DBEdit3;  // ENWORDS Item
  QLineEdit* DBMemo4;  // ENWORDS EnglishSpeech
  QComboBox* CBSexEN;
  QPushButton* BtnSpeackEN;

  // Group "Common".
  QGroupBox* GroupBox1;
  QComboBox* CBTypeHE;
  QComboBox* CBTheme;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildWordPage();
  QWidget* BuildRussianPanel();
  QWidget* BuildHebrewPanel();
  QWidget* BuildCommonPage();
  QWidget* BuildVerbPage();
  QWidget* BuildEnglishPanel();
  QWidget* BuildCommonGroup();
  void ConnectHandlers();
  void ConnectVerbPage();
  // Adds "Conjugate" to the verb page with its shortcut.
  void BuildConjugateCommand();
  // Installs the key handling of one box (see editor/KeyFilter.h).
  void HandleKeys(QLineEdit* edit, std::function<std::optional<QChar>(QChar)> map, bool stepBack,
                  std::function<void()> entered, std::function<void()> left = {});
  void BindFields();
  // Writes the reversed text of a Hebrew field into its copy, while Hewords is being edited.
  void UpdateInvert(const char* field, const char* invertField);
  // Puts the grid as built (VerbForms.Columns) into StrGridVerb.
  void ShowVerbGrid();
  void SetVerbMemoColour(QLineEdit* memo, bool focused);

  Instances& instances_;
  std::vector<std::unique_ptr<editor::FieldBinding>> bindings_;
  std::vector<std::unique_ptr<editor::KeyFilter>> keyFilters_;
};
