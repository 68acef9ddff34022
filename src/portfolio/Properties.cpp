#include "portfolio/Properties.h"
#include "platform/ControlNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLabel *Label(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

using ControlNames::Indexed;

} // namespace

Properties::Properties(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Properties"));
    setWindowTitle(QStringLiteral("Properties"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *data = new QGroupBox(QStringLiteral("Current Data"), this);
    data->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(data);
    grid->addWidget(Label(data, QStringLiteral("Label1"), QStringLiteral("Name:")), 0, 0);
    lblName = Label(data, QStringLiteral("lblName"));
    grid->addWidget(lblName, 0, 1, 1, 3);

    static const char *captions[18] = {"Last Sale:", "Change:", "% Change:", "Volume:", "Today's High:",
                                       "Today's Low:", "Bid:", "Ask:", "Last Trade Size:", "Open:",
                                       "Previous Close:", "52 Week High :", "52 Week Low:", "EPS:",
                                       "P/E Ratio:", "Dividend Per Share:", "Exchange:", "Industry:"};
    // Two columns of nine caption and value pairs.
    for (int i = 0; i < 18; ++i) {
        const int row = 1 + i % 9;
        const int col = i < 9 ? 0 : 2;
        grid->addWidget(Label(data, Indexed("lblCaption", i), QString::fromLatin1(captions[i])), row, col);
        lblData[i] = Label(data, Indexed("lblData", i));
        lblData[i]->setMinimumWidth(90);
        grid->addWidget(lblData[i], row, col + 1);
    }
    grid->addWidget(Label(data, QStringLiteral("Label2"), QStringLiteral("Last Update:")), 10, 0);
    lblTime = Label(data, QStringLiteral("lblTime"));
    grid->addWidget(lblTime, 10, 1, 1, 3);

    auto *target = new QGroupBox(QStringLiteral("Enter Target Prices:"), this);
    target->setObjectName(QStringLiteral("frmTarget"));
    auto *row = new QGridLayout(target);
    static const char *names[2] = {"Low", "High"};
    static const char *tips[2] = {"Enter Low Price Alert", "Enter High Price Alert"};
    for (int i = 0; i < 2; ++i) {
        row->addWidget(Label(target, Indexed("lblTarget", i), QString::fromLatin1(names[i])), 0, 2 * i);
        txtTarget[i] = new QLineEdit(target);
        txtTarget[i]->setObjectName(Indexed("txtTarget", i));
        txtTarget[i]->setToolTip(QString::fromLatin1(tips[i]));
        row->addWidget(txtTarget[i], 0, 2 * i + 1);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(data);
    layout->addWidget(target);
    adjustSize();
}
