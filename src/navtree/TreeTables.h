#pragma once
// The tree's vocabulary: every fixed node with its key, caption and picture,
// the nodes of one stock, the message boards and the web directory, each
// with what a click on it does. The builder adds nodes from these tables and
// the click handler looks actions up in them, so a caption or key is written
// once and the two can never disagree.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

class MainView;

namespace NavTree {

// A grid's filler: the sheet, market and portfolio folders' free functions
// of the window's member names.
using Filler = void (*)(MainView &main);

enum class Kind : uint8_t {
    None,
    Sheet,        // select the stock of the leaf, then fill
    Call,         // fill (market, IPO and portfolio grids)
    ChartForm,    // the chart dialog
    TechForm,     // the technical-graph dialog
    Chart,        // OpenChartLink(n)
    News,         // OpenNewsLink(n)
    Ratio,        // OpenRatioGraph(n)
    Board,        // OpenMessageBoard(n)
    Industry,     // OpenIndustryGroup(n)
    Consult,      // ShowConsultation(n)
    MostActive,   // Pares_BR2(text, title)
    OptSum,       // FG_OptSum(n)
    Splits,       // FG_SplitsCalendar(n)
    BrokerList,   // FG_M_BRP(n)
    Index,        // fill, then ScrollToSection(title) when there is one
    Fund,         // FG_Funds(the node's key)
    Video,        // OpenVideoStream(n)
    Radio,        // OpenRadioStream(n)
    PortClear,    // ask, then clear the portfolio
    Web,          // the web directory's page of the node's key
    // Rules of the dispatcher itself, not of a table entry:
    PortSymbol,   // FG_Portfolio_Selected(the node's caption)
    SectorBoard,  // OpenSectorBoard(folder, key)
};

// Whether an action only draws in the main grid (a sheet or a list) rather
// than opening a window, a dialog, a message or an outside page. Moving
// through the tree runs the first sort only; a click runs both.
constexpr bool DrawsInGrid(Kind kind)
{
    switch (kind) {
    case Kind::None:
    case Kind::Sheet:
    case Kind::Call:
    case Kind::Consult:
    case Kind::MostActive:
    case Kind::OptSum:
    case Kind::Splits:
    case Kind::BrokerList:
    case Kind::Index:
    case Kind::Fund:
    case Kind::PortSymbol:
        return true;
    case Kind::ChartForm:
    case Kind::TechForm:
    case Kind::Chart:
    case Kind::News:
    case Kind::Ratio:
    case Kind::Board:
    case Kind::Industry:
    case Kind::Video:
    case Kind::Radio:
    case Kind::PortClear:
    case Kind::Web:
    case Kind::SectorBoard:
        return false;
    }
    return false;
}

struct Action {
    Kind kind = Kind::None;
    int16_t n = 0;
    Filler fill = nullptr;
    const char *text = nullptr;
    const char *title = nullptr;
};

// A node of a fixed branch; parent nullptr makes a root.
struct FixedNode {
    const char *parent;
    const char *key;
    const char *caption;
    int16_t image;
    Action action;
};

// A node of a stock's subtree; its key is code followed by the stock's slot,
// its parent the stock node (parent nullptr) or the node of parentCode.
struct StockLeaf {
    const char *parentCode;
    const char *code;
    const char *caption;
    int16_t image;
    Action action;
};

// The market branch and the portfolio branch up to "Portfolio Detail" (its
// per-symbol children follow it), then the rest of the portfolio branch,
// radio and television. The stocks root is the builder's own.
std::span<const FixedNode> HeadNodes();
std::span<const FixedNode> PortfolioTail();
std::span<const FixedNode> RadioNodes();
std::span<const FixedNode> TvNodes();
std::span<const StockLeaf> StockLeaves();

constexpr int16_t StockImage = 1;
constexpr int16_t StockOpenImage = 2;
constexpr int16_t StocksRootImage = 14;
constexpr int16_t PortSymbolImage = 22;
constexpr int16_t BoardImage = 31;

// Message boards: sectors in tree order, each with its industry captions.
struct Sector {
    const char *caption;
    const char *key;
    std::span<const char *const> industries;
};
std::span<const Sector> Sectors();
// An industry's key and board folder: its caption with every character that
// is not a letter or digit written as "_".
QString IndustryKey(const QString &caption);
// The board folder of a sector node's key suffix ("Basic" ->
// "Basic_Materials"); other suffixes are their own folder.
QString SectorFolder(const QString &suffix);

// The web directory: thirteen groups of sites keyed group key + position.
struct WebGroup {
    const char *key;
    const char *caption;
    int16_t image;
    std::span<const char *const> sites;
};
std::span<const WebGroup> WebGroups();

// What a click does by caption (inside a stock's subtree) and by key.
Action CaptionAction(const QString &caption);
Action KeyAction(const QString &key);

// The tool tip of the tree: the profile page's text between its first "hr"
// and the next "<hr", tags dropped, on one line; empty when either marker is
// missing.
QByteArray ProfileTip(const QByteArray &page);

} // namespace NavTree
