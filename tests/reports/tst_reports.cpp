// Report pages of a cached sheet and of the open set, started from the main
// window's Reports popup: bytes compared with golden files.
#include "ReportFixture.h"
#include "common/StandInOpener.h"
#include "common/TestRegistry.h"
#include "platform/Artwork.h"
#include "platform/TreeView.h"
#include "reports/ReportPage.h"
#include "reports/Reports.h"
#include "shell/Zoom.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QImage>

#include <QTest>

using tw::test::ReportFixture;
using tw::test::StandInOpener;
using tw::test::TestEnv;

class tst_reports : public QObject {
    Q_OBJECT
    ReportFixture f;

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void escape_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("html");
        QTest::newRow("plain") << QByteArray("Cash") << QByteArray("Cash");
        QTest::newRow("tags and quotes") << QByteArray("<b>\"x\"</b>") << QByteArray("&lt;b&gt;&quot;x&quot;&lt;/b&gt;");
        QTest::newRow("bare ampersand") << QByteArray("R & D") << QByteArray("R &amp; D");
        QTest::newRow("named reference stays") << QByteArray("a&nbsp;b") << QByteArray("a&nbsp;b");
        QTest::newRow("numeric references stay") << QByteArray("&#187;&#x2F;") << QByteArray("&#187;&#x2F;");
        QTest::newRow("unterminated reference") << QByteArray("&nbsp &#12") << QByteArray("&amp;nbsp &amp;#12");
        QTest::newRow("ampersand at the end") << QByteArray("AT&") << QByteArray("AT&amp;");
        QTest::newRow("apostrophe kept") << QByteArray("Holders' Equity") << QByteArray("Holders' Equity");
    }
    void escape()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, html);
        QCOMPARE(ReportPage::Escape(text), html);
    }

    // The report replaces a copy of another letter case and opens the page.
    void balanceSheetReport()
    {
        f.CachePage(QStringLiteral("IBM_ABS.Sh"), QStringLiteral("IBM_ABS.Sh"));
        const QString old = f.Report(QStringLiteral("Annual Balance Sheet/ibm.htm"));
        TestEnv::WriteAll(old, "old page");
        CurrentSymbol = "IBM";
        CurrentView = QStringLiteral("ABS");
        f.ChooseReport(0);
        const QString path = f.Report(QStringLiteral("Annual Balance Sheet/IBM.htm"));
        QVERIFY(ReportFixture::MatchesGolden(ReportFixture::MaskStamp(TestEnv::ReadAll(path)), QStringLiteral("H_ABS.htm")));
        QVERIFY(!QFile::exists(old));
        QCOMPARE(Shell::Opened(), QStringList{path});
    }

    // A name in another letter case that leads to the page just written, as
    // every spelling does in a folder that ignores case, is that page: it
    // stays.
    void sweepSparesThePage()
    {
        f.CachePage(QStringLiteral("IBM_ABS.Sh"), QStringLiteral("IBM_ABS.Sh"));
        const QString path = f.Report(QStringLiteral("Annual Balance Sheet/IBM.htm"));
        const QString spelling = f.Report(QStringLiteral("Annual Balance Sheet/ibm.htm"));
        QVERIFY(QFile::link(QStringLiteral("IBM.htm"), spelling));
        CurrentSymbol = "IBM";
        CurrentView = QStringLiteral("ABS");
        f.ChooseReport(0);
        QVERIFY(QFileInfo(spelling).isSymLink());
        QVERIFY(TestEnv::ReadAll(spelling).startsWith("<HTML>"));
    }

    // Section names, their escaped and spelled-out forms, long rows and
    // missing pages or anchors.
    void statementPages_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("fixture"); // "": no cached page
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("golden");
        QTest::newRow("balance sections") << "ABS" << "ABS_sections.Sh" << "Annual Balance Sheet/IBM.htm"
                                          << "H_ABS_sections.htm";
        QTest::newRow("balance without page") << "ABS" << "" << "Annual Balance Sheet/IBM.htm" << "H_ABS_empty.htm";
        QTest::newRow("balance without anchor") << "ABS" << "AIS.Sh" << "Annual Balance Sheet/IBM.htm"
                                                << "H_ABS_empty.htm";
        QTest::newRow("income statement") << "AIS" << "AIS.Sh" << "Annual Income statement/IBM.htm" << "H_AIS.htm";
    }
    void statementPages()
    {
        QFETCH(QString, view);
        QFETCH(QString, fixture);
        QFETCH(QString, output);
        QFETCH(QString, golden);
        if (!fixture.isEmpty())
            f.CachePage(fixture, QStringLiteral("IBM_") + view + QStringLiteral(".Sh"));
        Stocks[0].Name = "Intl Business Machines <IBM>";
        CurrentSymbol = "IBM";
        CurrentView = view;
        f.ChooseReport(0);
        QVERIFY(ReportFixture::MatchesGolden(ReportFixture::MaskStamp(TestEnv::ReadAll(f.Report(output))), golden));
    }

    void priceList()
    {
        Stocks[0].PChange = "-1.25";
        Stocks[0].LastSale = "12 3/8";
        Stocks[0].industry = "Computers & Peripherals";
        ReportFixture::AddStock("MSFT", "Microsoft <Corp>").PChange = "2.10";
        ReportFixture::AddStock("ORCL", "Oracle \"Corp\"").PChange = "+0.50";
        ReportFixture::AddStock("SUNW", "Sun").PChange = "";
        CurrentView = QStringLiteral("Current");
        f.ChooseReport(0);
        const QByteArray page = TestEnv::ReadAll(f.Report(QStringLiteral("Stock Prices.Htm")));
        QVERIFY(ReportFixture::MatchesGolden(ReportFixture::MaskStamp(page), QStringLiteral("H_Current.htm")));
        // Every stock row has the 21 cells of the header.
        QCOMPARE(int(page.count("<th ")), 21);
        QCOMPARE(int(page.count("<td ")), 4 * 21);
        QCOMPARE(int(page.count("dn.gif")), 1);
        QCOMPARE(int(page.count("up.gif")), 3);
    }

    // "HTML" writes the price list in view "Current" whatever the symbol,
    // and a per-stock report only for a usable symbol.
    void htmlDispatch_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QString>("output"); // "": nothing written or opened
        QTest::newRow("prices, no symbol") << "Current" << QByteArray() << "Stock Prices.Htm";
        QTest::newRow("prices, a symbol") << "Current" << QByteArray("IBM") << "Stock Prices.Htm";
        QTest::newRow("insiders, no symbol") << "IT" << QByteArray() << "";
        QTest::newRow("balance, path in symbol") << "ABS" << QByteArray("../IBM") << "";
        QTest::newRow("balance, blank in symbol") << "ABS" << QByteArray("IB M") << "";
        QTest::newRow("view without report") << "Port" << QByteArray("IBM") << "";
    }
    void htmlDispatch()
    {
        QFETCH(QString, view);
        QFETCH(QByteArray, symbol);
        QFETCH(QString, output);
        CurrentView = view;
        CurrentSymbol = symbol;
        f.ChooseReport(0);
        if (output.isEmpty()) {
            QVERIFY(Shell::Opened().isEmpty());
            QCOMPARE(QDir(f.Report({})).entryList(QDir::Files), QStringList());
            QCOMPARE(QDir(f.Report(QStringLiteral("Annual Balance Sheet"))).entryList(QDir::Files), QStringList());
            QVERIFY(!QFile::exists(AppFolder + QStringLiteral("/Cache/IBM.htm")));
        } else {
            QVERIFY(QFile::exists(f.Report(output)));
            QCOMPARE(Shell::Opened(), QStringList{f.Report(output)});
        }
    }

    // Start-up puts our pictures beside the pages' folder where they are
    // missing; the arrows show the grid's own pictures.
    void pagePictures()
    {
        TestEnv::WriteAll(AppFolder + QStringLiteral("/bar.jpg"), "the user's own");
        f.main->LoadData();
        QCOMPARE(TestEnv::ReadAll(AppFolder + QStringLiteral("/bar.jpg")), QByteArray("the user's own"));
        for (const char *name : {"up.gif", "dn.gif", "gmb.jpg"})
            QVERIFY2(!QImage(AppFolder + u'/' + QLatin1String(name)).isNull(), name);
        for (const auto &[file, picture] : {std::pair{"up.gif", "UP"}, std::pair{"dn.gif", "DN"}}) {
            const QImage gif = QImage(AppFolder + u'/' + QLatin1String(file)).convertToFormat(QImage::Format_RGB32);
            const QImage grid = Artwork::Picture(QLatin1String(picture)).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(gif, grid);
        }
    }

    // Each report is headed by the stock it was asked for, whichever stock
    // the main window shows meanwhile.
    void headedByOwnSymbol_data()
    {
        QTest::addColumn<int>("report");
        QTest::addColumn<QString>("output");
        const char *const outputs[] = {"Annual Balance Sheet/IBM.htm", "Annual Income statement/IBM.htm",
                                       "Options/IBM Calls.htm", "Options/IBM Puts.htm",
                                       "Insiders Traders/IBM.htm", "Earnings/IBM Consensus EPS Trend.Htm",
                                       "Earnings/IBMEarnings Estimates.htm", "Earnings/IBM Earnings History.Htm",
                                       "Earnings/IBM Earnings Growth.Htm", "Quarterly Reports/IBM Quarterly Reports.htm",
                                       "Misc/IBM Short Interest.Htm"};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(outputs[i]) << i << QString::fromLatin1(outputs[i]);
    }
    void headedByOwnSymbol()
    {
        QFETCH(int, report);
        QFETCH(QString, output);
        using Writer = void (Reports::*)(const QByteArray &);
        const Writer writers[] = {&Reports::H_ABS, &Reports::H_AIS, &Reports::H_Calls, &Reports::H_Puts,
                                  &Reports::H_IT,  &Reports::H_EC,  &Reports::H_ER,    &Reports::H_EH,
                                  &Reports::H_EG,  &Reports::H_QR,  &Reports::H_SI};
        ReportFixture::AddStock("MSFT", "Microsoft Corp");
        CurrentSymbol = "MSFT";
        Reports r;
        (r.*writers[report])("IBM");
        const QByteArray page = TestEnv::ReadAll(f.Report(output));
        QVERIFY2(page.contains("<H2>Intl Business Machines</H2>"), page.left(400).constData());
    }

    // The Zoom window of IBM's insider trades exports IBM's page after the
    // user went on to MSFT in the tree.
    void zoomExportAfterAnotherStock()
    {
        ReportFixture::AddStock("MSFT", "Microsoft Corp");
        f.CachePage(QStringLiteral("IBM_it.Sh"), QStringLiteral("IBM_it.Sh"));
        f.main->resize(1024, 768);
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main));
        f.main->initTree();
        f.main->TreeView1_NodeClick(f.main->TreeView1->Find(QStringLiteral("IT0")));
        QCOMPARE(CurrentSymbol, QByteArray("IBM"));
        QCOMPARE(CurrentView, QStringLiteral("IT"));
        QTest::mouseClick(f.main->Picture1[3], Qt::LeftButton);
        Zoom *zoom = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *z = qobject_cast<Zoom *>(w); z && z->isVisible())
                zoom = z;
        QVERIFY(zoom);
        f.main->TreeView1_NodeClick(f.main->TreeView1->Find(QStringLiteral("ID1")));
        QCOMPARE(CurrentSymbol, QByteArray("MSFT"));
        zoom->mnuEx[0]->trigger();
        const QString path = f.Report(QStringLiteral("Insiders Traders/IBM.htm"));
        QCOMPARE(Shell::Opened(), QStringList{path});
        QVERIFY(TestEnv::ReadAll(path).contains("<H2>Intl Business Machines</H2>"));
        delete zoom;
    }

    // The page is written but no program shows it (the desktop's opener
    // exits with 3): one message says where it is.
    void openFailureSaysWhere()
    {
        const StandInOpener opener("exit 3");
        CurrentView = QStringLiteral("Current");
        f.ChooseReport(0);
        const QString path = f.Report(QStringLiteral("Stock Prices.Htm"));
        QTRY_COMPARE_WITH_TIMEOUT(Dialogs::Log().size(), 1, 60000);
        QCOMPARE(Dialogs::Log()[0].text,
                 QStringLiteral("No program could show the page. It was written to:\r\n") + QDir::toNativeSeparators(path));
        QVERIFY(TestEnv::ReadAll(path).contains("<HTML>"));
        QCOMPARE(opener.Handed(), QStringList{path});
        QTRY_COMPARE_WITH_TIMEOUT(Shell::Watching(), 0, 60000);
        QCOMPARE(Dialogs::Log().size(), 1);
    }

    // A symbol that cannot be part of a file name: the report says so.
    void unusableSymbolSaysSo()
    {
        CurrentSymbol = "BRK/B";
        CurrentView = QStringLiteral("ABS");
        f.ChooseReport(0);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.contains(QStringLiteral("\"BRK/B\"")));
    }

    // A page that cannot be written: one message, nothing opened, the old
    // file as it was.
    void failedWrite()
    {
        const QString path = f.Report(QStringLiteral("Stock Prices.Htm"));
        QDir().mkpath(path); // a folder where the page would go
        TestEnv::WriteAll(path + QStringLiteral("/keep.txt"), "kept");
        CurrentView = QStringLiteral("Current");
        f.ChooseReport(0);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.startsWith(QStringLiteral("The file could not be written")));
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(TestEnv::ReadAll(path + QStringLiteral("/keep.txt")), QByteArray("kept"));
    }
};

TW_TEST(tst_reports)
#include "tst_reports.moc"
