#pragma once
// The rules of the SMTP dialogue that need no window: how replies are told
// apart in the line stream, which reply a step accepts, what may go into an
// envelope or a header, and the exact bytes of the message. The compose
// window's client (frmEmail::SendEmail) only sends, waits and reports; a
// test or a fuzz target checks these rules on bytes alone.
#include "services/LineFramer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

namespace Smtp {

constexpr quint16 DefaultPort = 25;

// A reply is one line, or several whose codes are followed by "-" and whose
// last has its code followed by a blank or standing alone. The reader hands
// out whole replies only, in order of arrival, so each command gets exactly
// one reply however the server's bytes were split or merged.
class ReplyReader {
public:
    void Feed(QByteArrayView bytes);
    bool HasReply() const { return !replies_.isEmpty(); }
    // Every line of the next reply, each ended with CR LF.
    QByteArray TakeReply();
    void Clear();

private:
    LineFramer framer_;
    QByteArray partial_; // lines of a reply whose last line has not come
    QList<QByteArray> replies_;
};
bool IsLastLine(QByteArrayView line);

// Whether reply is in the class of the expected code: any 2xx where 220 or
// 250 is awaited, any 3xx for 354. Exact codes would refuse a
// server that greets with 200-something although it means yes.
bool Accepts(QByteArrayView expected, QByteArrayView reply);

// "Wed, 09 Dec 2026 01:48:37 -0600": English names whatever the user's
// language, and the zone offset that holds at that moment on this machine.
QByteArray DateText(const QDateTime &local);

// A header value in the mail's code page, CR and LF turned into blanks, so
// no typed text can start a header line of its own.
QByteArray HeaderValue(const QString &text);
// The five headers and the empty line after them.
QByteArray HeaderBlock(const QString &fromName, const QByteArray &date, const QString &toName,
                       const QString &subject);
// The body as the data section carries it: every line end CR LF, a line
// that begins with "." doubled at its start (else a lone "." would end the
// data early), then a line end and an empty line.
QByteArray DataBody(const QString &body);

// An envelope address goes into a command line as it is: CR, LF, a blank
// or an angle bracket in it could add a command or a second address.
bool AddressUsable(const QString &address);

// "host" or "host:port"; without a colon the port is defaultPort (25 for
// mail, 119 for news). ok is false for a text with CR, LF or a blank, an
// empty host, or a port outside 1..65535.
struct Server {
    QString host;
    quint16 port = DefaultPort;
    bool ok = false;
};
Server ParseServer(const QString &text, quint16 defaultPort = DefaultPort);

} // namespace Smtp
