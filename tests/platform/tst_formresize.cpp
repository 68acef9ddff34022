#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "platform/clsFormResize.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <memory>

using tw::test::TestEnv;

// Place and size in twips, as the window's figures are kept.
struct Box {
    double left, top, width, height;
    bool operator==(const Box &o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};
Q_DECLARE_METATYPE(Box)

namespace QTest {
template <> char *toString(const Box &b)
{
    return qstrdup(QByteArray::number(b.left) + ',' + QByteArray::number(b.top) + ' ' + QByteArray::number(b.width)
                   + 'x' + QByteArray::number(b.height));
}
} // namespace QTest

class tst_formresize : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<QWidget> form;
    clsFormResize resizer;

    static Box BoxOf(const QWidget *w)
    {
        return {Geometry::Left(w), Geometry::Top(w), Geometry::Width(w), Geometry::Height(w)};
    }
    // The pixel-rounded place a figure in twips ends at.
    static double Shown(double twips) { return Twips::FromPixels(Twips::ToPixels(twips)); }
    static Box Shown(Box b) { return {Shown(b.left), Shown(b.top), Shown(b.width), Shown(b.height)}; }

    template <typename W> W *Add(QWidget *parent, const char *vbType = nullptr, Box at = {120, 240, 735, 255})
    {
        auto *w = new W(parent);
        if (vbType)
            w->setProperty("vbType", QString::fromLatin1(vbType));
        Geometry::Move(w, at.left, at.top, at.width, at.height);
        return w;
    }
    // Inner size in twips.
    void SizeForm(double width, double height) { form->resize(Twips::ToPixels(width), Twips::ToPixels(height)); }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        form = std::make_unique<QWidget>();
        SizeForm(3000, 1500);
        resizer = clsFormResize();
        resizer.SetSourceForm(form.get());
    }
    void cleanup()
    {
        form.reset();
        env.reset();
    }

    // The first call only records, at whatever size the window has then;
    // later calls scale from that record, never from the last result.
    void firstCallRecordsLaterCallsScale()
    {
        QLabel *label = Add<QLabel>(form.get());
        QCOMPARE(resizer.SourceForm(), form.get());
        SizeForm(6000, 3000);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{120, 240, 735, 255}));

        SizeForm(3000, 1500);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), Shown(Box{60, 120, 367.5, 127.5}));
        SizeForm(12000, 6000);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{240, 480, 1470, 510}));
        SizeForm(6000, 3000);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{120, 240, 735, 255}));
    }

    // Ratios of the inner width and height apart; a half pixel rounds to the
    // even neighbour.
    void scalesProportionally_data()
    {
        QTest::addColumn<double>("formWidth");
        QTest::addColumn<double>("formHeight");
        QTest::addColumn<Box>("recorded");
        QTest::addColumn<Box>("expected");
        QTest::newRow("double") << 6000.0 << 3000.0 << Box{120, 240, 735, 255} << Box{240, 480, 1470, 510};
        QTest::newRow("wider only") << 6000.0 << 1500.0 << Box{120, 240, 735, 255} << Box{240, 240, 1470, 255};
        QTest::newRow("taller only") << 3000.0 << 4500.0 << Box{120, 240, 735, 255} << Box{120, 720, 735, 765};
        // x1.5: 15 px -> 22.5 -> 22, 45 px -> 67.5 -> 68, 5 px -> 7.5 -> 8, 3 px -> 4.5 -> 4
        QTest::newRow("halves to even") << 4500.0 << 2250.0 << Box{225, 675, 75, 45} << Box{330, 1020, 120, 60};
        QTest::newRow("smaller") << 1500.0 << 750.0 << Box{300, 600, 900, 450} << Box{150, 300, 450, 225};
    }
    void scalesProportionally()
    {
        QFETCH(double, formWidth);
        QFETCH(double, formHeight);
        QFETCH(Box, recorded);
        QFETCH(Box, expected);
        QLabel *label = Add<QLabel>(form.get(), nullptr, recorded);
        resizer.ScaleControls();
        SizeForm(formWidth, formHeight);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), expected);
    }

    // The tag names the edges that follow the window, only after an "@".
    void tagRules_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<Box>("expected");
        const Box all{240, 480, 1470, 510};
        QTest::newRow("no tag") << QString() << all;
        QTest::newRow("ordinary text") << "Totals" << all;
        QTest::newRow("@ not first") << "x@T" << all;
        QTest::newRow("@ alone") << "@" << Box{120, 240, 735, 255};
        QTest::newRow("top and width") << "@T,W" << Box{120, 480, 1470, 255};
        QTest::newRow("lower case") << "@t,w" << Box{120, 480, 1470, 255};
        QTest::newRow("letters anywhere") << "@WT" << Box{120, 480, 1470, 255};
        QTest::newRow("left and height") << "@L,H" << Box{240, 240, 735, 510};
        QTest::newRow("all four") << "@T,H,L,W" << all;
        QTest::newRow("letters of a word") << "@LEFT" << Box{240, 480, 735, 255}; // L and T
    }
    void tagRules()
    {
        QFETCH(QString, tag);
        QFETCH(Box, expected);
        QLabel *label = Add<QLabel>(form.get());
        if (!tag.isNull())
            label->setProperty("Tag", tag);
        resizer.ScaleControls();
        SizeForm(6000, 3000);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), expected);
    }

    // Which controls move: by "vbType", else by the Qt class.
    void typesMovedOrKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("moves");
        for (const char *moved : {"Frame", "PictureBox", "MSFlexGrid", "TreeView", "Label", "TextBox",
                                  "CommandButton", "ListBox", "ComboBox", "FlexGrid class", "TreeView class",
                                  "QPushButton class", "inside a frame"})
            QTest::newRow(moved) << QString::fromLatin1(moved) << true;
        for (const char *kept : {"Image", "Shape", "CheckBox", "Slider", "NewsTicker", "Line", "QCheckBox class",
                                 "QSlider class", "QFrame class", "inside a label"})
            QTest::newRow(kept) << QString::fromLatin1(kept) << false;
    }
    void typesMovedOrKept()
    {
        QFETCH(QString, kind);
        QFETCH(bool, moves);
        QWidget *w = nullptr;
        if (kind == QStringLiteral("FlexGrid class"))
            w = Add<FlexGrid>(form.get());
        else if (kind == QStringLiteral("TreeView class"))
            w = Add<TreeView>(form.get());
        else if (kind == QStringLiteral("QPushButton class"))
            w = Add<QPushButton>(form.get());
        else if (kind == QStringLiteral("QCheckBox class"))
            w = Add<QCheckBox>(form.get());
        else if (kind == QStringLiteral("QSlider class"))
            w = Add<QSlider>(form.get());
        else if (kind == QStringLiteral("QFrame class"))
            w = Add<QFrame>(form.get());
        else if (kind == QStringLiteral("inside a frame"))
            w = Add<QLabel>(Add<QFrame>(form.get(), "Frame", {0, 0, 3000, 1500}));
        else if (kind == QStringLiteral("inside a label"))
            w = Add<QLabel>(Add<QLabel>(form.get(), "Image", {0, 0, 3000, 1500}));
        else
            w = Add<QWidget>(form.get(), kind.toLatin1().constData());
        resizer.ScaleControls();
        SizeForm(6000, 3000);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(w), (moves ? Box{240, 480, 1470, 510} : Box{120, 240, 735, 255}));
    }

    void typeNames()
    {
        QCOMPARE(clsFormResize::TypeName(Add<QLabel>(form.get())), QStringLiteral("Label"));
        QCOMPARE(clsFormResize::TypeName(Add<QLabel>(form.get(), "Image")), QStringLiteral("Image"));
        QCOMPARE(clsFormResize::TypeName(Add<FlexGrid>(form.get())), QStringLiteral("MSFlexGrid"));
        QCOMPARE(clsFormResize::TypeName(form.get()), QString());
    }

    // A minimised window keeps every control; restored, it scales from the
    // record again.
    void minimisedLeavesControls()
    {
        QLabel *label = Add<QLabel>(form.get());
        resizer.ScaleControls();
        SizeForm(6000, 3000);
        form->setWindowState(Qt::WindowMinimized);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{120, 240, 735, 255}));
        form->setWindowState(Qt::WindowNoState);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{240, 480, 1470, 510}));
    }

    // A record that cannot give ratios is reported to the caller and nothing
    // moves.
    void recordWithoutRatios_data()
    {
        QTest::addColumn<double>("recordWidth");
        QTest::addColumn<double>("recordHeight");
        QTest::addColumn<double>("nowWidth");
        QTest::addColumn<double>("nowHeight");
        QTest::addColumn<bool>("withControl");
        QTest::addColumn<float>("number");
        QTest::newRow("no inner height") << 3000.0 << 0.0 << 6000.0 << 3000.0 << true << 11.0f;
        QTest::newRow("no inner width") << 0.0 << 1500.0 << 6000.0 << 3000.0 << true << 11.0f;
        QTest::newRow("none then and now") << 0.0 << 0.0 << 0.0 << 0.0 << true << 6.0f;
        QTest::newRow("no control recorded") << 3000.0 << 1500.0 << 6000.0 << 3000.0 << false << 9.0f;
    }
    void recordWithoutRatios()
    {
        QFETCH(double, recordWidth);
        QFETCH(double, recordHeight);
        QFETCH(double, nowWidth);
        QFETCH(double, nowHeight);
        QFETCH(bool, withControl);
        QFETCH(float, number);
        // Non-widget children (a timer) are no controls.
        new QTimer(form.get());
        QWidget *area = new QWidget(form.get());
        area->setProperty("vbType", QStringLiteral("PictureBox"));
        QLabel *label = withControl ? Add<QLabel>(area) : nullptr;
        resizer.SetSourceForm(withControl ? area : new QFrame(area));
        resizer.SourceForm()->resize(Twips::ToPixels(recordWidth), Twips::ToPixels(recordHeight));
        resizer.ScaleControls();
        resizer.SourceForm()->resize(Twips::ToPixels(nowWidth), Twips::ToPixels(nowHeight));
        try {
            resizer.ScaleControls();
            QFAIL("no error reported");
        } catch (const VbError &e) {
            QCOMPARE(e.number, number);
        }
        if (label)
            QCOMPARE(BoxOf(label), (Box{120, 240, 735, 255}));
    }

    void noSourceForm()
    {
        clsFormResize none;
        QCOMPARE(none.SourceForm(), nullptr);
        try {
            none.ScaleControls();
            QFAIL("no error reported");
        } catch (const VbError &e) {
            QCOMPARE(e.number, 91.0f);
        }
    }

    // Re-recording makes the current geometry the reference.
    void reInitialize()
    {
        QLabel *label = Add<QLabel>(form.get());
        resizer.ReInitialize();
        SizeForm(6000, 3000);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{240, 480, 1470, 510}));
        Geometry::Move(label, 300, 300, 600, 600);
        resizer.ReInitialize();
        SizeForm(3000, 1500);
        resizer.ScaleControls();
        QCOMPARE(BoxOf(label), (Box{150, 150, 300, 300}));
    }

    void sizeFormToScreen()
    {
        const QRect screen = form->screen()->geometry();
        QLabel *label = Add<QLabel>(form.get());
        resizer.ScaleControls();
        resizer.SizeFormToScreen(50);
        QCOMPARE(Geometry::Width(form.get()), Shown(std::floor(0.5 * screen.width() * 15)));
        QCOMPARE(Geometry::Height(form.get()), Shown(std::floor(0.5 * screen.height() * 15)));
        QCOMPARE(BoxOf(label), (Box{120, 240, 735, 255})); // the resize handler rescales, not this
    }
};

TW_TEST(tst_formresize)
#include "tst_formresize.moc"
