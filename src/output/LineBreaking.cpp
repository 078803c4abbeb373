#include "output/LineBreaking.h"

#include <algorithm>

namespace gx {

namespace {

// The longest start of `text` no wider than `room` (widths grow with the length).
std::size_t FittingLength(std::string_view text, int room, const TextWidth& width) {
  std::size_t low = 0;
  std::size_t high = text.size();
  while (low < high) {
    const std::size_t middle = (low + high + 1) / 2;
    if (width(text.substr(0, middle)) <= room) low = middle;
    else high = middle - 1;
  }
  return low;
}

// Where a line that may take `fitting` characters of `text` ends: at the last blank that
// follows a word, or inside the word when no blank does (at least one character).
std::size_t BreakPoint(std::string_view text, std::size_t fitting) {
  const std::size_t first_word = text.find_first_not_of(' ');
  for (std::size_t i = std::min(fitting, text.size() - 1); i > first_word && first_word != std::string_view::npos; --i) {
    if (text[i] == ' ') return i;
  }
  return std::max<std::size_t>(fitting, 1);
}

std::string_view TrimRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace

std::vector<std::string> BreakLine(std::string_view text, int first_width, int next_width, const TextWidth& width) {
  std::vector<std::string> pieces;
  std::string_view rest = text;
  while (pieces.empty() || !rest.empty()) {
    const int room = pieces.empty() ? first_width : next_width;
    if (width(rest) <= room) {
      pieces.emplace_back(pieces.size() == 0 ? rest : TrimRight(rest));
      break;
    }
    const std::size_t end = BreakPoint(rest, FittingLength(rest, room, width));
    pieces.emplace_back(TrimRight(rest.substr(0, end)));
    rest.remove_prefix(end);
    const std::size_t next = rest.find_first_not_of(' ');
    rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
  }
  return pieces;
}

}  // namespace gx
