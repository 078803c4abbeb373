#include "cli/Cli.h"
#include "cli/Interruption.h"

int main(int argc, char** argv) {
  gx::cli::HandleInterruptions();
  return gx::cli::Run(argc, argv);
}
