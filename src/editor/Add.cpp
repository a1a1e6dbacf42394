#include "editor/Add.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include "app/Find.h"
#include "dictionary/Codes.h"
#include "editor/FieldBinding.h"
#include "editor/KeyFilter.h"
#include "editor/WordRecords.h"
#include "speech/Formshare.h"
#include "store/DataModul.h"
#include "text/Codepage.h"
#include "text/InvertText.h"
#include "text/KeyBox.h"
#include "ui/DisplayOrder.h"
#include "ui/EventGuard.h"
#include "ui/Instances.h"

namespace {

const QString kCaption = QStringLiteral("Add/Edit (F2 - Save)");
const QString kSpeack = QStringLiteral("Speack");
const QString kSpeackHint = QStringLiteral("Click For Speech");
const QString kSpeechHint = QStringLiteral("Rules for correct speech");
const QString kHebrewSpeechHint =
    QStringLiteral("Rules for correct speech, click on  \"\\\" for \"<\"");

// The look of the editor's two rows of tabs. Set on the tab bars alone: a sheet on a widget is
// resolved again for every widget placed under it, and the pages hold most of the editor.
const QString kTabStyle = QStringLiteral(
    "QTabBar::tab { border: 1px outset gray; padding: 3px 12px; margin: 2px; } "
    "QTabBar::tab:selected { border-style: inset; }");

// Words and hints take at most this many characters.
constexpr int kTextLength = 40;

template <std::size_t N>
QStringList Captions(const std::array<std::string_view, N>& captions) {
  QStringList list;
  for (std::string_view caption : captions) list << QString::fromLatin1(caption);
  return list;
}

const QStringList kSexRU = Captions(dictionary::kSexCaptions);
// Hebrew and English words have no neuter.
const QStringList kSex = kSexRU.mid(0, 3);
const QStringList kBinyan = Captions(dictionary::kBinyanCaptions);

const QStringList kParts = Captions(dictionary::kPartCaptions);

QStringList EditorThemes() {
  QStringList themes = Captions(dictionary::kThemeCaptions);
  themes[dictionary::kThemeWithTrailingBlank] += QLatin1Char(' ');
  return themes;
}
const QStringList kThemes = EditorThemes();

constexpr int kVerbTab = 1;

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QComboBox* ChoiceList(const char* name, const QStringList& items, QWidget* parent) {
  auto* list = Named(new QComboBox(parent), name);
  list->addItems(items);
  list->setCurrentIndex(0);
  return list;
}

void SetPosition(QComboBox* list, int position) {
  list->setCurrentIndex(position >= 0 && position < list->count() ? position : 0);
}

QFrame* Panel(const char* name, QWidget* parent) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setFrameShape(QFrame::StyledPanel);
  return panel;
}

// A labelled row: caption at the left, then the widgets.
QHBoxLayout* Row(const QString& caption, std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(caption);
  label->setMinimumWidth(120);
  row->addWidget(label);
  for (QWidget* widget : widgets) row->addWidget(widget, widget->inherits("QLineEdit") ? 1 : 0);
  return row;
}

std::optional<std::string> OptionalText(store::Table& table, const char* field) {
  store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsString();
}

}  // namespace

TFormAdd::TFormAdd(Instances& instances, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      instances_(instances) {
  setObjectName(QStringLiteral("FormAdd"));
  setWindowTitle(kCaption);
  setWindowModality(Qt::NonModal);
  setFont(QFont(QStringList{QStringLiteral("TRIVEL New"), QStringLiteral("DejaVu Sans")}));
  BuildWordPage();
  ConnectHandlers();
  BindFields();
  VerbForms.RefillLabels();
  // "Save" (F2) and "Cancel" (Esc) of the main window also answer while the editor is active.
  if (TFormSelect* main = instances_.FormSelect) addActions({main->N4, main->N5});
  setFixedSize(sizeHint());
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  hide();
}

// The handlers reach members of this window: no event or signal may reach them while the
// components are being destroyed.
TFormAdd::~TFormAdd() {
  keyFilters_.clear();
  bindings_.clear();
  for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
}

void TFormAdd::HandleKeys(QLineEdit* edit, std::function<std::optional<QChar>(QChar)> map,
                          bool stepBack, std::function<void()> entered,
                          std::function<void()> left) {
  keyFilters_.push_back(std::make_unique<editor::KeyFilter>(
      *instances_.Dialogs, edit, std::move(map), stepBack, std::move(entered), std::move(left)));
}

// ---- Layout ----

void TFormAdd::BuildWordPage() {
  auto* layout = new QVBoxLayout(this);
  PConAdd = Named(new QTabWidget(this), "PConAdd");
  PConAdd->setDocumentMode(true);
  PConAdd->tabBar()->setStyleSheet(kTabStyle);
  layout->addWidget(PConAdd);

  // Every page is made inside its tab widget, so that it has the editor's font from the start: a
  // page moved there later changes font, and each widget on it lays itself out again (a combo box
  // also makes its drop-down list then).
  TabShRU = Named(new QWidget(PConAdd), "TabShRU");
  auto* words = new QVBoxLayout(TabShRU);
  words->addWidget(BuildRussianPanel());
  words->addWidget(BuildHebrewPanel());
  words->addWidget(BuildEnglishPanel());
  words->addWidget(BuildCommonGroup());
  PConAdd->addTab(TabShRU, QStringLiteral("Word info"));

  TabShSentence = Named(new QWidget(PConAdd), "TabShSentence");
  auto* sentence = new QVBoxLayout(TabShSentence);
  Panel3 = Panel("Panel3", TabShSentence);
  Panel7 = Panel("Panel7", TabShSentence);
  Panel8 = Panel("Panel8", TabShSentence);
  for (QFrame* panel : {Panel3, Panel7, Panel8}) sentence->addWidget(panel, 1);
  PConAdd->addTab(TabShSentence, QStringLiteral("Sentence"));
}

QWidget* TFormAdd::BuildRussianPanel() {
  Panel2 = Panel("Panel2", this);
  DBEdit1 = Named(new QLineEdit(Panel2), "DBEdit1");
  DBEdit1->setToolTip(QStringLiteral("Input Word on Russian"));
  DBMemo3 = Named(new QLineEdit(Panel2), "DBMemo3");
  DBMemo3->setToolTip(kSpeechHint);
  CBSexRU = ChoiceList("CBSexRU", kSexRU, Panel2);
  BtnSpeackRU = Named(new QPushButton(kSpeack, Panel2), "BtnSpeackRU");
  BtnSpeackRU->setToolTip(kSpeackHint);

  auto* layout = new QVBoxLayout(Panel2);
  layout->addLayout(Row(QStringLiteral("Russian"), {DBEdit1}));
  layout->addLayout(Row(QStringLiteral("Correction Speech"), {DBMemo3, BtnSpeackRU}));
  layout->addLayout(Row(QStringLiteral("Sex"), {CBSexRU}));
  return Panel2;
}

QWidget* TFormAdd::BuildHebrewPanel() {
  Panel5 = Panel("Panel5", this);
  PConVerb = Named(new QTabWidget(Panel5), "PConVerb");
  PConVerb->setTabPosition(QTabWidget::South);
  PConVerb->tabBar()->setStyleSheet(kTabStyle);
  PConVerb->addTab(BuildCommonPage(), QStringLiteral("Cammon"));
  PConVerb->addTab(BuildVerbPage(), QStringLiteral("Verb"));
  auto* layout = new QVBoxLayout(Panel5);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PConVerb);
  return Panel5;
}

QWidget* TFormAdd::BuildCommonPage() {
  TabSheet1 = Named(new QWidget(PConVerb), "TabSheet1");
  DBMemo1 = Named(new ui::DisplayOrderEdit(TabSheet1), "DBMemo1");
  DBMemo1->setToolTip(QStringLiteral("Input Word on Hebrew"));
  DBMemo1->setAlignment(Qt::AlignRight);
  DBMemo5 = Named(new ui::DisplayOrderEdit(TabSheet1), "DBMemo5");
  DBMemo5->setToolTip(QStringLiteral("Input Root of Hebrew Verb"));
  DBMemo5->setAlignment(Qt::AlignCenter);
  DBMemo2 = Named(new QLineEdit(TabSheet1), "DBMemo2");
  DBMemo2->setToolTip(kHebrewSpeechHint);
  DBEditInvert = Named(new QLineEdit(TabSheet1), "DBEditInvert");
  DBEditInvert->setVisible(false);
  DBEditRInvert = Named(new QLineEdit(TabSheet1), "DBEditRInvert");
  DBEditRInvert->setVisible(false);
  CBSexHE = ChoiceList("CBSexHE", kSex, TabSheet1);
  CBDopHE = ChoiceList("CBDopHE", kBinyan, TabSheet1);
  CBDopHE->setEnabled(false);
  BtnSpeackHE = Named(new QPushButton(kSpeack, TabSheet1), "BtnSpeackHE");
  BtnSpeackHE->setToolTip(kSpeackHint);

  auto* layout = new QVBoxLayout(TabSheet1);
  layout->addLayout(Row(QStringLiteral("Hebrew"), {DBMemo1}));
  layout->addLayout(Row(QStringLiteral("Root"), {DBMemo5}));
  layout->addLayout(Row(QStringLiteral("Correction Speech"), {DBMemo2, BtnSpeackHE}));
  layout->addLayout(Row(QStringLiteral("Sex"), {CBSexHE}));
  layout->addLayout(Row(QStringLiteral("Forms of Verbs"), {CBDopHE}));
  return TabSheet1;
}

QWidget* TFormAdd::BuildEnglishPanel() {
  Panel6 = Panel("Panel6", this);
  DBEdit3 = Named(new QLineEdit(Panel6), "DBEdit3");
  DBEdit3->setToolTip(QStringLiteral("Input Word on English"));
  DBMemo4 = Named(new QLineEdit(Panel6), "DBMemo4");
  DBMemo4->setToolTip(kSpeechHint);
  CBSexEN = ChoiceList("CBSexEN", kSex, Panel6);
  BtnSpeackEN = Named(new QPushButton(kSpeack, Panel6), "BtnSpeackEN");
  BtnSpeackEN->setToolTip(kSpeackHint);

  auto* layout = new QVBoxLayout(Panel6);
  layout->addLayout(Row(QStringLiteral("English"), {DBEdit3}));
  layout->addLayout(Row(QStringLiteral("Correction Speech"), {DBMemo4, BtnSpeackEN}));
  layout->addLayout(Row(QStringLiteral("Sex"), {CBSexEN}));
  return Panel6;
}

QWidget* TFormAdd::BuildCommonGroup() {
  GroupBox1 = Named(new QGroupBox(QStringLiteral("Common"), this), "GroupBox1");
  CBTypeHE = ChoiceList("CBTypeHE", kParts, GroupBox1);
  CBTheme = ChoiceList("CBTheme", kThemes, GroupBox1);
  auto* layout = new QVBoxLayout(GroupBox1);
  layout->addLayout(Row(QStringLiteral("Part of speech"), {CBTypeHE}));
  layout->addLayout(Row(QStringLiteral("Theme"), {CBTheme}));
  return GroupBox1;
}

// ---- Wiring ----

void TFormAdd::ConnectHandlers() {
  ui::Dialogs& dialogs = *instances_.Dialogs;
  // Only a pick by the user runs the part-of-speech rule; the commands set the list silently.
  connect(CBTypeHE, &QComboBox::activated, this,
          ui::Guarded(dialogs, [this] { CBTypeHEChange(); }));
  connect(BtnSpeackRU, &QPushButton::clicked, this,
          ui::Guarded(dialogs, [this] { BtnSpeackRUClick(); }));
  connect(BtnSpeackHE, &QPushButton::clicked, this,
          ui::Guarded(dialogs, [this] { BtnSpeackHEClick(); }));
  connect(BtnSpeackEN, &QPushButton::clicked, this,
          ui::Guarded(dialogs, [this] { BtnSpeackENClick(); }));
  connect(PConVerb, &QTabWidget::currentChanged, this,
          ui::Guarded(dialogs, [this] { PConVerbChange(); }));
  ConnectVerbPage();

  using text::KeyBox;
  const auto wordKeys = [this](KeyBox box) {
    return [this, box](QChar typed) { return text::TypeKey(box, InputLanguage, typed); };
  };
  const auto setLanguage = [this](text::Language language) {
    return [this, language] { InputLanguage = language; };
  };
  const auto hintKeys = [this](text::Codepage codepage) {
    return [this, codepage](QChar typed) -> std::optional<QChar> {
      if (const auto letter = editor::HintKey(Layout, typed.unicode(), codepage)) return *letter;
      return std::nullopt;
    };
  };
  const auto setLayout = [this](std::string_view name) {
    return [this, name] { Layout.Activate(name); };
  };
  HandleKeys(DBEdit1, wordKeys(KeyBox::DBEdit1), false, setLanguage(text::Language::Russian));
  HandleKeys(DBMemo1, wordKeys(KeyBox::DBMemo1), true, setLanguage(text::Language::Hebrew));
  HandleKeys(DBMemo5, wordKeys(KeyBox::DBMemo5), true, setLanguage(text::Language::Hebrew));
  HandleKeys(DBEdit3, wordKeys(KeyBox::DBEdit3), false, setLanguage(text::Language::English));
  HandleKeys(DBMemo3, hintKeys(text::Codepage::Win1251), false, setLayout(editor::kLayoutRussian));
  HandleKeys(DBMemo2, hintKeys(text::Codepage::Win1251), false, setLayout(editor::kLayoutRussian));
  HandleKeys(DBMemo4, hintKeys(text::Codepage::Ascii), false, setLayout(editor::kLayoutUsEnglish));
}

void TFormAdd::BindFields() {
  ui::Dialogs& dialogs = *instances_.Dialogs;
  TDataModul& data = *instances_.DataModul;
  const auto bind = [&](store::DataSource& source, const char* field, QLineEdit* edit,
                        std::function<void()> edited = {}) {
    bindings_.push_back(std::make_unique<editor::FieldBinding>(dialogs, source, field, edit,
                                                               kTextLength, std::move(edited)));
  };
  // Whenever a word or hint changes, the reversed copy of the Hebrew word follows.
  const auto itemChanged = [this] { UpdateInvert("Item", "Item_Invert"); };
  bind(data.DSRU(), "Item", DBEdit1);
  bind(data.DSRU(), "RussianSpeech", DBMemo3, itemChanged);
  bind(data.DSHE(), "Item", DBMemo1, itemChanged);
  bind(data.DSHE(), "Root", DBMemo5, [this] { UpdateInvert("Root", "Root_Invert"); });
  bind(data.DSHE(), "HebrSpeech", DBMemo2, itemChanged);
  bind(data.DSHE(), "Item_Invert", DBEditInvert);
  bind(data.DSHE(), "Root_Invert", DBEditRInvert);
  bind(data.DSEN(), "Item", DBEdit3);
  bind(data.DSEN(), "EnglishSpeech", DBMemo4, itemChanged);
}

void TFormAdd::UpdateInvert(const char* field, const char* invertField) {
  store::Table& he = instances_.DataModul->HETable();
  if (he.State() != store::TableState::Edit && he.State() != store::TableState::Insert) return;
  const std::string inverted = text::InvertText(he.FieldByName(field).AsString());
  if (he.FieldByName(invertField).AsString() != inverted) {
    he.FieldByName(invertField).SetAsString(inverted);
  }
}

// ---- Codes ----

void TFormAdd::LoadCodes(store::Table& ru, store::Table& he, store::Table& en) {
  SetCodes(editor::ReadCodes(ru, he, en));
  ShowVerbTabForPart();
}

void TFormAdd::SetCodes(const editor::WordCodes& codes) {
  SetPosition(CBTypeHE, codes.part);
  SetPosition(CBDopHE, codes.binyan);
  SetPosition(CBSexHE, codes.sexHE);
  SetPosition(CBSexRU, codes.sexRU);
  SetPosition(CBSexEN, codes.sexEN);
  SetPosition(CBTheme, codes.topic);
}

editor::WordCodes TFormAdd::Codes() const {
  return {CBTypeHE->currentIndex(), CBDopHE->currentIndex(), CBSexHE->currentIndex(),
          CBSexRU->currentIndex(),  CBSexEN->currentIndex(), CBTheme->currentIndex()};
}

void TFormAdd::ShowVerbTabForPart() {
  PConVerb->setTabVisible(kVerbTab, CBTypeHE->currentIndex() == editor::kPartVerb);
}

// ---- Handlers ----

void TFormAdd::CBTypeHEChange() {
  ShowVerbTabForPart();
  const int part = CBTypeHE->currentIndex();
  if (part == editor::kPartVerb) {
    CBDopHE->setEnabled(true);
    CBSexHE->setEnabled(false);
  } else if (part == editor::kPartNoun) {
    CBSexHE->setEnabled(true);
    CBDopHE->setEnabled(false);
  }
}

void TFormAdd::FormPaint() {
  PConVerb->setCurrentIndex(0);
  ShowVerbTabForPart();
}

void TFormAdd::FormActivate() { VerbForms.RefillLabels(); }

void TFormAdd::BtnSpeackRUClick() {
  store::Table& ru = instances_.DataModul->RUTable();
  instances_.Share->QueueSpeech(
      text::Language::Russian,
      TShare::SpeechText(text::Language::Russian, OptionalText(ru, "RussianSpeech"),
                         OptionalText(ru, "Item")));
}

void TFormAdd::BtnSpeackHEClick() {
  store::Table& he = instances_.DataModul->HETable();
  instances_.Share->QueueSpeech(
      text::Language::Hebrew,
      TShare::SpeechText(text::Language::Hebrew, OptionalText(he, "HebrSpeech"),
                         OptionalText(he, "Item")));
}

void TFormAdd::BtnSpeackENClick() {
  store::Table& en = instances_.DataModul->ENTable();
  instances_.Share->QueueSpeech(
      text::Language::English,
      TShare::SpeechText(text::Language::English, OptionalText(en, "EnglishSpeech"),
                         OptionalText(en, "Item")));
}

// ---- Window events ----

void TFormAdd::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ui::RunGuarded(*instances_.Dialogs, [this] { FormPaint(); });
}

void TFormAdd::closeEvent(QCloseEvent* event) { event->ignore(); }

void TFormAdd::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    ui::RunGuarded(*instances_.Dialogs, [this] { FormActivate(); });
  }
  // Restored from the minimised state: the window is uncovered again.
  if (event->type() == QEvent::WindowStateChange &&
      (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) &&
      !(windowState() & Qt::WindowMinimized)) {
    ui::RunGuarded(*instances_.Dialogs, [this] { FormPaint(); });
  }
}
