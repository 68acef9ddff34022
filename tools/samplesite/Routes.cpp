#include "Routes.h"

#include "Pages.h"

#include <QList>
#include <QRegularExpression>

namespace {

struct Route {
    const char *pattern; // a path; "{name}" stands for a run of characters other than "/"
    Routes::Generator page;
};

// Adding a page: write its generator in a Pages*.cpp file and add one line here.
constexpr Route kRoutes[] = {
    {"/Tkw58.txt", Pages::VersionFile},
    {"/tickerwatch.htm", Pages::ProductPage},
    {"/demo/{sym}.html", Pages::DemoPage},
    {"/q", Pages::QuotePage},
    {"/d/quotes.csv", Pages::QuoteListFile},
    {"/cgi-bin/ShowFreeCompRep", Pages::RecommendationReport},
    {"/cgi-bin/AW/ZREPORT/DoInquiry", Pages::AnnualReport},
    {"/z/a/{l}/{sym}.html", Pages::EarningsPage},
    {"/brand/yahoo/search/", Pages::FilingsSearch},
    {"/t/{l}/{sym}.html", Pages::InsiderPage},
    {"/QuoteTable.dat", Pages::OptionTable},
    {"/cgi-bin/25_surp", Pages::EarningsSurprises},
    {"/dljd/mwwinners.htm", Pages::PercentMovers},
    {"/dljd/mwlosers.htm", Pages::PercentMovers},
    {"/c/u.html", Pages::AnalystActions},
    {"/c/d.html", Pages::AnalystActions},
    {"/c/i.html", Pages::AnalystActions},
    {"/zandor/tip.txt", Pages::WeeklyTip},
    {"/reports/bigmovers.asp", Pages::MoversReport},
    {"/markets/screener.asp", Pages::ScreenerList},
    {"/reports/reports-today.asp", Pages::ReportsToday},
    {"/splits/splits-single-company.asp", Pages::SplitsPage},
    {"/upgrades-single-company.asp", Pages::RatingChanges},
    {"/downgrades-single-company.asp", Pages::RatingChanges},
    {"/momentum-rating-single-company.asp", Pages::MomentumPage},
    {"/reports-single-company.asp", Pages::BrokerReportsPage},
    {"/cgi-bin/brand_newsalert_mlist.cgi", Pages::ProfilePage},
    {"/asp/quotes_full.asp", Pages::ShortInterestPage},
    {"/ipo/index.html", Pages::IpoEventsPage},
    {"/ipo/{page}.html", Pages::IpoCalendarPage},
    {"/reports/ipo.html", Pages::IpoNewsPage},
    {"/cgi-bin/htx.exe/dbcfiles/{page}", Pages::FundDataPage},
    {"/m1", Pages::USMarketPage},
    {"/m2", Pages::WorldMarketsPage},
    {"/splits/{page}.asp", Pages::SplitsCalendarPage},
    {"/mostsplits.asp", Pages::SplitsCalendarPage},
    {"/cgi-bin/cboeget.exe", Pages::OptionQuotePage},
    {"/c/3m/{l}/{sym}.gif", Pages::ChartPicture},
    {"/c/{l}/{sym}.html", Pages::CompanyPage},
    {"/n/i/{sym}.html", Pages::StoryPage},
    {"/p/e/{sym}.html", Pages::CompanyProfilePage},
    {"/p/{sym}.html", Pages::CompanyProfilePage},
    {"/quote.asp", Pages::SplitQuotePage},
    {"/insider/{name}.html", Pages::InsiderPersonPage},
    {"/auth/doctrans/doc/{name}.txt", Pages::FilingDocument},
    {"/ows-bin/owa/zbrc", Pages::EarningsNotePage},
    {"/cgi/inet/qndigest.trn", Pages::CompanyDigestPage},
};

struct Compiled {
    QRegularExpression re;
    Routes::Generator page;
};

QRegularExpression Compile(const QByteArray &pattern)
{
    static const QRegularExpression part(QStringLiteral("\\{(\\w+)\\}"));
    const QString p = QString::fromLatin1(pattern);
    QString re = QStringLiteral("^");
    qsizetype at = 0;
    for (auto it = part.globalMatch(p); it.hasNext();) {
        const auto m = it.next();
        re += QRegularExpression::escape(p.mid(at, m.capturedStart() - at));
        re += QStringLiteral("(?<") + m.captured(1) + QStringLiteral(">[^/]+?)");
        at = m.capturedEnd();
    }
    re += QRegularExpression::escape(p.mid(at)) + u'$';
    return QRegularExpression(re);
}

const QList<Compiled> &Table()
{
    static const QList<Compiled> table = [] {
        QList<Compiled> t;
        for (const Route &r : kRoutes)
            t.append(Compiled{Compile(r.pattern), r.page});
        return t;
    }();
    return table;
}

} // namespace

namespace Routes {

std::optional<Reply> Answer(Request &request)
{
    const QString path = QString::fromLatin1(request.path);
    for (const Compiled &c : Table()) {
        const QRegularExpressionMatch m = c.re.match(path);
        if (!m.hasMatch())
            continue;
        request.args.clear();
        for (const QString &name : c.re.namedCaptureGroups())
            if (!name.isEmpty())
                request.args.insert(name.toLatin1(), QByteArray::fromPercentEncoding(m.captured(name).toLatin1()));
        return c.page(request);
    }
    return std::nullopt;
}

} // namespace Routes
