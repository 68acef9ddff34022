#pragma once
// A handler that turns the event loop (a DoEvents, a wait, a roll-up) can be
// entered again by a second click before it ends, and its window can be
// closed and deleted meanwhile. RunOnce lets such a handler run one at a
// time per window:
//
//     const RunOnce once(this, "cmdClose_Click");
//     if (!once)
//         return;                 // already running: a second click
//     const QPointer<Thanks> self(this);
//     Misc::DoEvents();
//     if (!self)
//         return;                 // the window went while we yielded
//
// The mark lives on the window itself (a dynamic property), so a window
// deleted during the yield takes its mark with it and the guard's end
// touches nothing freed.
#include <QObject>
#include <QPointer>
#include <QVariant>

class RunOnce {
public:
    RunOnce(QObject *owner, const char *handler) : m_owner(owner), m_handler(handler)
    {
        m_first = owner && !owner->property(handler).toBool();
        if (m_first)
            owner->setProperty(handler, true);
    }
    ~RunOnce()
    {
        if (m_first && m_owner)
            m_owner->setProperty(m_handler, QVariant());
    }
    RunOnce(const RunOnce &) = delete;
    RunOnce &operator=(const RunOnce &) = delete;

    // False when the same handler of the same window is already running.
    explicit operator bool() const { return m_first; }

private:
    QPointer<QObject> m_owner;
    const char *m_handler;
    bool m_first = false;
};
