#include "lesson/Formsele.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>

#include "app/Find.h"
#include "browser/GridBinding.h"
#include "browser/GridDelegate.h"
#include "lesson/LessonLayout.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "text/Codepage.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Fonts.h"

namespace {

const QString kCaption = QStringLiteral("List of words For Lesson");
const QString kLanguageHint = QStringLiteral("Select for Lesson");
const QString kCountHint = QStringLiteral("Amount of recurrences ");
constexpr int kCountLength = 2;
constexpr int kDisplayPixels = 48;
constexpr int kRow1Top = 8;
constexpr int kRow2Top = 44;
constexpr int kDisplayHeight = 92;
constexpr int kGridTop = 98;
constexpr int kMargin = 10;

template <class T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

QLabel* BoldLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = Named(new QLabel(caption, parent), name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLineEdit* CountEdit(QWidget* parent, const char* name, const QString& hint) {
  auto* box = Named(new QLineEdit(QStringLiteral("1"), parent), name);
  box->setMaxLength(kCountLength);
  box->setToolTip(hint);
  box->setFixedWidth(36);
  return box;
}

QCheckBox* LanguageBox(QWidget* parent, const char* name, const QString& caption) {
  auto* box = Named(new QCheckBox(caption, parent), name);
  box->setToolTip(kLanguageHint);
  box->setChecked(true);
  return box;
}

text::Codepage CodepageOf(lesson::Language language) {
  return language == lesson::Language::Hebrew ? text::Codepage::Win1255 : text::Codepage::Win1251;
}

// The lesson grid's cells: Hebrew right-aligned, the other columns left-aligned, the current
// lesson record tinted.
class LessonGridDelegate : public browser::GridDelegate {
 public:
  explicit LessonGridDelegate(QObject* parent) : GridDelegate(Qt::AlignLeft, parent) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    GridDelegate::initStyleOption(option, index);
    option->displayAlignment =
        (index.column() == 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
};

}  // namespace

// The lesson speaks through the settings object's three instances, directly (not through the
// queue): the text is left as the language's queue text without asking the queue for speech.
class TFormSel::ShareSpeech : public lesson::LessonSpeech {
 public:
  explicit ShareSpeech(Instances& instances) : instances_(instances) {}

  bool Speaking() const override {
    const TShare& share = *instances_.Share;
    return share.DSpeechRU().Speaking() || share.DSpeechHE().Speaking() ||
           share.DSpeechEN().Speaking();
  }

  void Speak(lesson::Language language, const std::string& text) override {
    TShare& share = *instances_.Share;
    share.SetPendingText(language, text);
    switch (language) {
      case lesson::Language::Russian:
        share.SpeakRU(text);
        break;
      case lesson::Language::Hebrew:
        share.SpeakHE(text);
        break;
      case lesson::Language::English:
        share.SpeakEN(text);
        break;
    }
  }

 private:
  Instances& instances_;
};

TFormSel::TFormSel(Instances& instances, QWidget* parent)
    : QFrame(parent), instances_(instances), speech_(std::make_unique<ShareSpeech>(instances)) {
  setObjectName(QStringLiteral("FormSel"));
  setWindowTitle(kCaption);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  hide();  // until "Begin Lesson" shows it

  Label5 = BoldLabel(this, "Label5", QStringLiteral("To repeat a lesson:"));
  EdALL = CountEdit(this, "EdALL", {});
  Label6 = BoldLabel(this, "Label6", QStringLiteral("Mode"));
  CBReg = Named(new QComboBox(this), "CBReg");
  CBReg->setToolTip(QStringLiteral("Mode of Lesson"));
  for (const char* caption : lesson::kModeCaptions) CBReg->addItem(QString::fromLatin1(caption));
  CBReg->setCurrentIndex(0);

  CBSoundRU = LanguageBox(this, "CBSoundRU", QStringLiteral("Select Russian"));
  CBSoundHE = LanguageBox(this, "CBSoundHE", QStringLiteral("Select Hebrew"));
  CBSoundEN = LanguageBox(this, "CBSoundEN", QStringLiteral("Select English"));
  EdRU = CountEdit(this, "EdRU", kCountHint);
  EdHE = CountEdit(this, "EdHE", kCountHint);
  EdEN = CountEdit(this, "EdEN", kCountHint);

  DBGrid1 = Named(new QTableView(this), "DBGrid1");
  DBGrid1->setFont(ui::WordFont());
  DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DBGrid1->setLayoutDirection(Qt::LeftToRight);
  DBGrid1->setWordWrap(false);
  DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
  DBGrid1->setItemDelegate(new LessonGridDelegate(DBGrid1));

  MShow = Named(new QLabel(this), "MShow");
  QFont showFont = ui::WordFont();
  showFont.setPixelSize(kDisplayPixels);
  MShow->setFont(showFont);
  MShow->setAlignment(Qt::AlignCenter);
  MShow->setWordWrap(true);
  MShow->setAutoFillBackground(true);
  MShow->setStyleSheet(QStringLiteral("QLabel { color: green; background: palette(window); }"));
  MShow->hide();

  TDataModul& data = *instances.DataModul;
  data.DSSel().SetColumns({{"ItemRU", QStringLiteral("Russian")},
                           {"ItemHE", QStringLiteral("Hebrew")},
                           {"ItemEN", QStringLiteral("English")}});
  new browser::GridBinding(DBGrid1, data.DSSel(), *instances.Dialogs, nullptr);

  player_ = std::make_unique<lesson::LessonPlayer>(
      lesson::LessonTables{data.SelWordTable(), data.HETable(), data.GLTABLE(),
                           data.NekudotTable()},
      *this, *speech_);

  connect(CBReg, &QComboBox::currentIndexChanged, this,
          ui::Guarded(*instances.Dialogs, [this] { CBRegChange(); }));
  LayOut();
}

TFormSel::~TFormSel() = default;

void TFormSel::FormActivate() {
  player_->Activate(instances_.DataModul->SelWordTable().RecordCount());
  move(0, 0);
  // The box shows the mode the lesson now has.
  const QSignalBlocker blocker(CBReg);
  CBReg->setCurrentIndex(0);
}

void TFormSel::CBRegChange() { player_->ChooseMode(CBReg->currentIndex()); }

QLineEdit* TFormSel::CountBox(lesson::CountBox box) const {
  switch (box) {
    case lesson::CountBox::RU:
      return EdRU;
    case lesson::CountBox::HE:
      return EdHE;
    case lesson::CountBox::EN:
      return EdEN;
    case lesson::CountBox::ALL:
      break;
  }
  return EdALL;
}

bool TFormSel::LanguageOn(lesson::Language language) const {
  switch (language) {
    case lesson::Language::Russian:
      return CBSoundRU->isChecked();
    case lesson::Language::Hebrew:
      return CBSoundHE->isChecked();
    case lesson::Language::English:
      break;
  }
  return CBSoundEN->isChecked();
}

std::string TFormSel::CountText(lesson::CountBox box) const {
  return CountBox(box)->text().toStdString();
}

void TFormSel::ResetCountTexts() {
  for (QLineEdit* box : {EdRU, EdHE, EdEN, EdALL}) box->setText(QStringLiteral("1"));
}

void TFormSel::SetWordText(lesson::Language language, const std::string& word) {
  const QString text = text::ToUnicode(word, CodepageOf(language));
  MShow->setText(language == lesson::Language::Hebrew ? ui::InStoredOrder(text) : text);
  MShow->repaint();
}

void TFormSel::SetWordVisible(bool visible) {
  MShow->setVisible(visible);
  if (visible) MShow->raise();
}

void TFormSel::LessonFinished() { instances_.FormSelect->LessonOver(); }

void TFormSel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  LayOut();
}

void TFormSel::LayOut() {
  const lesson::LessonLayout layout = lesson::ComputeLessonLayout(width(), height());
  const auto place = [](QWidget* widget, int left, int top) {
    widget->setGeometry(left, top, widget->sizeHint().width(), widget->sizeHint().height());
  };
  place(Label5, kMargin, kRow1Top + 4);
  EdALL->move(Label5->geometry().right() + 8, kRow1Top);
  CBReg->setGeometry(layout.modeLeft, kRow1Top, 260, CBReg->sizeHint().height());
  place(Label6, layout.modeLabelLeft, kRow1Top + 4);

  place(CBSoundRU, kMargin, kRow2Top);
  place(CBSoundHE, layout.hebrewBoxLeft, kRow2Top);
  place(CBSoundEN, layout.englishBoxLeft, kRow2Top);
  EdRU->move(CBSoundRU->geometry().right() + layout.countGap, kRow2Top - 2);
  EdHE->move(CBSoundHE->geometry().right() + layout.countGap, kRow2Top - 2);
  EdEN->move(CBSoundEN->geometry().right() + layout.countGap, kRow2Top - 2);

  MShow->setGeometry(kMargin, 2, layout.displayWidth, kDisplayHeight);
  DBGrid1->setGeometry(kMargin, kGridTop, layout.gridWidth, layout.gridHeight);
  // Columns that come back after the list was unbound take the default width.
  DBGrid1->horizontalHeader()->setDefaultSectionSize(layout.columnWidth);
  for (int column = 0; column < 3; ++column) DBGrid1->setColumnWidth(column, layout.columnWidth);
}
