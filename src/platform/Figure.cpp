#include "platform/Figure.h"

#include "platform/Vb.h"

namespace Figure {

namespace {

bool AllDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// A price in fractions: "14 7/8", "7/8"; unsigned. The whole part may
// carry digit groups ("1,025 1/4"), as a plain number may.
std::optional<double> Fraction(QStringView s)
{
    const qsizetype slash = s.indexOf(u'/');
    if (slash < 0)
        return std::nullopt;
    const qsizetype space = s.first(slash).lastIndexOf(u' ');
    const QStringView whole = space < 0 ? QStringView() : s.first(space).trimmed();
    const QString wholeDigits = whole.toString().remove(u',');
    const QStringView num = s.sliced(space + 1, slash - space - 1);
    const QStringView den = s.sliced(slash + 1);
    const bool wholeOk = space < 0 || (!whole.startsWith(u',') && AllDigits(wholeDigits));
    if (!wholeOk || !AllDigits(num) || !AllDigits(den))
        return std::nullopt;
    const double d = den.toDouble();
    if (d == 0)
        return std::nullopt;
    return (whole.isEmpty() ? 0.0 : wholeDigits.toDouble()) + num.toDouble() / d;
}

} // namespace

std::optional<double> Of(const QString &text)
{
    bool ok = false;
    const double plain = Vb::ParseNumber(text, &ok);
    if (ok)
        return plain;
    QStringView s = QStringView(text).trimmed();
    bool negative = false;
    if (s.startsWith(u'+') || s.startsWith(u'-')) {
        negative = s.front() == u'-';
        s = s.sliced(1).trimmed();
    }
    if (s.startsWith(u'$'))
        s = s.sliced(1);
    if (s.endsWith(u'%'))
        s = s.chopped(1).trimmed();
    if (s.isEmpty() || s.front() < u'0' || s.front() > u'9') // no second sign
        return std::nullopt;
    std::optional<double> v = Fraction(s);
    if (!v) {
        const double d = Vb::ParseNumber(s.toString(), &ok);
        if (!ok)
            return std::nullopt;
        v = d;
    }
    return negative ? -*v : *v;
}

} // namespace Figure
