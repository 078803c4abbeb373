#pragma once
// The rows of the colour palette window: each shows one of the eight program colours beside its
// label. The rows follow the screen's order, which differs from the settings file's order (the
// GIF border comes before the GIF inner field there, after it here).

#include <array>
#include <string>

#include "base/Host.h"
#include "core/Settings.h"

namespace gx {

constexpr int PaletteRowCount = 8;

// The colour each row shows, top to bottom.
constexpr std::array<PaletteIndex, PaletteRowCount> PaletteRowColors = {
    BoardColorIndex,   WordCellColorIndex,  FoundWordColorIndex, TryingWordColorIndex,
    WrongWordColorIndex, GifInnerColorIndex, GifBorderColorIndex, PrintBackColorIndex};

// The label of a row (0-based), in Windows-1251.
std::string PaletteRowLabel(int row);
Color PaletteRowColor(const Palette& palette, int row);

// A click on a row's panel: the colour dialog preset with the row's colour; a confirmed choice
// becomes the row's colour, a cancelled one changes nothing. True when the colour was set.
bool ChoosePaletteColor(Palette& palette, int row, Host& host);

}  // namespace gx
