#include "AlertBoxCases.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Shell.h"
#include "platform/TreeView.h"
#include "portfolio/StkSet.h"
#include "shell/MainFixture.h"
#include "shell/MouseEvents.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using tw::test::MainFixture;
using tw::test::TestEnv;

namespace {

// Writes a set file: "AAA", or "CCC:9.5:20" for a stock with alerts; every
// stock has quote fields. The open set is read again, as it is in memory
// whenever its file was written.
void WriteSet(int set, const QStringList &stocks)
{
    Stock::StockTable t{};
    for (int i = 0; i < stocks.size(); ++i) {
        const QStringList p = stocks[i].split(u':');
        StockRecord &r = t[size_t(i)];
        r.Symbol = p[0].toLatin1();
        r.Name = r.Symbol + " Corp";
        r.LastSale = "12.5";
        r.PChange = "+1.0%";
        r.Recommendation = 2;
        r.LowAlert = p.value(1).toFloat();
        r.HighAlert = p.value(2).toFloat();
    }
    QVERIFY(Stock::SaveStocks(int16_t(set), t));
    if (set == CurrentSet)
        QVERIFY(Stock::ReadStocks());
}

Stock::StockTable ReadSet(int set)
{
    Stock::StockTable t{};
    Stock::ReadStocks(int16_t(set), t);
    return t;
}

QStringList Items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList Symbols(const Stock::StockTable &t)
{
    QStringList out;
    for (const StockRecord &r : t)
        if (!r.Symbol.isEmpty())
            out << QString::fromLatin1(r.Symbol);
    return out;
}

} // namespace

class tst_stkset : public QObject {
    Q_OBJECT
    MainFixture f;
    QPointer<StkSet> w;

    // The editor as the user opens it: a click on the Stocks button.
    StkSet *Open()
    {
        QLabel *stocks = f.main->Picture1[4];
        QTest::mouseClick(stocks, Qt::LeftButton, Qt::NoModifier, stocks->rect().center());
        w = StkSet::Loaded();
        return w && QTest::qWaitForWindowExposed(w) ? w.data() : nullptr;
    }
    void ClickItem(QListWidget *list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
    }
    void DoubleClickItem(QListWidget *list, int row)
    {
        ClickItem(list, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                           list->visualItemRect(list->item(row)).center());
    }
    void Action(int i) { QTest::mouseClick(w->lblAction[i], Qt::LeftButton, Qt::NoModifier, QPoint(3, 3)); }
    void Click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void Type(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    // The boxes shown so far, as "title: text".
    static QStringList Boxes()
    {
        QStringList out;
        for (const Dialogs::Shown &s : Dialogs::Log())
            out << s.title + QStringLiteral(": ") + s.text;
        return out;
    }
    static bool Unloaded() { return !StkSet::Loaded(); }
    bool TreeHas(const QString &text) const
    {
        for (int i = 1; i <= f.main->TreeView1->Count(); ++i)
            if (f.main->TreeView1->Node(i)->Text() == text)
                return true;
        return false;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f.main));
    }
    void cleanup()
    {
        delete w;
        f.Stop();
    }

    // A fresh user: the 21 sets are "Group0" to "Group20" in the editor and
    // the set menu. The editor opens with set 0 chosen while the main window
    // keeps its set.
    void opensOnSetZero()
    {
        WriteSet(0, {"AAA", "BBB"});
        WriteSet(5, {"FIVE"});
        f.main->mnuSet_Click(5);
        QVERIFY(Open());
        QVERIFY(w->isVisible());
        QCOMPARE(w->parentWidget(), f.main);
        QCOMPARE(w->windowTitle(), QString());
        QCOMPARE(w->Pic->pixmap().toImage(), Artwork::Picture(QStringLiteral("Investor")).toImage());
        QStringList names;
        for (int i = 0; i <= 20; ++i) {
            names << QStringLiteral("Group%1").arg(i);
            QCOMPARE(f.main->mnuSet[i]->text(), names.last());
        }
        QCOMPARE(Items(w->lstSets), names);
        QCOMPARE(w->lstSets->currentRow(), 0);
        QCOMPARE(Items(w->lstStk), QStringList({"AAA", "BBB"}));
        QVERIFY(w->lblAction[0]->isEnabled() && w->lblAction[1]->isEnabled());
        QVERIFY(!w->cmdApply->isEnabled());
        QCOMPARE(CurrentSet, int16_t(5));
        QCOMPARE(Stocks[0].Symbol, QByteArray("FIVE"));

        // One editor at a time, also by the double click on "Groups".
        QLabel *groups = f.main->Panel1[1];
        QTest::mouseDClick(groups, Qt::LeftButton, Qt::NoModifier, groups->rect().center());
        Open();
        int editors = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            editors += top->inherits("StkSet");
        QCOMPARE(editors, 1);
    }

    // A set's new name is stored at once; the set menu takes it at OK.
    void renameSet()
    {
        QVERIFY(Open());
        Dialogs::QueueInput(QString()); // cancelled: nothing changes
        DoubleClickItem(w->lstSets, 3);
        QCOMPARE(Settings::GetGroup(QStringLiteral("Group3")).ToText(), QString());

        Dialogs::QueueInput(QStringLiteral("Tech"));
        w->cmdApply->setEnabled(true);
        DoubleClickItem(w->lstSets, 3);
        const Dialogs::Shown asked = Dialogs::Log().last();
        QVERIFY(asked.input);
        QCOMPARE(asked.text, QStringLiteral("Enter New Name For This Set"));
        QCOMPARE(asked.title, QStringLiteral("New Set Name"));
        QCOMPARE(asked.defaultText, QStringLiteral("Group3"));
        QCOMPARE(Settings::GetGroup(QStringLiteral("Group3")).ToText(), QStringLiteral("Tech"));
        QCOMPARE(w->lstSets->item(3)->text(), QStringLiteral("Tech"));
        QCOMPARE(w->lstSets->currentRow(), 3);
        QCOMPARE(w->ChosenSet(), int16_t(3));
        QVERIFY(!w->cmdApply->isEnabled());
        QCOMPARE(f.main->mnuSet[3]->text(), QStringLiteral("Group3"));

        Click(w->cmdOK);
        QTRY_VERIFY(Unloaded());
        QCOMPARE(f.main->mnuSet[3]->text(), QStringLiteral("Tech"));
        QCOMPARE(f.main->Panel1[1]->text(), QStringLiteral("Tech"));
    }

    void addSymbol_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("box"); // "" for none
        const QString bad = QStringLiteral("Invalid stock symbol");
        QTest::newRow("new, in capitals") << "msft" << QStringList{"IBM", "MSFT"} << "";
        QTest::newRow("already listed") << "ibm" << QStringList{"IBM"} << "Duplicate stock symbol: You already have this symbol, Please try again";
        QTest::newRow("class share") << "BRK.A" << QStringList{"IBM", "BRK.A"} << "";
        QTest::newRow("index") << "^DJI" << QStringList{"IBM", "^DJI"} << "";
        QTest::newRow("path separator") << "A/B" << QStringList{"IBM"} << bad;
        QTest::newRow("parent folder") << "..\\X" << QStringList{"IBM"} << bad;
        QTest::newRow("wildcard") << "X*" << QStringList{"IBM"} << bad;
        QTest::newRow("blank inside") << "A B" << QStringList{"IBM"} << bad;
        QTest::newRow("cancelled") << "" << QStringList{"IBM"} << "";
    }
    void addSymbol()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, list);
        QFETCH(QString, box);
        WriteSet(0, {"IBM"});
        QVERIFY(Open());
        Dialogs::QueueInput(typed);
        Action(0);
        QCOMPARE(Dialogs::Log().first().text, QStringLiteral("Type Stock Symbol"));
        QCOMPARE(Dialogs::Log().first().title, QStringLiteral("Stock Symbol"));
        const QStringList boxes = Boxes().mid(1);
        QCOMPARE(Items(w->lstStk), list);
        QCOMPARE(w->cmdApply->isEnabled(), list.size() == 2);
        if (box.isEmpty())
            QVERIFY(boxes.isEmpty());
        else
            QVERIFY2(boxes.size() == 1 && boxes[0].startsWith(box), qPrintable(boxes.join(u'|')));
    }

    void fullSetRefusesAnother()
    {
        QStringList many;
        for (int i = 0; i < Stock::StockSlots; ++i)
            many << QStringLiteral("S%1").arg(i);
        WriteSet(0, many);
        QVERIFY(Open());
        QCOMPARE(w->lstStk->count(), 201);
        Dialogs::QueueInput(QStringLiteral("ONE"));
        Action(0);
        QCOMPARE(w->lstStk->count(), 201);
        QCOMPARE(Boxes(), QStringList{"Stock set full: A stock set holds at most 201 symbols."});
    }

    void renameSymbol_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<bool>("refused");
        QTest::newRow("in capitals") << "ccx" << false << QStringList{"AAA", "BBB", "CCX"} << false;
        QTest::newRow("by double click") << "ccx" << true << QStringList{"AAA", "BBB", "CCX"} << false;
        QTest::newRow("to a listed one") << "AAA" << false << QStringList{"AAA", "BBB", "AAA"} << false;
        QTest::newRow("path separator") << "A/B" << true << QStringList{"AAA", "BBB", "CCC"} << true;
        QTest::newRow("parent folder") << "..\\X" << false << QStringList{"AAA", "BBB", "CCC"} << true;
        QTest::newRow("wildcard") << "X*" << false << QStringList{"AAA", "BBB", "CCC"} << true;
        QTest::newRow("index") << "^DJI" << false << QStringList{"AAA", "BBB", "^DJI"} << false;
    }
    void renameSymbol()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byDoubleClick);
        QFETCH(QStringList, list);
        QFETCH(bool, refused);
        WriteSet(0, {"AAA", "BBB", "CCC"});
        QVERIFY(Open());
        Dialogs::QueueInput(typed);
        if (byDoubleClick) {
            DoubleClickItem(w->lstStk, 2);
        } else {
            ClickItem(w->lstStk, 2);
            w->cmdApply->setEnabled(false);
            Action(3);
        }
        const Dialogs::Shown asked = Dialogs::Log().first();
        QCOMPARE(asked.text, QStringLiteral("Enter New Name For This Symbol"));
        QCOMPARE(asked.title, QStringLiteral("New Stock Symbol"));
        QCOMPARE(asked.defaultText, QStringLiteral("CCC"));
        QCOMPARE(Items(w->lstStk), list);
        QCOMPARE(w->lstStk->currentRow(), 2);
        QCOMPARE(Dialogs::Log().size(), refused ? 2 : 1);
        if (!refused || byDoubleClick)
            QVERIFY(w->cmdApply->isEnabled()); // by the click's refill, or the rename
        else
            QVERIFY(!w->cmdApply->isEnabled());
    }

    // Remove the second of five and Apply: the rest move up keeping their
    // alerts, their quotes wait for the next update, the open set is
    // reloaded.
    void removeAndApply()
    {
        WriteSet(0, {"AAA", "BBB:1:2", "CCC:9.5:20", "DDD", "EEE"});
        f.main->mnuSet_Click(0);
        QVERIFY(Open());
        ClickItem(w->lstStk, 1);
        QCOMPARE(w->txtAlert[0]->text(), QStringLiteral("1"));
        Action(1);
        QCOMPARE(Items(w->lstStk), QStringList({"AAA", "CCC", "DDD", "EEE"}));
        QCOMPARE(w->lstStk->currentRow(), -1);
        QCOMPARE(w->txtAlert[0]->text(), QString());
        QCOMPARE(w->txtAlert[1]->text(), QString());
        QVERIFY(w->cmdApply->isEnabled());
        Click(w->cmdApply);
        QVERIFY(!w->cmdApply->isEnabled());
        QVERIFY(w->isVisible());

        const Stock::StockTable t = ReadSet(0);
        QCOMPARE(Symbols(t), QStringList({"AAA", "CCC", "DDD", "EEE"}));
        QCOMPARE(t[4].Symbol, QByteArray());
        QCOMPARE(t[1].LowAlert, 9.5f);
        QCOMPARE(t[1].HighAlert, 20.0f);
        QCOMPARE(t[1].LastSale, QByteArray());
        QCOMPARE(t[1].Name, QByteArray());
        QCOMPARE(t[0].LastSale, QByteArray("12.5")); // stayed in its place
        QCOMPARE(StockCount, int16_t(4));
        QCOMPARE(Stocks[1].Symbol, QByteArray("CCC"));
    }

    // The boxes show and write the selected symbol's alerts.
    void alertBoxes()
    {
        WriteSet(0, {"AAA", "BBB:1:2", "CCC:9.5:20"});
        QVERIFY(Open());
        ClickItem(w->lstStk, 2);
        QCOMPARE(w->txtAlert[0]->text(), QStringLiteral("9.5"));
        QCOMPARE(w->txtAlert[1]->text(), QStringLiteral("20"));
        QVERIFY(w->cmdApply->isEnabled());

        Type(w->txtAlert[0], QStringLiteral("12x"));
        QCOMPARE(Boxes(), QStringList{"Numbers only: Please type numbers."});
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbInformation));
        QCOMPARE(w->txtAlert[0]->text(), QString());
        QVERIFY(w->txtAlert[0]->hasFocus());
        Type(w->txtAlert[1], QStringLiteral("31.25"));
        Click(w->cmdApply);

        const Stock::StockTable t = ReadSet(0);
        QCOMPARE(t[2].LowAlert, 9.5f); // empty box: unchanged
        QCOMPARE(t[2].HighAlert, 31.25f);
        QCOMPARE(t[1].LowAlert, 1.0f);
        QCOMPARE(t[2].LastSale, QByteArray("12.5"));

        // Another set chosen: the boxes no longer speak for CCC.
        ClickItem(w->lstSets, 1);
        QCOMPARE(w->txtAlert[0]->text(), QString());
        QCOMPARE(w->txtAlert[1]->text(), QString());
    }

    // Apply brings the editor's own changes to the set as it is on disk: a
    // stock removed in the main window meanwhile stays removed.
    void applyOntoTheSetOnDisk()
    {
        WriteSet(0, {"AAA", "BBB", "CCC"});
        f.main->mnuSet_Click(0);
        QVERIFY(Open());
        QCOMPARE(Items(w->lstStk), QStringList({"AAA", "BBB", "CCC"}));
        f.main->TreeView1_NodeClick(f.main->TreeView1->Find(QStringLiteral("ID1")));
        QCOMPARE(CurrentSymbol, QByteArray("BBB"));
        Dialogs::QueueAnswer(Dialogs::vbYes);
        f.main->mnuTree[6]->trigger();
        QCOMPARE(Symbols(ReadSet(0)), QStringList({"AAA", "CCC"}));

        Dialogs::QueueInput(QStringLiteral("DDD"));
        Action(0);
        ClickItem(w->lstStk, 0);
        Type(w->txtAlert[1], QStringLiteral("40"));
        Click(w->cmdApply);
        const Stock::StockTable t = ReadSet(0);
        QCOMPARE(Symbols(t), QStringList({"AAA", "CCC", "DDD"}));
        QCOMPARE(t[0].HighAlert, 40.0f);
        QCOMPARE(t[1].LastSale, QByteArray("12.5")); // untouched by the editor
        QCOMPARE(Items(w->lstStk), QStringList({"AAA", "CCC", "DDD"}));
        QCOMPARE(StockCount, int16_t(3));
    }

    // Alerts typed for one stock stay with it while others are chosen, and
    // are written for each at Apply.
    void typedAlertsStayWithTheirStock()
    {
        WriteSet(0, {"AAA:1:2", "BBB", "CCC"});
        QVERIFY(Open());
        ClickItem(w->lstStk, 0);
        Type(w->txtAlert[0], QStringLiteral("5"));
        ClickItem(w->lstStk, 2);
        Type(w->txtAlert[1], QStringLiteral("30"));
        ClickItem(w->lstStk, 1);
        QCOMPARE(w->txtAlert[0]->text(), QStringLiteral("0"));
        ClickItem(w->lstStk, 0);
        QCOMPARE(w->txtAlert[0]->text(), QStringLiteral("5"));
        QCOMPARE(w->txtAlert[1]->text(), QStringLiteral("2"));
        Click(w->cmdApply);
        const Stock::StockTable t = ReadSet(0);
        QCOMPARE(t[0].LowAlert, 5.0f);
        QCOMPARE(t[0].HighAlert, 2.0f);
        QCOMPARE(t[1].LowAlert, 0.0f);
        QCOMPARE(t[1].HighAlert, 0.0f);
        QCOMPARE(t[2].LowAlert, 0.0f);
        QCOMPARE(t[2].HighAlert, 30.0f);
    }

    // An alert typed for a stock is kept as typed or refused at Apply and
    // OK, even after another stock was chosen: the stock comes back into
    // view, the box is named and focused, and the set stays as it was.
    void applyRefusesAlertsItCannotKeep_data() { tw::test::AlertBoxCases(2.0f); }
    void applyRefusesAlertsItCannotKeep()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, refused);
        QFETCH(float, kept);
        WriteSet(0, {"AAA:1:2", "BBB", "CCC"});
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(0));
        QVERIFY(Open());
        ClickItem(w->lstStk, 0);
        QLineEdit *typedBox = w->txtAlert[box];
        tw::test::TypeOrPaste(typedBox, typed, pasted);
        QCOMPARE(typedBox->text(), typed);
        ClickItem(w->lstStk, 2);
        Click(w->cmdApply);
        if (refused.isEmpty()) {
            QVERIFY(Boxes().isEmpty());
            const StockRecord saved = ReadSet(0)[0];
            QCOMPARE(box == 0 ? saved.LowAlert : saved.HighAlert, kept);
            QCOMPARE(box == 0 ? saved.HighAlert : saved.LowAlert, box == 0 ? 2.0f : 1.0f);
            return;
        }
        const QString message = QStringLiteral("Numbers only: Please type numbers in \"%1\".").arg(refused);
        QCOMPARE(Boxes(), QStringList{message});
        QCOMPARE(w->lstStk->currentRow(), 0);
        QCOMPARE(typedBox->text(), typed);
        QVERIFY(typedBox->hasFocus());
        QVERIFY(w->cmdApply->isEnabled());
        QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(0)), file);
        Click(w->cmdOK);
        QCOMPARE(Boxes(), QStringList({message, message}));
        QVERIFY(w && w->isVisible());
        QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(0)), file);
    }

    // Typing before any stock is chosen writes no stock's alerts.
    void noStockSelected()
    {
        WriteSet(0, {"AAA:1:2", "BBB"});
        QVERIFY(Open());
        Type(w->txtAlert[0], QStringLiteral("5"));
        Click(w->cmdApply);
        const Stock::StockTable t = ReadSet(0);
        QCOMPARE(t[0].LowAlert, 1.0f);
        QCOMPARE(t[1].LowAlert, 0.0f);
    }

    void lookUp()
    {
        QVERIFY(Open());
        Dialogs::QueueInput(QString());
        Action(2);
        QVERIFY(Shell::Opened().isEmpty());
        Dialogs::QueueInput(QStringLiteral("Acme & Sons"));
        Action(2);
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Insert a company name or any part of it."));
        QCOMPARE(Dialogs::Log().last().title, QStringLiteral("Finding Symbol"));
        QCOMPARE(Shell::Opened(), QStringList{Hosts::Url(QStringLiteral("QuoteHost"), QStringLiteral("/l?s=Acme%20%26%20Sons"))});
        QVERIFY(Shell::Opened()[0].startsWith(QStringLiteral("http://")));
        QVERIFY(Shell::Opened()[0].endsWith(QStringLiteral("/l?s=Acme%20%26%20Sons")));
        QCOMPARE(w->lstStk->count(), 0);
    }

    // OK brings the main window onto the chosen set and rereads the names.
    void okOpensTheChosenSet()
    {
        WriteSet(2, {"TWO", "DEUX"});
        WriteSet(5, {"FIVE"});
        f.main->mnuSet_Click(5);
        QVERIFY(Open());
        ClickItem(w->lstSets, 2);
        QCOMPARE(Items(w->lstStk), QStringList({"TWO", "DEUX"}));
        QCOMPARE(CurrentSet, int16_t(5));
        QCOMPARE(Stocks[0].Symbol, QByteArray("FIVE"));
        Settings::SetGroup(QStringLiteral("Group7"), QStringLiteral("Seven"));

        Click(w->cmdOK);
        QTRY_VERIFY(Unloaded());
        QCOMPARE(CurrentSet, int16_t(2));
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("2"));
        for (int i = 0; i <= 20; ++i)
            QCOMPARE(f.main->mnuSet[i]->isChecked(), i == 2);
        QCOMPARE(f.main->mnuSet[7]->text(), QStringLiteral("Seven"));
        QCOMPARE(f.main->lblSbl[0]->text(), QStringLiteral("TWO"));
        QCOMPARE(f.main->lblSbl[1]->text(), QStringLiteral("DEUX"));
        QVERIFY(TreeHas(QStringLiteral("TWO")));
        QVERIFY(!TreeHas(QStringLiteral("FIVE")));
        QCOMPARE(Symbols(ReadSet(2)), QStringList({"TWO", "DEUX"}));
    }

    // Cancel after editing, choosing and even applying another set: the
    // main window and the open set are as they were.
    void cancelLeavesTheOpenSet()
    {
        WriteSet(2, {"TWO"});
        WriteSet(5, {"FIVE"});
        f.main->mnuSet_Click(5);
        const Stock::StockTable open = Stocks;
        QVERIFY(Open());
        ClickItem(w->lstSets, 2);
        Dialogs::QueueInput(QStringLiteral("NEW"));
        Action(0);
        Click(w->cmdApply);
        QCOMPARE(Symbols(ReadSet(2)), QStringList({"TWO", "NEW"}));
        QVERIFY(Stocks == open);
        Dialogs::QueueInput(QStringLiteral("MORE"));
        Action(0);
        Click(w->cmdCancel);
        QTRY_VERIFY(Unloaded());
        QCOMPARE(Symbols(ReadSet(2)), QStringList({"TWO", "NEW"}));
        QCOMPARE(CurrentSet, int16_t(5));
        QVERIFY(Stocks == open);
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("5"));
        QVERIFY(f.main->mnuSet[5]->isChecked());
        QCOMPARE(f.main->lblSbl[0]->text(), QStringLiteral("FIVE"));
    }

    // Apply on the open set reloads it; the Esc key is Cancel.
    void applyToTheOpenSetAndEsc()
    {
        WriteSet(0, {"AAA"});
        f.main->mnuSet_Click(0);
        QVERIFY(Open());
        Dialogs::QueueInput(QStringLiteral("BBB"));
        Action(0);
        Click(w->cmdApply);
        QCOMPARE(Stocks[1].Symbol, QByteArray("BBB"));
        QCOMPARE(StockCount, int16_t(2));
        QTest::keyClick(w->lstStk, Qt::Key_Escape);
        QTRY_VERIFY(Unloaded());
        QCOMPARE(Symbols(ReadSet(0)), QStringList({"AAA", "BBB"}));
    }

    // While an Update run walks the open set, nothing is written and the
    // user is told; OK leaves the window open.
    void refusedDuringARun()
    {
        WriteSet(0, {"AAA"});
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(0));
        QVERIFY(Open());
        Dialogs::QueueInput(QStringLiteral("BBB"));
        Action(0);
        f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        Click(w->cmdApply);
        QVERIFY(w->cmdApply->isEnabled());
        Click(w->cmdOK);
        QTest::qWait(50);
        QVERIFY(w && w->isVisible());
        QCOMPARE(Boxes().size(), 3);
        QVERIFY(Boxes()[1].startsWith(QStringLiteral("Stock set not saved: An update is running.")));
        QCOMPARE(Boxes()[2], Boxes()[1]);
        QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(0)), file);

        f.main->lblDesc[0]->setText(QStringLiteral("Update"));
        Click(w->cmdOK);
        QTRY_VERIFY(Unloaded());
        QCOMPARE(Symbols(ReadSet(0)), QStringList({"AAA", "BBB"}));
    }

    void help()
    {
        QVERIFY(Open());
        Click(w->cmdHelp);
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].windowType, QStringLiteral(">Small"));
        QCOMPARE(Help::Requests()[0].contextId, 1006);
    }

    // The action labels: red under the pointer, green while pressed, blue
    // again on release and when the pointer is over the window.
    void actionLabelColours()
    {
        QVERIFY(Open());
        const auto colour = [this](int i) { return w->lblAction[i]->palette().color(QPalette::WindowText); };
        const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 255, 0);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(colour(i), blue);
        tw::test::SendMouse(w->lblAction[2], QEvent::MouseMove, Qt::NoButton);
        QCOMPARE(colour(2), red);
        tw::test::SendMouse(w->lblAction[1], QEvent::MouseMove, Qt::NoButton);
        QCOMPARE(colour(1), red);
        QCOMPARE(colour(2), blue);
        tw::test::SendMouse(w->lblAction[3], QEvent::MouseButtonPress, Qt::LeftButton);
        QCOMPARE(colour(3), green);
        QCOMPARE(colour(1), blue);
        tw::test::SendMouse(w->lblAction[3], QEvent::MouseButtonRelease, Qt::RightButton);
        QCOMPARE(colour(3), blue);
        tw::test::SendMouse(w->lblAction[0], QEvent::MouseMove, Qt::NoButton);
        tw::test::SendMouse(w, QEvent::MouseMove, Qt::NoButton, QPointF(1, 1));
        QCOMPARE(colour(0), blue);
        QVERIFY(Dialogs::Log().isEmpty()); // a right-button release is no click
    }
};

TW_TEST(tst_stkset)
#include "tst_stkset.moc"
