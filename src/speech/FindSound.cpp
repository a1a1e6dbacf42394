// The main window's speech commands: the auto-speak switches and the settings window's pages.

#include <QAction>
#include <QToolButton>

#include "app/Find.h"
#include "speech/Formshare.h"

namespace {

// One auto-speak switch: without speech the tool-bar button is released and the check mark
// stays; otherwise the menu item's check mark toggles. The button's own down state is not kept
// in step with the check mark.
void ToggleSwitch(const TShare& share, QAction* item, QToolButton* button) {
  if (!share.SpeechAvailable()) {
    button->setChecked(false);
    return;
  }
  item->setChecked(!item->isChecked());
}

}  // namespace

void TFormSelect::N8Click() { ToggleSwitch(*instances_.Share, N8, SpeedButton1); }
void TFormSelect::N10Click() { ToggleSwitch(*instances_.Share, N10, SpeedButton4); }
void TFormSelect::N11Click() { ToggleSwitch(*instances_.Share, N11, SpeedButton5); }

void TFormSelect::Speech1Click() { instances_.Share->ShowPage(instances_.Share->TabSheetSpeech); }
void TFormSelect::Verbs1Click() { instances_.Share->ShowPage(instances_.Share->TabSheetGlagol); }
void TFormSelect::Information1Click() { instances_.Share->ShowPage(instances_.Share->TabSheet1); }
