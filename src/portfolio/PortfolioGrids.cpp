#include "portfolio/PortfolioGrids.h"

#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/FlexGrid.h"
#include "platform/Vb.h"
#include "sheets/SheetFrame.h"

#include <QList>
#include <charconv>
#include <cmath>
#include <optional>

namespace PortfolioGrids {

namespace {

using SheetFrame::SheetTable;

constexpr int LeftTop = FlexGrid::flexAlignLeftTop;
constexpr int Centre = FlexGrid::flexAlignCenterCenter;
constexpr int Right = FlexGrid::flexAlignRightCenter;

const char *const TotalLabel = "    Total:";

// The pattern's rounding: halves away from zero.
double RoundTo(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(v * scale) / scale;
}

QByteArray Grouped(double v, int decimals)
{
    const double r = RoundTo(v, decimals);
    QByteArray digits = QByteArray::number(std::abs(r), 'f', decimals);
    const qsizetype point = decimals > 0 ? digits.indexOf('.') : digits.size();
    for (qsizetype i = point - 3; i > 0; i -= 3)
        digits.insert(i, ',');
    return r < 0 ? "-" + digits : digits;
}

// One holdings grid's figures for a lot.
struct Lot {
    double shares = 0, price = 0, commission = 0, current = 0, cost = 0, value = 0, gain = 0;
    std::optional<double> percent; // none when the cost is 0
};

std::optional<double> Percent(double value, double cost)
{
    if (cost == 0)
        return std::nullopt;
    return Round2(value * 100 / cost - 100);
}

Lot Figures(const TransactionRecord &t, double shares, bool roundCommission)
{
    Lot l;
    l.shares = shares;
    l.price = Round2(t.Price);
    l.commission = roundCommission ? Round2(t.Commission) : double(t.Commission);
    QByteArray current = Misc::FormatP(QByteArray(t.CurrentPrice), false);
    l.current = Misc::ToNumber(current);
    // A partly sold lot bears the commission of the shares it still holds.
    l.cost = Round2(l.shares * l.price + Stock::CommissionShare(l.commission, shares, t.Shares));
    l.value = Round2(l.shares * l.current);
    l.gain = RoundWhole(l.value - l.cost);
    l.percent = Percent(l.value, l.cost);
    return l;
}

QByteArray PercentText(const std::optional<double> &p) { return p ? Plain(*p) : QByteArray(); }

// The running sums of one symbol.
struct Sums {
    double shares = 0, cost = 0, value = 0, gain = 0;
    void Add(const Lot &l)
    {
        shares += l.shares;
        cost += l.cost;
        value += l.value;
        gain += l.gain;
    }
};

void SetUpHoldings(SheetTable &t, bool headerHeight)
{
    t.SetUp(2, 11);
    t.backColor = SheetFrame::White;
    t.gridLines = FlexGrid::flexGridNone;
    if (headerHeight)
        t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 0);
    t.headers = {"Symbol", "Date", "Qun.", "Cost", "Com.", "Total Cost", "Total Value", "% Gain", "$ Gain",
                 "Current Price"};
    t.alignments = {LeftTop, Centre, Centre, Right, Right, Right, Right, Right, Right, Right, Right};
    t.widths = {9, 10, 6, 8, 6, 13, 13, 10, 10, 12, 0};
}

void LotRow(SheetTable &t, const TransactionRecord &p, const Lot &l, const QByteArray &commission, int key)
{
    t.AddRow();
    const int r = t.Rows() - 1;
    const QByteArray cells[] = {p.Symbol, p.Date, Plain(l.shares), Plain(l.price), commission, Plain(l.cost),
                                Plain(l.value), PercentText(l.percent), Plain(l.gain), Plain(l.current),
                                QByteArray::number(key)};
    for (int c = 0; c < 11; ++c)
        t.SetText(r, c, cells[c]);
}

void TotalRow(SheetTable &t, const Sums &s, double lastCurrent)
{
    t.AddRow();
    const int r = t.Rows() - 1;
    const QByteArray cells[] = {TotalLabel,
                                {},
                                Plain(s.shares),
                                {},
                                {},
                                FormatWhole(s.cost) + " $",
                                FormatWhole(s.value) + " $",
                                PercentText(Percent(s.value, s.cost)),
                                FormatWhole(s.gain) + " $",
                                Plain(lastCurrent)};
    for (int c = 0; c < 10; ++c)
        t.SetText(r, c, cells[c]);
    for (int c = 1; c <= 10; ++c) {
        t.Look(r, c).backColor = TotalShade;
        t.Look(r, c).bold = true;
    }
}

void CentreHeaders(SheetTable &t, int first, int last)
{
    for (int c = first; c <= last; ++c)
        t.Look(0, c).alignment = Centre;
}

bool IsBuy(const TransactionRecord &r) { return r.Action == "Buy"; }

} // namespace

QByteArray Format2(double v) { return Grouped(v, 2); }

QByteArray FormatWhole(double v)
{
    const double r = RoundTo(v, 0);
    return r == 0 ? QByteArray() : Grouped(r, 0);
}

QByteArray Plain(double v)
{
    if (v == 0)
        return "0";
    return Vb::DoubleToString(v).toLatin1();
}

QByteArray ExactText(float v)
{
    char buf[64];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return r.ec == std::errc() ? QByteArray(buf, r.ptr - buf) : QByteArray();
}

double Round2(double v) { return RoundTo(v, 2); }
double RoundWhole(double v) { return RoundTo(v, 0); }

void ReadHoldings(SheetTable &t)
{
    SetUpHoldings(t, true);

    // Symbols in the order of their first slot.
    QList<QByteArray> symbols;
    for (int i = 0; i <= Stock::LastPortfolioSlot; ++i) {
        const QByteArray &s = Portfolio[size_t(i)].Symbol;
        if (!Stock::IsFreeSlot(s) && !symbols.contains(s))
            symbols << s;
    }

    double grand = 0;
    double lastCurrent = 0;
    for (const QByteArray &symbol : symbols) {
        Sums sums;
        bool visited = false;
        for (int i = 0; i <= Stock::LastPortfolioSlot; ++i) {
            const TransactionRecord &p = Portfolio[size_t(i)];
            if (p.Symbol != symbol || !IsBuy(p))
                continue;
            visited = true;
            const int16_t left = Stock::SharesLeft(p);
            if (left <= 0)
                continue; // sold out
            const Lot l = Figures(p, left, false);
            LotRow(t, p, l, Format2(p.Commission), p.ID);
            sums.Add(l);
            lastCurrent = l.current;
        }
        // A symbol left with sales alone has no lot to total.
        if (!visited)
            continue;
        TotalRow(t, sums, lastCurrent);
        grand += RoundWhole(sums.gain);
    }

    t.AddRow();
    const int r = t.Rows() - 1;
    t.SetText(r, 0, "Pr/Loss:");
    t.SetText(r, 8, Plain(grand));
    SheetFrame::CellLook &closing = t.Look(r, 8);
    closing.alignment = Centre;
    closing.bold = true;
    if (grand < 0) {
        closing.backColor = LossBack;
        closing.foreColor = LossText;
    } else if (grand > 0) {
        closing.backColor = ProfitBack;
        closing.foreColor = ProfitText;
    }
    CentreHeaders(t, 1, 9);
    t.topRow = 1;
}

void ReadSelected(SheetTable &t, const QByteArray &symbol)
{
    SetUpHoldings(t, false);
    Sums sums;
    bool listed = false;
    double lastCurrent = 0;
    for (int i = 0; !Stock::IsFreeSlot(symbol) && i <= Stock::LastPortfolioSlot; ++i) {
        const TransactionRecord &p = Portfolio[size_t(i)];
        if (p.Symbol != symbol || !IsBuy(p))
            continue;
        // Every lot is listed, a sold-out one with 0 shares.
        const Lot l = Figures(p, Stock::SharesLeft(p), true);
        LotRow(t, p, l, Plain(l.commission), i);
        sums.Add(l);
        lastCurrent = l.current;
        listed = true;
    }
    if (listed)
        TotalRow(t, sums, lastCurrent);
    CentreHeaders(t, 1, 9);
    t.topRow = 1;
}

void ReadLog(SheetTable &t)
{
    t.SetUp(2, 9);
    t.backColor = SheetFrame::White;
    t.SetRowHeight(1, 0);
    t.headers = {"Symbol", "Action", "Date", "Qun.", "Cost", "Com.", "Gain"};
    constexpr int General = FlexGrid::flexAlignGeneral;
    t.alignments = {LeftTop, Centre, General, General, General, Right, Right};
    t.widths = {12, 10, 15, 12, 12, 12, 15, 0, 0};

    double total = 0;
    for (int i = 0; i <= Stock::LastPortfolioSlot; ++i) {
        const TransactionRecord &r = Portfolio[size_t(i)];
        if (Stock::IsFreeSlot(r.Symbol))
            continue;
        // A loss shows and counts with its sign.
        const double gain = Round2(r.Gain);
        t.AddRow();
        const int row = t.Rows() - 1;
        const QByteArray cells[] = {r.Symbol,          r.Action,       r.Date,
                                    Plain(r.Shares),   Plain(Round2(r.Price)), Format2(r.Commission),
                                    Plain(gain),       QByteArray::number(r.ID), QByteArray::number(i)};
        for (int c = 0; c < 9; ++c)
            t.SetText(row, c, cells[c]);
        total += gain;
    }
    t.AddRow();
    const int last = t.Rows() - 1;
    t.SetText(last, 0, "  =Total");
    t.SetText(last, 6, Plain(Round2(total)) + " $");
    for (int c = 1; c <= 6; ++c) {
        t.Look(last, c).backColor = TotalShade;
        t.Look(last, c).bold = true;
    }
    CentreHeaders(t, 1, 6);
    t.topRow = 1;
}

void ReadLots(SheetTable &t, const QByteArray &symbol)
{
    t.SetUp(2, 4);
    t.SetRowHeight(1, 0);
    t.headers = {"Date", "Shares", "Cost"};
    t.alignments = {LeftTop, Centre, Centre};
    t.widths = {33, 33, 33, 0};
    for (int i = 0; i <= Stock::LastPortfolioSlot; ++i) {
        const TransactionRecord &p = Portfolio[size_t(i)];
        if (p.Symbol != symbol || !IsBuy(p))
            continue;
        const int16_t left = Stock::SharesLeft(p);
        if (left <= 0)
            continue;
        t.AddRow();
        const int r = t.Rows() - 1;
        t.SetText(r, 0, p.Date);
        t.SetText(r, 1, Plain(left));
        t.SetText(r, 2, Vb::SingleToString(p.Price).toLatin1());
        t.SetText(r, 3, QByteArray::number(p.ID));
    }
}

} // namespace PortfolioGrids
