#pragma once
// What a box holds as the program counts it and stores it.
#include <optional>

class QCheckBox;
class QString;
class QWidget;

namespace Vb {

// A check box: 0 cleared, 1 ticked, 2 greyed.
int BoxValue(const QCheckBox *box);
// Sets 0, 1 or 2; anything else fails with "Invalid property value".
void SetBoxValue(QCheckBox *box, int value);

// A number the user typed into a box, read as ParseNumber reads it, except
// that a comma only groups digits: it stands between a digit and exactly
// three digits ("1,234,567.5"). Any other comma ("12,5", a decimal comma)
// makes the text no number, where the lenient reading would take 125.
std::optional<double> NumberBoxValue(const QString &text);
// NumberBoxValue's number when a Single field can hold it: within the
// Single's range and, unless 0, not so small that it would be kept as 0.
std::optional<float> SingleBoxValue(const QString &text);

// Refuses a box's number: "Please type a number from low to high in
// "name"." titled "Number out of range", then the focus back into the box.
void RefuseNumber(QWidget *box, const QString &name, const QString &low, const QString &high);

} // namespace Vb
