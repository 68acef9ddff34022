#include "platform/Winsock.h"

#include "platform/Vb.h"

#include <QHostInfo>
#include <QPointer>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int NumberOfErrno(int e)
{
    switch (e) {
    case ECONNREFUSED:
        return Winsock::sckConnectionRefused;
    case ECONNRESET:
    case EPIPE:
        return Winsock::sckConnectionReset;
    case ETIMEDOUT:
        return Winsock::sckTimedout;
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ENETDOWN:
        return Winsock::sckNetworkUnreachable;
    case EADDRINUSE:
        return Winsock::sckAddressInUse;
    case EADDRNOTAVAIL:
        return Winsock::sckAddressNotAvailable;
    default:
        return Winsock::sckConnectAborted;
    }
}

socklen_t ToSockaddr(const QHostAddress &a, int port, sockaddr_storage &ss)
{
    std::memset(&ss, 0, sizeof ss);
    if (a.protocol() == QAbstractSocket::IPv4Protocol) {
        auto *in = reinterpret_cast<sockaddr_in *>(&ss);
        in->sin_family = AF_INET;
        in->sin_port = htons(quint16(port));
        in->sin_addr.s_addr = htonl(a.toIPv4Address());
        return sizeof *in;
    }
    if (a.protocol() == QAbstractSocket::IPv6Protocol) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&ss);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(quint16(port));
        const Q_IPV6ADDR bytes = a.toIPv6Address();
        std::memcpy(&in6->sin6_addr, &bytes, sizeof bytes);
        return sizeof *in6;
    }
    return 0;
}

void Drop(QSocketNotifier *&n)
{
    if (!n)
        return;
    // Its own signal may be on the stack: disarm now, delete later.
    n->setEnabled(false);
    n->deleteLater();
    n = nullptr;
}

} // namespace

QString Winsock::Description(int number)
{
    switch (number) {
    case sckInvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case sckBadState:
        return QStringLiteral("Wrong protocol or connection state for the requested transaction or request");
    case sckInvalidOp:
        return QStringLiteral("Invalid operation at current state");
    case sckAddressInUse:
        return QStringLiteral("Address in use");
    case sckAddressNotAvailable:
        return QStringLiteral("Address not available from the local machine");
    case sckNetworkUnreachable:
        return QStringLiteral("The network cannot be reached from this host at this time");
    case sckConnectAborted:
        return QStringLiteral("Connection is aborted due to timeout or other failure");
    case sckConnectionReset:
        return QStringLiteral("The connection is reset by remote side");
    case sckTimedout:
        return QStringLiteral("Attempt to connect timed out without establishing a connection");
    case sckConnectionRefused:
        return QStringLiteral("Connection is forcefully rejected");
    case sckHostNotFound:
        return QStringLiteral("Authoritative answer: Host not found");
    default:
        return QString();
    }
}

Winsock::Winsock(QObject *parent) : QObject(parent)
{
    connectTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] { Fail(sckTimedout); });
}

Winsock::~Winsock() { Release(); }

int Winsock::LocalPort() const
{
    if (fd_ >= 0 && state_ == sckConnected) {
        sockaddr_storage ss{};
        socklen_t len = sizeof ss;
        if (::getsockname(fd_, reinterpret_cast<sockaddr *>(&ss), &len) == 0)
            return ntohs(ss.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6 *>(&ss)->sin6_port
                                                   : reinterpret_cast<sockaddr_in *>(&ss)->sin_port);
    }
    return localPort_;
}

void Winsock::Connect(const QString &host, int port)
{
    remoteHost_ = host;
    remotePort_ = port;
    Connect();
}

void Winsock::Connect()
{
    if (state_ != sckClosed)
        throw VbError(sckInvalidOp, Description(sckInvalidOp));
    if (remotePort_ < 1 || remotePort_ > 65535)
        throw VbError(sckInvalidPropertyValue, Description(sckInvalidPropertyValue));
    Release();
    inbox_.clear();
    lastErrno_ = 0;
    connectTimer_.start(connectTimeoutMs_);
    const QString host = remoteHost_.trimmed();
    QHostAddress literal;
    if (literal.setAddress(host)) {
        addresses_ = {literal};
        state_ = sckHostResolved;
        TryNextAddress();
        return;
    }
    state_ = sckResolvingHost;
    if (host.isEmpty()) {
        FailLater(sckHostNotFound);
        return;
    }
    lookupId_ = QHostInfo::lookupHost(host, this, [this, g = generation_](const QHostInfo &info) {
        if (g == generation_)
            LookedUp(info);
    });
}

void Winsock::LookedUp(const QHostInfo &info)
{
    lookupId_ = -1;
    addresses_ = info.addresses();
    if (info.error() != QHostInfo::NoError || addresses_.isEmpty()) {
        Fail(sckHostNotFound);
        return;
    }
    state_ = sckHostResolved;
    TryNextAddress();
}

// A name can stand for several addresses ("localhost" is ::1 and
// 127.0.0.1); each is tried in turn, as the system's own connect does.
void Winsock::TryNextAddress()
{
    while (!addresses_.isEmpty()) {
        sockaddr_storage remote;
        const socklen_t remoteLen = ToSockaddr(addresses_.takeFirst(), remotePort_, remote);
        if (!remoteLen)
            continue;
        const int fd = ::socket(remote.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            lastErrno_ = errno;
            continue;
        }
        if (localPort_ > 0) {
            sockaddr_storage local;
            const QHostAddress any = remote.ss_family == AF_INET6 ? QHostAddress(QHostAddress::AnyIPv6)
                                                                   : QHostAddress(QHostAddress::AnyIPv4);
            const socklen_t localLen = ToSockaddr(any, localPort_, local);
            if (::bind(fd, reinterpret_cast<sockaddr *>(&local), localLen) != 0) {
                lastErrno_ = errno;
                ::close(fd);
                continue;
            }
        }
        if (::connect(fd, reinterpret_cast<sockaddr *>(&remote), remoteLen) != 0 && errno != EINPROGRESS
            && errno != EINTR) {
            lastErrno_ = errno;
            ::close(fd);
            continue;
        }
        // Even a connect that is done at once is reported from the event
        // loop, never from inside Connect.
        fd_ = fd;
        state_ = sckConnecting;
        writeNote_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
        connect(writeNote_, &QSocketNotifier::activated, this, &Winsock::Writable);
        return;
    }
    FailLater(lastErrno_ ? NumberOfErrno(lastErrno_) : int(sckHostNotFound));
}

void Winsock::Writable()
{
    if (state_ == sckConnected) {
        Flush();
        return;
    }
    if (state_ != sckConnecting)
        return;
    int err = 0;
    socklen_t len = sizeof err;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &err, &len) != 0)
        err = errno;
    if (err) {
        lastErrno_ = err;
        Drop(writeNote_);
        ::close(fd_);
        fd_ = -1;
        TryNextAddress();
        return;
    }
    connectTimer_.stop();
    state_ = sckConnected;
    writeNote_->setEnabled(false);
    readNote_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(readNote_, &QSocketNotifier::activated, this, &Winsock::Readable);
    emit Connected();
}

void Winsock::Readable()
{
    if (state_ != sckConnected)
        return;
    if (holding_) {
        // Nothing more is read until the handler takes the bytes or returns,
        // so a close or reset behind them can never overtake them. The
        // notifier would fire again at once: it rests until then.
        readNote_->setEnabled(false);
        return;
    }
    const qsizetype before = inbox_.size();
    int err = 0;
    bool peerClosed = false;
    char buf[65536];
    for (int turn = 0; turn < 64; ++turn) {
        const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n > 0) {
            inbox_.append(buf, n);
            // A short read has emptied the socket; what comes later wakes
            // the notifier again.
            if (size_t(n) < sizeof buf)
                break;
            continue;
        }
        if (n == 0) {
            peerClosed = true;
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
            err = errno;
        }
        break;
    }
    if (inbox_.size() > before) {
        holding_ = true;
        const quint64 g = generation_;
        const QPointer<Winsock> self(this);
        emit DataArrival(BytesReceived());
        if (!self || g != generation_)
            return;
        holding_ = false;
        readNote_->setEnabled(true);
    }
    if (err) {
        Fail(NumberOfErrno(err));
    } else if (peerClosed) {
        Release();
        state_ = sckClosing;
        emit Closed();
    }
}

bool Winsock::WaitForData(int ms)
{
    if (state_ != sckConnected || !readNote_ || holding_)
        return false;
    pollfd p{fd_, POLLIN, 0};
    int n;
    do
        n = ::poll(&p, 1, qMax(0, ms));
    while (n < 0 && errno == EINTR);
    if (n <= 0)
        return false;
    Readable();
    return true;
}

void Winsock::SendData(const QByteArray &data)
{
    if (state_ != sckConnected)
        throw VbError(sckBadState, Description(sckBadState));
    outbox_ += data;
    Flush();
}

void Winsock::Flush()
{
    while (!outbox_.isEmpty()) {
        const ssize_t n = ::send(fd_, outbox_.constData(), size_t(outbox_.size()), MSG_NOSIGNAL);
        if (n > 0) {
            outbox_.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        FailLater(NumberOfErrno(n < 0 ? errno : ECONNRESET));
        outbox_.clear();
        break;
    }
    if (writeNote_)
        writeNote_->setEnabled(!outbox_.isEmpty());
}

qsizetype Winsock::BytesToSend() const
{
    int unacknowledged = 0;
    if (fd_ >= 0 && state_ == sckConnected && ::ioctl(fd_, SIOCOUTQ, &unacknowledged) != 0)
        unacknowledged = 0;
    return outbox_.size() + unacknowledged;
}

void Winsock::GetData(QByteArray &out)
{
    out = inbox_;
    inbox_.clear();
    holding_ = false;
    if (readNote_ && state_ == sckConnected)
        readNote_->setEnabled(true);
}

void Winsock::Close()
{
    // What the kernel has already taken goes out before the close; this is
    // the last chance for bytes still queued here.
    if (fd_ >= 0 && state_ == sckConnected && !outbox_.isEmpty())
        (void)::send(fd_, outbox_.constData(), size_t(outbox_.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
    Release();
    inbox_.clear();
    state_ = sckClosed;
}

void Winsock::Fail(int number)
{
    Release();
    state_ = sckError;
    emit Error(number, Description(number));
}

void Winsock::FailLater(int number)
{
    QMetaObject::invokeMethod(
        this, [this, g = generation_, number] {
            if (g == generation_)
                Fail(number);
        },
        Qt::QueuedConnection);
}

// Ends whatever the socket was doing without any event.
void Winsock::Release()
{
    ++generation_;
    connectTimer_.stop();
    if (lookupId_ != -1) {
        QHostInfo::abortHostLookup(lookupId_);
        lookupId_ = -1;
    }
    Drop(readNote_);
    Drop(writeNote_);
    holding_ = false;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    addresses_.clear();
    outbox_.clear();
}
