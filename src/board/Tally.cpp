#include "board/Tally.h"

#include <algorithm>

#include "board/CellPainting.h"
#include "core/PuzzleReady.h"
#include "base/Cp1251.h"

namespace gx {

namespace {

constexpr int kPauseMilliseconds = 1000;

}  // namespace

std::string ScoreText(std::uint16_t score) {
  std::string text = std::to_string(score);
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  return text;
}

bool IsGuessed(const Puzzle& puzzle, int slot) {
  return puzzle.SlotEntry[static_cast<std::size_t>(slot)] == puzzle.SlotAnswer[static_cast<std::size_t>(slot)];
}

int GuessedCount(const Puzzle& puzzle) {
  int guessed = 0;
  for (int k = 1; k <= puzzle.SlotCount; ++k) guessed += IsGuessed(puzzle, k) ? 1 : 0;
  return guessed;
}

int Tally::MarkWrongWords() {
  Canvas& canvas = board_.GetCanvas();
  int wrong = 0;
  for (int k = 1; k <= puzzle_.SlotCount; ++k) {
    if (IsGuessed(puzzle_, k)) continue;
    ++wrong;
    // Outline in the pen and letters in the font colour the board was left with.
    canvas.SetBrushColor(settings_.Colors.WrongWordColor);
    const AnswerText& entry = puzzle_.SlotEntry[static_cast<std::size_t>(k)];
    for (std::size_t t = 0; t < entry.size(); ++t) {
      const int x = puzzle_.SlotCellX(k, static_cast<int>(t));
      const int y = puzzle_.SlotCellY(k, static_cast<int>(t));
      PaintCellSquare(canvas, x, y);
      PaintCellText(canvas, x, y, std::string{' ', entry[t]});
    }
  }
  return wrong;
}

void Tally::TallyCommand() {
  // A tally that has shown its result is dismissed by the next one.
  if (window_.RewardVisible) {
    window_.RewardVisible = false;
    return;
  }
  if (window_.TallyVisible) {
    window_.TallyVisible = false;
    window_.ClueLineVisible = true;
    return;
  }
  // Without clues or answers every empty entry equals its empty answer: nothing to judge.
  if (!PuzzleReady(puzzle_)) {
    host_.ShowInformation(Utf8ToCp1251(NotReadyText));
    return;
  }
  const int wrong = MarkWrongWords();
  if (wrong > 0) {
    window_.TallyText = Utf8ToCp1251("Не угадано ") + std::to_string(wrong) + Utf8ToCp1251(" сл.");
    window_.ClueLineVisible = false;
    window_.TallyVisible = true;
    media_.PlaySound("e5");
    host_.Pause(kPauseMilliseconds);
    return;
  }
  record_.Solved = true;
  if (!puzzle_.RewardShown) Reward();
}

void Tally::Reward() {
  // Words that hold a revealed letter earn nothing; without reveals this is a point per ten words.
  const int points = SolvedPuzzlePoints(puzzle_, record_.Revealed);
  settings_.Score = static_cast<std::uint16_t>(std::min<int>(settings_.Score + points, kMaxScore));
  window_.ScoreText = ScoreText(settings_.Score);
  puzzle_.RewardShown = true;
  ++settings_.RewardPictureNo;
  if (settings_.RewardPictureNo > kRewardPictures) settings_.RewardPictureNo = 1;

  const std::string picture = settings_.ProgramDir.Pic("s" + std::to_string(settings_.RewardPictureNo) + ".jpg");
  // A picture that cannot be read is reported by the host; the points stay, the rest is skipped.
  if (!host_.LoadPicture(PictureControl::RewardPicture, picture)) return;
  window_.RewardVisible = true;
  media_.PlaySound("e6");
}

void Tally::ShowAnswersCommand() {
  if (!CluesWritten(puzzle_)) {
    host_.ShowInformation(Utf8ToCp1251(NotReadyText));
    return;
  }
  if (puzzle_.AnswersShown) {
    puzzle_.AnswersShown = false;
  } else {
    // Nine tenths guessed reveals for free; 10 g < 9 n is the exact form of g / n < 0.9.
    if (10 * GuessedCount(puzzle_) < 9 * puzzle_.SlotCount) {
      if (settings_.Score == 0) return;
      --settings_.Score;
      window_.ScoreText = ScoreText(settings_.Score);
    }
    puzzle_.AnswersShown = true;
  }
  if (puzzle_.AnswersShown) {
    puzzle_.PlayActive = 0;
    board_.DrawAnswers();
  } else {
    puzzle_.PlayActive = 1;
    board_.RedrawBoard();
  }
}

}  // namespace gx
