#include "platform/Speech.h"

#include "platform/Vb.h"

#include <QTextToSpeech>
#include <QVoice>
#include <algorithm>

// --- sentences ---------------------------------------------------------

void SentenceQueue::Load(const QString &text)
{
    Clear();
    QString piece;
    auto end = [this, &piece] {
        const QString sentence = piece.trimmed();
        if (!sentence.isEmpty())
            sentences_.append(sentence);
        piece.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            end();
            continue;
        }
        piece += c;
        // "112.5" and "1.1%" go on; a full stop before a blank ends.
        const bool stop = c == u'.' || c == u'!' || c == u'?';
        if (stop && (i + 1 == text.size() || text[i + 1].isSpace()))
            end();
    }
    end();
}

void SentenceQueue::Clear()
{
    sentences_.clear();
    index_ = 0;
}

QString SentenceQueue::Current() const { return AtEnd() ? QString() : sentences_[index_]; }

bool SentenceQueue::Next()
{
    if (!AtEnd())
        ++index_;
    return !AtEnd();
}

bool SentenceQueue::Back()
{
    index_ = std::max(0, std::min(index_, int(sentences_.size())) - 1);
    return !AtEnd();
}

namespace {

// --- the desktop's engine ----------------------------------------------

// QTextToSpeech has no skipping, so the text goes to it a sentence at a
// time and the next one follows when the engine is ready again.
class DesktopEngine final : public SpeechEngine {
public:
    static std::unique_ptr<SpeechEngine> Make()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty())
            return nullptr;
        const QString name = engines.contains(QStringLiteral("flite")) ? QStringLiteral("flite") : engines.first();
        return std::make_unique<DesktopEngine>(name);
    }

    explicit DesktopEngine(const QString &name) : tts_(name)
    {
        QObject::connect(&tts_, &QTextToSpeech::stateChanged, &tts_,
                         [this](QTextToSpeech::State state) { StateChanged(state); });
        QObject::connect(&tts_, &QTextToSpeech::errorOccurred, &tts_,
                         [this](QTextToSpeech::ErrorReason, const QString &text) {
                             if (Failed)
                                 Failed(text);
                         });
    }

    void Say(const QString &text) override
    {
        // An engine that failed as it started (no sound server) says so
        // at every text rather than dropping it without a word.
        if (tts_.state() == QTextToSpeech::Error) {
            if (Failed)
                Failed(tts_.errorString());
            return;
        }
        queue_.Load(text);
        paused_ = false;
        if (queue_.IsEmpty()) {
            Halt();
            return;
        }
        SetActive(true);
        StartCurrent();
    }

    void Stop() override
    {
        queue_.Clear();
        Halt();
    }

    void Pause() override
    {
        if (active_ && !paused_) {
            paused_ = true;
            tts_.pause();
        }
    }

    void Resume() override
    {
        if (paused_) {
            paused_ = false;
            tts_.resume();
        }
    }

    void SkipBack() override
    {
        if (!active_)
            return;
        paused_ = false;
        queue_.Back();
        StartCurrent();
    }

    void SkipForward() override
    {
        if (!active_)
            return;
        paused_ = false;
        if (queue_.Next())
            StartCurrent();
        else
            Stop();
    }

    bool Speaking() const override { return active_ && !paused_; }
    int LastError() const override { return int(tts_.errorReason()); }

    void SetVoice(const SpeechVoice &voice) override
    {
        const QList<QVoice> voices = tts_.availableVoices();
        const auto found = std::find_if(voices.begin(), voices.end(),
                                        [&](const QVoice &v) { return v.name() == voice.name; });
        if (found != voices.end() && !(tts_.voice() == *found))
            tts_.setVoice(*found);
        tts_.setPitch(voice.pitch);
        tts_.setRate(voice.rate);
        tts_.setVolume(voice.volume);
    }

private:
    void StartCurrent()
    {
        // The engine's own end of the sentence it is cut off in is no cue to
        // move on: only a sentence that has started counts.
        started_ = false;
        tts_.stop();
        tts_.say(queue_.Current());
    }

    void Halt()
    {
        paused_ = false;
        started_ = false;
        tts_.stop();
        SetActive(false);
    }

    void StateChanged(QTextToSpeech::State state)
    {
        switch (state) {
        case QTextToSpeech::Speaking:
            started_ = true;
            break;
        case QTextToSpeech::Ready:
            if (active_ && !paused_ && started_) {
                started_ = false;
                if (queue_.Next())
                    StartCurrent();
                else
                    SetActive(false);
            }
            break;
        case QTextToSpeech::Error:
            queue_.Clear();
            paused_ = false;
            SetActive(false);
            break;
        default:
            break;
        }
    }

    void SetActive(bool on)
    {
        if (on == active_)
            return;
        active_ = on;
        if (Notify)
            Notify(on);
    }

    QTextToSpeech tts_;
    SentenceQueue queue_;
    bool active_ = false;
    bool paused_ = false;
    bool started_ = false;
};

// --- the recording stand-in --------------------------------------------

struct SeamState {
    bool recording = false;
    Speech::Recording rec;
    SpeechEngine *live = nullptr; // the newest recording engine
};
SeamState &seam()
{
    static SeamState s;
    return s;
}

// The text ends: the engine reports it no longer speaks, and says so once.
void EndText(SpeechEngine *engine)
{
    const bool was = seam().rec.speaking;
    seam().rec.speaking = false;
    if (was && engine && engine->Notify)
        engine->Notify(false);
}

class RecordingEngine final : public SpeechEngine {
public:
    RecordingEngine() { seam().live = this; }
    ~RecordingEngine() override
    {
        if (seam().live == this)
            seam().live = nullptr;
    }

    void Say(const QString &text) override
    {
        Check();
        rec().said.append(text);
        rec().speaking = true;
        if (Notify)
            Notify(true);
    }
    void Stop() override
    {
        Command("Stop");
        EndText(this);
    }
    void Pause() override { Command("Pause"); }
    void Resume() override { Command("Resume"); }
    void SkipBack() override { Command("Back"); }
    void SkipForward() override { Command("Forward"); }
    bool Speaking() const override
    {
        Check();
        return rec().speaking;
    }
    int LastError() const override { return rec().lastError; }
    void SetVoice(const SpeechVoice &voice) override
    {
        Check();
        rec().voices.append(voice);
    }

private:
    static Speech::Recording &rec() { return seam().rec; }
    static void Check()
    {
        if (rec().fail)
            throw VbError(float(rec().lastError), QStringLiteral("The speech engine failed"));
    }
    static void Command(const char *name)
    {
        Check();
        rec().commands.append(QString::fromLatin1(name));
    }
};

struct Preset {
    const char *voice; // flite's voice names
    double pitch;
    double rate;
    int gender;
};

// "Resa", "Resa in phone", "Ubin", "Ubin in phone", "Dorin", "Kesto",
// "Jorna (Robo)", "Kesto (Robo)", "Lan Purso (Robo)", "Dorin in hall",
// "Dorin in stadium", "Dorin in Space". The telephone voices are thin and
// quick, the robots flite's diphone voice, the hall, stadium and space
// voices ever deeper and slower.
constexpr Preset Presets[Speech::ModeCount] = {
    {"slt", 0.0, 0.0, 1},   {"slt", 0.3, 0.15, 1},   {"rms", 0.0, 0.0, 2},    {"rms", 0.3, 0.15, 2},
    {"awb", 0.0, 0.0, 2},   {"kal16", 0.0, 0.0, 2},  {"kal", 0.5, -0.1, 1},   {"kal", 0.0, -0.1, 2},
    {"kal", -0.4, -0.2, 2}, {"awb", -0.1, -0.2, 2},  {"awb", -0.25, -0.3, 2}, {"awb", -0.5, -0.45, 2},
};
constexpr double LowRegisterStep = 0.15;

} // namespace

void Speech::Recording::Finish() { EndText(seam().live); }

void Speech::Recording::Break(const QString &message)
{
    SpeechEngine *engine = seam().live;
    EndText(engine);
    if (engine && engine->Failed)
        engine->Failed(message);
}

void Speech::SetRecording(bool on) { seam().recording = on; }
Speech::Recording &Speech::Recorded() { return seam().rec; }
void Speech::Reset() { seam().rec = Recording(); }

Speech::Speech(QObject *parent) : QObject(parent)
{
    if (seam().recording) {
        if (!seam().rec.unavailable)
            engine_ = std::make_unique<RecordingEngine>();
    } else {
        engine_ = DesktopEngine::Make();
    }
    if (!engine_)
        failure_ = QStringLiteral("No speech engine is installed.");
    if (engine_) {
        engine_->Notify = [this](bool on) {
            if (on) {
                failure_.clear();
                Q_EMIT AudioStart();
            } else {
                Q_EMIT AudioStop();
            }
        };
        engine_->Failed = [this](const QString &text) {
            failure_ = text.isEmpty() ? QStringLiteral("The speech engine failed.") : text;
            Q_EMIT Failed();
        };
        // The first voice mode; an engine that refuses it keeps its own voice.
        try {
            Apply();
        } catch (const VbError &) {
        }
    }
}

Speech::~Speech()
{
    if (engine_) {
        engine_->Notify = nullptr;
        engine_->Failed = nullptr;
    }
}

SpeechEngine &Speech::Engine() const
{
    if (!engine_)
        throw VbError(NoEngine, QStringLiteral("ActiveX component can't create object"));
    return *engine_;
}

void Speech::Speak(const QString &text) { Engine().Say(text); }
void Speech::StopSpeaking() { Engine().Stop(); }
void Speech::Pause() { Engine().Pause(); }
void Speech::Resume() { Engine().Resume(); }
void Speech::SkipBack() { Engine().SkipBack(); }
void Speech::SkipForward() { Engine().SkipForward(); }
bool Speech::IsSpeaking() const { return Engine().Speaking(); }
int Speech::LastError() const { return engine_ ? engine_->LastError() : NoEngine; }

void Speech::SetCurrentMode(int mode)
{
    Engine();
    if (mode < 1 || mode > ModeCount)
        throw VbError::InvalidCall();
    mode_ = mode;
    Apply();
}

int Speech::ModeGender(int mode) const
{
    Engine();
    if (mode < 1 || mode > ModeCount)
        throw VbError::InvalidCall();
    return Presets[mode - 1].gender;
}

void Speech::SetLowRegister(int value)
{
    Engine();
    if (value != 0 && value != 1)
        throw VbError(380, QStringLiteral("Invalid property value"));
    lowRegister_ = value;
    Apply();
}

void Speech::SetVolume(int tenths)
{
    Engine();
    if (tenths < 0 || tenths > 10)
        throw VbError(380, QStringLiteral("Invalid property value"));
    volume_ = tenths;
    Apply();
}

SpeechVoice Speech::EffectiveVoice() const
{
    const Preset &p = Presets[mode_ - 1];
    SpeechVoice v;
    v.name = QString::fromLatin1(p.voice);
    v.pitch = std::clamp(p.pitch - (lowRegister_ ? LowRegisterStep : 0.0), -1.0, 1.0);
    v.rate = p.rate;
    v.volume = volume_ / 10.0;
    return v;
}

void Speech::Apply() { Engine().SetVoice(EffectiveVoice()); }
