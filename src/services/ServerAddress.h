#pragma once
// The server a user types for mail or news: "host" or "host:port". The
// host goes into the socket's connect as it stands, so a text that could
// not be a host name is refused here, before anything is sent.
#include <QString>
#include <QtGlobal>

struct ServerAddress {
    QString host;
    quint16 port = 0;
    bool ok = false;

    // Without a colon the port is defaultPort (25 for mail, 119 for news).
    // ok is false for a text with CR, LF or a blank, an empty host, or a
    // port outside 1..65535.
    static ServerAddress Parse(const QString &text, quint16 defaultPort);
};
