#include "output/HtmlExport.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "board/BoardDrawing.h"
#include "board/CellNumber.h"
#include "base/Canvas.h"
#include "base/Cp1251.h"
#include "core/PuzzleReady.h"
#include "base/FileIo.h"
#include "files/GifWriter.h"
#include "base/NumberParsing.h"
#include "output/PrintLayout.h"

namespace gx {

namespace {

constexpr std::size_t MaxLine = 255;
constexpr Color Grey = Rgb(128, 128, 128);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Red = Rgb(255, 0, 0);
constexpr int PaintFontPixels = 11;
constexpr const char* ListFont = R"(<font color="#804040"  size="2" face="Times New Roman CE"><strong>)";

std::string Cut(std::string line) {
  if (line.size() > MaxLine) line.resize(MaxLine);
  return line;
}

// Appends text with the characters that would break the markup written as entities, as far as
// the line's 255 characters allow; an entity that does not fit whole is left out.
void AppendEscaped(std::string& line, std::string_view text) {
  for (char c : text) {
    std::string_view piece(&c, 1);
    if (c == '<') piece = "&lt;";
    if (c == '&') piece = "&amp;";
    if (c == '"') piece = "&quot;";
    if (line.size() + piece.size() > MaxLine) return;
    line += piece;
  }
}

std::string Escaped(std::string_view text) {
  std::string line;
  AppendEscaped(line, text);
  return line;
}

bool IsPageName(const std::string& name) {
  if (name.size() < 4) return false;
  std::string extension = name.substr(name.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return extension == ".htm";
}

// Lines of a text file, each cut at 255 characters; a line ends at LF, a CR before it is dropped.
std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = bytes.size();
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.push_back(Cut(bytes.substr(start, stop - start)));
    start = last ? end : end + 1;
  }
  return lines;
}

void AppendLines(std::string& page, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) page += line + "\r\n";
}

void AppendClueRows(std::vector<std::string>& lines, const Puzzle& puzzle, int first, int end) {
  for (int row = first; row < end; ++row) {
    std::string head = std::string(ListFont);
    AppendEscaped(head, std::string(puzzle.Clues.Number(row)) + " - ");
    if (puzzle.AnswersShown) AppendEscaped(head, std::string(puzzle.SlotAnswer[row + 1].view()) + " ");
    lines.push_back(head);
    lines.emplace_back(R"(</strong></font><font  size="2" face="Times New Roman CE">)");
    lines.push_back(Escaped(std::string(puzzle.Clues.Clue(row)) + " "));
  }
}

}  // namespace

int HighestPageNumber(const std::string& pic_folder) {
  std::int16_t highest = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(pic_folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!IsPageName(name)) continue;
    const auto number = static_cast<std::int16_t>(ParseLeadingNumber(std::string_view(name).substr(3)));
    highest = std::max(highest, number);
  }
  return highest;
}

std::optional<std::string> ExportNumber(bool numbered, const std::string& pic_folder) {
  if (!numbered) return std::string();
  const int highest = HighestPageNumber(pic_folder);
  // A higher number would not read back as one: it would be written over at every export.
  if (highest >= kHighestPageNumber) return std::nullopt;
  return std::to_string(highest + 1);
}

std::string NoExportNumberMessage() {
  return Utf8ToCp1251("Номера страниц исчерпаны: страница gxp") + std::to_string(kHighestPageNumber) +
         Utf8ToCp1251(".htm уже есть. Ничего не записано");
}

void DrawExportPicture(Puzzle& puzzle, const Palette& palette, Canvas& canvas, int width, int height) {
  WindowState unused_window;
  BoardDrawing drawing(puzzle, palette, unused_window, canvas);
  drawing.SetPaintSize(width, height);
  const int cell = puzzle.CellSize;

  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(Grey);
  canvas.SetBrushColor(palette.GifInnerColor);
  canvas.Rectangle(0, 0, width + 1, height + 1);
  drawing.DrawSurround(palette.GifBorderColor);
  for (int k = 1; k <= puzzle.SlotCount; ++k) drawing.DrawSlotCells(static_cast<std::uint8_t>(k), White);

  canvas.SetFont("Arial", PaintFontPixels);
  canvas.SetFontColor(Red);
  canvas.SetBrushColor(White);
  for (int row = 0; row < puzzle.SlotCount; ++row) {
    const int k = row + 1;
    DrawCellNumber(canvas, {puzzle.SlotX[k] * cell, puzzle.SlotY[k] * cell, cell - 1, cell - 1, PaintFontPixels},
                   puzzle.Clues.Number(row));
  }
  canvas.SetPenColor(Grey);
  canvas.Line(width - 1, 0, width - 1, height - 1);
  canvas.Line(width - 1, height - 1, 0, height - 1);
}

std::vector<std::string> PageBodyLines(const Puzzle& puzzle, const std::string& caption, const std::string& number,
                                       int width, int height) {
  const std::string list_heading =
      R"(<p align="left"><font color="#804040"  size="2" face="Times New Roman CE"><strong>)" + Utf8ToCp1251("По");
  std::vector<std::string> lines = {
      R"(<p align="center"><font color="#0000FF" face="Times New Roman CE"><strong>)",
      Escaped(caption),
      "</strong></font></p>",
      Cut(R"(<p align="center"><img src=")" + ExportPictureName(number) + R"(" width=")" + std::to_string(width) +
          R"(" height=")" + std::to_string(height) + R"("></p>)"),
      "",
      list_heading,
      Utf8ToCp1251("горизонтали:</strong></font> ")};
  const int across = LeadingAcrossCount(puzzle);
  AppendClueRows(lines, puzzle, 0, across);
  lines.push_back(list_heading);
  lines.push_back(Utf8ToCp1251("вертикали:</strong></font> "));
  AppendClueRows(lines, puzzle, across, puzzle.SlotCount);
  return lines;
}

std::string ExportPageName(const std::string& number) { return "gxp" + number + ".htm"; }

std::string ExportPictureName(const std::string& number) { return "pic" + number + ".gif"; }

ExportPage MakeExportPage(const Puzzle& puzzle, const std::string& caption, const std::string& template_folder,
                          const std::string& number, int width, int height) {
  ExportPage page;
  std::string start;
  page.start_error = ReadWholeFile(JoinPath(template_folder, "b0"), start);
  if (page.start_error) return page;
  AppendLines(page.text, SplitLines(start));
  AppendLines(page.text, PageBodyLines(puzzle, caption, number, width, height));
  std::string end;
  page.end_error = ReadWholeFile(JoinPath(template_folder, "b2"), end);
  if (!page.end_error) AppendLines(page.text, SplitLines(end));
  return page;
}


}  // namespace gx
