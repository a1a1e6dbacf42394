// The main window's "Progress" command: the progress window, made on its first opening.

#include "app/Find.h"
#include "review/FormProgress.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "store/Table.h"
#include "ui/Instances.h"

void TFormSelect::NProgressClick() {
  if (formProgress_ == nullptr) {
    formProgress_ = new TFormProgress(dialogs_, instances_.DataModul->RUTable().Database(),
                                      review::SystemTime, this);
  }
  formProgress_->ShowProgress(instances_.Share != nullptr ? instances_.Share->Review().Retention
                                                          : review::kDefaultRetention);
}
