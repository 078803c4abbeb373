#include "cli/Cli.h"

#include <cstdio>

namespace gx::cli {

int Run(int, char**) {
  std::fprintf(stderr, "not yet built\n");
  return 2;
}

}  // namespace gx::cli
