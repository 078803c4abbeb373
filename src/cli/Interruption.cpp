#include "cli/Interruption.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>

#include "base/TempFile.h"

namespace gx::cli {

namespace {

// The report is composed in advance, with the signals held back, so that the handler only has to
// write it out.
char report[8192];
std::atomic<std::size_t> report_length{0};
std::size_t written_count = 0;

void Compose(const std::string& text) {
  const std::size_t length = std::min(text.size(), sizeof report);
  std::memcpy(report, text.data(), length);
  report_length.store(length);
}

extern "C" void OnInterruption(int signal) {
  RemoveTempFilesInWriting();
  const std::size_t length = report_length.load();
  std::size_t done = 0;
  while (done < length) {
    const ssize_t wrote = ::write(STDERR_FILENO, report + done, length - done);
    if (wrote <= 0) break;
    done += static_cast<std::size_t>(wrote);
  }
  ::_exit(128 + signal);
}

}  // namespace

void HandleInterruptions() {
  std::signal(SIGXFSZ, SIG_IGN);
  Compose("gridlex-cli: interrupted; no file written\n");
  struct sigaction action {};
  action.sa_handler = OnInterruption;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM}) sigaddset(&action.sa_mask, signal);
  for (int signal : {SIGINT, SIGTERM}) ::sigaction(signal, &action, nullptr);
}

void NoteWritten(const std::string& path) {
  sigset_t held;
  sigset_t old;
  sigemptyset(&held);
  for (int signal : {SIGINT, SIGTERM}) sigaddset(&held, signal);
  ::pthread_sigmask(SIG_BLOCK, &held, &old);
  ++written_count;
  Compose("gridlex-cli: interrupted; " + std::to_string(written_count) +
          (written_count == 1 ? " file written: " : " files written, the last: ") + path + "\n");
  ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
}

}  // namespace gx::cli
