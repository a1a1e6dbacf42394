#include "speech/SynthesisWorker.h"

#include <espeak-ng/speak_lib.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string_view>

namespace speech {

namespace {

// A speaker of the catalogue: an espeak-ng language voice with a variant (empty: the voice's own).
struct SpeakerDef {
  const char* language;
  const char* speaker;
  const char* variant;
};

constexpr SpeakerDef kSpeakers[] = {
    {"ru", "Nicolai", ""},   {"ru", "Boris", "m3"},    {"ru", "Olga", "f2"},
    {"ru", "Tatiana", "f4"}, {"en-us", "Carol", "f5"}, {"en-us", "Mike", "m1"},
    {"en", "Peter", ""},     {"en", "Emily", "f3"},
};

// espeak-ng's state is global to the process: it is initialised once, and every call into the
// library holds this lock, so no two threads ever call it at the same time.
struct Library {
  std::mutex lock;
  std::once_flag initialised;
  bool available = false;
  int sampleRate = 0;
  std::vector<VoiceMode> modes;
  std::string currentVoice;
};

Library& TheLibrary() {
  static Library library;
  return library;
}

// Where the samples of the synthesis running on this thread go.
struct SynthTarget {
  AudioOutput* output = nullptr;
  int sampleRate = 0;
  const std::atomic<bool>* stopping = nullptr;
};
thread_local SynthTarget* currentTarget = nullptr;

int OnSamples(short* samples, int count, espeak_EVENT*) {
  SynthTarget* target = currentTarget;
  if (!target) return 0;
  if (target->stopping && target->stopping->load()) return 1;  // cut the synthesis short
  if (samples && count > 0 && target->output) {
    target->output->Write(samples, static_cast<std::size_t>(count), target->sampleRate);
  }
  return 0;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string_view LastComponent(std::string_view identifier) {
  const auto slash = identifier.rfind('/');
  return slash == std::string_view::npos ? identifier : identifier.substr(slash + 1);
}

struct InstalledVoice {
  std::string file;  // last component of the identifier: "ru", "en-US", "f2"
  std::string name;  // "Russian", "English_(America)"
};

std::vector<InstalledVoice> ListVoices(const espeak_VOICE* filter) {
  std::vector<InstalledVoice> found;
  const espeak_VOICE** voices = espeak_ListVoices(const_cast<espeak_VOICE*>(filter));
  for (; voices && *voices; ++voices) {
    const espeak_VOICE* voice = *voices;
    if (!voice->identifier || !voice->name) continue;
    found.push_back({std::string(LastComponent(voice->identifier)), voice->name});
  }
  return found;
}

// Called once per process, on a worker thread, with the library lock held.
void InitialiseLibrary(Library& library) {
  const int rate =
      espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 20, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) return;
  espeak_SetSynthCallback(OnSamples);
  library.sampleRate = rate;

  const std::vector<InstalledVoice> voices = ListVoices(nullptr);
  espeak_VOICE variantFilter{};
  variantFilter.languages = "variant";
  const std::vector<InstalledVoice> variants = ListVoices(&variantFilter);
  const auto findVoice = [&](std::string_view file) -> const InstalledVoice* {
    for (const InstalledVoice& v : voices) {
      if (SameText(v.file, file)) return &v;
    }
    return nullptr;
  };
  const auto hasVariant = [&](std::string_view file) {
    for (const InstalledVoice& v : variants) {
      if (SameText(v.file, file)) return true;
    }
    return false;
  };
  for (const SpeakerDef& def : kSpeakers) {
    const InstalledVoice* voice = findVoice(def.language);
    if (!voice) continue;
    std::string spoken = def.language;
    if (*def.variant) {
      if (!hasVariant(def.variant)) continue;
      spoken += std::string("+") + def.variant;
    }
    const QString voiceName = QString::fromStdString(voice->name).replace(u'_', u' ');
    library.modes.push_back(
        {voiceName + " - " + def.speaker, QString::fromLatin1(def.speaker), spoken});
  }
  library.available = !library.modes.empty();
}

}  // namespace

std::shared_ptr<SynthesisWorker> SynthesisWorker::Shared() {
  static std::mutex sharedLock;
  static std::weak_ptr<SynthesisWorker> shared;
  std::lock_guard guard(sharedLock);
  std::shared_ptr<SynthesisWorker> worker = shared.lock();
  if (!worker) {
    worker.reset(new SynthesisWorker());
    shared = worker;
  }
  return worker;
}

SynthesisWorker::SynthesisWorker() {
  std::promise<void> ready;
  std::future<void> started = ready.get_future();
  thread_ = std::thread([this, &ready] {
    Library& library = TheLibrary();
    {
      std::lock_guard guard(library.lock);
      std::call_once(library.initialised, InitialiseLibrary, std::ref(library));
      available_ = library.available;
      sampleRate_ = library.sampleRate;
      modes_ = library.modes;
    }
    ready.set_value();
    Run();
  });
  started.wait();
}

SynthesisWorker::~SynthesisWorker() {
  {
    std::lock_guard guard(mutex_);
    stopping_ = true;
    tasks_.clear();
  }
  wake_.notify_all();
  thread_.join();
}

void SynthesisWorker::Run() {
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock guard(mutex_);
      wake_.wait(guard, [this] { return stopping_ || !tasks_.empty(); });
      if (stopping_) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

void SynthesisWorker::Submit(Job job) {
  {
    std::lock_guard guard(mutex_);
    tasks_.push_back([this, job = std::move(job)] { RunJob(job); });
  }
  wake_.notify_one();
}

namespace {

// Runs one synthesis with the library lock held: sets the voice (only when it changed, since
// loading a voice reads its dictionary) and the rate, then synthesises into `target`.
void Synthesise(const std::string& voice, int wordsPerMinute, const std::string& input,
                SynthTarget& target) {
  Library& library = TheLibrary();
  std::lock_guard guard(library.lock);
  if (!library.available) return;
  if (library.currentVoice != voice) {
    if (espeak_SetVoiceByName(voice.c_str()) != EE_OK) return;
    library.currentVoice = voice;
  }
  espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
  currentTarget = &target;
  espeak_Synth(input.c_str(), input.size() + 1, 0, POS_CHARACTER, 0,
               espeakCHARS_UTF8 | espeakPHONEMES, nullptr, nullptr);
  currentTarget = nullptr;
}

}  // namespace

void SynthesisWorker::RunJob(const Job& job) {
  SynthTarget target{job.output.get(), sampleRate_, &stopping_};
  Synthesise(job.voice, job.wordsPerMinute, job.input, target);
  if (job.finished) job.finished();
}

std::string SynthesisWorker::PhonemeTrace(const std::string& voice, const std::string& input) {
  auto done = std::make_shared<std::promise<std::string>>();
  std::future<std::string> result = done->get_future();
  {
    std::lock_guard guard(mutex_);
    tasks_.push_back([this, voice, input, done] {
      char* buffer = nullptr;
      std::size_t size = 0;
      FILE* trace = open_memstream(&buffer, &size);
      if (!trace) {
        done->set_value({});
        return;
      }
      {
        std::lock_guard guard(TheLibrary().lock);
        espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, trace);
      }
      SynthTarget target{nullptr, sampleRate_, &stopping_};
      Synthesise(voice, espeakRATE_NORMAL, input, target);
      {
        std::lock_guard guard(TheLibrary().lock);
        espeak_SetPhonemeTrace(0, nullptr);
      }
      std::fclose(trace);
      std::string text(buffer, size);
      std::free(buffer);
      done->set_value(std::move(text));
    });
  }
  wake_.notify_one();
  return result.get();
}

}  // namespace speech
