#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"

#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_errorlog : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); env->CreateKeys(); }
    void cleanup() { env.reset(); }

    void blockFormat()
    {
        Misc::ErrorTraping(QStringLiteral("File not found"), 53, QStringLiteral("Tickerwatch"), QStringLiteral("Misc_Main"), true);
        const QList<QByteArray> lines = env->ErrorLog().split('\n');
        QCOMPARE(lines.size(), 7); // six CR LF-ended lines
        QCOMPARE(lines[0], QByteArray("--------------\r"));
        QVERIFY(lines[1].startsWith("Time: "));
        QCOMPARE(lines[2], QByteArray("Description:   File not found\r"));
        QCOMPARE(lines[3], QByteArray("Number:        53\r"));
        QCOMPARE(lines[4], QByteArray("Source:         Tickerwatch\r"));
        QCOMPARE(lines[5], QByteArray("Where: Misc_Main\r"));
        QCOMPARE(lines[6], QByteArray());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Error occur"));
        QVERIFY(!Dialogs::Log()[0].text.contains(QStringLiteral("Where:")));
        QVERIFY(Dialogs::Log()[0].text.startsWith(QStringLiteral("Error occur and logged successfully into a log file\r\n"
                                                                 "If you don't want to see this messages anymore, Click Cancel\r\n--------------\r\n")));
    }

    void cancelTurnsBoxesOff()
    {
        Dialogs::QueueAnswer(Dialogs::vbCancel);
        Misc::ErrorTraping(QStringLiteral("x"), 5, QStringLiteral("s"), QStringLiteral("p"), true);
        QCOMPARE(env->Get(QStringLiteral("ErrorTraping")), QStringLiteral("1"));
        Misc::ErrorTraping(QStringLiteral("y"), 5, QStringLiteral("s"), QStringLiteral("p"), true);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(env->ErrorBlocks(), 2);
    }

    void okKeepsBoxesAndShowFalseShowsNothing()
    {
        Dialogs::QueueAnswer(Dialogs::vbOK);
        Misc::ErrorTraping(QStringLiteral("x"), 5, QStringLiteral("s"), QStringLiteral("p"), true);
        QVERIFY(!env->Has(QStringLiteral("ErrorTraping")));
        Misc::ErrorTraping(QStringLiteral("x"), 5, QStringLiteral("s"), QStringLiteral("p"), false);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(env->ErrorBlocks(), 2);
    }

    void largeNumbersInExponentForm()
    {
        Misc::ErrorTraping(QStringLiteral("Automation error"), float(-2147221504.0), QStringLiteral("s"), QStringLiteral("p"), false);
        QVERIFY(env->ErrorLog().contains("Number:        -2.147222E+09\r\n"));
    }
};

TW_TEST(tst_errorlog)
#include "tst_errorlog.moc"
