#include "game/Game.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "ui/Dialogs.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Fonts.h"

namespace {

const QString kCaption = QStringLiteral("Games");
const QString kNoData = QStringLiteral(" Нет данных, попробуй другой режим");

// Colours of the classic desktop scheme the window is drawn in.
const QColor kWindowColour(0xD4, 0xD0, 0xC8);  // inactive window border
const QColor kDesktopColour(0x00, 0x80, 0x80);
const QColor kTitleColour(0x0A, 0x24, 0x6A);  // active title bar
const QColor kKeyColour(0x00, 0x80, 0x80);    // teal

constexpr int kClientWidth = 776;
constexpr int kClientHeight = 502;
constexpr int kPanelWidth = 772;
constexpr int kKeyWidth = 60;
constexpr int kKeyHeight = 70;
constexpr std::array<int, 11> kKeyLefts{8, 75, 142, 210, 279, 349, 419, 490, 560, 631, 700};
constexpr std::array<int, 3> kRowTops{8, 93, 176};

template <class T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QFont BoldWordFont(int pixels) {
  QFont font = ui::WordFont();
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

QFont FixedPitchFont(int pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("Courier"), QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget->setPalette(palette);
}

ui::DisplayOrderEdit* MakeMemo(QWidget* parent, const QString& name, int top) {
  auto* memo = Named(new ui::DisplayOrderEdit(parent), name);
  memo->setReadOnly(true);
  memo->setFocusPolicy(Qt::NoFocus);
  memo->setAlignment(Qt::AlignCenter);
  memo->setFont(BoldWordFont(35));
  memo->setGeometry(9, top, 761, 49);
  return memo;
}

QProgressBar* MakeGauge(QWidget* parent, const QString& name, int top, int height,
                        const QColor& bar) {
  auto* gauge = Named(new QProgressBar(parent), name);
  gauge->setGeometry(7, top, 761, height);
  gauge->setRange(0, 100);
  gauge->setValue(0);
  gauge->setFormat(QStringLiteral("%p%"));
  gauge->setAlignment(Qt::AlignCenter);
  QPalette palette = gauge->palette();
  palette.setColor(QPalette::Highlight, bar);
  gauge->setPalette(palette);
  return gauge;
}

// The X11 key code of a key event where the platform reports the key's place as one (X11 and
// Wayland), else 0.
unsigned PlaceOf(const QKeyEvent& event) {
  const QString platform = QGuiApplication::platformName();
  const bool x11Codes =
      platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
  return x11Codes ? event.nativeScanCode() : 0;
}

}  // namespace

TFormGame::TFormGame(Instances& instances, QWidget* parent)
    : QWidget(parent), instances_(instances), game_(instances.DataModul->SelWordTable(), *this) {
  setObjectName(QStringLiteral("FormGame"));
  BuildWindow();
  hide();
  // Like every window's creation, a failure here is shown and start-up goes on.
  ui::RunGuarded(*instances_.Dialogs, [this] { FormCreate(); });
}

TFormGame::~TFormGame() = default;

void TFormGame::BuildWindow() {
  setWindowTitle(kCaption);
  resize(kClientWidth, kClientHeight);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kWindowColour);
  setPalette(palette);

  Indi = MakeGauge(this, QStringLiteral("Indi"), 23, 17, QColor(0x00, 0xFF, 0x00));
  IndiErr = MakeGauge(this, QStringLiteral("IndiErr"), 53, 19, QColor(0x00, 0x00, 0xFF));
  MemoTest = MakeMemo(this, QStringLiteral("MemoTest"), 87);
  QPalette white = MemoTest->palette();
  white.setColor(QPalette::Base, Qt::white);
  MemoTest->setPalette(white);
  SetTextColour(MemoTest, kDesktopColour);
  MemoKey = MakeMemo(this, QStringLiteral("MemoKey"), 143);
  SetTextColour(MemoKey, kTitleColour);

  Panel1 = Named(new QFrame(this), QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setGeometry(3, 207, kPanelWidth, 290);
  for (int i = 0; i < game::kLetterKeys; ++i) {
    QPushButton* key = Named(new QPushButton(Panel1), QStringLiteral("BT%1").arg(i + 1));
    key->setGeometry(kKeyLefts[i % 11], kRowTops[i / 11], kKeyWidth, kKeyHeight);
    key->setFont(BoldWordFont(40));
    SetTextColour(key, kKeyColour);
    key->setFocusPolicy(Qt::NoFocus);
    connect(key, &QPushButton::clicked, this,
            ui::Guarded(*instances_.Dialogs, [this, i] { PressKey(i + 1); }));
    BT[i] = key;
  }
  Button1 = Named(new QPushButton(Panel1), QStringLiteral("Button1"));
  Button1->setGeometry(222, 256, 299, 25);
  Button1->setFocusPolicy(Qt::NoFocus);
  connect(Button1, &QPushButton::clicked, this,
          ui::Guarded(*instances_.Dialogs, [this] { PressKey(game::kSpaceBar); }));

  Panel2 = Named(new QFrame(Panel1), QStringLiteral("Panel2"));
  Panel2->move(512, 8);
  Panel2->setVisible(false);
  const auto layoutButton = [this](const char* name, const QString& caption) {
    auto* button = Named(new QToolButton(Panel2), QLatin1String(name));
    button->setText(caption);
    button->setCheckable(true);
    return button;
  };
  SpButtonRU = layoutButton("SpButtonRU", QStringLiteral("Русский"));
  SpButtonHE = layoutButton("SpButtonHE", QStringLiteral("Иврит"));
  SpButtonEN = layoutButton("SpButtonEN", QStringLiteral("Английский"));
  connect(SpButtonRU, &QToolButton::clicked, this,
          ui::Guarded(*instances_.Dialogs, [this] { SpButtonRUClick(); }));
  connect(SpButtonHE, &QToolButton::clicked, this,
          ui::Guarded(*instances_.Dialogs, [this] { SpButtonHEClick(); }));
  connect(SpButtonEN, &QToolButton::clicked, this,
          ui::Guarded(*instances_.Dialogs, [this] { SpButtonENClick(); }));
}

void TFormGame::FormCreate() {
  if (instances_.Share != nullptr) game_.SetRetention(instances_.Share->Review().Retention);
  game_.Start();
  ShowLayout(game_.ActiveLayout());
  Redraw();
}

void TFormGame::NewPass() {
  game_.NewPass();
  Redraw();
}

void TFormGame::PressKey(int key) {
  try {
    game_.PressKey(key);
  } catch (...) {
    Redraw();  // the game has moved on; the guard reports what was not stored
    throw;
  }
  Redraw();
}

void TFormGame::ChooseDirection(game::Direction direction) {
  game_.SetDirection(direction);
  ShowLayout(game_.ActiveLayout());
  Redraw();
}

void TFormGame::SpeakEntry(text::Language language) { game_.SpeakEntry(language); }

void TFormGame::SpButtonRUClick() { ShowLayout(game::Layout::Russian); }
void TFormGame::SpButtonHEClick() { ShowLayout(game::Layout::Hebrew); }
void TFormGame::SpButtonENClick() { ShowLayout(game::Layout::English); }

void TFormGame::ShowLayout(game::Layout layout) {
  game_.SelectLayout(layout);
  SpButtonRU->setChecked(layout == game::Layout::Russian);
  SpButtonHE->setChecked(layout == game::Layout::Hebrew);
  SpButtonEN->setChecked(layout == game::Layout::English);
  for (int i = 0; i < game::kLetterKeys; ++i) {
    const auto letter = game::KeyLetter(layout, i + 1);
    BT[i]->setText(letter ? text::ToUnicode(std::string(1, *letter), game::LayoutCodepage(layout))
                          : QString());
  }
}

void TFormGame::Redraw() {
  const game::DirectionInfo& info = game::Describe(game_.CurrentDirection());
  MemoTest->SetText(text::ToUnicode(game_.Shown(), info.shownCodepage));
  MemoKey->setFont(info.fixedPitchAnswer ? FixedPitchFont(35) : BoldWordFont(35));
  MemoKey->SetText(text::ToUnicode(game_.Mask(), game::LayoutCodepage(info.layout)));
  Indi->setValue(game_.LastResult());
  // A gauge of range 0 to 0 would show a busy bar instead of an empty one.
  IndiErr->setRange(0, std::max(1, game_.ListSize()));
  IndiErr->setValue(game_.WordsDone());
}

void TFormGame::BT1KeyUp(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Delete:
      SpeakEntry(text::Language::Russian);
      return;
    case Qt::Key_End:
      SpeakEntry(text::Language::Hebrew);
      return;
    case Qt::Key_PageDown:
      SpeakEntry(text::Language::English);
      return;
    default:
      break;
  }
  if (const auto key = game::KeyOfRelease(PlaceOf(event), event.key())) PressKey(*key);
}

// Releases of a held key's auto-repeat are no presses; with Ctrl or Alt held the key belongs
// to a menu shortcut.
void TFormGame::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  ui::RunGuarded(*instances_.Dialogs, [this, event] { BT1KeyUp(*event); });
}

// The texts and gauges span the window; the keyboard stays centred.
void TFormGame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int w = width();
  for (QWidget* memo : {static_cast<QWidget*>(MemoTest), static_cast<QWidget*>(MemoKey)}) {
    memo->resize(std::max(0, w - 25), memo->height());
  }
  for (QProgressBar* gauge : {Indi, IndiErr}) gauge->resize(std::max(0, w - 22), gauge->height());
  Panel1->move(std::max(0, (w - kPanelWidth) / 2), Panel1->y());
}

void TFormGame::Speak(text::Language language, std::string text) {
  instances_.Share->QueueSpeech(language, std::move(text));
}

void TFormGame::PassFinished(int result) {
  instances_.Dialogs->AskYesNo(QString::fromStdString(game::ResultText(result)));
}

void TFormGame::EntryUnreadable() { instances_.Dialogs->Message(kNoData); }
