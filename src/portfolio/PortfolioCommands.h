#pragma once
// The holdings and log grids of the main window, and the commands of its
// grid and tree popups that act on the portfolio and the open set.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class MainView;
class frmPurchace;

namespace PortfolioCommands {

// Whichever main window is loaded when the portfolio changes redraws its
// grid, if that grid shows the portfolio.
void WirePortfolio();

void FG_Portfolio_All(MainView &main);
void FG_PortfolioLog(MainView &main);
// One symbol's lots, opened from its node under "Portfolio Detail".
void FG_Portfolio_Selected(MainView &main, const QByteArray &symbol);

// Loads the transaction dialog from the hand-over values, places it below
// the ticker, gives it its caption and the two label texts (empty: the
// design's), lets fill set its boxes, and shows it modal.
void ShowTransactionDialog(MainView &main, const QString &caption, const QString &dateLabel,
                           const QString &priceLabel, const std::function<void(frmPurchace *)> &fill = nullptr);
// The purchase picker for TransactionSymbol, placed and shown modal.
void ShowPurchasePicker(MainView &main);

// Whether the symbol has a lot that still holds shares.
bool HoldsShares(const QByteArray &symbol);

// The tree popup's commands on CurrentSymbol.
void BuyCurrent(MainView &main);
void SellCurrent(MainView &main);
void DeleteCurrent(MainView &main);
void EmptyStockCache();

// The grid popup's commands on the main grid's current row.
void SellHolding(MainView &main);
void EditSelectedTransaction(MainView &main);
void DeleteSelectedTransaction(MainView &main);
void DeleteListedStock(MainView &main);

void EditTransactionAt(MainView &main, int slot);
void DeleteTransactionAt(MainView &main, int slot);
// Removes the open set's stock in slot, saves the set and shows it again
// wherever its stocks are listed; a removed current stock is current no more.
void RemoveStock(MainView &main, int16_t slot);

} // namespace PortfolioCommands
