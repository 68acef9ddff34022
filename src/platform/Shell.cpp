#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
struct State {
    bool recording = false;
    QStringList opened;
};
State &st()
{
    static State s;
    return s;
}
} // namespace

namespace Shell {

bool Open(const QString &address)
{
    if (st().recording) {
        st().opened.append(address);
        return true;
    }
    QUrl url;
    if (address.startsWith(u'/') || QFileInfo(address).isAbsolute())
        url = QUrl::fromLocalFile(address);
    else
        url = QUrl(address, QUrl::TolerantMode);
    return QDesktopServices::openUrl(url);
}

void SetRecording(bool on) { st().recording = on; }
QStringList &Opened() { return st().opened; }
void Reset() { st().opened.clear(); }

} // namespace Shell
