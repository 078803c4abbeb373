#pragma once
// The puzzle file *.gx: one record per slot, in slot order, with no header or count. A record is
// the slot's column, row, length, direction (0 across, anything else down) and clue number, one
// byte each, then the answer, a space and the clue in the letter code, ended by the byte 86.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/FixedString.h"
#include "core/Puzzle.h"
#include "base/FileError.h"
#include "files/LetterCode.h"

namespace gx {

struct PuzzleRecord {
  std::uint8_t x = 0;
  std::uint8_t y = 0;
  std::uint8_t length = 0;
  std::uint8_t vertical = 0;  // 0 or 1
  std::uint8_t number = 0;
  GeneralText text;  // answer, space, clue; characters beyond the 255th are dropped

  std::string_view Answer() const;  // before the first space (all of it cut to 24 by the table)
  std::string_view Clue() const;    // after the first space; the whole text when there is none
  bool FitsBoard() const;           // every cell within columns and rows 0..62
};

// Splits the bytes of a puzzle file into records, one byte at a time, so that a file can be read
// in blocks and left as soon as enough records are in.
class PuzzleParser {
 public:
  // True when the byte completed a record, which is then in Record().
  bool Feed(std::uint8_t byte);
  const PuzzleRecord& Record() const { return record_; }
  // At the end of the file: "Read beyond end of file" when it ends inside a record's five bytes.
  FileError Finish() const;
  // The file ended inside a record's text: that record is dropped.
  bool IncompleteDropped() const { return header_ == kHeader; }
  // Bytes of the texts that are no character of the code (each repeated the character before it).
  int UnreadableBytes() const { return decoder_.Unreadable(); }

 private:
  static constexpr int kHeader = 5;
  LetterDecoder decoder_{LetterDecoder::Rules::PuzzleFile};
  PuzzleRecord record_;
  int header_ = 0;  // bytes of the current record's header read so far
};

struct PuzzleFileContent {
  std::vector<PuzzleRecord> records;  // complete records, all of them
  bool incomplete_dropped = false;    // the last record lacked its end byte
  FileError error;                    // Read beyond end of file: a record cut inside its five bytes
};

// All records of the bytes of a puzzle file.
PuzzleFileContent ParsePuzzleFile(std::string_view bytes);

// What a load had to cut or mend to make a puzzle of the file. The window loads such a file and
// says what it cut; a file the program wrote never needs any of it.
struct PuzzleCuts {
  int off_board = 0;             // records with cells beyond the board, left out
  bool beyond_table = false;     // more records than the slot table holds: the rest left out
  int short_answers = 0;         // answers shorter than their slot: cells without a letter
  int long_answers = 0;          // answers longer than their slot: the letters beyond it not placed
  bool last_record_cut = false;  // the file ended inside a record's text: that record left out
  int unreadable_bytes = 0;      // text bytes that are no character, read as the one before
  bool Any() const {
    return off_board > 0 || beyond_table || short_answers > 0 || long_answers > 0 || last_record_cut ||
           unreadable_bytes > 0;
  }
};

struct PuzzleLoadResult {
  enum class Status { Loaded, Missing, Failed };
  Status status = Status::Failed;
  FileError error;                   // set when Failed
  std::vector<std::string> notices;  // what was cut or refused, for information boxes
  PuzzleCuts cuts;                   // when Loaded
};

// Far more than the program ever writes (255 records of at most 261 bytes); a larger file is
// refused unread.
constexpr std::uint64_t MaxPuzzleFileBytes = std::uint64_t{1} << 20;

// The model steps of a puzzle load: reads the file, checks every record against the tables, and
// only then resets the board and fills the slot table, the clue list and the cells from it, and
// counts the across slots. Missing file or read failure: the puzzle is not touched.
PuzzleLoadResult LoadPuzzleFile(Puzzle& puzzle, const std::string& path);
// The same for the bytes of a puzzle file already read (standard input); never Missing.
PuzzleLoadResult LoadPuzzleBytes(Puzzle& puzzle, std::string_view bytes);

// The bytes the save command writes for the current slot table and clue list.
std::string SerializePuzzle(const Puzzle& puzzle);
// Writes them to `path`, replacing any old file only when the new one is complete.
FileError SavePuzzleFile(const Puzzle& puzzle, const std::string& path);

// The highest leading number among the names of the *.gx files (any case) in `folder`, 0 if none.
std::uint16_t HighestPuzzleNumber(const std::string& folder);

// Texts of the window: the caption after a load or save and the missing-file notice (Windows-1251).
std::string PuzzleCaption(std::string_view file_name, int slot_count);
std::string MissingPuzzleMessage(std::string_view file_name);

}  // namespace gx
