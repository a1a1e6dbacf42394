#pragma once

// The notification-area icon of the main window. When the window is minimised and the desktop
// offers a notification area, the window is hidden and an icon with the tip "Vocamir 3.1" takes
// its place; a double click on the icon removes it and shows the window again. Without a
// notification area the window minimises normally. The icon is removed with this object.

#include <QObject>
#include <QString>

class QSystemTrayIcon;
class QWidget;

namespace app {

class TrayIcon : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxTipLength = 63;

  explicit TrayIcon(QWidget* window);
  ~TrayIcon() override;

  // The tip, cut to kMaxTipLength characters.
  void SetTip(const QString& tip);
  QString Tip() const { return tip_; }
  // True while the icon stands in for the hidden window.
  bool IsShown() const;

  // Called by the window when it has been minimised: hides it behind the icon when possible.
  void WindowMinimised();
  // The double click on the icon: removes it and shows the window again.
  void Restore();

 private:
  QWidget* window_;
  QString tip_;
  QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace app
