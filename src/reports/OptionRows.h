#pragma once
// A stock's option chain ("_op.Sh", comma text, fourteen fields a line:
// the call of a strike, then its put) as HTML table rows of the calls or of
// the puts, for the report pages and the summary sections alike. Each shown
// label links to the quote of its own option code.
#include "reports/ReportPage.h"

#include <QByteArray>

namespace OptionRows {

enum class Side { Calls, Puts };

// Everything after the column headings' "Open Int" (the first "Int" after
// the first "Puts"); the whole page when neither is there.
QByteArray Body(const QByteArray &page);

// More than this many characters of body ask the user first.
constexpr qsizetype LargeBody = 30000;
// Asks whether to go on with a body that large; false: the user cancelled.
bool GoOnWithLarge(Side side, ReportPage::Renderer renderer);

// "<TR>", the seven headings and what ends the heading row, up to the
// "<TR>" that opens the first data row.
QByteArray Headings(Side side, ReportPage::Renderer renderer);
// One row per line of the body (a line runs from its line break up to the
// next), each closed, every later one opened; empty when the body has no
// line.
QByteArray Rows(Side side, ReportPage::Renderer renderer, const QByteArray &body);

} // namespace OptionRows
