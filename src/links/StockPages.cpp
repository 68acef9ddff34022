#include "links/StockPages.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"

#include <iterator>

namespace StockPages {

namespace {

// How the symbol enters a path: as it is, upper-cased, or as its first
// character lower-cased followed by the symbol as it is.
enum Form { Sym, SymUpper, Initial };

struct Page {
    const char *host;
    const char *head;
    Form form;
    const char *tail;
};

const Page kCharts[] = {
    {"IntradayChartHost", "/b?s=", Sym, ""},
    {"ChartImageHost", "/c/3m/", Initial, ".gif"},
    {"ChartImageHost", "/c/1y/", Initial, ".gif"},
    {"ChartImageHost", "/c/2y/", Initial, ".gif"},
    {"ChartImageHost", "/c/5y/", Initial, ".gif"},
    {"ChartImageHost", "/c/my/", Initial, ".gif"},
    {"ChartImageHost", "/c/mym/", Initial, ".gif"},
    {"ChartImageHost", "/c/mys/", Initial, ".gif"},
    {"StockPointHost", "/quote.asp?Mode=JAVACHART&Symbol=", Sym, ""},
};

const Page kNews[] = {
    {"BizNewsHost", "/n/", Initial, ".html"},
    {"InvestorNewsHost", "/news/pressrel.asp?Symbol=", Sym, ""},
    {"EdgarHeadlinesHost", "/bin/headlines?SearchOption=ticker&Query=", Sym, ""},
    {"SmartMoneyNewsHost",
     "/search/news?Action=FILTERSEARCH&Filter=EquitySnapshotFilter.hts&ResultTemplate=EquitySnapshotResults3.hts"
     "&SortField=Date&SortOrder=Desc&ResultCount=10&type=ticker&TickerSymbols=",
     Sym, ""},
    {"ZdNetIndustryHost", "/industry_list_new.asp?mode=news&ticker=", Sym, ""},
    // The service's own query, "?" twice.
    {"QuoteCentralHost", "/fq/quotecom/headlines?mode?symbols=", Sym, "&mode=NewsHeadlines"},
    {"InvestorNewsHost", "/news/pressrel.asp?Symbol=", Sym, ""},
    {"MarketWatchHost", "/bin/headlines?Query=", Sym, "&SearchOption=ticker"},
    {"MoneyPlannerHost", "/investments/news/?symbol=", SymUpper, ""},
    {"MorningStarNewsHost", "/StockQT/NV_News/_", SymUpper, ".msshtml"},
    {"StockPointHost", "/quote.asp?Symbol=", Sym, "&Mode=NEWS"},
    {"MontlayFullHost", "/news/news.asp?symbols=", SymUpper, ""},
    {"NewsAlertHost", "/free/digest?Symbol=", Sym, "#news"},
    {"BloombergQuoteHost", "/analytics/bquote.cgi?view=news&ticker=", Sym, ""},
};

const char *const kRatioFields[] = {
    "bookvalue", "commonequity", "currassets",   "currliabilities", "deratio",    "depreciation", "dividends",
    "payout",    "ebit",         "eps",          "longtermdebt",    "icoverage",  "netincome",    "peratio",
    "pricebook", "pricesales",   "profitmargin", "roe",             "roa",        "Revenues Selected",
    "sharesout",
};

const char *const kIndustryButtons[] = {"GRAPH", "STOCKS", "STBRK", "ITBRK", "LTBRK", "FUND", "INSIDERS", "RANKINGS"};

static_assert(std::size(kCharts) == 9 && std::size(kNews) == HeadlinesSource && std::size(kRatioFields) == 21
              && std::size(kIndustryButtons) == 8);

QString Address(const Page &page, const QByteArray &symbol)
{
    QString s;
    switch (page.form) {
    case Sym: s = SheetCache::ForUrl(symbol); break;
    case SymUpper: s = SheetCache::ForUrl(symbol.toUpper()); break;
    case Initial: s = SheetCache::ForUrl(symbol.left(1).toLower()) + u'/' + SheetCache::ForUrl(symbol); break;
    }
    return Hosts::Url(QLatin1String(page.host), QLatin1String(page.head) + s + QLatin1String(page.tail));
}

template <typename Table> bool Within(const Table &table, int index)
{
    return index >= 0 && index < int(std::size(table));
}

} // namespace

QString Chart(int index, const QByteArray &symbol)
{
    return Within(kCharts, index) ? Address(kCharts[index], symbol) : QString();
}

QString News(int index, const QByteArray &symbol)
{
    return Within(kNews, index) ? Address(kNews[index], symbol) : QString();
}

QString Ratio(int index, const QByteArray &symbol)
{
    // The field name is part of the program's own address and goes in as it
    // stands, blank and all.
    const QString field = Within(kRatioFields, index) ? QLatin1String(kRatioFields[index]) : QString();
    return Hosts::Url(QStringLiteral("RatioChartHost"), QStringLiteral("/home/wchart/chart.html?id=00019590&symbol=")
                                                            + SheetCache::ForUrl(symbol) + QStringLiteral("&field=")
                                                            + field);
}

QString IndustryGroup(int index, const QByteArray &symbol)
{
    if (!Within(kIndustryButtons, index))
        return QString();
    return Hosts::Url(QStringLiteral("TechGraphHost"), QStringLiteral("/wsc/Industry_Group_Analysis.html?Symbol=")
                                                           + SheetCache::ForUrl(symbol.toUpper())
                                                           + QStringLiteral("&Button=")
                                                           + QLatin1String(kIndustryButtons[index]));
}

} // namespace StockPages
