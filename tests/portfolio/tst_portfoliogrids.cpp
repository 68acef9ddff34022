#include "PortfolioFixture.h"
#include "common/TestRegistry.h"
#include "portfolio/PortfolioGrids.h"
#include "sheets/SheetFrame.h"


using tw::test::Lot;
using tw::test::PortfolioFixture;
using LotList = QList<QPair<int, Lot>>;
Q_DECLARE_METATYPE(LotList)

// The holdings, one symbol's lots and the log, drawn from the portfolio file.
class tst_portfoliogrids : public QObject {
    Q_OBJECT
    PortfolioFixture f;

    QStringList Column(int col) const { return f.Column(col); }

private Q_SLOTS:
    void init()
    {
        f.StartShown();
        f.OpenSet({"ACME", "IBM"});
    }
    void cleanup() { f.StopShown(); }

    void onePurchase()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}}});
        f.main->FG_Portfolio_All();
        QCOMPARE(CurrentView, QStringLiteral("Port"));
        QCOMPARE(f.Grid()->Rows(), 5);
        QCOMPARE(f.RowTexts(2, 11), QStringList({"ACME", "1/2/2024", "100", "10", "5.00", "1005", "1200", "19.4",
                                                 "195", "12", "1"}));
        QCOMPARE(f.RowTexts(3, 11), QStringList({"    Total:", "", "100", "", "", "1,005 $", "1,200 $", "19.4",
                                                 "195 $", "12", ""}));
        QCOMPARE(f.Grid()->CellBackColor(3, 0), f.Grid()->CellBackColor(2, 0));
        for (int c = 1; c <= 10; ++c) {
            QCOMPARE(f.Grid()->CellBackColor(3, c), 15723985u);
            QVERIFY(f.Grid()->CellFontBold(3, c));
        }
        QCOMPARE(f.RowTexts(4, 9), QStringList({"Pr/Loss:", "", "", "", "", "", "", "", "195"}));
        QCOMPARE(f.Grid()->CellBackColor(4, 8), 65280u);
        QCOMPARE(f.Grid()->CellForeColor(4, 8), 0u);
        QVERIFY(f.Grid()->CellFontBold(4, 8));
        QCOMPARE(f.Grid()->RowHeight(1), 0);
        QCOMPARE(f.Grid()->ColWidth(10), 0);
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Shares left of a lot are its shares less all its sales, matched by ID.
    void sharesLeft_data()
    {
        QTest::addColumn<LotList>("lots");
        QTest::addColumn<QStringList>("holdings"); // column 2 of every row
        QTest::addColumn<QStringList>("selected"); // column 2 of ACME's lots and Total
        QTest::addColumn<QString>("closing");
        QTest::newRow("sold out") << LotList{{1, {"ACME", "Buy", 100, 10, 5, 1}},
                                             {2, {"ACME", "Sell", 100, 12, 5, 1, 190}}}
                                  << QStringList{"0", ""} << QStringList{"0", "0"} << "0";
        QTest::newRow("two sales of one lot")
            << LotList{{1, {"ACME", "Buy", 100, 10, 0, 1}}, {2, {"ACME", "Sell", 30, 12, 0, 1, 60}},
                       {3, {"ACME", "Sell", 10, 12, 0, 1, 20}}}
            << QStringList{"60", "60", ""} << QStringList{"60", "60"} << "120";
        QTest::newRow("a sale with an equal gain does not match another lot")
            << LotList{{1, {"ACME", "Buy", 100, 10, 0, 1}}, {2, {"ACME", "Buy", 50, 10, 0, 2}},
                       {3, {"ACME", "Sell", 50, 12, 0, 2, 100}}}
            << QStringList{"100", "100", ""} << QStringList{"100", "0", "100"} << "200";
        QTest::newRow("loss") << LotList{{1, {"ACME", "Buy", 10, 20, 0, 1}}}
                              << QStringList{"10", "10", ""} << QStringList{"10", "10"} << "-80";
    }
    void sharesLeft()
    {
        QFETCH(LotList, lots);
        QFETCH(QStringList, holdings);
        QFETCH(QStringList, selected);
        QFETCH(QString, closing);
        f.WritePortfolio(lots);
        f.main->FG_Portfolio_All();
        QCOMPARE(Column(2), holdings);
        QCOMPARE(f.Grid()->TextMatrix(f.Grid()->Rows() - 1, 8), closing);
        const bool loss = closing.startsWith(u'-');
        if (loss) {
            QCOMPARE(f.Grid()->CellBackColor(f.Grid()->Rows() - 1, 8), 255u);
            QCOMPARE(f.Grid()->CellForeColor(f.Grid()->Rows() - 1, 8), 16777215u);
        }
        f.main->FG_Portfolio_Selected("ACME");
        QCOMPARE(CurrentView, QStringLiteral("PortSelected"));
        QCOMPARE(Column(2), selected);
    }

    // A partly sold lot bears the commission of the shares it still holds;
    // its sale bore the rest. Bought 100 at 10 (commission 5), 40 sold at
    // 12 (commission 5): realised 73 and unrealised 117 at 12 make the
    // cash result, 40 x 2 + 60 x 2 - 5 - 5 = 190.
    void partlySoldLot()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}}});
        f.TreeCommand("ACME", 3);
        frmPurchace *d = f.Modal<frmPurchace>();
        QVERIFY(d);
        f.Type(d->txtShares, QStringLiteral("40"));
        f.Type(d->txtPrice, QStringLiteral("12"));
        f.Type(d->txtComm, QStringLiteral("5"));
        f.Ok(d);

        f.main->FG_PortfolioLog();
        QCOMPARE(Column(6), QStringList({"0", "73", "73 $"}));
        f.main->FG_Portfolio_All();
        QCOMPARE(f.RowTexts(2, 10), QStringList({"ACME", "1/2/2024", "60", "10", "5.00", "603", "720", "19.4",
                                                 "117", "12"}));
        QCOMPARE(f.RowTexts(3, 9), QStringList({"    Total:", "", "60", "", "", "603 $", "720 $", "19.4", "117 $"}));
        QCOMPARE(Column(8).last(), QStringLiteral("117"));
        f.main->FG_Portfolio_Selected("ACME");
        QCOMPARE(f.RowTexts(2, 9), QStringList({"ACME", "1/2/2024", "60", "10", "5", "603", "720", "19.4", "117"}));
    }

    // Rows by symbol in the order of first slots; the tree node of a symbol
    // shows its lots with their slots.
    void orderAndSelected()
    {
        f.WritePortfolio({{1, {"AAA", "Buy", 10, 1, 0, 1}},
                          {3, {"BBB", "Buy", 10, 1, 0, 2}},
                          {5, {"AAA", "Buy", 20, 2, 1.5f, 3}}});
        f.main->initTree();
        f.main->FG_Portfolio_All();
        QCOMPARE(Column(0), QStringList({"AAA", "AAA", "    Total:", "BBB", "    Total:", "Pr/Loss:"}));
        QCOMPARE(Column(10), QStringList({"1", "3", "", "2", "", ""}));

        TreeNode *node = nullptr;
        for (TreeNode *n = f.main->TreeView1->Find(QStringLiteral("PortDetail"))->Child(); n; n = n->Next())
            if (n->text(0) == QStringLiteral("AAA"))
                node = n;
        QVERIFY(node);
        f.main->TreeView1_NodeClick(node);
        QCOMPARE(CurrentView, QStringLiteral("PortSelected"));
        QCOMPARE(Column(0), QStringList({"AAA", "AAA", "    Total:"}));
        QCOMPARE(Column(10), QStringList({"1", "5", ""}));
        // The stored commission is shown plainly.
        QCOMPARE(Column(4), QStringList({"0", "1.5", ""}));
        QCOMPARE(Column(2).last(), QStringLiteral("30"));
    }

    // A lot that cost nothing has no % gain, nor has its Total; the grid is
    // drawn whole and nothing is shown in a box.
    void zeroCost()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 50, 0, 0, 1}}, {2, {"IBM", "Buy", 10, 10, 0, 2}}});
        f.main->FG_Portfolio_All();
        QCOMPARE(Column(0), QStringList({"ACME", "    Total:", "IBM", "    Total:", "Pr/Loss:"}));
        QCOMPARE(Column(7), QStringList({"", "", "20", "20", ""}));
        QCOMPARE(Column(8), QStringList({"600", "600 $", "20", "20 $", "620"}));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Totals beyond a 32-bit whole number add up as money and show as the
    // lots' gains do.
    void largeTotals_data()
    {
        QTest::addColumn<LotList>("lots");
        QTest::addColumn<QStringList>("gains"); // column 8 of every row
        QTest::addColumn<uint>("closingBack");
        QTest::newRow("one lot's loss") << LotList{{1, {"ACME", "Buy", 20000, 120000, 0, 1}}}
                                        << QStringList{"-2399760000", "-2,399,760,000 $", "-2399760000"} << 255u;
        QTest::newRow("two gains") << LotList{{1, {"ACME", "Buy", 20000, 1, 0, 1, 0, "100000"}},
                                              {2, {"IBM", "Buy", 20000, 1, 0, 2, 0, "100000"}}}
                                   << QStringList{"1999980000", "1,999,980,000 $", "1999980000",
                                                  "1,999,980,000 $", "3999960000"}
                                   << 65280u;
    }
    void largeTotals()
    {
        QFETCH(LotList, lots);
        QFETCH(QStringList, gains);
        QFETCH(uint, closingBack);
        f.WritePortfolio(lots);
        f.main->FG_Portfolio_All();
        QCOMPARE(Column(8), gains);
        QCOMPARE(f.Grid()->CellBackColor(f.Grid()->Rows() - 1, 8), closingBack);
    }

    void emptyPortfolio()
    {
        f.WritePortfolio({});
        f.main->FG_Portfolio_All();
        QCOMPARE(f.Grid()->Rows(), 3);
        QCOMPARE(f.RowTexts(2, 9), QStringList({"Pr/Loss:", "", "", "", "", "", "", "", "0"}));
        QCOMPARE(f.Grid()->CellBackColor(2, 8), f.Grid()->CellBackColor(2, 7));
        f.main->FG_PortfolioLog();
        QCOMPARE(f.Grid()->Rows(), 3);
        QCOMPARE(f.Grid()->TextMatrix(2, 0), QStringLiteral("  =Total"));
        QCOMPARE(f.Grid()->TextMatrix(2, 6), QStringLiteral("0 $"));
    }

    // Every slot 0 to 99 is listed, also beyond the count after a deletion;
    // slot 100 never is. Gains show with their sign and all are totalled.
    void log()
    {
        Lot far{"IBM", "Buy", 5, 3.333f, 1, 9};
        Lot lost{"ACME", "Sell", 100, 8, 5, 1, -210};
        f.WritePortfolio({{0, {"A", "Buy", 1, 1, 0, 4}},
                          {1, {"ACME", "Buy", 100, 10, 5, 1}},
                          {2, lost},
                          {3, {"ACME", "Sell", 50, 20, 0, 1, 300.456}},
                          {99, far},
                          {100, far}});
        f.main->FG_PortfolioLog();
        QCOMPARE(CurrentView, QStringLiteral("PortLog"));
        QCOMPARE(Column(0), QStringList({"A", "ACME", "ACME", "ACME", "IBM", "  =Total"}));
        QCOMPARE(Column(6), QStringList({"0", "0", "-210", "300.46", "0", "90.46 $"}));
        QCOMPARE(Column(8), QStringList({"0", "1", "2", "3", "99", ""}));
        QCOMPARE(f.RowTexts(6, 9), QStringList({"IBM", "Buy", "1/2/2024", "5", "3.33", "1.00", "0", "9", "99"}));
        for (int c = 1; c <= 6; ++c)
            QCOMPARE(f.Grid()->CellBackColor(7, c), 15723985u);
    }

    // The number patterns round halves away from zero and group thousands.
    void patterns_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QByteArray>("two");
        QTest::addColumn<QByteArray>("whole");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("zero") << 0.0 << QByteArray("0.00") << QByteArray() << QByteArray("0");
        QTest::newRow("below a half") << 0.3 << QByteArray("0.30") << QByteArray() << QByteArray("0.3");
        QTest::newRow("thousands") << 1234567.125 << QByteArray("1,234,567.13") << QByteArray("1,234,567")
                                   << QByteArray("1234567.125");
        QTest::newRow("negative") << -1005.5 << QByteArray("-1,005.50") << QByteArray("-1,006") << QByteArray("-1005.5");
    }
    void patterns()
    {
        QFETCH(double, v);
        QFETCH(QByteArray, two);
        QFETCH(QByteArray, whole);
        QFETCH(QByteArray, plain);
        QCOMPARE(PortfolioGrids::Format2(v), two);
        QCOMPARE(PortfolioGrids::FormatWhole(v), whole);
        QCOMPARE(PortfolioGrids::Plain(v), plain);
    }

    // The holdings and the log zoom into a window of their own; the main
    // grid keeps its view.
    void zoom()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}}});
        f.main->FG_PortfolioLog();
        const int rows = f.Grid()->Rows();
        f.main->Zoom_FG();
        QCOMPARE(ZoomMode, int16_t(0));
        QCOMPARE(f.Grid()->Rows(), rows);
        QVERIFY(TargetGrid && TargetGrid != f.Grid());
        QCOMPARE(TargetGrid->TextMatrix(2, 0), QStringLiteral("ACME"));
    }

    // A full portfolio: slots 1 to 99 all listed.
    void fullPortfolio()
    {
        LotList lots;
        for (int i = 1; i <= 99; ++i)
            lots.append({i, {QByteArray("S") + QByteArray::number(i % 20), i % 3 ? "Buy" : "Sell", 10, 5, 1,
                             i % 3 ? i : i - 1, 4}});
        f.WritePortfolio(lots);
        f.main->FG_PortfolioLog();
        QCOMPARE(f.Grid()->Rows(), 2 + 99 + 1);
    }
};

TW_TEST(tst_portfoliogrids)
#include "tst_portfoliogrids.moc"
