#pragma once
// Helpers for the tests of editing, selection, solving and the window commands: a canvas that
// keeps its pixels in memory, a host that records what it was asked and answers as scripted, and
// a bench that wires one program state to the commands.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/BoardDrawing.h"
#include "base/Canvas.h"
#include "core/ClueList.h"
#include "core/DictionaryStore.h"
#include "base/Host.h"
#include "core/RandomSource.h"
#include "base/Cp1251.h"
#include "shell/CommandCore.h"
#include "shell/Gridlex.h"
#include "CommandCoreTestDoor.h"
#include "TestFolder.h"
#include "files/DictionaryFile.h"

namespace gx::test {

// Windows-1251 bytes of a UTF-8 literal.
inline std::string W(std::string_view utf8) { return Utf8ToCp1251(utf8); }

// Eight words of every length from 3 to 24 (б, в, … followed by а's), each with a clue naming
// its length: enough for any grid the command-core tests build.
inline DictionaryStore EveryLengthDictionary() {
  DictionaryStore words;
  int e = 0;
  for (int length = 3; length <= 24; ++length) {
    for (char first : W("бвгдежзи")) {
      words.SetEntry(++e, first + std::string(static_cast<std::size_t>(length - 1), W("а")[0]) + W(" Слово из ") +
                              std::to_string(length) + W(" букв"));
    }
  }
  words.DictionaryCount = static_cast<std::uint16_t>(e);
  return words;
}

// Keeps the pixels the board draws; the drawing state is the null canvas's.
class MemoryCanvas : public NullCanvas {
 public:
  MemoryCanvas(int width, int height) : width_(width), height_(height), pixels_(width * height, 0) {}

  struct Text {
    int x, y;
    std::string text;
    Color brush;
    Color font;
  };

  void Rectangle(int x1, int y1, int x2, int y2) override {
    for (int x = x1; x < x2; ++x) {
      for (int y = y1; y < y2; ++y) {
        const bool edge = x == x1 || y == y1 || x == x2 - 1 || y == y2 - 1;
        Put(x, y, edge ? PenColor() : BrushColor(), edge && GetPenMode() == PenMode::Xor);
      }
    }
  }
  void FillRect(int x1, int y1, int x2, int y2) override {
    for (int x = x1; x < x2; ++x)
      for (int y = y1; y < y2; ++y) Put(x, y, BrushColor(), false);
  }
  // Horizontal and vertical lines are all the board draws.
  void Line(int x1, int y1, int x2, int y2) override {
    if (y1 == y2) {
      for (int x = std::min(x1, x2); x < std::max(x1, x2); ++x) Put(x, y1, PenColor(), GetPenMode() == PenMode::Xor);
    } else if (x1 == x2) {
      for (int y = std::min(y1, y2); y < std::max(y1, y2); ++y) Put(x1, y, PenColor(), GetPenMode() == PenMode::Xor);
    }
  }
  void TextOut(int x, int y, std::string_view text) override { texts.push_back({x, y, std::string(text), BrushColor(), FontColor()}); }

  Color At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  // A pixel well inside the cell square of (x, y), clear of outlines and text.
  Color CellInside(int x, int y) const { return At(x * 16 + 14, y * 16 + 14); }
  // The last text drawn at cell (x, y), or nothing.
  std::optional<Text> TextAtCell(int x, int y) const {
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
      if (it->x == x * 16 + 3 && it->y == y * 16 + 1) return *it;
    }
    return std::nullopt;
  }

  std::vector<Text> texts;

 private:
  void Put(int x, int y, Color color, bool xor_mode) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Color& pixel = pixels_[static_cast<std::size_t>(y * width_ + x)];
    pixel = xor_mode ? (pixel ^ color) : color;
  }

  int width_;
  int height_;
  std::vector<Color> pixels_;
};

// Records every request; answers confirmations and dialogs from queues (Cancel when empty).
class ScriptedHost : public NullHost {
 public:
  void ProcessEvents() override {
    ++process_calls;
    if (on_events) on_events(process_calls);
  }
  void ShowInformation(std::string_view text) override { informations.emplace_back(text); }
  using Host::Confirm;
  bool Confirm(std::string_view text, DefaultButton preset, const ButtonTexts& buttons) override {
    confirmations.emplace_back(text);
    confirm_presets.push_back(preset);
    confirm_buttons.push_back(buttons);
    if (confirm_answers.empty()) return false;
    const bool answer = confirm_answers.front();
    confirm_answers.pop_front();
    return answer;
  }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override { return Dialog(request); }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override { return Dialog(request); }
  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
  bool PlayMedia(const std::string& path) override {
    played.push_back(path);
    return true;
  }
  bool LoadPicture(PictureControl control, const std::string& path) override {
    pictures.emplace_back(control, path);
    return picture_loads;
  }
  void OpenDocument(const std::string& path) override { documents.push_back(path); }

  std::function<void(long)> on_events;
  long process_calls = 0;
  std::vector<std::string> informations, confirmations, errors, played, documents;
  std::vector<FileDialogRequest> dialogs;
  std::vector<std::pair<PictureControl, std::string>> pictures;
  std::vector<int> pauses;
  std::vector<DefaultButton> confirm_presets;
  std::vector<ButtonTexts> confirm_buttons;
  std::deque<bool> confirm_answers;
  std::deque<std::optional<std::string>> dialog_answers;
  bool picture_loads = true;

 private:
  std::optional<std::string> Dialog(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (dialog_answers.empty()) return std::nullopt;
    auto answer = dialog_answers.front();
    dialog_answers.pop_front();
    return answer;
  }
};

// Distinct palette colours, so a pixel tells which one painted it.
inline Palette PlayPalette() {
  Palette colors;
  colors.BoardColor = Rgb(0, 100, 0);
  colors.WordCellColor = Rgb(250, 250, 200);
  colors.FoundWordColor = Rgb(100, 200, 250);
  colors.TryingWordColor = Rgb(250, 150, 0);
  colors.WrongWordColor = Rgb(250, 100, 100);
  return colors;
}

// One program state on a board of `cells` x `cells`, wired to the commands.
struct PlayBench {
  explicit PlayBench(int cells = 19)
      : canvas(cells * 16, cells * 16),
        commands("/prog", host, canvas, random),
        state(CommandCoreTestDoor::State(commands)),
        board(CommandCoreTestDoor::Board(commands)) {
    state.settings.Colors = PlayPalette();
    state.settings.SoundOn = true;
    board.SetPaintSize(cells * 16, cells * 16);
    board.DrawEmptyBoard();
  }

  // Adds slot k with its number, answer and clue; the cells join the grid with the answer letters.
  int AddSlot(int x, int y, int length, bool down, std::string_view answer = {}, std::string_view clue = {}) {
    Puzzle& p = state.puzzle;
    const int k = ++p.SlotCount;
    p.SlotX[k] = static_cast<std::uint8_t>(x);
    p.SlotY[k] = static_cast<std::uint8_t>(y);
    p.SlotLength[k] = static_cast<std::uint8_t>(length);
    p.SlotVertical[k] = down ? 1 : 0;
    p.SlotAnswer[k] = answer;
    p.Clues.SetCell(0, k - 1, FormatClueNumber(k));
    p.Clues.SetCell(1, k - 1, clue);
    for (int t = 0; t < length; ++t) {
      p.SetMask(p.SlotCellX(k, t), p.SlotCellY(k, t), GridCell);
      if (static_cast<std::size_t>(t) < answer.size()) p.SetLetter(p.SlotCellX(k, t), p.SlotCellY(k, t), answer[t]);
    }
    if (!down) p.AcrossCount = static_cast<std::uint8_t>(k);
    p.Clues.SetRowCount(p.SlotCount);
    return k;
  }

  // A finished crossword being solved, with slot `current` selected.
  void StartSolving(int current = 1) {
    state.puzzle.PlayActive = 1;
    state.puzzle.Clues.SetCurrentRow(current == 1 ? 1 : 0);  // force a row change
    commands.ClueChosen(current - 1);
  }

  ScriptedHost host;
  SeededRandom random{12345};
  MemoryCanvas canvas;
  CommandCore commands;
  Gridlex& state;
  BoardDrawing& board;
};

// Makes the folder b's program folder with data/test.dct, the dictionary of every length, chosen,
// and settings under which any grid whose crossings avoid the first cells of its words is filled.
inline void UseEveryLengthDictionary(TestFolder& folder, PlayBench& b) {
  std::filesystem::create_directories(folder.Path("data"));
  b.state.settings.ProgramDir = folder.Dir();
  folder.Write("data/test.dct", SerializeDictionary(EveryLengthDictionary()));
  b.state.dictionary.DictionaryName = "test.dct";
  b.state.settings.MaxFillAttempts = 64;
  b.state.settings.MinSlotCount = 4;
}

}  // namespace gx::test
