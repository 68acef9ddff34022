#include "common/NewsServer.h"

#include "common/ChildServer.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace tw::test {

namespace {

const QString kSpool = QStringLiteral("/var/spool/news");
const QString kDaemon = QStringLiteral("/usr/sbin/leafnode");
const QString kSocat = QStringLiteral("/usr/bin/socat");

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
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
        StartOn(ChildServer::FreePort());
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
    ChildServer::DiesWithParent(process_);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(kSocat, {QStringLiteral("TCP-LISTEN:%1,bind=127.0.0.1,reuseaddr,fork").arg(port),
                            QStringLiteral("EXEC:%1,nofork").arg(kDaemon)});
    if (ChildServer::AwaitGreeting(process_, port, "200", "QUIT")) {
        port_ = port;
        return true;
    }
    process_.kill();
    process_.waitForFinished(3000);
    return false;
}

NewsServer::~NewsServer()
{
    ChildServer::Stop(process_);
}

} // namespace tw::test
