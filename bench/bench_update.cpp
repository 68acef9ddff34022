// The per-stock jobs of an Update run for a 201-stock set against the sample
// site on loopback, next to fetching the same requests one after another with
// a plain socket client (and with curl where it is installed); and the longest
// time the event loop went without a turn during the run.
#include "Bench.h"

#include "../tools/samplesite/Protocol.h"
#include "collect/UpdateJobs.h"
#include "core/AppFolder.h"
#include "core/Hosts.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "platform/Dialogs.h"
#include "platform/Inet.h"
#include "platform/Registry.h"
#include "shell/Options.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QList<QByteArray> LoggedRequests(const QString &log)
{
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    const QByteArray sep = SampleSiteProtocol::RequestLogSeparator;
    QList<QByteArray> out;
    for (qsizetype at = 0, next; (next = all.indexOf(sep, at)) >= 0; at = next + sep.size())
        out.append(all.mid(at, next - at));
    return out;
}

// One request at a time, each on its own connection, read to the close;
// with a folder, each reply is also written to a file of its own there.
qint64 PlainClient(quint16 port, const QList<QByteArray> &requests, const QString &folder = QString())
{
    qint64 bytes = 0;
    int n = 0;
    for (const QByteArray &request : requests) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (!s.waitForConnected(5000))
            return -1;
        s.write(request);
        QByteArray reply;
        while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(5000))
            reply += s.readAll();
        reply += s.readAll();
        bytes += reply.size();
        if (!folder.isEmpty()) {
            QFile f(folder + QStringLiteral("/page%1").arg(n++));
            if (f.open(QIODevice::WriteOnly))
                f.write(reply);
        }
    }
    return bytes;
}


// A data folder and settings store of its own, and the sample site on a free
// port logging every request; 0 when the site did not start.
quint16 StartRun(const QTemporaryDir &dir, QProcess &site, const QString &log)
{
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder + QStringLiteral("/Cache/DataSheet"));
    QDir().mkpath(AppFolder + QStringLiteral("/Cache/News"));
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg"));
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
    Dialogs::SetScripted(true);

    site.start(QStringLiteral(TW_SAMPLESITE), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--log"), log});
    QDeadlineTimer deadline(10000);
    while (!site.canReadLine() && !deadline.hasExpired())
        site.waitForReadyRead(100);
    const QByteArray line = site.readLine().trimmed();
    const quint16 port = quint16(line.mid(qsizetype(sizeof(SampleSiteProtocol::ListeningPrefix)) - 1).toUInt());
    if (!port)
        return 0;
    Hosts::SetOverride(Hosts::AllSites, QStringLiteral("127.0.0.1:%1").arg(port));

    for (int i = 0; i < Stock::StockSlots; ++i)
        Stocks[size_t(i)].Symbol = "S" + QByteArray::number(i);
    StockCount = Stock::StockSlots;
    frmMain *m = frmMain::Instance();
    m->BaseCaption = m->windowTitle();
    m->Inet1->SetAccessType(Inet::icDirect); // as the start-up sets it without a proxy
    return port;
}

// Only these update boxes ticked; the variable named by env ("5,7,8")
// times a part of them.
void TickOnly(QList<int> boxes, const char *env)
{
    Options *o = Options::Instance();
    for (int i = 0; i < UpdateJobs::BoxCount; ++i)
        o->chkUpdate[i]->setCheckState(Qt::Unchecked);
    if (const QByteArray only = qgetenv(env); !only.isEmpty()) {
        boxes.clear();
        for (const QByteArray &b : only.split(','))
            boxes << b.toInt();
    }
    for (int box : boxes)
        o->chkUpdate[box]->setCheckState(Qt::Checked);
}

// The run, timed, with the longest gap between two turns of the event loop.
struct TimedRun {
    double ms = 0;
    qint64 longestStall = 0;
};
TimedRun Run()
{
    TimedRun r;
    QElapsedTimer gap;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] { r.longestStall = qMax(r.longestStall, gap.restart()); });
    QElapsedTimer t;
    gap.start();
    beat.start(1);
    t.start();
    frmMain::Instance()->RunUpdate();
    r.ms = double(t.nsecsElapsed()) / 1e6;
    return r;
}

// One curl process fetching the logged requests one after another, each
// page to /dev/null or, with a folder, to a file of its own there; -1 when
// curl could not be run.
double CurlMs(const QString &curl, const QList<QByteArray> &requests, quint16 port, const QString &config,
              const QString &pages = QString())
{
    QFile f(config);
    if (curl.isEmpty() || !f.open(QIODevice::WriteOnly))
        return -1;
    int n = 0;
    for (const QByteArray &r : requests) {
        QByteArray target = r.mid(4, r.indexOf(" HTTP/") - 4);
        if (!target.startsWith("http://"))
            target = "http://127.0.0.1:" + QByteArray::number(port) + target;
        const QByteArray output = pages.isEmpty() ? QByteArray("/dev/null")
                                                  : QFile::encodeName(pages) + "/page" + QByteArray::number(n++);
        f.write("url = \"" + target + "\"\noutput = \"" + output + "\"\n");
    }
    f.close();
    QProcess c;
    QElapsedTimer t;
    t.start();
    c.start(curl, {QStringLiteral("-s"), QStringLiteral("--noproxy"), QStringLiteral("*"), QStringLiteral("-K"), config});
    c.waitForFinished(600000);
    return double(t.nsecsElapsed()) / 1e6;
}

void EndRun(QProcess &site)
{
    frmMain::Unload();
    Options::Unload();
    site.terminate();
    site.waitForFinished(3000);
}

} // namespace

TW_BENCH(update)
{
    QTemporaryDir dir;
    const QString log = dir.path() + QStringLiteral("/requests.log");
    QProcess site;
    const quint16 port = StartRun(dir, site, log);
    if (!port) {
        std::printf("update: the sample site did not start\n");
        return;
    }
    Settings::Set(QStringLiteral("US"), QStringLiteral("0"));
    TickOnly({2, 3, 4, 5, 6, 7, 8}, "TW_BENCH_BOXES");

    const TimedRun run = Run();
    const double runMs = run.ms;
    const QList<QByteArray> requests = LoggedRequests(log);
    bench::report(QStringLiteral("update.requests"), double(requests.size()), QStringLiteral("requests"));
    bench::report(QStringLiteral("update.run_per_stock_jobs_201"), runMs, QStringLiteral("ms"));

    QElapsedTimer t;
    t.start();
    const qint64 bytes = PlainClient(port, requests);
    const double plainMs = double(t.nsecsElapsed()) / 1e6;
    bench::report(QStringLiteral("update.plain_socket_client"), plainMs, QStringLiteral("ms"));
    bench::report(QStringLiteral("update.plain_socket_bytes"), double(bytes), QStringLiteral("bytes"));
    bench::report(QStringLiteral("update.ratio_run_to_plain"), runMs / plainMs, QStringLiteral("x (target <= 1.5)"));
    const QString saved = dir.path() + QStringLiteral("/plain");
    QDir().mkpath(saved);
    t.restart();
    PlainClient(port, requests, saved);
    const double savingMs = double(t.nsecsElapsed()) / 1e6;
    bench::report(QStringLiteral("update.plain_socket_client_saving_pages"), savingMs, QStringLiteral("ms"));
    bench::report(QStringLiteral("update.ratio_run_to_plain_saving"), runMs / savingMs, QStringLiteral("x"));
    bench::report(QStringLiteral("update.longest_event_loop_stall"), double(run.longestStall), QStringLiteral("ms (target < 50)"));

    // The transfer control alone over the same pages, nothing stored: the
    // floor under the jobs that use it.
    {
        Inet inet;
        inet.SetAccessType(Inet::icDirect);
        int pages = 0;
        t.restart();
        for (const QByteArray &r : requests) {
            const QByteArray target = r.mid(4, r.indexOf(" HTTP/") - 4);
            if (target.startsWith('/')) {
                inet.OpenURL(QStringLiteral("http://127.0.0.1:%1").arg(port) + QString::fromLatin1(target));
                ++pages;
            }
        }
        if (pages)
            bench::report(QStringLiteral("update.transfer_control_alone_%1_pages").arg(pages),
                          double(t.nsecsElapsed()) / 1e6, QStringLiteral("ms"));
    }

    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (const double curlMs = CurlMs(curl, requests, port, dir.path() + QStringLiteral("/curl.cfg")); curlMs > 0) {
        bench::report(QStringLiteral("update.curl_one_process"), curlMs, QStringLiteral("ms"));
        bench::report(QStringLiteral("update.ratio_run_to_curl"), runMs / curlMs, QStringLiteral("x (target <= 1.5)"));
    }
    // The same, each page written to a file of its own as the run does.
    const QString pages = dir.path() + QStringLiteral("/curlpages");
    QDir().mkpath(pages);
    if (const double curlMs = CurlMs(curl, requests, port, dir.path() + QStringLiteral("/curl-saving.cfg"), pages);
        curlMs > 0) {
        bench::report(QStringLiteral("update.curl_one_process_saving_pages"), curlMs, QStringLiteral("ms"));
        bench::report(QStringLiteral("update.ratio_run_to_curl_saving"), runMs / curlMs, QStringLiteral("x"));
    }
    EndRun(site);
}

// The seven research jobs (splits, upgrades, downgrades, momentum, broker
// reports, profile, short interest) for a 201-stock set against the sample
// site, next to curl fetching the same addresses one after another in one
// process; and the longest time the event loop went without a turn.
TW_BENCH(update_research)
{
    QTemporaryDir dir;
    const QString log = dir.path() + QStringLiteral("/requests.log");
    QProcess site;
    const quint16 port = StartRun(dir, site, log);
    if (!port) {
        std::printf("update_research: the sample site did not start\n");
        return;
    }
    TickOnly({9, 10, 11, 12, 13, 14, 88}, "TW_BENCH_RESEARCH_BOXES");

    const TimedRun run = Run();
    const QList<QByteArray> requests = LoggedRequests(log);
    bench::report(QStringLiteral("update_research.requests"), double(requests.size()), QStringLiteral("requests"));
    bench::report(QStringLiteral("update_research.run_seven_jobs_201"), run.ms, QStringLiteral("ms"));
    bench::report(QStringLiteral("update_research.longest_event_loop_stall"), double(run.longestStall),
                  QStringLiteral("ms (target <= 50)"));

    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (const double curlMs = CurlMs(curl, requests, port, dir.path() + QStringLiteral("/curl.cfg")); curlMs > 0) {
        bench::report(QStringLiteral("update_research.curl_same_addresses"), curlMs, QStringLiteral("ms"));
        bench::report(QStringLiteral("update_research.ratio_run_to_curl"), run.ms / curlMs,
                      QStringLiteral("x (target <= 1.5)"));
    } else {
        std::printf("update_research: no curl to compare with\n");
    }
    EndRun(site);
}
