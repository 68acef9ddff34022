#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "shell/MainFixture.h"

#include <QApplication>
#include <QFrame>
#include <QTest>
#include <QTimer>

using tw::test::MainFixture;
using RunCall = frmMain::RunCall;

class tst_commandbar : public QObject {
    Q_OBJECT
    MainFixture f;

    QLabel *Item(int i) const { return f.Label(QStringLiteral("Panel1_%1").arg(i)); }
    QLabel *Button(int i) const { return f.Label(QStringLiteral("Picture1_%1").arg(i)); }
    static bool Pressed(const QLabel *l)
    {
        return l->palette().color(QPalette::Window) == QColor(0, 255, 0)
            && l->palette().color(QPalette::WindowText) == QColor(Qt::black);
    }
    static bool Plain(const QLabel *l)
    {
        return l->palette().color(QPalette::Window) == QColor(Qt::black)
            && l->palette().color(QPalette::WindowText) == QColor(Qt::white);
    }
    static QPoint Middle(const QWidget *w) { return w->rect().center(); }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f.main));
    }
    void cleanup() { f.Stop(); }

    // Popups open with their top-left corner at the command's place (twips
    // of the window).
    void popupPlaces_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("Start") << "Panel1_0" << "mnuStarts" << QPointF(0, 6090);
        QTest::newRow("Groups") << "Panel1_1" << "mnuSets" << QPointF(1200, 6090);
        QTest::newRow("Reports") << "Panel1_5" << "mnuReports" << QPointF(5520, 6090);
        QTest::newRow("Ticker") << "Picture1_1" << "mnuTickers" << QPointF(8060, 670);
    }
    void popupPlaces()
    {
        QFETCH(QString, command);
        QFETCH(QString, menu);
        QFETCH(QPointF, at);
        const int index = command.section(u'_', 1).toInt();
        if (command.startsWith(QStringLiteral("Panel1")))
            f.main->Panel1_Click(index);
        else
            f.main->Picture1_Click(index);
        QCOMPARE(f.PopupNames(), QStringList{menu});
        QCOMPARE(f.popups[0].second, at);
    }

    void commandsWithoutPopup()
    {
        f.main->Panel1_Click(2);
        QCOMPARE(f.runs, QList<RunCall>{RunCall::Fast});
        f.main->Panel1_Click(6);
        f.main->Panel1_Click(7);
        QVERIFY(f.popups.isEmpty());
        QCOMPARE(f.runs.size(), 1);
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void summaryNeedsStock()
    {
        f.main->Panel1_Click(4);
        QCOMPARE(Dialogs::Log().size(), 1);
        const Dialogs::Shown &box = Dialogs::Log().first();
        QCOMPARE(box.text, QStringLiteral("You have to select stock first.\r\n"
                                          "(Select one of the symbols in the upper tree, under the first item.)"));
        QCOMPARE(box.title, QStringLiteral("Unselected Stock"));
        QCOMPARE(box.flags, int(Dialogs::vbInformation));
        QVERIFY(f.modals.isEmpty());

        CurrentSymbol = "IBM";
        f.main->Panel1_Click(4);
        QCOMPARE(Dialogs::Log().size(), 1);
    }

    void updateButtonStartsOrStops()
    {
        f.main->Picture1_Click(0);
        f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        f.main->Picture1_Click(0);
        QCOMPARE(f.runs, (QList<RunCall>{RunCall::Run, RunCall::Stop}));
    }

    // A press turns a command green with black text, a release sets every
    // command back; the right button, the status line and the task counter
    // never turn green.
    void pressedLook_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("green");
        QTest::newRow("Fast Update, left") << 2 << Qt::LeftButton << true;
        QTest::newRow("Reports, middle") << 5 << Qt::MiddleButton << true;
        QTest::newRow("Adviser, right") << 3 << Qt::RightButton << false;
        QTest::newRow("status line") << 6 << Qt::LeftButton << false;
        QTest::newRow("task counter") << 7 << Qt::LeftButton << false;
    }
    void pressedLook()
    {
        QFETCH(int, item);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, green);
        QLabel *l = Item(item);
        QTest::mousePress(l, button, Qt::NoModifier, Middle(l));
        QCOMPARE(Pressed(l), green);
        QCOMPARE(Plain(l), !green);
        // Move off before the release so no click runs.
        QTest::mouseRelease(l, button, Qt::NoModifier, QPoint(-5, -5));
        for (int i = 0; i < 8; ++i)
            QVERIFY(Plain(Item(i)));
        QVERIFY(!f.main->Rect->isVisible());
    }

    void hoverRectangle()
    {
        QTest::mouseMove(Item(3), Middle(Item(3)));
        QTRY_VERIFY(f.main->Rect->isVisible());
        QCOMPARE(Geometry::Left(f.main->Rect), Geometry::Left(Item(3)));
        QCOMPARE(Geometry::Width(f.main->Rect), Geometry::Width(Item(3)));
        // The status line gets no rectangle.
        QTest::mouseMove(Item(6), Middle(Item(6)));
        QTest::qWait(20);
        QCOMPARE(Geometry::Left(f.main->Rect), Geometry::Left(Item(3)));
    }

    // One click on "Groups" opens the set menu; a double click opens the
    // set editor instead of leaving the menu in the way of its second click.
    void groupsClickAndDoubleClick()
    {
        QLabel *groups = Item(1);
        QTest::mouseClick(groups, Qt::LeftButton, Qt::NoModifier, Middle(groups));
        QVERIFY(f.popups.isEmpty()); // waits to see whether a second click comes
        QTRY_COMPARE(f.PopupNames(), QStringList{QStringLiteral("mnuSets")});

        f.popups.clear();
        QTest::mouseClick(groups, Qt::LeftButton, Qt::NoModifier, Middle(groups));
        QTest::mouseDClick(groups, Qt::LeftButton, Qt::NoModifier, Middle(groups));
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(f.popups.isEmpty());
    }

    void buttonFaces()
    {
        for (int i = 0; i < 7; ++i)
            QVERIFY(MainFixture::Shows(Button(i), "B1"));
        f.main->Picture1_MouseDown(2, 1, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(2), "B2"));
        f.main->Picture1_MouseUp(2, 1, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(2), "B1"));

        f.main->Picture1_MouseMove(3, 0, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(3), "B3"));
        QVERIFY(f.main->ButtonHover);
        // Onto another button without crossing the frame: nothing changes.
        f.main->Picture1_MouseMove(4, 0, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(4), "B1"));
        QVERIFY(MainFixture::Shows(Button(3), "B3"));
        f.main->frmButtom_MouseMove(0, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(3), "B1"));
        QVERIFY(!f.main->ButtonHover);
    }

    // During a run the Update button keeps its busy face on hover and on
    // leaving, but a press and release still show on it.
    void busyUpdateButton_data()
    {
        QTest::addColumn<bool>("overWindow"); // leave over the window or the frame
        QTest::newRow("frame") << false;
        QTest::newRow("window") << true;
    }
    void busyUpdateButton()
    {
        QFETCH(bool, overWindow);
        f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        Button(0)->setPixmap(Artwork::Picture(QStringLiteral("B4")));
        f.main->Picture1_MouseMove(0, 0, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(0), "B4"));
        QVERIFY(!f.main->ButtonHover);

        f.main->Picture1_MouseMove(5, 0, 0, 0, 0);
        f.main->TmrNav->start();
        if (overWindow)
            f.main->Form_MouseMove(0, 0, 0, 0);
        else
            f.main->frmButtom_MouseMove(0, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(0), "B4"));
        QVERIFY(MainFixture::Shows(Button(5), "B1"));
        QVERIFY(!f.main->TmrNav->isActive());

        f.main->Picture1_MouseDown(0, 1, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(0), "B2"));
        f.main->Picture1_MouseUp(0, 1, 0, 0, 0);
        QVERIFY(MainFixture::Shows(Button(0), "B1"));
    }

    // While a run walks the open set, "Groups" and the "Stocks" button are
    // disabled: a press shows nothing, a click or double click opens
    // nothing, and the editor's direct callers are turned away too.
    void disabledDuringARun()
    {
        f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        QLabel *groups = Item(1);
        QLabel *stocks = Button(4);
        groups->setEnabled(false);
        stocks->setEnabled(false);
        auto editors = [] {
            int n = 0;
            for (QWidget *w : QApplication::topLevelWidgets())
                n += w->inherits("StkSet") && w->isVisible();
            return n;
        };

        QTest::mousePress(stocks, Qt::LeftButton, Qt::NoModifier, Middle(stocks));
        QVERIFY(MainFixture::Shows(stocks, "B1"));
        QTest::mouseRelease(stocks, Qt::LeftButton, Qt::NoModifier, Middle(stocks));
        QTest::mousePress(groups, Qt::LeftButton, Qt::NoModifier, Middle(groups));
        QVERIFY(Plain(groups));
        QTest::mouseRelease(groups, Qt::LeftButton, Qt::NoModifier, Middle(groups));
        QTest::mouseDClick(groups, Qt::LeftButton, Qt::NoModifier, Middle(groups));
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(f.popups.isEmpty());
        QCOMPARE(editors(), 0);

        f.main->Picture1_Click(4);
        QCOMPARE(editors(), 0);
    }

    // A real click on a picture button runs its command after the release.
    void pictureButtonClick()
    {
        QTest::mouseClick(Button(1), Qt::LeftButton, Qt::NoModifier, Middle(Button(1)));
        QCOMPARE(f.PopupNames(), QStringList{QStringLiteral("mnuTickers")});
        QVERIFY(MainFixture::Shows(Button(1), "B1"));
    }
};

TW_TEST(tst_commandbar)
#include "tst_commandbar.moc"
