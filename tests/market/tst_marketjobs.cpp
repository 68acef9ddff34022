// The broker-report fetch of the Update run over the socket, and the market
// lists of a whole run against the sample site, opened from the tree.
#include "collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"

#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>
#include <QFileInfo>

using namespace tw::test;
using Fault = SampleSite::Fault;

class tst_marketjobs : public QObject {
    Q_OBJECT
    UpdateFixture f;

    QString Page() const { return f.Sheet(QStringLiteral("M_BRP.Sh")); }

private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    // Box 98 alone: one hand-made request with the site's port in the
    // address, the reply stored as received.
    void brokerReportsFetched()
    {
        f.TickOnly({98});
        f.m->RunUpdate();
        const QList<QByteArray> requests = f.site->requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0], "GET http://" + f.site->hostPort().toLatin1()
                                  + "/reports/reports-today.asp HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n");
        const QByteArray stored = TestEnv::ReadAll(Page());
        QVERIFY(stored.startsWith("HTTP/1.0 200 OK"));
        QCOMPARE(stored, f.site->get("/reports/reports-today.asp"));
    }

    // A reply under the minimum leaves no page; one of the minimum stays.
    void brokerReportsMinimum_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<bool>("kept");
        QTest::newRow("999 bytes") << qint64(999) << false;
        QTest::newRow("1000 bytes") << qint64(1000) << true;
    }
    void brokerReportsMinimum()
    {
        QFETCH(qint64, bytes);
        QFETCH(bool, kept);
        f.TickOnly({98});
        QVERIFY(f.site->setFault("/reports/reports-today.asp", Fault::Bytes, bytes));
        f.m->RunUpdate();
        QCOMPARE(QFile::exists(Page()), kept);
        if (kept)
            QCOMPARE(QFileInfo(Page()).size(), bytes);
    }

    // A silent site: the fetch ends within the time-out, the older page
    // stays as it was.
    void brokerReportsSilentSite()
    {
        const QByteArray older = "HTTP/1.0 200 OK\r\n\r\nolder " + QByteArray(2000, 'o');
        TestEnv::WriteAll(Page(), older);
        QVERIFY(f.site->setFault("/reports/reports-today.asp", Fault::Silence));
        QElapsedTimer t;
        t.start();
        f.m->Update_M_BRP();
        QVERIFY(t.elapsed() < 30000); // ended by the 1.5 s limit, not by the site
        QCOMPARE(TestEnv::ReadAll(Page()), older);
    }

    // A stop requested: no connection, the caption left alone.
    void brokerReportsAfterStop()
    {
        f.m->AbortFlag = -1;
        f.m->setWindowTitle(QStringLiteral("busy"));
        f.m->Update_M_BRP();
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->windowTitle(), QStringLiteral("busy"));
        QVERIFY(!QFile::exists(Page()));
        f.m->AbortFlag = 0;
    }

    // Each mover and screener list of the site, fetched by its box and
    // opened from the tree: every cell under a heading reads as that
    // heading's kind of figure.
    void listColumns_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("signedCol"); // the column whose figures all carry `sign`; -1: none
        QTest::addColumn<QString>("sign");
        QTest::newRow("price gain") << 20 << "pg" << 3 << "+";
        QTest::newRow("price loss") << 24 << "pl_N" << 3 << "-";
        QTest::newRow("volume gain") << 28 << "vg_A" << 3 << "+";
        QTest::newRow("volume loss") << 29 << "vl" << 3 << "-";
        QTest::newRow("52-week highs") << 32 << "52h" << -1 << "";
        QTest::newRow("52-week lows") << 36 << "52l_N" << 4 << "-";
        QTest::newRow("most active") << 38 << "mas" << -1 << "";
        QTest::newRow("money movers") << 42 << "lmm_N" << -1 << "";
        QTest::newRow("dollars traded") << 89 << "brdt" << -1 << "";
        QTest::newRow("price up") << 93 << "brpu_N" << 5 << "+";
        QTest::newRow("price down") << 97 << "brpd_A" << 5 << "-";
    }
    void listColumns()
    {
        QFETCH(int, box);
        QFETCH(QString, key);
        QFETCH(int, signedCol);
        QFETCH(QString, sign);
        const QRegularExpression percent(QStringLiteral("^[+-]\\d+\\.\\d\\d%$"));
        const QRegularExpression count(QStringLiteral("^\\d{1,3}(,\\d{3})*$"));
        const QRegularExpression price(QStringLiteral("^\\d+\\.\\d\\d$"));
        const QRegularExpression change(QStringLiteral("^[+-]\\d+\\.\\d\\d$"));
        const QMap<QString, QRegularExpression> kinds{
            {"% Increase in Price", percent}, {"% Increase in Volume", percent}, {"% Change in Volume", percent},
            {"% Change", percent},           {"Volume", count},                 {"50-Day Avg. Vol.", count},
            {"Total Dollars Traded", count}, {"Dollars Traded", count},         {"Closing Price", price},
            {"Closing price", price},        {"52-Week High", price},           {"52-Week Low", price},
            {"P/E Ratio", price},            {"Price", price},                  {"Price Change", change},
            {"Change", change}};
        f.TickOnly({box});
        f.m->RunUpdate();
        f.m->initTree();
        f.Open(key);
        FlexGrid *fg = f.m->FG;
        QCOMPARE(CurrentView, QStringLiteral("BR"));
        int checked = 0;
        for (int c = 0; c < fg->Cols(); ++c) {
            const QString heading = fg->TextMatrix(0, c);
            if (!kinds.contains(heading))
                continue;
            for (int r = 2; r < fg->Rows(); ++r) {
                if (fg->RowHeight(r) == 0)
                    continue;
                const QString cell = fg->TextMatrix(r, c);
                QVERIFY2(kinds[heading].match(cell).hasMatch(), qPrintable(heading + QStringLiteral(": ") + cell));
                if (c == signedCol)
                    QVERIFY2(cell.startsWith(sign), qPrintable(heading + QStringLiteral(": ") + cell));
                ++checked;
            }
        }
        QVERIFY(checked >= 5 * 20);
    }

    // A run of the upgrades, the NASDAQ price gainers and the broker
    // reports; the tree then shows the site's rows.
    void wholeRun()
    {
        f.TickOnly({18, 20, 98});
        f.m->RunUpdate();
        f.m->initTree();
        FlexGrid *fg = f.m->FG;

        f.Open(QStringLiteral("up"));
        QCOMPARE(CurrentView, QStringLiteral("Upgrade"));
        QCOMPARE(fg->Rows(), 18); // heads, day, 15 actions, the hidden row
        QCOMPARE(fg->TextMatrix(0, 1), QStringLiteral("Symbol"));
        QCOMPARE(fg->TextMatrix(1, 0), QStringLiteral("Upgrades"));
        const QByteArray upgrades = f.site->get("/c/u.html");
        for (int r = 2; r < 17; ++r) {
            QVERIFY(upgrades.contains("<td>" + fg->TextMatrix(r, 1).toLatin1() + "</td>"));
            QCOMPARE(fg->TextMatrix(r, 5), QStringLiteral("Quote"));
        }

        f.Open(QStringLiteral("pg"));
        QCOMPARE(CurrentView, QStringLiteral("BR"));
        QCOMPARE(fg->Rows(), 29); // heads, title, 25 movers, two hidden rows
        QCOMPARE(fg->TextMatrix(1, 1), QStringLiteral("Largest % Gain in Price (NASDAQ)"));
        for (int r = 2; r < 27; ++r) {
            QCOMPARE(fg->TextMatrix(r, 0), QString::number(r - 1));
            QVERIFY(fg->TextMatrix(r, 9).startsWith(QLatin1String("http://")));
            QVERIFY(!fg->CellPicture(r, 0).isNull());
        }

        f.Open(QStringLiteral("M_BRP_t"));
        QCOMPARE(CurrentView, QStringLiteral("M_BRP0"));
        QCOMPARE(fg->Rows(), 14); // heads, title, 12 reports
        QCOMPARE(fg->TextMatrix(1, 1), QStringLiteral("Today's Broker Reports"));
        for (int r = 2; r < 14; ++r) {
            QVERIFY(!fg->TextMatrix(r, 0).isEmpty());
            QVERIFY(!fg->TextMatrix(r, 3).contains(QLatin1String("Chart")));
        }
        f.Open(QStringLiteral("AR_B"));
        QCOMPARE(CurrentView, QStringLiteral("M_BRP1"));
        QCOMPARE(fg->Rows(), 10); // heads, title, 8 recommendations
        QCOMPARE(fg->TextMatrix(9, 3), QStringLiteral("Wire"));
    }
};

TW_TEST(tst_marketjobs)
#include "tst_marketjobs.moc"
