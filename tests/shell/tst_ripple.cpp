// The relaxation window: the ripple's measures and waves, its play loop
// driven by Start, Stop, the slider and Exit, and pixel reads that never
// leave the picture.
#include "common/TestRegistry.h"
#include "platform/Dialogs.h"
#include "shell/ClsManip.h"
#include "shell/GRP.h"
#include "shell/MainFixture.h"
#include "shell/PictureBox.h"

#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>

using tw::test::MainFixture;

namespace {

// Runs the play loop for one frame: the stop comes in its first yield.
void OneFrame(const std::function<void()> &start, const std::function<void()> &stop)
{
    QTimer::singleShot(0, stop);
    start();
}

// Palette index of a source pixel: the row's parity in the hundreds, the
// column below. Bytes past the row's end (the line padding) hold 255.
uchar Mark(int x, int y) { return uchar((y % 2) * 100 + x % 50); }

QImage Pattern(int width, int height)
{
    QImage img(width, height, QImage::Format_Indexed8);
    QList<QRgb> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = qRgb(i, 255 - i, i / 2);
    img.setColorTable(palette);
    for (int y = 0; y < height; ++y) {
        uchar *line = img.scanLine(y);
        std::fill(line, line + img.bytesPerLine(), uchar(255));
        for (int x = 0; x < width; ++x)
            line[x] = Mark(x, y);
    }
    return img;
}

} // namespace

class tst_ripple : public QObject {
    Q_OBJECT
    MainFixture f;

    GRP *Open()
    {
        GRP *w = GRP::ShowModeless();
        [&] { QVERIFY(w && w->Effect); }();
        return w;
    }
    // One frame through the window's own Start and Stop.
    static void StartStop(GRP *w)
    {
        OneFrame([w] { w->Command1->click(); }, [w] { w->Command1->click(); });
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup()
    {
        GRP::Unload();
        f.Stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The Help menu's Relax opens the window without owner.
    void relaxOpensTheWindow()
    {
        f.main->ShowWindow();
        f.main->mnuHelp_Click(7);
        GRP *w = GRP::Loaded();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->parentWidget(), nullptr);
        QCOMPARE(w->Command1->text(), QStringLiteral("Start"));
        QCOMPARE(w->Command1->toolTip(), QStringLiteral("Start Relaxation"));
        QCOMPARE(w->cmdClose->text(), QStringLiteral("E&xit"));
        QVERIFY(w->Picture1->isHidden());
    }

    void measuresOfTheBox()
    {
        GRP *w = Open();
        QCOMPARE(w->Pictbox->ScaleWidth(), 335);
        QCOMPARE(w->Pictbox->ScaleHeight(), 143);
        QCOMPARE(w->Effect->CenterXOf(), int16_t(168));
        QCOMPARE(w->Effect->CenterYOf(), int16_t(72));
        QCOMPARE(w->Effect->FoldLimitOf(), int16_t(144));
        QCOMPARE(w->Effect->MaxRadiusOf(), int16_t(185));
        QCOMPARE(w->Effect->Waves().size(), 186);
        // Our dollar is a 256-colour picture, in both boxes.
        QCOMPARE(w->Pictbox->Picture().format(), QImage::Format_Indexed8);
        QCOMPARE(w->Picture1->Picture().format(), QImage::Format_Indexed8);
        QCOMPARE(w->Pictbox->Picture().size(), QSize(335, 143));
        QCOMPARE(w->Effect->IsPlay(), QStringLiteral("True"));
    }

    void firstFrameAtTheDefaultFrequency()
    {
        GRP *w = Open();
        const QImage before = w->Picture1->Picture();
        StartStop(w);
        QCOMPARE(w->Effect->FrameCountOf(), int16_t(1));
        QCOMPARE(w->Effect->Frq(), 0.1f);
        const QVector<int16_t> &waves = w->Effect->Waves();
        QCOMPARE(waves[0], int16_t(-1));
        QCOMPARE(waves[1], int16_t(0));
        QCOMPARE(waves[2], int16_t(1));
        QCOMPARE(waves[17], int16_t(15));
        QCOMPARE(w->Command1->text(), QStringLiteral("Start"));
        QCOMPARE(w->Effect->IsPlay(), QStringLiteral("True"));
        QVERIFY(w->Pictbox->Picture() != before); // the ripple moved pixels
        QCOMPARE(w->Picture1->Picture(), before);  // the source stays untouched
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Start, Stop and Start again goes on from the last phase.
    void restartContinuesThePhase()
    {
        GRP *w = Open();
        StartStop(w);
        StartStop(w);
        QCOMPARE(w->Effect->FrameCountOf(), int16_t(2));
        QCOMPARE(w->Effect->Waves()[2], int16_t(0)); // 15 sin(0)
    }

    void sliderSetsTheNextFrequency_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<float>("frequency");
        QTest::newRow("0 runs at the slowest") << 0 << 0.01f;
        QTest::newRow("5") << 5 << 0.5f;
        QTest::newRow("10") << 10 << 1.0f;
    }
    void sliderSetsTheNextFrequency()
    {
        QFETCH(int, value);
        QFETCH(float, frequency);
        GRP *w = Open();
        w->Slider1->setValue(value);
        StartStop(w);
        QCOMPARE(w->Effect->Frq(), frequency);
    }

    void frequencyHeldWithinItsRange()
    {
        PictureBox out, src;
        ClsManip e;
        e.IntCls(nullptr, &out, &src);
        e.IntRipple(QString(), 7.0f);
        QCOMPARE(e.Frq(), 7.0f); // not limited when prepared
        out.Picture() = src.Picture() = Pattern(20, 10);
        OneFrame([&] { e.DoRipple(7.0f); }, [&] { e.DoRipple(7.0f); });
        QCOMPARE(e.Frq(), 1.0f);
    }

    // Moving the slider during a run stops it; the next Start takes the new
    // frequency.
    void sliderMoveStopsARun()
    {
        GRP *w = Open();
        OneFrame([w] { w->Command1->click(); },
                 [w] { w->Slider1->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
        QCOMPARE(w->Command1->text(), QStringLiteral("Start"));
        QCOMPARE(w->Effect->IsPlay(), QStringLiteral("True"));
        QCOMPARE(w->Effect->FrameCountOf(), int16_t(1));
        QCOMPARE(w->Slider1->value(), 2);
        StartStop(w);
        QCOMPARE(w->Effect->Frq(), 0.2f);
    }

    void exitDuringARunEndsIt()
    {
        GRP *w = Open();
        const QPointer<GRP> guard(w);
        const std::shared_ptr<ClsManip> effect = w->Effect;
        int16_t framesAtExit = -1;
        OneFrame([w] { w->Command1->click(); },
                 [&] {
                     w->cmdClose->click();
                     framesAtExit = effect->FrameCountOf();
                 });
        QCOMPARE(framesAtExit, int16_t(1));
        QCOMPARE(effect->FrameCountOf(), int16_t(1)); // nothing drawn after the window went
        QCOMPARE(effect->IsPlay(), QStringLiteral("True"));
        QVERIFY(!GRP::Loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QCOMPARE(effect.use_count(), 1); // the window let go of its effect
    }

    // A picture the effect cannot move: Start says so and the run state stays
    // on, so the next press only stops and the one after tries again.
    void notA256ColourPicture_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::newRow("missing picture") << true;
        QTest::newRow("true-colour picture") << false;
    }
    void notA256ColourPicture()
    {
        QFETCH(bool, missing);
        GRP *w = Open();
        QString path = QStringLiteral("/nonexistent/dollar.gif");
        if (!missing) {
            path = f.env->root() + QStringLiteral("/rgb.png");
            QImage rgb(40, 20, QImage::Format_RGB32);
            rgb.fill(Qt::green);
            QVERIFY(rgb.save(path));
        }
        w->Effect->IntRipple(path, w->RelaxFrequency);
        w->Command1->click();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral(" 256-color bitmaps only"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbCritical));
        QCOMPARE(w->Command1->text(), QStringLiteral("Stop"));
        QCOMPARE(w->Effect->IsPlay(), QStringLiteral("False"));
        w->Command1->click();
        QCOMPARE(w->Command1->text(), QStringLiteral("Start"));
        QCOMPARE(Dialogs::Log().size(), 1);
        w->Command1->click();
        QCOMPARE(Dialogs::Log().size(), 2);
        QCOMPARE(f.env->ErrorBlocks(), 0);
    }

    // Whatever the picture's size against its box, every output byte is a
    // byte of the same source row, never line padding or another row.
    void readsStayInsideThePicture_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::newRow("the box's size") << QSize(335, 143);
        QTest::newRow("wider than the fold, odd width") << QSize(301, 143);
        QTest::newRow("tiny") << QSize(3, 2);
        QTest::newRow("one column") << QSize(1, 5);
        QTest::newRow("narrow and tall") << QSize(17, 400);
        QTest::newRow("larger than the box") << QSize(600, 300);
    }
    void readsStayInsideThePicture()
    {
        QFETCH(QSize, picture);
        PictureBox out, src;
        out.resize(339, 147);
        src.resize(339, 147);
        ClsManip e;
        e.IntCls(nullptr, &out, &src);
        e.IntRipple(QString(), 1.0f);
        src.Picture() = Pattern(picture.width(), picture.height());
        out.Picture() = src.Picture().copy();
        int moved = 0;
        for (int frame = 0; frame < 12; ++frame) {
            OneFrame([&] { e.DoRipple(1.0f); }, [&] { e.DoRipple(1.0f); });
            const QImage &img = out.Picture();
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const uchar v = img.constScanLine(y)[x];
                    QVERIFY2(v != 255 && v / 100 == y % 2, qPrintable(QStringLiteral("(%1, %2) = %3").arg(x).arg(y).arg(v)));
                    if (v != Mark(x, y))
                        ++moved;
                    // Beyond the distance table's reach pixels keep their place.
                    if (x > 2 * e.CenterXOf() || y > 2 * e.CenterYOf())
                        QCOMPARE(v, Mark(x, y));
                }
        }
        QCOMPARE(e.FrameCountOf(), int16_t(12));
        if (picture.width() > 1)
            QVERIFY(moved > 0);
    }

    void frameCounterWraps()
    {
        GRP *w = Open();
        w->Effect->SetFrameCount(32767);
        StartStop(w);
        QCOMPARE(w->Effect->FrameCountOf(), int16_t(-32768));
        for (int16_t v : w->Effect->Waves())
            QVERIFY(v >= -15 && v <= 15);
        StartStop(w);
        QCOMPARE(w->Effect->FrameCountOf(), int16_t(-32767));
    }
};

TW_TEST(tst_ripple)
#include "tst_ripple.moc"
