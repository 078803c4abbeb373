#include "files/PuzzleFile.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "base/NumberParsing.h"

namespace gx {

namespace {

std::string Notice(const char* utf8_before, int number, const char* utf8_after = "") {
  return Utf8ToCp1251(utf8_before) + std::to_string(number) + Utf8ToCp1251(utf8_after);
}

// The records that can go into the tables, read until the file ends or the table is full; records
// off the board are left out and counted.
class SoundRecords {
 public:
  // False once the table is full and one more record has come.
  bool Take(const PuzzleRecord& record) {
    if (!record.FitsBoard()) {
      ++off_board_;
      return true;
    }
    if (static_cast<int>(records_.size()) == MaxSlots) {
      more_than_table_ = true;
      return false;
    }
    records_.push_back(record);
    return true;
  }
  const std::vector<PuzzleRecord>& records() const { return records_; }
  int OffBoard() const { return off_board_; }
  void AddNotices(std::vector<std::string>& notices) const {
    if (off_board_ > 0) notices.push_back(Notice("Не загружены слова за пределами поля: ", off_board_));
    if (more_than_table_) notices.push_back(Notice("В файле больше ", MaxSlots, " слов: загружены первые 255"));
  }

 private:
  std::vector<PuzzleRecord> records_;
  int off_board_ = 0;
  bool more_than_table_ = false;
};

void FillSlot(Puzzle& puzzle, int k, const PuzzleRecord& record) {
  puzzle.SlotX[k] = record.x;
  puzzle.SlotY[k] = record.y;
  puzzle.SlotLength[k] = record.length;
  puzzle.SlotVertical[k] = record.vertical;
  puzzle.SlotAnswer[k] = record.Answer();
  puzzle.SlotEntry[k].Clear();
  puzzle.Clues.SetCell(0, k - 1, FormatClueNumber(record.number));
  puzzle.Clues.SetCell(1, k - 1, " " + std::string(record.Clue().substr(0, EntryText::capacity())));
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
  // An empty view that still points into the text: copying it must never see a null pointer.
  return whole.substr(0, space == std::string_view::npos ? 0 : space);
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

bool PuzzleParser::Feed(std::uint8_t byte) {
  if (header_ < kHeader) {
    switch (header_++) {
      case 0:
        record_ = PuzzleRecord();
        record_.x = byte;
        break;
      case 1: record_.y = byte; break;
      case 2: record_.length = byte; break;
      case 3: record_.vertical = byte != 0 ? 1 : 0; break;
      default: record_.number = byte; break;
    }
    return false;
  }
  if (decoder_.Feed(byte, record_.text)) return false;
  header_ = 0;
  return true;
}

FileError PuzzleParser::Finish() const {
  return header_ > 0 && header_ < kHeader ? FileError(FileError::ReadBeyondEnd) : FileError();
}

PuzzleFileContent ParsePuzzleFile(std::string_view bytes) {
  PuzzleFileContent content;
  PuzzleParser parser;
  for (char byte : bytes) {
    if (parser.Feed(static_cast<std::uint8_t>(byte))) content.records.push_back(parser.Record());
  }
  content.error = parser.Finish();
  content.incomplete_dropped = parser.IncompleteDropped();
  return content;
}

namespace {

// The records of a puzzle file as they come in, fed block by block: reading stops once the table
// is full.
class RecordLoad {
 public:
  // False once the table is full: the rest of the file need not be read.
  bool Feed(const std::uint8_t* data, std::size_t count) {
    for (std::size_t i = 0; i < count && !table_full_; ++i) {
      if (parser_.Feed(data[i])) table_full_ = !sound_.Take(parser_.Record());
    }
    return !table_full_;
  }

  // Fills the puzzle from the records; the file's error, if any, leaves it untouched.
  PuzzleLoadResult Finish(Puzzle& puzzle, FileError read_error) const {
    PuzzleLoadResult result;
    result.error = read_error;
    if (!result.error && !table_full_) result.error = parser_.Finish();
    if (result.error) return result;

    sound_.AddNotices(result.notices);
    result.cuts.off_board = sound_.OffBoard();
    result.cuts.beyond_table = table_full_;
    result.cuts.last_record_cut = !table_full_ && parser_.IncompleteDropped();
    result.cuts.unreadable_bytes = parser_.UnreadableBytes();
    puzzle.ResetBoard();
    int count = static_cast<int>(sound_.records().size());
    for (int k = 1; k <= count; ++k) FillSlot(puzzle, k, sound_.records()[k - 1]);
    puzzle.SlotCount = static_cast<std::uint8_t>(count);
    puzzle.Clues.SetRowCount(count);
    int short_answers = 0;
    for (int k = 1; k <= count; ++k) {
      if (!PlaceAnswer(puzzle, k)) ++short_answers;
      if (sound_.records()[k - 1].Answer().size() > puzzle.SlotLength[k]) ++result.cuts.long_answers;
    }
    if (short_answers > 0) result.notices.push_back(Notice("Слов с ответом короче слова: ", short_answers));
    result.cuts.short_answers = short_answers;
    puzzle.CountAcrossSlots();
    result.status = PuzzleLoadResult::Status::Loaded;
    return result;
  }

 private:
  PuzzleParser parser_;
  SoundRecords sound_;
  bool table_full_ = false;
};

}  // namespace

PuzzleLoadResult LoadPuzzleFile(Puzzle& puzzle, const std::string& path) {
  if (!FileExists(path)) {
    PuzzleLoadResult result;
    result.status = PuzzleLoadResult::Status::Missing;
    return result;
  }
  RecordLoad load;
  std::uint64_t size = 0;
  const FileError error = ReadFileBlocks(
      path, size, [&load](const std::uint8_t* data, std::size_t count) { return load.Feed(data, count); },
      MaxPuzzleFileBytes);
  return load.Finish(puzzle, error);
}

PuzzleLoadResult LoadPuzzleBytes(Puzzle& puzzle, std::string_view bytes) {
  RecordLoad load;
  FileError error;
  if (bytes.size() > MaxPuzzleFileBytes) {
    error = FileError(FileError::FileTooLarge);
  } else {
    load.Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  return load.Finish(puzzle, error);
}

std::string SerializePuzzle(const Puzzle& puzzle) {
  std::string bytes;
  for (int k = 1; k <= puzzle.SlotCount; ++k) {
    bytes.push_back(static_cast<char>(puzzle.SlotX[k]));
    bytes.push_back(static_cast<char>(puzzle.SlotY[k]));
    bytes.push_back(static_cast<char>(puzzle.SlotLength[k]));
    bytes.push_back(static_cast<char>(puzzle.SlotVertical[k] != 0 ? 1 : 0));
    bytes.push_back(static_cast<char>(ParseNumber8(puzzle.Clues.Number(k - 1).substr(0, 3))));
    std::string_view clue = puzzle.Clues.Clue(k - 1);
    std::string text = puzzle.SlotAnswer[k].str();
    // A clue emptied by an unfinished fill has lost its separating space; without it the answer
    // would read back as the clue.
    if (!text.empty() && (clue.empty() || clue[0] != ' ')) text.push_back(' ');
    text += clue;
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

std::string PuzzleCaption(std::string_view file_name, int slot_count) {
  return Utf8ToCp1251("Кроссворд из файла ") + std::string(file_name) + " " + std::to_string(slot_count) +
         Utf8ToCp1251(" сл");
}

std::string MissingPuzzleMessage(std::string_view file_name) {
  return Utf8ToCp1251("Нет файла ") + std::string(file_name);
}

}  // namespace gx
