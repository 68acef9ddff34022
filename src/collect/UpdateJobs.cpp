#include "collect/UpdateJobs.h"

#include "core/Settings.h"
#include "market/MarketReaders.h"
#include "services/frmEmail.h"
#include "shell/frmMain.h"

#include <QPointer>
#include <memory>
#include <utility>

namespace UpdateJobs {

namespace {

std::function<QDateTime()> &Clock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

constexpr int kDefaultSilenceMs = 90000;
int g_silenceMs = kDefaultSilenceMs;

MailSender &Sender()
{
    static MailSender sender;
    return sender;
}

// The window whose mail is on its way, for Stop.
QPointer<frmEmail> &Sending()
{
    static QPointer<frmEmail> window;
    return window;
}

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

// One list per grid row, NASDAQ, NYSE and AMEX boxes in that order.
std::vector<MarketList> Grid(int firstBox, std::initializer_list<std::pair<const char *, const char *>> lists,
                             int firstCode, const int16_t (&exchanges)[3])
{
    static const char *const suffix[3] = {"_Q", "_N", "_A"};
    static const char *const exchange[3] = {" (NASDAQ)", " (NYSE)", " (AMEX)"};
    std::vector<MarketList> out;
    int box = firstBox, code = firstCode;
    for (const auto &[list, title] : lists) {
        for (int x = 0; x < 3; ++x)
            out.push_back(MarketList{int16_t(box++), int16_t(code), QString::fromLatin1(list) + QLatin1String(suffix[x]),
                                     exchanges[x], QString::fromLatin1(title) + QLatin1String(exchange[x])});
        ++code;
    }
    return out;
}

} // namespace

const std::vector<Job> &Table()
{
    static const std::vector<Job> table = Build();
    return table;
}

const std::vector<MarketList> &Movers()
{
    static const std::vector<MarketList> lists = Grid(
        20,
        {{"PG", "Price-Gain"}, {"PL", "Price-Loss"}, {"VG", "Volume-Gain"}, {"VL", "Volume-Loss"},
         {"52-WPH", "52-Week Price Highs"}, {"52-WPL", "52-Week Price Lows"}, {"MAS", "Most-Active Stocks"},
         {"LMM", "Largest Money Movers"}},
        1, {2, 1, 3});
    return lists;
}

const std::vector<MarketList> &Screener()
{
    static const std::vector<MarketList> lists = Grid(
        89,
        {{"DT", "Most Active by Dollars Traded"}, {"PU", "Most Active by Price Up"},
         {"PD", "Most Active by Price Down"}},
        8, {15, 13, 14});
    return lists;
}

QDateTime Now() { return Clock() ? Clock()() : QDateTime::currentDateTime(); }
QDate Today() { return Now().date(); }
void SetNow(std::function<QDateTime()> now) { Clock() = std::move(now); }
void SetClock(std::function<QDate()> today)
{
    if (!today) {
        Clock() = nullptr;
        return;
    }
    // A fixed day keeps the real time of day.
    Clock() = [today = std::move(today)] { return QDateTime(today(), QTime::currentTime()); };
}

QString MoversDate()
{
    const bool today = !Settings::Get(QStringLiteral("US")).EqualsZero();
    const QDate d = today ? Today() : Today().addDays(-1);
    return d.toString(QStringLiteral("yyyyMMdd"));
}

int SilenceMs() { return g_silenceMs; }
void SetSilenceMs(int ms) { g_silenceMs = ms > 0 ? ms : kDefaultSilenceMs; }

bool SendMail(const Mail &mail)
{
    if (Sender())
        return Sender()(mail);
    // A fresh mail window for this one message, released afterwards.
    std::unique_ptr<frmEmail> window(new frmEmail);
    Sending() = window.get();
    return window->SendEmail(mail.server, mail.fromName, mail.fromAddress, mail.toName, mail.toAddress,
                             mail.subject, mail.body);
}

void StopMail()
{
    if (Sending())
        Sending()->Abort();
}

void SetMailSender(MailSender sender) { Sender() = std::move(sender); }

} // namespace UpdateJobs
