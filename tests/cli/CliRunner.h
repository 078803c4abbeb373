#pragma once
// Runs the built gridlex-cli with arguments and captures what it prints.

#include <string>
#include <vector>

namespace gx::test {

struct CliResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Standard input is empty unless `input` is given. `shell_prefix` goes before the command in the
// shell ("cd DIR && NAME=VALUE ").
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                 const std::string& shell_prefix = "");

}  // namespace gx::test
