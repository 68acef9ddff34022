// Node click to sheet drawn: the insider sheet over a 100 KB page, from the
// filler call until the grid has painted, next to reading the page alone;
// the same for the option chain of 10 000 lines and the earnings estimates
// over a 100 KB page.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/Registry.h"
#include "shell/frmMain.h"
#include "sheets/GridInteraction.h"
#include "sheets/SheetState.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

// An insider page of the investor site's shape, trades until it is 100 KB.
QByteArray InsiderPage()
{
    QByteArray page = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n"
                      "<html><head><title>ZETA Insider Trades</title></head><body>\r\n"
                      "<table><tr><td><b>ZETA Insider Trades</b></td></tr></table>\r\n"
                      "<table><tr><td>Summary</td><td>Last 6 months</td></tr></table>\r\n"
                      "<table><tr><td>Net shares</td><td>537,832</td></tr></table>\r\n"
                      "<table border=1 cellpadding=2>\r\n<tr><th>Date</th><th>Insider</th><th>Transaction</th>"
                      "<th>Shares</th><th>Ownership</th><th>Price</th><th>Value</th></tr>\r\n";
    for (int i = 1; page.size() < 100 * 1024 - 200; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<tr><td>2024-" + QByteArray::number(1 + i % 12).rightJustified(2, '0') + "-"
                + QByteArray::number(1 + i % 28).rightJustified(2, '0') + "</td><td><a href=\"insider/zeta-" + n
                + ".html\">Baker, Grace " + n + "</a></td><td>Option Exercise</td><td>" + n
                + ",613</td><td>Direct</td><td>38.58</td><td>2,608,509</td></tr>\r\n";
    }
    return page + "</table>\r\n<p>Trades reported by officers and directors.</p>\r\n</body></html>\r\n";
}

// An option quote table of the exchange site's shape with `lines` lines.
QByteArray OptionTable(int lines)
{
    QByteArray page = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nZETA option quotes\r\n"
                      "Calls,Last Sale,Net,Bid,Ask,Vol,Open Int,Puts,Last Sale,Net,Bid,Ask,Vol,Open Int\r\n";
    for (int i = 0; i < lines; ++i) {
        const QByteArray strike = QByteArray::number(50 + i % 400);
        const QByteArray n = QByteArray::number(i % 997);
        page += "Jan 24 " + strike + " (ZET" + char('A' + i % 26) + "-" + char('A' + i / 26 % 26) + "C),1." + n
                + ",+0.12,1.10,1.20," + n + ",5" + n + ",Jan 24 " + strike + " (ZET" + char('A' + i % 26) + "-"
                + char('A' + i / 26 % 26) + "P),2." + n + ",-0.08,2.10,2.20," + n + ",7" + n + ",\r\n";
    }
    return page;
}

// An earnings page of the news portal's shape, its tables after 100 KB of
// text, as a page with long navigation before its data would have them.
QByteArray EarningsPage()
{
    QByteArray page = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html><head><title>ZETA earnings</title>"
                      "</head><body>\r\n";
    while (page.size() < 100 * 1024 - 1500)
        page += "<p>Figures are per share and in US dollars, as the analysts who cover the stock expect them.</p>\r\n";
    const auto values = [](int n) {
        QList<QByteArray> v;
        for (int i = 0; i < n; ++i)
            v << "1." + QByteArray::number(10 + i);
        return "<td>" + v.join("<br>") + "</td>";
    };
    page += "<p>Earnings Estimates &amp; Recommendations</p><table><tr><th></th><th>Current Qtr (Mar 2024)</th>"
            "<th>Next Qtr (Jun 2024)</th><th>Current Year (Dec 2024)</th><th>Next Year (Dec 2025)</th></tr>"
            "<tr><td>Earnings Estimates<br><table><tr><td>Avg. Estimate</td></tr><tr><td>No. of Analysts</td></tr>"
            "<tr><td>Low Estimate</td></tr><tr><td>High Estimate</td></tr><tr><td>Year Ago EPS</td></tr>"
            "<tr><td>Growth Est.</td></tr></table></td>"
            + values(6) + values(6) + values(6) + values(6)
            + "</tr><tr><td>Consensus EPS Trend<table><tr><td>Current Estimate</td></tr><tr><td>7 Days Ago</td></tr>"
              "<tr><td>30 Days Ago</td></tr><tr><td>60 Days Ago</td></tr><tr><td>90 Days Ago</td></tr></table></td>"
            + values(5) + values(5) + values(5) + values(5) + "</tr></table>\r\n</body></html>\r\n";
    return page;
}

// The page as the cache file, then its read and its fill to painted beside
// each other.
void FillBesideRead(frmMain *m, const QString &what, const QString &file, const QByteArray &page, void (frmMain::*fill)())
{
    const QString path = AppFolder + QStringLiteral("/Cache/DataSheet/") + file;
    if (!bench::writeFile(path, page))
        return;
    bench::report(QStringLiteral("sheets %1 page size").arg(what), double(page.size()) / 1024.0, QStringLiteral("KB"));
    qsizetype sink = 0;
    const double read = bench::medianMs(21, [&] { sink += Misc::ReadFile(path).size(); });
    bench::report(QStringLiteral("sheets %1 ReadFile").arg(what), read, QStringLiteral("ms (median)"));
    const double drawn = bench::medianMs(21, [&] {
        (m->*fill)();
        m->FG->repaint();
        QApplication::processEvents();
    });
    bench::report(QStringLiteral("sheets %1 to drawn").arg(what), drawn, QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("sheets %1 rows drawn").arg(what), double(m->FG->Rows()), QString());
    if (sink < 0)
        bench::report(QStringLiteral("sheets sink"), double(sink), QString());
}

} // namespace

TW_BENCH(sheets)
{
    QTemporaryDir dir;
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder + QStringLiteral("/Cache/DataSheet"));
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg")); // never the real user's
    Stocks.fill({});
    Stocks[0].Symbol = "ZETA";
    Stocks[0].Name = "Zeta Corp";
    StockCount = 1;
    CurrentSymbol = "ZETA";

    const QByteArray page = InsiderPage();
    const QString path = AppFolder + QStringLiteral("/Cache/DataSheet/ZETA_it.Sh");
    if (!bench::writeFile(path, page))
        return;
    bench::report(QStringLiteral("sheets insider page size"), double(page.size()) / 1024.0, QStringLiteral("KB"));

    frmMain *m = frmMain::Instance();
    m->show();
    m->BaseRowHeight = int16_t(m->FG->RowHeight(0)); // as loading the window reads it
    QApplication::processEvents();

    qsizetype sink = 0;
    const double read = bench::medianMs(51, [&] { sink += Misc::ReadFile(path).size(); });
    bench::report(QStringLiteral("sheets ReadFile 100 KB"), read, QStringLiteral("ms (median)"));

    const double drawn = bench::medianMs(51, [&] {
        m->FG_IT();
        m->FG->repaint();
        QApplication::processEvents();
    });
    bench::report(QStringLiteral("sheets FG_IT to drawn, 100 KB"), drawn, QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("sheets rows drawn"), double(m->FG->Rows()), QString());
    bench::report(QStringLiteral("sheets drawn / read"), read > 0 ? drawn / read : 0, QStringLiteral("x"));

    // The Zoom button to a shown window of the same sheet.
    const double zoomed = bench::medianMs(11, [&] {
        m->Zoom_FG();
        QApplication::processEvents();
        if (TargetGrid && TargetGrid->window() != m)
            delete TargetGrid->window();
    });
    bench::report(QStringLiteral("sheets Zoom button to window, 100 KB"), zoomed, QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("sheets zoom / read"), read > 0 ? zoomed / read : 0, QStringLiteral("x"));

    // Sorting the insider sheet by Shares, on sheets of 400 and 2000 trades.
    for (int trades : {400, 2000}) {
        QByteArray cut = page.left(page.indexOf("<tr><td>2024"));
        for (int i = 1; i <= trades; ++i)
            cut += "<tr><td>2024-01-01</td><td><a href=\"insider/z-" + QByteArray::number(i) + ".html\">Name " +
                   QByteArray::number(i) + "</a></td><td>Sale</td><td>" + QByteArray::number((i * 7919) % 100000) +
                   "</td><td>Direct</td><td>1.00</td><td>1</td></tr>\r\n";
        cut += "</table>\r\n</body></html>\r\n";
        if (!bench::writeFile(path, cut))
            return;
        m->FG_IT();
        m->FG->SetCol(4);
        const double sorted = bench::medianMs(21, [&] {
            GridInteraction::Sort(m->FG);
            m->FG->repaint();
        });
        bench::report(QStringLiteral("sheets sort by Shares, %1 rows").arg(trades), sorted, QStringLiteral("ms (median)"));
    }
    // Budgets: the chain under 100 ms, the estimates under 10 ms.
    FillBesideRead(m, QStringLiteral("FG_Options 10000 lines"), QStringLiteral("ZETA_op.Sh"), OptionTable(10000),
                   &frmMain::FG_Options);
    FillBesideRead(m, QStringLiteral("FG_ER 100 KB"), QStringLiteral("ZETA_ee.Sh"), EarningsPage(), &frmMain::FG_ER);

    frmMain::Unload();
    if (sink < 0)
        bench::report(QStringLiteral("sheets sink"), double(sink), QString());
}
