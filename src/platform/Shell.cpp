#include "platform/Shell.h"

#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {
struct State {
    bool recording = false;
    bool failing = false;
    QStringList opened;
    int bound = Shell::OpenerBoundMs;
    int watching = 0;
    QList<QProcess *> running;
};
// Never destroyed: an opener still running when the program ends is left
// alone (a QProcess would kill it on deletion) and stays reachable.
State &st()
{
    static State *s = new State;
    return *s;
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

// What xdg-open gets: a local file as its path, anything else as an
// encoded address.
QString Argument(const QString &address)
{
    if (address.startsWith(u'/') || QFileInfo(address).isAbsolute())
        return address;
    return QString::fromLatin1(QUrl(address, QUrl::TolerantMode).toEncoded());
}

// Queued, so a box never runs inside the opener's own signal; the hand-over
// counts as settled once the user has been told.
void Tell(const QString &message)
{
    QMetaObject::invokeMethod(
        qApp,
        [message] {
            Dialogs::MsgBox(message, Dialogs::vbExclamation);
            --st().watching;
        },
        Qt::QueuedConnection);
}

void Drop(QProcess *opener)
{
    st().running.removeOne(opener);
    opener->deleteLater();
}

// Starts the opener and learns its outcome without waiting for it. The first
// of start failure, exit and bound decides, and only it.
void Hand(const QString &address, const QString &message)
{
    ++st().watching;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty()) {
        Tell(message);
        return;
    }
    auto *opener = new QProcess; // no parent: see st()
    opener->setProgram(program);
    opener->setArguments({Argument(address)});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    auto *bound = new QTimer(opener);
    bound->setSingleShot(true);
    const auto settled = std::make_shared<bool>(false);
    const auto settle = [bound, settled, message](bool opened) {
        if (*settled)
            return;
        *settled = true;
        bound->stop();
        if (opened)
            --st().watching;
        else
            Tell(message);
    };
    QObject::connect(bound, &QTimer::timeout, opener, [settle] { settle(true); });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, settle](QProcess::ProcessError error) {
        // A crash is settled by the finished signal that follows it.
        if (error != QProcess::FailedToStart)
            return;
        settle(false);
        Drop(opener);
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, settle](int code, QProcess::ExitStatus status) {
        settle(status == QProcess::NormalExit && code == 0);
        Drop(opener);
    });
    st().running.append(opener);
    bound->start(st().bound);
    opener->start();
}

} // namespace

namespace Shell {

void Open(const QString &address, const QString &failure)
{
    const QString handed = MailFieldsOnly(address);
    const QString message =
        failure.isEmpty() ? QStringLiteral("The address could not be opened:\r\n") + handed : failure;
    if (!st().recording) {
        Hand(handed, message);
        return;
    }
    st().opened.append(handed);
    if (st().failing)
        Dialogs::MsgBox(message, Dialogs::vbExclamation);
}

void SetRecording(bool on) { st().recording = on; }
void SetFailing(bool on) { st().failing = on; }
QStringList &Opened() { return st().opened; }
void Reset()
{
    st().opened.clear();
    st().failing = false;
    st().bound = OpenerBoundMs;
}
void SetBound(int ms) { st().bound = ms; }
int Watching() { return st().watching; }
int Running() { return int(st().running.size()); }

} // namespace Shell
