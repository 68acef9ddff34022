// Drawing the holdings and the log of a full portfolio (99 transactions):
// each portfolio change redraws the grid on show.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Stock.h"
#include "platform/FlexGrid.h"
#include "platform/Registry.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

TW_BENCH(portfolio_grids)
{
    QTemporaryDir dir;
    const QString oldFolder = AppFolder;
    AppFolder = dir.path();
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg")); // never the real user's
    // 20 symbols; every third transaction sells part of the lot before it.
    Portfolio.fill({});
    for (int i = 1; i <= 99; ++i) {
        TransactionRecord &t = Portfolio[size_t(i)];
        t.Symbol = "SYM" + QByteArray::number(i % 20);
        t.Date = "12/31/2003";
        t.Price = 12.5f + float(i);
        t.Commission = 9.95f;
        t.CurrentPrice = "27 3/8";
        const bool sale = i % 3 == 0;
        t.Action = sale ? "Sell" : "Buy";
        t.Shares = int16_t(sale ? 40 : 100);
        t.ID = int16_t(sale ? i - 1 : i);
        t.Gain = sale ? 123.45 : 0;
    }
    Stock::SavePortfolio();

    frmMain *m = frmMain::Instance();
    m->show();
    m->BaseRowHeight = int16_t(m->FG->RowHeight(0));
    QApplication::processEvents();
    // From the file to the painted grid.
    const auto drawn = [m](void (frmMain::*fill)()) {
        return bench::medianMs(51, [m, fill] {
            (m->*fill)();
            m->FG->repaint();
            QApplication::processEvents();
        });
    };
    bench::report(QStringLiteral("portfolio Port drawn, 99 transactions"), drawn(&frmMain::FG_Portfolio_All),
                  QStringLiteral("ms (median)"));
    bench::report(QStringLiteral("portfolio PortLog drawn, 99 transactions"), drawn(&frmMain::FG_PortfolioLog),
                  QStringLiteral("ms (median)"));
    frmMain::Unload();
    AppFolder = oldFolder;
}
