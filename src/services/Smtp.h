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
//
// A reply line holds at most 512 bytes and a reply a few lines; a server
// that floods one would have the client keep all it sends. Past
// MaxReplyLine bytes in a line the reader keeps the replies whole before
// it, drops the rest, reads no more and says Overflowed() until Clear();
// past MaxReply bytes held (the unfinished reply and those not yet taken)
// it drops everything.
constexpr qsizetype MaxReplyLine = 4096;
constexpr qsizetype MaxReply = 256 * 1024;
class ReplyReader {
public:
    void Feed(QByteArrayView bytes);
    bool HasReply() const { return !replies_.isEmpty(); }
    // Every line of the next reply, each ended with CR LF.
    QByteArray TakeReply();
    bool Overflowed() const { return overflowed_; }
    // Bytes held: replies not yet taken, the unfinished one, the open line.
    qsizetype Buffered() const { return held_ + framer_.Buffered(); }
    void Clear();

private:
    LineFramer framer_{MaxReplyLine};
    QByteArray partial_; // lines of a reply whose last line has not come
    QList<QByteArray> replies_;
    qsizetype held_ = 0; // bytes of partial_ and replies_
    bool overflowed_ = false;
};
bool IsLastLine(QByteArrayView line);

// Whether reply is in the class of the expected code: any 2xx where 220 or
// 250 is awaited, any 3xx for 354. Exact codes would refuse a
// server that greets with 200-something although it means yes.
bool Accepts(QByteArrayView expected, QByteArrayView reply);

// "Wed, 09 Dec 2026 01:48:37 -0600": English names whatever the user's
// language, and the zone offset that holds at that moment on this machine.
QByteArray DateText(const QDateTime &local);

// "Field: text", without its line end. Header text never holds a control
// character but tab: CR and LF would start a header line of their own, and
// a receiving parser may take a vertical tab or form feed for a line end
// too. Text that is not plain ASCII, or would make the line longer than
// the 998 octets a mail line holds, goes as RFC 2047 encoded words
// (UTF-8), folded onto continuation lines.
QByteArray HeaderLine(QByteArrayView field, const QString &text);
// A From or To line: "Field: Name <address>", the address alone when the
// name is empty or the address itself, the name alone when the address is
// none (no "@", as the canned mails' "-"). A name that is not plain words
// is quoted, or encoded as above when it is not plain ASCII or the line
// with its quotes and address would be too long. The address is one that
// AddressUsable passes.
QByteArray MailboxLine(QByteArrayView field, const QString &name, const QString &address);
// "<time.random@domain>": one of its own for every mail.
QByteArray MessageId(const QString &domain, const QDateTime &now);
// The headers and the empty line after them: the five the mail always had,
// then the message id and what says the body is UTF-8, quoted-printable.
QByteArray HeaderBlock(const QString &fromName, const QString &fromAddress, const QByteArray &date,
                       const QString &toName, const QString &toAddress, const QString &subject,
                       const QByteArray &messageId);
// The body as the data section carries it: UTF-8, quoted-printable (so no
// wire line passes 76 bytes however long a typed paragraph), every line end
// CR LF, a line that begins with "." doubled at its start (else a lone "."
// would end the data early), then a line end and an empty line.
QByteArray DataBody(const QString &body);

// An envelope address goes into a command line as it is: a control
// character (CR, LF, NUL, tab ...), a blank or an angle bracket in it could
// add a command or a second address, and one beyond printable ASCII would
// go out as 8-bit bytes a command may not hold, or altered into another
// address.
bool AddressUsable(const QString &address);

} // namespace Smtp
