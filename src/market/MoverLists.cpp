// The market mover reports and the screener lists of the three exchanges:
// one Tab-joined text per page row, added to the grid as a row, a change
// arrow in column 0.
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "platform/Vb.h"

using namespace SheetFrame;

namespace {

struct MoverList {
    const char *name;  // the file name before the exchange
    const char *title; // before the exchange's name in parentheses
};
constexpr MoverList kLists[] = {
    {"brMAS", "Most Active Stocks"},          {"brPG", "Largest % Gain in Price"},
    {"brPL", "Largest % Loss in Price"},      {"brVG", "Largest % Gain in Volume"},
    {"brVL", "Largest % Loss in Volume"},     {"br52-WPH", "New 52-Week Price High"},
    {"br52-WPL", "New 52-Week Price Lows"},   {"BrLMM", "Largest Money Movers "},
    {"BrDT", "Most Active by Dollars Traded"},
};
constexpr std::pair<const char *, const char *> kExchanges[] = {{"_Q", "NASDAQ"}, {"_N", "NYSE"}, {"_A", "AMEX"}};

QList<QByteArray> MoverHeaders(const QString &file)
{
    const QString p = file.left(4);
    if (p == QLatin1String("brMA"))
        return {"Rank", "Company Name", "Symbol", "Volume", "50-Day Avg. Vol.", "Closing Price", "Price Change", "P/E Ratio"};
    if (p == QLatin1String("brPG") || p == QLatin1String("brPL"))
        return {"Rank", "Company Name", "Symbol", "% Increase in Price", "Volume", "Closing Price", "Price Change", "P/E Ratio"};
    if (p == QLatin1String("brVG") || p == QLatin1String("brVL"))
        return {"Rank", "Company Name", "Symbol", "% Increase in Volume", "Volume", "Closing Price", "Price Change", "P/E Ratio"};
    if (p == QLatin1String("br52"))
        return {"Rank", "Company Name", "Symbol", "Closing price", "Price Change", "52-Week High", "52-Week Low",
                "% Change in Volume", "P/E Ratio"};
    if (p == QLatin1String("BrLM"))
        return {"Rank", "Company Name", "Symbol", "Total Dollars Traded", "50-Day Avg. Vol.", "Closing Price", "Price Change", "P/E Ratio"};
    return {};
}

// Title row and the first list row, shared by both kinds of list; a list
// without rows has no row 2.
void Title(SheetTable &t, const QByteArray &title)
{
    t.SetText(1, 1, title);
    CellLook &look = t.Look(1, 1);
    look.bold = true;
    look.backColor = White;
    t.SetRowHeight(0, 2);
    t.SetRowHeight(1, 2);
    if (t.Rows() > 2)
        t.SetRowHeight(2, 1);
}

QByteArray NbspAsBlank(QByteArray text) { return text.replace("&nbsp;", " "); }

} // namespace

namespace MarketReaders {

QByteArray MoverTitle(const QString &file)
{
    for (const MoverList &l : kLists)
        for (const auto &[suffix, exchange] : kExchanges)
            if (file == QLatin1String(l.name) + QLatin1String(suffix) + QLatin1String(".Sh"))
                return QByteArray(l.title) + " (" + exchange + ")";
    return {};
}

bool IsScreenerFile(const QString &file)
{
    return file == QLatin1String("BrDT_Q.Sh") || file == QLatin1String("BrDT_N.Sh") || file == QLatin1String("BrDT_A.Sh");
}

void ReadMovers(const QString &file, const QByteArray &title, QByteArray &page, SheetTable &t)
{
    page.replace("\t", "");
    Misc::FixTags(page, true, true, true, true);
    Misc::ReplaceInTags(page, {{"TH", "td"}, {"Th", "td"}});
    page.replace("&#187;", "");
    // The small table around each company link becomes a cell of its own.
    page.replace("</tr></table>", "");
    page.replace("<table cellpadding=0 cellspacing=0 border=0><tr>", "</td>");
    page.replace(MoversSpacerRow, "");
    const QByteArray block = CutBetween(page, "<BR>Ratio", "Show");

    t.SetUp(2, 10);
    const LinkColumns::View &links = LinkColumns::Of(u"BR");
    ForEachBetween(block, "<tr", "</tr>", [&](QByteArrayView row) {
        QByteArray line;
        QByteArray address;
        int count = 0;
        ForEachCell(row, [&](QByteArray cell) {
            if (count == 1) {
                QByteArray link = cell;
                if (const QByteArray a = Misc::CleanHTML(link, false, false, true); !a.isEmpty())
                    address = a;
            }
            const QByteArray text = CellText::Trim(NbspAsBlank(CellText::Of(cell)));
            if (!text.isEmpty()) {
                line += text + '\t';
                ++count;
            }
        });
        t.AddItem(line);
        if (!address.isEmpty())
            t.SetText(t.Rows() - 1, 9, address);
        LinkLooks(t, t.Rows() - 1, links, !address.isEmpty());
    }, LeftOpen::EndsWalk);

    t.alignments = {4, 1, 1, 7, 7, 7, 7, 7, 7};
    for (int c = 0; c <= 7; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    Title(t, title);
    // The page's two blank rows after the movers are hidden; the headings
    // and the title never are.
    for (int r : {t.Rows() - 1, t.Rows() - 2})
        if (r >= 2)
            t.SetRowHeight(r, 0);
    t.sortFirst = 2; // the movers, between the title and the two hidden rows
    t.sortLast = t.Rows() - 3;
    // Column 9 keeps the company's address for the link click, unseen.
    t.widths = {4, 22, 10, 12, 12, 12, 12, 12, 12, 0};
    ChangePictures(t, 2, 6);
    t.headers = MoverHeaders(file);
}

void ReadScreener(const QString &file, const QByteArray &title, QByteArray &page, SheetTable &t)
{
    Misc::FixTags(page, true, true, true, true);
    Misc::ReplaceInTags(page, {{"TH", "td"}, {"Th", "td"}});
    page.replace("&#187;", "");
    const QByteArray block = CutBetween(page, "Go To", "Here");

    t.SetUp(2, 9);
    // A row ends at its news icon, a cell left open ends its row.
    ForEachBetween(block, "<tr", "icon_news.gif", [&](QByteArrayView row) {
        QByteArray line;
        ForEachBetween(row, "<td", "</td>", [&](QByteArrayView piece) {
            QByteArray cell = piece.toByteArray();
            // A "&nbsp;" cell keeps its column, empty.
            const QByteArray text = NbspAsBlank(CellText::Of(cell));
            if (!text.isEmpty())
                line += '\t' + CellText::Trim(text);
        }, LeftOpen::EndsWalk);
        t.AddItem(line);
    }, LeftOpen::EndsWalk);

    ChangePictures(t, 2, 5);
    t.alignments = {4, 1, 1, 7, 7, 7, 7, 7};
    for (int c = 0; c <= 8; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    Title(t, title);
    t.sortFirst = 2;
    t.sortLast = t.Rows() - 1;
    t.widths = {4, 13, 12, 10, 0, 12, 12, 16, 16};
    const QString p = file.left(4);
    if (p == QLatin1String("BrDT") || p == QLatin1String("BrPU") || p == QLatin1String("BrPD"))
        t.headers = {"", "Symbol", "Company Name", "Price", "", "Change", "% Change", "Volume", "Dollars Traded"};
}

namespace {

// A movers list, drawn in the main grid.
void Pares_BR(MainView &main, const QString &file, const QString &title)
{
    const QByteArray name = Text::ToCp1252(title);
    Fill(main, {QStringLiteral("BR"), SheetCache::DataSheet(file),
                [file, name](QByteArray &page, const QByteArray &, SheetTable &t) {
                    MarketReaders::ReadMovers(file, name, page, t);
                },
                MarketFrame::Messages("No data for: " + name, std::nullopt), Source::Page, Zooming::MainGrid});
}

} // namespace

void FG_BR(MainView &main, const QString &file)
{
    const QString title = QString::fromLatin1(MarketReaders::MoverTitle(file));
    if (MarketReaders::IsScreenerFile(file))
        Pares_BR2(main, file, title);
    else
        Pares_BR(main, file, title);
}

void Pares_BR2(MainView &main, const QString &file, const QString &title)
{
    const QByteArray name = Text::ToCp1252(title);
    Fill(main, {QStringLiteral("BR"), SheetCache::DataSheet(file),
                [file, name](QByteArray &page, const QByteArray &, SheetTable &t) {
                    try {
                        MarketReaders::ReadScreener(file, name, page, t);
                    } catch (const VbError &e) {
                        // The one list that tells of other failures in a box.
                        if (int(e.number) != PageMissing && int(e.number) != MarkerMissing)
                            Dialogs::MsgBox(e.description + QString::number(int(e.number)));
                        throw;
                    }
                },
                MarketFrame::Messages("No data for: " + name, std::nullopt), Source::Page, Zooming::MainGrid});
}

} // namespace MarketReaders
