// The header walk of a 2 000-article group in the news window against
// leafnode on loopback, next to a short Python client making the same walk
// with plain sockets; and the longest time the event loop went without a
// turn during the window's walk.
#include "Bench.h"

#include "common/NewsServer.h"
#include "core/AppFolder.h"
#include "core/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Registry.h"
#include "services/News.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

} // namespace

TW_BENCH(news)
{
    tw::test::NewsServer server({{kGroup, 1, kArticles, "Bench"}}, Articles());
    if (!server.skipReason().isEmpty()) {
        std::printf("news: %s\n", qPrintable(server.skipReason()));
        return;
    }

    QTemporaryDir dir;
    AppFolder = dir.path() + QStringLiteral("/data");
    QDir().mkpath(AppFolder);
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg"));
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
    Dialogs::SetScripted(true);
    Settings::Set(QStringLiteral("NewsServer"), server.hostPort());
    {
        QFile list(AppFolder + QStringLiteral("/server.lst"));
        if (list.open(QIODevice::WriteOnly))
            list.write(kGroup + '\n');
    }

    News *w = News::Load();
    w->show();
    w->cmdConnect_Click();
    if (!w->NewsConnected) {
        std::printf("news: could not connect to leafnode\n");
        delete w;
        return;
    }

    // The longest gap between two turns of the event loop while a walk goes.
    QElapsedTimer gap;
    qint64 longest = 0;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] { longest = qMax(longest, gap.restart()); });

    std::vector<double> walkMs, pyMs, ratios;
    int rows = 0, pyHeaders = 0;
    for (int run = 0; run < kRuns; ++run) {
        w->FG_Groups->SetRow(1);
        QElapsedTimer t;
        gap.start();
        beat.start(1);
        t.start();
        w->FG_Groups_DblClick();
        walkMs.push_back(double(t.nsecsElapsed()) / 1e6);
        // A loop that never turned during the walk shows only here.
        longest = qMax(longest, gap.elapsed());
        beat.stop();
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
    bench::report(QStringLiteral("news.longest_event_loop_stall"), double(longest),
                  QStringLiteral("ms (target <= 50)"));

    w->cmdDisconnect_Click();
    delete w;
}
