#pragma once
// The readers of the market lists: the bytes of one cached market page in,
// a SheetTable out, no grid touched. The fillers of frmMain hand them to
// SheetFrame::Fill, which draws the table or the list's message; tests and
// the benchmark call them directly.
#include "sheets/SheetFrame.h"

#include <QString>

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

} // namespace MarketReaders
