#pragma once
// The fixed tables of the three query dialogs (screener, chart, technical
// graph) and the address and option-text rules built on them. Kept apart
// from the windows so a test checks a rule with no window open, and each
// window only reads its controls and hands the choices here.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>

namespace Queries {

// Text a user typed, or the current symbol, as it goes into an address.
QString ForAddress(const QString &typed);
QString ForAddress(const QByteArray &bytes);

// --- stock screener ---

// One option group of the screener; options by Index, 0 is "None".
struct ScreenGroup {
    const char *control; // "opt_PBV"
    const char *caption; // the group's caption, "&&" for a shown "&"
    const char *key;     // the address key
    QStringList options;
};
// The eight groups in the order their clauses enter the address; the
// industry clause goes right after the first (S&P 500).
std::span<const ScreenGroup> ScreenCriteria();
inline constexpr int ScreenIndustryAfter = 0;

struct ScreenIndustry {
    int16_t code;
    const char *text;
};
// The 207 rows of the industry list in list order.
std::span<const ScreenIndustry> ScreenIndustries();

// Path and query of a screen: selected[i] is the Index chosen in group i of
// ScreenCriteria (0 adds nothing); industryRow the list row, or -1 for none.
QString ScreenPath(const QList<int> &selected, int industryRow);

// --- chart dialog ---

struct ChartEntry {
    const char *text;
    const char *code; // numeric codes as decimal text
};
// The chart's lists by control name ("cboDisp", ..., "cboFrqIntraday",
// "cboFrqDaily"), each in the order its entries are added.
std::span<const ChartEntry> ChartCodeTable(const char *list);

struct ChartPeriod {
    const char *label; // under the position
    const char *tip;   // the slider's tip once moved there
    enum List { Intraday, Daily, Unchanged } list;
    int time;
};
// Positions 0 to 14 of the period slider.
std::span<const ChartPeriod> ChartPeriods();

// The code of a list's entry text; "0" for a numeric key and "" for
// compidx and freq when no entry has that text.
QString ChartCode(const char *list, const QString &text);

// The chart's choices as the address and "ChartOpt" read them.
struct ChartChoice {
    QString disp, back, size, low, move, up, index, freq; // the lists' texts
    QString maval;                                        // the value box
    QString comp;                                         // the symbol box
    int period = 0;                                       // slider position
};
// Path and query of a chart for a symbol.
QString ChartPath(const QByteArray &symbol, const ChartChoice &c);
// maval: the box read as a 16-bit whole number, 0 when it does not fit.
int16_t ChartMaval(const QString &box);

// "ChartOpt": the list positions in alphabetical order of the control names
// (cboBack, cboDisp, cboFrq, cboIndex, cboLow, cboMove, cboSize, cboUp, -1
// for no selection), the value as the address sends it, the slider
// position. The box's own text could hold a comma ("1,5" reads as 15) and
// split its field in two.
struct ChartOptions {
    int back = -1, disp = -1, frq = -1, index = -1, low = -1, move = -1, size = -1, up = -1;
    int16_t maval = 0;
    int slider = 0;
};
QString ChartOptText(const ChartOptions &o);
// The fields of a stored text: field k stands between the (k+1)-th and the
// (k+2)-th comma, read as a 16-bit whole number; a field that does not read
// is absent. At most ten fields.
QList<std::optional<int16_t>> ChartOptFields(const QString &text);

// --- technical-graph dialog ---

struct TechParam {
    int box;
    const char *caption;
    const char *text;
};
struct TechCheck {
    int box;
    const char *caption;
    bool ticked;
};
struct TechIndicator {
    const char *caption;
    const char *key;
    QList<TechParam> params;
    QList<TechCheck> checks;
};
// The eleven indicators by option index.
std::span<const TechIndicator> TechIndicators();

struct TechSpan {
    const char *label;
    const char *tip;
    int code;
};
// Positions 0 to 10 of the time-span slider.
std::span<const TechSpan> TechSpans();

// The indicator clause for a key; boxes and checks as the dialog shows them
// (texts as typed, checks 0 or 1).
QString TechClause(const QString &key, const QStringList &boxes, const QList<int> &checks, const QByteArray &symbol);
// Path and query of a technical graph.
QString TechPath(const QString &clause, int timespan);

} // namespace Queries
