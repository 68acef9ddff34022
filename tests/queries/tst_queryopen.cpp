// Opening the query dialogs from the main window: Alt+C shows the screener
// below the news ticker with no owner; a stock's "Charts" and "Technical
// Graphs" leaves show their dialogs owned by the main window. Each has one
// window that a second opening brings up as it stands.
#include "../navtree/TreeFixture.h"
#include "common/TestRegistry.h"
#include "platform/Geometry.h"
#include "platform/Shell.h"
#include "queries/BigChart.h"
#include "queries/Scr.h"
#include "queries/TechGraph.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using namespace tw::test;

class tst_queryopen : public QObject {
    Q_OBJECT
    TreeFixture f;

    // Within two pixels: windows stand on whole pixels, and the frame the
    // desktop adds on showing is not there yet when the window is placed.
    static bool Near(double a, double b) { return qAbs(a - b) < 31; }

private Q_SLOTS:
    void init() { f.StartTech(); }
    void cleanup()
    {
        delete Scr::Loaded();
        delete BigChart::Loaded();
        delete TechGraph::Loaded();
        f.Stop();
    }

    void altCShowsScreener()
    {
        f.main->ShowWindow();
        QApplication::setActiveWindow(f.main);
        QVERIFY(QTest::qWaitForWindowActive(f.main));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f.main, Qt::Key_C, Qt::AltModifier);
        Scr *w = Scr::Loaded();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->parentWidget());
        QVERIFY(Near(Geometry::Left(w), (Geometry::Width(f.main) - Geometry::Width(w)) / 2));
        QVERIFY(Near(Geometry::Top(w), Geometry::Top(f.main->NewsTicker1) + 700));
        QTest::mouseClick(w->groups[1][2], Qt::LeftButton, Qt::NoModifier, QPoint(8, w->groups[1][2]->height() / 2));
        w->move(w->pos() + QPoint(40, 40));
        QApplication::setActiveWindow(f.main);
        QVERIFY(QTest::qWaitForWindowActive(f.main));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f.main, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(Scr::Loaded(), w);
        QVERIFY(w->groups[1][2]->isChecked());
        QVERIFY(Near(Geometry::Top(w), Geometry::Top(f.main->NewsTicker1) + 700));
    }

    void leavesShowOwnedDialogs()
    {
        f.ClickOnScreen(QStringLiteral("C1"));
        BigChart *chart = BigChart::Loaded();
        QVERIFY(chart);
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->parentWidget(), f.main);
        QVERIFY(Near(Geometry::Left(chart), (Geometry::Width(f.main) - Geometry::Width(chart)) / 2));
        chart->cboSize->setFocus();
        QTest::keyClick(chart->cboSize, Qt::Key_Down);
        const QString size = chart->cboSize->currentText();
        f.ClickOnScreen(QStringLiteral("C1"));
        QCOMPARE(BigChart::Loaded(), chart);
        QCOMPARE(chart->cboSize->currentText(), size);

        f.ClickOnScreen(QStringLiteral("TG1"));
        TechGraph *tech = TechGraph::Loaded();
        QVERIFY(tech);
        QVERIFY(tech->isVisible());
        QCOMPARE(tech->parentWidget(), f.main);
        f.ClickOnScreen(QStringLiteral("TG1"));
        QCOMPARE(TechGraph::Loaded(), tech);
        // Opening neither changed the current stock nor opened a page.
        QVERIFY(Shell::Opened().isEmpty());
    }
};

TW_TEST(tst_queryopen)
#include "tst_queryopen.moc"
