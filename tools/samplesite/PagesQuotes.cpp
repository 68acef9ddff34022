// Quote pages: the detailed quote page of one stock, the comma-separated
// quote list of several, and the analysts' report with the average
// recommendation. The page and the list of a symbol tell the same prices (in
// eighths on the page, as the old quote pages did, in decimals in the list).
#include "Pages.h"

#include <QList>
#include <algorithm>

namespace Pages {

namespace {

// One stock's quote; prices in eighths of a dollar.
struct Quote {
    QByteArray name;
    QByteArray exchange;
    int previous, last, change, open, high, low, bid, ask, low52, high52;
    qint64 volume, avgVolume;
    QByteArray time;
    int eps;            // cents
    int yield;          // hundredths of a per cent
    int shares;         // millions
    int recommendation; // hundredths, 100 (strong buy) to 500 (strong sell)
};

// The day of every last trade: one fixed trading day.
const char kTradeDate[] = "6/2/2000";

// A company name, exchange and figures fixed per symbol.
Quote QuoteOf(const QByteArray &sym)
{
    static const char *const first[] = {"Acme", "Bluewater", "Cobalt", "Driftwood", "Evergreen", "Foxglove",
                                        "Goldcrest", "Highland", "Ironwood", "Jasper", "Kestrel", "Larkspur"};
    static const char *const second[] = {"Industries", "Corp.", "Group", "Resources", "Devices", "Software",
                                         "Airlines", "Chemicals"};
    static const char *const exchanges[] = {"NYSE", "NasdaqNM", "AMEX"};
    SymbolData d(sym + "/quote");
    Quote q;
    q.name = QByteArray(first[d.Between(0, 11)]) + ' ' + second[d.Between(0, 7)];
    q.exchange = exchanges[d.Between(0, 2)];
    q.previous = d.Between(8 * 5, 8 * 150);
    // About one stock in eight is unchanged.
    q.change = d.Between(0, 7) == 0 ? 0 : d.Between(-q.previous / 12, q.previous / 12);
    q.last = q.previous + q.change;
    q.open = q.previous + d.Between(-4, 4);
    q.high = std::max({q.last, q.open, q.previous}) + d.Between(0, 8);
    q.low = std::max(1, std::min({q.last, q.open, q.previous}) - d.Between(0, 8));
    q.bid = std::max(1, q.last - d.Between(0, 2));
    q.ask = q.last + d.Between(1, 3);
    q.low52 = std::max(1, q.low - d.Between(0, q.previous / 2));
    q.high52 = q.high + d.Between(0, q.previous / 2);
    q.volume = qint64(d.Between(1, 90000)) * 100 + d.Between(0, 99);
    q.avgVolume = qint64(d.Between(1, 90000)) * 100;
    const int minute = 30 + d.Between(0, 389); // 9:30AM to 3:59PM
    const int hour = 9 + minute / 60;
    q.time = QByteArray::number(hour > 12 ? hour - 12 : hour) + ':'
             + QByteArray::number(minute % 60).rightJustified(2, '0') + (hour >= 12 ? "PM" : "AM");
    q.eps = d.Between(-150, 600);
    q.yield = d.Between(0, 5) == 0 ? 0 : d.Between(10, 450);
    q.shares = d.Between(20, 3000);
    q.recommendation = d.Between(4, 20) * 25;
    return q;
}

// "12 3/8", "3/8", "12".
QByteArray Fraction(int eighths)
{
    const int whole = eighths / 8;
    int num = eighths % 8, den = 8;
    while (num && num % 2 == 0) {
        num /= 2;
        den /= 2;
    }
    if (!num)
        return QByteArray::number(whole);
    const QByteArray part = QByteArray::number(num) + '/' + QByteArray::number(den);
    return whole ? QByteArray::number(whole) + ' ' + part : part;
}

// "12.375", "12.5", "12".
QByteArray Decimal(int eighths)
{
    QByteArray text = QByteArray::number(eighths / 8) + '.'
                      + QByteArray::number(eighths % 8 * 125).rightJustified(3, '0');
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

// A change with its sign; "0" when there is none.
QByteArray Signed(int eighths, QByteArray (*form)(int))
{
    if (eighths == 0)
        return "0";
    return (eighths > 0 ? "+" : "-") + form(eighths > 0 ? eighths : -eighths);
}

QByteArray PercentChange(const Quote &q)
{
    const int hundredths = int(qint64(q.change) * 10000 / q.previous);
    return (hundredths > 0 ? "+" : "") + Hundredths(hundredths) + '%';
}

QByteArray Cell(const char *label, const QByteArray &value)
{
    return QByteArray("<td nowrap>") + label + "<br><b>" + value + "</b></td>";
}

// What a quote page carries besides the quote: the site's links and the
// latest headlines, about the length of a real page.
QByteArray Surroundings(const QByteArray &sym, SymbolData &d)
{
    static const char *const topics[] = {"earnings", "a new plant", "a dividend", "its outlook", "a partnership",
                                         "a product line", "management changes", "a share buy-back"};
    QByteArray rows;
    for (int i = 1; i <= 40; ++i)
        rows += "<tr><td nowrap><small>Jun " + QByteArray::number(d.Between(1, 2)) + "</small></td><td><a href=\"/n/"
                + sym + '/' + QByteArray::number(i) + ".html\">" + sym + " comments on " + topics[d.Between(0, 7)]
                + "</a> <small>(Wire " + QByteArray::number(d.Between(1, 9)) + ")</small></td></tr>\r\n";
    QByteArray links;
    for (int i = 0; i < 120; ++i)
        links += "<a href=\"/l/" + QByteArray::number(i) + ".html\">Link " + QByteArray::number(i) + "</a> | ";
    return "<p><b>Headlines</b></p>\r\n<table cellpadding=2 width=100%>\r\n" + rows
           + "</table>\r\n<p><small>" + links + "</small></p>\r\n";
}

} // namespace

// The detailed quote page (d=t): a link line ending in "Views", the name cell
// with the exchange and ticker in brackets, then one cell a figure, each its
// label, a line break and the value, in the order the quote is read in.
Reply DetailedQuotePage(const Request &r)
{
    const QByteArray sym = r.Query("s").toUpper();
    if (!IsSymbol(sym))
        return Reply::Status(404);
    const Quote q = QuoteOf(sym);
    SymbolData d(sym + "/page");
    const int cap = int(qint64(q.last) * q.shares / 80); // hundredths of a billion
    const int dps = q.yield * q.last / 800;              // cents
    const QByteArray pe = q.eps > 0 ? Hundredths(int(qint64(q.last) * 10000 / (8 * q.eps))) : QByteArray("N/A");
    QByteArray page =
        "<html><head><title>" + sym + ": Detailed Quote for " + q.name + "</title></head><body>\r\n"
        "<p><small><a href=\"/q?s=" + sym + "\">Quote</a> | <a href=\"/c?s=" + sym + "\">Chart</a> | "
        "<a href=\"/p?s=" + sym + "\">Profile</a> | <a href=\"/r?s=" + sym + "\">Research</a> | "
        "<a href=\"/v?s=" + sym + "\">Views</a></small></p>\r\n"
        "<TABLE BORDER=0 CELLPADDING=2 WIDTH=100%>\r\n"
        "<TR><TD COLSPAN=6><b>" + q.name + " (" + q.exchange + ':' + sym + ")</b> - More Info</TD></TR>\r\n"
        "<TR>"
        "<td nowrap>Last Trade<br><small>" + q.time + " &#183; <b>" + Fraction(q.last) + "</b></small></td>"
        "<td nowrap>Change<br><b>" + Signed(q.change, Fraction) + " (" + PercentChange(q) + ")</b></td>"
        + Cell("Prev Cls", Fraction(q.previous)) + Cell("Volume", QByteArray::number(q.volume))
        + "<td nowrap>Day's Range<br>" + Fraction(q.low) + " - " + Fraction(q.high) + "</td></TR>\r\n<TR>"
        + Cell("Bid", Fraction(q.bid)) + Cell("Ask", Fraction(q.ask)) + Cell("Open", Fraction(q.open))
        + Cell("Avg Vol", QByteArray::number(q.avgVolume))
        + Cell("Div Date", q.yield ? QByteArray("Jun ") + QByteArray::number(d.Between(10, 28)) : QByteArray("N/A"))
        + "</TR>\r\n<TR><td nowrap>52-week Range<br>" + Fraction(q.low52) + " - " + Fraction(q.high52) + "</td>"
        + Cell("Earn/Shr", Hundredths(q.eps)) + Cell("P/E", pe) + Cell("Mkt Cap", Hundredths(cap) + 'B')
        + Cell("Div/Shr", q.yield ? Hundredths(dps) : QByteArray("N/A"))
        + Cell("Yield", q.yield ? Hundredths(q.yield) : QByteArray("N/A")) + "</TR>\r\n</TABLE>\r\n"
        + Surroundings(sym, d) + "</body></html>\r\n";
    return Reply::Html(page);
}

// The quote page: the detailed quote with d=t, else the page with the news.
Reply QuotePage(const Request &r)
{
    return r.Query("d") == "t" ? DetailedQuotePage(r) : NewsQuotePage(r);
}

// The quote list (f=sl1d1t1c1ohgv): one line a symbol, in the order asked,
// text fields in double quotes. A symbol the site does not know gets its
// line of N/A, as the service answers.
Reply QuoteListFile(const Request &r)
{
    const QByteArray symbols = r.Query("s");
    if (symbols.isEmpty() || r.Query("f") != "sl1d1t1c1ohgv")
        return Reply::Status(404);
    QByteArray list;
    for (const QByteArray &asked : symbols.split(',')) {
        const QByteArray sym = asked.toUpper();
        if (!IsSymbol(sym)) {
            list += "\"N/A\",0.00,\"N/A\",\"N/A\",N/A,N/A,N/A,N/A,N/A\r\n";
            continue;
        }
        const Quote q = QuoteOf(sym);
        list += '"' + sym + "\"," + Decimal(q.last) + ",\"" + kTradeDate + "\",\"" + q.time + "\","
                + Signed(q.change, Decimal) + ',' + Decimal(q.open) + ',' + Decimal(q.high) + ',' + Decimal(q.low)
                + ',' + QByteArray::number(q.volume) + "\r\n";
    }
    return Reply{200, "application/octet-stream", list};
}

// The analysts' report: the average recommendation in the first blue figure
// after "Current Average Recommendation". The query is the symbol itself.
Reply RecommendationReport(const Request &r)
{
    const QByteArray sym = QByteArray::fromPercentEncoding(r.query).toUpper();
    if (!IsSymbol(sym))
        return Reply::Status(404);
    const Quote q = QuoteOf(sym);
    SymbolData d(sym + "/brokers");
    static const char *const grades[] = {"Strong Buy", "Moderate Buy", "Hold", "Moderate Sell", "Strong Sell"};
    QByteArray counts;
    for (const char *grade : grades)
        counts += "<tr><td>" + QByteArray(grade) + "</td><td align=right>" + QByteArray::number(d.Between(0, 9))
                  + "</td></tr>\r\n";
    const QByteArray page =
        "<html><head><title>" + sym + " Broker Recommendations</title></head><body>\r\n"
        "<p><b>" + q.name + " (" + sym + ")</b> Free Company Report</p>\r\n"
        "<table border=0 cellpadding=3>\r\n"
        "<tr><td><b>Current Average Recommendation</b></td><td><font color=#0000ee>"
        + Hundredths(q.recommendation) + "</font></td></tr>\r\n"
        "<tr><td>Last Week's Average</td><td><font color=#0000ee>"
        + Hundredths(std::clamp(q.recommendation + d.Between(-25, 25), 100, 500)) + "</font></td></tr>\r\n"
        "<tr><td colspan=2>1 = Strong Buy, 5 = Strong Sell</td></tr>\r\n" + counts + "</table>\r\n"
        "<p><small>Figures are the average of the brokers covering " + sym + ".</small></p>\r\n</body></html>\r\n";
    return Reply::Html(page);
}

} // namespace Pages
