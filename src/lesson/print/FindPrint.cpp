// The main window's print command: the lesson list in a print preview.

#include <QPrinter>

#include "app/EventGuard.h"
#include "app/Find.h"
#include "app/Instances.h"
#include "lesson/print/QuickReport1.h"
#include "store/DataModul.h"

void TFormSelect::Print1Click() {
  lesson::ReportTable& table = instances_.QuickReport1->Table1;
  table.Open(instances_.DataModul->DataFolder());
  // The preview and a print from it show the same records: those of this moment.
  const std::vector<lesson::ReportRow> records = table.Rows();
  dialogs_.PrintPreview([this, &records](QPrinter& printer) {
    // The preview asks for its pages from inside its own event loop.
    app::RunGuarded(dialogs_, [&] { lesson::PrintReport(records, printer); });
  });
}
