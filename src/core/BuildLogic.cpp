#include "core/BuildLogic.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "core/Extraction.h"
#include "core/Generator.h"

namespace gx {

std::uint8_t BoundedMinSlotCount(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, kMinAcceptedSlots, kMaxGeneratedSlots));
}

bool IsAcceptableGrid(const Puzzle& p, std::uint8_t min_slot_count) {
  const int slots = p.SlotCount;
  if (slots < min_slot_count || slots > kMaxGeneratedSlots) return false;
  const int cx = static_cast<std::uint8_t>(p.BoardCols) / 2, cy = static_cast<std::uint8_t>(p.BoardRows) / 2;
  // The eight symmetries give every slot four images, except the two slots through the centre.
  const int paired = p.Mask(cx, cy) != Background ? slots - 2 : slots;
  return paired % 4 == 0;
}

GridSearch GenerateAcceptableGrid(Puzzle& p, RandomSource& random, Host& host, std::uint8_t min_slot_count,
                                  unsigned max_generations) {
  GridSearch search;
  while (search.generations < max_generations) {
    ++search.generations;
    if (GenerateGrid(p, random, host) == GenerateStatus::DrawsExhausted) {
      search.outcome = GridSearchOutcome::DrawsExhausted;
      return search;
    }
    if (IsAcceptableGrid(p, min_slot_count)) {
      search.outcome = GridSearchOutcome::Accepted;
      return search;
    }
  }
  search.outcome = GridSearchOutcome::NoAcceptableGrid;
  return search;
}

void PruneUnusedCells(Puzzle& p) {
  std::array<bool, BoardStorage * BoardStorage> covered{};
  for (int k = 1; k <= p.SlotCount; ++k) {
    for (int t = 0; t < p.SlotLength[k]; ++t) {
      const int x = p.SlotCellX(k, t), y = p.SlotCellY(k, t);
      if (Puzzle::OnStorage(x, y)) covered[Puzzle::Index(x, y)] = true;
    }
  }
  const int rows = static_cast<std::uint8_t>(p.BoardRows), cols = static_cast<std::uint8_t>(p.BoardCols);
  auto demote = [&p](int x, int y) {
    if (p.Mask(x, y) == CrossingCell) p.SetMask(x, y, GridCell);
  };
  for (int y = 0; y <= rows; ++y) {
    for (int x = 0; x <= cols; ++x) {
      if (p.Mask(x, y) == Background || !Puzzle::OnStorage(x, y) || covered[Puzzle::Index(x, y)]) continue;
      p.SetMask(x, y, Background);
      if (x > 0) demote(x - 1, y);
      if (y > 0) demote(x, y - 1);
      demote(x + 1, y);
      demote(x, y + 1);
    }
  }
}

void ClearLettersAndAnswers(Puzzle& p, Host& host) {
  host.ProcessEvents();
  p.CellLetter.fill(NoLetter);
  for (auto& answer : p.SlotAnswer) answer.Clear();
  // The letters the user placed stay for a later fill around them, but this fill ignores them.
  p.SlotPlaced.fill(NotPlaced);
}

FillOutcome FillAndRequeue(FillRun& run) {
  Puzzle& p = run.puzzle;
  FillOutcome outcome;
  outcome.ran = true;
  outcome.attempts = FillSlots(run);
  if (run.search != nullptr) {
    run.search->RequeueUsedWords(p, run.dictionary);
  } else {
    RequeueUsedWords(p, run.dictionary);
  }
  if (p.PlacedCount < p.SlotCount && p.FillRunning) p.FillRunning = false;
  outcome.complete = p.FillRunning;
  outcome.placed = p.PlacedCount;
  outcome.slot_count = p.SlotCount;
  if (!outcome.complete) {
    outcome.shortfall = FindDictionaryShortfall(p, run.dictionary);
    if (outcome.shortfall.cause == FillShortfall::Cause::None) {
      const bool used_up = outcome.attempts >= run.max_attempts;
      outcome.shortfall.cause = used_up ? FillShortfall::Cause::AttemptsUsedUp : FillShortfall::Cause::Stopped;
      outcome.shortfall.attempts = outcome.attempts;
    }
  }
  return outcome;
}

FillShortfall FindDictionaryShortfall(const Puzzle& p, const DictionaryStore& dictionary) {
  std::array<int, 256> needed{};
  for (int k = 1; k <= p.SlotCount; ++k) ++needed[p.SlotLength[k]];
  std::array<std::set<std::string_view>, 256> words;
  for (int e = 1; e <= dictionary.DictionaryCount; ++e) {
    const std::string_view word = EntryWord(dictionary.Entry(e));
    if (word.size() < words.size() && needed[word.size()] > 0) words[word.size()].insert(word);
  }
  FillShortfall shortfall;
  for (std::size_t length = 1; length < needed.size(); ++length) {
    const int have = static_cast<int>(words[length].size());
    if (have >= needed[length]) continue;
    shortfall.cause = have == 0 ? FillShortfall::Cause::NoWordsOfLength : FillShortfall::Cause::TooFewWordsOfLength;
    shortfall.length = static_cast<int>(length);
    shortfall.words = have;
    shortfall.needed = needed[length];
    break;
  }
  return shortfall;
}

RefillSlots CheckRefillSlots(const Puzzle& p) {
  RefillSlots slots;
  if (p.SlotCount < kMinAcceptedSlots) {
    slots.check = RefillCheck::TooFewSlots;
  } else if (p.SlotCount > kMaxRefillSlots) {
    slots.check = RefillCheck::TooManySlots;
  } else {
    for (int k = 1; k <= p.SlotCount; ++k) {
      if (p.SlotLength[k] > kMaxRefillSlotLength) slots.long_slots.push_back(static_cast<std::uint8_t>(k));
    }
    if (!slots.long_slots.empty()) slots.check = RefillCheck::SlotsTooLong;
  }
  return slots;
}

}  // namespace gx
