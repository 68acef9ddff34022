#pragma once
// Key and mouse figures as event handlers compare them: the desktop's
// virtual-key numbers (65 = "A", 13 = Enter, 112 = F1, 27 = Esc), and bit
// masks for the shift state (1 Shift, 2 Ctrl, 4 Alt) and the mouse buttons
// (1 left, 2 right, 4 middle).
#include <Qt>

class QKeyEvent;

namespace VbInput {

int KeyCode(const QKeyEvent *event);
int Shift(Qt::KeyboardModifiers modifiers);
int Buttons(Qt::MouseButtons buttons);

} // namespace VbInput
