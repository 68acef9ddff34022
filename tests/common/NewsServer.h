#pragma once
// A real news server for one test: leafnode from the distribution, one
// process per connection under socat on a free loopback port, started and
// stopped by its process. leafnode keeps its configuration and spool at
// fixed system paths, so the fixture writes them (as root only) and the
// cases using it share one lock; elsewhere skipReason() says why it cannot
// run.
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

namespace tw::test {

class NewsServer {
public:
    struct Group {
        QByteArray name;
        int first = 1, last = 0;
        QByteArray description;
    };
    struct Article {
        QByteArray group;
        int number = 0;
        QByteArray text; // headers (with a Message-ID), an empty line, the body; LF line ends
    };
    NewsServer(const QList<Group> &groups, const QList<Article> &articles);
    ~NewsServer();
    NewsServer(const NewsServer &) = delete;
    NewsServer &operator=(const NewsServer &) = delete;

    // Empty when the server is up.
    QString skipReason() const { return skip_; }
    quint16 port() const { return port_; }
    QString hostPort() const { return QStringLiteral("127.0.0.1:") + QString::number(port_); }

private:
    bool Prepare(const QList<Group> &groups, const QList<Article> &articles);
    bool StartOn(quint16 port);

    QProcess process_;
    quint16 port_ = 0;
    QString skip_;
};

} // namespace tw::test
