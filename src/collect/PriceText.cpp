#include "collect/PriceText.h"

#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <cmath>

namespace PriceText {

namespace {

bool IsOne(const RegVariant &mode)
{
    bool ok = false;
    const double v = Vb::ParseNumber(mode.ToText(), &ok);
    return ok && v == 1;
}

} // namespace

QByteArray Price(QByteArray text) { return IsOne(FractionsMode) ? Misc::FormatP(text, false) : text; }

QByteArray Volume(const QByteArray &text)
{
    if (!IsOne(VolumeMode))
        return text;
    bool ok = false;
    const double v = Vb::ParseNumber(Text::FromCp1252(text), &ok);
    if (!ok)
        return text;
    const double whole = std::round(v); // the pattern rounds halves away from zero
    if (whole == 0)
        return {};
    QByteArray digits = QByteArray::number(std::abs(whole), 'f', 0);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, ',');
    return whole < 0 ? "-" + digits : digits;
}

} // namespace PriceText
