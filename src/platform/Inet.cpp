#include "platform/Inet.h"

#include "platform/HttpPage.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QPointer>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <memory>

// The transfer runs on this thread over a socket of its own: a request to a
// worker thread and back costs more than a whole page from a nearby host.

namespace {

// The first entry meant for http of a proxy text such as "host:port" or
// "http=host:port ftp=other:21"; no host when there is none.
QNetworkProxy NamedProxy(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
    for (QString entry : text.split(separators, Qt::SkipEmptyParts)) {
        const int eq = entry.indexOf(u'=');
        if (eq >= 0) {
            if (entry.left(eq).compare(QLatin1String("http"), Qt::CaseInsensitive) != 0)
                continue;
            entry = entry.mid(eq + 1);
        }
        if (!entry.contains(QLatin1String("://")))
            entry.prepend(QLatin1String("http://"));
        const QUrl u(entry);
        if (!u.host().isEmpty())
            return QNetworkProxy(QNetworkProxy::HttpProxy, u.host(), quint16(u.port(80)));
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

} // namespace

struct Inet::Pending {
    std::unique_ptr<QTcpSocket> socket;
    QEventLoop loop;
    QTimer silence;
    QTimer overall; // a drip that never goes silent still ends
    HttpPage::Incoming in;
    qint64 toSend = 0;
    int last = icNone;
    bool finished = false;
    bool complete = false;
    bool cancelled = false;
    bool timedOut = false;
    bool tooBig = false;
    bool gone = false; // the control was destroyed while waiting
    QString error;

    void End()
    {
        finished = true;
        loop.quit();
    }
    ~Pending()
    {
        if (socket) {
            socket->disconnect();
            socket->abort();
            socket.release()->deleteLater();
        }
    }
};

Inet::Inet(QObject *parent) : QObject(parent) {}

Inet::~Inet()
{
    if (pending_) {
        pending_->gone = true;
        pending_->End();
    }
}

int Inet::SilenceMs() const
{
    const int s = requestTimeout_ <= 0 || requestTimeout_ > MaxSilenceSeconds ? MaxSilenceSeconds : requestTimeout_;
    return s * 1000;
}

void Inet::SetRequestTimeout(int seconds)
{
    requestTimeout_ = seconds;
    if (pending_)
        pending_->silence.setInterval(SilenceMs());
}

// The states come in the control's order, none left out, so a handler
// always meets the whole ladder.
void Inet::Reach(Pending &p, int state)
{
    const QPointer<Inet> self(this);
    while (p.last < state && !p.gone) {
        ++p.last;
        emit StateChanged(p.last);
        if (!self)
            p.gone = true;
    }
}

// Bytes that came: the head once, then the body up to its end.
void Inet::Take(Pending &p)
{
    if (p.finished)
        return;
    const QByteArray bytes = p.socket->readAll();
    if (bytes.isEmpty())
        return;
    p.silence.start();
    p.in.raw += bytes;
    if (p.in.raw.size() > HttpPage::MaxBytes + 64 * 1024) {
        p.tooBig = true;
        p.End();
        return;
    }
    // Read before the state event: its handler may yield, and the close
    // that comes meanwhile must find these bytes counted.
    p.in.Read(false);
    Reach(p, icReceivingResponse);
    if (p.gone || p.finished)
        return;
    // Whole by its length or last chunk: no close needed.
    if (HttpPage::Settled(p.in.reply))
        Judge(p);
}

// A reply with a status line that is whole is a reply, whatever its status.
void Inet::Judge(Pending &p)
{
    p.complete = p.in.reply.status != 0 && HttpPage::Complete(p.in.reply);
    if (!p.complete)
        p.error = p.in.reply.status == 0 || p.in.reply.malformed ? QStringLiteral("Reply not understood")
                                                                  : QStringLiteral("Transfer cut short");
    p.End();
}

QByteArray Inet::OpenURL(const QString &url)
{
    if (pending_) {
        responseInfo_ = QStringLiteral("Still executing last request");
        return {};
    }
    completed_ = false;
    responseCode_ = 0;
    responseInfo_.clear();
    const QUrl u(url);
    const QString scheme = u.scheme().toLower();
    const bool https = scheme == QLatin1String("https");
    if (!u.isValid() || u.host().isEmpty() || (scheme != QLatin1String("http") && !https)) {
        responseInfo_ = QStringLiteral("URL is malformed");
        return {};
    }
    if (https && !QSslSocket::supportsSsl()) {
        responseInfo_ = QStringLiteral("Secure connections are not available");
        emit StateChanged(icError);
        return {};
    }

    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (accessType_ == icNamedProxy)
        proxy = NamedProxy(proxy_);
    else if (accessType_ != icDirect) // icUseDefault: whatever the desktop's proxy settings say
        proxy = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(u)).value(0, proxy);
    // Plain http goes to an http proxy as a request for the whole address;
    // anything else tunnels through it.
    const bool viaHttpProxy = !https && proxy.type() == QNetworkProxy::HttpProxy;

    Pending p;
    pending_ = &p;
    p.socket.reset(https ? new QSslSocket : new QTcpSocket);
    QTcpSocket *socket = p.socket.get();
    socket->setProxy(viaHttpProxy ? QNetworkProxy(QNetworkProxy::NoProxy) : proxy);

    const int port = u.port(https ? 443 : 80);
    const QByteArray host = u.host(QUrl::FullyEncoded).toLatin1()
                          + (u.port() >= 0 ? ":" + QByteArray::number(u.port()) : QByteArray());
    const QByteArray target = viaHttpProxy ? u.toEncoded(QUrl::RemoveFragment)
                                           : u.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    const QByteArray request = "GET " + (target.isEmpty() ? QByteArray("/") : target) + " HTTP/1.1\r\nHost: " + host
                             + "\r\nUser-Agent: Mozilla/5.0\r\nAccept: */*\r\nConnection: close\r\n\r\n";

    p.silence.setSingleShot(true);
    p.overall.setSingleShot(true);
    const auto timedOut = [&p] {
        p.timedOut = true;
        p.End();
    };
    connect(&p.silence, &QTimer::timeout, &p.loop, timedOut);
    connect(&p.overall, &QTimer::timeout, &p.loop, timedOut);
    p.silence.start(SilenceMs());
    p.overall.start(SilenceMs());

    connect(socket, &QAbstractSocket::hostFound, this, [this, &p] {
        if (!p.finished)
            Reach(p, icHostResolved);
    });
    connect(socket, &QAbstractSocket::stateChanged, this, [this, &p](QAbstractSocket::SocketState s) {
        if (!p.finished && s == QAbstractSocket::ConnectingState) {
            p.silence.start();
            Reach(p, icConnecting);
        }
    });
    const auto send = [this, &p, socket, request] {
        if (p.finished)
            return;
        p.silence.start();
        Reach(p, icConnected);
        if (p.gone || p.finished)
            return;
        Reach(p, icRequesting);
        if (p.gone || p.finished)
            return;
        p.toSend = request.size();
        socket->write(request);
    };
    if (https)
        connect(static_cast<QSslSocket *>(socket), &QSslSocket::encrypted, this, send);
    else
        connect(socket, &QAbstractSocket::connected, this, send);
    connect(socket, &QAbstractSocket::bytesWritten, this, [this, &p](qint64 n) {
        p.silence.start();
        p.toSend -= n;
        if (!p.finished && p.toSend <= 0)
            Reach(p, icRequestSent);
    });
    connect(socket, &QAbstractSocket::readyRead, this, [this, &p] { Take(p); });
    // The close ends a body that has no length; any other error ends the
    // transfer without a page.
    const auto closed = [this, &p] {
        Take(p);
        if (p.finished)
            return;
        // Judged on what came, not on who saw it first: the bytes may have
        // been taken by a call still waiting on its state event.
        p.in.Read(true);
        Judge(p);
    };
    connect(socket, &QAbstractSocket::disconnected, this, closed);
    connect(socket, &QAbstractSocket::errorOccurred, this, [&p, socket, closed](QAbstractSocket::SocketError e) {
        if (p.finished)
            return;
        if (e == QAbstractSocket::RemoteHostClosedError) {
            closed();
            return;
        }
        p.error = socket->errorString();
        p.End();
    });

    Reach(p, icResolvingHost);
    if (!p.finished && !p.gone) {
        const QString name = viaHttpProxy ? proxy.hostName() : u.host();
        const quint16 to = viaHttpProxy ? proxy.port() : quint16(port);
        if (https)
            static_cast<QSslSocket *>(socket)->connectToHostEncrypted(name, to);
        else
            socket->connectToHost(name, to);
    }
    if (!p.finished && !p.gone)
        p.loop.exec();
    if (p.gone)
        return {};

    // From here the request is over for everyone: a handler of the final
    // state that cancels "the pending request" (a stop at the end of a run)
    // finds none and cannot take this page away.
    pending_ = nullptr;
    p.silence.stop();
    p.overall.stop();
    socket->disconnect(this);
    // A refused nested call may have written these meanwhile.
    completed_ = false;
    responseCode_ = p.in.reply.headEnded ? p.in.reply.status : 0;
    responseInfo_.clear();
    QByteArray body;
    if (p.cancelled) {
        responseInfo_ = QStringLiteral("Request cancelled");
    } else if (p.timedOut) {
        responseInfo_ = QStringLiteral("Request timed out");
    } else if (p.tooBig) {
        responseInfo_ = QStringLiteral("Reply too large");
    } else if (p.complete) {
        body = p.in.Body();
        completed_ = true;
    } else {
        responseInfo_ = p.error.isEmpty() ? QStringLiteral("Transfer cut short") : p.error;
    }

    if (!p.cancelled) {
        if (completed_) {
            Reach(p, icResponseReceived);
            if (!p.gone)
                emit StateChanged(icResponseCompleted);
        } else {
            emit StateChanged(icError);
        }
    }
    return body;
}

void Inet::Cancel()
{
    if (!pending_)
        return;
    Pending &p = *pending_;
    p.cancelled = true;
    p.silence.stop();
    p.End();
}
