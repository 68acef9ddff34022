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
