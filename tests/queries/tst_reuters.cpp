// The headlines dialog, opened from a stock's "Reuters - MoneyNet" leaf and
// driven with the keyboard and the mouse: its dates, its box rules and the
// address its query opens.
#include "../navtree/TreeFixture.h"
#include "collect/UpdateJobs.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "platform/Shell.h"
#include "queries/Reuters.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tw::test;

using Edits = QList<QPair<QString, QString>>; // box name, text typed in place of its own
Q_DECLARE_METATYPE(Edits)

namespace {
QString Headlines(const QString &query)
{
    return Hosts::Url(QStringLiteral("HeadlineHost"), QStringLiteral("/content/MONEYNET/News/NewsHeadlines.asp?FLUSH=Y&")
                                                          + query);
}
} // namespace

class tst_reuters : public QObject {
    Q_OBJECT
    TreeFixture f;

    // Clicks the leaf under the stock in slot 0 and returns the dialog shown.
    Reuters *Open(const QByteArray &symbol, const QString &key = QStringLiteral("RM0"))
    {
        CurrentSymbol = symbol;
        f.ClickOnScreen(key);
        Reuters *d = Reuters::Loaded();
        if (d && QTest::qWaitForWindowActive(d))
            return d;
        return nullptr;
    }

    static QLineEdit *Box(Reuters *d, const QString &name) { return d->findChild<QLineEdit *>(name); }

    // Typed over the box's text, then left with Tab.
    static void Type(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
        QTRY_VERIFY(!box->hasFocus());
    }

    // Picks a length with the arrow keys, each step a choice of its own.
    static void Choose(Reuters *d, const QList<Qt::Key> &keys)
    {
        d->cboLength->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(d->cboLength->hasFocus());
        for (Qt::Key k : keys)
            QTest::keyClick(d->cboLength, k);
    }

    static QStringList Dates(Reuters *d)
    {
        return {d->txtFromDay->text(), d->txtFromMonth->text(), d->txt_ToDay->text(), d->txt_ToMonth->text()};
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.StartTechShown());
        UpdateJobs::SetClock([] { return QDate(2026, 3, 15); });
    }
    void cleanup()
    {
        UpdateJobs::SetClock(nullptr);
        f.Stop();
        QVERIFY(!Reuters::Loaded());
    }

    // The leaf fills Stock 1 and the dates from today and opens nothing; a
    // second click, also under another stock, replaces Stock 1 alone.
    void openFromLeaf()
    {
        Reuters *d = Open("msft");
        QVERIFY(d);
        QVERIFY(d->isVisible());
        QCOMPARE(d->parentWidget(), f.main);
        QVERIFY(!(d->windowFlags() & Qt::WindowTitleHint));
        QCOMPARE(d->findChild<QLabel *>(QStringLiteral("lblStock_0"))->text(), QStringLiteral("Stock 1:"));
        QCOMPARE(Box(d, QStringLiteral("txtSymbol_0"))->text(), QStringLiteral("MSFT"));
        for (int i = 1; i < 5; ++i)
            QVERIFY(Box(d, QStringLiteral("txtSymbol_%1").arg(i))->text().isEmpty());
        auto *length = d->findChild<QComboBox *>(QStringLiteral("cboLength"));
        QCOMPARE(length->count(), 3);
        QCOMPARE(length->itemText(2), QStringLiteral("30 Dayes"));
        QCOMPARE(length->currentText(), QStringLiteral("7 Days"));
        QCOMPARE(Dates(d), (QStringList{"8", "03", "15", "03"}));
        QVERIFY(Shell::Opened().isEmpty());
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(!QApplication::overrideCursor());

        Type(d->txt_ToDay, QStringLiteral("12"));
        Type(d->txtSymbol[1], QStringLiteral("GE"));
        UpdateJobs::SetClock([] { return QDate(2026, 4, 20); });
        QCOMPARE(Open("ibm", QStringLiteral("RM1")), d);
        QCOMPARE(d->txtSymbol[0]->text(), QStringLiteral("IBM"));
        QCOMPARE(d->txtSymbol[1]->text(), QStringLiteral("GE"));
        QCOMPARE(Dates(d), (QStringList{"8", "03", "12", "03"}));
        QCOMPARE(f.main->findChildren<Reuters *>().size(), 1);
        QVERIFY(Shell::Opened().isEmpty());
    }

    void query_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QList<Qt::Key>>("length"); // arrow keys on the length list
        QTest::addColumn<QString>("query");
        const QDate mid(2026, 3, 15);
        const QString dates = QStringLiteral("&time=range&month_from=03&day_from=8&month_to=03&day_to=15");
        QTest::newRow("short symbols left out, left boxes upper-cased")
            << mid << Edits{{"txtSymbol_1", "ibm"}, {"txtSymbol_2", "GE"}, {"txtSymbol_3", "AAPL"}} << QList<Qt::Key>{}
            << "symbol=MSFT+IBM+AAPL&prev_symbol=&length=7" + dates;
        QTest::newRow("empty first box")
            << mid << Edits{{"txtSymbol_0", ""}, {"txtSymbol_4", "ibm"}} << QList<Qt::Key>{}
            << "symbol=+IBM&prev_symbol=&length=7" + dates;
        QTest::newRow("one letter in the first box")
            << mid << Edits{{"txtSymbol_0", "f"}, {"txtSymbol_1", "x"}} << QList<Qt::Key>{}
            << "symbol=F&prev_symbol=&length=7" + dates;
        QTest::newRow("typed plus and blank encoded")
            << mid << Edits{{"txtSymbol_1", "a+b c"}} << QList<Qt::Key>{}
            << "symbol=MSFT+A%2BB%20C&prev_symbol=&length=7" + dates;
        QTest::newRow("24 hours") << mid << Edits{} << QList<Qt::Key>{Qt::Key_Up}
                                  << "symbol=MSFT&prev_symbol=&length=24&time=range&month_from=03&day_from=14"
                                     "&month_to=03&day_to=15";
        QTest::newRow("30 days") << mid << Edits{} << QList<Qt::Key>{Qt::Key_Down}
                                 << "symbol=MSFT&prev_symbol=&length=30&time=range&month_from=02&day_from=08"
                                    "&month_to=03&day_to=15";
        QTest::newRow("empty boxes from today")
            << mid
            << Edits{{"txtFromDay", ""}, {"txtFromMonth", ""}, {"txt_ToDay", ""}, {"txt_ToMonth", ""}}
            << QList<Qt::Key>{} << "symbol=MSFT&prev_symbol=&length=7" + dates;
        QTest::newRow("empty from-day near a month's start: the day a week back and its month")
            << QDate(2026, 3, 3) << Edits{{"txtFromDay", ""}, {"txtFromMonth", "03"}} << QList<Qt::Key>{}
            << "symbol=MSFT&prev_symbol=&length=7&time=range&month_from=02&day_from=24&month_to=03&day_to=03";
        QTest::newRow("typed dates") << mid << Edits{{"txtFromDay", "1"}, {"txtFromMonth", "2"}, {"txt_ToDay", "7"}}
                                     << QList<Qt::Key>{}
                                     << "symbol=MSFT&prev_symbol=&length=7&time=range&month_from=02&day_from=01"
                                        "&month_to=03&day_to=07";
    }
    void query()
    {
        QFETCH(QDate, today);
        QFETCH(Edits, edits);
        QFETCH(QList<Qt::Key>, length);
        QFETCH(QString, query);
        UpdateJobs::SetClock([today] { return today; });
        const QPointer<Reuters> d = Open("msft");
        QVERIFY(d);
        for (const auto &[name, text] : edits)
            Type(Box(d, name), text);
        if (!length.isEmpty())
            Choose(d, length);
        QTest::mouseClick(d->cmdQuery, Qt::LeftButton);
        QCOMPARE(Shell::Opened(), QStringList{Headlines(query)});
        QVERIFY(Dialogs::Log().isEmpty());
        QTRY_VERIFY(!d);
        QVERIFY(!Reuters::Loaded());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The from-date each length gives, and the length sent.
    void lengthRule_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QStringList>("dates"); // from-day, from-month, to-day, to-month
        QTest::addColumn<int>("length");
        const QDate mid(2026, 3, 15);
        const QList<Qt::Key> hours{Qt::Key_Up}, days30{Qt::Key_Down}, week{Qt::Key_Up, Qt::Key_Down};
        QTest::newRow("24 hours") << mid << Edits{} << hours << QStringList{"14", "03", "15", "03"} << 24;
        QTest::newRow("24 hours, to-day 10") << mid << Edits{{"txt_ToDay", "10"}} << hours
                                             << QStringList{"09", "03", "10", "03"} << 24;
        QTest::newRow("24 hours, empty to-boxes read today") << mid << Edits{{"txt_ToDay", ""}, {"txt_ToMonth", ""}}
                                                             << hours << QStringList{"14", "03", "", ""} << 24;
        QTest::newRow("24 hours from the 1st: the month before's last day")
            << QDate(2026, 3, 3) << Edits{{"txt_ToDay", "01"}} << hours << QStringList{"28", "02", "01", "03"} << 24;
        QTest::newRow("24 hours from the 1st, leap year")
            << QDate(2028, 3, 3) << Edits{{"txt_ToDay", "01"}} << hours << QStringList{"29", "02", "01", "03"} << 24;
        QTest::newRow("24 hours from New Year's day") << mid << Edits{{"txt_ToDay", "1"}, {"txt_ToMonth", "1"}}
                                                      << hours << QStringList{"31", "12", "01", "01"} << 24;
        QTest::newRow("24 hours, to-day no number") << mid << Edits{{"txt_ToDay", "x"}} << hours
                                                    << QStringList{"14", "03", "", "03"} << 24;
        QTest::newRow("30 days, January") << mid << Edits{{"txt_ToMonth", "01"}} << days30
                                          << QStringList{"08", "12", "15", "01"} << 30;
        QTest::newRow("30 days, November") << mid << Edits{{"txt_ToMonth", "11"}} << days30
                                           << QStringList{"08", "10", "15", "11"} << 30;
        QTest::newRow("30 days, a day February lacks") << mid << Edits{{"txtFromDay", "31"}} << days30
                                                       << QStringList{"28", "02", "15", "03"} << 30;
        QTest::newRow("30 days, a day April lacks") << mid << Edits{{"txtFromDay", "31"}, {"txt_ToMonth", "5"}}
                                                    << days30 << QStringList{"30", "04", "15", "05"} << 30;
        QTest::newRow("30 days, a day April has") << mid << Edits{{"txtFromDay", "30"}, {"txt_ToMonth", "5"}}
                                                  << days30 << QStringList{"30", "04", "15", "05"} << 30;
        QTest::newRow("7 days mid-month") << mid << Edits{{"txtFromMonth", "01"}} << week
                                          << QStringList{"08", "03", "15", "03"} << 7;
        QTest::newRow("7 days keeps the from-month") << QDate(2026, 3, 20) << Edits{{"txt_ToMonth", "07"}} << week
                                                     << QStringList{"13", "07", "20", "07"} << 7;
        QTest::newRow("7 days near the month's start") << QDate(2026, 3, 3) << Edits{} << week
                                                       << QStringList{"24", "02", "03", "03"} << 7;
        QTest::newRow("7 days on New Year's week") << QDate(2026, 1, 7) << Edits{{"txtFromMonth", "05"}} << week
                                                   << QStringList{"31", "12", "07", "01"} << 7;
    }
    void lengthRule()
    {
        QFETCH(QDate, today);
        QFETCH(Edits, edits);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QStringList, dates);
        QFETCH(int, length);
        UpdateJobs::SetClock([today] { return today; });
        Reuters *d = Open("msft");
        QVERIFY(d);
        for (const auto &[name, text] : edits)
            Type(Box(d, name), text);
        Choose(d, keys);
        QCOMPARE(Dates(d), dates);
        QCOMPARE(int(d->HeadlineLength), length);
        QVERIFY(Shell::Opened().isEmpty());
    }

    // Texts the boxes hold only until they are left, and months out of range.
    void lengthRuleTexts_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("boxes"); // from-day, from-month, to-day, to-month
        QTest::addColumn<QStringList>("from");
        QTest::newRow("30 days, to-month 1") << 30 << QStringList{"31", "05", "15", "1"} << QStringList{"31", "12"};
        QTest::newRow("30 days, to-month 13") << 30 << QStringList{"9", "05", "15", "13"} << QStringList{"09", "12"};
        QTest::newRow("30 days, to-month 00") << 30 << QStringList{"31", "05", "15", "00"} << QStringList{"31", "-1"};
        QTest::newRow("24 hours, to-day 1 is the 1st") << 24 << QStringList{"", "", "1", "03"} << QStringList{"28", "02"};
        QTest::newRow("24 hours from the 1st of month 00") << 24 << QStringList{"9", "05", "01", "00"}
                                                           << QStringList{"09", "05"};
    }
    void lengthRuleTexts()
    {
        QFETCH(int, length);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, from);
        const Reuters::FromDate d = Reuters::LengthRule(length, boxes[0], boxes[1], boxes[2], boxes[3], QDate(2026, 3, 15));
        QCOMPARE((QStringList{d.day, d.month}), from);
    }

    void openNearMonthStart()
    {
        UpdateJobs::SetClock([] { return QDate(2026, 3, 3); });
        Reuters *d = Open("msft");
        QVERIFY(d);
        QCOMPARE(Dates(d), (QStringList{"24", "02", "03", "03"}));
        // The 8th is past the month's start: the day alone, as a plain number.
        Type(d->txtSymbol[0], QString());
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
        QTRY_VERIFY(!Reuters::Loaded());
        UpdateJobs::SetClock([] { return QDate(2026, 3, 8); });
        d = Open("msft");
        QVERIFY(d);
        QCOMPARE(Dates(d), (QStringList{"1", "03", "08", "03"}));
    }

    // What a box does with a text while it is typed and when it is left.
    void boxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("typing"); // the text before leaving
        QTest::addColumn<QString>("left");
        QTest::newRow("letter in a month box") << "txtFromMonth" << "x" << "" << "";
        QTest::newRow("letter after a digit in a month box") << "txt_ToMonth" << "1x" << "" << "";
        QTest::newRow("one digit month") << "txtFromMonth" << "3" << "3" << "03";
        QTest::newRow("letter in a day box") << "txtFromDay" << "a" << "a" << "";
        QTest::newRow("one digit day") << "txt_ToDay" << "5" << "5" << "05";
        QTest::newRow("two digits at most") << "txtFromDay" << "123" << "12" << "12";
        QTest::newRow("symbol") << "txtSymbol_2" << "brk.b" << "brk.b" << "BRK.B";
    }
    void boxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, typing);
        QFETCH(QString, left);
        Reuters *d = Open("msft");
        QVERIFY(d);
        const QStringList others = Dates(d);
        QLineEdit *edit = Box(d, box);
        edit->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typing);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTRY_VERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), left);
        // No other box is touched.
        const QList<QLineEdit *> dates{d->txtFromDay, d->txtFromMonth, d->txt_ToDay, d->txt_ToMonth};
        for (int i = 0; i < dates.size(); ++i)
            if (dates[i] != edit)
                QCOMPARE(dates[i]->text(), others[i]);
        QCOMPARE(d->txtSymbol[0]->text(), QStringLiteral("MSFT"));
    }

    // Cancel, Esc, Enter and a query without a connection all close the
    // dialog; only Enter opens a page.
    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Cancel") << "cancel" << false;
        QTest::newRow("Esc") << "esc" << false;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("Query, not connected") << "offline" << false;
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(bool, opens);
        const QPointer<Reuters> d = Open("msft");
        QVERIFY(d);
        d->txtSymbol[1]->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(d->txtSymbol[1]->hasFocus());
        if (how == QLatin1String("cancel")) {
            QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
        } else if (how == QLatin1String("esc")) {
            QTest::keyClick(d->txtSymbol[1], Qt::Key_Escape);
        } else if (how == QLatin1String("enter")) {
            QTest::keyClick(d->txtSymbol[1], Qt::Key_Return);
        } else {
            f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
            Ras::SetActive(0);
            QTest::mouseClick(d->cmdQuery, Qt::LeftButton);
            QCOMPARE(Dialogs::Log().size(), 1);
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Not Connected"));
        }
        QTRY_VERIFY(!d);
        QVERIFY(!Reuters::Loaded());
        QCOMPARE(Shell::Opened(), opens ? QStringList{Headlines(QStringLiteral(
                                              "symbol=MSFT&prev_symbol=&length=7&time=range&month_from=03&day_from=8"
                                              "&month_to=03&day_to=15"))}
                                        : QStringList{});
        // The next opening starts afresh.
        UpdateJobs::SetClock([] { return QDate(2026, 4, 20); });
        Reuters *again = Open("ge");
        QVERIFY(again);
        QCOMPARE(Dates(again), (QStringList{"13", "04", "20", "04"}));
        QVERIFY(again->txtSymbol[1]->text().isEmpty());
    }
};

TW_TEST(tst_reuters)
#include "tst_reuters.moc"
