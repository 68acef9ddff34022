// The newsgroup window against a real news server (leafnode): connecting,
// the server's group list, the header walk and an article's text.
#include "NewsWindow.h"
#include "common/NewsServer.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "common/ThreadUsage.h"
#include "core/AppFolder.h"
#include "platform/Dialogs.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <memory>
#include <utility>

using namespace tw::test;

class tst_newsserver : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<NewsServer> server;

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        server = std::make_unique<NewsServer>(
            QList<NewsServer::Group>{{"misc.invest.stocks", 2, 3, "Stocks"}, {"alt.test", 1, 0, "Test"}},
            QList<NewsServer::Article>{
                {"misc.invest.stocks", 2,
                 "From: ann@example.test\nSubject: Hello\nDate: Wed, 09 Dec 2026 10:00:00 +0000\n"
                 "Newsgroups: misc.invest.stocks\nMessage-ID: <a2@tw-tests.net>\nLines: 3\n\nline one\n.dot\n"
                 "line three\n"},
                {"misc.invest.stocks", 3,
                 "From: bob@example.test\nSubject: Second\nDate: Thu, 10 Dec 2026 10:00:00 +0000\n"
                 "Newsgroups: misc.invest.stocks\nMessage-ID: <a3@tw-tests.net>\nLines: 1\n\nhi\n"}});
        if (!server->skipReason().isEmpty())
            QSKIP(qPrintable(server->skipReason()));
        env->Set(QStringLiteral("NewsServer"), server->hostPort());
        TestEnv::WriteAll(AppFolder + QStringLiteral("/server.lst"), "misc.invest.stocks\n");
    }
    void cleanup()
    {
        if (News *w = News::Loaded())
            delete w;
        server.reset();
        env.reset();
    }

    void connectListWalkAndRead()
    {
        News *w = OpenNews();
        QVERIFY(w);
        for (int i : {13, 14, 15, 16})
            w->lblGroups[i]->setEnabled(false);
        QString during;
        QTimer::singleShot(0, w, [&] { during = StatusOf(w); });
        ClickLabel(w->cmdConnect);
        QCOMPARE(during, QStringLiteral("Connecting to ") + server->hostPort());
        QCOMPARE(StatusOf(w), QStringLiteral("Connected to ") + server->hostPort());
        for (int i : {13, 14, 15, 16})
            QVERIFY(w->lblGroups[i]->isEnabled());

        // The server's groups go below the rows on show.
        Dialogs::QueueAnswer(Dialogs::vbYes);
        ClickLabel(w->lblGroups[14]);
        QCOMPARE(Column(w->FG_Groups, 1), (QStringList{"misc.invest.stocks", "alt.test", "misc.invest.stocks"}));
        QCOMPARE(StatusOf(w), QStringLiteral("List Download"));

        DoubleClickRow(w->FG_Groups, 1);
        QVERIFY(w->Frm[1]->isVisible());
        QCOMPARE(StatusOf(w), QStringLiteral("Downloading Header Number 2 to 3"));
        QCOMPARE(w->FG->TextMatrix(0, 0), QString());
        QStringList headers;
        for (int c = 1; c < 6; ++c)
            headers << w->FG->TextMatrix(0, c);
        QCOMPARE(headers, (QStringList{"Subject", "Date", "From", "Lines", "ID"}));
        QCOMPARE(w->FG->Rows(), 4);
        QStringList row;
        for (int c = 0; c < 6; ++c)
            row << w->FG->TextMatrix(2, c);
        QCOMPARE(row, (QStringList{"", "Hello", "Wed, 09 Dec 2026 10:00:00 +0000", "ann@example.test", "3", "2"}));
        QCOMPARE(w->FG->TextMatrix(3, 1), QStringLiteral("Second"));
        QCOMPARE(w->FG->TextMatrix(3, 5), QStringLiteral("3"));

        ClickRow(w->FG, 2);
        QCOMPARE(w->Text2->toPlainText(), QStringLiteral("line one\n.dot\nline three"));
    }

    // A long server list goes into the group grid a slice at a time: a key
    // that comes as the first rows go in is answered before the last one
    // is, and the grid ends as before, the rows on show and below them the
    // whole list in the server's order.
    void longListKeepsTheWindowAnswering()
    {
        constexpr int groups = 12000;
        QList<NewsServer::Group> list;
        QStringList names;
        for (int n = 0; n < groups; ++n) {
            const QByteArray name = "alt.list.g" + QByteArray::number(n).rightJustified(5, '0');
            list.append({name, 1, 0, "List"});
            names << QString::fromLatin1(name);
        }
        server.reset();
        server = std::make_unique<NewsServer>(list, QList<NewsServer::Article>{});
        QVERIFY2(server->skipReason().isEmpty(), qPrintable(server->skipReason()));
        env->Set(QStringLiteral("NewsServer"), server->hostPort());
        News *w = OpenNews();
        QVERIFY(w);
        ClickLabel(w->cmdConnect);
        QVERIFY(w->NewsConnected);

        int insertedAfterAnswer = 0;
        bool keyPosted = false;
        QObject counter;
        QObject::connect(w->FG_Groups->model(), &QAbstractItemModel::rowsInserted, &counter, [&] {
            insertedAfterAnswer += w->Frm[2]->isVisible();
            if (!std::exchange(keyPosted, true))
                QCoreApplication::postEvent(w->FG_Groups, new QKeyEvent(QEvent::KeyPress, Qt::Key_O, Qt::AltModifier));
        });
        w->FG_Groups->setFocus();
        Dialogs::QueueAnswer(Dialogs::vbYes);
        ClickLabel(w->lblGroups[14]);
        QTRY_VERIFY(w->Frm[2]->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(StatusOf(w), QStringLiteral("List Download"), 120000);
        QVERIFY2(insertedAfterAnswer > 0, "the key waited for the whole list");
        QCOMPARE(Column(w->FG_Groups, 1), QStringList{"misc.invest.stocks"} + names);
    }

    // A server nearby answers sooner than the event loop turns: the walk
    // waits on the socket instead of blocking in the loop for every
    // command, and the loop still turns while it goes: a turn at least every
    // 25 ms of the walk's own processor time. Time the thread only waited
    // for a processor (a busy machine) or was stopped does not count; the
    // walk turns the loop by the clock, so such time only adds turns.
    void walkWaitsOnTheSocket()
    {
        constexpr int articles = 400;
        QList<NewsServer::Article> texts;
        for (int n = 1; n <= articles; ++n)
            texts.append({"misc.invest.bench", n,
                          "From: a@example.test\nSubject: S" + QByteArray::number(n) + "\nMessage-ID: <b"
                              + QByteArray::number(n) + "@tw-tests.net>\n\nbody\n"});
        server.reset();
        server = std::make_unique<NewsServer>(QList<NewsServer::Group>{{"misc.invest.bench", 1, articles, "Bench"}},
                                              texts);
        QVERIFY2(server->skipReason().isEmpty(), qPrintable(server->skipReason()));
        env->Set(QStringLiteral("NewsServer"), server->hostPort());
        TestEnv::WriteAll(AppFolder + QStringLiteral("/server.lst"), "misc.invest.bench\n");
        News *w = OpenNews();
        QVERIFY(w);
        ClickLabel(w->cmdConnect);
        QVERIFY(w->NewsConnected);

        int blocks = 0, beats = 0;
        QObject counter;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &counter,
                         [&] { ++blocks; });
        QTimer beat;
        beat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&beat, &QTimer::timeout, &counter, [&] { ++beats; });
        beat.start(1);
        QElapsedTimer t;
        t.start();
        const ThreadUsage before = ThreadUsage::Now();
        DoubleClickRow(w->FG_Groups, 1);
        const ThreadUsage used = ThreadUsage::Now() - before;
        const qint64 ms = t.elapsed();
        beat.stop();
        QCOMPARE(w->FG->Rows(), 2 + articles);
        const int exchanges = 2 + 2 * articles;
        const qint64 cpuMs = used.cpuUs / 1000;
        const QString seen = QStringLiteral("%1 blocking waits, %2 turns in %3 ms (%4 ms on a processor)")
                                 .arg(blocks)
                                 .arg(beats)
                                 .arg(ms)
                                 .arg(cpuMs);
        QVERIFY2(blocks < exchanges / 2, qPrintable(seen));
        QVERIFY2(beats >= 1 + cpuMs / 25, qPrintable(seen));
    }
};

TW_TEST(tst_newsserver)
#include "tst_newsserver.moc"
