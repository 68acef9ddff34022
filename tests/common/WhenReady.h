#pragma once
// Acting at the moment a test means (the peer has the request, a row is on
// show, a box is up) instead of after a guessed delay, which a busy machine
// overruns or a fast one never reaches.
#include <QObject>
#include <QTimer>
#include <functional>

namespace tw::test {

// Calls action once, from the event loop, as soon as ready() holds; checks
// every 10 ms while context lives.
inline void WhenReady(QObject *context, const std::function<bool()> &ready, const std::function<void()> &action)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, ready, action] {
        if (!ready())
            return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start(10);
}

} // namespace tw::test
