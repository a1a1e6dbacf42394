#pragma once

// A word editor on a temporary dictionary: a working folder with an empty data folder, the data
// module, the settings object with scripted speech engines, the scripted dialog seam and FormAdd.
// The working directory is the temporary folder while the fixture lives.

#include <gtest/gtest.h>

#include <QDir>
#include <memory>
#include <string>

#include "WorkingFolder.h"
#include "editor/Add.h"
#include "editor/WordRecords.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "ui/Instances.h"

class QWidget;
class TFormSelect;

namespace test {
class ScriptedDialogs;
}

namespace editortest {

class EditorFixture : public ::testing::Test {
 protected:
  EditorFixture();
  ~EditorFixture() override;

  // Creates FormSelect as well (for the word commands), before FormAdd as start-up does.
  void SetUpWindows(bool withMainWindow);

  // The editor's windows alone, with a new meaning whose codes say VERB, not shown yet.
  void SetUpNewVerb();

  editor::WordTables Tables();
  std::string Text(store::Table& table, const char* field);

  // Sets the verb-form mask through the settings window's "Ok".
  void SetMask(const std::string& mask);
  // Shows the editor and makes it the active window.
  void ShowEditor();
  // Gives `widget` the keyboard focus (its window must be active).
  static void Focus(QWidget* widget);
  // Types each character of `text` into `widget` as a key press and release.
  static void TypeText(QWidget* widget, const QString& text);

  test::WorkingFolder folder_;
  Instances instances_;
  std::unique_ptr<test::ScriptedDialogs> dialogs_;
  std::unique_ptr<TDataModul> data_;
  std::unique_ptr<TShare> share_;
  std::unique_ptr<TFormSelect> formSelect_;
  std::unique_ptr<TFormAdd> form_;
};

}  // namespace editortest
