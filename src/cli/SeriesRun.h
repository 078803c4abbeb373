#pragma once
// A series of crosswords built one after another in one process. The dictionary is shared by the
// builds and its requeue carried from each to the next exactly as presses of F5 in the window
// carry it, so the words of one crossword wait at the end of the dictionary until the others
// have had their turn.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/BatchCore.h"
#include "cli/CliDrawn.h"
#include "core/BuildLogic.h"
#include "core/Puzzle.h"
#include "core/DictionaryStore.h"

namespace gx::cli {

// How often in a row a failed build of a series is tried again with the next grid before the
// series stops: the dictionary has then run dry for these settings.
constexpr int kDefaultSeriesTries = 10;

struct SeriesSettings {
  int count = 1;
  int board = 21;  // odd, 19..57
  std::uint64_t seed = 0;
  std::uint8_t min_slots = 4;
  std::uint16_t attempts = 256;
  unsigned max_generations = kDefaultMaxGenerations;
  int tries = kDefaultSeriesTries;  // builds in a row for one crossword, 1 or more
};

struct SeriesTally {
  int built = 0;
  int failed = 0;           // builds that failed (no acceptable grid, or a fill that did not complete)
  std::string dry_reason;   // why the last of `tries` failed builds in a row failed; empty when all were built
  std::size_t answers = 0;  // over the crosswords built
  std::size_t distinct = 0;
  std::size_t Repeated() const { return answers - distinct; }
};

// Each crossword built, numbered from 1 in the order built.
using BuiltCrossword = std::function<void(const Puzzle& puzzle, int number)>;
// After every crossword built.
using SeriesProgress = std::function<void(int done, int count)>;
// A build that failed: the crossword it was for, which build of it in a row, and why.
using FailedBuild = std::function<void(int number, int build, const std::string& reason)>;

// Presses F5 until `count` crosswords are built. A failed build is followed by the next, as a user
// presses F5 again; after `tries` failures in a row the series stops with the last reason.
SeriesTally BuildSeries(DictionaryStore& dictionary, const SeriesSettings& settings, const BuiltCrossword& built,
                        const SeriesProgress& progress = {}, const FailedBuild& failed = {});

// Why a build failed, in the words of the batch tool: "no acceptable grid in 10000 generations",
// "slots left empty: the dictionary has no words of length 7".
std::string BuildFailure(const BatchFill& fill);

// The files written for each crossword.
struct SeriesFormats {
  bool gx = false;
  bool ipuz = false;
  bool pdf = false;
  bool key = false;   // with pdf: the answer key N-key.pdf beside N.pdf
  bool html = false;  // the window's numbered page and picture: gxpN.htm and picN.gif
};

// The names of crossword `number`'s files: N.gx, N.ipuz, N.pdf, N-key.pdf, gxpN.htm, picN.gif. The PDF and
// the page are those of `export N.gx`, the page numbered as the window numbers its exports.
std::vector<std::string> SeriesFileNames(const SeriesFormats& formats, int number);

struct SeriesOutput {
  std::string dir;
  SeriesFormats formats;
  bool force = false;     // replace files that are there
  ExportFolder program;   // the palette and page templates of the PDF and the page
};

// Writes the files of each crossword as it is built. Without --force a file is linked into place
// only while its name is free, and all are made durable together at the end; with it each
// replaces its old file safely on its own. Failures end the series (IoFailure, CommandFailure).
class SeriesFiles {
 public:
  explicit SeriesFiles(SeriesOutput output) : output_(std::move(output)) {}

  // Refuses before anything is built when a file of the series is there and --force is not given.
  void CheckFree(int count) const;
  void Write(const Puzzle& puzzle, int number) const;
  void Finish() const;

 private:
  void WriteFile(const std::string& name, std::string_view bytes) const;

  SeriesOutput output_;
};

}  // namespace gx::cli
