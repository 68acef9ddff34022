#pragma once
// The rules of the NNTP dialogue that need no window: how the line stream
// is cut into replies, each matched to the command that asked for it, how a
// multi-line reply ends and is unstuffed, and how group lists, group
// replies, article headers and the shipped and personal group lists read.
// The news client (NewsClient) only sends, waits and reports; a test or a
// fuzz target checks these rules on bytes alone.
#include "services/LineFramer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>
#include <optional>

namespace Nntp {

constexpr quint16 DefaultPort = 119;

// A multi-line reply's data lines, dot-stuffing undone, in one buffer, each
// line followed by an LF (a line never holds one). A group list at the
// reply's bound is a million short lines: a buffer of its own for each cost
// about five times the bytes received, one for all costs about what came.
class Lines {
public:
    Lines() = default;
    explicit Lines(const QList<QByteArray> &lines);

    void Append(QByteArrayView line);
    // Gives back the room kept for lines to come.
    void Squeeze() { text_.squeeze(); }
    qsizetype Count() const { return count_; }
    // Bytes of the lines, an LF after each.
    qsizetype Bytes() const { return text_.size(); }
    bool IsEmpty() const { return count_ == 0; }
    // The lines joined by LF, as an article's text shows.
    QByteArrayView Joined() const { return QByteArrayView(text_).chopped(count_ > 0 ? 1 : 0); }
    QList<QByteArray> List() const;
    friend bool operator==(const Lines &a, const Lines &b) { return a.text_ == b.text_; }

    // Walks the lines in order, each without its line end. It shares the
    // buffer, so it stays good however the Lines it came from fare.
    class const_iterator {
    public:
        QByteArrayView operator*() const { return QByteArrayView(text_).sliced(at_, end_ - at_); }
        const_iterator &operator++();
        bool operator==(const const_iterator &o) const { return at_ == o.at_; }
        bool AtEnd() const { return at_ >= text_.size(); }

    private:
        friend class Lines;
        const_iterator(const QByteArray &text, qsizetype at);
        QByteArray text_;
        qsizetype at_ = 0, end_ = 0;
    };
    const_iterator begin() const { return const_iterator(text_, 0); }
    const_iterator end() const { return const_iterator(text_, text_.size()); }

private:
    QByteArray text_;
    qsizetype count_ = 0;
};

struct Reply {
    QByteArray command; // the line that asked for it; empty for the greeting
    QByteArray status;  // the status line, without its line end
    Lines lines;        // a multi-line reply's data
    QByteArray Code() const { return status.left(3); }
};

// Whether the reply to command that begins with status goes on in data
// lines up to a line ".": the list (215), a header (221), a body (222).
bool MultiLine(QByteArrayView command, QByteArrayView status);

// Replies in order of arrival, each with the command it answers: commands
// are answered in the order they were sent, so a queue of the commands sent
// tells which reply is which, however the bytes were cut or merged.
//
// A server that never ends a line or a list would have the client keep all
// it sends. Past MaxLine bytes in a line, or MaxReply bytes of one reply,
// the reader drops that reply and all after it, reads no more and says
// Overflowed() until Clear(); the whole replies before it stay. A whole
// group list of a large server is a few megabytes.
constexpr qsizetype MaxLine = 64 * 1024;
constexpr qsizetype MaxReply = 16 * 1024 * 1024;
class ReplyReader {
public:
    // The next reply still to be read answers this line (the greeting: an
    // empty line, expected before anything is sent).
    void Expect(const QByteArray &command);
    void Feed(QByteArrayView bytes);
    bool HasReply() const { return !replies_.isEmpty(); }
    Reply TakeReply();
    // Commands whose reply has not yet come in full.
    qsizetype Outstanding() const { return expected_.size() + (partial_ ? 1 : 0); }
    bool Overflowed() const { return overflowed_; }
    // Bytes held: replies not yet taken, the unfinished one, the open line.
    qsizetype Buffered() const { return held_ + partialBytes_ + framer_.Buffered(); }
    void Clear();

private:
    LineFramer framer_{MaxLine};
    QList<QByteArray> expected_;
    std::optional<Reply> partial_;
    qsizetype partialBytes_ = 0; // data of partial_
    QList<Reply> replies_;
    qsizetype held_ = 0; // data of replies_
    bool overflowed_ = false;
};

// A group list line's group: its first field, up to a blank or a tab.
QByteArray GroupName(QByteArrayView line);

// "211 count first last name": the first and last article numbers, digits
// only; nullopt for any other reply.
struct GroupRange {
    QByteArray first, last;
};
std::optional<GroupRange> ParseGroup(QByteArrayView status);

// One article grid row from a "221" reply: the number from its status line,
// the fields from the header lines whose names match at the line start
// without regard to case; a missing field stays empty (the line count 0).
struct Header {
    QByteArray number, subject, date, from;
    int16_t lines = 0;
};
Header ParseHeader(const Reply &reply);

// Outside text that goes into a command line: a group name (after trimming)
// with no blank or control character, an article number of digits only.
bool GroupNameUsable(QByteArrayView name);
bool ArticleNumberUsable(QByteArrayView number);

// The shipped list's section of one category: from the line "[" caption
// "]" to the next line that begins with "[", or to the end of the file. Each
// line longer than four characters gives one row, its "=" turned into tabs
// (description, then group), blanks cut at both ends.
QList<QByteArray> CategoryRows(const QByteArray &file, QByteArrayView caption);

// My List: one group name a line, blanks kept, empty lines skipped.
QList<QByteArray> MyListRows(const QByteArray &file);

} // namespace Nntp
