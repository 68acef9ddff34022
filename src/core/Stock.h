#pragma once
// The open stock set, the portfolio and the US index table: their records,
// the program-wide tables, their files under AppFolder and the operations the
// rest of the program uses on them.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

// One stock of a set. Field order is the file's.
struct StockRecord {
    QByteArray Spare1;
    QByteArray Symbol; // "" marks a free slot
    QByteArray Name;
    float Recommendation = 0; // 1 to 5, 0 = none
    QByteArray LastSale;
    QByteArray PChange;
    QByteArray DChange;
    QByteArray TodayHigh;
    QByteArray TodayLow;
    QByteArray Volume;
    QByteArray Ask;
    QByteArray Bid;
    QByteArray LTS;
    QByteArray pe;
    QByteArray DPS;
    QByteArray Opens;
    QByteArray PreClose;
    QByteArray High52;
    QByteArray Low52;
    QByteArray EPS;
    QByteArray Exchange;
    QByteArray industry;
    QByteArray LastUpdate;
    float LowAlert = 0; // 0 = none
    float HighAlert = 0;
    QByteArray Spare2;
    QByteArray MarketCap;
    QByteArray AvgVolume;
    QByteArray Div;
    QByteArray Yield;
    bool operator==(const StockRecord &) const = default;
};

// One buy or sell. Field order is the file's.
struct TransactionRecord {
    QByteArray Symbol; // "" marks a free slot
    QByteArray Date;
    float Price = 0;
    int16_t Shares = 0;
    float Commission = 0;
    QByteArray CurrentPrice;
    QByteArray Action; // "Buy" or "Sell"
    double Gain = 0;
    int16_t ID = 0; // a Buy's own lot number; a Sell's is the lot it sells from
    bool operator==(const TransactionRecord &) const = default;
};

// One row of the US index table.
struct MarketIndexRecord {
    QByteArray LastTrade;
    QByteArray TradeTime;
    QByteArray Change;
    QByteArray PercentChange;
    QByteArray MoreInfo;
    bool operator==(const MarketIndexRecord &) const = default;
};

namespace Stock {
constexpr int StockSlots = 201;
constexpr int PortfolioSlots = 101;
// The last slot a transaction walk covers: slot 100 is outside the count,
// never handed out and never shown, but after a deletion a transaction may
// sit beyond the count of occupied slots.
constexpr int LastPortfolioSlot = PortfolioSlots - 2;
constexpr int USMarketSlots = 37;
// FindStock's answer for a symbol that is not in the open set.
constexpr int16_t NotFound = -1;
// CheckSold's mark of a lot sold out.
constexpr int16_t SoldOut = 30000;
// One stock set in memory: the open one (Stocks) or a copy being edited.
using StockTable = std::array<StockRecord, StockSlots>;
} // namespace Stock

extern Stock::StockTable Stocks;
// Occupied slots of Stocks, counted by ReadStocks.
extern int16_t StockCount;
// The slot StockDetails last found.
extern int16_t StockIndex;
// The open set, 0 to 20.
extern int16_t CurrentSet;
extern std::array<TransactionRecord, Stock::PortfolioSlots> Portfolio;
// Occupied slots among 0 to 99, counted by ReadPortfolio.
extern int16_t PortfolioCount;
extern std::array<MarketIndexRecord, Stock::USMarketSlots> USMarket;

namespace Stock {

// Whether a slot of a set or of the portfolio is free: its symbol is empty
// once blanks are trimmed. Every walk over stocks or transactions asks this;
// one-letter tickers ("F", "T") are stocks like any other.
bool IsFreeSlot(const QByteArray &symbol);

QString StockSetFile(int16_t set);
QString PortfolioFile();
QString USFile();

// --- any set ---
// Loads the file of set into table (the file is created empty when missing).
// A failure is logged and leaves the table as it was.
bool ReadStocks(int16_t set, StockTable &table);
// Saves table whole and atomically as the file of set; a failure is logged.
bool SaveStocks(int16_t set, const StockTable &table);
// Empties every field of the slot but the last four (market cap, average
// volume, dividend, yield). Slots outside the table are left alone.
void ClearStock(StockTable &table, int16_t slot);
// The slots holding a symbol.
int16_t CountStocks(const StockTable &table);

// --- the open set ---
// ReadStocks into Stocks from the file of CurrentSet, and recounts
// StockCount. A failure leaves the table and count as they were.
bool ReadStocks();
// SaveStocks of Stocks as the file of CurrentSet.
bool SaveStocks();
// Name, changes, prices and figures of the stock joined by ";", or "" when it
// is not in slots 0 to 199; a hit sets StockIndex.
QByteArray StockDetails(const QByteArray &symbol);
// The slot among 0 to StockCount holding symbol, or NotFound (also for no
// symbol at all: a free slot is no stock).
int16_t FindStock(const QByteArray &symbol);
// The name of the symbol's stock, or the symbol itself when the stored name
// is shorter than two characters; "" when it is not in the set.
QByteArray StockName(const QByteArray &symbol);
// StockName of CurrentSymbol.
QByteArray CurrentStockName();
float GetRecommendation(const QByteArray &symbol);
// LastSale in decimals through Misc::FormatP (which may rewrite the stored
// sign), or "" when the stock is not in slots 0 to 199.
QByteArray GetLastPrice(const QByteArray &symbol);
// ClearStock of a slot of Stocks.
void ClearStock(int16_t slot);
// Moves the stocks, in order, to the front and empties the rest (free slots
// among them). StockCount is left for the next read.
void CompactStocks();

// --- portfolio ---
bool SavePortfolio();
// A read that fails leaves the table and count as they were.
bool ReadPortfolio();
// Writes the given fields into the slot, keeping the stored value for an
// empty text or a number of 0 or less (Gain: exactly 0), then saves,
// reloads and redraws the portfolio grid on show. Answers whether the save
// went through.
bool SetTransaction(const QByteArray &action, const QByteArray &symbol, int16_t shares, float commission,
                    const QByteArray &date, double price, const QByteArray &currentPrice, double gain,
                    int16_t id, int16_t slot);
// How the portfolio grid on show is drawn again after the portfolio is
// saved; the main window sets it when it is built. Without one (no window)
// nothing is drawn. nullptr clears it.
void SetPortfolioRedraw(std::function<void()> redraw);
// Empties slot 100 and every free slot. Does not save.
void PurgePortfolio();
bool ClearPortfolio();
// For a Buy lot: 0 when nothing of it was sold, the shares left when some
// were, SoldOut when none are left.
int16_t CheckSold(int16_t id, int16_t shares);

// The shares of a Buy lot not yet sold: its Shares less every sale of its
// ID, never below 0.
int16_t SharesLeft(const TransactionRecord &purchase);
// The shares of every sale of the lot with this ID: the fewest the lot may
// be corrected to.
int SharesSold(int16_t id);
// The slot among 0 to 99 of the Buy lot with this ID, or NotFound.
int16_t FindPurchase(int16_t id);
// The most shares the sale in slot may take: its lot's shares less those of
// the lot's other sales (never below 0); none when the slot holds no sale or
// its lot is gone.
std::optional<int16_t> SaleLimit(int16_t slot);
// The part of a lot's commission that some of its shares bear: all of it
// for the whole lot, else in proportion to the shares bought. The shares
// sold bear theirs in the sale's gain, the shares left theirs in the
// holding's cost, so the lot's commission counts once.
double CommissionShare(double commission, double shares, int16_t bought);
// The realised gain of selling shares of the lot at price with commission:
// shares x (price - the lot's price) - commission - the lot's commission
// share of the shares sold. A loss is negative.
double SaleGain(const TransactionRecord &purchase, double shares, double price, double commission);
// Rewrites the slot's shares, commission, date and price as given (0 and ""
// included), keeping its symbol, action, ID and current price; the gain of
// a sale, or of every sale of a lot, is worked out again. Saves, reloads
// and redraws the portfolio grid on show; answers whether the save went
// through (when not, the portfolio is read back as it was). A free slot or
// one outside 0 to 99 changes nothing and answers false.
bool EditTransaction(int16_t slot, int16_t shares, float commission, const QByteArray &date, double price);

struct NewTransaction {
    int16_t Slot;
    int16_t ID; // a lot number not in use
};
// Where a new transaction goes: the first free slot among 1 to 99; nullopt
// when the portfolio is full.
std::optional<NewTransaction> NextTransaction();

// --- US index table ---
bool SaveUS();
bool ReadUS();

} // namespace Stock
