#pragma once
// The small speech window: hosts the text-to-speech control and its seven
// text buttons (Resume, Pause, Stop, Rewind, Forward, Close, Hide). It is
// loaded by the first speech command, or hidden by the Options window's voice
// list, and stays loaded until its Close button unloads it.
#include <QWidget>

class QFrame;
class QLabel;
class Speech;

class frmSpeech : public QWidget {
    Q_OBJECT
public:
    enum Button { Resume, Pause, Stop, Rewind, Forward, Close, Hide, ButtonCount };

    // The window, loaded hidden on first use.
    static frmSpeech *Load();
    // nullptr while the window is not loaded.
    static frmSpeech *Loaded();
    static void Unload();
    ~frmSpeech() override;

    Speech *TextToSpeech1 = nullptr;
    QFrame *Picture1 = nullptr; // strip behind the buttons
    QLabel *lblNav[ButtonCount] = {};
    QFrame *Shape1 = nullptr;   // hover frame
    QLabel *lblWait = nullptr;  // "Please Wait.."
    QLabel *lblError = nullptr; // why the engine cannot speak, over lblWait

    void lblNav_Click(int index);
    void Form_Load();
    void Form_Paint();
    void Form_MouseDown(int button);
    void Form_MouseMove();
    void Picture1_MouseMove();
    void lblNav_MouseMove(int index);
    void lblNav_MouseDown(int index);
    void lblNav_MouseUp(int index);
    void TextToSpeech1_AudioStop();
    // The engine cannot speak: say why, and leave only Close and Hide live.
    void TextToSpeech1_Failed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    explicit frmSpeech(QWidget *parent = nullptr);
    void SetShapeFill(const QColor &color);
    bool painted_ = false;
};
