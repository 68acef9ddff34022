// Prices and headlines read aloud: the texts the Ticker menu hands the speech
// control, the speech window's place and its buttons.
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/NewsTicker.h"
#include "platform/Speech.h"
#include "shell/MainFixture.h"
#include "shell/MouseEvents.h"
#include "shell/frmSpeech.h"

#include <QAction>
#include <QFrame>
#include <QTest>

using tw::test::MainFixture;
using tw::test::TestEnv;

namespace {

void AddStock(const QByteArray &symbol, const QByteArray &name, const QByteArray &last, const QByteArray &change,
              const QByteArray &percent)
{
    StockRecord &s = Stocks[size_t(StockCount++)];
    s.Symbol = symbol;
    s.Name = name;
    s.LastSale = last;
    s.DChange = change;
    s.PChange = percent;
}

void WriteHeadlines(const QByteArray &symbol, const QByteArray &fileBytes)
{
    TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/News/") + QString::fromLatin1(symbol) + QStringLiteral(".txt"),
                      fileBytes);
}

QStringList Said() { return Speech::Recorded().said; }

} // namespace

class tst_speechwindow : public QObject {
    Q_OBJECT
    MainFixture f;

    NewsTicker *Ticker() const { return qobject_cast<NewsTicker *>(f.main->NewsTicker1); }

    // Two stocks of the open set; IBM is current.
    void TwoStocks()
    {
        AddStock("IBM", "IBM Corp", "112.5", "1.25", "+1.1%");
        AddStock("MSFT", "Microsoft", "25 3/8", "-0.5", "-1.9%");
        CurrentSymbol = "IBM";
    }

    // The speech window, spoken to once with the engine reporting `speaking`.
    frmSpeech *SpeakingWindow(bool speaking)
    {
        TwoStocks();
        f.main->Speak(1);
        Speech::Recorded().speaking = speaking;
        return frmSpeech::Loaded();
    }

    QList<bool> States(const frmSpeech *w) const
    {
        QList<bool> on;
        for (QLabel *l : w->lblNav)
            on << l->isEnabled();
        return on;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->ShowWindow();
    }
    void cleanup()
    {
        f.Stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void textsHandedToTheEngine_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("all prices") << 12
                                    << "\r\nIBM Corp, Last Price: 112.5, change: 1.25, +1.1%."
                                       "\r\nMicrosoft, Last Price: 25 3/8, change: -0.5, -1.9%.";
        QTest::newRow("current stock's price") << 9 << "\r\nIBM Corp, Last Price: 112.5, change: 1.25, +1.1%.";
        QTest::newRow("current stock's headlines") << 8 << "A.\r\nB.\r\n";
        QTest::newRow("all headlines: a block per stock in set order")
            << 11 << "IBM Corp news: A.\r\nB.\r\n\r\nMicrosoft news: Chip deal #2.\r\n\r\n";
    }
    void textsHandedToTheEngine()
    {
        QFETCH(int, item);
        QFETCH(QString, text);
        TwoStocks();
        WriteHeadlines("IBM", "\"A;\"\r\n\"B;\"\r\n");
        // The story link goes; a doubled "#" is the headline's own.
        WriteHeadlines("MSFT", "\"Chip #http://127.0.0.1/s#deal ##2;\"\r\n");
        f.main->mnuTicker_Click(item);
        QCOMPARE(Said(), QStringList{text});
        QVERIFY(!f.main->mnuTicker[item]->isChecked());
    }

    void stocksWithoutHeadlinesAskForAnUpdate()
    {
        TwoStocks();
        WriteHeadlines("IBM", "\"A;\"\r\n");
        f.main->Speak(2);
        QCOMPARE(Said(), QStringList{QStringLiteral("IBM Corp news: A.\r\n\r\nMicrosoft news: \r\n")});
        QCOMPARE(Ticker()->Text(), QByteArray("Please Update For Latest News"));

        CurrentSymbol = "MSFT";
        f.main->Speak(0);
        QCOMPARE(Said().last(), QString());
        QCOMPARE(Ticker()->Text(), QByteArray("Please Update For Latest News"));
    }

    // Slot 0 belongs to another stock: a current symbol outside the open set
    // has no price to read.
    void priceOfASymbolOutsideTheSetIsNotRead()
    {
        TwoStocks();
        CurrentSymbol = "ORCL";
        f.main->Speak(1);
        QVERIFY(Said().isEmpty());
        QVERIFY(!frmSpeech::Loaded());
    }

    void windowBelowTheTickerOwnedByTheMainWindow()
    {
        TwoStocks();
        f.main->Speak(3);
        frmSpeech *w = frmSpeech::Loaded();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->parentWidget(), static_cast<QWidget *>(f.main));
        QVERIFY(qAbs(Geometry::Top(w) - (Geometry::Top(f.main->NewsTicker1) + 700)) <= 15); // whole pixels
        QVERIFY(qAbs(Geometry::Left(w) - (Geometry::Width(f.main) - Geometry::Width(w)) / 2) <= 15);
        QVERIFY(w->lblWait->isHidden());
        // Hidden, the next command shows it again in its place.
        w->lblNav_Click(frmSpeech::Hide);
        QVERIFY(!w->isVisible());
        QVERIFY(!Speech::Recorded().commands.contains(QStringLiteral("Stop"))); // the speech goes on
        f.main->Speak(3);
        QCOMPARE(frmSpeech::Loaded(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(Said().size(), 2);
    }

    void designStatesUntilTheFirstClick()
    {
        frmSpeech *w = SpeakingWindow(false);
        QCOMPARE(States(w), (QList<bool>{false, true, true, true, true, true, true}));
        QStringList captions;
        for (QLabel *l : w->lblNav)
            captions << l->text();
        QCOMPARE(captions, (QStringList{"Resume", "Pause", "Stop", "Rewind", "Forward", "Close", "Hide"}));
        QCOMPARE(w->TextToSpeech1->Volume(), 10);
    }

    // After a click the buttons follow what the engine reports then.
    void buttonsFollowTheSpeakingState_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("speaking");
        QTest::addColumn<QString>("command");
        QTest::newRow("pause, engine stopped") << int(frmSpeech::Pause) << false << "Pause";
        QTest::newRow("pause, engine still speaking") << int(frmSpeech::Pause) << true << "Pause";
        QTest::newRow("resume") << int(frmSpeech::Resume) << true << "Resume";
        QTest::newRow("rewind") << int(frmSpeech::Rewind) << true << "Back";
        QTest::newRow("forward") << int(frmSpeech::Forward) << true << "Forward";
        QTest::newRow("stop") << int(frmSpeech::Stop) << false << "Stop";
    }
    void buttonsFollowTheSpeakingState()
    {
        QFETCH(int, button);
        QFETCH(bool, speaking);
        QFETCH(QString, command);
        frmSpeech *w = SpeakingWindow(speaking);
        w->lblNav_Click(button);
        QCOMPARE(Speech::Recorded().commands, QStringList{command});
        const bool now = Speech::Recorded().speaking;
        QCOMPARE(States(w), (QList<bool>{!now, now, now, now, now, true, true}));
    }

    // The buttons are labels: a left click on one runs it, a disabled one
    // does nothing.
    void clickOnTheLabels()
    {
        frmSpeech *w = SpeakingWindow(false);
        QLabel *pause = w->findChild<QLabel *>(QStringLiteral("lblNav_1"));
        QCOMPARE(pause, w->lblNav[frmSpeech::Pause]);
        tw::test::SendMouse(pause, QEvent::MouseButtonPress, Qt::LeftButton);
        tw::test::SendMouse(pause, QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(Speech::Recorded().commands, QStringList{QStringLiteral("Pause")});
        QVERIFY(w->lblNav[frmSpeech::Resume]->isEnabled());
        QVERIFY(!pause->isEnabled());
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(Speech::Recorded().commands.size(), 1);
    }

    void closeStopsAndUnloads()
    {
        frmSpeech *w = SpeakingWindow(true);
        const QPointer<frmSpeech> guard(w);
        w->lblNav_Click(frmSpeech::Close);
        QCOMPARE(Speech::Recorded().commands, QStringList{QStringLiteral("Stop")});
        QVERIFY(!frmSpeech::Loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        // The next command loads a fresh window.
        f.main->Speak(1);
        QVERIFY(frmSpeech::Loaded());
        QCOMPARE(Said().size(), 2);
    }

    void engineFailureInAButtonIsShownAndLogged()
    {
        frmSpeech *w = SpeakingWindow(true);
        Speech::Recorded().fail = true;
        Speech::Recorded().lastError = int(0x8004020A);
        w->lblNav_Click(frmSpeech::Pause);
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("Error using speech engine, 8004020A"));
        QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbOKOnly));
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Tickerwatch"));
        QVERIFY(f.env->ErrorLog().contains("frmSpeech_lblNav_Click"));
        QCOMPARE(frmSpeech::Loaded(), w);
        QCOMPARE(States(w), (QList<bool>{false, true, true, true, true, true, true})); // not reached
    }

    // An engine that cannot sound says why in the window, and only Close
    // and Hide stay live; Close still closes, without a box.
    void engineThatCannotSpeak_data()
    {
        QTest::addColumn<bool>("installed"); // false: no engine at all
        QTest::addColumn<QString>("shown");
        QTest::newRow("no engine") << false << "Speech is not available: No speech engine is installed.";
        QTest::newRow("no sound server") << true << "Speech is not available: Audio device error";
    }
    void engineThatCannotSpeak()
    {
        QFETCH(bool, installed);
        QFETCH(QString, shown);
        Speech::Recorded().unavailable = !installed;
        TwoStocks();
        f.main->mnuTicker_Click(12);
        frmSpeech *w = frmSpeech::Loaded();
        QVERIFY(w);
        if (installed) {
            QVERIFY(!w->lblError->isVisible()); // it spoke: nothing to say yet
            Speech::Recorded().Break(QStringLiteral("Audio device error"));
        } else {
            QVERIFY(Said().isEmpty());
        }
        QVERIFY(w->lblError->isVisible());
        QCOMPARE(w->lblError->text(), shown);
        QCOMPARE(States(w), (QList<bool>{false, false, false, false, false, true, true}));
        // A click on a dead button or on Hide wakes none of them.
        QTest::mouseClick(w->lblNav[frmSpeech::Resume], Qt::LeftButton);
        tw::test::SendMouse(w->lblNav[frmSpeech::Hide], QEvent::MouseButtonPress, Qt::LeftButton);
        tw::test::SendMouse(w->lblNav[frmSpeech::Hide], QEvent::MouseButtonRelease, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(States(w), (QList<bool>{false, false, false, false, false, true, true}));
        tw::test::SendMouse(w->lblNav[frmSpeech::Close], QEvent::MouseButtonPress, Qt::LeftButton);
        tw::test::SendMouse(w->lblNav[frmSpeech::Close], QEvent::MouseButtonRelease, Qt::LeftButton);
        QVERIFY(!frmSpeech::Loaded());
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // When the text has ended the control's volume is set back to full.
    void endOfTextRestoresTheVolume()
    {
        frmSpeech *w = SpeakingWindow(true);
        w->TextToSpeech1->SetVolume(4);
        Speech::Recorded().Finish();
        QCOMPARE(w->TextToSpeech1->Volume(), 10);
        QCOMPARE(Speech::Recorded().voices.last().volume, 1.0);
    }

    // The first paint tints the window, which then keeps that image.
    void tintedAfterItsFirstPaint()
    {
        frmSpeech *w = SpeakingWindow(true);
        QTRY_COMPARE(w->findChildren<QObject *>(QStringLiteral("TintOwnImage"), Qt::FindDirectChildrenOnly).size(), 1);
        QVERIFY(w->autoFillBackground());
        QVERIFY(w->isVisible());
        f.main->Speak(1);
        QCoreApplication::processEvents();
        QCOMPARE(w->findChildren<QObject *>(QStringLiteral("TintOwnImage"), Qt::FindDirectChildrenOnly).size(), 1);
    }

    void hoverFrameFollowsTheButtons()
    {
        frmSpeech *w = SpeakingWindow(true);
        QLabel *rewind = w->lblNav[frmSpeech::Rewind];
        tw::test::SendMouse(rewind, QEvent::MouseMove, Qt::NoButton);
        QVERIFY(!w->Shape1->isHidden());
        QCOMPARE(w->Shape1->x(), rewind->x());
        QCOMPARE(w->Shape1->width(), rewind->width());
        tw::test::SendMouse(w->Picture1, QEvent::MouseMove, Qt::NoButton);
        QVERIFY(w->Shape1->isHidden());
    }
};

TW_TEST(tst_speechwindow)
#include "tst_speechwindow.moc"
