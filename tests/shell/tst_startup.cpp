#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "services/NetSetting.h"
#include "services/Thanks.h"
#include "services/frmSplash.h"
#include "shell/MiscMain.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using tw::test::TestEnv;

class tst_startup : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

    QString setFile() const { return AppFolder + QStringLiteral("/Set0.dat"); }
    void laterRun()
    {
        env->CreateKeys();
        env->Set(QStringLiteral("RunOnce"), QStringLiteral("1"));
        env->Set(QStringLiteral("Thanks"), QStringLiteral("1"));
    }

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup()
    {
        frmSplash::UnloadSplash();
        delete NetSetting::Loaded();
        delete Thanks::Loaded();
        frmMain::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        env.reset();
    }

    void firstRunPreparesKeysAndShowsNetSetting()
    {
        bool keysBeforeWindow = false;
        // The settings window's own wait is the first thing it does when it
        // loads: look at the store at that moment.
        Misc::SetSleepHook([&](int ms) {
            env->sleeps.append(ms);
            if (ms == 2000)
                keysBeforeWindow = Registry::instance().KeyExists(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath)
                                   && env->Get(QStringLiteral("Path")) == AppFolder;
        });
        QVERIFY(Misc::Main());
        QVERIFY(keysBeforeWindow);
        QVERIFY(NetSetting::Loaded());
        QVERIFY(NetSetting::Loaded()->isVisible());
        QCOMPARE(NetSetting::Loaded()->windowTitle(), QStringLiteral("Tickerwatch Setting"));
        QVERIFY(!frmSplash::Loaded()); // the settings window took over from the splash
        QVERIFY(!frmMain::Loaded());
        QVERIFY(!QFile::exists(setFile())); // no set or portfolio read by the start-up
        QVERIFY(!QFile::exists(AppFolder + QStringLiteral("/Portfolio.dat")));
        QCOMPARE(env->Get(QStringLiteral("RunOnce")), QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("ShutDown")), QStringLiteral("0"));
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    // What an interrupted save left behind is gone after the next start;
    // the user's files and anything that merely looks alike stay.
    void leftoversOfInterruptedSavesRemoved()
    {
        laterRun();
        QVERIFY(Registry::instance().Flush());
        const QString store = Registry::instance().File();
        const QStringList gone{AppFolder + QStringLiteral("/Portfolio.dat.aB3xYz"),
                               AppFolder + QStringLiteral("/Set20.dat.Qw12Er"),
                               AppFolder + QStringLiteral("/LayOut.dat.000000"),
                               store + QStringLiteral(".Zx98Yw"),
                               AppFolder + QStringLiteral("/Cache/DataSheet/IBM_it.Sh.part"),
                               AppFolder + QStringLiteral("/Cache/DataSheet/IBM_it.Sh.a1B2c3"),
                               AppFolder + QStringLiteral("/Cache/News/IBM.txt.new")};
        const QStringList kept{AppFolder + QStringLiteral("/Portfolio.dat"),
                               AppFolder + QStringLiteral("/Set21.dat.aB3xYz"),
                               AppFolder + QStringLiteral("/Portfolio.dat.bak"),
                               AppFolder + QStringLiteral("/notes.txt.aB3xYz"),
                               AppFolder + QStringLiteral("/Cache/DataSheet/IBM_it.Sh"),
                               AppFolder + QStringLiteral("/Cache/News/IBM.txt"),
                               QFileInfo(store).absolutePath() + QStringLiteral("/Other.reg.aB3xYz")};
        for (const QString &f : gone + kept) {
            QDir().mkpath(QFileInfo(f).absolutePath());
            TestEnv::WriteAll(f, "x");
        }
        QVERIFY(Misc::Main());
        for (const QString &f : gone)
            QVERIFY2(!QFile::exists(f), qPrintable(f));
        for (const QString &f : kept)
            QVERIFY2(QFile::exists(f), qPrintable(f));
    }

    void laterRunLoadsDataAndShowsMainWindow_data()
    {
        QTest::addColumn<QString>("delay"); // "<missing>" for none
        QTest::addColumn<int>("waited");
        QTest::newRow("missing: 5 s") << "<missing>" << 5000;
        QTest::newRow("0: no wait") << "0" << 0;
        QTest::newRow("2.5 s") << "2.5" << 2500;
        QTest::newRow("damaged: held to 20 s") << "1e9" << 20000;
        QTest::newRow("negative: no wait") << "-3" << 0;
    }
    void laterRunLoadsDataAndShowsMainWindow()
    {
        QFETCH(QString, delay);
        QFETCH(int, waited);
        laterRun();
        if (delay != QStringLiteral("<missing>"))
            env->Set(QStringLiteral("SplashDelay"), delay);
        QVERIFY(Misc::Main());
        QCOMPARE(env->sleeps, QList<int>{waited});
        QVERIFY(QFile::exists(setFile()));
        QVERIFY(QFile::exists(AppFolder + QStringLiteral("/Portfolio.dat")));
        QVERIFY(frmMain::Loaded() && frmMain::Loaded()->isVisible());
        QVERIFY(!frmSplash::Loaded());
        QVERIFY(!NetSetting::Loaded());
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void storedTextThatIsNotANumberStopsTheStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("errorTraping");
        QTest::addColumn<int>("boxes");
        QTest::newRow("RunOnce abc, boxes on") << "RunOnce" << "" << 1;
        QTest::newRow("RunOnce abc, boxes off") << "RunOnce" << "1" << 0;
        QTest::newRow("SplashDelay abc") << "SplashDelay" << "" << 1;
    }
    void storedTextThatIsNotANumberStopsTheStart()
    {
        QFETCH(QString, name);
        QFETCH(QString, errorTraping);
        QFETCH(int, boxes);
        laterRun();
        if (!errorTraping.isEmpty())
            env->Set(QStringLiteral("ErrorTraping"), errorTraping);
        env->Set(name, QStringLiteral("abc"));
        QVERIFY(Misc::Main());
        QCOMPARE(env->ErrorBlocks(), 1);
        const QList<QByteArray> lines = env->ErrorLog().split('\n');
        QCOMPARE(lines.size(), 7);
        QVERIFY(lines[0] == "--------------\r");
        QVERIFY(lines[1].startsWith("Time: "));
        QVERIFY(lines[2].startsWith("Description:   "));
        QVERIFY(lines[3].startsWith("Number:        13\r"));
        QVERIFY(lines[4].startsWith("Source:         "));
        QVERIFY(lines[5] == "Where: Misc_Main\r");
        QCOMPARE(Dialogs::Log().size(), boxes);
        if (boxes)
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Error occur"));
        QVERIFY(frmSplash::Loaded()); // left on screen
        QVERIFY(!frmMain::Loaded());
        QVERIFY(!NetSetting::Loaded());
    }

    void thanksClearedAfterFirstRunShowsQuestionnaire()
    {
        laterRun();
        env->Set(QStringLiteral("Thanks"), QStringLiteral("0"));
        QVERIFY(Misc::Main());
        QVERIFY(Thanks::Loaded() && Thanks::Loaded()->isVisible());
        QVERIFY(!frmMain::Loaded());
        // Its Close leads to the main window with the data loaded.
        Thanks::Loaded()->cmdClose_Click();
        QVERIFY(frmMain::Loaded() && frmMain::Loaded()->isVisible());
        QVERIFY(QFile::exists(setFile()));
    }

    void clickOnSplashDuringTheFirstTurnsEndsItCleanly()
    {
        laterRun();
        env->Set(QStringLiteral("SplashDelay"), QStringLiteral("0"));
        // The click arrives in the start-up's first event-loop turn, while it
        // waits for the splash to be on screen.
        QTimer::singleShot(0, [] {
            if (frmSplash *s = frmSplash::Loaded())
                QTest::mouseClick(s->Image2, Qt::LeftButton);
        });
        QVERIFY(Misc::Main());
        QVERIFY(!frmSplash::Loaded());
        QVERIFY(frmMain::Loaded() && frmMain::Loaded()->isVisible());
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void doubleClickOnQuestionnaireCloseMovesOnOnce()
    {
        laterRun();
        env->Set(QStringLiteral("Thanks"), QStringLiteral("0"));
        QVERIFY(Misc::Main());
        QPointer<QPushButton> close(Thanks::Loaded()->cmdClose);
        // The second click lands while the first one yields.
        QTimer::singleShot(0, [close] {
            if (close)
                QTest::mouseClick(close, Qt::LeftButton);
        });
        QTest::mouseClick(close, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Thanks::Loaded());
        QVERIFY(frmMain::Loaded() && frmMain::Loaded()->isVisible());
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void progressAfterSplashClosedChangesNothing()
    {
        frmSplash *s = frmSplash::Load();
        frmSplash::Progress(20);
        QCOMPARE(s->pb1->value(), 20);
        s->Image2_Click();
        QVERIFY(!frmSplash::Loaded());
        frmSplash::Progress(50); // no crash, nothing to set
    }

    void splashLinks()
    {
        frmSplash *s = frmSplash::Load();
        s->lblEmail_Click();
        s->Label2_MouseDown();
        QCOMPARE(Shell::Opened().size(), 2);
        QVERIFY(Shell::Opened()[0].startsWith(QStringLiteral("mailto:")));
        QVERIFY(Shell::Opened()[1].startsWith(QStringLiteral("http")));
        QVERIFY(s->lblEmail->text().startsWith(QStringLiteral("Email: ")));
        QCOMPARE(s->lblEmail->toolTip(), QStringLiteral("Click To Email Zandor"));
    }
};

TW_TEST(tst_startup)
#include "tst_startup.moc"
