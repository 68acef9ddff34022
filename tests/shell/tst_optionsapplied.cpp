// Options choices that take effect at once: lists, network and general
// check boxes, the mail option, the proxy box and Empty Cache.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Speech.h"
#include "shell/Options.h"
#include "shell/Skins.h"
#include "shell/frmMain.h"
#include "shell/frmSpeech.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

using tw::test::TestEnv;

class tst_optionsapplied : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

    static void Choose(QComboBox *list, const QString &text)
    {
        const int i = list->findText(text);
        QVERIFY2(i >= 0, qPrintable(text));
        list->setCurrentIndex(i);
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
    }
    void cleanup()
    {
        Options::Unload();
        frmMain::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        env.reset();
    }

    void interval_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("minutes");
        QTest::newRow("manual") << "Manually" << 0;
        QTest::newRow("5 minutes") << "5    Minutes" << 5;
        QTest::newRow("45 minutes") << "45  Minutes" << 45;
        QTest::newRow("one hour") << "1     Hour" << 60;
        QTest::newRow("one and a half hours") << "1.5   Hour" << 90;
        QTest::newRow("a day") << "24    Hour" << 1440;
    }
    void interval()
    {
        QFETCH(QString, entry);
        QFETCH(int, minutes);
        frmMain *main = frmMain::Instance();
        Options *w = Options::Instance();
        QVERIFY(!main->Timer1->isActive()); // loading chose "Manually"
        Choose(w->cobSqd, minutes ? QStringLiteral("Manually") : QStringLiteral("2     Hour"));
        Choose(w->cobSqd, entry);
        QCOMPARE(env->Get(QStringLiteral("AutoUpdate")), QString::number(minutes));
        QCOMPARE(int(AutoUpdateMinutes), minutes);
        QCOMPARE(main->Timer1->isActive(), minutes != 0);
        QCOMPARE(main->Timer1->interval(), 60000);
        // Written at once: Cancel keeps it, and the next load shows it.
        w->cmd_cancel_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Options::Instance()->cobSqd->currentText(), entry);
    }

    void intervalWithoutAnEntryIsLeftAlone()
    {
        env->Set(QStringLiteral("AutoUpdate"), QStringLiteral("25"));
        AutoUpdateMinutes = 25;
        frmMain *main = frmMain::Instance();
        main->Timer1->start();
        Options *w = Options::Instance();
        QCOMPARE(w->cobSqd->currentIndex(), -1);
        QCOMPARE(env->Get(QStringLiteral("AutoUpdate")), QStringLiteral("25"));
        QCOMPARE(int(AutoUpdateMinutes), 25);
        QVERIFY(main->Timer1->isActive());
    }

    void intervalWithoutMainWindow()
    {
        Options *w = Options::Instance();
        Choose(w->cobSqd, QStringLiteral("10  Minutes"));
        QCOMPARE(env->Get(QStringLiteral("AutoUpdate")), QStringLiteral("10"));
        QVERIFY(!frmMain::Loaded());
    }

    void skin()
    {
        SkinBarName.clear();
        Options *w = Options::Instance();
        QCOMPARE(w->cobStyle->currentIndex(), -1);
        QVERIFY(!env->Has(QStringLiteral("PicBar")));
        QVERIFY(SkinBarName.isEmpty()); // no stored skin: loading applies none
        Choose(w->cobStyle, QStringLiteral("Red Plastic"));
        QCOMPARE(env->Get(QStringLiteral("PicBar")), QStringLiteral("9"));
        QCOMPARE(SkinBarName, QString::fromLatin1(SkinTable[9].bar));
        Choose(w->cobStyle, QStringLiteral("Blue Neon"));
        QCOMPARE(env->Get(QStringLiteral("PicBar")), QStringLiteral("0"));
        QCOMPARE(SkinBarName, QString::fromLatin1(SkinTable[0].bar));
    }

    void storedSkinIsAppliedByLoading()
    {
        SkinBarName.clear();
        env->Set(QStringLiteral("PicBar"), QStringLiteral("4"));
        QCOMPARE(Options::Instance()->cobStyle->currentIndex(), 4);
        QCOMPARE(SkinBarName, QString::fromLatin1(SkinTable[4].bar));
    }

    void voice()
    {
        Options *w = Options::Instance();
        QCOMPARE(env->Get(QStringLiteral("VoiceMode")), QStringLiteral("0"));
        Choose(w->cobVoice, QStringLiteral("Resa in phone"));
        QCOMPARE(env->Get(QStringLiteral("VoiceMode")), QStringLiteral("1"));
        Choose(w->cobVoice, QStringLiteral("Dorin in Space"));
        QCOMPARE(env->Get(QStringLiteral("VoiceMode")), QStringLiteral("11"));
    }

    // The choice switches the reader at once, stopping a reading first.
    void voiceSwitchesTheReader()
    {
        Options *w = Options::Instance();
        frmSpeech *speech = frmSpeech::Loaded();
        QVERIFY(speech); // loading chose the first voice, in a hidden speech window
        QVERIFY(!speech->isVisible());
        Speech *control = speech->TextToSpeech1;
        QCOMPARE(control->CurrentMode(), 1);
        QCOMPARE(control->LowRegister(), 0); // a woman's voice

        Speech::Recorded().speaking = true;
        Speech::Recorded().commands.clear();
        Choose(w->cobVoice, QStringLiteral("Resa in phone"));
        QCOMPARE(Speech::Recorded().commands, QStringList{QStringLiteral("Stop")});
        QCOMPARE(control->CurrentMode(), 2);
        QCOMPARE(env->Get(QStringLiteral("VoiceMode")), QStringLiteral("1"));

        Choose(w->cobVoice, QStringLiteral("Dorin"));
        QCOMPARE(Speech::Recorded().commands.size(), 1); // silent: nothing to stop
        QCOMPARE(control->CurrentMode(), 5);
        QCOMPARE(control->LowRegister(), 1); // a man's voice
        QCOMPARE(Speech::Recorded().voices.last(), control->EffectiveVoice());
        QCOMPARE(frmSpeech::Loaded(), speech);
        QVERIFY(!QApplication::overrideCursor());
    }

    // A voice the reader cannot take is not stored; the pointer comes back.
    void voiceWithoutSpeechEngine()
    {
        Speech::Recorded().unavailable = true;
        Options *w = Options::Instance();
        QVERIFY(!env->Has(QStringLiteral("VoiceMode")));
        Choose(w->cobVoice, QStringLiteral("Ubin"));
        QVERIFY(!env->Has(QStringLiteral("VoiceMode")));
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(env->Get(QStringLiteral("AutoUpdate")), QStringLiteral("0")); // the rest of the loading went on
    }

    void boxesWriteAtOnce_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::newRow("prompt") << "chkPrompt" << "Prompt";
        QTest::newRow("shut down") << "chkShutDown" << "ShutDown";
        QTest::newRow("US zone") << "ChkUS" << "US";
        QTest::newRow("proxy") << "chkProxy" << "ProxyE";
    }
    void boxesWriteAtOnce()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        Options *w = Options::Instance();
        auto *check = w->findChild<QCheckBox *>(box);
        QVERIFY(check);
        check->setChecked(false);
        check->setChecked(true);
        QCOMPARE(env->Get(value), QStringLiteral("1"));
        if (check == w->chkProxy)
            QVERIFY(w->txtProxy->isEnabled());
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(env->Get(value), QStringLiteral("0"));
        if (check == w->chkProxy)
            QVERIFY(!w->txtProxy->isEnabled());
        w->cmd_cancel_Click();
        QCOMPARE(env->Get(value), QStringLiteral("0"));
    }

    void proxyTextOnLeaving()
    {
        env->Set(QStringLiteral("Proxy"), QStringLiteral("old.lan"));
        Options *w = Options::Instance();
        w->txtProxy->clear();
        QCOMPARE(env->Get(QStringLiteral("Proxy")), QStringLiteral("old.lan"));
        QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w->txtProxy, &away);
        QVERIFY(env->Has(QStringLiteral("Proxy")));
        QCOMPARE(env->Get(QStringLiteral("Proxy")), QString());
    }

    void mailOption()
    {
        Options *w = Options::Instance();
        QVERIFY(!env->Has(QStringLiteral("ExternalMailServer")));
        w->optMailServer[1]->click();
        QCOMPARE(env->Get(QStringLiteral("ExternalMailServer")), QStringLiteral("True"));
        QVERIFY(!w->txtEmailServ->isEnabled() && !w->Label8->isEnabled());
        w->txtEmailServ->setText(QStringLiteral("smtp.lan"));
        w->optMailServer[0]->click();
        QCOMPARE(env->Get(QStringLiteral("ExternalMailServer")), QStringLiteral("False"));
        QVERIFY(w->txtEmailServ->isEnabled() && w->Label8->isEnabled());
        w->optMailServer[1]->click();
        w->cmd_OK_Click();
        QCOMPARE(env->Get(QStringLiteral("EmailServer")), QStringLiteral("smtp.lan"));
    }

    void storedExternalMailGreysTheServerBox_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("external");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("minus one") << "-1" << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("zero") << "0" << false;
    }
    void storedExternalMailGreysTheServerBox()
    {
        QFETCH(QString, stored);
        QFETCH(bool, external);
        env->Set(QStringLiteral("ExternalMailServer"), stored);
        Options *w = Options::Instance();
        QCOMPARE(w->optMailServer[1]->isChecked(), external);
        QCOMPARE(w->txtEmailServ->isEnabled(), !external);
        // Loading re-writes it only when it chose external mail.
        QCOMPARE(env->Get(QStringLiteral("ExternalMailServer")), external ? QStringLiteral("True") : stored);
    }

    void emptyCache_data()
    {
        QTest::addColumn<QList<int>>("answers"); // after the first Yes
        QTest::addColumn<QStringList>("emptied");
        const int yes = Dialogs::vbYes, no = Dialogs::vbNo;
        QTest::newRow("yes yes no yes") << QList<int>{yes, yes, no, yes}
                                        << QStringList{"Cache/DataSheet", "Cache/Reports"};
        QTest::newRow("all yes") << QList<int>{yes, yes, yes, yes}
                                 << QStringList{"Cache/DataSheet", "Cache/News", "Cache/Reports"};
        QTest::newRow("yes then no") << QList<int>{yes, no, no, no} << QStringList{};
        QTest::newRow("no at first") << QList<int>{no} << QStringList{};
    }
    void emptyCache()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, emptied);
        const QString root = env->appFolder() + u'/';
        const QStringList folders{"Cache/DataSheet", "Cache/News", "Cache/Reports"};
        const QStringList direct{"a.Sh", "NoExtension", ".hidden"};
        // What stays whatever the answers.
        const QStringList kept{"Cache/Reports/Options/IBM.htm", "Cache/Reports/Summary/Set0.htm",
                               "Cache/DataSheet/sub/deep.Sh", "Cache/Chart/IBM.gif", "Set0.dat", "Cache/loose.Sh"};
        for (const QString &f : folders)
            for (const QString &name : direct)
                TestEnv::WriteAll(root + f + u'/' + name, "x");
        for (const QString &k : kept)
            TestEnv::WriteAll(root + k, "keep");

        for (int a : answers)
            Dialogs::QueueAnswer(a);
        Options *w = Options::Instance();
        w->cmdEmpty->click();

        QCOMPARE(Dialogs::Log().size(), answers.size());
        const QStringList texts{"Are you sure you want to delete all downloaded data?", "Delete data?",
                                "Delete stocks News?", "Delete stocks reports?"};
        const QStringList titles{"Clear Cache?", "Clear Data?", "Clear News?", "Clear Reports?"};
        for (int i = 0; i < Dialogs::Log().size(); ++i) {
            QCOMPARE(Dialogs::Log()[i].text, texts[i]);
            QCOMPARE(Dialogs::Log()[i].title, titles[i]);
            QCOMPARE(Dialogs::Log()[i].flags,
                     int(Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2));
        }
        for (const QString &f : folders) {
            QVERIFY(QDir(root + f).exists());
            for (const QString &name : direct)
                QVERIFY2(QFile::exists(root + f + u'/' + name) != emptied.contains(f), qPrintable(f + u'/' + name));
        }
        for (const QString &k : kept)
            QVERIFY2(QFile::exists(root + k), qPrintable(k));
        QVERIFY(QDir(root + QStringLiteral("Cache/DataSheet/sub")).exists());
    }

    void emptyCacheWithoutFolders()
    {
        Dialogs::QueueAnswer(Dialogs::vbYes);
        Dialogs::QueueAnswer(Dialogs::vbYes);
        Dialogs::QueueAnswer(Dialogs::vbYes);
        Dialogs::QueueAnswer(Dialogs::vbYes);
        Options::Instance()->cmdEmpty_Click();
        QCOMPARE(Dialogs::Log().size(), 4);
        QCOMPARE(env->ErrorBlocks(), 0);
    }
};

TW_TEST(tst_optionsapplied)
#include "tst_optionsapplied.moc"
