#include "Operations.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <stdexcept>

#include "ScriptedDialogs.h"
#include "app/Find.h"
#include "editor/Add.h"
#include "game/Game.h"
#include "game/Keyboard.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "store/Table.h"
#include "ui/DisplayOrder.h"

namespace crash {
namespace {

using Step = std::function<void(Instances&, test::ScriptedDialogs&)>;

constexpr int kVerb = 1;
constexpr int kPaal = 1;
// Rounds over every key of the game's keyboard before an entry counts as one that cannot be
// typed.
constexpr int kTypingRounds = 64;

void Nothing(Instances&, test::ScriptedDialogs&) {}

// A step that triggers one menu item of the main window.
Step Trigger(QAction* TFormSelect::*item) {
  return [item](Instances& instances, test::ScriptedDialogs&) {
    (instances.FormSelect->*item)->trigger();
  };
}

// Puts RUWORDS on the first meaning whose Hebrew word is not a verb, so that "Save" makes its
// verb forms anew.
void GoToMeaningWithoutForms(TDataModul& data) {
  store::Table& ru = data.RUTable();
  store::Table& he = data.HETable();
  he.SetIndexName("id_index");
  for (ru.First(); !ru.Eof(); ru.Next()) {
    const store::Field link = ru.FieldByName("IdHE");
    if (link.IsNull() || !he.FindKey(link.AsInteger())) continue;
    const store::Field part = he.FieldByName("Part");
    if (part.IsNull() || part.AsInteger() != kVerb) return;
  }
  throw std::runtime_error("the dictionary holds no meaning that is not a verb");
}

// The word editor open on that meaning, made a PAAL verb of the root k-t-v with the 28 forms
// that "Conjugate" gives; nothing is stored yet.
void OpenVerbInEditor(Instances& instances, test::ScriptedDialogs& dialogs) {
  GoToMeaningWithoutForms(*instances.DataModul);
  instances.FormSelect->NEdit->trigger();
  TFormAdd& editor = *instances.FormAdd;
  if (!editor.isVisible()) throw std::runtime_error("\"Edit word\" did not open the editor");
  editor.CBTypeHE->setCurrentIndex(kVerb);
  editor.CBDopHE->setCurrentIndex(kPaal);
  editor.DBMemo5->SetText(QString::fromUtf8("בתכ"));  // display order: last letter first
  editor.BtnConjugate->click();
  if (!dialogs.messages.empty()) throw std::runtime_error("\"Conjugate\" did not fill the forms");
}

void PressGameKey(TFormGame& game, int key) {
  if (key == game::kSpaceBar) {
    game.Button1->click();
  } else {
    game.BT.at(key - 1)->click();
  }
}

// The game begun and its first entry typed up to the last letter: the next press finishes it.
void TypeFirstEntry(Instances& instances, test::ScriptedDialogs&) {
  instances.FormSelect->NGameBegin->trigger();
  TFormGame& game = *instances.FormGame;
  const game::TypingGame& state = game.Game();
  const auto open = [&state] { return state.Revealed() < state.AnswerLength(); };
  for (int round = 0; open(); ++round) {
    if (round == kTypingRounds) throw std::runtime_error("the game's first entry cannot be typed");
    for (int key = 1; key <= game::kLetterKeys && open(); ++key) PressGameKey(game, key);
    if (open()) PressGameKey(game, game::kSpaceBar);
  }
  if (state.AnswerLength() == 0) throw std::runtime_error("the game's first entry is empty");
}

// The settings window open with a new speed, one verb form switched and new review settings.
void ChangeSettings(Instances& instances, test::ScriptedDialogs&) {
  instances.FormSelect->Speech1->trigger();
  TShare& share = *instances.Share;
  QSlider& speed = *share.TrBarRU;
  speed.setValue(speed.value() == speed.minimum() ? speed.maximum() : speed.minimum());
  if (QListWidgetItem* form = share.CheckListBoxHE->item(0)) {
    form->setCheckState(form->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }
  share.SpinRetention->setValue(share.SpinRetention->value() > 0.85 ? 0.8 : 0.95);
  share.SpinNewWords->setValue(share.SpinNewWords->value() + 7);
}

}  // namespace

const std::vector<Operation>& Operations() {
  static const std::vector<Operation> operations = {
      {"start", "none: start-up and the end as on \"Exit\"", Nothing, Nothing},
      {"add-word", "TFormSelect::NNewClick (the editor left open)", Nothing,
       Trigger(&TFormSelect::NNew)},
      {"add-cancel", "TFormSelect::NNewClick, then TFormSelect::N5Click (\"Cancel\")", Nothing,
       [](Instances& instances, test::ScriptedDialogs&) {
         instances.FormSelect->NNew->trigger();
         instances.FormSelect->N5->trigger();
       }},
      {"delete-word", "TFormSelect::NDelClick, answered Yes", Nothing,
       [](Instances& instances, test::ScriptedDialogs& dialogs) {
         dialogs.answers.push_back(ui::Answer::Yes);
         instances.FormSelect->NDel->trigger();
       }},
      {"select", "TFormSelect::NSelectClick", Nothing, Trigger(&TFormSelect::NSelect)},
      {"mark-meaning", "TFormSelect::DBGrid3CellClick in the mark column (the meaning's marks)",
       Nothing,
       [](Instances& instances, test::ScriptedDialogs&) {
         instances.FormSelect->DBGrid3CellClick(TFormSelect::kMarkColumn);
       }},
      {"save-verb", "TFormSelect::N4Click (\"Save\" of the word editor, with 28 verb forms)",
       OpenVerbInEditor, Trigger(&TFormSelect::N4)},
      {"begin-lesson", "TFormSelect::NTeachBeginClick", Nothing,
       Trigger(&TFormSelect::NTeachBegin)},
      // "Begin Lesson" with no word marked only opens the lesson mode, writing nothing.
      {"delete-all", "TFormSelect::NVocamirDelAllClick", Trigger(&TFormSelect::NTeachBegin),
       Trigger(&TFormSelect::NVocamirDelAll)},
      {"game-grade", "TFormGame's key BT1 (TFormGame::PressKey) finishing a typed entry",
       TypeFirstEntry,
       [](Instances& instances, test::ScriptedDialogs&) { PressGameKey(*instances.FormGame, 1); }},
      {"settings-ok", "TShare::BtOkClick", ChangeSettings,
       [](Instances& instances, test::ScriptedDialogs&) { instances.Share->BtOk->click(); }},
      {"mark-due", "TFormSelect::NMarkDueClick", Nothing, Trigger(&TFormSelect::NMarkDue)},
  };
  return operations;
}

const Operation* FindOperation(std::string_view name) {
  for (const Operation& operation : Operations()) {
    if (operation.Name == name) return &operation;
  }
  return nullptr;
}

}  // namespace crash
