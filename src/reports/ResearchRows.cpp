#include "reports/ResearchRows.h"

#include "core/Misc.h"
#include "reports/ReportPage.h"
#include "sheets/SheetFrame.h"

#include <QList>

namespace ResearchRows {

namespace {

using ReportPage::HeadingRow;
using ReportPage::Written;
using ReportPage::WriteRows;

const QByteArray CrLf = "\r\n";

// The momentum and broker pages' rewriting.
void Rewrite(QByteArray &page)
{
    Misc::FixTags(page, true, true, true, false);
    page.replace('\t', ' ');
    SheetFrame::DropLinkWords(page);
}

// From the "</tr>" after the marker (from the page's start when the marker
// is missing) up to, not including, `end`; the flags tell what was found.
struct Cut {
    bool marker = false, row = false, end = false;
    QByteArray text;
};
Cut RowsAfter(const QByteArray &page, QByteArrayView marker, QByteArrayView end)
{
    Cut c;
    const qsizetype m = page.indexOf(marker);
    c.marker = m >= 0;
    const qsizetype r = page.indexOf("</tr>", m + 1);
    c.row = r >= 0;
    const qsizetype e = r < 0 ? -1 : page.indexOf(end, r);
    c.end = e >= 0;
    if (c.end)
        c.text = page.mid(r, e - r);
    return c;
}

} // namespace

QByteArray Splits(QByteArray page)
{
    if (page.isEmpty())
        return NoData;
    Misc::FixTags(page, true, true, true, false);
    const Cut cut = RowsAfter(page, "begin splits", "/table");
    if (!cut.marker)
        return {};
    if (!cut.row)
        return NoData;
    if (!cut.end)
        return {};
    const Written w = WriteRows(cut.text, [](int at, const QByteArray &value) -> QByteArray {
        if (at > 5)
            return {};
        return (at == 5 ? "<TD ALIGN=\"CENTER\" WIDTH=\"10%\"><FONT color=#484848 size=-1 Face=\"Arial\">"
                        : "<TD ALIGN=\"CENTER\"><FONT color=#484848 size=-1 Face=\"Arial\">")
               + ReportPage::Escape(value) + "</FONT></td>" + CrLf;
    });
    if (!w.closed)
        return NoData;
    if (w.count == 0)
        return {};
    return HeadingRow({"<TH ALIGN=\"CENTER\" WIDTH=\"16.6%\" HEIGHT=\"26\"><Font Size=-1 Face=\"Arial\">Type</Font><HR></th>",
                       "<TH ALIGN=\"CENTER\" WIDTH=\"16.6%\"><Font Size=-1 Face=\"Arial\">Amount</Font><HR></th>",
                       "<TH ALIGN=\"CENTER\" WIDTH=\"16.6%\"><Font Size=-1 Face=\"Arial\">Ex-Date</Font><HR></th>",
                       "<TH ALIGN=\"CENTER\" WIDTH=\"16.6%\"><Font Size=-1 Face=\"Arial\">Pay-Date</Font><HR></th>",
                       "<TH ALIGN=\"CENTER\" WIDTH=\"16.6%\"><Font Size=-1 Face=\"Arial\">Rec-Date</Font><HR></th>",
                       "<TH ALIGN=\"CENTER\" WIDTH=\"16.6%\"><Font Size=-1 Face=\"Arial\">An-Date</Font><HR></th>"})
           + w.rows;
}

QByteArray RatingChanges(QByteArray page)
{
    Rewrite(page);
    // Without the marker the table is read from the page's first row end on.
    const Cut cut = RowsAfter(page, "begin splits", "</table");
    if (!cut.row || !cut.end)
        return NoData;
    if (!cut.text.contains("<tr"))
        return {};
    const Written w = WriteRows(cut.text, [](int at, const QByteArray &value) -> QByteArray {
        if (at == 0)
            return "<TD><FONT color=#484848 size=-1 Face=\"Arial\"><B>" + ReportPage::Escape(value) + "</B></FONT></td>"
                   + CrLf;
        if (at < 3)
            return "<TD><FONT color=#484848 size=-1 Face=\"Arial\">" + ReportPage::Escape(value) + "</FONT></td>" + CrLf;
        return {};
    });
    if (!w.closed)
        return NoData;
    return HeadingRow({"<TH ALIGN=\"LEFT\" WIDTH=\"20%\" HEIGHT=\"26\"><Font size=-1 Face=\"Arial\">Type</Font><HR></th>",
                       "<TH ALIGN=\"LEFT\" WIDTH=\"30%\"><Font size=-1 Face=\"Arial\">Broker</Font><HR></th>",
                       "<TH ALIGN=\"LEFT\" WIDTH=\"50%\"><Font size=-1 Face=\"Arial\">Comments</Font><HR></th>"})
           + w.rows;
}

QByteArray Momentum(QByteArray page)
{
    Rewrite(page);
    const qsizetype s = page.indexOf("Sells");
    const qsizetype e = s < 0 ? -1 : page.indexOf("</table", s);
    if (e < 0)
        return NoData;
    const QByteArray block = page.mid(s, e - s);
    if (block.contains("No data"))
        return NoData;
    QList<QByteArray> values;
    ReportPage::WalkCells(block, [&](const QByteArray &value) {
        if (values.size() < 5)
            values.append(value);
    });
    if (values.size() < 5)
        return NoData;
    QByteArray body;
    const char *const labels[4] = {"Rank", "Momentum Rating", "Buy", "Hold"};
    for (int i = 0; i < 4; ++i)
        body += QByteArray("<TR><TD ALIGN=\"CENTER\"><FONT size=-1><b>") + labels[i]
                + ": </b>" + ReportPage::Escape(values[i]) + "</FONT></TD></tr>" + CrLf;
    return body + "<TR><TD ALIGN=\"CENTER\"><FONT><b>Sell: </b>" + ReportPage::Escape(values[4]) + "</FONT></TD></tr>"
           + CrLf;
}

QByteArray Broker(QByteArray page)
{
    Rewrite(page);
    const Cut cut = RowsAfter(page, "begin reports", "</table");
    if (!cut.row || !cut.end)
        return NoData;
    QList<QByteArray> group;
    QByteArray rows;
    int groups = 0;
    const bool closed = ReportPage::WalkCells(cut.text, [&](const QByteArray &value) {
        group.append(value);
        if (group.size() < 3)
            return;
        // The first two groups are no reports.
        if (groups++ >= 2)
            for (const QByteArray &v : group)
                rows += "<TD ALIGN=\"LEFT\"><FONT color=#484848 size=-1 Face=\"Arial\">" + ReportPage::Escape(v)
                        + "</FONT></td>" + CrLf;
        rows += "</tr>" + CrLf + "<tr>" + CrLf;
        group.clear();
    });
    if (!closed)
        return NoData;
    if (groups == 0)
        return {};
    return HeadingRow({"<TH ALIGN=\"LEFT\" WIDTH=\"10%\" HEIGHT=\"26\"><Font size=-1 Face=\"Arial\">Date</Font><HR></th>",
                       "<TH ALIGN=\"LEFT\" WIDTH=\"20%\"><Font size=-1 Face=\"Arial\">Broker</Font><HR></th>",
                       "<TH ALIGN=\"LEFT\" WIDTH=\"75%\"><Font size=-1 Face=\"Arial\">Comment</Font><HR></th>"})
           + rows;
}

} // namespace ResearchRows
