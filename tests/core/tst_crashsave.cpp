// Saves cut short by a kill: a child saves a stock set, the portfolio or the
// settings store over and over and is killed at random moments. Each time
// the file on disk is exactly the old or exactly the new content, and once
// the program starts again no temporary file of a save is left.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using tw::test::TestEnv;

namespace {

QString FileOf(const QString &kind, const QString &folder)
{
    if (kind == QLatin1String("set"))
        return folder + QStringLiteral("/Set0.dat");
    if (kind == QLatin1String("portfolio"))
        return folder + QStringLiteral("/Portfolio.dat");
    return folder + QStringLiteral("/Tickerwatch.reg");
}

// The image the child writes for one of its two contents.
QByteArray Image(const QString &kind, int which)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral(TW_SAVECHILD), {kind, dir.path(), QString::number(which)});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return QByteArray("<no image>");
    return TestEnv::ReadAll(FileOf(kind, dir.path()));
}

} // namespace

class tst_crashsave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedWhileSaving_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("stock set") << "set";
        QTest::newRow("portfolio") << "portfolio";
        QTest::newRow("settings store") << "store";
    }
    void killedWhileSaving()
    {
        QFETCH(QString, kind);
        const QByteArray a = Image(kind, 0), b = Image(kind, 1);
        QVERIFY(a != b && !a.startsWith("<no") && !b.startsWith("<no"));
        QTemporaryDir dir;
        const QString file = FileOf(kind, dir.path());
        TestEnv::WriteAll(file, a);
        QRandomGenerator random(20261210);
        int kills = 0, damaged = 0;
        // As many kills on a busy machine as on an idle one: the count ends
        // the loop. The limit only keeps a machine too slow to start the
        // children from running into the harness's own time-out.
        constexpr int Kills = 100;
        constexpr qint64 LimitMs = 120000;
        QProcess saver;
        saver.start(QStringLiteral(TW_SAVECHILD), {kind, dir.path(), QStringLiteral("fork")});
        QVERIFY(saver.waitForStarted(10000));
        const auto line = [&saver] {
            while (!saver.canReadLine())
                if (!saver.waitForReadyRead(10000))
                    return QByteArray("<nothing>");
            return saver.readLine().trimmed();
        };
        QElapsedTimer clock;
        clock.start();
        for (; kills < Kills; ++kills) {
            QVERIFY2(!clock.hasExpired(LimitMs),
                     qPrintable(QStringLiteral("only %1 of %2 kills in %3 s").arg(kills).arg(Kills).arg(LimitMs / 1000)));
            saver.write("go\n");
            bool ok = false;
            const pid_t copy = pid_t(line().toInt(&ok)); // the copy's loop is running
            QVERIFY(ok && copy > 0);
            QTest::qSleep(int(random.bounded(12)));
            ::kill(copy, SIGKILL);
            QCOMPARE(line(), QByteArray("done ") + QByteArray::number(SIGKILL));
            const QByteArray now = TestEnv::ReadAll(file);
            if (now != a && now != b)
                ++damaged;
        }
        saver.closeWriteChannel();
        QVERIFY(saver.waitForFinished(10000));
        qInfo("%s: %d kills in %lld ms, %d damaged files", qPrintable(kind), kills, clock.elapsed(), damaged);
        QCOMPARE(damaged, 0);

        // The next start removes whatever a cut save left under a temporary name.
        const QString saved = AppFolder;
        AppFolder = dir.path();
        AppPaths::RemoveLeftovers(FileOf(QStringLiteral("store"), dir.path()));
        AppFolder = saved;
        QStringList expected{QFileInfo(file).fileName(), QStringLiteral("Tickerwatch.reg")};
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }
};

TW_TEST(tst_crashsave)
#include "tst_crashsave.moc"
