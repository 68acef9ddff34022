#include "core/Stock.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/RecordIO.h"
#include "core/ViewState.h"
#include "platform/Vb.h"

#include <algorithm>

Stock::StockTable Stocks;
int16_t StockCount = 0;
int16_t StockIndex = 0;
int16_t CurrentSet = 0;

namespace Stock {

namespace {

struct StockFields {
    template <typename Io, typename R>
    bool operator()(Io &io, R &r) const
    {
        return io.Field(r.Spare1) && io.Field(r.Symbol) && io.Field(r.Name) && io.Field(r.Recommendation)
               && io.Field(r.LastSale) && io.Field(r.PChange) && io.Field(r.DChange) && io.Field(r.TodayHigh)
               && io.Field(r.TodayLow) && io.Field(r.Volume) && io.Field(r.Ask) && io.Field(r.Bid)
               && io.Field(r.LTS) && io.Field(r.pe) && io.Field(r.DPS) && io.Field(r.Opens)
               && io.Field(r.PreClose) && io.Field(r.High52) && io.Field(r.Low52) && io.Field(r.EPS)
               && io.Field(r.Exchange) && io.Field(r.industry) && io.Field(r.LastUpdate)
               && io.Field(r.LowAlert) && io.Field(r.HighAlert) && io.Field(r.Spare2) && io.Field(r.MarketCap)
               && io.Field(r.AvgVolume) && io.Field(r.Div) && io.Field(r.Yield);
    }
};

// First slot among 0 to last (never past the table) whose symbol is symbol;
// no symbol finds no slot.
int16_t Search(const QByteArray &symbol, int last)
{
    if (IsFreeSlot(symbol))
        return NotFound;
    last = std::min(last, StockSlots - 1);
    for (int i = 0; i <= last; ++i)
        if (Stocks[i].Symbol == symbol)
            return int16_t(i);
    return NotFound;
}

} // namespace

bool IsFreeSlot(const QByteArray &symbol) { return symbol.trimmed().isEmpty(); }

QString StockSetFile(int16_t set)
{
    return AppFolder + QStringLiteral("/Set") + QString::number(set) + QStringLiteral(".dat");
}

bool ReadStocks(int16_t set, StockTable &table)
{
    try {
        RecordIO::ReadTable(StockSetFile(set), table, StockFields{});
        return true;
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Stocks_ReadStocks"), false);
        return false;
    }
}

bool SaveStocks(int16_t set, const StockTable &table)
{
    try {
        RecordIO::SaveTable(StockSetFile(set), table, StockFields{});
        return true;
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Stocks_SaveStocks"), false);
        return false;
    }
}

int16_t CountStocks(const StockTable &table)
{
    return int16_t(std::count_if(table.begin(), table.end(), [](const StockRecord &r) { return !IsFreeSlot(r.Symbol); }));
}

bool ReadStocks()
{
    if (!ReadStocks(CurrentSet, Stocks))
        return false;
    StockCount = CountStocks(Stocks);
    return true;
}

bool SaveStocks() { return SaveStocks(CurrentSet, Stocks); }

QByteArray StockDetails(const QByteArray &symbol)
{
    const int16_t slot = Search(symbol, StockSlots - 2);
    if (slot == NotFound)
        return {};
    StockIndex = slot;
    const StockRecord &r = Stocks[slot];
    return QList<QByteArray>{r.Name, r.DChange, r.PChange, r.Volume, r.TodayHigh, r.TodayLow, r.Bid,
                             r.Ask, r.LTS, r.Opens, r.PreClose, r.High52, r.Low52, r.EPS,
                             r.pe, r.DPS, r.Exchange, r.industry, r.LastUpdate}
        .join(';');
}

int16_t FindStock(const QByteArray &symbol)
{
    return Search(symbol, StockCount);
}

QByteArray StockName(const QByteArray &symbol)
{
    const int16_t slot = Search(symbol, StockCount);
    if (slot == NotFound)
        return {};
    return Stocks[slot].Name.size() > 1 ? Stocks[slot].Name : symbol;
}

QByteArray CurrentStockName() { return StockName(CurrentSymbol); }

float GetRecommendation(const QByteArray &symbol)
{
    const int16_t slot = Search(symbol, StockSlots - 1);
    return slot == NotFound ? 0.0f : Stocks[slot].Recommendation;
}

QByteArray GetLastPrice(const QByteArray &symbol)
{
    const int16_t slot = Search(symbol, StockSlots - 2);
    return slot == NotFound ? QByteArray() : Misc::FormatP(Stocks[slot].LastSale, false);
}

void ClearStock(StockTable &table, int16_t slot)
{
    if (slot < 0 || slot >= StockSlots)
        return;
    StockRecord &r = table[slot];
    StockRecord cleared;
    cleared.MarketCap = r.MarketCap;
    cleared.AvgVolume = r.AvgVolume;
    cleared.Div = r.Div;
    cleared.Yield = r.Yield;
    r = std::move(cleared);
}

void ClearStock(int16_t slot) { ClearStock(Stocks, slot); }

void CompactStocks()
{
    const auto kept = std::stable_partition(Stocks.begin(), Stocks.end(), [](const StockRecord &r) { return !IsFreeSlot(r.Symbol); });
    std::fill(kept, Stocks.end(), StockRecord{});
}

} // namespace Stock
