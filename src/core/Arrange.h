#pragma once
// Lines up the shrunken Zoom and Properties windows below the main window's
// news ticker, five strips to a row, so that they tile instead of overlapping.
class QWidget;

namespace Misc {

// frmCaller: the window whose shrink/restore button was pressed; the lower
// rows are placed relative to its top.
void ArrangeWindows(QWidget *frmCaller);

} // namespace Misc
