#pragma once

// The translation typing game on the lesson list (the table SELEWORDS), without any window.
//
// Each entry of the list shows one field, and the player types the translation, one key at a
// time: a right letter uncovers its place in the hidden answer, any other letter is a miss. The
// press after the last letter moves on to the next entry. A pass goes once through the list in
// the order of one of its two indexes, "And_index" and "And_two_index", which alternate from
// pass to pass; at its end the share of right presses is reported. An entry finished without a
// miss has the counter of the other index raised by one and posted at once. Every finished entry
// is also graded by its misses (review::GradeOfEntry) and kept as a review of its meaning's card
// in the game's direction, in the same write unit as the counter.
//
// The window shows the state read from the accessors after every call and is told through
// GameSink of what it must do beyond that.

#include <optional>
#include <string>

#include "game/Direction.h"
#include "game/HiddenAnswer.h"
#include "review/GameReviews.h"
#include "text/Language.h"

namespace store {
class Table;
}

namespace game {

// What the game asks of the window.
class GameSink {
 public:
  virtual ~GameSink() = default;
  // Queue the speech of `text` (single bytes) in `language`.
  virtual void Speak(text::Language language, std::string text) = 0;
  // A pass ended with `result` percent right presses; the next pass starts after this returns.
  virtual void PassFinished(int result) = 0;
  // The entry could not be read; the game holds an empty, finished entry instead.
  virtual void EntryUnreadable() = 0;
};

// The text that reports the result of a pass, in UTF-8: "Ваш результат -75(%) из 100(%).".
std::string ResultText(int result);

class TypingGame {
 public:
  // `list` and `sink` must outlive the game. Nothing is read before Start; the card tables are
  // first touched when an entry is finished. `clock` dates the reviews.
  TypingGame(store::Table& list, GameSink& sink, review::Clock clock = review::SystemTime);

  // Starts over: no last result, the list counted anew, the direction's layout selected and a
  // new pass begun. The direction stays as it was (Russian-Hebrew at first).
  void Start();
  // Switches the order to the other index, goes to the first entry, clears the pass's counts and
  // loads the entry when the list holds any (an empty list leaves nothing shown).
  void NewPass();
  // Makes `direction` current, selects its layout and begins a new pass; the running pass's
  // counts are dropped without a result.
  void SetDirection(Direction direction);
  // The desired retention of the reviews' memory model (0.70 to 0.99; 0.90 unless set), for the
  // entries finished from now on.
  void SetRetention(double retention);
  // The keys type the letters of `layout` from now on.
  void SelectLayout(Layout layout) { layout_ = layout; }

  // A press of key `key` (1 to 33, or the space bar 35). A press on a finished entry moves on,
  // whatever the key; on an open entry a key without a letter in the active layout does
  // nothing. Nothing happens while the list is empty. Throws store::Error when the count or the
  // review of a finished entry could not be stored (neither is then); the game has moved on all
  // the same.
  void PressKey(int key);

  // Queues the speech of the current entry in `language`, as when an answer is finished.
  void SpeakEntry(text::Language language);

  Direction CurrentDirection() const { return direction_; }
  Layout ActiveLayout() const { return layout_; }
  // The word to translate and the answer as uncovered so far (single bytes, in the codepages of
  // the direction's fields).
  const std::string& Shown() const { return shown_; }
  const std::string& Mask() const { return answer_.Mask(); }
  int AnswerLength() const { return answer_.Length(); }
  int Revealed() const { return answer_.Revealed(); }
  int RightPresses() const { return rightPresses_; }
  int WrongPresses() const { return wrongPresses_; }
  // Entries in the list when the game started, and entries finished in the current pass.
  int ListSize() const { return listSize_; }
  int WordsDone() const { return wordsDone_; }
  // Percent of right presses in the last finished pass; 0 before the first.
  int LastResult() const { return lastResult_; }

 private:
  // Makes the current entry of the list the one to type.
  void LoadWord();
  // Nothing shown, nothing to type: the next press moves on.
  void ClearEntry();
  // Stores the finished entry's count and review and goes to the next entry or pass. Throws
  // store::Error, after moving on, when the database refused them (the entry keeps its stored
  // count, the card its state).
  void MoveOn();
  void StoreEntry();
  // Goes to the next entry, or after the last one ends the pass and begins the next.
  void Advance();
  void RaiseCounter();

  store::Table& list_;
  GameSink& sink_;
  Direction direction_ = Direction::RussianHebrew;
  Layout layout_ = Layout::Hebrew;
  std::string shown_;
  HiddenAnswer answer_;
  bool entryRead_ = false;  // the entry was read; its counter may be raised
  int wordMisses_ = 0;
  int wordRight_ = 0;
  int rightPresses_ = 0;
  int wrongPresses_ = 0;
  int listSize_ = 0;
  int wordsDone_ = 0;
  int lastResult_ = 0;
  review::Clock clock_;
  review::MemoryModel model_;
  std::optional<review::GameReviews> reviews_;  // made when the first entry is finished
};

}  // namespace game
