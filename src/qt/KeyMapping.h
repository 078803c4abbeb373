#pragma once
// The keys of Qt as the command core knows them; the same for every window.

#include <Qt>

#include "shell/Input.h"

namespace gx {

// F1..F12, Shift+F7 and Delete; every other key is Key::Other.
Key ToKey(int qt_key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace gx
