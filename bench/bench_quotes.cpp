// The quote page of the sample site read into a stock's record, next to
// reading the page from the cache alone (as served, and grown to 100 KB);
// and the "Current" grid of a 201-stock set from the call until painted.
#include "Bench.h"

#include "../tools/samplesite/Protocol.h"
#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/FlexGrid.h"
#include "platform/Registry.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

QByteArray Get(quint16 port, const QByteArray &pathAndQuery)
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(5000))
        return {};
    s.write("GET " + pathAndQuery + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray reply;
    while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(5000))
        reply += s.readAll();
    reply += s.readAll();
    return reply.mid(reply.indexOf("\r\n\r\n") + 4); // the body, as the transfer control stores it
}

// Read and parse of one page file, and the read alone.
void PagePair(frmMain *m, const QString &path, const QByteArray &page, const QString &label)
{
    if (!bench::writeFile(path, page))
        return;
    qsizetype sink = 0;
    const double read = bench::medianMs(301, [&] { sink += Misc::ReadFile(path).size(); });
    const double parsed = bench::medianMs(301, [&] { sink += m->Parse_PricePage(0).size(); });
    const double kb = double(page.size()) / 1024.0;
    bench::report(QStringLiteral("quotes %1 page size").arg(label), kb, QStringLiteral("KB"));
    bench::report(QStringLiteral("quotes %1 read from the cache").arg(label), read, QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("quotes %1 read and parsed into the record").arg(label), parsed,
                  QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("quotes %1 parsed / read").arg(label), read > 0 ? parsed / read : 0,
                  QStringLiteral("x (target < 20)"));
    bench::report(QStringLiteral("quotes %1 per 100 KB").arg(label), parsed * 100 / kb, QStringLiteral("ms (target < 1)"));
    if (sink < 0)
        bench::report(QStringLiteral("quotes sink"), double(sink), QString());
}

} // namespace

TW_BENCH(quotes)
{
    QTemporaryDir dir;
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder + QStringLiteral("/Cache/DataSheet"));
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg")); // never the real user's

    QProcess site;
    site.start(QStringLiteral(TW_SAMPLESITE), {QStringLiteral("--port"), QStringLiteral("0")});
    if (!site.waitForReadyRead(10000))
        return;
    const QByteArray line = site.readLine();
    const quint16 port = quint16(line.mid(int(sizeof SampleSiteProtocol::ListeningPrefix) - 1).trimmed().toUInt());
    if (!line.startsWith(SampleSiteProtocol::ListeningPrefix) || !port)
        return;

    frmMain *m = frmMain::Instance();
    Stocks.fill({});
    Stocks[0].Symbol = "IBM";
    StockCount = 1;

    const QString path = AppFolder + QStringLiteral("/Cache/DataSheet/Yahooquote.Sh");
    const QByteArray page = Get(port, "/q?s=ibm&d=t");
    PagePair(m, path, page, QStringLiteral("sample site"));
    // The same page with more of its headlines, to 100 KB.
    QByteArray big = page;
    const qsizetype from = page.indexOf("<p><b>Headlines"), to = page.indexOf("</body>");
    while (from > 0 && to > from && big.size() < 100 * 1024)
        big.insert(big.indexOf("</body>"), page.mid(from, to - from));
    PagePair(m, path, big, QStringLiteral("100 KB"));

    // 201 stocks, each from its own page, a few with alerts crossed.
    Stocks.fill({});
    for (int i = 0; i < Stock::StockSlots; ++i) {
        Stocks[size_t(i)].Symbol = "S" + QByteArray::number(i);
        bench::writeFile(path, Get(port, "/q?s=S" + QByteArray::number(i) + "&d=t"));
        m->Parse_PricePage(int16_t(i));
        if (i % 10 == 0)
            Stocks[size_t(i)].LowAlert = 1000;
    }
    StockCount = Stock::StockSlots;
    m->show();
    m->BaseRowHeight = int16_t(m->FG->RowHeight(0)); // as loading the window reads it
    QApplication::processEvents();

    const double fill = bench::medianMs(51, [&] { m->FG_Current(); });
    const double drawn = bench::medianMs(51, [&] {
        m->FG_Current();
        m->FG->repaint();
        QApplication::processEvents();
    });
    bench::report(QStringLiteral("quotes Current grid rows"), double(m->FG->Rows()), QString());
    bench::report(QStringLiteral("quotes Current grid of 201 stocks filled"), fill, QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("quotes Current grid of 201 stocks to painted"), drawn,
                  QStringLiteral("ms (median, target < 20)"));

    frmMain::Unload();
    site.terminate();
    site.waitForFinished(3000);
}
