#pragma once
// The quote list of the fast update: one request for the whole open set, one
// comma-separated line per symbol back ("sl1d1t1c1ohgv": symbol, last price,
// date, time, change, open, high, low, volume).
#include <QByteArray>
#include <QString>

namespace QuoteList {

// The symbols of the open set from slot 0 up to the first free slot, in
// lower case and escaped for an address, joined by ","; "" when slot 0 is
// free.
QString Symbols();

// Path and query of the list for those symbols.
QString Path(const QString &symbols);

// Stores the lines of a reply into the open set (in memory). A line goes
// only to the stock whose symbol its first field names (letter case aside),
// among the slots the request asked for, so a missing, reordered or foreign
// line never puts prices into another stock. An empty line ends the list.
// Answers how many stocks were written.
int Store(const QByteArray &reply);

} // namespace QuoteList
