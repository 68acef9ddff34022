// The SMTP client against a scripted peer (exact bytes, split and merged
// replies, silence, hang-ups) and a real server, and the compose window
// around it, driven by keys and clicks.
#include "collect/UpdateJobs.h"
#include "common/ScriptedPeer.h"
#include "common/SmtpServer.h"
#include "common/TestEnv.h"
#include "common/UserInput.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Dialogs.h"
#include "platform/Winsock.h"
#include "services/frmEmail.h"

#include "../platform/LoopbackServer.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <ctime>
#include <memory>

using tw::test::ScriptedPeer;
using tw::test::SmtpServer;
using tw::test::TestEnv;
using Turn = ScriptedPeer::Turn;
using Then = ScriptedPeer::Turn::Then;

Q_DECLARE_METATYPE(ScriptedPeer::Turn)

namespace {

// The wait for a reply in the cases that wait one out; elsewhere it is far
// longer than any reply here takes, however busy the machine, so only a
// client that waits for a reply it should not can take half as long.
constexpr int kWaitOutMs = 3000;
constexpr int kLongWaitMs = 60000;

// A server that takes the mail; each reply a little late, so a client that
// does not wait for it is caught sending early.
void Accepting(ScriptedPeer &p, int delayMs = 0)
{
    p.greeting = {"220 peer ready\r\n", {}, delayMs};
    p.turns = {{"250 hello\r\n", {}, delayMs},  {"250 ok\r\n", {}, delayMs},
               {"250 ok\r\n", {}, delayMs},     {"354 go ahead\r\n", {}, delayMs},
               {"250 queued\r\n", ".", delayMs}, {"221 bye\r\n", {}, delayMs, 0, 0, Then::Close}};
}

QByteArray Body(const QByteArray &mail)
{
    const qsizetype at = mail.indexOf("\n\n");
    return at < 0 ? QByteArray() : mail.mid(at + 2);
}

// The wire with the message id, which is each mail's own, as "<ID>".
QByteArray MaskedId(QByteArray wire)
{
    const qsizetype at = wire.indexOf("Message-ID: <");
    if (at >= 0)
        wire.replace(at + 12, wire.indexOf('>', at) - at - 11, "<ID>");
    return wire;
}

// A paragraph typed without a line break, longer than a mail line may be.
QString Paragraph(int size)
{
    QString text;
    for (int i = 0; text.size() < size; ++i)
        text += QStringLiteral("word%1 ").arg(i);
    return text.left(size);
}

QStringList Strings(const QJsonValue &list)
{
    QStringList out;
    for (const QJsonValue &v : list.toArray())
        out << v.toString();
    return out;
}

// A name of words, size characters long, that ends in a letter (a blank at
// either end is not part of a name).
QString Name(int size)
{
    QString text = Paragraph(size);
    if (text.endsWith(u' '))
        text[size - 1] = u'x';
    return text;
}

// An address of size characters.
QString Address(int size, QChar letter)
{
    const QString domain = QStringLiteral("@example.test");
    return QString(size - domain.size(), letter) + domain;
}

// A reader's From or To: one [display name, address]. The outer array is
// filled by append, as a braced list of one array reads as that array
// itself with some compilers.
QJsonArray OneMailbox(const QString &name, const QString &address)
{
    QJsonArray out;
    out.append(QJsonArray{name, address});
    return out;
}

// Every header name in order, as a mail reader parses them.
QStringList HeaderNames(const QJsonObject &read)
{
    QStringList out;
    for (const QJsonValue &h : read[QStringLiteral("headers")].toArray())
        out << h.toArray().first().toString();
    return out;
}

const QStringList kHeaderNames{"From",       "Date",         "X-Mailer",     "To",
                               "Subject",    "Message-ID",   "MIME-Version", "Content-Type",
                               "Content-Transfer-Encoding"};

} // namespace

class tst_smtpclient : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    QByteArray oldTz;

    frmEmail *Compose()
    {
        frmEmail *w = frmEmail::Load();
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }
    // Into the box as a user would: a click, then the keys.
    static void Type(QWidget *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // Into the box as a user would, text beyond ASCII too.
    static void TypeText(QWidget *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        tw::test::TypeChars(QApplication::focusWidget(), text);
    }
    static void Fill(frmEmail *w, const QString &server)
    {
        Type(w->txtServer, server);
        Type(w->txtFromEmail, QStringLiteral("ann@example.test"));
        Type(w->txtFromName, QStringLiteral("Ann"));
        Type(w->txtToEmail, QStringLiteral("bob@example.test"));
        Type(w->txtToName, QStringLiteral("Bob"));
        Type(w->txtSubject, QStringLiteral("Hi"));
        Type(w->txtBody, QStringLiteral("Line1"));
    }
    static bool Boxes(frmEmail *w, const QString &server)
    {
        return w->txtServer->text() == server && w->txtFromEmail->text() == QStringLiteral("ann@example.test")
               && w->txtFromName->text() == QStringLiteral("Ann") && w->txtToEmail->text() == QStringLiteral("bob@example.test")
               && w->txtToName->text() == QStringLiteral("Bob") && w->txtSubject->text() == QStringLiteral("Hi")
               && w->txtBody->toPlainText() == QStringLiteral("Line1");
    }
    static bool Send(frmEmail &w, const QString &server, const QString &body = QStringLiteral("Line1"))
    {
        return w.SendEmail(server, QStringLiteral("Ann"), QStringLiteral("ann@example.test"), QStringLiteral("Bob"),
                           QStringLiteral("bob@example.test"), QStringLiteral("Hi"), body);
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        frmEmail::SetReplyTimeoutMs(kLongWaitMs);
        oldTz = qgetenv("TZ");
        qputenv("TZ", "CST6");
        tzset();
        UpdateJobs::SetNow([] { return QDateTime(QDate(2026, 12, 9), QTime(1, 48, 37)); });
    }
    void cleanup()
    {
        frmEmail::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        UpdateJobs::SetNow(nullptr);
        frmEmail::SetReplyTimeoutMs(0);
        qputenv("TZ", oldTz);
        tzset();
        env.reset();
    }

    // Every command after the reply to the one before, the message exactly
    // as it goes on the wire, then the window says so and goes.
    void composedMailOnTheWire()
    {
        ScriptedPeer peer;
        Accepting(peer, 30);
        frmEmail *w = Compose();
        QVERIFY(w);
        Fill(w, peer.hostPort());
        const QPointer<frmEmail> window(w);
        QTest::mouseClick(w->cmdSend, Qt::LeftButton);
        QTRY_VERIFY(peer.ended());
        QCOMPARE(MaskedId(peer.received()),
                 QByteArray("HELO ") + Hosts::HeloDomain.toLatin1()
                     + "\r\nmail from: ann@example.test\r\nrcpt to: bob@example.test\r\ndata\r\n"
                       "From: Ann <ann@example.test>\r\nDate: Wed, 09 Dec 2026 01:48:37 -0600\r\n"
                       "X-Mailer: Kelmira Post v 2.x\r\nTo: Bob <bob@example.test>\r\nSubject: Hi\r\n"
                       "Message-ID: <ID>\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
                       "Content-Transfer-Encoding: quoted-printable\r\n\r\nLine1\r\n\r\n\r\n.\r\nquit\r\n");
        QVERIFY(!peer.overtaken());
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(window);
        QCOMPARE(window->StatusPanel->text(), QStringLiteral("Mail Sent"));
        QVERIFY(!window->isVisible());
        QVERIFY(!frmEmail::Loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }

    // Replies cut anywhere or sent together: each command still gets its
    // one reply, and nothing goes out before the greeting's last line.
    void repliesSplitOrMerged_data()
    {
        QTest::addColumn<QList<Turn>>("turns");
        QTest::addColumn<Turn>("greeting");
        const Turn dripped{"220-peer\r\n220-ready\r\n220 go\r\n", {}, 0, 4, 40};
        QTest::newRow("multi-line greeting dripped")
            << QList<Turn>{{"250 hello\r\n"}, {"250 ok\r\n"}, {"250 ok\r\n"}, {"354 go\r\n"},
                           {"250 queued\r\n", "."}, {"221 bye\r\n"}}
            << dripped;
        QTest::newRow("sender and recipient replies merged")
            << QList<Turn>{{"250-hello\r\n250 size\r\n"}, {"250 sender ok\r\n250 recipient ok\r\n"}, {""},
                           {"354 go\r\n"}, {"250 queued\r\n", "."}, {"221 bye\r\n"}}
            << Turn{"220 ready\r\n"};
        QTest::newRow("every reply split in two")
            << QList<Turn>{{"250 hel", {}, 0, 7, 30}, {"250 ok\r\n", {}, 0, 3, 30}, {"250 ok\r\n", {}, 0, 5, 30},
                           {"354 go\r\n", {}, 0, 2, 30}, {"250 queued\r\n", ".", 0, 4, 30}, {"221 bye\r\n"}}
            << Turn{"220 ready\r\n", {}, 0, 5, 30};
    }
    void repliesSplitOrMerged()
    {
        QFETCH(QList<Turn>, turns);
        QFETCH(Turn, greeting);
        if (QByteArray(QTest::currentDataTag()) == "every reply split in two")
            turns[0].reply = "250 hello\r\n";
        ScriptedPeer peer;
        peer.greeting = greeting;
        peer.turns = turns;
        frmEmail w;
        QVERIFY(Send(w, peer.hostPort()));
        QTRY_COMPARE(peer.lines().size(), 18);
        QCOMPARE(peer.lines().first(), "HELO " + Hosts::HeloDomain.toLatin1());
        QCOMPARE(peer.lines().last(), QByteArray("quit"));
        QVERIFY(!peer.overtaken());
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(w.Winsock1->State(), int(Winsock::sckClosed));
    }

    // A real server stores what it was given, once, dots and all.
    void deliveredToRealServer()
    {
        SmtpServer server;
        QVERIFY(server.port());
        frmEmail w;
        QVERIFY(Send(w, server.hostPort(), QStringLiteral("a\n.\nb\n.c")));
        const QList<QByteArray> mails = server.mails();
        QCOMPARE(mails.size(), 1);
        const QList<QByteArray> lines = SmtpServer::lines(mails[0]);
        QVERIFY(lines.contains("X-MailFrom: ann@example.test"));
        QVERIFY(lines.contains("X-RcptTo: bob@example.test"));
        QVERIFY(lines.contains("Subject: Hi"));
        QVERIFY(lines.contains("Date: Wed, 09 Dec 2026 01:48:37 -0600"));
        QCOMPARE(SmtpServer::lines(Body(mails[0])).mid(0, 4), (QList<QByteArray>{"a", ".", "b", ".c"}));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // The refused recipient ends the dialogue at once: quit, and nothing of
    // the message; the window keeps every box as typed.
    void refusedRecipient_data()
    {
        QTest::addColumn<bool>("realServer");
        QTest::newRow("scripted peer") << false;
        QTest::newRow("real server") << true;
    }
    void refusedRecipient()
    {
        QFETCH(bool, realServer);
        ScriptedPeer peer;
        peer.greeting = {"220 ready\r\n"};
        peer.turns = {{"250 hello\r\n"}, {"250 ok\r\n"}, {"550 no such user\r\n"}, {"221 bye\r\n"}};
        std::unique_ptr<SmtpServer> server;
        if (realServer) {
            server = std::make_unique<SmtpServer>(SmtpServer::Handler::RefuseRecipient);
            QVERIFY(server->port());
        }
        const QString address = realServer ? server->hostPort() : peer.hostPort();
        frmEmail *w = Compose();
        QVERIFY(w);
        Fill(w, address);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(w->cmdSend, Qt::LeftButton);
        QVERIFY2(clock.elapsed() < kLongWaitMs / 2, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text,
                 QStringLiteral("SMTP service error, impromper response code. Code should have been: 250 Code "
                                "recieved: 550 no such user\r\n"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbInformation));
        QCOMPARE(Dialogs::Log()[0].title, QString(""));
        QCOMPARE(frmEmail::Loaded(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->StatusPanel->text(), QStringLiteral("Mail Not Sent"));
        QVERIFY(Boxes(w, address));
        if (realServer) {
            QVERIFY(server->mails().isEmpty());
        } else {
            QTRY_VERIFY(peer.ended());
            QCOMPARE(peer.lines().mid(1), (QList<QByteArray>{"mail from: ann@example.test",
                                                              "rcpt to: bob@example.test", "quit"}));
        }
    }

    // Any other fault ends the dialogue at once too (a time-out after its
    // own wait, and only one): "quit" only to a server that has greeted, the
    // socket closed, the box for the case, and no success.
    void dialogueEndsAtOnce_data()
    {
        QTest::addColumn<Turn>("greeting");
        QTest::addColumn<QList<Turn>>("turns");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<bool>("waitsOut");
        const QByteArray helo = "HELO " + Hosts::HeloDomain.toLatin1();
        QTest::newRow("never greets") << Turn{} << QList<Turn>{}
                                      << "SMTP service error, timed out while waiting for response"
                                      << QList<QByteArray>{} << true;
        QTest::newRow("refuses at the greeting")
            << Turn{"554 go away\r\n"} << QList<Turn>{}
            << "SMTP service error, impromper response code. Code should have been: 220 Code recieved: 554 go away\r\n"
            << QList<QByteArray>{"quit"} << false;
        QTest::newRow("2xx where 354 is awaited")
            << Turn{"220 ready\r\n"}
            << QList<Turn>{{"250 hello\r\n"}, {"250 ok\r\n"}, {"250 ok\r\n"}, {"250 ok\r\n"}}
            << "SMTP service error, impromper response code. Code should have been: 354 Code recieved: 250 ok\r\n"
            << QList<QByteArray>{helo, "mail from: ann@example.test", "rcpt to: bob@example.test", "data", "quit"}
            << false;
        QTest::newRow("hangs up after the sender")
            << Turn{"220 ready\r\n"} << QList<Turn>{{"250 hello\r\n"}, {"", {}, 0, 0, 0, Then::Close}}
            << "Connection is aborted due to timeout or other failure 10053"
            << QList<QByteArray>{helo, "mail from: ann@example.test"} << false;
        QTest::newRow("reset after the recipient")
            << Turn{"220 ready\r\n"}
            << QList<Turn>{{"250 hello\r\n"}, {"250 ok\r\n"}, {"", {}, 0, 0, 0, Then::Reset}}
            << "The connection is reset by remote side 10054"
            << QList<QByteArray>{helo, "mail from: ann@example.test", "rcpt to: bob@example.test"} << false;
        QTest::newRow("silent after the data")
            << Turn{"220 ready\r\n"}
            << QList<Turn>{{"250 hello\r\n"}, {"250 ok\r\n"}, {"250 ok\r\n"}, {"354 go\r\n"}}
            << "SMTP service error, timed out while waiting for response"
            << QList<QByteArray>{helo,
                                 "mail from: ann@example.test",
                                 "rcpt to: bob@example.test",
                                 "data",
                                 "From: Ann <ann@example.test>",
                                 "Date: Wed, 09 Dec 2026 01:48:37 -0600",
                                 "X-Mailer: Kelmira Post v 2.x",
                                 "To: Bob <bob@example.test>",
                                 "Subject: Hi",
                                 "Message-ID: <ID>",
                                 "MIME-Version: 1.0",
                                 "Content-Type: text/plain; charset=UTF-8",
                                 "Content-Transfer-Encoding: quoted-printable",
                                 "",
                                 "Line1",
                                 "",
                                 ".",
                                 "quit"}
            << true;
    }
    void dialogueEndsAtOnce()
    {
        QFETCH(Turn, greeting);
        QFETCH(QList<Turn>, turns);
        QFETCH(QString, box);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(bool, waitsOut);
        ScriptedPeer peer;
        peer.greeting = greeting;
        peer.turns = turns;
        if (waitsOut)
            frmEmail::SetReplyTimeoutMs(kWaitOutMs);
        frmEmail w;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!Send(w, peer.hostPort()));
        const qint64 ms = clock.elapsed();
        if (waitsOut)
            QVERIFY2(ms >= kWaitOutMs && ms < 2 * kWaitOutMs, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        else
            QVERIFY2(ms < kLongWaitMs / 2, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        QCOMPARE(w.Winsock1->State(), int(Winsock::sckClosed));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, box);
        QCOMPARE(w.StatusPanel->text(), QStringLiteral("Mail Not Sent"));
        QTRY_VERIFY(peer.ended());
        QCOMPARE(SmtpServer::lines(MaskedId(peer.received())).mid(0, lines.size()), lines);
        QCOMPARE(peer.lines().size(), lines.size());
        QCOMPARE(peer.connections(), 1);
    }

    void nothingListens()
    {
        frmEmail w;
        QVERIFY(!Send(w, QStringLiteral("127.0.0.1:%1").arg(tw::test::LoopbackServer::ClosedPort())));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Connection is forcefully rejected 10061"));
        QCOMPARE(Dialogs::Log()[0].title, Dialogs::AppTitle());
        QCOMPARE(w.Winsock1->State(), int(Winsock::sckClosed));
    }

    // What the real server was given reads right in a careful mail reader:
    // From and To are the addresses typed with their names, the subject and
    // body decode to the text sent, every control character but tab in a
    // header is a blank (no header of its own), and no line is too long,
    // counted with the quotes and the address around a name.
    void mailReadsRight_data()
    {
        QTest::addColumn<QString>("fromName");
        QTest::addColumn<QString>("fromAddress");
        QTest::addColumn<QString>("toName");
        QTest::addColumn<QString>("toAddress");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("readSubject");
        const QString ann = QStringLiteral("ann@example.test");
        const QString bob = QStringLiteral("bob@example.test");
        QTest::newRow("plain") << "Ann" << ann << "Bob" << bob << "Hi" << "Line1" << "Hi";
        QTest::newRow("beyond ASCII, a long paragraph")
            << QStringLiteral("Zo\u00eb Caf\u00e9") << ann << QStringLiteral("B\u00f6b \U0001F600") << bob
            << QStringLiteral("caf\u00e9") << QStringLiteral("caf\u00e9 cr\u00e8me\n") + Paragraph(1500)
            << QStringLiteral("caf\u00e9");
        QTest::newRow("names that need quotes") << "Ivy \"the\" Investor, Jr." << ann << "a=?b?= <x@y>" << bob << "Hi"
                                                << "x" << "Hi";
        QTest::newRow("no names") << "" << ann << "" << bob << "" << "" << "";
        QTest::newRow("long subject") << "Ann" << ann << "Bob" << bob << Paragraph(1200) << "x" << Paragraph(1200);
        QTest::newRow("vertical tab in the subject")
            << "Ann" << ann << "Bob" << bob << "Hi\x0b" "Bcc: spy@x.test" << "x" << "Hi Bcc: spy@x.test";
        QTest::newRow("form feed and the rest in the subject")
            << "Ann" << ann << "Bob" << bob << "Hi\x0cX-Injected: 1\x1c\x7f\r\nX-Two: 2" << "x"
            << "Hi X-Injected: 1    X-Two: 2";
        QTest::newRow("890-letter names, 100-letter addresses")
            << Name(890) << Address(100, u'a') << Name(890) << Address(100, u'b') << "Hi" << "x" << "Hi";
        const QString quotes = QStringLiteral("Q\"").repeated(440);
        QTest::newRow("440 quotes in the names") << quotes << ann << quotes << bob << "Hi" << "x" << "Hi";
    }
    void mailReadsRight()
    {
        QFETCH(QString, fromName);
        QFETCH(QString, fromAddress);
        QFETCH(QString, toName);
        QFETCH(QString, toAddress);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(QString, readSubject);
        SmtpServer server;
        QVERIFY(server.port());
        frmEmail w;
        QVERIFY(w.SendEmail(server.hostPort(), fromName, fromAddress, toName, toAddress, subject, body));
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(server.received().size(), 1);
        const QJsonObject read = SmtpServer::read(server.received()[0]);
        QVERIFY2(!read.contains(QStringLiteral("error")), qPrintable(read[QStringLiteral("error")].toString()));
        QCOMPARE(Strings(read[QStringLiteral("defects")]), QStringList());
        QCOMPARE(HeaderNames(read), kHeaderNames);
        QCOMPARE(read[QStringLiteral("from")].toArray(), OneMailbox(fromName, fromAddress));
        QCOMPARE(read[QStringLiteral("to")].toArray(), OneMailbox(toName, toAddress));
        QCOMPARE(read[QStringLiteral("subject")].toString(), readSubject);
        // The data section's line end and empty line follow the text.
        QCOMPARE(read[QStringLiteral("body")].toString(), body + QStringLiteral("\n\n"));
        QVERIFY(read[QStringLiteral("longest")].toInt() <= 998);
    }

    // Every mail has an id of its own.
    void eachMailItsOwnId()
    {
        SmtpServer server;
        QVERIFY(server.port());
        frmEmail w;
        QVERIFY(Send(w, server.hostPort()));
        QVERIFY(Send(w, server.hostPort()));
        QCOMPARE(server.received().size(), 2);
        const QString first = SmtpServer::read(server.received()[0])[QStringLiteral("message_id")].toString();
        const QString second = SmtpServer::read(server.received()[1])[QStringLiteral("message_id")].toString();
        QVERIFY2(first.endsWith(QStringLiteral("@tickerwatch.test>")), qPrintable(first));
        QVERIFY(first != second);
    }

    // Typed into the compose window, accents and a paragraph longer than
    // a mail line arrive whole (a server refuses a line that long).
    void composedMailReadsRight()
    {
        SmtpServer server;
        QVERIFY(server.port());
        frmEmail *w = Compose();
        QVERIFY(w);
        const QString paragraph = Paragraph(1500);
        Type(w->txtServer, server.hostPort());
        Type(w->txtFromEmail, QStringLiteral("ann@example.test"));
        TypeText(w->txtFromName, QStringLiteral("Zo\u00eb"));
        Type(w->txtToEmail, QStringLiteral("bob@example.test"));
        TypeText(w->txtSubject, QStringLiteral("caf\u00e9"));
        TypeText(w->txtBody, QStringLiteral("caf\u00e9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        tw::test::TypeChars(QApplication::focusWidget(), paragraph);
        QTest::mouseClick(w->cmdSend, Qt::LeftButton);
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(!frmEmail::Loaded());
        QCOMPARE(server.received().size(), 1);
        const QJsonObject read = SmtpServer::read(server.received()[0]);
        QCOMPARE(Strings(read[QStringLiteral("defects")]), QStringList());
        QCOMPARE(read[QStringLiteral("from")].toArray(),
                 OneMailbox(QStringLiteral("Zo\u00eb"), QStringLiteral("ann@example.test")));
        QCOMPARE(read[QStringLiteral("to")].toArray(), OneMailbox(QString(), QStringLiteral("bob@example.test")));
        QCOMPARE(read[QStringLiteral("subject")].toString(), QStringLiteral("caf\u00e9"));
        // The window's line end after the text, then the data section's.
        QCOMPARE(read[QStringLiteral("body")].toString(),
                 QStringLiteral("caf\u00e9\n") + paragraph + QStringLiteral("\n\n\n"));
    }

    // A server's reply is shown as the text it is: markup in it is no link.
    void replyShownAsText()
    {
        ScriptedPeer peer;
        const QByteArray reply = "550 <a href=\"file:///etc/passwd\">repair</a>";
        peer.greeting = {reply + "\r\n"};
        peer.turns = {{"221 bye\r\n"}};
        QString shown;
        Qt::TextFormat format = Qt::RichText;
        tw::test::WhenModalUp([&](QWidget *box) {
            for (QLabel *label : box->findChildren<QLabel *>())
                if (label->text().contains(QStringLiteral("repair"))) {
                    shown = label->text();
                    format = label->textFormat();
                }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        Dialogs::SetScripted(false);
        frmEmail w;
        const bool sent = Send(w, peer.hostPort());
        Dialogs::SetScripted(true);
        QVERIFY(!sent);
        QCOMPARE(shown, QStringLiteral("SMTP service error, impromper response code. Code should have been: 220 "
                                       "Code recieved: ")
                            + QString::fromLatin1(reply) + QStringLiteral("\r\n"));
        QCOMPARE(format, Qt::PlainText);
    }

    // The wait for the reply to "." starts once the message has left: a
    // large body on a slow link is no silent server, and goes once.
    void slowLinkStillDelivered()
    {
        // The body takes the peer about five seconds to read, twice the wait
        // for a reply; it keeps moving all the while.
        frmEmail::SetReplyTimeoutMs(2500);
        ScriptedPeer peer;
        Accepting(peer);
        peer.SetReceiveBuffer(8192);
        peer.readChunk = 16384;
        peer.readGapMs = 50;
        QString body;
        while (body.size() < (3 << 19))
            body += Paragraph(99) + u'\n';
        frmEmail w;
        QVERIFY(Send(w, peer.hostPort(), body));
        QVERIFY(Dialogs::Log().isEmpty());
        QTRY_VERIFY(peer.ended());
        QCOMPARE(peer.lines().last(), QByteArray("quit"));
        QCOMPARE(peer.connections(), 1);
        QVERIFY(peer.received().size() > body.size());
    }

    // A server that floods its reply ends the mail at its size bound: one
    // box, the connection closed, the client holding no more than the bound.
    void floodedReplyEndsTheMail_data()
    {
        QTest::addColumn<Turn>("greeting");
        constexpr qint64 flood = 100 << 20;
        QTest::newRow("a line that never ends") << Turn::Flood("220 ", {}, QByteArray(1024, 'x'), flood);
        QTest::newRow("a reply that never ends") << Turn::Flood("220-hello\r\n", {}, "220-more\r\n", flood);
    }
    void floodedReplyEndsTheMail()
    {
        QFETCH(Turn, greeting);
        // Only the size bound may end it, however slow the machine.
        frmEmail::SetReplyTimeoutMs(60000);
        ScriptedPeer peer;
        peer.greeting = greeting;
        frmEmail w;
        QVERIFY(!Send(w, peer.hostPort()));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("SMTP service error, response too long"));
        QVERIFY2(w.MostBuffered() <= Smtp::MaxReply + Smtp::MaxReplyLine, qPrintable(QString::number(w.MostBuffered())));
        QCOMPARE(w.Winsock1->State(), int(Winsock::sckClosed));
        QTRY_VERIFY(peer.ended());
        QVERIFY(peer.flooded() < greeting.floodBytes);
        QVERIFY(peer.received().isEmpty());
    }

    // Texts that would change the command lines, or an address that is
    // not printable ASCII (it would go out as other bytes, or as another
    // address), never reach the server; the box names the text and, for an
    // address, its box.
    void refusedBeforeConnecting_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("box");
        QTest::newRow("recipient with a second command")
            << "" << "ann@example.test" << "bob@example.test\r\nrcpt to: eve@x.test" << "bob@example.test" << "To";
        QTest::newRow("sender in angle brackets") << "" << "<ann@example.test>" << "bob@example.test"
                                                  << "<ann@example.test>" << "From";
        QTest::newRow("two recipients") << "" << "ann@example.test" << "bob@example.test eve@x.test" << "eve@x.test"
                                        << "To";
        QTest::newRow("server with a blank") << "127.0.0.1 x" << "ann@example.test" << "bob@example.test"
                                             << "127.0.0.1 x" << "";
        QTest::newRow("server with a bad port") << "127.0.0.1:99999" << "ann@example.test" << "bob@example.test"
                                                << "127.0.0.1:99999" << "";
        QTest::newRow("NUL in the recipient") << "" << "ann@example.test" << QStringLiteral("bob@example.test").insert(3, QChar(0))
                                              << "example.test" << "To";
        QTest::newRow("tab in the sender") << "" << "ann@example.test\tx" << "bob@example.test" << "ann@example.test"
                                           << "From";
        QTest::newRow("recipient beyond ASCII")
            << "" << "ann@example.test" << QStringLiteral("j\u00fcrgen@m\u00fcnchen.test")
            << QStringLiteral("\"j\u00fcrgen@m\u00fcnchen.test\"") << "To";
        QTest::newRow("sender beyond ASCII") << "" << QStringLiteral("j\u00fcrgen@m\u00fcnchen.test")
                                             << "bob@example.test" << QStringLiteral("\"j\u00fcrgen@m\u00fcnchen.test\"")
                                             << "From";
        QTest::newRow("recipient with a line separator after it")
            << "" << "ann@example.test" << QStringLiteral("carl@fund.test\u2028")
            << QStringLiteral("\"carl@fund.test\u2028\"") << "To";
    }
    void refusedBeforeConnecting()
    {
        QFETCH(QString, server);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, named);
        QFETCH(QString, box);
        ScriptedPeer peer;
        Accepting(peer);
        frmEmail w;
        QVERIFY(!w.SendEmail(server.isEmpty() ? peer.hostPort() : server, QStringLiteral("Ann"), from,
                             QStringLiteral("Bob"), to, QStringLiteral("Hi"), QStringLiteral("x")));
        QCOMPARE(Dialogs::Log().size(), 1);
        const QString text = Dialogs::Log()[0].text;
        QVERIFY2(text.contains(named), qPrintable(text));
        if (!box.isEmpty())
            QVERIFY2(text.contains(QStringLiteral(" in the ") + box + QStringLiteral(" box ")), qPrintable(text));
        QTest::qWait(50);
        QCOMPARE(peer.connections(), 0);
    }

    // Typed into the compose window, such an address is refused with the
    // box for other unusable addresses, and the real server gets nothing;
    // every box stays as typed.
    void unusableAddressTyped_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("box");
        QTest::newRow("recipient beyond ASCII")
            << "ann@example.test" << QStringLiteral("j\u00fcrgen@m\u00fcnchen.test") << "To";
        QTest::newRow("sender with a line separator after it")
            << QStringLiteral("carl@fund.test\u2028") << "bob@example.test" << "From";
    }
    void unusableAddressTyped()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, box);
        SmtpServer server;
        QVERIFY(server.port());
        frmEmail *w = Compose();
        QVERIFY(w);
        Type(w->txtServer, server.hostPort());
        TypeText(w->txtFromEmail, from);
        TypeText(w->txtToEmail, to);
        QCOMPARE(w->txtFromEmail->text(), from);
        QCOMPARE(w->txtToEmail->text(), to);
        QTest::mouseClick(w->cmdSend, Qt::LeftButton);
        QCOMPARE(Dialogs::Log().size(), 1);
        const QString address = box == QLatin1String("To") ? to : from;
        QCOMPARE(Dialogs::Log()[0].text,
                 QStringLiteral("The address \"") + address + QStringLiteral("\" in the ") + box
                     + QStringLiteral(" box cannot be used: it holds a control character, a blank, an angle "
                                      "bracket or a character outside plain ASCII."));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbExclamation));
        QVERIFY(server.received().isEmpty());
        QCOMPARE(frmEmail::Loaded(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->txtFromEmail->text(), from);
        QCOMPARE(w->txtToEmail->text(), to);
    }

    // Send checks the server and recipient boxes first and puts the focus
    // where the user must type.
    void emptyBoxesStopSend_data()
    {
        QTest::addColumn<bool>("withServer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("server") << false << "You must enter your Email server (Ex.: " << "txtServer";
        QTest::newRow("recipient") << true << "You must enter Recipient's E-mail address (Ex.: " << "txtToEmail";
    }
    void emptyBoxesStopSend()
    {
        QFETCH(bool, withServer);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        ScriptedPeer peer;
        Accepting(peer);
        frmEmail *w = Compose();
        QVERIFY(w);
        if (withServer)
            Type(w->txtServer, peer.hostPort());
        Type(w->txtSubject, QStringLiteral("Hi"));
        QTest::mouseClick(w->cmdSend, Qt::LeftButton);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Please fill empty fileds"));
        QVERIFY(Dialogs::Log()[0].text.startsWith(text));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbCritical));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QTest::qWait(50);
        QCOMPARE(peer.connections(), 0);
        QVERIFY(w->isVisible());
    }

    // While the dialogue runs, Send, Close and Esc do nothing: one
    // connection, the window alive until the mail is through.
    void windowHoldsDuringDialogue()
    {
        ScriptedPeer peer;
        Accepting(peer);
        // The reply to the mail's "." waits until the window has been poked.
        peer.turns[4].delayMs = ScriptedPeer::Held;
        frmEmail *w = Compose();
        QVERIFY(w);
        Fill(w, peer.hostPort());
        const QPointer<frmEmail> window(w);
        bool poked = false;
        tw::test::WhenReady(w, [&] { return peer.lines().contains("."); }, [&] {
            QTest::mouseClick(w->cmdSend, Qt::LeftButton);
            QTest::mouseClick(w->cmdClose, Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            w->close();
            poked = w->isVisible() && frmEmail::Loaded() == w;
            peer.Release();
        });
        QTest::mouseClick(w->cmdSend, Qt::LeftButton);
        QVERIFY(poked);
        QCOMPARE(peer.connections(), 1);
        QTRY_VERIFY(peer.ended());
        QCOMPARE(peer.lines().last(), QByteArray("quit"));
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(window);
        QCOMPARE(window->StatusPanel->text(), QStringLiteral("Mail Sent"));
    }

    // Esc closes an idle compose window like its Close button.
    void escapeClosesWhenIdle()
    {
        frmEmail *w = Compose();
        QVERIFY(w);
        Type(w->txtSubject, QStringLiteral("Hi"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!frmEmail::Loaded());
    }
};

TW_TEST(tst_smtpclient)
#include "tst_smtpclient.moc"
