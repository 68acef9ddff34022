#include "portfolio/PortfolioCommands.h"

#include "collect/SheetCache.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "portfolio/LastPar.h"
#include "portfolio/PortfolioGrids.h"
#include "portfolio/frmPurchace.h"
#include "sheets/SheetFrame.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

using PortfolioGrids::HoldingKeyCol;
using PortfolioGrids::LogSlotCol;


// The slots of the symbol's lots that still hold shares.
QList<int> OpenLots(const QByteArray &symbol)
{
    QList<int> lots;
    for (int i = 0; i <= Stock::LastPortfolioSlot; ++i) {
        const TransactionRecord &t = Portfolio[size_t(i)];
        if (t.Symbol == symbol && t.Action == "Buy" && Stock::SharesLeft(t) > 0)
            lots << i;
    }
    return lots;
}

// The name shown for a symbol of the open set: its Name when longer than one
// character, else the symbol; none when the set does not hold it.
std::optional<QString> NameInSet(const QByteArray &symbol)
{
    if (Stock::IsFreeSlot(symbol))
        return std::nullopt;
    for (const StockRecord &s : Stocks)
        if (s.Symbol == symbol)
            return Text::FromCp1252(s.Name.size() > 1 ? s.Name : symbol);
    return std::nullopt;
}

void ShowName(frmPurchace *d, const QByteArray &symbol)
{
    if (const std::optional<QString> name = NameInSet(symbol))
        d->lblName->setText(*name);
}

// The current row's cell of the main grid; "" outside the grid.
QString Cell(const FlexGrid *grid, int col)
{
    const int row = grid->Row();
    if (row < 0 || row >= grid->Rows() || col >= grid->Cols())
        return {};
    return grid->TextMatrix(row, col);
}

// The kinds of page kept per stock in the data-sheet cache.
const char *const StockPageKinds[] = {"ABS", "AIS", "ee", "it", "qr", "op", "sp", "uph", "dnh", "mr", "brp", "P", "SI"};

} // namespace


namespace PortfolioCommands {

void WirePortfolio()
{
    Stock::SetPortfolioRedraw([] {
        MainView *main = MainView::Loaded();
        if (!main)
            return;
        if (CurrentView == QLatin1String("Port"))
            FG_Portfolio_All(*main);
        else if (CurrentView == QLatin1String("PortLog"))
            FG_PortfolioLog(*main);
    });
}

void FG_Portfolio_All(MainView &main)
{
    SheetFrame::Fill(main, {QStringLiteral("Port"), QString(),
                            [](QByteArray &, const QByteArray &, SheetFrame::SheetTable &t) {
                                Stock::ReadPortfolio();
                                PortfolioGrids::ReadHoldings(t);
                            },
                            nullptr, SheetFrame::Source::OwnData});
}

void FG_PortfolioLog(MainView &main)
{
    SheetFrame::Fill(main, {QStringLiteral("PortLog"), QString(),
                            [](QByteArray &, const QByteArray &, SheetFrame::SheetTable &t) {
                                Stock::ReadPortfolio();
                                PortfolioGrids::ReadLog(t);
                            },
                            nullptr, SheetFrame::Source::OwnData});
}

void ShowTransactionDialog(MainView &main, const QString &caption, const QString &dateLabel,
                           const QString &priceLabel, const std::function<void(frmPurchace *)> &fill)
{
    QWidget *window = main.Widget();
    auto *dialog = new frmPurchace(window);
    main.PlaceBelowTicker(dialog, Geometry::Width(window));
    dialog->setWindowTitle(caption);
    if (!dateLabel.isEmpty())
        dialog->lbl[0]->setText(dateLabel);
    if (!priceLabel.isEmpty())
        dialog->lbl[2]->setText(priceLabel);
    ShowName(dialog, TransactionSymbol);
    if (fill)
        fill(dialog);
    main.ShowModal(dialog);
}

void ShowPurchasePicker(MainView &main)
{
    QWidget *window = main.Widget();
    auto *picker = new LastPar(window);
    main.PlaceBelowTicker(picker, Geometry::Width(window));
    main.ShowModal(picker);
    Misc::DoEvents();
}

bool HoldsShares(const QByteArray &symbol) { return !symbol.isEmpty() && !OpenLots(symbol).isEmpty(); }

void BuyCurrent(MainView &main)
{
    if (CurrentSymbol.isEmpty()) {
        Dialogs::MsgBox(QStringLiteral("Select some stock first.."), Dialogs::vbInformation,
                        QStringLiteral("UnSelected Stock"));
        return;
    }
    TransactionMode = QStringLiteral("NewStock");
    TransactionSymbol = CurrentSymbol;
    ShowTransactionDialog(main, QStringLiteral("Parchase Share"), QString(), QString());
}

void SellCurrent(MainView &main)
{
    TransactionMode = QStringLiteral("Sell");
    TransactionSymbol = CurrentSymbol;
    const QList<int> lots = OpenLots(TransactionSymbol);
    if (lots.isEmpty())
        return;
    if (lots.size() > 1) {
        ShowPurchasePicker(main);
        return;
    }
    const TransactionRecord &lot = Portfolio[size_t(lots[0])];
    LotShares = Stock::SharesLeft(lot);
    LotPrice = lot.Price;
    TransactionID = lot.ID;
    ShowTransactionDialog(main, QStringLiteral("Sell Share"), QStringLiteral("Sell Date:"), QStringLiteral("Sell Prices:"),
                          [](frmPurchace *d) { d->txtShares->setText(QString::number(LotShares)); });
}

void DeleteCurrent(MainView &main)
{
    // No stock chosen: nothing to ask about, nothing to remove.
    if (Stock::IsFreeSlot(CurrentSymbol))
        return;
    // A Yes could remove nothing: the set does not hold it.
    if (Stock::FindStock(CurrentSymbol) == Stock::NotFound) {
        Dialogs::MsgBox(Text::FromCp1252(CurrentSymbol) + QStringLiteral(" is not in the open stock set."),
                        Dialogs::vbInformation, QStringLiteral("Stock not found"));
        return;
    }
    const int answer = Dialogs::MsgBox(QStringLiteral("Do you want to remove ")
                                           + Text::FromCp1252(Stock::CurrentStockName()) + QStringLiteral(" (")
                                           + Text::FromCp1252(CurrentSymbol) + QStringLiteral(")?"),
                                       Dialogs::vbYesNo | Dialogs::vbQuestion, QStringLiteral("Delete share?"));
    if (answer == Dialogs::vbYes)
        RemoveStock(main, Stock::FindStock(CurrentSymbol));
}

void EmptyStockCache()
{
    const int answer = Dialogs::MsgBox(QStringLiteral("Are you sure you want to delete the selected stock data?"),
                                       Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2,
                                       QStringLiteral("Clear Cache ?"));
    if (answer == Dialogs::vbNo || !SheetCache::UsableSymbol(CurrentSymbol))
        return;
    for (const char *kind : StockPageKinds) {
        const QString name = QString::fromLatin1(CurrentSymbol) + u'_' + QLatin1String(kind) + QStringLiteral(".Sh");
        // The same page may be there in two spellings.
        for (QString file = SheetCache::DataSheet(name); QFileInfo(file).isFile() && QFile::remove(file);
             file = SheetCache::DataSheet(name)) {
        }
    }
    Misc::DoEvents();
}

void EditSelectedTransaction(MainView &main)
{
    if (CurrentView == QLatin1String("Port")) {
        // A holdings row names its lot by ID; Total rows name none.
        if (const std::optional<int16_t> id = Vb::ReadInt(Cell(main.FG, HoldingKeyCol)))
            EditTransactionAt(main, Stock::FindPurchase(*id));
    } else if (CurrentView == QLatin1String("PortLog")) {
        if (const std::optional<int16_t> slot = Vb::ReadInt(Cell(main.FG, LogSlotCol)))
            EditTransactionAt(main, *slot);
    }
}

void DeleteSelectedTransaction(MainView &main)
{
    if (CurrentView == QLatin1String("PortLog"))
        if (const std::optional<int16_t> slot = Vb::ReadInt(Cell(main.FG, LogSlotCol)))
            DeleteTransactionAt(main, *slot);
}

void SellHolding(MainView &main)
{
    const std::optional<int16_t> id = Vb::ReadInt(Cell(main.FG, HoldingKeyCol));
    if (!id)
        return;
    TransactionID = *id;
    TransactionMode = QStringLiteral("Sell");
    TransactionSymbol = Text::ToCp1252(Cell(main.FG, 0));
    const int16_t slot = Stock::FindPurchase(*id);
    if (slot == Stock::NotFound)
        return;
    if (OpenLots(TransactionSymbol).size() > 1) {
        ShowPurchasePicker(main);
        return;
    }
    const TransactionRecord &lot = Portfolio[size_t(slot)];
    LotShares = Stock::SharesLeft(lot);
    LotPrice = lot.Price;
    const QString current = Cell(main.FG, 9);
    const QString commission = Cell(main.FG, 4);
    const QString shares = Cell(main.FG, 2);
    ShowTransactionDialog(main, QStringLiteral("Sell Share"), QStringLiteral("Sell Date:"), QStringLiteral("Sell Prices:"),
                          [&](frmPurchace *d) {
                              d->lblSymbol->setText(Text::FromCp1252(TransactionSymbol));
                              d->lblCurrent->setText(current);
                              d->txtComm->setText(commission);
                              d->txtPrice->setText(current);
                              d->txtDate->setText(frmPurchace::TodayText());
                              d->txtShares->setText(shares);
                          });
}

void EditTransactionAt(MainView &main, int slot)
{
    if (slot < 0 || slot > Stock::LastPortfolioSlot || Stock::IsFreeSlot(Portfolio[size_t(slot)].Symbol))
        return;
    const TransactionRecord t = Portfolio[size_t(slot)];
    TransactionSlot = int16_t(slot);
    TransactionSymbol = t.Symbol;
    TransactionMode = QStringLiteral("Edit");
    ShowTransactionDialog(main, QStringLiteral("Edit Transaction"), QStringLiteral("Buy Date:"), QStringLiteral("Buy Prices:"),
                          [&t](frmPurchace *d) {
                              d->lblSymbol->setText(Text::FromCp1252(t.Symbol));
                              d->FillStored(t);
                          });
    Misc::DoEvents();
}

void DeleteTransactionAt(MainView &main, int slot)
{
    if (slot < 0 || slot > Stock::LastPortfolioSlot)
        return;
    const TransactionRecord &t = Portfolio[size_t(slot)];
    const int answer = Dialogs::MsgBox(QStringLiteral("Are you sure you want to remove this transaction (")
                                           + Text::FromCp1252(t.Symbol) + u'-' + Text::FromCp1252(t.Action)
                                           + QStringLiteral(")?"),
                                       Dialogs::vbYesNo | Dialogs::vbQuestion, QStringLiteral("Delete Transaction?"));
    if (answer != Dialogs::vbYes)
        return;
    Portfolio[size_t(slot)] = TransactionRecord{};
    Stock::PurgePortfolio();
    const bool saved = Stock::SavePortfolio();
    Stock::ReadPortfolio();
    if (!saved)
        Dialogs::MsgBox(QStringLiteral("The portfolio could not be saved; the transaction was not removed."),
                        Dialogs::vbCritical, QStringLiteral("Portfolio not saved"));
    FG_PortfolioLog(main);
}

void DeleteListedStock(MainView &main)
{
    // The row names its stock by the symbol it keeps, whatever the sort or
    // the names shown: two companies may share a name.
    const QByteArray symbol = Text::ToCp1252(main.FG->RowData(main.FG->Row()));
    if (Stock::IsFreeSlot(symbol))
        return;
    const int answer = Dialogs::MsgBox(QStringLiteral("Are you sure you want to remove ") + QStringLiteral(" (")
                                           + Text::FromCp1252(symbol) + QStringLiteral(")?"),
                                       Dialogs::vbYesNo | Dialogs::vbQuestion, QStringLiteral("Delete share?"));
    if (answer == Dialogs::vbYes)
        RemoveStock(main, Stock::FindStock(symbol));
}

void RemoveStock(MainView &main, int16_t slot)
{
    // A symbol outside the set removes nothing (slot 0 is a stock too).
    if (slot == Stock::NotFound)
        return;
    // A run walks the set's slots and saves quotes into them.
    if (main.UpdateRunning()) {
        Dialogs::MsgBox(QStringLiteral("An update is running. Nothing was removed; please try again when it has ended."),
                        Dialogs::vbInformation, QStringLiteral("Stock set not saved"));
        return;
    }
    const Stock::StockTable before = Stocks;
    const int16_t count = StockCount;
    const QByteArray removed = Stocks[size_t(slot)].Symbol;
    Stock::ClearStock(slot);
    Stock::CompactStocks();
    if (!Stock::SaveStocks()) {
        // The set stays as it is on disk, and as it was in memory.
        Stocks = before;
        StockCount = count;
        Dialogs::MsgBox(QStringLiteral("The stock set could not be saved; the stock was not removed."),
                        Dialogs::vbCritical, QStringLiteral("Stock set not saved"));
        return;
    }
    Stock::ReadStocks();
    Stock::CompactStocks();
    // A stock that has gone is no one's current stock: nothing may go on
    // acting on it.
    if (removed == CurrentSymbol)
        CurrentSymbol.clear();
    main.ShowOpenSet();
}

} // namespace PortfolioCommands
