// Handlers of the language pages; their bodies follow with the browser logic.

#include "app/Find.h"

void TFormSelect::Edit3Change() {}
void TFormSelect::Memo1Change() {}
void TFormSelect::Memo2Change() {}
void TFormSelect::Edit1Change() {}
void TFormSelect::Edit3KeyPress(QChar&) {}
void TFormSelect::Memo1KeyPress(QChar&) {}
void TFormSelect::Memo2KeyPress(QChar&) {}
void TFormSelect::Edit1KeyPress(QChar&) {}
void TFormSelect::Memo1KeyUp(int) {}
void TFormSelect::Memo2KeyUp(int) {}
void TFormSelect::DBGrid3KeyUp(int) {}
void TFormSelect::DBGrid2KeyUp(int) {}
void TFormSelect::DBGrid1KeyUp(int) {}
void TFormSelect::ShowTranslationRU() {}
void TFormSelect::ShowTranslationHE() {}
void TFormSelect::ShowTranslationEN() {}
void TFormSelect::DBGrid3CellClick(int) {}
void TFormSelect::DBGrid2CellClick(int) {}
void TFormSelect::DBGrid1CellClick(int) {}
void TFormSelect::DBGrid3DblClick() { NEditClick(); }
void TFormSelect::DBGrid2DblClick() { NEditClick(); }
void TFormSelect::DBGrid1DblClick() { NEditClick(); }
void TFormSelect::DBGrid2ColEnter() {}
void TFormSelect::DBGrid1ColEnter() {}
void TFormSelect::ApplyPartFilter(const QString&, int) {}
void TFormSelect::ApplyFilters() {}
void TFormSelect::CBThemeChange() {}
void TFormSelect::SpBVerbClick() {}
void TFormSelect::SpBNounClick() {}
void TFormSelect::SpBAdjectiveClick() {}
void TFormSelect::SpBServClick() {}
void TFormSelect::SpBSentClick() {}
void TFormSelect::SpBOtherClick() {}
void TFormSelect::SpeedButton23Click() {}
void TFormSelect::NSelectClick() {}
void TFormSelect::NDelClick() {}
void TFormSelect::BitBtn1Click() {}
