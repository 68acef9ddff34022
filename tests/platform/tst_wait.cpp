#include "common/TestRegistry.h"
#include "platform/Wait.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class tst_wait : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What ends a wait, and how soon. Events from timers stand for the
    // handlers that change the state being waited on.
    void ends_data()
    {
        QTest::addColumn<int>("doneAtMs");  // -1: never
        QTest::addColumn<int>("abortAtMs"); // -1: never
        QTest::addColumn<int>("tickMs");    // progress every tickMs; 0: none
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        // Lower bounds only where the wait itself owns the time (its time-out):
        // when done or abort arrives is the timers' business, and a loaded
        // machine fires them early or late. The result says which end came;
        // the upper bounds lie far from any other end, so a busy machine
        // cannot reach them. Progress comes often enough that no stall of a
        // loaded machine looks like silence.
        QTest::newRow("done") << 100 << -1 << 0 << 60000 << true << 0 << 20000;
        QTest::newRow("time-out") << -1 << -1 << 0 << 300 << false << 300 << 20000;
        QTest::newRow("abort") << -1 << 100 << 0 << 60000 << false << 0 << 20000;
        QTest::newRow("progress keeps it going") << 1500 << -1 << 20 << 1000 << true << 1000 << 20000;
        QTest::newRow("silence ends it") << -1 << -1 << 100 << 300 << false << 300 << 20000;
        QTest::newRow("no progress, same length") << 900 << -1 << 0 << 300 << false << 300 << 20000;
    }
    void ends()
    {
        QFETCH(int, doneAtMs);
        QFETCH(int, abortAtMs);
        QFETCH(int, tickMs);
        QFETCH(int, timeoutMs);
        QFETCH(bool, result);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        bool done = false, abort = false;
        qint64 ticks = 0;
        if (doneAtMs >= 0)
            QTimer::singleShot(doneAtMs, this, [&] { done = true; });
        if (abortAtMs >= 0)
            QTimer::singleShot(abortAtMs, this, [&] { abort = true; });
        QTimer tick;
        // "silence ends it": progress stops after the first 200 ms.
        connect(&tick, &QTimer::timeout, this, [&] {
            if (doneAtMs >= 0 || ticks < 2)
                ++ticks;
        });
        if (tickMs > 0)
            tick.start(tickMs);
        std::function<qint64()> progress;
        if (tickMs > 0)
            progress = [&] { return ticks; };
        QElapsedTimer t;
        t.start();
        QCOMPARE(WaitUntil([&] { return done; }, timeoutMs, [&] { return abort; }, progress), result);
        QVERIFY2(t.elapsed() >= minMs && t.elapsed() <= maxMs, QByteArray::number(t.elapsed()));
    }
};

TW_TEST(tst_wait)
#include "tst_wait.moc"
