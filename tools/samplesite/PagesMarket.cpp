// Market pages of the IPO center, the fund and option summary host, the US
// and world index pages and the splits calendars. Each carries the markers
// and table shapes its sheet looks for, is the same on every request, and is
// longer than the size under which the program throws a page away. Where a
// sheet hides its last page row, a trailer row stands there.
#include "Pages.h"

#include "market/MarketReaders.h"

namespace Pages {

namespace {

// Every other company name carries a comma, as the IPO pages write them.
QByteArray IpoCompany(SymbolData &d, int i)
{
    QByteArray name = Company(d);
    if (i % 2)
        name.replace(" Inc.", ", Inc.");
    return name;
}

QByteArray Date(SymbolData &d)
{
    return QByteArray::number(d.Between(1, 12)).rightJustified(2, '0') + '/'
           + QByteArray::number(d.Between(1, 28)).rightJustified(2, '0') + "/2000";
}

// "1,234.56" for 123456.
QByteArray GroupedHundredths(int value)
{
    return Grouped(value / 100) + "." + QByteArray::number(value % 100).rightJustified(2, '0');
}

QByteArray Link(const QByteArray &href, const QByteArray &word) { return "<a href=\"" + href + "\">" + word + "</a>"; }

// The IPO pages' link words of a symbol, joined by ", ".
QByteArray LinkWords(const QByteArray &sym, std::initializer_list<const char *> words)
{
    QByteArray out;
    for (const char *w : words) {
        if (!out.isEmpty())
            out += ", ";
        out += Link("/" + QByteArray(w).toLower() + "/" + sym + ".html", w);
    }
    return out;
}

QByteArray Head(const QList<QByteArray> &texts)
{
    QByteArray row = "<tr>";
    for (const QByteArray &t : texts)
        row += "<TH>" + t + "</TH>";
    return row + "</tr>\r\n";
}

} // namespace

// One IPO calendar: a head row ending "More Info", data rows, a trailer row.
Reply IpoCalendarPage(const Request &r)
{
    const QByteArray page = r.Arg("page");
    SymbolData d("ipo-" + page);
    QByteArray head, rows;
    int cols = 0;
    for (int i = 0; i < 12; ++i) {
        const QByteArray sym = Ticker(d);
        const QByteArray company = IpoCompany(d, i);
        const QByteArray price = Pages::Hundredths(d.Between(800, 3000));
        if (page == "reg_cal") {
            head = Head({"File Date", "Company", "Proposed Symbol", "Shares", "File Amount", "Price", "Expected Date",
                         "More Info"});
            // The registrations' link cell stays one cell, commas and all.
            rows += Cells({Date(d), company, sym, Grouped(d.Between(1, 90) * 100000), "$" + Grouped(d.Between(10, 900)) + "M",
                           price, Date(d), LinkWords(sym, {"Profile", "News"})});
        } else if (page == "prc_cal") {
            head = Head({"Offer Date", "Company", "Symbol", "Proposed", "Initial", "More Info"});
            rows += Cells({Date(d), company, sym, price, Pages::Hundredths(d.Between(800, 3000)),
                           LinkWords(sym, {"News", "Chart", "Profile"})});
        } else if (page == "perf_g3" || page == "perf_l3") {
            const int offer = d.Between(800, 3000);
            const int pct = (page == "perf_g3" ? 1 : -1) * d.Between(100, 9000);
            head = Head({"Company", "Symbol", "Offer Date", "Offer Price", "Recent Close", "% Gain", "More Info"});
            rows += Cells({company, sym, Date(d), Pages::Hundredths(offer), Pages::Hundredths(offer + offer * pct / 10000),
                           Signed(pct) + "%", LinkWords(sym, {"News", "Chart", "Profile"})});
        } else if (page == "wp") {
            head = Head({"Date", "Company", "Symbol", "Shares", "Price", "File Date", "More Info"});
            rows += Cells({Date(d), company, sym, Grouped(d.Between(1, 90) * 100000), price, Date(d),
                           LinkWords(sym, {"Profile"})});
        } else {
            return Reply::Status(404);
        }
        cols = int(head.count("<TH>"));
    }
    const QByteArray body = "<table border=1>\r\n" + head + rows + "<TR><TD colspan=" + QByteArray::number(cols)
                            + ">Source: IPO desk</TD></TR>\r\n</table>\r\n" + Padding();
    // The registrations page opens in capitals.
    if (page == "reg_cal")
        return Reply::Html("<HTML><head><title>IPO calendar</title></head><body>\r\n" + body + "</body></html>\r\n");
    return Reply::Html(Html("IPO calendar", body));
}

// The latest pricings, filings and withdrawals, each table opening with a
// one-cell row, then the news.
Reply IpoEventsPage(const Request &)
{
    SymbolData d("ipo-events");
    QByteArray body;
    const struct {
        const char *heading;
        const char *action;
        int rows;
    } sections[] = {{"Pricings", "Priced", 5}, {"Filings", "Filed", 4}, {"Withdrawals", "Withdrawn", 3}};
    for (const auto &s : sections) {
        const bool withdrawn = QByteArray(s.heading) == "Withdrawals";
        body += "<p><b>Latest " + QByteArray(s.heading) + "</b></p>\r\n<table border=1>\r\n<tr><td colspan=6>"
                + QByteArray::number(s.rows) + " this week</td></tr>\r\n";
        for (int i = 0; i < s.rows; ++i) {
            const QByteArray sym = Ticker(d);
            // Withdrawal rows carry no news word.
            body += Cells({Date(d), sym, IpoCompany(d, i), Pages::Hundredths(d.Between(800, 3000)), s.action,
                           withdrawn ? LinkWords(sym, {"Profile"}) : LinkWords(sym, {"News", "Chart", "Profile"})});
        }
        body += "</table>\r\n";
    }
    body += "<p><b>IPO News</b></p>\r\n" + Padding();
    return Reply::Html(Html("Latest IPO events", body));
}

// Headlines "Headline - Source - Time", each linking to its story, the
// links written in the ways pages write them: double quotes with a target,
// single quotes, no quotes; one headline has no link.
Reply IpoNewsPage(const Request &)
{
    SymbolData d("ipo-news");
    QByteArray items;
    for (int i = 1; i <= 8; ++i) {
        const QByteArray sym = Ticker(d);
        const QByteArray story = "n/i/" + sym.toLower() + ".html";
        const QByteArray text = Company(d) + " sets terms for its offering - Wire " + QByteArray::number(d.Between(1, 9))
                                + " - " + QByteArray::number(d.Between(8, 16)) + ":" + QByteArray::number(d.Between(10, 59));
        switch (i % 4) {
        case 0: items += "<li><a href=\"" + story + "\" target=\"_blank\">" + text + "</a>\r\n"; break;
        case 1: items += "<li><a href=\"" + story + "\">" + text + "</a>\r\n"; break;
        case 2: items += "<li><a href='" + story + "'>" + text + "</a>\r\n"; break;
        default: items += i == 3 ? "<li>" + text + "\r\n" : "<li><a href=" + story + ">" + text + "</a>\r\n"; break;
        }
    }
    return Reply::Html(Html("IPO headlines", "<ul>\r\n" + items + "</ul>\r\n" + Padding()));
}

// A fund list (a head row Symbol, Name, Last, Change, Date and rows of five
// cells) or, as "optiont.html", the option market summary: three top-ten
// tables after "Leaders", "Gainers" and "Losers".
Reply FundDataPage(const Request &r)
{
    const QByteArray page = r.Arg("page");
    if (page == "optiont.html") {
        SymbolData d("option-summary");
        QByteArray body;
        for (const char *kind : {"Leaders", "Gainers", "Losers"}) {
            body += "<h3>Option " + QByteArray(kind) + "</h3>\r\n<table border=1>\r\n"
                    + Cells({"Symbol", "Last", "+/-", "Pct", "Volume"});
            for (int i = 0; i < 10; ++i) {
                const int last = d.Between(10, 2000);
                const int sign = QByteArray(kind) == "Gainers" ? 1 : QByteArray(kind) == "Losers" ? -1 : (d.Between(0, 1) ? 1 : -1);
                const int change = sign * d.Between(5, 200);
                body += Cells({Ticker(d) + " " + QByteArray::number(d.Between(2, 20) * 5) + (d.Between(0, 1) ? " C" : " P"),
                               Pages::Hundredths(last), Signed(change), Signed(change * 10000 / last) + "%",
                               Grouped(d.Between(100, 90000))});
            }
            body += "</table>\r\n";
        }
        return Reply::Html(Html("Options market summary", body));
    }
    const MarketReaders::FundList *list = nullptr;
    for (const MarketReaders::FundList &l : MarketReaders::FundLists())
        if (page == l.page)
            list = &l;
    if (!list)
        return Reply::Status(404);
    SymbolData d(page);
    QByteArray rows;
    for (int i = 0; i < 15; ++i) {
        QByteArray sym = Ticker(d);
        while (sym.size() < 4)
            sym += 'F';
        rows += Cells({sym + "X", Company(d).replace(" Inc.", " Fund"), Pages::Hundredths(d.Between(500, 9000)),
                       Signed(d.Between(-150, 150)), "06/02"});
    }
    return Reply::Html(Html("Fund prices", "<table border=1>\r\n"
                                               + Head({"Symbol", "Name", "Last", "Change", "Date"}) + rows
                                               + "</table>\r\n"));
}

// The 37 US index rows by their labels, tags in capitals, under their
// group headings.
Reply USMarketPage(const Request &)
{
    QByteArray rows;
    for (const MarketReaders::IndexRow &row : MarketReaders::USIndexRows()) {
        if (!row.symbol) {
            rows += "<TR><TD COLSPAN=6><B>" + QByteArray(row.label) + "</B></TD></TR>\r\n";
            continue;
        }
        SymbolData d(row.symbol);
        const int last = d.Between(10000, 1200000);
        const int change = d.Between(-3000, 3000);
        rows += "<TR><TD>" + QByteArray(row.label) + "</TD><TD>" + row.symbol + "</TD><TD>4:0" + QByteArray::number(d.Between(1, 9))
                + "pm</TD><TD>" + GroupedHundredths(last) + "</TD><TD>" + Signed(change) + "</TD><TD>"
                + Signed(change * 10000 / last) + "%</TD></TR>\r\n";
    }
    return Reply::Html(Html("U.S. markets", "<TABLE>\r\n" + rows + "</TABLE>\r\n"));
}

// Four regions, each heading before its rows and a spacer row. A row holds
// the index's code, which the grid's links open with "^" in front, then the
// symbol as it is shown.
Reply WorldMarketsPage(const Request &)
{
    const struct {
        const char *region;
        QList<const char *> indices;
    } regions[] = {
        {"Americas", {"Merval", "Bovespa", "IPC", "S&amp;P/TSX"}},
        {"Asia", {"Nikkei 225", "Hang Seng", "All Ordinaries"}},
        {"Europe", {"FTSE 100", "DAX", "CAC 40", "AEX"}},
        {"Africa", {"JSE", "EGX 30"}},
    };
    QByteArray rows;
    for (const auto &region : regions) {
        rows += "<tr><td colspan=8><b>" + QByteArray(region.region) + "</b></td></tr>\r\n";
        for (const char *name : region.indices) {
            QByteArray code = QByteArray(name).left(4).toUpper();
            code.replace(" ", "");
            code.replace("&", "");
            const QByteArray sym = "^" + code;
            SymbolData d(name);
            const int last = d.Between(100000, 4000000);
            const int change = d.Between(-5000, 5000);
            rows += Cells({name, code, sym, "Jun " + QByteArray::number(d.Between(1, 9)),
                           GroupedHundredths(last), Signed(change),
                           Signed(change * 10000 / last) + "%",
                           Link("/q?s=" + sym + "&d=3m", "Chart") + ", " + Link("/n/" + sym.mid(1) + ".html", "News")});
        }
        rows += "<tr><td></td></tr>\r\n";
    }
    return Reply::Html(Html("World markets", "<table>\r\n<tr><th>Index</th><th>Code</th><th>Symbol</th></tr>\r\n" + rows
                                                 + "</table>\r\n" + Padding()));
}

// A splits calendar: a head row holding the list's marker, rows of ticker,
// company, amount and dates with their "News" and "Chart" cells.
Reply SplitsCalendarPage(const Request &r)
{
    const QByteArray page = r.path.mid(r.path.lastIndexOf('/') + 1);
    QByteArray head;
    int dates = 2; // the tech list has none, the recent list three
    if (page == "splits-today.asp") {
        head = Cells({"Ticker", "Company", "Amount", "Ex-date", "Payable", "", ""});
    } else if (page == "splits-thisweek.asp" || page == "splits-nextweek.asp") {
        head = Cells({"Ticker", "Company", "Ratio", "Ex-date", "Pay-date", "", ""});
    } else if (page == "splits-recent.asp") {
        head = Cells({"Symbol", "Company", "Ratio", "Announced", "Ex-date", "Pay-date", "", ""});
        dates = 3;
    } else if (page == "mostsplits.asp") {
        head = "<tr><td colspan=3><b>Tech Stocks with The Most Splits</b></td></tr>\r\n";
        dates = 0;
    } else {
        return Reply::Status(404);
    }
    SymbolData d(page);
    QByteArray rows;
    for (int i = 0; i < 10; ++i) {
        const QByteArray sym = Ticker(d);
        QList<QByteArray> cells{sym, Company(d)};
        if (dates == 0) {
            cells << QByteArray::number(d.Between(3, 12));
        } else {
            cells << QByteArray::number(d.Between(2, 4)) + "-for-" + QByteArray::number(d.Between(1, 2));
            for (int k = 0; k < dates; ++k)
                cells << Date(d);
        }
        cells << Link("/n/" + sym + ".html", "News") << Link("/c/" + sym + ".html", "Chart");
        rows += Cells(cells);
    }
    return Reply::Html(Html("Splits calendar", "<table border=1>\r\n" + head + rows + "</table>\r\n" + Padding() + Padding()));
}

} // namespace Pages
