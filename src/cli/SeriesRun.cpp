#include "cli/SeriesRun.h"

#include <sys/stat.h>

#include <memory>
#include <unordered_set>
#include <utility>

#include "cli/BatchCore.h"
#include "cli/CliOutputs.h"
#include "cli/CliSupport.h"
#include "cli/FillShortfallText.h"
#include "cli/Interruption.h"
#include "core/FillEngine.h"
#include "base/Host.h"
#include "core/RandomSource.h"
#include "base/WindowState.h"
#include "base/FileIo.h"
#include "files/NewFile.h"
#include "files/PuzzleFile.h"
#include "output/HtmlExport.h"

namespace gx::cli {

namespace {

[[noreturn]] void AlreadyThere(const std::string& path) {
  throw CommandFailure{ExitIoError, path + " is already there; give --force to replace the files of the series"};
}

}  // namespace

SeriesTally BuildSeries(DictionaryStore& dictionary, const SeriesSettings& settings, const BuiltCrossword& built,
                        const SeriesProgress& progress, const FailedBuild& failed) {
  SeriesTally tally;
  std::unordered_set<std::string> seen;
  SeededRandom random(settings.seed);
  BatchCore batch(random, settings.board);
  Gridlex& state = batch.State();
  state.settings.MinSlotCount = settings.min_slots;
  state.settings.MaxFillAttempts = settings.attempts;
  batch.SetMaxGenerations(settings.max_generations);
  // The builds run on the caller's dictionary, which gets its requeue back however the series ends.
  std::swap(state.dictionary, dictionary);
  struct GiveBack {
    DictionaryStore& a;
    DictionaryStore& b;
    ~GiveBack() { std::swap(a, b); }
  } give_back{state.dictionary, dictionary};
  int failed_in_row = 0;
  while (tally.built < settings.count) {
    const BatchFill fill = batch.Build();
    if (!fill.puzzle || !fill.report.fill.complete) {
      ++tally.failed;
      const std::string reason = BuildFailure(fill);
      if (failed) failed(tally.built + 1, ++failed_in_row, reason);
      if (failed_in_row < settings.tries) continue;
      tally.dry_reason = reason;
      break;
    }
    failed_in_row = 0;
    ++tally.built;
    for (int k = 1; k <= fill.puzzle->SlotCount; ++k) {
      ++tally.answers;
      if (seen.insert(fill.puzzle->SlotAnswer[k].str()).second) ++tally.distinct;
    }
    if (built) built(*fill.puzzle, tally.built);
    if (progress) progress(tally.built, settings.count);
  }
  return tally;
}

std::string BuildFailure(const BatchFill& fill) {
  if (!fill.puzzle) return "no acceptable grid in " + std::to_string(fill.report.search.generations) + " generations";
  return "slots left empty: " + FillShortfallText(fill.report.fill.shortfall);
}

namespace {

std::string KeyPdfName(const std::string& n) { return n + "-key.pdf"; }

}  // namespace

std::vector<std::string> SeriesFileNames(const SeriesFormats& formats, int number) {
  const std::string n = std::to_string(number);
  std::vector<std::string> names;
  if (formats.gx) names.push_back(n + ".gx");
  if (formats.ipuz) names.push_back(n + ".ipuz");
  if (formats.pdf) names.push_back(n + ".pdf");
  if (formats.pdf && formats.key) names.push_back(KeyPdfName(n));
  if (formats.html) {
    names.push_back(ExportPageName(n));
    names.push_back(ExportPictureName(n));
  }
  return names;
}

void SeriesFiles::CheckFree(int count) const {
  if (output_.force) return;
  for (int number = 1; number <= count; ++number) {
    for (const std::string& name : SeriesFileNames(output_.formats, number)) {
      const std::string path = JoinPath(output_.dir, name);
      struct stat info {};
      if (::lstat(path.c_str(), &info) == 0) AlreadyThere(path);
    }
  }
}

void SeriesFiles::Write(const Puzzle& puzzle, int number) const {
  const std::string n = std::to_string(number);
  if (output_.formats.gx) WriteFile(n + ".gx", SerializePuzzle(puzzle));
  if (output_.formats.ipuz) WriteFile(n + ".ipuz", IpuzOrRefuse(puzzle, n + ".gx", "crossword " + n));
  const std::string title = PuzzleTitleOf(puzzle, n + ".gx");
  if (output_.formats.pdf) WriteFile(n + ".pdf", PuzzlePdf(puzzle, output_.program.settings, title, false));
  if (output_.formats.pdf && output_.formats.key) WriteFile(KeyPdfName(n), KeyPdf(puzzle, output_.program.settings, title));
  if (output_.formats.html) {
    // The export fits the board to the puzzle; the series' own puzzle is left as built.
    auto shown = std::make_unique<Puzzle>(puzzle);
    const HtmlFiles files = PuzzleHtml(*shown, output_.program, title, n, false);
    WriteFile(ExportPictureName(n), files.picture);
    WriteFile(ExportPageName(n), files.page);
  }
}

void SeriesFiles::Finish() const {
  if (output_.force) return;
  if (FileError error = SyncFileSystem(output_.dir)) throw IoFailure{error, output_.dir};
}

void SeriesFiles::WriteFile(const std::string& name, std::string_view bytes) const {
  const std::string path = JoinPath(output_.dir, name);
  bool already_there = false;
  // A link planted in the folder is replaced, never followed into another folder.
  const FileError error =
      output_.force ? ReplaceFile(path, bytes, AtLink::Replace) : WriteNewFile(path, bytes, already_there);
  if (already_there) AlreadyThere(path);
  if (error) throw IoFailure{error, path};
  NoteWritten(path);
}

}  // namespace gx::cli
