// The chart dialog: lists, value box and period slider become the chart
// address; "ChartOpt" keeps and restores the choices.
#include "QueryFixture.h"
#include "common/TestRegistry.h"
#include "common/UserInput.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "queries/BigChart.h"
#include "queries/QueryTables.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>

using tw::test::QueryFixture;

namespace {
const QString kDefaults = QStringLiteral(
    "/intchart/frames/chart.asp?symb=ABC&time=1&freq=9&compidx=nasdaq:3291&comp=&uf=0&lf=0&ma=0&maval=9&type=2"
    "&style=1&size=2&state=0&rand=881");

// The defaults' address with one key's value replaced.
QString With(const QString &key, const QString &value)
{
    QString path = kDefaults;
    const qsizetype at = path.indexOf(u'&' + key + u'=') + key.size() + 2;
    const qsizetype end = path.indexOf(u'&', at);
    return path.replace(at, end - at, value);
}
} // namespace

class tst_chartdialog : public QObject {
    Q_OBJECT
    QueryFixture f;
    QPointer<BigChart> w;

    void Open()
    {
        w = BigChart::Load();
        QVERIFY(QueryFixture::Show(w));
    }
    // Picks an entry the way a user does: the list opened, the entry clicked.
    static void Pick(QComboBox *box, const QString &text)
    {
        const int row = box->findText(text);
        QVERIFY2(row >= 0, qPrintable(text));
        box->showPopup();
        auto *view = box->view();
        QTRY_VERIFY(view->isVisible());
        QueryFixture::ClickRow(view, row);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(box->currentText(), text);
    }
    // Replaces a box's text by typing.
    static void Type(QWidget *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        tw::test::TypeChars(box, text);
    }
    // Replaces the value box's "9" by typing.
    void TypeValue(const QString &typed)
    {
        w->txtMaval->setFocus();
        QTest::keyClick(w->txtMaval, Qt::Key_End);
        // Emptying the box already reads as no number: it shows "9" again,
        // so the typed text goes in front of that "9" and the 9 is removed.
        QTest::keyClick(w->txtMaval, Qt::Key_Home);
        QTest::keyClicks(w->txtMaval, typed);
        QTest::keyClick(w->txtMaval, Qt::Key_End);
        QTest::keyClick(w->txtMaval, Qt::Key_Backspace);
    }
    QString Query() { return QueryFixture::QueryAndClose(w); }
    static QString Chart(const QString &path) { return QueryFixture::Url("ChartHost", path); }
    QStringList Shown() const
    {
        return {w->cboDisp->currentText(), w->cboBack->currentText(), w->cboSize->currentText(),
                w->cboLow->currentText(),  w->cboMove->currentText(), w->cboUp->currentText(),
                w->cboFrq->currentText(),  w->cboIndex->currentText()};
    }

private Q_SLOTS:
    void init()
    {
        f.Init();
        CurrentSymbol = "abc";
    }
    void cleanup()
    {
        delete BigChart::Loaded();
        f.Cleanup();
    }

    void opensWithDefaults()
    {
        Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Chart Explorer"));
        QCOMPARE(Shown(), QStringList({"OHLC", "Default", "Medium", "<None>", "<None>", "<None>", "1-Minute", "NASDAQ"}));
        QCOMPARE(w->txtMaval->text(), QStringLiteral("9"));
        QCOMPARE(w->Slider1->value(), 0);
        QVERIFY(!w->cmdSave->isEnabled());
        QCOMPARE(w->lblTime.size(), 15);
        QCOMPARE(w->lblTime[0]->objectName(), QStringLiteral("lblTime_0"));
        QCOMPARE(Query(), Chart(kDefaults));
    }

    void codes_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("path");
        QTest::newRow("Black") << "cboBack" << "Black" << With("style", "0");
        QTest::newRow("% Compare") << "cboLow" << "% Compare" << With("lf", "4194304");
        QTest::newRow("Volume+") << "cboLow" << "Volume+" << With("lf", "268435456");
        QTest::newRow("Show All Events") << "cboUp" << "Show All Events" << With("uf", "7168");
        QTest::newRow("separator") << "cboIndex" << "----------" << With("compidx", "zzzzz:0");
        QTest::newRow("no index") << "cboIndex" << "<None>" << With("compidx", "aaaaa:0");
        QTest::newRow("EMA (3-Line)") << "cboMove" << "EMA (3-Line)" << With("ma", "6");
        QTest::newRow("Candlestick") << "cboDisp" << "Candlestick" << With("type", "4");
        QTest::newRow("Large") << "cboSize" << "Large" << With("size", "3");
        QTest::newRow("Hourly") << "cboFrq" << "Hourly" << With("freq", "8");
    }
    void codes()
    {
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(QString, path);
        Open();
        Pick(w->findChild<QComboBox *>(list), entry);
        QVERIFY(w->cmdSave->isEnabled());
        QCOMPARE(Query(), Chart(path));
    }

    // A user's slider move sets the period, its tip and its frequency list;
    // a move straight from an intraday position to 6 or 14 leaves the
    // intraday list on show.
    void period_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("path");
        const QString daily = QStringLiteral("freq=");
        QTest::newRow("5 Days") << QList<int>{Qt::Key_Right, Qt::Key_Right} << 2 << "5 Dayes" << "1-Minute" << With("time", "3");
        QTest::newRow("Month") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << 3 << "Month" << "Daily"
                               << With("time", "4").replace("freq=9", daily);
        QTest::newRow("6 Month straight from 15 Mintues") << QList<int>{Qt::Key_Right, Qt::Key_PageUp} << 6 << "6 Month"
                                                          << "1-Minute" << With("time", "7");
        QTest::newRow("6 Month from Month") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
                                            << 6 << "6 Month" << "Daily" << With("time", "7").replace("freq=9", daily);
        QTest::newRow("YTD") << QList<int>{Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Right} << 7 << "YTD" << "Daily"
                             << With("time", "19").replace("freq=9", daily);
        QTest::newRow("Year") << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Left} << 8 << "Year" << "Daily"
                              << With("time", "9").replace("freq=9", daily);
        QTest::newRow("All straight from the start") << QList<int>{Qt::Key_End} << 14 << "All" << "1-Minute" << With("time", "20");
        QTest::newRow("All from Decade") << QList<int>{Qt::Key_End, Qt::Key_Left, Qt::Key_Right} << 14 << "All" << "Daily"
                                         << With("time", "20").replace("freq=9", daily);
        QTest::newRow("back to the start") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0 << "5 Mintues" << "1-Minute" << kDefaults;
    }
    void period()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, position);
        QFETCH(QString, tip);
        QFETCH(QString, frequency);
        QFETCH(QString, path);
        Open();
        w->Slider1->setFocus();
        for (int key : keys)
            QTest::keyClick(w->Slider1, Qt::Key(key));
        QCOMPARE(w->Slider1->value(), position);
        QCOMPARE(w->Slider1->toolTip(), tip);
        QCOMPARE(w->cboFrq->currentText(), frequency);
        QVERIFY(w->cmdSave->isEnabled());
        QCOMPARE(Query(), Chart(path));
    }

    // Leaving the intraday positions for the daily ones and back.
    void periodListFollowsMoves()
    {
        Open();
        QueryFixture::SlideTo(w->Slider1, 8);
        QCOMPARE(w->cboFrq->count(), 5);
        Pick(w->cboFrq, QStringLiteral("Monthly"));
        QTest::keyClick(w->Slider1, Qt::Key_Right); // 9, still daily
        QCOMPARE(w->cboFrq->currentText(), QStringLiteral("Daily"));
        QueryFixture::SlideTo(w->Slider1, 1); // back to intraday
        QCOMPARE(w->cboFrq->count(), 4);
        QCOMPARE(w->cboFrq->currentText(), QStringLiteral("1-Minute"));
    }

    void valueBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("maval");
        QTest::newRow("2.5 to the even neighbour") << "2.5" << "2.5" << "2";
        QTest::newRow("3.5 to the even neighbour") << "3.5" << "3.5" << "4";
        QTest::newRow("beyond 16 bits") << "40000" << "40000" << "0";
        QTest::newRow("negative") << "-7" << "-7" << "-7";
        QTest::newRow("a letter") << "x" << "9" << "9";
        QTest::newRow("a letter after digits") << "12x" << "9" << "9";
    }
    void valueBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, maval);
        Open();
        TypeValue(typed);
        QCOMPARE(w->txtMaval->text(), shown);
        QCOMPARE(Query(), Chart(With("maval", maval)));
    }

    // Typed symbols and the current symbol reach the address encoded;
    // ordinary ones stay as they are.
    void typedTextEncoded_data()
    {
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QString>("compare");
        QTest::addColumn<QString>("symb");
        QTest::addColumn<QString>("comp");
        QTest::newRow("ordinary") << QByteArray("brk.b") << "msft" << "BRK.B" << "msft";
        QTest::newRow("blank and ampersand") << QByteArray("a&b") << "x y&z=1" << "A%26B" << "x%20y%26z%3D1";
        QTest::newRow("8-bit") << QByteArray("\xe9") << QString::fromUtf8("\xc3\xa9") << "%E9" << "%E9";
    }
    void typedTextEncoded()
    {
        QFETCH(QByteArray, current);
        QFETCH(QString, compare);
        QFETCH(QString, symb);
        QFETCH(QString, comp);
        Open();
        CurrentSymbol = current;
        Type(w->txtSbl, compare);
        QVERIFY(w->cmdSave->isEnabled()); // the box took the focus
        QCOMPARE(Query(), Chart(QString(kDefaults).replace("symb=ABC", "symb=" + symb).replace("comp=&", "comp=" + comp + "&")));
    }

    void saveWritesChoices()
    {
        Open();
        QVERIFY(!w->cmdSave->isEnabled());
        QueryFixture::Click(w->cmdSave);
        QVERIFY(!f.env->Has(QStringLiteral("ChartOpt")));
        QueryFixture::Click(w->txtMaval); // the focus enables Save
        QVERIFY(w->cmdSave->isEnabled());
        QueryFixture::Click(w->cmdSave);
        QCOMPARE(f.env->Get(QStringLiteral("ChartOpt")), QStringLiteral(",0,2,0,3,0,0,1,0,9,0,"));
        QVERIFY(!w->cmdSave->isEnabled());
        Pick(w->cboBack, QStringLiteral("B & W"));
        Pick(w->cboLow, QStringLiteral("Volatility Fast"));
        QueryFixture::SlideTo(w->Slider1, 14);
        Type(w->cboMove->lineEdit(), QStringLiteral("Triple"));
        QueryFixture::Click(w->cmdSave);
        QCOMPARE(f.env->Get(QStringLiteral("ChartOpt")), QStringLiteral(",2,2,0,3,12,-1,1,0,9,14,"));
        QVERIFY(w->isVisible());
        // Stepped through the daily positions: the daily list, its first entry.
        QCOMPARE(Query(), Chart(With("time", "20").replace("freq=9", "freq=").replace("style=1", "style=9").replace("lf=0", "lf=8192")));
    }

    // A value typed with digit groups is saved as the number the address
    // sends, so the stored fields keep their places: the slider comes back
    // where it was saved.
    void commaInTheValueSavedAsSent()
    {
        Open();
        TypeValue(QStringLiteral("1,500"));
        QCOMPARE(w->txtMaval->text(), QStringLiteral("1,500"));
        QueryFixture::SlideTo(w->Slider1, 14);
        QueryFixture::Click(w->cmdSave);
        QCOMPARE(f.env->Get(QStringLiteral("ChartOpt")), QStringLiteral(",0,2,0,3,0,0,1,0,1500,14,"));
        QueryFixture::Click(w->cmdCancel);
        QTRY_VERIFY(!w);
        Open();
        QCOMPARE(w->Slider1->value(), 14);
        QCOMPARE(w->txtMaval->text(), QStringLiteral("1500"));
        QCOMPARE(Query(), Chart(With("time", "20").replace("freq=9", "freq=").replace("maval=9", "maval=1500")));
    }

    // Save Option keeps the value as a 16-bit number: a comma that groups
    // no digits, or a number beyond 16 bits, is refused, not saved as
    // another number; a fraction is kept as the address sends it.
    void saveRefusesAValueItCannotKeep_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved"); // field 8; empty: refused
        QTest::newRow("decimal comma") << "1,5" << "";
        QTest::newRow("four digits after a comma") << "1,2345" << "";
        QTest::newRow("beyond 16 bits") << "40000" << "";
        QTest::newRow("fraction") << "2.5" << "2";
        QTest::newRow("negative") << "-7" << "-7";
    }
    void saveRefusesAValueItCannotKeep()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        const QString stored = QStringLiteral(",2,2,0,3,0,0,1,0,9,0,");
        f.env->Set(QStringLiteral("ChartOpt"), stored);
        Open();
        TypeValue(typed);
        QCOMPARE(w->txtMaval->text(), typed);
        QueryFixture::Click(w->cmdSave);
        if (!saved.isEmpty()) {
            QVERIFY(Dialogs::Log().isEmpty());
            QCOMPARE(f.env->Get(QStringLiteral("ChartOpt")), QStringLiteral(",2,2,0,3,0,0,1,0,%1,0,").arg(saved));
            return;
        }
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Please type a number from -32768 to 32767 in \"Value\"."));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Number out of range"));
        QCOMPARE(f.env->Get(QStringLiteral("ChartOpt")), stored);
        QVERIFY(w->txtMaval->hasFocus());
        QVERIFY(w->cmdSave->isEnabled());
    }

    void restore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("maval");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("path");
        QTest::newRow("two-digit fields")
            << ",2,3,0,3,12,1,2,0,20,14," << QStringList{"Candlestick", "B & W", "Large", "Volatility Fast", "SMA", "<None>", "Daily", "NASDAQ"}
            << "20" << 14
            << "/intchart/frames/chart.asp?symb=ABC&time=20&freq=&compidx=nasdaq:3291&comp=&uf=0&lf=8192&ma=1&maval=20"
               "&type=4&style=9&size=3&state=0&rand=881";
        QTest::newRow("a short text, a position beyond the list")
            << ",1,99," << QStringList{"", "Black Grids", "", "", "", "", "", ""} << "9" << 0
            << "/intchart/frames/chart.asp?symb=ABC&time=1&freq=&compidx=&comp=&uf=0&lf=0&ma=0&maval=9&type=0"
               "&style=3&size=0&state=0&rand=881";
        QTest::newRow("typed moving average, daily period")
            << ",0,2,1,3,0,-1,1,0,9,8," << QStringList{"OHLC", "Default", "Medium", "<None>", "", "<None>", "Weekly", "NASDAQ"}
            << "9" << 8 << With("time", "9").replace("freq=9", "freq=");
        QTest::newRow("intraday period, bad fields left alone")
            << ",0,x,3,3,0,0,1,0,70000,1,junk" << QStringList{"", "Default", "Medium", "<None>", "<None>", "<None>", "Hourly", "NASDAQ"}
            << "9" << 1 << With("time", "2").replace("freq=9", "freq=8").replace("type=2", "type=0");
        QTest::newRow("slider out of range") << ",0,2,0,3,0,0,1,0,9,15,"
                                             << QStringList{"OHLC", "Default", "Medium", "<None>", "<None>", "<None>", "1-Minute", "NASDAQ"}
                                             << "9" << 0 << kDefaults;
    }
    // The stored choices come back at opening, with Save disabled, and the
    // query sends the period the slider shows with its frequency list.
    void restore()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, shown);
        QFETCH(QString, maval);
        QFETCH(int, slider);
        QFETCH(QString, path);
        f.env->Set(QStringLiteral("ChartOpt"), stored);
        Open();
        QCOMPARE(Shown(), shown);
        QCOMPARE(w->txtMaval->text(), maval);
        QCOMPARE(w->Slider1->value(), slider);
        QVERIFY(!w->cmdSave->isEnabled());
        QCOMPARE(Query(), Chart(path));
    }

    // Reset puts the defaults back (the intraday list with the slider at 0)
    // and stores nothing; Save, Cancel and opening again restores.
    void resetAndReopen()
    {
        f.env->Set(QStringLiteral("ChartOpt"), QStringLiteral(",2,3,0,3,12,1,2,0,20,14,"));
        Open();
        QueryFixture::Click(w->cmdReset);
        QCOMPARE(Shown(), QStringList({"OHLC", "Default", "Medium", "<None>", "<None>", "<None>", "1-Minute", "NASDAQ"}));
        QCOMPARE(w->Slider1->value(), 0);
        QCOMPARE(w->txtMaval->text(), QStringLiteral("9"));
        QCOMPARE(f.env->Get(QStringLiteral("ChartOpt")), QStringLiteral(",2,3,0,3,12,1,2,0,20,14,"));
        QVERIFY(w->cmdSave->isEnabled());
        Pick(w->cboSize, QStringLiteral("Small"));
        QueryFixture::Click(w->cmdSave);
        Shell::Reset();
        QueryFixture::Click(w->cmdCancel);
        QTRY_VERIFY(!w);
        QVERIFY(Shell::Opened().isEmpty());
        Open();
        QCOMPARE(w->cboSize->currentText(), QStringLiteral("Small"));
        QVERIFY(!w->cmdSave->isEnabled());
        QCOMPARE(Query(), Chart(With("size", "1")));
    }

    // Offline: nothing opens, and Query still closes the dialog.
    void offlineStillCloses()
    {
        Open();
        f.GoOffline();
        QCOMPARE(Query(), QString());
        QCOMPARE(Dialogs::Log().size(), 1);
    }

    // One window: a second opening brings up the same one as it stands.
    void oneWindow()
    {
        Open();
        Pick(w->cboUp, QStringLiteral("A/D Line"));
        QCOMPARE(BigChart::Load(), w.data());
        QCOMPARE(w->cboUp->currentText(), QStringLiteral("A/D Line"));
        QTest::keyClick(w->cboUp, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!w);
        QVERIFY(Shell::Opened().isEmpty());
    }
};

TW_TEST(tst_chartdialog)
#include "tst_chartdialog.moc"
