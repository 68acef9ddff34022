// The weekly tip window: the advice cut from the stored reply, the mirrored
// weekly-fetch box, and a new fetch from the sample site.
#include "collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Help.h"
#include "platform/Ras.h"
#include "services/frmAdviser.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using tw::test::SampleSite;
using tw::test::TestEnv;
using tw::test::UpdateFixture;
using Fault = SampleSite::Fault;

namespace {
const QByteArray kTip = "HTTP/1.0 200 OK\r\nServer: t\r\n\r\n0123456789Tickerwatch tip\r\nBuy low.\nSell high.\r\n\r\n";
const QByteArray kShown = "123456789Tickerwatch tip\r\n Buy low. Sell high.\r\n \r\n";

QPoint Middle(const QWidget *w) { return w->rect().center(); }
void Click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, Middle(w)); }
// The box holds lines: a CR LF of the tip is one line break there.
QString Lines(const QByteArray &tip) { return QString::fromLatin1(tip).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
} // namespace

class tst_adviser : public QObject {
    Q_OBJECT
    UpdateFixture f;

    static QString TipFile() { return AppFolder + QStringLiteral("/Tip.Sh"); }

    // The window as the main window opens it, shown without blocking.
    frmAdviser *Opened()
    {
        frmAdviser *w = frmAdviser::Load();
        if (!w)
            return nullptr;
        w->show();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.Init());
        Help::Reset();
    }
    void cleanup()
    {
        delete frmAdviser::Loaded();
        frmMain::SetModalHook(nullptr);
        Help::Reset();
        f.Cleanup();
    }

    void tipText_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("fetched reply") << kTip << kShown;
        QTest::newRow("word at the tenth character") << QByteArray("123456789Tickerwatch\r\n")
                                                     << QByteArray("123456789Tickerwatch\r\n");
        QTest::newRow("word within the first nine") << QByteArray("12345678Tickerwatch, and Tickerwatch again\r\n")
                                                    << QByteArray();
        QTest::newRow("word at the start") << QByteArray("Tickerwatch") << QByteArray();
        QTest::newRow("no word") << QByteArray("HTTP/1.0 200 OK\r\n\r\ntickerwatch tip\r\n") << QByteArray();
        QTest::newRow("no file") << QByteArray() << QByteArray();
        QTest::newRow("no final line break") << QByteArray("HTTP/1.0 200 OK\r\n\r\nThe Tickerwatch tip")
                                             << QByteArray("\n \r\n The Tickerwatch tip");
        QTest::newRow("final lone LF") << QByteArray("0123456789Tickerwatch tip\n")
                                       << QByteArray("123456789Tickerwatch tip");
        QTest::newRow("final lone CR") << QByteArray("0123456789Tickerwatch tip\r")
                                       << QByteArray("123456789Tickerwatch tip\r\n");
        QTest::newRow("word past 32767") << QByteArray(40000, 'x') + "Tickerwatch tip\r\n"
                                         << QByteArray(9, 'x') + "Tickerwatch tip\r\n";
        QTest::newRow("8-bit text") << QByteArray("0123456789Tickerwatch \xE9t\xE9\r\n")
                                    << QByteArray("123456789Tickerwatch \xE9t\xE9\r\n");
    }
    void tipText()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, shown);
        QCOMPARE(frmAdviser::TipText(file), shown);
    }

    // The Adviser command loads the window, places it below the ticker in
    // the main window's inner width and shows it modal over the main window.
    void openedByTheAdviserCommand()
    {
        TestEnv::WriteAll(TipFile(), kTip);
        QList<QPointer<QWidget>> modals;
        frmMain::SetModalHook([&](QWidget *w) { modals.append(w); });
        f.m->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.m));
        Click(f.m->Panel1[3]);
        QTRY_COMPARE(modals.size(), 1);
        auto *w = qobject_cast<frmAdviser *>(modals[0].data());
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), f.m);
        // Within a pixel: the window stands on whole pixels.
        QVERIFY(qAbs(Geometry::Top(w) - (Geometry::Top(f.m->NewsTicker1) + 700)) < 15);
        QVERIFY(qAbs(Geometry::Left(w) - (Geometry::ScaleWidth(f.m) - Geometry::Width(w)) / 2) < 15);
        QCOMPARE(w->txtTip->toPlainText(), Lines(kShown));
        QCOMPARE(w->Label2->text(), QStringLiteral("The weekly advisor service provides to you by Tesmar Advisory.\r\n"
                                                   "30 years of proven high quality experienced institute."));
    }

    // The box copies the Options box whatever the tip file holds, and a click
    // writes back at once without storing anything.
    void weeklyBoxMirrorsOptions_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QByteArray>("tip"); // empty: no tip file
        QTest::newRow("ticked, no tip file") << true << QByteArray();
        QTest::newRow("ticked, tip without the word") << true << QByteArray("HTTP/1.0 200 OK\r\n\r\nnothing\r\n");
        QTest::newRow("ticked, tip") << true << kTip;
        QTest::newRow("unticked, tip") << false << kTip;
    }
    void weeklyBoxMirrorsOptions()
    {
        QFETCH(bool, ticked);
        QFETCH(QByteArray, tip);
        if (!tip.isEmpty())
            TestEnv::WriteAll(TipFile(), tip);
        QCheckBox *box19 = Options::Instance()->chkUpdate[19];
        box19->setChecked(ticked);
        frmAdviser *w = Opened();
        QVERIFY(w);
        QCOMPARE(w->Check1->isChecked(), ticked);
        QTest::mouseClick(w->Check1, Qt::LeftButton, Qt::NoModifier, QPoint(8, w->Check1->height() / 2));
        QCOMPARE(w->Check1->isChecked(), !ticked);
        QCOMPARE(box19->isChecked(), !ticked);
        QVERIFY(!f.env->Has(QStringLiteral("Update19")));
    }

    // "&Get Free Tip" starts the fetch on AdviceHost and is ready again at
    // once; the new tip shows only when the window opens again.
    void getFreeTip()
    {
        TestEnv::WriteAll(TipFile(), kTip);
        QVERIFY(f.site->setFault("/zandor/tip.txt", Fault::Delay, 300));
        frmAdviser *w = Opened();
        QVERIFY(w);
        QStringList seen; // the status label, each time it changes
        QTimer look;
        const auto record = [&] {
            const QString now = w->lblInfo->isVisible() ? w->lblInfo->text() : QStringLiteral("<hidden>");
            if (seen.isEmpty() || seen.last() != now)
                seen.append(now);
        };
        connect(&look, &QTimer::timeout, record);
        look.start(0);
        record();
        Click(w->cmdUpdate);
        record();
        QCOMPARE(seen, (QStringList{QStringLiteral("<hidden>"), QStringLiteral("Downloading Data.."),
                                    QStringLiteral("<hidden>")}));
        QVERIFY(w->cmdUpdate->isEnabled());
        QTRY_VERIFY(TestEnv::ReadAll(TipFile()).contains("Weekly Tickerwatch advice"));
        QCOMPARE(f.RequestLines(), QList<QByteArray>{"GET /zandor/tip.txt"});
        QCOMPARE(f.site->requests()[0].left(f.site->requests()[0].indexOf(' ', 4)),
                 "GET " + Hosts::Url(QStringLiteral("AdviceHost"), QStringLiteral("/zandor/tip.txt")).toLatin1());
        QCOMPARE(w->txtTip->toPlainText(), Lines(kShown));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!frmAdviser::Loaded());
        frmAdviser *again = Opened();
        QVERIFY(again);
        const QByteArray fetched = TestEnv::ReadAll(TipFile());
        QVERIFY(frmAdviser::TipText(fetched).contains("Weekly Tickerwatch advice\r\n Tickerwatch analysts"));
        QCOMPARE(again->txtTip->toPlainText(), Lines(frmAdviser::TipText(fetched)));
    }

    void getFreeTipOffline()
    {
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        TestEnv::WriteAll(TipFile(), kTip);
        frmAdviser *w = Opened();
        QVERIFY(w);
        Click(w->cmdUpdate);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Not Connected"));
        QVERIFY(w->lblInfo->isHidden());
        QVERIFY(w->cmdUpdate->isEnabled());
        QTest::qWait(100);
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(TestEnv::ReadAll(TipFile()), kTip);
    }

    void helpAndEscape()
    {
        frmAdviser *w = Opened();
        QVERIFY(w);
        const QPointer<frmAdviser> window(w);
        Click(w->cmdHelp);
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].file, QStringLiteral("Tkw5.chm"));
        QCOMPARE(Help::Requests()[0].windowType, QStringLiteral(">Small"));
        QCOMPARE(Help::Requests()[0].contextId, 1007);
        Help::Reset();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
        QVERIFY(!frmAdviser::Loaded());
        QTRY_VERIFY(!window);
    }

    // "&Get Free Tip" during an Update run cuts the run's page: that page
    // fails as any failed fetch (nothing written, the older page kept, the
    // run reporting it) and the run goes on with the next one.
    void tipCutsTheRunsFetch()
    {
        const QString upgrades = f.Sheet(QStringLiteral("Upgrade.sh"));
        TestEnv::WriteAll(upgrades, "older page");
        QVERIFY(f.site->setFault("/c/u.html", Fault::Silence));
        frmAdviser *w = Opened();
        QVERIFY(w);
        f.TickOnly({18});
        // Once the site has the run's request: the tip then cuts a fetch
        // under way, however long the machine takes to get there.
        f.OnceRequested(1, [w] { Click(w->cmdUpdate); });
        f.m->RunUpdate();
        QCOMPARE(TestEnv::ReadAll(upgrades), QByteArray("older page"));
        QVERIFY(TestEnv::ReadAll(TipFile()).contains("Weekly Tickerwatch advice"));
        QCOMPARE(f.RequestLines(), (QList<QByteArray>{"GET /c/u.html", "GET /zandor/tip.txt", "GET /c/d.html",
                                                      "GET /c/i.html"}));
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("Downgrades.sh"))));
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("Coverage.sh"))));
        QVERIFY(f.m->Panel1[6]->text().startsWith(QStringLiteral("1 of 3 ")));
    }
};

TW_TEST(tst_adviser)
#include "tst_adviser.moc"
