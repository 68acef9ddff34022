#pragma once
// The detailed quote page of one stock: its bytes in, the quote fields of the
// stock's record out. The page is cut at fixed labels ("Last", "Change",
// "Range", "P/E", ...) in a fixed order; a label that is missing leaves its
// field as it was, so a page that changed its look never empties a record.
#include <QByteArray>
#include <optional>

struct StockRecord;

namespace QuotePage {

// The page as the cuts see it: no line ends or tabs, "<sup>" a blank, the
// other sup/sub tags gone, table tags in lower case.
QByteArray Prepare(QByteArray page);

// Cuts the page into the record and returns the company name it found.
// The name is always written (empty when the page has none), Exchange and
// industry become "-", every other field only when the page gave it a
// value. Symbol, alerts, recommendation, trade size and the spares are
// never touched.
QByteArray Read(const QByteArray &page, StockRecord &record);

// A stock whose quote could not be read: its quote fields reset. The
// symbol, the user's alerts and the fields no quote brings stay.
void Clear(StockRecord &record);

// The analysts' average recommendation of a report page: the number in the
// first "#0000ee" cell after "Current Average Recommendation" (from the
// second character after the colour up to the next tag). nullopt when the
// page has no such number.
std::optional<float> Recommendation(const QByteArray &page);

} // namespace QuotePage
