// The newsgroup window against a scripted peer (exact command bytes, replies
// cut into pieces, refused greetings, silence, hang-ups) and offline: the
// group lists, the server setting, the keys, the splitter and closing.
#include "NewsWindow.h"
#include "common/ScriptedPeer.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "common/ThreadUsage.h"
#include "common/WhenReady.h"
#include "core/AppFolder.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Winsock.h"
#include "sheets/GridInteraction.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <memory>

using namespace tw::test;
using Turn = ScriptedPeer::Turn;
using Then = ScriptedPeer::Turn::Then;

Q_DECLARE_METATYPE(ScriptedPeer::Turn)

namespace {

const QByteArray kHead2 = "221 2 <a2@tw-tests.net> head\r\nFrom: ann@example.test\r\nSubject: Hello\r\n"
                          "Date: Wed, 09 Dec 2026 10:00:00 +0000\r\nLines: 3\r\n.\r\n";
// Date before Subject, names in odd case.
const QByteArray kHead3 = "221 3 <a3@tw-tests.net> head\r\nDATE: Thu, 10 Dec 2026 10:00:00 +0000\r\n"
                          "from: bob@example.test\r\nsubject: Second\r\nLines: 1\r\n.\r\n";
const QByteArray kBody2 = "222 2 <a2@tw-tests.net> body\r\nline one\r\n..dot\r\nline three\r\n.\r\n";

// The walk of misc.invest.stocks (articles 2 and 3), every header cut in
// pieces of seven bytes.
QList<Turn> Walk(int nextDelayMs = 0)
{
    return {{"211 2 2 3 misc.invest.stocks\r\n", "GROUP misc.invest.stocks"},
            {"223 2 <a2@tw-tests.net>\r\n", "STAT 2"},
            {kHead2, "HEAD", 0, 7, 2},
            {"223 3 <a3@tw-tests.net>\r\n", "NEXT", nextDelayMs},
            {kHead3, "HEAD", 0, 7, 2},
            {"421 no next article\r\n", "NEXT"}};
}

} // namespace

class tst_newsclient : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

    News *ConnectTo(ScriptedPeer &peer)
    {
        env->Set(QStringLiteral("NewsServer"), peer.hostPort());
        News *w = OpenNews();
        if (!w)
            return nullptr;
        ClickLabel(w->cmdConnect);
        return w->NewsConnected ? w : nullptr;
    }
    void WriteMyList(const QByteArray &bytes) { TestEnv::WriteAll(AppFolder + QStringLiteral("/server.lst"), bytes); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        News::SetReplyTimeoutMs(0);
    }
    void cleanup()
    {
        if (News *w = News::Loaded())
            delete w;
        News::SetReplyTimeoutMs(0);
        News::SetExchangeLimitMs(0);
        env.reset();
    }

    void walkSendsOneCommandPerReply()
    {
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = Walk();
        peer.turns.append({kBody2, "BODY 2", 0, int(kBody2.size() / 3 + 1), 5});
        WriteMyList("misc.invest.stocks\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        DoubleClickRow(w->FG_Groups, 1);
        QVERIFY(w->Frm[1]->isVisible());
        QCOMPARE(StatusOf(w), QStringLiteral("Downloading Header Number 2 to 3"));
        QCOMPARE(peer.received(), QByteArray("GROUP misc.invest.stocks\r\nSTAT 2\r\nHEAD\r\nNEXT\r\nHEAD\r\nNEXT\r\n"));
        QVERIFY(!peer.overtaken());
        QCOMPARE(Column(w->FG, 1, 2), (QStringList{"Hello", "Second"}));
        QCOMPARE(Column(w->FG, 2, 2),
                 (QStringList{"Wed, 09 Dec 2026 10:00:00 +0000", "Thu, 10 Dec 2026 10:00:00 +0000"}));
        QCOMPARE(Column(w->FG, 3, 2), (QStringList{"ann@example.test", "bob@example.test"}));
        QCOMPARE(Column(w->FG, 4, 2), (QStringList{"3", "1"}));
        QCOMPARE(Column(w->FG, 5, 2), (QStringList{"2", "3"}));

        // The body in three pieces shows once, unstuffed, without its status and end lines.
        ClickRow(w->FG, 2);
        QCOMPARE(peer.lines().last(), QByteArray("BODY 2"));
        QCOMPARE(w->Text2->toPlainText(), QStringLiteral("line one\n.dot\nline three"));
    }

    void articleClickedDuringWalkWaitsItsTurn()
    {
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = Walk(ScriptedPeer::Held);
        peer.turns.insert(4, {kBody2, "BODY 2"});
        WriteMyList("misc.invest.stocks\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        // While the walk waits for its NEXT, the first row comes on show:
        // click it, then let the reply go.
        WhenReady(w, [&] { return peer.lines().size() == 4 && w->FG->Rows() == 3; }, [&] {
            ClickRow(w->FG, 2);
            peer.Release();
        });
        DoubleClickRow(w->FG_Groups, 1);
        QCOMPARE(peer.lines(), (QList<QByteArray>{"GROUP misc.invest.stocks", "STAT 2", "HEAD", "NEXT", "BODY 2",
                                                  "HEAD", "NEXT"}));
        QVERIFY(!peer.overtaken());
        QCOMPARE(w->Text2->toPlainText(), QStringLiteral("line one\n.dot\nline three"));
        QCOMPARE(Column(w->FG, 5, 2), (QStringList{"2", "3"}));
    }

    void emptyGroupEndsTheWalk()
    {
        ScriptedPeer peer;
        peer.greeting = {"201 read only\r\n"};
        peer.turns = {{"211 0 1 0 alt.empty\r\n", "GROUP alt.empty"}, {"423 no article\r\n", "STAT 1"}};
        WriteMyList("alt.empty\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        DoubleClickRow(w->FG_Groups, 1);
        QCOMPARE(peer.lines(), (QList<QByteArray>{"GROUP alt.empty", "STAT 1"}));
        QCOMPARE(w->FG->Rows(), 2);
    }

    // A fast server's headers reach the grid a batch at a time: laying out
    // and painting the grid for every header made the walk of a large group
    // many times slower than the talk itself.
    void longWalkFillsTheGridInBatches()
    {
        constexpr int articles = 300;
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {{"211 300 1 300 misc.invest.stocks\r\n", "GROUP misc.invest.stocks"},
                      {"223 1 <a1>\r\n", "STAT 1"}};
        QStringList subjects;
        for (int n = 1; n <= articles; ++n) {
            const QByteArray num = QByteArray::number(n);
            subjects << QStringLiteral("Subject %1").arg(n);
            peer.turns.append({"221 " + num + " <a" + num + "> head\r\nSubject: Subject " + num + "\r\nLines: " + num
                                   + "\r\n.\r\n",
                               "HEAD"});
            peer.turns.append({n < articles ? "223 " + QByteArray::number(n + 1) + " <a>\r\n" : "421 no next\r\n",
                               "NEXT"});
        }
        WriteMyList("misc.invest.stocks\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);

        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                paints += e->type() == QEvent::Paint;
                return false;
            }
        } counter;
        int insertions = 0;
        QObject::connect(w->FG->model(), &QAbstractItemModel::rowsInserted, &counter, [&] { ++insertions; });
        QElapsedTimer t;
        ThreadUsage before;
        // The double click itself ends in the grid of another page: count from the first command on.
        QTimer::singleShot(0, w, [&] {
            w->FG->viewport()->installEventFilter(&counter);
            t.start();
            before = ThreadUsage::Now();
        });
        DoubleClickRow(w->FG_Groups, 1);
        const qint64 ms = t.elapsed();
        const ThreadUsage used = ThreadUsage::Now() - before;
        const int commands = 2 + 2 * articles;
        QCOMPARE(peer.lines().size(), commands);
        QCOMPARE(Column(w->FG, 1, 2), subjects);
        QCOMPARE(w->FG->TextMatrix(articles + 1, 5), QStringLiteral("300"));
        // This peer answers only when the loop turns: the client's short
        // waits on the socket must give up on it, not sleep through one each
        // command (600 x 8 ms). Counted in sleeps, which a busy or stalled
        // machine does not add to, not in time.
        QVERIFY2(used.sleeps < commands / 4,
                 qPrintable(QStringLiteral("%1 sleeps in %2 ms").arg(used.sleeps).arg(ms)));
        // Several a second at most, however fast the replies come. The bound
        // grows with the time taken, so a slow machine only widens it.
        const qint64 bound = 2 + ms / 50;
        QVERIFY2(insertions <= bound, qPrintable(QStringLiteral("%1 insertions in %2 ms").arg(insertions).arg(ms)));
        QVERIFY2(counter.paints <= bound, qPrintable(QStringLiteral("%1 paints in %2 ms").arg(counter.paints).arg(ms)));
    }

    void serverListCutInsideAName()
    {
        const QByteArray list = "215 list follows\r\nalt.test 1 1 y\r\nmisc.invest.stocks 3 2 y\r\n.\r\n";
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {{list, "LIST", 0, int(list.indexOf("est.stocks")), 30}};
        WriteMyList("alt.a\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        Dialogs::QueueAnswer(Dialogs::vbNo);
        ClickLabel(w->lblGroups[14]);
        QVERIFY(peer.lines().isEmpty());
        const Dialogs::Shown asked = Dialogs::Log().last();
        QCOMPARE(asked.title, QStringLiteral("Load All Groups?"));
        QCOMPARE(asked.flags, Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2);
        QVERIFY(asked.text.startsWith(QStringLiteral("This action will load all groups from the server.\r\n")));

        Dialogs::QueueAnswer(Dialogs::vbYes);
        ClickLabel(w->lblGroups[14]);
        QCOMPARE(peer.lines(), QList<QByteArray>{"LIST"});
        QCOMPARE(Column(w->FG_Groups, 1), (QStringList{"alt.a", "alt.test", "misc.invest.stocks"}));
        QCOMPARE(StatusOf(w), QStringLiteral("List Download"));
    }

    void connectionFailures_data()
    {
        QTest::addColumn<Turn>("greeting");
        QTest::addColumn<int>("waitMs"); // for a reply; 0: as the program has it
        QTest::addColumn<QString>("status");
        QTest::newRow("refused greeting") << Turn("502 no permission\r\n") << 0
                                          << QStringLiteral("Error 502 no permission");
        QTest::newRow("silence") << Turn() << 700 << QStringLiteral("No reply from ");
        QTest::newRow("hang-up") << Turn({}, {}, 0, 0, 0, Then::Close) << 0 << QStringLiteral("Disconnected From ");
        QTest::newRow("reset") << Turn({}, {}, 0, 0, 0, Then::Reset) << 0 << QStringLiteral("Error 10054");
    }
    void connectionFailures()
    {
        QFETCH(Turn, greeting);
        QFETCH(int, waitMs);
        QFETCH(QString, status);
        News::SetReplyTimeoutMs(waitMs);
        ScriptedPeer peer;
        peer.greeting = greeting;
        env->Set(QStringLiteral("NewsServer"), peer.hostPort());
        News *w = OpenNews();
        QVERIFY(w);
        // The connection is made in the loop: its first turn is during the attempt.
        QString during;
        QTimer::singleShot(0, w, [&] { during = StatusOf(w); });
        ClickLabel(w->cmdConnect);
        QCOMPARE(during, QStringLiteral("Connecting to ") + peer.hostPort());
        QVERIFY2(StatusOf(w).startsWith(status), qPrintable(StatusOf(w)));
        QCOMPARE(w->NewsConnected, 0);
        QVERIFY(w->cmdConnect->isEnabled());
        QVERIFY(!w->cmdDisconnect->isEnabled());
        QTRY_VERIFY(peer.ended());
        QVERIFY(peer.received().isEmpty());
    }

    // A list that never ends (no final dot, a byte at a time, a flood)
    // ends at the exchange's time or size bound: one status text, the
    // connection closed, the client holding no more than the bound.
    void endlessListEndsAtItsBound_data()
    {
        QTest::addColumn<Turn>("reply");
        QTest::addColumn<int>("limitMs"); // the exchange's time; 0: as the program has it
        QTest::addColumn<QString>("status");
        QByteArray lines = "215 list follows\r\n";
        for (int i = 0; i < 500; ++i)
            lines += "alt.group" + QByteArray::number(i) + " 1 1 y\r\n";
        QTest::newRow("no final dot") << Turn(lines.left(60), "LIST") << 1500 << QStringLiteral("No complete reply from ");
        QTest::newRow("a byte at a time") << Turn(lines, "LIST", 0, 1, 5) << 1500
                                          << QStringLiteral("No complete reply from ");
        QTest::newRow("a flood") << Turn::Flood("215 list follows\r\n", "LIST", "alt.flood 1 1 y\r\n", qint64(100) << 20)
                                 << 0 << QStringLiteral("Too much data from ");
        QTest::newRow("a line that never ends")
            << Turn::Flood("215 list follows\r\nalt.", "LIST", QByteArray(1024, 'x'), qint64(100) << 20) << 0
            << QStringLiteral("Too much data from ");
    }
    void endlessListEndsAtItsBound()
    {
        QFETCH(Turn, reply);
        QFETCH(int, limitMs);
        QFETCH(QString, status);
        News::SetExchangeLimitMs(limitMs);
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {reply};
        WriteMyList("alt.a\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        Dialogs::QueueAnswer(Dialogs::vbYes);
        ClickLabel(w->lblGroups[14]);
        QCOMPARE(StatusOf(w), status + peer.hostPort());
        QCOMPARE(Dialogs::Log().size(), 1); // the question before the list
        QCOMPARE(w->NewsConnected, 0);
        QVERIFY(w->cmdConnect->isEnabled());
        QTRY_VERIFY(peer.ended());
        QVERIFY2(w->MostBuffered() <= Nntp::MaxReply + Nntp::MaxLine, qPrintable(QString::number(w->MostBuffered())));
        if (reply.floodBytes)
            QVERIFY(peer.flooded() < reply.floodBytes);
        QCOMPARE(Column(w->FG_Groups, 1), QStringList{"alt.a"});
    }

    // A group the server will not open says so, with the server's reply.
    void refusedGroupSaysSo_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("no such group") << QByteArray("411 no such group");
        QTest::newRow("a reply without its numbers") << QByteArray("211 <b>many</b>");
    }
    void refusedGroupSaysSo()
    {
        QFETCH(QByteArray, reply);
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {{reply + "\r\n", "GROUP alt.b"}};
        WriteMyList("alt.b\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        DoubleClickRow(w->FG_Groups, 1);
        QCOMPARE(StatusOf(w), QStringLiteral("Could not open group alt.b: ") + QString::fromLatin1(reply));
        QCOMPARE(w->StatusPanel->textFormat(), Qt::PlainText);
        QCOMPARE(peer.lines(), QList<QByteArray>{"GROUP alt.b"});
        QVERIFY(w->NewsConnected);
    }

    void cutInTheMiddleOfAWalk()
    {
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {{"211 2 2 3 misc.invest.stocks\r\n", "GROUP misc.invest.stocks"},
                      {"223 2 <a>\r\n", "STAT 2"},
                      {"221 2 <a> head\r\nSubject: half", "HEAD", 0, 0, 0, Then::Close}};
        WriteMyList("misc.invest.stocks\n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        DoubleClickRow(w->FG_Groups, 1);
        QCOMPARE(StatusOf(w), QStringLiteral("Disconnected From ") + peer.hostPort());
        QCOMPARE(w->FG->Rows(), 2);
        QVERIFY(w->cmdConnect->isEnabled());
        // A fresh connection starts clean.
        peer.turns.clear();
        ClickLabel(w->cmdConnect);
        QCOMPARE(StatusOf(w), QStringLiteral("Connected to ") + peer.hostPort());
        QCOMPARE(peer.connections(), 2);
    }

    void myListAndAddedGroups()
    {
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {{"411 no such group\r\n", "GROUP alt.b"}};
        WriteMyList("alt.a\n\nalt.b \n");
        News *w = ConnectTo(peer);
        QVERIFY(w);
        ClickLabel(w->lblGroups[13]);
        QCOMPARE(Column(w->FG_Groups, 1), (QStringList{"alt.a", "alt.b "}));
        QCOMPARE(StatusOf(w), QStringLiteral("Finished getting list."));
        DoubleClickRow(w->FG_Groups, 2);
        QCOMPARE(peer.lines(), QList<QByteArray>{"GROUP alt.b"});

        w->lblGroups[15]->setEnabled(false);
        Dialogs::QueueInput(QStringLiteral("alt.c"));
        ClickLabel(w->lblGroups[17]);
        QCOMPARE(Dialogs::Log().last().text, QStringLiteral("Inset new Group"));
        QCOMPARE(Dialogs::Log().last().title, QStringLiteral("Add Group"));
        QCOMPARE(Column(w->FG_Groups, 1).last(), QStringLiteral("alt.c"));
        QVERIFY(w->lblGroups[15]->isEnabled());

        // Blanks, or a line break smuggled in, never reach the server.
        for (const QString &bad : {QStringLiteral("   "), QStringLiteral("alt.x\r\nQUIT")}) {
            Dialogs::QueueInput(bad);
            ClickLabel(w->lblGroups[17]);
            DoubleClickRow(w->FG_Groups, w->FG_Groups->Rows() - 1);
        }
        QTest::qWait(100);
        QCOMPARE(peer.lines(), QList<QByteArray>{"GROUP alt.b"});
    }

    void notConnected()
    {
        WriteMyList("alt.a\n");
        News *w = OpenNews();
        QVERIFY(w);
        w->FG->SetRows(5);
        DoubleClickRow(w->FG_Groups, 1);
        QCOMPARE(StatusOf(w), QStringLiteral("You have to connect to the news server."));
        QCOMPARE(w->FG->Rows(), 2);
        QCOMPARE(Column(w->FG, 1, 0).first(), QStringLiteral("Subject"));
        Dialogs::QueueAnswer(Dialogs::vbYes);
        ClickLabel(w->lblGroups[14]);
        QCOMPARE(StatusOf(w), QStringLiteral("To get a list from the server you must connect to news server."));
        // No server set: Connect shows the Options page.
        ClickLabel(w->cmdConnect);
        QVERIFY(w->Frm[2]->isVisible());
        QCOMPARE(w->Winsock1->State(), 0);
    }

    void categoriesFromTheShippedList()
    {
        TestEnv::WriteAll(AppFolder + QStringLiteral("/NewsList.txt"),
                          "[Futures]\r\nFutures and Options=misc.invest.futures\r\n[Options]\r\nab\r\n"
                          "Option trading=misc.invest.options\r\n[Personal Finance]\r\nMoney talk=misc.invest.personal");
        News *w = OpenNews();
        QVERIFY(w);
        ClickLabel(w->lblGroups[11]);
        QCOMPARE(Column(w->FG_Groups, 0), QStringList{"Option trading"});
        QCOMPARE(Column(w->FG_Groups, 1), QStringList{"misc.invest.options"});
        QCOMPARE(w->FG_Groups->TextMatrix(0, 0), QStringLiteral("Description"));
        QCOMPARE(w->FG_Groups->TextMatrix(0, 1), QStringLiteral("Group Name"));
        ClickLabel(w->lblGroups[12]);
        QCOMPARE(Column(w->FG_Groups, 1), QStringList{"misc.invest.personal"});
        QCOMPARE(w->CurrentCategory, QStringLiteral("Personal Finance"));
    }

    void shippedListIsPutInPlace()
    {
        QVERIFY(!QFile::exists(AppFolder + QStringLiteral("/NewsList.txt")));
        News *w = OpenNews();
        QVERIFY(w);
        QVERIFY(QFile::exists(AppFolder + QStringLiteral("/NewsList.txt")));
        for (int i = 0; i <= 12; ++i) {
            ClickLabel(w->lblGroups[i]);
            QVERIFY2(w->FG_Groups->Rows() > 1, qPrintable(w->lblGroups[i]->text()));
        }
    }

    void applyStoresTheServer()
    {
        News *w = OpenNews();
        QVERIFY(w);
        ClickLabel(w->lblNav[2]);
        QVERIFY(w->Frm[2]->isVisible());
        w->txtServer->setFocus();
        QTest::keyClicks(w->txtServer, QStringLiteral("news.example.test"));
        QVERIFY(w->cmdApply->isEnabled());
        QTest::mouseClick(w->cmdApply, Qt::LeftButton);
        QCOMPARE(env->Get(QStringLiteral("NewsServer")), QStringLiteral("news.example.test"));
        QCOMPARE(w->NewsHost, QStringLiteral("news.example.test"));
        QVERIFY(w->Frm[0]->isVisible());
        QVERIFY(!w->cmdApply->isEnabled());
    }

    void leavingSaysQuit_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Exit") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("frame") << 2;
    }
    void leavingSaysQuit()
    {
        QFETCH(int, how);
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = {{"205 bye\r\n", "QUIT"}};
        const QPointer<News> w = ConnectTo(peer);
        QVERIFY(w);
        if (how == 0)
            ClickLabel(w->cmdClose);
        else if (how == 1)
            QTest::keyClick(w->FG_Groups, Qt::Key_Escape);
        else
            w->close();
        QTRY_VERIFY(peer.ended());
        QCOMPARE(peer.lines(), QList<QByteArray>{"QUIT"});
        QTRY_VERIFY(!w);
        QVERIFY(!News::Loaded());
    }

    void splitterKeysAndSorting()
    {
        WriteMyList("alt.a\n");
        News *w = OpenNews();
        QVERIFY(w);
        QTest::keyClick(w->FG_Groups, Qt::Key_M, Qt::AltModifier);
        QVERIFY(w->Frm[1]->isVisible());

        // Dragged 2325 twips up and let go: kept 400 twips below the page top.
        QTest::mousePress(w->Split, Qt::LeftButton, {}, QPoint(20, 1));
        QVERIFY(w->SplitGrab != News::NotDragging);
        QTest::mouseMove(w->Split, QPoint(20, -155));
        QTest::mouseRelease(w->Split, Qt::LeftButton, {}, QPoint(20, -155));
        QCOMPARE(w->SplitGrab, News::NotDragging);
        QVERIFY(qAbs(Geometry::Top(w->Split) - 400) < 15);
        QVERIFY(qAbs(Geometry::Top(w->Text2) - 430) < 15);

        // A double-click on the article grid flips the order and sorts.
        DoubleClickRow(w->FG_Groups, 1);
        w->FG->SetRows(5);
        const QStringList subjects{"b", "c", "a"};
        for (int i = 0; i < 3; ++i)
            w->FG->SetTextMatrix(2 + i, 1, subjects[i]);
        GridInteraction::SortOrder = 1;
        DoubleClickRow(w->FG, 2);
        QCOMPARE(GridInteraction::SortOrder, int16_t(2));
        QCOMPARE(Column(w->FG, 1, 2), (QStringList{"c", "b", "a"}));
        QCOMPARE(w->FG->RowHeight(1), 0);
    }
};

TW_TEST(tst_newsclient)
#include "tst_newsclient.moc"
