// The news server's bytes: any stream cut anywhere reads as the same
// replies, each matched to its command, and the header, group and list
// readers take any reply or file without fault.
#include "FuzzCommon.h"
#include "services/Nntp.h"

namespace {

const QList<QByteArray> kCommands = {"", "LIST", "GROUP g", "STAT 1", "HEAD", "NEXT", "BODY 1", "HEAD", "NEXT"};

QList<Nntp::Reply> ReadAll(const QByteArray &input, qsizetype cut)
{
    Nntp::ReplyReader r;
    for (const QByteArray &c : kCommands)
        r.Expect(c);
    QList<Nntp::Reply> out;
    r.Feed(QByteArrayView(input).first(cut));
    while (r.HasReply())
        out.append(r.TakeReply());
    r.Feed(QByteArrayView(input).sliced(cut));
    while (r.HasReply())
        out.append(r.TakeReply());
    TW_FUZZ_CHECK(out.size() + r.Outstanding() <= kCommands.size());
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    const QList<Nntp::Reply> whole = ReadAll(input, input.size());
    const QList<Nntp::Reply> cut = ReadAll(input, input.size() / 3);
    TW_FUZZ_CHECK(whole.size() == cut.size());
    for (qsizetype i = 0; i < whole.size(); ++i) {
        TW_FUZZ_CHECK(whole[i].command == cut[i].command && whole[i].status == cut[i].status
                      && whole[i].lines == cut[i].lines);
        TW_FUZZ_CHECK(whole[i].command == kCommands[i]);
        (void)Nntp::ParseHeader(whole[i]);
        (void)Nntp::ParseGroup(whole[i].status);
        for (const QByteArrayView line : whole[i].lines)
            (void)Nntp::GroupName(line);
    }
    const qsizetype nl = input.indexOf('\n');
    const QByteArray caption = nl > 0 ? input.left(nl) : QByteArray("Stocks");
    for (const QByteArray &row : Nntp::CategoryRows(input, caption))
        TW_FUZZ_CHECK(!row.contains('='));
    for (const QByteArray &row : Nntp::MyListRows(input))
        TW_FUZZ_CHECK(!row.isEmpty() && !row.contains('\n'));
    return 0;
}
