#include "UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Inet.h"
#include "platform/Ras.h"
#include "platform/Registry.h"
#include "shell/UpdateTable.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>

using tw::test::LabelRecorder;
using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;

class tst_updaterun : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    // Only box 7 for the set {XYZ}: the hand-made request byte for byte, and
    // the page stored with its status line first.
    void insiderRequestBytes()
    {
        f.SetStocks({"XYZ"});
        f.TickOnly({7});
        f.m->RunUpdate();
        const QList<QByteArray> requests = f.site->requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0], "GET http://" + f.site->hostPort().toLatin1()
                                  + "/t/x/XYZ.html HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n");
        const QByteArray page = TestEnv::ReadAll(AppFolder + QStringLiteral("/Cache/DataSheet/XYZ_it.Sh"));
        QVERIFY(page.startsWith("HTTP/1.0 200 OK\r\n"));
        QVERIFY(page.contains("Insider Trades"));
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption);
    }

    // Only box 21: one movers request dated by the "US" setting, the counter
    // going 1/1, 0/1 and then cleared.
    void moversDateAndCounter_data()
    {
        QTest::addColumn<QString>("us"); // "-" leaves the value missing
        QTest::addColumn<QByteArray>("date");
        QTest::newRow("missing: yesterday") << QStringLiteral("-") << QByteArray("20000601");
        QTest::newRow("0: yesterday") << QStringLiteral("0") << QByteArray("20000601");
        QTest::newRow("1: today") << QStringLiteral("1") << QByteArray("20000602");
    }
    void moversDateAndCounter()
    {
        QFETCH(QString, us);
        QFETCH(QByteArray, date);
        // Loading the Options window stores its box's state; the case wants
        // the value as the run finds it.
        if (us == QLatin1String("-"))
            Registry::instance().DeleteValue(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::KeyPath, QStringLiteral("US"));
        else
            f.env->Set(QStringLiteral("US"), us);
        f.TickOnly({21});
        LabelRecorder counter(f.m->Panel1[7]);
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(),
                 QList<QByteArray>{"GET /reports/bigmovers.asp?date=" + date
                                   + "&data=1&start=0&report=1&report_country_code=us"});
        QVERIFY(QFile::exists(AppFolder + QStringLiteral("/Cache/DataSheet/BrPG_N.Sh")));
        QCOMPARE(counter.Seen(), (QStringList{QString(), QStringLiteral("1/1"), QStringLiteral("0/1"), QString()}));
    }

    void moversDateAtMonthStart()
    {
        UpdateJobs::SetClock([] { return QDate(2000, 7, 1); });
        f.env->Set(QStringLiteral("US"), QStringLiteral("0"));
        QCOMPARE(UpdateJobs::MoversDate(), QStringLiteral("20000630"));
    }

    // Boxes that start no job are counted; nothing ticked counts 0/0; no
    // request either way.
    void countsWithoutJobs_data()
    {
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<QString>("start");
        QTest::newRow("none") << QList<int>{} << QStringLiteral("0/0");
        QTest::newRow("44 to 49 and 59") << QList<int>{44, 45, 46, 47, 48, 49, 59} << QStringLiteral("7/7");
    }
    void countsWithoutJobs()
    {
        QFETCH(QList<int>, boxes);
        QFETCH(QString, start);
        f.TickOnly({});
        for (int b : boxes)
            Options::Instance()->chkUpdate[b]->setCheckState(Qt::Checked);
        LabelRecorder counter(f.m->Panel1[7]);
        f.m->RunUpdate();
        QCOMPARE(counter.Seen(), (QStringList{QString(), start, QString()}));
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->AbortFlag, int16_t(-1));
    }

    // A greyed box is not ticked.
    void greyedBoxDoesNotCount()
    {
        f.TickOnly({21});
        Options::Instance()->chkUpdate[22]->setCheckState(Qt::PartiallyChecked);
        LabelRecorder counter(f.m->Panel1[7]);
        f.m->RunUpdate();
        QCOMPARE(counter.Seen().value(1), QStringLiteral("1/1"));
        QCOMPARE(f.site->requests().size(), 1);
    }

    // Offline with dial prompting on: nothing fetched, the window idle.
    void offline()
    {
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Dialogs::QueueAnswer(Dialogs::vbNo);
        f.TickOnly({7, 21});
        f.SetStocks({"XYZ"});
        f.m->RunUpdate();
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
        QCOMPARE(f.m->windowTitle(), QStringLiteral("Tickerwatch 5.7"));
        QCOMPARE(f.m->AbortFlag, int16_t(-1));
    }

    void singleStockWithoutSymbol()
    {
        f.TickOnly({7, 21});
        f.SetStocks({"XYZ"});
        CurrentSymbol.clear();
        f.m->SingleStockMode = -1;
        f.m->RunUpdate();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("You have to select one stock."));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Select stock and try again"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbInformation));
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->SingleStockMode, int16_t(0));
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // Single-stock mode fetches the current stock's pages only; the market
    // rows as usual.
    void singleStockMode()
    {
        f.SetStocks({"AAA", "IBM", "CCC"});
        CurrentSymbol = "IBM";
        f.m->SingleStockMode = -1;
        f.TickOnly({6, 7, 8, 21});
        f.m->RunUpdate();
        QCOMPARE(f.RequestLines(),
                 (QList<QByteArray>{"GET /brand/yahoo/search/?sym=IBM", "GET /t/i/IBM.html",
                                    "GET /QuoteTable.dat?TICKER=IBM",
                                    "GET /reports/bigmovers.asp?date=20000601&data=1&start=0&report=1&report_country_code=us"}));
        QCOMPARE(f.m->SingleStockMode, int16_t(0));
    }

    // The run's state on screen while it goes, and afterwards.
    void runningLook()
    {
        f.SetStocks({"XYZ"});
        f.TickOnly({7});
        QStringList during;
        QTimer::singleShot(0, f.m, [&] {
            during << f.m->lblDesc[0]->text() << f.m->mnuTray[0]->text()
                   << QString::number(f.m->Panel1[1]->isEnabled()) << QString::number(f.m->Picture1[4]->isEnabled());
        });
        f.m->RunUpdate();
        QCOMPARE(during, (QStringList{QStringLiteral("Stop"), QStringLiteral("Stop"), QStringLiteral("0"),
                                      QStringLiteral("0")}));
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
        QCOMPARE(f.m->mnuTray[0]->text(), QStringLiteral("Update"));
        QVERIFY(f.m->Panel1[1]->isEnabled());
        QVERIFY(f.m->Picture1[4]->isEnabled());
        QCOMPARE(f.m->Panel1[7]->text(), QString());
    }

    // The order of the jobs is the table's, boxes of grouped rows ascending.
    void jobOrder()
    {
        f.SetStocks({"IBM"});
        f.TickOnly({97, 2, 20, 8, 3, 18, 89, 15, 4, 19, 16, 5, 17, 6, 7, 43});
        f.m->RunUpdate();
        const QList<QByteArray> paths = f.RequestLines();
        const QList<QByteArray> expected{
            "GET /q?s=IBM",
            "GET /cgi-bin/AW/ZREPORT/DoInquiry?ticker=IBM&type=8",
            "GET /cgi-bin/AW/ZREPORT/DoInquiry?ticker=IBM&type=10",
            "GET /z/a/i/IBM.html",
            "GET /brand/yahoo/search/?sym=IBM",
            "GET /t/i/IBM.html",
            "GET /QuoteTable.dat?TICKER=IBM",
            "GET /cgi-bin/25_surp",
            "GET /dljd/mwwinners.htm",
            "GET /dljd/mwlosers.htm",
            "GET /c/u.html",
            "GET /c/d.html",
            "GET /c/i.html",
            "GET /zandor/tip.txt",
            "GET /reports/bigmovers.asp?date=20000601&data=2&start=0&report=1&report_country_code=us",
            "GET /reports/bigmovers.asp?date=20000601&data=3&start=0&report=8&report_country_code=us",
            "GET /markets/screener.asp?exchange=15&screen=8",
            "GET /markets/screener.asp?exchange=14&screen=10",
        };
        QCOMPARE(paths, expected);
        for (const char *file : {"IBM_ABS.Sh", "IBM_AIS.Sh", "IBM_ee.Sh", "IBM_qr.Sh", "IBM_it.Sh", "IBM_op.Sh",
                                 "25_surp.Sh", "mwwinners.Sh", "mwlosers.Sh", "Upgrade.sh", "Downgrades.sh",
                                 "Coverage.sh", "BrPG_Q.Sh", "BrLMM_A.Sh", "BrDT_Q.Sh", "BrPD_A.Sh"})
            QVERIFY2(QFile::exists(AppFolder + QStringLiteral("/Cache/DataSheet/") + QLatin1String(file)), file);
        QVERIFY(QFile::exists(AppFolder + QStringLiteral("/Tip.Sh")));
        QVERIFY(QFile::exists(AppFolder + QStringLiteral("/Cache/News/Temp.htm")));
    }

    // The movers and screener rows carry the arguments of their table.
    void marketListArguments()
    {
        const auto &movers = UpdateJobs::Movers();
        QCOMPARE(int(movers.size()), 24);
        QCOMPARE(movers[1].box, int16_t(21));
        QCOMPARE(movers[1].key, QStringLiteral("PG_N"));
        QCOMPARE(movers[1].exchange, int16_t(1));
        QCOMPARE(movers[1].code, int16_t(1));
        QCOMPARE(movers[1].title, QStringLiteral("Price-Gain (NYSE)"));
        QCOMPARE(movers[14].key, QStringLiteral("52-WPH_A"));
        QCOMPARE(movers[14].title, QStringLiteral("52-Week Price Highs (AMEX)"));
        QCOMPARE(movers[23].box, int16_t(43));
        QCOMPARE(movers[23].code, int16_t(8));
        const auto &screener = UpdateJobs::Screener();
        QCOMPARE(int(screener.size()), 9);
        QCOMPARE(screener[8].box, int16_t(97));
        QCOMPARE(screener[8].key, QStringLiteral("PD_A"));
        QCOMPARE(screener[8].exchange, int16_t(14));
        QCOMPARE(screener[8].code, int16_t(10));
        QCOMPARE(screener[8].title, QStringLiteral("Most Active by Price Down (AMEX)"));
        // every box of the table once, none of 44 to 49 and 59
        QList<int> boxes;
        for (const auto &job : UpdateJobs::Table())
            boxes << job.box;
        QCOMPARE(boxes.size(), 99 - 7);
        for (int b : {44, 45, 46, 47, 48, 49, 59})
            QVERIFY(!boxes.contains(b));
        QVERIFY(std::is_sorted(boxes.begin(), boxes.begin() + 20));
    }

    // Stop on a peer that accepts and never answers: the button is back at
    // once, the fetch ends, nothing is written, the remaining rows fetch
    // nothing but still count down.
    void stopDuringSilentFetch()
    {
        f.SetStocks({"XYZ", "ABC"});
        f.TickOnly({7, 21});
        QVERIFY(f.site->setFault("/t/x/XYZ.html", Fault::Silence));
        // A silence far longer than the wait below: only the stop ends it.
        UpdateJobs::SetSilenceMs(60000);
        QString buttonAfterStop;
        f.OnceRequested(1, [&] {
            f.m->StopUpdate();
            buttonAfterStop = f.m->lblDesc[0]->text();
        });
        LabelRecorder counter(f.m->Panel1[7]);
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY2(t.elapsed() < 30000, "the stop waited for the silent peer");
        QCOMPARE(buttonAfterStop, QStringLiteral("Update"));
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("XYZ_it.Sh"))));
        QCOMPARE(f.RequestLines(), QList<QByteArray>{"GET /t/x/XYZ.html"});
        QVERIFY(counter.Seen().contains(QStringLiteral("0/2")));
        QCOMPARE(f.m->SocketBusy, int16_t(0));
    }

    // Esc does what Stop does.
    void escDuringSilentFetch()
    {
        f.SetStocks({"XYZ"});
        f.TickOnly({7});
        QVERIFY(f.site->setFault("/t/x/XYZ.html", Fault::Silence));
        UpdateJobs::SetSilenceMs(60000);
        QString buttonAfterEsc;
        f.OnceRequested(1, [&] {
            QTest::keyClick(f.m, Qt::Key_Escape);
            buttonAfterEsc = f.m->lblDesc[0]->text();
        });
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY(t.elapsed() < 30000);
        QCOMPARE(buttonAfterEsc, QStringLiteral("Update"));
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("XYZ_it.Sh"))));
    }

    // The same over the transfer control.
    void stopDuringSilentDownload()
    {
        f.TickOnly({15, 16});
        QVERIFY(f.site->setFault("/cgi-bin/25_surp", Fault::Silence));
        UpdateJobs::SetSilenceMs(60000);
        f.OnceRequested(1, [&] { f.m->StopUpdate(); });
        QElapsedTimer t;
        t.start();
        f.m->RunUpdate();
        QVERIFY(t.elapsed() < 30000);
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("25_surp.Sh"))));
        QCOMPARE(f.RequestLines(), QList<QByteArray>{"GET /cgi-bin/25_surp"});
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // The tip fetch returns before its reply; the run goes on and its finish
    // waits for the tip instead of cutting it off.
    void tipNotCutOffByFinish()
    {
        f.TickOnly({19, 21});
        QVERIFY(f.site->setFault("/zandor/tip.txt", Fault::Delay, 800));
        f.m->RunUpdate();
        const QList<QByteArray> lines = f.RequestLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "GET /zandor/tip.txt");
        // the movers page was fetched while the tip was still pending
        QVERIFY(lines[1].startsWith("GET /reports/bigmovers.asp"));
        const QByteArray tip = TestEnv::ReadAll(AppFolder + QStringLiteral("/Tip.Sh"));
        QVERIFY(tip.startsWith("HTTP/1.0 200 OK"));
        QVERIFY(tip.contains("Tickerwatch"));
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // Queued feedback: mailed before the fetching, cleared and "Mail Sent"
    // only when the mail went out.
    void feedbackMail_data()
    {
        QTest::addColumn<QString>("queued");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("typedServer"); // "-": no prompt expected
        QTest::addColumn<bool>("sends");
        QTest::addColumn<QString>("mailedServer"); // "" when no mail is tried
        QTest::addColumn<QString>("sender");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("sent") << "answers" << "me@home.test" << "smtp.test" << "-" << true << "smtp.test"
                              << "me@home.test" << true;
        QTest::newRow("not sent: stays queued") << "answers" << "me@home.test" << "smtp.test" << "-" << false
                                                << "smtp.test" << "me@home.test" << false;
        QTest::newRow("no address: dash") << "answers" << "" << "smtp.test" << "-" << true << "smtp.test" << "-" << true;
        QTest::newRow("two characters: not mailed") << "ab" << "me@home.test" << "smtp.test" << "-" << true << ""
                                                    << "" << false;
        QTest::newRow("no server, typed") << "answers" << "me@home.test" << "" << "mx.typed.test" << true
                                          << "mx.typed.test" << "me@home.test" << true;
        QTest::newRow("no server, cancelled") << "answers" << "me@home.test" << "" << "" << true << "" << "" << false;
    }
    void feedbackMail()
    {
        QFETCH(QString, queued);
        QFETCH(QString, email);
        QFETCH(QString, server);
        QFETCH(QString, typedServer);
        QFETCH(bool, sends);
        QFETCH(QString, mailedServer);
        QFETCH(QString, sender);
        QFETCH(bool, cleared);
        f.env->Set(QStringLiteral("Q_Message"), queued);
        f.env->Set(QStringLiteral("Email"), email);
        f.env->Set(QStringLiteral("EmailServer"), server);
        if (typedServer != QLatin1String("-"))
            Dialogs::QueueInput(typedServer);
        QList<UpdateJobs::Mail> mails;
        UpdateJobs::SetMailSender([&](const UpdateJobs::Mail &mail) {
            mails << mail;
            return sends;
        });
        f.TickOnly({});
        LabelRecorder status(f.m->Panel1[6]);
        f.m->RunUpdate();

        if (mailedServer.isEmpty()) {
            QVERIFY(mails.isEmpty());
        } else {
            QCOMPARE(mails.size(), 1);
            QCOMPARE(mails[0].server, mailedServer);
            QCOMPARE(mails[0].fromName, sender);
            QCOMPARE(mails[0].fromAddress, sender);
            QCOMPARE(mails[0].toName, QStringLiteral("Zandor"));
            QCOMPARE(mails[0].subject, QStringLiteral("Tickerwatch User Feedback"));
            QCOMPARE(mails[0].body, queued);
        }
        QCOMPARE(f.env->Get(QStringLiteral("Q_Message")), cleared ? QString() : queued);
        QCOMPARE(status.Seen().contains(QStringLiteral("Mail Sent")), cleared);
        if (typedServer != QLatin1String("-")) {
            QCOMPARE(Dialogs::Log().size(), 2);
            QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Enter mail server in options"));
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Missing mail server"));
            QVERIFY(Dialogs::Log()[1].input);
            QCOMPARE(Dialogs::Log()[1].title, QStringLiteral("Mail Server"));
            QVERIFY(Dialogs::Log()[1].text.startsWith(QStringLiteral("Please enter your mail server address.\r\nEx.: \"")));
            QVERIFY(status.Seen().contains(QStringLiteral("No Email Server")));
        }
    }

    // The status line follows the transfer control's states; an end state
    // stops the run only when no job is left.
    void transferStatus_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("3") << 3 << QStringLiteral("Connecting...");
        QTest::newRow("4") << 4 << QStringLiteral("connected");
        QTest::newRow("5") << 5 << QStringLiteral("request Data");
        QTest::newRow("6") << 6 << QString();
        QTest::newRow("7") << 7 << QStringLiteral("Downloading Data...");
        QTest::newRow("8") << 8 << QString();
        QTest::newRow("9") << 9 << QStringLiteral("Disconnecting...");
        QTest::newRow("10") << 10 << QStringLiteral("Disconnected from the host.");
        QTest::newRow("11") << 11 << QStringLiteral("An error occurred in communicating.");
        QTest::newRow("12") << 12 << QStringLiteral("The request has completed and all data has been received.");
    }
    void transferStatus()
    {
        QFETCH(int, state);
        QFETCH(QString, text);
        f.m->Panel1[6]->setText(QStringLiteral("old"));
        f.m->UpdateRemaining = 1; // a run with jobs left: no stop clears the line
        f.m->Inet1_StateChanged(state);
        QCOMPARE(f.m->Panel1[6]->text(), text);
    }

    void endStateStopsOnlyWithoutJobsLeft_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<bool>("stops");
        QTest::newRow("12, none left") << 12 << 0 << true;
        QTest::newRow("11, none left") << 11 << 0 << true;
        QTest::newRow("12, jobs left") << 12 << 3 << false;
        QTest::newRow("11, jobs left") << 11 << 3 << false;
        QTest::newRow("7, none left") << 7 << 0 << false;
    }
    void endStateStopsOnlyWithoutJobsLeft()
    {
        QFETCH(int, state);
        QFETCH(int, remaining);
        QFETCH(bool, stops);
        f.m->lblDesc[0]->setText(QStringLiteral("Stop"));
        f.m->setWindowTitle(f.m->BaseCaption + QStringLiteral("    Updating"));
        f.m->UpdateRemaining = int16_t(remaining);
        f.m->AbortFlag = 0;
        f.m->Inet1_StateChanged(state);
        QCOMPARE(f.m->lblDesc[0]->text(), stops ? QStringLiteral("Update") : QStringLiteral("Stop"));
        QCOMPARE(f.m->AbortFlag, int16_t(stops ? -1 : 0));
        if (state == 11)
            QCOMPARE(f.m->windowTitle(), f.m->BaseCaption);
    }

    // The timer: a countdown in the caption, a run when it reaches N, and
    // minutes in a run taken back.
    void timerCountdown()
    {
        AutoUpdateMinutes = 15; // as the start-up reads "AutoUpdate" "15"
        f.m->Timer1_Timer();
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption + QStringLiteral("   Update Every: 15 Mintues,  Remain: 14 Mintues."));
        f.m->lblDesc[0]->setText(QStringLiteral("Stop"));
        f.m->Timer1_Timer();
        QCOMPARE(f.m->AutoUpdateCounter, int16_t(0));
        f.m->lblDesc[0]->setText(QStringLiteral("Update"));
        AutoUpdateMinutes = 0;
        f.m->Timer1_Timer();
        QCOMPARE(f.m->AutoUpdateCounter, int16_t(0));
    }

    void timerStartsRun()
    {
        // The Update button is wired to the run: with nothing ticked it ends at once.
        f.m->AbortFlag = 0;
        f.m->Picture1_Click(0);
        QCOMPARE(f.m->AbortFlag, int16_t(-1));
        AutoUpdateMinutes = 15;
        f.TickOnly({21});
        for (int tick = 1; tick < 15; ++tick)
            f.m->Timer1_Timer();
        QVERIFY(f.site->requests().isEmpty());
        f.m->Timer1_Timer();
        QCOMPARE(f.site->requests().size(), 1);
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption + QStringLiteral("   Update Every: 15 Mintues,  Remain: 15 Mintues."));
        AutoUpdateMinutes = 0;
    }

    // Offline when the count is reached: no run, the count starts again and
    // the caption waits for the next tick.
    void timerOffline()
    {
        AutoUpdateMinutes = 2;
        f.m->Timer1_Timer();
        const QString caption = f.m->windowTitle();
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Dialogs::QueueAnswer(Dialogs::vbNo);
        f.m->Timer1_Timer();
        QCOMPARE(f.m->AutoUpdateCounter, int16_t(0));
        QCOMPARE(f.m->windowTitle(), caption);
        QVERIFY(f.site->requests().isEmpty());
        AutoUpdateMinutes = 0;
    }
};

TW_TEST(tst_updaterun)
#include "tst_updaterun.moc"
