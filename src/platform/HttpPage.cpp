#include "platform/HttpPage.h"

#include <QByteArrayView>
#include <QList>

namespace HttpPage {

namespace {

// One line from at: its text without the line end (LF, or CR LF); next is
// where the line after it begins, -1 while its end has not come.
struct Line {
    QByteArrayView text;
    qsizetype next = -1;
};

Line LineAt(QByteArrayView bytes, qsizetype at)
{
    const qsizetype lf = bytes.indexOf('\n', at);
    if (lf < 0)
        return {};
    qsizetype end = lf;
    if (end > at && bytes[end - 1] == '\r')
        --end;
    return {bytes.sliced(at, end - at), lf + 1};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A chunk's size line: hex digits, blanks around them and an extension
// after ";" allowed. -1 for anything else, and for a size no page has.
qint64 ChunkSize(QByteArrayView line)
{
    if (const qsizetype semi = line.indexOf(';'); semi >= 0)
        line = line.first(semi);
    while (!line.isEmpty() && IsBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && IsBlank(line.back()))
        line.chop(1);
    if (line.isEmpty())
        return -1;
    qint64 n = 0;
    for (const char c : line) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return -1;
        n = n * 16 + digit;
        if (n > MaxBytes)
            return -1;
    }
    return n;
}

enum class Chunks { Partial, Whole, Malformed };

// Walks a chunked body that begins at at. Whole sets end to the first byte
// after it (after the trailers' blank line); the data of each whole chunk
// is appended to body when one is given.
Chunks WalkChunks(QByteArrayView bytes, qsizetype at, qsizetype &end, QByteArray *body)
{
    qint64 total = 0;
    for (;;) {
        const Line sizeLine = LineAt(bytes, at);
        if (sizeLine.next < 0)
            return Chunks::Partial;
        const qint64 n = ChunkSize(sizeLine.text);
        if (n < 0)
            return Chunks::Malformed;
        at = sizeLine.next;
        if (n == 0)
            break;
        total += n;
        if (total > MaxBytes)
            return Chunks::Malformed;
        // The data is followed by a line end of its own; anything else
        // there means the size did not say where the data ends.
        const qsizetype dataEnd = at + n;
        if (bytes.size() <= dataEnd)
            return Chunks::Partial;
        qsizetype next = dataEnd + 1;
        if (bytes[dataEnd] == '\r') {
            if (bytes.size() <= dataEnd + 1)
                return Chunks::Partial;
            if (bytes[dataEnd + 1] != '\n')
                return Chunks::Malformed;
            next = dataEnd + 2;
        } else if (bytes[dataEnd] != '\n') {
            return Chunks::Malformed;
        }
        if (body)
            body->append(bytes.sliced(at, n));
        at = next;
    }
    // Trailer lines, if any, end with a blank line.
    for (;;) {
        const Line trailer = LineAt(bytes, at);
        if (trailer.next < 0)
            return Chunks::Partial;
        at = trailer.next;
        if (trailer.text.isEmpty()) {
            end = at;
            return Chunks::Whole;
        }
    }
}

// "HTTP/1.x NNN reason": NNN, or 0.
int StatusOf(QByteArrayView line)
{
    line = line.trimmed();
    if (!line.startsWith("HTTP/1."))
        return 0;
    const qsizetype space = line.indexOf(' ');
    if (space < 0)
        return 0;
    QByteArrayView code = line.sliced(space + 1);
    if (const qsizetype next = code.indexOf(' '); next >= 0)
        code = code.first(next);
    if (code.size() != 3)
        return 0;
    bool ok = false;
    const int n = code.toInt(&ok);
    return ok ? n : 0;
}

} // namespace

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
    const QByteArrayView all(bytes);
    qsizetype headEnd = all.indexOf("\r\n\r\n");
    qsizetype bodyStart = headEnd < 0 ? -1 : headEnd + 4;
    const qsizetype lf = all.first(headEnd < 0 ? all.size() : headEnd).indexOf("\n\n");
    if (lf >= 0) {
        headEnd = lf;
        bodyStart = lf + 2;
    }
    const qsizetype firstEnd = all.indexOf('\n');
    reply.status = StatusOf(all.first(firstEnd < 0 ? all.size() : firstEnd));
    if (headEnd < 0)
        return reply;
    reply.headEnded = true;
    reply.bodyStart = bodyStart;
    reply.bodyArrived = bytes.size() - bodyStart;
    const QList<QByteArray> lines = bytes.left(headEnd).split('\n');
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
    if (reply.chunked) {
        // A chunked body's length is in its chunks, whatever else is announced.
        reply.announced = -1;
        qsizetype end = 0;
        switch (WalkChunks(all, bodyStart, end, nullptr)) {
        case Chunks::Whole:
            reply.lastChunk = true;
            reply.size = end;
            break;
        case Chunks::Malformed:
            reply.malformed = true;
            break;
        case Chunks::Partial:
            break;
        }
    } else if (reply.announced >= 0 && reply.announced < reply.bodyArrived) {
        // Compared with what came, not added to where the body starts: any
        // announced length, however large, is read without overflow.
        reply.size = bodyStart + reply.announced;
    }
    return reply;
}

bool Complete(const Reply &r)
{
    if (!r.headEnded || r.malformed)
        return false;
    if (r.chunked)
        return r.lastChunk;
    if (r.announced >= 0)
        return r.bodyArrived >= r.announced;
    return r.cleanEnd;
}

bool Settled(const Reply &r)
{
    if (!r.headEnded)
        return false;
    if (r.chunked)
        return r.lastChunk || r.malformed;
    return r.announced >= 0 && r.bodyArrived >= r.announced;
}

bool IsPage(const Reply &r, qint64 minimum)
{
    return r.status == 200 && Complete(r) && r.size >= minimum && r.size <= MaxBytes;
}

QByteArray Body(const QByteArray &bytes, const Reply &r)
{
    if (!r.headEnded)
        return QByteArray();
    if (r.chunked) {
        QByteArray body;
        qsizetype end = 0;
        WalkChunks(bytes, r.bodyStart, end, &body);
        return body;
    }
    return r.announced >= 0 ? bytes.mid(r.bodyStart, r.announced) : bytes.mid(r.bodyStart);
}

void Incoming::Read(bool cleanEnd)
{
    for (;;) {
        reply = HttpPage::Read(raw, cleanEnd);
        if (!reply.headEnded || reply.status < 100 || reply.status >= 200)
            return;
        raw.remove(0, reply.bodyStart);
    }
}

} // namespace HttpPage
