// The main window's lesson list commands: "Delete word", "Delete All" and "End Lesson".

#include <QAction>
#include <QTimer>
#include <QToolButton>

#include "app/Find.h"
#include "dictionary/WordTables.h"
#include "lesson/Formsele.h"
#include "store/DataModul.h"
#include "store/DetachedSources.h"
#include "ui/DetachedWork.h"

// A lesson whose list has become empty stops at once instead of on its next tick.
void TFormSelect::StopLessonOnEmptyList() {
  if (!instances_.DataModul->SelWordTable().IsEmpty()) return;
  if (TimerSelSpeech->isActive() || TimerWithautSpeech->isActive()) {
    instances_.FormSel->Player().Stop();
  }
}

void TFormSelect::NVocamirDelClick() {
  store::Table& lessons = instances_.DataModul->SelWordTable();
  if (lessons.RecordCount() < 1 || RefusedReadOnly()) return;
  lessons.Delete();
  StopLessonOnEmptyList();
}

void TFormSelect::NVocamirDelAllClick() {
  if (RefusedReadOnly()) return;
  TDataModul& data = *instances_.DataModul;
  store::Table& lessons = data.SelWordTable();
  ui::RunDetached(
      *this,
      [&] {
        return store::DetachedSources({{&data.DSSel(), &lessons}});
      },
      [&lessons] {
        store::BulkTransaction transaction(lessons);
        const int count = lessons.RecordCount();
        lessons.First();
        for (int i = 0; i < count; ++i) lessons.Delete();
        transaction.Commit();
      });
  StopLessonOnEmptyList();
}

void TFormSelect::NVocamirCloseClick() {
  if (SPSpeak1->isChecked()) return;
  // A lesson started from the menu ends with the lesson mode; it never speaks in the dictionary.
  if (TimerSelSpeech->isActive() || TimerWithautSpeech->isActive()) {
    instances_.FormSel->Player().Stop();
  }
  SetWorkMode(2, true);
  dictionary::SwitchFilters(Tables(), false);
  if (instances_.FormSel != nullptr) instances_.FormSel->hide();
}
