#include "common/SampleSite.h"

#include "../../tools/samplesite/Protocol.h"
#include "common/ChildServer.h"
#include "core/Hosts.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpSocket>
#include <QUrl>

namespace tw::test {

namespace {

constexpr int kStartMs = 10000;

QByteArray ModeName(SampleSite::Fault mode)
{
    switch (mode) {
    case SampleSite::Fault::Status: return "status";
    case SampleSite::Fault::Bytes: return "bytes";
    case SampleSite::Fault::Delay: return "delay";
    case SampleSite::Fault::Reset: return "reset";
    case SampleSite::Fault::Silence: return "silence";
    case SampleSite::Fault::Cut: return "cut";
    case SampleSite::Fault::Garbage: return "garbage";
    case SampleSite::Fault::Drip: return "drip";
    case SampleSite::Fault::NoClose: return "noclose";
    case SampleSite::Fault::ErrorPage: return "errorpage";
    }
    return QByteArray();
}

} // namespace

SampleSite::SampleSite(const QStringList &extraArgs, const QProcessEnvironment &env)
{
    process_.setProcessEnvironment(env);
    // Its stderr stays off the test's own, and it dies with the test even
    // when the test crashes, so no stray site outlives a run.
    process_.setStandardErrorFile(dir_.filePath(QStringLiteral("stderr.log")));
    ChildServer::DiesWithParent(process_);
    process_.start(QStringLiteral(TW_SAMPLESITE),
                   QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--log"),
                               dir_.filePath(QStringLiteral("requests.log"))}
                       + extraArgs);
    const QDeadlineTimer deadline(kStartMs);
    while (!process_.canReadLine() && process_.state() != QProcess::NotRunning && !deadline.hasExpired())
        process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith(SampleSiteProtocol::ListeningPrefix))
        port_ = quint16(line.mid(qsizetype(sizeof(SampleSiteProtocol::ListeningPrefix)) - 1).toUInt());
}

SampleSite::~SampleSite()
{
    ChildServer::Stop(process_);
}

QString SampleSite::hostPort() const { return QStringLiteral("127.0.0.1:") + QString::number(port_); }

QList<QByteArray> SampleSite::requests() const
{
    QFile f(dir_.filePath(QStringLiteral("requests.log")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    QList<QByteArray> out;
    const QByteArray sep = SampleSiteProtocol::RequestLogSeparator;
    for (qsizetype at = 0, next; (next = all.indexOf(sep, at)) >= 0; at = next + sep.size())
        out.append(all.mid(at, next - at));
    return out;
}

bool SampleSite::setFault(const QByteArray &path, Fault mode, qint64 value, int times)
{
    const QByteArray q = "/_ctl/fault?path=" + QUrl::toPercentEncoding(QString::fromLatin1(path)) + "&mode="
                         + ModeName(mode) + "&value=" + QByteArray::number(value) + "&times="
                         + QByteArray::number(times);
    return get(q).startsWith("HTTP/1.0 200 ");
}

bool SampleSite::setReply(const QByteArray &path, const QByteArray &bytes, int times)
{
    // Byte for byte: 8-bit bytes are encoded as they are, not as UTF-8.
    const QByteArray q = "/_ctl/reply?path=" + path.toPercentEncoding() + "&bytes=" + bytes.toPercentEncoding()
                         + "&times=" + QByteArray::number(times);
    return get(q).startsWith("HTTP/1.0 200 ");
}

bool SampleSite::clearFault(const QByteArray &path)
{
    return get("/_ctl/fault?path=" + QUrl::toPercentEncoding(QString::fromLatin1(path)) + "&mode=none")
        .startsWith("HTTP/1.0 200 ");
}

bool SampleSite::clearFaults() { return get("/_ctl/clear").startsWith("HTTP/1.0 200 "); }

bool SampleSite::pointSettingsHere() const { return port_ && Hosts::SetOverride(Hosts::AllSites, hostPort()); }

SampleSite::Exchange SampleSite::send(const QByteArray &request, int timeoutMs) const
{
    return Send(port_, request, timeoutMs);
}

SampleSite::Exchange SampleSite::Send(quint16 port, const QByteArray &request, int timeoutMs)
{
    Exchange x;
    const QDeadlineTimer deadline(timeoutMs);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    x.connected = socket.waitForConnected(timeoutMs);
    if (!x.connected) {
        x.error = socket.error();
        return x;
    }
    socket.write(request);
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        x.reply += socket.readAll();
    }
    x.reply += socket.readAll();
    x.ended = socket.state() != QAbstractSocket::ConnectedState;
    x.timedOut = !x.ended;
    x.error = socket.error();
    return x;
}

QByteArray SampleSite::get(const QByteArray &pathAndQuery) const
{
    return send("GET " + pathAndQuery + " HTTP/1.0\r\nHost: " + hostPort().toLatin1() + "\r\n\r\n").reply;
}

} // namespace tw::test
