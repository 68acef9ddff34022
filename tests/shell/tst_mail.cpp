// The E-mail submenu: the program's mail window or the user's own mail
// program by "ExternalMailServer", and the addresses handed to the desktop.
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Shell.h"
#include "services/Thanks.h"
#include "services/frmEmail.h"
#include "shell/MainFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using tw::test::MainFixture;

namespace {

const QString FriendLetter = QStringLiteral(
    "Hi,\r\nI find this private adviser amazing!\r\nYou must try it, download it from: "
    "\"http://www.zandor.test/TkwF55.zip\" or, go to \"http://www.zandor.test/\".\r\n\r\nRegards");

// What a mail program reads from a mailto: address.
struct MailTo {
    QString to;
    QString body;
    QString subject;
    QStringList fields;
};
MailTo Read(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    MailTo m;
    m.to = url.path(QUrl::FullyDecoded);
    const QUrlQuery query(url);
    for (const auto &item : query.queryItems(QUrl::FullyDecoded))
        m.fields << item.first;
    m.body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    m.subject = query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded);
    return m;
}

} // namespace

class tst_mail : public QObject {
    Q_OBJECT
    MainFixture f;

    frmEmail *Shown() const
    {
        return f.modals.size() == 1 ? qobject_cast<frmEmail *>(f.modals[0].data()) : nullptr;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
    }
    void cleanup()
    {
        frmEmail::Unload();
        delete Thanks::Loaded();
        f.Stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void modeByTheStoredValue_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("external");
        QTest::newRow("missing") << QString() << false;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << true;
        QTest::newRow("-1") << "-1" << true;
        QTest::newRow("not a truth value") << "yes please" << false;
    }
    void modeByTheStoredValue()
    {
        QFETCH(QString, stored);
        QFETCH(bool, external);
        if (!stored.isNull())
            f.env->Set(QStringLiteral("ExternalMailServer"), stored);
        Dialogs::QueueInput(QString());
        f.Action(QStringLiteral("mnuEmail_0"))->trigger();
        QCOMPARE(Dialogs::Log().size(), external ? 1 : 0);
        QCOMPARE(f.modals.size(), external ? 0 : 1);
    }

    // The window's place by command: the new message below the main
    // window's top, the others below the news ticker.
    void internalWindows_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("belowTicker");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("errorLog");
        QTest::newRow("new message") << 0 << false << QString() << QString() << QString() << false;
        QTest::newRow("friend") << 1 << true << QString() << QString() << QString(FriendLetter).replace("\r\n", "\n")
                                << false;
        QTest::newRow("bug report") << 2 << true << Hosts::SupportAddress
                                    << QStringLiteral("I would like to report on bug!")
                                    << QStringLiteral("Hello, I'm using Zandor Tickerwatch 5.7. \n") << true;
    }
    void internalWindows()
    {
        QFETCH(int, item);
        QFETCH(bool, belowTicker);
        QFETCH(QString, to);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(bool, errorLog);
        f.env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("False"));
        f.main->mnuEmail_Click(item);
        frmEmail *mail = Shown();
        QVERIFY(mail);
        QCOMPARE(mail, frmEmail::Loaded());
        QCOMPARE(mail->parentWidget(), static_cast<QWidget *>(f.main));
        const double top = belowTicker ? Geometry::Top(f.main->NewsTicker1) + 700 : Geometry::Top(f.main) + 700;
        QVERIFY(qAbs(Geometry::Top(mail) - top) <= 15);
        QVERIFY(qAbs(Geometry::Left(mail) - (Geometry::Width(f.main) - Geometry::Width(mail)) / 2) <= 15);
        QCOMPARE(mail->findChild<QLineEdit *>(QStringLiteral("txtToEmail"))->text(), to);
        QCOMPARE(mail->findChild<QLineEdit *>(QStringLiteral("txtSubject"))->text(), subject);
        // The box keeps line breaks as the desktop's text boxes do.
        QCOMPARE(mail->findChild<QPlainTextEdit *>(QStringLiteral("txtBody"))->toPlainText(), body);
        QCheckBox *log = mail->findChild<QCheckBox *>(QStringLiteral("chkError"));
        QCOMPARE(log->text(), QStringLiteral("Send Errors Log"));
        QCOMPARE(log->isChecked(), errorLog);
        QCOMPARE(!log->isHidden(), errorLog);
        QVERIFY(Shell::Opened().isEmpty());
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void externalNewMessage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");
        QTest::newRow("plain") << "jo@example.test" << "mailto:jo@example.test";
        QTest::newRow("query marks stay in the address") << "a@b?cc=c@d" << "mailto:a@b%3Fcc%3Dc@d";
        QTest::newRow("blanks and hashes") << "my friend@x.test#frag" << "mailto:my%20friend@x.test%23frag";
    }
    void externalNewMessage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, opened);
        f.env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("True"));
        Dialogs::QueueInput(typed);
        f.main->mnuEmail_Click(0);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].input);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Enter the reception Email address"));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Email Address"));
        QCOMPARE(Dialogs::Log()[0].defaultText, QString());
        QCOMPARE(Shell::Opened(), QStringList{opened});
        const MailTo m = Read(opened);
        QCOMPARE(m.to, typed);
        QVERIFY(m.fields.isEmpty());
        QVERIFY(f.modals.isEmpty());
    }

    void externalCancelOpensNothing_data()
    {
        QTest::addColumn<int>("item");
        QTest::newRow("new message") << 0;
        QTest::newRow("friend") << 1;
    }
    void externalCancelOpensNothing()
    {
        QFETCH(int, item);
        f.env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("True"));
        Dialogs::QueueInput(QString());
        f.main->mnuEmail_Click(item);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Shell::Opened().isEmpty());
        QVERIFY(f.modals.isEmpty());
    }

    // The letter arrives whole in the mail program: line breaks and quotes
    // encoded, the typed address the only recipient.
    void externalFriendLetter()
    {
        f.env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("True"));
        Dialogs::QueueInput(QStringLiteral("pal@x.test?bcc=spy@y.test"));
        f.main->mnuEmail_Click(1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Enter your friend e-mail address"));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Email Address"));
        QCOMPARE(Shell::Opened().size(), 1);
        const QString opened = Shell::Opened()[0];
        QVERIFY(opened.startsWith(QStringLiteral("mailto:pal@x.test%3Fbcc%3Dspy@y.test?body=Hi%2C%0D%0AI%20find")));
        const MailTo m = Read(opened);
        QCOMPARE(m.to, QStringLiteral("pal@x.test?bcc=spy@y.test"));
        QCOMPARE(m.fields, QStringList{QStringLiteral("body")});
        QCOMPARE(m.body, FriendLetter);
    }

    void externalBugReportAsksNothing()
    {
        f.env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("True"));
        f.main->mnuEmail_Click(2);
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(Shell::Opened().size(), 1);
        const MailTo m = Read(Shell::Opened()[0]);
        QCOMPARE(m.to, Hosts::SupportAddress);
        QCOMPARE(m.subject, QStringLiteral("I would like to report on Zandor Tickerwatch 5.7 5.7 bug!"));
    }

    // The questionnaire opens without owner: the main window stays usable.
    void feedbackOpensTheQuestionnaire()
    {
        f.Action(QStringLiteral("mnuEmail_4"))->trigger();
        Thanks *thanks = Thanks::Loaded();
        QVERIFY(thanks);
        QVERIFY(thanks->isVisible());
        QCOMPARE(thanks->parentWidget(), nullptr);
        QVERIFY(f.modals.isEmpty());
    }
};

TW_TEST(tst_mail)
#include "tst_mail.moc"
