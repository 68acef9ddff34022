#include "platform/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

bool WaitUntil(const std::function<bool()> &done, int timeoutMs, const std::function<bool()> &abort,
               const std::function<qint64()> &progress)
{
    qint64 seen = progress ? progress() : 0;
    QElapsedTimer quiet;
    quiet.start();
    // Only there to wake the loop when the time is up; the conditions are
    // tested again after every batch of events, since handlers change them.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (;;) {
        if (done())
            return true;
        if (abort && abort())
            return false;
        if (progress) {
            const qint64 now = progress();
            if (now != seen) {
                seen = now;
                quiet.restart();
            }
        }
        const qint64 left = timeoutMs - quiet.elapsed();
        if (left <= 0)
            return false;
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
