// Insider trades ("IT", from "_it.Sh") and report filings ("QR", from
// "_qr.Sh") of the stock on show. Each keeps the addresses behind its link
// cells in hidden columns of the same grid, where the link clicks read them.
#include "sheets/SheetFrame.h"
#include "sheets/SheetReaders.h"

#include "core/CellText.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "platform/FlexGrid.h"

using namespace SheetFrame;

namespace {

// The title over column 2 of row 1.
CellLook &Title(SheetTable &t, const QByteArray &text)
{
    t.SetText(1, 2, text);
    CellLook &l = t.Look(1, 2);
    l.bold = true;
    l.alignment = 4;
    l.textStyle = FlexGrid::flexTextRaisedLight;
    l.backColor = White;
    return l;
}

// Each table row makes one grid row from `first` on; cell(text, r, c)
// places a cell and answers whether it took a column. Two rows stay at the end.
template<class Place>
void WalkRows(SheetTable &t, const QByteArray &table, int first, Place cell)
{
    int r = first;
    ForEachRow(table, [&](QByteArrayView row) {
        int c = 0;
        ForEachCell(row, [&](QByteArray raw) {
            if (cell(CellText::Of(raw), r, c))
                ++c;
        });
        ++r;
        t.AddRow();
    });
}

} // namespace

namespace SheetReaders {

void ReadIT(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    QByteArray cut = CutBetween(page, "Insider Trades", "</html");
    QByteArray table = Misc::GetTable(cut, 4);
    table.replace('\t', ' ');
    // A link cell becomes two: the insider's address, then the name.
    table.replace("<td><a href=\"", "<td>");
    table.replace(".html\">", ".html></td><td>");

    t.SetUp(3, 8);
    t.SetRowHeight(0, 1);
    const LinkColumns::View &links = LinkColumns::Of(u"IT");
    WalkRows(t, table, 1, [&t, &links](const QByteArray &text, int r, int c) {
        if (t.PlaceCell(r, c, text))
            LinkLook(t, r, c, links);
        return true;
    });

    t.alignments = {4, 1, 1, 1, 4, 1, 7, 7};
    for (int c = 0; c < 8; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    Title(t, name + "\r\nInsider Trades");
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 3);
    t.SetRowHeight(t.Rows() - 1, 0);
    t.SetRowHeight(t.Rows() - 2, 0);
    t.sortFirst = 2; // between the headings and the two hidden rows
    t.sortLast = t.Rows() - 3;
    t.widths = {13, 0, 30, 12, 10, 10, 10, 12};
    t.headers = {"Date", "", "Name", "Action", "Shares", "Type", "Price", "Value"};
}

void ReadQR(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    QByteArray cut = CutBetween(page, "Sort By", "</html");
    cut.replace('\t', ' ');
    Misc::FixTags(cut, true, true, true, true);
    // A colon splits its cell; a link turns into "<>", its quoted address,
    // ">", its text and "<>", so the cell text holds both, address first.
    cut.replace(":", "</td><td>");
    cut.replace("<A HREF=", "<>");
    cut.replace("ALT=\"Full Filing\">", "<>");
    cut.replace("/A", "");

    // The data table is the one after the "Sort By" table; its first row,
    // the column heads, is left out.
    const qsizetype sortEnd = Need(cut.indexOf("</table>"));
    const qsizetype s = Need(cut.indexOf("<table", sortEnd));
    const qsizetype headsEnd = Need(cut.indexOf("</tr", Need(cut.indexOf("<tr", s))));
    const QByteArray table = cut.mid(headsEnd, Need(cut.indexOf("</table>", headsEnd)) - headsEnd);

    t.SetUp(3, 7);
    t.SetRowHeight(0, 1);
    const LinkColumns::View &links = LinkColumns::Of(u"QR");
    WalkRows(t, table, 2, [&t, &links](QByteArray text, int r, int c) {
        if (text.isEmpty())
            return false;
        if (const qsizetype q1 = text.indexOf('"'); q1 >= 0) {
            const qsizetype q2 = Need(text.indexOf('"', q1 + 1));
            t.PlaceCell(r, c + 3, text.mid(q1 + 1, q2 - q1 - 1));
            text = text.mid(q2 + 1);
        }
        text.replace("&nbsp;", "");
        text.replace('\n', "");
        text.replace('\r', "");
        if (t.PlaceCell(r, c, text))
            LinkLook(t, r, c, links);
        return true;
    });

    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    t.SetRowHeight(2, 1);
    t.SetRowHeight(t.Rows() - 1, 0);
    t.sortFirst = 2; // between the title and the hidden last row
    t.sortLast = t.Rows() - 2;
    t.alignments = {4, 1, 1};
    CellLook &title = Title(t, name + " Quarterly Reports");
    title.underline = false;
    title.fontWidth = 4;
    t.widths = {15, 15, 66, 0, 0, 0, 0};
    t.headers = {"Date", "Fillings"};
}

void FG_IT(MainView &main) { Fill(main, {QStringLiteral("IT"), StockPage("_it.Sh"), ReadIT, UsualMessages("")}); }

void FG_QR(MainView &main) { Fill(main, {QStringLiteral("QR"), StockPage("_qr.Sh"), ReadQR, UsualMessages("")}); }

} // namespace SheetReaders
