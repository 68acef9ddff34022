#include "services/Smtp.h"

#include <QLocale>
#include <QUuid>
#include <algorithm>
#include <cstring>
#include <optional>

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
    if (overflowed_)
        return;
    framer_.Feed(bytes);
    while (framer_.HasLine()) {
        const QByteArray line = framer_.TakeLine();
        partial_ += line + "\r\n";
        held_ += line.size() + 2;
        if (held_ > MaxReply)
            break;
        if (IsLastLine(line)) {
            replies_.append(partial_);
            partial_.clear();
        }
    }
    if (held_ > MaxReply) {
        Clear();
        overflowed_ = true;
    } else if (framer_.Overflowed()) {
        held_ -= partial_.size();
        partial_.clear();
        framer_.Clear();
        overflowed_ = true;
    }
}

QByteArray ReplyReader::TakeReply()
{
    if (replies_.isEmpty())
        return QByteArray();
    held_ -= replies_.first().size();
    return replies_.takeFirst();
}

void ReplyReader::Clear()
{
    framer_.Clear();
    partial_.clear();
    replies_.clear();
    held_ = 0;
    overflowed_ = false;
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

namespace {

// What a mail line may hold, its CR LF aside; a server refuses a longer
// one. A header line that would pass it goes as encoded words, which fold.
constexpr qsizetype kLongestLine = 998;
// UTF-8 bytes per encoded word: 60 base64 characters, 72 with the frame,
// under the 75 an encoded word may take.
constexpr qsizetype kWordBytes = 45;
// A quoted-printable line holds 76 bytes, its soft break "=" included.
constexpr qsizetype kQpLine = 75;

// A control character a header may not carry; tab is allowed.
bool Control(QChar c) { return (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f; }

QString Blanked(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (Control(c))
            c = u' ';
    return out;
}

// Printable ASCII that no reader takes for an encoded word.
bool Plain(const QString &text)
{
    for (const QChar c : text)
        if (Control(c) || c.unicode() > 0x7e)
            return false;
    return !text.contains(QLatin1String("=?"));
}

QByteArray EncodedWords(const QString &text)
{
    QByteArray out, chunk;
    const auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    // A word holds whole characters only.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QByteArray ch = QStringView(text).sliced(i, n).toUtf8();
        if (chunk.size() + ch.size() > kWordBytes)
            flush();
        chunk += ch;
        i += n;
    }
    flush();
    return out;
}

bool Atext(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')
           || (u < 0x80 && std::strchr("!#$%&'*+-/=?^_`{|}~ \t", char(u)) && u != 0);
}

// A display name as a phrase: words as they are, other printable ASCII
// quoted; none for the rest.
std::optional<QByteArray> Phrase(const QString &name)
{
    if (!Plain(name))
        return std::nullopt;
    if (std::all_of(name.begin(), name.end(), Atext))
        return name.toLatin1();
    QByteArray quoted = "\"";
    for (const QChar c : name) {
        if (c == u'"' || c == u'\\')
            quoted += '\\';
        quoted += char(c.unicode());
    }
    return quoted + '"';
}

// A header line with text between before and after: as it stands when the
// finished line fits a mail line, else as encoded words. The field name,
// quotes and address count towards the line too.
QByteArray Fitted(const QByteArray &before, const std::optional<QByteArray> &asItStands, const QString &text,
                  const QByteArray &after = QByteArray())
{
    if (asItStands && before.size() + asItStands->size() + after.size() <= kLongestLine)
        return before + *asItStands + after;
    return before + EncodedWords(text) + after;
}

} // namespace

QByteArray HeaderLine(QByteArrayView field, const QString &text)
{
    const QString value = Blanked(text);
    return Fitted(field.toByteArray() + ": ", Plain(value) ? std::optional(value.toLatin1()) : std::nullopt, value);
}

QByteArray MailboxLine(QByteArrayView field, const QString &name, const QString &address)
{
    const QString n = Blanked(name).trimmed();
    const QString a = Blanked(address).trimmed();
    const QByteArray before = field.toByteArray() + ": ";
    if (!a.contains(u'@'))
        return n.isEmpty() ? HeaderLine(field, a) : Fitted(before, Phrase(n), n);
    if (n.isEmpty() || n == a)
        return before + a.toLatin1();
    return Fitted(before, Phrase(n), n, " <" + a.toLatin1() + '>');
}

QByteArray MessageId(const QString &domain, const QDateTime &now)
{
    return '<' + now.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + '.'
           + QUuid::createUuid().toByteArray(QUuid::Id128) + '@' + domain.toLatin1() + '>';
}

QByteArray HeaderBlock(const QString &fromName, const QString &fromAddress, const QByteArray &date,
                       const QString &toName, const QString &toAddress, const QString &subject,
                       const QByteArray &messageId)
{
    return MailboxLine("From", fromName, fromAddress) + "\r\nDate: " + date
           + "\r\nX-Mailer: Kelmira Post v 2.x\r\n" + MailboxLine("To", toName, toAddress) + "\r\n"
           + HeaderLine("Subject", subject) + "\r\nMessage-ID: " + messageId
           + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
             "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
}

QByteArray DataBody(const QString &body)
{
    const QByteArray bytes = body.toUtf8();
    QByteArray out, line;
    out.reserve(bytes.size() + bytes.size() / 8 + 8);
    const auto endLine = [&] {
        if (line.startsWith('.'))
            out += '.';
        out += line + "\r\n";
        line.clear();
    };
    const auto put = [&](QByteArrayView piece) {
        if (line.size() + piece.size() > kQpLine) {
            line += '=';
            endLine();
        }
        line += piece;
    };
    const auto escaped = [](char c) {
        static const char hex[] = "0123456789ABCDEF";
        const char e[3] = {'=', hex[uchar(c) >> 4], hex[uchar(c) & 15]};
        return QByteArray(e, 3);
    };
    for (qsizetype i = 0;; ++i) {
        const bool end = i == bytes.size();
        const char c = end ? '\n' : bytes[i];
        if (c == '\r' || c == '\n') {
            // A blank at a line's end would be lost on the way.
            if (line.endsWith(' ') || line.endsWith('\t')) {
                const char blank = line.back();
                line.chop(1);
                put(escaped(blank));
            }
            endLine();
            if (end)
                break;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            continue;
        }
        const uchar u = uchar(c);
        if ((u >= 33 && u <= 126 && c != '=') || c == ' ' || c == '\t')
            put(QByteArrayView(&c, 1));
        else
            put(escaped(c));
    }
    return out + "\r\n";
}

bool AddressUsable(const QString &address)
{
    for (const QChar c : address)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == u'<' || c == u'>')
            return false;
    return true;
}

} // namespace Smtp
