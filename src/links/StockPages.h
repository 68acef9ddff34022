#pragma once
// The outside pages about one stock that its tree leaves open: chart
// pictures, news at one source, a fundamental ratio chart, an industry-group
// view. Each takes the leaf's index and the symbol and gives the address;
// the symbol goes in percent-encoded, so an ordinary ticker is unchanged and
// an odd one cannot bend the address.
#include <QByteArray>
#include <QString>

namespace StockPages {

// The news source that has no page of its own: it opens the headlines dialog.
inline constexpr int HeadlinesSource = 14;

// Chart 0 to 8; empty for any other index.
QString Chart(int index, const QByteArray &symbol);
// News source 0 to 13; empty for any other index.
QString News(int index, const QByteArray &symbol);
// Ratio field 0 to 20; any other index asks for an empty field.
QString Ratio(int index, const QByteArray &symbol);
// Industry-group view 0 to 7; empty for any other index.
QString IndustryGroup(int index, const QByteArray &symbol);

} // namespace StockPages
