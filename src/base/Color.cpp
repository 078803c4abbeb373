#include "base/Color.h"

namespace gx {

Color& Palette::operator[](int index) {
  switch (index) {
    case BoardColorIndex: return BoardColor;
    case WordCellColorIndex: return WordCellColor;
    case FoundWordColorIndex: return FoundWordColor;
    case TryingWordColorIndex: return TryingWordColor;
    case WrongWordColorIndex: return WrongWordColor;
    case GifBorderColorIndex: return GifBorderColor;
    case GifInnerColorIndex: return GifInnerColor;
    default: return PrintBackColor;
  }
}

}  // namespace gx
