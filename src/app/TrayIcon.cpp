#include "app/TrayIcon.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWidget>

namespace app {

TrayIcon::TrayIcon(QWidget* window) : QObject(window), window_(window) {}

TrayIcon::~TrayIcon() { delete icon_; }

void TrayIcon::SetTip(const QString& tip) {
  tip_ = tip.left(kMaxTipLength);
  if (icon_ != nullptr) icon_->setToolTip(tip_);
}

bool TrayIcon::IsShown() const { return icon_ != nullptr && icon_->isVisible(); }

void TrayIcon::WindowMinimised() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  if (icon_ == nullptr) {
    icon_ = new QSystemTrayIcon();
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
              if (reason == QSystemTrayIcon::DoubleClick) Restore();
            });
  }
  const QIcon windowIcon = window_->windowIcon();
  icon_->setIcon(windowIcon.isNull() ? QApplication::windowIcon() : windowIcon);
  icon_->setToolTip(tip_);
  icon_->show();
  window_->hide();
}

void TrayIcon::Restore() {
  if (icon_ != nullptr) icon_->hide();
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

}  // namespace app
