#include "portfolio/SetList.h"

#include "platform/BoxValue.h"
#include "platform/Dialogs.h"
#include "platform/Vb.h"

namespace SetList {

QHash<QByteArray, Alerts> AlertsBySymbol(const Stock::StockTable &table)
{
    QHash<QByteArray, Alerts> out;
    for (const StockRecord &r : table)
        if (!Stock::IsFreeSlot(r.Symbol) && !out.contains(r.Symbol))
            out.insert(r.Symbol, {r.LowAlert, r.HighAlert});
    return out;
}

bool ReadsAsNumber(const QString &text)
{
    bool ok = false;
    Vb::ParseNumber(text, &ok);
    return ok;
}

std::optional<float> AlertValue(const QString &text) { return Vb::SingleBoxValue(text); }

bool AlertUsable(const QString &text) { return text.isEmpty() || AlertValue(text); }

void RefuseAlert(const QString &box)
{
    Dialogs::MsgBox(QStringLiteral("Please type numbers in \"%1\".").arg(box), Dialogs::vbInformation,
                    QStringLiteral("Numbers only"));
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

namespace {

// The index of the entry an edit names, or -1 when it is gone.
qsizetype Entry(const QList<QByteArray> &list, const QByteArray &symbol, int occurrence)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i] == symbol && occurrence-- == 0)
            return i;
    return -1;
}

} // namespace

void ApplyEdits(Stock::StockTable &table, const QList<Edit> &edits, const QHash<QByteArray, TypedAlerts> &typed)
{
    QList<QByteArray> list;
    for (const StockRecord &r : table)
        if (!Stock::IsFreeSlot(r.Symbol))
            list << r.Symbol;
    for (const Edit &e : edits) {
        const qsizetype at = Entry(list, e.symbol, e.occurrence);
        if (e.kind == Edit::Add && !list.contains(e.symbol))
            list << e.symbol;
        else if (e.kind == Edit::Remove && at >= 0)
            list.removeAt(at);
        else if (e.kind == Edit::Rename && at >= 0)
            list[at] = e.to;
    }
    WriteBack(table, list, AlertsBySymbol(table), -1, std::nullopt, std::nullopt);
    for (StockRecord &r : table) {
        const auto t = typed.constFind(r.Symbol);
        if (Stock::IsFreeSlot(r.Symbol) || t == typed.constEnd())
            continue;
        if (t->low)
            r.LowAlert = *t->low;
        if (t->high)
            r.HighAlert = *t->high;
    }
}

} // namespace SetList
