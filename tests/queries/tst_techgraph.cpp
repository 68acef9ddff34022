// The technical-graph dialog: indicators, their boxes and check boxes, and
// the time span become the technical-graph address.
#include "QueryFixture.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "queries/TechGraph.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using tw::test::QueryFixture;

class tst_techgraph : public QObject {
    Q_OBJECT
    QueryFixture f;
    QPointer<TechGraph> w;

    void Open()
    {
        w = TechGraph::Load();
        QVERIFY(QueryFixture::Show(w));
    }
    QString Query() { return QueryFixture::QueryAndClose(w); }
    static QString Tech(const QString &path) { return QueryFixture::Url("TechGraphHost", path); }
    static QString Clause(const QString &clause, int span = 1)
    {
        return Tech(QStringLiteral("/wsc/Technical.html?ind=s,") + clause + QStringLiteral("&Timespan=%1").arg(span));
    }
    // What the dialog shows: visible boxes as "label=text", visible check
    // boxes as "caption:0/1".
    QStringList Shown() const
    {
        QStringList shown;
        for (int n = 0; n < 3; ++n)
            if (w->D[n]->isVisible())
                shown << w->lbl[n]->text() + u'=' + w->D[n]->text();
        for (int n = 0; n < 3; ++n)
            if (w->chk[n]->isVisible())
                shown << w->chk[n]->text() + (w->chk[n]->isChecked() ? QStringLiteral(":1") : QStringLiteral(":0"));
        return shown;
    }

private Q_SLOTS:
    void init()
    {
        f.Init();
        CurrentSymbol = "abc";
    }
    void cleanup()
    {
        delete TechGraph::Loaded();
        f.Cleanup();
    }

    void opens()
    {
        Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Technical Graph Explorer"));
        QVERIFY(w->optGraph[0]->isChecked());
        QCOMPARE(Shown(), QStringList({"Legth=30"}));
        QCOMPARE(w->Slider1->value(), 0);
        QCOMPARE(w->lblTime[10]->text(), QStringLiteral("Max"));
        // Before any slider move the span is the first position's.
        QCOMPARE(Query(), Clause("216,30,0,0,0&TESelect=216&Symbol=ABC"));
    }

    void indicators_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("clause");
        QTest::newRow("CCI") << 1 << QStringList{"Legth=18"} << "200,18,0,0,0&TESelect=200&Symbol=ABC";
        QTest::newRow("Insider Trading") << 2 << QStringList{"Buys:1", "Sells:1", "Option:0"}
                                         << "103,1,1,0,0&TESelect=103&Symbol=ABC&Oval1=1&Oval2=1&Oval3=0";
        QTest::newRow("MACD") << 3 << QStringList{"1st. MA=28", "2nd. MA=13", "3rd. MA=4"}
                              << "204,28,13,4,0&TESelect=204&nocache=85874&PH=2&Symbol=ABC";
        QTest::newRow("Momentum") << 4 << QStringList{"Stk MA=21", "Distance=22", "Mom MA=7"}
                                  << "206,21,22,7,0&TESelect=206&nocache=85922&PH=2&Symbol=ABC";
        QTest::newRow("Moving Average") << 5 << QStringList{"Lengh=21", "Standard:1", "Exponential:0"} << "";
        QTest::newRow("NegativeVolume Index") << 6 << QStringList() << "161,0,0,0,0&TESelect=161&Symbol=ABC";
        QTest::newRow("On Balance Volume") << 7 << QStringList() << "160,0,0,0,d&TESelect=160&Symbol=ABC";
        QTest::newRow("Positive Volume Index") << 8 << QStringList() << "162,0,0,0,0&TESelect=162&Symbol=ABC";
        QTest::newRow("Stochastics") << 9 << QStringList{"Lengh=16", "1st. MA=11", "2st. MA=0"}
                                     << "210,16,11,0,0&TESelect=210&Symbol=ABC";
        QTest::newRow("Wilder RSI, no checks shown yet") << 10 << QStringList{"Lengh=14", "MA=2"}
                                                         << "213,0,0,0,0&TESelect=213&Symbol=ABC&Oval1=0&Oval2=0";
    }
    void indicators()
    {
        QFETCH(int, option);
        QFETCH(QStringList, shown);
        QFETCH(QString, clause);
        Open();
        QueryFixture::Click(w->optGraph[option]);
        QVERIFY(w->optGraph[option]->isChecked());
        QCOMPARE(Shown(), shown);
        QCOMPARE(Query(), Clause(clause));
    }

    // "Wilder RSI" sends the hidden check boxes as the last indicator left
    // them; a box the user unticked stays unticked.
    void wilderTakesHiddenChecks_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("untick");
        QTest::addColumn<QString>("tail");
        QTest::newRow("after Insider Trading") << 2 << -1 << "&Oval1=1&Oval2=1";
        QTest::newRow("after Moving Average") << 5 << -1 << "&Oval1=1&Oval2=0";
        QTest::newRow("after Sells unticked") << 2 << 1 << "&Oval1=1&Oval2=0";
    }
    void wilderTakesHiddenChecks()
    {
        QFETCH(int, before);
        QFETCH(int, untick);
        QFETCH(QString, tail);
        Open();
        QueryFixture::Click(w->optGraph[before]);
        if (untick >= 0)
            QueryFixture::Click(w->chk[untick]);
        QueryFixture::Click(w->optGraph[10]);
        QCOMPARE(Query(), Clause("213,0,0,0,0&TESelect=213&Symbol=ABC" + tail));
    }

    // Choosing an indicator puts its boxes back to their defaults; what the
    // user typed goes into the address encoded, an empty box as nothing.
    void typedBoxes()
    {
        Open();
        QLineEdit *box = w->D[0];
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("50"));
        QueryFixture::Click(w->optGraph[1]);
        QueryFixture::Click(w->optGraph[0]);
        QCOMPARE(box->text(), QStringLiteral("30"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(Query(), Clause("216,,0,0,0&TESelect=216&Symbol=ABC"));
    }
    void typedBoxesEncoded_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("number") << "12.5" << "12.5";
        QTest::newRow("ampersand and blank") << "1&x=2 3" << "1%26x%3D2%203";
    }
    void typedBoxesEncoded()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        Open();
        QueryFixture::Click(w->optGraph[9]);
        QLineEdit *box = w->D[1];
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, typed);
        QCOMPARE(Query(), Clause("210,16," + sent + ",0,0&TESelect=210&Symbol=ABC"));
    }

    void timespan_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<int>("span");
        QTest::newRow("Day") << QList<int>{Qt::Key_Right, Qt::Key_Left} << "Day" << 1;
        QTest::newRow("2 Days") << QList<int>{Qt::Key_Right} << "2 Dayes" << 2;
        QTest::newRow("Month") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << "Month" << 21;
        QTest::newRow("6 Month") << QList<int>{Qt::Key_PageUp} << "6 Month" << 130;
        QTest::newRow("Year") << QList<int>{Qt::Key_PageUp, Qt::Key_Right} << "Year" << 260;
        QTest::newRow("Max") << QList<int>{Qt::Key_End} << "Max" << 99999;
    }
    void timespan()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, tip);
        QFETCH(int, span);
        Open();
        w->Slider1->setFocus();
        for (int key : keys)
            QTest::keyClick(w->Slider1, Qt::Key(key));
        QCOMPARE(w->Slider1->toolTip(), tip);
        QCOMPARE(Query(), Clause("216,30,0,0,0&TESelect=216&Symbol=ABC", span));
    }

    // Each opening starts again: the first indicator, its defaults, the
    // span of "Day" whatever the last opening chose.
    void reopenStartsAgain()
    {
        Open();
        QueryFixture::Click(w->optGraph[3]);
        w->Slider1->setFocus();
        QTest::keyClick(w->Slider1, Qt::Key_End);
        QCOMPARE(TechGraph::Load(), w.data());
        QVERIFY(w->optGraph[3]->isChecked());
        Shell::Reset();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!w);
        QVERIFY(Shell::Opened().isEmpty());
        Open();
        QVERIFY(w->optGraph[0]->isChecked());
        QCOMPARE(Shown(), QStringList({"Legth=30"}));
        QCOMPARE(Query(), Clause("216,30,0,0,0&TESelect=216&Symbol=ABC"));
    }

    // Offline: nothing opens, and Query still closes the dialog.
    void offlineStillCloses()
    {
        Open();
        f.GoOffline();
        QCOMPARE(Query(), QString());
        QCOMPARE(Dialogs::Log().size(), 1);
    }
};

TW_TEST(tst_techgraph)
#include "tst_techgraph.moc"
