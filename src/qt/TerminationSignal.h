#pragma once
// SIGTERM closes the main window as the user would: a desktop session that ends, or a `kill`,
// still saves the settings and a changed dictionary instead of dropping them.

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace gx {

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
