#include "common/TestRegistry.h"
#include "platform/RunOnce.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

// A handler that yields: entered again during the yield, or its window
// deleted during it.
class tst_runonce : public QObject {
    Q_OBJECT

    // Runs the handler body: counts entries, turns the event loop once.
    static void Handler(QWidget *w, int &entered, int &finished)
    {
        const RunOnce once(w, "Handler");
        if (!once)
            return;
        ++entered;
        const QPointer<QWidget> self(w);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (self)
            ++finished;
    }

private Q_SLOTS:
    void secondEntryIsTurnedAwayAndTheNextRunIsFree()
    {
        QWidget w;
        int entered = 0, finished = 0;
        QTimer::singleShot(0, [&] { Handler(&w, entered, finished); });
        Handler(&w, entered, finished);
        QCOMPARE(entered, 1);
        QCOMPARE(finished, 1);
        Handler(&w, entered, finished);
        QCOMPARE(entered, 2);
    }

    void otherWindowsAndOtherHandlersRunAlongside()
    {
        QWidget a, b;
        const RunOnce first(&a, "Handler");
        QVERIFY(first);
        QVERIFY(RunOnce(&b, "Handler"));
        QVERIFY(RunOnce(&a, "Other"));
        QVERIFY(!RunOnce(&a, "Handler"));
    }

    // The window goes during the yield: the guard's end touches nothing.
    void windowDeletedDuringTheYield()
    {
        auto *w = new QWidget;
        int entered = 0, finished = 0;
        QTimer::singleShot(0, w, [w] { w->deleteLater(); });
        Handler(w, entered, finished);
        QCOMPARE(entered, 1);
        QCOMPARE(finished, 0);
    }
};

TW_TEST(tst_runonce)
#include "tst_runonce.moc"
