#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "shell/MainFixture.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QTest>
#include <QTextBrowser>

using tw::test::MainFixture;
using RunCall = frmMain::RunCall;

class tst_menus : public QObject {
    Q_OBJECT
    MainFixture f;

    QList<int> Enabled(const char *prefix, int count) const
    {
        QList<int> on;
        for (int i = 0; i < count; ++i)
            if (f.Action(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(i))->isEnabled())
                on << i;
        return on;
    }
    QList<int> Checked(const char *prefix, int count) const
    {
        QList<int> on;
        for (int i = 0; i < count; ++i)
            if (f.Action(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(i))->isChecked())
                on << i;
        return on;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
    }
    void cleanup() { f.Stop(); }

    void reportsEnabledByView_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QList<int>>("enabled");
        QTest::newRow("Current") << "Current" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 16};
        for (const char *v : {"ABS", "AIS", "QR", "IT", "EC", "ER", "EH", "EG", "Call", "Put", "SI"})
            QTest::newRow(v) << QString::fromLatin1(v) << QList<int>{0};
        for (const char *v : {"WINLOS", "Port", "PortLog", "BRP", "Split", "UPH", "current", "it", ""})
            QTest::newRow(*v ? v : "no view") << QString::fromLatin1(v) << QList<int>{};
    }
    void reportsEnabledByView()
    {
        QFETCH(QString, view);
        QFETCH(QList<int>, enabled);
        QCOMPARE(Enabled("mnuReport", 17), QList<int>{16}); // as designed
        CurrentView = view;
        emit f.main->mnuReports->aboutToShow(); // the menu's own click as it opens
        QCOMPARE(Enabled("mnuReport", 17), enabled);
        // A second view starts from all disabled.
        CurrentView = QStringLiteral("SUP");
        f.main->mnuReports_Click();
        QCOMPARE(Enabled("mnuReport", 17), QList<int>{});
    }

    // Each export item passes the kind its caption names.
    void exportKinds_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("kind");
        QTest::newRow("tab") << 1 << "Tab Delimited Text" << 1;
        QTest::newRow("comma") << 2 << "Comma Delimited Text" << 0;
        QTest::newRow("quicken pre 5") << 3 << "Quicken Pre 5.0" << 2;
        QTest::newRow("excel") << 8 << "Excel" << 7;
        QTest::newRow("clipboard") << 15 << "Clipboard" << 14;
        QTest::newRow("xml") << 16 << "XML" << 15;
    }
    void exportKinds()
    {
        QFETCH(int, item);
        QFETCH(QString, caption);
        QFETCH(int, kind);
        QCOMPARE(f.main->mnuReport[item]->text(), caption);
        QCOMPARE(int(frmMain::ReportExportKind(item)), kind);
    }

    void switchingSets()
    {
        Settings::SetGroup(QStringLiteral("Group3"), QStringLiteral("Banks"));
        f.main->LoadSets();
        StockRecord rec;
        rec.Symbol = "BNK";
        Stocks.fill({});
        Stocks[0] = rec;
        CurrentSet = 3;
        QVERIFY(Stock::SaveStocks());
        CurrentSet = 0;
        Stock::ReadStocks();
        QCOMPARE(StockCount, int16_t(0));

        f.Action(QStringLiteral("mnuSet_3"))->trigger();
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("3"));
        QCOMPARE(CurrentSet, int16_t(3));
        QCOMPARE(Stocks[0].Symbol, QByteArray("BNK"));
        QCOMPARE(f.Label(QStringLiteral("Panel1_1"))->text(), QStringLiteral("Banks"));
        QCOMPARE(Checked("mnuSet", 21), QList<int>{3});

        // The open set again: reloaded from its file, still the one ticked.
        Stocks[0].Symbol = "CHANGED";
        f.Action(QStringLiteral("mnuSet_3"))->trigger();
        QCOMPARE(Stocks[0].Symbol, QByteArray("BNK"));
        QCOMPARE(Checked("mnuSet", 21), QList<int>{3});
    }

    // During a run (Update button reads "Stop") the open set stays open,
    // whichever way the switch is asked for.
    void noSwitchDuringRun()
    {
        f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        f.Action(QStringLiteral("mnuSet_5"))->trigger();
        f.main->mnuSet_Click(6);
        f.main->Panel1_Click(1);
        QCOMPARE(CurrentSet, int16_t(0));
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("0"));
        QCOMPARE(Checked("mnuSet", 21), QList<int>{0});
        QVERIFY(f.popups.isEmpty());
        QVERIFY(!QFileInfo::exists(Stock::StockSetFile(5)));

        f.main->lblDesc[0]->setText(QStringLiteral("Update"));
        f.main->mnuSet_Click(5);
        QCOMPARE(CurrentSet, int16_t(5));
    }

    void setOutsideTheTwentyOneIsIgnored_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("21") << 21;
        QTest::newRow("25") << 25;
        QTest::newRow("-1") << -1;
    }
    void setOutsideTheTwentyOneIsIgnored()
    {
        QFETCH(int, index);
        f.main->mnuSet_Click(index);
        QCOMPARE(CurrentSet, int16_t(0));
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("0"));
        QCOMPARE(QDir(AppFolder).entryList({QStringLiteral("Set*.dat")}), QStringList{QStringLiteral("Set0.dat")});
    }

    void setNames()
    {
        Settings::SetGroup(QStringLiteral("Group0"), QStringLiteral("All my stocks"));
        Settings::SetGroup(QStringLiteral("Group20"), QStringLiteral("Last"));
        f.main->LoadSets();
        QCOMPARE(f.main->mnuSet[0]->text(), QStringLiteral("All my stocks"));
        QCOMPARE(f.main->mnuSet[1]->text(), QStringLiteral("Group1"));
        QCOMPARE(f.main->mnuSet[20]->text(), QStringLiteral("Last"));
    }

    void consultationMarks_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QList<int>>("checked");
        QTest::newRow("0") << 0 << QList<int>{0};
        QTest::newRow("4 Largest % Gain In Price") << 4 << QList<int>{4};
        QTest::newRow("15") << 15 << QList<int>{15};
        QTest::newRow("20 has no mark") << 20 << QList<int>{};
        QTest::newRow("31 outside") << 31 << QList<int>{};
        QTest::newRow("-1 outside") << -1 << QList<int>{};
    }
    void consultationMarks()
    {
        QFETCH(int, list);
        QFETCH(QList<int>, checked);
        f.main->ShowConsultation(7);
        f.main->ShowConsultation(list);
        QCOMPARE(Checked("mnuCons", 16), checked);
    }

    void hangUpFollowsConnections()
    {
        Ras::SetActive(0);
        emit f.main->mnuUpdates->aboutToShow();
        QVERIFY(!f.Action(QStringLiteral("mnuUpdate_3"))->isEnabled());
        Ras::SetActive(1);
        emit f.main->mnuUpdates->aboutToShow();
        QVERIFY(f.Action(QStringLiteral("mnuUpdate_3"))->isEnabled());
        f.Action(QStringLiteral("mnuUpdate_3"))->trigger();
        QCOMPARE(Ras::ActiveConnections(), int16_t(0));
    }

    void updateItems_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("mode");
        QTest::addColumn<RunCall>("call");
        QTest::newRow("group") << 0 << false << 0 << RunCall::Run;
        QTest::newRow("stock") << 1 << false << -1 << RunCall::Run;
        QTest::newRow("stock in a run stops it") << 1 << true << -1 << RunCall::Stop;
        QTest::newRow("group in a run stops it") << 0 << true << 0 << RunCall::Stop;
    }
    void updateItems()
    {
        QFETCH(int, item);
        QFETCH(bool, running);
        QFETCH(int, mode);
        QFETCH(RunCall, call);
        f.main->SingleStockMode = int16_t(mode == 0 ? -1 : 0);
        if (running)
            f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        f.Action(QStringLiteral("mnuUpdate_%1").arg(item))->trigger();
        QCOMPARE(int(f.main->SingleStockMode), mode);
        QCOMPARE(f.runs, QList<RunCall>{call});
    }

    void settingPageIsStored()
    {
        f.Action(QStringLiteral("mnuSetting_4"))->trigger();
        QCOMPARE(f.env->Get(QStringLiteral("FrmNav")), QStringLiteral("4"));
    }

    void helpTopics_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("windowType");
        QTest::addColumn<int>("contextId");
        QTest::newRow("Documentation") << 0 << ">Box" << 1001;
        QTest::newRow("Getting Started") << 1 << ">Box" << 1012;
        QTest::newRow("How To..") << 2 << ">Box" << 1011;
        QTest::newRow("References") << 3 << ">Box" << 1013;
        QTest::newRow("Keyboard Shortcut") << 4 << ">Small" << 1009;
        QTest::newRow("Tecnical Support") << 5 << ">Small" << 1008;
    }
    void helpTopics()
    {
        QFETCH(int, item);
        QFETCH(QString, windowType);
        QFETCH(int, contextId);
        f.Action(QStringLiteral("mnuHelp_%1").arg(item))->trigger();
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].file, QStringLiteral("Tkw5.chm"));
        QCOMPARE(Help::Requests()[0].windowType, windowType);
        QCOMPARE(Help::Requests()[0].contextId, contextId);
        // Our page for the topic opens in the help window, over the main window.
        QVERIFY(Help::Window());
        QCOMPARE(Help::Window()->parentWidget(), static_cast<QWidget *>(f.main));
        auto *browser = Help::Window()->findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
        QVERIFY(browser);
        QCOMPARE(browser->source().fileName(), QStringLiteral("%1.html").arg(contextId));
    }

    // Start "About" and tray "About": the splash, modal, owned by the main
    // window, without its progress bar; a click on its picture closes it.
    void aboutBox_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("Start menu") << "mnuStart_5";
        QTest::newRow("tray") << "mnuTray_6";
    }
    void aboutBox()
    {
        QFETCH(QString, item);
        f.Action(item)->trigger();
        QCOMPARE(f.modals.size(), 1);
        frmSplash *about = frmSplash::Loaded();
        QVERIFY(about);
        QCOMPARE(f.modals[0].data(), static_cast<QWidget *>(about));
        QCOMPARE(about->parentWidget(), static_cast<QWidget *>(f.main));
        QVERIFY(about->isWindow());
        QVERIFY(!about->pb1->isVisibleTo(about));
        about->Image2_Click();
        QVERIFY(!frmSplash::Loaded());
    }

    // Later messages send the user to these items by their captions.
    void emailCaptions_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("0") << 0 << "New Massage";
        QTest::newRow("1") << 1 << "Tell It To Your Friend";
        QTest::newRow("2") << 2 << "Bug Report";
        QTest::newRow("3") << 3 << "Send Error Log To Zandor";
        QTest::newRow("4") << 4 << "Send Feedback To Zandor";
        QTest::newRow("5") << 5 << "Technical Support ";
    }
    void emailCaptions()
    {
        QFETCH(int, item);
        QFETCH(QString, caption);
        QCOMPARE(f.Action(QStringLiteral("mnuEmail_%1").arg(item))->text(), caption);
    }

    void trayCommands()
    {
        f.Action(QStringLiteral("mnuTray_0"))->trigger();
        QCOMPARE(f.runs, QList<RunCall>{RunCall::Run});
        f.Action(QStringLiteral("mnuTray_5"))->trigger();
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].contextId, 1001);
        f.env->Set(QStringLiteral("ShutDown"), QStringLiteral("1"));
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.Action(QStringLiteral("mnuTray_8"))->trigger();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(f.exits, 1);
    }

    // The HTML report needs a per-stock view with a stock, or the price list.
    void htmlReportViews()
    {
        QVERIFY(frmMain::HtmlReportOf(QStringLiteral("IT")));
        QVERIFY(frmMain::HtmlReportOf(QStringLiteral("Call")));
        QVERIFY(!frmMain::HtmlReportOf(QStringLiteral("Current")));
        QVERIFY(!frmMain::HtmlReportOf(QStringLiteral("Profile")));
        // View "IT" without a stock: enabled, writes nothing, raises nothing.
        CurrentView = QStringLiteral("IT");
        f.main->mnuReports_Click();
        QVERIFY(f.main->mnuReport[0]->isEnabled());
        f.main->mnuReport_Click(0);
        QVERIFY(Dialogs::Log().isEmpty());
    }
};

TW_TEST(tst_menus)
#include "tst_menus.moc"
