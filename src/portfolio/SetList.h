#pragma once
// What the set editor and the details window do to a set's records, apart
// from their windows: the alert texts the boxes take, and writing an edited
// symbol list back into a set. A stock's alerts belong to its symbol, so a
// stock that only moves to another slot takes them along, while its quote
// fields are cleared until the next quote update.
#include "core/Stock.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace SetList {

struct Alerts {
    float Low = 0;
    float High = 0;
};

// Each symbol's alerts, from the first slot holding it.
QHash<QByteArray, Alerts> AlertsBySymbol(const Stock::StockTable &table);

// Whether an alert box's text reads as a number ("" does not), as the boxes
// check each keystroke: "1," passes on its way to "1,234".
bool ReadsAsNumber(const QString &text);
// The alert a box sets: nullopt for an empty box (the alert is left as it
// was) and for a text that is no alert: not a number by the box rule
// (Vb::NumberBoxValue: "12,5" is none) or one a single cannot hold.
std::optional<float> AlertValue(const QString &text);
// Whether an alert box may be written: empty, or holding an alert.
bool AlertUsable(const QString &text);
// Tells the user that the alert box named box holds no alert.
void RefuseAlert(const QString &box);

// The edited list written into table: entry i becomes slot i, slots past the
// list are emptied. A slot whose symbol changes is cleared (Stock::ClearStock)
// and takes the alerts its new symbol has in alerts (none for a symbol not
// there). Then the selected entry's slot (selected: a list position, or -1
// for none) gets low and high where they are given. Entries past the table
// are not stored.
void WriteBack(Stock::StockTable &table, const QList<QByteArray> &list, const QHash<QByteArray, Alerts> &alerts,
               int selected, std::optional<float> low, std::optional<float> high);

// One change the editor made to its list. A remove or rename names the
// entry by its symbol and, among equal symbols, by its place (0 = the first
// of them).
struct Edit {
    enum Kind { Add, Remove, Rename } kind;
    QByteArray symbol;
    QByteArray to; // a rename's new symbol
    int occurrence = 0;
};
// Alerts typed for a stock; none where its box was left empty.
struct TypedAlerts {
    std::optional<float> low;
    std::optional<float> high;
};

// The editor's own changes made to the set as it is now, not to the list it
// once showed: the symbols of table in slot order with the edits done in
// turn (adding a symbol that is there, or removing or renaming an entry
// that is gone, does nothing), written back as WriteBack does, then each
// listed symbol's typed alerts.
void ApplyEdits(Stock::StockTable &table, const QList<Edit> &edits, const QHash<QByteArray, TypedAlerts> &typed);

} // namespace SetList
