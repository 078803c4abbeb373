#include "CliRunner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace gx::test {

namespace {
std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& input, const std::string& shell_prefix) {
  auto dir = std::filesystem::temp_directory_path() / ("gridlex-cli-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "in", std::ios::binary) << input;
  std::string command = shell_prefix + Quote(GRIDLEX_CLI_PATH);
  for (const auto& arg : args) command += " " + Quote(arg);
  command += " <" + Quote((dir / "in").string()) + " >" + Quote((dir / "out").string()) + " 2>" + Quote((dir / "err").string());
  int status = std::system(command.c_str());
  CliResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadAll(dir / "out");
  result.err = ReadAll(dir / "err");
  return result;
}

}  // namespace gx::test
