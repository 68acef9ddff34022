// Page text routines: every rule about reading, normalising and cutting up a
// fetched page lives here, so fillers never re-write these searches. Pages are
// Windows-1252 bytes and stay bytes; positions are full-width.
#include "core/Misc.h"

#include "platform/Vb.h"

#include <QFile>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>

namespace Misc {

namespace {

// The first occurrence at or after from, -1 for none. The standard search
// finds candidates by their first byte (memchr): for the short tags and
// entities searched here that runs near memory speed, well ahead of a
// general matcher.
qsizetype Find(const QByteArray &text, QByteArrayView what, qsizetype from)
{
    const size_t at = std::string_view(text.constData(), size_t(text.size()))
                          .find(std::string_view(what.data(), size_t(what.size())), size_t(from));
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

// Every occurrence, left to right, exact case, over the caller's bytes in one
// pass. The replacement is never longer than what it replaces, so the text is
// rewritten in place; a text without the pattern is not even detached.
void Replace(QByteArray &text, QByteArrayView before, QByteArrayView after)
{
    Q_ASSERT(after.size() <= before.size());
    if (before.isEmpty())
        return;
    qsizetype hit = Find(text, before, 0);
    if (hit < 0)
        return;
    char *d = text.data();
    if (after.size() == before.size()) {
        for (; hit >= 0; hit = Find(text, before, hit + before.size()))
            std::memcpy(d + hit, after.data(), size_t(after.size()));
        return;
    }
    // Shrinking: the write position never passes the read position, and the
    // search only looks at bytes not yet rewritten.
    qsizetype read = 0, write = 0;
    for (; hit >= 0; hit = Find(text, before, read)) {
        std::memmove(d + write, d + read, size_t(hit - read));
        write += hit - read;
        std::memcpy(d + write, after.data(), size_t(after.size()));
        write += after.size();
        read = hit + before.size();
    }
    std::memmove(d + write, d + read, size_t(text.size() - read));
    text.truncate(write + text.size() - read);
}

// Lower case as the system code page has it: besides A-Z, the accented
// capitals and the few capitals Windows-1252 keeps in 0x80..0x9F.
char LowerCp1252(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return char(u + 0x20);
    switch (u) {
    case 0x8A: case 0x8C: case 0x8E: return char(u + 0x10);
    case 0x9F: return char(0xFF);
    default: return c;
    }
}

// A quote field part read as a 16-bit whole number: blanks, a sign,
// separators, halves to the even neighbour; throws on anything else.
int16_t ReadInt16(QByteArrayView part)
{
    return Vb::CInt(Vb::CDbl(QString::fromLatin1(part)));
}

double Divide(double num, double den)
{
    if (den == 0)
        throw num == 0 ? VbError::Overflow() : VbError::DivisionByZero();
    return num / den;
}

// Fixed decimals, halves away from zero. The value is first taken to 15
// significant digits as the runtime's formatting does, so 1.005 rounds to
// 1.01 and not to the binary neighbour's 1.00. Negative values keep their
// minus sign (callers show signed changes); a value that rounds to zero
// prints without one.
QByteArray FormatFixed(double value, int decimals, bool grouped)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value)); // d.dddddddddddddde+XX
    char digits[15];
    digits[0] = buf[0];
    std::memcpy(digits + 1, buf + 2, 14);
    int intDigits = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    const int keep = intDigits + decimals; // significant digits that stay

    QByteArray d; // digits from 10^(intDigits-1) down to 10^-decimals
    if (keep > 0) {
        d.append(digits, qMin(keep, 15));
        if (keep > 15)
            d.append(keep - 15, '0');
    }
    if (keep >= 0 && keep < 15 && digits[keep] >= '5') {
        qsizetype i = d.size() - 1;
        while (i >= 0 && d[i] == '9')
            d[i--] = '0';
        if (i >= 0) {
            ++d[i];
        } else {
            d.prepend('1');
            ++intDigits;
        }
    }
    if (d.isEmpty()) { // far below the last decimal
        d = QByteArray(1 + decimals, '0');
        intDigits = 1;
    }

    QByteArray intPart, fracPart;
    if (intDigits <= 0) {
        intPart = "0";
        fracPart = QByteArray(-intDigits, '0') + d;
    } else {
        intPart = d.left(intDigits);
        fracPart = d.mid(intDigits);
    }
    QByteArray out;
    out.reserve(intPart.size() * 4 / 3 + decimals + 3);
    if (value < 0 && d.count('0') != d.size())
        out.append('-');
    for (qsizetype i = 0; i < intPart.size(); ++i) {
        if (grouped && i > 0 && (intPart.size() - i) % 3 == 0)
            out.append(',');
        out.append(intPart[i]);
    }
    if (decimals > 0)
        out.append('.').append(fracPart);
    return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return {};
    return all;
}

void ReplaceInTags(QByteArray &text, const QList<TagSwap> &swaps)
{
    if (swaps.isEmpty() || !text.contains('<'))
        return;
    char *d = text.data();
    const char *const end = d + text.size();
    // The swaps within one run of a tag's own words (its name and its
    // attributes' names), never within an attribute's value.
    const auto swapIn = [&swaps](char *from, char *to) {
        const std::string_view run(from, size_t(to - from));
        for (const auto &[before, after] : swaps) {
            Q_ASSERT(before.size() == after.size());
            const std::string_view b(before.data(), size_t(before.size()));
            for (size_t at = run.find(b); at != std::string_view::npos; at = run.find(b, at + b.size()))
                std::memcpy(from + at, after.data(), size_t(after.size()));
        }
    };
    for (char *open = static_cast<char *>(std::memchr(d, '<', size_t(text.size()))); open;) {
        char *close = static_cast<char *>(std::memchr(open, '>', size_t(end - open)));
        if (!close)
            return; // no tag without its end
        char *run = open;
        for (char *p = open; p < close;) {
            if (*p++ != '=')
                continue;
            swapIn(run, p);
            // The value: quoted up to its closing quote, or up to a blank.
            while (p < close && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
                ++p;
            if (p < close && (*p == '"' || *p == '\'')) {
                const char quote = *p++;
                while (p < close && *p != quote)
                    ++p;
                p = p < close ? p + 1 : close;
            } else {
                while (p < close && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n')
                    ++p;
            }
            run = p;
        }
        swapIn(run, close);
        open = static_cast<char *>(std::memchr(close, '<', size_t(end - close)));
    }
}

QByteArray FixTags(QByteArray &text, bool table, bool td, bool tr, bool th)
{
    QList<TagSwap> swaps;
    if (table)
        swaps << TagSwap{"Table", "table"} << TagSwap{"TABLE", "table"};
    if (td)
        swaps << TagSwap{"Td", "td"} << TagSwap{"TD", "td"};
    if (tr)
        swaps << TagSwap{"Tr", "tr"} << TagSwap{"TR", "tr"};
    if (th)
        swaps << TagSwap{"Th", "th"} << TagSwap{"TH", "th"};
    ReplaceInTags(text, swaps);
    return text;
}

QByteArray GetTable(QByteArray &page, int16_t n)
{
    Replace(page, "<TABLE", "<table");
    Replace(page, "<Table", "<table");
    if (n < 1)
        return {};
    // Each table starts at the first "<table" after the previous table's
    // closing tag; nesting is deliberately not tracked.
    qsizetype start = -1, stop = 0;
    for (int k = 0; k < n; ++k) {
        start = page.indexOf("<table", stop);
        if (start < 0)
            return {};
        stop = page.indexOf("</table", start);
        if (stop < 0)
            return {};
    }
    return page.mid(start, stop - start);
}

QByteArray CleanHTML(QByteArray &text, bool brToCrLf, bool fixAmp, bool hrefMode)
{
    if (brToCrLf)
        Replace(text, "<br>", "\r\n");
    if (fixAmp)
        Replace(text, "&amp;", "&");
    if (hrefMode) {
        Replace(text, "A HREF", "A href");
        Replace(text, "A Href", "A href");
        Replace(text, "a href", "A href");
        const qsizetype anchor = text.indexOf("<A href=\"");
        if (anchor < 0)
            return {};
        const qsizetype open = anchor + 8;
        const qsizetype close = text.indexOf("\">", anchor);
        if (close <= open) // none, or the opening quote itself
            return {};
        return text.mid(open + 1, close - open - 1);
    }

    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    bool inside = true; // whatever precedes the first ">" is markup
    for (const char c : std::as_const(text)) {
        if (c == '<')
            inside = true;
        else if (c == '>')
            inside = false;
        else if (!inside)
            *dst++ = c;
    }
    out.truncate(dst - out.constData());
    return out;
}

QByteArray LowerWords(QByteArray &text, const QList<QByteArray> &words)
{
    for (const QByteArray &word : words) {
        QByteArray lower = word;
        for (char &c : lower)
            c = LowerCp1252(c);
        if (lower != word)
            Replace(text, word, lower);
    }
    return text;
}

QByteArray FormatP(QByteArray &price, bool fourDecimals)
{
    try {
        if (price.isEmpty())
            return "0";
        if (price == "+" || price == "-") // a bare sign is an unreadable field, not "0"
            throw VbError::InvalidCall();
        const char last = price.back();
        if (price.size() >= 2 && (price[0] == '+' || price[0] == '-') && price[1] == ' ')
            price.remove(1, 1); // "- 1/4" -> "-1/4", in the caller's text too
        if (!IsDigit(last))
            return "0";
        const int decimals = fourDecimals ? 4 : 2;
        const qsizetype slash = price.indexOf('/');
        if (slash < 0) {
            if (!price.startsWith('.'))
                return price;
            return FormatFixed(Vb::CDbl(QString::fromLatin1("0" + price)), 2, false);
        }
        const QByteArrayView p(price);
        const int16_t den = ReadInt16(p.sliced(slash + 1));
        const qsizetype space = price.indexOf(' ');
        if (space >= 0) {
            const int16_t whole = ReadInt16(p.first(space));
            if (space > slash)
                throw VbError::InvalidCall();
            const int16_t num = ReadInt16(p.sliced(space, slash - space));
            const double frac = Divide(num, den);
            return FormatFixed(whole >= 0 ? whole + frac : whole - frac, decimals, false);
        }
        const int16_t num = ReadInt16(p.first(slash));
        return FormatFixed(Divide(num, den), decimals, true);
    } catch (const VbError &e) {
        ErrorTraping(e, QStringLiteral("Misc_FormatP"), false);
        return {};
    }
}

namespace {
// A value that is not a number becomes the number 0 in the caller's variable
// as well, so it reads as a number from then on.
template <typename T>
double ToNumberOf(T &value, const QString &text, const T &zero)
{
    bool ok = false;
    const double v = Vb::ParseNumber(text, &ok);
    if (!ok)
        value = zero;
    return ok ? v : 0;
}
} // namespace

double ToNumber(QByteArray &value)
{
    return ToNumberOf(value, QString::fromLatin1(value), QByteArray("0"));
}

double ToNumber(QString &value)
{
    return ToNumberOf(value, value, QStringLiteral("0"));
}

} // namespace Misc
