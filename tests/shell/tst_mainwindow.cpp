#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Inet.h"
#include "core/Settings.h"
#include "shell/MainFixture.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "platform/clsFormResize.h"
#include "sheets/LayOut.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using tw::test::MainFixture;

namespace {
const QStringList CacheTree = {
    QStringLiteral("Cache"),
    QStringLiteral("Cache/Chart"),
    QStringLiteral("Cache/News"),
    QStringLiteral("Cache/DataSheet"),
    QStringLiteral("Cache/Reports"),
    QStringLiteral("Cache/Reports/Annual Balance Sheet"),
    QStringLiteral("Cache/Reports/Annual Income statement"),
    QStringLiteral("Cache/Reports/Options"),
    QStringLiteral("Cache/Reports/Insiders Traders"),
    QStringLiteral("Cache/Reports/Quarterly Reports"),
    QStringLiteral("Cache/Reports/Earnings"),
    QStringLiteral("Cache/Reports/Consultation"),
    QStringLiteral("Cache/Reports/Summary"),
    QStringLiteral("Cache/Reports/Misc"),
};

// Every folder below AppFolder, as paths relative to it.
QStringList FoldersUnder(const QString &root)
{
    QStringList found;
    QDir dir(root);
    const QFileInfoList all = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &fi : all) {
        found << fi.fileName();
        for (const QString &sub : FoldersUnder(fi.absoluteFilePath()))
            found << fi.fileName() + u'/' + sub;
    }
    return found;
}
} // namespace

class tst_mainwindow : public QObject {
    Q_OBJECT
    MainFixture f;

    // LayOut.dat holds the layout as it stood at shut-down.
    static bool LayOutSaved()
    {
        return tw::test::TestEnv::ReadAll(AppFolder + QStringLiteral("/LayOut.dat")).contains("Last Sale");
    }

    void Load()
    {
        frmSplash::Load();
        f.main->ShowWindow();
    }

private Q_SLOTS:
    void init() { f.Start(); }
    void cleanup() { f.Stop(); }

    void freshUserStarts()
    {
        Load();
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Tickerwatch 5.7"));
        QCOMPARE(f.main->BaseCaption, QStringLiteral("Tickerwatch 5.7"));
        QStringList expected = CacheTree;
        expected.sort();
        QStringList found = FoldersUnder(AppFolder);
        found.sort();
        QCOMPARE(found, expected);
        QCOMPARE(f.Label(QStringLiteral("Panel1_1"))->text(), QStringLiteral("Group0"));
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("0"));
        QVERIFY(QFileInfo::exists(Stock::StockSetFile(0)));
        QVERIFY(f.Action(QStringLiteral("mnuSet_0"))->isChecked());
        QVERIFY(!frmSplash::Loaded()); // the start-up ends by closing the splash
        QVERIFY(f.main->Timer1->isActive());
        QCOMPARE(f.main->GridTopLimit, int16_t(3120));
        QCOMPARE(f.env->ErrorBlocks(), 0);
    }

    // Each folder comes after its parent: with a file where the reports
    // folder belongs, the folders before it are made and its children fail
    // quietly, without ending the start-up.
    void cacheTreeGoesParentFirst()
    {
        QDir().mkpath(AppFolder + QStringLiteral("/Cache"));
        tw::test::TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/Reports"), "not a folder");
        Load();
        QStringList found = FoldersUnder(AppFolder);
        found.sort();
        QCOMPARE(found, (QStringList{QStringLiteral("Cache"), QStringLiteral("Cache/Chart"),
                                     QStringLiteral("Cache/DataSheet"), QStringLiteral("Cache/News")}));
        QCOMPARE(f.Label(QStringLiteral("Panel1_1"))->text(), QStringLiteral("Group0"));
        QCOMPARE(f.env->ErrorBlocks(), 0);
    }

    void storedSetIsOpened_data()
    {
        QTest::addColumn<QString>("stored"); // "<missing>" for none
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("caption");
        QTest::newRow("7 named Tech") << "7" << 7 << "Tech";
        QTest::newRow("20") << "20" << 20 << "Group20";
        QTest::newRow("missing") << "<missing>" << 0 << "Group0";
        QTest::newRow("empty") << "" << 0 << "Group0";
        QTest::newRow("25: no such set") << "25" << 0 << "Group0";
        QTest::newRow("-1") << "-1" << 0 << "Group0";
        QTest::newRow("not a number") << "abc" << 0 << "Group0";
    }
    void storedSetIsOpened()
    {
        QFETCH(QString, stored);
        QFETCH(int, opened);
        QFETCH(QString, caption);
        if (stored != QStringLiteral("<missing>"))
            f.env->Set(QStringLiteral("LastGroup"), stored);
        Settings::SetGroup(QStringLiteral("Group7"), QStringLiteral("Tech"));
        Load();
        QCOMPARE(CurrentSet, int16_t(opened));
        QVERIFY(QFileInfo::exists(Stock::StockSetFile(int16_t(opened))));
        for (int i = 0; i <= 20; ++i)
            QCOMPARE(f.Action(QStringLiteral("mnuSet_%1").arg(i))->isChecked(), i == opened);
        QCOMPARE(f.Label(QStringLiteral("Panel1_1"))->text(), caption);
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QString::number(opened));
        // Only the set files the program keeps.
        const QStringList sets = QDir(AppFolder).entryList({QStringLiteral("Set*.dat")}, QDir::Files);
        QCOMPARE(sets, QStringList{QStringLiteral("Set%1.dat").arg(opened)});
        QCOMPARE(f.env->ErrorBlocks(), 0);
    }

    void proxyAndModes_data()
    {
        QTest::addColumn<QString>("proxyE"); // "<missing>" for none
        QTest::addColumn<int>("accessType");
        QTest::newRow("1: named proxy") << "1" << int(Inet::icNamedProxy);
        QTest::newRow("missing: direct") << "<missing>" << int(Inet::icDirect);
        QTest::newRow("0: direct") << "0" << int(Inet::icDirect);
        QTest::newRow("2: direct") << "2" << int(Inet::icDirect);
    }
    void proxyAndModes()
    {
        QFETCH(QString, proxyE);
        QFETCH(int, accessType);
        if (proxyE != QStringLiteral("<missing>"))
            f.env->Set(QStringLiteral("ProxyE"), proxyE);
        f.env->Set(QStringLiteral("Proxy"), QStringLiteral("gate.example.net:8080"));
        f.env->Set(QStringLiteral("Fractions"), QStringLiteral("1"));
        f.env->Set(QStringLiteral("AutoUpdate"), QStringLiteral("15"));
        Load();
        QCOMPARE(f.main->Inet1->AccessType(), accessType);
        QCOMPARE(f.main->Inet1->Proxy(), QStringLiteral("gate.example.net:8080"));
        QCOMPARE(FractionsMode.ToText(), QStringLiteral("1"));
        QVERIFY(VolumeMode.IsEmpty()); // missing stays empty
        QCOMPARE(AutoUpdateMinutes, int16_t(15));
    }

    // A stored value that is not a number ends the start-up at that step,
    // logged without a box; the later steps (closing the splash) are left.
    void badStoredValueEndsStartupLogged_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("where");
        QTest::addColumn<bool>("splashLeft");
        QTest::newRow("AutoUpdate") << "AutoUpdate" << QByteArray("Where: frmMain_LoadData") << true;
        QTest::newRow("LastTreePos") << "LastTreePos" << QByteArray("Where: frmMain_Form_Load") << false;
    }
    void badStoredValueEndsStartupLogged()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, where);
        QFETCH(bool, splashLeft);
        f.env->Set(name, QStringLiteral("abc"));
        Load();
        QCOMPARE(f.env->ErrorBlocks(), 1);
        QVERIFY(f.env->ErrorLog().contains(where));
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(frmSplash::Loaded() != nullptr, splashLeft);
        if (splashLeft) {
            f.main->Form_Activate(); // activation closes it
            QVERIFY(!frmSplash::Loaded());
        }
    }

    // A start-up cut short before the column layout was read leaves the
    // user's LayOut.dat exactly as it was at shut-down.
    void startupCutShortKeepsLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("AutoUpdate") << "AutoUpdate";
        QTest::newRow("ProxyE") << "ProxyE";
    }
    void startupCutShortKeepsLayout()
    {
        QFETCH(QString, name);
        const QString path = AppFolder + QStringLiteral("/LayOut.dat");
        // Entry 1 says the "Symbol" column goes to position 3.
        QByteArray file = QByteArray::fromHex("0000" "0000" "00000000" "00000000");
        file += QByteArray::fromHex("0600") + "Symbol" + QByteArray::fromHex("0000" "03000000" "03000000");
        tw::test::TestEnv::WriteAll(path, file);
        f.env->Set(name, QStringLiteral("abc"));
        f.env->Set(QStringLiteral("ShutDown"), QStringLiteral("1"));
        Load();
        QCOMPARE(f.env->ErrorBlocks(), 1);
        f.main->close();
        QCOMPARE(f.exits, 1);
        QCOMPARE(tw::test::TestEnv::ReadAll(path), file);
    }

    // At any size the parts of the window stand apart: tree, arrows, bars,
    // legend, grid, command bar; the ticker spans the window.
    void partsApartAtAnySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << QSize(632, 425);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
        QTest::newRow("1600 x 1200") << QSize(1600, 1200);
    }
    void partsApartAtAnySize()
    {
        QFETCH(QSize, size);
        Load();
        f.main->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(f.main->size(), size);
        const auto rect = [this](const QWidget *w) { return QRect(w->mapTo(f.main, QPoint(0, 0)), w->size()); };
        QRect bars, legend;
        for (const QLabel *bar : f.main->img)
            bars |= rect(bar);
        for (const QLabel *l : f.main->lblDsc)
            legend |= rect(l);
        const QList<std::pair<const char *, QRect>> parts = {
            {"tree", rect(f.main->TreeView1)}, {"up arrow", rect(f.main->ImgUp)}, {"down arrow", rect(f.main->ImgDn)},
            {"bars", bars},  {"legend", legend},  {"grid", rect(f.main->FG)},  {"command bar", rect(f.main->frmButtom)},
        };
        for (qsizetype i = 0; i < parts.size(); ++i)
            for (qsizetype j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts[i].second.intersects(parts[j].second),
                         qPrintable(QStringLiteral("%1 over %2").arg(QLatin1String(parts[i].first), QLatin1String(parts[j].first))));
        QCOMPARE(f.main->NewsTicker1->width(), f.main->width());
        // The bars end at the right edge of their panel.
        QCOMPARE(rect(f.main->img[0]).right(), rect(f.main->PicCont).right());
        // The highlight frame stays around "Start".
        QCOMPARE(rect(f.main->Rect).left(), rect(f.main->Panel1[0]).left());
        QCOMPARE(rect(f.main->Rect).width(), rect(f.main->Panel1[0]).width());
    }

    // A tree widened in a large window keeps its share of the window when
    // the program comes back at its design size, so the bars are not cut.
    void treeShareSurvivesRestart()
    {
        Load();
        f.main->resize(1600, 1200);
        QCoreApplication::processEvents();
        QWidget *bar = f.main->picSplit2;
        const QPoint from(bar->width() / 2, 10);
        const QPoint to = from + QPoint(int(f.main->PicCont->width() * 0.45) - bar->x(), 0);
        QTest::mousePress(bar, Qt::LeftButton, {}, from);
        QTest::mouseMove(bar, to);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
        const double share = double(f.main->picSplit2->x()) / f.main->PicCont->width();
        QVERIFY2(share > 0.4, qPrintable(QString::number(share)));

        frmMain::Unload();
        f.main = frmMain::Instance();
        Load();
        QCOMPARE(f.main->size(), QSize(632, 425));
        const double after = double(f.main->picSplit2->x()) / f.main->PicCont->width();
        QVERIFY2(qAbs(after - share) < 0.01, qPrintable(QStringLiteral("%1 then %2").arg(share).arg(after)));
        QVERIFY(f.main->img[0]->width() > 0);
    }

    // The window cannot be made smaller than its design size, where every
    // control still shows.
    void noSmallerThanTheDesign()
    {
        Load();
        f.main->resize(400, 300);
        QCOMPARE(f.main->size(), QSize(632, 425));
        f.main->resize(1024, 768);
        QCOMPARE(f.main->size(), QSize(1024, 768));
    }

    void emptyTreePositionKeepsDesign()
    {
        f.env->Set(QStringLiteral("LastTreePos"), QString());
        Load();
        QCOMPARE(Geometry::Left(f.main->picSplit2), 2280.0);
        QCOMPARE(f.env->ErrorBlocks(), 0);
    }

    // The legend names the scale under the bars: "Sell" at its left end,
    // "Hold" ending at its middle, "Strong Buy" ending at its right end; and
    // follows them when the window is resized.
    void legendFollowsBars_data()
    {
        QTest::addColumn<double>("widthFactor");
        QTest::newRow("design size") << 1.0;
        QTest::newRow("wider") << 1.5;
    }
    void legendFollowsBars()
    {
        QFETCH(double, widthFactor);
        Load();
        const QSize design = f.main->size();
        f.main->resize(int(design.width() * widthFactor), design.height());
        f.main->Form_Resize();
        const double L = Geometry::Left(f.main->img[0]), W = Geometry::Width(f.main->img[0]);
        if (widthFactor > 1)
            QVERIFY(W > 4575 * 1.3);
        QLabel *const *dsc = f.main->lblDsc;
        auto right = [&](int i) { return Geometry::Left(dsc[i]) + Geometry::Width(dsc[i]); };
        QCOMPARE(Geometry::Left(dsc[0]), L);
        QVERIFY(qAbs(Geometry::Left(dsc[1]) + Geometry::Width(dsc[1]) / 2 - (L + W / 5)) <= 15);
        QVERIFY(qAbs(right(2) - (L + W / 2)) <= 15);
        QVERIFY(qAbs(Geometry::Left(dsc[3]) + Geometry::Width(dsc[3]) / 2 - (L + W / 1.5)) <= 15);
        QVERIFY(qAbs(right(4) - (L + W)) <= 15);
        QVERIFY(qAbs(Geometry::Left(f.main->Shape1) - (Geometry::Left(f.main->picSplit2) + 250)) <= 15);
        QCOMPARE(f.env->ErrorBlocks(), 0);
    }

    // Bars reaching past 32767 twips overflow the legend's 16-bit sum: logged
    // without a box, and the press frame stays where it was.
    void legendOverflowIsLogged()
    {
        Load();
        Geometry::Move(f.main->img[0], 30000, 240, 4500, 315);
        Geometry::SetLeft(f.main->Shape1, 1500);
        f.main->FormResize->ReInitialize(); // the bars' place is the design now
        f.main->Form_Resize();
        QCOMPARE(f.env->ErrorBlocks(), 1);
        QVERIFY(f.env->ErrorLog().contains("Where: frmMain_Form_Resize"));
        QCOMPARE(Geometry::Left(f.main->Shape1), 1500.0);
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void exitConfirmation_data()
    {
        QTest::addColumn<QString>("shutDown"); // "<missing>" for none
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ends");
        QTest::newRow("missing") << "<missing>" << 0 << false << true;
        QTest::newRow("empty") << "" << 0 << false << true;
        QTest::newRow("0") << "0" << 0 << false << true;
        QTest::newRow("1, Yes") << "1" << int(Dialogs::vbYes) << true << true;
        QTest::newRow("1, No") << "1" << int(Dialogs::vbNo) << true << false;
        QTest::newRow("not a number asks") << "yes" << int(Dialogs::vbNo) << true << false;
    }
    void exitConfirmation()
    {
        QFETCH(QString, shutDown);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, ends);
        if (shutDown != QStringLiteral("<missing>"))
            f.env->Set(QStringLiteral("ShutDown"), shutDown);
        Load();
        if (answer)
            Dialogs::QueueAnswer(answer);
        bool dimmedWhileAsked = false;
        Dialogs::SetOnShow([&](const Dialogs::Shown &) {
            dimmedWhileAsked = f.main->findChild<QLabel *>(QStringLiteral("DimOverlay")) != nullptr;
        });
        LayOut[1].Caption = "Last Sale"; // a column moved since start-up
        f.main->mnuStart_Click(7);
        Dialogs::SetOnShow(nullptr);

        QCOMPARE(Dialogs::Log().size(), asked ? 1 : 0);
        if (asked) {
            const Dialogs::Shown &box = Dialogs::Log().first();
            QCOMPARE(box.title, QStringLiteral("Shut Down Tickerwatch"));
            QCOMPARE(box.text, QStringLiteral("Do you realy want to quit Tickerwatch?"));
            QCOMPARE(box.flags, int(Dialogs::vbYesNo | Dialogs::vbQuestion));
            QVERIFY(dimmedWhileAsked);
        }
        QCOMPARE(f.exits, ends ? 1 : 0);
        // Shut-down saves the column layout first.
        QCOMPARE(LayOutSaved(), ends);
        // No dimming outlives the question.
        QVERIFY(!f.main->findChild<QLabel *>(QStringLiteral("DimOverlay")));
        QVERIFY(frmMain::Loaded() == f.main);
    }

    // One Alt+X asks once, answered No with the real box: the key does not
    // come back to the window when the box has closed.
    void altXAsksOnce_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("grid") << "FG";
        QTest::newRow("tree") << "TreeView1";
        QTest::newRow("window") << "";
    }
    void altXAsksOnce()
    {
        QFETCH(QString, focus);
        f.env->Set(QStringLiteral("ShutDown"), QStringLiteral("1"));
        Load();
        f.main->activateWindow();
        if (focus.isEmpty())
            f.main->setFocus();
        else
            f.main->findChild<QWidget *>(focus)->setFocus();
        QCoreApplication::processEvents();
        Dialogs::SetScripted(false);
        int boxes = 0;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            ++boxes;
            for (QAbstractButton *b : box->buttons())
                if (b->text() == QStringLiteral("&No"))
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        answer.start(20);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : f.main;
        QTest::keyClick(target, Qt::Key_X, Qt::AltModifier);
        QTest::qWait(100);
        answer.stop();
        Dialogs::SetScripted(true);
        QCOMPARE(boxes, 1);
        QCOMPARE(f.exits, 0);
    }

    void closeBoxEndsWithoutAsking()
    {
        f.env->Set(QStringLiteral("ShutDown"), QStringLiteral("1"));
        Load();
        LayOut[1].Caption = "Last Sale";
        f.main->close();
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(f.exits, 1);
        QVERIFY(LayOutSaved());
    }

    void activationClosesSplash()
    {
        Load();
        frmSplash::Load();
        f.main->Form_Activate();
        QVERIFY(!frmSplash::Loaded());
        f.main->Form_Activate(); // nothing to close
    }
};

TW_TEST(tst_mainwindow)
#include "tst_mainwindow.moc"
