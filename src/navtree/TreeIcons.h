#pragma once
// The 31 node pictures of the navigation tree, 16 by 16, painted in code.
#include "platform/TreeView.h"

#include <QPixmap>

namespace TreeIcons {

// Picture n (1 to 31); a null pixmap outside that range.
QPixmap Picture(int n);
// All 31 in order, the first eleven with their keys ("book" .. "doc").
ImageList ImageList1();

} // namespace TreeIcons
