// Per-stock research pages: splits, upgrades, downgrades, momentum rating
// and broker reports of the broker research site, the company profile and
// the short-interest history. Each carries its sheet's markers once, in the
// table shape its sheet reads, and is padded with a comment that holds no
// marker to the size under which the program throws a page away. None holds
// a comma or one of the words the research sheets strike unless the row of a
// check wants it. A fund has no research: each page then is the site's short
// "no data" answer.
#include "Pages.h"

#include <QList>

namespace Pages {

namespace {

constexpr qsizetype PageSize = 2500;

// The body padded to at least PageSize bytes before its closing tags.
QByteArray Padded(const QByteArray &head, const QByteArray &tail)
{
    const qsizetype fill = PageSize - head.size() - tail.size() - 11;
    return head + "<!-- " + QByteArray(qMax<qsizetype>(fill, 0), '.') + " -->\r\n" + tail;
}

QByteArray Row(const QList<QByteArray> &texts)
{
    QByteArray row = "<tr>";
    for (const QByteArray &t : texts)
        row += "<td>" + t + "</td>";
    return row + "</tr>\r\n";
}

QByteArray Head(const QByteArray &title)
{
    return "<html><head><title>" + title + "</title></head><body>\r\n";
}

const QByteArray kEnd = "</body></html>\r\n";

// The symbol of a query key in capitals; empty when it is not one. The
// exchange site has a back-quote after it.
QByteArray SymbolOf(const Request &r, const QByteArray &key, bool backQuote = false)
{
    QByteArray s = r.Query(key).toUpper();
    if (backQuote) {
        if (!s.endsWith('`'))
            return {};
        s.chop(1);
    }
    return IsSymbol(s) ? s : QByteArray();
}

const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QByteArray Date(SymbolData &d, int year)
{
    return QByteArray(kMonths[d.Between(0, 11)]) + ' ' + QByteArray::number(d.Between(1, 28)) + ' '
           + QByteArray::number(year);
}

// A mutual fund's symbol: five capitals ending in "X". The research site
// does not cover funds.
bool Fund(const QByteArray &sym)
{
    if (sym.size() != 5 || !sym.endsWith('X'))
        return false;
    for (char c : sym)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

// The site's whole answer for a stock it does not cover: a short page,
// under the size of any page with data.
Reply NoData(const QByteArray &sym)
{
    return Reply::Html(Head(sym) + "<p>There is no data for " + sym + ".</p>\r\n" + kEnd);
}

} // namespace

// Splits: six cells a row between "begin splits" and "end splits", an
// empty table row among the three splits.
Reply SplitsPage(const Request &r)
{
    const QByteArray sym = SymbolOf(r, "symbol");
    if (sym.isEmpty())
        return Reply::Status(404);
    if (Fund(sym))
        return NoData(sym);
    SymbolData d(sym + "sp");
    QByteArray rows;
    static const char *const amounts[] = {"2 for 1", "3 for 2", "5 for 4", "3 for 1"};
    for (int i = 0; i < 3; ++i) {
        const int year = 1990 + 3 * i + d.Between(0, 2);
        rows += Row({d.Between(0, 4) ? "Stock Split" : "Stock Dividend", amounts[d.Between(0, 3)], Date(d, year),
                     Date(d, year), Date(d, year), Date(d, year)});
        if (i == 0)
            rows += "<tr></tr>\r\n";
    }
    return Reply::Html(Padded(Head(sym + " Splits") + "<h2>" + sym + " Splits</h2>\r\n<!-- begin splits --><table>"
                                  "<tr><td>Type</td><td>Amount</td><td>Ex-Date</td><td>Pay-Date</td><td>Rec-Date</td>"
                                  "<td>An-Date</td></tr>\r\n"
                                  + rows + "<!-- end splits --></table>\r\n",
                              kEnd));
}

// Upgrades or downgrades: after "begin splits" (the site's own marker) a
// head row and three cells a row.
Reply RatingChanges(const Request &r)
{
    const QByteArray sym = SymbolOf(r, "symbol");
    if (sym.isEmpty())
        return Reply::Status(404);
    if (Fund(sym))
        return NoData(sym);
    const bool up = r.path.startsWith("/upgrades");
    const QByteArray title = sym + (up ? " Upgrades" : " Downgrades");
    const QByteArray rows =
        up ? Row({"Jan 5, 2001", "Newstar Securities", "Upgraded to Buy, from Hold"})
                 + Row({"Feb 1, 2001", "Thomas Capital", "Upgraded to Strong Buy"})
           : Row({"Jan 5, 2001", "Newstar Securities", "Downgraded to Hold, from Buy"})
                 + Row({"Feb 1, 2001", "Thomas Capital", "Downgraded to Sell"});
    return Reply::Html(Padded(Head(title) + "<h2>" + title + "</h2>\r\n<!-- begin splits --><table>"
                                                             "<tr><th>Date</th><th>Brokerage</th><th>Action</th></tr>\r\n"
                                  + rows + "</table>\r\n",
                              kEnd));
}

// Momentum rating: a head row ending in "Sells", then one row of the five
// values.
Reply MomentumPage(const Request &r)
{
    const QByteArray sym = SymbolOf(r, "symbol");
    if (sym.isEmpty())
        return Reply::Status(404);
    if (Fund(sym))
        return NoData(sym);
    return Reply::Html(Padded(Head(sym + " Momentum") + "<h2>" + sym + " Momentum</h2>\r\n<table>"
                                  "<tr><th>Rank</th><th>Rating</th><th>Buys</th><th>Holds</th><th>Sells</th></tr>\r\n"
                                  "<tr><td>12</td><td>25</td><td>8</td><td>3</td><td>1</td></tr></table>\r\n",
                              kEnd));
}

// Broker reports: after "begin reports" a head row, three reports of three
// cells and a footer row.
Reply BrokerReportsPage(const Request &r)
{
    const QByteArray sym = SymbolOf(r, "symbol");
    if (sym.isEmpty())
        return Reply::Status(404);
    if (Fund(sym))
        return NoData(sym);
    SymbolData d(sym + "brp");
    static const char *const firms[] = {"Alder Securities", "Birch Capital", "Crane Partners", "Dune Research"};
    static const char *const notes[] = {"Initiated at Buy", "Target raised", "Estimates cut", "Reiterated Hold"};
    QByteArray rows;
    for (int i = 0; i < 3; ++i)
        rows += Row({Date(d, 2001), firms[d.Between(0, 3)], notes[d.Between(0, 3)]});
    return Reply::Html(Padded(Head(sym + " Reports") + "<h2>" + sym + " Reports</h2>\r\n<!-- begin reports --><table>"
                                                                     "<tr><th>Date</th><th>Firm</th><th>Report</th></tr>\r\n"
                                  + rows + "<tr><td>Reports of the last 90 days</td></tr>\r\n</table>\r\n",
                              kEnd));
}

// Company profile: its text between the first two horizontal rules.
Reply ProfilePage(const Request &r)
{
    const QByteArray sym = SymbolOf(r, "symbol");
    if (sym.isEmpty())
        return Reply::Status(404);
    if (Fund(sym))
        return NoData(sym);
    return Reply::Html(Padded("<html><head><title>" + sym + " Profile</title></head><body><hr>" + sym
                                  + " Corp. makes widgets. It sells them worldwide.<hr>\r\n",
                              kEnd));
}

// Short interest: after a head row ending "Days to Cover", four cells a row.
Reply ShortInterestPage(const Request &r)
{
    const QByteArray sym = SymbolOf(r, "symbol", true);
    if (sym.isEmpty() || r.Query("kind") != "shortint" || SymbolOf(r, "selected", true) != sym)
        return Reply::Status(404);
    if (Fund(sym))
        return NoData(sym);
    SymbolData d(sym + "si");
    QByteArray rows = Row({"Jan 15, 2001", "1,234,567", "456,789", "2.70"});
    for (int i = 0; i < 3; ++i)
        rows += Row({QByteArray("Dec ") + QByteArray::number(15 - 5 * i) + ", 2000",
                     QByteArray::number(d.Between(100, 999)) + ',' + QByteArray::number(d.Between(100, 999)),
                     QByteArray::number(d.Between(100, 999)) + ',' + QByteArray::number(d.Between(100, 999)),
                     Hundredths(d.Between(50, 900))});
    return Reply::Html(Padded(Head(sym + " Short Interest") + "<table border=1>\r\n<tr><th>Settlement Date</th>"
                                                             "<th>Short Interest</th><th>Avg Daily Volume</th>"
                                                             "<th>Days to Cover</th></tr>\r\n"
                                  + rows + "</table>\r\n",
                              kEnd));
}

} // namespace Pages
