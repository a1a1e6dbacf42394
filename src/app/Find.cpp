// The main window's construction: menus, tool bars, theme list, status bar, timers, and the
// connection of every menu item and tool button to its handler through the event guard.

#include "app/Find.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <optional>
#include <string>

#include "Version.h"
#include "app/TrayIcon.h"
#include "browser/ToggleGroup.h"
#include "dictionary/Codes.h"
#include "dictionary/MeaningFields.h"
#include "store/DataModul.h"
#include "ui/EventGuard.h"
#include "ui/Icons.h"
#include "ui/Instances.h"
#include "ui/PanelStatusBar.h"

namespace {

const QString kStartCaption = QStringLiteral("Vocamir ");
const QString kTrayTip = QString::fromLatin1(vocamir::kTitle);

template <class T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}, bool enabled = true) {
  QAction* action = Named(menu->addAction(caption), name);
  action->setShortcut(shortcut);
  action->setEnabled(enabled);
  return action;
}

QAction* AddSeparator(QMenu* menu, const char* name) { return Named(menu->addSeparator(), name); }

// A menu whose QMenu and menu action both carry the component's name.
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = Named(bar->addMenu(caption), name);
  Named(menu->menuAction(), name);
  return menu;
}

QMenu* AddSubMenu(QMenu* parent, const char* name, const QString& caption, bool enabled = true) {
  QMenu* menu = Named(parent->addMenu(caption), name);
  Named(menu->menuAction(), name);
  menu->menuAction()->setEnabled(enabled);
  return menu;
}

QToolBar* MakeToolBar(QWidget* parent, const char* name, bool visible) {
  auto* bar = Named(new QToolBar(parent), name);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(22, 22));
  bar->setVisible(visible);
  return bar;
}

QToolButton* AddButton(QToolBar* bar, const char* name, const QString& caption, const QString& hint,
                       const QString& themeIcon, const QString& glyph, bool checkable = false) {
  auto* button = Named(new QToolButton(bar), name);
  button->setToolTip(hint);
  button->setCheckable(checkable);
  button->setAutoRaise(true);
  if (caption.isEmpty()) {
    button->setIcon(ui::ToolIcon(themeIcon, glyph));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  } else {
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(30);
  }
  bar->addWidget(button);
  return button;
}

}  // namespace

TFormSelect::TFormSelect(Instances& instances, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      instances_(instances),
      dialogs_(*instances.Dialogs) {
  setObjectName(QStringLiteral("FormSelect"));
  setWindowTitle(kStartCaption);
  BuildMenu();
  BuildToolBars();
  BuildPages();

  TimerSelSpeech = Named(new QTimer(this), "TimerSelSpeech");
  TimerSelSpeech->setInterval(100);
  TimerWithautSpeech = Named(new QTimer(this), "TimerWithautSpeech");
  TimerWithautSpeech->setInterval(1300);

  ExportData.caption = QStringLiteral("Export data");
  ExportData.filter = QStringLiteral(
      "XML|*.xml|KVTML (Parley, KWordQuiz)|*.kvtml|Comma-separated text|*.csv|"
      "Tab-separated text|*.tsv *.txt|Flashcard package with sounds|*.apkg");
  ImportData.caption = QStringLiteral("Import data");
  ImportData.filter = QStringLiteral(
      "XML|*.xml|KVTML (Parley, KWordQuiz)|*.kvtml|Comma-separated text|*.csv|"
      "Tab-separated text|*.tsv *.txt");

  DCMinTray1 = Named(new app::TrayIcon(this), "DCMinTray1");
  DCMinTray1->SetTip(kTrayTip);

  ConnectHandlers();
  FormCreate();
}

TFormSelect::~TFormSelect() = default;

void TFormSelect::BuildMenu() {
  Menu = Named(new QMenuBar(this), "Menu");
  setMenuBar(Menu);

  NTransl = AddMenu(Menu, "NTransl", QStringLiteral("Dictionary"));
  NNew = AddItem(NTransl, "NNew", QStringLiteral("Add word"), QKeySequence(Qt::CTRL | Qt::Key_A));
  NEdit = AddItem(NTransl, "NEdit", QStringLiteral("Edit word"),
                  QKeySequence(Qt::CTRL | Qt::Key_Space));
  NSelect = AddItem(NTransl, "NSelect", QStringLiteral("Select"), QKeySequence(Qt::Key_Insert));
  NDel = AddItem(NTransl, "NDel", QStringLiteral("Delete word"));
  N2 = AddSeparator(NTransl, "N2");
  N7 = AddSubMenu(NTransl, "N7", QStringLiteral("Sound"));
  N8 = AddItem(N7, "N8", QStringLiteral("Russian"));
  N10 = AddItem(N7, "N10", QStringLiteral("Hebrew"));
  N11 = AddItem(N7, "N11", QStringLiteral("English"));
  for (QAction* item : {N8, N10, N11}) item->setCheckable(true);
  N6 = AddSeparator(NTransl, "N6");
  NInfo = AddSubMenu(NTransl, "NInfo", QStringLiteral("Data"), false);
  N4 = AddItem(NInfo, "N4", QStringLiteral("Save"), QKeySequence(Qt::Key_F2));
  N5 = AddItem(NInfo, "N5", QStringLiteral("Cancel"), QKeySequence(Qt::Key_Escape));
  N13 = AddSeparator(NTransl, "N13");
  Exportdata1 = AddItem(NTransl, "Exportdata1", QStringLiteral("Export data"));
  Importdata1 = AddItem(NTransl, "Importdata1", QStringLiteral("Import data"));

  NTich = AddMenu(Menu, "NTich", QStringLiteral("Learn words"));
  NTeachBegin =
      AddItem(NTich, "NTeachBegin", QStringLiteral("Begin Lesson"), QKeySequence(Qt::Key_F3));
  NMarkDue = AddItem(NTich, "NMarkDue", QStringLiteral("Mark Due Words"),
                     QKeySequence(Qt::SHIFT | Qt::Key_F3));
  NVocamirClose = AddItem(NTich, "NVocamirClose", QStringLiteral("End Lesson"),
                          QKeySequence(Qt::Key_Escape), false);
  N19 = AddSeparator(NTich, "N19");
  NTalk = AddItem(NTich, "NTalk", QStringLiteral("Speack/Start"), QKeySequence(Qt::Key_F5), false);
  NPausa = AddItem(NTich, "NPausa", QStringLiteral("Pause"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
                   false);
  Print1 = AddItem(NTich, "Print1", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
  NProgress = AddItem(NTich, "NProgress", QStringLiteral("Progress"));
  N22 = AddSeparator(NTich, "N22");
  NVocamirDel = AddItem(NTich, "NVocamirDel", QStringLiteral("Delete word"),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete), false);
  NVocamirDelAll = AddItem(NTich, "NVocamirDelAll", QStringLiteral("Delete All"), {}, false);

  NGame = AddMenu(Menu, "NGame", QStringLiteral("Game"));
  NGameBegin = AddItem(NGame, "NGameBegin", QStringLiteral("Begin"), QKeySequence(Qt::Key_F4));
  NGameClose =
      AddItem(NGame, "NGameClose", QStringLiteral("End"), QKeySequence(Qt::Key_Escape), false);
  N20 = AddSeparator(NGame, "N20");
  NGameType = AddSubMenu(NGame, "NGameType", QStringLiteral("Mode"), false);
  NRUHE = AddItem(NGameType, "NRUHE", QStringLiteral("Russian-Hebrew"));
  NHERU = AddItem(NGameType, "NHERU", QStringLiteral("Hebrew-Russian"));
  NRUEN = AddItem(NGameType, "NRUEN", QStringLiteral("Russian-English"));
  NENRU = AddItem(NGameType, "NENRU", QStringLiteral("English-Russian"));
  NENHE = AddItem(NGameType, "NENHE", QStringLiteral("English-Hebrew"));
  NHEEN = AddItem(NGameType, "NHEEN", QStringLiteral("Hebrew-English"));
  gameTypeGroup_ = new QActionGroup(this);
  for (QAction* item : {NRUHE, NHERU, NRUEN, NENRU, NENHE, NHEEN}) {
    item->setCheckable(true);
    gameTypeGroup_->addAction(item);
  }
  NRUHE->setChecked(true);
  NGameSpeak = AddSubMenu(NGame, "NGameSpeak", QStringLiteral("Speack"), false);
  NSoundHE = AddItem(NGameSpeak, "NSoundHE", QStringLiteral("Hebrew"),
                     QKeySequence(Qt::CTRL | Qt::Key_H), false);
  NSoundRU = AddItem(NGameSpeak, "NSoundRU", QStringLiteral("Russian"),
                     QKeySequence(Qt::CTRL | Qt::Key_R), false);
  NSoundEN = AddItem(NGameSpeak, "NSoundEN", QStringLiteral("English"),
                     QKeySequence(Qt::CTRL | Qt::Key_E), false);

  // F10 belongs to "Speech" alone: a menu opens no page of its own, and a second owner of the key
  // would make it ambiguous, so that it opened nothing.
  Settings1 = AddMenu(Menu, "Settings1", QStringLiteral("Settings"));
  Speech1 = AddItem(Settings1, "Speech1", QStringLiteral("Speech"), QKeySequence(Qt::Key_F10));
  Verbs1 = AddItem(Settings1, "Verbs1", QStringLiteral("Verbs"), QKeySequence(Qt::Key_F11));
  Information1 =
      AddItem(Settings1, "Information1", QStringLiteral("Information"), QKeySequence(Qt::Key_F12));

  N9 = AddMenu(Menu, "N9", QStringLiteral("Help"));
  N3 = AddItem(N9, "N3", QStringLiteral("Abaut"), QKeySequence(Qt::Key_F1));
  NExit = AddItem(N9, "NExit", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X));
}

void TFormSelect::BuildToolBars() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("CentralArea"));
  setCentralWidget(central);

  Menu1 = MakeToolBar(central, "Menu1", true);
  SpeedButton11 = AddButton(Menu1, "SpeedButton11", {}, QStringLiteral("Add Word"),
                            QStringLiteral("list-add"), QStringLiteral("+"));
  SpeedButton10 = AddButton(Menu1, "SpeedButton10", {}, QStringLiteral("Remove Word"),
                            QStringLiteral("list-remove"), QStringLiteral("-"));
  SpeedButton9 = AddButton(Menu1, "SpeedButton9", {}, QStringLiteral("Edit Word"),
                           QStringLiteral("document-properties"), QStringLiteral("E"));
  SpeedButton8 =
      AddButton(Menu1, "SpeedButton8", {}, QStringLiteral("Select Word"),
                QStringLiteral("emblem-default"), QString::fromLatin1(dictionary::kMark));

  MenuSound = MakeToolBar(central, "MenuSound", true);
  SpeedButton1 = AddButton(MenuSound, "SpeedButton1", QStringLiteral("Rus"),
                           QStringLiteral("Speech on Russian"), {}, {}, true);
  SpeedButton4 = AddButton(MenuSound, "SpeedButton4", QStringLiteral("Heb"),
                           QStringLiteral("Speech on Hebrew"), {}, {}, true);
  SpeedButton5 = AddButton(MenuSound, "SpeedButton5", QStringLiteral("Eng"),
                           QStringLiteral("Speech on English"), {}, {}, true);
  MenuSound->addSeparator();
  SpBVerb = AddButton(MenuSound, "SpBVerb", QStringLiteral("V"),
                      QStringLiteral("Set filter Only Verbs"), {}, {}, true);
  SpBNoun = AddButton(MenuSound, "SpBNoun", QStringLiteral("N"),
                      QStringLiteral("Set filter Only Nouns"), {}, {}, true);
  SpBAdjective = AddButton(MenuSound, "SpBAdjective", QStringLiteral("A"),
                           QStringLiteral("Set filter Only Adjective"), {}, {}, true);
  SpBServ = AddButton(MenuSound, "SpBServ", QStringLiteral("S"),
                      QStringLiteral("Set filter Only Service Words"), {}, {}, true);
  SpBSent = AddButton(MenuSound, "SpBSent", QStringLiteral("C"),
                      QStringLiteral("Set filter Only Sentence"), {}, {}, true);
  SpBOther = AddButton(MenuSound, "SpBOther", QStringLiteral("O"),
                       QStringLiteral("Set filter Only Others"), {}, {}, true);
  SpeedButton23 = AddButton(MenuSound, "SpeedButton23", QStringLiteral("F"),
                            QStringLiteral("Without filter"), {}, {}, true);
  filterGroup_ = new browser::ToggleGroup(this);
  for (QToolButton* button :
       {SpBVerb, SpBNoun, SpBAdjective, SpBServ, SpBSent, SpBOther, SpeedButton23, SpeedButton5}) {
    filterGroup_->Add(button);
  }

  Menu2 = MakeToolBar(central, "Menu2", false);
  SpeedButton3 = AddButton(Menu2, "SpeedButton3", {}, QStringLiteral("Save and Exit"),
                           QStringLiteral("document-save"), QStringLiteral("S"));
  SpeedButton19 = AddButton(Menu2, "SpeedButton19", {}, QStringLiteral("Cancel"),
                            QStringLiteral("edit-undo"), QStringLiteral("X"));

  Menu3 = MakeToolBar(central, "Menu3", false);
  SpeedButton6 = AddButton(Menu3, "SpeedButton6", {}, QStringLiteral("Remove Current Word"),
                           QStringLiteral("list-remove"), QStringLiteral("-"));
  SpeedButton12 = AddButton(Menu3, "SpeedButton12", {}, QStringLiteral("Remove All Records"),
                            QStringLiteral("edit-delete"), QStringLiteral("X"));
  SPSpeak1 = AddButton(Menu3, "SPSpeak1", {}, QStringLiteral("Speech/Pause"),
                       QStringLiteral("media-playback-start"), QStringLiteral(">"), true);
  SpeedButton16 = AddButton(Menu3, "SpeedButton16", {}, QStringLiteral("Exit"),
                            QStringLiteral("application-exit"), QStringLiteral("Q"));

  Menu5 = MakeToolBar(central, "Menu5", false);
  SPSoundRU = AddButton(Menu5, "SPSoundRU", QStringLiteral("Rus"),
                        QStringLiteral("Speech on Russian"), {}, {});
  SPSoundHE = AddButton(Menu5, "SPSoundHE", QStringLiteral("Heb"),
                        QStringLiteral("Speech on Hebrew"), {}, {});
  SPSoundEN = AddButton(Menu5, "SPSoundEN", QStringLiteral("Eng"),
                        QStringLiteral("Speech on English"), {}, {});
  for (QToolButton* button : {SPSoundRU, SPSoundHE, SPSoundEN}) button->setEnabled(false);
  SpeedButton2 = AddButton(Menu5, "SpeedButton2", {}, QStringLiteral("Exit"),
                           QStringLiteral("application-exit"), QStringLiteral("Q"));

  ToolBarFilter = Named(new QFrame(central), "ToolBarFilter");
  ToolBarFilter->setFrameShape(QFrame::HLine);
  ToolBarFilter->setFrameShadow(QFrame::Sunken);

  CBTheme = Named(new QComboBox(central), "CBTheme");
  CBTheme->setEditable(true);
  CBTheme->setInsertPolicy(QComboBox::NoInsert);
  CBTheme->addItem(QStringLiteral("All"));
  for (std::string_view theme : dictionary::kThemeCaptions) {
    CBTheme->addItem(QString::fromLatin1(theme));
  }
  CBTheme->setMaxVisibleItems(16);

  BitBtn1 = Named(new QPushButton(QStringLiteral("Deselect"), central), "BitBtn1");

  StatusBar = Named(new ui::PanelStatusBar(central), "StatusBar");
}

void TFormSelect::ConnectHandlers() {
  const auto onAction = [this](QAction* action, void (TFormSelect::*handler)()) {
    connect(action, &QAction::triggered, this,
            ui::Guarded(dialogs_, [this, handler] { (this->*handler)(); }));
  };
  const auto onButton = [this](QAbstractButton* button, void (TFormSelect::*handler)()) {
    connect(button, &QAbstractButton::clicked, this,
            ui::Guarded(dialogs_, [this, handler] { (this->*handler)(); }));
  };
  // The auto-speak switches keep their check mark as it was; their handlers decide.
  const auto onSwitch = [this](QAction* action, void (TFormSelect::*handler)()) {
    connect(action, &QAction::triggered, this, ui::Guarded(dialogs_, [this, action, handler] {
              action->setChecked(!action->isChecked());
              (this->*handler)();
            }));
  };

  onAction(NNew, &TFormSelect::NNewClick);
  onAction(NEdit, &TFormSelect::NEditClick);
  onAction(NSelect, &TFormSelect::NSelectClick);
  onAction(NDel, &TFormSelect::NDelClick);
  onSwitch(N8, &TFormSelect::N8Click);
  onSwitch(N10, &TFormSelect::N10Click);
  onSwitch(N11, &TFormSelect::N11Click);
  onAction(N4, &TFormSelect::N4Click);
  onAction(N5, &TFormSelect::N5Click);
  onAction(Exportdata1, &TFormSelect::Exportdata1Click);
  onAction(Importdata1, &TFormSelect::Importdata1Click);
  onAction(Print1, &TFormSelect::Print1Click);
  onAction(NProgress, &TFormSelect::NProgressClick);
  onAction(Speech1, &TFormSelect::Speech1Click);
  onAction(Verbs1, &TFormSelect::Verbs1Click);
  onAction(Information1, &TFormSelect::Information1Click);
  onAction(N3, &TFormSelect::N3Click);
  onAction(NExit, &TFormSelect::NExitClick);

  onButton(SpeedButton11, &TFormSelect::NNewClick);
  onButton(SpeedButton10, &TFormSelect::NDelClick);
  onButton(SpeedButton9, &TFormSelect::NEditClick);
  onButton(SpeedButton8, &TFormSelect::NSelectClick);
  onButton(SpeedButton1, &TFormSelect::N8Click);
  onButton(SpeedButton4, &TFormSelect::N10Click);
  onButton(SpeedButton5, &TFormSelect::N11Click);
  onButton(SpBVerb, &TFormSelect::SpBVerbClick);
  onButton(SpBNoun, &TFormSelect::SpBNounClick);
  onButton(SpBAdjective, &TFormSelect::SpBAdjectiveClick);
  onButton(SpBServ, &TFormSelect::SpBServClick);
  onButton(SpBSent, &TFormSelect::SpBSentClick);
  onButton(SpBOther, &TFormSelect::SpBOtherClick);
  onButton(SpeedButton23, &TFormSelect::SpeedButton23Click);
  onButton(SpeedButton3, &TFormSelect::N4Click);
  onButton(SpeedButton19, &TFormSelect::N5Click);
  onButton(BitBtn1, &TFormSelect::BitBtn1Click);
  ConnectLessonHandlers();
  // Choosing an item changes the edit text too, so this one signal covers choosing and typing.
  connect(CBTheme, &QComboBox::editTextChanged, this,
          ui::Guarded(dialogs_, [this] { CBThemeChange(); }));
  ConnectGameHandlers();
}

void TFormSelect::FormCreate() {
  SheetRUShow();
  EnableData(false);
  const QSignalBlocker blocker(CBTheme);
  CBTheme->setCurrentIndex(0);
}

bool TFormSelect::RefusedReadOnly() {
  const std::optional<std::string>& readOnly = instances_.DataModul->ReadOnly();
  if (!readOnly) return false;
  dialogs_.Error(QString::fromStdString(*readOnly));
  return true;
}
