#pragma once
// The portfolio's three grids, read from Portfolio into the table the sheet
// frame draws: the holdings of every symbol with their totals and the
// portfolio's profit or loss ("Port"), one symbol's purchases
// ("PortSelected"), and the log of every transaction ("PortLog"). Nothing
// here touches a grid or changes the portfolio.
//
// Figures go through the number patterns of the screen ("#,##0.00", "#,##")
// and are read back, so each one is rounded where it is shown; text cells
// show a figure's plain number text (shortest form, no separators).
#include <QByteArray>
#include <cstdint>

namespace SheetFrame {
class SheetTable;
}

namespace PortfolioGrids {

// Total-row shade (209, 237, 239) and the closing cell's colours.
constexpr uint32_t TotalShade = 15723985;
constexpr uint32_t LossBack = 255;
constexpr uint32_t ProfitBack = 65280;
constexpr uint32_t LossText = 16777215;
constexpr uint32_t ProfitText = 0;

// Hidden column of a holdings row: the lot's ID ("Port") or its slot
// ("PortSelected"); empty on a Total and the closing row.
constexpr int HoldingKeyCol = 10;
// Hidden columns of a log row: the ID, and the slot the log commands act on.
constexpr int LogIdCol = 7;
constexpr int LogSlotCol = 8;

void ReadHoldings(SheetFrame::SheetTable &t);
void ReadSelected(SheetFrame::SheetTable &t, const QByteArray &symbol);
void ReadLog(SheetFrame::SheetTable &t);
// The purchase picker: the symbol's lots with shares left (a sold-out lot
// is not offered), their shares left, price and hidden ID.
void ReadLots(SheetFrame::SheetTable &t, const QByteArray &symbol);

// --- number patterns ---
// "#,##0.00": groups of three and two decimals.
QByteArray Format2(double v);
// "#,##": groups of three, no decimals, zero as "".
QByteArray FormatWhole(double v);
// Shortest decimal text: "1005", "19.4", "-210".
QByteArray Plain(double v);
// The shortest decimal text that reads back as exactly this single, without
// an exponent: "12.375", "10", "0.1".
QByteArray ExactText(float v);
// A figure passed through a pattern and read back as a number.
double Round2(double v);
double RoundWhole(double v);

} // namespace PortfolioGrids
