#include "app/StartupProbe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/Find.h"

namespace app {
namespace {

constexpr char kVariable[] = "VOCAMIR_STARTUP_PROBE";

std::int64_t WallMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// The time one key press and release into `box` takes to be handled, in microseconds.
std::int64_t TypeKey(QLineEdit* box, Qt::Key key, const QString& text) {
  const auto start = std::chrono::steady_clock::now();
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(box, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(box, &release);
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                               start)
      .count();
}

// Waits for the first paint of the Russian grid showing the dictionary (its rows, or none when
// the dictionary is empty), then reports and ends.
class Probe : public QObject {
 public:
  explicit Probe(TFormSelect& window) : QObject(&window), window_(window) {
    window.DBGrid3->viewport()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || done_) return QObject::eventFilter(watched, event);
    // The grid's source holds the whole table from the moment it is bound.
    if (window_.DBGrid3->model() == nullptr) return false;
    done_ = true;
    // After the paint event has been handled: the rows are on screen.
    QTimer::singleShot(0, this, [this] { ReportShown(); });
    return false;
  }

 private:
  void ReportShown() {
    std::printf("shown_us=%lld\n", static_cast<long long>(WallMicroseconds()));
    std::fflush(stdout);
    // Queued behind whatever the program scheduled for after its first paint.
    QTimer::singleShot(0, this, [this] { TypeKeys(); });
  }

  void TypeKeys() {
    window_.Edit3->setFocus();
    const std::int64_t first = TypeKey(window_.Edit3, Qt::Key_K, QStringLiteral("k"));
    const std::int64_t second = TypeKey(window_.Edit3, Qt::Key_J, QStringLiteral("j"));
    std::printf("first_key_us=%lld\nsecond_key_us=%lld\nready_us=%lld\n",
                static_cast<long long>(first), static_cast<long long>(second),
                static_cast<long long>(WallMicroseconds()));
    std::fflush(stdout);
    std::_Exit(0);
  }

  TFormSelect& window_;
  bool done_ = false;
};

}  // namespace

void ArmStartupProbe(TFormSelect& window) {
  if (std::getenv(kVariable) == nullptr) return;
  new Probe(window);
}

}  // namespace app
