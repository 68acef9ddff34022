// The sheets over the pages the sample site serves: the stored fixture pages
// are what the site serves today, and each draws as its reference grid.
#include "SheetFixture.h"
#include "common/SampleSite.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QTest>

using tw::test::SheetFixture;

using Filler = void (frmMain::*)();
Q_DECLARE_METATYPE(Filler)

class tst_sitesheets : public QObject {
    Q_OBJECT
    SheetFixture f;

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    // Pages fetched over the transfer control (statements, filings, profile)
    // are stored without their headers, those fetched over the socket as
    // received.
    void fixturesAreWhatTheSiteServes()
    {
        tw::test::SampleSite site;
        QVERIFY(site.port());
        const struct {
            const char *path, *fixture;
            bool whole;
        } pages[] = {{"/cgi-bin/AW/ZREPORT/DoInquiry?ticker=ZETA&type=8", "ZETA_ABS.Sh", false},
                     {"/cgi-bin/AW/ZREPORT/DoInquiry?ticker=ZETA&type=10", "ZETA_AIS.Sh", false},
                     {"/t/z/ZETA.html", "ZETA_it.Sh", true},
                     {"/z/a/z/ZETA.html", "ZETA_ee.Sh", true},
                     {"/QuoteTable.dat?TICKER=ZETA", "ZETA_op.Sh", true},
                     {"/brand/yahoo/search/?sym=ZETA", "ZETA_qr.Sh", false},
                     {"/splits/splits-single-company.asp?symbol=zeta", "ZETA_sp.Sh", true},
                     {"/upgrades-single-company.asp?symbol=zeta", "ZETA_uph.Sh", true},
                     {"/downgrades-single-company.asp?symbol=zeta", "ZETA_dnh.Sh", true},
                     {"/momentum-rating-single-company.asp?symbol=zeta", "ZETA_mr.Sh", true},
                     {"/reports-single-company.asp?symbol=zeta", "ZETA_brp.Sh", true},
                     {"/cgi-bin/brand_newsalert_mlist.cgi?symbol=ZETA", "ZETA_P.Sh", false},
                     {"/asp/quotes_full.asp?kind=shortint&symbol=ZETA%60&selected=ZETA%60", "ZETA_SI.Sh", true}};
        for (const auto &p : pages) {
            QVERIFY2(site.stored(p.path, p.whole) == SheetFixture::Fixture(QString::fromLatin1(p.fixture)), p.fixture);
        }
    }

    void sheets_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<Filler>("fill");
        QTest::addColumn<QString>("reference");
        QTest::newRow("balance sheet") << QStringLiteral("ZETA_ABS.Sh") << &frmMain::FG_ABS << QStringLiteral("ABS.grid");
        QTest::newRow("income statement") << QStringLiteral("ZETA_AIS.Sh") << &frmMain::FG_AIS << QStringLiteral("AIS.grid");
        QTest::newRow("insider trades") << QStringLiteral("ZETA_it.Sh") << &frmMain::FG_IT << QStringLiteral("IT.grid");
        QTest::newRow("earnings growth") << QStringLiteral("ZETA_ee.Sh") << &frmMain::FG_EG << QStringLiteral("EG.grid");
        QTest::newRow("earnings history") << QStringLiteral("ZETA_ee.Sh") << &frmMain::FG_EH << QStringLiteral("EH.grid");
        QTest::newRow("earnings estimates") << QStringLiteral("ZETA_ee.Sh") << &frmMain::FG_ER << QStringLiteral("ER.grid");
        QTest::newRow("consensus trend") << QStringLiteral("ZETA_ee.Sh") << &frmMain::FG_EC << QStringLiteral("EC.grid");
        QTest::newRow("calls") << QStringLiteral("ZETA_op.Sh") << &frmMain::FG_Call << QStringLiteral("Call.grid");
        QTest::newRow("puts") << QStringLiteral("ZETA_op.Sh") << &frmMain::FG_Put << QStringLiteral("Put.grid");
        QTest::newRow("options") << QStringLiteral("ZETA_op.Sh") << &frmMain::FG_Options << QStringLiteral("Options.grid");
        QTest::newRow("filings") << QStringLiteral("ZETA_qr.Sh") << &frmMain::FG_QR << QStringLiteral("QR.grid");
        QTest::newRow("splits") << QStringLiteral("ZETA_sp.Sh") << &frmMain::FG_Split << QStringLiteral("Split.grid");
        QTest::newRow("upgrades") << QStringLiteral("ZETA_uph.Sh") << &frmMain::FG_UPH << QStringLiteral("UPH.grid");
        QTest::newRow("downgrades") << QStringLiteral("ZETA_dnh.Sh") << &frmMain::FG_DNH << QStringLiteral("DNH.grid");
        QTest::newRow("momentum") << QStringLiteral("ZETA_mr.Sh") << &frmMain::FG_NMR << QStringLiteral("NMR.grid");
        QTest::newRow("broker reports") << QStringLiteral("ZETA_brp.Sh") << &frmMain::FG_BRP << QStringLiteral("BRP.grid");
        QTest::newRow("profile") << QStringLiteral("ZETA_P.Sh") << &frmMain::FG_Profile << QStringLiteral("Profile.grid");
        QTest::newRow("short interest") << QStringLiteral("ZETA_SI.Sh") << &frmMain::FG_SI << QStringLiteral("SI.grid");
    }
    void sheets()
    {
        QFETCH(QString, page);
        QFETCH(Filler, fill);
        QFETCH(QString, reference);
        SheetFixture::WritePage(page, SheetFixture::Fixture(page));
        (f.main->*fill)();
        const QStringList actual = SheetFixture::Dump(f.fg(), f.base());
        const QStringList expected =
            QString::fromUtf8(SheetFixture::Fixture(reference)).split(u'\n', Qt::SkipEmptyParts);
        if (actual != expected) {
            const QString path = QDir::temp().filePath(QStringLiteral("tickerwatch_") + reference);
            QFile out(path);
            if (out.open(QIODevice::WriteOnly))
                out.write(actual.join(u'\n').toUtf8() + '\n');
            QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("no reference ") + reference));
            for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i)
                QVERIFY2(actual.value(i) == expected.value(i),
                         qPrintable(QStringLiteral("line %1, grid written to %2:\n  got  %3\n  want %4")
                                        .arg(i)
                                        .arg(path, actual.value(i), expected.value(i))));
        }
    }
};

TW_TEST(tst_sitesheets)
#include "tst_sitesheets.moc"
