// The main window's game commands: "Begin" and "End", the six directions of "Mode", the speak
// items and the game tool bar.

#include <QAction>
#include <QToolButton>

#include "app/Find.h"
#include "game/Game.h"
#include "store/DataModul.h"
#include "ui/EventGuard.h"
#include "ui/Instances.h"

namespace {

const QString kEmptyList = QStringLiteral("Choose words for game!!!");

}  // namespace

void TFormSelect::NGameBeginClick() {
  BlankStatus();
  if (instances_.DataModul->SelWordTable().IsEmpty()) {
    dialogs_.AskYes(kEmptyList);
    return;
  }
  SetWorkMode(4, false);
  TFormGame& game = *instances_.FormGame;
  game.FormCreate();
  game.NewPass();
  game.show();
  game.raise();
  game.setFocus();
}

void TFormSelect::NGameCloseClick() {
  SetWorkMode(4, true);
  if (instances_.FormGame != nullptr) instances_.FormGame->hide();
}

void TFormSelect::ChooseGameDirection(QAction* item, game::Direction direction) {
  item->setChecked(true);
  instances_.FormGame->ChooseDirection(direction);
}

void TFormSelect::NRUHEClick() { ChooseGameDirection(NRUHE, game::Direction::RussianHebrew); }
void TFormSelect::NHERUClick() { ChooseGameDirection(NHERU, game::Direction::HebrewRussian); }
void TFormSelect::NRUENClick() { ChooseGameDirection(NRUEN, game::Direction::RussianEnglish); }
void TFormSelect::NENRUClick() { ChooseGameDirection(NENRU, game::Direction::EnglishRussian); }
void TFormSelect::NENHEClick() { ChooseGameDirection(NENHE, game::Direction::EnglishHebrew); }
void TFormSelect::NHEENClick() { ChooseGameDirection(NHEEN, game::Direction::HebrewEnglish); }

void TFormSelect::NSoundRUClick() { instances_.FormGame->SpeakEntry(text::Language::Russian); }
void TFormSelect::NSoundHEClick() { instances_.FormGame->SpeakEntry(text::Language::Hebrew); }
void TFormSelect::NSoundENClick() { instances_.FormGame->SpeakEntry(text::Language::English); }

void TFormSelect::ConnectGameHandlers() {
  const auto on = [this](QAction* item, void (TFormSelect::*handler)()) {
    connect(item, &QAction::triggered, this,
            ui::Guarded(dialogs_, [this, handler] { (this->*handler)(); }));
  };
  on(NGameBegin, &TFormSelect::NGameBeginClick);
  on(NGameClose, &TFormSelect::NGameCloseClick);
  on(NRUHE, &TFormSelect::NRUHEClick);
  on(NHERU, &TFormSelect::NHERUClick);
  on(NRUEN, &TFormSelect::NRUENClick);
  on(NENRU, &TFormSelect::NENRUClick);
  on(NENHE, &TFormSelect::NENHEClick);
  on(NHEEN, &TFormSelect::NHEENClick);
  on(NSoundHE, &TFormSelect::NSoundHEClick);
  on(NSoundRU, &TFormSelect::NSoundRUClick);
  on(NSoundEN, &TFormSelect::NSoundENClick);
  const auto onButton = [this](QToolButton* button, void (TFormSelect::*handler)()) {
    connect(button, &QToolButton::clicked, this,
            ui::Guarded(dialogs_, [this, handler] { (this->*handler)(); }));
  };
  onButton(SPSoundRU, &TFormSelect::NSoundRUClick);
  onButton(SPSoundHE, &TFormSelect::NSoundHEClick);
  onButton(SPSoundEN, &TFormSelect::NSoundENClick);
  onButton(SpeedButton2, &TFormSelect::NGameCloseClick);
}
