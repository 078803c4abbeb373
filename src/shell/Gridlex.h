#pragma once
// The whole state of the program, owned by the main window for the whole run: the puzzle, the
// dictionary store, the settings and the window state. Commands are functions on it.

#include <cstdint>
#include <string>

#include "board/SolvingRecord.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "base/WindowState.h"
#include "core/DictionaryStore.h"
#include "core/WordIndex.h"
#include "files/AdvertList.h"

namespace gx {

struct Gridlex {
  Puzzle puzzle;
  SolvingRecord solving;  // revealed letters, solving time: kept with the typed letters
  DictionaryStore dictionary;
  // The fills' word search, kept from one fill to the next: its index is reused while the
  // dictionary's stamp says the records are still those it was made for.
  IndexedWordSearch word_search;
  Settings settings;
  WindowState window;
  AdvertList adverts;  // read at start-up, rotated by the word media
  std::string PuzzleFileName;  // bare name of the current puzzle in the data folder
  // The puzzle's own name, "Кроссворд из файла 12.gx 42 сл" or "Новый кроссворд 42 сл", set with
  // the caption when a puzzle is loaded, saved or built; the caption also carries passing status
  // texts, so print and export take this one.
  std::string PuzzleTitle;
  // The settings file that could not be read at start, kept aside at close before a sound one
  // replaces it; empty when the start read it (or found none).
  std::string DamagedSettingsFile;
  // Raised each time the puzzle on screen is read from a puzzle file or written to one: only such
  // a puzzle has its solving kept between runs.
  std::uint32_t PuzzleLoads = 0;
  std::uint32_t PuzzleSaves = 0;
};

}  // namespace gx
