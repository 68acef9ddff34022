// The market list readers: any page gives a table whose cells all lie
// inside it, or a failure the frame turns into the list's message; the US
// market page parse takes only the page's own text.
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
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadIpoCalendar(MarketReaders::IpoCalendar::Registrations, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadIpoCalendar(MarketReaders::IpoCalendar::Pricings, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadIpoCalendar(MarketReaders::IpoCalendar::Withdrawals, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadIpoLatest(p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadIpoNews(p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadFunds(MarketReaders::FundLists()[4], p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadWorldMarkets(p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadOptionSummary(1, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadSplits(3, p, t); },
        [](QByteArray &p, SheetTable &t) { MarketReaders::ReadSplits(4, p, t); },
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
    // The US page parse: every record it takes comes from the page.
    std::array<MarketIndexRecord, Stock::USMarketSlots> records{};
    const int found = MarketReaders::ParseUS(input, records);
    TW_FUZZ_CHECK(found >= 0 && found <= Stock::USMarketSlots);
    for (const MarketIndexRecord &r : records)
        TW_FUZZ_CHECK(r.LastTrade.size() <= input.size() && r.Change.size() <= input.size());
    return 0;
}
