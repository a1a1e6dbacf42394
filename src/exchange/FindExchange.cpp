// The main window's data exchange commands: "Export data" and "Import data".

#include "app/Find.h"

void TFormSelect::Exportdata1Click() {}
void TFormSelect::Importdata1Click() {}
