#include "reports/EarningsRows.h"

#include "core/CellText.h"
#include "core/Misc.h"

namespace EarningsRows {

namespace {

using ReportPage::Renderer;

const QByteArray CrLf = "\r\n";

struct Markup {
    const char *corner;
    const char *headOpen, *headClose;
    const char *labelOpen, *labelClose;
    const char *valueOpen, *valueClose;
};

// What tells the tables apart.
struct Shape {
    const char *anchor;
    bool labelTable; // the labels stand in a table of their own (else first in the data row)
    int rows;        // data rows
    int kept;        // values kept, counted from the first value
    int headings;    // headings kept, counted with the empty ones
};

const Shape kShapes[] = {
    {"Consensus EPS Trend", true, 5, 20, 4},
    {"Earnings Estimates<br>", true, 6, 24, 4},
    {"Earnings History", false, 4, 20, 6},
    {"Earnings Growth", false, 3, 18, 7},
};

const char *const kCornerCentre = "<TR><th align=\"center\" width=\"40%\" height=\"50\" nowrap>&nbsp;</th>";
const char *const kCornerHistory = "<TR><th align=\"left\" width=\"28%\" height=\"50\" nowrap>&nbsp;</th>";
const char *const kCornerGrowth = "<TR><th align=\"left\" width=\"16%\" height=\"50\" nowrap>&nbsp;</th>";
const char *const kHeadWide = "<th align=\"center\" width=\"15%\" height=\"50\">";
const char *const kHeadNarrow = "<th align=\"center\" width=\"12%\">";
const char *const kGrey = "<td align=\"center\"><FONT color=#484848>";

// Report markup, then summary markup, in the order of Table.
const Markup kMarkup[2][4] = {
    {
        {kCornerCentre, kHeadWide, "<HR></th>", "<td align=\"Left\"><B>", "</b></td>", "<td align=\"center\">", "</td>"},
        {kCornerCentre, kHeadWide, "<HR></th>", "<td align=\"Left\"><B><FONT>", "</font></b></td>", kGrey,
         "</font></td>"},
        {kCornerHistory, kHeadNarrow, "<HR></th>", "<td align=\"left\"><b><FONT>", "</font></b></td>", kGrey,
         "</font></td>"},
        {kCornerGrowth, kHeadNarrow, "<HR></th>", "<td align=\"left\"><b><FONT>", "</font></b></td>", kGrey,
         "</font></td>"},
    },
    {
        {kCornerCentre,
         "<th align=\"center\" width=\"15%\" height=\"50\" nowrap><FONT Size = -1 Face=\"Times New Roman\">",
         "</Font><HR></th>", "<td align=\"Left\"><B><FONT Size = -1 Face=\"Times New Roman\">", "</Font></b></td>",
         "<td align=\"center\"><FONT Size = -1>", "</Font></td>"},
        {kCornerCentre,
         "<th align=\"center\" width=\"15%\" height=\"50\" nowrap><FONT Size = -1 Face=\"Times New Roman\">",
         "</Font><HR></th>", "<td align=\"Left\"><B><FONT Size = -1 Face=\"Times New Roman\">", "</font></b></td>",
         "<td align=\"center\"><Font color=#484848 Size = -1>", "</font></td>"},
        {kCornerHistory, "<th align=\"center\" width=\"12%\" nowrap><FONT Size = -1 Face=\"Times New Roman\">",
         "</Font><HR></th>", "<td align=\"left\"><b><FONT Size = -1 Face=\"Times New Roman\">", "</font></b></td>",
         "<td align=\"center\"><FONT Size = -1 color=#484848>", "</font></td>"},
        {kCornerGrowth, "<th align=\"center\" width=\"5%\" nowrap><FONT Size = -1 Face=\"Times New Roman\">",
         "</Font><HR></th>", "<td align=\"left\"><b><FONT Size = -1 Face=\"Times New Roman\">", "</font></b></td>",
         "<td align=\"center\"><FONT color=#484848 Size = -1>", "</font></td>"},
    },
};

// A search from a position a failed search left (-1) fails as well.
qsizetype Find(const QByteArray &page, QByteArrayView what, qsizetype from)
{
    return from < 0 ? -1 : page.indexOf(what, from);
}

// The text from start up to stop; empty when either was not found.
QByteArray Piece(const QByteArray &page, qsizetype start, qsizetype stop)
{
    return start < 0 || stop < start ? QByteArray() : page.mid(start, stop - start);
}

} // namespace

std::optional<QByteArray> Rows(Table table, Renderer renderer, QByteArray page)
{
    const Shape &shape = kShapes[int(table)];
    const bool summary = renderer == Renderer::Summary;
    const Markup &m = kMarkup[summary ? 1 : 0][int(table)];

    page.replace('\n', ' ');
    page.replace('\t', ' ');
    Misc::ReplaceInTags(page, {{"TR", "tr"}});
    // The trend's page keeps its "Tr" tags, as it always has.
    if (table != Table::Trend)
        Misc::ReplaceInTags(page, {{"Tr", "tr"}});
    Misc::FixTags(page, false, true, false, true);

    QByteArray heads, labels, values;
    bool complete = true;
    if (shape.labelTable) {
        const qsizetype a = Find(page, "Earnings Estimates &amp;", 0);
        const qsizetype b = Find(page, "<tr>", a);
        const qsizetype c = Find(page, "<table", b);
        heads = Piece(page, b, c);
        const qsizetype anchor = Find(page, shape.anchor, 0);
        // Without its anchor a report takes its labels from the header
        // row on, as the table it read always did.
        const qsizetype d = anchor < 0 && !summary ? b : Find(page, "<table", anchor);
        const qsizetype e = Find(page, "</table>", d);
        labels = Piece(page, d, e);
        const qsizetype f = Find(page, "</td>", e);
        const qsizetype g = Find(page, "</tr>", f);
        values = Piece(page, f, g);
        complete = c >= 0 && anchor >= 0 && e >= 0 && g >= 0;
    } else {
        const qsizetype a = Find(page, shape.anchor, 0);
        const qsizetype b = Find(page, "<tr>", a);
        const qsizetype c = Find(page, "</tr>", b);
        heads = Piece(page, b, c);
        const bool growthSection = summary && table == Table::Growth;
        const qsizetype d = Find(page, growthSection ? "<tr" : "<tr>", c);
        const qsizetype e = Find(page, growthSection ? "</tr" : "</tr>", d);
        values = Piece(page, d, e);
        complete = e >= 0;
    }
    if (summary && !complete)
        return std::nullopt;
    if (!summary && table != Table::History)
        heads.replace("(", "\r\n(");
    values.replace("<br>", "</td><td></td><td>");

    QByteArray out = m.corner + CrLf;
    int k = 0;
    ReportPage::WalkPieces(heads, "<th", "</th>", [&](const QByteArray &piece) {
        ++k;
        QByteArray text = ReportPage::Escape(CellText::Of(piece, CellText::Blanks::Keep));
        if (text.isEmpty() || k > shape.headings)
            return;
        // A heading takes two lines in a section, its bracket on the second.
        if (summary)
            text = text.contains('(') ? text.replace("(", "<br>(") : text + "<br>&nbsp;";
        out += m.headOpen + text + m.headClose + CrLf;
    });
    if (!summary || table == Table::Trend || table == Table::Estimates)
        out += "</tr>";
    out += CrLf;

    std::vector<QByteArray> rowLabel(size_t(shape.rows));
    std::vector<QByteArray> rowValues(size_t(shape.rows));
    k = 0;
    ReportPage::WalkPieces(labels, "<tr", "</tr>", [&](const QByteArray &piece) {
        ++k;
        const QByteArray text = CellText::Of(piece, CellText::Blanks::Keep);
        if (!text.isEmpty() && k <= shape.rows)
            rowLabel[size_t(k - 1)] = text;
    });
    const int first = shape.labelTable ? 0 : shape.rows;
    int i = 0;
    ReportPage::WalkPieces(values, "<td", "</td>", [&](const QByteArray &piece) {
        const QByteArray text = CellText::Of(piece, CellText::Blanks::Keep);
        if (text.isEmpty())
            return;
        const int n = i++;
        const size_t row = size_t(n % shape.rows);
        if (n < first)
            rowLabel[row] = text;
        else if (n < first + shape.kept)
            rowValues[row] += m.valueOpen + ReportPage::Escape(text) + m.valueClose + CrLf;
    });

    out += "<tr>";
    for (size_t r = 0; r < size_t(shape.rows); ++r) {
        if (r > 0)
            out += "</tr><tr>";
        if (!rowLabel[r].isEmpty())
            out += m.labelOpen + ReportPage::Escape(rowLabel[r]) + m.labelClose + CrLf;
        out += rowValues[r];
    }
    return out + "</tr>";
}

} // namespace EarningsRows
