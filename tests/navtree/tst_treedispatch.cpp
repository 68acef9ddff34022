#include "TreeFixture.h"
#include "common/TestRegistry.h"
#include "navtree/NavState.h"
#include "navtree/TreeDispatch.h"
#include "platform/Dialogs.h"
#include "sheets/SheetState.h"

#include <QTest>

using NavTree::Call;
using NavTree::Kind;
using Calls = QList<Call>;
Q_DECLARE_METATYPE(Calls)

namespace {
Call Do(Kind kind, int n = 0, const QString &text = {}, const QString &title = {})
{
    return {kind, int16_t(n), nullptr, text, title};
}
Call Fill(Kind kind, NavTree::Filler fill, const QString &title = {}) { return {kind, 0, fill, {}, title}; }

QString Describe(const Calls &calls)
{
    QStringList out;
    for (const Call &c : calls)
        out << QStringLiteral("%1/%2/%3/%4/%5")
                   .arg(int(c.kind))
                   .arg(c.n)
                   .arg(c.fill ? QStringLiteral("fill") : QStringLiteral("-"), c.text, c.title);
    return out.join(QStringLiteral(", "));
}
} // namespace

// Which call a click on each kind of node makes: one row per rule of the
// dispatcher, read back through its recorder while the calls run as usual.
class tst_treedispatch : public QObject {
    Q_OBJECT
    tw::test::TreeFixture f;
    Calls calls;

private Q_SLOTS:
    void init()
    {
        f.StartTech();
        calls.clear();
        NavTree::SetCallRecorder([this](const Call &c) { calls.append(c); });
    }
    void cleanup()
    {
        NavTree::SetCallRecorder(nullptr);
        f.Stop();
    }

    void nodeToCall_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("view"); // the sheet on show before the click
        QTest::addColumn<Calls>("expected");
        const QString abs = QStringLiteral("ABS");
        QTest::newRow("portfolio symbol") << "TID0" << abs << Calls{Do(Kind::PortSymbol, 0, QStringLiteral("ZETA"))};
        QTest::newRow("stock, a sheet on show")
            << "ID1" << abs << Calls{Fill(Kind::Call, &frmMain::FG_Current)};
        QTest::newRow("stock, profile on show")
            << "ID1" << "Profile" << Calls{Fill(Kind::Call, &frmMain::FG_Profile)};
        QTest::newRow("stock, quote list on show") << "ID1" << "Current" << Calls{};
        QTest::newRow("stocks root") << "All" << abs << Calls{Fill(Kind::Call, &frmMain::FG_Current)};
        QTest::newRow("quiet root") << "Market" << abs << Calls{};
        QTest::newRow("conglomerates board")
            << "Conglomerates" << abs << Calls{Do(Kind::SectorBoard, 0, QStringLiteral("Conglomerates"),
                                                  QStringLiteral("Conglomerates"))};
        QTest::newRow("industry board")
            << "Chemical_Manufacturing" << abs
            << Calls{Do(Kind::SectorBoard, 0, QStringLiteral("Basic_Materials"), QStringLiteral("Chemical_Manufacturing"))};
        QTest::newRow("stock leaf: sheet") << "ABS1" << abs << Calls{Fill(Kind::Sheet, &frmMain::FG_ABS)};
        QTest::newRow("stock leaf: chart window") << "C1" << abs << Calls{Do(Kind::ChartForm)};
        QTest::newRow("stock leaf: chart") << "d1" << abs << Calls{Do(Kind::Chart, 0)};
        QTest::newRow("stock leaf: technical graphs") << "TG1" << abs << Calls{Do(Kind::TechForm)};
        QTest::newRow("stock leaf: interactive chart") << "ICT1" << abs << Calls{Do(Kind::Chart, 8)};
        QTest::newRow("stock leaf: news") << "RM1" << abs << Calls{Do(Kind::News, 14)};
        QTest::newRow("stock leaf: ratio") << "PB1" << abs << Calls{Do(Kind::Ratio, 14)};
        QTest::newRow("stock leaf: board") << "MB_Y1" << abs << Calls{Do(Kind::Board, 1)};
        QTest::newRow("stock leaf: industry") << "IG_C1" << abs << Calls{Do(Kind::Industry, 7)};
        QTest::newRow("consultation") << "pg" << abs << Calls{Do(Kind::Consult, 4)};
        QTest::newRow("most active screen")
            << "brdt" << abs
            << Calls{Do(Kind::MostActive, 0, QStringLiteral("BrDT_Q.Sh"), QStringLiteral("Most Active By Volume Traded"))};
        QTest::newRow("options summary") << "OptSum_G" << abs << Calls{Do(Kind::OptSum, 1)};
        QTest::newRow("splits calendar") << "SP_W" << abs << Calls{Do(Kind::Splits, 1)};
        QTest::newRow("broker reports") << "M_BRP_t" << abs << Calls{Do(Kind::BrokerList, 0)};
        QTest::newRow("ipo grid") << "ipo_last" << abs << Calls{Fill(Kind::Call, &frmMain::FG_IPO_Last)};
        QTest::newRow("index page") << "US" << abs << Calls{Fill(Kind::Index, &frmMain::FG_USMarket)};
        QTest::newRow("index section")
            << "US_NQ" << abs << Calls{Fill(Kind::Index, &frmMain::FG_USMarket, QStringLiteral("Nasdaq"))};
        QTest::newRow("fund list") << "F_Growth" << abs << Calls{Do(Kind::Fund, 0, QStringLiteral("F_Growth"))};
        QTest::newRow("video") << "TVB_B" << abs << Calls{Do(Kind::Video, 1)};
        QTest::newRow("radio") << "RadioI" << abs << Calls{Do(Kind::Radio, 12)};
        QTest::newRow("clear portfolio") << "PortClear" << abs << Calls{Do(Kind::PortClear)};
        QTest::newRow("web directory") << "Newsfeeds2" << abs << Calls{Do(Kind::Web, 0, QStringLiteral("Newsfeeds2"))};
    }
    void nodeToCall()
    {
        QFETCH(QString, key);
        QFETCH(QString, view);
        QFETCH(Calls, expected);
        CurrentView = view;
        TreeNode *node = f.Node(key);
        QVERIFY2(node, qPrintable(key));
        Dialogs::QueueAnswer(Dialogs::vbNo); // the portfolio question, if asked
        f.Click(key);
        QVERIFY2(calls == expected, qPrintable(Describe(calls) + QStringLiteral("  expected  ") + Describe(expected)));
    }
};

TW_TEST(tst_treedispatch)
#include "tst_treedispatch.moc"
