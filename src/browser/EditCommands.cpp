// The word commands that open and close the word editor: "Add word", "Edit word", "Save" and
// "Cancel". The table work lives in editor/WordRecords.h; these handlers choose the page, move
// the main window into and out of its word-editing mode and show or hide the editor.

#include <QLineEdit>
#include <QTabWidget>
#include <exception>
#include <optional>
#include <string>

#include "app/Find.h"
#include "browser/WordTables.h"
#include "editor/Add.h"
#include "editor/WordRecords.h"
#include "store/DataModul.h"
#include "store/Table.h"
#include "text/Codepage.h"
#include "text/Language.h"
#include "ui/DisplayOrder.h"
#include "ui/Instances.h"

namespace {

constexpr int kWordEditing = 1;
const QString kRootMissing = QStringLiteral(
    "Enter the data on a root for formation of the table of conjugation of verbs!!! "
    "?(vocamir@example.org)");
const QString kIncomplete = QStringLiteral(
    "This word cannot be edited: the words of its meaning in the other languages are missing. "
    "\"vocamir-data check\" lists such meanings.");
const QString kStoreFailed =
    QStringLiteral("There was a failure at recording the data!!! (vocamir@example.org)");

editor::WordTables EditorTables(TDataModul& data) {
  return {data.RUTable(), data.HETable(), data.ENTable(), data.GLTABLE(), data.NekudotTable()};
}

editor::Page PageOf(text::Language language) {
  switch (language) {
    case text::Language::Hebrew:
      return editor::Page::Hebrew;
    case text::Language::English:
      return editor::Page::English;
    case text::Language::Russian:
      break;
  }
  return editor::Page::Russian;
}

// The search text of the page, in the code page of its language.
std::string SearchText(const TFormSelect& window, editor::Page page) {
  switch (page) {
    case editor::Page::Hebrew:
      return text::FromUnicode(window.Memo1->Text(), text::Codepage::Win1255);
    case editor::Page::Russian:
      return text::FromUnicode(window.Edit3->text(), text::Codepage::Win1251);
    case editor::Page::English:
      break;
  }
  return text::FromUnicode(window.Edit1->text(), text::Codepage::Ascii);
}

// The Hebrew word's key, or nothing while it has none.
std::optional<int> HebrewId(store::Table& he) {
  store::Field id = he.FieldByName("id");
  if (id.IsNull()) return std::nullopt;
  return id.AsInteger();
}

}  // namespace

void TFormSelect::NNewClick() {
  if (RefusedReadOnly()) return;
  const editor::Page page = PageOf(ActiveLanguage());
  const std::string searchText = SearchText(*this, page);
  editor::WordTables tables = EditorTables(*instances_.DataModul);
  // Stored first: a refused write leaves the window in the dictionary, not in word editing.
  editor::CreateMeaning(tables, page, searchText);
  BlankStatus();
  SetWorkMode(kWordEditing, false);
  TFormAdd& editor = *instances_.FormAdd;
  editor.SetCodes({});
  editor.VerbForms.Clear();
  editor.show();
}

void TFormSelect::NEditClick() {
  if (RefusedReadOnly()) return;
  editor::WordTables tables = EditorTables(*instances_.DataModul);
  // The editor writes all three words of the meaning: without them it would write whatever words
  // the other tables stand on, or make a word with no meaning on an empty page.
  if (!editor::MoveToPartners(tables, PageOf(ActiveLanguage()))) {
    if (!browser::TableOf(Tables(), ActiveLanguage()).IsEmpty()) dialogs_.Message(kIncomplete);
    return;
  }
  editor::EditWords(tables);
  BlankStatus();
  SetWorkMode(kWordEditing, false);
  TFormAdd& editor = *instances_.FormAdd;
  editor.SetCodes(editor::ReadCodes(tables.ru, tables.he, tables.en));
  if (const std::optional<int> heId = HebrewId(tables.he)) {
    editor::LoadVerbForms(tables, *heId, editor.VerbForms.VerbSpelling,
                          editor.VerbForms.VerbPronunciation);
  } else {
    editor.VerbForms.Clear();
  }
  editor.show();
}

void TFormSelect::N4Click() {
  TFormAdd& editor = *instances_.FormAdd;
  const editor::WordCodes codes = editor.Codes();
  const bool verb = codes.part == editor::kPartVerb;
  if (verb && editor.DBMemo5->Text().isEmpty()) {
    dialogs_.Message(kRootMissing);
    editor.DBMemo5->setFocus();
    return;
  }
  editor.TakeVerbMemos();
  editor::WordTables tables = EditorTables(*instances_.DataModul);
  // The words and their verb forms reach the disk together, so that a crash never leaves a verb
  // without its forms; forms the database refuses are undone alone and reported once the words
  // are stored.
  bool formsRefused = false;
  {
    store::BulkTransaction transaction(tables.he);
    const std::optional<int> heId = editor::WriteCodesAndPost(tables, codes);
    if (verb && heId) {
      try {
        editor::StoreVerbForms(tables, *heId, editor.VerbForms.VerbSpelling,
                               editor.VerbForms.VerbPronunciation);
      } catch (const std::exception&) {
        formsRefused = true;
      }
    }
    transaction.Commit();
  }
  if (formsRefused) dialogs_.Message(kStoreFailed);
  SetWorkMode(kWordEditing, true);
  editor.hide();
}

void TFormSelect::N5Click() {
  SetWorkMode(kWordEditing, true);
  instances_.FormAdd->hide();
}
