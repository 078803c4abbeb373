#include "files/PuzzleFile.h"

#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "files/Cp1251.h"
#include "files/FileIo.h"
#include "files/LetterCode.h"
#include "shell/NumberParsing.h"

namespace gx {

namespace {

constexpr int kRecordHeader = 5;

std::string Notice(const char* utf8_before, int number, const char* utf8_after) {
  return Utf8ToCp1251(utf8_before) + std::to_string(number) + Utf8ToCp1251(utf8_after);
}

// Which complete records can go into the tables; the others are left out with a notice.
std::vector<const PuzzleRecord*> SoundRecords(const PuzzleFileContent& content, std::vector<std::string>& notices) {
  std::vector<const PuzzleRecord*> sound;
  int position = 0;
  for (const PuzzleRecord& record : content.records) {
    ++position;
    if (!record.FitsBoard()) {
      notices.push_back(Notice("Слово ", position, " выходит за пределы поля и не загружено"));
      continue;
    }
    if (static_cast<int>(sound.size()) == MaxSlots) {
      notices.push_back(Notice("В файле больше ", MaxSlots, " слов: загружены первые " ) + std::to_string(MaxSlots));
      break;
    }
    sound.push_back(&record);
  }
  return sound;
}

void FillSlot(Puzzle& puzzle, int k, const PuzzleRecord& record) {
  puzzle.SlotX[k] = record.x;
  puzzle.SlotY[k] = record.y;
  puzzle.SlotLength[k] = record.length;
  puzzle.SlotVertical[k] = record.vertical;
  puzzle.SlotAnswer[k] = record.Answer();
  puzzle.SlotEntry[k].Clear();
  puzzle.Grid1.SetCell(0, k - 1, FormatClueNumber(record.number));
  puzzle.Grid1.SetCell(1, k - 1, " " + std::string(record.Clue().substr(0, EntryText::capacity())));
}

// Cells beyond the end of a short answer join the grid without a letter of their own.
bool PlaceAnswer(Puzzle& puzzle, int k) {
  const AnswerText& answer = puzzle.SlotAnswer[k];
  for (int t = 0; t < puzzle.SlotLength[k]; ++t) {
    int x = puzzle.SlotCellX(k, t);
    int y = puzzle.SlotCellY(k, t);
    if (t < static_cast<int>(answer.size())) puzzle.SetLetter(x, y, answer[t]);
    puzzle.SetMask(x, y, GridCell);
  }
  return answer.size() >= puzzle.SlotLength[k];
}

}  // namespace

std::string_view PuzzleRecord::Answer() const {
  std::string_view whole = text.view();
  std::size_t space = whole.find(' ');
  return space == std::string_view::npos ? std::string_view{} : whole.substr(0, space);
}

std::string_view PuzzleRecord::Clue() const {
  std::string_view whole = text.view();
  std::size_t space = whole.find(' ');
  return space == std::string_view::npos ? whole : whole.substr(space + 1);
}

bool PuzzleRecord::FitsBoard() const {
  int last = length > 0 ? length - 1 : 0;
  int end_x = vertical ? x : x + last;
  int end_y = vertical ? y + last : y;
  return end_x <= MaxBoardInUse - 1 && end_y <= MaxBoardInUse - 1;
}

PuzzleFileContent ParsePuzzleFile(std::string_view bytes) {
  PuzzleFileContent content;
  LetterDecoder decoder(LetterDecoder::Rules::PuzzleFile);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    if (bytes.size() - pos < kRecordHeader) {
      content.error = FileError(FileError::ReadBeyondEnd);
      return content;
    }
    PuzzleRecord record;
    record.x = static_cast<std::uint8_t>(bytes[pos]);
    record.y = static_cast<std::uint8_t>(bytes[pos + 1]);
    record.length = static_cast<std::uint8_t>(bytes[pos + 2]);
    record.vertical = bytes[pos + 3] != 0 ? 1 : 0;
    record.number = static_cast<std::uint8_t>(bytes[pos + 4]);
    pos += kRecordHeader;
    bool ended = false;
    while (pos < bytes.size() && !ended) {
      ended = !decoder.Feed(static_cast<std::uint8_t>(bytes[pos++]), record.text);
    }
    if (!ended) {
      content.incomplete_dropped = true;
      return content;
    }
    content.records.push_back(record);
  }
  return content;
}

PuzzleLoadResult LoadPuzzleFile(Puzzle& puzzle, const std::string& path) {
  PuzzleLoadResult result;
  if (!FileExists(path)) {
    result.status = PuzzleLoadResult::Status::Missing;
    return result;
  }
  std::string bytes;
  result.error = ReadWholeFile(path, bytes);
  PuzzleFileContent content;
  if (!result.error) content = ParsePuzzleFile(bytes);
  if (!result.error) result.error = content.error;
  if (result.error) return result;

  std::vector<const PuzzleRecord*> sound = SoundRecords(content, result.notices);
  puzzle.ResetBoard();
  int count = static_cast<int>(sound.size());
  for (int k = 1; k <= count; ++k) FillSlot(puzzle, k, *sound[k - 1]);
  puzzle.SlotCount = static_cast<std::uint8_t>(count);
  puzzle.Grid1.SetRowCount(count);
  for (int k = 1; k <= count; ++k) {
    if (!PlaceAnswer(puzzle, k)) {
      result.notices.push_back(Notice("Ответ слова ", k, " короче слова: его клетки остались без букв"));
    }
  }
  puzzle.CountAcrossSlots();
  result.status = PuzzleLoadResult::Status::Loaded;
  return result;
}

std::string SerializePuzzle(const Puzzle& puzzle) {
  std::string bytes;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    bytes.push_back(static_cast<char>(puzzle.SlotX[k]));
    bytes.push_back(static_cast<char>(puzzle.SlotY[k]));
    bytes.push_back(static_cast<char>(puzzle.SlotLength[k]));
    bytes.push_back(static_cast<char>(puzzle.SlotVertical[k] != 0 ? 1 : 0));
    bytes.push_back(static_cast<char>(ParseNumber8(puzzle.Grid1.Number(k - 1).substr(0, 3))));
    std::string text = puzzle.SlotAnswer[k].str() + std::string(puzzle.Grid1.Clue(k - 1));
    EncodeText(std::string_view(text).substr(0, GeneralText::capacity()), bytes);
  }
  return bytes;
}

FileError SavePuzzleFile(const Puzzle& puzzle, const std::string& path) {
  return ReplaceFile(path, SerializePuzzle(puzzle));
}

std::uint16_t HighestPuzzleNumber(const std::string& folder) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
  if (!dir) return 0;
  std::int16_t highest = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    std::string_view name = entry->d_name;
    if (name.size() < 3) continue;
    std::string_view suffix = name.substr(name.size() - 3);
    if (suffix[0] != '.' || (suffix[1] | 0x20) != 'g' || (suffix[2] | 0x20) != 'x') continue;
    auto value = static_cast<std::int16_t>(ParseNumber16(name.substr(0, name.find('.'))));
    highest = std::max(highest, value);
  }
  return static_cast<std::uint16_t>(highest);
}

std::string NameInDataFolder(std::string_view path) {
  constexpr std::size_t kMaxName = 16;
  std::string unified(path);
  std::replace(unified.begin(), unified.end(), '/', '\\');
  std::size_t at = unified.find("\\data\\");
  if (at == std::string::npos) at = unified.find("\\DATA\\");
  std::string name;
  if (at != std::string::npos) name = unified.substr(at + 6);
  if (at == std::string::npos || name.find('\\') != std::string::npos) {
    std::size_t slash = unified.rfind('\\');
    name = slash == std::string::npos ? unified : unified.substr(slash + 1);
  }
  return name.substr(0, kMaxName);
}

std::string PuzzleCaption(std::string_view file_name, int slot_count) {
  return Utf8ToCp1251("Кроссворд из файла ") + std::string(file_name) + " " + std::to_string(slot_count) +
         Utf8ToCp1251(" сл");
}

std::string MissingPuzzleMessage(std::string_view file_name) {
  return Utf8ToCp1251("Нет файла ") + std::string(file_name);
}

}  // namespace gx
