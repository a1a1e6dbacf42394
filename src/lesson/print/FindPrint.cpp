// The main window's print command: the lesson list in a print preview.

#include <QPrinter>

#include "app/Find.h"
#include "lesson/print/QuickReport1.h"
#include "store/DataModul.h"
#include "ui/EventGuard.h"
#include "ui/Instances.h"

void TFormSelect::Print1Click() {
  lesson::ReportTable& table = instances_.QuickReport1->Table1;
  table.Open(instances_.DataModul->DataFolder());
  // The preview and a print from it show the same records: those of this moment.
  const std::vector<lesson::ReportRow> records = table.Rows();
  dialogs_.PrintPreview([this, &records](QPrinter& printer) {
    // The preview asks for its pages from inside its own event loop.
    ui::RunGuarded(dialogs_, [&] { lesson::PrintReport(records, printer); });
  });
}
