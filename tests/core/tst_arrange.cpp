#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Arrange.h"
#include "platform/Geometry.h"
#include "platform/WindowList.h"
#include "shell/frmMain.h"

#include <QTest>
#include <memory>
#include <vector>

using tw::test::TestEnv;

class tst_arrange : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    std::vector<std::unique_ptr<QWidget>> windows;

    static constexpr double TickerTop = 4500;
    static constexpr double Start = 3000; // where every window is made

    QWidget *Window(const char *name, double width)
    {
        windows.push_back(std::make_unique<QWidget>());
        QWidget *w = windows.back().get();
        w->setObjectName(QString::fromLatin1(name));
        Geometry::Move(w, Start, Start, width, 500);
        return w;
    }
    // Where a figure in twips shows, whole pixels.
    static int Px(double twips) { return Twips::ToPixels(twips); }
    static double Shown(double twips) { return Twips::FromPixels(Px(twips)); }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        frmMain *m = frmMain::Instance();
        Geometry::SetTop(m->NewsTicker1, TickerTop);
    }
    void cleanup()
    {
        windows.clear();
        frmMain::Unload();
        env.reset();
    }

    // 36 strips of two widths, loaded one after another, the first one
    // calling. Each row of the slot table: its slots, whether Left follows
    // the window before, the window Top is measured from, and the offset.
    void slotTable_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("follows");
        QTest::addColumn<QString>("base"); // "ticker", "caller" or "" (not moved)
        QTest::addColumn<int>("offset");
        const QString ticker = QStringLiteral("ticker"), caller = QStringLiteral("caller");
        QTest::newRow("0") << 0 << 0 << false << ticker << 700;
        QTest::newRow("1-4") << 1 << 4 << true << ticker << 700;
        QTest::newRow("5") << 5 << 5 << false << ticker << 1150;
        QTest::newRow("6-9") << 6 << 9 << true << ticker << 1150;
        QTest::newRow("10") << 10 << 10 << false << ticker << 1600;
        QTest::newRow("11-14") << 11 << 14 << true << caller << 1600;
        QTest::newRow("15") << 15 << 15 << false << caller << 1350;
        QTest::newRow("16-19") << 16 << 19 << true << caller << 1350;
        QTest::newRow("20") << 20 << 20 << false << caller << 1800;
        QTest::newRow("21-24") << 21 << 24 << true << caller << 1800;
        QTest::newRow("25") << 25 << 25 << false << caller << 2250;
        QTest::newRow("26-29") << 26 << 29 << true << caller << 2250;
        QTest::newRow("30") << 30 << 30 << false << caller << 2700;
        QTest::newRow("31-34") << 31 << 34 << true << caller << 2700;
        QTest::newRow("35 on") << 35 << 37 << false << QString() << 0;
    }
    void slotTable()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, follows);
        QFETCH(QString, base);
        QFETCH(int, offset);
        QList<QWidget *> strips;
        QList<double> widths;
        for (int i = 0; i < 38; ++i) {
            widths << (i % 2 ? 2400 : 1800); // a Properties strip is wider
            strips << Window(i % 2 ? "Properties" : "Zoom", widths.last());
        }
        Misc::ArrangeWindows(strips[0]);

        const double callerTop = Shown(TickerTop + 700);
        for (int n = first; n <= last; ++n) {
            QWidget *w = strips[n];
            if (base.isEmpty()) {
                QCOMPARE(w->pos(), QPoint(Px(Start), Px(Start)));
                continue;
            }
            double left = 0;
            if (follows) {
                for (int p = n - n % 5; p < n; ++p)
                    left += widths[p];
            }
            const double top = (base == QLatin1String("ticker") ? TickerTop : callerTop) + offset;
            QCOMPARE(w->pos(), QPoint(Px(left), Px(top)));
        }
    }

    // Seen from the ticker's Top, with the caller in row 0: rows 3 to 6 lie
    // 2050, 2500, 2950 and 3400 below it, slots 11 to 14 2300 and slot 10
    // 1600 (within the pixel the caller's own Top is rounded to).
    void rowsBelowTicker()
    {
        QList<QWidget *> strips;
        for (int i = 0; i < 35; ++i)
            strips << Window("Zoom", 1800);
        Misc::ArrangeWindows(strips[0]);
        auto below = [&](int slot) { return Geometry::Top(strips[slot]) - TickerTop; };
        const int rows[7] = {700, 1150, 0, 2050, 2500, 2950, 3400};
        for (int row : {0, 1, 3, 4, 5, 6})
            QVERIFY2(qAbs(below(row * 5 + 4) - rows[row]) <= 15, qPrintable(QString::number(row)));
        QCOMPARE(below(10), Shown(TickerTop + 1600) - TickerTop);
        for (int slot = 11; slot <= 14; ++slot)
            QVERIFY(qAbs(below(slot) - 2300) <= 15);
    }

    // Only shrunken Zoom and Properties windows take slots; a strip's Left
    // follows whatever window was made just before it.
    void whichWindowsTakePart()
    {
        QWidget *a = Window("Zoom", 1800);
        QWidget *full = Window("Zoom", 3000);
        QWidget *b = Window("Properties", 2985);
        QWidget *other = Window("Options", 2000);
        QWidget *c = Window("Zoom", 1800);
        QWidget *lower = Window("zoom", 1800);
        QWidget *d = Window("Zoom", 1800);
        Geometry::SetLeft(other, 600);
        Misc::ArrangeWindows(a);

        QCOMPARE(a->pos(), QPoint(0, Px(TickerTop + 700)));
        QCOMPARE(full->pos(), QPoint(Px(Start), Px(Start)));
        QCOMPARE(b->pos(), QPoint(Px(Start + 3000), Px(TickerTop + 700))); // after the full-size window
        QCOMPARE(other->pos(), QPoint(Px(600), Px(Start)));
        QCOMPARE(c->pos(), QPoint(Px(600 + 2000), Px(TickerTop + 700)));
        QCOMPARE(lower->pos(), QPoint(Px(Start), Px(Start)));             // names compare exactly
        QCOMPARE(d->pos(), QPoint(Px(Start + 1800), Px(TickerTop + 700))); // slot 3, after "zoom"
    }

    // A closed window leaves the list; the next one follows the one before.
    void closedWindowsLeaveTheList()
    {
        QWidget *a = Window("Zoom", 1800);
        Window("Zoom", 1800);
        QWidget *c = Window("Zoom", 1800);
        windows.erase(windows.begin() + 1);
        const QList<QWidget *> list = WindowList::Windows();
        QVERIFY(list.indexOf(a) >= 0 && list.indexOf(a) + 1 == list.indexOf(c));
        QVERIFY(list.indexOf(frmMain::Loaded()) < list.indexOf(a));
        Misc::ArrangeWindows(c);
        QCOMPARE(c->pos(), QPoint(Px(1800), Px(TickerTop + 700)));
    }

    // Without the main window the ticker rows keep their tops; lefts still
    // follow the table.
    void withoutMainWindow()
    {
        frmMain::Unload();
        QWidget *a = Window("Zoom", 1800);
        QWidget *b = Window("Zoom", 1800);
        Misc::ArrangeWindows(a);
        QCOMPARE(a->pos(), QPoint(0, Px(Start)));
        QCOMPARE(b->pos(), QPoint(Px(1800), Px(Start)));
    }
};

TW_TEST(tst_arrange)
#include "tst_arrange.moc"
