#include "LessonFixture.h"

#include "speech/Speak.h"
#include "store/Schema.h"

namespace lessontest {
namespace {

void Put(store::Table& table, const char* field, const std::optional<std::string>& value) {
  if (value) table.FieldByName(field).SetAsString(*value);
}

void Put(store::Table& table, const char* field, const std::optional<int>& value) {
  if (value) table.FieldByName(field).SetAsInteger(*value);
}

}  // namespace

void AddEntry(TDataModul& data, const Entry& entry) {
  store::Table& lessons = data.SelWordTable();
  lessons.Insert();
  Put(lessons, "ItemRU", entry.ru);
  Put(lessons, "ItemHE", entry.he);
  Put(lessons, "ItemEN", entry.en);
  Put(lessons, "RussianSpeech", entry.ruHint);
  Put(lessons, "HebrSpeech", entry.heHint);
  Put(lessons, "EnglishSpeech", entry.enHint);
  Put(lessons, "Part", entry.part);
  Put(lessons, "idHE", entry.idHE);
  lessons.FieldByName("Select").SetAsString("*");
  lessons.FieldByName("IndexAndestand").SetAsInteger(0);
  lessons.FieldByName("AndestandTwo").SetAsInteger(0);
  lessons.Post();
}

void AddVerbForms(TDataModul& data, int hebrewId) {
  store::Table& nekudot = data.NekudotTable();
  nekudot.Insert();
  for (int k = 1; k <= store::schema::kVerbFormCount; ++k) {
    nekudot.Fields(k).SetAsString("p" + std::to_string(k));
  }
  nekudot.Post();
  const int nekudotId = nekudot.FieldByName("Id").AsInteger();
  store::Table& gl = data.GLTABLE();
  gl.Insert();
  for (int k = 1; k <= store::schema::kVerbFormCount; ++k) {
    gl.Fields(k).SetAsString("f" + std::to_string(k));
  }
  gl.FieldByName("IdHE").SetAsInteger(hebrewId);
  gl.FieldByName("IdNekudot").SetAsInteger(nekudotId);
  gl.Post();
}

ScriptedSpeech::ScriptedSpeech()
    : journal(std::make_shared<speechtest::ScriptedEngine::Journal>()) {
  const char* names[] = {"RU", "HE", "EN"};
  for (int i = 0; i < 3; ++i) {
    engines[i] = std::make_unique<speechtest::ScriptedEngine>(
        speechtest::ScriptedEngine::StandardModes(), QString::fromLatin1(names[i]), journal);
  }
}

speechtest::ScriptedEngine& ScriptedSpeech::Engine(Language language) {
  return *engines[RecordingDisplay::Slot(language)];
}

bool ScriptedSpeech::Speaking() const {
  for (const auto& engine : engines) {
    if (engine->Speaking()) return true;
  }
  return false;
}

void ScriptedSpeech::Speak(Language language, const std::string& text) {
  speech::Speak(Engine(language), language, text);
}

void ScriptedSpeech::EndWords() {
  for (auto& engine : engines) engine->SetSpeaking(false);
}

int PlaySpeaking(lesson::LessonPlayer& player, RecordingDisplay& display, ScriptedSpeech& speech,
                 int maxTicks) {
  int ticks = 0;
  while (!display.finished && ticks < maxTicks) {
    player.SpeakingTick();
    speech.EndWords();
    ++ticks;
  }
  return ticks;
}

std::vector<QString> Words(std::initializer_list<const char*> words) {
  std::vector<QString> out;
  for (const char* word : words) out.push_back(QString::fromLatin1(word));
  return out;
}

}  // namespace lessontest
