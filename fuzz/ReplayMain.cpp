// Replays inputs through a fuzz target without libFuzzer, with any compiler: every file named on
// the command line, and every file in every folder named (a missing folder holds nothing). An
// input that breaks the target aborts the run, naming the input.

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"

namespace {

char current_input[4096] = "";

void NameTheInput(int signal) {
  const char* head = "while replaying ";
  [[maybe_unused]] ssize_t a = ::write(STDERR_FILENO, head, std::strlen(head));
  [[maybe_unused]] ssize_t b = ::write(STDERR_FILENO, current_input, std::strlen(current_input));
  [[maybe_unused]] ssize_t c = ::write(STDERR_FILENO, "\n", 1);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

std::vector<std::filesystem::path> Inputs(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path given = argv[i];
    if (std::filesystem::is_regular_file(given)) inputs.push_back(given);
    if (!std::filesystem::is_directory(given)) continue;
    std::vector<std::filesystem::path> in_folder;
    for (const auto& entry : std::filesystem::directory_iterator(given)) {
      if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') in_folder.push_back(entry.path());
    }
    std::sort(in_folder.begin(), in_folder.end());
    inputs.insert(inputs.end(), in_folder.begin(), in_folder.end());
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(signal, NameTheInput);
  const std::vector<std::filesystem::path> inputs = Inputs(argc, argv);
  for (const std::filesystem::path& input : inputs) {
    std::snprintf(current_input, sizeof current_input, "%s", input.c_str());
    std::ifstream file(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
