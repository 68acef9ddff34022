#include "platform/BoxValue.h"

#include "platform/Dialogs.h"
#include "platform/Vb.h"

#include <QCheckBox>
#include <QString>
#include <cmath>
#include <limits>

int Vb::BoxValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void Vb::SetBoxValue(QCheckBox *box, int value)
{
    switch (value) {
    case 0:
    case 1:
        box->setCheckState(value ? Qt::Checked : Qt::Unchecked);
        box->setTristate(false);
        break;
    case 2:
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        break;
    default:
        throw VbError(380, QStringLiteral("Invalid property value"));
    }
}

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<double> Vb::NumberBoxValue(const QString &text)
{
    for (qsizetype i = text.indexOf(u','); i >= 0; i = text.indexOf(u',', i + 1)) {
        qsizetype after = 0;
        while (i + 1 + after < text.size() && IsDigit(text[i + 1 + after]))
            ++after;
        if (i == 0 || !IsDigit(text[i - 1]) || after != 3)
            return std::nullopt;
    }
    bool ok = false;
    const double v = ParseNumber(text, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<float> Vb::SingleBoxValue(const QString &text)
{
    const std::optional<double> v = NumberBoxValue(text);
    if (!v || !(std::fabs(*v) <= double(std::numeric_limits<float>::max())))
        return std::nullopt;
    const float f = float(*v);
    if (f == 0 && *v != 0)
        return std::nullopt;
    return f;
}

void Vb::RefuseNumber(QWidget *box, const QString &name, const QString &low, const QString &high)
{
    Dialogs::MsgBox(QStringLiteral("Please type a number from %1 to %2 in \"%3\".").arg(low, high, name),
                    Dialogs::vbExclamation, QStringLiteral("Number out of range"));
    box->setFocus();
}
