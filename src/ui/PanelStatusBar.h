#pragma once

// The main window's status bar: two panels of equal width with centred text, each shown in stored
// order (Hebrew words are never reordered).

#include <QFrame>
#include <QString>
#include <array>

class QLabel;

namespace ui {

class PanelStatusBar : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kPanels = 2;

  explicit PanelStatusBar(QWidget* parent = nullptr);

  // `panel` is 0 or 1.
  void SetPanelText(int panel, const QString& text);
  QString PanelText(int panel) const;
  QLabel* Panel(int panel) const;
  // Gives each panel half of the bar's width.
  void LayOutPanels();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::array<QLabel*, kPanels> panels_{};
  std::array<QString, kPanels> texts_;
};

}  // namespace ui
