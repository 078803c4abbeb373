#pragma once
// What a screen reader hears from the main window: a name and a description for every button and
// field, taken from its hint, and the current word announced when it changes.

#include <QString>

class QWidget;

namespace gx {

struct Puzzle;

// Gives every control under the root that has a hint or a text but no accessible name one: the hint
// without its key in brackets as the name, the whole hint as the description.
void NameControlsForScreenReaders(QWidget& root);

// Names one control after its hint: the hint without its key in brackets, the whole hint as description.
void NameAfterHint(QWidget& widget, const QString& hint);

// "12 по горизонтали: clue" for the current row of the clue list; empty when the list is empty.
QString CurrentWordAnnouncement(const Puzzle& puzzle);

// Sets the widget's accessible description and tells screen readers that it changed, only when it did.
void Announce(QWidget& widget, const QString& description);

}  // namespace gx
