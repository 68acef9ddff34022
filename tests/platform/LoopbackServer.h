#pragma once
// A server on 127.0.0.1 that answers each connection the way a case needs:
// given bytes (at once, after a delay, or dripped in pieces), then a close,
// a reset, or nothing; or it never answers at all. It records what each
// connection sent.
#include "common/WhenReady.h"

#include <QList>
#include <QMetaType>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <sys/socket.h>

namespace tw::test {

class LoopbackServer {
public:
    enum class End { Close, Reset, StayOpen };
    struct Script {
        QByteArray reply;
        QByteArray after = "\r\n\r\n"; // answer once this arrived; empty: at once
        int delayMs = 0;               // before the first byte
        int pieceSize = 0;             // 0: the reply in one piece
        int pieceGapMs = 0;
        // Pieces that end at these offsets of the reply instead; each next
        // piece goes once clientHas(bytes sent so far) holds, so where the
        // client's reads split the reply is fixed, whatever the machine.
        QList<qsizetype> cuts;
        std::function<bool(qsizetype)> clientHas;
        End end = End::Close;
        bool silent = false; // never answer, never close
    };

    Script script;

    LoopbackServer() { server_.listen(QHostAddress::LocalHost, 0); Wire(); }
    explicit LoopbackServer(const Script &s) : LoopbackServer() { script = s; }

    quint16 port() const { return server_.serverPort(); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    // Bytes received per connection, in order of connection.
    const QList<QByteArray> &received() const { return received_; }
    // What the latest connection that sent anything sent. Qt's HTTP may
    // open a spare connection that never carries a request.
    QByteArray request() const
    {
        for (qsizetype i = received_.size() - 1; i >= 0; --i)
            if (!received_[i].isEmpty())
                return received_[i];
        return {};
    }
    quint16 lastPeerPort() const { return peerPort_; }

    // A port on which nothing listens: connecting to it is refused.
    static quint16 ClosedPort()
    {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        const quint16 p = s.serverPort();
        s.close();
        return p;
    }

private:
    void Wire()
    {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                const qsizetype index = received_.size();
                received_.append(QByteArray());
                peerPort_ = s->peerPort();
                auto answered = std::make_shared<bool>(false);
                auto take = [this, s, index, answered] {
                    received_[index] += s->readAll();
                    if (*answered || script.silent || !received_[index].contains(script.after))
                        return;
                    *answered = true;
                    QTimer::singleShot(script.delayMs, s, [this, s] { Send(s, script.reply); });
                };
                QObject::connect(s, &QTcpSocket::readyRead, s, take);
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                take();
            }
        });
    }

    void Send(QTcpSocket *s, QByteArray rest)
    {
        const qsizetype sent = script.reply.size() - rest.size();
        qsizetype n = script.pieceSize > 0 ? qMin<qsizetype>(script.pieceSize, rest.size()) : rest.size();
        for (const qsizetype cut : script.cuts)
            if (cut > sent) {
                n = qMin(cut - sent, rest.size());
                break;
            }
        s->write(rest.left(n));
        s->flush();
        rest.remove(0, n);
        if (!rest.isEmpty() && !script.cuts.isEmpty()) {
            // Polled: the client's progress raises no signal of its own here.
            WhenReady(
                s, [this, upTo = sent + n] { return script.clientHas(upTo); }, [this, s, rest] { Send(s, rest); });
            return;
        }
        if (!rest.isEmpty()) {
            QTimer::singleShot(script.pieceGapMs, s, [this, s, rest] { Send(s, rest); });
            return;
        }
        switch (script.end) {
        case End::Close:
            s->disconnectFromHost();
            break;
        case End::Reset: {
            // A zero linger turns the close into a reset.
            s->waitForBytesWritten(1000);
            const struct linger l{1, 0};
            ::setsockopt(int(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &l, sizeof l);
            s->abort();
            break;
        }
        case End::StayOpen:
            break;
        }
    }

    QList<QByteArray> received_;
    quint16 peerPort_ = 0;
    QTcpServer server_; // last, so its connections go before what they write to
};

} // namespace tw::test

Q_DECLARE_METATYPE(tw::test::LoopbackServer::Script)
