// The program as a user starts it: a second copy with the same user data
// ends at once and leaves the first alone.
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_instance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartEndsAtOnce()
    {
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path() + QStringLiteral("/run"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QDir().mkpath(dir.path() + QStringLiteral("/run"));
        QFile::setPermissions(dir.path() + QStringLiteral("/run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(TW_APP), {});
        QVERIFY(first.waitForStarted(10000));
        // A first run waits on the settings window: it keeps running.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.path() + QStringLiteral("/config/Zandor/Tickerwatch.reg")), 15000);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(TW_APP), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardOutput().isEmpty());

        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished(5000);
    }
};

TW_TEST(tst_instance)
#include "tst_instance.moc"
