// The sample site's pages of the Update run: above each job's minimum, with
// the markers their sheets search for, the same on every fetch.
#include "common/SampleSite.h"
#include "common/TestRegistry.h"
#include "core/Misc.h"
#include "market/MarketReaders.h"

#include <QRegularExpression>
#include <QTest>
#include <memory>

using tw::test::SampleSite;

namespace {

QByteArray Between(const QByteArray &text, const QByteArray &from, const QByteArray &to)
{
    const qsizetype a = text.indexOf(from);
    if (a < 0)
        return {};
    const qsizetype b = text.indexOf(to, a + from.size());
    return b < 0 ? QByteArray() : text.mid(a, b - a);
}

// Rows of a table text, each as its list of "<td" cells' inner texts.
QList<QList<QByteArray>> Rows(const QByteArray &table)
{
    QList<QList<QByteArray>> rows;
    for (qsizetype r = table.indexOf("<tr"); r >= 0; r = table.indexOf("<tr", r + 3)) {
        const qsizetype end = table.indexOf("</tr>", r);
        if (end < 0)
            break;
        const QByteArray row = table.mid(r, end - r);
        QList<QByteArray> cells;
        for (qsizetype c = row.indexOf("<td"); c >= 0; c = row.indexOf("<td", c + 3)) {
            const qsizetype close = row.indexOf("</td>", c);
            if (close < 0)
                break;
            QByteArray cell = row.mid(c, close - c);
            cells << Misc::CleanHTML(cell, false, true, false).trimmed();
        }
        rows << cells;
    }
    return rows;
}

const QList<QByteArray> kSymbols{"A", "IBM", "msft", "BRK.A", "^DJI", "ZYXWVUTSRQPO"};

} // namespace

class tst_updatepages : public QObject {
    Q_OBJECT
    std::unique_ptr<SampleSite> site;

    QByteArray Fetch(const QByteArray &path)
    {
        return site->send("GET http://" + site->hostPort().toLatin1() + path
                          + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n")
            .reply;
    }

private Q_SLOTS:
    void initTestCase()
    {
        site = std::make_unique<SampleSite>();
        QVERIFY(site->port() != 0);
    }
    void cleanupTestCase() { site.reset(); }

    // Every page of every job for several symbols: status 200, above the
    // job's minimum (whole reply for socket jobs, body for the others), the
    // same bytes when asked twice.
    void pagesAboveMinimum_data()
    {
        QTest::addColumn<QByteArray>("path"); // {s} symbol as given, {S} in capitals, {l} first letter
        QTest::addColumn<bool>("socket");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<QByteArray>("marker");
        QTest::newRow("news") << QByteArray("/q?s={s}") << false << 1 << QByteArray("Recent News");
        QTest::newRow("balance") << QByteArray("/cgi-bin/AW/ZREPORT/DoInquiry?ticker={s}&type=8") << false << 1000
                                 << QByteArray("Annual Balance Sheet");
        QTest::newRow("income") << QByteArray("/cgi-bin/AW/ZREPORT/DoInquiry?ticker={s}&type=10") << false << 1000
                                << QByteArray("Annual Income Statement");
        QTest::newRow("earnings") << QByteArray("/z/a/{l}/{s}.html") << true << 2500
                                  << QByteArray("Earnings Estimates &amp;");
        QTest::newRow("filings") << QByteArray("/brand/yahoo/search/?sym={s}") << false << 1000 << QByteArray("Sort By");
        QTest::newRow("insiders") << QByteArray("/t/{l}/{s}.html") << true << 2500 << QByteArray("Insider Trades");
        QTest::newRow("options") << QByteArray("/QuoteTable.dat?TICKER={S}") << true << 1000 << QByteArray("Open Int");
        QTest::newRow("surprises") << QByteArray("/cgi-bin/25_surp") << false << 1 << QByteArray("<table");
        QTest::newRow("winners") << QByteArray("/dljd/mwwinners.htm") << false << 1 << QByteArray("Percentage Winners");
        QTest::newRow("losers") << QByteArray("/dljd/mwlosers.htm") << false << 2500 << QByteArray("Percentage Losers");
        QTest::newRow("upgrades") << QByteArray("/c/u.html") << true << 1000 << QByteArray("<b>Upgrades</b>");
        QTest::newRow("downgrades") << QByteArray("/c/d.html") << true << 1000 << QByteArray("<b>Downgrades</b>");
        QTest::newRow("coverage") << QByteArray("/c/i.html") << true << 1000 << QByteArray("Coverage</b>");
        QTest::newRow("tip") << QByteArray("/zandor/tip.txt") << true << 1 << QByteArray("Tickerwatch");
        QTest::newRow("movers") << QByteArray("/reports/bigmovers.asp?date=20000601&data=2&start=0&report=7&report_country_code=us")
                                << false << 1 << QByteArray("<BR>Ratio");
        QTest::newRow("broker reports today") << QByteArray("/reports/reports-today.asp") << true << 1000
                                              << QByteArray("/Breadcrumb");
        QTest::newRow("screener") << QByteArray("/markets/screener.asp?exchange=13&screen=9") << false << 1
                                  << QByteArray("icon_news.gif");
    }
    void pagesAboveMinimum()
    {
        QFETCH(QByteArray, path);
        QFETCH(bool, socket);
        QFETCH(int, minimum);
        QFETCH(QByteArray, marker);
        QByteArray first;
        for (const QByteArray &sym : kSymbols) {
            QByteArray p = path;
            p.replace("{s}", sym.toPercentEncoding()).replace("{S}", sym.toUpper().toPercentEncoding());
            p.replace("{l}", sym.left(1).toLower().toPercentEncoding());
            const QByteArray reply = Fetch(p);
            QVERIFY2(reply.startsWith("HTTP/1.0 200 OK\r\n"), p.constData());
            const qsizetype size = socket ? reply.size() : SampleSite::Body(reply).size();
            QVERIFY2(size >= minimum, (p + " " + QByteArray::number(size)).constData());
            QVERIFY2(reply.contains(marker), p.constData());
            QCOMPARE(Fetch(p), reply);
            if (path.contains('{')) {
                if (first.isEmpty())
                    first = SampleSite::Body(reply);
                else
                    QVERIFY(SampleSite::Body(reply) != first);
            }
        }
    }

    void unknownSymbolsAreNotFound_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("news") << QByteArray("/q?s=A%20B");
        QTest::newRow("insider letter") << QByteArray("/t/q/IBM.html");
        QTest::newRow("statement type") << QByteArray("/cgi-bin/AW/ZREPORT/DoInquiry?ticker=IBM&type=9");
        QTest::newRow("option ticker") << QByteArray("/QuoteTable.dat?TICKER=..%2Fx");
        QTest::newRow("movers report") << QByteArray("/reports/bigmovers.asp?date=20000601&data=2&start=0&report=9");
    }
    void unknownSymbolsAreNotFound()
    {
        QFETCH(QByteArray, path);
        QVERIFY(Fetch(path).startsWith("HTTP/1.0 404 "));
    }

    // The news table: the second table after "Recent News", five cells a row,
    // the fifth a story link.
    void newsTable()
    {
        const QByteArray page = SampleSite::Body(Fetch("/q?s=IBM"));
        const qsizetype d = page.indexOf("Recent News");
        const qsizetype e = page.indexOf("<table", d);
        const qsizetype fpos = page.indexOf("<table", e + 1);
        const QByteArray table = page.mid(fpos, page.indexOf("</table>", fpos) - fpos);
        const auto rows = Rows(table);
        QVERIFY(rows.size() >= 5);
        for (const auto &row : rows)
            QCOMPARE(row.size(), 5);
        QByteArray cell4 = table.mid(table.indexOf("<td><a"));
        QVERIFY(Misc::CleanHTML(cell4, false, true, true).startsWith("http://"));
        QVERIFY(page.startsWith("<html>") && page.contains("</html>"));
    }

    // Statements: six cells a row; the balance sheet names itself twice and
    // carries its three section headings as two-cell rows.
    void statements()
    {
        QByteArray income = SampleSite::Body(Fetch("/cgi-bin/AW/ZREPORT/DoInquiry?ticker=IBM&type=10"));
        const auto incomeRows = Rows(Between(income.mid(income.indexOf("Annual Income Statement")), "<table", "</table>"));
        QVERIFY(incomeRows.size() >= 25);
        for (const auto &row : incomeRows)
            QCOMPARE(row.size(), 6);
        QVERIFY(!income.contains("ii"));

        const QByteArray balance = SampleSite::Body(Fetch("/cgi-bin/AW/ZREPORT/DoInquiry?ticker=IBM&type=8"));
        const qsizetype second = balance.indexOf("Annual Balance Sheet", balance.indexOf("Annual Balance Sheet") + 1);
        QVERIFY(second > 0);
        const auto rows = Rows(Between(balance.mid(second), "<table", "</table>"));
        QVERIFY(rows.size() >= 42);
        QStringList headings;
        for (const auto &row : rows) {
            QVERIFY(row.size() == 6 || row.size() == 2);
            if (row.size() == 2)
                headings << QString::fromLatin1(row[0]);
        }
        QCOMPARE(headings, (QStringList{"Assets", "Liabilities & Shareholder's Equity", "Shareholders' Equity"}));
    }

    // Earnings: header and value parts of the four tables hold exactly as
    // many values as their grids take.
    void earningsParts()
    {
        QByteArray page = SampleSite::Body(Fetch("/z/a/i/IBM.html"));
        Misc::FixTags(page, true, true, true, true);
        const auto values = [](const QByteArray &part) {
            int n = 0;
            for (const auto &row : Rows(QByteArray(part).replace("<br>", "</td><td>")))
                for (const QByteArray &v : row)
                    n += v.isEmpty() ? 0 : 1;
            return n;
        };
        const qsizetype g = page.indexOf("Earnings Growth");
        const qsizetype gh = page.indexOf("<tr>", g), ge = page.indexOf("</tr>", gh);
        const qsizetype gv = page.indexOf("<tr>", ge);
        QCOMPARE(values(page.mid(gv, page.indexOf("</tr>", gv) - gv + 5)), 21);
        QCOMPARE(page.mid(gh, ge - gh).count("<th>") - 1, 6);
        const qsizetype h = page.indexOf("Earnings History");
        const qsizetype hh = page.indexOf("</tr>", page.indexOf("<tr>", h));
        const qsizetype hv = page.indexOf("<tr>", hh);
        QCOMPARE(values(page.mid(hv, page.indexOf("</tr>", hv) - hv + 5)), 24);
        for (const auto &[marker, count] : {std::pair{QByteArray("Earnings Estimates<br>"), 24},
                                            std::pair{QByteArray("Consensus EPS Trend"), 20}}) {
            const qsizetype u = page.indexOf("</table>", page.indexOf("<table", page.indexOf(marker)));
            const qsizetype v = page.indexOf("</td>", u);
            QCOMPARE(values("<tr>" + page.mid(v, page.indexOf("</tr>", v) - v) + "</tr>"), count);
        }
        QVERIFY(page.indexOf("Earnings Estimates &amp;") >= 0);
    }

    // Insider trades: the fourth table after the heading, column heads as
    // header cells, then seven cells a row with the insider's ".html" link.
    void insiderTable()
    {
        QByteArray page = SampleSite::Body(Fetch("/t/i/IBM.html"));
        QByteArray cut = page.mid(page.indexOf("Insider Trades"));
        cut = cut.left(cut.indexOf("</html"));
        const QByteArray table = Misc::GetTable(cut, 4);
        const auto rows = Rows(table);
        QVERIFY(rows.size() >= 13);
        QCOMPARE(rows[0].size(), 0);
        for (const auto &row : rows.mid(1))
            QCOMPARE(row.size(), 7);
        QCOMPARE(table.count("<td><a href=\""), rows.size() - 1);
        QCOMPARE(table.count(".html\">"), rows.size() - 1);
    }

    // Filings: the table after "Sort By", no colon that would split a cell,
    // every filing a quoted link.
    void filingsTable()
    {
        const QByteArray page = SampleSite::Body(Fetch("/brand/yahoo/search/?sym=IBM"));
        const qsizetype s = page.indexOf("Sort By");
        const qsizetype start = page.indexOf("<table", page.indexOf("</table>", s));
        const QByteArray table = page.mid(start, page.indexOf("</table>", start) - start);
        QVERIFY(!table.contains(':'));
        const auto rows = Rows(table);
        QVERIFY(rows.size() >= 15);
        QCOMPARE(table.count("<A HREF=\""), rows.size() - 1);
    }

    // Option table: after "Puts" ... "Int", lines ended by CR LF with
    // fourteen fields, each followed by a comma, codes in brackets.
    void optionLines()
    {
        const QByteArray body = SampleSite::Body(Fetch("/QuoteTable.dat?TICKER=IBM"));
        const qsizetype q = body.indexOf("Int", body.indexOf("Puts"));
        const QList<QByteArray> lines = body.mid(body.indexOf("\r\n", q) + 2).split('\n');
        int data = 0;
        for (const QByteArray &line : lines) {
            if (line.isEmpty())
                continue;
            QVERIFY(line.endsWith(",\r"));
            QCOMPARE(line.count(','), 14);
            QCOMPARE(line.count('('), 2);
            ++data;
        }
        QVERIFY(data >= 10);
        QVERIFY(body.endsWith("\r\n"));
    }

    // Market lists: the block markers and the cell counts their sheets take.
    void marketLists()
    {
        const auto surprises = Rows(Between(SampleSite::Body(Fetch("/cgi-bin/25_surp")), "<table", "</table>"));
        QCOMPARE(surprises.size(), 26);
        for (const auto &row : surprises)
            QCOMPARE(row.size(), 5);

        const QByteArray losers = SampleSite::Body(Fetch("/dljd/mwlosers.htm"));
        const QByteArray block = Between(losers, "Percentage Losers", "All Rights Reserved");
        QCOMPARE(block.count("<table"), 3);
        for (const auto &row : Rows(block))
            QVERIFY(row.size() <= 9);

        QByteArray movers = SampleSite::Body(Fetch("/reports/bigmovers.asp?date=20000601&data=1&start=0&report=5&report_country_code=us"));
        QVERIFY(movers.contains(MarketReaders::MoversSpacerRow));
        movers.replace(MarketReaders::MoversSpacerRow, "");
        movers.replace("TH", "td").replace("</tr></table>", "").replace("<table cellpadding=0 cellspacing=0 border=0><tr>", "</td>");
        auto moverRows = Rows(Between(movers, "<BR>Ratio", "Show"));
        QCOMPARE(moverRows.size(), 27);
        // Two blank rows close the list.
        for (int i = 0; i < 2; ++i)
            QCOMPARE(moverRows.takeLast(), QList<QByteArray>{"&nbsp;"});
        for (auto row : moverRows) {
            row.removeAll(QByteArray());
            QCOMPARE(row.size(), 9);
            QVERIFY(row[4].startsWith('+') || row[4].startsWith('-'));
        }

        const QByteArray screener = SampleSite::Body(Fetch("/markets/screener.asp?exchange=13&screen=9"));
        const QByteArray list = Between(screener, "Go To", "Here");
        QCOMPARE(list.count("icon_news.gif"), 20);
        QVERIFY(screener.indexOf("Here", screener.indexOf("Go To")) > screener.lastIndexOf("icon_news.gif"));

        for (const char *path : {"/c/u.html", "/c/d.html", "/c/i.html"}) {
            QByteArray page = SampleSite::Body(Fetch(path));
            page.replace("TH", "td");
            auto rows = Rows(Between(page, "<table", "</table>"));
            QCOMPARE(rows.size(), 17);
            QCOMPARE(rows.takeAt(1).size(), 1); // the day
            for (const auto &row : rows)
                QCOMPARE(row.size(), QByteArray(path) == "/c/i.html" ? 5 : 6);
        }
    }
};

TW_TEST(tst_updatepages)
#include "tst_updatepages.moc"
