#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace gx::test {
namespace {

// Runs the batch tool with its results going to a device that is always full.
struct FullRun {
  int exit_code = -1;
  std::string err;
};

FullRun RunIntoFullDevice(const std::string& arguments) {
  auto err_path = std::filesystem::temp_directory_path() / ("gridlex-cli-full-" + std::to_string(::getpid()));
  std::string command = std::string("'") + GRIDLEX_CLI_PATH + "' " + arguments + " </dev/null >/dev/full 2>'" +
                        err_path.string() + "'";
  int status = std::system(command.c_str());
  FullRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(err_path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  run.err = text.str();
  std::filesystem::remove(err_path);
  return run;
}

TEST(CliOutputFailure, ResultsThatCannotBeWrittenAreAnInputOutputError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  auto grid = std::filesystem::temp_directory_path() / ("gridlex-cli-full-grid-" + std::to_string(::getpid()));
  std::ofstream(grid, std::ios::binary) << "#####\n#...#\n#####\n";
  FullRun run = RunIntoFullDevice("extract '" + grid.string() + "'");
  std::filesystem::remove(grid);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("Disk full"), std::string::npos) << run.err;
  // Bad usage keeps its own status: its message goes to stderr, which is not full.
  EXPECT_EQ(RunIntoFullDevice("nonsense").exit_code, 2);
}

}  // namespace
}  // namespace gx::test
