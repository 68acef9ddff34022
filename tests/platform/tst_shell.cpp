// Addresses handed to the desktop: a mail address goes without parameters
// that name files to attach, and an address the desktop could not open is
// told to the user once.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_shell : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void handedAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("handed");
        QTest::newRow("attach dropped")
            << "mailto:a@b.test?subject=Hi&attach=/home/u/.ssh/id_rsa" << "mailto:a@b.test?subject=Hi";
        QTest::newRow("attachment dropped, body kept")
            << "mailto:a@b.test?Attachment=%2Fetc%2Fpasswd&body=Dear%20friend" << "mailto:a@b.test?body=Dear%20friend";
        QTest::newRow("encoded name, scheme in capitals")
            << "MAILTO:a@b.test?%61ttach=/etc/passwd" << "MAILTO:a@b.test";
        QTest::newRow("only parameter first") << "mailto:?attach=x&to=a@b.test" << "mailto:?to=a@b.test";
        QTest::newRow("headers kept as they stand")
            << "mailto:a@b.test?cc=c@d.test&Subject=Re%3A%20x&body=attach%3Dno"
            << "mailto:a@b.test?cc=c@d.test&Subject=Re%3A%20x&body=attach%3Dno";
        QTest::newRow("web address untouched") << "http://host.test/p?attach=x" << "http://host.test/p?attach=x";
    }
    void handedAddress()
    {
        QFETCH(QString, address);
        QFETCH(QString, handed);
        Shell::Open(address);
        QCOMPARE(Shell::Opened(), QStringList{handed});
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // The desktop refuses: one message, the caller's own when it gives one.
    void refused_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("shown");
        QTest::newRow("default text") << QString() << "The address could not be opened:\r\nhttp://host.test/p";
        QTest::newRow("caller's text") << "The page is in /tmp/x.htm" << "The page is in /tmp/x.htm";
    }
    void refused()
    {
        QFETCH(QString, failure);
        QFETCH(QString, shown);
        Shell::SetFailing(true);
        Shell::Open(QStringLiteral("http://host.test/p"), failure);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, shown);
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbExclamation));
        Shell::Reset(); // opens again
        Shell::Open(QStringLiteral("http://host.test/q"));
        QCOMPARE(Shell::Opened(), QStringList{QStringLiteral("http://host.test/q")});
        QCOMPARE(Dialogs::Log().size(), 1);
    }
};

TW_TEST(tst_shell)
#include "tst_shell.moc"
