#include "core/Hosts.h"

#include "core/Settings.h"
#include "core/mdlRegistry.h"
#include "platform/Registry.h"

#include <QtGlobal>
#include <array>
#include <optional>

namespace {

struct Site {
    const char *name;
    const char *alias; // the same site under the name another part of the program uses
    const char *host;
};

// Where one page's addresses are also completed with the other name (the
// insider-trade page's links, the filings page's documents, the option chain's
// contracts, the US index rows' quote pages), both names are one site.
constexpr std::array kSites{
    Site{"QuoteHost", "QuotePortal", "quotes.test"},
    Site{"BizNewsHost", "BusinessNewsPortal", "biznews.test"},
    Site{"OptionQuoteHost", "OptionsExchangeSite", "options.test"},
    Site{"FilingsHost", "FilingsSite", "filings.test"},
    Site{"FinancePortal", nullptr, "finance.test"},
    Site{"ResearchReportSite", nullptr, "research-reports.test"},
    Site{"ResearchSite", nullptr, "research.test"},
    Site{"BrokerReportSite", nullptr, "broker-reports.test"},
    Site{"TechSplitsSite", nullptr, "tech-splits.test"},
    Site{"ProfileSite", nullptr, "profiles.test"},
    Site{"ResearchSurprisesSite", nullptr, "surprises.test"},
    Site{"BrokerSite", nullptr, "broker.test"},
    Site{"AdviceHost", nullptr, "advice.test"},
    Site{"ChartingSite", nullptr, "charting.test"},
    Site{"MarketDataSite", nullptr, "market-data.test"},
    Site{"ExchangeSite", nullptr, "exchange.test"},
    Site{"MakerWebHost", nullptr, "www.zandor.test"},
    Site{"FilingSummaryHost", nullptr, "filing-summary.test"},
    Site{"BrokerDigestHost", nullptr, "broker-digest.test"},
    Site{"EarningsResearchHost", nullptr, "earnings-research.test"},
    Site{"SplitQuoteHost", nullptr, "split-quotes.test"},
    Site{"IntradayChartHost", nullptr, "intraday-charts.test"},
    Site{"ChartImageHost", nullptr, "chart-images.test"},
    Site{"StockPointHost", nullptr, "stockpoint.test"},
    Site{"RatioChartHost", nullptr, "ratio-charts.test"},
    Site{"MessageBoardHost", nullptr, "boards.test"},
    Site{"DiscussionSearchHost", nullptr, "discussion-search.test"},
    // The news sources of a stock's news leaves.
    Site{"InvestorNewsHost", nullptr, "investor-news.test"},
    Site{"EdgarHeadlinesHost", nullptr, "edgar-headlines.test"},
    Site{"SmartMoneyNewsHost", nullptr, "smart-money-news.test"},
    Site{"ZdNetIndustryHost", nullptr, "zdnet-industry.test"},
    Site{"QuoteCentralHost", nullptr, "quotecentral.test"},
    Site{"MarketWatchHost", nullptr, "marketwatch.test"},
    Site{"MoneyPlannerHost", nullptr, "moneyplanner.test"},
    Site{"MorningStarNewsHost", nullptr, "morningstar-news.test"},
    Site{"MontlayFullHost", nullptr, "montlay-full.test"},
    Site{"NewsAlertHost", nullptr, "news-alert.test"},
    Site{"BloombergQuoteHost", nullptr, "bloomberg-quotes.test"},
    // Broadcasters of the television and radio streams.
    Site{"BloombergTelevisionHost", nullptr, "bloomberg-tv.test"},
    Site{"FinancialTimesVideoHost", nullptr, "ft-video.test"},
    Site{"InvestorVideoHost", nullptr, "investor-video.test"},
    Site{"BbcNewsHost", nullptr, "bbc-news.test"},
    Site{"StreamingDemoHost", nullptr, "streaming-demo.test"},
    Site{"BroadcastPortalHost", nullptr, "broadcast-portal.test"},
    Site{"ZdTvHost", nullptr, "zdtv.test"},
    Site{"BloombergRadioHost", nullptr, "bloomberg-radio.test"},
    Site{"AbsBroadcastsHost", nullptr, "abs-broadcasts.test"},
    Site{"TalkRadioPortalHost", nullptr, "talk-radio-portal.test"},
    Site{"DailyRocketHost", nullptr, "daily-rocket.test"},
    Site{"AvDailyNewsHost", nullptr, "av-daily-news.test"},
    Site{"CnetRadioHost", nullptr, "cnet-radio.test"},
    Site{"AudioPortalHost", nullptr, "audio-portal.test"},
    Site{"ZdNetRadioHost", nullptr, "zdnet-radio.test"},
    // The sites of the web directory.
    Site{"NewspaperDirectorySite", nullptr, "newspaper-directory.test"},
    Site{"MagazinePortalSite", nullptr, "magazine-portal.test"},
    Site{"BostonGlobeSite", nullptr, "boston-globe.test"},
    Site{"ChicagoTribuneSite", nullptr, "chicago-tribune.test"},
    Site{"ChristianScienceMonitorSite", nullptr, "csmonitor.test"},
    Site{"LosAngelesTimesSite", nullptr, "la-times.test"},
    Site{"NandoTimesSite", nullptr, "nando-times.test"},
    Site{"NewYorkTimesSite", nullptr, "ny-times.test"},
    Site{"MercuryNewsSite", nullptr, "mercury-news.test"},
    Site{"UsaTodaySite", nullptr, "usa-today.test"},
    Site{"WashingtonPostSite", nullptr, "washington-post.test"},
    Site{"ApWireNewspaperSite", nullptr, "ap-newspaper.test"},
    Site{"BloombergSite", nullptr, "bloomberg.test"},
    Site{"BusinessWireSite", nullptr, "business-wire.test"},
    Site{"DrudgeReportSite", nullptr, "drudge-report.test"},
    Site{"NewsLinxSite", nullptr, "newslinx.test"},
    Site{"NewsPageSite", nullptr, "newspage.test"},
    Site{"NewsRealSite", nullptr, "newsreal.test"},
    Site{"PrNewswireSite", nullptr, "pr-newswire.test"},
    Site{"ReutersSite", nullptr, "reuters.test"},
    Site{"WallStreetJournalSite", nullptr, "wsj.test"},
    Site{"CnnfnSite", nullptr, "cnnfn.test"},
    Site{"CrainsSite", nullptr, "crains.test"},
    Site{"DailyDealSite", nullptr, "daily-deal.test"},
    Site{"FinancialTimesSite", nullptr, "ft.test"},
    Site{"InvestorsBusinessDailySite", nullptr, "investors-business-daily.test"},
    Site{"JournalOfCommerceSite", nullptr, "journal-of-commerce.test"},
    Site{"KiplingerSite", nullptr, "kiplinger.test"},
    Site{"LegalNewsNetworkSite", nullptr, "legal-news-network.test"},
    Site{"SingaporeBusinessTimesSite", nullptr, "singapore-business-times.test"},
    Site{"BusinessJournalsSite", nullptr, "business-journals.test"},
    Site{"HeraldTribuneSite", nullptr, "herald-tribune.test"},
    Site{"LeMondeSite", nullptr, "le-monde.test"},
    Site{"LondonTimesSite", nullptr, "london-times.test"},
    Site{"NewspaperDirectoryMirrorSite", nullptr, "newspaper-directory-2.test"},
    Site{"BusinessWeekSite", nullptr, "business-week.test"},
    Site{"Business20Site", nullptr, "business2.test"},
    Site{"CfoSite", nullptr, "cfo.test"},
    Site{"ContextSite", nullptr, "context-magazine.test"},
    Site{"EconomistSite", nullptr, "economist.test"},
    Site{"FarEastEconomicReviewSite", nullptr, "far-east-economic-review.test"},
    Site{"FastCompanySite", nullptr, "fast-company.test"},
    Site{"ForbesSite", nullptr, "forbes.test"},
    Site{"HarvardBusinessSchoolPublishingSite", nullptr, "harvard-business-publishing.test"},
    Site{"IncSite", nullptr, "inc-magazine.test"},
    Site{"IndustryWeekSite", nullptr, "industry-week.test"},
    Site{"InstitutionalInvestorSite", nullptr, "institutional-investor.test"},
    Site{"NewsweekSite", nullptr, "newsweek.test"},
    Site{"RedHerringSite", nullptr, "red-herring.test"},
    Site{"SmartMoneySite", nullptr, "smart-money.test"},
    Site{"IndustryStandardSite", nullptr, "industry-standard.test"},
    Site{"StrategyBusinessSite", nullptr, "strategy-business.test"},
    Site{"UpsideOnlineSite", nullptr, "upside-online.test"},
    Site{"UsNewsSite", nullptr, "us-news.test"},
    Site{"WiredSite", nullptr, "wired.test"},
    Site{"WorthSite", nullptr, "worth.test"},
    Site{"CioSite", nullptr, "cio.test"},
    Site{"CnetSite", nullptr, "cnet.test"},
    Site{"ComputerworldSite", nullptr, "computerworld.test"},
    Site{"ElectronicMarketsSite", nullptr, "electronic-markets.test"},
    Site{"FirstMondaySite", nullptr, "first-monday.test"},
    Site{"IntranetJournalSite", nullptr, "intranet-journal.test"},
    Site{"TechReviewSite", nullptr, "tech-review.test"},
    Site{"SlashDotSite", nullptr, "slashdot.test"},
    Site{"TechWebSite", nullptr, "techweb.test"},
    Site{"ZdnetSite", nullptr, "zdnet.test"},
    Site{"AmericanDemographicsSite", nullptr, "american-demographics.test"},
    Site{"ArtsLettersPublisherSite", nullptr, "arts-letters-publisher.test"},
    Site{"AtlanticMonthlySite", nullptr, "atlantic-monthly.test"},
    Site{"GolfDigestSite", nullptr, "golf-digest.test"},
    Site{"HarpersSite", nullptr, "harpers.test"},
    Site{"NationalGeographicSite", nullptr, "national-geographic.test"},
    Site{"SalonSite", nullptr, "salon.test"},
    Site{"ScientificAmericanSite", nullptr, "scientific-american.test"},
    Site{"SlateSite", nullptr, "slate.test"},
    Site{"MagazineDatabaseSite", nullptr, "magazine-database.test"},
    Site{"AmexSite", nullptr, "amex.test"},
    Site{"NasdaqSite", nullptr, "nasdaq.test"},
    Site{"NikkeiNetSite", nullptr, "nikkei-net.test"},
    Site{"NyseSite", nullptr, "nyse.test"},
    Site{"FuturesExchangeSite", nullptr, "futures-exchange.test"},
    Site{"SyndicateSite", nullptr, "syndicate.test"},
    Site{"DeutscheBankSite", nullptr, "deutsche-bank.test"},
    Site{"DismalScientistSite", nullptr, "dismal-scientist.test"},
    Site{"EconomicPolicyInstituteSite", nullptr, "economic-policy-institute.test"},
    Site{"AmeritradeSite", nullptr, "ameritrade.test"},
    Site{"DatekSite", nullptr, "datek.test"},
    Site{"DiscoverBrokerageSite", nullptr, "discover-brokerage.test"},
    Site{"DljDirectSite", nullptr, "dlj-direct.test"},
    Site{"EtradeSite", nullptr, "etrade.test"},
    Site{"FidelitySite", nullptr, "fidelity.test"},
    Site{"SchwabSite", nullptr, "schwab.test"},
    Site{"TdWaterhouseSite", nullptr, "td-waterhouse.test"},
    Site{"BankRateMonitorSite", nullptr, "bank-rate-monitor.test"},
    Site{"GovernmentDirectorySite", nullptr, "government-directory.test"},
    Site{"UniversityFinanceSite", nullptr, "university-finance.test"},
    Site{"InternetBankingIndexSite", nullptr, "internet-banking-index.test"},
    Site{"LehmanResearchSite", nullptr, "lehman-research.test"},
    Site{"MerrillLynchResearchSite", nullptr, "merrill-lynch-research.test"},
    Site{"MorganStanleySite", nullptr, "morgan-stanley.test"},
    Site{"PaineWebberSite", nullptr, "paine-webber.test"},
    Site{"SalomonSmithBarneySite", nullptr, "salomon-smith-barney.test"},
    Site{"SgCowenSite", nullptr, "sg-cowen.test"},
    Site{"BureauOfLaborSite", nullptr, "bureau-of-labor.test"},
    Site{"CyberAtlasSite", nullptr, "cyber-atlas.test"},
    Site{"FedstatsSite", nullptr, "fedstats.test"},
    Site{"StatisticsLibrarySite", nullptr, "statistics-library.test"},
    Site{"PopulationLookupSite", nullptr, "population-lookup.test"},
    Site{"EconomicResearchDataSite", nullptr, "economic-research-data.test"},
    Site{"CensusBureauSite", nullptr, "census-bureau.test"},
    Site{"StatisticsUsaSite", nullptr, "statistics-usa.test"},
    Site{"DocumentsCenterSite", nullptr, "documents-center.test"},
    Site{"CorpFinetSite", nullptr, "corpfinet.test"},
    Site{"BusinessSchoolSite", nullptr, "business-school.test"},
    Site{"FinWebSite", nullptr, "finweb.test"},
    Site{"InvestORamaSite", nullptr, "invest-o-rama.test"},
    Site{"IomaSite", nullptr, "ioma.test"},
    Site{"ResearchLinksSite", nullptr, "research-links.test"},
    Site{"IndividualInvestorsSite", nullptr, "individual-investors.test"},
    Site{"CdaInsiderWatchSite", nullptr, "cda-insider-watch.test"},
    Site{"FinalBellSite", nullptr, "final-bell.test"},
    Site{"FirstCallSite", nullptr, "first-call.test"},
    Site{"InvestoolsSite", nullptr, "investools.test"},
    Site{"MicrosoftInvestorSite", nullptr, "microsoft-investor.test"},
    Site{"MoneyNetSite", nullptr, "moneynet.test"},
    Site{"MorningstarSite", nullptr, "morningstar.test"},
    Site{"MotleyFoolSite", nullptr, "motley-fool.test"},
    Site{"TheStreetSite", nullptr, "the-street.test"},
    Site{"ZacksSite", nullptr, "zacks.test"},
    Site{"AlertIpoPublisherSite", nullptr, "alert-ipo-publisher.test"},
    Site{"IpoCentralSite", nullptr, "ipo-central.test"},
    Site{"IpoMavenSite", nullptr, "ipo-maven.test"},
    Site{"ScreenerHost", nullptr, "screener.test"},
    Site{"ChartHost", nullptr, "charts.test"},
    Site{"TechGraphHost", nullptr, "tech-graphs.test"},
    Site{"HeadlineHost", nullptr, "headlines.test"},
};

struct Endpoint {
    QString host;
    quint16 port = 80;
};

const Site *Find(const QString &name)
{
    for (const Site &s : kSites)
        if (name.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0
            || (s.alias && name.compare(QLatin1String(s.alias), Qt::CaseInsensitive) == 0))
            return &s;
    return nullptr;
}

// The host goes into request lines and browser addresses, so only the
// characters of a host name or an IPv4 address pass.
bool IsHostName(const QString &h)
{
    if (h.isEmpty())
        return false;
    for (QChar c : h)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'_')
            return false;
    return true;
}

std::optional<Endpoint> Parse(const QString &value)
{
    const QString v = value.trimmed();
    const qsizetype colon = v.lastIndexOf(u':');
    Endpoint e{colon < 0 ? v : v.left(colon), 80};
    if (colon >= 0) {
        bool ok = false;
        const uint port = v.mid(colon + 1).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return std::nullopt;
        e.port = quint16(port);
    }
    if (!IsHostName(e.host))
        return std::nullopt;
    return e;
}

std::optional<Endpoint> Override(const QString &valueName)
{
    const QString text = mdlRegistry::QueryValue(mdlRegistry::HKEY_CURRENT_USER, Settings::HostsPath, valueName).ToText();
    if (text.isEmpty())
        return std::nullopt;
    auto e = Parse(text);
    if (!e)
        qWarning("Hosts: ignoring the malformed value \"%s\" of %s", qPrintable(text), qPrintable(valueName));
    return e;
}

std::optional<Endpoint> Resolve(const QString &name)
{
    const Site *s = Find(name);
    Q_ASSERT_X(s, "Hosts", qPrintable(QStringLiteral("unknown site name ") + name));
    if (!s) {
        qWarning("Hosts: unknown site name %s", qPrintable(name));
        return std::nullopt;
    }
    if (auto e = Override(QLatin1String(s->name)))
        return e;
    if (s->alias)
        if (auto e = Override(QLatin1String(s->alias)))
            return e;
    if (auto e = Override(Hosts::AllSites))
        return e;
    return Endpoint{QLatin1String(s->host), 80};
}

} // namespace

namespace Hosts {

QString Host(const QString &name)
{
    const auto e = Resolve(name);
    if (!e)
        return QString();
    return e->port == 80 ? e->host : e->host + u':' + QString::number(e->port);
}

QString HostName(const QString &name)
{
    const auto e = Resolve(name);
    return e ? e->host : QString();
}

quint16 Port(const QString &name)
{
    const auto e = Resolve(name);
    return e ? e->port : 0;
}

QString Url(const QString &name, const QString &pathAndQuery)
{
    const QString host = Host(name);
    if (host.isEmpty())
        return QString();
    const QString path = pathAndQuery.startsWith(u'/') ? pathAndQuery : u'/' + pathAndQuery;
    return QStringLiteral("http://") + host + path;
}

QStringList Names()
{
    QStringList out;
    for (const Site &s : kSites) {
        out << QLatin1String(s.name);
        if (s.alias)
            out << QLatin1String(s.alias);
    }
    return out;
}

bool SetOverride(const QString &name, const QString &value)
{
    if ((name != AllSites && !Find(name)) || !Parse(value))
        return false;
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\") + Settings::HostsPath;
    Registry &reg = Registry::instance();
    return reg.CreateKey(key) && reg.SetValue(key, name, Registry::Value{Registry::Sz, value.trimmed().toLatin1()});
}

QString MakerHomePage() { return Url(QStringLiteral("MakerWebHost"), QStringLiteral("/")); }

} // namespace Hosts
