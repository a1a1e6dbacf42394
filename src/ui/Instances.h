#pragma once

// The single instances of the program's windows and data module, filled in by start-up in the
// order of their creation and handed by reference to every window's constructor. The pointers do
// not own: start-up owns every instance and keeps them alive until the program ends. A pointer
// is null until its instance has been created.

class TFormSelect;
class TDataModul;
class TShare;
class TFormAdd;
class TFormGame;
class TFormSel;
class TFormHelp;

namespace ui {
class Dialogs;
}

namespace lesson {
class TQuickReport1;
}

struct Instances {
  ui::Dialogs* Dialogs = nullptr;  // the dialog seam, there before any window
  TFormSelect* FormSelect = nullptr;
  TDataModul* DataModul = nullptr;
  TShare* Share = nullptr;
  TFormGame* FormGame = nullptr;
  TFormSel* FormSel = nullptr;
  TFormAdd* FormAdd = nullptr;
  lesson::TQuickReport1* QuickReport1 = nullptr;
  TFormHelp* FormHelp = nullptr;
};
