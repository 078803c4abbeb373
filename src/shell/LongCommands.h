#pragma once
// The one rule of what may run while a long command runs. The dictionary load, the grid
// generation and the fill run inside the command that started them and let the window process
// events meanwhile; an input arriving then acts only when it may: the presses that stop the
// operation (F5, F6, F7, Shift+F7, and the build, refill and fill-around buttons, which press them) and Escape,
// which stops it as F6 does and otherwise changes nothing the operation relies on. Everything else is refused until the long
// command ends, so nothing starts a second one inside it and nothing changes what it works on.

#include "core/Puzzle.h"
#include "shell/Input.h"

namespace gx {

class LongCommands {
 public:
  explicit LongCommands(const Puzzle& puzzle) : puzzle_(puzzle) {}
  LongCommands(const LongCommands&) = delete;
  LongCommands& operator=(const LongCommands&) = delete;

  // A fill, a dictionary load or a grid generation is running.
  // A fill stays busy after a stop press until the fill itself has ended: a press right after the
  // stop, before the fill has seen it, starts nothing inside it.
  bool Busy() const { return puzzle_.FillRunning || filling_ || loading_dictionary_ || generating_; }
  // The presses that stop a long command, and so the only function keys that act during one.
  static bool Stops(Key key) { return key == Key::F5 || key == Key::F6 || key == Key::F7 || key == Key::ShiftF7; }
  static bool Stops(Button button) {
    return button == Button::BuildOrStop || button == Button::RefillOrStop || button == Button::FillAround;
  }

  // Sets a flag for a scope, cleared however the scope ends.
  class Scope {
   public:
    explicit Scope(bool& flag) : flag_(flag) { flag_ = true; }
    ~Scope() { flag_ = false; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    bool& flag_;
  };
  [[nodiscard]] Scope LoadingDictionary() { return Scope(loading_dictionary_); }
  [[nodiscard]] Scope Generating() { return Scope(generating_); }
  [[nodiscard]] Scope Filling() { return Scope(filling_); }

  // A stop press during a grid generation ends it after the grid being drawn.
  void StopPressed() {
    if (generating_) stop_generation_ = true;
  }
  void ClearStop() { stop_generation_ = false; }
  bool StopRequested() const { return stop_generation_; }

 private:
  const Puzzle& puzzle_;
  bool loading_dictionary_ = false;
  bool generating_ = false;
  bool filling_ = false;
  bool stop_generation_ = false;
};

}  // namespace gx
