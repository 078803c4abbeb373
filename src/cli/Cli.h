#pragma once
// gridlex-cli: the batch tool. Results go to stdout, messages to stderr, all UTF-8.

namespace gx::cli {

int Run(int argc, char** argv);

}  // namespace gx::cli
