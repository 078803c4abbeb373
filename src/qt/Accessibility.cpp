#include "qt/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include "board/BoardColors.h"
#include "board/BoardDrawing.h"
#include "core/Puzzle.h"
#include "qt/QtText.h"

namespace gx {

namespace {

bool IsControl(const QWidget* widget) {
  // The parts Qt builds inside a combo box or a table are named by their owner.
  if (qobject_cast<const QComboBox*>(widget->parent()) || qobject_cast<const QAbstractItemView*>(widget->parent()))
    return false;
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QLineEdit*>(widget);
}

// "Помощь (F1)" is read as "Помощь": the key stays in the description.
QString WithoutKey(const QString& hint) {
  static const QRegularExpression key(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
  QString name = hint;
  name.remove(key);
  return name.trimmed();
}

}  // namespace

void NameControlsForScreenReaders(QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    if (!IsControl(widget)) continue;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const QString text = button ? button->text() : QString();
    const QString hint = widget->toolTip().isEmpty() ? text : widget->toolTip();
    if (widget->accessibleName().isEmpty()) widget->setAccessibleName(text.isEmpty() ? WithoutKey(hint) : text);
    if (widget->accessibleDescription().isEmpty()) widget->setAccessibleDescription(hint);
  }
}

void NameAfterHint(QWidget& widget, const QString& hint) {
  widget.setAccessibleName(WithoutKey(hint));
  widget.setAccessibleDescription(hint);
}

QString CurrentWordAnnouncement(const Puzzle& puzzle) {
  const int row = puzzle.Clues.CurrentRow();
  if (puzzle.Clues.RowCount() <= 0 || puzzle.Clues.Cell(0, row).empty()) return {};
  const QString direction =
      ClueRowColor(puzzle, row) == Silver ? QStringLiteral("по вертикали") : QStringLiteral("по горизонтали");
  return QStringLiteral("%1 %2: %3")
      .arg(FromCp1251(puzzle.Clues.Cell(0, row)).trimmed(), direction, FromCp1251(puzzle.Clues.Cell(1, row)).trimmed());
}

void Announce(QWidget& widget, const QString& description) {
  if (widget.accessibleDescription() == description) return;
  widget.setAccessibleDescription(description);
  QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace gx
