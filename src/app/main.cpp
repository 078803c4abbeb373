#include <csignal>

#include "qt/Application.h"

int main(int argc, char** argv) {
  // A write beyond the file size limit fails as a write ("File too large"), the old file kept.
  std::signal(SIGXFSZ, SIG_IGN);
  return gx::RunProgram(argc, argv);
}
