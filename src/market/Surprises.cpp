// Two lists that place their cells by count: the top daily earnings
// surprises ("SUP") and the percentage winners or losers of the three
// exchanges under yellow section headings ("WINLOS").
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "platform/FlexGrid.h"

using namespace SheetFrame;

namespace MarketReaders {

void ReadSurprises(QByteArray &page, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    QByteArray block = CutTable(page, 0);
    block.replace('\t', ' ');

    t.SetUp(2, 5);
    t.SetRowHeight(0, 1);
    const LinkColumns::View &links = LinkColumns::Of(u"SUP");
    // Five cells make a grid row whatever the page rows hold: a short page
    // row is continued by the next one; a long one loses its cells after the
    // fifth, which take no column.
    int r = 0, c = 0;
    ForEachRow(block, [&](QByteArrayView row) {
        int k = 0;
        ForEachCell(row, [&](QByteArray cell) {
            if (r == 1) {
                t.Look(1, 0).backColor = White;
                t.SetText(1, 1, "Top Daily Earnings");
                t.SetRowHeight(1, 2);
                CellLook &title = t.Look(1, 1);
                title.alignment = 1;
                title.bold = true;
                title.textStyle = FlexGrid::flexTextRaisedLight;
                title.backColor = White;
                r = 2;
            }
            if (r >= 2)
                LinkLooks(t, r, links);
            if (k < 5) {
                t.PlaceCell(r, c, CellText::Of(cell));
                if (k == 4) {
                    ++r;
                    c = -1;
                    t.AddRow();
                }
                ++c;
            }
            ++k;
        });
    });

    t.alignments = {1, 1, 4, 4, 4};
    t.SetRowHeight(0, 1);
    for (int col = 0; col < 5; ++col)
        t.Look(0, col).alignment = 3;
    t.SetRowHeight(t.Rows() - 1, 0);
    t.sortFirst = 2; // the surprises, between the title row and the hidden last row
    t.sortLast = t.Rows() - 2;
    t.widths = {10, 32, 18, 18, 18};
}

void ReadPercentMovers(const QByteArray &title, QByteArray &page, SheetTable &t)
{
    QByteArray text = CutBetween(page, title, "All Rights Reserved");
    Misc::FixTags(text, true, true, true, true);
    text.replace("\t", "");
    text.replace("\n", "");

    // The end of the next row from `from`: where its "</tr>" stands.
    const auto rowEnd = [&text](qsizetype from) { return Need(text.indexOf("</tr>", Need(text.indexOf("<tr", from)))); };
    const auto rowText = [&text](qsizetype from) {
        const qsizetype s = Need(text.indexOf("<tr", from));
        QByteArray row = text.mid(s, Need(text.indexOf("</tr>", s)) - s);
        return CellText::Of(row);
    };
    struct Section {
        QByteArray heading;
        QByteArray block;
    };
    QList<Section> sections;
    // The first table opens with its heading row; the others with a row
    // before it. Past the last table the search starts again at the top.
    qsizetype at = 0;
    for (int s = 0; s < 3; ++s) {
        qsizetype table = text.indexOf("<table", at);
        if (table < 0)
            table = Need(text.indexOf("<table"));
        qsizetype headStart = s == 0 ? table : rowEnd(table);
        Section section;
        section.heading = rowText(headStart);
        const qsizetype blockStart = rowEnd(rowEnd(headStart));
        at = Need(text.indexOf("</table>", blockStart));
        section.block = text.mid(blockStart, at - blockStart);
        sections.append(section);
    }

    t.SetUp(6, 9);
    t.SetRowHeight(0, 1);
    const LinkColumns::View &links = LinkColumns::Of(u"WINLOS");
    int r = 3;
    for (const Section &s : sections) {
        t.SetText(r - 1, 3, s.heading);
        for (int c = 1; c <= 7; ++c) {
            CellLook &look = t.Look(r - 1, c);
            look.bold = true;
            look.fontWidth = 4;
            look.backColor = 0xFFFF; // yellow
            look.textStyle = FlexGrid::flexTextRaisedLight;
        }
        ForEachBetween(s.block, "<tr", "</tr>", [&](QByteArrayView piece) {
            QByteArray row = piece.toByteArray();
            row.replace("&nbsp;", "");
            int c = 0;
            ForEachCell(row, [&](QByteArray cell) {
                if (t.PlaceCell(r, c, CellText::Of(cell)))
                    LinkLook(t, r, c, links);
                ++c;
            });
            ++r;
            t.AddRow();
        }, LeftOpen::EndsWalk);
        ++r;
    }

    t.SetText(1, 3, title);
    t.SetRowHeight(1, 2);
    CellLook &look = t.Look(1, 3);
    look.bold = true;
    look.fontWidth = 4;
    look.textStyle = FlexGrid::flexTextRaisedLight;
    t.alignments = {1, 1, 1, 1, 7, 7, 7};
    for (int c = 0; c <= 7; ++c)
        t.Look(0, c).alignment = 3;
    t.SetRowHeight(t.Rows() - 1, 0);
    t.widths = {2, 8, 0, 45, 12, 12, 10, 8, 0};
    t.headers = {"", "Symbol", "", "Company", "Last", "Volume", "Change", "% Ch"};
}

void FG_Surp(MainView &main)
{
    Fill(main, {QStringLiteral("SUP"), SheetCache::DataSheet(QStringLiteral("25_surp.Sh")),
                [](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadSurprises(page, t); },
                MarketFrame::Messages("The 25 Top Earning data is bad, connect to Internet, and update again.",
                                      std::nullopt)});
}

void FG_WinLos(MainView &main, const QString &file)
{
    const QByteArray title = file == QLatin1String("mwwinners.Sh") ? "Percentage Winners" : "Percentage Losers";
    Fill(main, {QStringLiteral("WINLOS"), SheetCache::DataSheet(file),
                [title](QByteArray &page, const QByteArray &, SheetTable &t) {
                    MarketReaders::ReadPercentMovers(title, page, t);
                },
                MarketFrame::Messages("No Data were found", QByteArray()), Source::Page, Zooming::MainGrid});
}

} // namespace MarketReaders
