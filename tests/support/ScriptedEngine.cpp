#include "ScriptedEngine.h"

#include <algorithm>
#include <utility>

namespace speechtest {

std::vector<ScriptedEngine::Mode> ScriptedEngine::StandardModes() {
  return {
      {"Russian male", "Nicolai", 80, 450, 175}, {"English female", "Carol", 80, 500, 160},
      {"German male", "Hans", 80, 450, 170},     {"Russian female", "Olga", 90, 400, 150},
      {"English male", "Peter", 70, 520, 180},
  };
}

ScriptedEngine::ScriptedEngine(std::vector<Mode> modes, QString name,
                               std::shared_ptr<Journal> journal)
    : modes_(std::move(modes)), name_(std::move(name)), journal_(std::move(journal)) {}

void ScriptedEngine::CheckFailure() const {
  if (failure_) throw speech::EngineError(*failure_);
}

const ScriptedEngine::Mode& ScriptedEngine::ModeAt(int mode) const {
  CheckFailure();
  if (mode < 1 || mode > static_cast<int>(modes_.size())) {
    throw speech::EngineError("No engine mode " + std::to_string(mode));
  }
  return modes_[static_cast<std::size_t>(mode - 1)];
}

int ScriptedEngine::ModeCount() const {
  CheckFailure();
  return static_cast<int>(modes_.size());
}

QString ScriptedEngine::ModeName(int mode) const { return ModeAt(mode).name; }

QString ScriptedEngine::Speaker(int mode) const { return ModeAt(mode).speaker; }

void ScriptedEngine::Select(int mode) {
  const Mode& chosen = ModeAt(mode);
  selected_ = mode;
  minSpeed_ = chosen.minSpeed;
  maxSpeed_ = chosen.maxSpeed;
  speed_ = chosen.speed;
}

int ScriptedEngine::Speed() const {
  CheckFailure();
  return speed_;
}

void ScriptedEngine::SetSpeed(int wordsPerMinute) {
  CheckFailure();
  speed_ = std::clamp(wordsPerMinute, minSpeed_, maxSpeed_);
  speedsSet_.push_back(speed_);
}

int ScriptedEngine::MinSpeed() const {
  CheckFailure();
  return minSpeed_;
}

int ScriptedEngine::MaxSpeed() const {
  CheckFailure();
  return maxSpeed_;
}

bool ScriptedEngine::Speaking() const { return speaking_; }

void ScriptedEngine::Speak(QStringView text) {
  spoken_.push_back(text.toString());
  if (journal_) journal_->push_back(name_ + ": " + text.toString());
  if (speakStartsSpeaking_) speaking_ = true;
}

}  // namespace speechtest
