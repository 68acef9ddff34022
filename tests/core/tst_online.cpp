#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/clsRAS.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_online : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
    }
    void cleanup() { env.reset(); }

    void checkOnline_data()
    {
        QTest::addColumn<QString>("prompt"); // "<missing>" for none
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("dials");
        QTest::newRow("prompt missing: no check") << "<missing>" << 0 << 0 << true << false << 0;
        QTest::newRow("prompt 0: no check") << "0" << 0 << 0 << true << false << 0;
        QTest::newRow("prompt 1, connected") << "1" << 1 << 0 << true << false << 0;
        QTest::newRow("prompt 1, offline, No") << "1" << 0 << int(Dialogs::vbNo) << false << true << 0;
        QTest::newRow("prompt 1, offline, Yes dials") << "1" << 0 << int(Dialogs::vbYes) << false << true << 1;
    }
    void checkOnline()
    {
        QFETCH(QString, prompt);
        QFETCH(int, active);
        QFETCH(int, answer);
        QFETCH(bool, result);
        QFETCH(bool, asked);
        QFETCH(int, dials);
        if (prompt != QStringLiteral("<missing>"))
            env->Set(QStringLiteral("Prompt"), prompt);
        Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\RemoteAccess"));
        Registry::instance().SetValue(QStringLiteral("HKEY_CURRENT_USER\\RemoteAccess"), QStringLiteral("Default"),
                                      Registry::Value{Registry::Sz, QByteArray("My ISP\0", 7)});
        Ras::SetActive(int16_t(active));
        if (answer)
            Dialogs::QueueAnswer(answer);
        QCOMPARE(Misc::CheckOnline(), result);
        QCOMPARE(Dialogs::Log().size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Not Connected"));
            QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("The connection to the Internet is not active,\r\nDo you wish to connect now?"));
            QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbQuestion | Dialogs::vbYesNo));
        }
        QCOMPARE(Ras::DialCount(), dials);
        if (dials)
            QCOMPARE(Ras::LastDialed(), QStringLiteral("My ISP")); // taken up to its NUL
    }

    void dialWithoutDefaultEntryDoesNothing()
    {
        clsRAS ras;
        ras.ISPCall();
        QCOMPARE(Ras::DialCount(), 0);
    }

    void hangUpWithNoConnectionShowsNothing()
    {
        Ras::SetActive(0);
        clsRAS ras;
        ras.ISPHangup();
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void openLinkOfflineOpensNothing()
    {
        env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Dialogs::QueueAnswer(Dialogs::vbNo);
        Misc::OpenLink(QStringLiteral("http://quotes.test/q?s=IBM"));
        QVERIFY(Shell::Opened().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void openLinkOpensOnlySafeAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opens");
        QTest::newRow("http") << "http://quotes.test/q?s=IBM" << true;
        QTest::newRow("https") << "https://quotes.test/" << true;
        QTest::newRow("mailto") << "mailto:someone@example.net" << true;
        QTest::newRow("report under data folder") << "<app>/Cache/Reports/r.html" << true;
        QTest::newRow("file outside data folder") << "/etc/passwd" << false;
        QTest::newRow("escape by ..") << "<app>/../outside.html" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("program") << "/usr/bin/xterm" << false;
        QTest::newRow("rtsp stream") << "rtsp://streams.test/a.rm" << false;
        QTest::newRow("pnm stream") << "pnm://streams.test/live.rm" << false;
    }
    void openLinkOpensOnlySafeAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, opens);
        TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/Reports/r.html"), "<html></html>");
        TestEnv::WriteAll(env->root() + QStringLiteral("/outside.html"), "<html></html>");
        address.replace(QStringLiteral("<app>"), AppFolder);
        Misc::OpenLink(address);
        QCOMPARE(Shell::Opened().size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(Shell::Opened()[0], address);
        QVERIFY(!QApplication::overrideCursor());
    }

    // The program's own stream links open as they stand, after the same
    // online check.
    void fixedLinkOpensStreams_data()
    {
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opens");
        QTest::newRow("connected") << 1 << 0 << true;
        QTest::newRow("offline, no") << 0 << int(Dialogs::vbNo) << false;
        QTest::newRow("offline, dial") << 0 << int(Dialogs::vbYes) << false;
    }
    void fixedLinkOpensStreams()
    {
        QFETCH(int, active);
        QFETCH(int, answer);
        QFETCH(bool, opens);
        env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(int16_t(active));
        if (answer)
            Dialogs::QueueAnswer(answer);
        const QString address = QStringLiteral("rtsp://streams.test/zd/news.rm");
        Misc::OpenFixedLink(address);
        QCOMPARE(Shell::Opened(), opens ? QStringList{address} : QStringList{});
        QCOMPARE(Dialogs::Log().size(), opens ? 0 : 1);
        QVERIFY(!QApplication::overrideCursor());
    }
};

TW_TEST(tst_online)
#include "tst_online.moc"
