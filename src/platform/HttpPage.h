#pragma once
// When a fetched reply is a page the cache may keep. Both page transports
// (the socket's hand-made request and the transfer control) follow this one
// rule, so a cut, failed or foreign reply never takes the place of the good
// page of an earlier run.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace HttpPage {

// No page is this large; a reply that grows past it is given up, which also
// bounds the memory one fetch can take.
constexpr qint64 MaxBytes = 10 * 1024 * 1024;

struct Reply {
    int status = 0;          // 0: no status line arrived
    qint64 announced = -1;   // Content-Length; -1 when none was sent
    qint64 bodyArrived = 0;  // bytes of the body that came
    bool cleanEnd = false;   // the peer closed in order (no reset, no time-out)
    // What would be stored: the reply up to its announced length or its
    // last chunk, never bytes that came behind it.
    qint64 size = 0;
    bool headEnded = true;   // the blank line after the headers came
    qsizetype bodyStart = -1; // where the body begins in the bytes read
    bool chunked = false;     // "Transfer-Encoding: chunked"
    bool lastChunk = false;   // a chunked body's last chunk and trailers came
    bool malformed = false;   // a chunked body that cannot be read
    friend bool operator==(const Reply &, const Reply &) = default;
};

// The hand-made request the socket fetches send: "GET " + the absolute
// address + " HTTP/1.0", two Accept lines, a blank line, no Host line. Empty
// when the address could carry a second word or line into the request.
QByteArray GetRequest(const QString &absoluteUrl);

// A raw reply as the socket received it: status line, headers, body.
Reply Read(const QByteArray &bytes, bool cleanEnd);

// All of it came: its announced length, its last chunk (every chunk size
// line read as a size), or with neither a clean end.
bool Complete(const Reply &r);
// Nothing that comes later changes the verdict: the reply is complete by
// its own length or last chunk, or its chunks cannot be read. A peer that
// keeps the connection open need not be waited for.
bool Settled(const Reply &r);
// A page: status 200, complete, at least minimum bytes and at most MaxBytes.
bool IsPage(const Reply &r, qint64 minimum);
// The body as the transfer control hands it on: a chunked body decoded,
// else the announced bytes, else all that came.
QByteArray Body(const QByteArray &bytes, const Reply &r);

// A chunked body walked as it arrives: where the walk stopped is kept, so
// no chunk is read twice, and each whole chunk's data is kept as it passes.
struct ChunkWalk {
    enum Phase { SizeLine, Data, Trailers, Whole, Malformed };
    Phase phase = SizeLine;
    qsizetype at = 0;     // where the line or data being read begins
    qsizetype scan = 0;   // where the look for that line's end goes on
    qint64 chunk = 0;     // the size of the chunk whose data is awaited
    qint64 total = 0;     // the data of all chunks so far
    QByteArray body;      // lead, then the data of every whole chunk
    explicit ChunkWalk(qsizetype bodyStart = 0, QByteArrayView lead = {})
        : at(bodyStart), scan(bodyStart), body(lead.toByteArray())
    {
    }
    // Goes on over bytes that grew at their end since the last call.
    void Walk(QByteArrayView bytes);

private:
    // One size line, chunk or trailer line; false once it must wait for
    // more bytes or the walk is over. seen counts the bytes looked at.
    bool Step(QByteArrayView bytes, qint64 &seen);
};

// One reply read as its bytes arrive, by the rules above, for both
// transports. The head is looked for from where the last look ended and a
// chunked body walked on from where it stopped, so however finely a reply
// is split, each byte is looked at a bounded number of times. Between calls
// the bytes only grow at their end.
class Reader {
public:
    // What HttpPage::Read says of the bytes so far.
    const Reply &Read(const QByteArray &bytes, bool cleanEnd);
    // Body() of the bytes last read, without walking them again.
    QByteArray Body(const QByteArray &bytes) const;
    // The page as the socket stores it: its status line and headers as they
    // came, then its body as the transfer control hands it on. For a reply
    // that is not chunked that is the reply itself, up to its end.
    QByteArray Page(const QByteArray &bytes) const;

private:
    void FindHead(QByteArrayView bytes);
    int Status(QByteArrayView firstLine);

    Reply reply_;
    bool headEnded_ = false;
    qsizetype headScan_ = 0;   // where the look for the blank line goes on
    qsizetype firstEnd_ = -1;  // the first line's LF, once it came
    // The first line as far as it came, for its status.
    qsizetype lineSeen_ = 0;   // bytes of it looked at
    qsizetype lineFirst_ = -1; // its first byte that is no blank
    qsizetype lineLast_ = -1;  // and its last
    qsizetype space_ = -1;     // its first space after "HTTP/1."
    qsizetype spaceScan_ = 0;  // where the look for that space goes on
    ChunkWalk walk_;
};

// A reply to the transfer control's HTTP/1.1 request as it arrives:
// interim replies ("100 Continue" and the like) before it are dropped,
// the rest is read by the rule above.
struct Incoming {
    QByteArray raw;
    Reply reply;
    // After more bytes were added to raw, or once the peer has closed.
    void Read(bool cleanEnd);
    // Body() of raw, as read.
    QByteArray Body() const { return reader_.Body(raw); }

private:
    Reader reader_;
};

// Bytes of replies looked at by all reading so far, for the tests that a
// reply costs its size to read however it is split into arrivals.
qint64 BytesLooked();

} // namespace HttpPage
