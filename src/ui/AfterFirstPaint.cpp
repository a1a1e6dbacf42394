#include "ui/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ui {
namespace {

class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(QWidget& widget, std::function<void()> action)
      : QObject(&widget), action_(std::move(action)) {
    widget.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued twice: the paint in progress reaches the screen first, and so does whatever else
      // was queued for after it.
      QTimer::singleShot(0, this, [this] {
        QTimer::singleShot(0, this, [this] {
          action_();
          deleteLater();
        });
      });
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void AfterFirstPaint(QWidget& widget, std::function<void()> action) {
  new FirstPaintWatcher(widget, std::move(action));
}

}  // namespace ui
