#include "reports/TradeRows.h"

#include "core/Misc.h"

namespace TradeRows {

namespace {

using ReportPage::HeadingRow;
using ReportPage::Renderer;
using ReportPage::Written;
using ReportPage::WriteRows;

const QByteArray CrLf = "\r\n";

// From the first `anchor` up to, not including, the first `end` after it;
// none when either is missing.
std::optional<QByteArray> Between(const QByteArray &page, QByteArrayView anchor, QByteArrayView end)
{
    const qsizetype a = page.indexOf(anchor);
    const qsizetype e = a < 0 ? -1 : page.indexOf(end, a);
    if (e < 0)
        return std::nullopt;
    return page.mid(a, e - a);
}

} // namespace

Walked Insiders(Renderer renderer, const QByteArray &page)
{
    const bool summary = renderer == Renderer::Summary;
    const std::optional<QByteArray> cut = Between(page, "Insider Trades", "</html");
    Walked result;
    result.whole = cut.has_value();
    // Without its markers the report reads the whole page.
    QByteArray text = cut.value_or(page);
    QByteArray table = Misc::GetTable(text, 4);
    table.replace('\t', ' ');
    Misc::FixTags(table, false, true, false, false);
    Misc::ReplaceInTags(table, {{"TR", "tr"}, {"TH", "th"}});
    // A linked name becomes two cells: the insider's page, then the name.
    table.replace("<td><a href=\"", "<td>");
    table.replace(".html\">", ".html></td><td>");

    static const char *const open[8] = {
        "<TD ALIGN=\"CENTER\" Height =30><FONT size=-1 color=#151515>", nullptr, nullptr,
        "<TD ALIGN=\"LEFT\"><FONT size=-1 color=#151515>", "<TD ALIGN=\"RIGHT\"><FONT size=-1 color=#151515>",
        "<TD ALIGN=\"CENTER\"><FONT size=-1 color=#151515>", "<TD ALIGN=\"RIGHT\"><FONT size=-1 color=#151515>",
        "<TD ALIGN=\"RIGHT\"><FONT size=-1 color=#151515>"};
    QByteArray path;
    const Written w = WriteRows(table, [&](int n, const QByteArray &value) -> QByteArray {
        if (n == 0)
            path.clear();
        if (n == 1) {
            path = value;
            return {};
        }
        if (n == 2) {
            const std::optional<QByteArray> link = ReportPage::PageLink(QStringLiteral("BizNewsHost"), "/", path);
            const QByteArray name = ReportPage::Escape(value);
            return (link ? "<TD ALIGN=\"LEFT\"><a href=\"" + *link + "\"><small>" + name + "<small></a></Font></td>"
                         : "<TD ALIGN=\"LEFT\"><small>" + name + "<small></Font></td>")
                   + CrLf;
        }
        if (n >= 8)
            return {};
        const char *o = n == 5 && summary ? "<TD ALIGN=\"LEFT\"><FONT size=-1 color=#151515>" : open[n];
        return o + ReportPage::Escape(value) + "</Font></td>" + CrLf;
    });
    result.whole = result.whole && w.closed;
    result.rows = HeadingRow({"<TH ALIGN=\"CENTER\" WIDTH=\"13%\">Date<HR></th>",
                              "<TH ALIGN=\"CENTER\" WIDTH=\"20%\">Name<HR></th>",
                              "<TH ALIGN=\"CENTER\" WIDTH=\"15%\">Action<HR></th>",
                              "<TH ALIGN=\"CENTER\" WIDTH=\"13%\">Shares<HR></th>",
                              "<TH ALIGN=\"CENTER\" WIDTH=\"13%\">Type<HR></th>",
                              "<TH ALIGN=\"CENTER\" WIDTH=\"15%\">Price<HR></th>",
                              "<TH ALIGN=\"CENTER\" WIDTH=\"15%\">Value Int<HR></th>"})
                  + w.rows;
    return result;
}

Walked Filings(Renderer renderer, const QByteArray &page)
{
    const bool summary = renderer == Renderer::Summary;
    Walked result;
    result.rows = summary ? HeadingRow({"<TH ALIGN=\"LEFT\" WIDTH=\"20%\" HEIGHT=\"26\"><Font size=-1 "
                                        "Face=\"Arial\">Date</Font><HR></th>",
                                        "<TH ALIGN=\"LEFT\" WIDTH=\"20%\"><Font size=-1 Face=\"Arial\">Filings</Font><HR></th>",
                                        "<TH ALIGN=\"LEFT\" WIDTH=\"60%\"><Font size=-1 Face=\"Arial\">More "
                                        "Info</Font><HR></th>"})
                          : HeadingRow({"<TH ALIGN=\"LEFT\" WIDTH=\"15%\" HEIGHT=\"26\">Date<HR></th>",
                                        "<TH ALIGN=\"LEFT\" WIDTH=\"15%\">Filings<HR></th>",
                                        "<TH ALIGN=\"LEFT\" WIDTH=\"70%\">More Info<HR></th>"});
    std::optional<QByteArray> cut = Between(page, "Sort By", "</html");
    if (!cut) {
        result.whole = false;
        return result;
    }
    QByteArray &text = *cut;
    text.replace('\t', ' ');
    Misc::ReplaceInTags(text, {{"TABLE", "table"}});
    Misc::FixTags(text, false, true, true, false);
    // A colon splits its cell; a link reads, once cleaned, as its quoted
    // address followed by its text.
    text.replace(":", "</td><td>");
    text.replace("<A HREF=", "<>");
    text.replace("ALT=\"Full Filing\">", "<>");
    text.replace("/A", "");

    // The filings table follows the one holding "Sort By"; its first row,
    // the column heads, is left out.
    const qsizetype sortEnd = text.indexOf("</table>");
    const qsizetype table = sortEnd < 0 ? -1 : text.indexOf("<table", sortEnd);
    const qsizetype headRow = table < 0 ? -1 : text.indexOf("<tr", table);
    const qsizetype headEnd = headRow < 0 ? -1 : text.indexOf("</tr", headRow);
    const qsizetype end = headEnd < 0 ? -1 : text.indexOf("</table>", headEnd);
    if (end < 0) {
        result.whole = false;
        return result;
    }
    const QByteArray open = summary ? "<TD><FONT color=#484848 size=-1 Face=\"Arial\">" : "<TD><FONT color=#484848 size=-1>";
    int shown = 0;
    const Written w = WriteRows(text.mid(headEnd, end - headEnd), [&](int n, const QByteArray &value) -> QByteArray {
        if (n == 0)
            shown = 0;
        if (value.isEmpty())
            return {};
        // Every fourth value is left out.
        if (shown++ % 4 == 3)
            return {};
        QByteArray html = ReportPage::Escape(value);
        const qsizetype q1 = value.indexOf('"');
        const qsizetype q2 = q1 < 0 ? -1 : value.indexOf('"', q1 + 1);
        if (q2 >= 0) {
            const QByteArray rest = ReportPage::Escape(value.mid(q2 + 1));
            const std::optional<QByteArray> link =
                ReportPage::PageLink(QStringLiteral("FilingsHost"), "/auth/doctrans", value.mid(q1 + 1, q2 - q1 - 1));
            html = link ? "<A HREF=\"" + *link + "\">" + rest + "</a>" : rest;
        }
        return open + html + "</FONT></td>" + CrLf;
    });
    result.whole = w.closed;
    result.rows += w.rows;
    return result;
}

QByteArray ShortInterestHeadings()
{
    QByteArray out;
    for (const char *h : {"Settlement Date", "Short Interest", "Avg Daily Share Volume", "Days to Cover"})
        out += QByteArray("<TH ALIGN=\"CENTER\"  nowrap>") + h + "<HR></th>" + CrLf;
    return out;
}

Walked ShortInterest(const QByteArray &page, const QByteArray &rowEnd)
{
    QByteArray text = page;
    Misc::FixTags(text, false, true, true, false);
    Misc::ReplaceInTags(text, {{"Th", "th"}, {"TABLE", "table"}});
    const std::optional<QByteArray> block = Between(text, "Cover", "</table>");
    Walked result;
    if (!block) {
        result.whole = false;
        return result;
    }
    result.whole = ReportPage::WalkRows(*block, [&](const QByteArray &row, int) {
        int n = 0;
        result.whole = ReportPage::WalkCells(row, [&](const QByteArray &value) {
            result.rows += (n++ == 0 ? "<TD ALIGN=\"left\"><FONT size=-1 color=#151515>"
                                     : "<TD ALIGN=\"right\"><FONT size=-1 color=#484848>")
                           + ReportPage::Escape(value) + "</Font></td>" + CrLf;
        }) && result.whole;
        result.rows += rowEnd;
    }) && result.whole;
    return result;
}

} // namespace TradeRows
