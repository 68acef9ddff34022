// Market lists over 100 KB pages: the upgrades list and a mover list from
// the filler call until the grid has painted, next to reading the page.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "market/MarketReaders.h"
#include "platform/FlexGrid.h"
#include "platform/Registry.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

constexpr qsizetype Size = 100 * 1024;

QByteArray UpgradesPage()
{
    QByteArray page = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body><p><b>Upgrades</b></p>\r\n"
                      "<table border=1>\r\n<tr><TH>Company</TH><TH>Symbol</TH><TH>Brokerage</TH><TH>From</TH>"
                      "<TH>To</TH><TH>More</TH></tr>\r\n<tr><td colspan=6>2024-06-02</td></tr>\r\n";
    for (int i = 1; page.size() < Size - 100; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<tr><td>Harbor Networks " + n + " Inc.</td><td>HN" + n + "</td><td>Birch Capital &amp; Co</td>"
                "<td>Hold</td><td>Buy</td><td><a href=\"/q?s=HN" + n + "\">Quote</a></td></tr>\r\n";
    }
    return page + "</table>\r\n</body></html>\r\n";
}

QByteArray MoversPage()
{
    QByteArray page = "<html><body><table border=1>\r\n<tr><TH>Rank</TH><TH>Company</TH><TH>Symbol</TH>"
                      "<TH>Figures</TH><TH>P/E<BR>Ratio</TH></tr>\r\n"
                      + QByteArray(MarketReaders::MoversSpacerRow) + "\r\n";
    for (int i = 1; page.size() < Size - 200; ++i) {
        const QByteArray n = QByteArray::number(i);
        page += "<tr><td>" + n + "</td><td><table cellpadding=0 cellspacing=0 border=0><tr><td><a href=\"http://"
                "charting.test/q?s=MV" + n + "\">Meridian Motors " + n + " Inc.</a></td></tr></table></td><td>MV" + n
                + "</td><td>+" + n + "%</td><td>1,234,567</td><td>45.10</td><td>" + (i % 2 ? "+" : "-")
                + "1.25</td><td>17.20</td></tr>\r\n";
    }
    return page + "<tr><td>&nbsp;</td></tr>\r\n<tr><td>&nbsp;</td></tr>\r\n</table>\r\n<p>Show next</p></body></html>\r\n";
}

} // namespace

TW_BENCH(market)
{
    QTemporaryDir dir;
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder + QStringLiteral("/Cache/DataSheet"));
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg")); // never the real user's
    const QString upgrades = AppFolder + QStringLiteral("/Cache/DataSheet/Upgrade.sh");
    const QString movers = AppFolder + QStringLiteral("/Cache/DataSheet/BrPG_Q.Sh");
    if (!bench::writeFile(upgrades, UpgradesPage()) || !bench::writeFile(movers, MoversPage()))
        return;

    frmMain *m = frmMain::Instance();
    m->show();
    m->BaseRowHeight = int16_t(m->FG->RowHeight(0));
    QApplication::processEvents();

    qsizetype sink = 0;
    const double read = bench::medianMs(51, [&] { sink += Misc::ReadFile(upgrades).size(); });
    bench::report(QStringLiteral("market ReadFile 100 KB"), read, QStringLiteral("ms (median)"));

    const struct {
        const char *name;
        std::function<void()> fill;
    } lists[] = {{"FG_Upgrade", [m] { m->FG_Upgrade(); }},
                 {"FG_BR", [m] { m->FG_BR(QStringLiteral("brPG_Q.Sh")); }}};
    for (const auto &l : lists) {
        const double drawn = bench::medianMs(51, [&] {
            l.fill();
            m->FG->repaint();
            QApplication::processEvents();
        });
        bench::report(QStringLiteral("market %1 to drawn, 100 KB").arg(QLatin1String(l.name)), drawn,
                      QStringLiteral("ms (median)"));
        bench::report(QStringLiteral("market %1 rows drawn").arg(QLatin1String(l.name)), double(m->FG->Rows()), QString());
    }
    frmMain::Unload();
    if (sink < 0)
        bench::report(QStringLiteral("market sink"), double(sink), QString());
}
