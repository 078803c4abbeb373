#include "files/IpuzWriter.h"

#include <algorithm>
#include <set>
#include <utility>

#include "base/Cp1251.h"
#include "files/Json.h"
#include "base/NumberParsing.h"

namespace gx {

namespace {

constexpr char kBlock[] = "\"#\"";

// The cells of the rectangle: a clue number (0 for none) and a letter (0 outside every slot).
struct SolutionGrid {
  int width = 0;
  int height = 0;
  std::vector<int> numbers;
  std::vector<char> letters;

  int At(int x, int y) const { return y * width + x; }
};

std::string SlotName(const Puzzle& p, int k) {
  return "slot " + std::to_string(k) + " (" + std::to_string(ParseNumber8(p.Clues.Number(k - 1).substr(0, 3))) +
         (p.SlotVertical[k] ? " down)" : " across)");
}

std::string CellName(int x, int y) { return "row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1); }

SolutionGrid Rectangle(const Puzzle& p) {
  SolutionGrid grid;
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int last = std::max(p.SlotLength[k] - 1, 0);
    grid.width = std::max(grid.width, p.SlotCellX(k, last) + 1);
    grid.height = std::max(grid.height, p.SlotCellY(k, last) + 1);
  }
  grid.numbers.assign(static_cast<std::size_t>(grid.width * grid.height), 0);
  grid.letters.assign(grid.numbers.size(), 0);
  return grid;
}

void PlaceNumber(const Puzzle& p, int k, SolutionGrid& grid, std::vector<std::string>& faults) {
  const int number = ParseNumber8(p.Clues.Number(k - 1).substr(0, 3));
  if (number == 0) {
    faults.push_back(SlotName(p, k) + ": no clue number");
    return;
  }
  int& cell = grid.numbers[static_cast<std::size_t>(grid.At(p.SlotX[k], p.SlotY[k]))];
  if (cell != 0 && cell != number) {
    faults.push_back(CellName(p.SlotX[k], p.SlotY[k]) + ": numbered " + std::to_string(cell) + " and " +
                     std::to_string(number));
  }
  cell = number;
}

void PlaceAnswer(const Puzzle& p, int k, SolutionGrid& grid, std::vector<std::string>& faults) {
  const AnswerText& answer = p.SlotAnswer[k];
  if (answer.size() != p.SlotLength[k]) {
    faults.push_back(SlotName(p, k) + ": an answer of " + std::to_string(answer.size()) + " letters in " +
                     std::to_string(p.SlotLength[k]) + " cells");
    return;
  }
  for (int t = 0; t < p.SlotLength[k]; ++t) {
    const int x = p.SlotCellX(k, t), y = p.SlotCellY(k, t);
    char& cell = grid.letters[static_cast<std::size_t>(grid.At(x, y))];
    if (cell != 0 && cell != answer[t]) {
      faults.push_back(CellName(x, y) + ": crossing answers disagree (\"" + Cp1251ToUtf8(std::string(1, cell)) +
                       "\" and \"" + Cp1251ToUtf8(std::string(1, answer[t])) + "\")");
    }
    cell = answer[t];
  }
}

void CheckNumbersOnce(const Puzzle& p, std::vector<std::string>& faults) {
  std::set<std::pair<int, int>> seen;
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int number = ParseNumber8(p.Clues.Number(k - 1).substr(0, 3));
    if (number != 0 && !seen.insert({p.SlotVertical[k] ? 1 : 0, number}).second) {
      faults.push_back(SlotName(p, k) + ": a second word with that number and direction");
    }
  }
}

std::string Letter(char cp1251) {
  return json::Quote(EncodeUtf8(std::u32string(1, RussianCapital(Cp1251ToUnicode(static_cast<unsigned char>(cp1251))))));
}

// Rows of cells, one row per line.
template <typename CellText>
void AppendRows(std::string& out, const SolutionGrid& grid, CellText cell_text) {
  for (int y = 0; y < grid.height; ++y) {
    out += "    [";
    for (int x = 0; x < grid.width; ++x) {
      if (x > 0) out += ", ";
      out += cell_text(grid.At(x, y));
    }
    out += y + 1 < grid.height ? "],\n" : "]\n";
  }
}

void AppendClues(std::string& out, const Puzzle& p, bool down) {
  bool first = true;
  for (int k = 1; k <= p.SlotCount; ++k) {
    if ((p.SlotVertical[k] != 0) != down) continue;
    std::string_view clue = p.Clues.Clue(k - 1);
    if (!clue.empty() && clue[0] == ' ') clue.remove_prefix(1);
    out += first ? "\n" : ",\n";
    first = false;
    out += "      [" + std::to_string(ParseNumber8(p.Clues.Number(k - 1).substr(0, 3))) + ", " +
           json::Quote(Cp1251ToUtf8(clue)) + "]";
  }
  out += first ? "]" : "\n    ]";
}

std::string Compose(const Puzzle& p, const SolutionGrid& grid, std::string_view title) {
  std::string out = "{\n";
  out += "  \"version\": \"http://ipuz.org/v2\",\n";
  out += "  \"kind\": [\"http://ipuz.org/crossword#1\"],\n";
  out += "  \"title\": " + json::Quote(title) + ",\n";
  out += "  \"dimensions\": {\"width\": " + std::to_string(grid.width) + ", \"height\": " +
         std::to_string(grid.height) + "},\n";
  out += "  \"block\": \"#\",\n";
  out += "  \"empty\": 0,\n";
  out += "  \"puzzle\": [\n";
  AppendRows(out, grid, [&grid](int i) {
    const auto at = static_cast<std::size_t>(i);
    return grid.letters[at] == 0 ? std::string(kBlock) : std::to_string(grid.numbers[at]);
  });
  out += "  ],\n  \"solution\": [\n";
  AppendRows(out, grid, [&grid](int i) {
    const char letter = grid.letters[static_cast<std::size_t>(i)];
    return letter == 0 ? std::string(kBlock) : Letter(letter);
  });
  out += "  ],\n  \"clues\": {\n    \"Across\": [";
  AppendClues(out, p, false);
  out += ",\n    \"Down\": [";
  AppendClues(out, p, true);
  out += "\n  }\n}\n";
  return out;
}

}  // namespace

char32_t RussianCapital(char32_t c) {
  if (c >= U'а' && c <= U'я') return c - (U'а' - U'А');
  if (c == U'ё') return U'Ё';
  return c;
}

IpuzText WriteIpuz(const Puzzle& p, std::string_view title) {
  IpuzText result;
  if (p.SlotCount == 0) {
    result.faults.push_back("the puzzle has no words");
    return result;
  }
  SolutionGrid grid = Rectangle(p);
  for (int k = 1; k <= p.SlotCount; ++k) {
    PlaceNumber(p, k, grid, result.faults);
    PlaceAnswer(p, k, grid, result.faults);
  }
  CheckNumbersOnce(p, result.faults);
  if (result.faults.empty()) result.json = Compose(p, grid, title);
  return result;
}

}  // namespace gx
