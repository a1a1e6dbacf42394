#pragma once

// Shared pieces of the lesson tests: lesson records and verb forms written straight into the
// tables, a display that records what it is asked to show, and the three scripted engines behind
// the lesson's speech port.

#include <QString>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedEngine.h"
#include "TestDictionary.h"
#include "lesson/LessonPlayer.h"

namespace lessontest {

using lesson::CountBox;
using lesson::Language;

// One lesson record; texts are ASCII (stored as they are), nullopt leaves a field null.
struct Entry {
  std::optional<std::string> ru;
  std::optional<std::string> he;
  std::optional<std::string> en;
  std::optional<std::string> ruHint{};
  std::optional<std::string> heHint{};
  std::optional<std::string> enHint{};
  std::optional<int> part{};
  std::optional<int> idHE{};
};

void AddEntry(TDataModul& data, const Entry& entry);

// A GLTABLE record for the Hebrew verb `hebrewId` with the spelling "f<k>" and a NEKUDOT record
// with the pronunciation "p<k>" of every form k.
void AddVerbForms(TDataModul& data, int hebrewId);

class RecordingDisplay : public lesson::LessonDisplay {
 public:
  bool LanguageOn(Language language) const override { return on[Slot(language)]; }
  std::string CountText(CountBox box) const override { return counts[static_cast<int>(box)]; }
  void ResetCountTexts() override { counts = {"1", "1", "1", "1"}; }
  void SetWordText(Language, const std::string& word) override { text = word; }
  void SetWordVisible(bool shown) override { visible = shown; }
  void LessonFinished() override { finished = true; }

  static int Slot(Language language) { return static_cast<int>(language) - 1; }

  std::array<bool, 3> on{true, true, true};
  std::array<std::string, 4> counts{"1", "1", "1", "1"};  // EdRU, EdHE, EdEN, EdALL
  std::string text;
  bool visible = false;
  bool finished = false;
};

// The three scripted engines, sharing one journal of "RU: text", "HE: text", "EN: text".
class ScriptedSpeech : public lesson::LessonSpeech {
 public:
  ScriptedSpeech();
  bool Speaking() const override;
  void Speak(Language language, const std::string& text) override;
  // Every engine stops speaking (the word has been said).
  void EndWords();
  speechtest::ScriptedEngine& Engine(Language language);

  std::shared_ptr<speechtest::ScriptedEngine::Journal> journal;
  std::array<std::unique_ptr<speechtest::ScriptedEngine>, 3> engines;
};

// Plays a whole lesson: one speaking tick, then every word ends, until the lesson finishes (at
// most `maxTicks`). Returns the ticks played.
int PlaySpeaking(lesson::LessonPlayer& player, RecordingDisplay& display, ScriptedSpeech& speech,
                 int maxTicks = 1000);

std::vector<QString> Words(std::initializer_list<const char*> words);

}  // namespace lessontest
