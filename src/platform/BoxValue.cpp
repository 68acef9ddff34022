#include "platform/BoxValue.h"

#include "platform/Vb.h"

#include <QCheckBox>

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
