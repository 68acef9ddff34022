#pragma once
// The summary page of the stock on show: a title block and the sections the
// user chose in SummaryOpt, each drawn from a cached sheet or the open set,
// written under the report folder's Summary folder and opened. A section
// whose page is not in the cache says so inside the page.
#include <QByteArray>
#include <QPointer>
#include <array>
#include <cstdint>

#include <QLabel>

class Summery {
public:
    // progress: the label each section writes its progress text on.
    explicit Summery(QLabel *progress = nullptr) : progress_(progress) {}

    // Flags, 1 to include: profile, analyst, latest prices, balance sheet,
    // income statement, earnings growth, earnings history, earnings
    // estimates, consensus EPS trend, insider trades, split history,
    // upgrades, downgrades, momentum, broker reports, calls, puts, quarterly
    // reports, short interest. Answers whether the page was written (it is
    // then open in the browser); a failed write has shown its message.
    bool GanarateHTML(const std::array<uint8_t, 19> &flags);

    QByteArray S_Calls();
    QByteArray S_Puts();
    QByteArray S_EC();
    QByteArray S_IT();
    QByteArray S_EE();
    QByteArray S_EH();
    QByteArray S_EG();
    static QByteArray Table(const QByteArray &width, const QByteArray &border, const QByteArray &spacing,
                            const QByteArray &padding);
    // One titled section around its rows.
    static QByteArray Table1(const QByteArray &headline, const QByteArray &body);
    // The Latest Prices table of CurrentSymbol's stock.
    static QByteArray TablePrice();
    // One row of two captions and their values; the values are escaped.
    static QByteArray RowPrice(const QByteArray &caption1, const QByteArray &data1, const QByteArray &caption2,
                               const QByteArray &data2);
    QByteArray S_QR();
    QByteArray S_SI();

private:
    QByteArray S_ABS();
    QByteArray S_AIS();
    QByteArray S_Profile();
    QByteArray S_Split();
    QByteArray S_Upgrades();
    QByteArray S_Momentum();
    QByteArray S_Downgrades();
    QByteArray S_Broker();
    QByteArray S_Analyst();
    QByteArray S_Chart();

    // One of the four earnings tables (EarningsRows::Table) as its section.
    QByteArray Earnings(int table, const char *progress);
    // The calls or the puts of the option chain as their section.
    QByteArray Chain(bool calls);

    void Progress(const char *text);
    // CurrentSymbol's cached page with that suffix; yields once after reading.
    QByteArray ReadSheet(const char *suffix);

    QPointer<QLabel> progress_;
};
