#include "AlertBoxCases.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Help.h"
#include "portfolio/Properties.h"
#include "shell/MainFixture.h"
#include "shell/MouseEvents.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using tw::test::MainFixture;
using tw::test::TestEnv;

namespace {

// Writes a set file of bare symbols and opens it in the main window.
void OpenSet(frmMain *m, int set, const QList<QByteArray> &symbols)
{
    Stock::StockTable t{};
    for (int i = 0; i < symbols.size(); ++i) {
        t[size_t(i)].Symbol = symbols[i];
        t[size_t(i)].HighAlert = 30;
    }
    QVERIFY(Stock::SaveStocks(int16_t(set), t));
    m->mnuSet_Click(set);
    QCOMPARE(CurrentSet, int16_t(set));
}

} // namespace

class tst_properties : public QObject {
    Q_OBJECT
    MainFixture f;

    // The window as the user opens it: a double click on the symbol bar row
    // of the stock.
    Properties *OpenFor(const QByteArray &symbol)
    {
        for (int i = 0; i < 7; ++i) {
            if (f.main->lblSbl[i]->text().toLatin1() != symbol)
                continue;
            tw::test::DoubleClick(f.main->img[i]);
            const QList<Properties *> all = f.main->findChildren<Properties *>();
            for (Properties *w : all)
                if (w->Symbol == symbol && w->isVisible())
                    return w;
        }
        return nullptr;
    }
    static void Type(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    static void Ok(Properties *w) { QTest::mouseClick(w->cmdOK, Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f.main));
    }
    void cleanup() { f.Stop(); }

    void arrow_data()
    {
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<QString>("picture");
        QTest::newRow("up") << QByteArray("+1.2%") << "UP";
        QTest::newRow("down") << QByteArray("-0.5%") << "DN";
        QTest::newRow("none") << QByteArray() << "";
        QTest::newRow("unchanged") << QByteArray("0.0%") << "";
    }
    void arrow()
    {
        QFETCH(QByteArray, change);
        QFETCH(QString, picture);
        OpenSet(f.main, 0, {"IBM"});
        Stocks[0].PChange = change;
        Properties *w = OpenFor("IBM");
        QVERIFY(w);
        QCOMPARE(w->lblData[2]->text(), QString::fromLatin1(change));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (picture.isEmpty()) {
            QTest::qWait(20);
            QVERIFY(w->pic1->pixmap().isNull());
        } else {
            QTRY_COMPARE(w->pic1->pixmap().toImage(), Artwork::Picture(picture).toImage());
        }
    }

    // OK writes the alerts into the stock of the open set and saves the set.
    void okSavesTheAlerts()
    {
        OpenSet(f.main, 0, {"IBM", "MSFT"});
        Properties *w = OpenFor("IBM");
        QVERIFY(w);
        QCOMPARE(w->txtTarget[1]->text(), QStringLiteral("30"));
        Type(w->txtTarget[0], QStringLiteral("9.5"));
        Type(w->txtTarget[1], QString());
        Ok(w);
        QTRY_VERIFY(f.main->findChildren<Properties *>().isEmpty());
        QCOMPARE(Stocks[0].LowAlert, 9.5f);
        QCOMPARE(Stocks[0].HighAlert, 30.0f);
        // Slot 0: three empty texts, the symbol, the rating and 19 empty
        // texts come before the low alert.
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(0));
        QCOMPARE(file.mid(2 + 5 + 2 + 4 + 19 * 2, 4), QByteArray::fromHex("00001841"));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Letters leave "0" in the box, and OK then clears that alert.
    void lettersLeaveZero()
    {
        OpenSet(f.main, 0, {"IBM"});
        Properties *w = OpenFor("IBM");
        QVERIFY(w);
        Type(w->txtTarget[1], QStringLiteral("12x"));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Please type numbers."));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Numbers only"));
        QCOMPARE(w->txtTarget[1]->text(), QStringLiteral("0"));
        QVERIFY(w->txtTarget[1]->hasFocus());
        // The Enter key is OK.
        QTest::keyClick(w->txtTarget[1], Qt::Key_Return);
        QTRY_VERIFY(f.main->findChildren<Properties *>().isEmpty());
        QCOMPARE(Stocks[0].HighAlert, 0.0f);
    }

    // Each keystroke passes "12,"; OK keeps a typed alert as typed or
    // refuses it, naming the box, and writes nothing.
    void okRefusesAlertsItCannotKeep_data() { tw::test::AlertBoxCases(30.0f); }
    void okRefusesAlertsItCannotKeep()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, refused);
        QFETCH(float, kept);
        OpenSet(f.main, 0, {"IBM"});
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(0));
        const Stock::StockTable before = Stocks;
        Properties *w = OpenFor("IBM");
        QVERIFY(w);
        QLineEdit *typedBox = w->txtTarget[box];
        tw::test::TypeOrPaste(typedBox, typed, pasted);
        QCOMPARE(typedBox->text(), typed);
        QVERIFY(Dialogs::Log().isEmpty());
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        if (refused.isEmpty()) {
            QTRY_VERIFY(f.main->findChildren<Properties *>().isEmpty());
            QCOMPARE(box == 0 ? Stocks[0].LowAlert : Stocks[0].HighAlert, kept);
            Stock::StockTable saved{};
            QVERIFY(Stock::ReadStocks(0, saved));
            QCOMPARE(box == 0 ? saved[0].LowAlert : saved[0].HighAlert, kept);
            return;
        }
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Please type numbers in \"%1\".").arg(refused));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Numbers only"));
        QVERIFY(w->isVisible());
        QVERIFY(typedBox->hasFocus());
        QCOMPARE(typedBox->text(), typed);
        QVERIFY(Stocks == before);
        QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(0)), file);
    }

    void twoWindowsWriteTheirOwnStock()
    {
        OpenSet(f.main, 0, {"IBM", "MSFT"});
        Properties *ibm = OpenFor("IBM");
        Properties *msft = OpenFor("MSFT");
        QVERIFY(ibm && msft && ibm != msft);
        Type(msft->txtTarget[0], QStringLiteral("22"));
        Type(ibm->txtTarget[0], QStringLiteral("11"));
        Ok(msft);
        Ok(ibm);
        QTRY_VERIFY(f.main->findChildren<Properties *>().isEmpty());
        QCOMPARE(Stocks[0].LowAlert, 11.0f);
        QCOMPARE(Stocks[1].LowAlert, 22.0f);
    }

    // OK looks the stock up in the set open at that moment.
    void okAfterTheSetChanged_data()
    {
        QTest::addColumn<QList<QByteArray>>("other"); // the set opened meanwhile
        QTest::addColumn<int>("slot");                // IBM's slot there, -1 none
        QTest::newRow("same set") << QList<QByteArray>{"IBM", "MSFT"} << 0;
        QTest::newRow("another set, another slot") << QList<QByteArray>{"AAA", "BBB", "IBM"} << 2;
        QTest::newRow("another set without it") << QList<QByteArray>{"AAA", "MSFT"} << -1;
        QTest::newRow("empty set") << QList<QByteArray>{} << -1;
    }
    void okAfterTheSetChanged()
    {
        QFETCH(QList<QByteArray>, other);
        QFETCH(int, slot);
        OpenSet(f.main, 0, {"IBM", "MSFT"});
        Properties *w = OpenFor("IBM");
        QVERIFY(w);
        OpenSet(f.main, 4, other);
        const Stock::StockTable before = Stocks;
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(4));
        Type(w->txtTarget[0], QStringLiteral("7"));
        Ok(w);
        if (slot < 0) {
            QCOMPARE(Dialogs::Log().size(), 1);
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Stock not found"));
            QVERIFY(Dialogs::Log()[0].text.startsWith(QStringLiteral("IBM ")));
            QVERIFY(Stocks == before);
            QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(4)), file);
            QVERIFY(w->isVisible());
            return;
        }
        QTRY_VERIFY(f.main->findChildren<Properties *>().isEmpty());
        QCOMPARE(Stocks[size_t(slot)].LowAlert, 7.0f);
        Stock::StockTable saved{};
        QVERIFY(Stock::ReadStocks(4, saved));
        QCOMPARE(saved[size_t(slot)].LowAlert, 7.0f);
        for (int i = 0; i < Stock::StockSlots; ++i)
            if (i != slot)
                QVERIFY(Stocks[size_t(i)] == before[size_t(i)]);
    }

    // The strip shrinks the window in nine steps to W / 10 + 1080 by H / 10,
    // lines it up below the ticker, and a second click restores it.
    void strip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("stripWidth");
        QTest::addColumn<int>("stripHeight");
        QTest::newRow("9000 x 6000") << 9000 << 6000 << 1980 << 600;
        // As wide as fits the 800-pixel test screen with its frame.
        QTest::newRow("11400 x 7500") << 11400 << 7500 << 2220 << 750;
    }
    void strip()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, stripWidth);
        QFETCH(int, stripHeight);
        CurrentSymbol = "IBM";
        auto *w = new Properties(f.main);
        w->resize(Twips::ToPixels(width), Twips::ToPixels(height));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->LoadWidth, width);
        QCOMPARE(w->LoadHeight, height);
        QVERIFY(w->minimumWidth() > Twips::ToPixels(stripWidth)); // the layout's own minimum

        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(int(Geometry::ScaleWidth(w)), stripWidth);
        QCOMPARE(int(Geometry::ScaleHeight(w)), stripHeight);
        QCOMPARE(int(Geometry::Left(w)), 0);
        QVERIFY(qAbs(Geometry::Top(w) - (Geometry::Top(f.main->NewsTicker1) + 700)) < 15); // whole pixels
        QCOMPARE(w->Command1->geometry(), QRect(0, 0, w->width(), Twips::ToPixels(135)));

        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(int(Geometry::ScaleWidth(w)), width);
        QCOMPARE(int(Geometry::ScaleHeight(w)), height);
        QVERIFY(w->minimumWidth() > Twips::ToPixels(stripWidth));
    }

    void cancelHelpAndTint()
    {
        OpenSet(f.main, 0, {"IBM"});
        Properties *w = OpenFor("IBM");
        QVERIFY(w);
        QTest::mouseClick(w->cmdHelp, Qt::LeftButton);
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].contextId, 86);

        // A double click on a label is not one on the window.
        tw::test::DoubleClick(w->lblName);
        QVERIFY(!w->findChild<QObject *>(QStringLiteral("TintOwnImage")));
        tw::test::DoubleClick(w, QPointF(2, w->height() - 2));
        QVERIFY(w->findChild<QObject *>(QStringLiteral("TintOwnImage")));

        Type(w->txtTarget[0], QStringLiteral("5"));
        QTest::keyClick(w->txtTarget[0], Qt::Key_Escape);
        QTRY_VERIFY(f.main->findChildren<Properties *>().isEmpty());
        QCOMPARE(Stocks[0].LowAlert, 0.0f);
    }
};

TW_TEST(tst_properties)
#include "tst_properties.moc"
