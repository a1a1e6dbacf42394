#include "app/TrayIcon.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWidget>

namespace app {
namespace {

class SystemArea : public NotificationArea {
 public:
  bool Available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

  void Show(const QIcon& icon, const QString& tip, std::function<void()> doubleClicked) override {
    if (!icon_) icon_ = std::make_unique<QSystemTrayIcon>();
    QObject::disconnect(icon_.get(), &QSystemTrayIcon::activated, nullptr, nullptr);
    QObject::connect(
        icon_.get(), &QSystemTrayIcon::activated,
        [doubleClicked = std::move(doubleClicked)](QSystemTrayIcon::ActivationReason reason) {
          if (reason == QSystemTrayIcon::DoubleClick) doubleClicked();
        });
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    icon_->show();
  }

  void Hide() override {
    if (icon_) icon_->hide();
  }

  bool Shown() const override { return icon_ && icon_->isVisible(); }

 private:
  std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace

std::unique_ptr<NotificationArea> SystemNotificationArea() {
  return std::make_unique<SystemArea>();
}

TrayIcon::TrayIcon(QWidget* window, std::unique_ptr<NotificationArea> area)
    : QObject(window), window_(window), area_(std::move(area)) {}

TrayIcon::~TrayIcon() { area_->Hide(); }

void TrayIcon::SetTip(const QString& tip) {
  tip_ = tip.left(kMaxTipLength);
  if (area_->Shown()) PutIcon();
}

bool TrayIcon::IsShown() const { return area_->Shown(); }

void TrayIcon::WindowMinimised() {
  if (!area_->Available()) return;
  PutIcon();
  window_->hide();
}

// The main window's icon, else the application's.
void TrayIcon::PutIcon() {
  const QIcon windowIcon = window_->windowIcon();
  area_->Show(windowIcon.isNull() ? QApplication::windowIcon() : windowIcon, tip_,
              [this] { Restore(); });
}

void TrayIcon::Restore() {
  area_->Hide();
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

}  // namespace app
