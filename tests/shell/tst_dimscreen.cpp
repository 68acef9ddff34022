#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "shell/DimScreen.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_dimscreen : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    frmMain *main = nullptr;
    QWidget *grid = nullptr;  // frozen while dimmed
    QWidget *label = nullptr; // a type that keeps drawing
    QWidget *lower = nullptr; // type names compare exactly

    QWidget *AddControl(const char *type, QRect at, QColor colour)
    {
        auto *w = new QWidget(main);
        w->setProperty("vbType", QString::fromLatin1(type));
        w->setGeometry(at);
        w->setAutoFillBackground(true);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, colour);
        w->setPalette(pal);
        return w;
    }

    QLabel *Overlay() const { return main->findChild<QLabel *>(QStringLiteral("DimOverlay")); }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        main = frmMain::Instance();
        main->resize(40, 30);
        main->setAutoFillBackground(true);
        QPalette pal = main->palette();
        pal.setColor(QPalette::Window, Qt::red);
        main->setPalette(pal);
        grid = AddControl("MSFlexGrid", QRect(3, 4, 11, 9), Qt::green);
        label = AddControl("Label", QRect(20, 4, 7, 7), Qt::blue);
        lower = AddControl("treeview", QRect(20, 15, 7, 7), Qt::yellow);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }
    void cleanup()
    {
        frmMain::Unload();
        DimScreen::ResetScreen();
        env.reset();
    }

    // Whatever window is passed, the main window gets the checkerboard over
    // its own look, and only the listed control types stop drawing.
    void dimShowsCheckerboardOverWindow()
    {
        const QImage before = main->grab().toImage();
        QWidget other;
        DimScreen::DimForm(&other);

        QLabel *overlay = Overlay();
        QVERIFY(overlay);
        QVERIFY(overlay->isVisible());
        QCOMPARE(overlay->geometry(), main->rect());
        QVERIFY(other.findChildren<QLabel *>().isEmpty());

        const QImage dimmed = main->grab().toImage();
        QCOMPARE(dimmed.size(), before.size());
        for (int y = 0; y < dimmed.height(); ++y)
            for (int x = 0; x < dimmed.width(); ++x)
                QCOMPARE(dimmed.pixel(x, y), (x + y) % 2 ? qRgb(0, 0, 0) : before.pixel(x, y));
        QCOMPARE(before.pixel(4, 4), qRgb(0, 255, 0)); // the grid was in the copy

        QVERIFY(!grid->updatesEnabled());
        QVERIFY(label->updatesEnabled());
        QVERIFY(lower->updatesEnabled());

        // A second call leaves the one dimmed copy.
        DimScreen::DimForm(main);
        QCOMPARE(main->findChildren<QLabel *>(QStringLiteral("DimOverlay")).size(), 1);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void resetRestoresLiveWindow()
    {
        const QImage before = main->grab().toImage();
        DimScreen::DimForm(main);
        QVERIFY(Overlay());
        DimScreen::ResetScreen();
        QVERIFY(!Overlay());
        QVERIFY(grid->updatesEnabled());
        QCOMPARE(main->grab().toImage(), before);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    // Shut-down resets whether or not the question dimmed the window.
    void resetWithoutDimEnablesDrawing()
    {
        grid->setUpdatesEnabled(false);
        DimScreen::ResetScreen();
        QVERIFY(grid->updatesEnabled());
        QVERIFY(!Overlay());
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void nothingWithoutMainWindow()
    {
        frmMain::Unload();
        QWidget other;
        DimScreen::DimForm(&other);
        QVERIFY(!frmMain::Loaded());
        QVERIFY(other.findChildren<QWidget *>().isEmpty());
        DimScreen::ResetScreen();
        QVERIFY(!frmMain::Loaded());
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    // A window unloaded while dimmed takes its copy with it; the next main
    // window dims afresh.
    void unloadWhileDimmed()
    {
        DimScreen::DimForm(main);
        frmMain::Unload();
        main = frmMain::Instance();
        main->resize(20, 20);
        main->show();
        DimScreen::DimForm(main);
        QVERIFY(Overlay());
        DimScreen::ResetScreen();
        QVERIFY(!Overlay());
    }
};

TW_TEST(tst_dimscreen)
#include "tst_dimscreen.moc"
