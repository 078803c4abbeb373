#pragma once
// Judging the solver's work: the tally (Enter) counts the words not yet guessed or rewards a
// solved puzzle once with points and a picture; the answers command (F9) shows or hides the
// answers, at the price of a point unless nine tenths of the words are guessed.

#include <cstdint>
#include <string>

#include "board/BoardDrawing.h"
#include "board/SolvingRecord.h"
#include "board/WordMedia.h"
#include "base/Host.h"
#include "core/Puzzle.h"
#include "core/Settings.h"
#include "base/WindowState.h"

namespace gx {

constexpr std::uint16_t kMaxScore = 999;
constexpr std::uint8_t kRewardPictures = 17;

// The score as shown under the answers button: 3 characters, right-aligned.
std::string ScoreText(std::uint16_t score);
// A word is guessed when what was typed equals its answer byte for byte.
bool IsGuessed(const Puzzle& puzzle, int slot);
int GuessedCount(const Puzzle& puzzle);

class Tally {
 public:
  Tally(Puzzle& puzzle, SolvingRecord& record, Settings& settings, WindowState& window, BoardDrawing& board,
        WordMedia& media, Host& host)
      : puzzle_(puzzle),
        record_(record),
        settings_(settings),
        window_(window),
        board_(board),
        media_(media),
        host_(host) {}

  void TallyCommand();
  void ShowAnswersCommand();

 private:
  int MarkWrongWords();
  void Reward();

  Puzzle& puzzle_;
  SolvingRecord& record_;
  Settings& settings_;
  WindowState& window_;
  BoardDrawing& board_;
  WordMedia& media_;
  Host& host_;
};

}  // namespace gx
