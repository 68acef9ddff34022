#include "services/Smtp.h"

#include "platform/Text.h"

#include <QLocale>

namespace Smtp {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasCode(QByteArrayView line)
{
    return line.size() >= 3 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]);
}

} // namespace

bool IsLastLine(QByteArrayView line)
{
    return HasCode(line) && (line.size() == 3 || line[3] == ' ');
}

void ReplyReader::Feed(QByteArrayView bytes)
{
    framer_.Feed(bytes);
    while (framer_.HasLine()) {
        const QByteArray line = framer_.TakeLine();
        partial_ += line + "\r\n";
        if (IsLastLine(line)) {
            replies_.append(partial_);
            partial_.clear();
        }
    }
}

QByteArray ReplyReader::TakeReply() { return replies_.isEmpty() ? QByteArray() : replies_.takeFirst(); }

void ReplyReader::Clear()
{
    framer_.Clear();
    partial_.clear();
    replies_.clear();
}

bool Accepts(QByteArrayView expected, QByteArrayView reply)
{
    return HasCode(reply) && !expected.isEmpty() && reply[0] == expected[0];
}

QByteArray DateText(const QDateTime &local)
{
    const int offset = local.offsetFromUtc() / 60;
    const int size = offset < 0 ? -offset : offset;
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(QChar(offset < 0 ? u'-' : u'+'))
                             .arg(size / 60, 2, 10, QLatin1Char('0'))
                             .arg(size % 60, 2, 10, QLatin1Char('0'));
    return QLocale::c().toString(local, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss ")).toLatin1() + zone.toLatin1();
}

QByteArray HeaderValue(const QString &text)
{
    QByteArray bytes = Text::ToCp1252(text);
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

QByteArray HeaderBlock(const QString &fromName, const QByteArray &date, const QString &toName,
                       const QString &subject)
{
    return "From: " + HeaderValue(fromName) + "\r\nDate: " + date + "\r\nX-Mailer: Kelmira Post v 2.x\r\nTo: "
           + HeaderValue(toName) + "\r\nSubject: " + HeaderValue(subject) + "\r\n\r\n";
}

QByteArray DataBody(const QString &body)
{
    const QByteArray bytes = Text::ToCp1252(body);
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 16 + 8);
    bool lineStart = true;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            out += "\r\n";
            lineStart = true;
            continue;
        }
        if (lineStart && c == '.')
            out += '.';
        out += c;
        lineStart = false;
    }
    return out + "\r\n\r\n";
}

bool AddressUsable(const QString &address)
{
    for (const QChar c : address)
        if (c == u'\r' || c == u'\n' || c == u' ' || c == u'<' || c == u'>')
            return false;
    return true;
}

Server ParseServer(const QString &text, quint16 defaultPort)
{
    Server s;
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

} // namespace Smtp
