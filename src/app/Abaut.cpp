#include "app/Abaut.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "store/DataModul.h"
#include "ui/Instances.h"

namespace {

// The record count of Hewords, or 0 while the table is not open.
int HebrewWordCount(const Instances& instances) {
  if (instances.DataModul == nullptr || !instances.DataModul->HETable().Active()) return 0;
  return instances.DataModul->HETable().RecordCount();
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

}  // namespace

TFormHelp::TFormHelp(Instances& instances, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FormHelp"));
  setWindowTitle(QStringLiteral("Read My"));

  ProductName = NamedLabel("ProductName", QStringLiteral("Vocamir  "), this);
  QFont big = ProductName->font();
  big.setPointSize(big.pointSize() + 8);
  big.setBold(true);
  ProductName->setFont(big);
  Purpose =
      NamedLabel("Purpose", QStringLiteral("Russian - Hebrew - English speaking dictionary"), this);
  Systems = NamedLabel("Systems", QStringLiteral("For windows 95/98/NT/2000/XP"), this);
  Picture = NamedLabel("Picture", {}, this);
  Picture->setPixmap(QApplication::windowIcon().pixmap(48, 48));
  CountBefore = NamedLabel("CountBefore", QStringLiteral("The dictionary contains"), this);
  EditCount = new QLineEdit(QString::number(HebrewWordCount(instances)), this);
  EditCount->setObjectName(QStringLiteral("EditCount"));
  EditCount->setReadOnly(true);
  EditCount->setAlignment(Qt::AlignCenter);
  EditCount->setMaximumWidth(80);
  CountAfter = NamedLabel("CountAfter", QStringLiteral(", frequently used words."), this);
  Contact = NamedLabel("Contact",
                       QStringLiteral("Vocamir project. Questions and wishes: vocamir@example.org"),
                       this);
  OKButton = new QPushButton(QStringLiteral("Ok"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::close);

  auto* head = new QHBoxLayout;
  head->addWidget(Picture);
  auto* titles = new QVBoxLayout;
  titles->addWidget(ProductName);
  titles->addWidget(Purpose);
  titles->addWidget(Systems);
  head->addLayout(titles, 1);
  auto* count = new QHBoxLayout;
  count->addWidget(CountBefore);
  count->addWidget(EditCount);
  count->addWidget(CountAfter);
  count->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addLayout(count);
  layout->addWidget(Contact);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
  adjustSize();
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}
