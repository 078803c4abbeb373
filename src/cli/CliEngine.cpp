// gridlex-cli generate, fill and build: the grid generator, the fill and the build command
// without the window.

#include <memory>
#include <string>

#include "cli/BatchCore.h"
#include "cli/CliCommands.h"
#include "cli/CliGrid.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputs.h"
#include "cli/FilePlan.h"
#include "cli/Interruption.h"
#include "cli/CliSupport.h"
#include "cli/FillShortfallText.h"
#include "core/BuildLogic.h"
#include "core/EngineTexts.h"
#include "core/Extraction.h"
#include "core/Generator.h"
#include "core/PlacedLetters.h"
#include "base/Cp1251.h"
#include "files/PuzzleFile.h"

namespace gx::cli {

namespace {

std::unique_ptr<RandomSource> MakeRandom(const RandomChoice& choice) {
  if (choice.seed) return std::make_unique<SeededRandom>(*choice.seed);
  return std::make_unique<ScriptedRandom>(ReadDraws(*choice.draws_path));
}

[[noreturn]] void DrawsRanOut() { throw CommandFailure{ExitDrawsExhausted, "scripted draws exhausted"}; }

// The board: with letters, a letter where a cell holds one and "#" for the other grid cells.
void PrintBoard(const Puzzle& p, bool with_letters) {
  for (int y = 0; y < p.BoardRows; ++y) {
    std::string row;
    for (int x = 0; x < p.BoardCols; ++x) {
      const char letter = p.Letter(x, y);
      if (with_letters && letter != NoLetter && letter != PaintedMark) {
        row += letter;
      } else {
        row += p.Mask(x, y) != Background ? '#' : '.';
      }
    }
    PrintLine(row);
  }
}

// "filled P of S attempts T complete", then one line per slot with its answer and clue.
void PrintFill(const Puzzle& p, const FillOutcome& fill) {
  PrintUtf8Line("filled " + std::to_string(fill.placed) + " of " + std::to_string(p.SlotCount) + " attempts " +
                std::to_string(fill.attempts) + (fill.complete ? " complete" : " incomplete"));
  for (int k = 1; k <= p.SlotCount; ++k) {
    std::string_view clue = p.Clues.Clue(k - 1);
    if (!clue.empty()) clue.remove_prefix(1);  // the separating space
    PrintLine(std::to_string(k) + "\t" + ClueNumberOf(p, k) + "\t" + (p.SlotVertical[k] ? "D" : "A") + "\t" +
              p.SlotAnswer[k].str() + "\t" + std::string(clue));
  }
}

void SetBoardSize(Puzzle& p, int size) {
  p.BoardRows = static_cast<std::uint16_t>(size);
  p.BoardCols = static_cast<std::uint16_t>(size);
}

// The board a refill runs on: the grid text sets its own, and a refill never makes a new one.
constexpr int kBoardCells = 21;

}  // namespace

int RunGenerate(const std::vector<std::string>& args) {
  const GenerateOptions options = ParseGenerateOptions(args);
  auto random = MakeRandom(options.random);
  auto puzzle = std::make_unique<Puzzle>();
  SetBoardSize(*puzzle, options.board);
  NullHost host;
  const GenerateStatus status = GenerateGrid(*puzzle, *random, host);
  if (status == GenerateStatus::DrawsExhausted) DrawsRanOut();
  if (status == GenerateStatus::RunsOutOfRange) {
    PrintUtf8Line("runs " + std::to_string(puzzle->SlotCount));
  } else {
    PrintSlotTable(*puzzle);
  }
  PrintBoard(*puzzle, false);
  return ExitSuccess;
}

int RunFill(const std::vector<std::string>& args) {
  const FillOptions options = ParseFillOptions(args);
  FilePlan plan;
  plan.Input("GRID", options.grid_path);
  plan.Input("DICT", options.dictionary_path);
  if (options.dict_out) plan.Output("--dict-out", *options.dict_out, true, options.dictionary_path);
  if (options.grid_out) plan.Output("--grid-out", *options.grid_out, true);
  plan.Check();
  SeededRandom unused{0};  // a refill draws nothing
  BatchCore batch(unused, kBoardCells);
  Gridlex& state = batch.State();
  Puzzle& puzzle = state.puzzle;
  LoadGridText(options.grid_path, puzzle);
  LoadDictionaryOrFail(options.dictionary_path, state.dictionary);
  // The refill counts the slots as last extracted: the grid text is extracted first, as drawing does.
  ClassifyCells(puzzle);
  ExtractSlots(puzzle);
  if (options.keep) PlaceGridLetters(puzzle);
  state.settings.MaxFillAttempts = options.attempts;
  const BatchFill fill = options.keep ? batch.FillAround() : batch.Refill();
  switch (fill.report.check) {
    case RefillCheck::NoWordFitsPattern: throw CommandFailure{ExitFillRefused, Cp1251ToUtf8(fill.report.refusal)};
    case RefillCheck::TooFewSlots: throw CommandFailure{ExitFillRefused, Cp1251ToUtf8(texts::TooFewCells())};
    case RefillCheck::TooManySlots:
      throw CommandFailure{ExitFillRefused, "more than 250 slots: " + std::to_string(puzzle.SlotCount)};
    case RefillCheck::SlotsTooLong: throw CommandFailure{ExitFillRefused, Cp1251ToUtf8(texts::SlotsTooLong())};
    case RefillCheck::Ready: break;
  }
  PrintFill(*fill.puzzle, fill.report.fill);
  if (!fill.report.fill.complete) {
    WarnUtf8Line("gridlex-cli: fill: slots left empty: " + FillShortfallText(fill.report.fill.shortfall));
  } else if (const std::vector<int> wanting = SlotsWantingClue(*fill.puzzle); !wanting.empty()) {
    std::string numbers;
    for (int k : wanting) numbers += " " + ClueNumberOf(*fill.puzzle, k) + (fill.puzzle->SlotVertical[k] ? "D" : "A");
    WarnUtf8Line("gridlex-cli: fill: words not in the dictionary, their clues are empty:" + numbers);
  }
  if (options.dict_out) WriteDictionaryOrFail(state.dictionary, *options.dict_out);
  if (options.grid_out) WriteOutputOrFail(*options.grid_out, GridText(*fill.puzzle), true);
  return ExitSuccess;
}

int RunBuild(const std::vector<std::string>& args) {
  const BuildOptions options = ParseBuildOptions(args);
  FilePlan plan;
  plan.Input("DICT", options.dictionary_path);
  if (options.random.draws_path) plan.Input("--draws", *options.random.draws_path);
  if (options.out) plan.Output("--out", *options.out, true);
  // The dictionary may be written back under its own name, to carry its order to the next run.
  if (options.dict_out) plan.Output("--dict-out", *options.dict_out, true, options.dictionary_path);
  plan.Check();
  auto random = MakeRandom(options.random);
  BatchCore batch(*random, options.board);
  Gridlex& state = batch.State();
  LoadDictionaryOrFail(options.dictionary_path, state.dictionary);
  state.settings.MinSlotCount = options.min_slots;
  state.settings.MaxFillAttempts = options.attempts;
  batch.SetMaxGenerations(options.max_generations);
  const BatchFill built = batch.Build();
  const GridSearch& search = built.report.search;
  if (search.outcome == GridSearchOutcome::DrawsExhausted) DrawsRanOut();
  if (!built.puzzle) {
    throw CommandFailure{ExitNoAcceptableGrid, "no acceptable grid in " + std::to_string(search.generations) + " generations"};
  }
  PrintUtf8Line("generated " + std::to_string(search.generations));
  const FillOutcome& fill = built.report.fill;
  PrintFill(*built.puzzle, fill);
  PrintBoard(*built.puzzle, true);
  if (fill.ran && options.dict_out) WriteDictionaryOrFail(state.dictionary, *options.dict_out);
  if (!fill.complete) {
    WarnUtf8Line("gridlex-cli: build: slots left empty: " + FillShortfallText(fill.shortfall));
    return ExitBuildIncomplete;
  }
  if (options.out) {
    const FileError error = SavePuzzleFile(*built.puzzle, *options.out);
    if (error) throw IoFailure{error, *options.out};
    NoteWritten(*options.out);
  }
  return ExitSuccess;
}

}  // namespace gx::cli
