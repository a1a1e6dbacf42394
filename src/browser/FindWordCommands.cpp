// The main window's word commands "Select", "Delete word" and "Deselect".

#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTableView>

#include "app/Find.h"
#include "dictionary/DeleteMeaning.h"
#include "dictionary/Marks.h"
#include "store/DetachedSources.h"
#include "ui/DetachedWork.h"
#include "ui/Instances.h"

namespace {
const QString kDeleteQuestion = QStringLiteral("You really want to remove this word ?");
}  // namespace

text::Language TFormSelect::ActiveLanguage() const {
  const QWidget* page = PageControl1->currentWidget();
  if (page == SheetHE) return text::Language::Hebrew;
  if (page == SheetEN) return text::Language::English;
  return text::Language::Russian;
}

void TFormSelect::NSelectClick() {
  if (RefusedReadOnly()) return;
  dictionary::ToggleWordMark(dictionary::TableOf(Tables(), ActiveLanguage()));
}

void TFormSelect::NDelClick() {
  const dictionary::WordTables tables = Tables();
  if (dictionary::TableOf(tables, ActiveLanguage()).IsEmpty() || RefusedReadOnly()) return;
  if (!dialogs_.AskYesNo(kDeleteQuestion)) return;
  const dictionary::DeletePlan plan = dictionary::FindMeaningToDelete(tables, ActiveLanguage());
  BlankStatus();
  dictionary::DeleteMeaning(tables, plan);
}

void TFormSelect::ClearGridSelections() {
  for (QTableView* grid : {DBGrid3, DBGrid2, DBGrid1}) {
    if (grid->selectionModel() != nullptr) grid->selectionModel()->clearSelection();
  }
}

void TFormSelect::BitBtn1Click() {
  if (RefusedReadOnly()) return;
  BlankStatus();
  // The walk over every marked meaning runs with the grids unbound.
  TDataModul& data = *instances_.DataModul;
  ui::RunDetached(
      *this, [&data] { return store::DetachedSources(data); },
      [this] { dictionary::ClearAllMarks(Tables()); });
  ClearGridSelections();
}
