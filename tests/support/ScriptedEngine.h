#pragma once

// A speech engine for tests: a fixed list of modes, a Speaking() state the test controls, and a
// record of everything the program asked of it.

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "speech/Engine.h"

namespace speechtest {

class ScriptedEngine : public speech::Engine {
 public:
  struct Mode {
    QString name;     // ModeName
    QString speaker;  // Speaker
    int minSpeed = 80;
    int maxSpeed = 450;
    int speed = 175;  // the mode's own speed, taken over by Select
  };

  // Modes of a typical installation: "Russian" modes with the speakers "Nicolai" and "Olga",
  // "English" modes with "Carol" and "Peter", and a "German" mode with "Hans", interleaved.
  static std::vector<Mode> StandardModes();

  // One entry per Speak() of any engine sharing the journal, in call order: "<name>: <text>".
  using Journal = std::vector<QString>;

  explicit ScriptedEngine(std::vector<Mode> modes = StandardModes(), QString name = {},
                          std::shared_ptr<Journal> journal = nullptr);

  int ModeCount() const override;
  QString ModeName(int mode) const override;
  QString Speaker(int mode) const override;
  void Select(int mode) override;
  int Speed() const override;
  void SetSpeed(int wordsPerMinute) override;
  int MinSpeed() const override;
  int MaxSpeed() const override;
  bool Speaking() const override;
  void Speak(QStringView text) override;

  // --- the script ---

  // What Speaking() reports from now on.
  void SetSpeaking(bool speaking) { speaking_ = speaking; }
  // When true (the default), Speak() makes Speaking() report true, as a real engine soon does.
  void SetSpeakStartsSpeaking(bool starts) { speakStartsSpeaking_ = starts; }
  // Every later query or command (except Speaking and Speak) throws EngineError with `message`.
  void FailWith(std::string message) { failure_ = std::move(message); }

  // --- the record ---

  const std::vector<QString>& Spoken() const { return spoken_; }
  int SelectedMode() const { return selected_; }
  // Every speed set through SetSpeed, in order (after clamping).
  const std::vector<int>& SpeedsSet() const { return speedsSet_; }

 private:
  const Mode& ModeAt(int mode) const;
  void CheckFailure() const;

  std::vector<Mode> modes_;
  QString name_;
  std::shared_ptr<Journal> journal_;
  int selected_ = 0;
  int speed_ = 175;
  int minSpeed_ = 80;
  int maxSpeed_ = 450;
  bool speaking_ = false;
  bool speakStartsSpeaking_ = true;
  std::optional<std::string> failure_;
  std::vector<QString> spoken_;
  std::vector<int> speedsSet_;
};

}  // namespace speechtest
