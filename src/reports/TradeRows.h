#pragma once
// A stock's insider trades ("_it.Sh"), report filings ("_qr.Sh") and short
// interest ("_SI.Sh") as HTML table rows, for the report pages and the
// summary sections alike. Each returns its heading row and its rows; the
// page frame or the section puts them in place.
#include "reports/ReportPage.h"

#include <QByteArray>

namespace TradeRows {

// What a walk made, and whether it was whole: every marker found and every
// row and cell closed. A report shows what was made; a section whose page
// is not whole shows nothing (or its no-data text).
struct Walked {
    QByteArray rows;
    bool whole = true;
};

// "<TR>", the headings, "</TR>" and the "<TR>" of the first data row, then
// one row per trade of the fourth table after "Insider Trades"; the trade's
// name links to the insider's page.
Walked Insiders(ReportPage::Renderer renderer, const QByteArray &page);

// The same for the filings after "Sort By"; a filing's address becomes the
// link of its text.
Walked Filings(ReportPage::Renderer renderer, const QByteArray &page);

// The four headings of the short interest table, each followed by CR LF.
QByteArray ShortInterestHeadings();
// The rows after "Days to Cover", each row's cells followed by rowEnd.
Walked ShortInterest(const QByteArray &page, const QByteArray &rowEnd);

} // namespace TradeRows
