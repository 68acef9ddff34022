// A reply just under the page cap read as both page transports read it, in
// arrivals of one Ethernet segment (1,460 bytes): sent with a length, in
// 16-byte chunks and in 1-byte chunks. Each chunked case next to the page
// sent with a length, and the longest single arrival, whose reading holds
// the window up.
#include "Bench.h"

#include "platform/HttpPage.h"

#include <algorithm>
#include <vector>

namespace {

constexpr qsizetype kArrival = 1460;
// The three cases alternate, so a busy machine weighs on each alike.
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
    double longestMs = 0; // the longest single arrival
    qsizetype page = -1;  // the size of what is stored; -1: no page
};

// Each arrival as the transport takes it: added to what came, read, and the
// page taken once the reply is settled by its own framing.
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

// The transfer control: its reply buffer and the body it hands on.
Run Transfer(const QByteArray &reply)
{
    HttpPage::Incoming in;
    return Feed(reply, [&in](QByteArrayView bytes) -> qsizetype {
        in.raw += bytes;
        in.Read(false);
        return HttpPage::Settled(in.reply) && HttpPage::IsPage(in.reply, 0) ? in.Body().size() : -1;
    });
}

// The socket: its response buffer and the page it stores.
Run Socket(const QByteArray &reply)
{
    QByteArray buffer;
    HttpPage::Reader reader;
    return Feed(reply, [&buffer, &reader](QByteArrayView bytes) -> qsizetype {
        buffer.append(bytes);
        const HttpPage::Reply &r = reader.Read(buffer, false);
        return HttpPage::Settled(r) && HttpPage::IsPage(r, 0) ? reader.Page(buffer).size() : -1;
    });
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

TW_BENCH(chunked)
{
    const struct {
        const char *name;
        QByteArray reply;
    } cases[] = {{"length", Reply(0)}, {"chunks16", Reply(16)}, {"chunks1", Reply(1)}};
    const struct {
        const char *name;
        Run (*read)(const QByteArray &);
    } transports[] = {{"transfer", Transfer}, {"socket", Socket}};
    for (const auto &c : cases)
        bench::report(QStringLiteral("chunked.%1_reply_size").arg(QLatin1String(c.name)), double(c.reply.size()) / 1024,
                      QStringLiteral("KB"));

    for (const auto &t : transports) {
        std::vector<double> ms[3], longest[3], ratio[3];
        for (int round = 0; round < kRounds; ++round) {
            for (int i = 0; i < 3; ++i) {
                const Run run = t.read(cases[i].reply);
                if (run.page <= 0) {
                    bench::report(QStringLiteral("chunked.%1.%2_no_page").arg(QLatin1String(t.name), QLatin1String(cases[i].name)),
                                  1, QString());
                    return;
                }
                ms[i].push_back(run.ms);
                longest[i].push_back(run.longestMs);
                ratio[i].push_back(run.ms / ms[0].back());
            }
        }
        const QString of = QStringLiteral("(median of %1)").arg(kRounds);
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("chunked.%1.%2").arg(QLatin1String(t.name), QLatin1String(cases[i].name));
            bench::report(name, Median(ms[i]), QStringLiteral("ms ") + of);
            bench::report(name + QStringLiteral("_longest_arrival"), Median(longest[i]), QStringLiteral("ms ") + of);
            if (i > 0)
                bench::report(name + QStringLiteral("_to_length"), Median(ratio[i]), QStringLiteral("x ") + of);
        }
    }
}
