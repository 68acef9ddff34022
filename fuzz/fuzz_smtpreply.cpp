// The mail server's bytes: any stream, however it is split into arrivals,
// reads as the same whole replies, each exactly the lines a plain reading
// of the stream groups into it, and a step accepts a reply only by the
// class of its code.
#include "FuzzCommon.h"
#include "services/Smtp.h"

#include <QList>
#include <cctype>

namespace {

QList<QByteArray> ReadAll(const QByteArray &input, qsizetype cut1, qsizetype cut2)
{
    Smtp::ReplyReader r;
    QList<QByteArray> out;
    for (const auto &[from, to] : {std::pair{qsizetype(0), cut1}, {cut1, cut2}, {cut2, input.size()}}) {
        r.Feed(QByteArrayView(input).sliced(from, to - from));
        while (r.HasReply())
            out.append(r.TakeReply());
    }
    return out;
}

// Three digits first.
bool StartsWithCode(const QByteArray &text)
{
    return text.size() >= 3 && std::isdigit(uchar(text[0])) && std::isdigit(uchar(text[1]))
           && std::isdigit(uchar(text[2]));
}

// Lines end at LF (a CR before it is part of the line end); a reply ends
// with a line whose three digits stand alone or are followed by a blank.
// A line longer than the reader's bound ends the reading: the replies
// before it stand, the one it is part of is dropped.
QList<QByteArray> Reference(const QByteArray &input)
{
    QList<QByteArray> replies;
    QByteArray reply;
    qsizetype at = 0;
    for (qsizetype lf; (lf = input.indexOf('\n', at)) >= 0; at = lf + 1) {
        QByteArray line = input.mid(at, lf - at);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > Smtp::MaxReplyLine)
            break;
        reply += line + "\r\n";
        if (StartsWithCode(line) && (line.size() == 3 || line[3] == ' ')) {
            replies.append(reply);
            reply.clear();
        }
    }
    return replies;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    // Past MaxReply bytes held the reader drops what it holds, and what it
    // holds depends on how often replies are taken; the runs stay below.
    if (size > size_t(Smtp::MaxReply / 2))
        return 0;
    const QByteArray input = fuzz::Bytes(data, size);
    const QList<QByteArray> whole = ReadAll(input, input.size(), input.size());
    TW_FUZZ_CHECK(whole == Reference(input));
    TW_FUZZ_CHECK(ReadAll(input, input.size() / 3, input.size() / 2) == whole);
    const qsizetype first = qMin<qsizetype>(1, input.size());
    TW_FUZZ_CHECK(ReadAll(input, first, qMax(first, input.size() - 1)) == whole);
    for (const QByteArray &reply : whole) {
        TW_FUZZ_CHECK(reply.endsWith("\r\n"));
        const qsizetype lastStart = reply.lastIndexOf('\n', reply.size() - 3) + 1;
        TW_FUZZ_CHECK(Smtp::IsLastLine(QByteArrayView(reply).sliced(lastStart, reply.size() - 2 - lastStart)));
        const bool code = StartsWithCode(reply);
        for (const QByteArray expected : {"220", "250", "354", "221"})
            TW_FUZZ_CHECK(Smtp::Accepts(expected, reply) == (code && reply[0] == expected[0]));
    }
    return 0;
}
