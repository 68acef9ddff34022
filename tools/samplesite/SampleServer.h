#pragma once
// The sample site's HTTP/1.0 server: loopback only, one event loop, one
// request per connection, the connection closed after the reply.
#include "Faults.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class SampleServer : public QObject {
    Q_OBJECT
public:
    explicit SampleServer(const QString &logFile, QObject *parent = nullptr);
    // Listens on 127.0.0.1; port 0 takes any free port.
    bool Listen(quint16 port);
    quint16 Port() const { return server_.serverPort(); }
    QString ErrorString() const { return server_.errorString(); }

private:
    void Accept();
    void Serve(QTcpSocket *socket, const QByteArray &head);
    void Log(const QByteArray &head) const;

    QTcpServer server_;
    QString logFile_;
    Faults faults_;
};
