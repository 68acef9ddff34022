// The speech control: sentences for skipping, voice modes, what reaches the
// engine, and a missing engine.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "platform/Speech.h"
#include "platform/Vb.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_speech : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void sentences_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("sentences");
        QTest::newRow("price sentences") << QStringLiteral("\r\nIBM Corp, Last Price: 112.5, change: 1.25, +1.1%.\r\n"
                                                           "Microsoft, Last Price: 25 3/8, change: -0.5, -1.9%.")
                                         << QStringList{QStringLiteral("IBM Corp, Last Price: 112.5, change: 1.25, +1.1%."),
                                                        QStringLiteral("Microsoft, Last Price: 25 3/8, change: -0.5, -1.9%.")};
        QTest::newRow("headlines") << QStringLiteral("A.\r\nB.\r\n") << QStringList{QStringLiteral("A."), QStringLiteral("B.")};
        QTest::newRow("stops before blanks") << QStringLiteral("Up again. Why? Buy now!Later")
                                             << QStringList{QStringLiteral("Up again."), QStringLiteral("Why?"),
                                                            QStringLiteral("Buy now!Later")};
        QTest::newRow("line break without a stop") << QStringLiteral("IBM news:  one\ntwo")
                                                   << QStringList{QStringLiteral("IBM news:  one"), QStringLiteral("two")};
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("blank lines only") << QStringLiteral("  \r\n\r\n .") << QStringList{QStringLiteral(".")};
    }
    void sentences()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, sentences);
        SentenceQueue q;
        q.Load(text);
        QCOMPARE(q.Sentences(), sentences);
        QCOMPARE(q.Current(), sentences.value(0));
    }

    void skippingMovesBetweenSentences()
    {
        SentenceQueue q;
        q.Load(QStringLiteral("One. Two. Three."));
        QVERIFY(q.Back()); // at the first: from its start again
        QCOMPARE(q.Current(), QStringLiteral("One."));
        QVERIFY(q.Next());
        QVERIFY(q.Next());
        QCOMPARE(q.Current(), QStringLiteral("Three."));
        QVERIFY(q.Back());
        QCOMPARE(q.Current(), QStringLiteral("Two."));
        QVERIFY(q.Next());
        QVERIFY(!q.Next()); // past the last: the text is over
        QVERIFY(q.AtEnd());
        QCOMPARE(q.Current(), QString());
        QVERIFY(!q.Next());
        QVERIFY(q.Back()); // the last again
        QCOMPARE(q.Current(), QStringLiteral("Three."));
        q.Load(QString());
        QVERIFY(!q.Back());
        QVERIFY(q.AtEnd());
    }

    void theWholeTextReachesTheEngine()
    {
        Speech speech;
        QSignalSpy started(&speech, &Speech::AudioStart);
        QSignalSpy stopped(&speech, &Speech::AudioStop);
        const QString text = QStringLiteral("\r\nIBM Corp, Last Price: 112.5.\r\nÄrger; fin.");
        speech.Speak(text);
        QCOMPARE(Speech::Recorded().said, QStringList{text});
        QVERIFY(speech.IsSpeaking());
        QCOMPARE(started.count(), 1);
        speech.Pause();
        speech.Resume();
        speech.SkipBack();
        speech.SkipForward();
        speech.StopSpeaking();
        QCOMPARE(Speech::Recorded().commands,
                 (QStringList{QStringLiteral("Pause"), QStringLiteral("Resume"), QStringLiteral("Back"),
                              QStringLiteral("Forward"), QStringLiteral("Stop")}));
        QVERIFY(!speech.IsSpeaking());
        QCOMPARE(stopped.count(), 1);
        speech.StopSpeaking(); // nothing was speaking: no second end
        QCOMPARE(stopped.count(), 1);
    }

    void voiceModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("gender");
        QTest::newRow("Resa") << 1 << "slt" << 0.0 << 0.0 << 1;
        QTest::newRow("Resa in phone") << 2 << "slt" << 0.3 << 0.15 << 1;
        QTest::newRow("Ubin") << 3 << "rms" << 0.0 << 0.0 << 2;
        QTest::newRow("Jorna (Robo)") << 7 << "kal" << 0.5 << -0.1 << 1;
        QTest::newRow("Dorin in Space") << 12 << "awb" << -0.5 << -0.45 << 2;
    }
    void voiceModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, voice);
        QFETCH(double, pitch);
        QFETCH(double, rate);
        QFETCH(int, gender);
        Speech speech;
        speech.SetCurrentMode(mode);
        QCOMPARE(speech.CurrentMode(), mode);
        QCOMPARE(speech.ModeGender(mode), gender);
        const SpeechVoice applied = Speech::Recorded().voices.last();
        QCOMPARE(applied.name, voice);
        QCOMPARE(applied.pitch, pitch);
        QCOMPARE(applied.rate, rate);
        QCOMPARE(applied.volume, 1.0);

        // The low register takes the voice a step down; the volume is in tenths.
        speech.SetLowRegister(1);
        QCOMPARE(Speech::Recorded().voices.last().pitch, pitch - 0.15);
        speech.SetVolume(3);
        QCOMPARE(Speech::Recorded().voices.last().volume, 0.3);
        QCOMPARE(Speech::Recorded().voices.last().name, voice);
    }

    void settingsOutOfRangeFail_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<int>("value");
        QTest::newRow("mode 0") << 0 << 0;
        QTest::newRow("mode 13") << 0 << 13;
        QTest::newRow("gender of mode 13") << 1 << 13;
        QTest::newRow("register 2") << 2 << 2;
        QTest::newRow("volume 11") << 3 << 11;
        QTest::newRow("volume -1") << 3 << -1;
    }
    void settingsOutOfRangeFail()
    {
        QFETCH(int, what);
        QFETCH(int, value);
        Speech speech;
        const SpeechVoice before = speech.EffectiveVoice();
        bool failed = false;
        try {
            switch (what) {
            case 0: speech.SetCurrentMode(value); break;
            case 1: speech.ModeGender(value); break;
            case 2: speech.SetLowRegister(value); break;
            default: speech.SetVolume(value); break;
            }
        } catch (const VbError &) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(speech.EffectiveVoice(), before);
        QCOMPARE(speech.CurrentMode(), 1);
    }

    void withoutAnEngineEveryCallFails()
    {
        Speech::Recorded().unavailable = true;
        Speech speech;
        QCOMPARE(speech.LastError(), int(Speech::NoEngine));
        int failures = 0;
        const std::function<void()> calls[] = {
            [&] { speech.Speak(QStringLiteral("x")); }, [&] { speech.StopSpeaking(); },
            [&] { speech.IsSpeaking(); },               [&] { speech.SetCurrentMode(2); },
            [&] { speech.Pause(); },                    [&] { speech.SetVolume(10); },
        };
        for (const auto &call : calls) {
            try {
                call();
            } catch (const VbError &e) {
                QCOMPARE(e.number, float(Speech::NoEngine));
                ++failures;
            }
        }
        QCOMPARE(failures, int(std::size(calls)));
        QVERIFY(Speech::Recorded().said.isEmpty());
    }

    void engineFailuresReachTheCaller()
    {
        Speech speech;
        Speech::Recorded().fail = true;
        Speech::Recorded().lastError = 0x1234;
        QVERIFY_THROWS_EXCEPTION(VbError, speech.Pause());
        QCOMPARE(speech.LastError(), 0x1234);
        QVERIFY(Speech::Recorded().commands.isEmpty());
    }
};

TW_TEST(tst_speech)
#include "tst_speech.moc"
