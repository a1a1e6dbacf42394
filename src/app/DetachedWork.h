#pragma once

// Long work over whole tables with their grids unbound (see exchange::DetachedSources), and the
// main window laid out again afterwards, since grids bound anew have lost their column widths.

#include "app/Find.h"

namespace app {

// `detach` returns the exchange::DetachedSources to hold while `work` runs. The window is laid
// out again when the work ends, also when it throws (the exception goes on to the caller).
template <class Detach, class Work>
void RunDetached(TFormSelect& window, const Detach& detach, const Work& work) {
  try {
    const auto detached = detach();
    work();
  } catch (...) {
    window.FormPaint();
    throw;
  }
  window.FormPaint();
}

}  // namespace app
