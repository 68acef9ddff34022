#include "common/NewsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace tw::test {

namespace {

constexpr int kStartMs = 15000;
const QString kSpool = QStringLiteral("/var/spool/news");
const QString kDaemon = QStringLiteral("/usr/sbin/leafnode");
const QString kSocat = QStringLiteral("/usr/bin/socat");

quint16 FreePort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Ready once it greets; the probe leaves at once.
bool Greets(quint16 port)
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(500))
        return false;
    QByteArray got;
    while (!got.contains('\n') && s.waitForReadyRead(2000))
        got += s.readAll();
    s.write("QUIT\r\n");
    s.waitForBytesWritten(500);
    return got.startsWith("200");
}

} // namespace

NewsServer::NewsServer(const QList<Group> &groups, const QList<Article> &articles)
{
    if (geteuid() != 0) {
        skip_ = QStringLiteral("leafnode's configuration and spool are system paths: run the news server tests as root");
        return;
    }
    if (!QFile::exists(kDaemon) || !QFile::exists(kSocat)) {
        skip_ = QStringLiteral("leafnode and socat are not installed (tools/deps.sh)");
        return;
    }
    if (!Prepare(groups, articles)) {
        skip_ = QStringLiteral("could not write leafnode's configuration and spool");
        return;
    }
    for (int attempt = 0; attempt < 3 && !port_; ++attempt)
        StartOn(FreePort());
    if (!port_)
        skip_ = QStringLiteral("leafnode did not come up under socat");
}

bool NewsServer::Prepare(const QList<Group> &groups, const QList<Article> &articles)
{
    // It answers 503 to everything under a host name it takes for unqualified.
    if (!Write(QStringLiteral("/etc/news/leafnode/config"),
               "hostname = nntp.tw-tests.net\nserver = localhost\nexpire = 20\n"))
        return false;
    QByteArray info;
    for (const Group &g : groups) {
        info += g.name + ' ' + QByteArray::number(g.last) + ' ' + QByteArray::number(g.first) + " 0 " + g.description
                + '\n';
        QString dir = kSpool + u'/' + QString::fromLatin1(g.name).replace(u'.', u'/');
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
    }
    if (!Write(kSpool + QStringLiteral("/leaf.node/groupinfo"), info))
        return false;
    for (const Article &a : articles) {
        const QString dir = kSpool + u'/' + QString::fromLatin1(a.group).replace(u'.', u'/');
        if (!Write(dir + u'/' + QString::number(a.number), a.text))
            return false;
    }
    return QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("news:news"), kSpool})
           == 0;
}

bool NewsServer::StartOn(quint16 port)
{
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(kSocat, {QStringLiteral("TCP-LISTEN:%1,bind=127.0.0.1,reuseaddr,fork").arg(port),
                            QStringLiteral("EXEC:%1,nofork").arg(kDaemon)});
    if (!process_.waitForStarted(kStartMs))
        return false;
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        if (Greets(port)) {
            port_ = port;
            return true;
        }
        QThread::msleep(50);
    }
    process_.kill();
    process_.waitForFinished(3000);
    return false;
}

NewsServer::~NewsServer()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

} // namespace tw::test
