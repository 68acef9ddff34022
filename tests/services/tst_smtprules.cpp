// The SMTP rules on bytes alone: lines and replies out of any split of the
// stream, which reply a step accepts, the data section, header values, the
// server box and the date header.
#include "common/TestRegistry.h"
#include "services/LineFramer.h"
#include "services/Smtp.h"

#include <QTest>
#include <ctime>

class tst_smtprules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The same stream gives the same lines however it was cut.
    void framerLinesWhateverTheCuts_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QByteArray>("pending");
        QTest::newRow("CR LF lines") << QByteArray("200 a\r\n201 b\r\n") << QList<QByteArray>{"200 a", "201 b"}
                                     << QByteArray();
        QTest::newRow("LF alone") << QByteArray("x\ny\n") << QList<QByteArray>{"x", "y"} << QByteArray();
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\n.\r\n") << QList<QByteArray>{"", "", "."}
                                          << QByteArray();
        QTest::newRow("unfinished tail waits") << QByteArray("a\r\nhalf") << QList<QByteArray>{"a"}
                                               << QByteArray("half");
        QTest::newRow("CR inside a line stays") << QByteArray("a\rb\r\n") << QList<QByteArray>{"a\rb"}
                                                << QByteArray();
    }
    void framerLinesWhateverTheCuts()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QByteArray, pending);
        // Whole, then byte by byte, then cut between CR and LF.
        for (int piece : {int(stream.size()), 1, 2, 3}) {
            LineFramer framer;
            QList<QByteArray> got;
            for (qsizetype at = 0; at < stream.size(); at += piece) {
                framer.Feed(stream.mid(at, piece));
                while (framer.HasLine())
                    got << framer.TakeLine();
            }
            QCOMPARE(got, lines);
            QCOMPARE(framer.Pending(), pending);
            QVERIFY(framer.TakeLine().isEmpty());
        }
    }

    void repliesAreWholeAndInOrder_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::newRow("one line") << QList<QByteArray>{"250 ok\r\n"} << QList<QByteArray>{"250 ok\r\n"};
        QTest::newRow("code alone") << QList<QByteArray>{"250\r\n"} << QList<QByteArray>{"250\r\n"};
        QTest::newRow("multi-line greeting in two pieces")
            << QList<QByteArray>{"220-first\r\n", "220 second\r\n"}
            << QList<QByteArray>{"220-first\r\n220 second\r\n"};
        QTest::newRow("first piece alone is no reply") << QList<QByteArray>{"220-first\r\n220 sec"}
                                                       << QList<QByteArray>{};
        QTest::newRow("two replies merged") << QList<QByteArray>{"250 a\r\n354 b\r\n"}
                                            << QList<QByteArray>{"250 a\r\n", "354 b\r\n"};
        QTest::newRow("split inside the code") << QList<QByteArray>{"2", "50 ok\r", "\n"}
                                               << QList<QByteArray>{"250 ok\r\n"};
        QTest::newRow("a line without code waits for the last line")
            << QList<QByteArray>{"hello\r\n550 no\r\n"} << QList<QByteArray>{"hello\r\n550 no\r\n"};
    }
    void repliesAreWholeAndInOrder()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<QByteArray>, replies);
        Smtp::ReplyReader reader;
        QList<QByteArray> got;
        for (const QByteArray &p : pieces) {
            reader.Feed(p);
            while (reader.HasReply())
                got << reader.TakeReply();
        }
        QCOMPARE(got, replies);
    }

    void replyClass_data()
    {
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("greeting") << QByteArray("220") << QByteArray("220 hi\r\n") << true;
        QTest::newRow("other 2xx for 220") << QByteArray("220") << QByteArray("250 hi\r\n") << true;
        QTest::newRow("refused recipient") << QByteArray("250") << QByteArray("550 no such user\r\n") << false;
        QTest::newRow("start data") << QByteArray("354") << QByteArray("354 go\r\n") << true;
        QTest::newRow("2xx where 354 is awaited") << QByteArray("354") << QByteArray("250 ok\r\n") << false;
        QTest::newRow("no code") << QByteArray("250") << QByteArray("2x0 ok\r\n") << false;
    }
    void replyClass()
    {
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        QCOMPARE(Smtp::Accepts(expected, reply), accepted);
    }

    // Line ends become CR LF and lines that begin with "." are doubled; the
    // line end and the empty line close the body.
    void dataSection_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("empty") << QString() << QByteArray("\r\n\r\n");
        QTest::newRow("LF ends") << "a\n.\nb\n.c" << QByteArray("a\r\n..\r\nb\r\n..c\r\n\r\n");
        QTest::newRow("CR LF and lone CR") << "a\r\nb\rc" << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("dot first") << ".start" << QByteArray("..start\r\n\r\n");
        QTest::newRow("dot inside a line") << "a.b\n" << QByteArray("a.b\r\n\r\n\r\n");
        QTest::newRow("code page") << QStringLiteral("caf\u00e9 \u20ac") << QByteArray("caf\xe9 \x80\r\n\r\n");
    }
    void dataSection()
    {
        QFETCH(QString, body);
        QFETCH(QByteArray, wire);
        QCOMPARE(Smtp::DataBody(body), wire);
    }

    // No typed text starts a header line of its own.
    void headersHoldNoLineBreaks()
    {
        const QByteArray block = Smtp::HeaderBlock(QStringLiteral("Ann\r\nBcc: spy@x.test"), "DATE",
                                                   QStringLiteral("Bob\n"), QStringLiteral("Hi\rthere"));
        QCOMPARE(block, QByteArray("From: Ann  Bcc: spy@x.test\r\nDate: DATE\r\nX-Mailer: Kelmira Post v 2.x\r\n"
                                   "To: Bob \r\nSubject: Hi there\r\n\r\n"));
    }

    void envelopeAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << "ann@example.test" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("dash") << "-" << true;
        QTest::newRow("CR LF") << "a@x.test\r\nrcpt to: b@y.test" << false;
        QTest::newRow("LF") << "a@x.test\n" << false;
        QTest::newRow("blank") << "a@x.test b@y.test" << false;
        QTest::newRow("angle brackets") << "<a@x.test>" << false;
    }
    void envelopeAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, usable);
        QCOMPARE(Smtp::AddressUsable(address), usable);
    }

    void serverBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("host alone") << "mail.test" << true << "mail.test" << 25;
        QTest::newRow("host and port") << "127.0.0.1:2525" << true << "127.0.0.1" << 2525;
        QTest::newRow("port 0") << "mail.test:0" << false << "" << 0;
        QTest::newRow("port too big") << "mail.test:65536" << false << "" << 0;
        QTest::newRow("port not a number") << "mail.test:smtp" << false << "" << 0;
        QTest::newRow("no host") << ":25" << false << "" << 0;
        QTest::newRow("blank") << "mail.test x" << false << "" << 0;
        QTest::newRow("line break") << "mail.test\r\n" << false << "" << 0;
    }
    void serverBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, host);
        QFETCH(int, port);
        const Smtp::Server s = Smtp::ParseServer(text);
        QCOMPARE(s.ok, ok);
        if (ok) {
            QCOMPARE(s.host, host);
            QCOMPARE(int(s.port), port);
        }
    }

    // English names and the machine's own offset at that moment.
    void dateHeader_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("six hours west") << QByteArray("CST6") << QByteArray("Wed, 09 Dec 2026 01:48:37 -0600");
        QTest::newRow("east with minutes") << QByteArray("IST-5:30")
                                           << QByteArray("Wed, 09 Dec 2026 01:48:37 +0530");
        QTest::newRow("UTC") << QByteArray("UTC0") << QByteArray("Wed, 09 Dec 2026 01:48:37 +0000");
    }
    void dateHeader()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, text);
        const QByteArray old = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const QByteArray got = Smtp::DateText(QDateTime(QDate(2026, 12, 9), QTime(1, 48, 37)));
        qputenv("TZ", old);
        tzset();
        QCOMPARE(got, text);
    }
};

TW_TEST(tst_smtprules)
#include "tst_smtprules.moc"
