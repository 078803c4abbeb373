// A long evening of F5 presses: builds one crossword after another through the window's build
// command, the requeue of each carried into the next, and checks after every build that
// - the dictionary in memory holds the same entries as the one loaded (a permutation of them),
// - the crossword saved to a file and loaded again is the same crossword,
// and reports the memory in use after 100 builds and at the end.
// Arguments: dictionary path (default dist/data/ru.dct), number of builds (default 10000).
// Exits non-zero at the first build that breaks a check.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "board/BoardDrawing.h"
#include "core/RandomSource.h"
#include "files/DictionaryFile.h"
#include "files/PuzzleFile.h"
#include "shell/CommandCore.h"
#include "files/SettingsFile.h"
#include "CommandCoreTestDoor.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts the boxes the commands ask for; the soak has no one to answer them.
class QuietHost : public gx::NullHost {
 public:
  void ShowInformation(std::string_view) override { ++boxes; }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  int boxes = 0;
  std::vector<std::string> errors;
};

std::vector<std::string> Entries(const gx::DictionaryStore& store) {
  std::vector<std::string> entries;
  entries.reserve(store.DictionaryCount);
  for (int e = 1; e <= store.DictionaryCount; ++e) entries.emplace_back(store.Entry(e));
  return entries;
}

// An order-free fingerprint of the entries: equal for every permutation of them.
unsigned long long Fingerprint(const gx::DictionaryStore& store) {
  unsigned long long sum = 0, squares = 0;
  for (int e = 1; e <= store.DictionaryCount; ++e) {
    unsigned long long h = 1469598103934665603ull;
    for (char c : store.Entry(e)) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    sum += h;
    squares += h * h;
  }
  return sum ^ (squares * 31);
}

bool SamePuzzle(const gx::Puzzle& a, const gx::Puzzle& b) {
  if (a.SlotCount != b.SlotCount || a.AcrossCount != b.AcrossCount) return false;
  for (int k = 1; k <= a.SlotCount; ++k) {
    if (a.SlotX[k] != b.SlotX[k] || a.SlotY[k] != b.SlotY[k] || a.SlotLength[k] != b.SlotLength[k] ||
        a.SlotVertical[k] != b.SlotVertical[k] || !(a.SlotAnswer[k] == b.SlotAnswer[k]) ||
        a.Clues.Number(k - 1) != b.Clues.Number(k - 1) || a.Clues.Clue(k - 1) != b.Clues.Clue(k - 1)) {
      return false;
    }
  }
  return a.CellLetter == b.CellLetter;
}

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKiB() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

int Fail(int build, const char* what) {
  std::printf("build %d: %s\n", build, what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dictionary = argc > 1 ? argv[1] : "dist/data/ru.dct";
  const int builds = argc > 2 ? std::atoi(argv[2]) : 10000;
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("gridlex-soak-" + std::to_string(::getpid()));
  fs::create_directories(folder / "data");
  fs::copy_file(dictionary, folder / "data" / "ru.dct", fs::copy_options::overwrite_existing);

  // The board is drawn nowhere: the soak measures the logic, not the painting.
  gx::NullCanvas canvas;
  QuietHost host;
  gx::SeededRandom random(20261208);
  gx::CommandCore commands(folder.string(), host, canvas, random);
  gx::Gridlex* state = &gx::CommandCoreTestDoor::State(commands);
  state->settings = gx::DefaultSettings();
  state->settings.ProgramDir = folder.string();
  state->settings.SoundOn = false;
  state->dictionary.DictionaryName = "ru.dct";
  state->window.FillAttemptsText = std::to_string(state->settings.MaxFillAttempts);
  commands.SetBoardRoom(21 * 16, 21 * 16);
  if (!commands.LoadDictionary()) return Fail(0, "the dictionary cannot be read");

  std::vector<std::string> loaded = Entries(state->dictionary);
  std::sort(loaded.begin(), loaded.end());
  const unsigned long long fingerprint = Fingerprint(state->dictionary);
  auto reloaded = std::make_unique<gx::Puzzle>();
  const std::string saved = (folder / "data" / "soak.gx").string();
  int complete = 0, slots = 0;
  long resident_at_100 = 0, peak_at_100 = 0;
  const auto start = Clock::now();
  for (int build = 1; build <= builds; ++build) {
    state->puzzle.GridModified = false;
    commands.KeyDown(gx::Key::F5);
    if (!host.errors.empty()) return Fail(build, host.errors.front().c_str());
    const bool done = state->puzzle.PlayActive == 1 && !state->puzzle.FillRunning;
    if (done) {
      ++complete;
      slots += state->puzzle.SlotCount;
    }
    if (static_cast<std::size_t>(state->dictionary.DictionaryCount) != loaded.size() || Fingerprint(state->dictionary) != fingerprint) {
      return Fail(build, "the dictionary is no longer the one loaded");
    }
    if (build % 100 == 0) {
      std::vector<std::string> now = Entries(state->dictionary);
      std::sort(now.begin(), now.end());
      if (now != loaded) return Fail(build, "the dictionary is no longer a permutation of the one loaded");
    }
    if (done) {
      if (gx::SavePuzzleFile(state->puzzle, saved)) return Fail(build, "the crossword cannot be saved");
      if (gx::LoadPuzzleFile(*reloaded, saved).status != gx::PuzzleLoadResult::Status::Loaded ||
          !SamePuzzle(state->puzzle, *reloaded)) {
        return Fail(build, "the crossword loaded again differs from the one saved");
      }
    }
    if (build == 100) {
      resident_at_100 = ResidentKiB();
      peak_at_100 = PeakKiB();
    }
    if (build % 1000 == 0) {
      std::printf("%5d builds, %d complete, resident %ld KiB, %.0f s\n", build, complete, ResidentKiB(),
                  std::chrono::duration<double>(Clock::now() - start).count());
      std::fflush(stdout);
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("builds %d, complete %d (%.1f slots each), %.1f ms a build\n", builds, complete,
              complete > 0 ? static_cast<double>(slots) / complete : 0.0, 1000.0 * seconds / builds);
  std::printf("dictionary: %zu entries, a permutation of the loaded ones after every build\n", loaded.size());
  std::printf("save and reload: equal after every complete build\n");
  std::printf("memory after 100 builds: resident %ld KiB, peak %ld KiB\n", resident_at_100, peak_at_100);
  std::printf("memory after %d builds: resident %ld KiB, peak %ld KiB\n", builds, ResidentKiB(), PeakKiB());
  std::printf("information boxes asked for: %d\n", host.boxes);
  fs::remove_all(folder);
  return 0;
}
