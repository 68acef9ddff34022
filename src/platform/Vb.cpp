#include "platform/Vb.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace Vb {

double RoundHalfEven(double v)
{
    return std::nearbyint(v); // default rounding mode is to-nearest-even
}

int16_t CInt(double v)
{
    if (std::isnan(v))
        throw VbError::Overflow();
    const double r = RoundHalfEven(v);
    if (r < -32768.0 || r > 32767.0)
        throw VbError::Overflow();
    return static_cast<int16_t>(r);
}

int32_t CLng(double v)
{
    if (std::isnan(v))
        throw VbError::Overflow();
    const double r = RoundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw VbError::Overflow();
    return static_cast<int32_t>(r);
}

double ParseNumber(const QString &input, bool *ok)
{
    *ok = false;
    const QString t = input.trimmed();
    if (t.isEmpty())
        return 0;
    qsizetype i = 0;
    bool negative = false;
    if (t[i] == u'+' || t[i] == u'-') {
        negative = t[i] == u'-';
        ++i;
        while (i < t.size() && t[i] == u' ')
            ++i;
    }
    if (i + 1 < t.size() && t[i] == u'&' && (t[i + 1] == u'H' || t[i + 1] == u'h' || t[i + 1] == u'O' || t[i + 1] == u'o')) {
        const int base = (t[i + 1] == u'H' || t[i + 1] == u'h') ? 16 : 8;
        bool good = false;
        const qlonglong v = t.mid(i + 2).toLongLong(&good, base);
        if (!good)
            return 0;
        *ok = true;
        return negative ? -double(v) : double(v);
    }
    QByteArray digits;
    bool sawDigit = false, sawPoint = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            digits.append(char(c.unicode()));
            sawDigit = true;
        } else if (c == u',' && !sawPoint) {
            // thousands separator: ignored where the runtime accepts it
        } else if (c == u'.' && !sawPoint) {
            digits.append('.');
            sawPoint = true;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return 0;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        QByteArray exp = "e";
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            exp.append(char(t[j++].unicode()));
        qsizetype start = j;
        while (j < t.size() && t[j].isDigit() && t[j].unicode() < 128)
            exp.append(char(t[j++].unicode()));
        if (j == start)
            return 0;
        digits.append(exp);
        i = j;
    }
    if (i != t.size())
        return 0;
    bool good = false;
    const double v = digits.toDouble(&good);
    if (!good || std::isinf(v))
        return 0;
    *ok = true;
    return negative ? -v : v;
}

double CDbl(const QString &text)
{
    bool ok = false;
    const double v = ParseNumber(text, &ok);
    if (!ok)
        throw VbError::TypeMismatch();
    return v;
}

std::optional<int16_t> ReadInt(const QString &text)
{
    bool ok = false;
    const double v = ParseNumber(text, &ok);
    if (!ok)
        return std::nullopt;
    try {
        return CInt(v);
    } catch (const VbError &) {
        return std::nullopt;
    }
}

QString SingleToString(float v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7G", double(v));
    return QString::fromLatin1(buf);
}

QString DoubleToString(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    return QString::fromLatin1(buf);
}

} // namespace Vb
