#include "qt/KeyMapping.h"

namespace gx {

Key ToKey(int qt_key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ShiftModifier) {
    if (qt_key == Qt::Key_F7) return Key::ShiftF7;
    if (qt_key == Qt::Key_F9) return Key::ShiftF9;
    if (qt_key == Qt::Key_F12) return Key::ShiftF12;
    if (qt_key == Qt::Key_Delete) return Key::ShiftDelete;
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) {
    return static_cast<Key>(static_cast<int>(Key::F1) + (qt_key - Qt::Key_F1));
  }
  return qt_key == Qt::Key_Delete ? Key::Delete : Key::Other;
}

}  // namespace gx
