#pragma once
// The annual balance sheet and income statement as HTML table rows. The
// same cached page is rendered twice, as a report page of its own and as a
// section of the summary page; the two differ only in their row openers,
// the face of the label cells and where a section heading is counted, so
// both come from one walk here.
#include "reports/ReportPage.h"

#include <QByteArray>

namespace StatementRows {

using Renderer = ReportPage::Renderer;

// The rows of the table after "Annual Balance Sheet" on the page, from the
// first row's opener to the last row's closing tag; empty when the page has
// no such table or it has no rows.
QByteArray Balance(QByteArray page, Renderer renderer);
// The same for the table after "Annual Income Statement".
QByteArray Income(QByteArray page, Renderer renderer);

} // namespace StatementRows
