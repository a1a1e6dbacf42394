#pragma once

// A main window for tests: a temporary dictionary, the scripted dialog seam and FormSelect bound
// to the data module, shown offscreen. Settings window and word editor are not created.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "ScriptedDialogs.h"
#include "TestDictionary.h"
#include "app/Find.h"
#include "ui/Instances.h"

namespace test {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    instances.Dialogs = &dialogs;
    instances.DataModul = &workspace.Data();
  }

  // Creates and shows the window; add the dictionary's meanings before.
  TFormSelect& Window() {
    if (!window) {
      window = std::make_unique<TFormSelect>(instances);
      instances.FormSelect = window.get();
      window->AttachData();
      window->resize(1000, 700);
      window->show();
      QApplication::setActiveWindow(window.get());
      EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    return *window;
  }

  template <class T>
  T* Find(const char* name) {
    T* found = Window().findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // Types `keys` into `widget`, one press and release per character, with the character as the
  // event's text (Latin or Cyrillic, as a keyboard layout delivers it). The event loop then runs
  // once, as between a user's keystrokes, so the grids have followed their tables.
  static void TypeKeys(QWidget* widget, const QString& keys) {
    for (const QChar key : keys) {
      QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(key.toUpper().unicode()),
                          QString(key), Qt::NoModifier);
    }
    QApplication::processEvents();
  }

  store::Table& RU() { return workspace.Data().RUTable(); }
  store::Table& HE() { return workspace.Data().HETable(); }
  store::Table& EN() { return workspace.Data().ENTable(); }

  ScriptedDialogs dialogs;
  TestWorkspace workspace;
  Instances instances;
  std::unique_ptr<TFormSelect> window;
};

}  // namespace test
