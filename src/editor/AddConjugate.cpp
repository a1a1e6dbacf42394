// "Conjugate" on the verb page of the word editor: the forms of the verb from the root box and
// the pattern list, put into the forms being edited.

#include <QComboBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "conjugation/NotCovered.h"
#include "editor/Add.h"
#include "editor/VerbConjugation.h"
#include "text/Codepage.h"
#include "ui/Dialogs.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Instances.h"

namespace {

const QString kReplaceQuestion = QStringLiteral(
    "Some forms of this verb are entered already. Replace them with the conjugated forms?\n"
    "(No fills only the empty forms.)");

}  // namespace

void TFormAdd::BuildConjugateCommand() {
  BtnConjugate = new QPushButton(QStringLiteral("Conjugate"), TabSheet2);
  BtnConjugate->setObjectName(QStringLiteral("BtnConjugate"));
  BtnConjugate->setToolTip(
      QStringLiteral("Fill the forms from the root and the verb pattern (Ctrl+J)"));
  // Under the two memos, before the page's closing stretch.
  static_cast<QVBoxLayout*>(TabSheet2->layout())->insertWidget(2, BtnConjugate, 0, Qt::AlignLeft);
  ConjugateShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this);
  ConjugateShortcut->setObjectName(QStringLiteral("ConjugateShortcut"));

  ui::Dialogs& dialogs = *instances_.Dialogs;
  connect(BtnConjugate, &QPushButton::clicked, this,
          ui::Guarded(dialogs, [this] { BtnConjugateClick(); }));
  connect(ConjugateShortcut, &QShortcut::activated, this, ui::Guarded(dialogs, [this] {
            if (!PConVerb->isTabVisible(PConVerb->indexOf(TabSheet2))) return;
            PConVerb->setCurrentWidget(TabSheet2);
            BtnConjugateClick();
          }));
}

void TFormAdd::BtnConjugateClick() {
  ui::Dialogs& dialogs = *instances_.Dialogs;
  TakeVerbMemos();
  const std::string root = text::FromUnicode(DBMemo5->Text(), text::Codepage::Win1255);
  editor::ConjugatedForms forms;
  try {
    forms = editor::ConjugateVerb(root, CBDopHE->currentIndex());
  } catch (const editor::ConjugationInputMissing& missing) {
    dialogs.Message(QString::fromUtf8(missing.what()));
    return;
  } catch (const conjugation::NotCovered& refusal) {
    dialogs.Message(QString::fromUtf8(refusal.what()));
    return;
  }
  const bool replace =
      editor::ReplacesTypedForms(VerbForms, forms) && dialogs.AskYesNo(kReplaceQuestion);
  editor::FillForms(VerbForms, forms, replace);
  BuildVerbGrid();
}
