#pragma once

// Long work over whole tables with their grids unbound (see store::DetachedSources), and the
// main window laid out again afterwards, since grids bound anew have lost their column widths.

namespace ui {

// `detach` returns the store::DetachedSources to hold while `work` runs. The window (anything
// with `FormPaint`, in practice the main window) is laid out again when the work ends, also when
// it throws (the exception goes on to the caller).
template <class Window, class Detach, class Work>
void RunDetached(Window& window, const Detach& detach, const Work& work) {
  try {
    const auto detached = detach();
    work();
  } catch (...) {
    window.FormPaint();
    throw;
  }
  window.FormPaint();
}

}  // namespace ui
