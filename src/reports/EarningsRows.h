#pragma once
// The four tables of a stock's earnings page ("_ee.Sh") as HTML table rows,
// for the report pages and the summary sections alike. The page does not
// hold a table's labels and values in one table: the headings, the labels
// and the values are cut apart, then a value finds its row by its count, not
// by the column it came from, as the page lists each column's values top
// down.
#include "reports/ReportPage.h"

#include <QByteArray>
#include <optional>

namespace EarningsRows {

enum class Table { Trend, Estimates, History, Growth };

// The header row and the data rows, from the corner cell to the last row's
// closing tag. A report gets its rows from whatever it could cut (a missing
// page gives the corner cell and empty rows); a section gets none when an
// anchor or a marker is missing.
std::optional<QByteArray> Rows(Table table, ReportPage::Renderer renderer, QByteArray page);

} // namespace EarningsRows
