// The mode switch of the main window: word editing (1), lesson (2) and game (4), each entered from
// the dictionary and left back to it. Each branch changes exactly the items of its mode.

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "Version.h"
#include "app/Find.h"

namespace {

const QString kLeftCaption = QString::fromLatin1(vocamir::kTitle);
const QString kEditCaption = QStringLiteral("Add/edit a word");
const QString kLessonCaption = QStringLiteral("To study, to study, to study!  V. I. Lenin");
const QString kGameCaption = QStringLiteral("To study - play the game!");
const QString kAfterGameCaption = QStringLiteral("Vocamir");

void Enable(QAction* item, bool on) { item->setEnabled(on); }
// Shown and on together, or hidden and off together.
void Offer(QAction* item, bool offered) {
  item->setVisible(offered);
  item->setEnabled(offered);
}
void Offer(QMenu* menu, bool offered) { Offer(menu->menuAction(), offered); }

}  // namespace

// "Data" and its two items go on and off together, so that F2 and Esc reach "Save" and "Cancel"
// only while a word is being edited.
void TFormSelect::EnableData(bool on) {
  for (QAction* item : {NInfo->menuAction(), N4, N5}) item->setEnabled(on);
}

void TFormSelect::SetWorkMode(int mode, bool leave) {
  const bool back = leave;
  const auto filterStrip = [this](bool shown) {
    ToolBarFilter->setVisible(shown);
    CBTheme->setVisible(shown);
    BitBtn1->setVisible(shown);
  };
  const auto dictionaryBars = [this](bool shown) {
    Menu1->setVisible(shown);
    MenuSound->setVisible(shown);
  };

  switch (mode) {
    case 1:
      setWindowTitle(back ? kLeftCaption : kEditCaption);
      EnableData(!back);
      Offer(NExit, back);
      // Export and import unbind the grids and walk the tables, which the open editor's fields
      // are bound to.
      for (QAction* item : {NNew, NSelect, NDel, NEdit, Exportdata1, Importdata1}) {
        Enable(item, back);
      }
      Offer(NTich, back);
      Offer(NGame, back);
      dictionaryBars(back);
      Menu2->setVisible(!back);
      filterStrip(back);
      // The open editor holds the codes and verb forms of the meaning it opened; a click in a
      // page must not move the tables to another meaning that "Save" would then overwrite.
      PageControl1->setEnabled(back);
      break;

    case 2:
      Offer(NExit, back);
      Offer(NGame, back);
      Offer(NTransl, back);
      for (QAction* item : {NVocamirClose, NVocamirDel, NVocamirDelAll}) Enable(item, !back);
      Enable(NTeachBegin, back);
      Enable(NMarkDue, back);
      PageControl1->setVisible(back);
      setWindowTitle(back ? kLeftCaption : kLessonCaption);
      dictionaryBars(back);
      Menu3->setVisible(!back);
      Enable(NTalk, !back);
      Enable(NPausa, !back);
      if (!back) SPSpeak1->setEnabled(true);
      filterStrip(back);
      if (back) ApplyFilters();
      break;

    case 4:
      Offer(NExit, back);
      for (QAction* item : {NGameClose, NGameType->menuAction(), NGameSpeak->menuAction()}) {
        Enable(item, !back);
      }
      Enable(NGameBegin, back);
      Offer(NTransl, back);
      Offer(NTich, back);
      setWindowTitle(back ? kAfterGameCaption : kGameCaption);
      dictionaryBars(back);
      Menu5->setVisible(!back);
      PageControl1->setVisible(back);
      for (QToolButton* button : {SPSoundEN, SPSoundRU, SPSoundHE}) button->setEnabled(!back);
      for (QAction* item : {NSoundHE, NSoundRU, NSoundEN}) Enable(item, !back);
      filterStrip(back);
      if (back) ApplyFilters();
      break;

    default:
      break;
  }
}
