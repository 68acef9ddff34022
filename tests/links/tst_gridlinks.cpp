// The link cells of the grids: which columns show the hand, and the page a
// click on a row opens.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "links/GridLinkColumns.h"

#include <QMap>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {

// A grid row as "col=text" pairs; every row reads the same.
using Row = QMap<int, QString>;

QString Host(const char *name)
{
    QString root = Hosts::Url(QLatin1String(name), QStringLiteral("/"));
    root.chop(1);
    return root;
}

} // namespace

class tst_gridlinks : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void columns_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QList<int>>("links");
        QTest::addColumn<QList<int>>("plain");
        QTest::newRow("IT") << "IT" << QList<int>{2} << QList<int>{0, 1, 3};
        QTest::newRow("Call") << "Call" << QList<int>{0} << QList<int>{1, 5};
        QTest::newRow("Options") << "Options" << QList<int>{1, 8} << QList<int>{0, 2, 7, 9};
        QTest::newRow("Upgrade") << "Upgrade" << QList<int>{1, 5} << QList<int>{0, 2, 4};
        QTest::newRow("Coverage") << "Coverage" << QList<int>{1, 4} << QList<int>{2, 5};
        QTest::newRow("WM") << "WM" << QList<int>{3, 6, 7, 12} << QList<int>{2, 4, 5};
        QTest::newRow("IPO_Gain") << "IPO_Gain" << QList<int>{1, 6, 9} << QList<int>{2, 5};
        QTest::newRow("IPO_Price") << "IPO_Price" << QList<int>{1, 5, 6} << QList<int>{4};
        QTest::newRow("FMS1") << "FMS1" << QList<int>{0} << QList<int>{1};
        QTest::newRow("fund list") << "F_Conv" << QList<int>{} << QList<int>{0, 1, 2};
        QTest::newRow("AIS") << "AIS" << QList<int>{} << QList<int>{0, 1};
        QTest::newRow("case counts") << "it" << QList<int>{} << QList<int>{2};
    }
    void columns()
    {
        QFETCH(QString, view);
        QFETCH(QList<int>, links);
        QFETCH(QList<int>, plain);
        for (int c : links)
            QVERIFY2(GridLinkColumns::IsLinkColumn(view, c), qPrintable(QString::number(c)));
        for (int c : plain)
            QVERIFY2(!GridLinkColumns::IsLinkColumn(view, c), qPrintable(QString::number(c)));
    }

    void addresses_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<Row>("row");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("address"); // "{Host}" stands for that host's "http://host"
        QTest::newRow("QR filing") << "QR" << Row{{1, "10-Q"}, {4, "?doc=0001"}} << 2 << 1
                                   << "{FilingsHost}/auth/doctrans?doc=0001";
        QTest::newRow("QR path with a closing quote") << "QR" << Row{{1, "10-Q"}, {4, "?doc=0001\""}} << 2 << 1
                                                      << "{FilingsHost}/auth/doctrans?doc=0001";
        QTest::newRow("QR header row") << "QR" << Row{{1, "Fillings"}, {4, "?doc=1"}} << 1 << 1 << "";
        QTest::newRow("QR other column") << "QR" << Row{{2, "x"}, {4, "?doc=1"}} << 2 << 2 << "";
        QTest::newRow("IT") << "IT" << Row{{1, "t/z/zeta01.html"}, {2, "Smith"}} << 2 << 2
                            << "{BizNewsHost}/t/z/zeta01.html";
        QTest::newRow("Call keeps the inner blank") << "Call" << Row{{0, " ZETA Jan 100 (ZTA AT)"}} << 3 << 0
                                                    << "{OptionQuoteHost}/cgi-bin/cboeget.exe?TICKER=ZTA%20AT";
        QTest::newRow("Options drops blanks") << "Options" << Row{{1, " ZETA Jan 100 \r\n(ZTA AT)"}} << 3 << 1
                                              << "{OptionQuoteHost}/cgi-bin/cboeget.exe?TICKER=ZTAAT";
        QTest::newRow("Put without a bracket") << "Put" << Row{{0, "ZETA Jan 100"}} << 3 << 0 << "";
        QTest::newRow("Put without a closing bracket") << "Put" << Row{{0, "ZETA (ZTA"}} << 3 << 0 << "";
        QTest::newRow("Upgrade quote") << "Upgrade" << Row{{1, "MSFT"}} << 2 << 1 << "{QuoteHost}/q?s=MSFT&d=t";
        QTest::newRow("Upgrade company") << "Upgrade" << Row{{1, "MSFT"}, {5, "News"}} << 2 << 5
                                         << "{BizNewsHost}/c/m/MSFT.html";
        QTest::newRow("Coverage company") << "Coverage" << Row{{1, "BRK.A"}} << 5 << 4 << "{BizNewsHost}/c/b/BRK.A.html";
        QTest::newRow("Coverage plain column") << "Coverage" << Row{{1, "BRK.A"}} << 5 << 2 << "";
        QTest::newRow("a symbol is encoded") << "Upgrade" << Row{{1, "A&B C"}} << 2 << 1 << "{QuoteHost}/q?s=A%26B%20C&d=t";
        QTest::newRow("WINLOS") << "WINLOS" << Row{{1, "IBM"}} << 3 << 1
                                << "{BrokerDigestHost}/cgi/inet/qndigest.trn?selection=company_digest&symbol=IBM";
        QTest::newRow("SUP") << "SUP" << Row{{0, "IBM"}} << 2 << 0
                             << "{EarningsResearchHost}/ows-bin/owa/zbrc?tick=IBM&comp_id=main&search=1";
        QTest::newRow("BR web address") << "BR" << Row{{1, "MSFT"}, {9, "http://x.test/a"}} << 2 << 1 << "http://x.test/a";
        QTest::newRow("BR one character") << "BR" << Row{{1, "MSFT"}, {9, "h"}} << 2 << 1 << "";
        QTest::newRow("BR local file") << "BR" << Row{{1, "MSFT"}, {9, "file:///etc/passwd"}} << 2 << 1 << "";
        QTest::newRow("US") << "US" << Row{{2, "Dow"}, {8, "https://q.test/^DJI"}} << 2 << 2 << "https://q.test/^DJI";
        QTest::newRow("IPO_Price news") << "IPO_Price" << Row{{2, "ABCDE"}, {5, "News"}} << 2 << 5
                                        << "{BizNewsHost}/n/i/ABCD.html";
        QTest::newRow("IPO_Price company") << "IPO_Price" << Row{{1, "Abc Corp"}, {2, "ABCDE"}} << 2 << 1
                                           << "{QuoteHost}/q?s=ABCD&d=t";
        QTest::newRow("IPO_Price leading blank") << "IPO_Price" << Row{{1, "Abc"}, {2, " ABCDE"}} << 2 << 1
                                                 << "{QuoteHost}/q?s=ABC&d=t";
        QTest::newRow("IPO_Last symbol of column 1") << "IPO_Last" << Row{{1, "XYZ"}, {6, "Chart"}} << 2 << 6
                                                     << "{QuoteHost}/q?s=XYZ&d=3m";
        QTest::newRow("IPO_Gain gain column") << "IPO_Gain" << Row{{1, "XYZ"}, {5, "12%"}} << 2 << 5 << "";
        QTest::newRow("IPO_Gain board") << "IPO_Gain" << Row{{1, "XYZ"}, {6, "Msgs"}} << 2 << 6
                                        << "{MessageBoardHost}/?action=q&board=XYZ";
        QTest::newRow("WM chart") << "WM" << Row{{2, "DJI"}, {7, "Chart"}} << 2 << 7 << "{QuoteHost}/q?s=^DJI&d=3m";
        QTest::newRow("WM change column") << "WM" << Row{{2, "DJI"}, {6, "+1.2"}} << 2 << 6 << "{QuoteHost}/q?s=^DJI&d=t";
        QTest::newRow("IPO_Reg") << "IPO_Reg" << Row{{2, "NEWCO"}} << 2 << 7 << "{BizNewsHost}/p/NEWCO.html";
        QTest::newRow("IPO_News") << "IPO_News" << Row{{4, "n/x/1.html'"}} << 2 << 1 << "{BizNewsHost}/n/x/1.html";
        QTest::newRow("FMS2") << "FMS2" << Row{{0, "IBM"}} << 2 << 0
                              << "{SplitQuoteHost}/quote.asp?symbol=IBM&Whattoget=detailquote";
        QTest::newRow("fund list") << "F_Conv" << Row{{0, "X"}} << 2 << 0 << "";
        QTest::newRow("AIS") << "AIS" << Row{{1, "x"}} << 2 << 1 << "";
    }
    void addresses()
    {
        QFETCH(QString, view);
        QFETCH(Row, row);
        QFETCH(int, r);
        QFETCH(int, col);
        QFETCH(QString, address);
        for (const char *h : {"FilingsHost", "BizNewsHost", "OptionQuoteHost", "QuoteHost", "BrokerDigestHost",
                              "EarningsResearchHost", "MessageBoardHost", "SplitQuoteHost"})
            address.replace(u'{' + QLatin1String(h) + u'}', Host(h));
        const auto cell = [&row](int, int c) { return row.value(c); };
        QCOMPARE(GridLinkColumns::Address(view, r, col, cell), address);
    }
};

TW_TEST(tst_gridlinks)
#include "tst_gridlinks.moc"
