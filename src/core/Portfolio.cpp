#include "core/AppFolder.h"
#include "core/RecordIO.h"
#include "core/Stock.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <algorithm>
#include <limits>

std::array<TransactionRecord, Stock::PortfolioSlots> Portfolio;
int16_t PortfolioCount = 0;
std::array<MarketIndexRecord, Stock::USMarketSlots> USMarket;

namespace Stock {

namespace {

struct TransactionFields {
    template <typename Io, typename R>
    bool operator()(Io &io, R &r) const
    {
        return io.Field(r.Symbol) && io.Field(r.Date) && io.Field(r.Price) && io.Field(r.Shares)
               && io.Field(r.Commission) && io.Field(r.CurrentPrice) && io.Field(r.Action) && io.Field(r.Gain)
               && io.Field(r.ID);
    }
};

struct MarketIndexFields {
    template <typename Io, typename R>
    bool operator()(Io &io, R &r) const
    {
        return io.Field(r.LastTrade) && io.Field(r.TradeTime) && io.Field(r.Change) && io.Field(r.PercentChange)
               && io.Field(r.MoreInfo);
    }
};

// The portfolio and index files fail quietly: the caller learns it from the
// answer, nothing is logged.
template <typename Table, typename Fields>
bool Save(const QString &path, const Table &table, Fields fields)
{
    try {
        RecordIO::SaveTable(path, table, fields);
        return true;
    } catch (const VbError &) {
        return false;
    }
}

template <typename Table, typename Fields>
bool Read(const QString &path, Table &table, Fields fields)
{
    try {
        RecordIO::ReadTable(path, table, fields);
        return true;
    } catch (const VbError &) {
        return false;
    }
}

bool IsFree(const TransactionRecord &r) { return IsFreeSlot(r.Symbol); }

struct Sales {
    bool any = false;
    int shares = 0;
};

// The sales of the lot with this ID, the one in slot `except` left out.
// Every slot is looked at: after a deletion the sales of a lot may sit
// behind a gap, beyond the count of occupied slots.
Sales SalesOf(int16_t id, int except = -1)
{
    Sales s;
    for (int i = 0; i < PortfolioSlots; ++i) {
        const TransactionRecord &t = Portfolio[size_t(i)];
        if (i != except && t.Action == "Sell" && t.ID == id) {
            s.any = true;
            s.shares += t.Shares;
        }
    }
    return s;
}

std::function<void()> &PortfolioRedraw()
{
    static std::function<void()> redraw;
    return redraw;
}

void RedrawPortfolio()
{
    if (PortfolioRedraw())
        PortfolioRedraw()();
}

bool ReadsAsPositive(const QByteArray &text)
{
    bool ok = false;
    const double v = Vb::ParseNumber(Text::FromCp1252(text), &ok);
    return ok && v > 0;
}

} // namespace

QString PortfolioFile() { return AppFolder + QStringLiteral("/Portfolio.dat"); }
QString USFile() { return AppFolder + QStringLiteral("/US.dat"); }

void SetPortfolioRedraw(std::function<void()> redraw) { PortfolioRedraw() = std::move(redraw); }

bool SavePortfolio() { return Save(PortfolioFile(), Portfolio, TransactionFields{}); }

bool ReadPortfolio()
{
    if (!Read(PortfolioFile(), Portfolio, TransactionFields{}))
        return false;
    PortfolioCount = int16_t(std::count_if(Portfolio.begin(), Portfolio.begin() + Stock::LastPortfolioSlot + 1,
                                           [](const TransactionRecord &r) { return !IsFree(r); }));
    return true;
}

bool SetTransaction(const QByteArray &action, const QByteArray &symbol, int16_t shares, float commission,
                    const QByteArray &date, double price, const QByteArray &currentPrice, double gain,
                    int16_t id, int16_t slot)
{
    if (slot >= 0 && slot < PortfolioSlots) {
        TransactionRecord &t = Portfolio[slot];
        if (!symbol.isEmpty())
            t.Symbol = symbol;
        if (shares > 0)
            t.Shares = shares;
        if (commission > 0)
            t.Commission = commission;
        if (!date.isEmpty())
            t.Date = date;
        if (price > 0)
            t.Price = float(price);
        if (ReadsAsPositive(currentPrice))
            t.CurrentPrice = currentPrice;
        if (!action.isEmpty())
            t.Action = action;
        // A sale at a loss has a negative gain and is stored like any other.
        if (gain != 0)
            t.Gain = gain;
        if (id > 0)
            t.ID = id;
    }
    const bool saved = SavePortfolio();
    ReadPortfolio();
    RedrawPortfolio();
    return saved;
}

void PurgePortfolio()
{
    for (int i = 0; i <= Stock::LastPortfolioSlot; ++i)
        if (IsFree(Portfolio[i]))
            Portfolio[i] = TransactionRecord{};
    Portfolio[PortfolioSlots - 1] = TransactionRecord{};
}

bool ClearPortfolio()
{
    Portfolio.fill(TransactionRecord{});
    const bool saved = SavePortfolio();
    ReadPortfolio();
    RedrawPortfolio();
    return saved;
}

int16_t CheckSold(int16_t id, int16_t shares)
{
    const Sales sold = SalesOf(id);
    if (!sold.any)
        return 0;
    const int remaining = shares - sold.shares;
    return remaining > 0 ? int16_t(std::min(remaining, int(std::numeric_limits<int16_t>::max()))) : SoldOut;
}

int16_t SharesLeft(const TransactionRecord &purchase)
{
    const int16_t sold = CheckSold(purchase.ID, purchase.Shares);
    if (sold == 0)
        return std::max<int16_t>(purchase.Shares, 0);
    return sold == SoldOut ? int16_t(0) : sold;
}

int SharesSold(int16_t id) { return SalesOf(id).shares; }

int16_t FindPurchase(int16_t id)
{
    for (int i = 0; i <= Stock::LastPortfolioSlot; ++i)
        if (Portfolio[size_t(i)].Action == "Buy" && Portfolio[size_t(i)].ID == id && !IsFree(Portfolio[size_t(i)]))
            return int16_t(i);
    return NotFound;
}

std::optional<int16_t> SaleLimit(int16_t slot)
{
    if (slot < 0 || slot > Stock::LastPortfolioSlot)
        return std::nullopt;
    const TransactionRecord &sale = Portfolio[size_t(slot)];
    const int16_t lot = IsFree(sale) || sale.Action != "Sell" ? NotFound : FindPurchase(sale.ID);
    if (lot == NotFound)
        return std::nullopt;
    const int left = Portfolio[size_t(lot)].Shares - SalesOf(sale.ID, slot).shares;
    return int16_t(std::max(left, 0));
}

double CommissionShare(double commission, double shares, int16_t bought)
{
    if (shares == bought || bought <= 0)
        return commission;
    return commission * shares / bought;
}

double SaleGain(const TransactionRecord &purchase, double shares, double price, double commission)
{
    return shares * (price - double(purchase.Price)) - commission
           - CommissionShare(purchase.Commission, shares, purchase.Shares);
}

bool EditTransaction(int16_t slot, int16_t shares, float commission, const QByteArray &date, double price)
{
    if (slot < 0 || slot > Stock::LastPortfolioSlot || IsFree(Portfolio[size_t(slot)]))
        return false;
    TransactionRecord &t = Portfolio[size_t(slot)];
    t.Shares = shares;
    t.Commission = commission;
    t.Date = date;
    t.Price = float(price);
    const auto regain = [](TransactionRecord &sale) {
        const int16_t lot = FindPurchase(sale.ID);
        // A sale whose lot was deleted keeps the gain it was given.
        if (lot != NotFound)
            sale.Gain = SaleGain(Portfolio[size_t(lot)], sale.Shares, sale.Price, sale.Commission);
    };
    if (t.Action == "Sell") {
        regain(t);
    } else if (t.Action == "Buy") {
        for (int i = 0; i <= Stock::LastPortfolioSlot; ++i)
            if (Portfolio[size_t(i)].Action == "Sell" && Portfolio[size_t(i)].ID == t.ID && !IsFree(Portfolio[size_t(i)]))
                regain(Portfolio[size_t(i)]);
    }
    const bool saved = SavePortfolio();
    ReadPortfolio();
    RedrawPortfolio();
    return saved;
}

std::optional<NewTransaction> NextTransaction()
{
    int highestId = 0;
    for (const TransactionRecord &t : Portfolio)
        if (!IsFree(t))
            highestId = std::max(highestId, int(t.ID));
    if (highestId >= std::numeric_limits<int16_t>::max())
        return std::nullopt;
    // Slot 0 is never given out, and slot 100 is lost at the next purge.
    for (int i = 1; i <= Stock::LastPortfolioSlot; ++i)
        if (IsFree(Portfolio[i]))
            return NewTransaction{int16_t(i), int16_t(highestId + 1)};
    return std::nullopt;
}

bool SaveUS() { return Save(USFile(), USMarket, MarketIndexFields{}); }
bool ReadUS() { return Read(USFile(), USMarket, MarketIndexFields{}); }

} // namespace Stock
