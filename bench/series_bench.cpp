// Builds series of 100 crosswords on a 21 x 21 board with the delivered dictionary and settings in
// one process, each written as a puzzle file and as ipuz into a fresh folder, exactly as
// `gridlex-cli series --format gx,ipuz` does. Prints per series: the whole time (wall and
// processor), the time per crossword (mean, median, slowest), the final sync, and the answers
// that repeat over the series.
//
// series_bench [PROGRAM_DIR [COUNT [SERIES]]]   (defaults: dist 100 3)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/SeriesRun.h"
#include "base/Host.h"
#include "base/Progress.h"
#include "files/DictionaryFile.h"
#include "base/FileIo.h"
#include "files/SettingsFile.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Delivered {
  gx::Settings settings;
  std::string dictionary_path;
};

bool ReadDelivered(const std::string& program_dir, Delivered& delivered) {
  gx::DictionaryNameText name;
  if (gx::ReadSettings(delivered.settings, name, program_dir)) return false;
  delivered.dictionary_path = gx::JoinPath(gx::JoinPath(program_dir, "data"), name.str());
  return true;
}

void RunOne(const Delivered& delivered, int count, std::uint64_t seed, const std::string& folder) {
  auto dictionary = std::make_unique<gx::DictionaryStore>();
  gx::Progress progress;
  gx::NullHost host;
  const Clock::time_point load_start = Clock::now();
  if (gx::LoadDictionary(*dictionary, delivered.dictionary_path, progress, host).error) {
    std::fprintf(stderr, "cannot read %s\n", delivered.dictionary_path.c_str());
    std::exit(1);
  }
  const double load_ms = Ms(Clock::now() - load_start);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  gx::cli::SeriesSettings settings;
  settings.count = count;
  settings.board = 21;
  settings.seed = seed;
  settings.min_slots = gx::BoundedMinSlotCount(delivered.settings.MinSlotCount);
  settings.attempts = delivered.settings.MaxFillAttempts;
  const gx::cli::SeriesFiles files({folder, {true, true, false, false}, false, {}});

  std::vector<double> each;
  const std::clock_t cpu_start = std::clock();
  const Clock::time_point start = Clock::now();
  Clock::time_point last = start;
  const gx::cli::SeriesTally tally = gx::cli::BuildSeries(
      *dictionary, settings, [&files](const gx::Puzzle& puzzle, int number) { files.Write(puzzle, number); },
      [&each, &last](int, int) {
        const Clock::time_point now = Clock::now();
        each.push_back(Ms(now - last));
        last = now;
      });
  const Clock::time_point sync_start = Clock::now();
  files.Finish();
  const Clock::time_point end = Clock::now();
  const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;

  std::vector<double> sorted = each;
  std::sort(sorted.begin(), sorted.end());
  double sum = 0;
  for (double ms : each) sum += ms;
  std::printf(
      "seed %llu: built %d failed %d | series %.0f ms wall, %.0f ms processor (dictionary load %.0f ms before) | "
      "per crossword mean %.2f ms, median %.2f ms, slowest %.2f ms | final sync %.1f ms | answers %zu distinct %zu "
      "repeated %zu | %s\n",
      static_cast<unsigned long long>(seed), tally.built, tally.failed, Ms(end - start), cpu_ms, load_ms,
      sum / static_cast<double>(each.size()), sorted[sorted.size() / 2], sorted.back(), Ms(end - sync_start),
      tally.answers, tally.distinct, tally.Repeated(), Ms(end - start) < 1000 ? "under 1 s" : "OVER 1 s");
  std::filesystem::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program_dir = argc > 1 ? argv[1] : "dist";
  const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
  const int series = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
  Delivered delivered;
  if (!ReadDelivered(program_dir, delivered)) {
    std::fprintf(stderr, "cannot read the settings in %s\n", program_dir.c_str());
    return 1;
  }
  std::printf("%d crosswords of 21 x 21 per series, MinSlotCount %d, MaxFillAttempts %d, dictionary %s\n", count,
              delivered.settings.MinSlotCount, delivered.settings.MaxFillAttempts, delivered.dictionary_path.c_str());
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("gridlex-series-bench-" + std::to_string(::getpid()))).string();
  for (int s = 1; s <= series; ++s) RunOne(delivered, count, static_cast<std::uint64_t>(s), folder);
  return 0;
}
