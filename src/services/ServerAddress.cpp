#include "services/ServerAddress.h"

ServerAddress ServerAddress::Parse(const QString &text, quint16 defaultPort)
{
    ServerAddress s;
    s.port = defaultPort;
    for (const QChar c : text)
        if (c == u'\r' || c == u'\n' || c == u' ')
            return s;
    const qsizetype colon = text.lastIndexOf(u':');
    s.host = colon < 0 ? text : text.left(colon);
    if (colon >= 0) {
        bool number = false;
        const QString digits = text.mid(colon + 1);
        const uint port = digits.toUInt(&number);
        if (!number || digits.startsWith(u'+') || port < 1 || port > 65535)
            return s;
        s.port = quint16(port);
    }
    s.ok = !s.host.isEmpty();
    return s;
}
