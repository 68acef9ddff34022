#pragma once
// The sample site for one test: started on a free port with a request log,
// stopped when the fixture goes. Faults are set per path (see
// tools/samplesite/Protocol.h for what each does).
#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace tw::test {

class SampleSite {
public:
    enum class Fault { Status, Bytes, Delay, Reset, Silence, Cut, Garbage, Drip, NoClose, ErrorPage };

    // What a client saw of one exchange.
    struct Exchange {
        QByteArray reply;
        bool connected = false;
        bool ended = false;    // the site closed or broke the connection
        bool timedOut = false; // still open when the wait ran out
        QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;
    };

    // Starts the site; port() is 0 when it did not come up. extraArgs and env
    // are for tests of the site's own options.
    explicit SampleSite(const QStringList &extraArgs = {},
                        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());
    ~SampleSite();
    SampleSite(const SampleSite &) = delete;
    SampleSite &operator=(const SampleSite &) = delete;

    quint16 port() const { return port_; }
    QString hostPort() const; // "127.0.0.1:port"
    // Each request received so far (control requests aside), bytes as sent.
    QList<QByteArray> requests() const;

    // value: status code, byte count, milliseconds, or bytes sent before the
    // reset; times 0 keeps the fault until it is cleared.
    bool setFault(const QByteArray &path, Fault mode, qint64 value = 0, int times = 1);
    bool clearFault(const QByteArray &path);
    // The requests for path are answered with exactly these bytes; times as
    // for setFault. Replaces a fault set for the path.
    bool setReply(const QByteArray &path, const QByteArray &bytes, int times = 1);
    bool clearFaults();

    // Points every site of the current settings store at this site.
    bool pointSettingsHere() const;

    // Sends raw request bytes and reads until the site ends the connection or
    // timeoutMs pass.
    Exchange send(const QByteArray &request, int timeoutMs = 5000) const;
    static Exchange Send(quint16 port, const QByteArray &request, int timeoutMs);
    // An ordinary GET of a path with a Host line; the reply as received.
    QByteArray get(const QByteArray &pathAndQuery) const;
    // The page as the program stores it: a socket fetch keeps the reply as
    // received (whole), the transfer control its body.
    QByteArray stored(const QByteArray &pathAndQuery, bool whole) const
    {
        const QByteArray reply = get(pathAndQuery);
        return whole ? reply : Body(reply);
    }
    // A reply's body: what follows the blank line after the headers.
    static QByteArray Body(const QByteArray &reply) { return reply.mid(reply.indexOf("\r\n\r\n") + 4); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace tw::test
