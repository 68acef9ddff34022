// The header walk of a 2 000-article group in the news window against
// leafnode on loopback, next to a short Python client making the same walk
// with plain sockets; and the longest time the event loop went without a
// turn during the window's walk.
//
// The server's group list at the reply's bound (newslist): the memory a
// flood up to the bound costs, against the bound, in the whole program and
// in the reply reader alone; and a whole list just under the bound filling
// the window: its time next to the Python client reading the same list, and
// the longest time the event loop went without a turn meanwhile.
#include "Bench.h"

#include "common/HeapInUse.h"
#include "common/NewsServer.h"
#include "core/AppFolder.h"
#include "core/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Registry.h"
#include "platform/Wait.h"
#include "services/News.h"
#include "services/Nntp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

constexpr int kArticles = 2000;
// Loopback latency on a shared machine drifts within seconds: the walks
// alternate, and each run's ratio compares two walks made back to back.
constexpr int kRuns = 11;
const QByteArray kGroup = "misc.invest.bench";

QList<tw::test::NewsServer::Article> Articles()
{
    QList<tw::test::NewsServer::Article> out;
    for (int n = 1; n <= kArticles; ++n) {
        const QByteArray num = QByteArray::number(n);
        const int lines = 3 + n % 17;
        QByteArray body;
        for (int l = 0; l < lines; ++l)
            body += "Line " + QByteArray::number(l) + " of a reply about the market and article " + num + ".\n";
        out.append({kGroup, n,
                    "Path: nntp.tw-tests.net!not-for-mail\nFrom: Investor " + num + " <investor" + num
                        + "@example.test>\nNewsgroups: " + kGroup + "\nSubject: Re: Quarterly figures, thread "
                        + QByteArray::number(n / 7) + "\nDate: Wed, 09 Dec 2026 10:"
                        + QByteArray::number(10 + n % 50) + ":00 +0000\nMessage-ID: <b" + num
                        + "@tw-tests.net>\nReferences: <b" + QByteArray::number(qMax(1, n - 1))
                        + "@tw-tests.net>\nOrganization: Bench\nMIME-Version: 1.0\n"
                          "Content-Type: text/plain; charset=us-ascii\nLines: "
                        + QByteArray::number(lines) + "\n\n" + body});
    }
    return out;
}

// The longest time the event loop went without a turn while measured.
class StallMeter {
public:
    StallMeter()
    {
        beat_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&beat_, &QTimer::timeout, [this] { longest_ = qMax(longest_, gap_.restart()); });
    }
    void Start()
    {
        gap_.start();
        beat_.start(1);
    }
    void Stop()
    {
        // A loop that never turned shows only here.
        longest_ = qMax(longest_, gap_.elapsed());
        beat_.stop();
    }
    qint64 Longest() const { return longest_; }

private:
    QElapsedTimer gap_;
    qint64 longest_ = 0;
    QTimer beat_;
};

// One field of /proc/self/status, in bytes.
qint64 ProcBytes(const QByteArray &field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

// The peak resident size starts again from the present one.
void ResetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// The list server in a process of its own; its port, or 0.
quint16 StartListServer(QProcess &server, int lines)
{
    server.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TW_NEWS_LIST_PY), QString::number(lines)});
    if (!server.waitForReadyRead(10000))
        return 0;
    return quint16(server.readLine().trimmed().toUInt());
}

// A user of its own in dir: data folder, settings store, scripted dialogs.
void UseFolder(const QTemporaryDir &dir)
{
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder);
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg"));
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
    Dialogs::SetScripted(true);
}

// The news window connected to the server at hostPort; nullptr when it is not.
News *ConnectedWindow(const QString &hostPort)
{
    Settings::Set(QStringLiteral("NewsServer"), hostPort);
    News *w = News::Load();
    w->show();
    w->cmdConnect_Click();
    if (w->NewsConnected)
        return w;
    delete w;
    return nullptr;
}

// Asks for the server list and waits until it is on show or refused.
void LoadList(News *w)
{
    Dialogs::QueueAnswer(Dialogs::vbYes);
    w->LoadServerList();
    WaitUntil([w] { return w->StatusPanel->text() == QStringLiteral("List Download") || !w->NewsConnected; },
              600000);
}

} // namespace

TW_BENCH(news)
{
    tw::test::NewsServer server({{kGroup, 1, kArticles, "Bench"}}, Articles());
    if (!server.skipReason().isEmpty()) {
        std::printf("news: %s\n", qPrintable(server.skipReason()));
        return;
    }

    QTemporaryDir dir;
    UseFolder(dir);
    {
        QFile list(AppFolder + QStringLiteral("/server.lst"));
        if (list.open(QIODevice::WriteOnly))
            list.write(kGroup + '\n');
    }

    News *w = ConnectedWindow(server.hostPort());
    if (!w) {
        std::printf("news: could not connect to leafnode\n");
        return;
    }

    StallMeter stalls;
    std::vector<double> walkMs, pyMs, ratios;
    int rows = 0, pyHeaders = 0;
    for (int run = 0; run < kRuns; ++run) {
        w->FG_Groups->SetRow(1);
        QElapsedTimer t;
        stalls.Start();
        t.start();
        w->FG_Groups_DblClick();
        walkMs.push_back(double(t.nsecsElapsed()) / 1e6);
        stalls.Stop();
        rows = w->FG->Rows() - 2; // the header row and the hidden empty row

        QProcess py;
        py.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TW_NEWS_WALK_PY), QStringLiteral("127.0.0.1"),
                                                      QString::number(server.port()), QString::fromLatin1(kGroup)});
        py.waitForFinished(600000);
        const QList<QByteArray> got = py.readAllStandardOutput().trimmed().split(' ');
        if (got.size() != 2) {
            std::printf("news: the Python client failed: %s\n", py.readAllStandardError().constData());
            break;
        }
        pyHeaders = got[0].toInt();
        pyMs.push_back(got[1].toDouble());
        if (pyMs.back() > 0)
            ratios.push_back(walkMs.back() / pyMs.back());
    }

    const double walk = bench::median(walkMs), python = bench::median(pyMs);
    bench::report(QStringLiteral("news.headers_walked"), double(rows), QStringLiteral("rows"));
    bench::report(QStringLiteral("news.python_headers_walked"), double(pyHeaders), QStringLiteral("headers"));
    bench::report(QStringLiteral("news.header_walk_2000"), walk, QStringLiteral("ms (median of %1)").arg(kRuns));
    bench::report(QStringLiteral("news.python_header_walk_2000"), python,
                  QStringLiteral("ms (median of %1)").arg(kRuns));
    if (!ratios.empty())
        bench::report(QStringLiteral("news.ratio_walk_to_python"), bench::median(ratios),
                      QStringLiteral("x (median of paired runs; target <= 1.5)"));
    if (!walkMs.empty() && !pyMs.empty() && *std::min_element(pyMs.begin(), pyMs.end()) > 0)
        bench::report(QStringLiteral("news.ratio_fastest_walks"),
                      *std::min_element(walkMs.begin(), walkMs.end()) / *std::min_element(pyMs.begin(), pyMs.end()),
                      QStringLiteral("x (fastest walk of each side)"));
    bench::report(QStringLiteral("news.longest_event_loop_stall"), double(stalls.Longest()),
                  QStringLiteral("ms (target <= 50)"));

    w->cmdDisconnect_Click();
    delete w;
}

TW_BENCH(newslist)
{
    QTemporaryDir dir;
    UseFolder(dir);
    const double cap = double(Nntp::MaxReply);

    // A flood through the window, first, while the heap is fresh: the
    // growth of the peak resident size until the reply is refused.
    {
        QProcess server;
        const quint16 port = StartListServer(server, 0);
        News *w = port ? ConnectedWindow(QStringLiteral("127.0.0.1:%1").arg(port)) : nullptr;
        if (!w) {
            std::printf("newslist: the list server did not come up\n");
            return;
        }
        ResetPeak();
        const qint64 before = ProcBytes("VmRSS");
        LoadList(w);
        const qint64 peak = ProcBytes("VmHWM");
        std::printf("newslist: flood ended with \"%s\"\n", qPrintable(w->StatusPanel->text()));
        bench::report(QStringLiteral("newslist.flood_peak_rss_growth"), double(peak - before) / cap,
                      QStringLiteral("x the bound (16 MiB; target about 2)"));
        delete w;
        server.kill();
        server.waitForFinished();
    }

    // The reply reader alone, fed the same flood in 1 460-byte arrivals:
    // the most its heap held, against the bound.
    {
        const QByteArray pattern = "alt.flood 1 1 y\r\n";
        constexpr qsizetype kArrival = 1460;
        const QByteArray block = pattern.repeated(kArrival / pattern.size() + 2);
        const qint64 before = tw::test::HeapInUse();
        qint64 most = 0, received = 0;
        {
            Nntp::ReplyReader r;
            r.Expect("");
            r.Expect("LIST");
            r.Feed("200 hi\r\n215 list follows\r\n");
            // Each arrival goes on where the last one stopped in the pattern.
            for (qsizetype at = 0; !r.Overflowed(); at = (at + kArrival) % pattern.size()) {
                r.Feed(QByteArrayView(block).sliced(at, kArrival));
                received += kArrival;
                most = qMax(most, tw::test::HeapInUse() - before);
            }
        }
        bench::report(QStringLiteral("newslist.flood_reader_heap_peak"), double(most) / cap,
                      QStringLiteral("x the bound (%1 bytes received; target <= 2)").arg(received));
    }

    // A whole list just under the bound into the window.
    int lines = 0;
    for (qint64 bytes = 18; bytes + 40 < Nntp::MaxReply - 1024; ++lines)
        bytes += QByteArray("alt.bench." + QByteArray::number(lines) + " 1 1 y\r\n").size();
    QProcess server;
    const quint16 port = StartListServer(server, lines);
    News *w = port ? ConnectedWindow(QStringLiteral("127.0.0.1:%1").arg(port)) : nullptr;
    if (!w) {
        std::printf("newslist: the list server did not come up\n");
        return;
    }
    StallMeter stalls;
    const int rowsBefore = w->FG_Groups->Rows();
    ResetPeak();
    const qint64 rssBefore = ProcBytes("VmRSS");
    QElapsedTimer t;
    stalls.Start();
    t.start();
    LoadList(w);
    const double fillMs = double(t.nsecsElapsed()) / 1e6;
    stalls.Stop();
    const qint64 peak = ProcBytes("VmHWM");
    const int rows = w->FG_Groups->Rows() - rowsBefore;
    w->cmdDisconnect_Click();
    delete w;

    QProcess py;
    py.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TW_NEWS_WALK_PY), QStringLiteral("127.0.0.1"),
                                                  QString::number(port), QStringLiteral("--list")});
    py.waitForFinished(600000);
    const QList<QByteArray> got = py.readAllStandardOutput().trimmed().split(' ');
    server.kill();
    server.waitForFinished();

    bench::report(QStringLiteral("newslist.list_rows"), double(rows), QStringLiteral("rows"));
    bench::report(QStringLiteral("newslist.list_fill"), fillMs, QStringLiteral("ms"));
    if (got.size() == 2 && got[1].toDouble() > 0) {
        bench::report(QStringLiteral("newslist.python_list_lines"), got[0].toDouble(), QStringLiteral("lines"));
        bench::report(QStringLiteral("newslist.python_list_read"), got[1].toDouble(), QStringLiteral("ms"));
        bench::report(QStringLiteral("newslist.ratio_fill_to_python"), fillMs / got[1].toDouble(), QStringLiteral("x"));
    }
    bench::report(QStringLiteral("newslist.list_peak_rss_growth"), double(peak - rssBefore) / cap,
                  QStringLiteral("x the bound (the grid's rows included)"));
    bench::report(QStringLiteral("newslist.longest_event_loop_stall"), double(stalls.Longest()), QStringLiteral("ms"));
}
