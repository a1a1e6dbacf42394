#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ui {
namespace {

QMessageBox::Icon IconOf(BoxKind kind) {
  switch (kind) {
    case BoxKind::Information:
      return QMessageBox::Information;
    case BoxKind::Error:
      return QMessageBox::Critical;
    case BoxKind::Question:
      return QMessageBox::Question;
    case BoxKind::Warning:
      return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::Yes:
      return QMessageBox::Yes;
  }
  return QMessageBox::Ok;
}

QString CaptionOf(const MessageRequest& request) {
  return request.caption.isEmpty() ? QApplication::applicationDisplayName() : request.caption;
}

bool StaysOnTop(const QWidget* window) {
  return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
         window->windowType() != Qt::ToolTip && window->windowType() != Qt::Popup;
}

// Runs a file dialog and makes sure a typed name without extension gets the default one.
QString RunFileDialog(const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(DialogOwner(), request.caption,
                     request.directory.isEmpty() ? QDir::currentPath() : request.directory,
                     ToQtFilter(request.filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultExtension);
  // A name typed without extension takes the one of the file type chosen.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& type) {
    const qsizetype star = type.indexOf(QStringLiteral("*."));
    if (star < 0) return;
    qsizetype end = star + 2;
    while (end < type.size() && type[end] != u')' && type[end] != u' ') ++end;
    dialog.setDefaultSuffix(type.mid(star + 2, end - star - 2));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QWidget* DialogOwner() {
  QWidget* active = QApplication::activeWindow();
  if (active != nullptr && StaysOnTop(active)) return active;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && !window->isMinimized() && StaysOnTop(window)) return window;
  }
  return active;
}

Answer QtDialogs::Show(const MessageRequest& request) {
  QMessageBox box(IconOf(request.kind), CaptionOf(request), request.text,
                  ButtonsOf(request.buttons), DialogOwner());
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return request.buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
  }
}

QString QtDialogs::OpenFileName(const FileRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptOpen);
}

QString QtDialogs::SaveFileName(const FileRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptSave);
}

void QtDialogs::PrintPreview(const std::function<void(QPrinter&)>& render) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, DialogOwner());
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&render](QPrinter* target) { render(*target); });
  preview.exec();
}

}  // namespace ui
