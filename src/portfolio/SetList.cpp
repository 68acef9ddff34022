#include "portfolio/SetList.h"

#include "platform/Vb.h"

#include <cmath>
#include <limits>

namespace SetList {

QHash<QByteArray, Alerts> AlertsBySymbol(const Stock::StockTable &table)
{
    QHash<QByteArray, Alerts> out;
    for (const StockRecord &r : table)
        if (!r.Symbol.isEmpty() && !out.contains(r.Symbol))
            out.insert(r.Symbol, {r.LowAlert, r.HighAlert});
    return out;
}

bool ReadsAsNumber(const QString &text)
{
    bool ok = false;
    Vb::ParseNumber(text, &ok);
    return ok;
}

std::optional<float> AlertValue(const QString &text)
{
    bool ok = false;
    const double v = Vb::ParseNumber(text, &ok);
    // A value a single cannot hold would overflow: the alert stays.
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(v);
}

void WriteBack(Stock::StockTable &table, const QList<QByteArray> &list, const QHash<QByteArray, Alerts> &alerts,
               int selected, std::optional<float> low, std::optional<float> high)
{
    for (int i = 0; i < Stock::StockSlots; ++i) {
        const QByteArray s = list.value(i);
        StockRecord &slot = table[size_t(i)];
        if (slot.Symbol == s)
            continue;
        if (!slot.Symbol.isEmpty())
            Stock::ClearStock(table, int16_t(i));
        if (s.isEmpty())
            continue;
        slot.Symbol = s;
        const Alerts a = alerts.value(s);
        slot.LowAlert = a.Low;
        slot.HighAlert = a.High;
    }
    if (selected < 0 || selected >= Stock::StockSlots || selected >= list.size())
        return;
    if (low)
        table[size_t(selected)].LowAlert = *low;
    if (high)
        table[size_t(selected)].HighAlert = *high;
}

} // namespace SetList
