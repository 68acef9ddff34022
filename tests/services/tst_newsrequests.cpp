// The news client without its window, against a scripted peer: a request
// made while a group's header walk goes on waits for its turn.
#include "common/ScriptedPeer.h"
#include "common/TestRegistry.h"
#include "services/NewsClient.h"

#include <QTest>

using namespace tw::test;
using Turn = ScriptedPeer::Turn;

Q_DECLARE_METATYPE(ScriptedPeer::Turn)

namespace {

QByteArray Head(int n)
{
    const QByteArray num = QByteArray::number(n);
    return "221 " + num + " <a" + num + "> head\r\nSubject: S" + num + "\r\n.\r\n";
}

// The walk of misc.a (articles 1 and 2) up to its first header.
QList<Turn> WalkStart()
{
    return {{"211 2 1 2 misc.a\r\n", "GROUP misc.a"}, {"223 1 <a1>\r\n", "STAT 1"}, {Head(1), "HEAD"}};
}

// The rest of that walk.
QList<Turn> WalkEnd()
{
    return {{"223 2 <a2>\r\n", "NEXT"}, {Head(2), "HEAD"}, {"421 no next article\r\n", "NEXT"}};
}

enum Request { Article, Group, List };

} // namespace

class tst_newsrequests : public QObject {
    Q_OBJECT

private slots:
    // Asked for once the walk has its first header: an article comes
    // between two steps of the walk, another group ends the walk first, the
    // server's group list waits for the walk's end.
    void requestDuringAWalkWaitsItsTurn_data()
    {
        QTest::addColumn<int>("request");
        QTest::addColumn<QList<Turn>>("turns");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QList<QByteArray>>("headers");
        QTest::newRow("an article") << int(Article)
                                    << WalkStart() + QList<Turn>{{"222 1 <a1> body\r\ntext\r\n.\r\n", "BODY 1"}}
                                           + WalkEnd()
                                    << QList<QByteArray>{"GROUP misc.a", "STAT 1", "HEAD", "BODY 1", "NEXT", "HEAD",
                                                         "NEXT"}
                                    << QList<QByteArray>{"1", "2"};
        QTest::newRow("another group")
            << int(Group)
            << WalkStart()
                   + QList<Turn>{{"211 1 5 5 alt.b\r\n", "GROUP alt.b"}, {"223 5 <b5>\r\n", "STAT 5"},
                                 {Head(5), "HEAD"}, {"421 no next article\r\n", "NEXT"}}
            << QList<QByteArray>{"GROUP misc.a", "STAT 1", "HEAD", "GROUP alt.b", "STAT 5", "HEAD", "NEXT"}
            << QList<QByteArray>{"1", "5"};
        QTest::newRow("the group list")
            << int(List) << WalkStart() + WalkEnd() + QList<Turn>{{"215 list\r\nalt.b 5 5 y\r\n.\r\n", "LIST"}}
            << QList<QByteArray>{"GROUP misc.a", "STAT 1", "HEAD", "NEXT", "HEAD", "NEXT", "LIST"}
            << QList<QByteArray>{"1", "2"};
    }
    void requestDuringAWalkWaitsItsTurn()
    {
        QFETCH(int, request);
        QFETCH(QList<Turn>, turns);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QList<QByteArray>, headers);
        ScriptedPeer peer;
        peer.greeting = {"200 ready\r\n"};
        peer.turns = turns;
        NewsClient client;
        QVERIFY(client.Connect(ServerAddress::Parse(peer.hostPort(), Nntp::DefaultPort)));

        QList<QByteArray> read, listed, article;
        int walks = 0;
        QObject::connect(&client, &NewsClient::WalkEnded, &client, [&] { ++walks; });
        QObject::connect(&client, &NewsClient::GroupsListed, &client,
                         [&](const Nntp::Lines &list) {
                             for (const QByteArrayView line : list)
                                 listed << Nntp::GroupName(line);
                         });
        QObject::connect(&client, &NewsClient::ArticleRead, &client,
                         [&](const Nntp::Reply &reply) { article = reply.lines.List(); });
        QObject::connect(&client, &NewsClient::HeaderRead, &client, [&](const Nntp::Header &h) {
            read << h.number;
            if (read.size() > 1)
                return;
            if (request == Article)
                client.OpenArticle("1");
            else if (request == Group)
                client.OpenGroup("alt.b");
            else
                client.ListGroups();
        });
        client.OpenGroup("misc.a");

        QCOMPARE(peer.lines(), lines);
        QVERIFY(!peer.overtaken());
        QCOMPARE(read, headers);
        QCOMPARE(walks, request == Group ? 2 : 1);
        QCOMPARE(article, request == Article ? QList<QByteArray>{"text"} : QList<QByteArray>{});
        QCOMPARE(listed, request == List ? QList<QByteArray>{"alt.b"} : QList<QByteArray>{});
        QVERIFY(client.Connected());
    }
};

TW_TEST(tst_newsrequests)
#include "tst_newsrequests.moc"
