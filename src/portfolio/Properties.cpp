#include "portfolio/Properties.h"

#include "core/Arrange.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/ControlNames.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Help.h"
#include "platform/RunOnce.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "portfolio/SetList.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *Label(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

using ControlNames::Indexed;

// The strip along the top edge.
constexpr int StripTwips = 135;
constexpr uint32_t TintGreen = 0x00FF00;

// The alert boxes' labels, as messages name the boxes.
const char *const kTargetNames[2] = {"Low", "High"};

} // namespace

Properties::Properties(QWidget *owner) : QDialog(owner), Symbol(CurrentSymbol)
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
    // Two columns of nine caption and value pairs; the arrow beside the
    // percent change.
    for (int i = 0; i < 18; ++i) {
        const int row = 1 + i % 9;
        const int col = i < 9 ? 0 : 2;
        grid->addWidget(Label(data, Indexed("lblCaption", i), QString::fromLatin1(captions[i])), row, col);
        lblData[i] = Label(data, Indexed("lblData", i));
        lblData[i]->setMinimumWidth(90);
        if (i != 2) {
            grid->addWidget(lblData[i], row, col + 1);
            continue;
        }
        auto *cell = new QHBoxLayout;
        cell->addWidget(lblData[i]);
        pic1 = Label(data, QStringLiteral("pic1"));
        pic1->setFixedSize(11, 13);
        cell->addWidget(pic1);
        cell->addStretch(1);
        grid->addLayout(cell, row, col + 1);
    }
    grid->addWidget(Label(data, QStringLiteral("Label2"), QStringLiteral("Last Update:")), 10, 0);
    lblTime = Label(data, QStringLiteral("lblTime"));
    grid->addWidget(lblTime, 10, 1, 1, 3);

    auto *target = new QGroupBox(QStringLiteral("Enter Target Prices:"), this);
    target->setObjectName(QStringLiteral("frmTarget"));
    auto *row = new QGridLayout(target);
    static const char *tips[2] = {"Enter Low Price Alert", "Enter High Price Alert"};
    for (int i = 0; i < 2; ++i) {
        row->addWidget(Label(target, Indexed("lblTarget", i), QString::fromLatin1(kTargetNames[i])), 0, 2 * i);
        txtTarget[i] = new QLineEdit(target);
        txtTarget[i]->setObjectName(Indexed("txtTarget", i));
        txtTarget[i]->setToolTip(QString::fromLatin1(tips[i]));
        row->addWidget(txtTarget[i], 0, 2 * i + 1);
        connect(txtTarget[i], &QLineEdit::textChanged, this, [this, i] { txtTarget_Change(i); });
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [&](QPushButton *&b, const char *name, const char *caption, const char *tip) {
        b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        if (tip)
            b->setToolTip(QString::fromLatin1(tip));
        buttons->addWidget(b);
    };
    button(cmdOK, "cmdOK", "&OK", "Confirm");
    button(cmdCancel, "cmdCancel", "&Cancel", "Close");
    button(cmdHelp, "cmdHelp", "&Help", nullptr);
    cmdOK->setDefault(true);

    // Placed by resizeEvent across the whole top edge, above the layout.
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Click To Minimize / Restore"));
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(m.left(), m.top() + Twips::ToPixels(StripTwips), m.right(), m.bottom());
    layout->addWidget(data);
    layout->addWidget(target);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    adjustSize();
}

void Properties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Inner measures: the desktop may add its frame only after the showing.
    if (!loaded_) {
        loaded_ = true;
        LoadWidth = Twips::ScreenInt(Geometry::ScaleWidth(this));
        LoadHeight = Twips::ScreenInt(Geometry::ScaleHeight(this));
    }
}

void Properties::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Command1->setGeometry(0, 0, width(), Twips::ToPixels(StripTwips));
}

bool Properties::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void Properties::Form_Activate()
{
    const QString sign = lblData[2]->text().left(1);
    // The arrow comes after one turn of the event loop.
    QTimer::singleShot(0, this, [this, sign] {
        if (sign == QLatin1String("+"))
            pic1->setPixmap(Artwork::Picture(QStringLiteral("UP")));
        else if (sign == QLatin1String("-"))
            pic1->setPixmap(Artwork::Picture(QStringLiteral("DN")));
    });
}

void Properties::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The window's own background only; the controls and frames keep theirs.
    if (!childAt(event->position().toPoint()))
        Form_DblClick();
    QDialog::mouseDoubleClickEvent(event);
}

void Properties::Form_DblClick() { Misc::TintForm(this, TintGreen); }

void Properties::LiftMinimum(bool lift)
{
    layout()->setSizeConstraint(lift ? QLayout::SetNoConstraint : QLayout::SetDefaultConstraint);
    if (lift)
        setMinimumSize(0, 0);
    else
        layout()->activate();
}

void Properties::ToggleSize()
{
    if (Twips::ScreenInt(Geometry::ScaleWidth(this)) != LoadWidth) {
        resize(Twips::ToPixels(LoadWidth), Twips::ToPixels(LoadHeight));
        LiftMinimum(false);
        return;
    }
    LiftMinimum(true);
    const int a = Vb::CLng(Geometry::ScaleWidth(this) / 10);
    const int b = Vb::CLng(Geometry::ScaleHeight(this) / 10);
    const QPointer<Properties> self(this);
    for (int i = 0; i < 9; ++i) {
        // resize keeps left and top.
        resize(Twips::ToPixels(Geometry::ScaleWidth(this) - a + 120), Twips::ToPixels(Geometry::ScaleHeight(this) - b));
        Misc::DoEvents();
        if (!self)
            return;
    }
}

void Properties::Command1_Click()
{
    const RunOnce once(this, "Command1_Click");
    if (!once)
        return;
    const QPointer<Properties> self(this);
    ToggleSize();
    if (self)
        Misc::ArrangeWindows(self);
}

void Properties::cmdOK_Click()
{
    const RunOnce once(this, "cmdOK_Click");
    if (!once)
        return;
    // Each keystroke is checked leniently, so "1," can grow into "1,234":
    // a box left holding no alert ("12,5", "1e39") is refused here.
    for (int i = 0; i < 2; ++i) {
        if (!SetList::AlertUsable(txtTarget[i]->text())) {
            SetList::RefuseAlert(QString::fromLatin1(kTargetNames[i]));
            txtTarget[i]->setFocus();
            return;
        }
    }
    // The set open now, which need not be the one the window was opened in.
    const int16_t slot = Symbol.isEmpty() ? Stock::NotFound : Stock::FindStock(Symbol);
    if (slot == Stock::NotFound) {
        Dialogs::MsgBox(Text::FromCp1252(Symbol)
                            + QStringLiteral(" is not in the open stock set any more. Its alerts were not changed."),
                        Dialogs::vbInformation, QStringLiteral("Stock not found"));
        return;
    }
    StockRecord &stock = Stocks[size_t(slot)];
    if (const auto low = SetList::AlertValue(txtTarget[0]->text()))
        stock.LowAlert = *low;
    if (const auto high = SetList::AlertValue(txtTarget[1]->text()))
        stock.HighAlert = *high;
    if (!Stock::SaveStocks())
        Dialogs::MsgBox(QStringLiteral("The alerts are set, but the stock set could not be saved."),
                        Dialogs::vbCritical, QStringLiteral("Stock set not saved"));
    const QPointer<Properties> self(this);
    Misc::RollWindow(this, 10);
    if (self)
        self->Unload();
    Misc::DoEvents();
    Misc::DoEvents();
}

void Properties::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    const QPointer<Properties> self(this);
    Misc::RollWindow(this, 25);
    if (self)
        self->Unload();
    Misc::DoEvents();
    Misc::DoEvents();
}

void Properties::reject() { cmdCancel_Click(); }

void Properties::Unload()
{
    hide();
    deleteLater();
}

void Properties::cmdHelp_Click() { Help::Show(QStringLiteral("Tkw5.chm"), QString(), 86, this); }

void Properties::txtTarget_Change(int index)
{
    QLineEdit *box = txtTarget[index];
    if (box->text().isEmpty() || SetList::ReadsAsNumber(box->text()))
        return;
    Dialogs::MsgBox(QStringLiteral("Please type numbers."), Dialogs::vbInformation, QStringLiteral("Numbers only"));
    box->setText(QStringLiteral("0"));
    box->setFocus();
}
