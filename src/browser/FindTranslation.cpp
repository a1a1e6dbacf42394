// The main window's translation display: picking a word in a grid shows, speaks and loads its
// meaning; a click into the mark column toggles the meaning's lesson mark.

#include <QAction>

#include "app/Find.h"
#include "browser/Translation.h"
#include "dictionary/Marks.h"
#include "editor/Add.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "ui/Instances.h"

void TFormSelect::SpeakTranslation() {
  if (instances_.Share == nullptr) return;
  for (browser::SpeechRequest& request :
       browser::TranslationSpeech(Tables(), N8->isChecked(), N10->isChecked(), N11->isChecked())) {
    instances_.Share->QueueSpeech(request.language, std::move(request.text));
  }
}

void TFormSelect::ShowTranslation(text::Language language) {
  const browser::WordTables tables = Tables();
  const browser::StatusTexts texts = browser::MovePartners(tables, language);
  SpeakTranslation();
  ShowStatus(texts);
  if (instances_.FormAdd != nullptr) instances_.FormAdd->LoadCodes(tables.ru, tables.he, tables.en);
}

void TFormSelect::ShowTranslationRU() { ShowTranslation(text::Language::Russian); }
void TFormSelect::ShowTranslationHE() { ShowTranslation(text::Language::Hebrew); }
void TFormSelect::ShowTranslationEN() { ShowTranslation(text::Language::English); }

void TFormSelect::CellClick(text::Language language, int column) {
  if (column == kMarkColumn) {
    dictionary::ToggleMeaningMark(Tables(), language);
  } else {
    ShowTranslation(language);
  }
}

void TFormSelect::DBGrid3CellClick(int column) { CellClick(text::Language::Russian, column); }
void TFormSelect::DBGrid2CellClick(int column) { CellClick(text::Language::Hebrew, column); }
void TFormSelect::DBGrid1CellClick(int column) { CellClick(text::Language::English, column); }

void TFormSelect::DBGrid3DblClick() { NEditClick(); }
void TFormSelect::DBGrid2DblClick() { NEditClick(); }
void TFormSelect::DBGrid1DblClick() { NEditClick(); }

void TFormSelect::DBGrid2ColEnter() { browser::MovePartners(Tables(), text::Language::Hebrew); }
void TFormSelect::DBGrid1ColEnter() { browser::MovePartners(Tables(), text::Language::English); }
