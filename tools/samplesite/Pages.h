#pragma once
// Page generators of the sample site (one function per page, wired up in
// Routes.cpp) and what they share: numbers that depend on the symbol alone, so
// a test knows what a page shows.
#include "Http.h"

#include <QByteArray>
#include <QList>

namespace Pages {

// A symbol the site answers for: every symbol the program accepts.
bool IsSymbol(const QByteArray &symbol);

// A fixed sequence of numbers per symbol: the upper-cased symbol's 32-bit
// FNV-1a hash seeds a xorshift32 generator.
class SymbolData {
public:
    explicit SymbolData(const QByteArray &symbol);
    quint32 Next();
    // lo..hi, both included.
    int Between(int lo, int hi);
    // A figure of hundredths between lo and hi hundredths, as "12.34".
    QByteArray Price(int lo, int hi);

private:
    quint32 state_;
};

// "12.34" for 1234, "-0.05" for -5.
QByteArray Hundredths(int value);

// Pieces of the made-up pages (PagesUpdate.cpp): a company name and a
// ticker fixed per seed, signed and grouped figures, a table row, a comment
// that keeps a short page above its job's minimum, a whole page.
QByteArray Company(SymbolData &d);
QByteArray Ticker(SymbolData &d);
QByteArray Signed(int hundredths);
QByteArray Grouped(qint64 n);
QByteArray Cells(const QList<QByteArray> &texts);
QByteArray Padding();
QByteArray Html(const QByteArray &title, const QByteArray &body);

Reply VersionFile(const Request &r);
Reply ProductPage(const Request &r);
Reply DemoPage(const Request &r);

// Pages of the Update run (PagesUpdate.cpp).
Reply NewsQuotePage(const Request &r);
Reply AnnualReport(const Request &r);
Reply EarningsPage(const Request &r);
Reply FilingsSearch(const Request &r);
Reply InsiderPage(const Request &r);
Reply OptionTable(const Request &r);
Reply EarningsSurprises(const Request &r);
Reply PercentMovers(const Request &r);
Reply AnalystActions(const Request &r);
Reply WeeklyTip(const Request &r);
Reply MoversReport(const Request &r);
Reply ScreenerList(const Request &r);
Reply ReportsToday(const Request &r);

// Per-stock research pages (PagesResearch.cpp).
Reply SplitsPage(const Request &r);
Reply RatingChanges(const Request &r);
Reply MomentumPage(const Request &r);
Reply BrokerReportsPage(const Request &r);
Reply ProfilePage(const Request &r);
Reply ShortInterestPage(const Request &r);

// Market sheets of the IPO center, funds, indices, options and splits
// (PagesMarket.cpp).
Reply IpoCalendarPage(const Request &r);
Reply IpoEventsPage(const Request &r);
Reply IpoNewsPage(const Request &r);
Reply FundDataPage(const Request &r);
Reply USMarketPage(const Request &r);
Reply WorldMarketsPage(const Request &r);
Reply SplitsCalendarPage(const Request &r);

// Pages the program opens in the browser from its sheets and summary
// (PagesLinks.cpp).
Reply OptionQuotePage(const Request &r);
Reply CompanyPage(const Request &r);
Reply StoryPage(const Request &r);
Reply CompanyProfilePage(const Request &r);
Reply SplitQuotePage(const Request &r);
Reply InsiderPersonPage(const Request &r);
Reply FilingDocument(const Request &r);
Reply EarningsNotePage(const Request &r);
Reply CompanyDigestPage(const Request &r);
Reply ChartPicture(const Request &r);

// Quote pages (PagesQuotes.cpp). /q serves the detailed quote with d=t and
// the page with the news otherwise.
Reply QuotePage(const Request &r);
Reply DetailedQuotePage(const Request &r);
Reply QuoteListFile(const Request &r);
Reply RecommendationReport(const Request &r);

} // namespace Pages
