#include "links/Streams.h"

#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "platform/Vb.h"

#include <iterator>

namespace Streams {

namespace {

// Scheme, host name, path; nullptr scheme is "http".
struct Stream {
    const char *scheme;
    const char *host;
    const char *path;
};

const Stream kVideo[] = {
    {nullptr, "BloombergTelevisionHost", "/streams/video/financial56.ram"},
    {nullptr, "BloombergTelevisionHost", "/streams/video/business56.ram"},
    {nullptr, "BloombergTelevisionHost", "/streams/video/stock_picker56.ram"},
    {nullptr, "BloombergTelevisionHost", "/videos/top/LiveBTV56.ram"},
    {nullptr, "BloombergTelevisionHost", "/streams/video/tech56.ram"},
    {nullptr, "FinancialTimesVideoHost", "/rmrams/v_regs/news.ram"},
    {nullptr, "FinancialTimesVideoHost", "/rmrams/v_regs/opening.ram"},
    {nullptr, "FinancialTimesVideoHost", "/rmrams/v_regs/bonds.ram"},
    {nullptr, "FinancialTimesVideoHost", "/rmrams/v_regs/preview.ram"},
    {nullptr, "InvestorVideoHost", "/denvideo.ram"},
    {nullptr, "BbcNewsHost", "/olmedia/video/news169.ram"},
    {nullptr, "StreamingDemoHost", "/smildemohurl.ram?file=channels/abcnews/start.smi&programs=52&tcode=52"},
    // 12 to 31: the weather forecasts.
    {nullptr, "BroadcastPortalHost", "/television/weatherama/national.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/ny.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/la.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/chicago.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/philly.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/sf.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/boston.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/dallas.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/wash.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/detroit.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/atlanta.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/phoenix.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/seattle.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/clev.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/denver.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/miss.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/miami.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/pitt.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/tampa.ram"},
    {nullptr, "BroadcastPortalHost", "/television/weatherama/houston.ram"},
    {"rtsp", "ZdTvHost", "/zd/zdtv/g2demand/zdtvnews/mon_netnews.rm"},
};

constexpr int kDatedRadio = 20;

const Stream kRadio[] = {
    {nullptr, "BloombergRadioHost", "/wbbr/blp_finmkt.ram"},
    {nullptr, "BloombergRadioHost", "/wbbr/blp_topbus.ram"},
    {nullptr, "BloombergRadioHost", "/wbbr/blp_morninghr.ram"},
    {nullptr, "BloombergRadioHost", "/wbbr/blp_world.ram"},
    {nullptr, "BloombergRadioHost", "/wbbr/live/live1.ram"},
    {nullptr, "AbsBroadcastsHost", "/abslive.ram"},
    {nullptr, "AbsBroadcastsHost", "/afund.ram"},
    {nullptr, "AbsBroadcastsHost", "/smwatch.ram"},
    {nullptr, "AbsBroadcastsHost", "/bcorner.ram"},
    {nullptr, "AbsBroadcastsHost", "/macro.ram"},
    {nullptr, "AbsBroadcastsHost", "/liberty.ram"},
    {nullptr, "AbsBroadcastsHost", "/libertyw.ram"},
    {nullptr, "AbsBroadcastsHost", "/axd.ram"},
    {nullptr, "TalkRadioPortalHost", "/radio/ram/talkamerica.ram?adurl=0000000c0000000300000000"},
    {nullptr, "DailyRocketHost", "/radio/summary.ram"},
    {nullptr, "AvDailyNewsHost", "/subcategories/video.cfm?todayRM=20000423&scope=bus.rm"},
    {nullptr, "BbcNewsHost", "/olmedia/audio/world_summary.ram"},
    {"pnm", "CnetRadioHost", "/live.rm"},
    {nullptr, "AudioPortalHost", "/smil/noa.smil"},
    {nullptr, "AudioPortalHost", "/smil/ap.smil"},
    {"pnm", "ZdNetRadioHost", "/basic/providers/zdtvradio/radio_"}, // + the day + ".rm"
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/CNNcnn.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnhn.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnninternational.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnsi.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnspanish.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnntops.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnsprt.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/healthwatch.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/onscreen.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/celebritywatch.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnrx.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/earthmatters.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnsat.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnntg.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnncc.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnpar.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/cnnfw.rpm"},
    {nullptr, "BroadcastPortalHost", "/cnn/audioselect/playground.rpm"},
    {nullptr, "BroadcastPortalHost", "/business/nasdaq/nasdaq.ram"},
};

static_assert(std::size(kVideo) == 33 && std::size(kRadio) == 40);

QString Address(const Stream &s, const QString &tail = QString())
{
    const QString host = Hosts::Host(QLatin1String(s.host));
    if (host.isEmpty())
        return QString();
    return QLatin1String(s.scheme ? s.scheme : "http") + QStringLiteral("://") + host + QLatin1String(s.path) + tail;
}

} // namespace

QString Video(int entry)
{
    if (entry < 0 || entry >= int(std::size(kVideo)))
        return QString();
    return Address(kVideo[entry]);
}

QString Radio(int entry, const QString &yymmdd)
{
    if (entry < 0 || entry >= int(std::size(kRadio)))
        return QString();
    if (entry == kDatedRadio)
        return Address(kRadio[entry], yymmdd + QStringLiteral(".rm"));
    return Address(kRadio[entry]);
}

QString RadioDay()
{
    try {
        // The movers report's trading day, "yyyymmdd", is the same rule.
        return UpdateJobs::MoversDate().mid(2);
    } catch (const VbError &) {
        // A "US" that is no number does not say "US zone": the day before.
        return UpdateJobs::Today().addDays(-1).toString(QStringLiteral("yyMMdd"));
    }
}

} // namespace Streams
