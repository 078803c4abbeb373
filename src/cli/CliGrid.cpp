#include "cli/CliGrid.h"

#include <cstdio>

#include "cli/CliSupport.h"
#include "base/Cp1251.h"
#include "files/LetterCode.h"

namespace gx::cli {

namespace {

// The Windows-1251 letter of a grid character, or nothing when it is not a Russian letter the
// letter code holds.
bool GridLetter(char32_t c, char& letter) {
  bool russian = (c >= U'а' && c <= U'я') || (c >= U'А' && c <= U'Я');
  if (!russian) return false;
  std::optional<char> byte = UnicodeToCp1251(c);
  if (!byte || !HasLetterCode(*byte)) return false;
  letter = *byte;
  return true;
}

std::string Position(std::size_t line, std::size_t column) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

void LoadGridText(const std::string& path, Puzzle& puzzle) {
  std::vector<std::string> lines = SplitTextLines(ReadFileOrFail(path));
  std::vector<std::u32string> rows;
  std::size_t width = 0;
  for (const std::string& line : lines) {
    rows.push_back(DecodeUtf8(line));
    width = std::max(width, rows.back().size());
  }
  if (rows.empty() || rows.size() > static_cast<std::size_t>(MaxBoardInUse)) {
    throw UsageError{"a grid needs 1 to 63 lines, " + path + " has " + std::to_string(rows.size())};
  }
  if (width == 0 || width > static_cast<std::size_t>(MaxBoardInUse)) {
    throw UsageError{"a grid needs 1 to 63 columns, " + path + " has " + std::to_string(width)};
  }
  // Every character is checked before the board is touched: a refused grid changes nothing.
  std::vector<std::string> letters(rows.size());
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char32_t c = rows[y][x];
      char letter = NoLetter;
      if (c == U'#') {
        letter = PaintedMark;
      } else if (c != U'.' && !GridLetter(c, letter)) {
        throw UsageError{Position(y + 1, x + 1) + ": \"" + EncodeUtf8(std::u32string(1, c)) +
                         "\" is not a grid character (\".\", \"#\" or a Russian letter)"};
      }
      letters[y].push_back(letter);
    }
  }
  puzzle.ResetBoard();
  puzzle.BoardRows = static_cast<std::uint16_t>(rows.size());
  puzzle.BoardCols = static_cast<std::uint16_t>(width);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < letters[y].size(); ++x) {
      if (rows[y][x] == U'.') continue;
      puzzle.SetMask(static_cast<int>(x), static_cast<int>(y), GridCell);
      puzzle.SetLetter(static_cast<int>(x), static_cast<int>(y), letters[y][x]);
    }
  }
}

void PlaceGridLetters(Puzzle& puzzle) {
  for (int x = 0; x < BoardStorage; ++x) {
    for (int y = 0; y < BoardStorage; ++y) {
      const auto byte = static_cast<unsigned char>(puzzle.Letter(x, y));
      if (puzzle.Mask(x, y) == Background || byte < 0xC0) continue;  // Windows-1251 letters lie at 0xC0..0xFF
      // Capitals lie 32 places below their small letters.
      puzzle.SetPlaced(x, y, static_cast<char>(byte < 0xE0 ? byte + 0x20 : byte));
    }
  }
}

std::string GridText(const Puzzle& p) {
  std::string text;
  for (int y = 0; y < p.BoardRows && y < MaxBoardInUse; ++y) {
    std::string row;
    for (int x = 0; x < p.BoardCols && x < MaxBoardInUse; ++x) {
      const char letter = p.Letter(x, y);
      if (p.Mask(x, y) == Background) {
        row += '.';
      } else {
        row += letter != NoLetter && letter != PaintedMark ? letter : '#';
      }
    }
    text += Cp1251ToUtf8(row) + "\n";
  }
  return text;
}

std::string ClueNumberOf(const Puzzle& puzzle, int k) {
  std::string number;
  for (char c : puzzle.Clues.Number(k - 1)) {
    if (c != ' ') number.push_back(c);
  }
  return number;
}

void PrintSlotTable(const Puzzle& puzzle) {
  PrintUtf8Line("slots " + std::to_string(puzzle.SlotCount) + " across " + std::to_string(puzzle.AcrossCount) +
                " maxcrossings " + std::to_string(puzzle.MaxCrossings));
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    PrintUtf8Line(std::to_string(k) + " " + ClueNumberOf(puzzle, k) + " " + (puzzle.SlotVertical[k] ? "D" : "A") +
                  " " + std::to_string(puzzle.SlotX[k]) + " " + std::to_string(puzzle.SlotY[k]) + " " +
                  std::to_string(puzzle.SlotLength[k]) + " " + std::to_string(puzzle.SlotCrossings[k]));
  }
}

}  // namespace gx::cli
