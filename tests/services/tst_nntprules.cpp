// The NNTP rules on bytes alone: replies framed and matched to their
// commands however the bytes are cut, dot-stuffing undone, header fields,
// group replies, and the shipped and personal group lists.
#include "common/HeapInUse.h"
#include "common/TestRegistry.h"
#include "services/Nntp.h"

#include <QTest>

using Nntp::Reply;
using Nntp::ReplyReader;

Q_DECLARE_METATYPE(QList<QByteArray>)

class tst_nntprules : public QObject {
    Q_OBJECT

    // Feeds the stream in pieces ending at each cut, after each command is
    // expected; gives the replies in order.
    static QList<Reply> Read(const QList<QByteArray> &commands, const QByteArray &stream, QList<int> cuts)
    {
        ReplyReader r;
        for (const QByteArray &c : commands)
            r.Expect(c);
        cuts.append(int(stream.size()));
        int from = 0;
        QList<Reply> out;
        for (int cut : cuts) {
            r.Feed(QByteArrayView(stream).sliced(from, cut - from));
            from = cut;
            while (r.HasReply())
                out.append(r.TakeReply());
        }
        return out;
    }

private slots:
    void listEndsAtDotHoweverCut_data()
    {
        QTest::addColumn<QList<int>>("cuts");
        const QByteArray s = "215 list\r\nalt.test 1 1 y\r\nmisc.invest.stocks 3 2 y\r\n.\r\n";
        QTest::newRow("one piece") << QList<int>{};
        QTest::newRow("inside a name") << QList<int>{int(s.indexOf("est.stocks"))};
        QTest::newRow("between CR and LF") << QList<int>{int(s.indexOf('\n'))};
        QTest::newRow("before the dot") << QList<int>{int(s.lastIndexOf('.'))};
        QList<int> bytes;
        for (int i = 1; i < s.size(); ++i)
            bytes.append(i);
        QTest::newRow("byte by byte") << bytes;
    }
    void listEndsAtDotHoweverCut()
    {
        QFETCH(QList<int>, cuts);
        const QByteArray s = "215 list\r\nalt.test 1 1 y\r\nmisc.invest.stocks 3 2 y\r\n.\r\n";
        const QList<Reply> got = Read({"LIST"}, s, cuts);
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].command, QByteArray("LIST"));
        QCOMPARE(got[0].status, QByteArray("215 list"));
        QCOMPARE(got[0].lines.List(), (QList<QByteArray>{"alt.test 1 1 y", "misc.invest.stocks 3 2 y"}));
        QCOMPARE(Nntp::GroupName(got[0].lines.List()[1]), QByteArray("misc.invest.stocks"));
    }

    void repliesMatchTheirCommands()
    {
        // Greeting, a merged pair, a refused header (single line), a body.
        const QByteArray s = "200 hi\r\n211 2 2 3 g\r\n223 2 <a> ok\r\n423 no such article\r\n"
                             "222 2 <a> body\r\n..dot\r\n\r\nplain\r\n..\r\n.\r\n";
        const QList<Reply> got = Read({"", "GROUP g", "STAT 2", "HEAD", "BODY 2"}, s, {3, 40});
        QCOMPARE(got.size(), 5);
        QCOMPARE(got[0].Code(), QByteArray("200"));
        QCOMPARE(got[1].command, QByteArray("GROUP g"));
        QCOMPARE(got[3].command, QByteArray("HEAD"));
        QCOMPARE(got[3].Code(), QByteArray("423"));
        QVERIFY(got[3].lines.IsEmpty());
        QCOMPARE(got[4].lines.List(), (QList<QByteArray>{".dot", "", "plain", "."}));
    }

    // Past a bound the reader stops: the whole replies before it still
    // come, however the bytes were cut, and nothing after it.
    void boundsStopTheReader_data()
    {
        QTest::addColumn<QByteArray>("stream");
        const QByteArray before = "200 hi\r\n211 2 2 3 g\r\n";
        QTest::newRow("a line past its bound")
            << before + "215 list\r\n" + QByteArray(Nntp::MaxLine + 1, 'x') + "\r\n.\r\n223 2 <a>\r\n";
        QByteArray list = before + "215 list\r\n";
        while (list.size() <= Nntp::MaxReply + before.size())
            list += QByteArray(1000, 'x') + "\r\n";
        QTest::newRow("a reply past its bound") << list + ".\r\n223 2 <a>\r\n";
    }
    void boundsStopTheReader()
    {
        QFETCH(QByteArray, stream);
        for (const QList<int> &cuts : {QList<int>{}, QList<int>{30}, QList<int>{int(stream.size()) - 20}}) {
            const QList<Reply> got = Read({"", "GROUP g", "LIST", "STAT 2"}, stream, cuts);
            QCOMPARE(got.size(), 2);
            QCOMPARE(got[1].status, QByteArray("211 2 2 3 g"));
        }
        ReplyReader r;
        for (const char *c : {"", "GROUP g", "LIST"})
            r.Expect(c);
        r.Feed(stream);
        QVERIFY(r.Overflowed());
        QVERIFY(r.Buffered() < 100);
    }

    // A list of many short lines, unfinished or whole and not yet taken,
    // costs the heap at most twice the bytes received: a buffer and a
    // header for every line cost several times a short line, and a flood
    // to the reply's bound is a million of them.
    void shortLinesHeldNearTheirSize_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::newRow("unfinished") << false;
        QTest::newRow("whole") << true;
    }
    void shortLinesHeldNearTheirSize()
    {
        QFETCH(bool, whole);
        QByteArray list = "215 list follows\r\n";
        for (int i = 0; i < 100000; ++i)
            list += "alt.g" + QByteArray::number(i) + " 1 1 y\r\n";
        if (whole)
            list += ".\r\n";
        constexpr qsizetype arrival = 1460;
        const qint64 before = tw::test::HeapInUse();
        qint64 most = 0;
        {
            ReplyReader r;
            r.Expect("LIST");
            for (qsizetype at = 0; at < list.size(); at += arrival) {
                r.Feed(QByteArrayView(list).sliced(at, qMin(arrival, list.size() - at)));
                most = qMax(most, tw::test::HeapInUse() - before);
            }
            QCOMPARE(r.HasReply(), whole);
        }
        QVERIFY2(most <= 2 * list.size(),
                 qPrintable(QStringLiteral("%1 bytes held for %2 received").arg(most).arg(list.size())));
    }

    void unaskedLinesAreNoReply()
    {
        ReplyReader r;
        r.Feed("500 what?\r\n");
        QVERIFY(!r.HasReply());
        r.Expect("NEXT");
        QCOMPARE(r.Outstanding(), 1);
        r.Feed("421 no next\r\n");
        QCOMPARE(r.TakeReply().Code(), QByteArray("421"));
        QCOMPARE(r.Outstanding(), 0);
    }

    void header_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QByteArray>("subject");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<int>("count");
        QTest::newRow("usual") << QList<QByteArray>{"From: ann@example.test", "Subject: Hello",
                                                    "Date: Wed, 09 Dec 2026 10:00:00 +0000", "Lines: 3"}
                               << QByteArray("Hello") << QByteArray("Wed, 09 Dec 2026 10:00:00 +0000")
                               << QByteArray("ann@example.test") << 3;
        QTest::newRow("date first, any case") << QList<QByteArray>{"DATE: d", "subject: s", "from:f", "LINES: x"}
                                              << QByteArray("s") << QByteArray("d") << QByteArray("f") << 0;
        QTest::newRow("name only at line start")
            << QList<QByteArray>{"X-Note: Subject: no", "Subject: yes", "Subject: second"} << QByteArray("yes")
            << QByteArray() << QByteArray() << 0;
        QTest::newRow("line count out of range") << QList<QByteArray>{"Lines: 40000"} << QByteArray() << QByteArray()
                                                 << QByteArray() << 0;
    }
    void header()
    {
        QFETCH(QList<QByteArray>, lines);
        const Nntp::Header h = Nntp::ParseHeader(Reply{"HEAD", "221 2 <a2@x> head", Nntp::Lines(lines)});
        QCOMPARE(h.number, QByteArray("2"));
        QTEST(h.subject, "subject");
        QTEST(h.date, "date");
        QTEST(h.from, "from");
        QTEST(int(h.lines), "count");
    }

    void groupReply()
    {
        const auto r = Nntp::ParseGroup("211 2 2 3 misc.invest.stocks group selected");
        QVERIFY(r);
        QCOMPARE(r->first, QByteArray("2"));
        QCOMPARE(r->last, QByteArray("3"));
        QVERIFY(!Nntp::ParseGroup("411 no such group"));
        QVERIFY(!Nntp::ParseGroup("211 2 2x 3 g"));
    }

    void outsideText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("group");
        QTest::addColumn<bool>("number");
        QTest::newRow("name") << QByteArray("alt.b ") << true << false;
        QTest::newRow("blanks") << QByteArray("   ") << false << false;
        QTest::newRow("inner blank") << QByteArray("a b") << false << false;
        QTest::newRow("line break") << QByteArray("a\r\nQUIT") << false << false;
        QTest::newRow("digits") << QByteArray("42") << true << true;
        QTest::newRow("signed") << QByteArray("+4") << true << false;
        QTest::newRow("empty") << QByteArray() << false << false;
    }
    void outsideText()
    {
        QFETCH(QByteArray, text);
        QTEST(Nntp::GroupNameUsable(text), "group");
        QTEST(Nntp::ArticleNumberUsable(text), "number");
    }

    void categories_data()
    {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QList<QByteArray>>("rows");
        QTest::newRow("short line skipped") << QByteArray("Options")
                                            << QList<QByteArray>{"Option trading\tmisc.invest.options"};
        QTest::newRow("last section, no line end") << QByteArray("Personal Finance")
                                                   << QList<QByteArray>{"Money talk\tmisc.invest.personal"};
        QTest::newRow("caption inside a line is no header") << QByteArray("Futures")
                                                            << QList<QByteArray>{"Futures and Options\tmisc.invest.futures"};
        QTest::newRow("missing") << QByteArray("Bonds") << QList<QByteArray>{};
    }
    void categories()
    {
        QFETCH(QByteArray, caption);
        const QByteArray file = "[Futures]\r\nFutures and Options=misc.invest.futures\r\n[Options]\r\nab\r\n"
                                "Option trading=misc.invest.options\r\n[Personal Finance]\r\n"
                                "Money talk=misc.invest.personal";
        QTEST(Nntp::CategoryRows(file, caption), "rows");
        // No size limit: the same file behind 40 000 characters.
        QTEST(Nntp::CategoryRows(QByteArray(40000, 'x') + "\r\n" + file, caption), "rows");
    }

    void myList()
    {
        QCOMPARE(Nntp::MyListRows("alt.a\n\nalt.b \n"), (QList<QByteArray>{"alt.a", "alt.b "}));
        QCOMPARE(Nntp::MyListRows("a.b\r\nc.d"), (QList<QByteArray>{"a.b", "c.d"}));
    }
};

TW_TEST(tst_nntprules)
#include "tst_nntprules.moc"
