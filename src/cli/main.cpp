#include "cli/Cli.h"

int main(int argc, char** argv) { return gx::cli::Run(argc, argv); }
