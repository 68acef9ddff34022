// The program's own mails to the maker, delivered to a real SMTP server:
// the error log, the support request and the questionnaire answer that the
// next Update run sends.
#include "collect/UpdateFixture.h"
#include "collect/UpdateJobs.h"
#include "common/ScriptedPeer.h"
#include "common/SmtpServer.h"
#include "common/TestRegistry.h"
#include "common/UserInput.h"
#include "common/WhenReady.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "services/Thanks.h"
#include "services/frmEmail.h"
#include "services/frmSupport.h"
#include "shell/frmMain.h"

#include "../platform/LoopbackServer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using tw::test::ScriptedPeer;
using tw::test::SmtpServer;
using tw::test::LabelRecorder;
using tw::test::UpdateFixture;

namespace {

QList<QByteArray> HeaderLines(const QByteArray &mail) { return SmtpServer::lines(mail.left(mail.indexOf("\n\n"))); }
// The body's lines as a mail reader decodes them.
QList<QByteArray> BodyLines(const QByteArray &mail)
{
    return SmtpServer::read(mail)[QStringLiteral("body")].toString().toUtf8().split('\n');
}

void Type(QWidget *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// On the round mark: only it and the caption take the click.
void Pick(QWidget *option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2)); }

} // namespace

class tst_cannedmail : public QObject {
    Q_OBJECT
    UpdateFixture f;

    frmSupport *OpenSupport()
    {
        f.m->mnuEmail_Click(5);
        frmSupport *w = frmSupport::Loaded();
        if (!w)
            return nullptr;
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.Init());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        UpdateJobs::SetNow([] { return QDateTime(QDate(2026, 12, 9), QTime(1, 48, 37)); });
        // The main window's modal loop is the test's to run.
        frmMain::SetModalHook([](QWidget *) {});
        f.m->ShowWindow();
    }
    void cleanup()
    {
        delete frmSupport::Loaded();
        delete Thanks::Loaded();
        frmMain::SetModalHook(nullptr);
        frmEmail::SetReplyTimeoutMs(0);
        UpdateJobs::SetNow(nullptr);
        QLocale::setDefault(QLocale::system());
        f.Cleanup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void emptyErrorLogSendsNothing()
    {
        f.m->mnuEmail_Click(3);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Empty Error Log"));
        QVERIFY(Dialogs::Log()[0].text.startsWith(QStringLiteral("Your Error Log is empty.\r\n")));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbExclamation));
    }

    // No server stored: the box, the status, the prompt; the answer serves
    // this mail only, and "-" stands for the missing address.
    void errorLogMailed()
    {
        SmtpServer server;
        QVERIFY(server.port());
        tw::test::TestEnv::WriteAll(Misc::ErrorLogPath(), "first line\r\nsecond line\r\n");
        f.env->Set(QStringLiteral("EmailServer"), QString());
        Dialogs::QueueInput(server.hostPort());
        QString statusAtPrompt;
        Dialogs::SetOnShow([&](const Dialogs::Shown &box) {
            if (box.input)
                statusAtPrompt = f.m->Panel1[6]->text();
        });
        f.m->mnuEmail_Click(3);
        Dialogs::SetOnShow(nullptr);
        QCOMPARE(Dialogs::Log().size(), 2);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Missing mail server"));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Enter mail server in options"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbCritical));
        QCOMPARE(statusAtPrompt, QStringLiteral("No Email Server"));
        QVERIFY(Dialogs::Log()[1].input);
        QCOMPARE(Dialogs::Log()[1].title, QStringLiteral("Mail Server"));
        QCOMPARE(f.env->Get(QStringLiteral("EmailServer")), QString());
        QCOMPARE(f.m->Panel1[6]->text(), QStringLiteral("Error Log Sent"));
        const QList<QByteArray> mails = server.mails();
        QCOMPARE(mails.size(), 1);
        const QList<QByteArray> head = HeaderLines(mails[0]);
        for (const char *line : {"X-MailFrom: -", "From: -", "Subject: Tickerwatch User Error Log"})
            QVERIFY2(head.contains(line), line);
        QVERIFY(head.contains("To: Zandor <" + Hosts::SupportAddress.toLatin1() + '>'));
        QVERIFY(head.contains("X-RcptTo: " + Hosts::SupportAddress.toLatin1()));
        QCOMPARE(BodyLines(mails[0]).mid(0, 2), (QList<QByteArray>{"first line", "second line"}));
    }

    // A failed mail is no sent mail.
    void errorLogNotSentSaysNothingSent()
    {
        tw::test::TestEnv::WriteAll(Misc::ErrorLogPath(), "line\r\n");
        f.env->Set(QStringLiteral("EmailServer"),
                   QStringLiteral("127.0.0.1:%1").arg(tw::test::LoopbackServer::ClosedPort()));
        f.m->mnuEmail_Click(3);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.endsWith(QStringLiteral(" 10061")));
        QVERIFY(f.m->Panel1[6]->text() != QStringLiteral("Error Log Sent"));
    }

    // The report as the maker reads it; the stored address wins over a
    // typed one; Alt+S in the description box submits.
    void supportRequestDelivered()
    {
        SmtpServer server;
        QVERIFY(server.port());
        f.env->Set(QStringLiteral("Email"), QStringLiteral("ann@example.test"));
        f.env->Set(QStringLiteral("EmailServer"), server.hostPort());
        tw::test::TestEnv::WriteAll(Misc::ErrorLogPath(), "logged fault\r\n");
        frmSupport *w = OpenSupport();
        QVERIFY(w);
        QCOMPARE(w->txtEmail->text(), QStringLiteral("ann@example.test"));
        QVERIFY(w->chkError->isChecked());
        Type(w->txtName, QStringLiteral("Ann"));
        Type(w->txtEmail, QStringLiteral(".typed"));
        Type(w->txtDesc, QStringLiteral("It crashes"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(!frmSupport::Loaded());
        QVERIFY(Dialogs::Log().isEmpty());
        const QList<QByteArray> mails = server.mails();
        QCOMPARE(mails.size(), 1);
        const QList<QByteArray> head = HeaderLines(mails[0]);
        for (const char *line : {"X-MailFrom: ann@example.test", "From: Tickerwatch User <ann@example.test>",
                                 "Subject: Tickerwatch Technical Support Request"})
            QVERIFY2(head.contains(line), line);
        QVERIFY(head.contains("To: Zandor <" + Hosts::SupportAddress.toLatin1() + '>'));
        QCOMPARE(BodyLines(mails[0]).mid(0, 13),
                 (QList<QByteArray>{"Date: 12/9/2026", "From: Ann", "Email: ann@example.test",
                                    "Tickerwatch version: Zandor Tickerwatch 5.7", "Operating system: Windows 98",
                                    "Internet Connection: Don't Know", "Proxy: Don't Know", "Error Message: No",
                                    "Error Descreption: ", QByteArray(41, '*'), "Note: It crashes",
                                    "*************************ErrorLog***********************", "logged fault"}));
    }

    // A description with accents and a paragraph longer than a mail line
    // arrives whole and reads as typed.
    void supportDescriptionReadsRight()
    {
        SmtpServer server;
        QVERIFY(server.port());
        f.env->Set(QStringLiteral("Email"), QStringLiteral("ann@example.test"));
        f.env->Set(QStringLiteral("EmailServer"), server.hostPort());
        frmSupport *w = OpenSupport();
        QVERIFY(w);
        QTest::mouseClick(w->chkError, Qt::LeftButton, {}, QPoint(6, w->chkError->height() / 2));
        QVERIFY(!w->chkError->isChecked());
        QString paragraph;
        for (int i = 0; paragraph.size() < 1500; ++i)
            paragraph += QStringLiteral("w%1 ").arg(i);
        const QString description = QStringLiteral("caf\u00e9 cr\u00e8me ") + paragraph;
        QTest::mouseClick(w->txtDesc, Qt::LeftButton, {}, QPoint(5, 5));
        tw::test::TypeChars(QApplication::focusWidget(), description);
        QTest::mouseClick(w->Panel1[1], Qt::LeftButton);
        QVERIFY(!frmSupport::Loaded());
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(server.received().size(), 1);
        const QJsonObject read = SmtpServer::read(server.received()[0]);
        QCOMPARE(read[QStringLiteral("defects")].toArray(), QJsonArray());
        const QString body = read[QStringLiteral("body")].toString();
        QVERIFY2(body.endsWith(QStringLiteral("\nNote: ") + description + QStringLiteral("\n\n")), qPrintable(body.right(80)));
        QVERIFY(read[QStringLiteral("longest")].toInt() <= 998);
    }

    // Stop during the run's mailing step ends it at once: no wait for the
    // silent server, no box, and the answers stay queued.
    void stopEndsTheMailingStep()
    {
        ScriptedPeer peer;
        peer.greeting = {"220 ready\r\n"};
        f.env->Set(QStringLiteral("Q_Message"), QStringLiteral("5.70|12/9/2026||||||||"));
        f.env->Set(QStringLiteral("EmailServer"), peer.hostPort());
        // Far longer than any wait here: only Stop can end it this soon.
        frmEmail::SetReplyTimeoutMs(120000);
        tw::test::WhenReady(f.m, [&] { return !peer.lines().isEmpty(); }, [&] {
            // To the control that has the focus, as a user's key goes.
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == f.m ? focus : f.m, Qt::Key_Escape);
        });
        LabelRecorder status(f.m->Panel1[6]);
        f.m->RunUpdate();
        QVERIFY2(Dialogs::Log().isEmpty(), qPrintable(Dialogs::Log().value(0).text));
        QTRY_VERIFY(peer.ended());
        QCOMPARE(peer.lines(), (QList<QByteArray>{"HELO " + Hosts::HeloDomain.toLatin1(), "quit"}));
        QCOMPARE(f.env->Get(QStringLiteral("Q_Message")), QStringLiteral("5.70|12/9/2026||||||||"));
        QVERIFY(!status.Seen().contains(QStringLiteral("Mail Sent")));
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // The answers follow the option buttons; Reset brings the defaults back.
    void supportAnswersAndReset()
    {
        frmSupport *w = OpenSupport();
        QVERIFY(w);
        Pick(w->optConnect[0]);
        Pick(w->optProxy[0]);
        Pick(w->optError[0]);
        Type(w->txtName, QStringLiteral("Ann"));
        QCOMPARE(w->ConnectionAnswer, QStringLiteral("Internet"));
        QCOMPARE(w->ProxyAnswer, QStringLiteral("Yes"));
        QCOMPARE(w->ErrorAnswer, QStringLiteral("Yes"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(w->ConnectionAnswer, QStringLiteral("Don't Know"));
        QCOMPARE(w->ProxyAnswer, QStringLiteral("Don't Know"));
        QCOMPARE(w->ErrorAnswer, QStringLiteral("No"));
        QVERIFY(w->optError[1]->isChecked());
        QVERIFY(w->txtName->text().isEmpty());
        // With nothing typed Submit does nothing.
        QTest::mouseClick(w->Panel1[1], Qt::LeftButton);
        QCOMPARE(frmSupport::Loaded(), w);
        QVERIFY(Dialogs::Log().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!frmSupport::Loaded());
    }

    // A request that did not go out stays on screen; once the server runs
    // the same Submit delivers it.
    void supportRequestKeptUntilSent()
    {
        const quint16 port = tw::test::LoopbackServer::ClosedPort();
        f.env->Set(QStringLiteral("EmailServer"), QStringLiteral("127.0.0.1:%1").arg(port));
        frmSupport *w = OpenSupport();
        QVERIFY(w);
        Type(w->txtDesc, QStringLiteral("It crashes"));
        QTest::mouseClick(w->Panel1[1], Qt::LeftButton);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.endsWith(QStringLiteral(" 10061")));
        QCOMPARE(frmSupport::Loaded(), w);
        QCOMPARE(w->txtDesc->toPlainText(), QStringLiteral("It crashes"));

        SmtpServer server(SmtpServer::Handler::Mailbox, port);
        QVERIFY(server.port());
        QTest::mouseClick(w->Panel1[1], Qt::LeftButton);
        QVERIFY(!frmSupport::Loaded());
        const QList<QByteArray> mails = server.mails();
        QCOMPARE(mails.size(), 1);
        // No stored address: the envelope sender is "-", the report's line empty.
        QVERIFY(HeaderLines(mails[0]).contains("X-MailFrom: -"));
        QVERIFY(BodyLines(mails[0]).contains("Email: "));
    }

    // Closing the questionnaire queues its record, the second close
    // replacing the first; the next Update run mails it and empties the queue.
    void questionnaireQueuedAndMailedByUpdate()
    {
        SmtpServer server;
        QVERIFY(server.port());
        f.env->Set(QStringLiteral("Email"), QStringLiteral("ann@example.test"));
        f.env->Set(QStringLiteral("Thanks"), QString());
        f.m->findChild<QAction *>(QStringLiteral("mnuEmail_4"))->trigger();
        Thanks *t = Thanks::Loaded();
        QVERIFY(t);
        QCOMPARE(f.env->Get(QStringLiteral("Thanks")), QStringLiteral("1"));
        Dialogs::QueueInput(server.hostPort()); // no server yet: asked and kept
        t->close(); // by the frame: as Close does
        QVERIFY(!Thanks::Loaded());
        QCOMPARE(f.env->Get(QStringLiteral("Q_Message")), QStringLiteral("5.70|12/9/2026|ann@example.test|||||||"));
        QCOMPARE(f.env->Get(QStringLiteral("EmailServer")), server.hostPort());

        t = Thanks::ShowModeless();
        t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t));
        Type(t->txtZip, QStringLiteral("12345"));
        Type(t->txtComments, QStringLiteral("a|b"));
        QTest::mouseClick(t->cmdClose, Qt::LeftButton);
        const QString record = QStringLiteral("5.70|12/9/2026|ann@example.test||||12345|||a|b");
        QCOMPARE(f.env->Get(QStringLiteral("Q_Message")), record);

        LabelRecorder status(f.m->Panel1[6]);
        f.m->RunUpdate();
        QVERIFY(status.Seen().contains(QStringLiteral("Sending Email..")));
        QVERIFY(status.Seen().contains(QStringLiteral("Mail Sent")));
        QCOMPARE(f.env->Get(QStringLiteral("Q_Message")), QString());
        const QList<QByteArray> mails = server.mails();
        QCOMPARE(mails.size(), 1);
        const QList<QByteArray> head = HeaderLines(mails[0]);
        for (const char *line : {"From: ann@example.test", "Subject: Tickerwatch User Feedback",
                                 "X-MailFrom: ann@example.test"})
            QVERIFY2(head.contains(line), line);
        QVERIFY(head.contains("To: Zandor <" + Hosts::SupportAddress.toLatin1() + '>'));
        QCOMPARE(BodyLines(mails[0]).first(), record.toLatin1());
    }
};

TW_TEST(tst_cannedmail)
#include "tst_cannedmail.moc"
