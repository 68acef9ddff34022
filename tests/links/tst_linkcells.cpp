// Every view drawn from the sample site, each data cell looked at, hovered
// and clicked: a cell looks like a link exactly where a click opens a page,
// save the columns a view is known to draw otherwise.
#include "../shell/MouseEvents.h"
#include "collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "platform/FlexGrid.h"
#include "platform/Shell.h"
#include "sheets/SheetState.h"

#include <QApplication>
#include <QSet>

using namespace tw::test;

namespace {

using Filler = void (frmMain::*)();
using Columns = QList<int>;

} // namespace

Q_DECLARE_METATYPE(Filler)

class tst_linkcells : public QObject {
    Q_OBJECT
    UpdateFixture f;

    FlexGrid *fg() const { return f.m->FG; }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.Init(4000));
        f.SetStocks({"ZETA"});
        Stocks[0].Name = "Zeta Corp";
        f.m->resize(1200, 800);
        f.m->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.m));
    }
    void cleanup()
    {
        CurrentSymbol.clear();
        f.Cleanup();
    }

    void linkLookIsClickable_data()
    {
        QTest::addColumn<int>("box");       // the Update box that fetches the view's page
        QTest::addColumn<QString>("key");   // the tree node that shows it, or
        QTest::addColumn<Filler>("fill");   // the stock sheet's filler
        QTest::addColumn<QString>("view");
        QTest::addColumn<Columns>("links"); // cells that look like links and open a page
        QTest::addColumn<Columns>("lookOnly");  // look like links, open nothing
        QTest::addColumn<Columns>("clickOnly"); // open a page, look plain
        QTest::addColumn<bool>("underlined");   // the view's link look: blue and underlined, or blue only

        const auto tree = [](const char *name, int box, const char *key, const char *view, Columns links,
                             Columns lookOnly = {}, Columns clickOnly = {}, bool underlined = true) {
            QTest::newRow(name) << box << QString::fromLatin1(key) << Filler(nullptr) << QString::fromLatin1(view)
                                << links << lookOnly << clickOnly << underlined;
        };
        const auto stock = [](const char *name, int box, Filler fill, const char *view, Columns links) {
            QTest::newRow(name) << box << QString() << fill << QString::fromLatin1(view) << links << Columns{} << Columns{}
                                << true;
        };
        stock("filings", 6, &frmMain::FG_QR, "QR", {1});
        stock("insider trades", 7, &frmMain::FG_IT, "IT", {2});
        stock("calls", 8, &frmMain::FG_Call, "Call", {0});
        stock("puts", 8, &frmMain::FG_Put, "Put", {0});
        stock("options", 8, &frmMain::FG_Options, "Options", {1, 8});
        stock("income statement", 4, &frmMain::FG_AIS, "AIS", {});
        tree("earnings surprises", 15, "sup", "SUP", {0});
        tree("percentage winners", 16, "win", "WINLOS", {1});
        tree("upgrades", 18, "up", "Upgrade", {1, 5});
        tree("downgrades", 18, "down", "Downgrade", {1, 5});
        tree("coverage initiated", 18, "ci", "Coverage", {1, 4});
        tree("movers", 20, "pg", "BR", {1});
        // A screener list keeps no address: its companies look plain.
        tree("screener", 89, "brdt", "BR", {});
        tree("US indices", 50, "US", "US", {2}, {}, {}, false);
        // The index columns past the symbol open the quote page without looking like links.
        tree("world markets", 51, "W_Market", "WM", {3, 8, 9}, {}, {6, 7});
        tree("latest IPO events", 52, "ipo_last", "IPO_Last", {1, 5, 6, 7});
        tree("IPO news", 53, "ipo_news", "IPO_News", {1});
        tree("IPO gainers", 54, "ipo_gain", "IPO_Gain", {1, 6, 7, 8});
        tree("IPO losers", 55, "ipo_Loss", "IPO_Loss", {1, 6, 7, 8});
        tree("IPO registrations", 56, "ipo_reg", "IPO_Reg", {7});
        tree("IPO pricings", 57, "ipo_price", "IPO_Price", {1, 5, 6, 7});
        tree("IPO withdrawals", 58, "ipo_with", "IPO_With", {6});
        tree("option summary", 60, "OptSum_D", "OptSum", {});
        // The fund lists, today's splits and today's broker reports show
        // their symbols as links that open nothing.
        tree("fund list", 61, "F_Conv", "F_Conv", {}, {0});
        tree("today's splits", 83, "SP_T", "FMS0", {}, {0});
        tree("this week's splits", 84, "SP_W", "FMS1", {0});
        tree("next week's splits", 85, "SP_N", "FMS2", {0});
        tree("recent splits", 86, "SP_R", "FMS3", {});
        tree("top tech splits", 87, "SP_C", "FMS4", {});
        tree("broker reports", 98, "M_BRP_t", "M_BRP0", {}, {0});
        tree("analyst recommendations", 98, "AR_B", "M_BRP1", {});
    }
    void linkLookIsClickable()
    {
        QFETCH(int, box);
        QFETCH(QString, key);
        QFETCH(Filler, fill);
        QFETCH(QString, view);
        QFETCH(Columns, links);
        QFETCH(Columns, lookOnly);
        QFETCH(Columns, clickOnly);
        QFETCH(bool, underlined);

        f.TickOnly({box});
        f.m->RunUpdate();
        QCOMPARE(f.m->PagesFailed, 0);
        if (fill) {
            CurrentSymbol = "ZETA";
            (f.m->*fill)();
        } else {
            f.m->initTree();
            f.Open(key);
        }
        QCOMPARE(CurrentView, view);

        const auto looksLikeLink = [&](int r, int c) {
            return fg()->CellForeColor(r, c) == 0xFF0000 && fg()->CellFontUnderline(r, c) == underlined;
        };
        QSet<int> looked, opened;
        int cells = 0;
        for (int r = 2; r < fg()->Rows(); ++r) {
            if (fg()->RowHeight(r) == 0)
                continue;
            for (int c = 0; c < fg()->Cols(); ++c) {
                if (fg()->TextMatrix(r, c).trimmed().isEmpty() || fg()->ColWidth(c) == 0)
                    continue;
                const QString at =
                    QStringLiteral("%1: row %2, column %3 \"%4\"").arg(view).arg(r).arg(c).arg(fg()->TextMatrix(r, c));
                ++cells;
                const bool look = looksLikeLink(r, c);
                SendMouse(fg()->viewport(), QEvent::MouseMove, Qt::NoButton, CellCenter(fg(), r, c));
                const bool hand = fg()->MousePointer() == FlexGrid::flexCustom;
                Shell::Opened().clear();
                ClickCell(fg(), r, c);
                const bool opens = !Shell::Opened().isEmpty();
                if (look)
                    looked.insert(c);
                if (opens)
                    opened.insert(c);
                if (!lookOnly.contains(c) && !clickOnly.contains(c))
                    QVERIFY2(look == opens, qPrintable(at));
                QVERIFY2(!opens || hand, qPrintable(at));
                QVERIFY2(!look || lookOnly.contains(c) || hand, qPrintable(at));
            }
        }
        QVERIFY2(cells > 0, qPrintable(view));
        const auto sorted = [](const QSet<int> &s) {
            Columns l(s.begin(), s.end());
            std::sort(l.begin(), l.end());
            return l;
        };
        const auto joined = [&sorted](const Columns &a, const Columns &b) {
            return sorted(QSet<int>(a.begin(), a.end()) + QSet<int>(b.begin(), b.end()));
        };
        QCOMPARE(sorted(looked), joined(links, lookOnly));
        QCOMPARE(sorted(opened), joined(links, clickOnly));
        QVERIFY(!QApplication::overrideCursor());
    }
};

TW_TEST(tst_linkcells)
#include "tst_linkcells.moc"
