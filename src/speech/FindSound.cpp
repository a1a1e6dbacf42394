// The main window's speech commands: the auto-speak switches and the settings window's pages.

#include "app/Find.h"

void TFormSelect::N8Click() {}
void TFormSelect::N10Click() {}
void TFormSelect::N11Click() {}
void TFormSelect::Speech1Click() {}
void TFormSelect::Verbs1Click() {}
void TFormSelect::Information1Click() {}
