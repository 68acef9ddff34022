#include "SampleServer.h"

#include "Protocol.h"
#include "Routes.h"

#include <QFile>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include <sys/socket.h>

namespace {

// A head longer than this is no request of ours.
constexpr qsizetype kMaxHead = 64 * 1024;

// End of the head: the blank line, written with CR LF or with bare LF.
qsizetype HeadEnd(const QByteArray &buf)
{
    const qsizetype crlf = buf.indexOf("\r\n\r\n");
    const qsizetype lf = buf.indexOf("\n\n");
    if (crlf < 0)
        return lf < 0 ? -1 : lf + 2;
    return lf < 0 ? crlf + 4 : qMin(crlf + 4, lf + 2);
}

void Send(QTcpSocket *socket, const QByteArray &bytes)
{
    socket->write(bytes);
    socket->disconnectFromHost();
}

// A reset, not an orderly close: the peer sees the connection broken.
void Reset(QTcpSocket *socket)
{
    const linger l{1, 0};
    setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &l, sizeof l);
    socket->abort();
}

} // namespace

SampleServer::SampleServer(const QString &logFile, QObject *parent) : QObject(parent), logFile_(logFile)
{
    connect(&server_, &QTcpServer::newConnection, this, &SampleServer::Accept);
}

bool SampleServer::Listen(quint16 port) { return server_.listen(QHostAddress::LocalHost, port); }

void SampleServer::Accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // Everything that arrives is read, also after the request, so that
        // closing never finds unread bytes (the system would reset instead).
        auto buffer = std::make_shared<QByteArray>();
        auto served = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer, served] {
            const QByteArray in = socket->readAll();
            if (*served)
                return;
            buffer->append(in);
            const qsizetype end = HeadEnd(*buffer);
            if (end < 0 && buffer->size() <= kMaxHead)
                return;
            *served = true;
            if (end < 0)
                Send(socket, Reply::Status(400).Serialize());
            else
                Serve(socket, buffer->left(end));
            buffer->clear();
        });
    }
}

void SampleServer::Serve(QTcpSocket *socket, const QByteArray &head)
{
    Request req;
    if (!req.Parse(head)) {
        Log(head);
        Send(socket, Reply::Status(400).Serialize());
        return;
    }
    if (req.path.startsWith(SampleSiteProtocol::ControlPrefix)) {
        Send(socket, faults_.Control(req).Serialize());
        return;
    }
    Log(head);

    const std::optional<Fault> fault = faults_.Take(req);
    auto ordinary = [&req] {
        if (req.method != "GET")
            return Reply::Status(501);
        return Routes::Answer(req).value_or(Reply::Status(404));
    };
    if (!fault) {
        Send(socket, ordinary().Serialize());
        return;
    }
    switch (fault->mode) {
    case Fault::Status:
        Send(socket, Reply::Status(int(fault->value)).Serialize());
        break;
    case Fault::Bytes:
        Send(socket, ordinary().SerializeExactly(fault->value));
        break;
    case Fault::Delay: {
        const QByteArray bytes = ordinary().Serialize();
        QTimer::singleShot(int(fault->value), socket, [socket, bytes] { Send(socket, bytes); });
        break;
    }
    case Fault::Reset: {
        const QByteArray part = ordinary().Serialize().left(fault->value);
        if (part.isEmpty()) {
            Reset(socket);
            break;
        }
        // Let the part reach the peer before the reset cuts the connection.
        socket->write(part);
        socket->flush();
        QTimer::singleShot(100, socket, [socket] { Reset(socket); });
        break;
    }
    case Fault::Silence:
        break;
    case Fault::Cut:
        Send(socket, ordinary().Serialize().left(fault->value));
        break;
    case Fault::Garbage: {
        QByteArray junk;
        junk.reserve(fault->value);
        for (qint64 i = 0; i < fault->value; ++i)
            junk.append(char('a' + i % 26));
        Send(socket, junk);
        break;
    }
    case Fault::Drip: {
        // One byte each interval, then an orderly close after the last.
        auto left = std::make_shared<QByteArray>(ordinary().Serialize());
        auto *timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket, left, timer] {
            if (left->isEmpty()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(left->left(1));
            left->remove(0, 1);
        });
        timer->start(int(fault->value));
        break;
    }
    case Fault::NoClose:
        socket->write(ordinary().Serialize());
        break;
    case Fault::ErrorPage: {
        Reply reply = ordinary();
        reply.status = int(fault->value);
        Send(socket, reply.Serialize());
        break;
    }
    case Fault::Given:
        Send(socket, fault->bytes);
        break;
    }
}

void SampleServer::Log(const QByteArray &head) const
{
    if (logFile_.isEmpty())
        return;
    QFile f(logFile_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning("samplesite: cannot write the request log %s", qPrintable(logFile_));
        return;
    }
    f.write(head + SampleSiteProtocol::RequestLogSeparator);
}
