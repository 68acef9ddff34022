#include "platform/BoxValue.h"

#include "platform/Vb.h"

#include <QCheckBox>
#include <QString>

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
