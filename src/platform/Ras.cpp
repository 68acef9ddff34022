#include "platform/Ras.h"

#include <QNetworkInformation>

namespace {
struct State {
    bool scripted = false;
    int16_t active = 0;
    int dials = 0;
    QString last;
};
State &st()
{
    static State s;
    return s;
}
} // namespace

namespace Ras {

int16_t ActiveConnections()
{
    if (st().scripted)
        return st().active;
    static const bool loaded = QNetworkInformation::loadDefaultBackend();
    const QNetworkInformation *ni = loaded ? QNetworkInformation::instance() : nullptr;
    // Without a backend we cannot tell: treat the line as up rather than
    // nagging a user who is online.
    if (!ni)
        return 1;
    return ni->reachability() == QNetworkInformation::Reachability::Disconnected ? 0 : 1;
}

void Dial(const QString &entry)
{
    ++st().dials;
    st().last = entry;
}

bool HangUp()
{
    return st().scripted && st().active > 0 ? (st().active = 0, true) : false;
}

void SetScripted(bool on, int16_t active)
{
    st().scripted = on;
    st().active = active;
}
void SetActive(int16_t active) { st().active = active; }
int DialCount() { return st().dials; }
QString LastDialed() { return st().last; }
void Reset()
{
    st().dials = 0;
    st().last.clear();
}

} // namespace Ras
