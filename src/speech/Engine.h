#pragma once

// The speech engine control: one instance speaks one language at a time.
//
// Every call is made from the user-interface thread. Speech itself runs in the background; the
// caller learns of its progress only by polling Speaking().

#include <QString>
#include <QStringView>
#include <memory>
#include <stdexcept>

namespace speech {

// Raised by an engine query or command that cannot be served (for example a mode number out of
// range). Its text is shown to the user.
class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Engine {
 public:
  virtual ~Engine() = default;

  // Number of installed engine modes; modes are numbered 1 to ModeCount(). 0 means no engine:
  // then Speaking() stays false and Speak() stays silent.
  virtual int ModeCount() const = 0;
  // Name of mode `mode`. Russian modes' names contain "Russian", English modes' names contain
  // "English" (case-sensitive). Throws EngineError unless 1 <= mode <= ModeCount().
  virtual QString ModeName(int mode) const = 0;
  // Voice name of mode `mode`, as shown in the voice lists and stored in the settings file.
  // Throws EngineError unless 1 <= mode <= ModeCount().
  virtual QString Speaker(int mode) const = 0;
  // Later Speak() calls on this instance use mode `mode`. MinSpeed() and MaxSpeed() become the
  // bounds of that mode; Speed() may change with it.
  // Throws EngineError unless 1 <= mode <= ModeCount().
  virtual void Select(int mode) = 0;

  // Speed of the current mode, in words per minute; MinSpeed() <= Speed() <= MaxSpeed().
  virtual int Speed() const = 0;
  // Changes the speed of later speech; a value outside the bounds is clamped to them.
  virtual void SetSpeed(int wordsPerMinute) = 0;
  virtual int MinSpeed() const = 0;
  virtual int MaxSpeed() const = 0;

  // True from the moment Speak() is called until the last sample of every text handed to this
  // instance has been played, and false no later than a short margin after that, whatever the
  // audio device does.
  virtual bool Speaking() const = 0;
  // Starts speaking `text` and returns at once. Texts given while the instance still speaks are
  // spoken after it, in order; nothing is cut off. A "<" directly after a vowel marks that vowel
  // as stressed and is never read aloud. A text with nothing to say (empty, or only blanks and
  // stress marks) gives no audio and leaves Speaking() as it was.
  virtual void Speak(QStringView text) = 0;
};

// The three instances of the program, one per language.
struct EngineSet {
  std::unique_ptr<Engine> RU;
  std::unique_ptr<Engine> HE;
  std::unique_ptr<Engine> EN;
};

}  // namespace speech
