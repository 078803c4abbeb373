// gridlex-cli series DICT --count N --out-dir DIR: N crosswords in one process, their words
// requeued from one build to the next as in the window.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputs.h"
#include "cli/CliSupport.h"
#include "cli/DefaultProgramFolder.h"
#include "cli/FilePlan.h"
#include "cli/SeriesRun.h"
#include "base/FileIo.h"

namespace gx::cli {

namespace {

constexpr std::uint64_t kMaxSeed = std::numeric_limits<std::uint64_t>::max();

struct SeriesOptions {
  std::string dictionary_path;
  std::string out_dir;
  SeriesSettings settings;
  SeriesFormats formats;
  std::optional<std::string> dict_out;
  std::optional<std::string> program_dir;
  bool force = false;
};

SeriesFormats ParseFormats(const std::string& list) {
  SeriesFormats formats;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(',', start);
    if (end == std::string::npos) end = list.size();
    const std::string name = list.substr(start, end - start);
    if (name == "gx") formats.gx = true;
    else if (name == "ipuz") formats.ipuz = true;
    else if (name == "pdf") formats.pdf = true;
    else if (name == "html") formats.html = true;
    else throw UsageError{"--format takes gx, ipuz, pdf and html separated by commas, not \"" + name + "\""};
    start = end + 1;
  }
  return formats;
}

std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

SeriesOptions ParseSeriesOptions(const std::vector<std::string>& args) {
  Arguments arguments(args,
                      {{"--count", true}, {"--out-dir", true}, {"--board", true}, {"--seed", true},
                       {"--min-slots", true}, {"--attempts", true}, {"--format", true}, {"--dict-out", true},
                       {"--program-dir", true}, {"--key", false}, {"--force", false}, {"--tries", true}},
                      1, 1);
  if (!arguments.Has("--count")) throw UsageError{"series needs --count N"};
  if (!arguments.Has("--out-dir")) throw UsageError{"series needs --out-dir DIR"};
  SeriesOptions options;
  options.dictionary_path = arguments.Positional(0);
  options.out_dir = arguments.Value("--out-dir");
  SeriesSettings& s = options.settings;
  s.count = static_cast<int>(arguments.Number("--count", 1, 100000, 1));
  s.board = ParseBuildBoard(arguments);
  s.seed = arguments.Has("--seed") ? arguments.Number("--seed", 0, kMaxSeed, 0) : ClockSeed();
  s.min_slots = static_cast<std::uint8_t>(arguments.Number("--min-slots", 4, 128, 4));
  s.attempts = static_cast<std::uint16_t>(arguments.Number("--attempts", 0, 65535, 256));
  s.tries = static_cast<int>(arguments.Number("--tries", 1, 1000, kDefaultSeriesTries));
  options.formats = ParseFormats(arguments.Has("--format") ? arguments.Value("--format") : "gx");
  options.formats.key = arguments.Has("--key");
  if (options.formats.key && !options.formats.pdf) throw UsageError{"--key goes with --format pdf"};
  if (arguments.Has("--dict-out")) options.dict_out = arguments.Value("--dict-out");
  if (arguments.Has("--program-dir")) {
    if (!options.formats.pdf && !options.formats.html) throw UsageError{"--program-dir goes with --format pdf or html"};
    options.program_dir = arguments.Value("--program-dir");
  }
  options.force = arguments.Has("--force");
  return options;
}

// The dictionary written back may replace the dictionary read, never a crossword of the series.
void CheckSeriesFiles(const SeriesOptions& options) {
  FilePlan plan;
  plan.Input("DICT", options.dictionary_path);
  plan.OutputFolder("--out-dir", options.out_dir);
  if (options.dict_out) plan.Output("--dict-out", *options.dict_out, true, options.dictionary_path);
  for (int number = 1; number <= options.settings.count; ++number) {
    for (const std::string& name : SeriesFileNames(options.formats, number)) {
      plan.FileInFolder("the series' file", JoinPath(options.out_dir, name));
    }
  }
  plan.Check();
}

// The program folder of the drawn formats; the page's templates are checked before anything is built.
ExportFolder DrawingFolder(const std::string& program_dir, bool pages) {
  ExportFolder folder = ReadProgramFolder(program_dir);
  if (pages) {
    for (const char* name : {"b0", "b2"}) ReadFileOrFail(JoinPath(folder.pic_folder, name));
  }
  return folder;
}

// "crossword 12 of 100, 1.2 s, about 8.8 s left", redrawn in place.
class ProgressLine {
 public:
  ProgressLine() : shown_(::isatty(STDERR_FILENO) == 1), start_(std::chrono::steady_clock::now()) {}
  double Elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }
  void Show(int done, int count) const {
    if (!shown_) return;
    const double elapsed = Elapsed();
    const double left = elapsed / done * (count - done);
    std::fprintf(stderr, "\rcrossword %d of %d, %.1f s, about %.1f s left   ", done, count, elapsed, left);
    open_ = done < count;
    if (done == count) std::fputc('\n', stderr);
    std::fflush(stderr);
  }
  // A message goes on a line of its own, not into the progress line.
  void Message(const std::string& utf8) const {
    if (open_) std::fputc('\n', stderr);
    open_ = false;
    WarnUtf8Line(utf8);
  }

 private:
  mutable bool open_ = false;
  bool shown_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace

int RunSeries(const std::vector<std::string>& args) {
  const SeriesOptions options = ParseSeriesOptions(args);
  CheckSeriesFiles(options);
  SeriesOutput output{options.out_dir, options.formats, options.force, {}};
  SeriesFiles(output).CheckFree(options.settings.count);
  if (options.formats.pdf || options.formats.html) {
    output.program = DrawingFolder(options.program_dir ? *options.program_dir : DefaultProgramFolder(), options.formats.html);
  }
  const SeriesFiles files(std::move(output));
  auto dictionary = std::make_unique<DictionaryStore>();
  LoadDictionaryOrFail(options.dictionary_path, *dictionary);
  PrepareFolderOrFail(options.out_dir);
  const ProgressLine progress;
  const SeriesTally tally = BuildSeries(
      *dictionary, options.settings, [&files](const Puzzle& puzzle, int number) { files.Write(puzzle, number); },
      [&progress](int done, int count) { progress.Show(done, count); },
      [&progress, &options](int number, int build, const std::string& reason) {
        progress.Message("gridlex-cli: crossword " + std::to_string(number) + ", build " + std::to_string(build) +
                         " of at most " + std::to_string(options.settings.tries) + ": " + reason);
      });
  files.Finish();
  const double seconds = progress.Elapsed();
  if (options.dict_out) WriteDictionaryOrFail(*dictionary, *options.dict_out);
  char time[64];
  std::snprintf(time, sizeof time, "time %.2f s", seconds);
  PrintUtf8Line("built " + std::to_string(tally.built) + " failed " + std::to_string(tally.failed));
  PrintUtf8Line("answers " + std::to_string(tally.answers) + " distinct " + std::to_string(tally.distinct) +
                " repeated " + std::to_string(tally.Repeated()));
  PrintUtf8Line("seed " + std::to_string(options.settings.seed));
  PrintUtf8Line(time);
  if (tally.dry_reason.empty()) return ExitSuccess;
  WarnUtf8Line("gridlex-cli: the dictionary ran dry: " + std::to_string(options.settings.tries) +
               " builds in a row failed for crossword " + std::to_string(tally.built + 1) + " of " +
               std::to_string(options.settings.count) + ", the last with " + tally.dry_reason);
  return ExitBuildIncomplete;
}

}  // namespace gx::cli
