// The main window's "Export data" and "Import data" commands, driven through the scripted dialog
// seam, and the progress bar of long runs.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTableView>
#include <QTemporaryDir>

#include "GoldenFile.h"
#include "MainWindowFixture.h"
#include "WorkingFolder.h"
#include "exchange/ProgressWindow.h"
#include "ui/EventGuard.h"

namespace {

const QString kQuestion = QStringLiteral("You are really going to export all words?");

class ExchangeCommands : public test::MainWindowFixture {
 protected:
  void SetUp() override { MainWindowFixture::SetUp(); }

  void AddWord(const QString& russian, bool marked) {
    test::AddMeaning(workspace.Data(), {.ru = russian,
                                        .he = QStringLiteral("\u05D1"),
                                        .en = russian,
                                        .part = 2,
                                        .topic = 0,
                                        .marked = marked});
  }

  // Runs a command as the menu does: inside the event guard, which shows what it throws.
  void Run(void (TFormSelect::*command)()) {
    TFormSelect& window = Window();
    ui::RunGuarded(dialogs, [&] { (window.*command)(); });
  }

  int Units(const QString& path) {
    return static_cast<int>(QByteArray::fromStdString(exchange::ReadBytes(path)).count("</Unit>"));
  }

  std::vector<QString> Marks(store::Table& table) {
    std::vector<QString> marks;
    table.SetFiltered(false);
    table.SetIndexName("");
    table.First();
    for (int i = 0; i < table.RecordCount(); ++i) {
      if (i > 0) table.Next();
      marks.push_back(test::FieldText(table, "Select"));
    }
    return marks;
  }

  QTemporaryDir target;         // where the user saves
  test::WorkingFolder current;  // the process's current folder during the test
};

TEST_F(ExchangeCommands, ExportOfMarkedWordsAsksNothingAndClearsTheMarks) {
  AddWord(QStringLiteral("A"), true);
  AddWord(QStringLiteral("B"), false);
  AddWord(QStringLiteral("C"), true);
  const QString path = target.filePath("marked.xml");
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Exportdata1Click);
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, "xml");
  EXPECT_EQ(dialogs.saveRequests[0].filter,
            "XML|*.xml|KVTML (Parley, KWordQuiz)|*.kvtml|Comma-separated text|*.csv|"
            "Tab-separated text|*.tsv *.txt|Flashcard package with sounds|*.apkg");
  EXPECT_EQ(Units(path), 2);
  EXPECT_EQ(exchange::ReadBytes(target.filePath("TStyle.xsl")), exchange::Golden("TStyle.xsl"));
  EXPECT_FALSE(QFile::exists(current.FilePath("TStyle.xsl")));
  for (store::Table* table : {&RU(), &HE(), &EN()}) {
    EXPECT_FALSE(table->Filtered());
    EXPECT_EQ(Marks(*table), (std::vector<QString>{"", "", ""}));
  }
  EXPECT_EQ(RU().Filter(), "Select = '*'");
}

// A name ending in .apkg makes the flashcard package of the marked words (read back by the
// package's own tests); their marks stay.
TEST_F(ExchangeCommands, ExportToAnotherProgramsFileKeepsTheMarks) {
  AddWord(QStringLiteral("A"), true);
  AddWord(QStringLiteral("B"), false);
  for (const char* name : {"words.apkg", "words.kvtml", "words.csv", "words.tsv"}) {
    SCOPED_TRACE(name);
    const QString path = target.filePath(QString::fromLatin1(name));
    dialogs.fileNames.push_back(path);
    Run(&TFormSelect::Exportdata1Click);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_GT(QFileInfo(path).size(), 0);
    EXPECT_EQ(Marks(RU()), (std::vector<QString>{"*", ""}));
    EXPECT_FALSE(RU().Filtered());
  }
}

TEST_F(ExchangeCommands, ImportOfAWordListEndsWithItsReport) {
  AddWord(QStringLiteral("A"), false);
  const QString path = target.filePath("list.csv");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Russian,Hebrew,English,Part\nA,\xD7\x91,A,2\nNEW,,NEW,9\nNEW,,NEW,2\n");
  file.close();
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Importdata1Click);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Imported 1 meanings; 1 were in the dictionary already.\n"
            "1 entry was not imported:\n"
            "  line 3: the Part \"9\" is not a number from 0 to 5.");
  EXPECT_EQ(Marks(RU()), (std::vector<QString>{"", "*"}));

  // A malformed list is refused whole, by name and line.
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("Russian\n\"B\n");
  file.close();
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Importdata1Click);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(dialogs.messages[1].text.contains("was not imported. Line 2: a quoted field"))
      << dialogs.messages[1].text.toStdString();
  EXPECT_EQ(RU().RecordCount(), 2);
  EXPECT_FALSE(RU().Filtered());
}

TEST_F(ExchangeCommands, WithoutMarksTheAnswerYesExportsEverything) {
  AddWord(QStringLiteral("A"), false);
  AddWord(QStringLiteral("B"), false);
  dialogs.answers.push_back(ui::Answer::Yes);
  dialogs.fileNames.push_back(target.filePath("all.xml"));
  Run(&TFormSelect::Exportdata1Click);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kQuestion);
  EXPECT_EQ(dialogs.messages[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(Units(target.filePath("all.xml")), 2);
}

TEST_F(ExchangeCommands, WithoutMarksTheAnswerNoWritesNoUnit) {
  AddWord(QStringLiteral("A"), false);
  dialogs.answers.push_back(ui::Answer::No);
  dialogs.fileNames.push_back(target.filePath("none.xml"));
  Run(&TFormSelect::Exportdata1Click);
  EXPECT_EQ(Units(target.filePath("none.xml")), 0);
  EXPECT_TRUE(exchange::ReadBytes(target.filePath("none.xml")).ends_with("\r\n </Root>"));
}

TEST_F(ExchangeCommands, ACancelledSaveDialogWritesNothing) {
  AddWord(QStringLiteral("A"), true);
  Run(&TFormSelect::Exportdata1Click);
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_TRUE(QDir(current.Path()).isEmpty());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(RU().Filtered());
  EXPECT_EQ(Marks(RU()), std::vector<QString>{"*"});
}

TEST_F(ExchangeCommands, AnExportThatCannotBeWrittenIsReportedByName) {
  AddWord(QStringLiteral("A"), true);
  const QString path = target.filePath("no-such-folder/out.xml");
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Exportdata1Click);
  const std::vector<QString> errors = dialogs.Texts(ui::BoxKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(path))) << errors[0].toStdString();
  EXPECT_FALSE(RU().Filtered());
  EXPECT_EQ(Marks(RU()), std::vector<QString>{"*"});
}

TEST_F(ExchangeCommands, ImportAddsMarkedMeanings) {
  AddWord(QStringLiteral("A"), false);
  const QString path = target.filePath("in.xml");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "<Root><Unit><WordRU><Item>NEW</Item><WordEN><Item>NEW</Item></Unit>"
      "<Unit><WordRU><Item>A</Item><WordHE><Item>\xE1</Item><WordEN><Item>A</Item></Unit>"
      "</Root>");
  file.close();
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Importdata1Click);
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_EQ(dialogs.openRequests.size(), 1u);
  EXPECT_EQ(dialogs.openRequests[0].filter,
            "XML|*.xml|KVTML (Parley, KWordQuiz)|*.kvtml|Comma-separated text|*.csv|"
            "Tab-separated text|*.tsv *.txt");
  EXPECT_EQ(Marks(RU()), (std::vector<QString>{"", "*"}));
  EXPECT_EQ(Marks(HE()), (std::vector<QString>{"", "*"}));
  EXPECT_EQ(Marks(EN()), (std::vector<QString>{"", "*"}));
}

TEST_F(ExchangeCommands, TheGridsShowTheImportedWordsInTheirColumnsAfterwards) {
  AddWord(QStringLiteral("A"), false);
  auto* grid = Find<QTableView>("DBGrid3");
  ASSERT_NE(grid, nullptr);
  const int width = grid->columnWidth(0);
  const std::vector<store::DataSource::Column> columns = workspace.Data().DSRU().Columns();
  const QString path = target.filePath("in.xml");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<Root><WordRU><Item>B</Item></Unit><WordRU><Item>C</Item></Unit></Root>");
  file.close();
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Importdata1Click);
  EXPECT_TRUE(dialogs.messages.empty());
  store::DataSource& source = workspace.Data().DSRU();
  EXPECT_EQ(source.DataSet(), &RU());
  ASSERT_EQ(source.Columns().size(), columns.size());
  for (std::size_t i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(source.Columns()[i].FieldName, columns[i].FieldName);
    EXPECT_EQ(source.Columns()[i].Caption, columns[i].Caption);
  }
  EXPECT_EQ(grid->model()->rowCount(), 3);
  QApplication::processEvents();  // the grid follows its table from the event loop
  EXPECT_EQ(grid->currentIndex().row(), source.CurrentRow());
  EXPECT_EQ(grid->columnWidth(0), width);
}

TEST_F(ExchangeCommands, ADocumentThatEndsEarlyIsReportedWithTheUnitsTaken) {
  const QString path = target.filePath("cut.xml");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<Root><Unit><WordRU><Item>B</Item></Unit><Unit><WordRU><Item>C");
  file.close();
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Importdata1Click);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains("1 complete unit was taken"))
      << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(RU().RecordCount(), 1);
}

TEST_F(ExchangeCommands, AFileThatIsNotADocumentIsAnErrorAndImportsNothing) {
  const struct {
    const char* name;
    QByteArray bytes;
  } files[] = {
      {"notes.doc", "Words to learn: <Unit><WordRU><Item>A</Item></WordRU></Unit></Root>"},
      {"picture.png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
  };
  for (const auto& f : files) {
    const QString path = target.filePath(QString::fromLatin1(f.name));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(f.bytes);
    file.close();
    dialogs.messages.clear();
    dialogs.fileNames.push_back(path);
    Run(&TFormSelect::Importdata1Click);
    ASSERT_EQ(dialogs.messages.size(), 1u) << f.name;
    EXPECT_EQ(dialogs.messages[0].kind, ui::BoxKind::Error) << f.name;
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("The file \"%1\" is not a Vocamir exchange document: nothing was "
                             "imported.")
                  .arg(QDir::toNativeSeparators(path)));
  }
  EXPECT_EQ(RU().RecordCount(), 0);
}

TEST_F(ExchangeCommands, ACancelledOpenDialogLeavesTheTablesUnfilteredAtTheirEnd) {
  AddWord(QStringLiteral("A"), true);
  AddWord(QStringLiteral("B"), false);
  Window();
  RU().SetFilter("Select = '*'");
  RU().SetFiltered(true);
  Run(&TFormSelect::Importdata1Click);
  EXPECT_TRUE(dialogs.messages.empty());
  for (store::Table* table : {&RU(), &HE(), &EN()}) {
    EXPECT_FALSE(table->Filtered());
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecordCount(), 2);
  }
}

TEST_F(ExchangeCommands, AnImportFileThatCannotBeReadIsReportedByName) {
  const QString path = target.filePath("missing.xml");
  dialogs.fileNames.push_back(path);
  Run(&TFormSelect::Importdata1Click);
  const std::vector<QString> errors = dialogs.Texts(ui::BoxKind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(path))) << errors[0].toStdString();
}

TEST(ProgressWindow, ShortRunsShowNothing) {
  QWidget parent;
  exchange::ProgressWindow progress(&parent, QStringLiteral("Working"));
  const exchange::Progress callback = progress.Callback();
  EXPECT_TRUE(callback(0, exchange::ProgressWindow::kShownFrom));
  EXPECT_TRUE(callback(1000, exchange::ProgressWindow::kShownFrom));
  EXPECT_EQ(parent.findChild<QProgressDialog*>(), nullptr);
}

TEST(ProgressWindow, LongRunsShowABarThatCanCancel) {
  QWidget parent;
  exchange::ProgressWindow progress(&parent, QStringLiteral("Working"));
  const exchange::Progress callback = progress.Callback();
  EXPECT_TRUE(callback(0, 5000));
  EXPECT_TRUE(callback(256, 5000));
  auto* dialog = parent.findChild<QProgressDialog*>(QStringLiteral("ExchangeProgress"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->maximum(), 5000);
  EXPECT_EQ(dialog->value(), 256);
  EXPECT_EQ(dialog->labelText(), "Working");
  dialog->cancel();
  EXPECT_FALSE(callback(512, 5000));
}

}  // namespace
