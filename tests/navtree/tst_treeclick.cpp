#include "TreeFixture.h"
#include "common/TestRegistry.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "links/WebDirectory.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Shell.h"

#include <QTest>

// A click on a node: which stock becomes current, which rules stay quiet,
// the portfolio question and the quote list's row.
class tst_treeclick : public QObject {
    Q_OBJECT
    tw::test::TreeFixture f;

    // Nothing a user could see happened: no box, no page, no new stock.
    void VerifyQuiet(const QByteArray &symbol, const QString &view)
    {
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(CurrentSymbol, symbol);
        QCOMPARE(CurrentView, view);
    }

private Q_SLOTS:
    void init()
    {
        f.StartTech();
        CurrentSymbol = "ZETA";
        CurrentView = QStringLiteral("ABS");
    }
    void cleanup() { f.Stop(); }

    // A sheet leaf makes its own stock current; a chart leaf keeps the
    // current one.
    void leavesAndTheirStock()
    {
        f.Click(QStringLiteral("IT1"));
        QCOMPARE(CurrentSymbol, QByteArray("ACME"));
        QCOMPARE(f.main->lblSbl[0]->text(), QStringLiteral("ACME"));
        QCOMPARE(f.main->LastNodeIndex, int16_t(f.Node("IT1")->Index()));

        f.Click(QStringLiteral("d0")); // "1 Day" under ZETA
        QCOMPARE(CurrentSymbol, QByteArray("ACME"));
        f.Click(QStringLiteral("AR0")); // "Profile" under ZETA
        QCOMPARE(CurrentSymbol, QByteArray("ZETA"));
    }

    // Roots and groups without a rule do nothing at all.
    void quietNodes_data()
    {
        QTest::addColumn<QString>("key");
        for (const char *key : {"Market", "Radio", "MB", "TV", "Trans", "NewsLink", "IPOResearch", "MBY",
                                "MBY_Services", "Cons", "Funds", "News1", "PortOp", "Weather"})
            QTest::newRow(key) << QString::fromLatin1(key);
    }
    void quietNodes()
    {
        QFETCH(QString, key);
        f.Click(key);
        VerifyQuiet("ZETA", QStringLiteral("ABS"));
        QCOMPARE(f.main->LastNodeIndex, int16_t(f.Node(key)->Index()));
    }

    // Caption rules hold inside a stock's subtree only: the market's
    // "Broker Reports", a web site named like a news source, a portfolio
    // symbol or a stock named like a leaf change no stock; the web site
    // opens its own page and nothing else.
    void captionsOutsideStocks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("site");
        QTest::newRow("market broker reports") << "M_BRP" << false;
        QTest::newRow("web site Bloomberg") << "Newsfeeds2" << true;
        QTest::newRow("web site Microsoft Investor") << "IPOResearch6" << true;
        QTest::newRow("fund group") << "F_Market" << false;
    }
    void captionsOutsideStocks()
    {
        QFETCH(QString, key);
        QFETCH(bool, site);
        f.Click(key);
        if (site) {
            QCOMPARE(Shell::Opened(), QStringList{WebDirectory::Page(key)});
            Shell::Reset();
        }
        VerifyQuiet("ZETA", QStringLiteral("ABS"));
    }

    void stockNamedLikeALeaf()
    {
        f.SetStocks({{"Profile", "Profile Co"}, {"Calls", "Calls Co"}});
        Portfolio[4].Symbol = "Insider Trade";
        f.Build(QStringLiteral("Odd"));
        f.Click(QStringLiteral("ID0"));
        QCOMPARE(CurrentSymbol, QByteArray("Profile"));
        f.Click(QStringLiteral("ID1"));
        QCOMPARE(CurrentSymbol, QByteArray("Calls"));
        f.Click(QStringLiteral("TID4"));
        QCOMPARE(CurrentSymbol, QByteArray("Calls"));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void nullNode()
    {
        f.main->LastNodeIndex = 5;
        f.main->TreeView1_NodeClick(nullptr);
        QCOMPARE(f.main->LastNodeIndex, int16_t(5));
        VerifyQuiet("ZETA", QStringLiteral("ABS"));
    }

    // "Clear All": one question, default No; Yes empties the portfolio.
    void clearPortfolio_data()
    {
        QTest::addColumn<int>("answer"); // 0: the default button
        QTest::addColumn<bool>("cleared");
        QTest::newRow("default") << 0 << false;
        QTest::newRow("No") << int(Dialogs::vbNo) << false;
        QTest::newRow("Yes") << int(Dialogs::vbYes) << true;
    }
    void clearPortfolio()
    {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        QVERIFY(Stock::SavePortfolio());
        if (answer)
            Dialogs::QueueAnswer(answer);
        f.Click(QStringLiteral("PortClear"));

        QCOMPARE(Dialogs::Log().size(), 1);
        const Dialogs::Shown box = Dialogs::Log().first();
        QCOMPARE(box.text, QStringLiteral("Do you really want to delete all portfolio information?"));
        QCOMPARE(box.title, QStringLiteral("Delete Portfolio Information?"));
        QCOMPARE(box.flags, Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2);
        QCOMPARE(Portfolio[4].Symbol, cleared ? QByteArray() : QByteArray("IBMX"));
        QVERIFY(Stock::ReadPortfolio());
        QCOMPARE(Portfolio[0].Symbol, cleared ? QByteArray() : QByteArray("ZETA"));
        // Built from the portfolio as it was; a clear does not rebuild.
        QVERIFY(f.Node("TID4"));
    }

    // A stock node while the quote list is on show: its row (by the symbol
    // the row carries, not the shown name) is selected in place, scrolled to the top only when it lies
    // outside the rows near the top.
    void stockRowInQuoteList_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("expectedTop");
        QTest::newRow("far below") << 150 << 2 << 150;
        QTest::newRow("near the top") << 7 << 2 << 2;
        QTest::newRow("seven below") << 9 << 2 << 9;
        QTest::newRow("above") << 5 << 40 << 5;
    }
    void stockRowInQuoteList()
    {
        QFETCH(int, row);
        QFETCH(int, top);
        QFETCH(int, expectedTop);
        FlexGrid *fg = f.main->FG;
        fg->SetRows(200);
        fg->SetCols(4);
        for (int r = 2; r < 200; ++r) {
            fg->SetTextMatrix(r, 1, QStringLiteral("Company %1").arg(r));
            fg->SetRowData(r, QStringLiteral("C%1").arg(r));
        }
        fg->SetTextMatrix(row, 1, QStringLiteral("Acme Inc"));
        fg->SetRowData(row, QStringLiteral("ACME"));
        // Another stock of the same name, above: not ACME's row.
        fg->SetTextMatrix(3, 1, QStringLiteral("Acme Inc"));
        fg->SetTextMatrix(row + 1, 2, QStringLiteral("Zeta Corp"));
        fg->SetTopRow(top);
        QCOMPARE(fg->TopRow(), top);
        CurrentView = QStringLiteral("Current");

        f.Click(QStringLiteral("ID1"));
        QCOMPARE(CurrentSymbol, QByteArray("ACME"));
        QCOMPARE(fg->Row(), row);
        QCOMPARE(fg->RowSel(), row);
        QCOMPARE(fg->Col(), 0);
        QCOMPARE(fg->ColSel(), 1);
        QCOMPARE(fg->TopRow(), expectedTop);
        QVERIFY(fg->Redraw());
        QCOMPARE(fg->Rows(), 200); // not refilled
        QCOMPARE(fg->TextMatrix(row, 1), QStringLiteral("Acme Inc"));

        // No row carries ZETA: no row is chosen.
        f.Click(QStringLiteral("ID0"));
        QCOMPARE(CurrentSymbol, QByteArray("ZETA"));
        QCOMPARE(fg->Row(), row);
    }
};

TW_TEST(tst_treeclick)
#include "tst_treeclick.moc"
