// A new user's walk through the sample site: one whole Update run, then every
// sheet and list opened, every link cell a click can open and every address
// on the stock's summary page asked of the site. None may be a broken page.
#include "collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "links/GridLinkColumns.h"
#include "platform/FlexGrid.h"
#include "reports/Summery.h"
#include "sheets/SheetState.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

using namespace tw::test;

namespace {

// The status line of the site's answer to the program's own request.
QByteArray StatusOf(const SampleSite &site, const QString &address)
{
    const QByteArray request = "GET " + address.toLatin1() + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n";
    const QByteArray reply = site.send(request).reply;
    return reply.left(reply.indexOf("\r\n"));
}

// Market sheets by their tree keys.
const char *const kMarketKeys[] = {
    "up",        "down",      "ci",       "sup",      "win",      "los",      "pg",       "pl",     "vg",
    "vl",        "52h",       "52l",      "mas",      "lmm",      "pg_N",     "mas_A",    "brdt",   "brpu_Q",
    "brpd_Q",    "M_BRP_t",   "AR_B",     "US",       "W_Market", "ipo_last", "ipo_news", "ipo_price",
    "ipo_gain",  "ipo_Loss",  "ipo_reg",  "ipo_with", "F_Conv",   "OptSum_D", "OptSum_G", "SP_T",   "SP_W",
    "SP_N",      "SP_R",      "SP_C",
};

using Filler = void (frmMain::*)();
const Filler kStockSheets[] = {&frmMain::FG_ABS,   &frmMain::FG_AIS, &frmMain::FG_EG,      &frmMain::FG_EH,
                               &frmMain::FG_ER,    &frmMain::FG_EC,  &frmMain::FG_IT,      &frmMain::FG_QR,
                               &frmMain::FG_Call,  &frmMain::FG_Put, &frmMain::FG_Options, &frmMain::FG_Split,
                               &frmMain::FG_UPH,   &frmMain::FG_DNH, &frmMain::FG_NMR,     &frmMain::FG_BRP,
                               &frmMain::FG_Profile, &frmMain::FG_SI};

} // namespace

class tst_samplewalk : public QObject {
    Q_OBJECT
    UpdateFixture f;

    // Every address a click on a shown link cell of the main grid opens.
    void CollectLinks(QSet<QString> &addresses, QStringList &views)
    {
        FlexGrid *fg = f.m->FG;
        const QString view = CurrentView;
        views << view;
        const auto cell = [fg](int r, int c) { return fg->TextMatrix(r, c); };
        for (int r = 2; r < fg->Rows(); ++r) {
            if (fg->RowHeight(r) == 0)
                continue;
            for (int c = 0; c < fg->Cols(); ++c) {
                if (!GridLinkColumns::IsLinkColumn(view, c) || fg->TextMatrix(r, c).trimmed().isEmpty())
                    continue;
                const QString address = GridLinkColumns::Address(view, r, c, cell);
                if (!address.isEmpty())
                    addresses.insert(view + u' ' + address);
            }
        }
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.Init(4000));
        for (const QString &folder : AppPaths::CacheFolders())
            QDir().mkpath(folder);
    }
    void cleanup()
    {
        CurrentSymbol.clear();
        f.Cleanup();
    }

    void noBrokenPage()
    {
        f.SetStocks({"ZETA", "IBM"});
        Stocks[0].Name = "Zeta Corp";
        for (int i = 0; i < UpdateJobs::BoxCount; ++i)
            Options::Instance()->chkUpdate[i]->setCheckState(Qt::Checked);
        f.m->RunUpdate();
        QCOMPARE(f.m->PagesFailed, 0);
        f.m->initTree();

        QSet<QString> addresses;
        QStringList views;
        for (const char *key : kMarketKeys) {
            f.Open(QString::fromLatin1(key));
            CollectLinks(addresses, views);
        }
        CurrentSymbol = "ZETA";
        for (Filler fill : kStockSheets) {
            (f.m->*fill)();
            CollectLinks(addresses, views);
        }
        // Every view that has link columns gave some to click.
        for (const char *view : {"Upgrade", "Coverage", "WINLOS", "SUP", "BR", "US", "WM", "IPO_Last", "IPO_News",
                                 "IPO_Price", "IPO_Gain", "IPO_Loss", "IPO_Reg", "IPO_With", "FMS1", "FMS2", "IT",
                                 "QR", "Call", "Put", "Options"}) {
            bool some = false;
            for (const QString &a : std::as_const(addresses))
                some = some || a.startsWith(QLatin1String(view) + u' ');
            QVERIFY2(some, view);
        }

        // The summary with every section: its links and its chart picture.
        Summery summery;
        std::array<uint8_t, 19> all;
        all.fill(1);
        QVERIFY(summery.GanarateHTML(all));
        const QByteArray page = TestEnv::ReadAll(AppFolder + QStringLiteral("/Cache/Reports/Summary/ZETA.htm"));
        QVERIFY(!page.isEmpty());
        const QString root = QStringLiteral("http://") + f.site->hostPort();
        static const QRegularExpression attribute(QStringLiteral("(?:href|src)=\"([^\"]+)\""),
                                                  QRegularExpression::CaseInsensitiveOption);
        int onSite = 0;
        for (auto it = attribute.globalMatch(QString::fromLatin1(page)); it.hasNext();) {
            QString address = it.next().captured(1);
            address.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            if (address.startsWith(root)) {
                addresses.insert(QStringLiteral("Summary ") + address);
                ++onSite;
            }
        }
        QVERIFY(page.contains("<img border=\"0\" src=\"" + root.toLatin1() + "/c/3m/z/ZETA.gif\">"));
        QVERIFY(onSite > 10);

        // One broken address told per view and path.
        QMap<QString, QString> broken;
        for (const QString &entry : std::as_const(addresses)) {
            const QString address = entry.mid(entry.indexOf(u' ') + 1);
            const QByteArray status = StatusOf(*f.site, address);
            if (status != "HTTP/1.0 200 OK")
                broken.insert(entry.section(u' ', 0, 0) + QUrl(address).path().section(u'/', 0, 1),
                              entry + QStringLiteral(": ") + QString::fromLatin1(status));
        }
        for (const QString &b : std::as_const(broken))
            qWarning("%s", qPrintable(b));
        QVERIFY(broken.isEmpty());
    }
};

TW_TEST(tst_samplewalk)
#include "tst_samplewalk.moc"
