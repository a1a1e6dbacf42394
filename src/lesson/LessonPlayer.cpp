#include "lesson/LessonPlayer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <optional>

#include "dictionary/MeaningFields.h"
#include "store/Schema.h"
#include "text/SpeechText.h"

namespace lesson {

const std::array<const char*, kModeCount> kModeCaptions = {
    "Russian - Hebrew - English", "Hebrew - Russian - English",
    "Hebrew - English - Russian", "English - Hebrew - Russian",
    "Inversion - Russian",        "Inversion - Hebrew",
    "Inversion - English",        "Verbs"};

namespace {

constexpr int kVerbPart = 1;
constexpr int kFormCount = store::schema::kVerbFormCount;

// The languages of modes 0 to 3, in the order in which each record plays them.
std::array<Language, 3> ModeOrder(int mode) {
  switch (mode) {
    case 1:
      return {Language::Hebrew, Language::Russian, Language::English};
    case 2:
      return {Language::Hebrew, Language::English, Language::Russian};
    case 3:
      return {Language::English, Language::Hebrew, Language::Russian};
    default:
      return {Language::Russian, Language::Hebrew, Language::English};
  }
}

// Inversion modes 4 to 6: the language shown and the two spoken, in order.
struct Inversion {
  Language shown;
  Language first;
  Language second;
};

Inversion InversionOf(int mode) {
  switch (mode) {
    case 5:
      return {Language::Hebrew, Language::English, Language::Russian};
    case 6:
      return {Language::English, Language::Hebrew, Language::Russian};
    default:
      return {Language::Russian, Language::English, Language::Hebrew};
  }
}

const char* WordField(Language language) {
  switch (language) {
    case Language::Russian:
      return "ItemRU";
    case Language::Hebrew:
      return "ItemHE";
    case Language::English:
      break;
  }
  return "ItemEN";
}

const char* HintField(Language language) {
  switch (language) {
    case Language::Russian:
      return "RussianSpeech";
    case Language::Hebrew:
      return "HebrSpeech";
    case Language::English:
      break;
  }
  return "EnglishSpeech";
}

std::optional<std::string> Value(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsString();
}

std::optional<int> IntegerValue(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsInteger();
}

// Exact key lookup on `index`; false when the key is missing or not found.
bool FindByKey(store::Table& table, const char* index, std::optional<int> key) {
  if (table.IndexName() != index) table.SetIndexName(index);
  return key && table.FindKey(*key);
}

}  // namespace

std::optional<int> ParseCount(const std::string& text) {
  const auto notBlank = [](unsigned char c) { return !std::isspace(c); };
  const auto begin = std::find_if(text.begin(), text.end(), notBlank);
  const auto end = std::find_if(text.rbegin(), text.rend(), notBlank).base();
  if (begin >= end) return std::nullopt;
  std::string digits(begin, end);
  if (digits.front() == '+') digits.erase(0, 1);
  int value = 0;
  const auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || last != digits.data() + digits.size()) return std::nullopt;
  return value;
}

LessonPlayer::LessonPlayer(LessonTables tables, LessonDisplay& display, LessonSpeech& speech)
    : tables_(tables), display_(display), speech_(speech) {}

bool& LessonPlayer::Due(Language language) {
  return language == Language::Russian ? dueRU_ : language == Language::Hebrew ? dueHE_ : dueEN_;
}

int& LessonPlayer::Repeat(Language language) {
  return language == Language::Russian  ? repeatRU_
         : language == Language::Hebrew ? repeatHE_
                                        : repeatEN_;
}

bool& LessonPlayer::Shown(Language language) {
  return language == Language::Russian  ? shownRU_
         : language == Language::Hebrew ? shownHE_
                                        : shownEN_;
}

int LessonPlayer::CountFromBox(CountBox box) const {
  return ParseCount(display_.CountText(box)).value_or(1);
}

void LessonPlayer::ReadRepeats() {
  repeatRU_ = CountFromBox(CountBox::RU);
  repeatHE_ = CountFromBox(CountBox::HE);
  repeatEN_ = CountFromBox(CountBox::EN);
}

void LessonPlayer::SetDueFromBoxes() {
  for (Language language : {Language::Russian, Language::Hebrew, Language::English}) {
    Due(language) = On(language);
  }
}

void LessonPlayer::EnterRecord() {
  store::Table& lessons = tables_.lessons;
  playing_ = lessons.GetBookmark();
  playingRow_ = lessons.CurrentRow();
  ReadRepeats();
  SetDueFromBoxes();
  shownRU_ = shownHE_ = shownEN_ = false;
  holdLast_ = false;
  verbStep_ = 0;
}

void LessonPlayer::StartPass() {
  store::Table& lessons = tables_.lessons;
  lessons.First();
  recordsLeft_ = lessons.RecordCount();
  EnterRecord();
}

bool LessonPlayer::FollowCursor() {
  store::Table& lessons = tables_.lessons;
  if (lessons.GetBookmark() == playing_) {
    playingRow_ = lessons.CurrentRow();
    return true;
  }
  // A deleted record leaves the cursor on the record that followed it, else on the one before.
  if (!lessons.BookmarkValid(playing_) && lessons.CurrentRow() < playingRow_) {
    dueRU_ = dueHE_ = dueEN_ = false;
    verbStep_ = 0;
    return false;
  }
  EnterRecord();
  return true;
}

void LessonPlayer::Start(std::string verbFormMask) {
  verbFormMask_ = std::move(verbFormMask);
  const std::optional<int> counts[] = {
      ParseCount(display_.CountText(CountBox::RU)), ParseCount(display_.CountText(CountBox::HE)),
      ParseCount(display_.CountText(CountBox::EN)), ParseCount(display_.CountText(CountBox::ALL))};
  if (std::all_of(std::begin(counts), std::end(counts),
                  [](const auto& c) { return c.has_value(); })) {
    repeatRU_ = *counts[0];
    repeatHE_ = *counts[1];
    repeatEN_ = *counts[2];
    repeatAll_ = *counts[3];
  } else {
    repeatRU_ = repeatHE_ = repeatEN_ = repeatAll_ = 1;
    display_.ResetCountTexts();
  }
  verbStep_ = 0;
  holdLast_ = false;
  startPending_ = true;
}

void LessonPlayer::Activate(int recordCount) {
  recordsLeft_ = recordCount;
  startPending_ = true;
  lessonMode_ = 0;
}

void LessonPlayer::Stop() { Finish(); }

void LessonPlayer::Finish() {
  display_.SetWordVisible(false);
  dueRU_ = dueHE_ = dueEN_ = false;
  shownRU_ = shownHE_ = shownEN_ = false;
  verbStep_ = 0;
  holdLast_ = false;
  display_.LessonFinished();
}

std::string LessonPlayer::WrittenWord(Language language) {
  return tables_.lessons.FieldByName(WordField(language)).AsString();
}

// ---- the speaking lesson ----

void LessonPlayer::ShowWord(Language language) {
  if (!On(language) || Busy()) return;
  display_.SetWordVisible(true);
  display_.SetWordText(language, WrittenWord(language));
}

void LessonPlayer::SpeakWord(Language language) {
  if (!On(language) || !Due(language) || Busy()) return;
  store::Table& lessons = tables_.lessons;
  speech_.Speak(language, text::SpeechText(language, Value(lessons, HintField(language)),
                                           Value(lessons, WordField(language))));
  if (--Repeat(language) < 1) Due(language) = false;
}

void LessonPlayer::ModeStep() {
  if (lessonMode_ == kVerbsMode) {
    VerbStepTick();
    return;
  }
  // Another mode chosen in the middle of a verb ends the verb.
  verbStep_ = 0;
  if (lessonMode_ >= 0 && lessonMode_ <= 3) {
    for (Language language : ModeOrder(lessonMode_)) {
      if (!On(language)) continue;
      ShowWord(language);
      SpeakWord(language);
    }
  } else {
    const Inversion inversion = InversionOf(lessonMode_);
    for (Language spoken : {inversion.first, inversion.second}) {
      if (!On(spoken)) continue;
      ShowWord(inversion.shown);
      SpeakWord(spoken);
    }
    Due(inversion.shown) = false;
  }
}

void LessonPlayer::SpeakingTick() {
  store::Table& lessons = tables_.lessons;
  silentHold_ = false;
  // Records deleted during play shorten the pass; an empty list ends the lesson.
  if (lessons.IsEmpty()) {
    Finish();
    return;
  }
  if (startPending_) {
    startPending_ = false;
    repeatAll_ = CountFromBox(CountBox::ALL);
    StartPass();
  }
  if (FollowCursor()) {
    recordsLeft_ = std::min(recordsLeft_, lessons.RecordCount() - lessons.CurrentRow());
    ModeStep();
    if (recordsLeft_ > 1 && !AnyDue() && !Busy() && verbStep_ == 0) {
      --recordsLeft_;
      lessons.Next();
      EnterRecord();
    }
  }
  if (AnyDue() || Busy() || verbStep_ != 0) return;

  if (repeatAll_ <= 1) {
    Finish();
    return;
  }
  --repeatAll_;
  StartPass();
}

// ---- the Verbs mode ----

bool LessonPlayer::IsVerb() { return IntegerValue(tables_.lessons, "Part") == kVerbPart; }

void LessonPlayer::FindVerbForms() {
  for (store::Table* table : {&tables_.gl, &tables_.he, &tables_.nekudot}) {
    table->SetFiltered(false);
  }
  const std::optional<int> hebrewId = IntegerValue(tables_.lessons, "idHE");
  const bool hebrewFound = FindByKey(tables_.he, "id_index", hebrewId);
  const std::optional<int> verbId =
      hebrewFound ? IntegerValue(tables_.he, dictionary::kKeyField) : hebrewId;
  formsFound_ = FindByKey(tables_.gl, "index_idHE", verbId) &&
                FindByKey(tables_.nekudot, "index_id",
                          IntegerValue(tables_.gl, dictionary::kFormsToPronunciation));
}

bool LessonPlayer::FormChosen(int form) const {
  return formsFound_ && form >= 1 && form <= static_cast<int>(verbFormMask_.size()) &&
         verbFormMask_[static_cast<std::size_t>(form - 1)] == '1';
}

int LessonPlayer::NextChosenForm(int form) const {
  for (; form <= kFormCount; ++form) {
    if (FormChosen(form)) return form;
  }
  return 0;
}

void LessonPlayer::NextForm() {
  if (verbStep_ >= kFormCount) {
    dueRU_ = dueHE_ = dueEN_ = false;
    verbStep_ = 0;
  } else {
    ++verbStep_;
  }
}

void LessonPlayer::VerbStepTick() {
  store::Table& lessons = tables_.lessons;
  if (!IsVerb()) {
    dueRU_ = dueHE_ = dueEN_ = false;
    verbStep_ = 0;
    return;
  }
  // A verb whose work is done waits here, unstarted, until the record changes.
  if (verbStep_ == 0 && !AnyDue()) return;
  const bool hebrewOn = On(Language::Hebrew);
  if (verbStep_ == 0) {
    display_.SetWordText(Language::Hebrew, WrittenWord(Language::Hebrew));
    // With Hebrew off the verb is shown without being spoken.
    if (!Busy()) display_.SetWordVisible(true);
    // A Hebrew count below 1 speaks the infinitive and every form once.
    repeatHE_ = std::max(repeatHE_, 1);
    savedRepeatHE_ = repeatHE_;
    if (hebrewOn && dueHE_ && !Busy()) {
      speech_.Speak(Language::Hebrew,
                    text::SpeechText(Language::Hebrew, Value(lessons, "HebrSpeech"), {}));
    } else {
      silentHold_ = true;
    }
    FindVerbForms();
    verbStep_ = 1;
    return;
  }
  if (!FormChosen(verbStep_)) {
    NextForm();
    return;
  }
  if (Busy()) return;
  display_.SetWordVisible(true);
  display_.SetWordText(Language::Hebrew, tables_.gl.Fields(verbStep_).AsString());
  if (!hebrewOn || !dueHE_) {
    // Shown without speaking: the form stays for this tick.
    silentHold_ = true;
    NextForm();
    return;
  }
  speech_.Speak(Language::Hebrew, tables_.nekudot.Fields(verbStep_).AsString());
  if (--repeatHE_ < 1) {
    repeatHE_ = savedRepeatHE_;
    NextForm();
  }
}

// ---- the silent lesson ----

void LessonPlayer::SilentWalk() {
  if (lessonMode_ >= 0 && lessonMode_ <= 3) {
    // One word per tick; languages that are off, after it as before it, count as shown.
    bool shownThisTick = false;
    for (Language language : ModeOrder(lessonMode_)) {
      if (!On(language)) {
        Shown(language) = true;
        continue;
      }
      if (Shown(language)) continue;
      if (shownThisTick) return;
      display_.SetWordVisible(true);
      display_.SetWordText(language, WrittenWord(language));
      Shown(language) = true;
      shownThisTick = true;
    }
  } else if (lessonMode_ < kVerbsMode) {
    const Language shown = InversionOf(lessonMode_).shown;
    if (On(shown)) {
      display_.SetWordVisible(true);
      display_.SetWordText(shown, WrittenWord(shown));
    }
    shownRU_ = shownHE_ = shownEN_ = true;
  } else {
    SilentVerbStep();
  }
}

// Each tick shows the infinitive or one chosen form; records that are no verbs are passed over.
void LessonPlayer::SilentVerbStep() {
  store::Table& lessons = tables_.lessons;
  if (verbStep_ == 0) {
    while (!IsVerb() && recordsLeft_ > 1) {
      --recordsLeft_;
      lessons.Next();
      EnterRecord();
    }
    if (!IsVerb()) {
      shownRU_ = shownHE_ = shownEN_ = true;
      return;
    }
    display_.SetWordVisible(true);
    display_.SetWordText(Language::Hebrew, WrittenWord(Language::Hebrew));
    FindVerbForms();
    verbStep_ = NextChosenForm(1);
  } else {
    display_.SetWordVisible(true);
    display_.SetWordText(Language::Hebrew, tables_.gl.Fields(verbStep_).AsString());
    verbStep_ = verbStep_ < kFormCount ? NextChosenForm(verbStep_ + 1) : 0;
  }
  if (verbStep_ == 0) shownRU_ = shownHE_ = shownEN_ = true;
}

void LessonPlayer::SilentTick() {
  store::Table& lessons = tables_.lessons;
  if (lessons.IsEmpty()) {
    Finish();
    return;
  }
  if (startPending_) {
    startPending_ = false;
    StartPass();
  }
  // The list is played once: a pass that is over ends the lesson.
  if (!FollowCursor()) {
    Finish();
    return;
  }
  recordsLeft_ = std::min(recordsLeft_, lessons.RecordCount() - lessons.CurrentRow());

  if (!AllShown()) SilentWalk();

  if (recordsLeft_ > 1 && AllShown() && !holdLast_) {
    --recordsLeft_;
    lessons.Next();
    EnterRecord();
  }
  if (!AllShown()) return;
  if (!holdLast_) {
    holdLast_ = true;
  } else {
    Finish();
  }
}

}  // namespace lesson
