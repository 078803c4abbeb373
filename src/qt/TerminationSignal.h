#pragma once
// SIGTERM closes the main window as the user would: a desktop session that ends, or a `kill`,
// still saves the settings and a changed dictionary instead of dropping them. Nobody is there to
// answer a box then: what cannot be saved is said on stderr, and the program ends with status 1
// instead of waiting.

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace gx {

// A signal is being acted on: the window's boxes speak on stderr instead (see QtHost).
bool TerminationUnderway();

class CloseOnTermination : public QObject {
 public:
  // Installs the signal handler (one object at a time); it is removed again on destruction. A
  // signal that comes before the event loop runs is acted on as soon as it does.
  CloseOnTermination();
  ~CloseOnTermination() override;

  // The window a signal closes; without one, a signal ends the event loop.
  void Watch(QWidget* window) { window_ = window; }

 private:
  QWidget* window_ = nullptr;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace gx
