#pragma once
// Whether a cell's text is a number, and which: the one rule the grid's
// numeric sort and the Excel export's formula guard share, so a text that
// sorts as a number is also written as one.
#include <QString>
#include <optional>

namespace Figure {

// The figure a text shows, as the pages write prices, changes and volumes:
// a sign (a blank may follow it), a "$", digit groups, decimals or an
// exponent, or a fraction ("14 7/8", "1,025 1/4"), a "%" at the end.
// Anything else about it makes it a text (none).
std::optional<double> Of(const QString &text);

} // namespace Figure
