#include "PortfolioFixture.h"
#include "collect/SheetCache.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "portfolio/Properties.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>

using tw::test::Lot;
using tw::test::PortfolioFixture;
using tw::test::TestEnv;
using LotList = QList<QPair<int, Lot>>;
Q_DECLARE_METATYPE(LotList)

namespace {

// Bytes of one record in the file: texts as length and characters.
int RecordSize(const TransactionRecord &r)
{
    return 2 + int(r.Symbol.size()) + 2 + int(r.Date.size()) + 4 + 2 + 4 + 2 + int(r.CurrentPrice.size()) + 2
           + int(r.Action.size()) + 8 + 2;
}

} // namespace

// Buying, selling, correcting and deleting transactions, and the stock
// commands of the tree and grid popups.
class tst_transactions : public QObject {
    Q_OBJECT
    PortfolioFixture f;

    frmPurchace *Dialog() { return f.Modal<frmPurchace>(); }

    // Tree Buy of ACME: price, shares and commission typed, then OK.
    void Buy(const QByteArray &symbol, const QString &shares, const QString &price, const QString &commission)
    {
        f.TreeCommand(symbol, 2);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Parchase Share"));
        f.Type(d->txtShares, shares);
        f.Type(d->txtPrice, price);
        f.Type(d->txtComm, commission);
        f.Ok(d);
    }
    void SellAll(const QString &price)
    {
        f.TreeCommand("ACME", 3);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->txtShares->text(), QStringLiteral("100"));
        f.Type(d->txtPrice, price);
        f.Type(d->txtComm, QStringLiteral("5"));
        f.Ok(d);
    }

    // Tree Buy of ACME with 10 shares typed, not yet confirmed.
    frmPurchace *BuyTen()
    {
        f.TreeCommand("ACME", 2);
        frmPurchace *d = Dialog();
        if (d)
            f.Type(d->txtShares, QStringLiteral("10"));
        return d;
    }
    // OK refused with one message of this title: the dialog open, the focus
    // on the box, the file as it was.
    static void Refused(frmPurchace *d, const QWidget *box, const QString &title, const QByteArray &file)
    {
        QVERIFY(d->isVisible());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, title);
        QCOMPARE(d->focusWidget(), box);
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), file);
    }

private Q_SLOTS:
    void init()
    {
        f.StartShown();
        f.OpenSet({"ACME", "IBM"});
        f.WritePortfolio({});
    }
    void cleanup() { f.StopShown(); }

    void buy()
    {
        Buy("ACME", QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("5"));
        const auto saved = f.Saved();
        const TransactionRecord &t = saved[1];
        QCOMPARE(t.Symbol, QByteArray("ACME"));
        QCOMPARE(t.Action, QByteArray("Buy"));
        QCOMPARE(t.ID, int16_t(1));
        QCOMPARE(t.Shares, int16_t(100));
        QCOMPARE(t.Price, 10.0f);
        QCOMPARE(t.Commission, 5.0f);
        QCOMPARE(t.Gain, 0.0);
        QCOMPARE(t.CurrentPrice, QByteArray("12"));
        QCOMPARE(t.Date, QByteArray("3/5/2024"));
        QVERIFY(saved[0].Symbol.isEmpty());
    }

    // Realised gain: the sale's price less the lot's, less both commissions
    // (the lot's in proportion); a loss is stored negative.
    void sellGain_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<double>("gain");
        QTest::addColumn<QString>("shown");
        QTest::newRow("profit") << "12" << 190.0 << "190";
        QTest::newRow("loss") << "8" << -210.0 << "-210";
    }
    void sellGain()
    {
        QFETCH(QString, price);
        QFETCH(double, gain);
        QFETCH(QString, shown);
        Buy("ACME", QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("5"));
        SellAll(price);
        const auto saved = f.Saved();
        QCOMPARE(saved[2].Action, QByteArray("Sell"));
        QCOMPARE(saved[2].ID, int16_t(1));
        QCOMPARE(saved[2].Gain, gain);
        f.main->FG_PortfolioLog();
        QCOMPARE(f.Grid()->TextMatrix(3, 6), shown);
        QCOMPARE(f.Grid()->TextMatrix(4, 0), QStringLiteral("  =Total"));
        QCOMPARE(f.Grid()->TextMatrix(4, 6), shown + QStringLiteral(" $"));

        f.main->FG_Portfolio_All();
        QCOMPARE(f.Grid()->TextMatrix(2, 0), QStringLiteral("    Total:"));
        QCOMPARE(f.Grid()->TextMatrix(2, 2), QStringLiteral("0"));
        // Sold out: nothing left to sell.
        emit f.main->mnuTrees->aboutToShow();
        QVERIFY(!f.main->mnuTree[3]->isEnabled());
    }

    // A sale may take the shares left of its lot and no more.
    void sellLimit()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}}, {2, {"ACME", "Sell", 40, 12, 5, 1, 70}}});
        f.TreeCommand("ACME", 3);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Sell Share"));
        QCOMPARE(d->txtShares->text(), QStringLiteral("60"));
        QCOMPARE(d->lbl[0]->text(), QStringLiteral("Sell Date:"));
        QCOMPARE(d->lbl[2]->text(), QStringLiteral("Sell Prices:"));
        QCOMPARE(d->lblID->text(), QStringLiteral("1"));
        QCOMPARE(d->txtPrice->text(), QStringLiteral("12"));
        f.Type(d->txtShares, QStringLiteral("70"));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("You can not sell more then buying.\r\nPlease sell less then 60 shares."));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Sell Less Then 60"));
        QCOMPARE(d->txtShares->text(), QStringLiteral("60"));
        QVERIFY(d->cmdOK->isEnabled());
    }

    // The picker offers the lots with shares left; a lot bought at 0 can be
    // chosen and sold.
    void picker()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 10, 9, 0, 3}},
                          {2, {"ACME", "Buy", 100, 10, 0, 1}},
                          {3, {"ACME", "Sell", 40, 12, 0, 1, 80}},
                          {4, {"ACME", "Sell", 10, 12, 0, 3, 30}},
                          {7, {"ACME", "Buy", 50, 0, 0, 2}}});
        f.TreeCommand("ACME", 3);
        LastPar *p = f.Modal<LastPar>();
        QVERIFY(p);
        QCOMPARE(p->windowTitle(), QStringLiteral("Select Parchase"));
        QCOMPARE(p->FG->Rows(), 4);
        QCOMPARE(p->FG->TextMatrix(2, 1), QStringLiteral("60"));
        QCOMPARE(p->FG->TextMatrix(2, 2), QStringLiteral("10"));
        QCOMPARE(p->FG->TextMatrix(3, 1), QStringLiteral("50"));
        QCOMPARE(p->FG->TextMatrix(3, 2), QStringLiteral("0"));
        QTest::mouseClick(p->FG->viewport(), Qt::LeftButton, Qt::NoModifier, tw::test::CellCenter(p->FG, 3, 0));
        QTest::mouseClick(p->cmdOK, Qt::LeftButton);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Sell Share"));
        QCOMPARE(d->txtShares->text(), QStringLiteral("50"));
        QCOMPARE(d->lblID->text(), QStringLiteral("2"));
        f.Type(d->txtShares, QStringLiteral("20"));
        f.Ok(d);
        const auto saved = f.Saved();
        QCOMPARE(saved[5].Action, QByteArray("Sell"));
        QCOMPARE(saved[5].ID, int16_t(2));
        QCOMPARE(saved[5].Gain, 240.0);
    }

    void pickerOkWithoutChoice()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 10, 9, 0, 1}}, {2, {"ACME", "Buy", 100, 10, 0, 2}}});
        f.TreeCommand("ACME", 3);
        LastPar *p = f.Modal<LastPar>();
        QVERIFY(p);
        QTest::mouseClick(p->cmdOK, Qt::LeftButton);
        QCOMPARE(f.modals.size(), 1);
    }

    // Sell Share on a holdings row sells that lot with the row's figures;
    // a Total row offers nothing.
    void sellShareFromHoldings()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}}, {2, {"ACME", "Sell", 40, 12, 5, 1, 70}}});
        f.main->FG_Portfolio_All();
        f.GridCommand(3, 0, 6);
        QVERIFY(!f.main->mnuEdit[6]->isEnabled());
        QVERIFY(f.modals.isEmpty());
        f.GridCommand(2, 0, 6);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Sell Share"));
        QCOMPARE(d->txtShares->text(), QStringLiteral("60"));
        QCOMPARE(d->txtComm->text(), QStringLiteral("5.00"));
        QCOMPARE(d->txtPrice->text(), QStringLiteral("12"));
        QCOMPARE(d->lblName->text(), QStringLiteral("ACME Corp"));
        QCOMPARE(d->txtDate->text(), QStringLiteral("3/5/2024"));
        f.Type(d->txtShares, QStringLiteral("61"));
        QCOMPARE(d->txtShares->text(), QStringLiteral("60"));
    }

    void deleteTransaction()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}},
                          {2, {"IBM", "Buy", 10, 100, 5, 2}},
                          {3, {"ACME", "Sell", 10, 12, 5, 1, 14.5}}});
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        f.main->FG_PortfolioLog();
        const int row = f.RowOf(QStringLiteral("IBM"));
        Dialogs::QueueAnswer(Dialogs::vbNo);
        f.GridCommand(row, 0, 9);
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Are you sure you want to remove this transaction (IBM-Buy)?"));
        QCOMPARE(Dialogs::Log().last().title, QStringLiteral("Delete Transaction?"));
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), before);

        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.GridCommand(row, 0, 9);
        const QByteArray after = TestEnv::ReadAll(Stock::PortfolioFile());
        // Slot 0 is empty; the IBM lot of slot 2 is 47 bytes.
        const int at = RecordSize({}) + RecordSize(Portfolio[1]);
        QCOMPARE(RecordSize({}), 28);
        const int ibm = 2 + 3 + 2 + 8 + 4 + 2 + 4 + 2 + 2 + 2 + 3 + 8 + 2;
        QCOMPARE(after.size(), before.size() - ibm + 28);
        QCOMPARE(after.left(at), before.left(at));
        QCOMPARE(after.mid(at, 28), QByteArray(28, '\0'));
        QCOMPARE(after.mid(at + 28), before.mid(at + ibm));
        QCOMPARE(f.RowOf(QStringLiteral("IBM")), -1);
        QCOMPARE(f.Grid()->Rows(), 5);
    }

    // Deleting another transaction leaves a one-letter ticker's lot byte
    // for byte.
    void deleteTransactionKeepsOneLetterLots()
    {
        f.WritePortfolio({{1, {"F", "Buy", 100, 10, 5, 1}}, {2, {"IBM", "Buy", 10, 100, 5, 2}}});
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        f.main->FG_PortfolioLog();
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.GridCommand(f.RowOf(QStringLiteral("IBM")), 0, 9);
        const QByteArray after = TestEnv::ReadAll(Stock::PortfolioFile());
        const int lot = RecordSize(Portfolio[1]);
        QCOMPARE(lot, 2 + 1 + 2 + 8 + 4 + 2 + 4 + 2 + 2 + 2 + 3 + 8 + 2);
        QCOMPARE(after.left(28 + lot), before.left(28 + lot));
        QCOMPARE(after.mid(28 + lot, 28), QByteArray(28, '\0'));
        QCOMPARE(f.Column(0), QStringList({"F", "  =Total"}));
    }

    void edit()
    {
        Buy("ACME", QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("5"));
        SellAll(QStringLiteral("12"));
        f.main->FG_PortfolioLog();

        // The purchase's commission to 0: stored, and its sale's gain follows.
        f.GridCommand(2, 0, 8);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Edit Transaction"));
        QCOMPARE(d->lbl[0]->text(), QStringLiteral("Buy Date:"));
        QCOMPARE(d->txtComm->text(), QStringLiteral("5.00"));
        QCOMPARE(d->lblCurrent->text(), QStringLiteral("-"));
        f.Type(d->txtComm, QStringLiteral("0"));
        f.Ok(d);
        auto saved = f.Saved();
        QCOMPARE(saved[1].Commission, 0.0f);
        QCOMPARE(saved[2].Gain, 195.0);

        // The sale from 12 to 11 keeps its action and lot.
        f.GridCommand(3, 0, 8);
        d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->txtPrice->text(), QStringLiteral("12"));
        f.Type(d->txtPrice, QStringLiteral("11"));
        f.Ok(d);
        saved = f.Saved();
        QCOMPARE(saved[2].Action, QByteArray("Sell"));
        QCOMPARE(saved[2].ID, int16_t(1));
        QCOMPARE(saved[2].Price, 11.0f);
        QCOMPARE(saved[2].Gain, 95.0);
        QCOMPARE(saved[2].CurrentPrice, QByteArray("12"));
        QCOMPARE(f.Grid()->TextMatrix(3, 6), QStringLiteral("95"));
    }

    // The sale edited with the lot's commission kept: 100 x 1 - 5 - 5.
    void editSaleGain()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 5, 1}}, {2, {"ACME", "Sell", 100, 12, 5, 1, 190}}});
        f.main->FG_PortfolioLog();
        f.GridCommand(3, 0, 8);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        f.Type(d->txtPrice, QStringLiteral("11"));
        f.Ok(d);
        QCOMPARE(f.Saved()[2].Gain, 90.0);
    }

    // A correction writes what the user changed and keeps the rest as it is
    // stored: a date in any form, a price beyond cents.
    void editKeepsWhatWasNotTouched()
    {
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 12.375f, 5, 1}}, {2, {"ACME", "Sell", 40, 13, 5, 1, 18}}});
        Portfolio[1].Date = "31.12.2003";
        QVERIFY(Stock::SavePortfolio());
        TransactionRecord want = Portfolio[1];
        want.Commission = 6;
        f.main->FG_PortfolioLog();
        f.GridCommand(2, 0, 8);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(d->txtDate->text(), QStringLiteral("31.12.2003"));
        QCOMPARE(d->txtPrice->text(), QStringLiteral("12.375"));
        f.Type(d->txtComm, QStringLiteral("6"));
        f.Ok(d);
        const auto saved = f.Saved();
        QCOMPARE(saved[1], want);
        // The sale's gain from the lot as stored: 40 x 0.625 - 5 - 6 x 40 / 100.
        QCOMPARE(saved[2].Gain, 40 * 0.625 - 5 - 6 * 0.4);
    }

    // A corrected sale is bounded like a new one: the lot's shares left and
    // its own.
    void editSaleBounded_data()
    {
        QTest::addColumn<LotList>("lots");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("limit");
        QTest::newRow("the whole lot sold") << LotList{{1, {"ACME", "Buy", 100, 10, 5, 1}},
                                                       {2, {"ACME", "Sell", 100, 12, 5, 1, 190}}}
                                            << 3 << "500" << 100;
        QTest::newRow("another sale of the lot") << LotList{{1, {"ACME", "Buy", 100, 10, 0, 1}},
                                                            {2, {"ACME", "Sell", 30, 12, 0, 1, 60}},
                                                            {3, {"ACME", "Sell", 40, 12, 0, 1, 80}}}
                                                 << 4 << "71" << 70;
    }
    void editSaleBounded()
    {
        QFETCH(LotList, lots);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(int, limit);
        f.WritePortfolio(lots);
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        f.main->FG_PortfolioLog();
        f.GridCommand(row, 0, 8);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        f.Type(d->txtShares, typed);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text,
                 QStringLiteral("You can not sell more then buying.\r\nPlease sell less then %1 shares.").arg(limit));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Sell Less Then %1").arg(limit));
        QCOMPARE(d->txtShares->text(), QString::number(limit));
        f.Ok(d);
        const int slot = row - 1;
        QCOMPARE(f.Saved()[size_t(slot)].Shares, int16_t(limit));
        // A sale that already took the whole lot: nothing changed at all.
        for (const auto &[at, lot] : lots)
            if (at == slot && lot.shares == limit)
                QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), before);
    }

    // A lot may not be corrected below the shares sold from it: 30 and 40
    // of 100 were sold.
    void editPurchaseBelowSales_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("one below the sales") << "69" << true;
        QTest::newRow("far below the sales") << "50" << true;
        QTest::newRow("exactly the sales") << "70" << false;
    }
    void editPurchaseBelowSales()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        f.WritePortfolio({{1, {"ACME", "Buy", 100, 10, 7, 1}},
                          {2, {"ACME", "Sell", 30, 12, 0, 1, 57.9}},
                          {3, {"ACME", "Sell", 40, 12, 0, 1, 77.2}}});
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        f.main->FG_PortfolioLog();
        f.GridCommand(2, 0, 8);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        f.Type(d->txtShares, typed);
        QVERIFY(d->cmdOK->isEnabled());
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        if (refused) {
            Refused(d, d->txtShares, QStringLiteral("Shares already sold"), before);
            QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("70 shares of this purchase are already sold.\r\n"
                                                            "Please type at least 70 in \"Quantity\"."));
            QCOMPARE(Portfolio[2].Gain, 57.9);
            QCOMPARE(Portfolio[3].Gain, 77.2);
            return;
        }
        QTRY_VERIFY(!d->isVisible());
        QVERIFY(Dialogs::Log().isEmpty());
        const auto saved = f.Saved();
        QCOMPARE(saved[1].Shares, int16_t(70));
        // The lot's commission is borne by its sales alone, once.
        QCOMPARE(saved[2].Gain, 60 - 3.0);
        QCOMPARE(saved[3].Gain, 80 - 4.0);
        f.main->FG_Portfolio_All();
        QCOMPARE(f.Column(0), QStringList({"    Total:", "Pr/Loss:"}));
        QCOMPARE(f.Column(2), QStringList({"0", ""}));
        // Nothing of the lot is left to sell.
        f.TreeCommand("ACME", 3);
        QVERIFY(!f.main->mnuTree[3]->isEnabled());
    }

    // A typed date is stored as typed when it reads as a date, else refused
    // naming the box; a blank box means today.
    void typedDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored"); // empty: refused
        QTest::newRow("day.month.year") << "30.12.2003" << QByteArray("30.12.2003");
        QTest::newRow("year-month-day") << "2003-12-30" << QByteArray("2003-12-30");
        QTest::newRow("month name") << "Dec 30, 2003" << QByteArray("Dec 30, 2003");
        QTest::newRow("month/day/year") << "12/30/2003" << QByteArray("12/30/2003");
        QTest::newRow("blank") << "   " << QByteArray("3/5/2024");
        QTest::newRow("month 31") << "31.31.2003" << QByteArray();
        QTest::newRow("a word") << "soon" << QByteArray();
    }
    void typedDate()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        frmPurchace *d = BuyTen();
        QVERIFY(d);
        f.Type(d->txtDate, typed);
        QCOMPARE(d->txtDate->text(), typed);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        if (!stored.isEmpty()) {
            QTRY_VERIFY(!d->isVisible());
            QCOMPARE(f.Saved()[1].Date, stored);
            return;
        }
        Refused(d, d->txtDate, QStringLiteral("Not a date"), before);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Please type a date such as 3/5/2024 in \"Purchase Date\"."));
    }

    // A number that a transaction cannot hold, or whose comma is no digit
    // group, is refused at OK with a word naming the box, and nothing is
    // written; digit groups of three read as the number they group.
    void valuesOutOfRange_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("refused"); // the box's name in the message; empty: stored
        QTest::addColumn<double>("stored");
        const QString price = QStringLiteral("Purchase Price"), comm = QStringLiteral("Trade Commission");
        QTest::newRow("price beyond a single") << "txtPrice" << "1e39" << price << 0.0;
        QTest::newRow("negative price") << "txtPrice" << "-1" << price << 0.0;
        QTest::newRow("negative commission") << "txtComm" << "-5" << comm << 0.0;
        QTest::newRow("commission beyond a single") << "txtComm" << "1e39" << comm << 0.0;
        QTest::newRow("price at the top") << "txtPrice" << "3.4e38" << QString() << double(3.4e38f);
        QTest::newRow("price with a decimal comma") << "txtPrice" << "12,5" << price << 0.0;
        QTest::newRow("commission with a decimal comma") << "txtComm" << "2,50" << comm << 0.0;
        QTest::newRow("four digits after a comma") << "txtPrice" << "1,2345" << price << 0.0;
        QTest::newRow("shares with a decimal comma") << "txtShares" << "1,5" << QStringLiteral("Quantity") << 0.0;
        QTest::newRow("price in digit groups") << "txtPrice" << "1,234,567.5" << QString() << 1234567.5;
        QTest::newRow("shares in digit groups") << "txtShares" << "1,000" << QString() << 1000.0;
        QTest::newRow("price too small for a single") << "txtPrice" << "1e-300" << price << 0.0;
        QTest::newRow("commission too small for a single") << "txtComm" << "1e-300" << comm << 0.0;
    }
    void valuesOutOfRange()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, refused);
        QFETCH(double, stored);
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        frmPurchace *d = BuyTen();
        QVERIFY(d);
        f.Type(d->txtComm, QStringLiteral("1"));
        QLineEdit *typed = d->findChild<QLineEdit *>(box);
        QVERIFY(typed);
        QGuiApplication::clipboard()->setText(pasted);
        typed->setFocus();
        typed->selectAll();
        QTest::keyClick(typed, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(typed->text(), pasted);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        if (refused.isEmpty()) {
            QTRY_VERIFY(!d->isVisible());
            const TransactionRecord t = f.Saved()[1];
            QCOMPARE(box == QLatin1String("txtShares") ? double(t.Shares) : double(t.Price), stored);
            return;
        }
        Refused(d, typed, QStringLiteral("Number out of range"), before);
        QVERIFY2(Dialogs::Log()[0].text.contains(u'"' + refused + u'"'), qPrintable(Dialogs::Log()[0].text));
    }

    // A double click on a holdings row corrects its lot; on a Total row nothing.
    void doubleClickEditsTheLot()
    {
        f.WritePortfolio({{4, {"ACME", "Buy", 100, 10, 5, 7}}, {9, {"ACME", "Buy", 5, 10, 5, 2}}});
        f.main->FG_Portfolio_All();
        tw::test::DoubleClick(f.Grid()->viewport(), f.At(4, 0));
        QVERIFY(f.modals.isEmpty());
        tw::test::DoubleClick(f.Grid()->viewport(), f.At(3, 0));
        frmPurchace *d = Dialog();
        QVERIFY(d);
        QCOMPARE(TransactionSlot, int16_t(9));
        QCOMPARE(d->txtShares->text(), QStringLiteral("5"));
    }

    void badShares_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("ok");
        QTest::newRow("too many") << "40000" << "40000" << false;
        QTest::newRow("largest") << "32767" << "32767" << true;
        QTest::newRow("fraction") << "1.5" << "1.5" << false;
        QTest::newRow("letters") << "x" << "0" << false;
    }
    void badShares()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, ok);
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        f.TreeCommand("ACME", 2);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        f.Type(d->txtShares, typed);
        QCOMPARE(d->txtShares->text(), shown);
        QCOMPARE(d->cmdOK->isEnabled(), ok);
        if (!ok) {
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), before);
        }
    }

    void portfolioFull()
    {
        QList<QPair<int, Lot>> lots;
        for (int i = 1; i <= 99; ++i)
            lots.append({i, {"IBM", "Buy", 1, 1, 0, i}});
        f.WritePortfolio(lots);
        const QByteArray before = TestEnv::ReadAll(Stock::PortfolioFile());
        f.TreeCommand("ACME", 2);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        f.Type(d->txtShares, QStringLiteral("1"));
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Portfolio full"));
        QCOMPARE(TestEnv::ReadAll(Stock::PortfolioFile()), before);
    }

    // A save that fails says so once and keeps the dialog open; the
    // portfolio in memory is the file's again.
    void saveFails()
    {
        f.TreeCommand("ACME", 2);
        frmPurchace *d = Dialog();
        QVERIFY(d);
        f.Type(d->txtShares, QStringLiteral("3"));
        QFile::remove(Stock::PortfolioFile());
        QVERIFY(QDir().mkpath(Stock::PortfolioFile())); // a folder where the file goes
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Portfolio not saved"));
        QVERIFY(d->isVisible());
    }

    void buyWithoutStock()
    {
        CurrentSymbol.clear();
        f.main->mnuTree[2]->trigger();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Select some stock first.."));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("UnSelected Stock"));
        QVERIFY(f.modals.isEmpty());
    }

    // Delete removes the stock from the set; a symbol outside it is not
    // asked about but said to be outside, and removes nothing, slot 0
    // included; with no stock chosen nothing is asked.
    void deleteStock_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QList<QByteArray>>("left");
        QTest::addColumn<QString>("shown"); // the box's title; "" none
        QTest::newRow("in the set") << QByteArray("ACME") << QList<QByteArray>{"IBM"} << "Delete share?";
        QTest::newRow("not in the set") << QByteArray("ZZZ") << QList<QByteArray>{"ACME", "IBM"} << "Stock not found";
        QTest::newRow("no stock chosen") << QByteArray() << QList<QByteArray>{"ACME", "IBM"} << "";
    }
    void deleteStock()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(QList<QByteArray>, left);
        QFETCH(QString, shown);
        f.TreeCommand("ACME", 0); // selects ACME
        CurrentSymbol = symbol;
        // A set with a free slot in the middle: compacting it is a change.
        Stocks[3].Symbol = "GE";
        QVERIFY(Stock::SaveStocks());
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(0));
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.main->mnuTree[6]->trigger();
        QCOMPARE(Dialogs::Log().size(), shown.isEmpty() ? 0 : 1);
        if (!shown.isEmpty())
            QCOMPARE(Dialogs::Log().last().title, shown);
        if (shown == QLatin1String("Stock not found"))
            QCOMPARE(Dialogs::Log().last().text, QStringLiteral("ZZZ is not in the open stock set."));
        QList<QByteArray> symbols;
        for (const StockRecord &r : Stocks)
            if (!r.Symbol.isEmpty())
                symbols << r.Symbol;
        QCOMPARE(symbols, left + QList<QByteArray>{"GE"});
        if (left.size() == 2)
            QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(0)), file);
    }

    // A removal that cannot be saved says so and leaves the set as it is
    // on disk, in memory and in the tree.
    void deleteStockNotSaved()
    {
        f.TreeCommand("ACME", 0);
        const auto before = Stocks;
        QFile::remove(Stock::StockSetFile(0));
        QVERIFY(QDir().mkpath(Stock::StockSetFile(0))); // a folder where the file goes
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.main->mnuTree[6]->trigger();
        QCOMPARE(Dialogs::Log().size(), 2);
        QCOMPARE(Dialogs::Log().last().title, QStringLiteral("Stock set not saved"));
        QVERIFY(Stocks == before);
        QCOMPARE(StockCount, int16_t(2));
        QVERIFY(f.main->TreeView1->Find(QStringLiteral("ID0")));
        QCOMPARE(f.main->TreeView1->Find(QStringLiteral("ID0"))->Text(), QStringLiteral("ACME"));
    }

    // One-letter tickers are stocks: deleting another keeps them, in the
    // set file and on the symbol bar.
    void deleteKeepsOneLetterStocks()
    {
        f.OpenSet({"F", "IBM", "ACME"});
        QCOMPARE(f.main->lblSbl[0]->text(), QStringLiteral("F"));
        f.TreeCommand("IBM", 0);
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.main->mnuTree[6]->trigger();
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Do you want to remove IBM Corp (IBM)?"));
        Stock::StockTable saved{};
        QVERIFY(Stock::ReadStocks(0, saved));
        QCOMPARE(saved[0].Symbol, QByteArray("F"));
        QCOMPARE(saved[0].Name, QByteArray("F Corp"));
        QCOMPARE(saved[1].Symbol, QByteArray("ACME"));
        QCOMPARE(Stock::CountStocks(saved), int16_t(2));
        f.main->mnuSet_Click(0);
        QCOMPARE(f.main->lblSbl[0]->text(), QStringLiteral("F"));
        QCOMPARE(f.main->lblSbl[1]->text(), QStringLiteral("ACME"));
    }

    // Delete Share on the price list removes the stock of the clicked row,
    // named by its symbol, also among stocks of one name and after a sort.
    void deleteShareFromList()
    {
        f.OpenSet({"BRK.A", "ACME", "BRK.B"});
        const char *prices[] = {"300", "12", "20"};
        for (int i = 0; i < 3; ++i) {
            Stocks[size_t(i)].LastSale = prices[i];
            Stocks[size_t(i)].PChange = "+1.5%";
        }
        Stocks[0].Name = Stocks[2].Name = "Berkshire";
        QVERIFY(Stock::SaveStocks());
        f.main->FG_Current();
        // Sorted by price either way, BRK.B moves to the middle row.
        tw::test::DoubleClick(f.Grid()->viewport(), f.At(2, 2));
        QCOMPARE(f.Grid()->TextMatrix(3, 2), QStringLiteral("20"));
        QCOMPARE(f.Grid()->TextMatrix(3, 1), QStringLiteral("Berkshire"));
        Dialogs::QueueAnswer(Dialogs::vbNo);
        f.GridCommand(3, 1, 7);
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Are you sure you want to remove  (BRK.B)?"));
        QCOMPARE(Dialogs::Log().last().title, QStringLiteral("Delete share?"));
        QCOMPARE(StockCount, int16_t(3));
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.GridCommand(3, 1, 7);
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Are you sure you want to remove  (BRK.B)?"));
        QCOMPARE(StockCount, int16_t(2));
        QCOMPARE(Stocks[0].Symbol, QByteArray("BRK.A"));
        QCOMPARE(Stocks[1].Symbol, QByteArray("ACME"));
    }

    void emptyStockCache()
    {
        const QString folder = SheetCache::DataSheetFolder();
        QDir().mkpath(folder);
        const QStringList files = {"ibm_it.sh", "IBM_ABS.Sh", "IBMX_it.Sh", "Upgrade.sh", "IBM.txt"};
        for (const QString &name : files)
            TestEnv::WriteAll(folder + u'/' + name, "page");
        f.TreeCommand("IBM", 0);
        Dialogs::QueueAnswer(Dialogs::vbNo);
        f.main->mnuTree[7]->trigger();
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Are you sure you want to delete the selected stock data?"));
        QCOMPARE(Dialogs::Log().last().title, QStringLiteral("Clear Cache ?"));
        QVERIFY(Dialogs::Log().last().flags & Dialogs::vbDefaultButton2);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 5);
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.main->mnuTree[7]->trigger();
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
                 QStringList({"IBM.txt", "IBMX_it.Sh", "Upgrade.sh"}));
    }

    // A stop leaves the next run on the whole set; a start is for the stock.
    void updateSelectedStock()
    {
        frmMain::SetRunHook(nullptr);
        f.TreeCommand("ACME", 0);
        f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        f.main->mnuTree[9]->trigger();
        QCOMPARE(f.main->lblDesc[0]->text(), QStringLiteral("Update"));
        QCOMPARE(f.main->SingleStockMode, int16_t(0));
    }

    void properties()
    {
        f.TreeCommand("IBM", 11);
        QTRY_COMPARE(f.main->findChildren<Properties *>().size(), 1);
        QCOMPARE(f.main->findChildren<Properties *>()[0]->Symbol, QByteArray("IBM"));
        CurrentSymbol = "ZZZ";
        f.main->mnuTree[11]->trigger();
        QCOMPARE(f.main->findChildren<Properties *>().size(), 1);
    }
};

TW_TEST(tst_transactions)
#include "tst_transactions.moc"
