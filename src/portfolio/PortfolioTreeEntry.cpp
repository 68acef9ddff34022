#include "portfolio/PortfolioCommands.h"

#include "core/Stock.h"
#include "portfolio/PortSymbols.h"
#include "portfolio/PortfolioGrids.h"
#include "sheets/SheetFrame.h"

#include <algorithm>

// It never goes to a Zoom window.
void PortfolioCommands::FG_Portfolio_Selected(MainView &main, const QByteArray &symbol)
{
    SheetFrame::Fill(main, {QStringLiteral("PortSelected"), QString(),
                            [symbol](QByteArray &, const QByteArray &, SheetFrame::SheetTable &t) {
                                Stock::ReadPortfolio();
                                PortSymbols.fill(QByteArray());
                                if (!Stock::IsFreeSlot(symbol)
                                    && std::any_of(Portfolio.begin(), Portfolio.end() - 1,
                                                   [&](const TransactionRecord &r) { return r.Symbol == symbol; }))
                                    AddPortSymbol(symbol);
                                PortfolioGrids::ReadSelected(t, symbol);
                            },
                            nullptr, SheetFrame::Source::OwnData, SheetFrame::Zooming::Ignored});
}
