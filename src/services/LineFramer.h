#pragma once
// Cuts the byte stream of a line protocol (SMTP, NNTP) into lines. Bytes
// arrive in pieces that need not end where a line ends: a reply can come
// split over two arrivals, or two replies in one. The framer keeps an
// unfinished line until its end arrives, so a client deals only in whole
// lines and never mistakes a fragment for a reply.
//
//     framer.Feed(bytes);
//     while (framer.HasLine())
//         Handle(framer.TakeLine());   // without its line end
//
// A line ends at LF; a CR before it is part of the line end. Servers that
// end lines with LF alone are read alike.
//
// A peer that never ends its line would have the framer keep everything it
// sends: past maxLine bytes in one line the framer drops that line and all
// after it and says Overflowed() until Clear(). The whole lines before it
// can still be taken, so where the stream was cut changes nothing.
#include <QByteArray>
#include <QByteArrayView>
#include <limits>

class LineFramer {
public:
    static constexpr qsizetype Unlimited = std::numeric_limits<qsizetype>::max() / 2;
    explicit LineFramer(qsizetype maxLine = Unlimited) : maxLine_(maxLine) {}

    void Feed(QByteArrayView bytes);
    bool HasLine() const;
    // The next whole line without its line end; empty when there is none
    // (HasLine tells an empty line from no line).
    QByteArray TakeLine();
    // Bytes of the line still being received.
    QByteArray Pending() const;
    // Bytes held: lines not yet taken and the line still being received.
    qsizetype Buffered() const { return buffer_.size() - start_; }
    bool Overflowed() const { return overflowed_; }
    void Clear();

private:
    QByteArray buffer_;
    qsizetype start_ = 0;     // first byte not yet taken
    qsizetype lineStart_ = 0; // first byte of the line still being received
    qsizetype maxLine_;
    bool overflowed_ = false;
};
