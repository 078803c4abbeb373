#include "qt/TerminationSignal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <cstdio>

namespace gx {

namespace {

constexpr int ExitTerminated = 128 + SIGTERM;
constexpr int ExitNotSaved = 1;

bool g_underway = false;

// The handler may only write a byte; the window is closed from the event loop that reads it.
int g_signal_socket[2] = {-1, -1};

void OnTerminate(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = ::write(g_signal_socket[0], &byte, 1);
}

}  // namespace

bool TerminationUnderway() { return g_underway; }

CloseOnTermination::CloseOnTermination() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signal_socket) != 0) return;
  notifier_ = new QSocketNotifier(g_signal_socket[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(g_signal_socket[1], bytes, sizeof bytes) > 0) {
    }
    g_underway = true;
    if (!window_) {
      QCoreApplication::exit(ExitTerminated);
    } else if (!window_->close()) {
      // The close was refused, as when the settings cannot be written; the reason is on stderr.
      std::fputs("gridlex: ended by SIGTERM; what is named above was not saved\n", stderr);
      QCoreApplication::exit(ExitNotSaved);
    }
  });
  struct sigaction action {};
  action.sa_handler = OnTerminate;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
}

CloseOnTermination::~CloseOnTermination() {
  g_underway = false;
  std::signal(SIGTERM, SIG_DFL);
  delete notifier_;
  for (int& fd : g_signal_socket) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace gx
