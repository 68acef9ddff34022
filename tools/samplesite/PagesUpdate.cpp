// Pages the Update run fetches: the per-stock pages (news, annual
// statements, earnings, filings, insider trades, option table), the market
// lists (surprises, percentage movers, analyst actions, movers reports,
// screener lists) and the weekly tip. Each carries the markers and table
// shapes its sheet looks for, is the same for the same symbol or query, and
// is longer than the size under which the program throws a page away.
#include "Pages.h"

#include "market/MarketReaders.h"

#include <QList>

#include <algorithm>
#include <functional>
#include <numeric>

namespace Pages {

namespace {

// Scheme and host the request was made to, for absolute links on a page.
QByteArray Root(const Request &r)
{
    if (r.target.left(7).toLower() == "http://") {
        const qsizetype slash = r.target.indexOf('/', 7);
        return slash < 0 ? r.target : r.target.left(slash);
    }
    for (const QByteArray &line : r.raw.split('\n')) {
        if (line.left(5).toLower() == "host:")
            return "http://" + line.mid(5).trimmed();
    }
    return "http://127.0.0.1";
}

} // namespace

// A made-up company name, fixed per seed.
QByteArray Company(SymbolData &d)
{
    static const char *const first[] = {"Alpine", "Beacon", "Cedar", "Delta", "Ember", "Falcon", "Granite", "Harbor",
                                        "Ivory", "Juniper", "Keystone", "Lumen", "Meridian", "Nova", "Orion", "Pioneer"};
    static const char *const second[] = {"Systems", "Holdings", "Energy", "Foods", "Networks", "Bancorp", "Motors",
                                         "Labs", "Materials", "Media", "Pharma", "Retail"};
    return QByteArray(first[d.Between(0, 15)]) + ' ' + second[d.Between(0, 11)] + " Inc.";
}

// A made-up ticker of 3 or 4 capitals, fixed per seed.
QByteArray Ticker(SymbolData &d)
{
    QByteArray t;
    const int n = d.Between(3, 4);
    while (t.size() < n) {
        const char c = char('A' + d.Between(0, 25));
        // "TD", "TH" and "TR" would read as tags once pages are normalised.
        if (!(t.endsWith('T') && (c == 'D' || c == 'H' || c == 'R')))
            t.append(c);
    }
    return t;
}

QByteArray Signed(int hundredths) { return (hundredths >= 0 ? "+" : "") + Hundredths(hundredths); }

QByteArray Grouped(qint64 n)
{
    QByteArray digits = QByteArray::number(n);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, ',');
    return digits;
}

QByteArray Cells(const QList<QByteArray> &texts)
{
    QByteArray row = "<tr>";
    for (const QByteArray &t : texts)
        row += "<td>" + t + "</td>";
    return row + "</tr>\r\n";
}

// A comment after the data that keeps a short page above its job's minimum.
QByteArray Padding()
{
    return "<!-- " + QByteArray(1200, '.') + " -->\r\n";
}

QByteArray Html(const QByteArray &title, const QByteArray &body)
{
    return "<html><head><title>" + title + "</title></head><body>\r\n" + body + "</body></html>\r\n";
}

namespace {

// The symbol of a request's query or route part, in capitals; empty when it
// is not one.
QByteArray SymbolOf(const QByteArray &text)
{
    const QByteArray s = text.toUpper();
    return IsSymbol(s) ? s : QByteArray();
}

const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QByteArray Day(SymbolData &d)
{
    return QByteArray("2024-") + QByteArray::number(d.Between(1, 12)).rightJustified(2, '0') + '-'
           + QByteArray::number(d.Between(1, 28)).rightJustified(2, '0');
}

// n days of 2024, latest first, as a list of trades or filings reads.
QList<QByteArray> LatestFirst(SymbolData &d, int n)
{
    QList<QByteArray> days;
    for (int i = 0; i < n; ++i)
        days.append(Day(d));
    std::sort(days.begin(), days.end(), std::greater<>());
    return days;
}

} // namespace

// Quote page with the latest headlines: a "Recent News" table inside a frame
// table, five cells a row, the fifth linking to the story.
Reply NewsQuotePage(const Request &r)
{
    const QByteArray sym = SymbolOf(r.Query("s"));
    if (sym.isEmpty())
        return Reply::Status(404);
    SymbolData d(sym);
    QByteArray rows;
    const int n = d.Between(6, 10);
    for (int i = 1; i <= n; ++i) {
        const QByteArray when = QByteArray(kMonths[d.Between(0, 11)]) + ' ' + QByteArray::number(d.Between(1, 28));
        rows += Cells({when, QByteArray::number(d.Between(8, 16)) + ":" + QByteArray::number(d.Between(10, 59)),
                       sym + " news item " + QByteArray::number(i) + ": " + Company(d) + " reports on quarter",
                       "Wire " + QByteArray::number(d.Between(1, 9)),
                       "<a href=\"" + Root(r) + "/n/" + sym + "/" + QByteArray::number(i) + ".html\">Full Story</a>"});
    }
    return Reply::Html(Html(sym + " quote and news",
                            "<table width=100%><tr><td><b>" + sym + "</b></td><td>Last Trade</td><td>"
                                + d.Price(500, 20000) + "</td></tr></table>\r\n"
                                  "<p><b>Recent News</b></p>\r\n"
                                  "<table width=100%><tr><td>\r\n<table cellpadding=2>\r\n"
                                + rows + "</table>\r\n</td></tr></table>\r\n"));
}

namespace {

// One year of the income statement, figures in line order (millions, per
// share figures in cents); the totals add up.
QList<qint64> IncomeYear(SymbolData &d)
{
    const qint64 revenue = d.Between(20000, 99999), other = d.Between(100, 2000), total = revenue + other;
    const qint64 cost = total * d.Between(40, 60) / 100, gross = total - cost;
    const qint64 research = gross * d.Between(10, 20) / 100, selling = gross * d.Between(10, 25) / 100;
    const qint64 operating = gross - research - selling;
    const qint64 interest = d.Between(50, 500), otherIncome = d.Between(10, 300);
    const qint64 beforeTax = operating - interest + otherIncome, tax = beforeTax * 21 / 100;
    const qint64 afterTax = beforeTax - tax, extraordinary = d.Between(0, 200), net = afterTax + extraordinary;
    const qint64 shares = d.Between(500, 5000), diluted = shares * 103 / 100;
    const qint64 basicEps = net * 100 / shares, dilutedEps = net * 100 / diluted;
    return {revenue, other, total, cost, gross, research, selling, operating, interest, otherIncome, beforeTax, tax,
            afterTax, extraordinary, net,
            afterTax * 100 / shares, basicEps - afterTax * 100 / shares, basicEps,
            afterTax * 100 / diluted, dilutedEps - afterTax * 100 / diluted, dilutedEps, basicEps * d.Between(10, 40) / 100};
}

// One year of the balance sheet in line order (millions); the totals add up.
QList<qint64> BalanceYear(SymbolData &d)
{
    QList<qint64> current, fixed, currentDebts, longDebts;
    for (int i = 0; i < 5; ++i)
        current.append(d.Between(500, 20000));
    for (int i = 0; i < 6; ++i)
        fixed.append(d.Between(500, 30000));
    const auto sum = [](const QList<qint64> &v) { return std::accumulate(v.begin(), v.end(), qint64(0)); };
    const qint64 assets = sum(current) + sum(fixed);
    for (int i = 0; i < 7; ++i)
        currentDebts.append(assets * d.Between(200, 500) / 10000);
    for (int i = 0; i < 7; ++i)
        longDebts.append(assets * d.Between(100, 400) / 10000);
    const qint64 liabilities = sum(currentDebts) + sum(longDebts), equity = assets - liabilities;
    const qint64 preferred = d.Between(0, 500), common = d.Between(10, 900), paidIn = equity * d.Between(10, 30) / 100;
    const qint64 treasury = d.Between(100, 2000), otherEquity = d.Between(10, 400);
    const qint64 retained = equity - preferred - common - paidIn - otherEquity + treasury;
    return current + QList<qint64>{sum(current)} + fixed + QList<qint64>{assets} + currentDebts
           + QList<qint64>{sum(currentDebts)} + longDebts + QList<qint64>{liabilities}
           + QList<qint64>{preferred, common, paidIn, retained, treasury, otherEquity, equity, liabilities + equity,
                           d.Between(500, 5000)};
}

} // namespace

// Annual balance sheet (type 8) or income statement (type 10): one table of
// six cells a row under the statement's name, the header row first. Section
// headings stand where the sheets give their rows the heading look (in the
// balance sheet a heading and one empty cell), totals on the rows the sheets
// make bold or band.
Reply AnnualReport(const Request &r)
{
    const QByteArray sym = SymbolOf(r.Query("ticker"));
    const QByteArray type = r.Query("type");
    if (sym.isEmpty() || (type != "8" && type != "10"))
        return Reply::Status(404);
    const bool balance = type == "8";
    SymbolData d(sym + type);
    // "=" a heading, "$" a per share figure.
    static const char *const income[] = {
        "Revenue", "Other Revenue", "Total Revenue", "Cost of Revenue", "Gross Profit", "Research and Development",
        "Selling, General and Admin.", "Operating Income", "Interest Expense", "Other Income", "Income Before Tax",
        "Income Tax", "Income After Tax", "Extraordinary Items", "Net Income", "=Per Share Data",
        "$EPS from Continuing Operations", "$EPS from Discontinued Operations", "$Basic EPS",
        "=Diluted Per Share Data", "$Diluted EPS from Continuing Operations",
        "$Diluted EPS from Discontinued Operations", "$Diluted EPS", "$Dividends per Share"};
    static const char *const balanceLines[] = {
        "=Assets", "Cash and Equivalents", "Short Term Investments", "Receivables", "Inventories",
        "Other Current Assets", "Total Current Assets", "Property and Equipment", "Goodwill", "Intangibles",
        "Long Term Investments", "Deferred Charges", "Other Assets", "Total Assets",
        "=Liabilities &amp; Shareholder's Equity", "Accounts Payable", "Short Term Debt", "Accrued Expenses",
        "Current Portion of Long Term Debt", "Income Taxes Payable", "Deferred Revenue", "Other Current Liabilities",
        "Total Current Liabilities", "Long Term Debt", "Deferred Taxes", "Minority Interest", "Pension Obligations",
        "Capital Lease Obligations", "Deferred Compensation", "Other Long Term Liabilities", "Total Liabilities",
        "=Shareholders' Equity", "Preferred Stock", "Common Stock", "Paid in Capital", "Retained Earnings",
        "Repurchased Stock", "Other Equity", "Total Shareholders' Equity", "Total Liabilities and Shareholders' Equity",
        "Shares Outstanding"};
    const QByteArray name = balance ? "Annual Balance Sheet" : "Annual Income Statement";
    QList<QList<qint64>> years;
    for (int y = 0; y < 5; ++y)
        years.append(balance ? BalanceYear(d) : IncomeYear(d));
    QByteArray rows = Cells({"In Millions of USD", "FY2023", "FY2022", "FY2021", "FY2020", "FY2019"});
    const auto lines = balance ? QList<const char *>(std::begin(balanceLines), std::end(balanceLines))
                               : QList<const char *>(std::begin(income), std::end(income));
    int figure = 0;
    for (const char *line : lines) {
        const QByteArray label(line);
        if (label.startsWith('=')) {
            rows += balance ? Cells({label.mid(1), ""}) : Cells({label.mid(1), "", "", "", "", ""});
            continue;
        }
        const bool perShare = label.startsWith('$');
        QList<QByteArray> cells{perShare ? label.mid(1) : label};
        for (const QList<qint64> &year : years)
            cells.append(perShare ? Hundredths(int(year[figure])) : Grouped(year[figure]));
        ++figure;
        rows += Cells(cells);
    }
    return Reply::Html(Html(sym + " " + name,
                            "<h2>" + sym + " " + name + "</h2>\r\n<table border=1>\r\n" + rows + "</table>\r\n"));
}

// Earnings growth, history, estimates and consensus trend on one page, each
// value cell holding a column's figures split by "<br>". The figures hang
// together: a surprise is the difference over the estimate, the estimates'
// growth is over the year-ago figure, the trend drifts towards today's
// estimate. Headers and labels carry no "TR", which the earnings sheets
// lower-case wherever it stands.
Reply EarningsPage(const Request &r)
{
    const QByteArray sym = SymbolOf(r.Arg("sym"));
    if (sym.isEmpty() || r.Arg("l") != sym.left(1).toLower())
        return Reply::Status(404);
    SymbolData d(sym + "ee");
    const auto percent = [](int hundredths) { return Hundredths(hundredths) + '%'; };
    const auto cell = [](const QList<QByteArray> &values) { return "<td>" + values.join("<br>") + "</td>"; };
    const auto labelTable = [](const QList<QByteArray> &labels) {
        QByteArray t = "<table>";
        for (const QByteArray &l : labels)
            t += "<tr><td>" + l + "</td></tr>";
        return t + "</table>";
    };

    QByteArray body = "<h2>" + sym + " Earnings</h2>\r\n";
    body += "<table width=100%>\r\n<tr><td colspan=7><b>Earnings Growth</b></td></tr>\r\n"
            "<tr><th></th><th>" + sym + "</th><th>Industry</th><th>Sector</th><th>S&amp;P 500</th>"
            "<th>P/E (ttm)</th><th>PEG (5 yr)</th></tr>\r\n<tr><td>Last Year<br>Current Year<br>Next Year</td>";
    for (int c = 0; c < 4; ++c)
        body += cell({percent(d.Between(-3000, 6000)), percent(d.Between(-2000, 5000)), percent(d.Between(-1000, 4000))});
    body += cell({Hundredths(d.Between(800, 4500)), Hundredths(d.Between(700, 4000)), Hundredths(d.Between(600, 3500))});
    body += cell({Hundredths(d.Between(40, 350)), Hundredths(d.Between(40, 300)), Hundredths(d.Between(40, 250))});
    body += "</tr>\r\n</table>\r\n";

    body += "<table width=100%>\r\n<tr><td colspan=6><b>Earnings History</b></td></tr>\r\n"
            "<tr><th></th><th>Dec 2022</th><th>Mar 2023</th><th>Jun 2023</th><th>Sep 2023</th><th>Dec 2023</th></tr>\r\n"
            "<tr>" + cell({"EPS Est", "EPS Actual", "Difference", "Surprise %"});
    for (int c = 0; c < 5; ++c) {
        const int est = d.Between(40, 300);
        const int actual = est + d.Between(-20, 30);
        body += cell({Hundredths(est), Hundredths(actual), Hundredths(actual - est), percent((actual - est) * 10000 / est)});
    }
    body += "</tr>\r\n</table>\r\n";

    body += "<table width=100%>\r\n<tr><td colspan=5><b>Earnings Estimates &amp; Recommendations</b></td></tr>\r\n"
            "<tr><th></th><th>Current Qtr (Mar 2024)</th><th>Next Qtr (Jun 2024)</th><th>Current Year (Dec 2024)</th>"
            "<th>Next Year (Dec 2025)</th></tr>\r\n<tr><td>Earnings Estimates<br>"
            + labelTable({"Avg. Estimate", "No. of Analysts", "Low Estimate", "High Estimate", "Year Ago EPS",
                          "Growth Est."})
            + "</td>";
    QByteArray trend;
    for (int c = 0; c < 4; ++c) {
        const int scale = c < 2 ? 1 : 4; // quarters, then years
        const int avg = scale * d.Between(10, 120);
        const int ago = std::max(1, avg * d.Between(70, 120) / 100);
        body += cell({Hundredths(avg), QByteArray::number(d.Between(3, 25)), Hundredths(avg - scale * d.Between(1, 10)),
                      Hundredths(avg + scale * d.Between(1, 10)), Hundredths(ago), percent((avg - ago) * 10000 / ago)});
        QList<QByteArray> past{Hundredths(avg)};
        for (int back = avg, i = 0; i < 4; ++i)
            past.append(Hundredths(back -= scale * d.Between(-2, 2)));
        trend += cell(past);
    }
    body += "</tr>\r\n<tr><td>Consensus EPS Trend"
            + labelTable({"Current Estimate", "7 Days Ago", "30 Days Ago", "60 Days Ago", "90 Days Ago"}) + "</td>"
            + trend;
    body += "</tr>\r\n</table>\r\n<table border=1>\r\n"
            + Cells({"Recommendation Trends", "Current Month", "Last Month", "Two Months Ago", "Three Months Ago"});
    for (const char *grade : {"Strong Buy", "Buy", "Hold", "Underperform", "Sell"})
        body += Cells({grade, QByteArray::number(d.Between(0, 12)), QByteArray::number(d.Between(0, 12)),
                       QByteArray::number(d.Between(0, 12)), QByteArray::number(d.Between(0, 12))});
    body += "</table>\r\n<p>Estimates are the average of the analysts who cover " + sym
            + ". Figures are per share and in US dollars; a surprise is the difference between the reported and "
              "the expected result, as a share of the expected result. Past results are no promise of what is "
              "to come.</p>\r\n";
    return Reply::Html(Html(sym + " earnings estimates", body));
}

// Filings search: after "Sort By" one table of date, filing (a link to the
// document, "Full Filing" its ALT text) and description, its first row the
// column heads.
Reply FilingsSearch(const Request &r)
{
    const QByteArray sym = SymbolOf(r.Query("sym"));
    if (sym.isEmpty())
        return Reply::Status(404);
    SymbolData d(sym + "qr");
    static const char *const forms[][2] = {{"10-Q", "Quarterly report"}, {"10-K", "Annual report"},
                                            {"8-K", "Current report"}, {"DEF 14A", "Proxy statement"},
                                            {"S-8", "Securities for employee plans"}, {"4", "Change in ownership"},
                                            {"10-Q/A", "Amended quarterly report"}};
    QByteArray rows = Cells({"Date", "Filing", "Description"});
    const int n = d.Between(14, 20);
    const QList<QByteArray> days = LatestFirst(d, n);
    for (int i = 1; i <= n; ++i) {
        const int f = d.Between(0, 6);
        // The document path holds no "/A", which the readers strike.
        rows += Cells({days[i - 1],
                       "<A HREF=\"/doc/" + sym.toLower() + "-" + QByteArray::number(i) + ".txt\" ALT=\"Full Filing\">"
                           + forms[f][0] + "</A>",
                       forms[f][1]});
    }
    return Reply::Html(Html(sym + " filings",
                            "<h2>" + sym + " filings</h2>\r\n<table><tr><td>Sort By <b>Date</b></td></tr></table>\r\n"
                                           "<table border=0 cellpadding=3>\r\n"
                                + rows + "</table>\r\n"));
}

// Insider trades: the fourth table after the "Insider Trades" of the title,
// seven cells a row, the insider's name linking to an ".html" page.
Reply InsiderPage(const Request &r)
{
    const QByteArray sym = SymbolOf(r.Arg("sym"));
    if (sym.isEmpty() || r.Arg("l") != sym.left(1).toLower())
        return Reply::Status(404);
    SymbolData d(sym + "it");
    static const char *const last[] = {"Adams", "Baker", "Carter", "Dawson", "Ellis", "Foster", "Garcia", "Hughes"};
    static const char *const given[] = {"Anna", "Brian", "Clara", "David", "Elena", "Frank", "Grace", "Henry"};
    static const char *const actions[] = {"Sale", "Purchase", "Option Exercise", "Gift"};
    // Column heads as header cells: the sheet draws its own heads and keeps
    // the row under them for its title.
    QByteArray rows = "<tr><th>Date</th><th>Insider</th><th>Transaction</th><th>Shares</th><th>Ownership</th>"
                      "<th>Price</th><th>Value</th></tr>\r\n";
    const int n = d.Between(12, 20);
    const QList<QByteArray> days = LatestFirst(d, n);
    for (int i = 1; i <= n; ++i) {
        const int shares = d.Between(100, 90000);
        const int price = d.Between(500, 20000);
        rows += Cells({days[i - 1],
                       "<a href=\"insider/" + sym.toLower() + "-" + QByteArray::number(i) + ".html\">"
                           + last[d.Between(0, 7)] + ", " + given[d.Between(0, 7)] + "</a>",
                       actions[d.Between(0, 3)], Grouped(shares), d.Between(0, 1) ? "Direct" : "Indirect",
                       Hundredths(price), Grouped(qint64(shares) * price / 100)});
    }
    const QByteArray body = "<table width=100%><tr><td><b>" + sym + " Insider Trades</b></td></tr></table>\r\n"
                            "<table><tr><td>Summary</td><td>Last 6 months</td></tr></table>\r\n"
                            "<table><tr><td>Net shares</td><td>" + Grouped(d.Between(1000, 999999)) + "</td></tr></table>\r\n"
                            "<table border=1 cellpadding=2>\r\n" + rows + "</table>\r\n"
                            "<p>Trades reported by officers, directors and owners of more than ten percent of "
                            "the company's shares.</p>\r\n";
    return Reply::Html(Html(sym + " Insider Trades", body));
}

// Option quote table: comma-separated, fourteen fields a line (calls, then
// puts of the same strike), each line ended by CR LF.
Reply OptionTable(const Request &r)
{
    const QByteArray sym = SymbolOf(r.Query("TICKER"));
    if (sym.isEmpty())
        return Reply::Status(404);
    SymbolData d(sym + "op");
    QByteArray text = sym + " option quotes\r\n"
                            "Calls,Last Sale,Net,Bid,Ask,Vol,Open Int,Puts,Last Sale,Net,Bid,Ask,Vol,Open Int\r\n";
    const int base = d.Between(10, 150);
    for (int i = 0; i < 16; ++i) {
        const QByteArray month = kMonths[(i / 4) % 12];
        const QByteArray strike = QByteArray::number(base + 5 * (i % 4));
        const QByteArray code = sym.left(3) + char('A' + i % 12) + "-" + char('A' + (i * 7) % 26);
        for (const char *side : {"C", "P"}) {
            text += month + " 24 " + strike + " (" + code + side + "),";
            const int bid = d.Between(5, 2000);
            text += Hundredths(bid + 5) + ',' + Signed(d.Between(-150, 150)) + ',' + Hundredths(bid) + ','
                    + Hundredths(bid + 10) + ',' + QByteArray::number(d.Between(0, 900)) + ','
                    + QByteArray::number(d.Between(0, 9000)) + ',';
        }
        text += "\r\n";
    }
    return Reply::Text(text);
}

// The top 25 earnings surprises: the page's first table, five cells a row.
Reply EarningsSurprises(const Request &)
{
    SymbolData d("25_surp");
    QByteArray rows = Cells({"Symbol", "Company", "Actual", "Estimate", "Surprise"});
    for (int i = 0; i < 25; ++i) {
        const int est = d.Between(5, 300);
        const int act = est + d.Between(-40, 90);
        rows += Cells({Ticker(d), Company(d), Hundredths(act), Hundredths(est),
                       Hundredths((act - est) * 10000 / est) + "%"});
    }
    return Reply::Html(Html("Top 25 Daily Earnings Surprises",
                            "<table border=1>\r\n" + rows + "</table>\r\n<p>Surprises against the consensus.</p>\r\n"));
}

// Percentage winners or losers: three exchange tables between the title and
// "All Rights Reserved". The first opens with its heading row, the others
// with a row of column heads before it; a row of column heads precedes the
// data.
Reply PercentMovers(const Request &r)
{
    const bool winners = r.path.endsWith("mwwinners.htm");
    const QByteArray title = winners ? "Percentage Winners" : "Percentage Losers";
    SymbolData d(title);
    const QByteArray heads = Cells({"", "Symbol", "", "Company", "Last", "Volume", "Change", "% Ch", ""});
    QByteArray body = "<h2>" + title + "</h2>\r\n";
    const char *const exchanges[] = {"NYSE", "NASDAQ", "AMEX"};
    for (int s = 0; s < 3; ++s) {
        const QByteArray heading = Cells({QByteArray(exchanges[s])});
        body += "<table width=100%>\r\n" + (s == 0 ? heading + heads : heads + heading + heads);
        for (int i = 0; i < 10; ++i) {
            const int last = d.Between(100, 9000);
            const int change = (winners ? 1 : -1) * d.Between(10, last / 4 + 10);
            body += Cells({QByteArray::number(i + 1), Ticker(d), exchanges[s], Company(d), Hundredths(last),
                           Grouped(d.Between(1000, 5000000)), Signed(change),
                           Signed(change * 10000 / (last - change == 0 ? 1 : last - change)) + "%", "&nbsp;"});
        }
        body += "</table>\r\n";
    }
    body += "<p>Copyright 2024 Sample Broker. All Rights Reserved.</p>\r\n";
    return Reply::Html(Html(title, body));
}

// Upgrades, downgrades and newly started coverage: one table after the
// list's heading, its head cells written as TH, a row with the day, then one
// row per action ending in a link word; padding after the table keeps the
// page above the job's minimum.
Reply AnalystActions(const Request &r)
{
    const QByteArray kind = r.path.mid(r.path.lastIndexOf('/') + 1).left(1); // u, d or i
    const bool coverage = kind == "i";
    const QByteArray heading = kind == "u" ? "<b>Upgrades</b>" : kind == "d" ? "<b>Downgrades</b>" : "<b>New Coverage</b>";
    SymbolData d("actions" + kind);
    static const char *const firms[] = {"Alder Securities", "Birch Capital", "Crane Partners", "Thomas Weisel",
                                        "Newstar Securities"};
    static const char *const ratings[] = {"Sell", "Underperform", "Hold", "Buy", "Strong Buy"};
    const QByteArray heads = coverage ? "<tr><TH>Company</TH><TH>Symbol</TH><TH>Brokerage</TH><TH>Rating</TH><TH>More</TH></tr>\r\n"
                                      : "<tr><TH>Company</TH><TH>Symbol</TH><TH>Brokerage</TH><TH>From</TH><TH>To</TH>"
                                        "<TH>More</TH></tr>\r\n";
    QByteArray rows = "<tr><td colspan=" + QByteArray(coverage ? "5" : "6") + ">" + Day(d) + "</td></tr>\r\n";
    for (int i = 0; i < 15; ++i) {
        const int from = d.Between(0, 3);
        const QByteArray sym = Ticker(d);
        QList<QByteArray> cells{Company(d), sym, firms[d.Between(0, 4)]};
        if (coverage) {
            cells.append(ratings[d.Between(0, 4)]);
        } else {
            const int to = kind == "u" ? d.Between(from + 1, 4) : from;
            cells.append(ratings[kind == "u" ? from : d.Between(from + 1, 4)]);
            cells.append(ratings[to]);
        }
        cells.append("<a href=\"" + Root(r) + "/q?s=" + sym + "\">Quote</a>");
        rows += Cells(cells);
    }
    return Reply::Html(Html(coverage ? "Coverage Initiated" : kind == "u" ? "Upgrades" : "Downgrades",
                            "<p>" + heading + "</p>\r\n<table border=1>\r\n" + heads + rows + "</table>\r\n"
                                + Padding()));
}

// The weekly tip: plain text.
Reply WeeklyTip(const Request &)
{
    return Reply::Text("Weekly Tickerwatch advice\r\n"
                       "Tickerwatch analysts suggest reviewing the stop prices of your holdings this week.\r\n"
                       "Markets have moved on thin volume; keep alerts close to the last sale.\r\n");
}

// Market movers report: rows between the "P/E<BR>Ratio" head and "Show", the
// company cell a small table holding the company's link; the one-pixel
// spacer row after the head and two blank rows after the data. Each report
// has its own figures, in the order of its list's headings: 1 and 2 the
// price gainers and losers, 3 and 4 the volume gainers and losers, 5 and 6
// the new highs and lows, 7 the most active stocks, 8 the money movers.
Reply MoversReport(const Request &r)
{
    const QByteArray report = r.Query("report");
    const QByteArray data = r.Query("data");
    const int code = report.toInt();
    if (code < 1 || code > 8 || data.toInt() < 1 || data.toInt() > 3 || r.Query("date").size() != 8)
        return Reply::Status(404);
    SymbolData d("movers" + report + data + r.Query("date"));
    const bool losers = code == 2 || code == 4 || code == 6;
    QByteArray rows;
    for (int i = 1; i <= 25; ++i) {
        const QByteArray sym = Ticker(d);
        const int close = d.Between(100, 20000);
        // Price gainers and new highs rise, price losers and new lows fall,
        // the others go either way.
        const int direction = code == 1 || code == 5 ? 1 : code == 2 || code == 6 ? -1 : d.Between(0, 1) ? 1 : -1;
        const int change = direction * d.Between(1, 900);
        const QByteArray percent = (losers ? "-" : "+") + Hundredths(d.Between(1, 5000)) + "%";
        const qint64 volume = d.Between(1000, 9000000);
        QList<QByteArray> cells{QByteArray::number(i),
                                "<table cellpadding=0 cellspacing=0 border=0><tr><td><a href=\"" + Root(r) + "/q?s="
                                    + sym + "\">" + Company(d) + "</a></td></tr></table>",
                                sym};
        switch (code) {
        case 1: case 2: case 3: case 4:
            cells << percent << Grouped(volume) << Hundredths(close) << Signed(change);
            break;
        case 5: case 6:
            cells << Hundredths(close) << Signed(change) << Hundredths(close + d.Between(0, 500))
                  << Hundredths(close - d.Between(0, 99)) << Signed(d.Between(-5000, 5000)) + "%";
            break;
        case 7:
            cells << Grouped(volume) << Grouped(volume * d.Between(50, 150) / 100) << Hundredths(close) << Signed(change);
            break;
        default:
            cells << Grouped(volume * close / 100) << Grouped(volume * d.Between(50, 150) / 100) << Hundredths(close)
                  << Signed(change);
            break;
        }
        cells << Hundredths(d.Between(300, 6000));
        rows += Cells(cells);
    }
    return Reply::Html(Html("Market movers",
                            "<table border=1>\r\n<tr><TH>Rank</TH><TH>Company</TH><TH>Symbol</TH><TH>Figures</TH>"
                            "<TH>P/E<BR>Ratio</TH></tr>\r\n"
                                + QByteArray(MarketReaders::MoversSpacerRow) + "\r\n" + rows
                                + "<tr><td>&nbsp;</td></tr>\r\n<tr><td>&nbsp;</td></tr>\r\n</table>\r\n"
                                  "<p>Show next 25</p>\r\n"));
}

// Screener list: rows after "Go To", each ended by its news icon, closed by
// "Here".
Reply ScreenerList(const Request &r)
{
    const QByteArray exchange = r.Query("exchange");
    const QByteArray screen = r.Query("screen");
    if (exchange.isEmpty() || screen.isEmpty())
        return Reply::Status(404);
    SymbolData d("screener" + exchange + screen);
    QByteArray rows;
    for (int i = 0; i < 20; ++i) {
        const QByteArray sym = Ticker(d);
        const int price = d.Between(100, 20000);
        const int change = (screen == "10" ? -1 : screen == "9" ? 1 : (d.Between(0, 1) ? 1 : -1)) * d.Between(1, 500);
        const qint64 volume = d.Between(10000, 9000000);
        rows += "<tr><td>" + sym + "</td><td>" + Company(d) + "</td><td>" + Hundredths(price) + "</td><td>&nbsp;</td><td>"
                + Signed(change) + "</td><td>" + Signed(change * 10000 / price) + "%</td><td>" + Grouped(volume)
                + "</td><td>" + Grouped(volume * price / 100) + "</td><td><a href=\"" + Root(r) + "/n/" + sym
                + ".html\"><img src=\"/img/icon_news.gif\" border=0></a></td></tr>\r\n";
    }
    return Reply::Html(Html("Screener",
                            "<table><tr><TH>Symbol</TH><TH>Company</TH><TH>Price</TH></tr></table>\r\n"
                            "<p>Go To page 1</p>\r\n<table border=1>\r\n"
                                + rows + "</table>\r\n<p>Click Here for the full list</p>\r\n"));
}

// Today's broker reports: a breadcrumb table, the report table (a head row,
// then ticker, company, broker and report, the report with its link
// labels), then the news service's recommendations after its marker.
Reply ReportsToday(const Request &r)
{
    SymbolData d("reports-today");
    static const char *const brokers[] = {"Alder Securities", "Newstar Securities", "Crane Partners", "Thomas Weisel"};
    static const char *const actions[] = {"Raised to Buy", "Cut to Hold", "Started at Outperform", "Target raised"};
    QByteArray reports = Cells({"Ticker", "Company", "Broker", "Report"});
    for (int i = 0; i < 12; ++i) {
        const QByteArray sym = Ticker(d);
        reports += Cells({"<a href=\"" + Root(r) + "/q?s=" + sym + "\">" + sym + "</a>", Company(d),
                          brokers[d.Between(0, 3)],
                          QByteArray(actions[d.Between(0, 3)]) + " <a href=\"/n/" + sym + "\">News</a> "
                              "<a href=\"/c/" + sym + "\">Chart</a> <a href=\"/p/" + sym + "\">Compare</a>"});
    }
    QByteArray news;
    for (int i = 0; i < 8; ++i) {
        const QByteArray sym = Ticker(d);
        news += Cells({Day(d), sym, Company(d) + " rated " + (d.Between(0, 1) ? "buy" : "hold") + ", target "
                                    + Grouped(d.Between(1000, 90000)),
                       "Wire"});
    }
    return Reply::Html(Html("Broker Reports",
                            "<table><tr><td><a href=\"/\">Home</a> &gt; <a href=\"/Breadcrumb/reports\">Reports</a>"
                            "</td></tr></table>\r\n<table border=1>\r\n"
                                + reports + "</table>\r\n<!-- START BLOOMBERG NEWS -->\r\n<table border=1>\r\n" + news
                                + "</table>\r\n"));
}

} // namespace Pages
