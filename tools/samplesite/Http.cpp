#include "Http.h"

namespace {

QByteArray Reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

} // namespace

bool Request::Parse(const QByteArray &head)
{
    raw = head;
    qsizetype eol = head.indexOf('\n');
    QByteArray line = head.left(eol < 0 ? head.size() : eol);
    if (line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || parts[0].isEmpty() || !parts[2].startsWith("HTTP/"))
        return false;
    method = parts[0];
    target = parts[1];

    // The program's own requests carry the whole address and no Host line.
    QByteArray rest = target;
    if (rest.left(7).toLower() == "http://") {
        const qsizetype slash = rest.indexOf('/', 7);
        const qsizetype question = rest.indexOf('?', 7);
        const qsizetype cut = slash < 0 ? question : (question < 0 ? slash : qMin(slash, question));
        rest = cut < 0 ? QByteArray("/") : rest.mid(cut);
        if (rest.startsWith('?'))
            rest.prepend('/');
    }
    if (!rest.startsWith('/'))
        return false;
    const qsizetype q = rest.indexOf('?');
    path = q < 0 ? rest : rest.left(q);
    query = q < 0 ? QByteArray() : rest.mid(q + 1);
    return true;
}

std::optional<QByteArray> Request::FindQuery(const QByteArray &key) const
{
    for (const QByteArray &pair : query.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        if (QByteArray::fromPercentEncoding(pair.left(eq < 0 ? pair.size() : eq)) == key)
            return eq < 0 ? QByteArray() : QByteArray::fromPercentEncoding(pair.mid(eq + 1));
    }
    return std::nullopt;
}

QByteArray Reply::Head(const QByteArray &contentLength) const
{
    return "HTTP/1.0 " + QByteArray::number(status) + ' ' + Reason(status) + "\r\n"
           + "Content-Type: " + contentType + "\r\n"
           + "Content-Length: " + contentLength + "\r\n"
           + "\r\n";
}

QByteArray Reply::SerializeExactly(qint64 n) const
{
    // The head's size depends on how many digits the body's length takes; a
    // length that falls between two widths is written with a leading zero.
    for (int digits = 1; digits <= 19; ++digits) {
        const qint64 bodySize = n - Head(QByteArray(digits, '0')).size();
        if (bodySize < 0)
            break;
        const QByteArray length = QByteArray::number(bodySize);
        if (length.size() <= digits) {
            QByteArray b = body.left(bodySize);
            b.append(QByteArray(bodySize - b.size(), ' '));
            return Head(length.rightJustified(digits, '0')) + b;
        }
    }
    return Serialize().left(n);
}

Reply Reply::Status(int status)
{
    const QByteArray line = QByteArray::number(status) + ' ' + Reason(status);
    return Reply{status, "text/html", "<html><head><title>" + line + "</title></head><body><h1>" + line
                                          + "</h1></body></html>\r\n"};
}
