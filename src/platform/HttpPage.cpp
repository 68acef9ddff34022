#include "platform/HttpPage.h"

#include <QList>

namespace HttpPage {

QByteArray GetRequest(const QString &absoluteUrl)
{
    if (absoluteUrl.isEmpty())
        return QByteArray();
    for (const QChar c : absoluteUrl)
        if (c.unicode() <= 32 || c.unicode() >= 127)
            return QByteArray();
    return "GET " + absoluteUrl.toLatin1() + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n";
}

Reply Read(const QByteArray &bytes, bool cleanEnd)
{
    Reply reply;
    reply.cleanEnd = cleanEnd;
    reply.size = bytes.size();
    reply.headEnded = false;
    // The head ends at the first blank line; servers that write bare LF
    // line ends are read too.
    qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    qsizetype bodyStart = headEnd < 0 ? -1 : headEnd + 4;
    const qsizetype lf = bytes.indexOf("\n\n");
    if (lf >= 0 && (headEnd < 0 || lf < headEnd)) {
        headEnd = lf;
        bodyStart = lf + 2;
    }
    const QByteArray head = headEnd < 0 ? bytes : bytes.left(headEnd);
    const QList<QByteArray> lines = head.split('\n');
    // "HTTP/1.x NNN reason"
    const QByteArray statusLine = lines.value(0).trimmed();
    if (statusLine.startsWith("HTTP/1.")) {
        const QList<QByteArray> words = statusLine.split(' ');
        bool ok = false;
        const int code = words.value(1).toInt(&ok);
        if (ok && words.value(1).size() == 3)
            reply.status = code;
    }
    if (headEnd < 0)
        return reply;
    reply.headEnded = true;
    reply.bodyStart = bodyStart;
    reply.bodyArrived = bytes.size() - bodyStart;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            bool ok = false;
            const qint64 n = value.toLongLong(&ok);
            if (ok && n >= 0)
                reply.announced = n;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            reply.chunked = value.toLower().contains("chunked");
        }
    }
    // A chunked body's length is in its chunks, whatever else is announced.
    if (reply.chunked)
        reply.announced = -1;
    return reply;
}

bool Complete(const Reply &r)
{
    if (!r.headEnded)
        return false;
    if (r.announced >= 0)
        return r.bodyArrived >= r.announced;
    return r.cleanEnd;
}

bool IsPage(const Reply &r, qint64 minimum)
{
    return r.status == 200 && Complete(r) && r.size >= minimum && r.size <= MaxBytes;
}

} // namespace HttpPage
