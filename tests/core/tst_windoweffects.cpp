#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"

#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>
#include <QTimer>
#include <memory>

using tw::test::TestEnv;

namespace {

// Gives a shown window the outer height in twips, frame included.
void SetOuterHeight(QWidget *w, int twips)
{
    const int frame = w->frameGeometry().height() - w->height();
    w->resize(w->width(), twips / 15 - frame);
}

int OuterHeight(const QWidget *w) { return w->frameGeometry().height() * 15; }

// A dialog counting the paint events it is asked to handle itself.
class PaintCounter : public QDialog {
public:
    int paints = 0;
protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

// A form tiling its background from its paint event, as the screener does.
class TiledForm : public QWidget {
public:
    QLabel *image = new QLabel(this);
protected:
    void paintEvent(QPaintEvent *) override { Misc::TilePicture(this, image); }
};

} // namespace

class tst_windoweffects : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<QWidget> form;
private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        form = std::make_unique<QWidget>();
        form->setGeometry(100, 80, 300, 200);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        env.reset();
    }

    void rollUp_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("finalHeight");
        QTest::newRow("25 steps of 120 twips") << 3000 << 25 << 120;
        QTest::newRow("2 steps: one move") << 3000 << 2 << 1500;
        QTest::newRow("1 step moves nothing") << 3000 << 1 << 3000;
        QTest::newRow("negative steps move nothing") << 3000 << -3 << 3000;
        // 187.5 twips a step is 188, so each step takes 13 pixels, not 12
        QTest::newRow("half step rounds up to even") << 3000 << 16 << 75;
        // 82.5 twips a step is 82, so each step takes 5 pixels, not 6
        QTest::newRow("half step rounds down to even") << 825 << 10 << 150;
    }
    void rollUp()
    {
        QFETCH(int, height);
        QFETCH(int, steps);
        QFETCH(int, finalHeight);
        SetOuterHeight(form.get(), height);
        QCOMPARE(OuterHeight(form.get()), height);
        const QRect before = form->frameGeometry();

        Misc::RollWindow(form.get(), int16_t(steps));

        const QRect after = form->frameGeometry();
        QCOMPARE(OuterHeight(form.get()), finalHeight);
        QCOMPARE(after.topLeft(), before.topLeft());
        QCOMPARE(after.width(), before.width());
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    // A window laid out with a minimum size (the first-run settings window,
    // the questionnaire) rolls up too, and keeps its minimum afterwards.
    void windowWithLayoutRolls()
    {
        auto *layout = new QVBoxLayout(form.get());
        auto *big = new QWidget;
        big->setMinimumSize(200, 150);
        layout->addWidget(big);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const int before = form->frameGeometry().height();
        const QSize minimum = form->minimumSize();
        Misc::RollWindow(form.get(), 25);
        QVERIFY2(form->frameGeometry().height() < before / 4, qPrintable(QString::number(form->frameGeometry().height())));
        QCOMPARE(form->minimumSize(), minimum);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void maximisedWindowIsLeftAlone()
    {
        form->showMaximized();
        QTRY_VERIFY(form->isMaximized());
        const QRect before = form->frameGeometry();
        Misc::RollWindow(form.get(), 25);
        QCOMPARE(form->frameGeometry(), before);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void zeroStepsIsLogged()
    {
        const QRect before = form->frameGeometry();
        Misc::RollWindow(form.get(), 0);
        QCOMPARE(form->frameGeometry(), before);
        QCOMPARE(env->ErrorBlocks(), 1);
        QVERIFY(env->ErrorLog().contains("Number:        11\r\n"));
        QVERIFY(env->ErrorLog().endsWith("Where: Misc_RollWindow\r\n"));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void windowClosedWhileRolling()
    {
        QWidget *w = form.release();
        QPointer<QWidget> alive(w);
        QMetaObject::invokeMethod(qApp, [w] { delete w; }, Qt::QueuedConnection);
        Misc::RollWindow(w, 25);
        QVERIFY(!alive);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void tintImage_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<uint>("tint");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("white keeps the copy") << qRgb(0x12, 0x34, 0x56) << 0xFFFFFFu << qRgb(0x12, 0x34, 0x56);
        QTest::newRow("black turns black") << qRgb(0x12, 0x34, 0x56) << 0x000000u << qRgb(0, 0, 0);
        QTest::newRow("default colour on white") << qRgb(255, 255, 255) << 0xFAFAAAu << qRgb(170, 250, 250);
        QTest::newRow("low byte is red") << qRgb(255, 255, 255) << 0x0000FFu << qRgb(255, 0, 0);
        QTest::newRow("bits are ANDed") << qRgb(0x0F, 0xF0, 0x55) << 0x00FF00u << qRgb(0, 0xF0, 0);
        QTest::newRow("speech window colour") << qRgb(0xFF, 0x0F, 0xF0) << 0xEFD981u << qRgb(0x81, 0x09, 0xE0);
    }
    void tintImage()
    {
        QFETCH(QRgb, pixel);
        QFETCH(uint, tint);
        QFETCH(QRgb, expected);
        QImage image(3, 2, QImage::Format_ARGB32);
        image.fill(pixel);
        const QImage out = Misc::TintImage(image, tint);
        QCOMPARE(out.size(), image.size());
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                QCOMPARE(out.pixel(x, y), expected);
    }

    // The tint steps the window aside for the screen copy; a modal dialog
    // must stay in its exec() and keep its image without repainting.
    void tintKeepsModalDialogOpen()
    {
        PaintCounter dlg;
        dlg.resize(60, 40);
        int paintsAfterTint = -1;
        bool visibleAfterTint = false;
        QTimer::singleShot(0, &dlg, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            Misc::TintForm(&dlg, 0x000000);
            visibleAfterTint = dlg.isVisible();
            QTimer::singleShot(50, &dlg, [&] {
                paintsAfterTint = dlg.paints;
                dlg.repaint();
                dlg.done(7);
            });
        });
        QCOMPARE(dlg.exec(), 7);
        QVERIFY(visibleAfterTint);
        QCOMPARE(dlg.paints, paintsAfterTint);
        QVERIFY(dlg.autoFillBackground());
        const QImage back = dlg.palette().brush(dlg.backgroundRole()).textureImage();
        QCOMPARE(back.size(), dlg.size());
        QCOMPARE(back.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(back.pixel(59, 39), qRgb(0, 0, 0));
    }

    void tileOrigins_data()
    {
        QTest::addColumn<QList<int>>("args");
        QTest::addColumn<QList<QPoint>>("expected");
        QTest::newRow("edges included") << QList<int>{150, 150, 300, 150}
                                        << QList<QPoint>{{0, 0}, {0, 150}, {150, 0}, {150, 150}, {300, 0}, {300, 150}};
        QTest::newRow("short of the edge") << QList<int>{150, 100, 299, 99}
                                           << QList<QPoint>{{0, 0}, {150, 0}};
        QTest::newRow("empty form gets one tile") << QList<int>{200, 100, 0, 0} << QList<QPoint>{{0, 0}};
        QTest::newRow("tile without width") << QList<int>{0, 150, 300, 300} << QList<QPoint>{};
        QTest::newRow("tile without height") << QList<int>{150, 0, 300, 300} << QList<QPoint>{};
    }
    void tileOrigins()
    {
        QFETCH(QList<int>, args);
        QFETCH(QList<QPoint>, expected);
        QCOMPARE(Misc::TileOrigins(args[0], args[1], args[2], args[3]), expected);
    }

    // Tiles follow the picture control's size, not the picture's.
    void tilesPaintedAtControlSize()
    {
        TiledForm tiled;
        tiled.resize(35, 25);
        QPixmap red(4, 4);
        red.fill(Qt::red);
        tiled.image->setPixmap(red);
        tiled.image->setGeometry(0, 0, 10, 10);
        tiled.image->hide();
        const QImage shot = tiled.grab().toImage();
        for (const QPoint &at : {QPoint(0, 0), QPoint(10, 0), QPoint(30, 20), QPoint(33, 23), QPoint(13, 13)})
            QCOMPARE(QColor(shot.pixel(at)), QColor(Qt::red));
        for (const QPoint &at : {QPoint(4, 4), QPoint(5, 5), QPoint(34, 24), QPoint(9, 0)})
            QVERIFY(QColor(shot.pixel(at)) != QColor(Qt::red));
    }
};

TW_TEST(tst_windoweffects)
#include "tst_windoweffects.moc"
