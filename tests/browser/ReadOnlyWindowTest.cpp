// The main window on a dictionary this user may not write: browsing and searching work, every word
// command that writes is refused with one message and leaves the window where it was.

#include <QLineEdit>

#include "BrowserTestData.h"
#include "MainWindowFixture.h"
#include "Unprivileged.h"
#include "ui/PanelStatusBar.h"

namespace {

class ReadOnlyWindowTest : public test::MainWindowFixture {};

TEST_F(ReadOnlyWindowTest, SearchesAndRefusesEveryWordCommandOnce) {
  if (const auto child = test::RunUnprivileged()) {
    EXPECT_TRUE(*child);
    return;
  }
  test::AddBrowserDictionary(workspace.Data());
  workspace.ReopenReadOnly();
  instances.DataModul = &workspace.Data();
  TFormSelect& window = Window();
  const QString title = window.windowTitle();
  const QString readOnly = QString::fromStdString(workspace.Data().ReadOnly().value_or(""));
  ASSERT_TRUE(readOnly.contains(QStringLiteral("is read-only")));

  TypeKeys(window.Edit3, QStringLiteral("rjn"));  // К О Т
  EXPECT_EQ(test::FieldText(RU(), "Item"), QString::fromUtf8("КОТ"));
  EXPECT_EQ(window.StatusBar->PanelText(1), "CAT");

  const struct {
    const char* name;
    void (TFormSelect::*command)();
  } commands[] = {
      {"Add word", &TFormSelect::NNewClick},    {"Edit word", &TFormSelect::NEditClick},
      {"Select", &TFormSelect::NSelectClick},   {"Delete word", &TFormSelect::NDelClick},
      {"Deselect", &TFormSelect::BitBtn1Click}, {"Import data", &TFormSelect::Importdata1Click}};
  for (const auto& command : commands) {
    dialogs.messages.clear();
    dialogs.answers = {ui::Answer::Yes};
    (window.*command.command)();
    EXPECT_EQ(dialogs.Texts(), std::vector<QString>{readOnly}) << command.name;
    EXPECT_EQ(window.windowTitle(), title) << command.name;
    for (store::Table* table : {&RU(), &HE(), &EN()}) {
      EXPECT_EQ(table->State(), store::TableState::Browse) << command.name;
    }
    EXPECT_EQ(test::FieldText(RU(), "Item"), QString::fromUtf8("КОТ")) << command.name;
  }
}

}  // namespace
