#include "collect/UpdateJobs.h"

#include "core/Settings.h"

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

MailWindow &Window()
{
    static MailWindow window;
    return window;
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
    return Window().send && Window().send(mail);
}

void StopMail()
{
    if (Window().stop)
        Window().stop();
}

void SetMailSender(MailSender sender) { Sender() = std::move(sender); }
void SetMailWindow(MailWindow window) { Window() = std::move(window); }

} // namespace UpdateJobs
