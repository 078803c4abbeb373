#pragma once
// How the fill engine shows its progress on the board: one slot painted in one colour.
// The board drawing implements it; batch runs pass a painter that draws nothing.

#include <cstdint>

#include "core/Settings.h"

namespace gx {

class SlotPainter {
 public:
  virtual ~SlotPainter() = default;
  virtual void PaintSlot(std::uint8_t slot, Color color) = 0;
};

class NullSlotPainter : public SlotPainter {
 public:
  void PaintSlot(std::uint8_t, Color) override {}
};

}  // namespace gx
