#include "common/TestRegistry.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "shell/MainFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using tw::test::MainFixture;
using RunCall = frmMain::RunCall;

namespace {
// A control that keeps every key it is given.
class KeyCounter : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        keys.append(e->key());
        QLineEdit::keyPressEvent(e);
    }
};
} // namespace

Q_DECLARE_METATYPE(frmMain::RunCall)
Q_DECLARE_METATYPE(Qt::Key)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class tst_keys : public QObject {
    Q_OBJECT
    MainFixture f;
    KeyCounter *edit = nullptr;

    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
        edit = new KeyCounter(f.main);
        edit->setObjectName(QStringLiteral("probe"));
        edit->show();
        QApplication::setActiveWindow(f.main);
        QVERIFY(QTest::qWaitForWindowActive(f.main));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
    }
    void cleanup() { f.Stop(); }

    void shortcuts_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QStringList>("popups");
        QTest::addColumn<QList<RunCall>>("runs");
        const Qt::KeyboardModifiers none = Qt::NoModifier, alt = Qt::AltModifier, shift = Qt::ShiftModifier;
        const QStringList noPopup;
        const QList<RunCall> noRun;
        auto row = [&](const char *name, Qt::Key k, Qt::KeyboardModifiers m, bool running, QStringList p,
                       QList<RunCall> r) { QTest::newRow(name) << k << m << running << p << r; };
        row("Alt+S Start", Qt::Key_S, alt, false, {"mnuStarts"}, noRun);
        row("Alt+Shift+S Start", Qt::Key_S, alt | shift, false, {"mnuStarts"}, noRun);
        row("Alt+Ctrl+S Start", Qt::Key_S, alt | Qt::ControlModifier, false, {"mnuStarts"}, noRun);
        row("F3 Start", Qt::Key_F3, none, false, {"mnuStarts"}, noRun);
        row("Alt+F3 Start", Qt::Key_F3, alt, false, {"mnuStarts"}, noRun);
        row("Shift+F3 Start", Qt::Key_F3, shift, false, {"mnuStarts"}, noRun);
        row("Shift+Esc in a run: Start, run goes on", Qt::Key_Escape, shift, true, {"mnuStarts"}, noRun);
        row("Esc in a run stops it", Qt::Key_Escape, none, true, noPopup, {RunCall::Stop});
        row("Esc without a run", Qt::Key_Escape, none, false, noPopup, {RunCall::Stop});
        row("Alt+G Sets", Qt::Key_G, alt, false, {"mnuSets"}, noRun);
        row("F2 Sets", Qt::Key_F2, none, false, {"mnuSets"}, noRun);
        row("F2 in a run: no set switch", Qt::Key_F2, none, true, noPopup, noRun);
        row("Alt+G in a run: no set switch", Qt::Key_G, alt, true, noPopup, noRun);
        row("Alt+H Fast Update", Qt::Key_H, alt, false, noPopup, {RunCall::Fast});
        row("Alt+R Reports", Qt::Key_R, alt, false, {"mnuReports"}, noRun);
        row("Alt+U Update", Qt::Key_U, alt, false, noPopup, {RunCall::Run});
        row("F4 Update", Qt::Key_F4, none, false, noPopup, {RunCall::Run});
        row("F4 in a run stops it", Qt::Key_F4, none, true, noPopup, {RunCall::Stop});
        row("Alt+T Ticker", Qt::Key_T, alt, false, {"mnuTickers"}, noRun);
        row("plain S", Qt::Key_S, none, false, noPopup, noRun);
        row("Ctrl+S", Qt::Key_S, Qt::ControlModifier, false, noPopup, noRun);
        row("Shift+G", Qt::Key_G, shift, false, noPopup, noRun);
        row("plain U in a run", Qt::Key_U, none, true, noPopup, noRun);
    }
    void shortcuts()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, mods);
        QFETCH(bool, running);
        QFETCH(QStringList, popups);
        QFETCH(QList<RunCall>, runs);
        if (running)
            f.main->lblDesc[0]->setText(QStringLiteral("Stop"));
        Press(key, mods);
        QCOMPARE(f.PopupNames(), popups);
        QCOMPARE(f.runs, runs);
        QVERIFY(Dialogs::Log().isEmpty());
        QCOMPARE(f.exits, 0);
        // The focused control still gets the key, once.
        QCOMPARE(edit->keys.count(int(key)), 1);
    }

    void plainLetterReachesControlUnchanged()
    {
        Press(Qt::Key_A);
        Press(Qt::Key_X);
        QCOMPARE(edit->text(), QStringLiteral("ax"));
        QVERIFY(f.popups.isEmpty());
        QCOMPARE(f.exits, 0);
    }

    void altXAsksOnlyWhenSettingSays_data()
    {
        QTest::addColumn<QString>("shutDown");
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("exits");
        QTest::newRow("missing") << "" << Qt::KeyboardModifiers(Qt::AltModifier) << 0 << 1;
        QTest::newRow("1, No") << "1" << Qt::KeyboardModifiers(Qt::AltModifier) << 1 << 0;
        QTest::newRow("1, Shift held, No") << "1" << (Qt::AltModifier | Qt::ShiftModifier) << 1 << 0;
    }
    void altXAsksOnlyWhenSettingSays()
    {
        QFETCH(QString, shutDown);
        QFETCH(Qt::KeyboardModifiers, mods);
        QFETCH(int, boxes);
        QFETCH(int, exits);
        if (!shutDown.isEmpty())
            f.env->Set(QStringLiteral("ShutDown"), shutDown);
        Dialogs::QueueAnswer(Dialogs::vbNo);
        Press(Qt::Key_X, mods);
        QCOMPARE(Dialogs::Log().size(), boxes);
        QCOMPARE(f.exits, exits);
    }

    void summaryKeyWithoutStock()
    {
        Press(Qt::Key_M, Qt::AltModifier);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log().first().title, QStringLiteral("Unselected Stock"));
    }

    void focusKeys()
    {
        Press(Qt::Key_F5);
        QTRY_VERIFY(f.main->TreeView1->hasFocus());
        Press(Qt::Key_F6);
        QTRY_VERIFY(f.main->FG->hasFocus());
        Press(Qt::Key_F5);
        QTRY_VERIFY(f.main->TreeView1->hasFocus());
    }

    // Keys of another window are that window's own.
    void otherWindowsKeysAreNotPreviewed()
    {
        QLineEdit other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.setFocus();
        QTRY_VERIFY(other.hasFocus());
        QTest::keyClick(&other, Qt::Key_F3);
        QTest::keyClick(&other, Qt::Key_S, Qt::AltModifier);
        QVERIFY(f.popups.isEmpty());
    }
};

TW_TEST(tst_keys)
#include "tst_keys.moc"
