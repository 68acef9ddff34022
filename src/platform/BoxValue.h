#pragma once
// A check box's value as the program counts it and stores it: 0 cleared,
// 1 ticked, 2 greyed.
class QCheckBox;

namespace Vb {

int BoxValue(const QCheckBox *box);
// Sets 0, 1 or 2; anything else fails with "Invalid property value".
void SetBoxValue(QCheckBox *box, int value);

} // namespace Vb
