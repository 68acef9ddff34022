#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/Dialogs.h"
#include "services/NetSetting.h"
#include "services/Thanks.h"
#include "services/frmSplash.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

using tw::test::TestEnv;

class tst_netsetting : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    NetSetting *w = nullptr;

    void open()
    {
        w = NetSetting::ShowModeless();
        QVERIFY(w);
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
    }
    void cleanup()
    {
        delete NetSetting::Loaded();
        delete Thanks::Loaded();
        frmSplash::UnloadSplash();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        env.reset();
    }

    void loadWaitsClosesSplashAndMarksTheFirstRunDone()
    {
        frmSplash::Load()->show();
        open();
        QCOMPARE(env->sleeps, QList<int>{2000});
        QVERIFY(!frmSplash::Loaded());
        QCOMPARE(env->Get(QStringLiteral("RunOnce")), QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("ShutDown")), QStringLiteral("0"));
        QVERIFY(w->optMailServer[0]->isChecked());
        QVERIFY(w->Check1->isChecked());
        QVERIFY(!w->chkProxy->isChecked());
        QVERIFY(w->txtProxy->isEnabled());
        QVERIFY(w->cmdclose->isDefault());
        QVERIFY(w->findChild<QLineEdit *>(QStringLiteral("txtData_2")));
        QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("optMailServer_1")));
    }

    void storedValuesFillTheBoxes()
    {
        env->Set(QStringLiteral("EmailServer"), QStringLiteral("smtp.old"));
        env->Set(QStringLiteral("NewsServer"), QStringLiteral("news.old"));
        env->Set(QStringLiteral("Email"), QStringLiteral("me@old"));
        env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("True"));
        open();
        QCOMPARE(w->txtData[0]->text(), QStringLiteral("smtp.old"));
        QCOMPARE(w->txtData[1]->text(), QStringLiteral("news.old"));
        QCOMPARE(w->txtData[2]->text(), QStringLiteral("me@old"));
        QVERIFY(w->optMailServer[1]->isChecked());
        QVERIFY(!w->txtData[0]->isEnabled());
        QVERIFY(!w->Label1->isEnabled());
        // Boxes emptied by the user leave the stored values alone.
        w->txtData[1]->clear();
        w->txtData[2]->clear();
        w->cmdclose_Click();
        QCOMPARE(env->Get(QStringLiteral("NewsServer")), QStringLiteral("news.old"));
        QCOMPARE(env->Get(QStringLiteral("Email")), QStringLiteral("me@old"));
    }

    void closeWithoutMailServerAsksAndWritesNothing()
    {
        open();
        Dialogs::QueueInput(QString()); // Cancel
        w->cmdclose_Click();
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].input);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Enter your Email server or select 'Use external mail software'"));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Missing mail server address"));
        QVERIFY(!Dialogs::Log()[0].defaultText.isEmpty());
        QVERIFY(NetSetting::Loaded());
        QVERIFY(!env->Has(QStringLiteral("Prompt")));
        QVERIFY(!env->Has(QStringLiteral("ExternalMailServer")));
        QVERIFY(!Thanks::Loaded());

        Dialogs::QueueInput(QStringLiteral("smtp.example.org"));
        w->cmdclose_Click();
        QCOMPARE(w->txtData[0]->text(), QStringLiteral("smtp.example.org"));
        QVERIFY(NetSetting::Loaded()); // still open until Close is pressed again
        QVERIFY(!env->Has(QStringLiteral("EmailServer")));

        w->cmdclose_Click();
        QVERIFY(!NetSetting::Loaded());
        QCOMPARE(env->Get(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
        QCOMPARE(env->Get(QStringLiteral("Prompt")), QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("ProxyE")), QStringLiteral("0"));
        QCOMPARE(env->Get(QStringLiteral("Proxy")), QString());
        QVERIFY(env->Has(QStringLiteral("Proxy"))); // written even when empty
        QCOMPARE(env->Get(QStringLiteral("ExternalMailServer")), QStringLiteral("False"));
        QVERIFY(Thanks::Loaded() && Thanks::Loaded()->isVisible());
    }

    void externalMailNeedsNoServer()
    {
        open();
        w->optMailServer[1]->setChecked(true);
        w->txtData[2]->setText(QStringLiteral("me@example.net"));
        w->txtProxy->setText(QStringLiteral("proxy.lan:3128")); // typed while the box is clear
        w->cmdclose_Click();
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(!env->Has(QStringLiteral("EmailServer")));
        QCOMPARE(env->Get(QStringLiteral("ExternalMailServer")), QStringLiteral("True"));
        QCOMPARE(env->Get(QStringLiteral("Email")), QStringLiteral("me@example.net"));
        QCOMPARE(env->Get(QStringLiteral("Proxy")), QStringLiteral("proxy.lan:3128"));
        QCOMPARE(env->Get(QStringLiteral("ProxyE")), QStringLiteral("0"));
        QVERIFY(Thanks::Loaded());
    }

    void doubleClickOnCloseMovesOnOnce()
    {
        open();
        w->txtData[0]->setText(QStringLiteral("smtp.example.org"));
        // The second click lands while the first one rolls the window up.
        QPointer<QPushButton> close(w->cmdclose);
        QTimer::singleShot(0, [close] {
            if (close)
                QTest::mouseClick(close, Qt::LeftButton);
        });
        QTest::mouseClick(w->cmdclose, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!NetSetting::Loaded());
        QVERIFY(Thanks::Loaded() && Thanks::Loaded()->isVisible());
        QCOMPARE(env->Get(QStringLiteral("EmailServer")), QStringLiteral("smtp.example.org"));
    }

    void boxesStoreTheirStateAtOnce()
    {
        open();
        w->Check1->setChecked(false);
        QCOMPARE(env->Get(QStringLiteral("Prompt")), QStringLiteral("0"));
        w->chkProxy->setChecked(true);
        QCOMPARE(env->Get(QStringLiteral("ProxyE")), QStringLiteral("1"));
        QVERIFY(w->txtProxy->isEnabled());
        w->chkProxy->setChecked(false);
        QCOMPARE(env->Get(QStringLiteral("ProxyE")), QStringLiteral("0"));
        QVERIFY(!w->txtProxy->isEnabled());
    }
};

TW_TEST(tst_netsetting)
#include "tst_netsetting.moc"
