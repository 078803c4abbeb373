#include "files/IpuzWriter.h"

#include "base/Cp1251.h"
#include "files/Json.h"
#include "files/SolutionGrid.h"

namespace gx {

namespace {

constexpr char kBlock[] = "\"#\"";

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
    out += first ? "\n" : ",\n";
    first = false;
    out += "      [" + std::to_string(SlotNumber(p, k)) + ", " + json::Quote(Cp1251ToUtf8(SlotClue(p, k))) + "]";
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
  const SolutionGrid grid = LayOutSolution(p, result.faults);
  if (result.faults.empty()) result.json = Compose(p, grid, title);
  return result;
}

}  // namespace gx
