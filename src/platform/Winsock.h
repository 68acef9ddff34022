#pragma once
// The TCP client under the hand-made HTTP, SMTP and NNTP talks, with the
// properties, state numbers and events of the Winsock control it stands in
// for. Bytes only: what is sent and received is never converted.
//
// Built on the system's sockets with Qt's notifiers rather than QTcpSocket,
// because QTcpSocket reports a connection reset by the peer exactly like an
// orderly close, and a reset page must raise Error, not Close (the Close
// handler stores the reply as a complete page).
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <climits>

class QHostInfo;
class QSocketNotifier;

class Winsock : public QObject {
    Q_OBJECT
public:
    enum StateConstants : int {
        sckClosed = 0, sckOpen = 1, sckListening = 2, sckConnectionPending = 3, sckResolvingHost = 4,
        sckHostResolved = 5, sckConnecting = 6, sckConnected = 7, sckClosing = 8, sckError = 9,
    };
    enum ErrorConstants : int {
        sckInvalidPropertyValue = 380, sckBadState = 40006, sckInvalidOp = 40020,
        sckAddressInUse = 10048, sckAddressNotAvailable = 10049, sckNetworkUnreachable = 10051,
        sckConnectAborted = 10053, sckConnectionReset = 10054, sckTimedout = 10060,
        sckConnectionRefused = 10061, sckHostNotFound = 11001,
    };
    // A connect (name lookup included) that gets no answer for this long
    // fails with sckTimedout, as the system's own connect time-out would.
    static constexpr int DefaultConnectTimeoutMs = 30000;

    explicit Winsock(QObject *parent = nullptr);
    ~Winsock() override;

    QString RemoteHost() const { return remoteHost_; }
    void SetRemoteHost(const QString &host) { remoteHost_ = host; }
    int RemotePort() const { return remotePort_; }
    void SetRemotePort(int port) { remotePort_ = port; }
    // 0 = any free port. While connected: the port in use.
    int LocalPort() const;
    void SetLocalPort(int port) { localPort_ = port; }
    int State() const { return state_; }

    // Starts connecting to RemoteHost:RemotePort and returns at once; the
    // Connected or Error event tells how it went. Throws VbError
    // sckInvalidOp when the socket is not closed, sckInvalidPropertyValue
    // for a port outside 1..65535.
    void Connect();
    void Connect(const QString &host, int port);
    // Queues the bytes for sending. Throws VbError sckBadState when not
    // connected.
    void SendData(const QByteArray &data);
    // Bytes given to SendData that the peer has not yet acknowledged: still
    // queued here, or handed to the system and not yet confirmed.
    qsizetype BytesToSend() const;
    // Takes every byte received and not yet taken.
    void GetData(QByteArray &out);
    int BytesReceived() const { return int(qMin<qsizetype>(inbox_.size(), INT_MAX)); }
    // Ends the connection (bytes already sent still reach the peer) and
    // returns to sckClosed; no event follows. Received bytes not yet taken
    // are dropped.
    void Close();
    // Waits up to ms for bytes on a connected socket without running the
    // event loop; what came is told as from the loop (DataArrival, then
    // Closed or Error) before it returns. False when nothing came, and at
    // once inside a DataArrival handler that has not taken the bytes.
    bool WaitForData(int ms);

    void SetConnectTimeout(int ms) { connectTimeoutMs_ = ms; }

    static QString Description(int number);

signals:
    void Connected();
    // bytesTotal: every byte waiting to be taken by GetData.
    void DataArrival(int bytesTotal);
    // The peer closed the connection; State is sckClosing until Close().
    void Closed();
    // State is sckError until Close().
    void Error(int number, const QString &description);

private:
    void LookedUp(const QHostInfo &info);
    void TryNextAddress();
    void Writable();
    void Readable();
    void Flush();
    void Fail(int number);
    void FailLater(int number);
    void Release();

    QString remoteHost_;
    int remotePort_ = 0;
    int localPort_ = 0;
    int state_ = sckClosed;
    int connectTimeoutMs_ = DefaultConnectTimeoutMs;

    int fd_ = -1;
    QSocketNotifier *readNote_ = nullptr;
    // A DataArrival handler up the stack has not taken its bytes yet.
    bool holding_ = false;
    QSocketNotifier *writeNote_ = nullptr;
    int lookupId_ = -1;
    QList<QHostAddress> addresses_;
    int lastErrno_ = 0;
    QTimer connectTimer_;
    QByteArray inbox_;
    QByteArray outbox_;
    // Bumped by every Connect, Close and failure, so a queued event of an
    // earlier connection never reaches the handlers of a later one.
    quint64 generation_ = 0;
};
