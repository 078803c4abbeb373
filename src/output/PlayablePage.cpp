#include "output/PlayablePage.h"

#include <array>
#include <cstdint>

#include "base/Cp1251.h"
#include "board/LetterEntry.h"
#include "files/Json.h"
#include "files/SolutionGrid.h"
#include "output/PlayablePageAssets.h"
#include "base/Sha256.h"

namespace gx {

namespace {

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

// JSON inside a script element: "</" would end the element early.
std::string ScriptSafe(std::string json) {
  for (std::size_t at = json.find("</"); at != std::string::npos; at = json.find("</", at + 3)) {
    json.insert(at + 1, "\\");
  }
  return json;
}

std::string Base64(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    std::uint32_t group = static_cast<std::uint32_t>(bytes[i]) << 16;
    if (left > 1) group |= static_cast<std::uint32_t>(bytes[i + 1]) << 8;
    if (left > 2) group |= bytes[i + 2];
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += left > 1 ? kDigits[(group >> 6) & 63] : '=';
    out += left > 2 ? kDigits[group & 63] : '=';
  }
  return out;
}

int HexDigit(char c) { return c >= 'a' ? c - 'a' + 10 : c - '0'; }

std::string Utf8Letter(char cp1251) { return Cp1251ToUtf8(std::string(1, cp1251)); }

// The answer letters cell by cell, row by row, XOR-ed with a stream drawn from the content id;
// the page's script undoes it with the same id.
std::string HiddenAnswers(const SolutionGrid& grid, const std::string& id) {
  std::string plain;
  for (char letter : grid.letters) {
    if (letter != 0) plain += Utf8Letter(letter);
  }
  std::array<std::uint8_t, 32> seed{};
  for (std::size_t i = 0; i < seed.size() && 2 * i + 1 < id.size(); ++i) {
    seed[i] = static_cast<std::uint8_t>(HexDigit(id[2 * i]) * 16 + HexDigit(id[2 * i + 1]));
  }
  std::vector<std::uint8_t> bytes(plain.begin(), plain.end());
  for (std::size_t j = 0; j < bytes.size(); ++j) {
    bytes[j] = static_cast<std::uint8_t>(bytes[j] ^ seed[j % seed.size()] ^ ((j * 73) & 255));
  }
  return Base64(bytes);
}

// Every character the window takes as a letter, and the letter it types: the same table.
std::string KeyTableJson() {
  std::string out = "{";
  for (int byte = 33; byte < 256; ++byte) {
    const char letter = LetterFor(static_cast<char>(byte));
    if (letter == 0) continue;
    if (out.size() > 1) out += ",";
    out += json::Quote(Utf8Letter(static_cast<char>(byte))) + ":" + json::Quote(Utf8Letter(letter));
  }
  return out + "}";
}

void CheckTypeable(const SolutionGrid& grid, std::vector<std::string>& faults) {
  for (int y = 0; y < grid.height; ++y) {
    for (int x = 0; x < grid.width; ++x) {
      const char letter = grid.letters[static_cast<std::size_t>(grid.At(x, y))];
      if (letter != 0 && LetterFor(letter) != letter) {
        faults.push_back("row " + std::to_string(y + 1) + ", column " + std::to_string(x + 1) + ": the letter \"" +
                         Utf8Letter(letter) + "\" cannot be typed");
      }
    }
  }
}

std::string PuzzleData(const Puzzle& p, const SolutionGrid& grid, const std::string& id) {
  std::string slots;
  for (int k = 1; k <= p.SlotCount; ++k) {
    if (k > 1) slots += ",";
    slots += "[" + std::to_string(p.SlotX[k]) + "," + std::to_string(p.SlotY[k]) + "," +
             std::to_string(p.SlotLength[k]) + "," + (p.SlotVertical[k] ? "1" : "0") + "," +
             std::to_string(SlotNumber(p, k)) + "]";
  }
  return ScriptSafe("{\"width\":" + std::to_string(grid.width) + ",\"height\":" + std::to_string(grid.height) +
                    ",\"id\":\"" + id + "\",\"slots\":[" + slots + "],\"letters\":\"" + HiddenAnswers(grid, id) +
                    "\",\"keys\":" + KeyTableJson() + "}");
}

// One clue list; each clue a button that makes its word the current one. Slots keep their
// table order, in which the script finds them.
std::string ClueList(const Puzzle& p, bool down, const char* id, const char* heading) {
  std::string out = std::string("<section class=\"list\"><h2 id=\"") + id + "\">" + heading + "</h2>\n<ul aria-labelledby=\"" +
                    id + "\">\n";
  for (int k = 1; k <= p.SlotCount; ++k) {
    if ((p.SlotVertical[k] != 0) != down) continue;
    out += "<li data-slot=\"" + std::to_string(k - 1) + "\"><button type=\"button\"><b>" +
           std::to_string(SlotNumber(p, k)) + ".</b> " + HtmlEscaped(Cp1251ToUtf8(SlotClue(p, k))) + " <span class=\"len\">(" +
           std::to_string(p.SlotLength[k]) + ")</span></button></li>\n";
  }
  return out + "</ul></section>\n";
}

std::string Compose(const Puzzle& p, const SolutionGrid& grid, std::string_view title, const std::string& id) {
  const std::string name = HtmlEscaped(title);
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      // Nothing is fetched from anywhere: the page is all there is.
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'; "
      "script-src 'unsafe-inline'; img-src data:\">\n"
      "<meta name=\"generator\" content=\"Gridlex\">\n<title>" + name + "</title>\n<style>\n" + kPlayablePageStyle +
      "</style>\n</head>\n<body>\n<header><h1>" + name + "</h1></header>\n<main>\n<div class=\"play\">\n"
      "<p id=\"bar\" aria-live=\"polite\">&nbsp;</p>\n"
      "<div id=\"frame\"><div id=\"board\" role=\"grid\" aria-label=\"Сетка кроссворда\"></div>"
      "<input id=\"entry\" type=\"text\" autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\" "
      "aria-label=\"Клетка\" aria-describedby=\"bar\"></div>\n"
      + kPlayablePageControls + "</div>\n<div class=\"lists\">\n";
  out += ClueList(p, false, "across", "По горизонтали");
  out += ClueList(p, true, "down", "По вертикали");
  out += "</div>\n</main>\n<script type=\"application/json\" id=\"puzzle-data\">" + PuzzleData(p, grid, id) +
         "</script>\n<script>\n" + kPlayablePageScript + "</script>\n</body>\n</html>\n";
  return out;
}

}  // namespace

std::string PlayableContentId(const Puzzle& p) {
  std::string content = "gridlex-play 1\n";
  for (int k = 1; k <= p.SlotCount; ++k) {
    content += std::to_string(p.SlotX[k]) + " " + std::to_string(p.SlotY[k]) + " " + std::to_string(p.SlotLength[k]) +
               " " + std::to_string(p.SlotVertical[k]) + " " + std::to_string(SlotNumber(p, k)) + " " +
               std::string(p.SlotAnswer[k].view()) + " " + std::string(SlotClue(p, k)) + "\n";
  }
  return Sha256Hex(content);
}

PlayablePage WritePlayablePage(const Puzzle& puzzle, std::string_view title) {
  PlayablePage page;
  const SolutionGrid grid = LayOutSolution(puzzle, page.faults);
  if (page.faults.empty()) CheckTypeable(grid, page.faults);
  if (page.faults.empty()) page.html = Compose(puzzle, grid, title, PlayableContentId(puzzle));
  return page;
}

}  // namespace gx
