#include "common/TestRegistry.h"
#include "platform/Artwork.h"

#include <QImage>
#include <QTest>

class tst_artwork : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        // Skins and grid pictures are block-copied or set into cells whole,
        // so they carry no see-through pixels.
        QTest::addColumn<bool>("opaque");
        const struct { const char *bar; int barHeight; QSize marker; } skins[] = {
            {"NeonBlue", 16, {8, 10}},  {"NeonGreen", 16, {7, 10}},  {"NeonRed", 16, {9, 10}},
            {"GoldMetal", 18, {8, 11}}, {"GreenMetal", 18, {10, 11}}, {"GlassBlue", 16, {9, 10}},
            {"GlassGreen", 16, {9, 10}}, {"GlassRed", 16, {9, 10}},   {"PlasticBlue", 16, {7, 8}},
            {"PlasticGreen", 16, {7, 8}}, {"PlasticViolet", 16, {7, 8}},
        };
        for (const auto &s : skins) {
            const QString bar = QLatin1String(s.bar);
            QTest::newRow(s.bar) << bar << QSize(300, s.barHeight) << true;
            QTest::newRow(qPrintable(bar + QLatin1Char('B'))) << bar + QLatin1Char('B') << s.marker << true;
        }
        // Names as the code spells them elsewhere.
        QTest::newRow("GlassBlueb") << "GlassBlueb" << QSize(9, 10) << true;
        QTest::newRow("GLASSBLUE") << "GLASSBLUE" << QSize(300, 16) << true;
        for (const char *n : {"UP", "DN", "HIGH", "LOW"})
            QTest::newRow(n) << QString::fromLatin1(n) << QSize(11, 13) << true;
        QTest::newRow("Up") << "Up" << QSize(11, 13) << true;
        for (const char *n : {"B1", "B2", "B3", "B4"})
            QTest::newRow(n) << QString::fromLatin1(n) << QSize(50, 25) << false;
        QTest::newRow("Investor") << "Investor" << QSize(96, 96) << false;
        QTest::newRow("SPLASH") << "SPLASH" << QSize(400, 250) << true;
    }
    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, opaque);
        const QPixmap pm = Artwork::Picture(name);
        QVERIFY2(!pm.isNull(), qPrintable(name));
        QCOMPARE(pm.size(), size);
        if (opaque)
            QVERIFY(!pm.hasAlphaChannel());
    }

    void gridArrowsOnLightGrey()
    {
        for (const char *n : {"UP", "DN"})
            QCOMPARE(Artwork::Picture(QLatin1String(n)).toImage().pixelColor(0, 0), QColor(192, 192, 192));
        // Up is green and down red where the arrows are at their widest.
        const QColor up = Artwork::Picture(QStringLiteral("UP")).toImage().pixelColor(5, 8);
        const QColor dn = Artwork::Picture(QStringLiteral("DN")).toImage().pixelColor(5, 4);
        QVERIFY(up.green() > up.red());
        QVERIFY(dn.red() > dn.green());
    }

    void unknownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("unknown") << "NOPE";
        QTest::newRow("fifth button") << "B5";
        QTest::newRow("no red plastic") << "PlasticRed";
        QTest::newRow("folder") << "skins/NEONBLUE";
        QTest::newRow("climbs out") << "../resources/skins/NEONBLUE";
        QTest::newRow("with extension") << "UP.png";
    }
    void unknownNames()
    {
        QFETCH(QString, name);
        QVERIFY(Artwork::Picture(name).isNull());
    }

    void splitterCursors()
    {
        QImage shapes[2];
        int i = 0;
        for (int id : {102, 103}) {
            const QCursor c = Artwork::Cursor(id);
            QCOMPARE(c.shape(), Qt::BitmapCursor);
            QCOMPARE(c.hotSpot(), QPoint(16, 14));
            QCOMPARE(c.pixmap().size(), QSize(32, 32));
            // The hot spot lies on the hand, not on see-through pixels.
            QVERIFY(c.pixmap().toImage().pixelColor(16, 14).alpha() > 200);
            shapes[i++] = c.pixmap().toImage();
        }
        QVERIFY(shapes[0] != shapes[1]);
        QCOMPARE(Artwork::Cursor(0).shape(), Qt::ArrowCursor);
        QCOMPARE(Artwork::Cursor(104).shape(), Qt::ArrowCursor);
    }
};

TW_TEST(tst_artwork)
#include "tst_artwork.moc"
