// The page text routines against plain reference versions of their rules.
#include "FuzzCommon.h"
#include "core/Misc.h"

namespace {

QByteArray ReplaceAll(QByteArray s, const QByteArray &a, const QByteArray &b)
{
    QByteArray out;
    for (qsizetype i = 0; i < s.size();) {
        if (s.mid(i, a.size()) == a) {
            out += b;
            i += a.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    const uint8_t flags = size ? data[0] : 0;

    QByteArray tags = input;
    Misc::FixTags(tags, flags & 1, flags & 2, flags & 4, flags & 8);
    // The reference: each tag (a "<" up to the next ">") on its own, cut
    // into its words and its attributes' values; the words swapped, the
    // values and the text between tags as they were.
    const char *pairs[4][2] = {{"Table", "TABLE"}, {"Td", "TD"}, {"Tr", "TR"}, {"Th", "TH"}};
    const char *lower[4] = {"table", "td", "tr", "th"};
    const auto swapped = [&](QByteArray words) {
        for (int i = 0; i < 4; ++i)
            if (flags & (1 << i)) {
                words = ReplaceAll(words, pairs[i][0], lower[i]);
                words = ReplaceAll(words, pairs[i][1], lower[i]);
            }
        return words;
    };
    const QByteArray blanks(" \t\r\n");
    QByteArray ref;
    for (qsizetype at = 0; at < input.size();) {
        const qsizetype open = input.indexOf('<', at);
        const qsizetype close = open < 0 ? -1 : input.indexOf('>', open);
        if (close < 0) {
            ref += input.mid(at);
            break;
        }
        ref += input.mid(at, open - at);
        const QByteArray tag = input.mid(open, close - open);
        qsizetype i = 0;
        while (i < tag.size()) {
            const qsizetype eq = tag.indexOf('=', i);
            if (eq < 0) {
                ref += swapped(tag.mid(i));
                break;
            }
            ref += swapped(tag.mid(i, eq + 1 - i));
            qsizetype v = eq + 1;
            while (v < tag.size() && blanks.contains(tag[v]))
                ++v;
            qsizetype end = v;
            if (v < tag.size() && (tag[v] == '"' || tag[v] == '\'')) {
                end = tag.indexOf(tag[v], v + 1);
                end = end < 0 ? tag.size() : end + 1;
            } else {
                while (end < tag.size() && !blanks.contains(tag[end]))
                    ++end;
            }
            ref += tag.mid(eq + 1, end - eq - 1);
            i = end;
        }
        at = close;
    }
    TW_FUZZ_CHECK(tags == ref);

    QByteArray page = input;
    const QByteArray table = Misc::GetTable(page, int16_t(flags % 5));
    TW_FUZZ_CHECK(table.size() <= input.size() + 16);

    for (int mode = 0; mode < 8; ++mode) {
        QByteArray cell = input;
        const QByteArray text = Misc::CleanHTML(cell, mode & 1, mode & 2, mode & 4);
        TW_FUZZ_CHECK(text.size() <= input.size() + 2);
    }
    QByteArray price = input.left(64);
    Misc::FormatP(price, flags & 16);
    QByteArray number = input.left(64);
    (void)Misc::ToNumber(number);
    return 0;
}
