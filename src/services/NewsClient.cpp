#include "services/NewsClient.h"

#include "core/Misc.h"
#include "platform/Vb.h"
#include "platform/Wait.h"
#include "platform/Winsock.h"

#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

namespace {

// A long group list keeps arriving; only a server silent this long is given up.
constexpr int kDefaultReplyTimeoutMs = 60000;
int g_replyTimeoutMs = kDefaultReplyTimeoutMs;
// However it keeps arriving, no reply takes longer: a large server's whole
// group list comes over a slow line in a minute or two.
constexpr int kDefaultExchangeLimitMs = 300000;
int g_exchangeLimitMs = kDefaultExchangeLimitMs;

} // namespace

void NewsClient::SetReplyTimeoutMs(int ms) { g_replyTimeoutMs = ms > 0 ? ms : kDefaultReplyTimeoutMs; }
void NewsClient::SetExchangeLimitMs(int ms) { g_exchangeLimitMs = ms > 0 ? ms : kDefaultExchangeLimitMs; }

NewsClient::NewsClient(Winsock *socket, QObject *parent) : QObject(parent), socket_(socket)
{
    if (!socket_)
        socket_ = new Winsock(this);
    connect(socket_, &Winsock::DataArrival, this, &NewsClient::Winsock1_DataArrival);
    connect(socket_, &Winsock::Closed, this, &NewsClient::Winsock1_Close);
    connect(socket_, &Winsock::Error, this, &NewsClient::Winsock1_Error);
}

void NewsClient::Winsock1_DataArrival(int)
{
    QByteArray bytes;
    socket_->GetData(bytes);
    received_ += bytes.size();
    replies_.Feed(bytes);
    mostBuffered_ = qMax(mostBuffered_, replies_.Buffered());
}

void NewsClient::Drop()
{
    socket_->Close();
    replies_.Clear();
    ++link_;
    skip_ = 0;
    backoff_ = 1;
    connected_ = false;
    emit LinkChanged(Link::Down);
}

void NewsClient::Winsock1_Close()
{
    emit Failed(Failure::Closed);
    Drop();
}

void NewsClient::Winsock1_Error(int number, const QString &description)
{
    emit SocketError(number, description);
    Drop();
}

// A server nearby answers within a fraction of a millisecond, sooner than
// a turn of the event loop takes: waiting on the socket itself makes a
// header walk about twice as fast. The loop still turns every few
// milliseconds, and a server that lets a whole turn pass without a reply is
// waited for in the loop: after such a miss the socket is tried again only
// after twice as many commands as the last time.
void NewsClient::WaitOnSocket(quint64 link)
{
    constexpr int kTurnMs = 8, kMostSkipped = 64;
    const QPointer<NewsClient> self(this);
    if (!turn_.isValid())
        turn_.start();
    if (skip_ > 0) {
        --skip_;
    } else {
        QElapsedTimer waited;
        waited.start();
        while (self && link_ == link && !replies_.HasReply() && !replies_.Overflowed()) {
            const qint64 left = kTurnMs - turn_.elapsed();
            if (left <= 0 || !socket_->WaitForData(int(left)))
                break;
        }
        if (!self)
            return;
        if (replies_.HasReply()) {
            backoff_ = 1;
        } else if (waited.elapsed() >= kTurnMs) {
            backoff_ = qMin(backoff_ * 2, kMostSkipped);
            skip_ = backoff_;
        }
    }
    if (turn_.elapsed() >= kTurnMs) {
        Misc::DoEvents();
        if (self)
            turn_.restart();
    }
}

std::optional<Nntp::Reply> NewsClient::Exchange(const QByteArray &command)
{
    const quint64 link = link_;
    replies_.Expect(command);
    if (!command.isEmpty()) {
        try {
            socket_->SendData(command + "\r\n");
        } catch (const VbError &) {
            Drop();
            return std::nullopt;
        }
    }
    const QPointer<NewsClient> self(this);
    QElapsedTimer overall;
    overall.start();
    WaitOnSocket(link);
    if (!self)
        return std::nullopt;
    bool overLimit = false;
    if (!replies_.HasReply() && !replies_.Overflowed()) {
        // Silence ends the wait, and so does the limit, however the bytes keep coming.
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, &limit, [&overLimit] { overLimit = true; });
        limit.start(int(qMax<qint64>(0, g_exchangeLimitMs - overall.elapsed())));
        WaitUntil([&] { return !self || replies_.HasReply() || replies_.Overflowed(); }, g_replyTimeoutMs,
                  [&] { return !self || link_ != link || overLimit; }, [&] { return self ? received_ : 0; });
        if (!self)
            return std::nullopt;
        turn_.restart();
    }
    if (link_ != link)
        return std::nullopt;
    if (replies_.HasReply() && !replies_.Overflowed())
        return replies_.TakeReply();
    if (replies_.Overflowed())
        emit Failed(Failure::TooMuch);
    else if (overLimit)
        emit Failed(Failure::Unfinished);
    else
        emit Failed(Failure::Silent);
    Drop();
    return std::nullopt;
}

bool NewsClient::Connect(const ServerAddress &server)
{
    // A fresh start: nothing of an earlier connection is waited for.
    Drop();
    pendingGroup_.reset();
    pendingArticle_.reset();
    pendingList_ = false;
    emit LinkChanged(Link::Connecting);
    try {
        socket_->Connect(server.host, server.port);
    } catch (const VbError &e) {
        Winsock1_Error(int(e.number), e.description);
        return false;
    }
    const QPointer<NewsClient> self(this);
    const std::optional<Nntp::Reply> greeting = Exchange(QByteArray());
    if (!self || !greeting)
        return false;
    if (greeting->Code() != "200" && greeting->Code() != "201") {
        emit Refused(greeting->status);
        Drop();
        return false;
    }
    connected_ = true;
    emit LinkChanged(Link::Up);
    return true;
}

void NewsClient::Disconnect()
{
    if (!connected_) {
        // An attempt still under way is given up.
        if (socket_->State() != Winsock::sckClosed)
            Drop();
        return;
    }
    Vb::Skip([this] { socket_->SendData("QUIT\r\n"); });
    Drop();
}

void NewsClient::ListGroups()
{
    pendingList_ = true;
    Drive();
}

void NewsClient::OpenGroup(const QByteArray &name)
{
    pendingGroup_ = name;
    Drive();
}

void NewsClient::OpenArticle(const QByteArray &number)
{
    pendingArticle_ = number;
    Drive();
}

void NewsClient::Drive()
{
    // A request made while another talks to the server waits for its turn
    // (an article between two steps of a walk; a group ends the walk).
    if (driving_)
        return;
    driving_ = true;
    const QPointer<NewsClient> self(this);
    while (self && connected_ && (pendingArticle_ || pendingGroup_ || pendingList_)) {
        if (pendingArticle_) {
            RunPendingArticle();
        } else if (pendingGroup_) {
            const QByteArray name = *pendingGroup_;
            pendingGroup_.reset();
            WalkGroup(name);
        } else {
            pendingList_ = false;
            if (!FetchList())
                break;
        }
    }
    if (!self)
        return;
    driving_ = false;
    if (!connected_) {
        pendingArticle_.reset();
        pendingGroup_.reset();
        pendingList_ = false;
    }
}

bool NewsClient::FetchList()
{
    const QPointer<NewsClient> self(this);
    emit Asking(QStringLiteral("LIST"));
    const std::optional<Nntp::Reply> list = Exchange("LIST");
    if (!self || !list)
        return false;
    emit Asking(QStringLiteral("None"));
    emit GroupsListed(list->lines);
    return true;
}

void NewsClient::RunPendingArticle()
{
    if (!pendingArticle_)
        return;
    const QByteArray number = *pendingArticle_;
    pendingArticle_.reset();
    FetchArticle(number);
}

void NewsClient::FetchArticle(const QByteArray &number)
{
    emit Asking(QStringLiteral("BODY"));
    const QPointer<NewsClient> self(this);
    const std::optional<Nntp::Reply> body = Exchange("BODY " + number);
    if (self && body)
        emit ArticleRead(*body);
}

void NewsClient::WalkGroup(const QByteArray &name)
{
    const QPointer<NewsClient> self(this);
    emit WalkStarted();
    // However the walk ends, its end is told.
    const auto ended = qScopeGuard([&] {
        if (self)
            emit WalkEnded();
    });
    emit Asking(QStringLiteral("GROUP"));
    const std::optional<Nntp::Reply> group = Exchange("GROUP " + name);
    if (!self || !group)
        return;
    const std::optional<Nntp::GroupRange> range = Nntp::ParseGroup(group->status);
    if (!range) {
        emit GroupRefused(name, group->status);
        return;
    }
    emit GroupEntered(*range);
    emit Asking(QStringLiteral("STAT"));
    std::optional<Nntp::Reply> step = Exchange("STAT " + range->first);
    // Each step checks whether another group was asked for meanwhile.
    while (self && step && step->Code() == "223" && !pendingGroup_) {
        RunPendingArticle();
        if (!self || pendingGroup_ || !connected_)
            return;
        emit Asking(QStringLiteral("HEAD"));
        const std::optional<Nntp::Reply> head = Exchange("HEAD");
        if (!self || !head || head->Code() != "221")
            return;
        emit HeaderRead(Nntp::ParseHeader(*head));
        RunPendingArticle();
        if (!self || pendingGroup_ || !connected_)
            return;
        emit Asking(QStringLiteral("STAT"));
        step = Exchange("NEXT");
    }
}
