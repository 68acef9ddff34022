// The Options window: loading, pages, keys, OK, Cancel and the delay boxes.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/BoxValue.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "shell/Options.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPointer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>

using tw::test::TestEnv;

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

int LoadFailures(const TestEnv &env) { return int(env.ErrorLog().count("Where: Option_Form_Load\r\n")); }

QString UpdateName(int i) { return QStringLiteral("Update") + QString::number(i); }

// The page on show, -1 when none is.
int PageOnShow(Options *w)
{
    int shown = -1;
    for (int i = 0; i < Options::PageCount; ++i) {
        if (!w->frm[i]->isHidden()) {
            if (shown >= 0)
                return -2; // two pages at once
            shown = i;
        }
    }
    return shown;
}
} // namespace

class tst_options : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

    // What the first-run window leaves behind.
    void FirstRunProfile()
    {
        env->Set(QStringLiteral("RunOnce"), QStringLiteral("1"));
        env->Set(QStringLiteral("ShutDown"), QStringLiteral("0"));
        env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("False"));
        env->Set(QStringLiteral("Proxy"), QString());
        env->Set(QStringLiteral("ProxyE"), QStringLiteral("0"));
    }

    Options *ShownWindow()
    {
        Options *w = Options::Instance();
        w->show();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            return nullptr;
        return w;
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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        env.reset();
    }

    void firstLoadWritesTheDefaults()
    {
        FirstRunProfile();
        Options *w = Options::Instance();
        QCOMPARE(Options::Loaded(), w);
        QVERIFY(!w->isVisible());
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("5"));
        QCOMPARE(env->Get(QStringLiteral("SaverDelay")), QStringLiteral("12"));
        QCOMPARE(env->Get(QStringLiteral("US")), QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("AutoUpdate")), QStringLiteral("0"));
        QCOMPARE(env->Get(QStringLiteral("VoiceMode")), QStringLiteral("0"));
        QCOMPARE(env->Get(QStringLiteral("ShutDown")), QStringLiteral("0")); // stored clear stays clear
        QVERIFY(!env->Has(QStringLiteral("PicBar")));
        QVERIFY(!env->Has(QStringLiteral("FrmNav")));
        QVERIFY(!env->Has(UpdateName(0)));
        QCOMPARE(w->Text1->text(), QStringLiteral("5"));
        QCOMPARE(w->Text2->text(), QStringLiteral("12"));
        for (int i = 0; i < Options::UpdateItemCount; ++i)
            QVERIFY2(Vb::BoxValue(w->chkUpdate[i]) == 1, qPrintable(UpdateName(i)));
        QVERIFY(w->ChkNumeric[0]->isChecked() && w->ChkNumeric[1]->isChecked());
        QVERIFY(!w->chkShutDown->isChecked());
        QVERIFY(w->optMailServer[0]->isChecked());
        QVERIFY(!w->chkProxy->isChecked() && !w->txtProxy->isEnabled());
        QCOMPARE(w->cobStyle->currentIndex(), -1);
        QCOMPARE(w->cobSqd->currentText(), QStringLiteral("Manually"));
        QCOMPARE(w->cobVoice->currentText(), QStringLiteral("Resa"));
        QCOMPARE(AutoUpdateMinutes, int16_t(0));
        QCOMPARE(PageOnShow(w), 0);
        QCOMPARE(w->lblNav[0]->palette().color(QPalette::WindowText), kRed);
        QCOMPARE(w->lblNav[1]->palette().color(QPalette::WindowText), kBlue);
        QCOMPARE(LoadFailures(*env), 0);
        // A second use finds the loaded window and loads nothing again.
        env->Set(QStringLiteral("FrmNav"), QStringLiteral("5"));
        QCOMPARE(Options::Instance(), w);
        QCOMPARE(PageOnShow(w), 0);
    }

    void controlsCarryTheirNames()
    {
        Options *w = Options::Instance();
        QCOMPARE(w->findChild<QCheckBox *>(QStringLiteral("chkUpdate_19")), w->chkUpdate[19]);
        QCOMPARE(w->chkUpdate[19]->text(), QStringLiteral("Weekly adviser service"));
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("cobStyle")), w->cobStyle);
        QCOMPARE(w->findChild<QGroupBox *>(QStringLiteral("frm_5"))->title(), QStringLiteral("Network Setting"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblNav_5"))->text(), QStringLiteral("Network Options"));
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblExc_1"))->text(), QStringLiteral("NYSE"));
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("cmdSelect_2"))->text(), QStringLiteral("&Select All"));
        QCOMPARE(w->findChild<QCheckBox *>(QStringLiteral("ChkNumeric_1"))->text(), QStringLiteral("Volume in 100's"));
        QCOMPARE(w->findChild<QRadioButton *>(QStringLiteral("optMailServer_1")), w->optMailServer[1]);
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label8")), w->Label8);
        QCOMPARE(w->cobSqd->count(), 14);
        QCOMPARE(w->cobSqd->itemText(8), QStringLiteral("1.5   Hour"));
        QCOMPARE(w->cobStyle->count(), 11);
        QCOMPARE(w->cobVoice->count(), 12);
        QVERIFY(w->cmd_OK->isDefault());
        // Names are unique within the window.
        QSet<QString> names;
        for (QObject *o : w->findChildren<QObject *>()) {
            if (o->objectName().isEmpty() || o->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            QVERIFY2(!names.contains(o->objectName()), qPrintable(o->objectName()));
            names.insert(o->objectName());
        }
    }

    void storedPageOpens_data()
    {
        QTest::addColumn<QString>("frmNav");
        QTest::addColumn<int>("page");   // on show, -1 none
        QTest::addColumn<int>("index");  // PageIndex, stored again by OK
        QTest::addColumn<int>("logged"); // error blocks
        QTest::newRow("missing") << QString() << 0 << 0 << 0;
        QTest::newRow("network") << QStringLiteral("5") << 5 << 5 << 0;
        QTest::newRow("general") << QStringLiteral("6") << 6 << 6 << 0;
        QTest::newRow("out of range") << QStringLiteral("9") << -1 << 9 << 0;
        QTest::newRow("negative") << QStringLiteral("-1") << -1 << -1 << 0;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0 << 0 << 1;
        QTest::newRow("too big") << QStringLiteral("70000") << 0 << 0 << 1;
    }
    void storedPageOpens()
    {
        QFETCH(QString, frmNav);
        QFETCH(int, page);
        QFETCH(int, index);
        QFETCH(int, logged);
        if (!frmNav.isNull())
            env->Set(QStringLiteral("FrmNav"), frmNav);
        Options *w = Options::Instance();
        QCOMPARE(PageOnShow(w), page);
        QCOMPARE(int(w->PageIndex), index);
        for (int i = 0; i < Options::PageCount; ++i)
            QCOMPARE(w->lblNav[i]->palette().color(QPalette::WindowText), i == page ? kRed : kBlue);
        QCOMPARE(LoadFailures(*env), logged);
        w->cmd_OK_Click();
        QCOMPARE(env->Get(QStringLiteral("FrmNav")), QString::number(index));
    }

    void storedValuesFillTheControls()
    {
        env->Set(QStringLiteral("SplashDelay"), QStringLiteral("2.5"));
        env->Set(QStringLiteral("SaverDelay"), QStringLiteral("0"));
        env->Set(UpdateName(5), QStringLiteral("0"));
        env->Set(UpdateName(98), QStringLiteral("0"));
        env->Set(QStringLiteral("Fractions"), QStringLiteral("0"));
        env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("True"));
        env->Set(QStringLiteral("ProxyE"), QStringLiteral("1"));
        env->Set(QStringLiteral("Proxy"), QStringLiteral("proxy.lan:3128"));
        env->Set(QStringLiteral("NewsServer"), QStringLiteral("news.lan"));
        env->Set(QStringLiteral("EmailServer"), QStringLiteral("smtp.lan"));
        env->Set(QStringLiteral("Email"), QStringLiteral("me@lan"));
        env->Set(QStringLiteral("VoiceMode"), QStringLiteral("4"));
        env->Set(QStringLiteral("AutoUpdate"), QStringLiteral("90"));
        env->Set(QStringLiteral("PicBar"), QStringLiteral("3"));
        Options *w = Options::Instance();
        QCOMPARE(w->Text1->text(), QStringLiteral("2.5"));
        QCOMPARE(w->Text2->text(), QStringLiteral("0"));
        QCOMPARE(Vb::BoxValue(w->chkUpdate[5]), 0);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[98]), 0);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[6]), 1);
        QVERIFY(!w->ChkNumeric[0]->isChecked());
        QVERIFY(w->ChkNumeric[1]->isChecked());
        QVERIFY(w->optMailServer[1]->isChecked());
        QVERIFY(!w->txtEmailServ->isEnabled());
        QVERIFY(w->chkProxy->isChecked() && w->txtProxy->isEnabled());
        QCOMPARE(w->txtProxy->text(), QStringLiteral("proxy.lan:3128"));
        QCOMPARE(w->txtNewsServ->text(), QStringLiteral("news.lan"));
        QCOMPARE(w->txtEmailServ->text(), QStringLiteral("smtp.lan"));
        QCOMPARE(w->txtEmailAddress->text(), QStringLiteral("me@lan"));
        QCOMPARE(w->cobVoice->currentText(), QStringLiteral("Dorin"));
        QCOMPARE(w->cobSqd->currentText(), QStringLiteral("1.5   Hour"));
        QCOMPARE(AutoUpdateMinutes, int16_t(90));
        QCOMPARE(w->cobStyle->currentText(), QStringLiteral("Gold Metal"));
        QCOMPARE(LoadFailures(*env), 0);
    }

    // A value that does not read as a number shows the control's default;
    // loading goes on, so OK does not write the design state back over
    // what the user had stored.
    void unreadableValuesFallBackAndLoadingGoesOn()
    {
        env->Set(UpdateName(3), QStringLiteral("abc"));
        env->Set(UpdateName(7), QStringLiteral("0"));
        env->Set(UpdateName(90), QStringLiteral("0"));
        env->Set(QStringLiteral("Prompt"), QStringLiteral("yes"));
        env->Set(QStringLiteral("US"), QStringLiteral("7")); // no box state
        env->Set(QStringLiteral("Volume"), QStringLiteral("0"));
        env->Set(QStringLiteral("ExternalMailServer"), QStringLiteral("maybe"));
        env->Set(QStringLiteral("PicBar"), QStringLiteral("x"));
        env->Set(QStringLiteral("AutoUpdate"), QStringLiteral("soon"));
        env->Set(QStringLiteral("VoiceMode"), QStringLiteral("12"));
        env->Set(QStringLiteral("FrmNav"), QStringLiteral("two"));
        env->Set(QStringLiteral("ProxyE"), QStringLiteral("on"));
        env->Set(QStringLiteral("Proxy"), QStringLiteral("proxy.lan"));
        AutoUpdateMinutes = 15;
        Options *w = Options::Instance();

        QCOMPARE(LoadFailures(*env), 1);
        QVERIFY(env->ErrorLog().contains("Type mismatch"));
        QVERIFY(Dialogs::Log().isEmpty());

        QCOMPARE(Vb::BoxValue(w->chkUpdate[3]), 1);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[7]), 0);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[90]), 0);
        QVERIFY(w->chkPrompt->isChecked());
        QCOMPARE(env->Get(QStringLiteral("Prompt")), QStringLiteral("1"));
        QVERIFY(w->ChkUS->isChecked());
        QCOMPARE(env->Get(QStringLiteral("US")), QStringLiteral("1"));
        QVERIFY(!w->ChkNumeric[1]->isChecked());
        QVERIFY(w->optMailServer[0]->isChecked());
        QCOMPARE(w->cobStyle->currentIndex(), -1);
        QCOMPARE(w->cobSqd->currentIndex(), 0);
        QCOMPARE(env->Get(QStringLiteral("AutoUpdate")), QStringLiteral("0"));
        QCOMPARE(AutoUpdateMinutes, int16_t(0));
        QCOMPARE(w->cobVoice->currentIndex(), 0);
        QCOMPARE(env->Get(QStringLiteral("VoiceMode")), QStringLiteral("0"));
        QCOMPARE(PageOnShow(w), 0);
        QVERIFY(!w->chkProxy->isChecked() && !w->txtProxy->isEnabled());
        QCOMPARE(w->txtProxy->text(), QStringLiteral("proxy.lan"));

        w->cmd_OK_Click();
        QVERIFY(!Options::Loaded());
        QCOMPARE(env->Get(UpdateName(3)), QStringLiteral("1"));
        QCOMPARE(env->Get(UpdateName(7)), QStringLiteral("0"));
        QCOMPARE(env->Get(UpdateName(90)), QStringLiteral("0"));
        QCOMPARE(env->Get(QStringLiteral("Volume")), QStringLiteral("0"));
        QCOMPARE(env->Get(QStringLiteral("FrmNav")), QStringLiteral("0"));
    }

    void okWritesTheWindowAndCloses()
    {
        env->Set(QStringLiteral("NewsServer"), QStringLiteral("news.old"));
        Options *w = Options::Instance();
        w->Text1->setText(QStringLiteral("2.5"));
        w->Text2->setText(QStringLiteral("60"));
        Vb::SetBoxValue(w->chkUpdate[0], 0);
        Vb::SetBoxValue(w->chkUpdate[97], 0);
        w->ChkNumeric[0]->setChecked(false);
        w->txtNewsServ->clear();
        w->txtEmailServ->setText(QStringLiteral("smtp.lan"));
        w->txtEmailAddress->setText(QStringLiteral("me@lan"));
        w->lblNav_Click(4);
        w->cmd_OK_Click();

        QVERIFY(!Options::Loaded());
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("2.5"));
        QCOMPARE(env->Get(QStringLiteral("SaverDelay")), QStringLiteral("60"));
        for (int i = 0; i < Options::UpdateItemCount; ++i)
            QCOMPARE(env->Get(UpdateName(i)), (i == 0 || i == 97) ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("Fractions")), QStringLiteral("0"));
        QCOMPARE(env->Get(QStringLiteral("Volume")), QStringLiteral("1"));
        QCOMPARE(env->Get(QStringLiteral("FrmNav")), QStringLiteral("4"));
        QCOMPARE(FractionsMode.ToText(), QStringLiteral("0"));
        QCOMPARE(VolumeMode.ToText(), QStringLiteral("1"));
        QVERIFY(env->Has(QStringLiteral("NewsServer")));
        QCOMPARE(env->Get(QStringLiteral("NewsServer")), QString());
        QCOMPARE(env->Get(QStringLiteral("EmailServer")), QStringLiteral("smtp.lan"));
        QCOMPARE(env->Get(QStringLiteral("Email")), QStringLiteral("me@lan"));
        QVERIFY(Dialogs::Log().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // A second click lands while the first one yields: on Cancel again, or
    // on Cancel while OK is saving. The window goes once, OK writes nothing
    // after it has gone, and nothing freed is touched.
    void secondClickWhileClosing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("saved"); // the update items reached the store
        QTest::newRow("Cancel, Cancel") << "cmd_cancel" << false;
        QTest::newRow("OK, Cancel") << "cmd_OK" << false;
    }
    void secondClickWhileClosing()
    {
        QFETCH(QString, first);
        QFETCH(bool, saved);
        Options *w = ShownWindow();
        QVERIFY(w);
        QPointer<QPushButton> cancel(w->cmd_cancel);
        QTimer::singleShot(0, [cancel] {
            if (cancel)
                QTest::mouseClick(cancel, Qt::LeftButton);
        });
        QTest::mouseClick(w->findChild<QPushButton *>(first), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Options::Loaded());
        QCOMPARE(env->Has(UpdateName(0)), saved);
    }

    void cancelWritesNothing()
    {
        Options *w = Options::Instance();
        w->Text1->setText(QStringLiteral("3"));
        w->txtNewsServ->setText(QStringLiteral("news.lan"));
        w->cmd_cancel->click();
        QVERIFY(!Options::Loaded());
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("5"));
        QVERIFY(!env->Has(QStringLiteral("NewsServer")));
        QVERIFY(!env->Has(UpdateName(0)));
    }

    // What a box holds when it loses the focus to another control.
    void delayBoxesCheckOnLeaving_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");   // afterwards
        QTest::addColumn<QString>("message"); // empty: none
        const QString splash = QStringLiteral("Set the value between 0 (None) up to 20 seconds please.");
        const QString saver = QStringLiteral("Set the value between 0 (None) up to 60 minutes please.");
        QTest::newRow("splash 25") << "Text1" << "25" << "5" << splash;
        QTest::newRow("splash negative") << "Text1" << "-1" << "5" << splash;
        QTest::newRow("splash text") << "Text1" << "abc" << "5" << splash;
        QTest::newRow("splash empty") << "Text1" << "" << "5" << splash;
        QTest::newRow("splash 20.5") << "Text1" << "20.5" << "5" << splash;
        QTest::newRow("splash 2.5") << "Text1" << "2.5" << "2.5" << QString();
        QTest::newRow("splash 0") << "Text1" << "0" << "0" << QString();
        QTest::newRow("splash 20") << "Text1" << "20" << "20" << QString();
        QTest::newRow("saver 61") << "Text2" << "61" << "12" << saver;
        QTest::newRow("saver text") << "Text2" << "x" << "12" << saver;
        QTest::newRow("saver 60") << "Text2" << "60" << "60" << QString();
        // A comma only groups digits: "1,5" is no 15.
        QTest::newRow("splash decimal comma") << "Text1" << "1,5" << "5" << splash;
        QTest::newRow("saver decimal comma") << "Text2" << "2,5" << "12" << saver;
        QTest::newRow("splash digit group") << "Text1" << "0,010" << "0,010" << QString();
    }
    void delayBoxesCheckOnLeaving()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Options *w = ShownWindow();
        QVERIFY(w);
        w->lblNav_Click(6);
        auto *edit = w->findChild<QLineEdit *>(box);
        edit->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(edit->hasFocus());
        edit->setText(typed);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTRY_VERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), shown);
        if (message.isEmpty()) {
            QVERIFY(Dialogs::Log().isEmpty());
        } else {
            QCOMPARE(Dialogs::Log().size(), 1);
            QCOMPARE(Dialogs::Log()[0].text, message);
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Wrong Value"));
            QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbOKOnly | Dialogs::vbExclamation));
        }
    }

    void switchingWindowsIsNoLeaving()
    {
        Options *w = ShownWindow();
        QVERIFY(w);
        w->lblNav_Click(6);
        w->Text1->setText(QStringLiteral("25"));
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(w->Text1, &away);
        QCOMPARE(w->Text1->text(), QStringLiteral("25"));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Enter presses OK without the box ever losing the focus: OK checks
    // again, shows the message, puts the default back and writes nothing.
    void okChecksDelaysThatNeverLostFocus_data()
    {
        QTest::addColumn<QString>("splash");
        QTest::addColumn<QString>("saver");
        QTest::addColumn<QString>("message");
        QTest::newRow("splash 25") << "25" << "12" << "Set the value between 0 (None) up to 20 seconds please.";
        QTest::newRow("splash abc") << "abc" << "12" << "Set the value between 0 (None) up to 20 seconds please.";
        QTest::newRow("saver 99") << "5" << "99" << "Set the value between 0 (None) up to 60 minutes please.";
        QTest::newRow("splash 1,5") << "1,5" << "12" << "Set the value between 0 (None) up to 20 seconds please.";
        QTest::newRow("saver 2,5") << "5" << "2,5" << "Set the value between 0 (None) up to 60 minutes please.";
    }
    void okChecksDelaysThatNeverLostFocus()
    {
        QFETCH(QString, splash);
        QFETCH(QString, saver);
        QFETCH(QString, message);
        env->Set(QStringLiteral("SplashDelay"), QStringLiteral("7"));
        env->Set(QStringLiteral("SaverDelay"), QStringLiteral("30"));
        Options *w = Options::Instance();
        w->Text1->setText(splash);
        w->Text2->setText(saver);
        w->cmd_OK_Click();
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, message);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Wrong Value"));
        QCOMPARE(Options::Loaded(), w);
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("7"));
        QCOMPARE(env->Get(QStringLiteral("SaverDelay")), QStringLiteral("30"));
        QVERIFY(!env->Has(UpdateName(0)));
        QVERIFY(!QApplication::overrideCursor());

        w->cmd_OK_Click(); // the corrected values now pass
        QVERIFY(!Options::Loaded());
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("5"));
        QCOMPARE(env->Get(QStringLiteral("SaverDelay")), QStringLiteral("12"));
    }

    void storedDelayThatIsNoNumberIsNotSavedBack()
    {
        env->Set(QStringLiteral("SplashDelay"), QStringLiteral("abc"));
        Options *w = Options::Instance();
        QCOMPARE(w->Text1->text(), QStringLiteral("abc"));
        w->cmd_OK_Click();
        QCOMPARE(Options::Loaded(), w);
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("abc"));
        w->cmd_OK_Click();
        QCOMPARE(env->Get(QStringLiteral("SplashDelay")), QStringLiteral("5"));
    }

    void altKeysOpenPages_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("page");
        const int alt = int(Qt::AltModifier);
        QTest::newRow("Alt+D") << int(Qt::Key_D) << alt << 0;
        QTest::newRow("Alt+S") << int(Qt::Key_S) << alt << 1;
        QTest::newRow("Alt+M") << int(Qt::Key_M) << alt << 2;
        QTest::newRow("Alt+F") << int(Qt::Key_F) << alt << 3;
        QTest::newRow("Alt+V") << int(Qt::Key_V) << alt << 4;
        QTest::newRow("Alt+G network") << int(Qt::Key_G) << alt << 5;
        QTest::newRow("Alt+N general") << int(Qt::Key_N) << alt << 6;
        QTest::newRow("N alone") << int(Qt::Key_N) << 0 << 2;
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << 2;
        QTest::newRow("Alt+X") << int(Qt::Key_X) << alt << 2;
    }
    void altKeysOpenPages()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, page);
        Options *w = ShownWindow();
        QVERIFY(w);
        w->lblNav_Click(2);
        w->chkUpdate[50]->setFocus();
        QTest::keyClick(w->chkUpdate[50], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(PageOnShow(w), page);
        QCOMPARE(int(w->PageIndex), page);
    }

    // Alt+S is also "&Select All" of the first page and Alt+F "Check &for
    // Upgrade" of the last: the page keys come first.
    void pageKeysWinOverButtonLetters()
    {
        Options *w = ShownWindow();
        QVERIFY(w);
        w->lblNav_Click(0);
        w->cmdSelect[3]->click(); // clear the page
        w->chkUpdate[15]->setFocus();
        QTest::keyClick(w->chkUpdate[15], Qt::Key_S, Qt::AltModifier);
        QCOMPARE(PageOnShow(w), 1);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[15]), 0);
        QCOMPARE(Vb::BoxValue(w->chkUpdate[20]), 0);
    }

    void pageLabelsOpenTheirPages()
    {
        Options *w = ShownWindow();
        QVERIFY(w);
        QTest::mouseClick(w->lblNav[5], Qt::LeftButton);
        QCOMPARE(PageOnShow(w), 5);
        QVERIFY(w->frm[5]->isVisible());
        QCOMPARE(w->lblNav[5]->palette().color(QPalette::WindowText), kRed);
        QCOMPARE(w->lblNav[0]->palette().color(QPalette::WindowText), kBlue);
    }

    void helpShowsItsTopic()
    {
        Help::Reset();
        Options::Instance()->cmdHelp->click();
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].file, QStringLiteral("Tkw5.chm"));
        QCOMPARE(Help::Requests()[0].windowType, QStringLiteral(">Small"));
        QCOMPARE(Help::Requests()[0].contextId, 1002);
        Help::Reset();
    }

    void escIsCancel()
    {
        Options *w = ShownWindow();
        QVERIFY(w);
        w->chkUpdate[0]->setFocus();
        QTest::keyClick(w->chkUpdate[0], Qt::Key_Escape);
        QVERIFY(!Options::Loaded());
        QVERIFY(!env->Has(UpdateName(0)));
    }

    // At the place the caller gives, moved inside the screen when the place
    // would put part of it off the screen (a window of design width puts it
    // at x = -78).
    void shownModalOverTheOwnerAtItsPlace_data()
    {
        QTest::addColumn<int>("left");
        QTest::newRow("fits") << 15;
        QTest::newRow("left of the screen") << -1170;
        QTest::newRow("right of the screen") << 30000;
    }
    void shownModalOverTheOwnerAtItsPlace()
    {
        QFETCH(int, left);
        QWidget owner;
        owner.resize(600, 400);
        owner.show();
        bool wasModal = false;
        QPoint where;
        QRect frame;
        QWidget *parent = nullptr;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            Options *w = Options::Loaded();
            if (!w || !w->isVisible())
                return;
            poll.stop();
            wasModal = QApplication::activeModalWidget() == w;
            where = w->pos();
            frame = w->frameGeometry();
            parent = w->parentWidget();
            w->cmd_OK_Click();
        });
        poll.start(10);
        Options::ShowModal(&owner, left, 900);
        QVERIFY(wasModal);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
        if (left == 15)
            QCOMPARE(where, QPoint(1, 60));
        QCOMPARE(parent, &owner);
        QVERIFY(!Options::Loaded());
        QCOMPARE(env->Get(UpdateName(0)), QStringLiteral("1"));
    }

    void shownModelessWithoutOwner()
    {
        Options::ShowModeless();
        Options *w = Options::Loaded();
        QVERIFY(w && w->isVisible());
        QVERIFY(!w->isModal());
        QVERIFY(!w->parentWidget());
    }
};

TW_TEST(tst_options)
#include "tst_options.moc"
