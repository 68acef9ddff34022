#include "services/Nntp.h"

namespace Nntp {

namespace {

bool IsDigits(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

QByteArray Verb(QByteArrayView command)
{
    const qsizetype blank = command.indexOf(' ');
    return (blank < 0 ? command : command.first(blank)).toByteArray().toUpper();
}

// Blanks only: a tab is a column break here.
QByteArray TrimBlanks(QByteArrayView text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == ' ')
        ++from;
    while (to > from && text[to - 1] == ' ')
        --to;
    return text.sliced(from, to - from).toByteArray();
}

QByteArray Field(QByteArrayView line, qsizetype nameSize)
{
    return line.sliced(nameSize).trimmed().toByteArray();
}

QList<QByteArray> FileLines(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

} // namespace

Lines::Lines(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines)
        Append(line);
}

void Lines::Append(QByteArrayView line)
{
    // Growing by half, not by doubling as appending does, keeps at most a
    // third of the buffer spare while a reply comes in.
    const qsizetype needed = text_.size() + line.size() + 1;
    if (needed > text_.capacity())
        text_.reserve(qMax(needed, text_.size() + text_.size() / 2));
    text_.append(line).append('\n');
    ++count_;
}

QList<QByteArray> Lines::List() const
{
    QList<QByteArray> out;
    out.reserve(count_);
    for (const QByteArrayView line : *this)
        out.append(line.toByteArray());
    return out;
}

Lines::const_iterator::const_iterator(const QByteArray &text, qsizetype at) : text_(text), at_(at)
{
    end_ = AtEnd() ? at_ : text_.indexOf('\n', at_);
}

Lines::const_iterator &Lines::const_iterator::operator++()
{
    at_ = end_ + 1;
    end_ = AtEnd() ? at_ : text_.indexOf('\n', at_);
    return *this;
}

bool MultiLine(QByteArrayView command, QByteArrayView status)
{
    const QByteArray verb = Verb(command);
    const QByteArrayView code = status.first(qMin<qsizetype>(3, status.size()));
    return (verb == "LIST" && code == "215") || (verb == "HEAD" && code == "221")
           || (verb == "BODY" && code == "222");
}

void ReplyReader::Expect(const QByteArray &command) { expected_.append(command); }

namespace {

// As the bytes came: each line with its CR LF.
qsizetype Size(const Reply &r)
{
    return r.status.size() + 2 + r.lines.Bytes() + r.lines.Count();
}

} // namespace

void ReplyReader::Feed(QByteArrayView bytes)
{
    if (overflowed_)
        return;
    framer_.Feed(bytes);
    while (framer_.HasLine()) {
        QByteArray line = framer_.TakeLine();
        if (partial_) {
            if (line == ".") {
                held_ += partialBytes_;
                partialBytes_ = 0;
                partial_->lines.Squeeze();
                replies_.append(std::move(*partial_));
                partial_.reset();
            } else {
                const QByteArrayView data = QByteArrayView(line).sliced(line.startsWith('.') ? 1 : 0);
                partialBytes_ += data.size() + 2;
                partial_->lines.Append(data);
                if (partialBytes_ > MaxReply)
                    break;
            }
            continue;
        }
        // A line nobody asked for (a server talking out of turn) is no reply.
        if (expected_.isEmpty())
            continue;
        Reply reply{expected_.takeFirst(), std::move(line), {}};
        if (MultiLine(reply.command, reply.status)) {
            partialBytes_ = reply.status.size() + 2;
            partial_ = std::move(reply);
        } else {
            held_ += reply.status.size() + 2;
            replies_.append(std::move(reply));
        }
    }
    if (framer_.Overflowed() || partialBytes_ > MaxReply) {
        partial_.reset();
        partialBytes_ = 0;
        framer_.Clear();
        overflowed_ = true;
    }
}

Reply ReplyReader::TakeReply()
{
    if (replies_.isEmpty())
        return Reply();
    held_ -= Size(replies_.first());
    return replies_.takeFirst();
}

void ReplyReader::Clear()
{
    framer_.Clear();
    expected_.clear();
    partial_.reset();
    partialBytes_ = 0;
    replies_.clear();
    held_ = 0;
    overflowed_ = false;
}

QByteArray GroupName(QByteArrayView line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t')
        ++end;
    return line.first(end).toByteArray();
}

std::optional<GroupRange> ParseGroup(QByteArrayView status)
{
    const QList<QByteArray> fields = status.toByteArray().simplified().split(' ');
    if (fields.size() < 4 || fields[0] != "211" || !IsDigits(fields[2]) || !IsDigits(fields[3]))
        return std::nullopt;
    return GroupRange{fields[2], fields[3]};
}

Header ParseHeader(const Reply &reply)
{
    Header h;
    const QList<QByteArray> fields = reply.status.simplified().split(' ');
    if (fields.size() >= 2 && IsDigits(fields[1]))
        h.number = fields[1];
    bool subject = false, date = false, from = false, lines = false;
    for (const QByteArrayView line : reply.lines) {
        const auto named = [&line](QByteArrayView name) {
            return line.size() >= name.size() && line.first(name.size()).compare(name, Qt::CaseInsensitive) == 0;
        };
        // The first line of each name counts.
        if (!subject && named("Subject:")) {
            h.subject = Field(line, 8);
            subject = true;
        } else if (!date && named("Date:")) {
            h.date = Field(line, 5);
            date = true;
        } else if (!from && named("From:")) {
            h.from = Field(line, 5);
            from = true;
        } else if (!lines && named("Lines:")) {
            bool ok = false;
            const short n = Field(line, 6).toShort(&ok);
            h.lines = ok ? n : 0;
            lines = true;
        }
    }
    return h;
}

bool GroupNameUsable(QByteArrayView name)
{
    const QByteArrayView trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const char c : trimmed)
        if (uchar(c) <= ' ' || uchar(c) == 0x7f)
            return false;
    return true;
}

bool ArticleNumberUsable(QByteArrayView number) { return IsDigits(number); }

QList<QByteArray> CategoryRows(const QByteArray &file, QByteArrayView caption)
{
    const QByteArray header = '[' + caption.toByteArray() + ']';
    QList<QByteArray> rows;
    bool inside = false;
    for (QByteArray &line : FileLines(file)) {
        if (!inside) {
            inside = line == header;
            continue;
        }
        if (line.startsWith('['))
            break;
        if (line.size() <= 4)
            continue;
        line.replace('=', '\t');
        rows.append(TrimBlanks(line));
    }
    return rows;
}

QList<QByteArray> MyListRows(const QByteArray &file)
{
    QList<QByteArray> rows;
    for (QByteArray &line : FileLines(file))
        if (!line.isEmpty())
            rows.append(std::move(line));
    return rows;
}

} // namespace Nntp
