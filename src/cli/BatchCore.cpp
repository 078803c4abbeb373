#include "cli/BatchCore.h"

namespace gx::cli {

BatchCore::BatchCore(RandomSource& random, int board) : core_({}, host_, canvas_, random) {
  core_.SetBoardRoom(kCellSize * board, kCellSize * board);
  core_.builds_.SetFillObserver([this](const FillReport& report) {
    taken_ = BatchFill{report, std::make_unique<Puzzle>(core_.State().puzzle)};
  });
}

BatchFill BatchCore::Taken(const FillReport& report) {
  BatchFill fill = taken_ ? std::move(*taken_) : BatchFill{report, nullptr};
  taken_.reset();
  return fill;
}

BatchFill BatchCore::Build() { return Taken(core_.builds_.Build()); }

BatchFill BatchCore::Refill() { return Taken(core_.builds_.Refill()); }

BatchFill BatchCore::FillAround() { return Taken(core_.builds_.FillAround()); }

}  // namespace gx::cli
