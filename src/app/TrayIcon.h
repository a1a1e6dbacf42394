#pragma once

// The notification-area icon of the main window. When the window is minimised and the desktop
// offers a notification area, the window is hidden and an icon with the program title as tip takes
// its place; a double click on the icon removes it and shows the window again. Without a
// notification area the window minimises normally. The icon is removed with this object.

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace app {

// The desktop's notification area, as the icon uses it.
class NotificationArea {
 public:
  virtual ~NotificationArea() = default;
  // Whether the desktop offers a notification area now.
  virtual bool Available() const = 0;
  // Puts the icon into the area (or updates it); `doubleClicked` runs on a double click on it.
  virtual void Show(const QIcon& icon, const QString& tip, std::function<void()> doubleClicked) = 0;
  virtual void Hide() = 0;
  virtual bool Shown() const = 0;
};

// The system's notification area (QSystemTrayIcon).
std::unique_ptr<NotificationArea> SystemNotificationArea();

class TrayIcon : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxTipLength = 63;

  explicit TrayIcon(QWidget* window,
                    std::unique_ptr<NotificationArea> area = SystemNotificationArea());
  ~TrayIcon() override;

  // The tip, cut to kMaxTipLength characters.
  void SetTip(const QString& tip);
  // True while the icon stands in for the hidden window.
  bool IsShown() const;

  // Called by the window when it has been minimised: hides it behind the icon when possible.
  void WindowMinimised();
  // The double click on the icon: removes it and shows the window again.
  void Restore();

 private:
  void PutIcon();

  QWidget* window_;
  QString tip_;
  std::unique_ptr<NotificationArea> area_;
};

}  // namespace app
