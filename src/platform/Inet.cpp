#include "platform/Inet.h"

#include "platform/HttpPage.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

namespace {

// icUseDefault: whatever the desktop's proxy settings say.
class SystemProxies : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        return systemProxyForQuery(query);
    }
};

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

// A reply whose status line arrived and whose body came to its end: the
// error codes of the content and server ranges only say what the status was.
bool WholeReply(QNetworkReply::NetworkError e)
{
    return e == QNetworkReply::NoError || (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError)
        || e == QNetworkReply::ProtocolInvalidOperationError
        || (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError);
}

} // namespace

struct Inet::Pending {
    QNetworkReply *reply = nullptr;
    QEventLoop loop;
    QTimer silence;
    QTimer overall; // a drip that never goes silent still ends
    bool tooBig = false;
    int last = icNone;
    bool finished = false;
    bool cancelled = false;
    bool timedOut = false;
    bool gone = false; // the control was destroyed while waiting
};

Inet::Inet(QObject *parent) : QObject(parent), nam_(new QNetworkAccessManager(this)) {}

Inet::~Inet()
{
    if (pending_) {
        pending_->gone = true;
        pending_->reply->disconnect();
        pending_->loop.quit();
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

void Inet::ApplyProxy()
{
    switch (accessType_) {
    case icDirect:
        nam_->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        break;
    case icNamedProxy:
        nam_->setProxy(NamedProxy(proxy_));
        break;
    default:
        nam_->setProxyFactory(new SystemProxies);
        break;
    }
}

// Qt tells less than the control did; the states it cannot see are passed
// through in order, so a handler always meets the whole ladder.
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
    if (!u.isValid() || u.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        responseInfo_ = QStringLiteral("URL is malformed");
        return {};
    }
    ApplyProxy();

    Pending p;
    pending_ = &p;
    p.reply = nam_->get(QNetworkRequest(u));
    QNetworkReply *reply = p.reply;
    p.silence.setSingleShot(true);
    p.silence.start(SilenceMs());
    connect(&p.silence, &QTimer::timeout, reply, [&p] {
        p.timedOut = true;
        p.reply->abort();
    });
    p.overall.setSingleShot(true);
    p.overall.start(SilenceMs());
    connect(&p.overall, &QTimer::timeout, reply, [&p] {
        p.timedOut = true;
        p.reply->abort();
    });
    const auto moved = [&p] { p.silence.start(); };
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this, &p, moved] {
        moved();
        Reach(p, icConnecting);
    });
    connect(reply, &QNetworkReply::requestSent, this, [this, &p, moved] {
        moved();
        Reach(p, icRequestSent);
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, &p, moved] {
        moved();
        Reach(p, icReceivingResponse);
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, &p, moved](qint64 received, qint64) {
        moved();
        if (received > HttpPage::MaxBytes && !p.tooBig) {
            p.tooBig = true;
            p.reply->abort();
            return;
        }
        if (received > 0)
            Reach(p, icReceivingResponse);
    });
    connect(reply, &QNetworkReply::uploadProgress, this, moved);
    connect(reply, &QNetworkReply::redirected, this, moved);
    connect(reply, &QNetworkReply::finished, this, [&p] {
        p.finished = true;
        p.loop.quit();
    });

    Reach(p, icResolvingHost);
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
    reply->disconnect(this);
    // A refused nested call may have written these meanwhile.
    completed_ = false;
    responseCode_ = 0;
    responseInfo_.clear();
    QByteArray body;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        responseCode_ = status.toInt();
    if (p.cancelled) {
        responseInfo_ = QStringLiteral("Request cancelled");
    } else if (p.timedOut) {
        responseInfo_ = QStringLiteral("Request timed out");
    } else if (p.tooBig) {
        responseInfo_ = QStringLiteral("Reply too large");
    } else if (status.isValid() && WholeReply(reply->error())) {
        body = reply->readAll();
        // A connection reset after part of the body can reach us as a clean
        // end of the reply; the announced length tells a cut page apart.
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        completed_ = !announced.isValid() || body.size() >= announced.toLongLong();
        if (!completed_) {
            body.clear();
            responseInfo_ = QStringLiteral("Transfer cut short");
        }
    } else {
        responseInfo_ = reply->errorString();
    }
    reply->deleteLater();

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
    p.reply->abort();
    p.finished = true;
    p.loop.quit();
}
