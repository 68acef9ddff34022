#include "portfolio/LastPar.h"

#include "core/MainView.h"
#include "core/Misc.h"
#include "platform/FlexGrid.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "portfolio/PortfolioCommands.h"
#include "portfolio/PortfolioGrids.h"
#include "portfolio/frmPurchace.h"
#include "sheets/SheetFrame.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

LastPar::LastPar(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("LastPar"));
    setWindowTitle(QStringLiteral("Select Parchase"));
    setAttribute(Qt::WA_DeleteOnClose);
    FG = new FlexGrid(this);
    FG->setObjectName(QStringLiteral("FG"));
    FG->setToolTip(QStringLiteral("Select Transection"));
    FG->setMinimumSize(360, 160);
    cmdOK = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setToolTip(QStringLiteral("Confirm"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(QStringLiteral("Close"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FG);
    layout->addLayout(buttons);
    connect(FG, &FlexGrid::Click, this, [this] { FG_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    Form_Load();
}

void LastPar::Form_Load()
{
    SheetFrame::SheetTable t;
    PortfolioGrids::ReadLots(t, TransactionSymbol);
    const MainView *main = MainView::Loaded();
    SheetFrame::Draw(FG, t, main ? main->BaseRowHeight : 0);
    LotPrice = 0;
    chosen_ = false;
}

void LastPar::FG_Click()
{
    const int row = FG->MouseRow();
    if (row < 0 || row >= FG->Rows())
        return;
    if (row >= 2) {
        Vb::Skip([&] {
            LotPrice = Vb::CDbl(FG->TextMatrix(row, 2));
            LotShares = Vb::CInt(Vb::CDbl(FG->TextMatrix(row, 1)));
            chosen_ = true;
        });
    }
    if (!FG->TextMatrix(row, 3).isEmpty())
        Vb::Skip([&] { TransactionID = Vb::CInt(Vb::CDbl(FG->TextMatrix(row, 3))); });
}

void LastPar::cmdOK_Click()
{
    const bool chosen = chosen_;
    cmdCancel_Click();
    if (!chosen)
        return;
    Misc::DoEvents();
    if (MainView *main = MainView::Loaded())
        PortfolioCommands::ShowTransactionDialog(*main, QStringLiteral("Sell Share"), QStringLiteral("Sell Date:"),
                                                 QStringLiteral("Sell Prices:"));
}

void LastPar::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    hide();
    deleteLater();
    Misc::DoEvents();
}

void LastPar::reject() { cmdCancel_Click(); }
