// The version check of the Options window against the sample site, and the
// new-version window it opens.
#include "collect/UpdateFixture.h"
#include "common/SampleSite.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "common/WhenReady.h"
#include "core/AppFolder.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "platform/Shell.h"
#include "platform/VbColor.h"
#include "platform/Winsock.h"
#include "services/VersionCheck.h"
#include "services/frmUpgrade.h"
#include "shell/Options.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

using tw::test::LabelRecorder;
using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

const QByteArray kNewVersion = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nNew version Available\r\n";
// What an earlier check left: it holds the marker, and must never decide.
const QByteArray kOlderFile = "HTTP/1.0 200 OK\r\n\r\nNew version Available\r\n";

QPoint Middle(const QWidget *w) { return w->rect().center(); }
} // namespace

class tst_versioncheck : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<SampleSite> site;

    QString VersionFile() const { return AppFolder + QStringLiteral("/Tkw58.txt"); }
    QString Address(const QString &path) const { return QStringLiteral("http://") + site->hostPort() + path; }

    // The Options window on its "General Options" page, shown and active.
    Options *ShownOptions()
    {
        env->Set(QStringLiteral("FrmNav"), QStringLiteral("6"));
        Options *w = Options::Instance();
        w->show();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowExposed(w) ? w : nullptr;
    }

    static void Click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, Middle(w)); }

    // Runs a check that finds the marker; the new-version window it opens.
    frmUpgrade *UpgradeWindow()
    {
        if (!site->setReply("/Tkw58.txt", kNewVersion))
            return nullptr;
        Options *w = ShownOptions();
        if (!w)
            return nullptr;
        Click(w->cmdUpgrade);
        frmUpgrade *u = frmUpgrade::Loaded();
        return u && QTest::qWaitForWindowExposed(u) ? u : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        site = std::make_unique<SampleSite>();
        QVERIFY(site->port());
        QVERIFY(site->pointSettingsHere());
    }
    void cleanup()
    {
        delete frmUpgrade::Loaded();
        VersionCheck::SetSilenceMs(0);
        site.reset();
        env.reset();
    }

    // The marker in the body or in a header line: the exact request goes
    // out, the reply is kept exactly, and the Options window gives way to the
    // new-version window without storing what was not confirmed.
    void newVersion_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("in the body") << kNewVersion;
        QTest::newRow("in a header line")
            << QByteArray("HTTP/1.0 200 OK\r\nX-Note: New version Available\r\n\r\nTickerwatch 5.7\r\n");
    }
    void newVersion()
    {
        QFETCH(QByteArray, reply);
        env->Set(QStringLiteral("Fractions"), QStringLiteral("0"));
        QVERIFY(site->setReply("/Tkw58.txt", reply));
        Options *w = ShownOptions();
        QVERIFY(w);
        const QPointer<Options> options(w);
        Click(w->findChild<QCheckBox *>(QStringLiteral("ChkNumeric_0"))); // changed, never confirmed
        LabelRecorder status(w->lblInfo);
        Click(w->findChild<QPushButton *>(QStringLiteral("cmdUpgrade")));

        QCOMPARE(site->requests(), QList<QByteArray>{"GET " + Address(QStringLiteral("/Tkw58.txt")).toLatin1()
                                                     + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n"});
        QCOMPARE(TestEnv::ReadAll(VersionFile()), reply);
        QCOMPARE(status.Seen(), (QStringList{QString(), QStringLiteral("Checking Tickerwatch Updates"), QString()}));
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(!Options::Loaded());
        QTRY_VERIFY(!options);
        QCOMPARE(env->Get(QStringLiteral("Fractions")), QStringLiteral("0"));

        frmUpgrade *u = frmUpgrade::Loaded();
        QVERIFY(u);
        QVERIFY(u->isVisible());
        QVERIFY(!u->parentWidget());
        QCOMPARE(u->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Zandor is pleased to announced the new version of Tickerwatch."));
        const QStringList links{QStringLiteral("Start Download"), QStringLiteral("Get More Information"),
                                QStringLiteral("Take Me To Download Area"), QStringLiteral("Close")};
        for (int i = 0; i < links.size(); ++i)
            QCOMPARE(u->findChild<QLabel *>(QStringLiteral("lblNav_") + QString::number(i))->text(), links[i]);
    }

    // Every other end: one message, the Options window stays open and idle,
    // and the copy on disk (which holds the marker) changes only when a whole
    // reply came.
    void noNewVersion_data()
    {
        QTest::addColumn<QByteArray>("reply"); // given bytes, unless a fault is named
        QTest::addColumn<int>("fault");        // -1: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("stored");
        const QString last = QStringLiteral("You have the last version.");
        const QString none = QStringLiteral("No Upgrade Available");
        const QString app = Dialogs::AppTitle();
        const int info = Dialogs::vbInformation, warn = Dialogs::vbExclamation;
        QTest::newRow("marker in lower case")
            << QByteArray("HTTP/1.0 200 OK\r\n\r\nnew version available\r\n") << -1 << last << none << info << true;
        QTest::newRow("the site's own version file") << QByteArray() << int(Fault::Delay) << last << none << info << true;
        QTest::newRow("marker in a 404") << QByteArray("HTTP/1.0 404 Not Found\r\n\r\nNew version Available\r\n") << -1
                                         << VersionCheck::NotCheckedText << app << warn << true;
        QTest::newRow("closed without a reply") << QByteArray("") << -1 << VersionCheck::NotCheckedText << app << warn
                                                << false;
        QTest::newRow("cut short")
            << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nNew version Available") << -1
            << VersionCheck::NotCheckedText << app << warn << false;
        QTest::newRow("no HTTP reply") << QByteArray("New version Available\r\n") << -1 << VersionCheck::NotCheckedText
                                       << app << warn << false;
        QTest::newRow("silence") << QByteArray() << int(Fault::Silence) << VersionCheck::NotCheckedText << app << warn
                                 << false;
        QTest::newRow("reset") << QByteArray() << int(Fault::Reset)
                               << QStringLiteral("Error ") + Winsock::Description(Winsock::sckConnectionReset) + u' '
                                      + QString::number(Winsock::sckConnectionReset)
                               << app << 0 << false;
    }
    void noNewVersion()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, fault);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, flags);
        QFETCH(bool, stored);
        TestEnv::WriteAll(VersionFile(), kOlderFile);
        if (fault >= 0)
            QVERIFY(site->setFault("/Tkw58.txt", Fault(fault), fault == int(Fault::Delay) ? 200 : 0));
        else
            QVERIFY(site->setReply("/Tkw58.txt", reply));
        // A short silence for the case that waits one out; the others keep
        // the program's, which no reply here comes near, however busy the
        // machine. Half that is far from both.
        if (fault == int(Fault::Silence))
            VersionCheck::SetSilenceMs(1500);
        Options *w = ShownOptions();
        QVERIFY(w);
        QElapsedTimer t;
        t.start();
        Click(w->cmdUpgrade);

        QVERIFY2(t.elapsed() < VersionCheck::DefaultSilenceMs / 2, qPrintable(QString::number(t.elapsed())));
        // A silence can end the check before a busy site has logged the request.
        QTRY_COMPARE_WITH_TIMEOUT(site->requests().size(), 1, 10000);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, text);
        QCOMPARE(Dialogs::Log()[0].flags, flags);
        QCOMPARE(Dialogs::Log()[0].title.isNull() ? Dialogs::AppTitle() : Dialogs::Log()[0].title, title);
        QVERIFY(!frmUpgrade::Loaded());
        QCOMPARE(Options::Loaded(), w);
        QVERIFY(w->isVisible());
        QVERIFY(w->cmdUpgrade->isEnabled());
        QCOMPARE(w->lblInfo->text(), QString());
        QCOMPARE(w->Winsock1->State(), int(Winsock::sckClosed));
        const QByteArray onDisk = TestEnv::ReadAll(VersionFile());
        if (stored)
            QVERIFY(onDisk != kOlderFile && onDisk.startsWith("HTTP/1.0 "));
        else
            QCOMPARE(onDisk, kOlderFile);
        if (!reply.isEmpty() && stored)
            QCOMPARE(onDisk, reply);
    }

    // While a check runs its button takes no click; afterwards it does.
    void buttonDisabledWhileChecking()
    {
        // Poked once the site has the request; its reply comes long after,
        // however late a busy machine turns the loop for the poke.
        QVERIFY(site->setFault("/Tkw58.txt", Fault::Delay, 2000));
        Options *w = ShownOptions();
        QVERIFY(w);
        bool enabledMeanwhile = true;
        tw::test::WhenReady(w, [&] { return site->requests().size() == 1; }, [&] {
            enabledMeanwhile = w->cmdUpgrade->isEnabled();
            Click(w->cmdUpgrade);
        });
        Click(w->cmdUpgrade);
        QVERIFY(!enabledMeanwhile);
        QCOMPARE(site->requests().size(), 1);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(w->cmdUpgrade->isEnabled());
        Click(w->cmdUpgrade);
        QCOMPARE(site->requests().size(), 2);
    }

    // Offline with the prompt on: the question alone, nothing sent or kept.
    void offline()
    {
        env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        TestEnv::WriteAll(VersionFile(), kOlderFile);
        Options *w = ShownOptions();
        QVERIFY(w);
        Click(w->cmdUpgrade);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Not Connected"));
        QVERIFY(site->requests().isEmpty());
        QCOMPARE(TestEnv::ReadAll(VersionFile()), kOlderFile);
        QVERIFY(w->cmdUpgrade->isEnabled());
        QCOMPARE(w->lblInfo->text(), QString());
    }

    // The page links hand their addresses to the desktop; "Start Download"
    // can be used again and again, the other two close the window.
    void links_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Start Download") << 0 << QStringLiteral("/Tkw58.zip") << true;
        QTest::newRow("Get More Information") << 1 << QStringLiteral("/tickerwatch.htm") << false;
        QTest::newRow("Take Me To Download Area") << 2 << QStringLiteral("/tickerwatch.htm#download") << false;
    }
    void links()
    {
        QFETCH(int, link);
        QFETCH(QString, path);
        QFETCH(bool, stays);
        frmUpgrade *u = UpgradeWindow();
        QVERIFY(u);
        const QPointer<frmUpgrade> window(u);
        Click(u->lblNav[link]);
        QCOMPARE(Shell::Opened(), QStringList{Address(path)});
        if (stays) {
            QVERIFY(u->isVisible());
            Click(u->lblNav[link]);
            QCOMPARE(Shell::Opened(), (QStringList{Address(path), Address(path)}));
            QCOMPARE(frmUpgrade::Loaded(), u);
        } else {
            QVERIFY(!frmUpgrade::Loaded());
            QTRY_VERIFY(!window);
        }
        QVERIFY(!Options::Loaded());
    }

    // "Close" brings back an Options window loaded afresh, reading the
    // settings as they are now.
    void closeShowsFreshOptions()
    {
        frmUpgrade *u = UpgradeWindow();
        QVERIFY(u);
        env->Set(QStringLiteral("Fractions"), QStringLiteral("1"));
        Click(u->lblNav[3]);
        QVERIFY(!frmUpgrade::Loaded());
        Options *w = Options::Loaded();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
        QVERIFY(!w->parentWidget());
        QVERIFY(w->ChkNumeric[0]->isChecked());
        QVERIFY(Shell::Opened().isEmpty());
    }

    // The link under the mouse is red, the others blue; over the window's
    // background all are blue.
    void hover()
    {
        frmUpgrade *u = UpgradeWindow();
        QVERIFY(u);
        const auto colours = [u] {
            QList<QColor> c;
            for (QLabel *l : u->lblNav)
                c.append(VbColor::ForeColor(l));
            return c;
        };
        QCOMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kBlue}));
        QTest::mouseMove(u->lblNav[1], Middle(u->lblNav[1]));
        QTRY_COMPARE(colours(), (QList<QColor>{kBlue, kRed, kBlue, kBlue}));
        QTest::mouseMove(u->lblNav[3], Middle(u->lblNav[3]));
        QTRY_COMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kRed}));
        QTest::mouseMove(u, QPoint(u->width() - 3, 3));
        QTRY_COMPARE(colours(), (QList<QColor>{kBlue, kBlue, kBlue, kBlue}));
    }
};

TW_TEST(tst_versioncheck)
#include "tst_versioncheck.moc"
