#include "shell/Palette.h"

#include "base/Cp1251.h"

namespace gx {

std::string PaletteRowLabel(int row) {
  static constexpr std::array<const char*, PaletteRowCount> labels = {
      "Поле (фон) главной формы",
      "Ячейка слова",
      "Подобранное слово",
      "Подбираемое слово",
      "Неверно или не полностью введенное",
      "Внутреннее поле в GIF (HTML)",
      "Окантовка в GIF (HTML)",
      "Поле (фон) при прямой печати"};
  if (row < 0 || row >= PaletteRowCount) return {};
  return Utf8ToCp1251(labels[static_cast<std::size_t>(row)]);
}

Color PaletteRowColor(const Palette& palette, int row) {
  if (row < 0 || row >= PaletteRowCount) return 0;
  return palette[PaletteRowColors[static_cast<std::size_t>(row)]];
}

bool ChoosePaletteColor(Palette& palette, int row, Host& host) {
  if (row < 0 || row >= PaletteRowCount) return false;
  Color& value = palette[PaletteRowColors[static_cast<std::size_t>(row)]];
  const std::optional<Color> chosen = host.ColorDialog(value);
  if (!chosen) return false;
  value = *chosen & 0xFFFFFF;
  return true;
}

}  // namespace gx
