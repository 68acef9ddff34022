#include "collect/QuoteList.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/Stock.h"
#include "platform/Vb.h"

#include <cmath>

#include <QList>

namespace QuoteList {

namespace {

// Slots 0 up to the first free one: the stocks a list is asked for.
int Requested()
{
    int n = 0;
    while (n < Stock::StockSlots && n <= StockCount && !Stock::IsFreeSlot(Stocks[size_t(n)].Symbol))
        ++n;
    return n;
}

// A field without its double quotes and surrounding blanks.
QByteArray Field(QByteArray text) { return CellText::Trim(text.replace('"', QByteArray())); }

// The slot among the first n for a line of this symbol: line k's own slot
// when it holds the symbol (so a set holding a symbol twice gets both
// lines), else the first that does; -1 for none.
int SlotOf(const QByteArray &symbol, int k, int n)
{
    if (symbol.isEmpty())
        return -1;
    if (k < n && Stocks[size_t(k)].Symbol.compare(symbol, Qt::CaseInsensitive) == 0)
        return k;
    for (int i = 0; i < n; ++i)
        if (Stocks[size_t(i)].Symbol.compare(symbol, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The change as a percentage of the previous close (last minus change),
// written as the quote page writes it: "+1.12%", "-0.95%", "0.00%". A change
// that is no number ("N/A") is shown as it came; without a usable close the
// percentage is unknown.
QByteArray PercentOf(const QByteArray &last, const QByteArray &change)
{
    bool okChange = false, okLast = false;
    const double c = Vb::ParseNumber(QString::fromLatin1(change), &okChange);
    if (!okChange)
        return change;
    const double l = Vb::ParseNumber(QString::fromLatin1(last), &okLast);
    const double previous = l - c;
    if (!okLast || !std::isfinite(c) || !std::isfinite(previous) || previous <= 0)
        return {};
    const double pct = std::round(c / previous * 10000.0) / 100.0;
    if (pct == 0)
        return "0.00%";
    return (pct > 0 ? "+" : "") + QByteArray::number(pct, 'f', 2) + '%';
}

} // namespace

QString Symbols()
{
    QStringList list;
    for (int i = 0, n = Requested(); i < n; ++i)
        list << SheetCache::ForUrl(Stocks[size_t(i)].Symbol.toLower());
    return list.join(u',');
}

QString Path(const QString &symbols)
{
    return QStringLiteral("/d/quotes.csv?s=") + symbols + QStringLiteral("&f=sl1d1t1c1ohgv&e=.csv");
}

int Store(const QByteArray &reply)
{
    // Where each field goes; the time (field 4) is not kept. The change goes
    // to DChange, and PChange gets it as a percentage, as the quote page
    // gives both.
    static QByteArray StockRecord::*const kFields[] = {
        nullptr, &StockRecord::LastSale, &StockRecord::LastUpdate, nullptr, &StockRecord::DChange,
        &StockRecord::Opens, &StockRecord::TodayHigh, &StockRecord::TodayLow, &StockRecord::Volume,
    };
    const int n = Requested();
    int written = 0;
    qsizetype at = 0;
    for (int k = 0; at < reply.size() && k < Stock::StockSlots; ++k) {
        qsizetype end = at;
        while (end < reply.size() && reply[end] != '\r' && reply[end] != '\n')
            ++end;
        const QByteArray line = reply.mid(at, end - at);
        at = end;
        if (at < reply.size() && reply[at] == '\r')
            ++at;
        if (at < reply.size() && reply[at] == '\n')
            ++at;
        if (line.isEmpty())
            break;

        const QList<QByteArray> fields = line.split(',');
        const int slot = SlotOf(Field(fields[0]), k, n);
        if (slot < 0)
            continue;
        StockRecord &r = Stocks[size_t(slot)];
        for (qsizetype f = 1; f < fields.size() && f < qsizetype(std::size(kFields)); ++f)
            if (kFields[f])
                r.*kFields[f] = Field(fields[f]);
        if (fields.size() > 4)
            r.PChange = PercentOf(r.LastSale, r.DChange);
        ++written;
    }
    return written;
}

} // namespace QuoteList
