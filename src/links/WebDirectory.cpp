#include "links/WebDirectory.h"

#include "core/Hosts.h"

#include <span>

namespace WebDirectory {

namespace {

// A site is its host's name and the page's path; "/" is the home page.
struct Site {
    const char *host;
    const char *path;
};

const Site kNewsLink[] = {
    {"BostonGlobeSite", "/globe"},
    {"ChicagoTribuneSite", "/"},
    {"ChristianScienceMonitorSite", "/"},
    {"LosAngelesTimesSite", "/HOME/"},
    {"NandoTimesSite", "/"},
    {"NewYorkTimesSite", "/"},
    {"MercuryNewsSite", "/"},
    {"UsaTodaySite", "/"},
    {"WashingtonPostSite", "/"},
    {"NewspaperDirectorySite", "/daym.html"},
    {"NewspaperDirectorySite", "/news.html"},
    {"NewspaperDirectorySite", "/alter.html"},
};
const Site kNewsfeeds[] = {
    {"ApWireNewspaperSite", "/ap/national.htm"},
    {"BloombergSite", "/"},
    {"BusinessWireSite", "/"},
    {"DrudgeReportSite", "/"},
    {"NewsLinxSite", "/"},
    {"NewsPageSite", "/"},
    {"NewsRealSite", "/"},
    {"PrNewswireSite", "/"},
    {"ReutersSite", "/news/"},
};
const Site kBusinessNews[] = {
    {"WallStreetJournalSite", "/bin/login?Tag=/&URI=/edition/current/summaries/barrons.htm"},
    {"CnnfnSite", "/"},
    {"CrainsSite", "/"},
    {"DailyDealSite", "/"},
    {"FinancialTimesSite", "/"},
    {"InvestorsBusinessDailySite", "/"},
    {"JournalOfCommerceSite", "/web_indx.htm"},
    {"KiplingerSite", "/"},
    {"LegalNewsNetworkSite", "/"},
    {"SingaporeBusinessTimesSite", "/"},
    {"WallStreetJournalSite", "/edition/current/summaries/front.htm"},
    {"NewspaperDirectorySite", "/busin.html"},
    {"BusinessJournalsSite", "/journals.html"},
};
const Site kInternationalNews[] = {
    {"HeraldTribuneSite", "/IHT/home.html"},
    {"LeMondeSite", "/"},
    {"LondonTimesSite", "/news/pages/Times/frontpage.html?999"},
    {"NewspaperDirectoryMirrorSite", "/nonusf.html"},
    {"NewspaperDirectorySite", "/nonusa.html"},
    {"NewspaperDirectorySite", "/nonusoaus.html"},
    {"NewspaperDirectorySite", "/nonusn.html"},
    {"NewspaperDirectorySite", "/nonuscar.html"},
    {"NewspaperDirectorySite", "/nonuscen.html"},
    {"NewspaperDirectorySite", "/nonuse.html"},
    {"NewspaperDirectorySite", "/nonusmex.html"},
    {"NewspaperDirectorySite", "/nonuss.html"},
};
const Site kMagazines[] = {
    {"BusinessWeekSite", "/"},
    {"Business20Site", "/"},
    {"CfoSite", "/"},
    {"ContextSite", "/magazine/setMagazineMain.asp"},
    {"EconomistSite", "/"},
    {"FarEastEconomicReviewSite", "/"},
    {"FastCompanySite", "/home.html"},
    {"ForbesSite", "/"},
    {"MagazinePortalSite", "/fortune/"},
    {"HarvardBusinessSchoolPublishingSite", "/home.html"},
    {"IncSite", "/"},
    {"IndustryWeekSite", "/"},
    {"InstitutionalInvestorSite", "/"},
    {"MagazinePortalSite", "/money/"},
    {"NewsweekSite", "/"},
    {"RedHerringSite", "/"},
    {"SmartMoneySite", "/"},
    {"IndustryStandardSite", "/"},
    {"StrategyBusinessSite", "/"},
    {"MagazinePortalSite", "/time/"},
    {"UpsideOnlineSite", "/"},
    {"UsNewsSite", "/usnews/home.htm"},
    {"WiredSite", "/wired/current.html"},
    {"WorthSite", "/"},
};
const Site kTechnologyMagazines[] = {
    {"CioSite", "/CIO/"},
    {"CnetSite", "/"},
    {"ComputerworldSite", "/"},
    {"ElectronicMarketsSite", "/electronicmarkets/electronicmarkets.nsf/pages/index.html"},
    {"FirstMondaySite", "/issues/issue4_10/"},
    {"IntranetJournalSite", "/"},
    {"TechReviewSite", "/"},
    {"SlashDotSite", "/"},
    {"TechWebSite", "/"},
    {"MagazinePortalSite", "/time/digital/"},
    {"ZdnetSite", "/findit/mags.html?chkpt=hpqs01807"},
};
const Site kOnlineMagazines[] = {
    {"AmericanDemographicsSite", "/publications/ad/index.htm"},
    {"ArtsLettersPublisherSite", "/aldaily/"},
    {"AtlanticMonthlySite", "/issues/current/contents.htm"},
    {"GolfDigestSite", "/"},
    {"HarpersSite", "/"},
    {"NationalGeographicSite", "/index.html"},
    {"SalonSite", "/"},
    {"ScientificAmericanSite", "/"},
    {"SlateSite", "/"},
    {"MagazineDatabaseSite", "/"},
};
const Site kFinancialMarkets[] = {
    {"AmexSite", "/"},
    {"CnnfnSite", "/markets/us_markets.html"},
    {"NasdaqSite", "/"},
    {"NikkeiNetSite", "/"},
    {"NyseSite", "/"},
    {"FuturesExchangeSite", "/ecb/mdmpag.htm"},
    {"SyndicateSite", "/syndicate/finance/exchange.html"},
    {"DeutscheBankSite", "/"},
    {"DismalScientistSite", "/economy/releases/new_home.asp"},
    {"EconomicPolicyInstituteSite", "/"},
};
const Site kOnlineInvestor[] = {
    {"AmeritradeSite", "/"},
    {"DatekSite", "/"},
    {"DiscoverBrokerageSite", "/"},
    {"DljDirectSite", "/"},
    {"EtradeSite", "/"},
    {"FidelitySite", "/index.shtml"},
    {"SchwabSite", "/"},
    {"TdWaterhouseSite", "/"},
};
const Site kBanking[] = {
    {"BankRateMonitorSite", "/"},
    {"GovernmentDirectorySite", "/gov/independents/frs.html"},
    {"UniversityFinanceSite", "/~finance/students/webworld.html"},
    {"InternetBankingIndexSite", "/banking/"},
    {"LehmanResearchSite", "/Research/research.shtml"},
    {"MerrillLynchResearchSite", "/Marketing/"},
    {"MorganStanleySite", "/"},
    {"PaineWebberSite", "/"},
    {"SalomonSmithBarneySite", "/"},
    {"SgCowenSite", "/"},
};
const Site kStatistics[] = {
    {"BureauOfLaborSite", "/"},
    {"CyberAtlasSite", "/"},
    {"FedstatsSite", "/"},
    {"StatisticsLibrarySite", "/lbr/stats/OFFSTATSmain.htm"},
    {"PopulationLookupSite", "/zipcode/pop.htm"},
    {"EconomicResearchDataSite", "/index.htm"},
    {"CensusBureauSite", "/prod/3/98pubs/98statab/cc98stab.htm"},
    {"StatisticsUsaSite", "/"},
    {"DocumentsCenterSite", "/libhome/Documents.center/frames/statsfr.html"},
    {"CensusBureauSite", "/datamap/www/"},
};
const Site kBusinessLinks[] = {
    {"CorpFinetSite", "/"},
    {"BusinessSchoolSite", "/cgi-bin/DB_Search/db_search.cgi?setup_file=finance.setup.cgi"},
    {"FinWebSite", "/"},
    {"InvestORamaSite", "/director.html"},
    {"IomaSite", "/dir/"},
    {"ResearchLinksSite", "/interest.html"},
};
const Site kIPOResearch[] = {
    {"IndividualInvestorsSite", "/"},
    {"CdaInsiderWatchSite", "/investnet/"},
    {"FinalBellSite", "/finalbell/pub-doc/home.html"},
    {"FirstCallSite", "/us/usnav.htm"},
    {"InvestoolsSite", "/cgi-bin/home"},
    {"MicrosoftInvestorSite", "/home.asp?beenthere=1&"},
    {"MoneyNetSite", "/home/MONEYNET/homepage/homepage.asp"},
    {"MorningstarSite", "/"},
    {"MotleyFoolSite", "/"},
    {"TheStreetSite", "/"},
    {"SyndicateSite", "/syndicate/index.html"},
    {"TechWebSite", "/wire/finance/"},
    {"ZacksSite", "/"},
    {"AlertIpoPublisherSite", "/alert-ipo/"},
    {"IpoCentralSite", "/"},
    {"IpoMavenSite", "/"},
};

struct Group {
    const char *key;
    std::span<const Site> sites;
};

// The tree's group keys, in the tree's order.
const Group kGroups[] = {
    {"NewsLink", kNewsLink},
    {"Newsfeeds", kNewsfeeds},
    {"BusinessNews", kBusinessNews},
    {"InternationalNews", kInternationalNews},
    {"Magazines", kMagazines},
    {"TechnologyMagazines", kTechnologyMagazines},
    {"OnlineMagazines", kOnlineMagazines},
    {"FinancialMarkets", kFinancialMarkets},
    {"OnlineInvestor", kOnlineInvestor},
    {"Banking", kBanking},
    {"Statistics", kStatistics},
    {"BusinessLinks", kBusinessLinks},
    {"IPOResearch", kIPOResearch},
};

} // namespace

QString Page(const QString &key)
{
    for (const Group &g : kGroups) {
        const QLatin1String group(g.key);
        if (!key.startsWith(group))
            continue;
        // The position: decimal from 1, no leading zero, no sign.
        const QString position = key.mid(group.size());
        bool ok = false;
        const uint n = position.toUInt(&ok);
        if (!ok || n == 0 || n > g.sites.size() || position != QString::number(n))
            continue;
        const Site &s = g.sites[n - 1];
        return Hosts::Url(QLatin1String(s.host), QLatin1String(s.path));
    }
    return QString();
}

QStringList Keys()
{
    QStringList keys;
    for (const Group &g : kGroups)
        for (size_t i = 0; i < g.sites.size(); ++i)
            keys << QLatin1String(g.key) + QString::number(i + 1);
    return keys;
}

} // namespace WebDirectory
