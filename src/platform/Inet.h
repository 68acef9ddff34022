#pragma once
// The page transport the program asks for a whole page at a time: a blocking
// OpenURL that keeps the window alive, with the time-out, cancel, proxy and
// state events of the Internet Transfer control it stands in for.
#include <QByteArray>
#include <QObject>
#include <QString>

class Inet : public QObject {
    Q_OBJECT
public:
    enum AccessTypes : int { icUseDefault = 0, icDirect = 1, icNamedProxy = 2 };
    enum States : int {
        icNone = 0, icResolvingHost = 1, icHostResolved = 2, icConnecting = 3, icConnected = 4,
        icRequesting = 5, icRequestSent = 6, icReceivingResponse = 7, icResponseReceived = 8,
        icDisconnecting = 9, icDisconnected = 10, icError = 11, icResponseCompleted = 12,
    };
    // However long RequestTimeout is (0 = none), a transfer that has made no
    // progress for this long ends. No transfer lasts longer than that bound
    // as a whole either, and one whose reply grows past HttpPage::MaxBytes
    // is given up.
    static constexpr int MaxSilenceSeconds = 90;

    explicit Inet(QObject *parent = nullptr);
    ~Inet() override;

    // Fetches an http or https address and returns the body. Blocks while
    // the event loop runs, so StateChanged handlers, timers and the user's
    // clicks (Stop) go on meanwhile. The body of an HTTP error page is
    // returned like any other: the caller stores what the site sent.
    // "" when no whole reply came: unreachable or refused host, time-out,
    // Cancel, a connection cut mid-reply, or a request already pending.
    QByteArray OpenURL(const QString &url);

    // Seconds a transfer may go without progress; 0 or more than
    // MaxSilenceSeconds means MaxSilenceSeconds. Applies at once, also to a
    // pending request.
    int RequestTimeout() const { return requestTimeout_; }
    void SetRequestTimeout(int seconds);

    bool StillExecuting() const { return pending_ != nullptr; }
    // Ends a pending OpenURL, which returns "" as soon as control gets back
    // to it. No state event is raised for a cancelled request.
    void Cancel();

    int AccessType() const { return accessType_; }
    void SetAccessType(int type) { accessType_ = type; }
    // "host", "host:port", "http://host:port" or "http=host:port"; used when
    // AccessType is icNamedProxy.
    QString Proxy() const { return proxy_; }
    void SetProxy(const QString &proxy) { proxy_ = proxy; }

    // Outcome of the last OpenURL.
    // A whole reply arrived (any HTTP status): its body is what OpenURL gave.
    bool LastCompleted() const { return completed_; }
    // A whole reply with a 2xx status: the page is the one asked for.
    bool LastSucceeded() const { return completed_ && responseCode_ >= 200 && responseCode_ < 300; }
    // HTTP status of the last reply, 0 when none came.
    int ResponseCode() const { return responseCode_; }
    // Why the last OpenURL failed; "" after a whole reply.
    QString ResponseInfo() const { return responseInfo_; }

signals:
    void StateChanged(int state);

private:
    struct Pending;
    int SilenceMs() const;
    void Reach(Pending &p, int state);
    void Take(Pending &p);
    void Judge(Pending &p);

    Pending *pending_ = nullptr;
    int requestTimeout_ = 60;
    int accessType_ = icUseDefault;
    QString proxy_;
    bool completed_ = false;
    int responseCode_ = 0;
    QString responseInfo_;
};
