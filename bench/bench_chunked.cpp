// A page just under the page cap sent with a length, in 16-byte chunks and
// in 1-byte chunks, in arrivals of one Ethernet segment (1,460 bytes), on
// both page transports: each chunked case next to the page sent with a
// length. Two measures:
//  - fetch: the main window's transfer control (DownloadURL) and socket
//    (SocketFetch) against a server on loopback that sends one segment per
//    turn of the event loop, the page stored; with the longest time the
//    event loop went without a turn, which is how long the window froze.
//  - read: the reading alone, each arrival fed as the transport takes it,
//    with the longest single arrival.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Hosts.h"
#include "core/Settings.h"
#include "platform/Dialogs.h"
#include "platform/HttpPage.h"
#include "platform/Inet.h"
#include "platform/Registry.h"
#include "platform/Winsock.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

constexpr qsizetype kArrival = 1460;
// The cases alternate, so a busy machine weighs on each alike.
constexpr int kRounds = 5;

// As long as the cap allows: a length, or chunks of one size and the last
// chunk.
QByteArray Reply(qsizetype chunk)
{
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
    if (chunk == 0) {
        head += "Content-Length: ";
        const qsizetype n = HttpPage::MaxBytes - head.size() - 12;
        return head + QByteArray::number(n) + "\r\n\r\n" + QByteArray(n, 'p');
    }
    QByteArray out = head + "Transfer-Encoding: chunked\r\n\r\n";
    const QByteArray one = QByteArray::number(chunk, 16) + "\r\n" + QByteArray(chunk, 'p') + "\r\n";
    const QByteArray last = "0\r\n\r\n";
    out.reserve(HttpPage::MaxBytes);
    while (out.size() + one.size() + last.size() <= HttpPage::MaxBytes)
        out += one;
    return out + last;
}

struct Run {
    double ms = 0;
    double longestMs = 0; // the longest arrival, or the longest the event loop stood still
    qsizetype page = -1;  // the size of what is stored; -1: no page
    int arrivals = 0;     // as the socket saw them; 0 where unknown
};

// ---- read: each arrival as the transport takes it, added to what came and
// read, the page taken once the reply is settled by its own framing.
template <typename Arrive>
Run Feed(const QByteArray &reply, Arrive arrive)
{
    Run run;
    QElapsedTimer all;
    all.start();
    for (qsizetype at = 0; at < reply.size(); at += kArrival) {
        QElapsedTimer one;
        one.start();
        const qsizetype page = arrive(QByteArrayView(reply).sliced(at, qMin(kArrival, reply.size() - at)));
        run.longestMs = std::max(run.longestMs, double(one.nsecsElapsed()) / 1e6);
        if (page >= 0) {
            run.page = page;
            break;
        }
    }
    run.ms = double(all.nsecsElapsed()) / 1e6;
    return run;
}

Run ReadTransfer(const QByteArray &reply)
{
    HttpPage::Incoming in;
    return Feed(reply, [&in](QByteArrayView bytes) -> qsizetype {
        in.raw += bytes;
        in.Read(false);
        return HttpPage::Settled(in.reply) && HttpPage::IsPage(in.reply, 0) ? in.Body().size() : -1;
    });
}

Run ReadSocket(const QByteArray &reply)
{
    QByteArray buffer;
    HttpPage::Reader reader;
    return Feed(reply, [&buffer, &reader](QByteArrayView bytes) -> qsizetype {
        buffer.append(bytes);
        const HttpPage::Reply &r = reader.Read(buffer, false);
        return HttpPage::Settled(r) && HttpPage::IsPage(r, 0) ? reader.Page(buffer).size() : -1;
    });
}

// ---- fetch: a server that answers every request with the reply, one
// segment per turn of the event loop, then closes.
class DripServer {
public:
    QByteArray reply;

    DripServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    request_[s] += s->readAll();
                    if (request_[s].contains("\r\n\r\n") && !s->property("sending").toBool()) {
                        s->setProperty("sending", true);
                        Drip(s, 0);
                    }
                });
            }
        });
    }
    quint16 port() const { return server_.serverPort(); }

private:
    void Drip(QTcpSocket *s, qsizetype at)
    {
        if (s->state() != QAbstractSocket::ConnectedState)
            return;
        if (at >= reply.size()) {
            request_.remove(s);
            s->disconnectFromHost();
            return;
        }
        s->write(reply.mid(at, kArrival));
        s->flush();
        QTimer::singleShot(0, s, [this, s, at] { Drip(s, at + kArrival); });
    }

    QTcpServer server_;
    QHash<QTcpSocket *, QByteArray> request_;
};

// The fetch, timed, with the longest gap between two turns of the event loop.
template <typename Fetch>
Run Timed(Fetch fetch)
{
    Run run;
    QElapsedTimer gap;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] { run.longestMs = std::max(run.longestMs, double(gap.restart())); });
    QElapsedTimer all;
    gap.start();
    beat.start(1);
    all.start();
    fetch();
    run.ms = double(all.nsecsElapsed()) / 1e6;
    run.longestMs = std::max(run.longestMs, double(gap.elapsed()));
    return run;
}

struct Window {
    QTemporaryDir dir;
    DripServer server;
    frmMain *m = nullptr;

    Window()
    {
        AppFolder = dir.path() + QStringLiteral("/data");
        QDir().mkpath(AppFolder + QStringLiteral("/Cache/DataSheet"));
        Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg"));
        Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
        Dialogs::SetScripted(true);
        Hosts::SetOverride(Hosts::AllSites, QStringLiteral("127.0.0.1:%1").arg(server.port()));
        m = frmMain::Instance();
        m->Inet1->SetAccessType(Inet::icDirect);
        m->PrepareInet();
        // Pages still to come, as in a run: the last page of a run ends it.
        m->UpdateRemaining = 1;
    }
    ~Window() { frmMain::Unload(); }
    QString File() const { return AppFolder + QStringLiteral("/Cache/DataSheet/PAGE_bench.Sh"); }
};

Window *g_window = nullptr;

Run FetchTransfer(const QByteArray &reply)
{
    Window &w = *g_window;
    w.server.reply = reply;
    QFile::remove(w.File());
    const QString url = QStringLiteral("http://127.0.0.1:%1/page").arg(w.server.port());
    Run run = Timed([&] { w.m->DownloadURL(w.File(), url, QStringLiteral("bench")); });
    run.page = QFileInfo::exists(w.File()) ? QFileInfo(w.File()).size() : -1;
    return run;
}

Run FetchSocket(const QByteArray &reply)
{
    Window &w = *g_window;
    w.server.reply = reply;
    QFile::remove(w.File());
    int arrivals = 0;
    const QMetaObject::Connection counting =
        QObject::connect(w.m->Winsock1, &Winsock::DataArrival, [&arrivals](int) { ++arrivals; });
    Run run = Timed([&] {
        w.m->SocketFetch(QStringLiteral("BusinessNewsPortal"), QStringLiteral("/page"), w.File(), QStringLiteral("bench"));
    });
    QObject::disconnect(counting);
    run.page = QFileInfo::exists(w.File()) ? QFileInfo(w.File()).size() : -1;
    run.arrivals = arrivals;
    return run;
}

} // namespace

TW_BENCH(chunked)
{
    const struct {
        const char *name;
        QByteArray reply;
    } cases[] = {{"length", Reply(0)}, {"chunks16", Reply(16)}, {"chunks1", Reply(1)}};
    // The ratio's target is the fetch's: read alone, a page sent with a
    // length is hardly read at all, so a chunked one is many times that.
    const struct {
        const char *name;
        Run (*run)(const QByteArray &);
        const char *longest;
        const char *ratioTarget;
    } measures[] = {
        {"fetch.transfer", FetchTransfer, "longest_event_loop_stall", " (target <= 2)"},
        {"fetch.socket", FetchSocket, "longest_event_loop_stall", " (target <= 2)"},
        {"read.transfer", ReadTransfer, "longest_arrival", ""},
        {"read.socket", ReadSocket, "longest_arrival", ""},
    };
    for (const auto &c : cases)
        bench::report(QStringLiteral("chunked.%1_reply_size").arg(QLatin1String(c.name)), double(c.reply.size()) / 1024,
                      QStringLiteral("KB"));

    Window window;
    g_window = &window;
    for (const auto &measure : measures) {
        std::vector<double> ms[3], longest[3], ratio[3], arrivals[3];
        for (int round = 0; round < kRounds; ++round) {
            for (int i = 0; i < 3; ++i) {
                const Run run = measure.run(cases[i].reply);
                if (run.page <= 0) {
                    bench::report(QStringLiteral("chunked.%1.%2_no_page").arg(QLatin1String(measure.name),
                                                                              QLatin1String(cases[i].name)),
                                  1, QString());
                    g_window = nullptr;
                    return;
                }
                ms[i].push_back(run.ms);
                longest[i].push_back(run.longestMs);
                ratio[i].push_back(run.ms / ms[0].back());
                arrivals[i].push_back(run.arrivals);
            }
        }
        const QString of = QStringLiteral("(median of %1)").arg(kRounds);
        for (int i = 0; i < 3; ++i) {
            const QString name =
                QStringLiteral("chunked.%1.%2").arg(QLatin1String(measure.name), QLatin1String(cases[i].name));
            bench::report(name, bench::median(ms[i]), QStringLiteral("ms ") + of);
            bench::report(name + u'_' + QLatin1String(measure.longest), bench::median(longest[i]),
                          QStringLiteral("ms ") + of + QStringLiteral(" (target < 50)"));
            if (i > 0)
                bench::report(name + QStringLiteral("_to_length"), bench::median(ratio[i]),
                              QStringLiteral("x ") + of + QLatin1String(measure.ratioTarget));
            if (bench::median(arrivals[i]) > 0)
                bench::report(name + QStringLiteral("_arrivals"), bench::median(arrivals[i]), of);
        }
    }
    g_window = nullptr;
}
