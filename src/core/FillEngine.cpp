#include "core/FillEngine.h"

#include "core/EngineTexts.h"
#include "base/Rounding.h"
#include "core/WordIndex.h"

namespace gx {

namespace {

// Retries start this far before the end of the dictionary at the latest; past it they wrap to 1.
constexpr int kWrapMargin = 100;

// The first slot of the other direction that covers the given cell of the slot, or 0.
int CrossingSlotAt(const Puzzle& p, int slot, int cx, int cy) {
  const bool across = p.SlotVertical[slot] == 0;
  for (int k = 1; k <= p.SlotCount; ++k) {
    const int first = across ? p.SlotY[k] : p.SlotX[k];
    const int last = first + p.SlotLength[k] - 1;
    if (across && p.SlotVertical[k] == 1 && p.SlotX[k] == cx && first <= cy && cy <= last) return k;
    if (!across && p.SlotVertical[k] == 0 && p.SlotY[k] == cy && first <= cx && cx <= last) return k;
  }
  return 0;
}

class Filler {
 public:
  Filler(FillRun& run, WordSearch& search) : run_(run), p_(run.puzzle), search_(search) {}

  std::uint16_t Run() {
    p_.PlayActive = 0;
    p_.FillRunning = true;
    // Slots the user's letters fill whole stand from the start and count as filled.
    p_.PlacedCount = 0;
    for (int k = 1; k <= p_.SlotCount; ++k) {
      if (p_.SlotPlaced[k] != NotPlaced && !p_.SlotAnswer[k].empty()) ++p_.PlacedCount;
    }
    level_ = p_.MaxCrossings;
    search_.Prepare(run_.dictionary);
    for (;;) {
      const int slot = ChooseSlot();
      if (slot == 0) break;  // every slot is filled
      run_.host.ProcessEvents();
      if (!p_.FillRunning) break;
      if (!Serve(static_cast<std::uint8_t>(slot))) break;
    }
    return attempts_;
  }

 private:
  // The first empty slot with the most crossings still served; 0 when none is left.
  int ChooseSlot() {
    for (;;) {
      for (int k = 1; k <= p_.SlotCount; ++k) {
        run_.host.ProcessEvents();
        if (p_.SlotAnswer[k].empty() && p_.SlotCrossings[k] == level_) return k;
      }
      if (--level_ < 0) return 0;
    }
  }

  // One turn on a slot; false when the fill must end (attempts used up or stopped).
  bool Serve(std::uint8_t slot) {
    run_.painter.PaintSlot(slot, run_.colors.TryingWordColor);
    search_.FindWord(run_, slot, 1);
    if (Filled(slot)) return true;

    if (wrapped_) {
      search_.RequeueUsedWords(p_, run_.dictionary);
      wrapped_ = false;
      if (CountAttempt()) return false;
    }
    if (!FreeCrossingSlots(slot)) return false;

    int start = p_.SlotDictPos[slot] + 1;
    if (start > static_cast<int>(run_.dictionary.DictionaryCount) - kWrapMargin) {
      wrapped_ = true;
      start = 1;
    }
    search_.FindWord(run_, slot, static_cast<std::uint16_t>(start));
    if (!Filled(slot) && CountAttempt()) return false;
    // After a repair the search starts again from the most crossed slots.
    level_ = p_.MaxCrossings;
    return true;
  }

  bool Filled(std::uint8_t slot) {
    if (p_.SlotAnswer[slot].empty()) return false;
    run_.painter.PaintSlot(slot, run_.colors.FoundWordColor);
    return true;
  }

  // Counts one attempt and shows it; true when the attempts are used up.
  bool CountAttempt() {
    ++attempts_;
    run_.progress.Status(texts::FillAttemptsCaption(attempts_));
    return attempts_ >= run_.max_attempts;
  }

  // Removes the words of the slots crossing this one; false when the fill was stopped meanwhile.
  bool FreeCrossingSlots(std::uint8_t slot) {
    for (int t = 0; t < p_.SlotLength[slot]; ++t) {
      run_.host.ProcessEvents();
      if (!p_.FillRunning) return false;
      const int cx = p_.SlotCellX(slot, t), cy = p_.SlotCellY(slot, t);
      if (p_.Mask(cx, cy) != CrossingCell) continue;
      const int other = CrossingSlotAt(p_, slot, cx, cy);
      // The user's words are never freed: the search works around them.
      if (other == 0 || p_.SlotAnswer[other].empty() || p_.SlotPlaced[other] != NotPlaced) continue;
      UnfillSlot(p_, static_cast<std::uint8_t>(other), slot);
      run_.painter.PaintSlot(static_cast<std::uint8_t>(other), run_.colors.WordCellColor);
    }
    return true;
  }

  FillRun& run_;
  Puzzle& p_;
  WordSearch& search_;
  std::uint16_t attempts_ = 0;
  std::int16_t level_ = 0;
  bool wrapped_ = false;
};

}  // namespace

std::uint16_t FillSlots(FillRun& run, WordSearch& search) { return Filler(run, search).Run(); }

std::uint16_t FillSlots(FillRun& run) {
  if (run.search != nullptr) return FillSlots(run, *run.search);
  IndexedWordSearch search;
  return FillSlots(run, search);
}

void PlaceEntry(FillRun& run, std::uint8_t slot, std::uint16_t e, std::string_view word, std::string_view clue) {
  Puzzle& p = run.puzzle;
  ++p.PlacedCount;
  run.progress.Moved(static_cast<int>(ScaledRound(p.PlacedCount, p.SlotCount, kProgressScale)));
  p.SlotAnswer[slot] = word;
  p.Clues.SetCell(1, slot - 1, clue);
  p.SlotDictPos[slot] = e;
  for (int t = 0; t < p.SlotLength[slot] && t < static_cast<int>(word.size()); ++t) {
    p.SetLetter(p.SlotCellX(slot, t), p.SlotCellY(slot, t), word[t]);
  }
}

void UnfillSlot(Puzzle& p, std::uint8_t a, std::uint8_t b) {
  p.SlotAnswer[a].Clear();
  p.Clues.SetCell(1, a - 1, "");
  const bool across = p.SlotVertical[a] == 0;
  // The cell just past the end is included; it lies outside the grid and is already empty.
  for (int t = 0; t <= p.SlotLength[a]; ++t) {
    const int x = p.SlotCellX(a, t), y = p.SlotCellY(a, t);
    const bool on_cause_line = across ? x == p.SlotX[b] : y == p.SlotY[b];
    const bool other_word_gone = across ? p.Letter(x, y - 1) == NoLetter && p.Letter(x, y + 1) == NoLetter
                                        : p.Letter(x - 1, y) == NoLetter && p.Letter(x + 1, y) == NoLetter;
    // A crossing cell keeps its letter while the word of the other direction still stands there;
    // a letter the user placed always stays.
    if (p.Placed(x, y) != NoLetter) continue;
    if (p.Mask(x, y) < CrossingCell || on_cause_line || other_word_gone) p.SetLetter(x, y, NoLetter);
  }
  --p.PlacedCount;
}

std::string UsedEntry(const Puzzle& p, int slot) {
  return p.SlotPlaced[slot] == PlacedOwnWord ? std::string() : ReconstructedEntry(p, slot);
}

std::string ReconstructedEntry(const Puzzle& p, int slot) {
  std::string entry = p.SlotAnswer[slot].str();
  entry += p.Clues.Clue(slot - 1);
  return entry;
}

}  // namespace gx
