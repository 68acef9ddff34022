#include "platform/HttpPage.h"

#include <QByteArrayView>
#include <QList>

#include <atomic>

namespace HttpPage {

namespace {

std::atomic<qint64> looked{0};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The blanks a trimmed text loses at its ends.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

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
    return Reader().Read(bytes, cleanEnd);
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
        ChunkWalk walk(r.bodyStart);
        walk.Walk(bytes);
        return walk.body;
    }
    return r.announced >= 0 ? bytes.mid(r.bodyStart, r.announced) : bytes.mid(r.bodyStart);
}

void ChunkWalk::Walk(QByteArrayView bytes)
{
    qint64 seen = 0;
    while (Step(bytes, seen)) {
    }
    looked += seen;
}

bool ChunkWalk::Step(QByteArrayView bytes, qint64 &seen)
{
    if (phase == Whole || phase == Malformed)
        return false;
    if (phase == Data) {
        // The data is followed by a line end of its own; anything else there
        // means the size did not say where the data ends.
        const qsizetype dataEnd = at + chunk;
        if (bytes.size() <= dataEnd)
            return false;
        qsizetype next = dataEnd + 1;
        if (bytes[dataEnd] == '\r') {
            if (bytes.size() <= next)
                return false;
            if (bytes[next++] != '\n')
                phase = Malformed;
        } else if (bytes[dataEnd] != '\n') {
            phase = Malformed;
        }
        if (phase == Malformed)
            return false;
        body.append(bytes.sliced(at, chunk));
        seen += next - at;
        at = scan = next;
        phase = SizeLine;
        return true;
    }
    const qsizetype lf = bytes.indexOf('\n', scan);
    seen += (lf < 0 ? bytes.size() : lf + 1) - scan;
    if (lf < 0) {
        scan = bytes.size();
        return false;
    }
    QByteArrayView line = bytes.sliced(at, lf - at);
    if (line.endsWith('\r'))
        line.chop(1);
    at = scan = lf + 1;
    if (phase == Trailers) {
        // Trailer lines, if any, end with a blank line.
        if (line.isEmpty())
            phase = Whole;
        return true;
    }
    chunk = ChunkSize(line);
    if (chunk < 0)
        phase = Malformed;
    else if (chunk == 0)
        phase = Trailers;
    else
        phase = (total += chunk) > MaxBytes ? Malformed : Data;
    return true;
}

// The head ends at the first blank line; servers that write bare LF line
// ends are read too. Every LF is looked at once, and the last one again
// while the bytes that tell whether it ends the head have not come.
void Reader::FindHead(QByteArrayView bytes)
{
    qsizetype headEnd = -1;
    qsizetype bodyStart = -1;
    qint64 seen = 0;
    while (headEnd < 0) {
        const qsizetype lf = bytes.indexOf('\n', headScan_);
        seen += (lf < 0 ? bytes.size() : lf + 1) - headScan_;
        if (lf < 0) {
            headScan_ = bytes.size();
            break;
        }
        if (firstEnd_ < 0)
            firstEnd_ = lf;
        headScan_ = lf;
        if (bytes.size() <= lf + 1)
            break;
        if (bytes[lf + 1] == '\n') {
            headEnd = lf;
            bodyStart = lf + 2;
        } else if (bytes[lf + 1] == '\r' && lf > 0 && bytes[lf - 1] == '\r') {
            if (bytes.size() <= lf + 2)
                break;
            if (bytes[lf + 2] == '\n') {
                headEnd = lf - 1;
                bodyStart = lf + 3;
            }
        }
        headScan_ = lf + 1;
    }
    looked += seen;
    if (headEnd < 0)
        return;
    headEnded_ = true;
    reply_.bodyStart = bodyStart;
    looked += headEnd;
    const QList<QByteArray> lines = bytes.first(headEnd).toByteArray().split('\n');
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
                reply_.announced = n;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            reply_.chunked = value.toLower().contains("chunked");
        }
    }
    // A chunked body's length is in its chunks, whatever else is announced.
    // The data goes behind the head: the socket's page then needs no copy.
    if (reply_.chunked) {
        reply_.announced = -1;
        walk_ = ChunkWalk(bodyStart, bytes.first(bodyStart));
    }
}

// "HTTP/1.x NNN reason": NNN, or 0; of the first line as far as it came,
// which can be as long as the reply.
int Reader::Status(QByteArrayView line)
{
    looked += line.size() - lineSeen_;
    for (; lineSeen_ < line.size(); ++lineSeen_) {
        if (IsSpace(line[lineSeen_]))
            continue;
        if (lineFirst_ < 0)
            lineFirst_ = lineSeen_;
        lineLast_ = lineSeen_;
    }
    if (lineFirst_ < 0 || !line.sliced(lineFirst_).startsWith("HTTP/1."))
        return 0;
    if (space_ < 0) {
        spaceScan_ = qMax(spaceScan_, lineFirst_ + 7);
        space_ = line.indexOf(' ', spaceScan_);
        looked += (space_ < 0 ? line.size() : space_ + 1) - spaceScan_;
        spaceScan_ = line.size();
        if (space_ < 0)
            return 0;
    }
    // The code runs from the space to the next one or to the trimmed end;
    // blanks after the space alone are no part of the trimmed line.
    const qsizetype from = space_ + 1;
    if (lineLast_ < from)
        return 0;
    QByteArrayView code = line.sliced(from, qMin(lineLast_ + 1 - from, qsizetype(4)));
    if (const qsizetype next = code.indexOf(' '); next >= 0)
        code = code.first(next);
    if (code.size() != 3)
        return 0;
    bool ok = false;
    const int n = code.toInt(&ok);
    return ok ? n : 0;
}

const Reply &Reader::Read(const QByteArray &bytes, bool cleanEnd)
{
    const QByteArrayView all(bytes);
    if (!headEnded_)
        FindHead(all);
    reply_.cleanEnd = cleanEnd;
    reply_.size = all.size();
    reply_.headEnded = headEnded_;
    reply_.status = Status(all.first(firstEnd_ < 0 ? all.size() : firstEnd_));
    if (!headEnded_)
        return reply_;
    reply_.bodyArrived = all.size() - reply_.bodyStart;
    if (reply_.chunked) {
        walk_.Walk(all);
        reply_.lastChunk = walk_.phase == ChunkWalk::Whole;
        reply_.malformed = walk_.phase == ChunkWalk::Malformed;
        if (reply_.lastChunk)
            reply_.size = walk_.at;
    } else if (reply_.announced >= 0 && reply_.announced < reply_.bodyArrived) {
        // Compared with what came, not added to where the body starts: any
        // announced length, however large, is read without overflow.
        reply_.size = reply_.bodyStart + reply_.announced;
    }
    return reply_;
}

QByteArray Reader::Body(const QByteArray &bytes) const
{
    return reply_.chunked ? walk_.body.sliced(reply_.bodyStart) : HttpPage::Body(bytes, reply_);
}

QByteArray Reader::Page(const QByteArray &bytes) const
{
    return reply_.chunked ? walk_.body : bytes.left(reply_.size);
}

void Incoming::Read(bool cleanEnd)
{
    for (;;) {
        reply = reader_.Read(raw, cleanEnd);
        if (!reply.headEnded || reply.status < 100 || reply.status >= 200)
            return;
        raw.remove(0, reply.bodyStart);
        reader_ = Reader();
    }
}

qint64 BytesLooked()
{
    return looked;
}

} // namespace HttpPage
