#pragma once
// The text-to-speech control the speech window hosts. The program hands it a
// whole text at once and asks it to stop, pause, resume, skip a sentence back
// or forward, whether it is speaking, and its last error; twelve voice modes
// (the "Select Broadcaster:" list) each choose a voice, a pitch and a rate.
//
// The sound comes from the desktop's speech engine (QTextToSpeech, flite on
// Debian) behind SpeechEngine; tests record what reaches the engine instead.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// A whole text cut into the sentences that skipping moves between: a
// sentence ends after ".", "!" or "?" followed by a blank or a line break, or
// at a line break; pieces holding nothing but blanks are dropped.
class SentenceQueue {
public:
    void Load(const QString &text);
    void Clear();
    bool IsEmpty() const { return sentences_.isEmpty(); }
    const QStringList &Sentences() const { return sentences_; }
    int Index() const { return index_; }
    // The sentence being spoken; "" past the end.
    QString Current() const;
    // Each answers whether there is a sentence left to speak.
    bool Next();
    bool Back(); // to the sentence before, or the first from its start
    bool AtEnd() const { return index_ >= sentences_.size(); }

private:
    QStringList sentences_;
    int index_ = 0;
};

// What the engine is asked to sound like.
struct SpeechVoice {
    QString name;   // the engine voice wanted; another one when it has none such
    double pitch = 0; // -1 .. 1, 0 the voice's own
    double rate = 0;  // -1 .. 1, 0 the voice's own
    double volume = 1; // 0 .. 1
    bool operator==(const SpeechVoice &) const = default;
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    virtual void Say(const QString &text) = 0;
    virtual void Stop() = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void SkipBack() = 0;
    virtual void SkipForward() = 0;
    virtual bool Speaking() const = 0;
    virtual int LastError() const = 0;
    virtual void SetVoice(const SpeechVoice &voice) = 0;
    // Told true when sound starts and false when the text has ended or stopped.
    std::function<void(bool)> Notify;
    // Told the engine's own words when it cannot sound (no sound server).
    std::function<void(const QString &)> Failed;
};

class Speech : public QObject {
    Q_OBJECT
public:
    static constexpr int ModeCount = 12;
    // The error of a control whose engine could not be made.
    static constexpr int NoEngine = 429;

    explicit Speech(QObject *parent = nullptr);
    ~Speech() override;

    // Every operation fails with a VbError when there is no speech engine.
    void Speak(const QString &text);
    void StopSpeaking();
    void Pause();
    void Resume();
    void SkipBack();
    void SkipForward();
    bool IsSpeaking() const;
    int LastError() const;
    // Why the control cannot speak, in the engine's words; "" while it can.
    QString FailureText() const { return failure_; }

    // Voice modes count from 1; another number fails (Invalid procedure call).
    int CurrentMode() const { return mode_; }
    void SetCurrentMode(int mode);
    // The gender of a mode's voice: 1 female, 2 male.
    int ModeGender(int mode) const;
    // 0 or 1: 1 sets the voice a step lower than its mode's pitch.
    int LowRegister() const { return lowRegister_; }
    void SetLowRegister(int value);
    // Loudness in tenths, 0 to 10.
    int Volume() const { return volume_; }
    void SetVolume(int tenths);

    // The voice the engine is given for the current settings.
    SpeechVoice EffectiveVoice() const;

    // --- test seam: a recording engine in place of the desktop's ---
    struct Recording {
        QStringList said;     // every text handed over, whole
        QStringList commands; // "Stop", "Pause", "Resume", "Back", "Forward"
        QList<SpeechVoice> voices; // every voice applied, in order
        // What the engine reports: Say sets it, Stop and Finish clear it;
        // tests set it to script the other commands.
        bool speaking = false;
        int lastError = 0;
        bool fail = false;        // every engine call fails with lastError
        bool unavailable = false; // no engine can be made
        // Ends the text as the engine would at its last sentence.
        void Finish();
        // The engine fails as the desktop's does without a sound server: the
        // text ends and the engine says why.
        void Break(const QString &message);
    };
    static void SetRecording(bool on);
    static Recording &Recorded();
    static void Reset();

Q_SIGNALS:
    void AudioStart();
    void AudioStop();
    // The engine cannot sound; FailureText says why.
    void Failed();

private:
    SpeechEngine &Engine() const;
    void Apply();

    std::unique_ptr<SpeechEngine> engine_;
    QString failure_;
    int mode_ = 1;
    int lowRegister_ = 0;
    int volume_ = 10;
};
