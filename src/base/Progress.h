#pragma once
// How a long operation (a dictionary load or write, a fill, a generated grid) tells whoever started
// it how far it has come and what it is doing, without knowing who shows that: the window's bar
// and caption (WindowProgress), or nobody in the batch tool and the tests (Progress itself).

#include <string>

#include "base/WindowState.h"

namespace gx {

// Positions run from 0, nothing done, to kProgressScale, all done.
inline constexpr int kProgressScale = 1000;

class Progress {
 public:
  virtual ~Progress() = default;
  // The bar appears while an operation runs and goes when it ends.
  virtual void Shown(bool) {}
  virtual void Moved(int /*position*/) {}
  // What the operation is doing now, in a line of its own (Windows-1251).
  virtual void Status(const std::string& /*text*/) {}
};

// The main window's progress bar and caption.
class WindowProgress : public Progress {
 public:
  explicit WindowProgress(WindowState& window) : window_(window) {}
  void Shown(bool visible) override { window_.ProgressVisible = visible; }
  void Moved(int position) override { window_.ProgressPosition = position; }
  void Status(const std::string& text) override { window_.Caption = text; }

 private:
  WindowState& window_;
};

}  // namespace gx
