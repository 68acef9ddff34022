// The window's portfolio commands and the two popups that offer them.
#include "shell/frmMain.h"

#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/Text.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "portfolio/PortfolioCommands.h"

#include <QAction>
#include <QLabel>

void frmMain::WirePortfolio() { PortfolioCommands::WirePortfolio(); }

void frmMain::FG_Portfolio_All() { PortfolioCommands::FG_Portfolio_All(*this); }

void frmMain::FG_PortfolioLog() { PortfolioCommands::FG_PortfolioLog(*this); }

void frmMain::FG_Portfolio_Selected(const QByteArray &symbol) { PortfolioCommands::FG_Portfolio_Selected(*this, symbol); }

void frmMain::PopStockMenu(QWidget *control, float x, float y, bool collapse, bool stock)
{
    mnuTree[0]->setVisible(collapse);
    mnuTree[1]->setVisible(collapse && stock);
    for (int i = 2; i < 12; ++i)
        mnuTree[i]->setVisible(stock);
    const QPoint at = control->mapTo(this, QPoint(Twips::ToPixels(x), Twips::ToPixels(y)));
    PopupMenu(mnuTrees, Twips::FromPixels(at.x()), Twips::FromPixels(at.y()));
}

void frmMain::mnuTrees_Click()
{
    const bool held = PortfolioCommands::HoldsShares(CurrentSymbol);
    mnuTree[3]->setEnabled(held);
    mnuTree[4]->setEnabled(held);
}

void frmMain::mnuTree_Click(int index)
{
    switch (index) {
    case 0:
        CollapseAll();
        break;
    case 2: // Buy
        PortfolioCommands::BuyCurrent(*this);
        break;
    case 3: // Sell
        PortfolioCommands::SellCurrent(*this);
        break;
    case 6: // Delete
        PortfolioCommands::DeleteCurrent(*this);
        break;
    case 7: // Empty Stock Cache
        PortfolioCommands::EmptyStockCache();
        break;
    case 9:
        mnuUpdate_Click(1);
        break;
    case 11:
        for (int i = 0; i < 7; ++i)
            if (lblSbl[i] && !CurrentSymbol.isEmpty() && lblSbl[i]->text() == Text::FromCp1252(CurrentSymbol))
                img_DblClick(i);
        break;
    default: // Split and the separators
        break;
    }
}

void frmMain::mnuEdit_Click(int index)
{
    switch (index) {
    case 0:
        CopyCells();
        break;
    case 2:
        SelectAllCells();
        break;
    case 4:
        mnuEdit[4]->setChecked(!mnuEdit[4]->isChecked());
        Vb::Skip([this] { FG_Current(); });
        Misc::DoEvents();
        break;
    case 6:
        if (CurrentView == QLatin1String("Port"))
            PortfolioCommands::SellHolding(*this);
        break;
    case 7:
        if (CurrentView == QLatin1String("Current"))
            PortfolioCommands::DeleteListedStock(*this);
        break;
    case 8:
        PortfolioCommands::EditSelectedTransaction(*this);
        break;
    case 9:
        PortfolioCommands::DeleteSelectedTransaction(*this);
        break;
    default:
        break;
    }
}
