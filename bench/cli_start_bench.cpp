// What a batch command costs as a whole process, this build's gridlex-cli against one built
// without Qt (-DGRIDLEX_GUI=OFF): `--version` and the fill of a generated 21 x 21 grid, run in
// alternation, the processor time (user + system) and peak memory of each run taken from the
// system. Prints the medians, their ratio and whether it stays within 1.3.
//
//     cli_start_bench GRIDLEX_CLI GRIDLEX_CLI_WITHOUT_QT DICT [RUNS]

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Cost {
  double cpu_ms = 0;
  double peak_mib = 0;
};

// Runs the command with its output sent to `output` (or thrown away) and returns its cost; exits
// when it fails, since a failing run measures nothing.
Cost Run(const std::vector<std::string>& command, const char* output = "/dev/null") {
  const pid_t child = ::fork();
  if (child < 0) std::exit(1);
  if (child == 0) {
    const int out = ::open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = ::open("/dev/null", O_RDWR);
    if (out < 0 || null < 0) ::_exit(127);
    ::dup2(null, 0);
    ::dup2(out, 1);
    ::dup2(null, 2);
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s ... (status %d)\n", command[0].c_str(), status);
    std::exit(1);
  }
  const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) * 1e-3; };
  return {ms(usage.ru_utime) + ms(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The grid a generated 21 x 21 board leaves: the last 21 lines of `generate`'s output.
std::string GeneratedGrid(const std::string& cli, const std::string& folder) {
  const std::string listing = folder + "/generated.txt";
  Run({cli, "generate", "--board", "21", "--seed", "7"}, listing.c_str());
  std::ifstream in(listing);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.size() < 21) std::exit(1);
  const std::string grid = folder + "/grid.txt";
  std::ofstream out(grid);
  for (std::size_t i = lines.size() - 21; i < lines.size(); ++i) out << lines[i] << "\n";
  return grid;
}

// Both programs in turn, `runs` times; true when this build stays within 1.3 times the other.
bool Compare(const std::string& name, const std::string& cli, const std::string& plain,
             const std::vector<std::string>& args, int runs) {
  std::vector<double> cpu[2], peak[2], ratios;
  for (int r = 0; r < runs; ++r) {
    double pair[2];
    for (int which = 0; which < 2; ++which) {
      std::vector<std::string> command = {which == 0 ? cli : plain};
      command.insert(command.end(), args.begin(), args.end());
      const Cost cost = Run(command);
      cpu[which].push_back(cost.cpu_ms);
      peak[which].push_back(cost.peak_mib);
      pair[which] = cost.cpu_ms;
    }
    ratios.push_back(pair[0] / std::max(pair[1], 0.001));
  }
  const double ratio = Median(cpu[0]) / std::max(Median(cpu[1]), 0.001);
  std::printf("%-10s %10.2f %10.2f %8.2f %8.2f %10.1f %10.1f  %s\n", name.c_str(), Median(cpu[0]), Median(cpu[1]),
              ratio, Median(ratios), Median(peak[0]), Median(peak[1]), ratio <= 1.3 ? "within 1.3x" : "OVER 1.3x");
  return ratio <= 1.3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s GRIDLEX_CLI GRIDLEX_CLI_WITHOUT_QT DICT [RUNS]\n", argv[0]);
    return 2;
  }
  const std::string cli = argv[1], plain = argv[2], dictionary = argv[3];
  const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 41;
  char folder_template[] = "/tmp/cli-start-bench-XXXXXX";
  const char* folder = ::mkdtemp(folder_template);
  if (folder == nullptr) return 1;
  const std::string grid = GeneratedGrid(cli, folder);
  std::printf("%d runs of each, in alternation; processor time (user + system) and peak memory per process\n", runs);
  std::printf("%-10s %10s %10s %8s %8s %10s %10s\n", "command", "this ms", "no-Qt ms", "ratio", "paired", "this MiB",
              "no-Qt MiB");
  bool within = Compare("--version", cli, plain, {"--version"}, runs);
  within = Compare("fill 21x21", cli, plain, {"fill", grid, dictionary}, runs) && within;
  std::remove((std::string(folder) + "/generated.txt").c_str());
  std::remove(grid.c_str());
  ::rmdir(folder);
  return within ? 0 : 1;
}
