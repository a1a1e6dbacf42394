#include "game/TypingGame.h"

#include <optional>
#include <utility>

#include "review/GameGrade.h"
#include "store/Error.h"
#include "store/SqlitePersistence.h"
#include "store/Table.h"
#include "store/WriteUnit.h"
#include "text/SpeechText.h"

namespace game {
namespace {

constexpr std::string_view kFirstIndex = "And_index";
constexpr std::string_view kSecondIndex = "And_two_index";

std::optional<std::string> ValueOf(store::Table& table, const char* field) {
  const store::Field value = table.FieldByName(field);
  if (value.IsNull()) return std::nullopt;
  return value.AsString();
}

}  // namespace

std::string ResultText(int result) {
  return "Ваш результат -" + std::to_string(result) + "(%) из 100(%).";
}

TypingGame::TypingGame(store::Table& list, GameSink& sink, review::Clock clock)
    : list_(list), sink_(sink), clock_(std::move(clock)) {}

void TypingGame::Start() {
  lastResult_ = 0;
  listSize_ = list_.RecordCount();
  layout_ = Describe(direction_).layout;
  NewPass();
}

void TypingGame::NewPass() {
  list_.SetIndexName(list_.IndexName() == kFirstIndex ? kSecondIndex : kFirstIndex);
  list_.First();
  rightPresses_ = 0;
  wrongPresses_ = 0;
  wordsDone_ = 0;
  if (!list_.IsEmpty()) {
    LoadWord();
  } else {
    ClearEntry();
  }
}

void TypingGame::SetRetention(double retention) {
  model_ = review::MemoryModel(retention);
  reviews_.reset();
}

void TypingGame::SetDirection(Direction direction) {
  direction_ = direction;
  layout_ = Describe(direction).layout;
  NewPass();
}

// Both fields are read before anything changes, so an entry that cannot be read leaves no half
// of it behind: the game then holds an empty entry that the next press moves past.
void TypingGame::LoadWord() {
  const DirectionInfo& info = Describe(direction_);
  wordMisses_ = 0;
  wordRight_ = 0;
  try {
    std::string shown = list_.FieldByName(info.shownField).AsString();
    std::string answer = list_.FieldByName(info.answerField).AsString();
    shown_ = std::move(shown);
    answer_ = HiddenAnswer(std::move(answer), info.layout);
    entryRead_ = true;
  } catch (const store::Error&) {
    ClearEntry();
    sink_.EntryUnreadable();
  }
}

void TypingGame::ClearEntry() {
  shown_.clear();
  answer_ = HiddenAnswer();
  entryRead_ = false;
}

void TypingGame::PressKey(int key) {
  if (list_.IsEmpty()) return;
  if (answer_.Finished()) {
    MoveOn();
    return;
  }
  const std::optional<char> letter = KeyLetter(layout_, key);
  if (!letter) return;
  if (!answer_.Uncover(*letter)) {
    ++wrongPresses_;
    ++wordMisses_;
    return;
  }
  ++rightPresses_;
  ++wordRight_;
  if (answer_.Finished()) SpeakEntry(Describe(direction_).answerLanguage);
}

void TypingGame::MoveOn() {
  ++wordsDone_;
  // A write the database refuses is reported after the game has moved on, so it can go on.
  std::optional<store::Error> refused;
  // A dictionary opened read-only is played all the same, without counting.
  if (entryRead_ && !list_.Database().RefusesWrites()) {
    try {
      StoreEntry();
    } catch (const store::Error& error) {
      refused.emplace("The game's count of this word was not stored: " + std::string(error.what()));
    }
  }
  Advance();
  if (refused) throw *refused;
}

// The counter of a miss-free entry and the review of its card, together or not at all.
void TypingGame::StoreEntry() {
  if (!reviews_) reviews_.emplace(list_.Database(), model_, clock_);
  const review::Grade grade = review::GradeOfEntry(wordRight_ + wordMisses_, wordMisses_);
  store::WriteUnit({&list_}).Run([&] {
    if (wordMisses_ == 0) RaiseCounter();
    if (answer_.Length() > 0) reviews_->Review(list_, static_cast<int>(direction_), grade);
  });
}

void TypingGame::Advance() {
  if (wordsDone_ < listSize_) {
    list_.Next();
    if (!list_.IsEmpty()) LoadWord();
    return;
  }
  const int presses = rightPresses_ + wrongPresses_;
  lastResult_ = presses == 0 ? 0 : 100 * rightPresses_ / presses;
  sink_.PassFinished(lastResult_);
  NewPass();
}

// The counter of the other index: raising it never moves the entry in the active order.
void TypingGame::RaiseCounter() {
  const char* counter = list_.IndexName() == kFirstIndex ? "AndestandTwo" : "IndexAndestand";
  list_.Edit();
  store::Field field = list_.FieldByName(counter);
  const int value = field.IsNull() ? 0 : field.AsInteger();
  field.SetAsInteger(value + 1);
  list_.Post();
}

void TypingGame::SpeakEntry(text::Language language) {
  if (list_.IsEmpty()) return;
  std::string text;
  switch (language) {
    case text::Language::Russian:
      text = text::SpeechText(language, ValueOf(list_, "RussianSpeech"), ValueOf(list_, "ItemRU"));
      break;
    case text::Language::Hebrew:
      text = text::SpeechText(language, ValueOf(list_, "HebrSpeech"), ValueOf(list_, "ItemHE"));
      break;
    case text::Language::English:
      text = text::SpeechText(language, ValueOf(list_, "EnglishSpeech"), ValueOf(list_, "ItemEN"));
      break;
  }
  sink_.Speak(language, std::move(text));
}

}  // namespace game
