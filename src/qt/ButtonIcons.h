#pragma once
// The pictures on the speed buttons, drawn once with QPainter so that no image files are needed.

#include <QIcon>
#include <QPixmap>

namespace gx {

enum class ButtonIcon {
  Help, Open, Save, Build, Print, Answers, Clear, Pencil, Eraser, Palette, Tally, Html,
  ClosePanel, Settings, ChooseDictionary, Statistics, Refill, EditDictionary, NewDictionary, PlayablePage,
  FillAround,
  StartOver, CheckWord, RevealLetter,
  Undo, Redo,
};

QIcon MakeButtonIcon(ButtonIcon icon);
// The small picture between the button panels: a corner of a crossword.
QPixmap MakeLogo(int width, int height);

}  // namespace gx
