#pragma once
// What every window gets as it is shown, whoever opens it: its labels and
// entry boxes are made at least as wide as the texts they were filled with
// at the desktop's font (the window grows with them, about its middle, so
// a window placed centred stays centred, but never wider than the screen's
// free area), and the window opens with its whole frame inside that area.
// A window its opener did not place opens centred on its owner, else on the
// main window, else on the screen. Both are done again once the desktop has
// framed the window, by the frame it got.
//
// Controls are only ever widened: one that fits keeps its place and size.
class QWidget;

namespace WindowFit {

// The window that windows without an owner or a place are centred on.
void SetMainWindow(QWidget *main);

} // namespace WindowFit
