#pragma once
// A line-protocol server on 127.0.0.1 that plays a script, one reply per
// line the client sends, for the mail and news clients' tests: exact bytes,
// replies split into pieces or merged into one send, a greeting that never
// comes, a hang-up or reset in the middle, a reply flooded after its text
// until the client goes, a reader that takes its bytes slowly, a reply held
// until the test lets it go (so the client is waiting for as long as the
// test needs, however slow the machine). It records
// every byte each connection sent, and whether the client ever sent a line
// before the reply to its previous one had gone out.
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <utility>
#include <sys/socket.h>

namespace tw::test {

class ScriptedPeer {
public:
    struct Turn {
        enum class Then { Go, Close, Reset };
        Turn(QByteArray reply_ = {}, QByteArray until_ = {}, int delayMs_ = 0, int pieceSize_ = 0,
             int pieceGapMs_ = 0, Then then_ = Then::Go)
            : reply(std::move(reply_)), until(std::move(until_)), delayMs(delayMs_), pieceSize(pieceSize_),
              pieceGapMs(pieceGapMs_), then(then_)
        {
        }
        // After the reply: floodBytes more, the pattern over and over, as
        // fast as the client takes them, made as they go out.
        static Turn Flood(QByteArray reply, QByteArray until, QByteArray pattern, qint64 floodBytes)
        {
            Turn t(std::move(reply), std::move(until));
            t.pattern = std::move(pattern);
            t.floodBytes = floodBytes;
            return t;
        }
        QByteArray reply;   // sent back; empty: nothing is said
        QByteArray until;   // the line (without CR LF) that starts it; empty: any line
        int delayMs = 0;    // before the first byte; Held: until Release()
        int pieceSize = 0;  // 0: the reply in one send
        int pieceGapMs = 0;
        Then then = Then::Go;
        QByteArray pattern;
        qint64 floodBytes = 0;
    };
    static constexpr int Held = -1;
    Turn greeting;      // sent when a client connects
    QList<Turn> turns;  // in order; after the last the peer is silent
    // A slow reader: at most readChunk bytes taken every readGapMs (0: all
    // at once). Its small receive window keeps the rest with the client.
    int readChunk = 0;
    int readGapMs = 0;

    ScriptedPeer() { server_.listen(QHostAddress::LocalHost, 0); Wire(); }
    // Before the client connects: the receive buffer of its connection.
    void SetReceiveBuffer(int bytes)
    {
        ::setsockopt(int(server_.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    }
    ~ScriptedPeer() { server_.close(); }
    ScriptedPeer(const ScriptedPeer &) = delete;
    ScriptedPeer &operator=(const ScriptedPeer &) = delete;

    quint16 port() const { return server_.serverPort(); }
    QString hostPort() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    int connections() const { return int(conns_.size()); }
    QByteArray received(int connection = 0) const
    {
        return connection < conns_.size() ? conns_[connection]->received : QByteArray();
    }
    // The whole lines a connection sent, without their CR LF.
    QList<QByteArray> lines(int connection = 0) const
    {
        QList<QByteArray> out = received(connection).split('\n');
        out.removeLast(); // what follows the last line end
        for (QByteArray &l : out)
            if (l.endsWith('\r'))
                l.chop(1);
        return out;
    }
    // The client hung up (or the peer did, by script).
    bool ended(int connection = 0) const { return connection < conns_.size() && conns_[connection]->ended; }
    // A line arrived while the reply to an earlier one was still going out.
    bool overtaken() const { return overtaken_; }
    // Bytes a flood has put out so far.
    qint64 flooded() const { return flooded_; }
    // Sends the held replies (those reached so far), as a delay would.
    void Release()
    {
        const auto held = std::exchange(held_, {});
        for (const auto &[c, t] : held)
            if (!c->ended) // its socket may be gone
                Send(c, t, t.reply);
    }

private:
    struct Conn {
        QTcpSocket *socket = nullptr;
        QByteArray received;
        qsizetype scanned = 0; // bytes already cut into lines
        int next = 0;          // next turn
        bool busy = false;
        bool ended = false;
        bool resting = false;  // a slow reader between two takes
    };

    void Wire()
    {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                auto c = std::make_shared<Conn>();
                c->socket = s;
                conns_.append(c);
                if (readChunk > 0)
                    s->setReadBufferSize(readChunk);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, c] { Take(c); });
                QObject::connect(s, &QTcpSocket::disconnected, s, [c] {
                    c->ended = true;
                    c->socket->deleteLater();
                });
                if (!greeting.reply.isEmpty() || greeting.then != Turn::Then::Go)
                    Play(c, greeting);
            }
        });
    }

    void Take(const std::shared_ptr<Conn> &c)
    {
        if (readChunk > 0) {
            if (c->resting)
                return;
            c->received += c->socket->read(readChunk);
            c->resting = true;
            QTimer::singleShot(readGapMs, c->socket, [this, c] {
                c->resting = false;
                if (c->socket->bytesAvailable() > 0)
                    Take(c);
            });
        } else {
            c->received += c->socket->readAll();
        }
        qsizetype end;
        while ((end = c->received.indexOf('\n', c->scanned)) >= 0) {
            QByteArray line = c->received.mid(c->scanned, end - c->scanned);
            c->scanned = end + 1;
            if (line.endsWith('\r'))
                line.chop(1);
            if (c->busy)
                overtaken_ = true;
            if (c->next < turns.size() && (turns[c->next].until.isEmpty() || turns[c->next].until == line))
                Play(c, turns[c->next++]);
        }
    }

    void Play(const std::shared_ptr<Conn> &c, const Turn &t)
    {
        c->busy = true;
        if (t.delayMs == Held)
            held_.append({c, t});
        else
            QTimer::singleShot(t.delayMs, c->socket, [this, c, t] { Send(c, t, t.reply); });
    }

    void Send(const std::shared_ptr<Conn> &c, const Turn &t, QByteArray rest)
    {
        const qsizetype n = t.pieceSize > 0 ? qMin<qsizetype>(t.pieceSize, rest.size()) : rest.size();
        c->socket->write(rest.left(n));
        c->socket->flush();
        rest.remove(0, n);
        if (!rest.isEmpty()) {
            QTimer::singleShot(t.pieceGapMs, c->socket, [this, c, t, rest] { Send(c, t, rest); });
            return;
        }
        if (t.floodBytes > 0) {
            Flood(c, t, t.floodBytes);
            return;
        }
        Finish(c, t);
    }

    // Keeps a few megabytes on their way until the flood is out or the
    // client has gone.
    void Flood(const std::shared_ptr<Conn> &c, const Turn &t, qint64 left)
    {
        constexpr qint64 kAhead = 4 << 20;
        while (left > 0 && c->socket->state() == QAbstractSocket::ConnectedState
               && c->socket->bytesToWrite() < kAhead) {
            QByteArray chunk;
            while (chunk.size() < (256 << 10) && chunk.size() < left)
                chunk += t.pattern;
            chunk.truncate(qMin<qint64>(chunk.size(), left));
            c->socket->write(chunk);
            left -= chunk.size();
            flooded_ += chunk.size();
        }
        if (left <= 0 || c->socket->state() != QAbstractSocket::ConnectedState) {
            Finish(c, t);
            return;
        }
        QObject::connect(
            c->socket, &QTcpSocket::bytesWritten, c->socket, [this, c, t, left] { Flood(c, t, left); },
            Qt::SingleShotConnection);
    }

    void Finish(const std::shared_ptr<Conn> &c, const Turn &t)
    {
        c->busy = false;
        if (t.then == Turn::Then::Close) {
            c->socket->disconnectFromHost();
        } else if (t.then == Turn::Then::Reset) {
            c->socket->waitForBytesWritten(1000);
            // A zero linger turns the close into a reset.
            const struct linger l{1, 0};
            ::setsockopt(int(c->socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &l, sizeof l);
            c->socket->abort();
            c->ended = true;
        }
    }

    QList<std::shared_ptr<Conn>> conns_;
    QList<std::pair<std::shared_ptr<Conn>, Turn>> held_;
    bool overtaken_ = false;
    qint64 flooded_ = 0;
    QTcpServer server_; // last, so its connections go before what they write to
};

} // namespace tw::test
