#include "qt/ClueLine.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace gx {

namespace {
constexpr int SmallestPixelSize = 9;
}

std::string WholeClueText(const std::string& label_text, const std::string& current_clue) {
  const bool clue_start = !label_text.empty() && current_clue.size() > label_text.size() &&
                          current_clue.compare(0, label_text.size(), label_text) == 0;
  return clue_start ? current_clue : label_text;
}

void ShowFitted(QLabel& label, const QString& text, int base_pixel_size) {
  // The window shows its state after every command: refit only when the text or the room changed.
  const QVariant fitted_for = label.property("fittedWidth");
  if (label.text() == text && fitted_for.isValid() && fitted_for.toInt() == label.width()) return;
  label.setProperty("fittedWidth", label.width());
  label.setWordWrap(true);
  QFont font = label.font();
  const QRect room(0, 0, label.width(), 10000);
  for (int size = base_pixel_size; size >= SmallestPixelSize; --size) {
    font.setPixelSize(size);
    const QRect needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text);
    if (needed.height() <= label.height() && needed.width() <= label.width()) break;
  }
  label.setFont(font);
  label.setText(text);
  label.setToolTip(text);
}

}  // namespace gx
