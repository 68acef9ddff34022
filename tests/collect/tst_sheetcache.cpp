#include "collect/SheetCache.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_sheetcache : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        QDir().mkpath(SheetCache::DataSheetFolder());
    }
    void cleanup() { env.reset(); }

    void usableSymbol_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << QByteArray("IBM") << true;
        QTest::newRow("lower case") << QByteArray("msft") << true;
        QTest::newRow("one letter") << QByteArray("A") << true;
        QTest::newRow("class share") << QByteArray("BRK.A") << true;
        QTest::newRow("index") << QByteArray("^DJI") << true;
        QTest::newRow("dash") << QByteArray("BF-B") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("parent") << QByteArray("../x") << false;
        QTest::newRow("dots") << QByteArray("..") << false;
        QTest::newRow("slash") << QByteArray("a/b") << false;
        QTest::newRow("backslash") << QByteArray("a\\b") << false;
        QTest::newRow("blank") << QByteArray("A B") << false;
        QTest::newRow("CR LF") << QByteArray("X\r\nY") << false;
        QTest::newRow("NUL") << QByteArray("X\0Y", 3) << false;
        QTest::newRow("8-bit") << QByteArray("\xC4X") << false;
        QTest::newRow("too long") << QByteArray(21, 'A') << false;
    }
    void usableSymbol()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(bool, usable);
        QCOMPARE(SheetCache::UsableSymbol(symbol), usable);
    }

    // A name resolves to the file already there in any letter case; a name
    // that could leave the folder resolves to nothing.
    void resolve_data()
    {
        QTest::addColumn<QString>("existing"); // "" none
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path"); // relative to the folder, "" refused
        QTest::newRow("new") << "" << "IBM_it.Sh" << "IBM_it.Sh";
        QTest::newRow("same case") << "IBM_it.Sh" << "IBM_it.Sh" << "IBM_it.Sh";
        QTest::newRow("other case") << "Upgrade.sh" << "Upgrade.Sh" << "Upgrade.sh";
        QTest::newRow("prefix case") << "BrPG_Q.Sh" << "brPG_Q.Sh" << "BrPG_Q.Sh";
        QTest::newRow("dots inside a name") << "" << "A..txt" << "A..txt";
        QTest::newRow("parent") << "" << ".." << "";
        QTest::newRow("separator") << "" << "../x_it.Sh" << "";
        QTest::newRow("backslash") << "" << "..\\x_it.Sh" << "";
        QTest::newRow("line end") << "" << "X\r\n_it.Sh" << "";
        QTest::newRow("empty") << "" << "" << "";
    }
    void resolve()
    {
        QFETCH(QString, existing);
        QFETCH(QString, name);
        QFETCH(QString, path);
        const QString folder = SheetCache::DataSheetFolder();
        if (!existing.isEmpty())
            TestEnv::WriteAll(folder + u'/' + existing, "page");
        QCOMPARE(SheetCache::Resolve(folder, name), path.isEmpty() ? QString() : folder + u'/' + path);
    }

    // The folder read for one lookup serves the next ones while only Store
    // changes it; a file put there otherwise is seen at the next lookup.
    void listingFollowsTheFolder()
    {
        const QString folder = SheetCache::DataSheetFolder();
        QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("A_it.Sh")), folder + QStringLiteral("/A_it.Sh"));
        QVERIFY(SheetCache::Store(SheetCache::Resolve(folder, QStringLiteral("B_it.Sh")), "page"));
        QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("b_IT.sh")), folder + QStringLiteral("/B_it.Sh"));
        QTest::qWait(50); // the folder's change time moves on in whole clock ticks
        TestEnv::WriteAll(folder + QStringLiteral("/c_it.SH"), "page");
        QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("C_it.Sh")), folder + QStringLiteral("/c_it.SH"));
        QTest::qWait(50);
        QFile::remove(folder + QStringLiteral("/B_it.Sh"));
        QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("b_IT.sh")), folder + QStringLiteral("/b_IT.sh"));
        // Looked up often while nothing changes, then changed from outside.
        for (int i = 0; i < 4; ++i)
            QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("C_IT.sh")), folder + QStringLiteral("/c_it.SH"));
        QTest::qWait(50);
        TestEnv::WriteAll(folder + QStringLiteral("/d_IT.sh"), "page");
        QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("D_it.Sh")), folder + QStringLiteral("/d_IT.sh"));
        QCOMPARE(SheetCache::Resolve(folder, QStringLiteral("c_IT.SH")), folder + QStringLiteral("/c_it.SH"));
    }

    // A page is stored whole: the new bytes exactly, no part file left.
    void store()
    {
        const QString file = SheetCache::DataSheet(QStringLiteral("X_it.Sh"));
        TestEnv::WriteAll(file, QByteArray(5000, 'o'));
        QVERIFY(SheetCache::Store(file, "new page"));
        QCOMPARE(TestEnv::ReadAll(file), QByteArray("new page"));
        QCOMPARE(QDir(SheetCache::DataSheetFolder()).entryList(QDir::Files), QStringList{"X_it.Sh"});
        QVERIFY(!SheetCache::Store(QString(), "page"));
        QVERIFY(!SheetCache::Store(AppFolder + QStringLiteral("/no such folder/X.Sh"), "page"));
    }

    void forUrl()
    {
        QCOMPARE(SheetCache::ForUrl("IBM"), QStringLiteral("IBM"));
        QCOMPARE(SheetCache::ForUrl("BRK.A"), QStringLiteral("BRK.A"));
        QCOMPARE(SheetCache::ForUrl("^DJI"), QStringLiteral("%5EDJI"));
        QCOMPARE(SheetCache::ForUrl("A B\r\n&x=1"), QStringLiteral("A%20B%0D%0A%26x%3D1"));
    }

    void marketList()
    {
        QCOMPARE(SheetCache::MarketList(QStringLiteral("PG_Q")), AppFolder + QStringLiteral("/Cache/DataSheet/BrPG_Q.Sh"));
        TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/DataSheet/brMAS_N.Sh"), "page");
        QCOMPARE(SheetCache::MarketList(QStringLiteral("MAS_N")), AppFolder + QStringLiteral("/Cache/DataSheet/brMAS_N.Sh"));
    }
};

TW_TEST(tst_sheetcache)
#include "tst_sheetcache.moc"
