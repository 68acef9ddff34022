// Opening a set rebuilds the whole navigation tree: for a full 201-stock set
// with a portfolio of 100 distinct symbols that is 16 449 nodes. Measured:
// frmMain::initTree itself, and initTree with the first paint of the shown
// tree after it.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Stock.h"
#include "platform/Registry.h"
#include "platform/TreeView.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTemporaryDir>

TW_BENCH(tree_init)
{
    QTemporaryDir dir;
    AppFolder = dir.path();
    Registry::instance().Open(dir.path() + QStringLiteral("/Tickerwatch.reg"));
    for (int i = 0; i < Stock::StockSlots; ++i) {
        Stocks[size_t(i)] = StockRecord{};
        Stocks[size_t(i)].Symbol = "S" + QByteArray::number(i);
    }
    StockCount = Stock::StockSlots;
    for (int i = 0; i < 100; ++i)
        Portfolio[size_t(i)].Symbol = "P" + QByteArray::number(i);

    frmMain *m = frmMain::Instance();
    m->Panel1[1]->setText(QStringLiteral("Full"));
    m->initTree(); // first build: the tables are set up once

    const double build = bench::medianMs(9, [m] { m->initTree(); });
    bench::report(QStringLiteral("tree_init (%1 nodes)").arg(m->TreeView1->Count()), build, QStringLiteral("ms"));

    m->show();
    QCoreApplication::processEvents();
    const double shown = bench::medianMs(9, [m] {
        m->initTree();
        m->TreeView1->repaint();
    });
    bench::report(QStringLiteral("tree_init_and_paint"), shown, QStringLiteral("ms"));

    const double collapse = bench::medianMs(9, [m] { m->CollapseStocks(); });
    bench::report(QStringLiteral("tree_collapse_stocks"), collapse, QStringLiteral("ms"));
    frmMain::Unload();
}
