#pragma once
// When a fetched reply is a page the cache may keep. Both page transports
// (the socket's hand-made request and the transfer control) follow this one
// rule, so a cut, failed or foreign reply never takes the place of the good
// page of an earlier run.
#include <QByteArray>
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

// A reply to the transfer control's HTTP/1.1 request as it arrives:
// interim replies ("100 Continue" and the like) before it are dropped,
// the rest is read by the rule above.
struct Incoming {
    QByteArray raw;
    Reply reply;
    // After more bytes were added to raw, or once the peer has closed.
    void Read(bool cleanEnd);
};

} // namespace HttpPage
