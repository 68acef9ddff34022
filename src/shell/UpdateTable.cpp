#include "shell/UpdateTable.h"

#include "collect/UpdateJobs.h"
#include "market/MarketReaders.h"
#include "shell/frmMain.h"

namespace UpdateJobs {

namespace {

template <typename F> Job Row(int box, F f) { return Job{int16_t(box), std::function<void(frmMain &)>(f)}; }

std::vector<Job> Build()
{
    std::vector<Job> t;
    t.push_back(Row(0, [](frmMain &m) { m.UpdateRec(); }));
    t.push_back(Row(1, [](frmMain &m) { m.UpdatePrices(); }));
    t.push_back(Row(2, [](frmMain &m) { m.UpdateNews(); }));
    t.push_back(Row(3, [](frmMain &m) {
        m.UpdateAnnual(QStringLiteral("ABS"), QStringLiteral("   Updating Annual Balance Sheet..."));
    }));
    t.push_back(Row(4, [](frmMain &m) {
        m.UpdateAnnual(QStringLiteral("AIS"), QStringLiteral("   Updating Annual Income Statement..."));
    }));
    t.push_back(Row(5, [](frmMain &m) { m.UpdateEE(); }));
    t.push_back(Row(6, [](frmMain &m) { m.UpdateQR(); }));
    t.push_back(Row(7, [](frmMain &m) { m.UpdateIT(); }));
    t.push_back(Row(8, [](frmMain &m) { m.UpdateOptions(); }));
    t.push_back(Row(9, [](frmMain &m) { m.UpdateSplit(); }));
    t.push_back(Row(10, [](frmMain &m) { m.UpdateUPH(); }));
    t.push_back(Row(11, [](frmMain &m) { m.UpdateDNH(); }));
    t.push_back(Row(12, [](frmMain &m) { m.UpdateNMR(); }));
    t.push_back(Row(13, [](frmMain &m) { m.UpdateBRP(); }));
    t.push_back(Row(14, [](frmMain &m) { m.UpdateProfile(); }));
    t.push_back(Row(15, [](frmMain &m) { m.UpdateSurp(); }));
    t.push_back(Row(16, [](frmMain &m) { m.UpdateWinners(); }));
    t.push_back(Row(17, [](frmMain &m) { m.UpdateLosers(); }));
    t.push_back(Row(18, [](frmMain &m) { m.UpdateUpDown(); }));
    t.push_back(Row(19, [](frmMain &m) { m.UpdateAdvise(); }));
    for (const MarketList &l : Movers())
        t.push_back(Row(l.box, [l](frmMain &m) {
            m.UpdateBigMovers(l.code, l.key, l.exchange, l.title);
        }));
    t.push_back(Row(50, [](frmMain &m) { m.UpdateUSMarket(); }));
    t.push_back(Row(51, [](frmMain &m) { m.UpdateWMarket(); }));
    t.push_back(Row(52, [](frmMain &m) { m.Update_IPO_Last(); }));
    t.push_back(Row(53, [](frmMain &m) { m.Update_IPO_News(); }));
    t.push_back(Row(54, [](frmMain &m) { m.Update_IPO_Gain(); }));
    t.push_back(Row(55, [](frmMain &m) { m.Update_IPO_Loss(); }));
    t.push_back(Row(56, [](frmMain &m) { m.Update_IPO_Reg(); }));
    t.push_back(Row(57, [](frmMain &m) { m.Update_IPO_Price(); }));
    t.push_back(Row(58, [](frmMain &m) { m.Update_IPO_With(); }));
    t.push_back(Row(60, [](frmMain &m) { m.Update_OptSum(); }));
    // Boxes 61 to 82: the fund lists in their order.
    int box = 61;
    for (const MarketReaders::FundList &list : MarketReaders::FundLists()) {
        const QString key = QString::fromLatin1(list.key);
        t.push_back(Row(box++, [key](frmMain &m) { m.UpdateFunds(key); }));
    }
    for (int page = 0; page < 5; ++page)
        t.push_back(Row(83 + page, [page](frmMain &m) { m.UpdateSplitsCalendar(int16_t(page)); }));
    t.push_back(Row(88, [](frmMain &m) { m.UpdateSI(); }));
    for (const MarketList &l : Screener())
        t.push_back(Row(l.box, [l](frmMain &m) {
            m.UpdateScreener(l.code, l.key, l.exchange, l.title);
        }));
    t.push_back(Row(98, [](frmMain &m) { m.Update_M_BRP(); }));
    return t;
}

} // namespace

const std::vector<Job> &Table()
{
    static const std::vector<Job> table = Build();
    return table;
}

} // namespace UpdateJobs
