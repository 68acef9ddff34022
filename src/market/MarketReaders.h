#pragma once
// The readers of the market lists: the bytes of one cached market page in,
// a SheetTable out, no grid touched. The fillers at the end hand them to
// SheetFrame::Fill, which draws the table or the list's message; tests and
// the benchmark call the readers directly.
#include "core/Stock.h"
#include "sheets/SheetFrame.h"

#include <QString>
#include <array>
#include <cstdint>

class FlexGrid;
class MainView;

namespace MarketReaders {

using SheetFrame::SheetTable;

// The three analyst action lists: one profile each.
enum class Action { Upgrades, Downgrades, Coverage };
struct ActionList {
    const char *view;    // CurrentView
    const char *file;    // the cache file
    const char *heading; // the text the list's table follows
    bool headingNeeded;  // without it the page has no list; else its first table stands in
    bool coverage;       // cut to <html> .. </html> first; five columns
    const char *title;   // over cell (1, 0)
    const char *message; // missing page or marker
};
const ActionList &Profile(Action action);
void ReadActions(Action action, QByteArray &page, SheetTable &t);

// The top daily earnings surprises ("SUP").
void ReadSurprises(QByteArray &page, SheetTable &t);
// The percentage winners or losers of three exchanges ("WINLOS").
void ReadPercentMovers(const QByteArray &title, QByteArray &page, SheetTable &t);

// A mover report: the rows between "<BR>Ratio" and "Show"; column 9 holds
// the company's address. `file` chooses the headers.
void ReadMovers(const QString &file, const QByteArray &title, QByteArray &page, SheetTable &t);
// A screener list: the rows between "Go To" and "Here".
void ReadScreener(const QString &file, const QByteArray &title, QByteArray &page, SheetTable &t);
// The title a mover or screener file is shown under from the consultation
// list; empty for a name outside the lists.
QByteArray MoverTitle(const QString &file);
// Screener files go to ReadScreener, the rest to ReadMovers.
bool IsScreenerFile(const QString &file);

// The mover pages' one-pixel spacer row, removed by the mover reader as
// this one exact text. The normalisation before leaves it as it stands (its
// width attributes are written "WIDtd"), so the sample site serves it so.
inline constexpr char MoversSpacerRow[] =
    "<tr><td colspan=9 bgcolor=\"#FFFFFF\"><img src=\"/images/trans.gif\" WIDtd=\"1\" height=\"1\"></td></tr>";

// Today's broker reports (mode 0) or the news service's analyst
// recommendations (mode 1), both from "M_BRP.Sh".
void ReadBrokerReports(int mode, QByteArray &page, SheetTable &t);
// The view of a broker list: "M_BRP" and the mode.
QString BrokerReportsView(int mode);

// --- the IPO center ---

// The five one-table IPO calendars: one profile each, all of a calendar's
// facts in its row.
enum class IpoCalendar { Registrations, Pricings, Gainers, Losers, Withdrawals };
struct IpoProfile {
    const char *view;    // CurrentView
    const char *file;    // the cache file
    const char *title;
    const char *message; // missing page or marker
    int cols;
    QList<int> alignments;
    int centredHeaders; // header cells 0 .. this one are centred
    bool titleOnWhite;
    int titleCol;
    bool hideFirst; // the hidden rows are set before rows 0 and 1
    QList<double> widths;
    QList<QByteArray> headers;
};
const IpoProfile &Profile(IpoCalendar calendar);
void ReadIpoCalendar(IpoCalendar calendar, QByteArray &page, SheetTable &t);
// The latest pricings, filings and withdrawals stacked in one grid.
void ReadIpoLatest(QByteArray &page, SheetTable &t);
// The IPO headlines: one row per item, its address kept in column 4.
void ReadIpoNews(QByteArray &page, SheetTable &t);

// --- fund lists ---

struct FundList {
    const char *key;    // CurrentView, the cache file before ".Sh"
    const char *title;  // grid title and progress text
    const char *page;   // on the fund data host
    const char *marker; // the text the list's block starts at
};
// The 22 lists in the order of their Update boxes.
const std::array<FundList, 22> &FundLists();
// The list of a key; null for any other key.
const FundList *FindFundList(const QString &key);
void ReadFunds(const FundList &list, QByteArray &page, SheetTable &t);

// --- US and world indices ---

// The rows of the US index table after its hidden row: a group title
// (symbol null) or an index, whose label the page parse looks for.
struct IndexRow {
    const char *label;
    const char *symbol;
};
const std::array<IndexRow, 44> &USIndexRows();
// The US table from the records, each index row with its quote-page address.
void ReadUSMarket(const std::array<MarketIndexRecord, Stock::USMarketSlots> &records, SheetTable &t);
// Takes time, last, change and per cent change of every index into its
// record from the page row whose cells hold its label and, next to it, its
// symbol (blanks and no-break spaces around them aside); an index without
// such a row keeps its record as it was. Answers how many were found.
int ParseUS(const QByteArray &page, std::array<MarketIndexRecord, Stock::USMarketSlots> &records);
// The world markets page in four regional sections.
void ReadWorldMarkets(QByteArray &page, SheetTable &t);

// --- option summary and splits calendars ---

// Mode 0 the volume leaders, 1 the gainers, 2 the losers.
void ReadOptionSummary(int mode, QByteArray &page, SheetTable &t);
struct SplitsList {
    const char *file;
    const char *marker;
    const char *title;
    const char *page;
    const char *progress;
};
// Modes 0 to 4; null for any other.
const SplitsList *FindSplitsList(int mode);
void ReadSplits(int mode, QByteArray &page, SheetTable &t);
// The view of a splits calendar: "FMS" and the mode.
QString SplitsView(int mode);

// A row's last page cell split at each `separator` into cells of their own:
// the link words of the IPO rows (the registrations' excepted) and the
// world-market rows. Commas anywhere else (a company name, a figure with
// thousands separators) stay in their cell.
QByteArray SplitLastCell(QByteArrayView row, const char *separator);

// --- the fillers and the Update run's jobs of the market lists; the main
// window's members of the same names call them ---

void FG_Upgrade(MainView &main);
void FG_Downgrade(MainView &main);
void FG_Coverage(MainView &main);
void FG_Surp(MainView &main);
void FG_WinLos(MainView &main, const QString &file);
void FG_BR(MainView &main, const QString &file);
void Pares_BR2(MainView &main, const QString &file, const QString &title);
void FG_M_BRP(MainView &main, int16_t mode);
void Update_M_BRP(MainView &main);
void FG_Funds(MainView &main, const QString &key);
void UpdateFunds(MainView &main, const QString &key);

void FG_IPO_Reg(MainView &main);
void FG_IPO_Price(MainView &main);
void FG_IPO_Gain(MainView &main);
void FG_IPO_Loss(MainView &main);
void FG_IPO_With(MainView &main);
void FG_IPO_Last(MainView &main);
void FG_IPO_News(MainView &main);
void Update_IPO_Last(MainView &main);
void Update_IPO_News(MainView &main);
void Update_IPO_Gain(MainView &main);
void Update_IPO_Loss(MainView &main);
void Update_IPO_Reg(MainView &main);
void Update_IPO_Price(MainView &main);
void Update_IPO_With(MainView &main);

void FG_USMarket(MainView &main);
// The cached US market page into USMarket and US.dat.
void Parse_US();
void UpdateUSMarket(MainView &main);
void FG_WMarket(MainView &main);
void UpdateWMarket(MainView &main);
// Brings the grid's row whose column 1 reads title to the top.
void ScrollToSection(FlexGrid *grid, const QString &title);

void FG_OptSum(MainView &main, int16_t mode);
void Update_OptSum(MainView &main);
void FG_SplitsCalendar(MainView &main, int16_t mode);
void UpdateSplitsCalendar(MainView &main, int16_t mode);

} // namespace MarketReaders
