#include "platform/Shell.h"

#include "platform/Dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
struct State {
    bool recording = false;
    bool failing = false;
    QStringList opened;
};
State &st()
{
    static State s;
    return s;
}

// Mail programs take other parameters of a mailto: address as orders, some
// of them to attach a file they name ("attach", "attachment", ...). Only the
// fields of a mail are kept; the address stands as written when all of its
// parameters are such fields.
QString MailFieldsOnly(const QString &address)
{
    static const QLatin1String scheme("mailto:");
    const qsizetype query = address.indexOf(u'?');
    if (!address.startsWith(scheme, Qt::CaseInsensitive) || query < 0)
        return address;
    static const QStringList fields = {QStringLiteral("to"),      QStringLiteral("cc"),   QStringLiteral("bcc"),
                                       QStringLiteral("subject"), QStringLiteral("body"), QStringLiteral("in-reply-to")};
    const QStringList parameters = address.mid(query + 1).split(u'&');
    QStringList kept;
    for (const QString &p : parameters) {
        const QString name = QUrl::fromPercentEncoding(p.left(p.indexOf(u'=')).toUtf8()).trimmed().toLower();
        if (fields.contains(name))
            kept << p;
    }
    if (kept.size() == parameters.size())
        return address;
    return address.left(query) + (kept.isEmpty() ? QString() : u'?' + kept.join(u'&'));
}

bool Hand(const QString &address)
{
    if (st().recording) {
        st().opened.append(address);
        return !st().failing;
    }
    QUrl url;
    if (address.startsWith(u'/') || QFileInfo(address).isAbsolute())
        url = QUrl::fromLocalFile(address);
    else
        url = QUrl(address, QUrl::TolerantMode);
    return QDesktopServices::openUrl(url);
}

} // namespace

namespace Shell {

bool Open(const QString &address, const QString &failure)
{
    const QString handed = MailFieldsOnly(address);
    if (Hand(handed))
        return true;
    Dialogs::MsgBox(failure.isEmpty() ? QStringLiteral("The address could not be opened:\r\n") + handed : failure,
                    Dialogs::vbExclamation);
    return false;
}

void SetRecording(bool on) { st().recording = on; }
void SetFailing(bool on) { st().failing = on; }
QStringList &Opened() { return st().opened; }
void Reset()
{
    st().opened.clear();
    st().failing = false;
}

} // namespace Shell
