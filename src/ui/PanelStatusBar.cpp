#include "ui/PanelStatusBar.h"

#include <QLabel>

#include "ui/DisplayOrder.h"

namespace ui {

PanelStatusBar::PanelStatusBar(QWidget* parent) : QFrame(parent) {
  for (int i = 0; i < kPanels; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setLayoutDirection(Qt::LeftToRight);
    panels_[i] = label;
  }
  LayOutPanels();
}

void PanelStatusBar::SetPanelText(int panel, const QString& text) {
  texts_.at(panel) = text;
  panels_.at(panel)->setText(InStoredOrder(text));
}

QString PanelStatusBar::PanelText(int panel) const { return texts_.at(panel); }

QLabel* PanelStatusBar::Panel(int panel) const { return panels_.at(panel); }

void PanelStatusBar::LayOutPanels() {
  const int half = width() / kPanels;
  panels_[0]->setGeometry(0, 0, half, height());
  panels_[1]->setGeometry(half, 0, half, height());
}

void PanelStatusBar::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  LayOutPanels();
}

}  // namespace ui
