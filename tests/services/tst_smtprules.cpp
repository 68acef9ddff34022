// The SMTP rules on bytes alone: lines and replies out of any split of the
// stream and their size bounds, which reply a step accepts, the data
// section, header values, the server box and the date header.
#include "common/TestRegistry.h"
#include "services/LineFramer.h"
#include "services/ServerAddress.h"
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

    // A reply past its bounds stops the reader: the whole replies before
    // an over-long line still come, whatever the cuts, and nothing after;
    // past the bytes a reader may hold, everything goes.
    void replyBounds_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<bool>("overflowed");
        QTest::addColumn<QList<QByteArray>>("replies");
        const QByteArray longest = "250 " + QByteArray(Smtp::MaxReplyLine - 4, 'x');
        QTest::newRow("longest line, then its end") << longest + "\r\n" << false << QList<QByteArray>{longest + "\r\n"};
        QTest::newRow("longest line, its CR waiting for the LF") << longest + "\r" << false << QList<QByteArray>{};
        QTest::newRow("one byte more") << longest + "x\r\n" << true << QList<QByteArray>{};
        QTest::newRow("a line that never ends") << QByteArray(Smtp::MaxReplyLine + 1, 'x') << true
                                                << QList<QByteArray>{};
        QTest::newRow("replies before a line that never ends")
            << "220 hi\r\n250-a\r\n250 b\r\n354-c\r\n" + QByteArray(Smtp::MaxReplyLine + 1, 'x') + "\r\n250 d\r\n"
            << true << QList<QByteArray>{"220 hi\r\n", "250-a\r\n250 b\r\n"};
        QByteArray many;
        while (many.size() <= Smtp::MaxReply)
            many += "250-" + QByteArray(100, 'x') + "\r\n";
        QTest::newRow("a reply that never ends") << many << true << QList<QByteArray>{};
    }
    void replyBounds()
    {
        QFETCH(QByteArray, stream);
        QFETCH(bool, overflowed);
        QFETCH(QList<QByteArray>, replies);
        for (qsizetype piece : {stream.size(), qsizetype(1000), qsizetype(7)}) {
            Smtp::ReplyReader reader;
            QList<QByteArray> got;
            qsizetype most = 0;
            for (qsizetype at = 0; at < stream.size(); at += piece) {
                reader.Feed(QByteArrayView(stream).sliced(at, qMin(piece, stream.size() - at)));
                most = qMax(most, reader.Buffered());
                while (reader.HasReply())
                    got << reader.TakeReply();
            }
            QCOMPARE(reader.Overflowed(), overflowed);
            QCOMPARE(got, replies);
            QVERIFY(most <= Smtp::MaxReply + Smtp::MaxReplyLine);
            if (overflowed) {
                QCOMPARE(reader.Buffered(), 0);
                reader.Feed("250 ok\r\n");
                QVERIFY(!reader.HasReply());
                reader.Clear();
                reader.Feed("250 ok\r\n");
                QVERIFY(reader.HasReply());
            }
        }
    }

    // Replies nobody takes count against the bound too.
    void untakenRepliesBounded()
    {
        Smtp::ReplyReader reader;
        while (!reader.Overflowed() && reader.Buffered() <= Smtp::MaxReply)
            reader.Feed("250 ok\r\n");
        QVERIFY(reader.Overflowed());
        QVERIFY(!reader.HasReply());
        QCOMPARE(reader.Buffered(), 0);
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
    // line end and the empty line close the body. What is not printable
    // ASCII goes quoted-printable in UTF-8, and a long line is cut with soft
    // breaks, so no wire line passes 76 bytes.
    void dataSection_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("empty") << QString() << QByteArray("\r\n\r\n");
        QTest::newRow("LF ends") << "a\n.\nb\n.c" << QByteArray("a\r\n..\r\nb\r\n..c\r\n\r\n");
        QTest::newRow("CR LF and lone CR") << "a\r\nb\rc" << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("dot first") << ".start" << QByteArray("..start\r\n\r\n");
        QTest::newRow("dot inside a line") << "a.b\n" << QByteArray("a.b\r\n\r\n\r\n");
        QTest::newRow("beyond ASCII") << QStringLiteral("caf\u00e9 \u20ac")
                                      << QByteArray("caf=C3=A9 =E2=82=AC\r\n\r\n");
        QTest::newRow("equals sign and controls") << QStringLiteral("a=b\x0b\x0c\x01")
                                                  << QByteArray("a=3Db=0B=0C=01\r\n\r\n");
        QTest::newRow("blanks at line ends") << "a \nb\t" << QByteArray("a=20\r\nb=09\r\n\r\n");
        QTest::newRow("long line, a dot after the soft break")
            << QString(75, u'x') + QStringLiteral(".y")
            << QByteArray(75, 'x') + "=\r\n..y\r\n\r\n";
        QTest::newRow("escape kept whole at a soft break")
            << QString(74, u'x') + QStringLiteral("\u00e9")
            << QByteArray(74, 'x') + "=\r\n=C3=A9\r\n\r\n";
    }
    void dataSection()
    {
        QFETCH(QString, body);
        QFETCH(QByteArray, wire);
        QCOMPARE(Smtp::DataBody(body), wire);
    }

    // No typed text starts a header line of its own: every control
    // character but tab is a blank there.
    void headersHoldNoControls()
    {
        const QByteArray block =
            Smtp::HeaderBlock(QStringLiteral("Ann\r\nBcc: spy@x.test"), QStringLiteral("ann@x.test"), "DATE",
                              QStringLiteral("Bob\x0b"), QStringLiteral("bob@x.test"),
                              QStringLiteral("Hi\rthere\x0b\x0c\x1c\x7f\tX-Injected: 1"), "<ID>");
        QCOMPARE(block, QByteArray("From: \"Ann  Bcc: spy@x.test\" <ann@x.test>\r\nDate: DATE\r\n"
                                   "X-Mailer: Kelmira Post v 2.x\r\nTo: Bob <bob@x.test>\r\n"
                                   "Subject: Hi there    \tX-Injected: 1\r\nMessage-ID: <ID>\r\n"
                                   "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
                                   "Content-Transfer-Encoding: quoted-printable\r\n\r\n"));
    }

    // A From or To line holds at most the 998 octets of a mail line,
    // counted with the field name, the quotes and the address; a name that
    // would pass it goes as encoded words, each at most 75 characters on a
    // line of its own. A name that fits stays as typed.
    void headerLinesFit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("encoded");
        const QString address = QString(87, u'a') + QStringLiteral("@example.test");
        // "From: " + name + " <" + address + ">"
        const int fits = 998 - 6 - 2 - 100 - 1;
        QTest::newRow("890 letters, a 100-letter address") << QString(890, u'n') << address << true;
        QTest::newRow("line of 998 octets") << QString(fits, u'n') << address << false;
        QTest::newRow("one octet more") << QString(fits + 1, u'n') << address << true;
        QTest::newRow("440 quotes") << QStringLiteral("Q\"").repeated(440) << "ann@x.test" << true;
        QTest::newRow("quotes that fit") << QStringLiteral("Q\"").repeated(320) << "ann@x.test" << false;
        QTest::newRow("long name, no address") << QStringLiteral("Q\"").repeated(440) << "-" << true;
    }
    void headerLinesFit()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(bool, encoded);
        const QByteArray block = Smtp::HeaderBlock(name, address, "DATE", QString(), QStringLiteral("bob@x.test"),
                                                   QStringLiteral("Hi"), "<ID>");
        const QList<QByteArray> lines = block.split('\n');
        for (const QByteArray &line : lines)
            QVERIFY2(line.size() <= 998 + 1, qPrintable(QString::number(line.size())));
        QCOMPARE(lines[0].startsWith("From: =?UTF-8?B?"), encoded);
        if (!encoded)
            return;
        // The continuation lines, each one word, then the rest of the line.
        qsizetype at = 0;
        int words = 0;
        while ((at = block.indexOf("=?", at)) >= 0) {
            const qsizetype end = block.indexOf("?=", block.indexOf('?', block.indexOf('?', at + 2) + 1) + 1) + 2;
            QVERIFY2(end - at <= 75, block.mid(at, end - at).constData());
            at = end;
            ++words;
        }
        QVERIFY(words > 1);
        QCOMPARE(lines.size(), 11 + words - 1);
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
        QTest::newRow("NUL") << QStringLiteral("a@x.test").insert(1, QChar(0)) << false;
        QTest::newRow("tab") << "a@x.test\tb@y.test" << false;
        QTest::newRow("DEL") << "a@x.test\x7f" << false;
        QTest::newRow("beyond ASCII") << QStringLiteral("j\u00fcrgen@m\u00fcnchen.test") << false;
        QTest::newRow("line separator") << QStringLiteral("carl@fund.test\u2028") << false;
        QTest::newRow("no-break space") << QStringLiteral("a@x.test\u00a0") << false;
        QTest::newRow("printable ASCII") << "!#$%&'*+-/=?^_`{|}~.\"(),:;[\\]@x.test" << true;
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
        const ServerAddress s = ServerAddress::Parse(text, Smtp::DefaultPort);
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
