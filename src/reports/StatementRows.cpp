#include "reports/StatementRows.h"

#include "reports/ReportPage.h"

#include <algorithm>
#include <array>

namespace StatementRows {

namespace {

const QByteArray CrLf = "\r\n";

struct RowMarkup {
    QByteArray first; // opener of the first row
    QByteArray later; // opener of every later row
    QByteArray close;
};

RowMarkup Rows(Renderer r, const QByteArray &reportClose, const QByteArray &summaryClose)
{
    if (r == Renderer::Report)
        return {"<TR>", "<tr>\r\n", reportClose};
    return {"<TR BGCOLOR=\"#FFFEEA\">", "<TR BGCOLOR=\"#FFFEEA\">\r\n", summaryClose};
}

// A heading row put into a value cell: it closes that cell's row early so
// the browser shows the heading on a row of its own.
QByteArray Heading(QByteArrayView cell, QByteArrayView open, const QByteArray &text, QByteArrayView close)
{
    QByteArray h = "</TD></TR><TR><TD ";
    h += cell;
    h += '>';
    h += open;
    h += text;
    h += close;
    h += "</TD></TR><TR>";
    return h;
}

// Walks the table's rows and cells; write(out, index, text) writes one
// cell and answers the index the row's counting goes on from.
template <typename Emit>
QByteArray Render(const QByteArray &table, const RowMarkup &m, Emit write)
{
    QByteArray out;
    ReportPage::WalkRows(table, [&](const QByteArray &row, int n) {
        out += n == 0 ? m.first : m.later;
        int index = 0;
        ReportPage::WalkCells(row, [&](const QByteArray &text) { index = write(out, index, text) + 1; });
        out += m.close;
    });
    return out;
}

} // namespace

QByteArray Balance(QByteArray page, Renderer renderer)
{
    QByteArray table = ReportPage::CutTable(page, "Annual Balance Sheet");
    ReportPage::Normalise(table, {{"\t", " "}, {"TD", "td"}, {"Td", "td"}, {"TR", "tr"}, {"TH", "th"},
                                  {"</font></font>", "</font>"}, {"ii", ""}});
    const bool summary = renderer == Renderer::Summary;
    const int headingIndex = summary ? 5 : 4;
    const QByteArray label = summary ? "<TD WIDTH=\"50%\"><FONT color=#484848 size=-1 Face=\"Times New Roman\">"
                                         : "<TD WIDTH=\"50%\"><FONT color=#484848 size=-1>";
    static const std::array<QByteArrayView, 3> sections = {"Assets", "Liabilities & Shareholder's Equity",
                                                           "Shareholders' Equity"};
    return Render(table, Rows(renderer, "</tr>\r\n", "</tr>\r\n"), [&](QByteArray &out, int index, const QByteArray &text) {
        QByteArray shown;
        if (std::find(sections.begin(), sections.end(), QByteArrayView(text)) != sections.end()) {
            shown = Heading("HEIGHT=\"30\" ROWSPAN=\"2\" COLSPAN=\"6\" VALIGN=\"BOTTOM\"", "<b><u>",
                            ReportPage::Escape(text), "</u></b>");
            index = headingIndex;
        } else {
            shown = ReportPage::Escape(text);
        }
        if (index == 0)
            out += label + shown + "</FONT></td>" + CrLf;
        else if (index <= 5)
            out += "<TD ALIGN=\"RIGHT\" WIDTH=\"10%\"><FONT color=#484848 size=-1>" + shown + "</FONT></td>" + CrLf;
        return index;
    });
}

QByteArray Income(QByteArray page, Renderer renderer)
{
    QByteArray table = ReportPage::CutTable(page, "Annual Income Statement");
    ReportPage::Normalise(table, {{"\t", " "}, {"TD", "td"}, {"Td", "td"}, {"TR", "tr"}, {"TH", "th"}, {"ii", ""},
                                  {"<th colspan=5>", "<th>"},
                                  {" colspan=5>", "></td><td></td><td></td><td></td><td>"}});
    const bool summary = renderer == Renderer::Summary;
    const int headingIndex = summary ? 5 : 4;
    const QByteArray face = summary ? " Face=\"Times New Roman\"" : "";
    int r = 0; // complete rows so far: chooses the row style
    return Render(table, Rows(renderer, "</tr>\r\n", "</TR>\r\n"), [&](QByteArray &out, int index, const QByteArray &text) {
        QByteArray shown;
        if (text == "Depreciation Footnote" || text == "Earnings Per Share Data") {
            shown = Heading("ROWSPAN=\"2\" COLSPAN=\"6\" VALIGN=\"BOTTOM\"", "<i><u>", text, "</u></i>");
            index = headingIndex;
        } else {
            shown = ReportPage::Escape(text);
        }
        if (index > 5)
            return index;
        static constexpr std::array<int, 11> bold = {3, 5, 8, 13, 15, 16, 19, 20, 21, 23, 24};
        if (r == 0) {
            if (index == 0)
                out += "<TH WIDTH=\"50%\" height=\"30\">" + shown + "&nbsp;</TH>";
            else if (index < 5)
                out += "<TH ALIGN=\"RIGHT\" WIDTH=\"10%\">" + shown + "<HR></TH>";
            else
                out += "<TH ALIGN=\"RIGHT\" WIDTH=\"10%\" HEIGHT=\"26\">" + shown + "<HR></TH>";
        } else if (std::find(bold.begin(), bold.end(), r) != bold.end()) {
            if (index == 0)
                out += "<TD ALIGN=\"LEFT\" nowrap><B><FONT size=-1 color=#000099" + face + ">" + shown
                       + "</FONT></B></td>";
            else
                out += "<TD ALIGN=\"RIGHT\"><B><FONT size=-1 color=#484848>" + shown + "</B></FONT></td>";
        } else {
            // Rows after the 24th were left empty once; they read as plain rows.
            if (index == 0)
                out += "<TD WIDTH=\"40%\"><FONT color=#484848 size=-1" + face + ">" + shown + "</FONT></td>";
            else
                out += "<TD ALIGN=\"RIGHT\"><FONT color=#484848 size=-1>" + shown + "</FONT></td>";
        }
        out += CrLf;
        if (index == 5)
            ++r;
        return index;
    });
}

} // namespace StatementRows
