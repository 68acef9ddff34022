// Loading and saving a full set: the Update run saves after every stock.
#include "Bench.h"

#include "core/AppFolder.h"
#include "core/Stock.h"

#include <QTemporaryDir>

TW_BENCH(stock_read_save)
{
    QTemporaryDir dir;
    const QString oldFolder = AppFolder;
    AppFolder = dir.path();
    CurrentSet = 0;
    for (int i = 0; i < Stock::StockSlots; ++i) {
        StockRecord &r = Stocks[i];
        r.Symbol = "SYM" + QByteArray::number(i);
        r.Name = "Company number " + QByteArray::number(i) + " Incorporated";
        r.LastSale = r.Opens = r.PreClose = r.TodayHigh = r.TodayLow = "123.45";
        r.Volume = r.AvgVolume = "1,234,567";
        r.industry = "Semiconductor - Integrated Circuits";
        r.LastUpdate = "4:01PM 12/31/2003";
        r.Recommendation = 2.5f;
    }
    Stock::SaveStocks();
    const double ms = bench::medianMs(51, [] {
        Stock::ReadStocks();
        Stock::SaveStocks();
    });
    bench::report(QStringLiteral("stock_read_save (201 stocks)"), ms, QStringLiteral("ms"));
    AppFolder = oldFolder;
}
