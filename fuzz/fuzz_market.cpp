// The market list readers: any page gives a table whose cells all lie
// inside it, or a failure the frame turns into the list's message.
#include "FuzzCommon.h"
#include "market/MarketReaders.h"
#include "platform/Vb.h"

#include <functional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    using MarketReaders::SheetTable;
    using Read = std::function<void(QByteArray &, SheetTable &)>;
    const Read readers[] = {
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadActions(MarketReaders::Action::Upgrades, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadActions(MarketReaders::Action::Coverage, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadSurprises(p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadPercentMovers("Percentage Winners", p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadMovers(QStringLiteral("br52-WPH_Q.Sh"), "T", p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadScreener(QStringLiteral("BrDT_Q.Sh"), "T", p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadBrokerReports(0, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadBrokerReports(1, p, t); },
    };
    for (const Read &read : readers) {
        QByteArray page = input;
        SheetTable t;
        try {
            read(page, t);
        } catch (const VbError &) {
        }
        if (!t.IsSetUp())
            continue;
        fuzz::CheckTable(t, input.size() + 64);
    }
    return 0;
}
