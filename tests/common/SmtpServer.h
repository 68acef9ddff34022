#pragma once
// A real SMTP server for one test (aiosmtpd from the distribution), started
// on a free loopback port and stopped, by its process, when the fixture
// goes. With the mailbox handler each accepted mail becomes a file of the
// maildir, its headers followed by X-Peer, X-MailFrom and X-RcptTo lines,
// and its bytes as they came are kept too.
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

namespace tw::test {

class SmtpServer {
public:
    enum class Handler { Mailbox, RefuseRecipient };
    // port 0: a free one.
    explicit SmtpServer(Handler handler = Handler::Mailbox, quint16 port = 0);
    ~SmtpServer();
    SmtpServer(const SmtpServer &) = delete;
    SmtpServer &operator=(const SmtpServer &) = delete;

    // 0 when the server did not come up.
    quint16 port() const { return port_; }
    QString hostPort() const; // "127.0.0.1:port"
    // The accepted mails as stored, oldest first.
    QList<QByteArray> mails() const;
    // The data of every mail the server was given, exactly as it came
    // (dots unstuffed), oldest first.
    QList<QByteArray> received() const;
    // A mail as Python's email package reads it under its strict policy
    // (tests/common/mailcheck.py): "headers" ([name, value] in order),
    // "from" and "to" ([display name, address] each), "subject",
    // "message_id", "body" (decoded), "defects", "longest" (wire line),
    // or "error" when it cannot be read at all.
    static QJsonObject read(const QByteArray &mail);
    // The lines of a stored mail (or a part of one), without line ends.
    static QList<QByteArray> lines(const QByteArray &mail);

private:
    bool StartOn(quint16 port, Handler handler);

    QTemporaryDir dir_;
    QString maildir_;
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace tw::test
