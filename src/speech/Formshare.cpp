#include "speech/Formshare.h"

#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSize>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "editor/Add.h"
#include "speech/EngineSetup.h"
#include "speech/Speak.h"
#include "store/DataModul.h"
#include "store/PartCounts.h"
#include "text/SpeechText.h"
#include "ui/Dialogs.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"

namespace {

constexpr int kQueueIntervalMs = 500;
constexpr int kSliderStartPosition = 5;
constexpr int kSliderTickInterval = 20;

const QString kTestPhraseRU = QStringLiteral(u"проба русского синтезатора речи");
const QString kTestPhraseHE = QStringLiteral(u"Бдика< шэль си<нтэ<за дибу<р ба< иври<т");
const QString kTestPhraseEN = QStringLiteral(u"Test English Synthesis of speech");

// The items of the verb form check list, Hebrew in display order, one per verb form.
const std::array<QString, speech::kVerbFormCount> kVerbFormItems = {
    QStringLiteral(u"רכז(הווה)"),      QStringLiteral(u"הבקנ(הווה)"),
    QStringLiteral(u"םיבר (הווה)"),    QStringLiteral(u"תובר(הווה)"),
    QStringLiteral(u"ינא(רבע)"),       QStringLiteral(u"התא(רבע)"),
    QStringLiteral(u"תא(רבע)"),        QStringLiteral(u"אוה(רבע)"),
    QStringLiteral(u"איה(רבע)"),       QStringLiteral(u"ונחנא(רבע)"),
    QStringLiteral(u"םתא(רבע)"),       QStringLiteral(u"ןתא(רבע)"),
    QStringLiteral(u"םה(רבע)"),        QStringLiteral(u"ןה(רבע)"),
    QStringLiteral(u"ינא(דיתע)"),      QStringLiteral(u"התא(דיתע)"),
    QStringLiteral(u"תא(דיתע)"),       QStringLiteral(u"אוה(דיתע)"),
    QStringLiteral(u"איה(דיתע)"),      QStringLiteral(u"ונחנא(דיתע)"),
    QStringLiteral(u"םתא(דיתע)"),      QStringLiteral(u"ןתא(דיתע)"),
    QStringLiteral(u"םה(דיתע)"),       QStringLiteral(u"ןה(דיתע)"),
    QStringLiteral(u"התא(יוויצ)"),     QStringLiteral(u"תא(יוויצ)"),
    QStringLiteral(u"םתא/ןתא(יוויצ)"), QStringLiteral(u"םצע םש"),
};

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLineEdit* ReadOnlyField(const char* name, QWidget* parent) {
  auto* field = Named(new QLineEdit(parent), name);
  field->setReadOnly(true);
  return field;
}

// Runs `change` on `slider` with its signals held back, then hands a moved position to `engine`,
// as the slider's change handler does, so the caller's error handling sees any engine error.
template <class Change>
void ChangeSlider(QSlider* slider, speech::Engine& engine, Change change) {
  const int before = slider->value();
  {
    const QSignalBlocker hold(slider);
    change();
  }
  if (slider->value() != before) engine.SetSpeed(slider->value());
}

void FillVoices(QComboBox* voices, QComboBox* numbers, const speech::VoiceList& list) {
  for (std::size_t k = 0; k < list.Speakers.size(); ++k) {
    voices->addItem(list.Speakers[k]);
    numbers->addItem(QString::number(list.Modes[k]));
  }
  voices->setCurrentIndex(-1);
  numbers->setCurrentIndex(-1);
}

}  // namespace

TShare::TShare(Instances& instances, speech::EngineSet engines, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      instances_(instances),
      speech_(std::move(engines), [this](bool enabled) {
        if (!enabled) {
          TimerSpeech->stop();
        } else if (!TimerSpeech->isActive()) {
          TimerSpeech->start();
        }
      }) {
  setObjectName(QStringLiteral("Share"));
  TimerSpeech = Named(new QTimer(this), "TimerSpeech");
  TimerSpeech->setInterval(kQueueIntervalMs);
  BuildWindow();
  ConnectHandlers();
  FormCreate();
  // A fixed size, known before the first show, so the window opens centred and cannot be
  // maximised.
  setFixedSize(sizeHint());
}

TShare::~TShare() = default;

void TShare::BuildWindow() {
  setWindowTitle(QStringLiteral("Settings"));

  PageControl1 = Named(new QTabWidget(this), "PageControl1");
  // The window is as wide as the three page tabs, so none of them is cut off.
  PageControl1->setUsesScrollButtons(false);
  BtOk = Named(new QPushButton(QStringLiteral("Ok"), this), "BtOk");
  BtCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "BtCancel");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(BtOk);
  buttons->addWidget(BtCancel);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);

  // "Speech Engines"
  TabSheetSpeech = Named(new QWidget, "TabSheetSpeech");
  GroupBox1 =
      Named(new QGroupBox(QStringLiteral("TTS Engines\\Voices"), TabSheetSpeech), "GroupBox1");
  Button1 = Named(new QPushButton(QStringLiteral("Russion"), GroupBox1), "Button1");
  Button3 = Named(new QPushButton(QStringLiteral("Hebrew"), GroupBox1), "Button3");
  Button2 = Named(new QPushButton(QStringLiteral("English"), GroupBox1), "Button2");
  Label9 = Named(new QLabel(QStringLiteral("Speed of Speech"), GroupBox1), "Label9");
  CBSpeakerRU = Named(new QComboBox(GroupBox1), "CBSpeakerRU");
  CBSpeakerHE = Named(new QComboBox(GroupBox1), "CBSpeakerHE");
  CBSpeakerEN = Named(new QComboBox(GroupBox1), "CBSpeakerEN");
  CBoxRUNumb = Named(new QComboBox(GroupBox1), "CBoxRUNumb");
  CBoxHENumb = Named(new QComboBox(GroupBox1), "CBoxHENumb");
  CBoxENNumb = Named(new QComboBox(GroupBox1), "CBoxENNumb");
  const auto slider = [this](const char* name) {
    auto* bar = Named(new QSlider(Qt::Horizontal, GroupBox1), name);
    bar->setToolTip(QStringLiteral("Speed of the Russian speech"));
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(kSliderTickInterval);
    bar->setValue(kSliderStartPosition);
    return bar;
  };
  TrBarRU = slider("TrBarRU");
  TrBarHE = slider("TrBarHE");
  TrBarEN = slider("TrBarEN");
  auto* grid = new QGridLayout(GroupBox1);
  grid->addWidget(Label9, 0, 2);
  const std::array<std::array<QWidget*, 4>, 3> rows = {{
      {Button1, CBSpeakerRU, TrBarRU, CBoxRUNumb},
      {Button3, CBSpeakerHE, TrBarHE, CBoxHENumb},
      {Button2, CBSpeakerEN, TrBarEN, CBoxENNumb},
  }};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) grid->addWidget(rows[row][column], row + 1, column);
    rows[row][3]->setVisible(false);
  }
  GroupBox2 =
      Named(new QGroupBox(QStringLiteral("Recognise Engines"), TabSheetSpeech), "GroupBox2");
  auto* speechPage = new QVBoxLayout(TabSheetSpeech);
  speechPage->addWidget(GroupBox1);
  speechPage->addWidget(GroupBox2);
  PageControl1->addTab(TabSheetSpeech, QStringLiteral("Speech Engines"));

  // "Verbs of Hebrew"
  TabSheetGlagol = Named(new QWidget, "TabSheetGlagol");
  Label1 = Named(new QLabel(QStringLiteral("Show forms of Verbs:"), TabSheetGlagol), "Label1");
  CheckListBoxHE = Named(new QListWidget(TabSheetGlagol), "CheckListBoxHE");
  CheckListBoxHE->setFlow(QListView::TopToBottom);
  CheckListBoxHE->setWrapping(true);
  CheckListBoxHE->setResizeMode(QListView::Adjust);
  CheckListBoxHE->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (const QString& form : kVerbFormItems) {
    auto* item = new QListWidgetItem(ui::InStoredOrder(form), CheckListBoxHE);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  // Two columns: room for half of the items under each other, each cell as wide as the widest
  // item so that no form name is cut short.
  const int rowHeight = CheckListBoxHE->sizeHintForRow(0);
  const int cellWidth = CheckListBoxHE->sizeHintForColumn(0) + rowHeight;
  CheckListBoxHE->setGridSize(QSize(cellWidth, rowHeight));
  CheckListBoxHE->setFixedHeight(rowHeight * (speech::kVerbFormCount / 2) +
                                 2 * CheckListBoxHE->frameWidth() + rowHeight / 2);
  CheckListBoxHE->setMinimumWidth(2 * cellWidth + 2 * CheckListBoxHE->frameWidth());
  auto* verbPage = new QVBoxLayout(TabSheetGlagol);
  verbPage->addWidget(Label1);
  verbPage->addWidget(CheckListBoxHE);
  verbPage->addStretch();
  PageControl1->addTab(TabSheetGlagol, QStringLiteral("Verbs of Hebrew"));

  // "Information"
  TabSheet1 = Named(new QWidget, "TabSheet1");
  EditGlagol = ReadOnlyField("EditGlagol", TabSheet1);
  EditSus = ReadOnlyField("EditSus", TabSheet1);
  EditPril = ReadOnlyField("EditPril", TabSheet1);
  EditMest = ReadOnlyField("EditMest", TabSheet1);
  EditWords = ReadOnlyField("EditWords", TabSheet1);
  EditOzer = ReadOnlyField("EditOzer", TabSheet1);
  EditCount = ReadOnlyField("EditCount", TabSheet1);
  auto* counts = new QFormLayout(TabSheet1);
  counts->addRow(QStringLiteral("VERBS"), EditGlagol);
  counts->addRow(QStringLiteral("NOUNS"), EditSus);
  counts->addRow(QStringLiteral("ADJECTIVES"), EditPril);
  counts->addRow(QStringLiteral("SERVICE WORDS"), EditMest);
  counts->addRow(QStringLiteral("WORD COLLOCATION"), EditWords);
  counts->addRow(QStringLiteral("ATHERS"), EditOzer);
  counts->addRow(QStringLiteral("ALL"), EditCount);
  PageControl1->addTab(TabSheet1, QStringLiteral("Information"));

  // "Reviews"
  TabSheetReview = Named(new QWidget, "TabSheetReview");
  SpinRetention = Named(new QDoubleSpinBox(TabSheetReview), "SpinRetention");
  SpinRetention->setRange(speech::ReviewSettings::kLowestRetention,
                          speech::ReviewSettings::kHighestRetention);
  SpinRetention->setSingleStep(0.01);
  SpinRetention->setDecimals(2);
  SpinNewWords = Named(new QSpinBox(TabSheetReview), "SpinNewWords");
  SpinNewWords->setRange(0, speech::ReviewSettings::kMostNewWords);
  auto* reviews = new QFormLayout(TabSheetReview);
  reviews->addRow(QStringLiteral("Desired retention"), SpinRetention);
  reviews->addRow(QStringLiteral("New words a day"), SpinNewWords);
  PageControl1->addTab(TabSheetReview, QStringLiteral("Reviews"));
}

void TShare::ConnectHandlers() {
  ui::Dialogs& dialogs = *instances_.Dialogs;
  const auto on = [&](auto* sender, auto signal, void (TShare::*handler)()) {
    connect(sender, signal, this, ui::Guarded(dialogs, [this, handler] { (this->*handler)(); }));
  };
  on(TimerSpeech, &QTimer::timeout, &TShare::TimerSpeechTimer);
  on(CBSpeakerRU, &QComboBox::activated, &TShare::CBSpeakerRUChange);
  on(CBSpeakerHE, &QComboBox::activated, &TShare::CBSpeakerHEChange);
  on(CBSpeakerEN, &QComboBox::activated, &TShare::CBSpeakerENChange);
  on(TrBarRU, &QSlider::valueChanged, &TShare::TrBarRUChange);
  on(TrBarHE, &QSlider::valueChanged, &TShare::TrBarHEChange);
  on(TrBarEN, &QSlider::valueChanged, &TShare::TrBarENChange);
  on(Button1, &QPushButton::clicked, &TShare::Button1Click);
  on(Button2, &QPushButton::clicked, &TShare::Button2Click);
  on(Button3, &QPushButton::clicked, &TShare::Button3Click);
  on(BtOk, &QPushButton::clicked, &TShare::BtOkClick);
  on(BtCancel, &QPushButton::clicked, &TShare::BtCancelClick);
}

QString TShare::SettingsPath() const {
  return QDir(settingsFolder_).filePath(QString::fromLatin1(speech::kSettingsFileName));
}

void TShare::FormCreate() {
  settingsFolder_ = QDir::currentPath();
  try {
    review_ = speech::ReadReviewSettings(SettingsPath());
  } catch (const speech::SettingsFileError& error) {
    instances_.Dialogs->Error(QString::fromStdString(error.what()));
  }
  SpinRetention->setValue(review_.Retention);
  SpinNewWords->setValue(review_.NewWords);
  reviewShown_ = {.Retention = SpinRetention->value(), .NewWords = SpinNewWords->value()};
  try {
    settings_ = speech::ReadSettings(SettingsPath());

    store::Table& hewords = instances_.DataModul->HETable();
    const store::PartCounts counts = store::CountParts(hewords);
    // The Hebrew table is left on its last record, as a walk over it from the first would.
    hewords.Last();
    const std::array<QLineEdit*, 6> byPart = {EditOzer, EditGlagol, EditSus,
                                              EditPril, EditMest,   EditWords};
    for (std::size_t part = 0; part < byPart.size(); ++part) {
      byPart[part]->setText(QString::number(counts.ByPart[part]));
    }
    EditCount->setText(QString::number(counts.All));

    for (int form = 0; form < speech::kVerbFormCount; ++form) {
      CheckListBoxHE->item(form)->setCheckState(
          settings_.VerbFormMask[static_cast<std::size_t>(form)] == '1' ? Qt::Checked
                                                                        : Qt::Unchecked);
    }
  } catch (const std::exception& error) {
    instances_.Dialogs->Error(QString::fromStdString(error.what()));
    return;
  }

  try {
    SetUpEngines();
  } catch (const std::exception&) {
    speech_.SwitchOff();
    instances_.Dialogs->Show({ui::BoxKind::Information,
                              QString::fromLatin1(speech::kNoSpeechMessage), QString(),
                              ui::Buttons::Ok});
  }
}

void TShare::SetUpEngines() {
  const speech::Discovery found = speech_.DiscoverVoices();
  FillVoices(CBSpeakerRU, CBoxRUNumb, found.RU);
  FillVoices(CBSpeakerHE, CBoxHENumb, found.HE);
  FillVoices(CBSpeakerEN, CBoxENNumb, found.EN);

  struct Row {
    text::Language language;
    QComboBox* voices;
    QComboBox* numbers;
    QSlider* slider;
    const speech::VoiceList& list;
  };
  const Row languages[] = {
      {text::Language::Russian, CBSpeakerRU, CBoxRUNumb, TrBarRU, found.RU},
      {text::Language::Hebrew, CBSpeakerHE, CBoxHENumb, TrBarHE, found.HE},
      {text::Language::English, CBSpeakerEN, CBoxENNumb, TrBarEN, found.EN},
  };
  // One language after the other: a language whose saved speed is no number still leaves the
  // ones before it shown as they were selected.
  for (const Row& language : languages) {
    if (language.list.Speakers.empty()) continue;
    const int chosen = speech_.SelectSavedVoice(language.language, language.list, settings_);
    language.voices->setCurrentIndex(chosen);
    language.numbers->setCurrentIndex(chosen);
    QSlider* slider = language.slider;
    speech::Engine& engine = speech_.Of(language.language);
    ChangeSlider(slider, engine, [&] { slider->setMaximum(engine.MaxSpeed()); });
    ChangeSlider(slider, engine, [&] { slider->setMinimum(engine.MinSpeed()); });
    const int speed =
        chosen >= 0 ? speech_.SetSavedSpeed(language.language, settings_) : engine.Speed();
    ChangeSlider(slider, engine, [&] { slider->setValue(speed); });
  }
}

// ---- speech ----

void TShare::SpeakRU(std::string_view text) { speech_.SpeakRU(text); }
void TShare::SpeakHE(std::string_view text) { speech_.SpeakHE(text); }
void TShare::SpeakEN(std::string_view text) { speech_.SpeakEN(text); }

std::string TShare::SpeechText(text::Language language, const std::optional<std::string>& hint,
                               const std::optional<std::string>& written) {
  return text::SpeechText(language, hint, written);
}

void TShare::QueueSpeech(text::Language language, std::string text) {
  speech_.Queue().QueueSpeech(language, std::move(text));
}

void TShare::SetPendingText(text::Language language, std::string text) {
  speech_.Queue().SetPendingText(language, std::move(text));
}

void TShare::TimerSpeechTimer() { speech_.Queue().TimerSpeechTimer(); }

// ---- the window ----

void TShare::ShowPage(QWidget* page) {
  PageControl1->setCurrentWidget(page);
  if (QWidget* owner = parentWidget()) {
    move(owner->geometry().center() - rect().center());
  }
  show();
  raise();
}

void TShare::VoiceChosen(QComboBox* voices, QComboBox* numbers, QSlider* slider,
                         speech::Engine& engine) {
  const int position = voices->currentIndex();
  if (position < 0) return;
  numbers->setCurrentIndex(position);
  engine.Select(numbers->itemText(position).toInt());
  ChangeSlider(slider, engine, [&] { slider->setMaximum(engine.MaxSpeed()); });
  ChangeSlider(slider, engine, [&] { slider->setMinimum(engine.MinSpeed()); });
  ChangeSlider(slider, engine, [&] { slider->setValue(engine.Speed()); });
}

void TShare::CBSpeakerRUChange() { VoiceChosen(CBSpeakerRU, CBoxRUNumb, TrBarRU, DSpeechRU()); }
void TShare::CBSpeakerHEChange() { VoiceChosen(CBSpeakerHE, CBoxHENumb, TrBarHE, DSpeechHE()); }
void TShare::CBSpeakerENChange() { VoiceChosen(CBSpeakerEN, CBoxENNumb, TrBarEN, DSpeechEN()); }

void TShare::TrBarRUChange() { DSpeechRU().SetSpeed(TrBarRU->value()); }
void TShare::TrBarHEChange() { DSpeechHE().SetSpeed(TrBarHE->value()); }
void TShare::TrBarENChange() { DSpeechEN().SetSpeed(TrBarEN->value()); }

void TShare::Button1Click() { DSpeechRU().Speak(kTestPhraseRU); }
void TShare::Button3Click() { DSpeechHE().Speak(kTestPhraseHE); }
void TShare::Button2Click() { DSpeechEN().Speak(kTestPhraseEN); }

void TShare::BtOkClick() {
  for (int form = 0; form < speech::kVerbFormCount; ++form) {
    settings_.VerbFormMask[static_cast<std::size_t>(form)] =
        CheckListBoxHE->item(form)->checkState() == Qt::Checked ? '1' : '0';
  }
  if (instances_.FormAdd) instances_.FormAdd->BuildVerbGrid();

  speech::Settings written = settings_;
  written.VoiceRU = CBSpeakerRU->currentText().toStdString();
  written.VoiceHE = CBSpeakerHE->currentText().toStdString();
  written.VoiceEN = CBSpeakerEN->currentText().toStdString();
  written.SpeedRU = std::to_string(TrBarRU->value());
  written.SpeedEN = std::to_string(TrBarEN->value());
  written.SpeedHE = std::to_string(TrBarHE->value());
  const speech::ReviewSettings review{.Retention = SpinRetention->value(),
                                      .NewWords = SpinNewWords->value()};
  // The review settings are written only when changed here: a file without them keeps
  // following the defaults.
  if (review.Retention != reviewShown_.Retention || review.NewWords != reviewShown_.NewWords) {
    speech::WriteSettings(SettingsPath(), written, review);
    review_ = review;
    reviewShown_ = review;
  } else {
    speech::WriteSettings(SettingsPath(), written);
  }
  hide();
}

void TShare::BtCancelClick() { hide(); }
