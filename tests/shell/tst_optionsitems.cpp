// The update boxes of the Options window: group buttons, exchange columns,
// the check before saving, the hover look and their stored states.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/BoxValue.h"
#include "platform/Dialogs.h"
#include "shell/Options.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {
using Boxes = QList<int>;

QString UpdateName(int i) { return QStringLiteral("Update") + QString::number(i); }

Boxes Span(int from, int to)
{
    Boxes out;
    for (int i = from; i <= to; ++i)
        out << i;
    return out;
}

Boxes Ticked(Options *w)
{
    Boxes out;
    for (int i = 0; i < Options::UpdateItemCount; ++i) {
        if (Vb::BoxValue(w->chkUpdate[i]) == 1)
            out << i;
    }
    return out;
}

void SetAll(Options *w, int value)
{
    for (QCheckBox *box : w->chkUpdate)
        Vb::SetBoxValue(box, value);
}

void Hover(QWidget *w)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

QList<int> BlueBoxes(Options *w)
{
    QList<int> out;
    for (int i = 0; i < Options::UpdateItemCount; ++i) {
        const QColor c = w->chkUpdate[i]->palette().color(QPalette::WindowText);
        if (c == QColor(0, 0, 255))
            out << i;
        else if (c != QColor(0, 0, 0))
            out << -1000 - i; // neither black nor blue
    }
    return out;
}
} // namespace

class tst_optionsitems : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
    }
    void cleanup()
    {
        Options::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        env.reset();
    }

    void okNeedsOneTickedBox()
    {
        Options *w = Options::Instance();
        for (int b : {1, 3, 4, 6})
            w->cmdSelect[b]->click();
        QVERIFY(Ticked(w).isEmpty());
        w->cmd_OK->click();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("You have to select at least one option"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbOKOnly | Dialogs::vbInformation));
        QCOMPARE(Dialogs::Log()[0].title, QString()); // an empty title, not the program's name
        QCOMPARE(Ticked(w), Boxes{0});
        QCOMPARE(Options::Loaded(), w);
        for (int i = 0; i < Options::UpdateItemCount; ++i)
            QVERIFY(!env->Has(UpdateName(i)));
        QVERIFY(!env->Has(QStringLiteral("FrmNav")));
        QVERIFY(!env->Has(QStringLiteral("Fractions")));

        w->cmd_OK->click();
        QVERIFY(!Options::Loaded());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(env->Get(UpdateName(0)), QStringLiteral("1"));
        for (int i = 1; i < Options::UpdateItemCount; ++i)
            QCOMPARE(env->Get(UpdateName(i)), QStringLiteral("0"));
    }

    void groupButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("value");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<QString>("caption");
        const Boxes stocks = Span(0, 14) << 88;
        const Boxes daily = Span(15, 49) + Span(89, 97);
        const Boxes market = Span(50, 60) + Span(83, 87) << 98;
        const Boxes funds = Span(61, 82);
        QTest::newRow("stocks select") << 0 << 1 << stocks << "Select &All";
        QTest::newRow("stocks clear") << 1 << 0 << stocks << "C&lear All";
        QTest::newRow("daily select") << 2 << 1 << daily << "&Select All";
        QTest::newRow("daily clear") << 3 << 0 << daily << "C&lear All";
        QTest::newRow("market clear") << 4 << 0 << market << "C&lear All";
        QTest::newRow("market select") << 5 << 1 << market << "Select &All";
        QTest::newRow("funds clear") << 6 << 0 << funds << "C&lear All";
        QTest::newRow("funds select") << 7 << 1 << funds << "Select &All";
    }
    void groupButtons()
    {
        QFETCH(int, button);
        QFETCH(int, value);
        QFETCH(Boxes, boxes);
        QFETCH(QString, caption);
        Options *w = Options::Instance();
        QCOMPARE(w->cmdSelect[button]->text(), caption);
        // The button lives on the page of its boxes.
        QVERIFY(w->frm[0]->isAncestorOf(w->cmdSelect[button]) == (button == 2 || button == 3));
        SetAll(w, value ? 0 : 1);
        w->cmdSelect[button]->click();
        for (int i = 0; i < Options::UpdateItemCount; ++i) {
            const int expected = boxes.contains(i) ? value : 1 - value;
            QVERIFY2(Vb::BoxValue(w->chkUpdate[i]) == expected, qPrintable(UpdateName(i)));
        }
        QVERIFY(!env->Has(UpdateName(boxes.first())));
    }

    void groupsCoverEveryBoxOnce()
    {
        Options *w = Options::Instance();
        QList<int> seen(Options::UpdateItemCount, 0);
        for (int b : {1, 3, 4, 6}) {
            SetAll(w, 1);
            w->cmdSelect[b]->click();
            for (int i = 0; i < Options::UpdateItemCount; ++i)
                seen[i] += Vb::BoxValue(w->chkUpdate[i]) == 0;
        }
        QCOMPARE(seen, QList<int>(Options::UpdateItemCount, 1));
    }

    void exchangeColumns_data()
    {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Boxes>("column");
        QTest::newRow("AMEX") << 0 << "AMEX" << (Boxes{22, 25, 28, 31, 34, 37, 40, 43, 46, 49, 91, 94, 97});
        QTest::newRow("NYSE") << 1 << "NYSE" << (Boxes{21, 24, 27, 30, 33, 36, 39, 42, 45, 48, 90, 93, 96});
        QTest::newRow("NASDAQ") << 2 << "NASDAQ" << (Boxes{20, 23, 26, 29, 32, 35, 38, 41, 44, 47, 89, 92, 95});
    }
    void exchangeColumns()
    {
        QFETCH(int, label);
        QFETCH(QString, caption);
        QFETCH(Boxes, column);
        Options *w = Options::Instance();
        QCOMPARE(w->lblExc[label]->text(), caption);
        QCOMPARE(w->lblExc[label]->toolTip(), QStringLiteral("Click to select / unselect"));
        // The first click after loading ticks, whatever the boxes held.
        SetAll(w, 0);
        QTest::mouseClick(w->lblExc[label], Qt::LeftButton);
        QCOMPARE(Ticked(w), column);
        QCOMPARE(w->ExcFlag, int16_t(1));
        // The next click on any label clears: the flag is shared.
        SetAll(w, 1);
        const int other = (label + 1) % 3;
        w->lblExc_Click(other);
        Boxes cleared;
        for (int i = 0; i < Options::UpdateItemCount; ++i) {
            if (Vb::BoxValue(w->chkUpdate[i]) == 0)
                cleared << i;
        }
        QCOMPARE(cleared.size(), 13);
        QVERIFY(!cleared.contains(column.first()));
        // The grid row's caption stands on its AMEX box.
        QCOMPARE(w->chkUpdate[22]->text(), QStringLiteral("Largest % Gain In Price"));
        QVERIFY(w->chkUpdate[21]->text().isEmpty());
        QCOMPARE(w->chkUpdate[97]->text(), QStringLiteral("Most Active by Price Down"));
    }

    void nyseAfterLoadingTicksEvenTickedBoxes()
    {
        Options *w = Options::Instance();
        w->lblExc_Click(1);
        QCOMPARE(Ticked(w).size(), Options::UpdateItemCount);
        w->lblExc_Click(0);
        const Boxes amex{22, 25, 28, 31, 34, 37, 40, 43, 46, 49, 91, 94, 97};
        for (int i : amex)
            QCOMPARE(Vb::BoxValue(w->chkUpdate[i]), 0);
        QCOMPARE(Ticked(w).size(), Options::UpdateItemCount - 13);
    }

    void hoverLook()
    {
        Options *w = Options::Instance();
        w->lblNav_Click(1);
        QCOMPARE(BlueBoxes(w), QList<int>{});
        Hover(w->chkUpdate[12]);
        QCOMPARE(BlueBoxes(w), QList<int>{12});
        Hover(w->chkUpdate[13]);
        QCOMPARE(BlueBoxes(w), QList<int>{13});
        Hover(w->frm[1]);
        QCOMPARE(BlueBoxes(w), QList<int>{});
        // The exchange grid's own background keeps the highlight.
        w->lblNav_Click(0);
        Hover(w->chkUpdate[20]);
        Hover(w->fraExchange);
        QCOMPARE(BlueBoxes(w), QList<int>{20});
        Hover(w->frm[0]);
        QCOMPARE(BlueBoxes(w), QList<int>{});
    }

    // As the desktop delivers the pointer: over a box, then over the bare
    // page between the boxes, which clears the highlight as the frame does.
    void hoverLookWithTheRealPointer()
    {
        Options *w = Options::Instance();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->lblNav_Click(1);
        QCheckBox *box = w->chkUpdate[12];
        QTest::mouseMove(box, QPoint(4, box->height() / 2));
        QTRY_COMPARE(BlueBoxes(w), QList<int>{12});

        QWidget *page = box->parentWidget();
        QPoint bare(-1, -1);
        for (int y = page->height() - 2; y > 0 && bare.x() < 0; y -= 3)
            for (int x = 2; x < page->width() && bare.x() < 0; x += 3)
                if (!page->childAt(x, y))
                    bare = QPoint(x, y);
        QVERIFY(bare.x() >= 0);
        QTest::mouseMove(page, bare);
        QTRY_COMPARE(BlueBoxes(w), QList<int>{});
    }

    void cancelDropsUnsavedTicks()
    {
        env->Set(UpdateName(5), QStringLiteral("1"));
        Options *w = Options::Instance();
        QVERIFY(w->chkUpdate[5]->isChecked());
        QTest::mouseClick(w->chkUpdate[5], Qt::LeftButton);
        QVERIFY(!w->chkUpdate[5]->isChecked());
        w->cmd_cancel_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(env->Get(UpdateName(5)), QStringLiteral("1"));
        w = Options::Instance();
        QVERIFY(w->chkUpdate[5]->isChecked());
    }

    // Another window changes a box of the loaded window: it shows at once
    // and is stored only by OK.
    void liveBoxesAreWhatOthersRead()
    {
        Options *w = Options::Instance();
        Vb::SetBoxValue(Options::Instance()->chkUpdate[19], 0);
        QCOMPARE(Options::Loaded(), w);
        QVERIFY(!w->chkUpdate[19]->isChecked());
        QVERIFY(!env->Has(UpdateName(19)));
        w->cmd_OK_Click();
        QCOMPARE(env->Get(UpdateName(19)), QStringLiteral("0"));
    }

    // A stored 2 shows greyed, which the Update run does not count as
    // ticked; a click moves it to ticked, never back to grey.
    void greyedBoxFromAStoredTwo()
    {
        env->Set(UpdateName(4), QStringLiteral("2"));
        Options *w = Options::Instance();
        QCOMPARE(w->chkUpdate[4]->checkState(), Qt::PartiallyChecked);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[4]), 2);
        QTest::mouseClick(w->chkUpdate[4], Qt::LeftButton);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[4]), 1);
        QTest::mouseClick(w->chkUpdate[4], Qt::LeftButton);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[4]), 0);
        QTest::mouseClick(w->chkUpdate[4], Qt::LeftButton);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[4]), 1);
    }
};

TW_TEST(tst_optionsitems)
#include "tst_optionsitems.moc"
