// The IPO center: seven pages of one IPO data host, fetched over the socket
// with their headers and cut at "<html>" when shown. Five are one-table
// calendars, one stacks the latest pricings, filings and withdrawals, one
// lists the headlines.
#include "market/MarketFrame.h"
#include "market/MarketReaders.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"

using namespace SheetFrame;

namespace MarketReaders {

namespace {

// The first values, then value in every later place up to index last.
template<class T>
QList<T> Then(QList<T> first, T value, int last)
{
    while (first.size() <= last)
        first.append(value);
    return first;
}

// The page inside the socket reply: from "<html>" up to "</html>".
QByteArray HtmlPart(const QByteArray &reply) { return CutBetween(reply, "<html>", "</html>"); }

// The withdrawals' cells: each "<td" up to the next "<td" of the row; what
// follows the row's last "<td" is no cell.
template<class Each>
void ForEachOpenCell(QByteArrayView row, Each each)
{
    qsizetype o = row.indexOf("<td");
    while (o >= 0) {
        const qsizetype next = row.indexOf("<td", o + 1);
        if (next < 0)
            return;
        each(row.sliced(o, next - o).toByteArray());
        o = next;
    }
}

} // namespace

QByteArray SplitLastCell(QByteArrayView row, const char *separator)
{
    QByteArray out = row.toByteArray();
    const qsizetype last = out.lastIndexOf("<td");
    if (last < 0)
        return out;
    QByteArray tail = out.mid(last);
    tail.replace(separator, "</td><td>");
    out.truncate(last);
    return out + tail;
}

const IpoProfile &Profile(IpoCalendar calendar)
{
    // The gainers and the losers differ only in their names and texts.
    const auto performance = [](const char *view, const char *file, const char *title, const char *message) {
        return IpoProfile{.view = view, .file = file, .title = title, .message = message,
                          .cols = 14, .alignments = Then({1, 1, 4, 7, 7}, 4, 12), .centredHeaders = 5,
                          .titleOnWhite = true, .titleCol = 0, .hideFirst = false,
                          .widths = Then<double>({25, 10, 12, 10, 10, 11}, 9, 13),
                          .headers = {"Company", "Symbol", "Offer Date", "Offer Price", "Recent Close", "% Gain/Loss",
                                      "More Info"}};
    };
    static const IpoProfile profiles[5] = {
        {.view = "IPO_Reg", .file = "IPO_Reg.sh", .title = "IPO Registrations",
         .message = "Tickerwatch do not have IPO registration informain.",
         .cols = 8, .alignments = {4, 1, 1, 7, 7, 7, 4, 4}, .centredHeaders = 7,
         .titleOnWhite = true, .titleCol = 1, .hideFirst = false,
         .widths = {12, 25, 10, 9, 12, 15, 12, 9},
         .headers = {"File Date", "Company", "Proposed Symbol", "Shares", "File Amount", "Proposed or Initial Price",
                     "Expected IPO Date", "More Info"}},
        {.view = "IPO_Price", .file = "IPO_Prc.sh", .title = "IPO Pricings",
         .message = "Tickerwatch do not have IPO Prices informain.",
         .cols = 14, .alignments = Then({4, 1, 1, 7, 7}, 4, 12), .centredHeaders = 5,
         .titleOnWhite = false, .titleCol = 1, .hideFirst = true,
         .widths = Then<double>({12, 25, 10, 16, 10}, 9, 13),
         .headers = {"Offer Date", "Company", "Symbol", "Proposed Price", "Initial Price", "More Info"}},
        performance("IPO_Gain", "IPO_G3.sh", "IPO Gainers", "Tickerwatch do not have IPO Gain informain."),
        performance("IPO_Loss", "IPO_L3.sh", "IPO Losers", "Tickerwatch do not have IPO Losers informain."),
        {.view = "IPO_With", .file = "IPO_wp.sh", .title = "IPO Withdrawals",
         .message = "Tickerwatch do not have IPO Withdrawals informain.",
         .cols = 7, .alignments = {4, 1, 1, 4, 4, 4}, .centredHeaders = 5,
         .titleOnWhite = false, .titleCol = 1, .hideFirst = true,
         .widths = {12, 25, 10, 10, 18, 12, 10},
         .headers = {"Date Withdrawn", "Company", "Symbol", "Shares", "Proposed Price", "File Date", "More Info"}},
    };
    return profiles[int(calendar)];
}

void ReadIpoCalendar(IpoCalendar calendar, QByteArray &reply, SheetTable &t)
{
    const IpoProfile &p = Profile(calendar);
    const LinkColumns::View &links = LinkColumns::Of(QString::fromLatin1(p.view));
    const bool registrations = calendar == IpoCalendar::Registrations;
    const bool withdrawals = calendar == IpoCalendar::Withdrawals;
    if (registrations) {
        reply.replace("<HTML>", "<html>");
        reply.replace("<Html>", "<html>");
    }
    QByteArray page = HtmlPart(reply);
    page.replace("\t", "");
    Misc::FixTags(page, true, true, true, true);
    // The header row holding "More Info" is not walked.
    const QByteArray block = CutBetween(page, "More Info", "</table>");

    t.SetUp(3, p.cols);
    int r = 2;
    ForEachRow(block, [&](QByteArrayView pageRow) {
        // The registrations' cells stay whole; the other calendars spread
        // their link words over columns of their own.
        const QByteArray row = registrations ? pageRow.toByteArray() : SplitLastCell(pageRow, withdrawals ? ", " : ",");
        int c = 0;
        const auto put = [&](QByteArray cell) {
            const QByteArray text = CellText::Trim(Misc::CleanHTML(cell, withdrawals, true, false));
            if (!t.PlaceCell(r, c, text))
                return;
            LinkLook(t, r, c, links);
            // The profile link of a withdrawal goes with its symbol.
            if (withdrawals && c == 2) {
                if (text.size() != 2)
                    t.SetText(r, 6, "Profile");
                LinkLooks(t, r, links);
            }
            ++c;
        };
        if (withdrawals)
            ForEachOpenCell(row, put);
        else
            ForEachCell(row, put);
        if (registrations)
            t.SetRowHeight(r, 2);
        ++r;
        t.AddRow();
        if (!registrations)
            t.SetRowHeight(r, 2);
    });

    t.alignments = p.alignments;
    for (int c = 0; c <= p.centredHeaders; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    t.SetText(1, p.titleCol, p.title);
    t.Look(1, p.titleCol).bold = true;
    if (p.titleOnWhite)
        t.Look(1, p.titleCol).backColor = White;
    const auto hide = [&t] {
        t.SetRowHeight(t.Rows() - 1, 0);
        t.SetRowHeight(t.Rows() - 2, 0);
    };
    if (p.hideFirst)
        hide();
    t.SetRowHeight(0, 2);
    t.SetRowHeight(1, 2);
    if (!p.hideFirst)
        hide();
    t.widths = p.widths;
    t.headers = p.headers;
}

void ReadIpoLatest(QByteArray &reply, SheetTable &t)
{
    QByteArray page = HtmlPart(reply);
    page.replace("\t", "");
    Misc::FixTags(page, true, true, true, true);
    page.replace("&nbsp;", " ");

    const qsizetype pricings = Need(page.indexOf("Pricings"));
    const qsizetype filings = Need(page.indexOf("Filings", pricings));
    const qsizetype withdrawals = Need(page.indexOf("Withdrawals", filings));
    const qsizetype news = Need(page.indexOf("News", withdrawals));

    t.SetUp(3, 14);
    const LinkColumns::View &links = LinkColumns::Of(u"IPO_Last");
    int r = 1;
    const auto walk = [&](qsizetype from, qsizetype to) {
        const QByteArrayView section = QByteArrayView(page).sliced(from, to - from);
        ForEachBetween(section, "<tr", "</tr>", [&](QByteArrayView pageRow) {
            int c = 0;
            ForEachCell(SplitLastCell(pageRow, ","), [&](QByteArray cell) {
                if (t.PlaceCell(r, c, CellText::Of(cell)))
                    LinkLook(t, r, c, links);
                ++c;
            });
            ++r;
            t.AddRow();
            t.SetRowHeight(r, 2);
        }, LeftOpen::EndsWalk);
    };
    // The first row of the next section lands on its subtitle's row.
    const auto subtitle = [&](const char *text) {
        t.SetText(r, 2, text);
        t.Look(r, 2).bold = true;
        t.Look(r, 0).backColor = White;
    };
    walk(pricings, filings);
    subtitle("Latest Filings");
    walk(filings, withdrawals);
    subtitle("Latest Withdrawals");
    walk(withdrawals, news);

    t.alignments = Then({4, 1, 1}, 4, 12);
    for (int c = 0; c <= 5; ++c)
        t.Look(0, c).alignment = 4;
    t.topRow = 1;
    t.SetText(1, 2, "Latest IPO Events");
    t.Look(1, 0).backColor = White;
    t.Look(1, 2).bold = true;
    t.SetRowHeight(t.Rows() - 1, 0);
    t.SetRowHeight(0, 2);
    t.SetRowHeight(1, 2);
    t.widths = Then<double>({9, 9, 20, 18, 12}, 9, 13);
    t.headers = {"Date", "Symbol", "Company", "Price", "Action", "More Info"};
}

void ReadIpoNews(QByteArray &reply, SheetTable &t)
{
    QByteArray page = HtmlPart(reply);
    page.replace("\t", "");
    // A line end is one blank, also written CR LF.
    page.replace("\r\n", " ");
    page.replace("\n", " ");
    page.replace("- ", "\t");

    t.SetUp(2, 5);
    const LinkColumns::View &links = LinkColumns::Of(u"IPO_News");
    for (qsizetype d = page.indexOf("<li>"); d >= 0;) {
        qsizetype e = page.indexOf("<li>", d + 1);
        const qsizetype next = e;
        // The last item ends with its list, or with the page.
        if (e < 0)
            e = page.indexOf("</ul>", d);
        if (e < 0)
            e = page.indexOf("</ol>", d);
        if (e < 0)
            e = page.size();
        QByteArray item = page.mid(d, e - d);
        const QByteArray link = LinkAddress(item);
        const QByteArray text = CellText::Of(item);
        t.AddItem('\t' + text + '\t' + link);
        LinkLooks(t, t.Rows() - 1, links, !link.isEmpty());
        d = next;
    }

    t.alignments = {1, 1, 4, 4};
    t.topRow = 1;
    t.Look(0, 1).bold = true;
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 0);
    t.widths = {2, 70, 12, 12, 0};
    t.headers = {"", "IPO News", "Source", "Time"};
}

} // namespace MarketReaders

namespace {

using MarketReaders::IpoCalendar;

void FillCalendar(MainView &main, IpoCalendar calendar)
{
    const MarketReaders::IpoProfile &p = MarketReaders::Profile(calendar);
    Fill(main, {QString::fromLatin1(p.view), SheetCache::DataSheet(QLatin1String(p.file)),
                [calendar](QByteArray &page, const QByteArray &, SheetTable &t) {
                    MarketReaders::ReadIpoCalendar(calendar, page, t);
                },
                MarketFrame::Messages(p.message, std::nullopt)});
}

// Every IPO page comes from the one IPO data host, 1000 bytes at least.
void FetchIpoPage(MainView &main, const char *path, const char *file, const char *progress)
{
    if (main.AbortFlag == -1)
        return;
    try {
        main.SocketFetch(QStringLiteral("BusinessNewsPortal"), QLatin1String(path), SheetCache::DataSheet(QLatin1String(file)),
                         QLatin1String(progress), 1000);
    } catch (...) {
    }
}

} // namespace

namespace MarketReaders {

void FG_IPO_Reg(MainView &main) { FillCalendar(main, IpoCalendar::Registrations); }
void FG_IPO_Price(MainView &main) { FillCalendar(main, IpoCalendar::Pricings); }
void FG_IPO_Gain(MainView &main) { FillCalendar(main, IpoCalendar::Gainers); }
void FG_IPO_Loss(MainView &main) { FillCalendar(main, IpoCalendar::Losers); }
void FG_IPO_With(MainView &main) { FillCalendar(main, IpoCalendar::Withdrawals); }

void FG_IPO_Last(MainView &main)
{
    Fill(main, {QStringLiteral("IPO_Last"), SheetCache::DataSheet(QStringLiteral("IPO_lts.sh")),
                [](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadIpoLatest(page, t); },
                MarketFrame::Messages("Tickerwatch do not have Latest IPO Events informain.", std::nullopt)});
}

void FG_IPO_News(MainView &main)
{
    Fill(main, {QStringLiteral("IPO_News"), SheetCache::DataSheet(QStringLiteral("IPO_News.sh")),
                [](QByteArray &page, const QByteArray &, SheetTable &t) { MarketReaders::ReadIpoNews(page, t); },
                MarketFrame::Messages("Tickerwatch do not have IPO News informain.", std::nullopt)});
}

void Update_IPO_Last(MainView &main) { FetchIpoPage(main, "/ipo/index.html", "IPO_lts.sh", "Updating Latest IPO Events"); }
void Update_IPO_News(MainView &main) { FetchIpoPage(main, "/reports/ipo.html", "IPO_News.sh", "Updating IPO News"); }
void Update_IPO_Gain(MainView &main) { FetchIpoPage(main, "/ipo/perf_g3.html", "IPO_G3.sh", "Updating IPO Gainers"); }
void Update_IPO_Loss(MainView &main) { FetchIpoPage(main, "/ipo/perf_l3.html", "IPO_L3.sh", "Updating Latest IPO Lossers"); }
void Update_IPO_Reg(MainView &main) { FetchIpoPage(main, "/ipo/reg_cal.html", "IPO_Reg.sh", "Updating IPO Registrations"); }
void Update_IPO_Price(MainView &main) { FetchIpoPage(main, "/ipo/prc_cal.html", "IPO_Prc.sh", "Updating IPO Pricings"); }
void Update_IPO_With(MainView &main) { FetchIpoPage(main, "/ipo/wp.html", "IPO_wp.sh", "Updating IPO Withdrawals"); }

} // namespace MarketReaders
