#pragma once

// Work that should wait until a widget is on screen: it runs once, a turn of the event loop after
// the widget's first paint and what was queued with it, so the window is shown without waiting.

#include <functional>

class QWidget;

namespace ui {

// Runs `action` once after the first paint of `widget` (for a scroll area, pass its viewport).
// Nothing runs when the widget is destroyed before it is painted. The action runs from the event
// loop, so it must not let an exception escape (wrap it in the event guard).
void AfterFirstPaint(QWidget& widget, std::function<void()> action);

}  // namespace ui
