#pragma once
// The program's NNTP client: one connection to a news server and the
// requests a reader makes of it (the group list, a group's header walk, an
// article's text). It holds no widget and no text of the program: it talks,
// waits and reports what happened in signals; the newsgroup window words
// and shows it, and a test drives it alone:
//
//   NewsClient client;
//   QObject::connect(&client, &NewsClient::HeaderRead, &client, [&](const Nntp::Header &h) { rows << h; });
//   if (client.Connect(ServerAddress::Parse(text, Nntp::DefaultPort)))
//       client.OpenGroup("misc.invest.stocks"); // returns when the walk is over
//
// Each command waits for its own reply (Nntp::ReplyReader matches replies
// to the commands sent), at most a minute without data arriving and five
// minutes in all; a close or socket error, or a reply past the reader's
// size bounds, ends the wait at once and the connection with it. One
// request talks to the server at a time: an article asked for during a
// header walk is fetched between two of its steps, another group asked for
// ends the walk first. A request made while another runs returns at once;
// the one running takes it up.
#include "services/Nntp.h"
#include "services/ServerAddress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <optional>

class Winsock;

class NewsClient : public QObject {
    Q_OBJECT
public:
    // socket: the socket control of the window that drives the client, or
    // nullptr for one of the client's own.
    explicit NewsClient(Winsock *socket = nullptr, QObject *parent = nullptr);

    Winsock *Socket() const { return socket_; }
    // The server has greeted and the connection still holds.
    bool Connected() const { return connected_; }

    // Connects and waits for the greeting: true when the server greeted
    // with 200 or 201. A fresh start: whatever was asked of an earlier
    // connection is dropped.
    bool Connect(const ServerAddress &server);
    // Says QUIT when connected and ends the connection at once, without
    // waiting for the answer; gives up an attempt still under way.
    void Disconnect();

    // The requests; each is dropped when the connection ends.
    void ListGroups();
    void OpenGroup(const QByteArray &name);
    void OpenArticle(const QByteArray &number);

    // How long a reply may keep silent; tests shorten it (0: the default).
    static void SetReplyTimeoutMs(int ms);
    // How long a reply may take in all, however it keeps coming; tests
    // shorten it (0: the default, 5 minutes).
    static void SetExchangeLimitMs(int ms);
    // The most the reply reader held at once since the client was made.
    qsizetype MostBuffered() const { return mostBuffered_; }

    enum class Link { Down, Connecting, Up };
    // Why a connection ended that nobody asked to end.
    enum class Failure { Closed, TooMuch, Unfinished, Silent };

signals:
    // Down: the connection is over (also at a fresh start, before
    // Connecting). Up: the server has greeted.
    void LinkChanged(NewsClient::Link link);
    // The command under way, by its state word: "LIST", "GROUP", "STAT",
    // "HEAD", "BODY"; "None" once a group list is in.
    void Asking(const QString &word);
    // The connection ends next: a close by the server, a reply past the
    // reader's bounds, past the exchange's time, or none in time.
    void Failed(NewsClient::Failure why);
    void SocketError(int number, const QString &description);
    // The greeting was not 200 or 201; the connection ends next.
    void Refused(const QByteArray &status);
    // The whole group list, a group a line (Nntp::GroupName reads its name).
    void GroupsListed(const Nntp::Lines &list);
    // A group's walk begins (its article rows start afresh) and ends
    // (however it ended), with what the server said in between.
    void WalkStarted();
    void GroupEntered(const Nntp::GroupRange &range);
    void GroupRefused(const QByteArray &name, const QByteArray &status);
    void HeaderRead(const Nntp::Header &header);
    void WalkEnded();
    // The reply to BODY: the text, or the refusal in its status.
    void ArticleRead(const Nntp::Reply &reply);

private:
    // The socket's events.
    void Winsock1_DataArrival(int bytesTotal);
    void Winsock1_Close();
    void Winsock1_Error(int number, const QString &description);

    // One command and its reply; nullopt when the connection ended, the
    // wait timed out or the client went (a signal said which).
    std::optional<Nntp::Reply> Exchange(const QByteArray &command);
    void WaitOnSocket(quint64 link);
    // The connection is over: socket closed, nothing more awaited.
    void Drop();

    // Runs the requests made, one at a time.
    void Drive();
    bool FetchList();
    void WalkGroup(const QByteArray &name);
    void FetchArticle(const QByteArray &number);
    // An article asked for meanwhile, fetched between two steps of a walk.
    void RunPendingArticle();

    Winsock *socket_ = nullptr;
    bool connected_ = false;
    Nntp::ReplyReader replies_;
    qint64 received_ = 0;
    qsizetype mostBuffered_ = 0;
    // Waiting on the socket between turns of the event loop.
    QElapsedTimer turn_;
    int skip_ = 0;
    int backoff_ = 1;
    quint64 link_ = 0; // bumped whenever a connection ends
    bool driving_ = false;
    std::optional<QByteArray> pendingGroup_;
    std::optional<QByteArray> pendingArticle_;
    bool pendingList_ = false;
};
