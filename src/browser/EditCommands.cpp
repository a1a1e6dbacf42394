// The word editor's commands of the main window: "Add word", "Edit word", "Save", "Cancel".

#include "app/Find.h"

void TFormSelect::NNewClick() {}
void TFormSelect::NEditClick() {}
void TFormSelect::N4Click() {}
void TFormSelect::N5Click() {}
