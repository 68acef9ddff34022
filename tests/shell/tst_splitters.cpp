#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "MainFixture.h"
#include "MouseEvents.h"
#include "core/Stock.h"
#include "platform/Artwork.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/TreeView.h"
#include "platform/VbColor.h"
#include "services/frmSplash.h"
#include "shell/Skins.h"
#include "shell/frmMain.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

using tw::test::DoubleClick;
using tw::test::SendMouse;
using tw::test::TestEnv;

namespace {

constexpr int32_t NoDrag = 2147483647;

// Positions land on whole pixels (15 twips): compare them so.
bool Near(double twips, double expected) { return qAbs(twips - expected) < 15; }

QColor Background(const QWidget *bar) { return bar->palette().color(bar->backgroundRole()); }

bool HasCursor(const QWidget *w, int id)
{
    return w->cursor().pixmap().toImage() == Artwork::Cursor(id).pixmap().toImage();
}

} // namespace

class tst_splitters : public QObject {
    Q_OBJECT
    tw::test::MainFixture f;
    frmMain *m = nullptr;
    TestEnv *env = nullptr;

    double PicContWidth() const { return Geometry::ScaleWidth(m->PicCont); }

private Q_SLOTS:
    void init()
    {
        f.Start();
        m = f.main;
        env = f.env.get();
        m->GridTopLimit = 3120; // read by the start-up, which these cases skip
        Misc::ApplySkin();
    }
    void cleanup() { f.Stop(); }

    void barsRestWithOpenHand()
    {
        QVERIFY(HasCursor(m->picSplit2, 103));
        QVERIFY(HasCursor(m->Splitter, 103));
        QVERIFY(!HasCursor(m->Splitter, 102));
    }

    // The release step holds the tree pane inside its limits, stores the
    // limited width and lays the upper panel out from it.
    void treeReleaseLimitsAndLaysOut_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<int>("pos");
        QTest::newRow("stored 100 at start") << 100.0 << 400;
        QTest::newRow("dropped at 250") << 250.0 << 400;
        QTest::newRow("inside") << 3000.0 << 3000;
        QTest::newRow("past the right limit") << 7600.0 << 7195; // PicCont 7695 wide
    }
    void treeReleaseLimitsAndLaysOut()
    {
        QFETCH(double, left);
        QFETCH(int, pos);
        Geometry::SetLeft(m->picSplit2, left);
        m->picSplit2_MouseUp(2, 0, 0, float(left));

        QCOMPARE(env->Get(QStringLiteral("LastTreePos")), QString::number(pos));
        QVERIFY(Near(Geometry::Left(m->picSplit2), pos));
        QVERIFY(Near(Geometry::Width(m->TreeView1), pos - 100));
        QVERIFY(Near(Geometry::Left(m->ImgUp), pos + 50));
        QVERIFY(Near(Geometry::Left(m->ImgDn), pos + 50));
        for (int i = 0; i < 7; ++i) {
            QVERIFY(Near(Geometry::Left(m->lblSbl[i]), pos + 250));
            QVERIFY(Near(Geometry::Left(m->img[i]), pos + 850));
        }
        QVERIFY(Near(Geometry::Left(m->Shape1), pos + 250));

        // Legend: "Sell" at the bar's left edge, "Hold" ending at its middle,
        // "Strong Buy" ending at its right edge, the others centred on a fifth
        // and two thirds of it.
        const double l0 = Geometry::Left(m->img[0]);
        const double w0 = Geometry::Width(m->img[0]);
        auto left_ = [this](int i) { return Geometry::Left(m->lblDsc[i]); };
        auto width = [this](int i) { return Geometry::Width(m->lblDsc[i]); };
        QVERIFY(Near(left_(0), pos + 850));
        QVERIFY(Near(left_(1) + width(1) / 2, l0 + w0 / 5));
        QVERIFY(Near(left_(2) + width(2), l0 + w0 / 2));
        QVERIFY(Near(left_(3) + width(3) / 2, l0 + w0 / 1.5));
        QVERIFY(Near(left_(4) + width(4), l0 + w0));
    }

    void treeDoubleClickRestoresDesignWidth()
    {
        Geometry::SetLeft(m->picSplit2, 5000);
        m->picSplit2_DblClick();
        QCOMPARE(env->Get(QStringLiteral("LastTreePos")), QStringLiteral("2280"));
        QVERIFY(Near(Geometry::Width(m->TreeView1), 2180));
    }

    // Left button down starts a drag, moves follow the pointer, release
    // stores the place; the bar looks dragged only meanwhile.
    void treeDrag()
    {
        Geometry::SetLeft(m->picSplit2, 2280);
        const QColor rest = VbColor::ToQColor(VbColor::ButtonFace);
        m->picSplit2_MouseMove(1, 0, 300, 10); // no drag: nothing moves
        QVERIFY(Near(Geometry::Left(m->picSplit2), 2280));

        m->picSplit2_MouseDown(1, 0, 15, 10);
        QCOMPARE(m->TreeDragX, 15);
        QVERIFY(HasCursor(m->picSplit2, 102));
        QCOMPARE(Background(m->picSplit2), QColor(0x80, 0x80, 0x80));

        m->picSplit2_MouseMove(1, 0, 15.2f, 10); // same whole coordinate
        QVERIFY(Near(Geometry::Left(m->picSplit2), 2280));
        m->picSplit2_MouseMove(1, 0, 615, 10);
        QVERIFY(Near(Geometry::Left(m->picSplit2), 2895));
        QCOMPARE(m->TreeDragX, 615);
        QVERIFY(!env->Has(QStringLiteral("LastTreePos")));

        m->picSplit2_MouseUp(1, 0, 615, 10);
        QCOMPARE(m->TreeDragX, NoDrag);
        QVERIFY(HasCursor(m->picSplit2, 103));
        QCOMPARE(Background(m->picSplit2), rest);
        QVERIFY(Near(env->Get(QStringLiteral("LastTreePos")).toDouble(), 2895));
        QVERIFY(Near(Geometry::Width(m->TreeView1), 2795));
    }

    // Another button pressed during a drag ends it where the bar stands.
    void otherButtonEndsDrag()
    {
        Geometry::SetLeft(m->picSplit2, 2280);
        m->picSplit2_MouseDown(1, 0, 15, 10);
        m->picSplit2_MouseMove(1, 0, -2000, 10); // far left: limited on release
        m->picSplit2_MouseDown(2, 0, 0, 10);
        QCOMPARE(m->TreeDragX, NoDrag);
        QCOMPARE(env->Get(QStringLiteral("LastTreePos")), QStringLiteral("400"));
        QVERIFY(HasCursor(m->picSplit2, 103));

        env->Set(QStringLiteral("LastTreePos"), QStringLiteral("x"));
        m->picSplit2_MouseDown(2, 0, 0, 10); // no drag: no release
        QCOMPARE(env->Get(QStringLiteral("LastTreePos")), QStringLiteral("x"));
    }

    // The horizontal bar through its own mouse events.
    void gridDragThroughEvents()
    {
        QFrame *bar = m->Splitter;
        SendMouse(bar, QEvent::MouseButtonPress, Qt::LeftButton, QPointF(100, 1));
        QCOMPARE(m->GridDragY, 15);
        QCOMPARE(Background(bar), QColor(0x80, 0x80, 0x80));
        SendMouse(bar, QEvent::MouseMove, Qt::LeftButton, QPointF(100, -79)); // 80 pixels up
        QVERIFY(Near(Geometry::Top(bar), 2880 - 1185));
        QCOMPARE(Geometry::Left(bar), 0.0);
        QCOMPARE(Geometry::Width(bar), PicContWidth());
        QCOMPARE(Geometry::Height(bar), 30.0);
        SendMouse(bar, QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(100, 1));
        QCOMPARE(m->GridDragY, NoDrag);
        QVERIFY(Near(Geometry::Top(m->FG), 1695 + 250));
    }

    void gridReleaseLimitsAndLaysOut_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("expected");
        QTest::newRow("above the top limit") << 200.0 << 400.0;
        QTest::newRow("inside") << 1500.0 << 1500.0;
        QTest::newRow("below the grid's top") << 4500.0 << 3120.0;
    }
    void gridReleaseLimitsAndLaysOut()
    {
        QFETCH(double, top);
        QFETCH(double, expected);
        Geometry::SetTop(m->Splitter, top);
        m->Splitter_MouseUp(2, 0, 0, float(top));
        const double t = expected;
        QVERIFY(Near(Geometry::Top(m->Splitter), t));
        QVERIFY(Near(Geometry::Top(m->FG), t + 250));
        QVERIFY(Near(Geometry::Height(m->FG), Geometry::ScaleHeight(m->PicCont) - (t + 500)));
        QVERIFY(Near(Geometry::Top(m->ImgDn), t - 380));
        QVERIFY(Near(Geometry::Height(m->TreeView1), t - 200));
        QVERIFY(Near(Geometry::Height(m->picSplit2), t));
        QCOMPARE(Geometry::Top(m->picSplit), Geometry::Top(m->FG));
        QCOMPARE(Geometry::Height(m->picSplit), Geometry::Height(m->FG));
        QVERIFY(HasCursor(m->Splitter, 103));
    }

    // Rows below the down arrow hide with their bars; a taller panel shows
    // them again with their markers. An empty row is skipped, not an end.
    void gridReleaseShowsRowsThatFit()
    {
        for (int i = 0; i < 7; ++i) {
            Stocks[size_t(i)].Symbol = "S" + QByteArray::number(i);
            Stocks[size_t(i)].Recommendation = i == 5 ? 0 : 2;
        }
        StockCount = 7;
        m->ClearRecStrip();
        m->LoadPrices();
        m->lblSbl[1]->setText(QString());
        m->ShowRec(); // stops at the empty row 1
        QVERIFY(m->img[2]->isHidden());

        Geometry::SetTop(m->Splitter, 1500); // down arrow at 1120: rows 0 to 2 fit
        m->Splitter_MouseUp(2, 0, 0, 1500);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!m->lblSbl[i]->isHidden());
        QVERIFY(!m->img[0]->isHidden());
        QVERIFY(!m->img[2]->isHidden());
        for (int i = 3; i < 7; ++i) {
            QVERIFY(m->lblSbl[i]->isHidden());
            QVERIFY(m->img[i]->isHidden());
        }

        Geometry::SetTop(m->Splitter, 3120);
        m->Splitter_MouseUp(2, 0, 0, 3120);
        for (int i = 0; i < 7; ++i)
            QVERIFY(!m->lblSbl[i]->isHidden());
        QVERIFY(!m->img[6]->isHidden());
        QVERIFY(m->img[5]->isHidden()); // no rating
        const QImage drawn = m->img[6]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage marker = BitBltModule::Surface(SkinMarkerDC).toImage().convertToFormat(QImage::Format_ARGB32);
        const int x = frmMain::MarkerX(2, m->img[0]->width());
        QCOMPARE(drawn.pixel(x + 3, 4), marker.pixel(3, 4));
    }

    // Double clicks collapse and expand the upper panel in turn, through
    // the whole event sequence whose releases run the release step too.
    void gridDoubleClickToggles()
    {
        QFrame *bar = m->Splitter;
        DoubleClick(bar, QPointF(50, 1));
        QVERIFY(Near(Geometry::Top(bar), 400));
        QVERIFY(Near(Geometry::Top(m->FG), 650));
        QCOMPARE(Geometry::Top(m->picSplit), Geometry::Top(m->FG));
        DoubleClick(bar, QPointF(50, 1));
        QVERIFY(Near(Geometry::Top(bar), 3120));
        m->GridTopLimit = 2500; // the expanded place is still limited
        m->Splitter_DblClick();
        QVERIFY(Near(Geometry::Top(bar), 400));
        m->Splitter_DblClick();
        QVERIFY(Near(Geometry::Top(bar), 2500));

        // Dragged open by hand, the next double click collapses again.
        m->Splitter_DblClick();
        QVERIFY(Near(Geometry::Top(bar), 400));
        Geometry::SetTop(bar, 1800);
        m->Splitter_MouseUp(1, 0, 0, 0);
        m->Splitter_DblClick();
        QVERIFY(Near(Geometry::Top(bar), 400));
    }

    // At start the stored tree width goes through the release step: limited,
    // laid out and written back.
    void startRestoresLimitedTreeWidth()
    {
        env->Set(QStringLiteral("LastTreePos"), QStringLiteral("100"));
        frmSplash::Load();
        m->ShowWindow();
        QCOMPARE(env->Get(QStringLiteral("LastTreePos")), QStringLiteral("400"));
        QVERIFY(Near(Geometry::Left(m->picSplit2), 400));
        QVERIFY(Near(Geometry::Width(m->TreeView1), 300));
        QVERIFY(Near(Geometry::Left(m->img[0]), 1250));
    }

    void statusBarMoveHidesHoverFrame()
    {
        m->Rect->show();
        SendMouse(m->StatusBar1, QEvent::MouseMove, Qt::NoButton, QPointF(2, 2));
        QVERIFY(m->Rect->isHidden());
    }
};

TW_TEST(tst_splitters)
#include "tst_splitters.moc"
