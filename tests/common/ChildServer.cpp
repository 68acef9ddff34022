#include "common/ChildServer.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace tw::test::ChildServer {

void DiesWithParent(QProcess &process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void Stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

quint16 FreePort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

bool Greets(quint16 port, const QByteArray &code, const QByteArray &quit)
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(500))
        return false;
    QByteArray got;
    while (!got.contains('\n') && s.waitForReadyRead(2000))
        got += s.readAll();
    s.write(quit + "\r\n");
    s.waitForBytesWritten(500);
    return got.startsWith(code);
}

bool AwaitGreeting(QProcess &process, quint16 port, const QByteArray &code, const QByteArray &quit)
{
    constexpr int kStartMs = 15000;
    if (!process.waitForStarted(kStartMs))
        return false;
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        if (Greets(port, code, quit))
            return true;
        QThread::msleep(50);
    }
    return false;
}

} // namespace tw::test::ChildServer
