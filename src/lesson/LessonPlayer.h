#pragma once

// Lesson playback, driven by ticks: the speaking lesson (one tick every 100 ms, speaking through
// LessonSpeech and waiting, tick by tick, until nothing speaks) and the silent lesson (one tick
// every 1.3 s, each tick showing one word). The caller owns the timers and calls SpeakingTick or
// SilentTick on each of their ticks; the player tells it through LessonDisplay::LessonFinished
// when to stop.
//
// The lesson list is the view of SELEWORDS in its current order; its cursor is the record being
// played. Lesson modes (LessonMode):
//   0 Russian - Hebrew - English, 1 Hebrew - Russian - English, 2 Hebrew - English - Russian,
//   3 English - Hebrew - Russian: each record shown and spoken in these languages in this order;
//   4, 5, 6 Inversion - Russian, Hebrew, English: that language's word is shown while the other
//   two are spoken;
//   7 Verbs: for each verb, its Hebrew infinitive and then the verb forms chosen by the mask.

#include <array>
#include <optional>
#include <string>

#include "lesson/LessonPorts.h"
#include "store/Table.h"

namespace lesson {

struct LessonTables {
  store::Table& lessons;  // SELEWORDS
  store::Table& he;       // Hewords
  store::Table& gl;       // GLTABLE
  store::Table& nekudot;  // NEKUDOT
};

inline constexpr int kModeCount = 8;
inline constexpr int kVerbsMode = 7;

// The captions of the eight modes, in mode order.
extern const std::array<const char*, kModeCount> kModeCaptions;

// A box's text as a whole number (an optional sign and decimal digits, blanks around them
// allowed), or nothing.
std::optional<int> ParseCount(const std::string& text);

class LessonPlayer {
 public:
  // The tables and ports must outlive the player.
  LessonPlayer(LessonTables tables, LessonDisplay& display, LessonSpeech& speech);

  // --- lesson state, written only by the player ---
  int LessonMode() const { return lessonMode_; }       // 0 to 7
  bool StartPending() const { return startPending_; }  // the next tick starts from the first record
  // Records still to play in this pass, the current one included.
  int RecordsLeft() const { return recordsLeft_; }
  int RepeatAll() const { return repeatAll_; }  // passes still to play, the current one included
  int VerbStep() const { return verbStep_; }    // position in the current verb's forms; 0: none

  // From the next tick on, each record plays in `mode` (0 to 7); a verb whose forms are being
  // played ends when another mode is chosen.
  void ChooseMode(int mode) { lessonMode_ = mode; }

  // Prepares a (re)start from the first record: reads the four boxes as whole numbers into the
  // counts; when any is not a whole number, every count becomes 1 and the boxes show "1".
  // `verbFormMask` (28 characters "0"/"1", one per verb form) says which forms mode 7 plays.
  void Start(std::string verbFormMask);
  // The window was activated: the next tick starts from the first record, in mode 0.
  void Activate(int recordCount);

  // Ends the lesson now: the display hidden, LessonDisplay::LessonFinished called.
  void Stop();

  // Both ticks follow the cursor: when it has left the record being played (another row chosen,
  // or the record deleted), the lesson goes on with the record now at the cursor from its first
  // language; when the record being played was deleted and the cursor fell back on a record this
  // pass has played, the pass is over.
  //
  // One tick of the speaking lesson. At most one word is spoken per tick.
  void SpeakingTick();
  // One tick of the silent lesson: shows one word; plays the list once and holds the last word
  // one extra tick.
  void SilentTick();

 private:
  bool& Due(Language language);
  int& Repeat(Language language);
  bool& Shown(Language language);
  bool AnyDue() const { return dueRU_ || dueHE_ || dueEN_; }
  bool AllShown() const { return shownRU_ && shownHE_ && shownEN_; }
  bool On(Language language) const { return display_.LanguageOn(language); }
  // Something is being spoken, or a verb form shown without speech holds this tick.
  bool Busy() const { return silentHold_ || speech_.Speaking(); }
  // Reads a box during play: anything that is not a whole number counts as 1.
  int CountFromBox(CountBox box) const;
  void ReadRepeats();
  void SetDueFromBoxes();
  // The record at the cursor becomes the one being played, from its first language.
  void EnterRecord();
  // Starts a pass from the first record.
  void StartPass();
  // Checks the cursor against the record being played (see SpeakingTick); false when the pass is
  // over.
  bool FollowCursor();
  void Finish();
  std::string WrittenWord(Language language);

  void ShowWord(Language language);
  void SpeakWord(Language language);
  void ModeStep();
  void VerbStepTick();
  // Finds the verb's forms: its Hebrew record, GLTABLE and NEKUDOT records, by exact key.
  void FindVerbForms();
  bool FormChosen(int form) const;
  void NextForm();

  void SilentWalk();
  void SilentVerbStep();
  bool IsVerb();
  // The first chosen form from `form` on, or 0 when there is none.
  int NextChosenForm(int form) const;

  int lessonMode_ = 0;
  bool startPending_ = true;
  int recordsLeft_ = 0;
  int repeatRU_ = 1;  // times the current record's word is still to be spoken
  int repeatHE_ = 1;
  int repeatEN_ = 1;
  int repeatAll_ = 1;
  bool dueRU_ = false;  // the language still has work in the current record
  bool dueHE_ = false;
  bool dueEN_ = false;
  int verbStep_ = 0;
  int savedRepeatHE_ = 1;  // the Hebrew count restored after each verb form
  bool shownRU_ = false;   // silent lesson: the word of that language has been shown
  bool shownHE_ = false;
  bool shownEN_ = false;
  bool holdLast_ = false;  // silent lesson: the last word is held for one more tick

  LessonTables tables_;
  LessonDisplay& display_;
  LessonSpeech& speech_;
  std::string verbFormMask_;
  // The record whose counts, due and shown flags and verb step the lesson holds, and its row when
  // last seen.
  store::Bookmark playing_;
  int playingRow_ = 0;
  bool formsFound_ = false;
  bool silentHold_ = false;
};

}  // namespace lesson
