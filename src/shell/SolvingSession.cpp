#include "shell/SolvingSession.h"

#include <algorithm>
#include <chrono>

#include "base/Cp1251.h"
#include "base/FileIo.h"
#include "core/PuzzleReady.h"

namespace gx {

namespace {

// The file without its time: what changes only when letters, reveals or the solved mark do.
std::string LettersOf(KeptSolving kept, std::string_view key) {
  kept.record.ElapsedMs = 0;
  return SerializeProgress(kept, key);
}

}  // namespace

std::int64_t SolvingSession::SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::int64_t SolvingSession::ElapsedMs() const {
  const std::int64_t counted = state_.solving.ElapsedMs;
  return running_since_ ? counted + std::max<std::int64_t>(0, clock_() - *running_since_) : counted;
}

void SolvingSession::Sync(bool busy) {
  const bool loaded = state_.PuzzleLoads != loads_seen_;
  const bool saved = state_.PuzzleSaves != saves_seen_;
  loads_seen_ = state_.PuzzleLoads;
  saves_seen_ = state_.PuzzleSaves;
  std::string content = PuzzleReady(state_.puzzle) ? PuzzleContent(state_.puzzle) : std::string();
  if (content != content_ || loaded) {
    TakeNewPuzzle(std::move(content), loaded);
  } else if (saved && !content_.empty() && !kept_) {
    kept_ = true;  // a built puzzle just saved is kept from now on, with what was typed so far
    kept_content_ = content_;
  }
  if (kept_) Save(false);
  UpdateClock(busy);
  ShowTime();
}

void SolvingSession::TakeNewPuzzle(std::string content, bool loaded) {
  // The puzzle of before is gone (or is read again): its letters were written as they changed,
  // only the time counted since is still to be kept.
  if (kept_ && file_exists_) {
    KeptSolving last = written_;
    last.record.ElapsedMs = ElapsedMs();
    if (last.record.ElapsedMs != written_.record.ElapsedMs) Write(last);
  }
  running_since_.reset();
  const bool returning = !loaded && !content.empty() && content == kept_content_;
  content_ = std::move(content);
  key_ = content_.empty() ? std::string() : ProgressKey(state_.puzzle);
  kept_ = (loaded || returning) && !content_.empty();
  if (kept_) kept_content_ = content_;
  damaged_ = false;
  failure_reported_ = false;
  file_exists_ = false;
  state_.solving.Clear();
  written_ = KeptSolving{};
  written_letters_ = LettersOf(written_, key_);
  if (loaded && kept_) Restore();
  if (returning) Rejoin();
}

// The letters are those the puzzle came back with; the file gives the rest of its record.
void SolvingSession::Rejoin() {
  KeptSolving kept;
  if (ReadKept(kept)) state_.solving = kept.record;
}

void SolvingSession::Restore() {
  KeptSolving kept;
  if (!ReadKept(kept)) return;
  ApplyProgress(kept, state_.puzzle, state_.solving);
  Puzzle& puzzle = state_.puzzle;
  // Its reward was paid when it was solved: loading it again must not pay it twice.
  if (kept.record.Solved) puzzle.RewardShown = true;
  puzzle.TypedCount = 0;
  puzzle.TypedText.Clear();
  board_.RedrawBoard();
}

bool SolvingSession::ReadKept(KeptSolving& kept) {
  switch (ReadProgress(state_.settings.ProgramDir.ProgressFolder(), state_.puzzle, key_, kept)) {
    case ProgressRead::None: return false;
    case ProgressRead::Damaged:
      // Left where it is until a sound file has to replace it; then it is kept aside first.
      damaged_ = true;
      file_exists_ = true;
      return false;
    case ProgressRead::Read: break;
  }
  file_exists_ = true;
  written_ = kept;
  written_letters_ = LettersOf(kept, key_);
  return true;
}

void SolvingSession::Save(bool with_time) {
  if (!kept_) return;
  KeptSolving now = TakeSolving(state_.puzzle, state_.solving);
  now.record.ElapsedMs = ElapsedMs();
  const std::string letters = LettersOf(now, key_);
  const bool letters_changed = letters != written_letters_;
  // Time alone is written only beside letters already kept, so a puzzle merely looked at leaves
  // no file behind.
  const bool time_due = with_time && now.record.ElapsedMs != written_.record.ElapsedMs &&
                        (file_exists_ || !now.entries.empty() || !now.record.Revealed.Empty());
  if (!letters_changed && !time_due) return;
  if (Write(now)) written_letters_ = letters;
}

bool SolvingSession::Write(const KeptSolving& kept) {
  const std::string folder = state_.settings.ProgramDir.ProgressFolder();
  FileError error;
  std::string path = JoinPath(folder, ProgressFileName(key_));
  if (damaged_ && !KeepDamagedFileAside()) return false;
  error = WriteProgress(folder, key_, SerializeProgress(kept, key_));
  if (error) {
    // Once per puzzle: the letters stay on screen, and the next change tries again.
    if (!failure_reported_) host_.ShowError(error.TextAbout(path));
    failure_reported_ = true;
    return false;
  }
  written_ = kept;
  file_exists_ = true;
  return true;
}

// A progress file that did not check out is copied to NAME.bad before a sound one replaces it:
// it may be the user's, and the program replaces only what it can prove it wrote.
bool SolvingSession::KeepDamagedFileAside() {
  const std::string path = JoinPath(state_.settings.ProgramDir.ProgressFolder(), ProgressFileName(key_));
  std::string bytes;
  FileError error = ReadWholeFile(path, bytes);
  if (error == FileError(FileError::FileNotFound)) error = FileError();  // gone meanwhile: nothing to keep
  else if (!error) error = ReplaceFile(path + ".bad", bytes);
  if (error) {
    if (!failure_reported_) host_.ShowError(error.TextAbout(path));
    failure_reported_ = true;
    return false;
  }
  damaged_ = false;
  return true;
}

void SolvingSession::UpdateClock(bool busy) {
  const Puzzle& puzzle = state_.puzzle;
  const bool run = active_ && !busy && !content_.empty() && puzzle.PlayActive == 1 && !puzzle.AnswersShown &&
                   !state_.solving.Solved;
  if (run && !running_since_) {
    running_since_ = clock_();
  } else if (!run && running_since_) {
    state_.solving.ElapsedMs = ElapsedMs();
    running_since_.reset();
  }
}

void SolvingSession::ShowTime() {
  std::string& text = state_.window.SolvingTimeText;
  if (content_.empty()) {
    text.clear();
    return;
  }
  text = Utf8ToCp1251(state_.solving.Solved ? "Решено за " : "Время ") + SolvingTimeText(ElapsedMs());
}

void SolvingSession::WindowActive(bool active, bool busy) {
  active_ = active;
  UpdateClock(busy);
  if (!active) Save(true);
  ShowTime();
}

void SolvingSession::Tick(bool busy) {
  UpdateClock(busy);
  ShowTime();
}

void SolvingSession::Restart() {
  state_.solving.Clear();
  if (running_since_) running_since_ = clock_();
}

void SolvingSession::Close() {
  UpdateClock(true);
  Save(true);
}

}  // namespace gx
