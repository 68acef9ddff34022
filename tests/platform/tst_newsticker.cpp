#include "common/TestRegistry.h"
#include "platform/NewsTicker.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

// Scrolls until the item shows at least a few pixels, and answers a point
// on it (a null point when it never shows).
QPoint PointOn(NewsTicker &t, int item)
{
    for (int o = 0; o < t.width() * 4 + 4000; ++o) {
        t.SetOffset(o);
        const QRect r = t.ItemRect(item);
        if (r.width() >= 4)
            return r.center();
    }
    return {};
}

} // namespace

class tst_newsticker : public QObject {
    Q_OBJECT
    std::unique_ptr<NewsTicker> t;

    // The strip stays hidden so no tick moves the text under the pointer.
    void Move(QPoint p)
    {
        QMouseEvent move(QEvent::MouseMove, p, t->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(t.get(), &move);
    }

private Q_SLOTS:
    void init()
    {
        t = std::make_unique<NewsTicker>();
        t->resize(400, 24);
    }
    void cleanup() { t.reset(); }

    void items_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("each ends in ;") << QByteArray("one;two;") << QStringList{"one", "two"};
        QTest::newRow("last without ;") << QByteArray("one;two") << QStringList{"one", "two"};
        QTest::newRow("empty last item") << QByteArray("a b c d;;") << QStringList{"a b c d", ""};
        QTest::newRow("empty items") << QByteArray(";;") << QStringList{"", ""};
        QTest::newRow("nothing") << QByteArray() << QStringList{};
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80 5;") << QStringList{QStringLiteral("Caf\u00e9 \u20ac 5")};
    }
    void items()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, items);
        t->SetText(text);
        QCOMPARE(t->Text(), text);
        QCOMPARE(t->ItemCount(), items.size());
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(t->ItemText(i + 1), items[i]);
        QCOMPARE(t->ItemText(0), QString());
        QCOMPARE(t->ItemText(items.size() + 1), QString());
        // a screen reader reads what the strip shows
        QCOMPARE(t->accessibleDescription(), items.join(QStringLiteral("; ")));
        QVERIFY(!t->accessibleName().isEmpty());
    }

    // Each item reports its own place, counted from 1, wherever the scroll
    // has taken it; gaps, other buttons and a release elsewhere report none.
    void clickReportsItem()
    {
        t->SetText("... Latest Zeta News ...; first story; second story;");
        QSignalSpy spy(t.get(), &NewsTicker::ItemClick);
        for (int item = 1; item <= 3; ++item) {
            const QPoint p = PointOn(*t, item);
            QVERIFY(!p.isNull());
            QCOMPARE(t->ItemAt(p), item);
            QTest::mouseClick(t.get(), Qt::LeftButton, {}, p);
            QCOMPARE(spy.size(), item);
            QCOMPARE(spy.last().at(0).toInt(), item);
        }
        spy.clear();

        const QPoint p = PointOn(*t, 2);
        QTest::mouseClick(t.get(), Qt::RightButton, {}, p);
        QTest::mousePress(t.get(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(t.get(), Qt::LeftButton, {}, QPoint(-5, 5));
        const QRect r = t->ItemRect(2);
        QTest::mouseClick(t.get(), Qt::LeftButton, {}, QPoint(r.right() + 3, r.center().y())); // the gap after it
        QCOMPARE(spy.size(), 0);
    }

    // A new text comes in at the right edge and moves left a pixel a tick;
    // the same text again keeps its place.
    void scrolls()
    {
        t->SetText("alpha;beta;");
        QVERIFY(t->ItemRect(1).isEmpty()); // still right of the strip
        t->Step();
        t->Step();
        const QRect entering = t->ItemRect(1);
        QCOMPARE(entering.left(), t->width() - 2);
        t->Step();
        QCOMPARE(t->ItemRect(1).left(), t->width() - 3);

        t->SetText("alpha;beta;");
        QCOMPARE(t->Offset(), 3);
        t->SetText("gamma;");
        QCOMPARE(t->Offset(), 0);
    }

    // After the whole text has left at the left edge it comes back at the
    // right, and a text longer than the strip comes round the same way.
    void wrapsAround_data()
    {
        QTest::addColumn<int>("items");
        QTest::newRow("short") << 2;
        QTest::newRow("longer than the strip") << 40;
    }
    void wrapsAround()
    {
        QFETCH(int, items);
        QByteArray text;
        for (int i = 0; i < items; ++i)
            text += "headline number " + QByteArray::number(i) + ';';
        t->SetText(text);
        const QPoint first = PointOn(*t, 1);
        const int offset = t->Offset();
        QRect seen;
        int steps = 0;
        // the item leaves, then comes back to the same place
        for (; steps < 100000; ++steps) {
            t->Step();
            if (t->ItemRect(1).isEmpty())
                seen = QRect(0, 0, 1, 1);
            if (!seen.isNull() && t->ItemRect(1).center() == first)
                break;
        }
        QVERIFY(!seen.isNull());
        QCOMPARE(t->Offset(), offset);
        QCOMPARE(t->ItemAt(first), 1);
        QCOMPARE(t->ItemAt(QPoint(-1, 5)), 0);
    }

    void timerRunsOnlyOnScreen()
    {
        t->SetText("alpha;");
        QTest::qWait(3 * t->ScrollDelay());
        QCOMPARE(t->Offset(), 0); // hidden: no ticks
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.get()));
        QTRY_VERIFY(t->Offset() > 2);
        t->hide();
        const int offset = t->Offset();
        QTest::qWait(5 * t->ScrollDelay());
        QCOMPARE(t->Offset(), offset);
    }

    // Pointing at an item gives the hand pointer and draws the item in the
    // highlight; leaving the strip ends both.
    void hover()
    {
        t->SetText("alpha;beta;");
        const QPoint p = PointOn(*t, 2);
        const QImage before = t->grab().toImage();
        Move(p);
        QCOMPARE(t->cursor().shape(), Qt::PointingHandCursor);
        const QImage hovered = t->grab().toImage();
        QVERIFY(hovered != before);
        bool blue = false;
        const QRect r = t->ItemRect(2);
        for (int x = r.left(); x <= r.right(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y) {
                const QColor c = hovered.pixelColor(x, y);
                blue = blue || (c.blue() > 200 && c.red() < 170);
            }
        QVERIFY(blue);
        Move(PointOn(*t, 1));
        QCOMPARE(t->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(t.get(), &leave);
        QCOMPARE(t->cursor().shape(), Qt::ArrowCursor);
    }
};

TW_TEST(tst_newsticker)
#include "tst_newsticker.moc"
