#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/Artwork.h"
#include "shell/Skins.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_skins : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    frmMain *main = nullptr;

    static QImage Pic(const QString &name) { return Artwork::Picture(name).toImage(); }

    void Apply(const QString &picBar)
    {
        env->Set(QStringLiteral("PicBar"), picBar);
        Misc::ApplySkin();
    }

    // Every bar shows the bar picture and the marker surface holds the marker.
    void VerifyShows(const QString &bar, const QString &marker)
    {
        QVERIFY(!Pic(bar).isNull());
        for (int i = 0; i < 7; ++i) {
            auto *img = main->findChild<QLabel *>(QStringLiteral("img_%1").arg(i));
            QVERIFY(img);
            QCOMPARE(img->pixmap().toImage(), Pic(bar));
        }
        QVERIFY(SkinMarkerDC != 0);
        QCOMPARE(BitBltModule::Surface(SkinMarkerDC).toImage(), Pic(marker));
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        SkinBarName.clear();
        SkinMarkerName.clear();
        SkinMarkerDC = 0;
        main = frmMain::Instance();
    }
    void cleanup()
    {
        frmMain::Unload();
        BitBltModule::BitBlt_DestroyHdcs();
        env.reset();
    }

    // The first skin applied, by the stored "PicBar".
    void firstApply_data()
    {
        QTest::addColumn<QString>("picBar"); // "-" = no value stored
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("marker");
        for (int i = 0; i < int(SkinTable.size()); ++i) {
            QTest::addRow("row %d %s", i, SkinTable[i].caption)
                << QString::number(i) << QString::fromLatin1(SkinTable[i].bar) << QString::fromLatin1(SkinTable[i].marker);
        }
        QTest::newRow("missing") << "-" << "NeonBlue" << "NeonBlueB";
        QTest::newRow("empty text") << "" << "NeonBlue" << "NeonBlueB"; // read like a missing value
        QTest::newRow("9 is Red Plastic, green pair") << "9" << "PlasticGreen" << "PlasticGreenB";
        QTest::newRow("number text") << " 9.0 " << "PlasticGreen" << "PlasticGreenB";
        QTest::newRow("past the table") << "11" << "GlassBlue" << "GlassBlueb";
        QTest::newRow("negative") << "-1" << "GlassBlue" << "GlassBlueb";
        QTest::newRow("between rows") << "2.5" << "GlassBlue" << "GlassBlueb";
        QTest::newRow("not a number") << "abc" << "GlassBlue" << "GlassBlueb";
    }
    void firstApply()
    {
        QFETCH(QString, picBar);
        QFETCH(QString, bar);
        QFETCH(QString, marker);
        if (picBar != QStringLiteral("-"))
            env->Set(QStringLiteral("PicBar"), picBar);
        Misc::ApplySkin();
        QCOMPARE(SkinBarName, bar);
        QCOMPARE(SkinMarkerName, marker);
        VerifyShows(bar, marker);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void tableRows()
    {
        QCOMPARE(SkinTable.size(), std::size_t(11));
        QCOMPARE(QString::fromLatin1(SkinTable[9].caption), QStringLiteral("Red Plastic"));
        for (const SkinRow &row : SkinTable)
            QCOMPARE(QString::fromLatin1(row.marker), QString::fromLatin1(row.bar) + u'B');
    }

    // A value that matches no row keeps the skin applied before, but still
    // makes a new surface with the current marker.
    void noMatchLaterKeepsSkin()
    {
        Apply(QStringLiteral("3"));
        const int32_t first = SkinMarkerDC;
        const int16_t count = BitBltModule::SurfaceCount();
        Apply(QStringLiteral("11"));
        QCOMPARE(SkinBarName, QStringLiteral("GoldMetal"));
        QCOMPARE(SkinMarkerName, QStringLiteral("GoldMetalB"));
        QCOMPARE(BitBltModule::SurfaceCount(), int16_t(count + 1));
        QVERIFY(SkinMarkerDC != first);
        VerifyShows(QStringLiteral("GoldMetal"), QStringLiteral("GoldMetalB"));
    }

    // Start-up plus three choices leave four surfaces; shut-down frees them all
    // and the count goes on from there.
    void surfacesFreedAtShutDown()
    {
        const int16_t before = BitBltModule::SurfaceCount();
        QList<int32_t> handles;
        for (const char *v : {"0", "4", "7", "10"}) {
            Apply(QString::fromLatin1(v));
            handles << SkinMarkerDC;
        }
        QCOMPARE(BitBltModule::SurfaceCount(), int16_t(before + 4));
        QCOMPARE(BitBltModule::Surface(handles[1]).toImage(), Pic(QStringLiteral("GreenMetalB")));
        VerifyShows(QStringLiteral("PlasticViolet"), QStringLiteral("PlasticVioletB"));

        BitBltModule::BitBlt_DestroyHdcs();
        for (int32_t h : handles)
            QVERIFY(BitBltModule::Surface(h).isNull());
        QCOMPARE(BitBltModule::SurfaceCount(), int16_t(before + 4));
        const int32_t next = BitBltModule::BitBlt_CreateMemHdc(main->img[0], 8, 10);
        QCOMPARE(next, int32_t(before + 5));
        QVERIFY(!BitBltModule::Surface(next).isNull());
    }

    // Pictures that cannot be loaded leave the bars as they were and the new
    // surface blank, at the size of a bar's inner area.
    void missingPictures()
    {
        Apply(QStringLiteral("1"));
        SkinBarName = QStringLiteral("NoSuchBar");
        SkinMarkerName = QStringLiteral("NoSuchBarB");
        Apply(QStringLiteral("12"));
        QCOMPARE(main->img[6]->pixmap().toImage(), Pic(QStringLiteral("NeonGreen")));
        const QPixmap blank = BitBltModule::Surface(SkinMarkerDC);
        QCOMPARE(blank.size(), main->img[0]->contentsRect().size());
        QCOMPARE(env->ErrorBlocks(), 1);
        QVERIFY(env->ErrorLog().contains("Where: BitBlt_LoadBmpToHdc"));
    }

    // A surface that cannot be made answers 0 and still counts; nothing can
    // be loaded into it.
    void surfaceThatCannotBeMade()
    {
        const int16_t before = BitBltModule::SurfaceCount();
        QCOMPARE(BitBltModule::BitBlt_CreateMemHdc(main->img[0], 0, 10), 0);
        QCOMPARE(BitBltModule::SurfaceCount(), int16_t(before + 1));
        BitBltModule::BitBlt_LoadBmpToHdc(0, QStringLiteral("NeonBlueB"));
        QVERIFY(BitBltModule::Surface(0).isNull());
        QCOMPARE(env->ErrorBlocks(), 2);
        QVERIFY(env->ErrorLog().contains("Where: BitBlt_CreateMemHdc"));
        QVERIFY(env->ErrorLog().contains("Where: BitBlt_LoadBmpToHdc"));
    }
};

TW_TEST(tst_skins)
#include "tst_skins.moc"
