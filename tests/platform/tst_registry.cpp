#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Settings.h"
#include "core/mdlRegistry.h"
#include "platform/Registry.h"
#include "platform/Vb.h"
#include "common/SampleSite.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {
const QString kKey = QStringLiteral("Software\\Zandor\\Tickerwatch5");
const QString kFull = QStringLiteral("HKEY_CURRENT_USER\\Software\\Zandor\\Tickerwatch5");
}

class tst_registry : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void writeUnderMissingKeyStoresNothing()
    {
        mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, kKey, QStringLiteral("RunOnce"), QStringLiteral("1"));
        QVERIFY(mdlRegistry::QueryValue(mdlRegistry::HKEY_CURRENT_USER, kKey, QStringLiteral("RunOnce")).IsEmpty());
        QVERIFY(!Registry::instance().KeyExists(kFull));
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void trailingBackslashNamesTheSameKey()
    {
        mdlRegistry::CreateNewKey(mdlRegistry::HKEY_CURRENT_USER, kKey + QStringLiteral("\\Groups"));
        mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, kKey + u'\\', QStringLiteral("Thanks"), QStringLiteral("1"));
        QCOMPARE(mdlRegistry::QueryValue(mdlRegistry::HKEY_CURRENT_USER, kKey, QStringLiteral("thanks")).ToText(), QStringLiteral("1"));
    }

    void persistsAsRegeditTextAndReadsBack()
    {
        env->CreateKeys();
        env->Set(QStringLiteral("Proxy"), QStringLiteral("a\\b \"c\" \u00e9"));
        Settings::SetGroup(QStringLiteral("Group7"), QStringLiteral("Tech"));
        QCoreApplication::processEvents(); // the changes land at the end of the turn
        const QByteArray file = TestEnv::ReadAll(env->settingsFile());
        QVERIFY(file.startsWith("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n"));
        QVERIFY(file.contains("[HKEY_CURRENT_USER\\Software\\Zandor\\Tickerwatch5]\r\n\"Proxy\"=\"a\\\\b \\\"c\\\" \xe9\"\r\n"));
        QVERIFY(file.contains("[HKEY_CURRENT_USER\\Software\\Zandor\\Tickerwatch5\\Groups]\r\n\"Group7\"=\"Tech\"\r\n"));
        Registry::instance().Open(env->settingsFile()); // read again from disk
        QCOMPARE(env->Get(QStringLiteral("Proxy")), QStringLiteral("a\\b \"c\" \u00e9"));
        QCOMPARE(Settings::GetGroup(QStringLiteral("GROUP7")).ToText(), QStringLiteral("Tech"));
    }

    void valueTypes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("status");
        QTest::newRow("text") << QByteArray("\"V\"=\"abc\"") << int(RegVariant::Text) << "abc" << 0;
        QTest::newRow("text with NUL from other software") << QByteArray("\"V\"=hex(1):61,62,00")
                                                           << int(RegVariant::Text) << QString::fromLatin1("ab\0", 3) << 0;
        QTest::newRow("dword") << QByteArray("\"V\"=dword:0000001e") << int(RegVariant::Long) << "30" << 0;
        QTest::newRow("expand_sz reads missing") << QByteArray("\"V\"=hex(2):61,00") << int(RegVariant::Empty) << "" << -1;
        QTest::newRow("binary reads missing") << QByteArray("\"V\"=hex:01,02") << int(RegVariant::Empty) << "" << -1;
    }
    void valueTypes()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, status);
        TestEnv::WriteAll(env->settingsFile(), "REGEDIT4\r\n\r\n[" + kFull.toLatin1() + "]\r\n" + line + "\r\n");
        Registry::instance().Open(env->settingsFile());
        RegVariant v;
        const int32_t st = mdlRegistry::QueryValueEx(mdlRegistry::KeyHandle{mdlRegistry::HKEY_CURRENT_USER, kFull, true},
                                                     QStringLiteral("V"), v);
        QCOMPARE(int(v.kind()), kind);
        QCOMPARE(v.ToText(), text);
        QCOMPARE(st, status);
    }

    void unknownLinesAreKept()
    {
        TestEnv::WriteAll(env->settingsFile(), "REGEDIT4\r\n\r\n[" + kFull.toLatin1() + "]\r\n\"A\"=\"1\"\r\nsomething odd\r\n");
        Registry::instance().Open(env->settingsFile());
        env->Set(QStringLiteral("B"), QStringLiteral("2"));
        QCoreApplication::processEvents();
        const QByteArray file = TestEnv::ReadAll(env->settingsFile());
        QVERIFY(file.contains("something odd\r\n"));
        QVERIFY(file.contains("\"B\"=\"2\"\r\n"));
    }

    // Lines the reader does not understand come back byte for byte when the
    // file is rewritten, and never take a neighbouring line with them.
    void unparsedLinesKeptByteForByte_data()
    {
        QTest::addColumn<QByteArray>("odd");
        QTest::newRow("junk after =hex ending in a backslash") << QByteArray("\"J\"=hexjunk,\\");
        QTest::newRow("bad hex figures continued") << QByteArray("\"J\"=hex:zz,\\");
        QTest::newRow("a bare LF inside a line") << QByteArray("\"J\"=\"half\nother half\"");
        QTest::newRow("a bare CR inside a line") << QByteArray("\"J\"=\"half\rother\"");
        QTest::newRow("a key line broken by LF") << QByteArray("[HKEY_CURRENT_USER\\So\nftware]");
        // Found by the fuzzer: the blank line kept the damaged value from
        // joining the figures after it once the file was written back.
        QTest::newRow("text after a closing quote") << QByteArray("\"J\"=\"a\"b\"");
        QTest::newRow("a NUL inside hex figures") << QByteArray("\"J\"=hex:01\0,02", 14);
        QTest::newRow("a NUL inside a dword") << QByteArray("\"J\"=dword:00000001\0x", 20);
    }
    void unparsedLinesKeptByteForByte()
    {
        QFETCH(QByteArray, odd);
        const QByteArray head = "REGEDIT4\r\n\r\n[" + kFull.toLatin1() + "]\r\n";
        TestEnv::WriteAll(env->settingsFile(), head + odd + "\r\n\"A\"=\"1\"\r\n");
        Registry::instance().Open(env->settingsFile());
        QCOMPARE(env->Get(QStringLiteral("A")), QStringLiteral("1")); // the next line is its own
        env->Set(QStringLiteral("B"), QStringLiteral("2"));
        QVERIFY(Registry::instance().Flush());
        QCOMPARE(TestEnv::ReadAll(env->settingsFile()), head + "\"A\"=\"1\"\r\n\"B\"=\"2\"\r\n" + odd + "\r\n");
    }

    // Two sections of one key are read as one, so kept lines from both come
    // together: a damaged value asking to be continued and loose figures
    // from the other section must stay apart however often the file is
    // rewritten (found by the fuzzer).
    void continuedLineStaysApart()
    {
        const QByteArray key = "[" + kFull.toLatin1() + "]\r\n";
        TestEnv::WriteAll(env->settingsFile(),
                          "REGEDIT4\r\n\r\n" + key + "\"H\"=hex:zz,\\\r\n\r\n" + key + "  03\r\n\"A\"=\"1\"\r\n");
        QByteArray last;
        for (int round = 0; round < 3; ++round) {
            Registry::instance().Open(env->settingsFile());
            QCOMPARE(env->Get(QStringLiteral("A")), QStringLiteral("1"));
            env->Set(QStringLiteral("B"), QString::number(round));
            QVERIFY(Registry::instance().Flush());
            const QByteArray file = TestEnv::ReadAll(env->settingsFile());
            QVERIFY2(file.contains("\"H\"=hex:zz,\\\r\n\r\n  03\r\n"), file.constData());
            if (round > 0)
                QCOMPARE(file, QByteArray(last).replace("\"B\"=\"" + QByteArray::number(round - 1), "\"B\"=\"" + QByteArray::number(round)));
            last = file;
        }
    }

    // A hex value over several lines still reads as one value.
    void continuedHexValue()
    {
        TestEnv::WriteAll(env->settingsFile(), "REGEDIT4\r\n\r\n[" + kFull.toLatin1() + "]\r\n\"H\"=hex:01,02,\\\r\n  03,04\r\n");
        Registry::instance().Open(env->settingsFile());
        const auto v = Registry::instance().GetValue(kFull, QStringLiteral("H"));
        QVERIFY(v);
        QCOMPARE(v->data, QByteArray::fromHex("01020304"));
    }

    // All the values set in one turn of the event loop reach the file
    // together when the turn ends, not one rewrite each.
    void writesLandTogetherAtTheEndOfTheTurn()
    {
        env->CreateKeys();
        QVERIFY(Registry::instance().Flush());
        const QByteArray before = TestEnv::ReadAll(env->settingsFile());
        for (int i = 0; i < 99; ++i)
            Settings::Set(QStringLiteral("Update") + QString::number(i), QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("Update98")), QStringLiteral("1")); // readable at once
        QCOMPARE(TestEnv::ReadAll(env->settingsFile()), before);
        QCoreApplication::processEvents();
        const QByteArray after = TestEnv::ReadAll(env->settingsFile());
        QVERIFY(after.contains("\"Update0\"=\"1\"\r\n"));
        QVERIFY(after.contains("\"Update98\"=\"1\"\r\n"));
        QVERIFY(!Registry::instance().Pending());
    }

    // Another process writes the store between two of this program's
    // writes (the sample site pointing the user at itself): its value stays,
    // and where both wrote one value, this program's change wins.
    void anotherProcessesWriteSurvives()
    {
        QTemporaryDir config;
        const QString store = config.filePath(QStringLiteral("Zandor/Tickerwatch.reg"));
        QDir().mkpath(config.filePath(QStringLiteral("Zandor")));
        TestEnv::WriteAll(store, "REGEDIT4\r\n\r\n[" + kFull.toLatin1() + "\\Hosts]\r\n\"*\"=\"old.test\"\r\n");
        Registry::instance().Open(store);
        Settings::Set(QStringLiteral("Email"), QStringLiteral("me@x.test")); // no key yet: nothing
        QVERIFY(Registry::instance().CreateKey(kFull));
        Settings::Set(QStringLiteral("Email"), QStringLiteral("me@x.test"));
        QVERIFY(Registry::instance().Flush());

        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        {
            tw::test::SampleSite other({QStringLiteral("--point-user-here")}, e);
            QVERIFY(other.port() != 0);
            QVERIFY(TestEnv::ReadAll(store).contains(other.hostPort().toLatin1()));
            // This program, still holding "old.test" in memory, writes again.
            Settings::Set(QStringLiteral("Proxy"), QStringLiteral("gate:8080"));
            Registry::instance().SetValue(kFull, QStringLiteral("Email"), {Registry::Sz, "mine@x.test"});
            QVERIFY(Registry::instance().Flush());
            const QByteArray file = TestEnv::ReadAll(store);
            QVERIFY2(file.contains("\"*\"=\"" + other.hostPort().toLatin1() + "\""), file);
            QVERIFY(file.contains("\"Proxy\"=\"gate:8080\""));
            QVERIFY(file.contains("\"Email\"=\"mine@x.test\""));
            QVERIFY(!file.contains("old.test"));
            QCOMPARE(Registry::instance().GetValue(kFull + QStringLiteral("\\Hosts"), QStringLiteral("*"))->data,
                     other.hostPort().toLatin1());
        }
        Registry::instance().Open(env->settingsFile());
    }

    void numberComparisons_data()
    {
        QTest::addColumn<QString>("stored"); // "<missing>" for none
        QTest::addColumn<bool>("equalsZero");
        QTest::addColumn<bool>("fails");
        QTest::newRow("missing") << "<missing>" << true << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("0") << "0" << true << false;
        QTest::newRow("1") << "1" << false << false;
        QTest::newRow("abc") << "abc" << false << true;
    }
    void numberComparisons()
    {
        QFETCH(QString, stored);
        QFETCH(bool, equalsZero);
        QFETCH(bool, fails);
        env->CreateKeys();
        if (stored != QStringLiteral("<missing>"))
            env->Set(QStringLiteral("RunOnce"), stored);
        const RegVariant v = Settings::Get(QStringLiteral("RunOnce"));
        bool threw = false;
        bool zero = false;
        try {
            zero = v.EqualsZero();
        } catch (const VbError &e) {
            threw = true;
            QCOMPARE(e.number, 13.0f);
        }
        QCOMPARE(threw, fails);
        if (!fails)
            QCOMPARE(zero, equalsZero);
    }

    void dwordWriteOfNonNumberIsLogged()
    {
        env->CreateKeys();
        mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, kKey, QStringLiteral("N"), RegVariant::FromText(QStringLiteral("x")),
                                 mdlRegistry::REG_DWORD);
        QVERIFY(env->ErrorLog().contains("Where: mdlRegistry_SetValueEx\r\n"));
        QVERIFY(!env->Has(QStringLiteral("N")));
    }
};

TW_TEST(tst_registry)
#include "tst_registry.moc"
