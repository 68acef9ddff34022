// The desktop's real opener, played by a stand-in xdg-open on PATH: an
// address counts as opened only when the opener exits with 0, any other end
// is told once, and an opener that keeps running is left to run, also past
// the program's own end. Runs offscreen and on a virtual X display.
#include "common/StandInOpener.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <memory>

using tw::test::StandInOpener;
using tw::test::TestEnv;

namespace {
// Far beyond what starting a shell script takes on a busy machine.
constexpr int Generous = 60000;
} // namespace

class tst_opener : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    // shown empty: opened, nothing said.
    void outcome_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("handed");
        QTest::addColumn<QString>("shown");
        const int runs = StandInOpener::Runs;
        QTest::newRow("exits 0") << QByteArray("exit 0") << runs << "http://host.test/q?s=IBM&d=t" << QString()
                                 << "http://host.test/q?s=IBM&d=t" << QString();
        QTest::newRow("exits 3") << QByteArray("exit 3") << runs << "http://host.test/q?s=IBM" << QString()
                                 << "http://host.test/q?s=IBM"
                                 << "The address could not be opened:\r\nhttp://host.test/q?s=IBM";
        QTest::newRow("exits 3, caller's text")
            << QByteArray("exit 3") << runs << "/tmp/x y/Stock Prices.Htm" << "It was written to:\r\n/tmp/x y"
            << "/tmp/x y/Stock Prices.Htm" << "It was written to:\r\n/tmp/x y";
        QTest::newRow("mail address, exits 4")
            << QByteArray("exit 4") << runs << "mailto:a@b.test?subject=Hi there&attach=/etc/passwd" << QString()
            << "mailto:a@b.test?subject=Hi%20there"
            << "The address could not be opened:\r\nmailto:a@b.test?subject=Hi there";
        QTest::newRow("killed") << QByteArray("kill -9 $$") << runs << "http://host.test/k" << QString()
                                << "http://host.test/k" << "The address could not be opened:\r\nhttp://host.test/k";
        QTest::newRow("not executable") << QByteArray("exit 0") << int(StandInOpener::NotExecutable)
                                        << "http://host.test/n" << QString() << QString()
                                        << "The address could not be opened:\r\nhttp://host.test/n";
        QTest::newRow("missing") << QByteArray() << int(StandInOpener::Missing) << "http://host.test/m"
                                 << "It was written to:\r\n/tmp" << QString() << "It was written to:\r\n/tmp";
    }
    void outcome()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, kind);
        QFETCH(QString, address);
        QFETCH(QString, failure);
        QFETCH(QString, handed);
        QFETCH(QString, shown);
        StandInOpener opener(lines, StandInOpener::Kind(kind));
        Shell::Open(address, failure);
        if (!shown.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(Dialogs::Log().size(), 1, Generous);
        QTRY_VERIFY_WITH_TIMEOUT(Shell::Watching() == 0 && Shell::Running() == 0, Generous);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(opener.Handed(), handed.isEmpty() ? QStringList() : QStringList{handed});
        QCOMPARE(Dialogs::Log().size(), shown.isEmpty() ? 0 : 1);
        if (!shown.isEmpty()) {
            QCOMPARE(Dialogs::Log()[0].text, shown);
            QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbExclamation));
        }
    }

    // Still running at the bound: it opened, and its later exit, whatever
    // its code, says nothing; it was not stopped.
    void runningAtBoundOpened()
    {
        StandInOpener opener(StandInOpener::UntilReleased());
        Shell::SetBound(100);
        Shell::Open(QStringLiteral("http://host.test/slow"));
        QTRY_VERIFY_WITH_TIMEOUT(Shell::Watching() == 0, Generous);
        QCOMPARE(Shell::Running(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(opener.Pid() > 0, Generous);
        opener.Release();
        QTRY_VERIFY_WITH_TIMEOUT(opener.Released(), Generous);
        QTRY_COMPARE_WITH_TIMEOUT(Shell::Running(), 0, Generous);
        QCoreApplication::sendPostedEvents();
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // The program ends while its opener runs: it ends at once, cleanly, and
    // the opener goes on.
    void exitLeavesOpenerRunning()
    {
        StandInOpener opener(StandInOpener::UntilReleased());
        QProcess program;
        // What is checked is Shell's alone; the xcb plugin of a program that
        // ends this soon leaves libdbus memory the sanitizer build reports.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TW_OPENCHILD), {QStringLiteral("http://host.test/long")});
        QVERIFY(program.waitForStarted(Generous));
        QTRY_VERIFY_WITH_TIMEOUT(opener.Pid() > 0, Generous);
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(Generous));
        const QByteArray said = program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, said.constData());
        QVERIFY2(!said.contains("QProcess"), said.constData());
        QVERIFY(!opener.Released());
        opener.Release();
        QTRY_VERIFY_WITH_TIMEOUT(opener.Released(), Generous);
    }
};

TW_TEST(tst_opener)
#include "tst_opener.moc"
