// The main window's search boxes and grid keys: typing, searching, the caret step-back.

#include <QLineEdit>
#include <QTableView>

#include "app/Find.h"
#include "browser/DictionarySearch.h"
#include "browser/GridBinding.h"
#include "store/DataModul.h"
#include "text/CaretStepBack.h"
#include "text/KeyBox.h"
#include "ui/DisplayOrder.h"
#include "ui/Instances.h"
#include "ui/PanelStatusBar.h"

dictionary::WordTables TFormSelect::Tables() const {
  TDataModul& data = *instances_.DataModul;
  return {data.RUTable(), data.HETable(), data.ENTable()};
}

void TFormSelect::ShowStatus(const browser::StatusTexts& texts) {
  StatusBar->SetPanelText(0, texts.panel0);
  StatusBar->SetPanelText(1, texts.panel1);
}

void TFormSelect::BlankStatus() { ShowStatus({browser::kBlankPanel, browser::kBlankPanel}); }

namespace {

// An incremental search shows the found word at the top of its grid, with the words after it.
void ShowFoundAtTop(QTableView* grid) {
  if (browser::GridBinding* binding = browser::GridBinding::Of(grid)) binding->ShowCurrentAtTop();
}

}  // namespace

void TFormSelect::Edit3Change() {
  ShowStatus(browser::SearchRussian(Tables(), Edit3->text()));
  ShowFoundAtTop(DBGrid3);
}

void TFormSelect::Edit1Change() {
  ShowStatus(browser::SearchEnglish(Tables(), Edit1->text()));
  ShowFoundAtTop(DBGrid1);
}

void TFormSelect::Memo1Change() {
  if (const auto texts = browser::SearchHebrewWord(Tables(), Memo1->Text())) {
    ShowStatus(*texts);
    ShowFoundAtTop(DBGrid2);
  }
}

void TFormSelect::Memo2Change() {
  if (const auto texts = browser::SearchHebrewRoot(Tables(), Memo2->Text())) {
    ShowStatus(*texts);
    ShowFoundAtTop(DBGrid2);
  }
}

void TFormSelect::MapKey(text::KeyBox box, QChar& key) const {
  const std::optional<QChar> letter = text::TypeKey(box, InputLanguage, key);
  key = letter.value_or(QChar());
}

void TFormSelect::Edit3KeyPress(QChar& key) { MapKey(text::KeyBox::Edit3, key); }
void TFormSelect::Memo1KeyPress(QChar& key) { MapKey(text::KeyBox::Memo1, key); }
void TFormSelect::Memo2KeyPress(QChar& key) { MapKey(text::KeyBox::Memo2, key); }
void TFormSelect::Edit1KeyPress(QChar& key) { MapKey(text::KeyBox::Edit1, key); }

void TFormSelect::Memo1KeyUp(int key) {
  Memo1->SetCursorPos(
      static_cast<int>(text::StepBackCaret(Memo1->Text(), Memo1->CursorPos(), key)));
}

void TFormSelect::Memo2KeyUp(int key) {
  Memo2->SetCursorPos(
      static_cast<int>(text::StepBackCaret(Memo2->Text(), Memo2->CursorPos(), key)));
}

namespace {
bool IsUpOrDown(int key) { return key == Qt::Key_Up || key == Qt::Key_Down; }
}  // namespace

void TFormSelect::DBGrid3KeyUp(int key) {
  if (IsUpOrDown(key)) ShowTranslationRU();
}

void TFormSelect::DBGrid2KeyUp(int key) {
  if (IsUpOrDown(key)) ShowTranslationHE();
}

void TFormSelect::DBGrid1KeyUp(int key) {
  if (IsUpOrDown(key)) ShowTranslationEN();
}
